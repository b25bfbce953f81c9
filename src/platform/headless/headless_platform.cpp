#include "platform/headless/headless_platform.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <filesystem>
#include <memory>
#include <regex>

#include "platform/forms/utf8.h"

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

const char* buttonsName(Buttons b) {
    switch (b) {
    case Buttons::Ok: return "Ok";
    case Buttons::OkCancel: return "OkCancel";
    case Buttons::YesNo: return "YesNo";
    case Buttons::YesNoCancel: return "YesNoCancel";
    case Buttons::RetryCancel: return "RetryCancel";
    case Buttons::AbortRetryIgnore: return "AbortRetryIgnore";
    }
    return "?";
}

const char* iconName(Icon i) {
    switch (i) {
    case Icon::None: return "None";
    case Icon::Critical: return "Critical";
    case Icon::Question: return "Question";
    case Icon::Exclamation: return "Exclamation";
    case Icon::Information: return "Information";
    }
    return "?";
}

std::string describe(const std::string& text, const std::string& title, Buttons b, Icon i) {
    return "\"" + text + "\" titled \"" + title + "\" (" + buttonsName(b) + ", " + iconName(i) + ")";
}

}  // namespace

HeadlessPlatform::HeadlessPlatform(char decimalMark) : decimalMark_(decimalMark) {}

HeadlessPlatform::~HeadlessPlatform() {
    if (expected_.empty() || std::uncaught_exceptions() > 0) return;
    std::fprintf(stderr, "HeadlessPlatform: %zu scripted message box(es) never shown; the first: %s\n",
                 expected_.size(),
                 expected_.front().any ? "(any box)" : expected_.front().text.c_str());
    std::abort();
}

void HeadlessPlatform::fail(const std::string& what) { throw HeadlessFailure(what); }

// --- message boxes ---

Answer HeadlessPlatform::messageBox(const std::string& text, Buttons buttons, Icon icon, const std::string& title,
                                   Answer escapeAnswer) {
    messages_.push_back({text, buttons, icon, title, escapeAnswer, {}});
    if (expected_.empty()) {
        if (strict_) fail("unexpected message box " + describe(text, title, buttons, icon));
        return firstButton(buttons);
    }
    Expected e = expected_.front();
    expected_.pop_front();
    if (!e.captions.empty()) fail("message box " + describe(text, title, buttons, icon) + " where a choice box was expected");
    if (!e.any) {
        bool textMatches = e.regex ? std::regex_match(text, std::regex(e.text)) : e.text == text;
        if (!textMatches || e.title != title || e.buttons != buttons || e.icon != icon)
            fail("message box " + describe(text, title, buttons, icon) + " where " +
                 describe(e.text, e.title, e.buttons, e.icon) + " was expected");
    }
    if (e.escape) return escapeAnswer;
    return e.answer.value_or(firstButton(buttons));
}

std::size_t HeadlessPlatform::choiceBox(const std::string& text, const std::vector<std::string>& captions, Icon icon,
                                        const std::string& title, std::size_t enterButton, std::size_t escapeButton) {
    messages_.push_back({text, Buttons::Ok, icon, title, Answer::Cancel, captions});
    std::string buttons;
    for (const std::string& caption : captions) buttons += (buttons.empty() ? "" : " | ") + caption;
    const std::string shown = "\"" + text + "\" titled \"" + title + "\" [" + buttons + "] (" + iconName(icon) + ")";
    if (expected_.empty()) {
        if (strict_) fail("unexpected choice box " + shown);
        return enterButton;
    }
    Expected e = expected_.front();
    expected_.pop_front();
    if (e.escape) return escapeButton;
    if (e.captions.empty()) fail("choice box " + shown + " where a message box was expected");
    if (e.text != text || e.title != title || e.captions != captions || e.icon != icon)
        fail("choice box " + shown + " where \"" + e.text + "\" was expected");
    const auto chosen = std::find(captions.begin(), captions.end(), e.choice);
    if (chosen == captions.end()) fail("choice box " + shown + " has no button \"" + e.choice + "\"");
    return static_cast<std::size_t>(chosen - captions.begin());
}

void HeadlessPlatform::expectChoice(const std::string& text, const std::string& title, std::vector<std::string> captions,
                                    Icon icon, const std::string& answer) {
    strict_ = true;
    Expected e;
    e.text = text;
    e.title = title;
    e.icon = icon;
    e.captions = std::move(captions);
    e.choice = answer;
    expected_.push_back(std::move(e));
}

