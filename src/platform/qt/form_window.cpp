#include "platform/qt/form_window.h"

#include <QAbstractButton>
#include <QAction>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QEventLoop>
#include <QGroupBox>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QProxyStyle>
#include <QPushButton>
#include <QRadioButton>
#include <QResizeEvent>
#include <QScrollBar>
#include <QShortcutEvent>
#include <QTableWidget>
#include <QTextBlock>
#include <QVBoxLayout>
#include <algorithm>
#include <cstdlib>

#include "platform/forms/utf8.h"
#include "platform/qt/qt_platform.h"
#include "platform/qt/qt_widgets.h"
#include "runtime/errors.h"

namespace quorvel::platform::qt {

namespace {

std::string utf8(const QString& s) { return s.toUtf8().toStdString(); }

Qt::Alignment toQt(Alignment a) {
    switch (a) {
    case Alignment::Left: return Qt::AlignLeft | Qt::AlignVCenter;
    case Alignment::Right: return Qt::AlignRight | Qt::AlignVCenter;
    case Alignment::Center: return Qt::AlignHCenter | Qt::AlignVCenter;
    }
    return Qt::AlignLeft;
}

QRect pixels(const Place& p) {
    return QRect(p.left / TwipsPerPixel, p.top / TwipsPerPixel, std::max(1, p.width / TwipsPerPixel),
                 std::max(1, p.height / TwipsPerPixel));
}

// Texts of multi-line boxes keep CR LF line ends; the widget shows LF.
QString toWidgetText(const std::string& s) {
    QString q = qs(s);
    q.replace("\r\n", "\n");
    return q;
}

std::string fromWidgetText(const QString& q) {
    QString s = q;
    s.replace("\r\n", "\n");
    s.replace("\n", "\r\n");
    return utf8(s);
}

// Carets: the control counts characters of its text, where a multi-line
// box keeps CR LF (two characters) and its widget shows one line feed.
int widgetCaret(const std::string& text, int caret, bool multiLine) {
    if (!multiLine) return caret;
    std::size_t end = utf8::offsetOf(text, caret);
    int collapsed = 0;
    for (std::size_t i = 0; i < end && i + 1 < text.size(); ++i)
        if (text[i] == '\r' && text[i + 1] == '\n') ++collapsed;
    return caret - collapsed;
}

int controlCaret(const QString& widgetText, int caret, bool multiLine) {
    QString before = widgetText.left(caret);
    int n = static_cast<int>(before.toUcs4().size());
    return multiLine ? n + static_cast<int>(before.count('\n')) : n;
}

// Key codes of KeyDown / KeyUp for the keys the windows look at.
int keyCodeOf(const QKeyEvent* e) {
    int k = e->key();
    if ((k >= Qt::Key_A && k <= Qt::Key_Z) || (k >= Qt::Key_0 && k <= Qt::Key_9)) return k;
    if (k >= Qt::Key_F1 && k <= Qt::Key_F24) return 112 + (k - Qt::Key_F1);
    switch (k) {
    case Qt::Key_Backspace: return 8;
    case Qt::Key_Return:
    case Qt::Key_Enter: return 13;
    case Qt::Key_Shift: return 16;
    case Qt::Key_Control: return 17;
    case Qt::Key_Alt: return 18;
    case Qt::Key_Escape: return 27;
    case Qt::Key_Space: return 32;
    case Qt::Key_PageUp: return 33;
    case Qt::Key_PageDown: return 34;
    case Qt::Key_End: return 35;
    case Qt::Key_Home: return 36;
    case Qt::Key_Left: return 37;
    case Qt::Key_Up: return 38;
    case Qt::Key_Right: return 39;
    case Qt::Key_Down: return 40;
    case Qt::Key_Insert: return 45;
    case Qt::Key_Delete: return 46;
    default: return e->text().size() == 1 ? Keys::codeOfCharacter(e->text()[0].unicode()) : 0;
    }
}

// The application's style, with Alt alone reaching the menu bar: pressed
// and released, it marks the first menu title; the arrows, Enter and the
// titles' letters go on from there, Escape goes back.
class AltReachesMenuBar : public QProxyStyle {
public:
    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                  QStyleHintReturn* returned) const override {
        if (hint == SH_MenuBar_AltKeyNavigation) return 1;
        return QProxyStyle::styleHint(hint, option, widget, returned);
    }
};

int shiftOf(const QKeyEvent* e) {
    int s = 0;
    if (e->modifiers() & Qt::ShiftModifier) s |= Keys::ShiftMask;
    if (e->modifiers() & Qt::ControlModifier) s |= Keys::CtrlMask;
    if (e->modifiers() & Qt::AltModifier) s |= Keys::AltMask;
    return s;
}

}  // namespace

