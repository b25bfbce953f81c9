#include "platform/forms/form.h"

#include <algorithm>

#include "runtime/errors.h"

namespace quorvel::platform {

namespace {
// The window frame around the client area, in twips: borders at the sides
// and at the bottom, borders and the title bar at the top, the menu bar.
constexpr int FrameWidth = 120;
constexpr int FrameHeight = 465;
constexpr int MenuBarHeight = 300;
}  // namespace

Form::Form(Platform& platform, std::string name, const std::string& caption, int clientWidth, int clientHeight)
    : platform_(platform), name_(std::move(name)), caption_(caption), clientWidth_(clientWidth),
      clientHeight_(clientHeight), minimumClientWidth_(clientWidth), minimumClientHeight_(clientHeight) {}

Form::~Form() { platform_.formDestroyed(*this); }

void Form::setCaption(const std::string& c) {
    if (c == caption_) return;
    caption_ = c;
    notifyChanged(nullptr);
}

int Form::width() const { return clientWidth_ + FrameWidth; }

int Form::height() const { return clientHeight_ + FrameHeight + (hasMenus() ? MenuBarHeight : 0); }

void Form::move(int left, int top) {
    left_ = left;
    top_ = top;
    notifyChanged(nullptr);
}

void Form::setClientSize(int width, int height) {
    if (resizable_) {
        width = std::max(width, minimumClientWidth_);
        height = std::max(height, minimumClientHeight_);
    }
    const bool changed = width != clientWidth_ || height != clientHeight_;
    clientWidth_ = width;
    clientHeight_ = height;
    notifyChanged(nullptr);
    if (changed && resizable_) fire(onResize);
}

void Form::setResizable(bool r) {
    resizable_ = r;
    notifyChanged(nullptr);
}

void Form::userResized(int width, int height) {
    if (width == clientWidth_ && height == clientHeight_) return;
    clientWidth_ = width;
    clientHeight_ = height;
    if (resizable_) fire(onResize);
}

void Form::setBackColor(Color c) {
    backColor_ = c;
    notifyChanged(nullptr);
}

void Form::setFont(const Font& f) {
    font_ = f;
    notifyChanged(nullptr);
}

Control* Form::findControl(const std::string& name, int index) const {
    for (Control* c : controls_)
        if (c->name() == name && c->index() == index) return c;
    return nullptr;
}

bool Form::hasMenus() const {
    return std::any_of(controls_.begin(), controls_.end(),
                       [](const Control* c) { return c->kind() == ControlKind::Menu; });
}

void Form::registerControl(Control* c) { controls_.push_back(c); }

void Form::unregisterControl(Control* c) {
    controls_.erase(std::remove(controls_.begin(), controls_.end(), c), controls_.end());
    if (active_ == c) active_ = nullptr;
    if (focusRequestedInLostFocus_ == c) focusRequestedInLostFocus_ = nullptr;
}

// --- life cycle ---

void Form::load() {
    if (loaded_) return;
    loaded_ = true;
    fire(onLoad);
}

void Form::show() { showImpl(false); }

void Form::showModal() { showImpl(true); }

void Form::showImpl(bool modal) {
    load();
    if (!loaded_) return;  // the Load handler unloaded it
    bool wasVisible = visible_;
    visible_ = true;
    modal_ = modal;
    if (!wasVisible) fire(onActivate);
    if (!active_ && loaded_) {
        // The first control in tab order takes the focus.
        std::vector<Control*> order(controls_);
        std::stable_sort(order.begin(), order.end(),
                         [](const Control* a, const Control* b) { return a->tabIndex() < b->tabIndex(); });
        for (Control* c : order)
            if (c->canTakeFocus() && isTabStop(*c)) {
                setFocus(*c);
                break;
            }
    }
    if (!wasVisible && loaded_) fire(onPaint);
    if (!visible_ || !loaded_) return;  // hidden or unloaded by its own handlers
    platform_.showForm(*this, modal);
    if (modal) modal_ = false;
}

void Form::hide() {
    if (!visible_) return;
    visible_ = false;
    platform_.formHidden(*this);
}

bool Form::unloadWithMode(int mode) {
    if (!loaded_) return true;
    int cancel = 0;
    if (onQueryUnload) {
        auto copy = onQueryUnload;
        copy(cancel, mode);
    }
    if (cancel != 0) return false;
    if (onUnload) {
        auto copy = onUnload;
        copy(cancel);
    }
    if (cancel != 0) return false;
    loaded_ = false;
    visible_ = false;
    active_ = nullptr;
    platform_.formUnloaded(*this);
    return true;
}

// --- the user's actions ---

int Form::userKeyPress(Control& target, int key) {
    if (keyPreview_ && onKeyPress) {
        auto copy = onKeyPress;
        copy(key);
        if (key == 0) return 0;
    }
    target.fireKeyPress(key);
    return key;
}

void Form::userKeyDown(Control* target, int& keyCode, int shift) {
    if (keyPreview_ && onKeyDown) {
        auto copy = onKeyDown;
        copy(keyCode, shift);
        if (keyCode == 0) return;
    }
    if (target) target->fireKeyDown(keyCode, shift);
}

void Form::userKeyUp(Control* target, int& keyCode, int shift) {
    if (keyPreview_ && onKeyUp) {
        auto copy = onKeyUp;
        copy(keyCode, shift);
        if (keyCode == 0) return;
    }
    if (target) target->fireKeyUp(keyCode, shift);
}

void Form::userClickEffect(Control& c) {
    switch (c.kind()) {
    case ControlKind::OptionButton: static_cast<OptionButton&>(c).setValue(true); break;
    case ControlKind::CheckBox: {
        auto& box = static_cast<CheckBox&>(c);
        box.setValue(box.value() == CheckBox::Checked ? CheckBox::Unchecked : CheckBox::Checked);
        break;
    }
    case ControlKind::ComboBox:
    case ControlKind::VScrollBar: break;
    default: c.fireClick();
    }
}

// --- focus ---

void Form::setFocus(Control& c) {
    if (&c.form() != this || !c.canTakeFocus()) throw runtime::RunTimeError(runtime::ErrInvalidCall);
    if (inLostFocus_) {
        // A LostFocus handler moves the focus: that target wins.
        focusRequestedInLostFocus_ = &c;
        return;
    }
    if (active_ == &c) return;
    Control* old = active_;
    Control* target = &c;
    if (old) {
        const Leaving left = leaveActive();
        if (left.closed) return;
        if (left.requested) target = left.requested;
    }
    moveFocus(old, target);
}

Form::Leaving Form::leaveActive() {
    const bool wasLoaded = loaded_;
    inLostFocus_ = true;
    focusRequestedInLostFocus_ = nullptr;
    try {
        active_->fireLostFocus();
    } catch (...) {
        inLostFocus_ = false;
        throw;
    }
    inLostFocus_ = false;
    Leaving left{focusRequestedInLostFocus_, wasLoaded && !loaded_};
    focusRequestedInLostFocus_ = nullptr;
    if (left.closed) left.requested = nullptr;
    return left;
}

void Form::moveFocus(Control* old, Control* target) {
    if (target == old) {
        // Put back: the backend moves its focus back as well.
        platform_.focusChanged(*this, old);
        return;
    }
    active_ = target;
    platform_.focusChanged(*this, target);
    target->fireGotFocus();
}

bool Form::focusedControlAccepted() {
    if (!active_) return true;
    Control* const focused = active_;
    const Leaving left = leaveActive();
    if (left.closed) return false;
    if (!left.requested) return true;
    moveFocus(focused, left.requested);
    return false;
}

void Form::userChoseMenu(Menu& command) {
    if (focusedControlAccepted()) command.fireClick();
}

Control* Form::nextInTabOrder(bool forward) const {
    std::vector<Control*> order;
    for (Control* c : controls_)
        if (c->canTakeFocus() && (c == active_ ? c->tabStop() : isTabStop(*c))) order.push_back(c);
    if (order.empty()) return nullptr;
    std::stable_sort(order.begin(), order.end(),
                     [](const Control* a, const Control* b) { return a->tabIndex() < b->tabIndex(); });
    auto it = std::find(order.begin(), order.end(), active_);
    if (it == order.end()) return forward ? order.front() : order.back();
    if (forward) return ++it == order.end() ? order.front() : *it;
    return it == order.begin() ? order.back() : *--it;
}

bool Form::isTabStop(const Control& c) const {
    if (!c.tabStop()) return false;
    if (c.kind() != ControlKind::OptionButton || static_cast<const OptionButton&>(c).value()) return true;
    // Tab reaches an option group through its selected option only.
    return std::none_of(controls_.begin(), controls_.end(), [&](const Control* o) {
        return o->kind() == ControlKind::OptionButton && o->container() == c.container() &&
               static_cast<const OptionButton*>(o)->value() && o->canTakeFocus();
    });
}

CommandButton* Form::defaultButton() const {
    for (Control* c : controls_)
        if (c->kind() == ControlKind::CommandButton && static_cast<CommandButton*>(c)->isDefault())
            return static_cast<CommandButton*>(c);
    return nullptr;
}

CommandButton* Form::cancelButton() const {
    for (Control* c : controls_)
        if (c->kind() == ControlKind::CommandButton && static_cast<CommandButton*>(c)->isCancel())
            return static_cast<CommandButton*>(c);
    return nullptr;
}

}  // namespace quorvel::platform
