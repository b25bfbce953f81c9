#pragma once
// The window of one form: a widget per control, placed at its twips, kept
// in step with the control objects. Code changes reach the widgets through
// sync(); a user's edit goes into the control object, which fires the
// events, so nothing fires twice.

#include <QWidget>
#include <map>

#include "platform/forms/form.h"

class QAction;
class QEventLoop;
class QKeyEvent;
class QShortcutEvent;
class QMenuBar;

namespace quorvel::platform::qt {

class QtPlatform;

class FormWindow : public QWidget {
public:
    FormWindow(QtPlatform& platform, Form& form);
    ~FormWindow() override;

    Form* form() const { return form_; }
    // The form is unloaded or destroyed: the widgets stop talking to it.
    void detach();
    // Brings the widget of a control (null: the window itself) in step.
    void sync(Control* c);
    void syncAll();
    // Gives the Qt focus to the widget of the form's active control.
    void syncFocus();
    QWidget* widgetOf(const Control* c) const;
    // The control of a widget or of the nearest parent that has one.
    Control* controlOf(QWidget* w) const;

    QEventLoop* loop = nullptr;  // the loop of a modal show
    // The control a user's focus move was refused for (a LostFocus handler
    // put the focus back); a click on it is lost.
    Control* refused = nullptr;

protected:
    void closeEvent(QCloseEvent* e) override;
    bool eventFilter(QObject* watched, QEvent* e) override;

private:
    QWidget* create(Control* c);
    QWidget* parentFor(Control* c);
    void stackGraphic(QWidget* g, QWidget* parent);
    QAction* createMenu(class Menu* m);
    void syncWidget(Control* c, QWidget* w);
    void syncForm();
    void userClicked(Control* c);
    void userClick(Control* c);
    bool filterEvent(QObject* watched, QEvent* e);
    // Tells the box where the user's caret and selection are in its widget.
    void followCaret(TextBox* box, QWidget* w);
    // Tab stops where the form's tab order stops; a click focuses any
    // control that can hold the focus.
    void applyFocusPolicy(Control* c, QWidget* w);
    bool handleKeyPress(Control* c, QWidget* w, QKeyEvent* e);
    // Alt and a letter: menu titles first, then the controls; true when
    // the key was used here.
    bool accessKey(QWidget* w, QShortcutEvent* e);

    QtPlatform& platform_;
    Form* form_;
    QMenuBar* menuBar_ = nullptr;
    QWidget* client_ = nullptr;
    std::map<const Control*, QWidget*> widgets_;
    std::map<const Control*, QAction*> actions_;
    std::map<const QWidget*, Control*> controls_;
    std::map<const Control*, unsigned> caretMoves_;  // of each box, as last shown
    std::map<const Control*, unsigned> selectAllRequests_;  // of each combo, as last shown
    int syncing_ = 0;
};

}  // namespace quorvel::platform::qt
