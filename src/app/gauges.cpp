#include "app/gauges.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "report/verdict.h"

namespace quorvel::app {

namespace {

constexpr double FullScale = 1.3;     // the ratio drawn over the full bar width
constexpr double TextCap = 9.99;        // "999" at most

// The gauge text: percent rounded to a whole number, halves away from zero.
// An exceeded ratio above 1 never reads 100 or less (100.4 % would round to
// a red "100", which reads as adequate): it reads at least 101. A negative
// ratio reads with its minus sign, at most -1 (never a red "0").
std::string percentText(double value, bool exceeded) {
    double percent = std::round(100.0 * std::min(value, TextCap));
    if (exceeded && value > 1.0) percent = std::max(percent, 101.0);
    if (exceeded && value < 0.0) percent = std::min(percent, -1.0);
    return std::to_string(static_cast<long long>(percent));
}

// The ratio a gauge draws and writes, as a single: one that is not a
// number is drawn as the cap (exceeded), one beyond it as the cap.
double shownRatio(double value) {
    return std::isfinite(value) ? static_cast<double>(static_cast<float>(std::clamp(value, -TextCap, TextCap)))
                                : TextCap;
}

}  // namespace

namespace {

// The gauge's face: its font, cleared, in pixels; the width of the text
// zone at the left ("999,").
double prepareFace(platform::PictureBox& pic) {
    pic.setFont(platform::Font{"MS Serif", 6.75});
    pic.cls();
    pic.setDrawWidth(1);
    pic.setScaleMode(platform::ScaleMode::Pixels);
    return std::round(pic.textWidth("999,"));
}

// The black marks over the full height: the left edge, 0 % and 100 %.
void drawMarks(platform::PictureBox& pic, double tw) {
    const double sw = std::floor(pic.scaleWidth());
    const double sh = std::floor(pic.scaleHeight());
    const float span = static_cast<float>(sw - tw);
    pic.setDrawWidth(1);
    const platform::Color black = platform::paletteColor(0);
    pic.setDrawColor(black);
    pic.line(0, 0, 0, sh, black);
    pic.line(tw, 0, tw, sh, black);
    const double full = tw + std::floor(static_cast<double>(span) / FullScale);
    pic.line(full, 0, full, sh, black);
}

}  // namespace

void DrawGaugeNotApplicable(platform::PictureBox& pic, const std::string& text) {
    DrawGaugeWithWords(pic, text, std::nullopt);
}

void DrawGaugeWithWords(platform::PictureBox& pic, const std::string& words, std::optional<double> checkedRatio) {
    const double tw = prepareFace(pic);
    const double sh = std::floor(pic.scaleHeight());
    const bool exceeded = checkedRatio && report::UtilisationExceeded(*checkedRatio);
    const platform::Color color = exceeded ? platform::paletteColor(12) : platform::paletteColor(8);
    pic.setDrawColor(color);
    if (checkedRatio) {
        const std::string number = percentText(shownRatio(*checkedRatio), exceeded);
        pic.setCurrentX(2);
        pic.setCurrentY((sh - pic.textHeight(number)) / 2);
        pic.print(number);
    }
    pic.setCurrentX(tw + 3);
    pic.setCurrentY((sh - pic.textHeight(words)) / 2);
    pic.print(words);
    drawMarks(pic, tw);
}

void DrawGauge(platform::PictureBox& pic, double value, bool stale) {
    // The bar and the number are drawn from the ratio as a single. A ratio
    // that is not a number cannot be drawn to scale: show it as exceeded,
    // and keep it away from every integer conversion below (shownRatio). A
    // ratio beyond the text cap is drawn as the cap (past the right edge
    // either way). The colour is decided on the ratio itself, as the
    // results table does.
    const double v = shownRatio(value);

    const std::string text = percentText(v, report::UtilisationExceeded(value));
    const double tw = prepareFace(pic);
    platform::Color color;
    if (stale)
        color = platform::paletteColor(8);
    else
        color = report::UtilisationExceeded(value) ? platform::paletteColor(12) : platform::paletteColor(2);
    pic.setDrawColor(color);

    const double sw = std::floor(pic.scaleWidth());
    const double sh = std::floor(pic.scaleHeight());
    const float span = static_cast<float>(sw - tw);
    // A negative ratio is exceeded: its bar runs past the right edge, as an
    // infinite one's does, never leftwards over the number.
    const double bar = v < 0.0 ? TextCap : v;
    const double x = tw + std::floor(static_cast<double>(span * static_cast<float>(bar)) / FullScale);

    if (stale) {
        pic.line(tw, 0.1 * sh, x, 0.1 * sh, color);
        pic.line(tw, 0.8 * sh, x, 0.8 * sh, color);
        pic.line(tw, 0.1 * sh, tw, 0.8 * sh, color);
        pic.line(x, 0.1 * sh, x, 0.8 * sh, color);
    } else {
        pic.filledBox(tw, 0.1 * sh, x, 0.8 * sh, color);
    }

    pic.setCurrentX(2);
    pic.setCurrentY((sh - pic.textHeight(text)) / 2);
    pic.print(text);

    drawMarks(pic, tw);
}

}  // namespace quorvel::app
