#include "platform/forms/control.h"

#include "platform/forms/form.h"
#include "runtime/errors.h"

namespace quorvel::platform {

int Keys::codeOfCharacter(char32_t c) {
    if (c >= 'a' && c <= 'z') return static_cast<int>(c - 'a' + 'A');
    if ((c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9')) return static_cast<int>(c);
    switch (c) {
    case Backspace:
    case Tab:
    case Enter:
    case Escape:
    case ' ': return static_cast<int>(c);
    case '.': return 190;
    case ',': return 188;
    case '-': return 189;
    case '+': return 187;
    default: return 0;
    }
}

Control::Control(Form& form, ControlKind kind, std::string name, Place place, Control* container)
    : form_(form), kind_(kind), name_(std::move(name)), place_(place), container_(container),
      tabIndex_(form.nextTabIndex_++) {
    form_.registerControl(this);
}

Control::~Control() { form_.unregisterControl(this); }

Platform& Control::platform() const { return form_.platform(); }

void Control::changed() { form_.notifyChanged(this); }

void Control::setPlace(const Place& p) {
    if (p.left == place_.left && p.top == place_.top && p.width == place_.width &&
        p.height == place_.height)
        return;
    place_ = p;
    changed();
}

void Control::setCaption(const std::string& c) {
    if (c == caption_) return;
    caption_ = c;
    changed();
}

void Control::setEnabled(bool e) {
    if (e == enabled_) return;
    enabled_ = e;
    changed();
}

bool Control::isEffectivelyEnabled() const {
    for (const Control* c = this; c; c = c->container_)
        if (!c->enabled_) return false;
    return true;
}

void Control::setVisible(bool v) {
    if (v == visible_) return;
    visible_ = v;
    changed();
}

bool Control::isEffectivelyVisible() const {
    for (const Control* c = this; c; c = c->container_)
        if (!c->visible_) return false;
    return true;
}

void Control::setToolTip(const std::string& t) {
    if (t == toolTip_) return;
    toolTip_ = t;
    changed();
}

void Control::setAccessibleName(const std::string& name) {
    if (name == accessibleName_) return;
    accessibleName_ = name;
    changed();
}

void Control::setForeColor(Color c) {
    if (foreColor_ == c) return;
    foreColor_ = c;
    changed();
}

void Control::setBackColor(Color c) {
    if (backColor_ == c) return;
    backColor_ = c;
    changed();
}

Font Control::font() const {
    if (font_) return *font_;
    if (container_ && kind_ != ControlKind::Menu) return container_->font();
    return form_.font();
}

void Control::setFont(const Font& f) {
    font_ = f;
    changed();
}

bool Control::canHoldFocus() const {
    switch (kind_) {
    case ControlKind::TextBox:
    case ControlKind::ComboBox:
    case ControlKind::OptionButton:
    case ControlKind::CheckBox:
    case ControlKind::CommandButton:
    case ControlKind::VScrollBar: return true;
    default: return false;
    }
}

bool Control::canTakeFocus() const {
    return canHoldFocus() && isEffectivelyVisible() && isEffectivelyEnabled();
}

void Control::setFocus() { form_.setFocus(*this); }

bool Control::hasFocus() const { return form_.activeControl() == this; }

void Control::fireKeyPress(int& key) {
    if (onKeyPress) {
        auto copy = onKeyPress;
        copy(key);
    }
}

void Control::fireKeyDown(int& keyCode, int shift) {
    if (onKeyDown) {
        auto copy = onKeyDown;
        copy(keyCode, shift);
    }
}

void Control::fireKeyUp(int& keyCode, int shift) {
    if (onKeyUp) {
        auto copy = onKeyUp;
        copy(keyCode, shift);
    }
}

}  // namespace quorvel::platform
