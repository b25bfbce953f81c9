#include "platform/qt/qt_widgets.h"

#include <QMouseEvent>
#include <QPainter>
#include <algorithm>
#include <cmath>

#include "platform/qt/qt_platform.h"

namespace quorvel::platform::qt {

QString qs(const std::string& s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }

// The windows' fonts are drawn with the Liberation families, whose letters
// have the widths of Arial, Times New Roman and Courier New: captions laid
// out for those fonts fit their boxes. "MS Sans Serif" has the widths of
// Arial at its sizes. DejaVu stands in where Liberation is not installed.
QFont mapFont(const Font& font) {
    QString name = qs(font.name).toLower();
    QFont f;
    if (name.contains("courier") || name.contains("mono")) {
        f.setFamilies({"Liberation Mono", "DejaVu Sans Mono"});
        f.setStyleHint(QFont::Monospace);
    } else if ((name.contains("serif") && !name.contains("sans")) || name.contains("times")) {
        f.setFamilies({"Liberation Serif", "DejaVu Serif"});
        f.setStyleHint(QFont::Serif);
    } else {
        f.setFamilies({"Liberation Sans", "DejaVu Sans"});
        f.setStyleHint(QFont::SansSerif);
    }
    f.setPixelSize(std::max(1, static_cast<int>(std::lround(font.size * 96.0 / 72.0))));
    f.setBold(font.bold);
    f.setItalic(font.italic);
    f.setUnderline(font.underline);
    return f;
}

QColor toQColor(Color c) { return QColor(redOf(c), greenOf(c), blueOf(c)); }

QString plainCaption(const std::string& caption) {
    QString in = qs(caption);
    QString out;
    for (qsizetype i = 0; i < in.size(); ++i) {
        if (in[i] == '&') {
            if (i + 1 < in.size() && in[i + 1] == '&') {
                out += '&';
                ++i;
            }
            continue;
        }
        out += in[i];
    }
    return out;
}

// --- PictureWidget ---

PictureWidget::PictureWidget(PictureBox& box, QWidget* parent) : QWidget(parent), box_(&box) {
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void PictureWidget::paintEvent(QPaintEvent*) {
    QPainter p(this);
    if (!box_) return;
    p.fillRect(rect(), toQColor(box_->backColor().value_or(Colors::White)));
    int inset = 0;
    if (box_->bordered()) {
        // A sunken border of two pixels.
        p.setPen(QColor(128, 128, 128));
        p.drawLine(0, 0, width() - 1, 0);
        p.drawLine(0, 0, 0, height() - 1);
        p.setPen(QColor(64, 64, 64));
        p.drawLine(1, 1, width() - 2, 1);
        p.drawLine(1, 1, 1, height() - 2);
        p.setPen(QColor(255, 255, 255));
        p.drawLine(0, height() - 1, width() - 1, height() - 1);
        p.drawLine(width() - 1, 0, width() - 1, height() - 1);
        inset = 2;
    }
    if (!box_->picture().empty()) {
        QPixmap pix(qs(box_->picture()));
        if (!pix.isNull()) p.drawPixmap(inset, inset, pix);
    }
    p.setClipRect(inset, inset, width() - 2 * inset, height() - 2 * inset);
    p.translate(inset, inset);
    for (const DrawCommand& c : box_->displayList()) {
        QColor color = toQColor(c.color);
        QPen pen(color, c.lineWidth);
        pen.setCapStyle(Qt::FlatCap);
        p.setPen(pen);
        p.setBrush(Qt::NoBrush);
        QRectF r(QPointF(std::min(c.x1, c.x2), std::min(c.y1, c.y2)), QPointF(std::max(c.x1, c.x2), std::max(c.y1, c.y2)));
        switch (c.kind) {
        case DrawCommand::Kind::Line: p.drawLine(QPointF(c.x1, c.y1), QPointF(c.x2, c.y2)); break;
        case DrawCommand::Kind::Box: p.drawRect(r); break;
        case DrawCommand::Kind::FilledBox: p.fillRect(r.adjusted(0, 0, 1, 1), color); break;
        case DrawCommand::Kind::Text: {
            QFont f = mapFont(c.font);
            p.setFont(f);
            QFontMetrics m(f);
            p.drawText(QPointF(c.x1, c.y1 + m.ascent()), qs(c.text));
            break;
        }
        }
    }
}

void PictureWidget::mousePressEvent(QMouseEvent* e) {
    if (box_ && e->button() == Qt::LeftButton && box_->isEffectivelyEnabled())
        static_cast<QtPlatform&>(box_->platform()).run([&] { box_->fireClick(); });
}

// --- GraphicWidget ---

GraphicWidget::GraphicWidget(Control& control, QWidget* parent) : QWidget(parent), control_(&control) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
    place();
}

void GraphicWidget::place() {
    if (!control_) return;
    const Place& pl = control_->place();
    if (control_->kind() == ControlKind::Line) {
        auto& line = static_cast<Line&>(*control_);
        int margin = line.borderWidth() + 1;
        int x1 = std::min(line.x1(), line.x2()) / TwipsPerPixel - margin;
        int y1 = std::min(line.y1(), line.y2()) / TwipsPerPixel - margin;
        int x2 = std::max(line.x1(), line.x2()) / TwipsPerPixel + margin;
        int y2 = std::max(line.y1(), line.y2()) / TwipsPerPixel + margin;
        setGeometry(x1, y1, x2 - x1 + 1, y2 - y1 + 1);
    } else {
        setGeometry(pl.left / TwipsPerPixel, pl.top / TwipsPerPixel, std::max(1, pl.width / TwipsPerPixel),
                    std::max(1, pl.height / TwipsPerPixel));
    }
}

void GraphicWidget::paintEvent(QPaintEvent*) {
    if (!control_) return;
    QPainter p(this);
    if (control_->kind() == ControlKind::Line) {
        auto& line = static_cast<Line&>(*control_);
        QPen pen(toQColor(line.borderColor()), line.borderWidth());
        if (line.dashed()) pen.setStyle(Qt::DashLine);
        p.setPen(pen);
        QPoint origin = pos();
        p.drawLine(QPoint(line.x1() / TwipsPerPixel, line.y1() / TwipsPerPixel) - origin,
                   QPoint(line.x2() / TwipsPerPixel, line.y2() / TwipsPerPixel) - origin);
        return;
    }
    auto& shape = static_cast<Shape&>(*control_);
    QPen pen(toQColor(shape.borderColor()), shape.borderWidth());
    p.setPen(pen);
    p.setBrush(shape.filled() ? QBrush(toQColor(shape.fillColor())) : QBrush(Qt::NoBrush));
    int w = shape.borderWidth();
    QRect r = rect().adjusted(w / 2, w / 2, -(w + 1) / 2, -(w + 1) / 2);
    if (shape.shape() == ShapeKind::Square || shape.shape() == ShapeKind::Circle) {
        int side = std::min(r.width(), r.height());
        r = QRect(r.left() + (r.width() - side) / 2, r.top() + (r.height() - side) / 2, side, side);
    }
    switch (shape.shape()) {
    case ShapeKind::Rectangle:
    case ShapeKind::Square: p.drawRect(r); break;
    case ShapeKind::Oval:
    case ShapeKind::Circle: p.drawEllipse(r); break;
    case ShapeKind::RoundedRectangle: p.drawRoundedRect(r, 6, 6); break;
    }
}

}  // namespace quorvel::platform::qt
