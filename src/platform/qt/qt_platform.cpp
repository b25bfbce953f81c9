#include "platform/qt/qt_platform.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDateTime>
#include <QDesktopServices>
#include <QDialogButtonBox>
#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QFontMetrics>
#include <QInputDialog>
#include <QLibraryInfo>
#include <QLineEdit>
#include <QLocale>
#include <QMessageBox>
#include <QPainter>
#include <QPointer>
#include <QPageLayout>
#include <QPageSize>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QScreen>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTranslator>
#include <QUrl>
#include <algorithm>
#include <cstdlib>
#include <utility>

#include <sys/stat.h>

#include "platform/forms/form.h"
#include "platform/message_layout.h"
#include "platform/print_layout.h"
#include "platform/qt/form_window.h"
#include "platform/qt/qt_widgets.h"
#include "runtime/errors.h"
#include "runtime/open_file.h"
#include "runtime/text_file.h"

namespace quorvel::platform::qt {

namespace {

std::string utf8(const QString& s) { return s.toUtf8().toStdString(); }

// Message texts break lines with CR LF (some with LF CR); Qt shows LF. A
// word too long for a line is broken, a text too long for the screen cut
// (messageBoxText): a box is as wide as its longest line.
QString messageText(const std::string& s) {
    QString q = qs(messageBoxText(s));
    q.replace("\r\n", "\n");
    q.replace("\n\r", "\n");
    q.replace("\r", "\n");
    return q;
}

// "Text (*.txt)|*.txt|All (*.*)|*.*" as Qt's name filters.
QStringList nameFilters(const std::string& filter) {
    QStringList parts = qs(filter).split('|');
    QStringList out;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        QString patterns = parts[i + 1];
        patterns.replace(';', ' ');
        QString label = parts[i];
        if (!label.contains('(')) label += " (" + patterns + ")";
        else if (!label.contains(patterns)) label = label.left(label.indexOf('(')).trimmed() + " (" + patterns + ")";
        out << label;
    }
    return out;
}

}  // namespace

// Counts an open platform dialog; when it closes, the window that was
// active before it is made active again and the focus goes back to the
// control that holds it. Without a window manager nothing else would
// activate that window, and an inactive window gets no focus changes: a
// LostFocus check would not run when the user leaves a box.
class QtPlatform::DialogScope {
public:
    explicit DialogScope(QtPlatform& p) : p_(p), active_(QApplication::activeWindow()) { ++p_.dialogDepth_; }
    ~DialogScope() {
        // Still counted as open while the windows beneath get their focus
        // back.
        p_.returnFromDialog(active_, p_.dialogDepth_ == 1);
        --p_.dialogDepth_;
    }

private:
    QtPlatform& p_;
    QPointer<QWidget> active_;
};

void QtPlatform::returnFromDialog(QWidget* previous, bool activate) {
    // The focus a window gets back on activation is no user's focus move.
    ++dialogDepth_;
    for (auto& [form, window] : windows_)
        if (window->isVisible()) window->syncFocus();
    if (activate) reactivate(previous);
    --dialogDepth_;
}