FormWindow::FormWindow(QtPlatform& platform, Form& form) : platform_(platform), form_(&form) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    client_ = new QWidget(this);
    client_->installEventFilter(this);
    // A window keeps the size of its designed client area: it cannot be
    // maximised, and were it made larger its content stays at the top left.
    // A resizable form's client area fills its window instead, and the
    // window can be maximised.
    Qt::WindowFlags flags = Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                            Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint;
    if (form.resizable()) {
        layout->addWidget(client_);
        flags |= Qt::WindowMaximizeButtonHint;
    } else {
        layout->addWidget(client_, 0, Qt::AlignLeft | Qt::AlignTop);
        layout->setSizeConstraint(QLayout::SetFixedSize);
    }
    setWindowFlags(flags);
    if (form.hasMenus()) {
        menuBar_ = new QMenuBar(this);
        layout->setMenuBar(menuBar_);
        // Made after the menu bar, so that the bar goes first when the
        // window's children are deleted.
        auto* style = new AltReachesMenuBar;
        style->setParent(this);
        menuBar_->setStyle(style);
    }
    // Containers come before what they hold in the control order; menus are
    // built parent first as well.
    for (Control* c : form.controls()) {
        if (c->kind() == ControlKind::Menu) {
            auto* m = static_cast<Menu*>(c);
            if (!actions_.count(m)) createMenu(m);
        } else if (!widgets_.count(c)) {
            create(c);
        }
    }
    // Tab order follows the controls' tab indexes.
    std::vector<Control*> order;
    for (Control* c : form.controls())
        if (c->canHoldFocus()) order.push_back(c);
    std::stable_sort(order.begin(), order.end(),
                     [](const Control* a, const Control* b) { return a->tabIndex() < b->tabIndex(); });
    for (std::size_t i = 1; i < order.size(); ++i)
        QWidget::setTabOrder(widgets_[order[i - 1]], widgets_[order[i]]);
    syncAll();
}

FormWindow::~FormWindow() { detach(); }

void FormWindow::detach() {
    if (!form_) return;
    form_ = nullptr;
    for (auto& [c, w] : widgets_) {
        if (auto* p = dynamic_cast<PictureWidget*>(w)) p->detach();
        if (auto* g = dynamic_cast<GraphicWidget*>(w)) g->detach();
    }
}

QWidget* FormWindow::widgetOf(const Control* c) const {
    auto it = widgets_.find(c);
    return it == widgets_.end() ? nullptr : it->second;
}

Control* FormWindow::controlOf(QWidget* w) const {
    for (; w; w = w->parentWidget()) {
        auto it = controls_.find(w);
        if (it != controls_.end()) return it->second;
        if (w == this) return nullptr;
    }
    return nullptr;
}

// Lines and shapes are drawn on their container beneath its controls, and
// among themselves in the order they were made: a later one over an
// earlier one. A container's children are listed bottom first.
void FormWindow::stackGraphic(QWidget* g, QWidget* parent) {
    for (QObject* o : parent->children()) {
        auto* sibling = qobject_cast<QWidget*>(o);
        if (!sibling || sibling == g || dynamic_cast<GraphicWidget*>(sibling)) continue;
        if (!sibling->isWindow()) {
            g->stackUnder(sibling);
            return;
        }
    }
    g->raise();
}

QWidget* FormWindow::parentFor(Control* c) {
    Control* container = c->container();
    if (!container) return client_;
    QWidget* w = widgetOf(container);
    return w ? w : create(container);
}

