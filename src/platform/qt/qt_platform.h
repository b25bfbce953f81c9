#pragma once
// The Platform of a real desktop, with Qt 6 Widgets: each shown form
// becomes a window whose widgets mirror its controls; message boxes, input
// boxes, file dialogs, the printer and the settings store are Qt's. A
// QApplication must exist before the platform is made.

#include <QMetaObject>
#include <QPointer>
#include <exception>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "platform/platform.h"
#include "runtime/work_folder.h"

class QPrinter;
class QTranslator;
class QWidget;

namespace quorvel::platform::qt {

class FormWindow;

class QtPlatform : public Platform {
public:
    QtPlatform();
    ~QtPlatform() override;

    Answer messageBox(const std::string& text, Buttons buttons, Icon icon, const std::string& title,
                      Answer escapeAnswer) override;
    using Platform::messageBox;
    std::size_t choiceBox(const std::string& text, const std::vector<std::string>& captions, Icon icon,
                          const std::string& title, std::size_t enterButton, std::size_t escapeButton) override;
    std::optional<std::string> inputBox(const std::string& prompt, const std::string& title,
                                        const std::string& defaultText) override;
    std::optional<std::string> openFileDialog(const FileDialogRequest& request) override;
    std::optional<std::string> saveFileDialog(const FileDialogRequest& request) override;
    bool print(const PrintJob& job) override;
    std::string getSetting(const std::string& application, const std::string& section, const std::string& key,
                           const std::string& defaultValue) override;
    void saveSetting(const std::string& application, const std::string& section, const std::string& key,
                     const std::string& value) override;
    std::optional<OversizedFile> oversizedSettingsFile(const std::string& application) override;
    std::optional<OversizedFile> refusedSettingsSave(const std::string& application) override;
    ScreenSize screenSize() const override;
    std::string programFolder() const override;
    std::string workFolder() override;
    std::vector<std::string> workFolderPlacesTried() const override { return placesTried_; }
    std::string logFolder() override;
    std::string homeFolder() const override;
    bool showHelp(const std::string& helpFile) override;
    void beep() override;
    char decimalMark() const override;
    LocalDateTime localDateTime() const override;
    [[noreturn]] void endProgram() override;
    int textWidthPixels(const Font& font, const std::string& text) const override;
    int textHeightPixels(const Font& font) const override;
    // Loads Qt's own Finnish translations for "fi" (the English texts
    // otherwise); quietly English when the translations are not installed.
    void applyLanguage(const std::string& language) override;

    void showForm(Form& form, bool modal) override;
    void formHidden(Form& form) override;
    void formUnloaded(Form& form) override;
    void formDestroyed(Form& form) override;
    void controlChanged(Form& form, Control* control) override;
    void focusChanged(Form& form, Control* control) override;

    // The window of a shown form and the widget of a control (null when the
    // form has no window); for tests and screenshots.
    QWidget* windowOf(const Form& form) const;
    QWidget* widgetOf(const Control& control) const;

    // Printing and help (qt_print_help.cpp). Print jobs go to this PDF file
    // instead of a printer chosen in the print dialog (empty: the dialog).
    // The paper of such a PDF file: "A4" (the default) or "Letter", portrait
    // or landscape.
    void setPrintFile(const std::string& pdfPath, const std::string& paper = "A4", bool landscape = false) {
        printFile_ = pdfPath;
        printPaper_ = paper;
        printLandscape_ = landscape;
    }
    // The pages of the last print job as they were laid out, and its font
    // size.
    const std::vector<std::vector<std::string>>& lastPrintedPages() const { return lastPrintedPages_; }
    double lastPrintedFontSize() const { return lastPrintedFontSize_; }
    // The help viewer's window, or null while none is open.
    QWidget* helpWindow() const;

    // While a dialog of the platform is open, focus moves of the windows
    // beneath it are not passed on to their forms.
    bool inDialog() const { return dialogDepth_ > 0; }

    // Runs the program's code for an event of Qt. An error that no handler
    // trapped cannot unwind through Qt's event dispatch: it is named in a
    // message and the program ends.
    template <typename F>
    void run(F&& f) {
        try {
            f();
        } catch (const std::exception& e) {
            untrapped(e);
        }
    }
    [[noreturn]] void untrapped(const std::exception& e);

private:
    // qt_print_help.cpp
    bool printText(QPrinter& printer, const PrintJob& job);
    std::string printFile_;
    std::string printPaper_ = "A4";
    bool printLandscape_ = false;
    std::vector<std::vector<std::string>> lastPrintedPages_;
    double lastPrintedFontSize_ = 0;
    QPointer<QWidget> helpWindow_;
    QPointer<QWidget> helpOpenedFrom_;     // the window active when the help opened
    QMetaObject::Connection helpClosed_;  // gives that window back its activation

private:
    class DialogScope;
    void dropWindow(Form& form);
    void onApplicationFocusChanged(QWidget* now);
    // After a dialog or a modal form closed: the focus of every shown
    // window back on its form's active control and, when activate, the
    // window beneath active again.
    void returnFromDialog(QWidget* previous, bool activate);
    // Makes the window active again after a dialog: the one active before
    // it, else the innermost modal form's, else any shown form's.
    void reactivate(QWidget* previous);

    // Whether the settings store of the application may be read and
    // written now (qt_platform.cpp).
    bool settingsStoreOpens(const std::string& application);
    // The settings file found too large; the store is left alone from then on.
    std::optional<OversizedFile> oversizedSettings_;
    // A save refused for the size it would have given the settings file;
    // nothing is written from then on. Said: it has been given once.
    std::optional<OversizedFile> refusedSave_;
    bool refusedSaveSaid_ = false;

    // Removes this copy's work folder (at the end of the program).
    void releaseWorkFolder();

    // This copy's own work folder under the per-user data folder.
    std::unique_ptr<runtime::PrivateWorkFolder> ownWorkFolder_;
    // The private temporary folder that serves as the work folder when the
    // per-user data folder cannot be made or written.
    std::unique_ptr<runtime::PrivateWorkFolder> fallbackWorkFolder_;
    // Where the last workFolder() that gave none sought one.
    std::vector<std::string> placesTried_;

    std::map<const Form*, FormWindow*> windows_;
    std::unique_ptr<QTranslator> qtTexts_;  // installed while the language is Finnish
    QMetaObject::Connection focusConnection_;
    int dialogDepth_ = 0;
};

}  // namespace quorvel::platform::qt
