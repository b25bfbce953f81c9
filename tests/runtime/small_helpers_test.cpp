// Two small helpers many callers lean on: the message list that shows a
// message met twice only once, and the comparison of names without regard
// to letter case (data files, catalogue keys, combo lists).

#include <gtest/gtest.h>

#include <string>
#include <utility>

#include "runtime/messages.h"
#include "runtime/text_file.h"

namespace {

using quorvel::runtime::equalIgnoringAsciiCase;
using quorvel::runtime::Message;
using quorvel::runtime::Messages;
using quorvel::runtime::messagesText;

TEST(MessagesText, AMessageRepeatedWordForWordIsShownOnce) {
    const Message missing{"Tiedosto puuttuu: ONTELO.MIT", "File missing: ONTELO.MIT"};
    const Message other{"Tiedosto puuttuu: PUNOS.VAT", "File missing: PUNOS.VAT"};
    // Only the window's language counts: the same English text under two
    // Finnish wordings is one message in English and two in Finnish.
    const Message sameInEnglish{"Tiedostoa ei löydy: ONTELO.MIT", "File missing: ONTELO.MIT"};
    // A text that differs by letter case or a blank is another message.
    const Message otherCase{"tiedosto puuttuu: ONTELO.MIT", "File missing: ONTELO.MIT "};
    const Messages list{missing, other, missing, sameInEnglish, otherCase, {"", ""}, missing};
    EXPECT_EQ(messagesText(list, 1),
              "File missing: ONTELO.MIT\r\n\r\nFile missing: PUNOS.VAT\r\n\r\nFile missing: ONTELO.MIT ");
    EXPECT_EQ(messagesText(list, 0),
              "Tiedosto puuttuu: ONTELO.MIT\r\n\r\nTiedosto puuttuu: PUNOS.VAT\r\n\r\n"
              "Tiedostoa ei löydy: ONTELO.MIT\r\n\r\ntiedosto puuttuu: ONTELO.MIT");
    EXPECT_EQ(messagesText({}, 0), "");
}

TEST(EqualIgnoringAsciiCase, EveryLetterOfTheAlphabetFoldsAndNothingElseDoes) {
    // Each letter A..Z against its small letter, alone and inside a name,
    // in both orders: a fault at either end of the alphabet ('A', 'Z')
    // fails here.
    for (char upper = 'A'; upper <= 'Z'; ++upper) {
        const char lower = static_cast<char>(upper - 'A' + 'a');
        const std::string u(1, upper), l(1, lower);
        EXPECT_TRUE(equalIgnoringAsciiCase(u, l)) << u;
        EXPECT_TRUE(equalIgnoringAsciiCase(l, u)) << u;
        EXPECT_TRUE(equalIgnoringAsciiCase("x" + u + ".da0", "X" + l + ".DA0")) << u;
        // The neighbours of each letter stay different.
        EXPECT_FALSE(equalIgnoringAsciiCase(u, std::string(1, static_cast<char>(lower + 1)))) << u;
    }
    // Characters beside the letters in the code table, whose case bit
    // differs as a letter's does, do not fold: '@' / '`', '[' / '{',
    // '\\' / '|', ']' / '}', '^' / '~', and the blank against its
    // neighbour.
    for (const auto& [a, b] : {std::pair{'@', '`'}, {'[', '{'}, {'\\', '|'}, {']', '}'}, {'^', '~'}, {'_', '\x7f'}})
        EXPECT_FALSE(equalIgnoringAsciiCase(std::string(1, a), std::string(1, b))) << a;
    // Letters outside ASCII are compared as they stand (Windows-1252 or
    // UTF-8 bytes): 'Ä' is not 'ä'.
    EXPECT_FALSE(equalIgnoringAsciiCase("\xc4", "\xe4"));
    EXPECT_TRUE(equalIgnoringAsciiCase("", ""));
    EXPECT_FALSE(equalIgnoringAsciiCase("ontelo.mit", "ontelo.mi"));
    EXPECT_FALSE(equalIgnoringAsciiCase("ontelo.mit", "ontelo.mitt"));
}

}  // namespace