QAction* FormWindow::createMenu(Menu* m) {
    Menu* parent = m->parentMenu();
    QAction* action = nullptr;
    bool hasItems = !m->items().empty();
    if (!parent) {
        if (hasItems) {
            QMenu* menu = menuBar_->addMenu(qs(m->caption()));
            action = menu->menuAction();
        } else {
            action = menuBar_->addAction(qs(m->caption()));
        }
    } else {
        QAction* parentAction = actions_.count(parent) ? actions_[parent] : createMenu(parent);
        QMenu* parentMenu = parentAction->menu();
        if (!parentMenu) {
            parentMenu = new QMenu(this);
            parentAction->setMenu(parentMenu);
        }
        if (m->isSeparator()) action = parentMenu->addSeparator();
        else if (hasItems) action = parentMenu->addMenu(qs(m->caption()))->menuAction();
        else action = parentMenu->addAction(qs(m->caption()));
    }
    if (!m->shortcut().empty()) action->setShortcut(QKeySequence(qs(m->shortcut())));
    if (!hasItems && !m->isSeparator())
        connect(action, &QAction::triggered, this, [this, m] {
            if (form_) platform_.run([&] { m->form().userChoseMenu(*m); });
        });
    actions_[m] = action;
    return action;
}

QWidget* FormWindow::create(Control* c) {
    if (c->kind() == ControlKind::Menu) {
        createMenu(static_cast<Menu*>(c));
        return nullptr;
    }
    QWidget* parent = parentFor(c);
    QWidget* w = nullptr;
    switch (c->kind()) {
    case ControlKind::Label: w = new QLabel(parent); break;
    case ControlKind::TextBox: {
        auto* box = static_cast<TextBox*>(c);
        if (box->multiLine()) {
            auto* edit = new QPlainTextEdit(parent);
            connect(edit, &QPlainTextEdit::textChanged, this, [this, box, edit] {
                if (!form_ || syncing_) return;
                platform_.run([&] { box->setText(fromWidgetText(edit->toPlainText())); });
                if (form_) followCaret(box, edit);
            });
            auto follow = [this, box, edit] {
                if (form_ && !syncing_) followCaret(box, edit);
            };
            connect(edit, &QPlainTextEdit::cursorPositionChanged, this, follow);
            connect(edit, &QPlainTextEdit::selectionChanged, this, follow);
            w = edit;
        } else {
            auto* edit = new QLineEdit(parent);
            connect(edit, &QLineEdit::textEdited, this, [this, box, edit](const QString& t) {
                if (!form_) return;
                platform_.run([&] { box->setText(utf8(t)); });
                if (form_) followCaret(box, edit);
            });
            auto follow = [this, box, edit] {
                if (form_ && !syncing_) followCaret(box, edit);
            };
            connect(edit, &QLineEdit::cursorPositionChanged, this, follow);
            connect(edit, &QLineEdit::selectionChanged, this, follow);
            w = edit;
        }
        break;
    }
    case ControlKind::ComboBox: {
        auto* combo = static_cast<ComboBox*>(c);
        auto* qc = new QComboBox(parent);
        qc->setEditable(combo->style() == ComboStyle::DropDownCombo);
        // The box holds what the user typed: no completion, and Enter adds no
        // item of its own.
        if (qc->isEditable()) qc->setCompleter(nullptr);
        qc->setInsertPolicy(QComboBox::NoInsert);
        connect(qc, &QComboBox::activated, this, [this, combo](int i) {
            if (!form_) return;
            if (refused == combo) {  // the focus was put back: the choice is lost
                sync(combo);
                return;
            }
            if (i >= 0 && i < combo->listCount()) platform_.run([&] { combo->setListIndex(i); });
        });
        if (QLineEdit* edit = qc->lineEdit()) {
            connect(edit, &QLineEdit::textEdited, this, [this, combo](const QString& t) {
                if (form_) platform_.run([&] { combo->setText(utf8(t)); });
            });
            edit->installEventFilter(this);
            controls_[edit] = c;
        }
        w = qc;
        break;
    }
    case ControlKind::OptionButton: {
        auto* b = new OptionWidget(parent);
        b->setAutoExclusive(false);
        connect(b, &QAbstractButton::clicked, this, [this, c] { userClicked(c); });
        w = b;
        break;
    }
    case ControlKind::CheckBox: {
        auto* b = new CheckWidget(parent);
        connect(b, &QAbstractButton::clicked, this, [this, c] { userClicked(c); });
        w = b;
        break;
    }
    case ControlKind::CommandButton: {
        auto* b = new QPushButton(parent);
        b->setAutoDefault(false);
        connect(b, &QAbstractButton::clicked, this, [this, c] { userClicked(c); });
        w = b;
        break;
    }
    case ControlKind::Frame: w = new QGroupBox(parent); break;
    case ControlKind::PictureBox: w = new PictureWidget(*static_cast<PictureBox*>(c), parent); break;
    case ControlKind::Line:
    case ControlKind::Shape: {
        auto* g = new GraphicWidget(*c, parent);
        stackGraphic(g, parent);
        w = g;
        break;
    }
    case ControlKind::Image: w = new QLabel(parent); break;
    case ControlKind::VScrollBar: {
        auto* bar = new QScrollBar(Qt::Vertical, parent);
        auto* v = static_cast<VScrollBar*>(c);
        connect(bar, &QScrollBar::valueChanged, this, [this, v](int q) {
            if (!form_ || syncing_) return;
            if (refused == v) {  // the focus was put back: the click is lost
                sync(v);
                return;
            }
            platform_.run([&] { v->setValue(v->min() <= v->max() ? v->min() + q : v->min() - q); });
        });
        w = bar;
        break;
    }
    case ControlKind::Grid: {
        auto* t = new QTableWidget(parent);
        t->horizontalHeader()->hide();
        t->verticalHeader()->hide();
        t->setEditTriggers(QAbstractItemView::NoEditTriggers);
        t->setSelectionMode(QAbstractItemView::NoSelection);
        t->setFocusPolicy(Qt::NoFocus);
        w = t;
        break;
    }
    case ControlKind::Menu: break;
    }
    widgets_[c] = w;
    controls_[w] = c;
    w->installEventFilter(this);
    if (!c->canHoldFocus()) w->setFocusPolicy(Qt::NoFocus);
    syncWidget(c, w);
    return w;
}

