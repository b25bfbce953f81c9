#pragma once
// A window: its controls (as members of a subclass, registered in the order
// they are built), its caption, place and font, its life cycle (load, show
// modal or not, hide, unload) and the focus. Each window of the program is
// a class deriving from Form with its controls under their given names.

#include <functional>
#include <string>
#include <vector>

#include "platform/forms/control.h"
#include "platform/forms/controls.h"
#include "platform/platform.h"

namespace quorvel::platform {

// Why a form is being unloaded (the argument of QueryUnload).
enum UnloadMode { UnloadByFrame = 0, UnloadByCode = 1, UnloadByApplication = 2 };

class Form {
public:
    Form(Platform& platform, std::string name, const std::string& caption, int clientWidth,
         int clientHeight);
    virtual ~Form();
    Form(const Form&) = delete;
    Form& operator=(const Form&) = delete;

    Platform& platform() const { return platform_; }
    const std::string& name() const { return name_; }
    const std::string& caption() const { return caption_; }
    void setCaption(const std::string& c);

    // The outer place of the window (frame included), in twips.
    int left() const { return left_; }
    int top() const { return top_; }
    int width() const;
    int height() const;
    void move(int left, int top);
    int clientWidth() const { return clientWidth_; }
    int clientHeight() const { return clientHeight_; }
    void setClientSize(int width, int height);
    // A resizable window can be made larger (down to its designed client
    // size at most smaller) and maximised by the user; Resize follows every
    // change of its client size, so that its handler lays the controls out.
    bool resizable() const { return resizable_; }
    void setResizable(bool r);
    int minimumClientWidth() const { return minimumClientWidth_; }
    int minimumClientHeight() const { return minimumClientHeight_; }
    // The user made the client area this size (twips): the backend's window
    // already has it, so only Resize follows.
    void userResized(int width, int height);

    Color backColor() const { return backColor_; }
    void setBackColor(Color c);
    const Font& font() const { return font_; }
    void setFont(const Font& f);
    // With key preview the form sees KeyDown / KeyUp / KeyPress before the
    // focused control.
    bool keyPreview() const { return keyPreview_; }
    void setKeyPreview(bool k) { keyPreview_ = k; }

    // The controls in the window's control order.
    const std::vector<Control*>& controls() const { return controls_; }
    Control* findControl(const std::string& name, int index = -1) const;
    bool hasMenus() const;

    // Life cycle.
    bool isLoaded() const { return loaded_; }
    bool isVisible() const { return visible_; }
    bool isModal() const { return modal_; }
    void load();
    void show();
    // Returns when the form is hidden or unloaded.
    void showModal();
    void hide();
    // Unload from code: QueryUnload and Unload, either may cancel; false
    // when cancelled.
    bool unload() { return unloadWithMode(UnloadByCode); }
    // The window frame's close button.
    bool closeByFrame() { return unloadWithMode(UnloadByFrame); }
    void paint() { fire(onPaint); }

    // Focus.
    Control* activeControl() const { return active_; }
    // Moves the focus: LostFocus on the control that had it, then GotFocus
    // on the new one. A LostFocus handler that sets the focus (back) wins:
    // the focus goes there and the first target gets no event. Raises error
    // 5 when the control cannot take the focus.
    void setFocus(Control& c);
    // The next control after the focused one in tab order (forward or back),
    // or null.
    Control* nextInTabOrder(bool forward = true) const;
    // Whether Tab stops at the control: it has a tab stop, and an option of
    // a group with a selected option is reached only when it is the one.
    bool isTabStop(const Control& c) const;
    CommandButton* defaultButton() const;
    CommandButton* cancelButton() const;

    // Event slots.
    std::function<void()> onLoad;
    std::function<void()> onActivate;
    std::function<void()> onPaint;
    std::function<void()> onResize;
    std::function<void()> onClick;
    std::function<void(int& cancel)> onUnload;
    std::function<void(int& cancel, int unloadMode)> onQueryUnload;
    std::function<void(int& keyCode, int shift)> onKeyDown;
    std::function<void(int& keyCode, int shift)> onKeyUp;
    std::function<void(int& key)> onKeyPress;

    // What a user's action does, shared by the backends. A key press goes
    // to the form first with key preview, then to the control; the result
    // is the key that goes in (0: swallowed). KeyDown / KeyUp likewise.
    int userKeyPress(Control& target, int key);
    void userKeyDown(Control* target, int& keyCode, int shift);
    void userKeyUp(Control* target, int& keyCode, int shift);
    // The effect of a click once the focus is where it should be: an option
    // is selected, a check box toggled, anything else gets Click.
    void userClickEffect(Control& c);
    // A menu command chosen: it runs when focusedControlAccepted().
    void userChoseMenu(Menu& command);
    // For a command that takes no focus, yet acts on what the boxes hold
    // (a menu command, closing the window by its frame): the focused
    // control is checked as leaving it would check it (its LostFocus runs,
    // the focus stays). False when a handler kept the focus there (a value
    // refused, or a default put in for a look at it), moved it elsewhere or
    // closed the window: the command does not go on, and nothing is saved
    // or calculated from a text its box has not accepted.
    bool focusedControlAccepted();

    // Used by controls and backends.
    void registerControl(Control* c);
    void unregisterControl(Control* c);
    void notifyChanged(Control* c) { platform_.controlChanged(*this, c); }

private:
    void showImpl(bool modal);
    bool unloadWithMode(int mode);
    // LostFocus of the focused control: where a handler asked the focus to
    // go (null: nowhere), and whether a handler closed the window.
    struct Leaving {
        Control* requested;
        bool closed;
    };
    Leaving leaveActive();
    // The focus at target after old was left (put back when they are one).
    void moveFocus(Control* old, Control* target);
    static void fire(const std::function<void()>& slot) {
        if (slot) {
            auto copy = slot;
            copy();
        }
    }

    Platform& platform_;
    std::string name_;
    std::string caption_;
    int left_ = 0;
    int top_ = 0;
    int clientWidth_;
    int clientHeight_;
    int minimumClientWidth_;
    int minimumClientHeight_;
    bool resizable_ = false;
    Color backColor_ = Colors::ButtonFace;
    Font font_;
    bool keyPreview_ = false;
    std::vector<Control*> controls_;
    int nextTabIndex_ = 0;
    bool loaded_ = false;
    bool visible_ = false;
    bool modal_ = false;
    Control* active_ = nullptr;
    bool inLostFocus_ = false;
    Control* focusRequestedInLostFocus_ = nullptr;

    friend class Control;
};

}  // namespace quorvel::platform