void HeadlessPlatform::expectMessage(const std::string& text, const std::string& title, Buttons buttons, Icon icon,
                                     std::optional<Answer> answer) {
    strict_ = true;
    expected_.push_back({false, false, text, title, buttons, icon, answer, false, {}, {}});
}

void HeadlessPlatform::expectMessageMatching(const std::string& pattern, const std::string& title, Buttons buttons,
                                             Icon icon, std::optional<Answer> answer) {
    strict_ = true;
    expected_.push_back({false, true, pattern, title, buttons, icon, answer, false, {}, {}});
}

void HeadlessPlatform::answerNext(Answer a) { expected_.push_back({true, false, {}, {}, Buttons::Ok, Icon::None, a, false, {}, {}}); }

void HeadlessPlatform::escapeNext() {
    Expected e;
    e.any = true;
    e.escape = true;
    expected_.push_back(e);
}

void HeadlessPlatform::verify() {
    if (!expected_.empty()) {
        std::string first = expected_.front().any ? "(any box)" : expected_.front().text;
        expected_.clear();
        fail("scripted message box never shown: " + first);
    }
}

// --- dialogs, printer, help ---

std::optional<std::string> HeadlessPlatform::inputBox(const std::string& prompt, const std::string&,
                                                      const std::string&) {
    if (inputAnswers_.empty()) fail("unexpected input box: " + prompt);
    auto a = inputAnswers_.front();
    inputAnswers_.pop_front();
    return a;
}

std::optional<std::string> HeadlessPlatform::openFileDialog(const FileDialogRequest& request) {
    fileDialogs_.push_back({false, request});
    if (fileAnswers_.empty()) fail("unexpected open file dialog: " + request.title);
    auto a = fileAnswers_.front();
    fileAnswers_.pop_front();
    return a;
}

std::optional<std::string> HeadlessPlatform::saveFileDialog(const FileDialogRequest& request) {
    fileDialogs_.push_back({true, request});
    if (fileAnswers_.empty()) fail("unexpected save file dialog: " + request.title);
    auto a = fileAnswers_.front();
    fileAnswers_.pop_front();
    return a;
}

bool HeadlessPlatform::print(const PrintJob& job) {
    if (!printerAvailable_) return false;
    printJobs_.push_back(job);
    return true;
}

bool HeadlessPlatform::showHelp(const std::string& helpFile) {
    helpRequests_.push_back(helpFile);
    return true;
}

// --- settings, folders, end ---

std::string HeadlessPlatform::getSetting(const std::string& application, const std::string& section,
                                         const std::string& key, const std::string& defaultValue) {
    auto it = settings_.find(application + "/" + section + "/" + key);
    return it == settings_.end() ? defaultValue : it->second;
}

void HeadlessPlatform::saveSetting(const std::string& application, const std::string& section,
                                   const std::string& key, const std::string& value) {
    settings_[application + "/" + section + "/" + key] = value;
}

std::string HeadlessPlatform::workFolder() {
    std::error_code ignored;
    if (!workFolder_.empty()) std::filesystem::create_directories(workFolder_, ignored);
    return workFolder_;
}

void HeadlessPlatform::setProgramFolder(const std::string& f) {
    programFolder_ = f;
    if (programFolder_.empty() || programFolder_.back() != '/') programFolder_ += '/';
}

void HeadlessPlatform::endProgram() {
    ended_ = true;
    throw ProgramEnded{};
}

int HeadlessPlatform::textWidthPixels(const Font& font, const std::string& text) const {
    double em = font.size * 96.0 / 72.0;
    return static_cast<int>(std::lround(utf8::length(text) * 0.55 * em));
}

int HeadlessPlatform::textHeightPixels(const Font& font) const {
    return static_cast<int>(std::lround(font.size * 96.0 / 72.0 * 1.2));
}

// --- forms ---

void HeadlessPlatform::onModal(const std::string& formName, std::function<void(Form&)> driver) {
    drivers_.emplace_back(formName, std::move(driver));
}

void HeadlessPlatform::showModal(Form& form, std::function<void()> driver) {
    auto ran = std::make_shared<bool>(false);
    drivers_.emplace_front(form.name(), [d = std::move(driver), ran](Form&) {
        *ran = true;
        d();
    });
    form.showModal();
    if (*ran) return;
    drivers_.pop_front();  // still the first: only this call puts drivers in front
    fail("form " + form.name() + " was not shown, so its driver did not run");
}

