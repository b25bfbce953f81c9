#include "platform/forms/utf8.h"

namespace quorvel::platform::utf8 {

namespace {
bool isContinuation(unsigned char c) { return (c & 0xC0) == 0x80; }
}  // namespace

int length(std::string_view s) {
    int n = 0;
    for (unsigned char c : s)
        if (!isContinuation(c)) ++n;
    return n;
}

std::size_t offsetOf(std::string_view s, int i) {
    if (i <= 0) return 0;
    int n = 0;
    for (std::size_t k = 0; k < s.size(); ++k) {
        if (!isContinuation(static_cast<unsigned char>(s[k]))) {
            if (n == i) return k;
            ++n;
        }
    }
    return s.size();
}

std::vector<char32_t> decode(std::string_view s) {
    std::vector<char32_t> out;
    for (std::size_t k = 0; k < s.size();) {
        unsigned char c = static_cast<unsigned char>(s[k]);
        int extra = c >= 0xF0 ? 3 : c >= 0xE0 ? 2 : c >= 0xC0 ? 1 : 0;
        char32_t cp = extra == 0 ? c : (c & (0x3F >> extra));
        ++k;
        for (int e = 0; e < extra && k < s.size() && isContinuation(static_cast<unsigned char>(s[k])); ++e, ++k)
            cp = (cp << 6) | (static_cast<unsigned char>(s[k]) & 0x3F);
        out.push_back(cp);
    }
    return out;
}

std::string encode(char32_t c) {
    std::string out;
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (c >> 18));
        out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
    return out;
}

}  // namespace quorvel::platform::utf8