void FormWindow::sync(Control* c) {
    if (!form_) return;
    if (!c) {
        syncForm();
        return;
    }
    if (c->kind() == ControlKind::Menu) {
        auto it = actions_.find(c);
        if (it == actions_.end()) return;
        auto* m = static_cast<Menu*>(c);
        QAction* a = it->second;
        if (!m->isSeparator()) a->setText(qs(m->caption()));
        a->setEnabled(m->enabled());
        a->setVisible(m->visible());
        a->setCheckable(m->checked() || a->isCheckable());
        a->setChecked(m->checked());
        return;
    }
    QWidget* w = widgetOf(c);
    if (!w) {
        if (std::find(form_->controls().begin(), form_->controls().end(), c) == form_->controls().end()) return;
        w = create(c);
    }
    syncWidget(c, w);
}

void FormWindow::syncAll() {
    if (!form_) return;
    syncForm();
    for (Control* c : form_->controls()) sync(c);
}

void FormWindow::syncForm() {
    setWindowTitle(qs(form_->caption()));
    const QSize client(form_->clientWidth() / TwipsPerPixel, form_->clientHeight() / TwipsPerPixel);
    if (!form_->resizable()) {
        client_->setFixedSize(client);
    } else {
        client_->setMinimumSize(form_->minimumClientWidth() / TwipsPerPixel,
                                form_->minimumClientHeight() / TwipsPerPixel);
        // A size set by the program; the user's own sizes reach the form
        // through the client area's resize events and match already.
        if (client_->size() != client && !isMaximized())
            resize(client + QSize(0, menuBar_ ? menuBar_->sizeHint().height() : 0));
    }
    QPalette pal = client_->palette();
    pal.setColor(QPalette::Window, toQColor(form_->backColor()));
    client_->setPalette(pal);
    client_->setAutoFillBackground(true);
    setFont(mapFont(form_->font()));
    if (form_->left() != 0 || form_->top() != 0) move(form_->left() / TwipsPerPixel, form_->top() / TwipsPerPixel);
}

