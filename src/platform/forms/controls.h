#pragma once
// The control kinds of the windows. Setters fire the events a user's edit
// would: a text only when it differs, an option only when it was not
// selected (and it clears the other options of its container), a check box
// when its value changes, a list index on every valid assignment, a scroll
// bar when its value changes (also when new bounds clamp it).

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "platform/forms/control.h"
#include "platform/forms/grid.h"
#include "platform/forms/picture_box.h"

namespace quorvel::platform {

class Label : public Control {
public:
    Label(Form& form, std::string name, Place place, const std::string& caption = {},
          Control* container = nullptr);
    Alignment alignment() const { return alignment_; }
    void setAlignment(Alignment a);
    bool wordWrap() const { return wordWrap_; }
    void setWordWrap(bool w);
    bool transparent() const { return transparent_; }
    void setTransparent(bool t);

private:
    Alignment alignment_ = Alignment::Left;
    bool wordWrap_ = true;
    bool transparent_ = false;
};

class TextBox : public Control {
public:
    TextBox(Form& form, std::string name, Place place, Control* container = nullptr);
    TextBox(Form& form, std::string name, Place place, const std::string& text,
            Control* container = nullptr);

    const std::string& text() const { return text_; }
    // Fires Change when the text differs from what the box held.
    void setText(const std::string& t);

    bool locked() const { return locked_; }  // read-only for the user
    void setLocked(bool l);
    bool multiLine() const { return multiLine_; }
    void setMultiLine(bool m);
    int maxLength() const { return maxLength_; }  // 0: no limit
    void setMaxLength(int n);
    Alignment alignment() const { return alignment_; }
    void setAlignment(Alignment a);

    // Caret and selection, in characters (code points) from 0.
    int selStart() const { return selStart_; }
    int selLength() const { return selLength_; }
    void setSelStart(int s);
    void setSelLength(int n);
    // Replaces the selection by t (as typing or pasting does); the caret
    // goes after the inserted text.
    void replaceSelection(const std::string& t);
    // Counts the caret moves made through the setters above, so that a
    // backend moves its widget's caret only when the program moved it.
    unsigned caretMoves() const { return caretMoves_; }
    // The user moved the caret in the widget: no event, no caret move back.
    void followUserCaret(int selStart, int selLength);
    // Removes the character before the caret (or the selection).
    void backspace();
    int length() const;

private:
    std::string text_;
    bool locked_ = false;
    bool multiLine_ = false;
    int maxLength_ = 0;
    Alignment alignment_ = Alignment::Left;
    int selStart_ = 0;
    int selLength_ = 0;
    unsigned caretMoves_ = 0;
};

enum class ComboStyle { DropDownCombo, DropDownList };

class ComboBox : public Control {
public:
    ComboBox(Form& form, std::string name, Place place, ComboStyle style = ComboStyle::DropDownCombo,
             Control* container = nullptr);

    ComboStyle style() const { return style_; }
    void addItem(const std::string& item);
    void clear();
    int listCount() const { return static_cast<int>(items_.size()); }
    const std::string& list(int i) const;
    const std::vector<std::string>& items() const { return items_; }
    int listIndex() const { return listIndex_; }
    // -1 clears the choice; another index outside the list raises error 380.
    // The text becomes the item's; Click fires for every valid index.
    void setListIndex(int i);

    const std::string& text() const { return text_; }
    // Drop-down combo: the text as typed, Change when it differs; the list
    // index follows an exactly matching item. Drop-down list: chooses the
    // item of that text (ignoring case), error 383 when there is none.
    void setText(const std::string& t);

