#pragma once
// What the engineering core has to tell the user, as data. The readers and
// the calculation never show a message themselves: each says what it met in
// both languages of the windows and adds it to the list its caller gives;
// the window that ran the command shows the list once, in its language.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace quorvel::runtime {

struct Message {
    std::string finnish;
    std::string english;
    // The text in the language of the index (1 English, any other Finnish).
    const std::string& text(int16_t language) const { return language == 1 ? english : finnish; }
};

using Messages = std::vector<Message>;

// A text read from a file as a message quotes it: between double quotes,
// its first 40 characters followed by "..." when it is longer (a field may
// be a whole line of anything).
inline std::string quotedText(std::string_view text) {
    constexpr int shownCharacters = 40;
    std::size_t end = 0;
    for (int characters = 0; end < text.size() && characters < shownCharacters; ++characters) {
        ++end;
        while (end < text.size() && (static_cast<unsigned char>(text[end]) & 0xC0) == 0x80) ++end;
    }
    return "\"" + std::string(text.substr(0, end)) + (end < text.size() ? "...\"" : "\"");
}

// What makes a project impossible to calculate, said as the windows say
// it: "Laskentaa ei tehty: " / "Not calculated: " and the reason in each
// language (the reason ends with its own full stop). Every check that
// refuses a project words its message through here.
// A name or a stored value as a message quotes it: a long one (no path
// is longer than some thousand bytes, no file name than 255) by its start
// only, so that a megabyte neither fills the screen nor pushes what the
// message says of it out of the box.
inline std::string startOfLongText(const std::string& value) {
    constexpr std::size_t Shown = 120;
    if (value.size() <= Shown + 3) return value;
    std::size_t cut = Shown;
    while (cut > 0 && (static_cast<unsigned char>(value[cut]) & 0xC0) == 0x80) --cut;  // not inside a character
    return value.substr(0, cut) + "...";
}

inline Message NotCalculated(const std::string& finnishReason, const std::string& englishReason) {
    return Message{"Laskentaa ei tehty: " + finnishReason, "Not calculated: " + englishReason};
}

// The messages in the language of the index, one after another with an
// empty line between them, in the order they were added; a message equal
// to one before it is left out (two readers may meet the same fault).
inline std::string messagesText(const Messages& messages, int16_t language) {
    std::string text;
    std::vector<const std::string*> shown;
    for (const Message& message : messages) {
        const std::string& t = message.text(language);
        bool seen = false;
        for (const std::string* s : shown) seen = seen || *s == t;
        if (seen || t.empty()) continue;
        text += (text.empty() ? "" : "\r\n\r\n") + t;
        shown.push_back(&t);
    }
    return text;
}

}  // namespace quorvel::runtime
