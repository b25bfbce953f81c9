#include "platform/message_layout.h"

#include "platform/forms/utf8.h"

namespace quorvel::platform {

std::string messageBoxText(std::string_view text) {
    std::string shown;
    int characters = 0;
    int run = 0;  // characters since the last blank or line end
    for (const char32_t c : utf8::decode(text)) {
        if (characters == MessageCharacters) {
            shown += " ...";
            break;
        }
        const bool breaks = c == U' ' || c == U'\t' || c == U'\n' || c == U'\r';
        if (!breaks && run == MessageLineCharacters) {
            shown += '\n';
            run = 0;
        }
        run = breaks ? 0 : run + 1;
        shown += utf8::encode(c);
        ++characters;
    }
    return shown;
}

}  // namespace quorvel::platform