    // Selects the whole text of a drop-down combo, so that the next key
    // typed replaces it; the selection ends when the text changes.
    void selectAll();
    bool wholeTextSelected() const { return wholeTextSelected_; }
    // Counts the calls of selectAll, so that a backend selects its
    // widget's text only when the program asked.
    unsigned selectAllRequests() const { return selectAllRequests_; }

private:
    ComboStyle style_;
    std::vector<std::string> items_;
    int listIndex_ = -1;
    std::string text_;
    bool wholeTextSelected_ = false;
    unsigned selectAllRequests_ = 0;
};

class OptionButton : public Control {
public:
    OptionButton(Form& form, std::string name, Place place, const std::string& caption = {},
                 Control* container = nullptr);
    bool value() const { return value_; }
    // true: when not yet selected, clears the other options of the same
    // container, selects this one and fires Click. false: clears it, no event.
    void setValue(bool v);

private:
    bool value_ = false;
};

class CheckBox : public Control {
public:
    enum { Unchecked = 0, Checked = 1, Grayed = 2 };
    CheckBox(Form& form, std::string name, Place place, const std::string& caption = {},
             Control* container = nullptr);
    int value() const { return value_; }
    // Fires Click when the value changes.
    void setValue(int v);

private:
    int value_ = Unchecked;
};

class CommandButton : public Control {
public:
    CommandButton(Form& form, std::string name, Place place, const std::string& caption = {},
                  Control* container = nullptr);
    // The default button is pressed by Enter, the cancel button by Esc.
    bool isDefault() const { return default_; }
    void setDefault(bool d);
    bool isCancel() const { return cancel_; }
    void setCancel(bool c);
    // Presses the button from code: fires Click.
    void press() { fireClick(); }

private:
    bool default_ = false;
    bool cancel_ = false;
};

class Frame : public Control {
public:
    Frame(Form& form, std::string name, Place place, const std::string& caption = {},
          Control* container = nullptr);
    bool bordered() const { return bordered_; }
    void setBordered(bool b);

private:
    bool bordered_ = true;
};

class Line : public Control {
public:
    // Place holds the two end points: (left, top) = (x1, y1) and
    // (width, height) = (x2, y2), twips in the container.
    Line(Form& form, std::string name, int x1, int y1, int x2, int y2, Control* container = nullptr);
    int x1() const { return place().left; }
    int y1() const { return place().top; }
    int x2() const { return place().width; }
    int y2() const { return place().height; }
    void setEnds(int x1, int y1, int x2, int y2) { setPlace({x1, y1, x2, y2}); }
    Color borderColor() const { return borderColor_; }
    void setBorderColor(Color c);
    int borderWidth() const { return borderWidth_; }  // pixels
    void setBorderWidth(int w);
    bool dashed() const { return dashed_; }
    void setDashed(bool d);

private:
    Color borderColor_ = Colors::Black;
    int borderWidth_ = 1;
    bool dashed_ = false;
};

enum class ShapeKind { Rectangle, Square, Oval, Circle, RoundedRectangle };

class Shape : public Control {
public:
    Shape(Form& form, std::string name, Place place, ShapeKind shape = ShapeKind::Rectangle,
          Control* container = nullptr);
    ShapeKind shape() const { return shape_; }
    void setShape(ShapeKind s);
    Color borderColor() const { return borderColor_; }
    void setBorderColor(Color c);
    int borderWidth() const { return borderWidth_; }
    void setBorderWidth(int w);
    // Filled with fillColor when filled, else transparent inside.
    bool filled() const { return filled_; }
    Color fillColor() const { return fillColor_; }
    void setFill(bool filled, Color c = Colors::Black);

private:
    ShapeKind shape_;
    Color borderColor_ = Colors::Black;
    int borderWidth_ = 1;
    bool filled_ = false;
    Color fillColor_ = Colors::Black;
};

// A picture: the path of an image file (empty: none).
class Image : public Control {
public:
    Image(Form& form, std::string name, Place place, const std::string& picture = {},
          Control* container = nullptr);
    const std::string& picture() const { return picture_; }
    void setPicture(const std::string& p);
    bool stretch() const { return stretch_; }
    void setStretch(bool s);

private:
    std::string picture_;
    bool stretch_ = false;
};

// A vertical scroll bar, used as a spin control. min is the value at the
// top, max at the bottom; min may be above or below max. The up arrow moves
// the value towards min, the down arrow towards max.
class VScrollBar : public Control {
public:
    VScrollBar(Form& form, std::string name, Place place, Control* container = nullptr);
    int min() const { return min_; }
    int max() const { return max_; }
    int value() const { return value_; }
    // Bounds changed at run time clamp the value (firing Change when it moves).
    void setMin(int m);
    void setMax(int m);
    void setRange(int min, int max);
    // Clamped into the range; fires Change when the value differs.
    void setValue(int v);
    int smallChange() const { return smallChange_; }
    void setSmallChange(int s) { smallChange_ = s; }
    int largeChange() const { return largeChange_; }
    void setLargeChange(int s) { largeChange_ = s; }
    // The arrows, as a user presses them.
    void lineUp();
    void lineDown();
    int lowBound() const { return min_ < max_ ? min_ : max_; }
    int highBound() const { return min_ < max_ ? max_ : min_; }

private:
    void clampAndNotify();
    int min_ = 0;
    int max_ = 32767;
    int value_ = 0;
    int smallChange_ = 1;
    int largeChange_ = 1;
};

// A menu item: a top-level menu (no parent) or an item or submenu of
// another menu. A caption "-" makes it a separator line.
class Menu : public Control {
public:
    Menu(Form& form, std::string name, const std::string& caption, Menu* parent = nullptr,
         const std::string& shortcut = {});
    Menu* parentMenu() const;
    const std::string& shortcut() const { return shortcut_; }  // "Ctrl+N"
    bool isSeparator() const { return caption() == "-"; }
    bool checked() const { return checked_; }
    void setChecked(bool c);
    std::vector<Menu*> items() const;

private:
    std::string shortcut_;
    bool checked_ = false;
};

[[noreturn]] void raiseArrayElementLoaded();

// A control array: elements of one kind under one name, addressed by
// their element numbers (not necessarily from 0 or contiguous).
template <typename T>
class ControlArray {
public:
    // Raises error 360 when the element is there already.
    template <typename... Args>
    T& add(int index, Form& form, const std::string& name, Args&&... args) {
        if (contains(index)) raiseArrayElementLoaded();
        auto c = std::make_unique<T>(form, name, std::forward<Args>(args)...);
        c->setIndex(index);
        T& ref = *c;
        elements_[index] = std::move(c);
        return ref;
    }
    // Raises error 9 for a missing element.
    T& operator()(int index) const;
    bool contains(int index) const { return elements_.count(index) != 0; }
    int count() const { return static_cast<int>(elements_.size()); }
    template <typename F>
    void forEach(F f) const {
        for (auto& [i, c] : elements_) f(*c);
    }

private:
    std::map<int, std::unique_ptr<T>> elements_;
};

[[noreturn]] void raiseMissingArrayElement();

template <typename T>
T& ControlArray<T>::operator()(int index) const {
    auto it = elements_.find(index);
    if (it == elements_.end()) raiseMissingArrayElement();
    return *it->second;
}

}  // namespace quorvel::platform