void HeadlessPlatform::showForm(Form& form, bool modal) {
    forget(form);
    if (!modal) {
        shown_.push_back(&form);
        return;
    }
    auto it = std::find_if(drivers_.begin(), drivers_.end(),
                           [&](const auto& d) { return d.first.empty() || d.first == form.name(); });
    if (it == drivers_.end()) fail("form " + form.name() + " shown modally without a driver");
    auto driver = std::move(it->second);
    drivers_.erase(it);
    modalStack_.push_back(&form);
    struct Pop {
        std::vector<Form*>& stack;
        Form* f;
        ~Pop() {
            auto i = std::find(stack.begin(), stack.end(), f);
            if (i != stack.end()) stack.erase(i);
        }
    } pop{modalStack_, &form};
    driver(form);
    if (form.isLoaded() && form.isVisible())
        fail("modal form " + form.name() + " still open after its driver returned");
}

void HeadlessPlatform::forget(Form& form) {
    shown_.erase(std::remove(shown_.begin(), shown_.end(), &form), shown_.end());
    modalStack_.erase(std::remove(modalStack_.begin(), modalStack_.end(), &form), modalStack_.end());
}

Form* HeadlessPlatform::activeForm() const {
    if (!modalStack_.empty()) return modalStack_.back();
    if (!shown_.empty()) return shown_.back();
    return nullptr;
}

// --- the user's actions ---

bool HeadlessPlatform::focusFor(Control& c) {
    if (!c.canTakeFocus()) fail("control " + c.name() + " cannot take the focus (hidden or disabled)");
    Form& form = c.form();
    if (form.activeControl() != &c) form.setFocus(c);
    return form.activeControl() == &c;
}

bool HeadlessPlatform::keyPress(Control& target, int key, bool replaceText) {
    Form& form = target.form();
    const int keyCode = Keys::codeOfCharacter(static_cast<char32_t>(key));
    int code = keyCode;
    if (code != 0) form.userKeyDown(&target, code, 0);
    if (!form.isLoaded()) return false;  // the key closed the window
    key = form.userKeyPress(target, key);
    if (key != 0 && form.isLoaded()) {
        if (target.kind() == ControlKind::TextBox) {
            auto& box = static_cast<TextBox&>(target);
            if (key == Keys::Backspace) {
                if (!box.locked()) box.backspace();
            } else if (key == Keys::Enter && box.multiLine()) {
                if (!box.locked()) box.replaceSelection("\r\n");
            } else if (key >= 32 && !box.locked()) {
                box.replaceSelection(utf8::encode(static_cast<char32_t>(key)));
            }
        } else if (target.kind() == ControlKind::ComboBox) {
            auto& combo = static_cast<ComboBox&>(target);
            if (combo.style() == ComboStyle::DropDownCombo && (key == Keys::Backspace || key >= 32)) {
                std::string t = replaceText || combo.wholeTextSelected() ? std::string() : combo.text();
                if (key == Keys::Backspace) {
                    if (!t.empty()) t.erase(utf8::offsetOf(t, utf8::length(t) - 1));
                } else if (key >= 32) {
                    t += utf8::encode(static_cast<char32_t>(key));
                }
                combo.setText(t);
            }
        }
    }
    code = keyCode;
    if (code != 0 && form.isLoaded()) form.userKeyUp(&target, code, 0);
    return key != 0;
}

void HeadlessPlatform::type(Control& box, const std::string& text) {
    focusFor(box);
    Control* target = box.form().activeControl();
    if (!target) return;
    if (target->kind() == ControlKind::TextBox) {
        auto& tb = static_cast<TextBox&>(*target);
        tb.setSelStart(tb.length());
    }
    for (char32_t c : utf8::decode(text)) {
        target = box.form().activeControl();
        if (!target) return;
        keyPress(*target, static_cast<int>(c));
    }
}