void FormWindow::syncWidget(Control* c, QWidget* w) {
    ++syncing_;
    struct Done {
        int& n;
        ~Done() { --n; }
    } done{syncing_};

    if (c->kind() == ControlKind::Line || c->kind() == ControlKind::Shape) {
        static_cast<GraphicWidget*>(w)->place();
    } else {
        QRect r = pixels(c->place());
        if (w->geometry() != r) w->setGeometry(r);
    }
    if (w->isVisibleTo(w->parentWidget()) != c->visible()) w->setVisible(c->visible());
    w->setEnabled(c->enabled());
    w->setToolTip(qs(c->toolTip()));
    w->setAccessibleName(qs(c->accessibleName()));
    QFont f = mapFont(c->font());
    if (w->font() != f) w->setFont(f);
    QPalette pal = w->palette();
    if (c->foreColor()) {
        QColor fg = toQColor(*c->foreColor());
        pal.setColor(QPalette::WindowText, fg);
        pal.setColor(QPalette::Text, fg);
        pal.setColor(QPalette::ButtonText, fg);
    }
    if (c->backColor()) {
        QColor bg = toQColor(*c->backColor());
        pal.setColor(QPalette::Window, bg);
        pal.setColor(QPalette::Base, bg);
        pal.setColor(QPalette::Button, bg);
    }
    w->setPalette(pal);
    applyFocusPolicy(c, w);

    switch (c->kind()) {
    case ControlKind::Label: {
        auto* l = static_cast<Label*>(c);
        auto* q = static_cast<QLabel*>(w);
        q->setText(plainCaption(l->caption()));
        q->setWordWrap(l->wordWrap());
        q->setAlignment((toQt(l->alignment()) & Qt::AlignHorizontal_Mask) | Qt::AlignTop);
        q->setAutoFillBackground(!l->transparent() && c->backColor().has_value());
        break;
    }
    case ControlKind::TextBox: {
        auto* box = static_cast<TextBox*>(c);
        // The widget's caret moves only when the program moved the control's
        // caret or replaced the text: a user's edit leaves it where it is.
        auto caretSynced = caretMoves_.find(c);
        bool moveCaret = caretSynced == caretMoves_.end() || caretSynced->second != box->caretMoves();
        caretMoves_[c] = box->caretMoves();
        bool multiLine = dynamic_cast<QPlainTextEdit*>(w) != nullptr;
        int start = widgetCaret(box->text(), box->selStart(), multiLine);
        int end = widgetCaret(box->text(), box->selStart() + box->selLength(), multiLine);
        if (auto* edit = dynamic_cast<QLineEdit*>(w)) {
            QString t = qs(box->text());
            // Setting the maximum length resets the widget's text and caret.
            int maxLength = box->maxLength() > 0 ? box->maxLength() : 32767;
            if (edit->maxLength() != maxLength) edit->setMaxLength(maxLength);
            if (edit->text() != t) {
                edit->setText(t);
                moveCaret = true;
            }
            edit->setReadOnly(box->locked());
            edit->setAlignment(toQt(box->alignment()));
            if (moveCaret) {
                if (end > start) edit->setSelection(start, end - start);
                else edit->setCursorPosition(start);
            }
        } else if (auto* edit = dynamic_cast<QPlainTextEdit*>(w)) {
            QString t = toWidgetText(box->text());
            if (edit->toPlainText() != t) {
                edit->setPlainText(t);
                moveCaret = true;
            }
            edit->setReadOnly(box->locked());
            if (moveCaret) {
                int size = static_cast<int>(t.size());
                QTextCursor cursor = edit->textCursor();
                cursor.setPosition(std::clamp(start, 0, size));
                if (end > start) cursor.setPosition(std::clamp(end, 0, size), QTextCursor::KeepAnchor);
                edit->setTextCursor(cursor);
            }
        }
        break;
    }
    case ControlKind::ComboBox: {
        auto* combo = static_cast<ComboBox*>(c);
        auto* q = static_cast<QComboBox*>(w);
        QStringList items;
        for (const std::string& s : combo->items()) items << qs(s);
        QStringList current;
        for (int i = 0; i < q->count(); ++i) current << q->itemText(i);
        if (items != current) {
            q->clear();
            q->addItems(items);
        }
        if (q->currentIndex() != combo->listIndex()) q->setCurrentIndex(combo->listIndex());
        if (QLineEdit* edit = q->lineEdit()) {
            QString t = qs(combo->text());
            if (edit->text() != t) edit->setText(t);
            // The whole text is selected only when the program asked.
            unsigned& synced = selectAllRequests_[c];
            if (synced != combo->selectAllRequests() && combo->wholeTextSelected()) edit->selectAll();
            synced = combo->selectAllRequests();
        }
        break;
    }
    case ControlKind::OptionButton: {
        auto* b = static_cast<QRadioButton*>(w);
        b->setText(qs(c->caption()));
        b->setChecked(static_cast<OptionButton*>(c)->value());
        // Which option of the group Tab stops at follows the selection.
        for (Control* o : form_->controls())
            if (o != c && o->kind() == ControlKind::OptionButton && o->container() == c->container())
                if (QWidget* ow = widgetOf(o)) applyFocusPolicy(o, ow);
        break;
    }
    case ControlKind::CheckBox: {
        auto* b = static_cast<QCheckBox*>(w);
        b->setText(qs(c->caption()));
        int v = static_cast<CheckBox*>(c)->value();
        b->setCheckState(v == CheckBox::Checked ? Qt::Checked : v == CheckBox::Grayed ? Qt::PartiallyChecked
                                                                                       : Qt::Unchecked);
        break;
    }
    case ControlKind::CommandButton: {
        auto* b = static_cast<QPushButton*>(w);
        b->setText(qs(c->caption()));
        b->setDefault(static_cast<CommandButton*>(c)->isDefault());
        break;
    }
    case ControlKind::Frame: {
        auto* g = static_cast<QGroupBox*>(w);
        g->setTitle(qs(c->caption()));
        g->setFlat(!static_cast<Frame*>(c)->bordered());
        // A frame is opaque: one made later over the edge of another covers
        // that edge, so its caption does not sit on the other's border.
        g->setAutoFillBackground(true);
        break;
    }
    case ControlKind::Image: {
        auto* img = static_cast<Image*>(c);
        auto* q = static_cast<QLabel*>(w);
        q->setScaledContents(img->stretch());
        q->setPixmap(img->picture().empty() ? QPixmap() : QPixmap(qs(img->picture())));
        break;
    }
    case ControlKind::VScrollBar: {
        auto* v = static_cast<VScrollBar*>(c);
        auto* bar = static_cast<QScrollBar*>(w);
        bar->setRange(0, std::abs(v->max() - v->min()));
        bar->setSingleStep(v->smallChange());
        bar->setPageStep(v->largeChange());
        bar->setValue(std::abs(v->value() - v->min()));
        break;
    }
    case ControlKind::Grid: {
        auto* g = static_cast<Grid*>(c);
        auto* t = static_cast<QTableWidget*>(w);
        t->setRowCount(g->rows());
        t->setColumnCount(g->cols());
        // A cell too wide for its column shows where it is cut, never an
        // ellipsis in place of its last characters.
        t->setTextElideMode(Qt::ElideNone);
        for (int col = 0; col < g->cols(); ++col) t->setColumnWidth(col, g->colWidth(col) / TwipsPerPixel);
        for (int row = 0; row < g->rows(); ++row) t->setRowHeight(row, g->rowHeight(row) / TwipsPerPixel);
        QColor fixed = t->palette().color(QPalette::Button);
        for (int row = 0; row < g->rows(); ++row)
            for (int col = 0; col < g->cols(); ++col) {
                QTableWidgetItem* item = t->item(row, col);
                if (!item) {
                    item = new QTableWidgetItem;
                    t->setItem(row, col, item);
                }
                item->setText(qs(g->textMatrix(row, col)));
                item->setTextAlignment(toQt(g->colAlignment(col)));
                const std::string& pic = g->cellPicture(row, col);
                item->setIcon(pic.empty() ? QIcon() : QIcon(qs(pic)));
                if (row < g->fixedRows() || col < g->fixedCols()) item->setBackground(fixed);
            }
        break;
    }
    case ControlKind::PictureBox:
    case ControlKind::Line:
    case ControlKind::Shape: w->update(); break;
    case ControlKind::Menu: break;
    }
}

