#include "platform/forms/picture_box.h"

#include "platform/forms/form.h"

namespace quorvel::platform {

namespace {
constexpr int BorderPixels = 2;  // each side of a bordered box
}

PictureBox::PictureBox(Form& form, std::string name, Place place, Control* container)
    : Control(form, ControlKind::PictureBox, std::move(name), place, container) {}

void PictureBox::setBordered(bool b) {
    if (b == bordered_) return;
    bordered_ = b;
    changed();
}

void PictureBox::setPicture(const std::string& p) {
    if (p == picture_) return;
    picture_ = p;
    changed();
}

Color PictureBox::drawColor() const { return foreColor().value_or(Colors::Black); }

double PictureBox::toPixels(double v) const { return scaleMode_ == ScaleMode::Pixels ? v : v / TwipsPerPixel; }

double PictureBox::fromPixels(double v) const { return scaleMode_ == ScaleMode::Pixels ? v : v * TwipsPerPixel; }

double PictureBox::scaleWidth() const {
    int inner = width() / TwipsPerPixel - (bordered_ ? 2 * BorderPixels : 0);
    return fromPixels(inner < 0 ? 0 : inner);
}

double PictureBox::scaleHeight() const {
    int inner = height() / TwipsPerPixel - (bordered_ ? 2 * BorderPixels : 0);
    return fromPixels(inner < 0 ? 0 : inner);
}

double PictureBox::textWidth(const std::string& text) const {
    return fromPixels(platform().textWidthPixels(font(), text));
}

double PictureBox::textHeight(const std::string&) const {
    return fromPixels(platform().textHeightPixels(font()));
}

void PictureBox::add(DrawCommand c) {
    displayList_.push_back(std::move(c));
    changed();
}

void PictureBox::cls() {
    displayList_.clear();
    currentX_ = 0;
    currentY_ = 0;
    changed();
}

void PictureBox::line(double x1, double y1, double x2, double y2) { line(x1, y1, x2, y2, drawColor()); }

void PictureBox::line(double x1, double y1, double x2, double y2, Color c) {
    add({DrawCommand::Kind::Line, toPixels(x1), toPixels(y1), toPixels(x2), toPixels(y2), c, drawWidth_, {}, {}});
    currentX_ = x2;
    currentY_ = y2;
}

void PictureBox::box(double x1, double y1, double x2, double y2, Color c) {
    add({DrawCommand::Kind::Box, toPixels(x1), toPixels(y1), toPixels(x2), toPixels(y2), c, drawWidth_, {}, {}});
    currentX_ = x2;
    currentY_ = y2;
}

void PictureBox::filledBox(double x1, double y1, double x2, double y2, Color c) {
    add({DrawCommand::Kind::FilledBox, toPixels(x1), toPixels(y1), toPixels(x2), toPixels(y2), c, drawWidth_, {},
         {}});
    currentX_ = x2;
    currentY_ = y2;
}

void PictureBox::print(const std::string& text) {
    add({DrawCommand::Kind::Text, toPixels(currentX_), toPixels(currentY_), 0, 0, drawColor(), drawWidth_, text,
         font()});
    currentX_ = 0;
    currentY_ += textHeight(text);
}

}  // namespace quorvel::platform