void HeadlessPlatform::typeOver(Control& box, const std::string& text) {
    if (!focusFor(box)) return;
    if (box.kind() == ControlKind::TextBox) {
        auto& tb = static_cast<TextBox&>(box);
        tb.setSelStart(0);
        tb.setSelLength(tb.length());
        for (char32_t c : utf8::decode(text)) {
            Control* target = box.form().activeControl();
            if (!target) return;
            keyPress(*target, static_cast<int>(c));
        }
    } else {
        bool selected = true;  // until a key goes in, the whole text is selected
        for (char32_t c : utf8::decode(text)) {
            Control* target = box.form().activeControl();
            if (!target) return;
            if (keyPress(*target, static_cast<int>(c), selected && target == &box)) selected = false;
        }
    }
}

void HeadlessPlatform::backspace(Control& box) {
    focusFor(box);
    if (Control* target = box.form().activeControl()) keyPress(*target, Keys::Backspace);
}

void HeadlessPlatform::paste(Control& box, const std::string& text) {
    if (!focusFor(box)) return;
    if (box.kind() == ControlKind::TextBox) {
        auto& tb = static_cast<TextBox&>(box);
        if (tb.locked()) return;
        tb.setSelStart(0);
        tb.setSelLength(tb.length());
        tb.replaceSelection(text);
    } else if (box.kind() == ControlKind::ComboBox) {
        static_cast<ComboBox&>(box).setText(text);
    } else {
        fail("paste into " + box.name() + ", which holds no text");
    }
}

void HeadlessPlatform::tab() {
    Form* form = activeForm();
    if (!form) fail("Tab without a form shown");
    if (Control* next = form->nextInTabOrder(true)) form->setFocus(*next);
}

void HeadlessPlatform::shiftTab() {
    Form* form = activeForm();
    if (!form) fail("Shift+Tab without a form shown");
    if (Control* next = form->nextInTabOrder(false)) form->setFocus(*next);
}

void HeadlessPlatform::click(Control& c) {
    if (!c.isEffectivelyVisible() || !c.isEffectivelyEnabled())
        fail("click on " + c.name() + ", which is hidden or disabled");
    if (c.kind() == ControlKind::Menu) {
        c.form().userChoseMenu(static_cast<Menu&>(c));
        return;
    }
    if (!c.canHoldFocus()) {
        c.fireClick();
        return;
    }
    if (!focusFor(c)) return;  // the focus was put back: the click is lost
    c.form().userClickEffect(c);
}

void HeadlessPlatform::dblClick(Control& c) {
    click(c);
    if (c.form().isLoaded()) c.fireDblClick();
}

void HeadlessPlatform::click(Form& form) {
    if (form.onClick) form.onClick();
}

void HeadlessPlatform::selectItem(ComboBox& combo, int index) {
    if (!focusFor(combo)) return;
    combo.setListIndex(index);
}

void HeadlessPlatform::spinUp(VScrollBar& bar) {
    if (focusFor(bar)) bar.lineUp();
}

void HeadlessPlatform::spinDown(VScrollBar& bar) {
    if (focusFor(bar)) bar.lineDown();
}

void HeadlessPlatform::pressEnter() {
    Form* form = activeForm();
    if (!form) fail("Enter without a form shown");
    Control* focused = form->activeControl();
    if (focused && focused->kind() == ControlKind::CommandButton) {
        focused->fireClick();
        return;
    }
    CommandButton* def = form->defaultButton();
    if (def && def->isEffectivelyVisible() && def->isEffectivelyEnabled()) {
        def->fireClick();
        return;
    }
    if (focused) keyPress(*focused, Keys::Enter);
}

void HeadlessPlatform::pressEscape() {
    Form* form = activeForm();
    if (!form) fail("Esc without a form shown");
    CommandButton* cancel = form->cancelButton();
    if (cancel && cancel->isEffectivelyVisible() && cancel->isEffectivelyEnabled()) {
        cancel->fireClick();
        return;
    }
    Control* focused = form->activeControl();
    int code = Keys::Escape;
    form->userKeyDown(focused, code, 0);
    if (!form->isLoaded()) return;
    if (focused && form->activeControl() == focused) form->userKeyPress(*focused, Keys::Escape);
    if (!form->isLoaded()) return;
    code = Keys::Escape;
    form->userKeyUp(form->activeControl(), code, 0);
}

void HeadlessPlatform::pressKey(int keyCode, int shift) {
    Form* form = activeForm();
    if (!form) fail("key without a form shown");
    int code = keyCode;
    form->userKeyDown(form->activeControl(), code, shift);
    if (!form->isLoaded()) return;
    code = keyCode;
    form->userKeyUp(form->activeControl(), code, shift);
}

}  // namespace quorvel::platform
