#pragma once
// Platform for tests, without a display: message boxes are recorded and
// answered from a script.

#include <deque>
#include <string>
#include <vector>

#include "platform/platform.h"

namespace quorvel::platform {

struct RecordedMessage {
    std::string text;
    Buttons buttons;
    Icon icon;
    std::string title;
};

class HeadlessPlatform : public Platform {
public:
    Answer messageBox(const std::string& text, Buttons buttons, Icon icon,
                      const std::string& title) override;

    // Answers for the next message boxes, in order. Without a scripted
    // answer a box is answered with its first button (Ok, Yes, Retry, Abort).
    void answerNext(Answer a) { answers_.push_back(a); }

    const std::vector<RecordedMessage>& messages() const { return messages_; }
    void clearMessages() { messages_.clear(); }

private:
    std::deque<Answer> answers_;
    std::vector<RecordedMessage> messages_;
};

}  // namespace quorvel::platform