void FormWindow::followCaret(TextBox* box, QWidget* w) {
    int start = 0;
    int end = 0;
    bool multiLine = false;
    QString text;
    if (auto* edit = dynamic_cast<QLineEdit*>(w)) {
        text = edit->text();
        start = edit->hasSelectedText() ? edit->selectionStart() : edit->cursorPosition();
        end = edit->hasSelectedText() ? edit->selectionEnd() : start;
    } else if (auto* edit = dynamic_cast<QPlainTextEdit*>(w)) {
        text = edit->toPlainText();
        multiLine = true;
        start = edit->textCursor().selectionStart();
        end = edit->textCursor().selectionEnd();
    } else {
        return;
    }
    int from = controlCaret(text, start, multiLine);
    box->followUserCaret(from, controlCaret(text, end, multiLine) - from);
}

void FormWindow::applyFocusPolicy(Control* c, QWidget* w) {
    if (!c->canHoldFocus()) return;
    Qt::FocusPolicy policy = form_->isTabStop(*c) ? Qt::StrongFocus : Qt::ClickFocus;
    if (w->focusPolicy() != policy) w->setFocusPolicy(policy);
}

void FormWindow::syncFocus() {
    if (!form_) return;
    Control* active = form_->activeControl();
    QWidget* w = active ? widgetOf(active) : nullptr;
    if (w && !w->hasFocus() && isVisible()) w->setFocus(Qt::OtherFocusReason);
}

