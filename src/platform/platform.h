#pragma once
// What the program needs of the desktop around it. Windows reach message
// boxes, input boxes, file dialogs, the printer, the settings store, the
// screen and the help viewer only through this interface; the headless
// backend answers it in tests, the Qt backend on a real desktop.
//
// The second half of the interface is the backend's side of the windows
// layer: a Form tells its platform when it is shown, hidden or unloaded and
// when a control or the focus changed, so that a backend can mirror it.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "platform/forms/style.h"
#include "runtime/program_context.h"

namespace quorvel::platform {

class Form;
class Control;

enum class Buttons { Ok, OkCancel, YesNo, YesNoCancel, RetryCancel, AbortRetryIgnore };
enum class Icon { None, Critical, Question, Exclamation, Information };
enum class Answer { Ok, Cancel, Yes, No, Retry, Abort, Ignore };

// The answer of a box closed with Escape or by its frame when its caller
// names none: Cancel where the box has it, else No, else its first button.
constexpr Answer EscapeAnswer(Buttons buttons) {
    switch (buttons) {
    case Buttons::Ok: return Answer::Ok;
    case Buttons::YesNo: return Answer::No;
    case Buttons::AbortRetryIgnore: return Answer::Abort;
    case Buttons::OkCancel:
    case Buttons::YesNoCancel:
    case Buttons::RetryCancel: return Answer::Cancel;
    }
    return Answer::Cancel;
}

// Flags of the file dialogs (the values of the common dialog's flags).
namespace FileFlags {
constexpr long OverwritePrompt = 0x2;
constexpr long HideReadOnly = 0x4;
constexpr long PathMustExist = 0x800;
constexpr long FileMustExist = 0x1000;
}  // namespace FileFlags

struct FileDialogRequest {
    std::string title;        // empty: the dialog's own title
    std::string filter;       // "Text (*.txt)|*.txt|All (*.*)|*.*"
    int filterIndex = 1;      // from 1
    long flags = 0;           // FileFlags
    std::string fileName;     // initial name
    std::string initialFolder;
};

// A print job: text lines printed in one font, broken into pages by the
// backend.
struct PrintJob {
    std::string fontName = "Courier New";
    double fontSize = 10;
    std::vector<std::string> lines;
};

struct ScreenSize {
    int width = 0;   // twips
    int height = 0;  // twips
};

// A moment of the local clock (the report header prints its date and
// time).
using runtime::LocalDateTime;

// Raised by a platform whose program end does not stop the process (the
// headless one), so that the code after the end is never run.
struct ProgramEnded {
    int exitCode = 0;
};

// The program folder and the local clock are the ProgramContext the
// layers below the windows (the report) take.
class Platform : public runtime::ProgramContext {
public:

    // A modal message box; returns the button the user chose. Escape, and
    // closing the box by its frame, give escapeAnswer.
    virtual Answer messageBox(const std::string& text, Buttons buttons, Icon icon, const std::string& title,
                              Answer escapeAnswer) = 0;
    // The same where Escape gives Cancel when the box has it, else No, else
    // its only button.
    Answer messageBox(const std::string& text, Buttons buttons, Icon icon, const std::string& title) {
        return messageBox(text, buttons, icon, title, EscapeAnswer(buttons));
    }
    // The same with the application title.
    Answer messageBox(const std::string& text, Buttons buttons = Buttons::Ok, Icon icon = Icon::None) {
        return messageBox(text, buttons, icon, applicationTitle());
    }

    // A modal question whose buttons read captions, left to right, for the
    // choices a standard box cannot name; returns the index of the button
    // chosen. Enter presses enterButton, Escape and the box's frame give
    // escapeButton.
    virtual std::size_t choiceBox(const std::string& text, const std::vector<std::string>& captions, Icon icon,
                                  const std::string& title, std::size_t enterButton, std::size_t escapeButton) = 0;

    // The application's title, used as the title of messages that name none.
    virtual std::string applicationTitle() const { return "Quorvel"; }

    // An input box; nothing when cancelled.
    virtual std::optional<std::string> inputBox(const std::string& prompt, const std::string& title,
                                                const std::string& defaultText) = 0;

    // File dialogs; the chosen path, or nothing when cancelled.
    virtual std::optional<std::string> openFileDialog(const FileDialogRequest& request) = 0;
    virtual std::optional<std::string> saveFileDialog(const FileDialogRequest& request) = 0;

