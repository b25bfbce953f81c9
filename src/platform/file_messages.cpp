#include "platform/file_messages.h"

namespace quorvel::platform {

void ShowFileNotFound(Platform& platform, int16_t messageNumber, const std::string& path, int16_t languageIndex) {
    const int code = languageIndex * 1000 + messageNumber;
    if (code == 1)
        platform.messageBox("Tiedostoa \"" + path + "\" ei löydy", Buttons::Ok, Icon::Exclamation, "Virhe");
    else if (code == 1001)
        platform.messageBox("File \"" + path + "\" not found", Buttons::Ok, Icon::Exclamation, "Error");
}

}  // namespace quorvel::platform
