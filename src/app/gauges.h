#pragma once
// The utilisation gauges of the main window: a horizontal bar with the value
// in percent. A current gauge is a filled bar, red when the utilisation is
// exceeded (above 100 %: report::UtilisationExceeded, the rule of the results
// table and the report too), green otherwise; a stale one (after an input change, before a calculation) is a
// grey outline with a grey number. The full bar width stands for 130 %.

#include <optional>
#include <string>

#include "platform/forms/picture_box.h"

namespace quorvel::app {

// Draws one gauge on the picture box. value is a utilisation ratio (1 =
// 100 %); a NaN or an infinite value is drawn as exceeded (999, past the
// right edge), a negative one as exceeded past the right edge with its
// signed number.
void DrawGauge(platform::PictureBox& pic, double value, bool stale);

// Draws a gauge whose check does not apply to the beam: no bar and no
// number, only text (the window's "not applicable") in grey in the bar's
// place, between the gauge's marks.
void DrawGaugeNotApplicable(platform::PictureBox& pic, const std::string& text);

// Draws a gauge whose check leaves a part unchecked (a hogging moment): no
// bar, the words in the bar's place, and the ratio of the part that is
// checked, where one is, in the number's place, never alone and never as
// a green bar: grey, or red with the words when that ratio is exceeded.
void DrawGaugeWithWords(platform::PictureBox& pic, const std::string& words, std::optional<double> checkedRatio);

}  // namespace quorvel::app