    // Sends a print job to the printer; false when the user cancelled or
    // nothing could be printed.
    virtual bool print(const PrintJob& job) = 0;

    // The per-user settings store.
    virtual std::string getSetting(const std::string& application, const std::string& section,
                                   const std::string& key, const std::string& defaultValue) = 0;
    virtual void saveSetting(const std::string& application, const std::string& section,
                             const std::string& key, const std::string& value) = 0;
    // A settings file of the application larger than the store reads
    // (runtime::LargestTextFile): its path and the size it reports, or no
    // size when it reports less than it holds. From the moment one is found
    // to the end of the run the store is neither read nor written: the
    // program runs on the defaults and the file stays as it is. Nothing
    // when the store is read.
    struct OversizedFile {
        std::string path;
        std::optional<std::uintmax_t> size;
    };
    virtual std::optional<OversizedFile> oversizedSettingsFile(const std::string& /*application*/) {
        return std::nullopt;
    }
    // A setting whose save would have made the application's settings file
    // larger than the store reads, so that every later start would pass
    // the file over: the file's path and the size the save would have given
    // it. Such a save writes nothing, and from then to the end of the run
    // no setting is written: the file stays as it is. Given once, at the
    // first asking after the refusal; nothing otherwise.
    virtual std::optional<OversizedFile> refusedSettingsSave(const std::string& /*application*/) {
        return std::nullopt;
    }

    virtual ScreenSize screenSize() const = 0;
    // The folder of the program file, ending with "/".
    std::string programFolder() const override = 0;
    // The per-user folder the program writes its own work files into,
    // ending with "/"; it exists and may be written, and no other running
    // copy of the program writes into it. A folder that vanished is made
    // again when asked for. Empty when the platform has none.
    virtual std::string workFolder() = 0;
    // Where the last workFolder() that gave none sought to make one (the
    // folders, each ending with "/"), so that the program can say so; empty
    // after one was given, and on a platform that offers none (the program
    // then works in its data folder, as code driven without a start-up
    // does).
    virtual std::vector<std::string> workFolderPlacesTried() const { return {}; }
    // The per-user folder of the error log, which outlives the copy of the
    // program that wrote it; the work folder unless the platform has one.
    virtual std::string logFolder() { return workFolder(); }
    // The user's home folder, ending with "/".
    virtual std::string homeFolder() const = 0;
    // Opens a help file at its contents; false when it cannot be opened.
    virtual bool showHelp(const std::string& helpFile) = 0;
    virtual void beep() = 0;
    // The decimal mark of the user's locale ("," or ".").
    virtual char decimalMark() const = 0;
    // The local date and time now.
    LocalDateTime localDateTime() const override = 0;
    // Ends the program at once: no window is unloaded, nothing is saved.
    [[noreturn]] virtual void endProgram() = 0;

    // The language of the windows ("fi" Finnish, anything else English):
    // the backend's own texts (standard buttons, file and print dialogs)
    // follow it. The windows' own messages ask for it through
    // englishWindows(), so each window follows the platform it runs on.
    void setLanguage(const std::string& language) {
        language_ = language;
        applyLanguage(language);
    }
    // The language the windows last set ("" before any, as Finnish).
    const std::string& language() const { return language_; }
    bool englishWindows() const { return !language_.empty() && language_ != "fi"; }

    // Text metrics in pixels, for drawing on picture boxes.
    virtual int textWidthPixels(const Font& font, const std::string& text) const = 0;
    virtual int textHeightPixels(const Font& font) const = 0;

    // --- the backend's side of the windows layer (called by Form) ---

    // A form is shown; a modal show returns when the form is hidden or
    // unloaded.
    virtual void showForm(Form& form, bool modal) = 0;
    virtual void formHidden(Form&) {}
    virtual void formUnloaded(Form&) {}
    virtual void formDestroyed(Form&) {}
    // A property of a control (or of the form itself when control is null)
    // was changed by code or by the user.
    virtual void controlChanged(Form&, Control*) {}
    // The focus of the form moved to control (null: no control).
    virtual void focusChanged(Form&, Control*) {}

protected:
    // The backend's own texts follow the language set.
    virtual void applyLanguage(const std::string&) {}

private:
    std::string language_;
};

}  // namespace quorvel::platform