void FormWindow::userClicked(Control* c) {
    platform_.run([&] { userClick(c); });
}

void FormWindow::userClick(Control* c) {
    if (!form_) return;
    Form* form = form_;
    if (refused == c) {
        refused = nullptr;
        sync(c);
        return;
    }
    if (c->canHoldFocus() && form->activeControl() != c) {
        if (c->canTakeFocus()) form->setFocus(*c);
        if (!form_) return;
        if (form->activeControl() != c) {  // the focus was put back: the click is lost
            sync(c);
            return;
        }
    }
    form->userClickEffect(*c);
    if (form_) sync(c);
}

bool FormWindow::handleKeyPress(Control* c, QWidget* w, QKeyEvent* e) {
    if (e->key() == Qt::Key_Tab || e->key() == Qt::Key_Backtab) return false;
    // F10 opens the first menu.
    if (e->key() == Qt::Key_F10 && !(e->modifiers() & ~Qt::KeypadModifier) && menuBar_) {
        for (QAction* a : menuBar_->actions())
            if (a->isVisible() && a->isEnabled()) {
                menuBar_->setActiveAction(a);
                return true;
            }
    }
    // A shortcut a menu shows wins over a box's own use of the key (a box
    // takes Ctrl+A for select-all before the menu sees it): the menu's
    // command runs.
    if (e->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) {
        const QKeySequence pressed(e->keyCombination());
        for (const auto& [menu, action] : actions_)
            if (!action->shortcut().isEmpty() && action->shortcut() == pressed && action->isEnabled()) {
                action->trigger();
                return true;
            }
    }
    bool enter = e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter;
    // Enter presses the focused or the default button, also from a
    // multi-line box; only without a default button does it break a line.
    if (enter) {
        if (c->kind() == ControlKind::CommandButton) {
            userClicked(c);
            return true;
        }
        CommandButton* def = form_->defaultButton();
        if (def && def->isEffectivelyVisible() && def->isEffectivelyEnabled()) {
            def->fireClick();  // the focus stays: no LostFocus
            return true;
        }
    }
    if (e->key() == Qt::Key_Escape) {
        CommandButton* cancel = form_->cancelButton();
        if (cancel && cancel->isEffectivelyVisible() && cancel->isEffectivelyEnabled()) {
            cancel->fireClick();
            return true;
        }
    }
    Form* form = form_;
    int ch = 0;
    if (e->key() == Qt::Key_Backspace) ch = Keys::Backspace;
    else if (e->key() == Qt::Key_Escape) ch = Keys::Escape;
    else if (enter) ch = Keys::Enter;
    else if (!e->text().isEmpty() && !(e->modifiers() & Qt::ControlModifier)) {
        uint u = e->text().toUcs4().value(0);
        if (u >= 32) ch = static_cast<int>(u);
    }
    int code = keyCodeOf(e);
    if (code != 0) {
        form->userKeyDown(c, code, shiftOf(e));
        if (!form_) return true;
        // A zero code stops a key without a character; a typed character
        // still goes on to KeyPress, where a handler stops it.
        if (code == 0 && ch == 0) return true;
    }
    if (ch == 0) return false;
    int key = form->userKeyPress(*c, ch);
    if (!form_) return true;
    if (key == 0) return true;
    if (key != ch && key >= 32) {
        QString replaced = QString::fromUcs4(reinterpret_cast<const char32_t*>(&key), 1);
        // An editable combo takes the keys itself and types them into its
        // line edit: the replaced character goes there.
        QLineEdit* line = dynamic_cast<QLineEdit*>(w);
        if (!line)
            if (auto* combo = dynamic_cast<QComboBox*>(w)) line = combo->lineEdit();
        if (auto* edit = line) {
            if (!edit->isReadOnly()) {
                edit->insert(replaced);
                if (form_) c->kind() == ControlKind::ComboBox
                               ? static_cast<ComboBox*>(c)->setText(utf8(edit->text()))
                               : static_cast<TextBox*>(c)->setText(utf8(edit->text()));
            }
        } else if (auto* plain = dynamic_cast<QPlainTextEdit*>(w)) {
            if (!plain->isReadOnly()) plain->insertPlainText(replaced);
        }
        return true;
    }
    return false;
}

