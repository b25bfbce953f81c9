#include "platform/forms/controls.h"

#include <algorithm>
#include <cctype>

#include "platform/forms/form.h"
#include "platform/forms/utf8.h"
#include "runtime/errors.h"
#include "runtime/text_file.h"

namespace quorvel::platform {

namespace {
constexpr int ErrInvalidPropertyValue = 380;
constexpr int ErrPropertyReadOnly = 383;
constexpr int ErrObjectAlreadyLoaded = 360;

}  // namespace

void raiseMissingArrayElement() { throw runtime::RunTimeError(runtime::ErrSubscriptOutOfRange); }

void raiseArrayElementLoaded() { throw runtime::RunTimeError(ErrObjectAlreadyLoaded); }

// --- Label ---

Label::Label(Form& form, std::string name, Place place, const std::string& caption, Control* container)
    : Control(form, ControlKind::Label, std::move(name), place, container) {
    setCaption(caption);
}

void Label::setAlignment(Alignment a) {
    if (a == alignment_) return;
    alignment_ = a;
    changed();
}

void Label::setWordWrap(bool w) {
    if (w == wordWrap_) return;
    wordWrap_ = w;
    changed();
}

void Label::setTransparent(bool t) {
    if (t == transparent_) return;
    transparent_ = t;
    changed();
}

// --- TextBox ---

TextBox::TextBox(Form& form, std::string name, Place place, Control* container)
    : Control(form, ControlKind::TextBox, std::move(name), place, container) {}

TextBox::TextBox(Form& form, std::string name, Place place, const std::string& text, Control* container)
    : Control(form, ControlKind::TextBox, std::move(name), place, container), text_(text) {}

void TextBox::setText(const std::string& t) {
    std::string value = t;
    if (maxLength_ > 0 && utf8::length(value) > maxLength_) value.resize(utf8::offsetOf(value, maxLength_));
    if (value == text_) return;
    text_ = value;
    int len = utf8::length(text_);
    if (selStart_ > len) selStart_ = len;
    selLength_ = 0;
    changed();
    fireChange();
}

void TextBox::setLocked(bool l) {
    if (l == locked_) return;
    locked_ = l;
    changed();
}

void TextBox::setMultiLine(bool m) {
    if (m == multiLine_) return;
    multiLine_ = m;
    changed();
}

void TextBox::setMaxLength(int n) { maxLength_ = n < 0 ? 0 : n; }

void TextBox::setAlignment(Alignment a) {
    if (a == alignment_) return;
    alignment_ = a;
    changed();
}

int TextBox::length() const { return utf8::length(text_); }

void TextBox::setSelStart(int s) {
    selStart_ = std::clamp(s, 0, length());
    selLength_ = 0;
    ++caretMoves_;
    changed();
}

void TextBox::setSelLength(int n) {
    selLength_ = std::clamp(n, 0, length() - selStart_);
    ++caretMoves_;
    changed();
}

void TextBox::followUserCaret(int selStart, int selLength) {
    selStart_ = std::clamp(selStart, 0, length());
    selLength_ = std::clamp(selLength, 0, length() - selStart_);
}

void TextBox::replaceSelection(const std::string& t) {
    std::size_t from = utf8::offsetOf(text_, selStart_);
    std::size_t to = utf8::offsetOf(text_, selStart_ + selLength_);
    std::string next = text_.substr(0, from) + t + text_.substr(to);
    int caret = selStart_ + utf8::length(t);
    if (maxLength_ > 0 && utf8::length(next) > maxLength_) return;  // the key is refused
    // The caret lands after what went in even when the text comes out the
    // same (a "1" typed over a selected "1"); only a new text is a change.
    const bool same = next == text_;
    text_ = next;
    selStart_ = caret;
    selLength_ = 0;
    ++caretMoves_;
    changed();
    if (!same) fireChange();
}

void TextBox::backspace() {
    if (selLength_ == 0) {
        if (selStart_ == 0) return;
        selStart_ -= 1;
        selLength_ = 1;
    }
    replaceSelection({});
}

// --- ComboBox ---

ComboBox::ComboBox(Form& form, std::string name, Place place, ComboStyle style, Control* container)
    : Control(form, ControlKind::ComboBox, std::move(name), place, container), style_(style) {}

void ComboBox::addItem(const std::string& item) {
    items_.push_back(item);
    changed();
}

void ComboBox::clear() {
    items_.clear();
    listIndex_ = -1;
    bool textChanged = !text_.empty();
    text_.clear();
    changed();
    if (textChanged && style_ == ComboStyle::DropDownCombo) fireChange();
}

const std::string& ComboBox::list(int i) const {
    if (i < 0 || i >= listCount()) throw runtime::RunTimeError(runtime::ErrInvalidCall);
    return items_[static_cast<std::size_t>(i)];
}

void ComboBox::selectAll() {
    wholeTextSelected_ = style_ == ComboStyle::DropDownCombo;
    ++selectAllRequests_;
    changed();
}

void ComboBox::setListIndex(int i) {
    if (i < -1 || i >= listCount()) throw runtime::RunTimeError(ErrInvalidPropertyValue);
    listIndex_ = i;
    wholeTextSelected_ = false;
    text_ = i >= 0 ? items_[static_cast<std::size_t>(i)] : std::string();
    changed();
    if (i >= 0) fireClick();
}

void ComboBox::setText(const std::string& t) {
    if (style_ == ComboStyle::DropDownList) {
        for (int i = 0; i < listCount(); ++i)
            if (runtime::equalIgnoringAsciiCase(items_[static_cast<std::size_t>(i)], t)) {
                setListIndex(i);
                return;
            }
        if (t.empty() && text_.empty()) return;
        throw runtime::RunTimeError(ErrPropertyReadOnly);
    }
    wholeTextSelected_ = false;  // a key typed or a text set replaces the selection
    if (t == text_) return;
    text_ = t;
    auto it = std::find(items_.begin(), items_.end(), t);
    listIndex_ = it == items_.end() ? -1 : static_cast<int>(it - items_.begin());
    changed();
    fireChange();
}

// --- OptionButton ---

OptionButton::OptionButton(Form& form, std::string name, Place place, const std::string& caption,
                           Control* container)
    : Control(form, ControlKind::OptionButton, std::move(name), place, container) {
    setCaption(caption);
}

void OptionButton::setValue(bool v) {
    if (v == value_) return;
    if (!v) {
        value_ = false;
        changed();
        return;
    }
    for (Control* c : form().controls()) {
        if (c != this && c->kind() == ControlKind::OptionButton && c->container() == container()) {
            auto* other = static_cast<OptionButton*>(c);
            if (other->value_) {
                other->value_ = false;
                other->changed();
            }
        }
    }
    value_ = true;
    changed();
    fireClick();
}

// --- CheckBox ---

CheckBox::CheckBox(Form& form, std::string name, Place place, const std::string& caption, Control* container)
    : Control(form, ControlKind::CheckBox, std::move(name), place, container) {
    setCaption(caption);
}

void CheckBox::setValue(int v) {
    if (v < Unchecked || v > Grayed) throw runtime::RunTimeError(ErrInvalidPropertyValue);
    if (v == value_) return;
    value_ = v;
    changed();
    fireClick();
}

// --- CommandButton ---

CommandButton::CommandButton(Form& form, std::string name, Place place, const std::string& caption,
                             Control* container)
    : Control(form, ControlKind::CommandButton, std::move(name), place, container) {
    setCaption(caption);
}

void CommandButton::setDefault(bool d) {
    if (d == default_) return;
    if (d)
        for (Control* c : form().controls())
            if (c != this && c->kind() == ControlKind::CommandButton) static_cast<CommandButton*>(c)->default_ = false;
    default_ = d;
    changed();
}

void CommandButton::setCancel(bool cancel) {
    if (cancel == cancel_) return;
    if (cancel)
        for (Control* c : form().controls())
            if (c != this && c->kind() == ControlKind::CommandButton) static_cast<CommandButton*>(c)->cancel_ = false;
    cancel_ = cancel;
    changed();
}

// --- Frame ---

Frame::Frame(Form& form, std::string name, Place place, const std::string& caption, Control* container)
    : Control(form, ControlKind::Frame, std::move(name), place, container) {
    setCaption(caption);
}

void Frame::setBordered(bool b) {
    if (b == bordered_) return;
    bordered_ = b;
    changed();
}

// --- Line ---

Line::Line(Form& form, std::string name, int x1, int y1, int x2, int y2, Control* container)
    : Control(form, ControlKind::Line, std::move(name), {x1, y1, x2, y2}, container) {}

void Line::setBorderColor(Color c) {
    borderColor_ = c;
    changed();
}

void Line::setBorderWidth(int w) {
    borderWidth_ = std::max(1, w);
    changed();
}

void Line::setDashed(bool d) {
    dashed_ = d;
    changed();
}

// --- Shape ---

Shape::Shape(Form& form, std::string name, Place place, ShapeKind shape, Control* container)
    : Control(form, ControlKind::Shape, std::move(name), place, container), shape_(shape) {}

void Shape::setShape(ShapeKind s) {
    shape_ = s;
    changed();
}

void Shape::setBorderColor(Color c) {
    borderColor_ = c;
    changed();
}

void Shape::setBorderWidth(int w) {
    borderWidth_ = std::max(1, w);
    changed();
}

void Shape::setFill(bool filled, Color c) {
    filled_ = filled;
    fillColor_ = c;
    changed();
}

// --- Image ---

Image::Image(Form& form, std::string name, Place place, const std::string& picture, Control* container)
    : Control(form, ControlKind::Image, std::move(name), place, container), picture_(picture) {}

void Image::setPicture(const std::string& p) {
    if (p == picture_) return;
    picture_ = p;
    changed();
}

void Image::setStretch(bool s) {
    stretch_ = s;
    changed();
}

// --- VScrollBar ---

VScrollBar::VScrollBar(Form& form, std::string name, Place place, Control* container)
    : Control(form, ControlKind::VScrollBar, std::move(name), place, container) {}

void VScrollBar::clampAndNotify() {
    int clamped = std::clamp(value_, lowBound(), highBound());
    changed();
    if (clamped != value_) {
        value_ = clamped;
        changed();
        fireChange();
    }
}

void VScrollBar::setMin(int m) {
    if (m == min_) return;
    min_ = m;
    clampAndNotify();
}

void VScrollBar::setMax(int m) {
    if (m == max_) return;
    max_ = m;
    clampAndNotify();
}

void VScrollBar::setRange(int min, int max) {
    min_ = min;
    max_ = max;
    clampAndNotify();
}

void VScrollBar::setValue(int v) {
    v = std::clamp(v, lowBound(), highBound());
    if (v == value_) return;
    value_ = v;
    changed();
    fireChange();
}

void VScrollBar::lineUp() { setValue(min_ <= max_ ? value_ - smallChange_ : value_ + smallChange_); }

void VScrollBar::lineDown() { setValue(min_ <= max_ ? value_ + smallChange_ : value_ - smallChange_); }

// --- Menu ---

Menu::Menu(Form& form, std::string name, const std::string& caption, Menu* parent, const std::string& shortcut)
    : Control(form, ControlKind::Menu, std::move(name), {}, parent), shortcut_(shortcut) {
    setCaption(caption);
}

Menu* Menu::parentMenu() const { return static_cast<Menu*>(container()); }

void Menu::setChecked(bool c) {
    if (c == checked_) return;
    checked_ = c;
    changed();
}

std::vector<Menu*> Menu::items() const {
    std::vector<Menu*> out;
    for (Control* c : form().controls())
        if (c->kind() == ControlKind::Menu && c->container() == this) out.push_back(static_cast<Menu*>(c));
    return out;
}

}  // namespace quorvel::platform