void QtPlatform::reactivate(QWidget* previous) {
    QWidget* target = previous && previous->isVisible() ? previous : nullptr;
    if (!target) {
        // The window of the innermost modal show, else any shown form.
        for (auto& [form, window] : windows_) {
            if (!window->isVisible()) continue;
            if (!target || window->loop) target = window;
        }
    }
    if (!target || target == QApplication::activeWindow()) return;
    target->activateWindow();
    // Activation is asynchronous on a real display; let it arrive.
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

QtPlatform::QtPlatform() {
    focusConnection_ = QObject::connect(qApp, &QApplication::focusChanged, qApp,
                     [this](QWidget*, QWidget* now) { onApplicationFocusChanged(now); });
}

QtPlatform::~QtPlatform() {
    QObject::disconnect(focusConnection_);
    QObject::disconnect(helpClosed_);
    delete helpWindow_.data();
    if (qtTexts_) QCoreApplication::removeTranslator(qtTexts_.get());
    auto windows = windows_;
    windows_.clear();
    for (auto& [form, window] : windows) delete window;
    releaseWorkFolder();
}

// --- services ---

namespace {
void setUpBox(QMessageBox& box, const std::string& text, Icon icon, const std::string& title) {
    box.setWindowTitle(qs(title));
    box.setText(messageText(text));
    switch (icon) {
    case Icon::None: box.setIcon(QMessageBox::NoIcon); break;
    case Icon::Critical: box.setIcon(QMessageBox::Critical); break;
    case Icon::Question: box.setIcon(QMessageBox::Question); break;
    case Icon::Exclamation: box.setIcon(QMessageBox::Warning); break;
    case Icon::Information: box.setIcon(QMessageBox::Information); break;
    }
}
}  // namespace

Answer QtPlatform::messageBox(const std::string& text, Buttons buttons, Icon icon, const std::string& title,
                              Answer escapeAnswer) {
    DialogScope scope(*this);
    QMessageBox box;
    setUpBox(box, text, icon, title);
    struct Choice {
        QMessageBox::StandardButton button;
        Answer answer;
    };
    std::vector<Choice> choices;
    switch (buttons) {
    case Buttons::Ok: choices = {{QMessageBox::Ok, Answer::Ok}}; break;
    case Buttons::OkCancel: choices = {{QMessageBox::Ok, Answer::Ok}, {QMessageBox::Cancel, Answer::Cancel}}; break;
    case Buttons::YesNo: choices = {{QMessageBox::Yes, Answer::Yes}, {QMessageBox::No, Answer::No}}; break;
    case Buttons::YesNoCancel:
        choices = {{QMessageBox::Yes, Answer::Yes}, {QMessageBox::No, Answer::No}, {QMessageBox::Cancel, Answer::Cancel}};
        break;
    case Buttons::RetryCancel:
        choices = {{QMessageBox::Retry, Answer::Retry}, {QMessageBox::Cancel, Answer::Cancel}};
        break;
    case Buttons::AbortRetryIgnore:
        choices = {{QMessageBox::Abort, Answer::Abort}, {QMessageBox::Retry, Answer::Retry},
                   {QMessageBox::Ignore, Answer::Ignore}};
        break;
    }
    QMessageBox::StandardButtons all;
    for (const Choice& c : choices) all |= c.button;
    box.setStandardButtons(all);
    box.setDefaultButton(choices.front().button);
    // Escape and the frame press the button of the escape answer (Qt's own
    // choice would be No on a Yes/No box, whatever No means there).
    for (const Choice& c : choices)
        if (c.answer == escapeAnswer) box.setEscapeButton(box.button(c.button));
    int result = box.exec();
    for (const Choice& c : choices)
        if (result == c.button) return c.answer;
    return escapeAnswer;
}

std::size_t QtPlatform::choiceBox(const std::string& text, const std::vector<std::string>& captions, Icon icon,
                                  const std::string& title, std::size_t enterButton, std::size_t escapeButton) {
    DialogScope scope(*this);
    QMessageBox box;
    setUpBox(box, text, icon, title);
    // Each button keeps its place: the platform's button order would sort
    // them by role.
    std::vector<QPushButton*> buttons;
    for (const std::string& caption : captions) buttons.push_back(box.addButton(qs(caption), QMessageBox::ActionRole));
    if (enterButton < buttons.size()) box.setDefaultButton(buttons[enterButton]);
    if (escapeButton < buttons.size()) box.setEscapeButton(buttons[escapeButton]);
    box.exec();
    const auto chosen = std::find(buttons.begin(), buttons.end(), box.clickedButton());
    return chosen == buttons.end() ? escapeButton : static_cast<std::size_t>(chosen - buttons.begin());
}

std::optional<std::string> QtPlatform::inputBox(const std::string& prompt, const std::string& title,
                                                const std::string& defaultText) {
    DialogScope scope(*this);
    bool ok = false;
    QString text = QInputDialog::getText(nullptr, qs(title), messageText(prompt), QLineEdit::Normal,
                                         qs(defaultText), &ok);
    if (!ok) return std::nullopt;
    return utf8(text);
}

namespace {
std::optional<std::string> runFileDialog(const FileDialogRequest& request, bool save) {
    QFileDialog dialog;
    if (!request.title.empty()) dialog.setWindowTitle(qs(request.title));
    dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    bool mustExist = !save && (request.flags & FileFlags::FileMustExist);
    dialog.setFileMode(mustExist ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
    if (!(request.flags & FileFlags::OverwritePrompt)) dialog.setOption(QFileDialog::DontConfirmOverwrite);
    QStringList filters = nameFilters(request.filter);
    if (!filters.isEmpty()) {
        dialog.setNameFilters(filters);
        int i = request.filterIndex - 1;
        if (i >= 0 && i < filters.size()) dialog.selectNameFilter(filters[i]);
    }
    if (!request.initialFolder.empty()) dialog.setDirectory(qs(request.initialFolder));
    if (!request.fileName.empty()) dialog.selectFile(qs(request.fileName));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
    return utf8(dialog.selectedFiles().first());
}
}  // namespace

std::optional<std::string> QtPlatform::openFileDialog(const FileDialogRequest& request) {
    DialogScope scope(*this);
    return runFileDialog(request, false);
}

std::optional<std::string> QtPlatform::saveFileDialog(const FileDialogRequest& request) {
    DialogScope scope(*this);
    return runFileDialog(request, true);
}

bool QtPlatform::print(const PrintJob& job) {
    DialogScope scope(*this);
    QPrinter printer;
    if (printFile_.empty()) {
        QPrintDialog dialog(&printer);
        // Qt's dialog opens the file named in its box when Print is pressed
        // (to learn whether it may be written), and on a named pipe that open
        // waits until some program reads the pipe, the window frozen. The
        // name's type is asked first, without opening it, and a name that is
        // no file is refused there, the dialog left open; where this Qt
        // names its check otherwise, the look after the dialog stands alone.
        auto* buttons = dialog.findChild<QDialogButtonBox*>();
        auto* fileName = dialog.findChild<QLineEdit*>(QStringLiteral("filename"));
        if (buttons && fileName &&
            QObject::disconnect(buttons, SIGNAL(accepted()), &dialog, SLOT(_q_checkFields()))) {
            QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, [this, &dialog, fileName] {
                if (fileName->isEnabled()) {
                    if (auto refusal = printFileRefusal(utf8(fileName->text()), englishWindows())) {
                        messageBox(*refusal, Buttons::Ok, Icon::Exclamation, {});
                        fileName->setFocus();
                        return;
                    }
                }
                QMetaObject::invokeMethod(&dialog, "_q_checkFields", Qt::DirectConnection);
            });
        }
        if (dialog.exec() != QDialog::Accepted) return false;
    } else {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(qs(printFile_));
        printer.setPageSize(QPageSize(printPaper_ == "Letter" ? QPageSize::Letter : QPageSize::A4));
        printer.setPageOrientation(printLandscape_ ? QPageLayout::Landscape : QPageLayout::Portrait);
    }
    // A PDF file the printer would open is looked at first: opening a named
    // pipe would hold the window until some program read it.
    if (printer.outputFormat() == QPrinter::PdfFormat) {
        if (auto refusal = printFileRefusal(utf8(printer.outputFileName()), englishWindows())) {
            messageBox(*refusal, Buttons::Ok, Icon::Exclamation, {});
            return false;
        }
    }
    return printText(printer, job);
}

namespace {

// Whether path is missing or is a regular file or a folder. Its type is
// asked without opening it (a named pipe, a device or a socket is never
// opened); a regular file or a folder is then opened without waiting and
// looked at again, so that one swapped for a pipe between the two looks
// is refused too. A file that cannot be opened, a regular file and a folder
// are the settings store's to handle (it starts on the defaults); its own
// opens would wait on a pipe for good. When a limit is given, a regular
// file larger than it is named in oversized: the store would read it whole
// (a gigabyte of it ends the program), so it is held to the size of the
// data files, read to one byte past the limit whatever size it reports.
bool storeOpensWithoutWaiting(const QString& path, std::size_t limit,
                              std::optional<Platform::OversizedFile>& oversized) {
    const QByteArray name = QFile::encodeName(path);
    struct stat s {};
    if (::stat(name.constData(), &s) != 0) return true;
    if (!S_ISREG(s.st_mode) && !S_ISDIR(s.st_mode)) return false;
    runtime::OpenFile file(name.toStdString());
    if (!file.opened() || file.folder()) return true;
    if (!file.regular()) return false;
    if (limit == 0) return true;
    const auto reported = static_cast<std::uintmax_t>(file.status().st_size);
    if (reported > limit) {
        oversized = Platform::OversizedFile{utf8(path), reported};
    } else if (const auto bytes = file.readAtMost(limit); bytes && bytes->size() > limit) {
        oversized = Platform::OversizedFile{utf8(path), std::nullopt};
    }
    return true;
}

}  // namespace

// Whether the settings store of the application may be opened: none of
// the files it reads (the user's and the system's settings of the
// application and of its organisation, of the same name) nor the lock file
// it takes to write them is a named pipe or another file whose opening can
// wait, and none of the files it reads is larger than a data file may be
// (that one is kept for the rest of the run). Otherwise the program runs on
// the defaults and stores nothing, as it does when the settings file is a
// folder or cannot be read.
bool QtPlatform::settingsStoreOpens(const std::string& application) {
    if (oversizedSettings_) return false;
    const QString name = qs(application);
    for (const QString& folder : QStandardPaths::standardLocations(QStandardPaths::GenericConfigLocation))
        for (const QString& file : {folder + "/" + name + "/" + name + ".conf", folder + "/" + name + ".conf"}) {
            if (!storeOpensWithoutWaiting(file, runtime::LargestTextFile, oversizedSettings_) ||
                !storeOpensWithoutWaiting(file + ".lock", 0, oversizedSettings_) || oversizedSettings_)
                return false;
        }
    return true;
}

std::optional<Platform::OversizedFile> QtPlatform::oversizedSettingsFile(const std::string& application) {
    settingsStoreOpens(application);
    return oversizedSettings_;
}

std::string QtPlatform::getSetting(const std::string& application, const std::string& section,
                                   const std::string& key, const std::string& defaultValue) {
    if (!settingsStoreOpens(application)) return defaultValue;
    QSettings settings(qs(application), qs(application));
    return utf8(settings.value(qs(section + "/" + key), qs(defaultValue)).toString());
}

namespace {

// The size the settings file (path) would have with key set to value, as
// the store writes it. A file far enough below the limit is taken as
// staying below it (an escaped character takes at most a few bytes);
// otherwise a copy in a temporary folder takes the change and is measured,
// and where no copy can be made the estimate stands.
std::uintmax_t settingsSizeAfterSave(const QString& path, const QString& key, const QString& value) {
    const QFileInfo file(path);
    const auto now = static_cast<std::uintmax_t>(file.exists() ? file.size() : 0);
    const std::uintmax_t estimate = now + 8 * static_cast<std::uintmax_t>(key.size() + value.size()) + 64;
    if (estimate <= runtime::LargestTextFile) return now;
    QTemporaryDir folder;
    const QString trial = folder.filePath("trial.conf");
    if (!folder.isValid() || (file.exists() && !QFile::copy(path, trial))) return estimate;
    {
        QSettings store(trial, QSettings::IniFormat);
        store.setValue(key, value);
        store.sync();
        if (store.status() != QSettings::NoError) return estimate;
    }
    return static_cast<std::uintmax_t>(QFileInfo(trial).size());
}

}  // namespace

// A value the store already holds is not written again; a save that would
// take the settings file past what the next start reads is refused, and
// the file is left as it is for the rest of the run.
void QtPlatform::saveSetting(const std::string& application, const std::string& section, const std::string& key,
                             const std::string& value) {
    if (!settingsStoreOpens(application) || refusedSave_) return;
    QSettings settings(qs(application), qs(application));
    const QString name = qs(section + "/" + key);
    if (settings.contains(name) && settings.value(name).toString() == qs(value)) return;
    const std::uintmax_t size = settingsSizeAfterSave(settings.fileName(), name, qs(value));
    if (size > runtime::LargestTextFile) {
        refusedSave_ = OversizedFile{utf8(settings.fileName()), size};
        return;
    }
    settings.setValue(name, qs(value));
}

std::optional<Platform::OversizedFile> QtPlatform::refusedSettingsSave(const std::string&) {
    if (!refusedSave_ || std::exchange(refusedSaveSaid_, true)) return std::nullopt;
    return refusedSave_;
}

ScreenSize QtPlatform::screenSize() const {
    QScreen* screen = QGuiApplication::primaryScreen();
    QRect r = screen ? screen->geometry() : QRect(0, 0, 1024, 768);
    return {r.width() * TwipsPerPixel, r.height() * TwipsPerPixel};
}

std::string QtPlatform::programFolder() const { return utf8(QCoreApplication::applicationDirPath()) + "/"; }

// The user's application data folder (under XDG_DATA_HOME), made when
// missing; empty when it cannot be made or written.
namespace {
std::string applicationDataFolder() {
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    if (!folder.isEmpty() && QDir().mkpath(folder) && QFileInfo(folder).isWritable()) return utf8(folder) + "/";
    return {};
}
}  // namespace

// This copy's own folder under the application data folder (made again
// when it vanished); one of its own in the system's temporary folder when
// none can be made there, locked in the same way, so that the next start
// removes it after a crash.
std::string QtPlatform::workFolder() {
    const std::string shared = applicationDataFolder();
    if (!shared.empty()) {
        if (!ownWorkFolder_) ownWorkFolder_ = std::make_unique<runtime::PrivateWorkFolder>(shared);
        const std::string own = ownWorkFolder_->path();
        if (!own.empty()) {
            placesTried_.clear();
            return own;
        }
    }
    // The temporary folder named in TMPDIR, as Qt finds it: nothing when it
    // does not exist (never the current folder, which may be the program's).
    const std::string temporary = utf8(QDir::tempPath());
    if (!fallbackWorkFolder_ && !temporary.empty())
        fallbackWorkFolder_ = std::make_unique<runtime::PrivateWorkFolder>(temporary, "Quorvel-");
    const std::string fallback = fallbackWorkFolder_ ? fallbackWorkFolder_->path() : std::string();
    placesTried_.clear();
    if (fallback.empty()) {
        const QString data = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
        if (!data.isEmpty()) placesTried_.push_back(utf8(data) + "/");
        placesTried_.push_back((temporary.empty() ? utf8(qEnvironmentVariable("TMPDIR", "/tmp")) : temporary) + "/");
    }
    return fallback;
}

// The error log is the user's, kept after the program ends: in the
// application data folder, appended to by every copy.
std::string QtPlatform::logFolder() {
    const std::string shared = applicationDataFolder();
    return shared.empty() ? workFolder() : shared;
}

void QtPlatform::releaseWorkFolder() {
    ownWorkFolder_.reset();
    fallbackWorkFolder_.reset();
}

std::string QtPlatform::homeFolder() const { return utf8(QDir::homePath()) + "/"; }

void QtPlatform::beep() { QApplication::beep(); }

char QtPlatform::decimalMark() const {
    QString point = QLocale().decimalPoint();
    return point == "," ? ',' : '.';
}

LocalDateTime QtPlatform::localDateTime() const {
    const QDateTime now = QDateTime::currentDateTime();
    const QDate d = now.date();
    const QTime t = now.time();
    return {d.year(), d.month(), d.day(), t.hour(), t.minute(), t.second()};
}

void QtPlatform::endProgram() {
    releaseWorkFolder();
    std::exit(0);
}

void QtPlatform::untrapped(const std::exception& e) {
    std::string text = e.what();
    if (auto* error = dynamic_cast<const runtime::RunTimeError*>(&e))
        text = "Run-time error " + std::to_string(error->number()) + ":\r\n\r\n" +
               runtime::errorDescription(error->number());
    messageBox(text, Buttons::Ok, Icon::Critical, applicationTitle());
    releaseWorkFolder();
    std::exit(1);
}

void QtPlatform::applyLanguage(const std::string& language) {
    const bool finnish = language == "fi";
    if (finnish == (qtTexts_ != nullptr)) return;
    if (!finnish) {
        QCoreApplication::removeTranslator(qtTexts_.get());
        qtTexts_.reset();
        return;
    }
    auto texts = std::make_unique<QTranslator>();
    if (!texts->load("qtbase_fi", QLibraryInfo::path(QLibraryInfo::TranslationsPath))) return;
    QCoreApplication::installTranslator(texts.get());
    qtTexts_ = std::move(texts);
}

int QtPlatform::textWidthPixels(const Font& font, const std::string& text) const {
    return QFontMetrics(mapFont(font)).horizontalAdvance(qs(text));
}

int QtPlatform::textHeightPixels(const Font& font) const { return QFontMetrics(mapFont(font)).height(); }

// --- forms ---

QWidget* QtPlatform::windowOf(const Form& form) const {
    auto it = windows_.find(&form);
    return it == windows_.end() ? nullptr : it->second;
}

QWidget* QtPlatform::widgetOf(const Control& control) const {
    auto it = windows_.find(&control.form());
    return it == windows_.end() ? nullptr : it->second->widgetOf(&control);
}

void QtPlatform::showForm(Form& form, bool modal) {
    QPointer<QWidget> before = QApplication::activeWindow();
    FormWindow*& slot = windows_[&form];
    if (!slot) slot = new FormWindow(*this, form);
    QPointer<FormWindow> window(slot);
    window->syncAll();
    if (modal) window->setWindowModality(Qt::ApplicationModal);
    window->show();
    if (QGuiApplication::platformName() != "offscreen") window->raise();
    window->activateWindow();
    window->syncFocus();
    if (!modal) return;
    if (!form.isVisible() || !form.isLoaded()) return;
    QEventLoop loop;
    window->loop = &loop;
    loop.exec();
    if (window) {
        window->loop = nullptr;
        window->setWindowModality(Qt::NonModal);
    }
    // The window beneath is active again with its focus where it was:
    // without a window manager the keyboard would be left on no window.
    returnFromDialog(before, !inDialog());
}

void QtPlatform::formHidden(Form& form) {
    auto it = windows_.find(&form);
    if (it == windows_.end()) return;
    FormWindow* window = it->second;
    window->hide();
    if (window->loop) window->loop->quit();
}

void QtPlatform::dropWindow(Form& form) {
    auto it = windows_.find(&form);
    if (it == windows_.end()) return;
    FormWindow* window = it->second;
    windows_.erase(it);
    window->detach();
    window->hide();
    if (window->loop) window->loop->quit();
    window->deleteLater();
}

void QtPlatform::formUnloaded(Form& form) { dropWindow(form); }

void QtPlatform::formDestroyed(Form& form) { dropWindow(form); }

void QtPlatform::controlChanged(Form& form, Control* control) {
    auto it = windows_.find(&form);
    if (it != windows_.end()) it->second->sync(control);
}

void QtPlatform::focusChanged(Form& form, Control*) {
    auto it = windows_.find(&form);
    if (it != windows_.end()) it->second->syncFocus();
}

void QtPlatform::onApplicationFocusChanged(QWidget* now) {
    if (!now || inDialog()) return;
    for (auto& [form, window] : windows_) {
        Control* c = window->controlOf(now);
        if (!c || !window->form()) continue;
        if (!c->canTakeFocus()) return;
        Form* f = window->form();
        run([&] { f->setFocus(*c); });
        auto still = windows_.find(f);
        if (still != windows_.end()) still->second->refused = f->activeControl() == c ? nullptr : c;
        return;
    }
}

}  // namespace quorvel::platform::qt
