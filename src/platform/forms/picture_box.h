#pragma once
// A picture box: a container for other controls and a drawing surface. The
// drawing commands are kept as a display list in pixels, which a backend
// paints and a test reads; cls empties it.

#include <string>
#include <vector>

#include "platform/forms/control.h"

namespace quorvel::platform {

struct DrawCommand {
    enum class Kind { Line, Box, FilledBox, Text };
    Kind kind;
    double x1 = 0, y1 = 0, x2 = 0, y2 = 0;  // pixels inside the box
    Color color = Colors::Black;
    int lineWidth = 1;                       // pixels
    std::string text;                        // Text: drawn with its top left at (x1, y1)
    Font font;
};

enum class ScaleMode { Twips, Pixels };

class PictureBox : public Control {
public:
    PictureBox(Form& form, std::string name, Place place, Control* container = nullptr);

    bool bordered() const { return bordered_; }
    void setBordered(bool b);
    const std::string& picture() const { return picture_; }
    void setPicture(const std::string& p);

    // Drawing state.
    ScaleMode scaleMode() const { return scaleMode_; }
    void setScaleMode(ScaleMode m) { scaleMode_ = m; }
    int drawWidth() const { return drawWidth_; }
    void setDrawWidth(int w) { drawWidth_ = w < 1 ? 1 : w; }
    // The pen colour of the drawing commands (the control's fore colour).
    Color drawColor() const;
    void setDrawColor(Color c) { setForeColor(c); }
    double currentX() const { return currentX_; }
    double currentY() const { return currentY_; }
    void setCurrentX(double x) { currentX_ = x; }
    void setCurrentY(double y) { currentY_ = y; }

    // The inner size, in the current scale.
    double scaleWidth() const;
    double scaleHeight() const;
    // Size of a text in the box's font, in the current scale.
    double textWidth(const std::string& text) const;
    double textHeight(const std::string& text = "A") const;

    // Drawing commands; coordinates in the current scale.
    void cls();
    void line(double x1, double y1, double x2, double y2);
    void line(double x1, double y1, double x2, double y2, Color c);
    void box(double x1, double y1, double x2, double y2, Color c);
    void filledBox(double x1, double y1, double x2, double y2, Color c);
    // Prints text at (currentX, currentY) in the draw colour, then moves to
    // the start of the next line.
    void print(const std::string& text);

    const std::vector<DrawCommand>& displayList() const { return displayList_; }

private:
    double toPixels(double v) const;
    double fromPixels(double v) const;
    void add(DrawCommand c);

    bool bordered_ = true;
    std::string picture_;
    ScaleMode scaleMode_ = ScaleMode::Twips;
    int drawWidth_ = 1;
    double currentX_ = 0;
    double currentY_ = 0;
    std::vector<DrawCommand> displayList_;
};

}  // namespace quorvel::platform
