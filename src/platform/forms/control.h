#pragma once
// The base of every control of a window: a name, a container, a place in
// twips, a caption, enabled and visible states, tab order, colours, a font
// and the event slots. Events are plain std::function slots; whoever changes
// a control (a handler, a test driver or a backend passing a user's edit on)
// goes through the same setters, so code and users fire the same events.

#include <functional>
#include <optional>
#include <string>

#include "platform/forms/style.h"

namespace quorvel::platform {

class Form;
class Platform;

enum class ControlKind {
    Label,
    TextBox,
    ComboBox,
    OptionButton,
    CheckBox,
    CommandButton,
    Frame,
    PictureBox,
    Line,
    Shape,
    Image,
    VScrollBar,
    Grid,
    Menu
};

enum class Alignment { Left, Right, Center };

// Key codes of KeyDown / KeyUp and the shift state bits.
namespace Keys {
constexpr int Backspace = 8;
constexpr int Tab = 9;
constexpr int Enter = 13;
constexpr int Control = 17;
constexpr int Escape = 27;
constexpr int F7 = 118;
constexpr int ShiftMask = 1;
constexpr int CtrlMask = 2;
constexpr int AltMask = 4;
// The code of the key that types c on the keyboard the windows were laid
// out for (letters as capitals, the decimal mark 190, comma 188, minus 189,
// plus 187); 0 for a character whose key is not known.
int codeOfCharacter(char32_t c);
}  // namespace Keys

class Control {
public:
    Control(Form& form, ControlKind kind, std::string name, Place place, Control* container);
    virtual ~Control();
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;

    ControlKind kind() const { return kind_; }
    const std::string& name() const { return name_; }
    // The element number within a control array; -1 for a single control.
    int index() const { return index_; }
    void setIndex(int i) { index_ = i; }
    Form& form() const { return form_; }
    Platform& platform() const;
    Control* container() const { return container_; }
    bool isContainer() const { return kind_ == ControlKind::Frame || kind_ == ControlKind::PictureBox; }

    const Place& place() const { return place_; }
    int left() const { return place_.left; }
    int top() const { return place_.top; }
    int width() const { return place_.width; }
    int height() const { return place_.height; }
    void setPlace(const Place& p);
    void move(int left, int top) { setPlace({left, top, place_.width, place_.height}); }

    const std::string& caption() const { return caption_; }
    void setCaption(const std::string& c);

    bool enabled() const { return enabled_; }
    void setEnabled(bool e);
    // Enabled itself and in every container (a disabled frame disables what
    // it holds).
    bool isEffectivelyEnabled() const;
    bool visible() const { return visible_; }
    void setVisible(bool v);
    bool isEffectivelyVisible() const;

    int tabIndex() const { return tabIndex_; }
    void setTabIndex(int i) { tabIndex_ = i; }
    bool tabStop() const { return tabStop_; }
    void setTabStop(bool t) { tabStop_ = t; }

    const std::string& toolTip() const { return toolTip_; }
    void setToolTip(const std::string& t);
    // The name the control goes by where neither its caption nor its
    // label's says it ("" by default): read by assistive technology, and
    // the name messages about a box give it.
    const std::string& accessibleName() const { return accessibleName_; }
    void setAccessibleName(const std::string& name);
    std::optional<Color> foreColor() const { return foreColor_; }
    void setForeColor(Color c);
    std::optional<Color> backColor() const { return backColor_; }
    void setBackColor(Color c);
    // Own font, else the container's, else the form's.
    Font font() const;
    void setFont(const Font& f);

    // Whether this kind of control can hold the focus at all; whether it can
    // take it now also needs it visible and enabled with its containers.
    bool canHoldFocus() const;
    bool canTakeFocus() const;
    void setFocus();
    bool hasFocus() const;

    // Event slots.
    std::function<void()> onClick;
    std::function<void()> onDblClick;
    std::function<void()> onChange;
    std::function<void()> onGotFocus;
    std::function<void()> onLostFocus;
    std::function<void(int& key)> onKeyPress;  // key 0 swallows the key
    std::function<void(int& keyCode, int shift)> onKeyDown;
    std::function<void(int& keyCode, int shift)> onKeyUp;

    // Fire an event now (the handler runs synchronously; nested events run
    // inside it).
    void fireClick() { fire(onClick); }
    void fireDblClick() { fire(onDblClick); }
    void fireChange() { fire(onChange); }
    void fireGotFocus() { fire(onGotFocus); }
    void fireLostFocus() { fire(onLostFocus); }
    void fireKeyPress(int& key);
    void fireKeyDown(int& keyCode, int shift);
    void fireKeyUp(int& keyCode, int shift);

protected:
    // Tells the backend that something of this control changed.
    void changed();
    static void fire(const std::function<void()>& slot) {
        if (slot) {
            auto copy = slot;  // a handler may replace its own slot
            copy();
        }
    }

private:
    Form& form_;
    ControlKind kind_;
    std::string name_;
    int index_ = -1;
    Place place_;
    Control* container_;
    std::string caption_;
    bool enabled_ = true;
    bool visible_ = true;
    int tabIndex_;
    bool tabStop_ = true;
    std::string toolTip_;
    std::string accessibleName_;
    std::optional<Color> foreColor_;
    std::optional<Color> backColor_;
    std::optional<Font> font_;
};

}  // namespace quorvel::platform
