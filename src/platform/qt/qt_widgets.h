#pragma once
// Widgets that paint what the toolkit has no widget for: the picture box
// with its display list, lines and shapes on their container, images, and
// the mapping of the windows' fonts to installed families.

#include <QCheckBox>
#include <QColor>
#include <QFont>
#include <QRadioButton>
#include <QWidget>

#include "platform/forms/controls.h"

namespace quorvel::platform::qt {

// "MS Sans Serif" and "Arial" to a sans, "Courier New" to a monospace,
// "MS Serif" and "Times New Roman" to a serif; sizes in points at 96 dpi.
QFont mapFont(const Font& font);
QColor toQColor(Color c);
// Removes the access-key marks of a caption for widgets that show "&"
// literally ("&&" stays one "&").
QString plainCaption(const std::string& caption);
QString qs(const std::string& s);

// An option or check box takes a click anywhere in its place, not only on
// its indicator and text.
template <typename Button>
class WholeAreaButton : public Button {
public:
    using Button::Button;

protected:
    bool hitButton(const QPoint& p) const override { return this->rect().contains(p); }
};
using OptionWidget = WholeAreaButton<QRadioButton>;
using CheckWidget = WholeAreaButton<QCheckBox>;

class PictureWidget : public QWidget {
public:
    PictureWidget(PictureBox& box, QWidget* parent);
    void detach() { box_ = nullptr; }

protected:
    void paintEvent(QPaintEvent*) override;
    void mousePressEvent(QMouseEvent*) override;

private:
    PictureBox* box_;
};

// A line or a shape, painted in a transparent widget over its bounding box
// on the container.
class GraphicWidget : public QWidget {
public:
    GraphicWidget(Control& control, QWidget* parent);
    void detach() { control_ = nullptr; }
    // Places the widget over the control's bounding box.
    void place();

protected:
    void paintEvent(QPaintEvent*) override;

private:
    Control* control_;
};

}  // namespace quorvel::platform::qt
