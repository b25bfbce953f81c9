#pragma once
// What every input dialog shares: loading (centre, language, the changed
// flag cleared last), the changed flag, numeric boxes (key filter, the
// check when the box is left, the comma as decimal mark), the OK flow
// (every box in use checked first, so that OK and Enter never write a
// refused text; the contradiction question; the model written only when
// something changed) and cancel. A dialog derives from
// InputDialog, holds its controls under their names and calls these
// helpers from its handlers.

#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>

#include "app/geometry_checks.h"
#include "app/input_tools.h"
#include "model/field_limits.h"
#include "model/project_model.h"
#include "platform/forms/form.h"
#include "runtime/value.h"

namespace quorvel::dialogs {

using model::ProjectModel;
using runtime::Value;

// The caption of a strand row group's strength box. The calculation
// designs strands with fpd = the box's value / gamma_s, which EN 1992-1-1
// 3.3.6(7) gives for the 0.1 % proof stress, so the box takes fp0.1k (the
// tensile strength fpk typed there would give a design strength 1 / 0.88
// times too high). A box that takes bars or strands (a value above 1000 MPa
// is designed as prestressing steel) names both; the boxes of bars only keep
// "Teräksen ominaislujuus" (fyk).
inline constexpr const char* StrandStrengthCaption = model::StrandStrengthName;
inline constexpr const char* BarOrStrandStrengthCaption = model::BarOrStrandStrengthName;

// Background colours of boxes that are in use and not in use.
inline constexpr platform::Color BoxInUse = platform::rgb(0xFF, 0xFF, 0xFF);
inline constexpr platform::Color BoxNotInUse = platform::rgb(0xE0, 0xE0, 0xE0);

// The largest and smallest whole number a 16-bit field holds.
inline constexpr int Int16Min = -32768;
inline constexpr int Int16Max = 32767;

// A number as a 16-bit whole number: rounded half to even and held to
// -32768..32767 (a value beyond either end becomes that end, a NaN 0), so
// no typed or stored number can overflow a 16-bit field.
int16_t heldInt16(double x);

class InputDialog : public platform::Form {
public:
    InputDialog(ProjectModel& m, platform::Platform& p, std::string name, const std::string& caption,
                int clientWidth, int clientHeight);

    // 1 after an edit since loading, else 0.
    int16_t changedFlag() const { return changed_; }

protected:
    ProjectModel& model() const { return model_; }

    // First load steps: centre the window, captions in the user's language.
    void beginLoad();
    // Last load step: SubFormChanged and the changed flag to 0.
    void endLoad();
    void markChanged() { changed_ = 1; }
    void clearChanged() { changed_ = 0; }

    // --- numbers in boxes ---
    // The number of a typed text; "," and "." both count as the decimal
    // mark. A text without a number gives 0.
    float number(const std::string& text) const;
    float number(const platform::TextBox& box) const { return number(box.text()); }
    float number(const platform::ComboBox& box) const { return number(box.text()); }
    // A value as a box shows it (general number format, the user's mark).
    std::string shown(const Value& v) const;
    std::string shown(double v) const { return shown(Value(static_cast<float>(v))); }

