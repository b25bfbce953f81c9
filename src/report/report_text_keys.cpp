#include "report/report_text_keys.h"

#include <sstream>

namespace quorvel::report {

const std::vector<std::string>& ReportTextKeys() {
    // The numbers after "resultText", as the delivered files list them
    // after the bare key "resultText" (the label of a steel grade).
    static const char* const numbers =
        "1 2 3 3a 4 5 6 7 8 9 10 11 12 13 14 15 16 17 18 19 19a 20 21 22 26 27 28 29 30 31 32 33 34 35 36 37 38 "
        "40 41 42 43 44 45 46 47 48 49 50 51 52 53 54 55 56 57 58 59 60 62 63 64 65 66 67 68 70 71 72 73 74 "
        "75 76 77 78 79 80 81 82 83 83a 83b 84 85 86 87 88 89 90 91 92 93 94 95 96 97 98 99 100 101 102 103 104 105 "
        "105a 106 107 108 109 110 111 113 115 116 117 118 119 120 121 122 123 124 125 126 127 128 129 132 133 "
        "134 135 136 139 140 141 142 143 144 145 146 147 148 149 150 151 152 153 154 155 156 156a 156b 157 "
        "158 159 160 161 162 163 164 165 166 167 168 169 170 171 172 173 175 176 177 178 179 180 181 182 183 "
        "184 185 186 187 187a 187b 187c 187d 188 189 190 191 192 193 194 195 196 197 227 228 229 230 231 232 233 235 237 238 239 "
        "240 241 242 243 244 245 246 246a 246b 198 199 200 201 201a 202 203 204 205 206 207 208 208a 209 210 211 211a "
        "212 213 214 215 "
        "215a 216 217 218 219 120a 120b 120c 120d 120e 220 221 221a 221b 221c 221d 221e 222 222a 222b 222c 222d 223 224 225 226 247 248 249 250 251 252 253 254 255 "
        "256 257 258 259 260 261 261a 261b ";
    static const std::vector<std::string> keys = [] {
        std::vector<std::string> list{"resultText"};
        std::istringstream words(numbers);
        for (std::string number; words >> number;) list.push_back("resultText" + number);
        return list;
    }();
    return keys;
}

}  // namespace quorvel::report
