// The utilisation gauges as display lists: bar, colour, number and the 0 %
// and 100 % marks.

#include "app/gauges.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <optional>
#include <tuple>
#include <utility>

#include "platform/forms/form.h"
#include "platform/headless/headless_platform.h"

namespace quorvel::app {
namespace {

using platform::DrawCommand;
using Kind = platform::DrawCommand::Kind;

constexpr platform::Color Red = platform::rgb(255, 0, 0);
constexpr platform::Color Green = platform::rgb(0, 128, 0);
constexpr platform::Color Grey = platform::rgb(128, 128, 128);
constexpr platform::Color Black = platform::rgb(0, 0, 0);

class frmMittari : public platform::Form {
public:
    explicit frmMittari(platform::Platform& p) : Form(p, "frmMittari", "", 4000, 1000) {}
    platform::PictureBox picMittari{*this, "picMittari", {0, 0, 3015, 255}};
};

// What one gauge shows, read back from its display list.
struct Gauge {
    std::vector<const DrawCommand*> bar;  // the filled box or the four outline lines
    const DrawCommand* text = nullptr;
    std::vector<const DrawCommand*> marks;  // black: left edge, 0 %, 100 %
    double barEnd() const { return bar.front()->x2; }
    platform::Color barColor() const { return bar.front()->color; }
};

class Gauges : public ::testing::Test {
protected:
    Gauge draw(float value, bool stale) {
        DrawGauge(form.picMittari, value, stale);
        Gauge g;
        for (const DrawCommand& c : form.picMittari.displayList()) {
            if (c.kind == Kind::Text)
                g.text = &c;
            else if (g.text)
                g.marks.push_back(&c);
            else
                g.bar.push_back(&c);
        }
        EXPECT_NE(g.text, nullptr);
        EXPECT_EQ(g.marks.size(), 3u);
        return g;
    }
    double zeroMark(const Gauge& g) const { return g.marks[1]->x1; }
    double fullMark(const Gauge& g) const { return g.marks[2]->x1; }
    double innerWidth() const { return std::floor(form.picMittari.scaleWidth()); }

