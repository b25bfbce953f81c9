#pragma once
// Platform for tests, without a display. Message boxes, input boxes and
// file dialogs are answered from a script (first in, first out) and
// recorded; a modal form runs a test-supplied driver; printed jobs, beeps
// and help requests are captured; settings live in memory. The simulated
// user actions (typing, pasting, Tab, clicks, Enter, Esc, the window frame)
// go through the same control setters as the Qt backend, so both follow
// the same event rules.
//
// A failed expectation (a box nobody expected, a box that does not match
// the script, a modal form without a driver or left open) throws
// HeadlessFailure. Expectations still unanswered when the platform is
// destroyed end the test process with a report (verify() checks earlier).

#include <deque>
#include <functional>
#include <map>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "platform/forms/form.h"
#include "platform/platform.h"

namespace quorvel::platform {

struct RecordedMessage {
    std::string text;
    Buttons buttons;
    Icon icon;
    std::string title;
    Answer escapeAnswer;  // what Escape would have given
    std::vector<std::string> captions;  // a choice box's buttons (buttons then unused)
};

struct HeadlessFailure : std::runtime_error {
    using std::runtime_error::runtime_error;
};

class HeadlessPlatform : public Platform {
public:
    explicit HeadlessPlatform(char decimalMark = '.');
    ~HeadlessPlatform() override;

    // --- message boxes ---
    Answer messageBox(const std::string& text, Buttons buttons, Icon icon, const std::string& title,
                      Answer escapeAnswer) override;
    using Platform::messageBox;
    // A choice box left unscripted while strict mode is off gives its Enter
    // button; escapeNext() gives its Escape button.
    std::size_t choiceBox(const std::string& text, const std::vector<std::string>& captions, Icon icon,
                          const std::string& title, std::size_t enterButton, std::size_t escapeButton) override;

    // The next box must have exactly this text, title, buttons and icon; it
    // is answered with answer (by default its first button).
    void expectMessage(const std::string& text, const std::string& title, Buttons buttons, Icon icon,
                       std::optional<Answer> answer = std::nullopt);
    // The same with a regular expression (ECMAScript) for the text.
    void expectMessageMatching(const std::string& pattern, const std::string& title, Buttons buttons, Icon icon,
                               std::optional<Answer> answer = std::nullopt);
    // The next box must be a choice box with exactly this text, title,
    // captions and icon; it is answered with the button captioned answer.
    void expectChoice(const std::string& text, const std::string& title, std::vector<std::string> captions,
                      Icon icon, const std::string& answer);
    // The next box, whatever it says, is answered with a (a standard box). Without any
    // script a box is answered with its first button (Ok, Yes, Retry,
    // Abort) unless strict mode is on; expectMessage turns strict mode on.
    void answerNext(Answer a);
    // The next box, whatever it says, is closed with Escape: it gives the
    // answer its caller named for Escape.
    void escapeNext();
    void setStrict(bool s) { strict_ = s; }

    const std::vector<RecordedMessage>& messages() const { return messages_; }
    void clearMessages() { messages_.clear(); }
    // Throws HeadlessFailure when scripted answers are left over.
    void verify();

    // --- input box, file dialogs, printer, help, beep ---
    std::optional<std::string> inputBox(const std::string& prompt, const std::string& title,
                                        const std::string& defaultText) override;
    void answerInput(std::optional<std::string> text) { inputAnswers_.push_back(std::move(text)); }

    std::optional<std::string> openFileDialog(const FileDialogRequest& request) override;
    std::optional<std::string> saveFileDialog(const FileDialogRequest& request) override;
    // The answer of the next file dialog (nothing: cancelled).
    void answerFileDialog(std::optional<std::string> path) { fileAnswers_.push_back(std::move(path)); }
    struct RecordedFileDialog {
        bool save;
        FileDialogRequest request;
    };
    const std::vector<RecordedFileDialog>& fileDialogs() const { return fileDialogs_; }

    bool print(const PrintJob& job) override;
    const std::vector<PrintJob>& printJobs() const { return printJobs_; }
    void setPrinterAvailable(bool a) { printerAvailable_ = a; }

    bool showHelp(const std::string& helpFile) override;
    const std::vector<std::string>& helpRequests() const { return helpRequests_; }

    void beep() override { ++beeps_; }
    int beeps() const { return beeps_; }

    // --- settings, screen, folders, locale, program end ---
    std::string getSetting(const std::string& application, const std::string& section, const std::string& key,
                           const std::string& defaultValue) override;
    void saveSetting(const std::string& application, const std::string& section, const std::string& key,
                     const std::string& value) override;
    const std::map<std::string, std::string>& settings() const { return settings_; }  // "app/section/key"
    void clearSettings() { settings_.clear(); }

