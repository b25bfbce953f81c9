#include "platform/headless/headless_platform.h"

namespace quorvel::platform {

namespace {
Answer firstButton(Buttons b) {
    switch (b) {
    case Buttons::Ok:
    case Buttons::OkCancel: return Answer::Ok;
    case Buttons::YesNo:
    case Buttons::YesNoCancel: return Answer::Yes;
    case Buttons::RetryCancel: return Answer::Retry;
    case Buttons::AbortRetryIgnore: return Answer::Abort;
    }
    return Answer::Ok;
}
}  // namespace

Answer HeadlessPlatform::messageBox(const std::string& text, Buttons buttons, Icon icon,
                                    const std::string& title) {
    messages_.push_back({text, buttons, icon, title});
    if (answers_.empty()) return firstButton(buttons);
    Answer a = answers_.front();
    answers_.pop_front();
    return a;
}

}  // namespace quorvel::platform