    // --- numeric boxes ---
    // The numeric key filter (with its beep) on the box.
    void filterKeys(platform::Control& box);
    // The box's check when it loses the focus: bounds gives what the box
    // accepts at that moment (it may depend on other input), leave runs the
    // number rule with them and what follows, and returns false when it
    // refused the value (the box then has the focus back). leave gets the
    // text of the value the window keeps for the box (its text when it took
    // the focus), which a refused text gives way to. OK runs the check of
    // every box in use whose text bounds would refuse.
    // The box takes keys by the number key rule of every window.
    using Leave = std::function<bool(std::string& kept)>;
    void checkOnLeave(platform::Control& box, std::function<app::BoxCheck()> bounds, Leave leave);
    // A box that holds a designation rather than a number: fault gives
    // what is wrong with its text, in the windows' language, or nothing
    // when the text is taken. Leaving the box takes the blanks around the
    // designation away. Left with a fault, or met so by OK, the box
    // gets one message with its name and gives way to the designation the
    // window keeps, selected, keeping the focus (as a refused number does).
    void checkDesignation(platform::Control& box, std::function<std::optional<std::string>()> fault);
    // The number rule with bounds when the box is left; after runs when the
    // value was accepted.
    void checkByBounds(platform::Control& box, std::function<app::BoxCheck()> bounds,
                       std::function<void()> after = {});
    // A count or number box beside the spin bar that holds its value (the
    // bar's Change shows the value in the box and runs the window's rule):
    // a count typed (typedCount) moves the bar at once (held to the bar's
    // range, which the box then shows), and so do the up and down arrow
    // keys; leaving the box checks it by its row (a count that is not whole
    // is refused with a message). A refused text gives way to the count
    // before it began to be typed, in the box and the bar: "3,5" over 1
    // gives back 1, though its "3" moved the bar.
    void spinBox(platform::TextBox& box, platform::VScrollBar& bar);
    // The box checked by the number rule with the bounds and default of
    // its row in the table of field limits.
    void checkByTable(platform::Control& box);
    // The same with bounds worked out when the box is left: adjust gets
    // the row's check and sets what depends on other input.
    void checkByTable(platform::Control& box, std::function<void(app::BoxCheck&)> adjust);
    // The box's row with a minimum worked out when it is left (the row's
    // maximum stays), or with both bounds, and the default for an empty
    // box; whole numbers where the row says so.
    static app::BoxCheck minimumCheck(const platform::Control& box, double minimum, double defaultValue);
    static app::BoxCheck rangeCheck(const platform::Control& box, double minimum, double maximum,
                                    double defaultValue);
    // Whether the box's text is a number its field can hold (finite at
    // single precision, whole where the box takes whole numbers): what a
    // change handler may store while the user types. The bounds are
    // checked when the box is left; withinBounds also asks for the fixed
    // bounds of the box's row (a count or row number acts on nothing else).
    bool acceptable(const platform::Control& box, bool withinBounds = false) const;
    // Whether a count or row number box holds a whole number in plain
    // digits within its row's bounds: what moves its count while it is
    // typed. A text with a decimal mark or an exponent ("2,5", "2.") stays
    // as typed, so that the next keys add to it, until the box is left.
    bool typedCount(const platform::Control& box) const;

    // --- OK and cancel ---
    // Whether every box in use holds a value its check accepts: first the
    // box that has the focus is checked as if it were left (OK pressed with
    // Enter does not move the focus), then each other box a user can reach
    // whose text its check would not take as it stands: the first such box
    // gets the focus and its check's message, and the result is false.
    // Boxes hidden or disabled (a side or a load not in use) are not in use.
    bool everyBoxAccepted();
    // The contradiction question: the lines under "Ristiriitaisuuksia
    // lähtötiedoissa:" and the question, in the window's language. True
    // when the user chose to go on editing (Yes): the dialog stays open and
    // writes nothing.
    bool keepEditing(const std::string& lines, const std::string& finnishQuestion,
                     const std::string& englishQuestion);
    // A line of the dialog's own contradiction check, in the window's
    // language.
    std::string contradiction(app::Contradiction line) const {
        return app::ContradictionLine(line, model_.LanguageIndex);
    }
    // Writes the model when the changed flag is set and sets SubFormChanged
    // (1 when written, else 0); then the dialog closes.
    void closeWriting(const std::function<void(ProjectModel&)>& write);
    // SubFormChanged := 0 and the dialog closes; nothing is written.
    void cancel();

    // The OK and cancel buttons: OK is the default button (Enter), cancel
    // the cancel button (Escape). okClick runs only when every box in use
    // was accepted.
    void wireButtons(platform::CommandButton& ok, platform::CommandButton& cancelButton,
                     std::function<void()> okClick);

private:
    // Every box with a row in the table and no check of its own is checked
    // by its row (run when the window loads).
    void checkRemainingBoxes();

    struct BoxRule {
        std::function<app::BoxCheck()> bounds;
        Leave leave;
        std::shared_ptr<std::string> kept;
        std::function<bool()> taken = {};  // whether the text stands as it is, where bounds do not say it
    };
    // The check of a box when it is left, without a key rule.
    void watchOnLeave(platform::Control& box, std::function<app::BoxCheck()> bounds, Leave leave);
    // Runs the box's check as leaving it does.
    bool checkLeft(platform::Control& box);

    ProjectModel& model_;
    int16_t changed_ = 0;
    std::map<const platform::Control*, BoxRule> checks_;
    bool remainingChecked_ = false;
};

}  // namespace quorvel::dialogs