bool FormWindow::eventFilter(QObject* watched, QEvent* e) {
    bool handled = false;
    if (form_) platform_.run([&] { handled = filterEvent(watched, e); });
    return handled;
}

bool FormWindow::filterEvent(QObject* watched, QEvent* e) {
    if (!form_) return false;
    auto* w = qobject_cast<QWidget*>(watched);
    if (watched == client_) {
        if (e->type() == QEvent::Resize && form_->resizable() && !syncing_) {
            const QSize size = static_cast<QResizeEvent*>(e)->size();
            form_->userResized(size.width() * TwipsPerPixel, size.height() * TwipsPerPixel);
        }
        if (e->type() == QEvent::MouseButtonPress && form_->onClick) {
            auto click = form_->onClick;
            click();
        }
        return false;
    }
    if (e->type() == QEvent::Shortcut) return accessKey(w, static_cast<QShortcutEvent*>(e));
    if (e->type() == QEvent::MouseButtonDblClick) {
        if (Control* c = controlOf(w)) c->fireDblClick();
        return false;
    }
    if (e->type() == QEvent::MouseButtonPress) {
        // Labels, images and frames have no click signal of their own.
        auto it = controls_.find(w);
        if (it != controls_.end()) {
            Control* c = it->second;
            ControlKind k = c->kind();
            if ((k == ControlKind::Label || k == ControlKind::Image || k == ControlKind::Frame) &&
                c->isEffectivelyEnabled())
                c->fireClick();
        }
        return false;
    }
    if (e->type() != QEvent::KeyPress && e->type() != QEvent::KeyRelease) return false;
    Control* c = controlOf(w);
    if (!c) return false;
    auto* k = static_cast<QKeyEvent*>(e);
    if (e->type() == QEvent::KeyPress) return handleKeyPress(c, w, k);
    int code = keyCodeOf(k);
    if (code == 0 || k->isAutoRepeat()) return false;
    form_->userKeyUp(c, code, shiftOf(k));
    return !form_ || code == 0;
}

bool FormWindow::accessKey(QWidget* w, QShortcutEvent* e) {
    // A menu title's access key opens its menu, whatever control shares it.
    if (menuBar_ && w != menuBar_) {
        for (Control* c : form_->controls()) {
            if (c->kind() != ControlKind::Menu) continue;
            auto* m = static_cast<Menu*>(c);
            if (m->parentMenu() || m->isSeparator() || !m->isEffectivelyVisible() || !m->isEffectivelyEnabled())
                continue;
            if (QKeySequence::mnemonic(qs(m->caption())) != e->key()) continue;
            auto it = actions_.find(m);
            if (it == actions_.end()) continue;
            if (it->second->menu()) menuBar_->setActiveAction(it->second);
            else it->second->trigger();
            return true;
        }
    }
    // A frame's access key goes to the first control it holds in the tab
    // order that Tab would stop at.
    Control* frame = controlOf(w);
    if (!frame || frame->kind() != ControlKind::Frame || widgetOf(frame) != w) return false;
    Control* first = nullptr;
    for (Control* c : form_->controls()) {
        bool inside = false;
        for (Control* p = c->container(); p && !inside; p = p->container()) inside = p == frame;
        if (!inside || !c->canHoldFocus() || !c->canTakeFocus() || !form_->isTabStop(*c)) continue;
        if (!first || c->tabIndex() < first->tabIndex()) first = c;
    }
    if (first) form_->setFocus(*first);
    return true;
}

void FormWindow::closeEvent(QCloseEvent* e) {
    if (!form_) {
        e->accept();
        return;
    }
    bool closed = false;
    platform_.run([&] { closed = form_->closeByFrame(); });
    if (closed) e->accept();
    else e->ignore();
}

}  // namespace quorvel::platform::qt