    platform::HeadlessPlatform ui;
    frmMittari form{ui};
};

TEST_F(Gauges, MarksAreBlackAndTheTextZoneIsTheWidthOf999) {
    Gauge g = draw(0.5f, false);
    const int textZone = ui.textWidthPixels(platform::Font{"MS Serif", 6.75}, "999,");
    EXPECT_EQ(g.marks[0]->x1, 0);
    EXPECT_EQ(zeroMark(g), textZone);
    // The full bar stands for 130 %: the 100 % mark lies at 1/1.3 of it.
    EXPECT_EQ(fullMark(g), textZone + std::floor((innerWidth() - textZone) / 1.3));
    for (const DrawCommand* mark : g.marks) EXPECT_EQ(mark->color, Black);
    EXPECT_EQ(g.text->x1, 2);
}

TEST_F(Gauges, ZeroIsAStrokeAtTheZeroMark) {
    Gauge g = draw(0.0f, false);
    ASSERT_EQ(g.bar.size(), 1u);
    EXPECT_EQ(g.bar[0]->kind, Kind::FilledBox);
    EXPECT_EQ(g.bar[0]->x1, zeroMark(g));
    EXPECT_EQ(g.barEnd(), zeroMark(g));
    EXPECT_EQ(g.barColor(), Green);
    EXPECT_EQ(g.text->text, "0");
}

TEST_F(Gauges, FullUtilisationEndsAtTheHundredMark) {
    Gauge g = draw(1.0f, false);
    EXPECT_EQ(g.barEnd(), fullMark(g));
    EXPECT_EQ(g.barColor(), Green);
    EXPECT_EQ(g.text->text, "100");
}

// Red exactly when the ratio is above 1, and a red gauge never reads 100.
TEST_F(Gauges, RedAboveOneHundredPercent) {
    for (auto [value, color, text] :
         {std::tuple{0.999f, Green, "100"}, std::tuple{1.0f, Green, "100"}, std::tuple{1.0001f, Red, "101"},
          std::tuple{1.003f, Red, "101"}, std::tuple{1.006f, Red, "101"}, std::tuple{1.016f, Red, "102"}}) {
        Gauge g = draw(value, false);
        EXPECT_EQ(g.barColor(), color) << value;
        EXPECT_EQ(g.text->color, color) << value;
        EXPECT_EQ(g.text->text, text) << value;
    }
}

TEST_F(Gauges, ALargeRatioShows999AndRunsPastTheEdge) {
    Gauge g = draw(12.0f, false);
    EXPECT_EQ(g.text->text, "999");
    EXPECT_EQ(g.barColor(), Red);
    EXPECT_GT(g.barEnd(), innerWidth());
}

TEST_F(Gauges, AStaleGaugeIsAGreyOutlineOfTheSameLength) {
    Gauge current = draw(0.8f, false);
    const double end = current.barEnd();
    Gauge g = draw(0.8f, true);
    ASSERT_EQ(g.bar.size(), 4u);
    for (const DrawCommand* side : g.bar) {
        EXPECT_EQ(side->kind, Kind::Line);
        EXPECT_EQ(side->color, Grey);
    }
    EXPECT_EQ(g.bar[0]->x2, end);
    EXPECT_EQ(g.text->text, "80");
    EXPECT_EQ(g.text->color, Grey);
}

// A negative ratio is exceeded (a resistance below 0): it reads with its
// sign and its bar runs past the right edge, red while current, grey while
// stale; never a green bar of its magnitude (-0.553 once read a green 55).
TEST_F(Gauges, ANegativeRatioIsExceededAndReadsWithItsSign) {
    for (auto [value, text] : {std::pair{-0.553f, "-55"}, std::pair{-1.5f, "-150"}, std::pair{-0.001f, "-1"}}) {
        for (bool stale : {false, true}) {
            Gauge g = draw(value, stale);
            EXPECT_EQ(g.text->text, text) << value;
            EXPECT_EQ(g.barColor(), stale ? Grey : Red) << value;
            EXPECT_GT(g.barEnd(), innerWidth()) << value;
        }
    }
}

TEST_F(Gauges, ARatioThatIsNotANumberIsDrawnAsExceeded) {
    for (float bad : {std::numeric_limits<float>::quiet_NaN(), std::numeric_limits<float>::infinity(),
                      -std::numeric_limits<float>::infinity()}) {
        Gauge g = draw(bad, false);
        EXPECT_EQ(g.text->text, "999");
        EXPECT_EQ(g.barColor(), Red);
        EXPECT_TRUE(std::isfinite(g.barEnd()));
        EXPECT_GT(g.barEnd(), innerWidth());
        Gauge stale = draw(bad, true);
        EXPECT_EQ(stale.barColor(), Grey);
    }
}

// A gauge with words (a hogging moment not checked): never a bar; the
// words in the bar's place, fitting between its marks with the widest
// moment; the checked ratio, where there is one, in the number's place,
// grey, or red with the words once exceeded (a NaN reads 999, exceeded).
TEST_F(Gauges, WordsStandInTheBarsPlaceWithTheCheckedRatioBesideThem) {
    const std::string words = "neg. -11500,0 kNm ei tarkisteta";
    const struct {
        std::optional<double> ratio;
        const char* number;  // none without a ratio
        platform::Color color;
    } rows[] = {
        {std::nullopt, nullptr, Grey},
        {0.5, "50", Grey},
        {1.0, "100", Grey},
        {1.003, "101", Red},
        {std::numeric_limits<double>::quiet_NaN(), "999", Red},
    };
    const int textZone = ui.textWidthPixels(platform::Font{"MS Serif", 6.75}, "999,");
    for (const auto& row : rows) {
        DrawGaugeWithWords(form.picMittari, words, row.ratio);
        std::vector<const DrawCommand*> shown;
        int lines = 0;
        for (const DrawCommand& c : form.picMittari.displayList()) {
            EXPECT_NE(c.kind, Kind::FilledBox);
            if (c.kind == Kind::Text) shown.push_back(&c);
            if (c.kind == Kind::Line) ++lines;
        }
        EXPECT_EQ(lines, 3);  // the marks only
        ASSERT_EQ(shown.size(), row.number ? 2u : 1u);
        if (row.number) {
            EXPECT_EQ(shown[0]->text, row.number);
            EXPECT_EQ(shown[0]->color, row.color);
            EXPECT_EQ(shown[0]->x1, 2);
        }
        EXPECT_EQ(shown.back()->text, words);
        EXPECT_EQ(shown.back()->color, row.color);
        EXPECT_EQ(shown.back()->x1, textZone + 3);
        EXPECT_LE(shown.back()->x1 + ui.textWidthPixels(platform::Font{"MS Serif", 6.75}, words), innerWidth());
    }
}

}  // namespace
}  // namespace quorvel::app