    ScreenSize screenSize() const override { return screen_; }
    void setScreenSize(ScreenSize s) { screen_ = s; }
    std::string programFolder() const override { return programFolder_; }
    void setProgramFolder(const std::string& f);
    // The work folder a test sets (empty unless set), made again when it
    // vanished.
    std::string workFolder() override;
    void setWorkFolder(const std::string& f) { workFolder_ = f; }
    std::string homeFolder() const override { return homeFolder_; }
    void setHomeFolder(const std::string& f) { homeFolder_ = f; }
    char decimalMark() const override { return decimalMark_; }
    void setDecimalMark(char m) { decimalMark_ = m; }
    // The clock stands still at a fixed moment (2024-03-05 09:07:02 unless
    // set), so that what prints the time prints the same every run.
    LocalDateTime localDateTime() const override { return clock_; }
    void setLocalDateTime(const LocalDateTime& t) { clock_ = t; }
    // Records the end and throws ProgramEnded.
    [[noreturn]] void endProgram() override;
    bool programEnded() const { return ended_; }

    // Approximate metrics: a character is 0.55 em wide, a line 1.2 em high.
    int textWidthPixels(const Font& font, const std::string& text) const override;
    int textHeightPixels(const Font& font) const override;

    // --- forms ---
    void showForm(Form& form, bool modal) override;
    void formHidden(Form& form) override { forget(form); }
    void formUnloaded(Form& form) override { forget(form); }
    void formDestroyed(Form& form) override { forget(form); }

    // The driver of the next modal show of the form named formName (empty:
    // of whatever form is shown modally next). It must close the form.
    void onModal(const std::string& formName, std::function<void(Form&)> driver);
    // Shows form modally and runs driver while it is open.
    void showModal(Form& form, std::function<void()> driver);
    // The form that takes the user's actions: the innermost modal form, else
    // the last form shown.
    Form* activeForm() const;

    // --- the user's actions ---
    // Focus to the box, then each character as a key press (KeyDown,
    // KeyPress, KeyUp; the key goes in unless a handler swallowed it).
    void type(Control& box, const std::string& text);
    // Selects the whole text first, so the first key replaces it.
    void typeOver(Control& box, const std::string& text);
    // Replaces the box's text as a paste does: no key press, one Change.
    void paste(Control& box, const std::string& text);
    void backspace(Control& box);
    void tab();
    void shiftTab();
    // A mouse click: the focus moves first (LostFocus of the focused control
    // may put it back, and then the click is lost); then Click.
    void click(Control& c);
    void click(Form& form);  // on the window background
    // A double click: the click, then DblClick.
    void dblClick(Control& c);
    void selectItem(ComboBox& combo, int index);
    void spinUp(VScrollBar& bar);
    void spinDown(VScrollBar& bar);
    // Enter: a focused button is pressed, else the default button (also from
    // a multi-line box); the focus does not move, so no LostFocus runs.
    // Without a default button the key goes to the focused control, and a
    // multi-line box breaks the line.
    void pressEnter();
    // Esc: the cancel button, else KeyDown / KeyPress / KeyUp of 27.
    void pressEscape();
    // A key without a character (F7, Ctrl): KeyDown and KeyUp.
    void pressKey(int keyCode, int shift = 0);
    // The window frame's close button.
    bool closeByFrame(Form& form) { return form.closeByFrame(); }

private:
    struct Expected {
        bool any = false;
        bool regex = false;
        std::string text;
        std::string title;
        Buttons buttons = Buttons::Ok;
        Icon icon = Icon::None;
        std::optional<Answer> answer;
        bool escape = false;
        std::vector<std::string> captions;  // a choice box
        std::string choice;                 // the caption it is answered with
    };
    [[noreturn]] void fail(const std::string& what);
    void forget(Form& form);
    bool focusFor(Control& c);
    // replaceText: the key replaces the whole text of a combo (selected).
    // False when a handler swallowed the key or closed the window.
    bool keyPress(Control& target, int key, bool replaceText = false);

    std::deque<Expected> expected_;
    bool strict_ = false;
    std::vector<RecordedMessage> messages_;
    std::deque<std::optional<std::string>> inputAnswers_;
    std::deque<std::optional<std::string>> fileAnswers_;
    std::vector<RecordedFileDialog> fileDialogs_;
    std::vector<PrintJob> printJobs_;
    bool printerAvailable_ = true;
    std::vector<std::string> helpRequests_;
    int beeps_ = 0;
    std::map<std::string, std::string> settings_;
    ScreenSize screen_{1024 * TwipsPerPixel, 768 * TwipsPerPixel};
    std::string programFolder_ = "./";
    std::string workFolder_;
    std::string homeFolder_ = "/home/user/";
    char decimalMark_;
    LocalDateTime clock_{2024, 3, 5, 9, 7, 2};
    bool ended_ = false;
    std::deque<std::pair<std::string, std::function<void(Form&)>>> drivers_;
    std::vector<Form*> modalStack_;
    std::vector<Form*> shown_;
};

}  // namespace quorvel::platform
