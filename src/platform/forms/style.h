#pragma once
// Places, fonts and colours of windows and controls. Places are in twips
// (1440 to an inch, 15 to a pixel at 96 dpi); colours are 0xRRGGBB.

#include <cstdint>
#include <string>

namespace quorvel::platform {

constexpr int TwipsPerPixel = 15;

struct Place {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
};

struct Font {
    std::string name = "MS Sans Serif";
    double size = 8.25;  // points
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool operator==(const Font&) const = default;
};

using Color = uint32_t;

constexpr Color rgb(int r, int g, int b) {
    return (static_cast<Color>(r & 0xFF) << 16) | (static_cast<Color>(g & 0xFF) << 8) |
           static_cast<Color>(b & 0xFF);
}
constexpr int redOf(Color c) { return (c >> 16) & 0xFF; }
constexpr int greenOf(Color c) { return (c >> 8) & 0xFF; }
constexpr int blueOf(Color c) { return c & 0xFF; }

// The standard 16-colour palette: 0 black, 1 blue, 2 green, 3 cyan, 4 red,
// 5 magenta, 6 yellow, 7 white (light grey), 8 grey, 9 light blue,
// 10 light green, 11 light cyan, 12 light red, 13 light magenta,
// 14 light yellow, 15 bright white. Other numbers give black.
constexpr Color paletteColor(int n) {
    constexpr Color table[16] = {rgb(0, 0, 0),       rgb(0, 0, 128),     rgb(0, 128, 0),
                                 rgb(0, 128, 128),   rgb(128, 0, 0),     rgb(128, 0, 128),
                                 rgb(128, 128, 0),   rgb(192, 192, 192), rgb(128, 128, 128),
                                 rgb(0, 0, 255),     rgb(0, 255, 0),     rgb(0, 255, 255),
                                 rgb(255, 0, 0),     rgb(255, 0, 255),   rgb(255, 255, 0),
                                 rgb(255, 255, 255)};
    return (n >= 0 && n < 16) ? table[n] : table[0];
}

namespace Colors {
constexpr Color Black = rgb(0, 0, 0);
constexpr Color White = rgb(255, 255, 255);
constexpr Color ButtonFace = rgb(212, 208, 200);
constexpr Color WindowText = rgb(0, 0, 0);
constexpr Color Window = rgb(255, 255, 255);
}  // namespace Colors

}  // namespace quorvel::platform
