#pragma once
// What the program needs of the desktop around it. Windows reach message
// boxes (and, as the windows layer grows, input boxes, file dialogs, the
// printer, the settings store, the screen and the help viewer) only through
// this interface; the headless backend answers it in tests, the Qt backend
// on a real desktop.

#include <string>

namespace quorvel::platform {

enum class Buttons { Ok, OkCancel, YesNo, YesNoCancel, RetryCancel, AbortRetryIgnore };
enum class Icon { None, Critical, Question, Exclamation, Information };
enum class Answer { Ok, Cancel, Yes, No, Retry, Abort, Ignore };

class Platform {
public:
    virtual ~Platform() = default;

    // A modal message box; returns the button the user chose.
    virtual Answer messageBox(const std::string& text, Buttons buttons, Icon icon,
                              const std::string& title) = 0;

    // The application's title, used as the title of messages that name none.
    virtual std::string applicationTitle() const { return "Quorvel"; }
};

}  // namespace quorvel::platform
