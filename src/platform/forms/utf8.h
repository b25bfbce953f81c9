#pragma once
// Small UTF-8 helpers for carets and typed characters, which count in
// characters (code points) rather than bytes.

#include <string>
#include <string_view>
#include <vector>

namespace quorvel::platform::utf8 {

int length(std::string_view s);
// Byte offset of the character with number i (clamped to the text).
std::size_t offsetOf(std::string_view s, int i);
std::vector<char32_t> decode(std::string_view s);
std::string encode(char32_t c);

}  // namespace quorvel::platform::utf8
