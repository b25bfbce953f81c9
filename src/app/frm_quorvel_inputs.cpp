// The numeric boxes and the title boxes of the main window. Each box writes
// its model field while the user types (a numeric box only while its text
// is a number); numeric boxes filter keys and check the finished value when
// they lose the focus, by the number rule and the bounds of their row in
// the table of field limits. A refused value puts back the value the field
// held when the box took the focus, in the field and in the box. One table
// says, box by box, which field it edits and which rules apply; one handler
// per event serves them all. A title box refuses, as it is typed or pasted, a character the
// project file (Windows-1252) cannot hold.

#include <cmath>
#include <cstdio>
#include <memory>
#include <optional>

#include "app/beam_position.h"
#include "app/frm_quorvel_handlers.h"
#include "app/input_tools.h"
#include "app/language.h"
#include "model/topping_load.h"
#include "runtime/text_file.h"

namespace quorvel::app::mainwindow {

namespace {

using model::ProjectModel;
using platform::TextBox;
using runtime::Value;
using F = model::BeamFamily;

// What the Change event stores.
enum class OnChange {
    Number,           // the parsed number
    RightJointGrout,  // the parsed number, plus the edge beam's half top width
    Topping,          // the parsed number, then the topping load is recomputed
    Title,            // the text itself; the results stay valid
};

// What the LostFocus event checks besides the box's row of the table.
enum class OnLostFocus {
    Table,          // the bounds and default of the row
    BottomGap,      // default 10 for concrete beams (category 2), else 0
    JointGrout,     // the row; then the warning below 30 mm
    SupportLength,  // minimum 20 (0 for ME, HX, HQ); default from the slab catalogue
    FirstJoint,     // within half the beam span either way
};

using NumberField = Value& (*)(ProjectModel&);
using TextField = std::string& (*)(ProjectModel&);

struct BoxRule {
    TextBox frmQuorvel::*box;
    NumberField number;  // the field of a numeric box
    TextField text;      // the field of a title box
    OnChange change;
    OnLostFocus lostFocus;
    int side;  // 1 left, 2 right, where the check depends on the side; a title's line
};

template <NumberField F>
constexpr BoxRule numeric(TextBox frmQuorvel::*box, OnChange change, OnLostFocus lostFocus = OnLostFocus::Table,
                          int side = 0) {
    return {box, F, nullptr, change, lostFocus, side};
}

Value& spacingLeftStart(ProjectModel& m) { return m.BeamSpacing[4]; }
Value& spacingRightStart(ProjectModel& m) { return m.BeamSpacing[5]; }
Value& spacingLeftEnd(ProjectModel& m) { return m.BeamSpacing[7]; }
Value& spacingRightEnd(ProjectModel& m) { return m.BeamSpacing[8]; }
template <int S> Value& permanentLoad(ProjectModel& m) { return m.SlabImposedLoadPermanent(S); }
template <int S> Value& variableLoad(ProjectModel& m) { return m.SlabImposedLoadVariable(S); }
template <int S> Value& bottomGap(ProjectModel& m) { return m.SlabBottomGap(S); }
template <int S> Value& coreFilling(ProjectModel& m) { return m.CoreFillingLength(S); }
template <int S> Value& jointGrout(ProjectModel& m) { return m.JointGroutWidth(S); }
template <int S> Value& supportLength(ProjectModel& m) { return m.SlabSupportLength(S); }
Value& firstJoint(ProjectModel& m) { return m.FirstJointDistance; }
Value& toppingThickness(ProjectModel& m) { return m.ToppingThickness; }
Value& toppingArea(ProjectModel& m) { return m.ToppingReinforcementArea; }
Value& toppingStrength(ProjectModel& m) { return m.ToppingReinforcementStrength; }
std::string& title1(ProjectModel& m) { return m.TitleLine1; }
std::string& title2(ProjectModel& m) { return m.TitleLine2; }

using C = OnChange;
using L = OnLostFocus;
using W = frmQuorvel;

const BoxRule boxes[] = {
    numeric<spacingLeftStart>(&W::txtVasenalkuvali, C::Number),
    numeric<spacingRightStart>(&W::txtOikeaalkuvali, C::Number),
    numeric<spacingLeftEnd>(&W::txtVasenloppuvali, C::Number),
    numeric<spacingRightEnd>(&W::txtOikealoppuvali, C::Number),
    numeric<permanentLoad<1>>(&W::txtVasenlaatastopysyva, C::Number),
    numeric<permanentLoad<2>>(&W::txtOikealaatastopysyva, C::Number),
    numeric<variableLoad<1>>(&W::txtVasenlaatastomuuttuva, C::Number),
    numeric<variableLoad<2>>(&W::txtOikealaatastomuuttuva, C::Number),
    numeric<bottomGap<1>>(&W::txtVasenlaatanalavali, C::Number, L::BottomGap, 1),
    numeric<bottomGap<2>>(&W::txtOikealaatanalavali, C::Number, L::BottomGap, 2),
    numeric<coreFilling<1>>(&W::txtVasenontelotaytto, C::Number),
    numeric<coreFilling<2>>(&W::txtOikeaontelotaytto, C::Number),
    numeric<jointGrout<1>>(&W::txtVasensaumavalu, C::Number, L::JointGrout, 1),
    numeric<jointGrout<2>>(&W::txtOikeasaumavalu, C::RightJointGrout, L::JointGrout, 2),
    numeric<supportLength<1>>(&W::txtVasentukipituus, C::Number, L::SupportLength, 1),
    numeric<supportLength<2>>(&W::txtOikeatukipituus, C::Number, L::SupportLength, 2),
    numeric<firstJoint>(&W::txtSaumanetaisyys, C::Number, L::FirstJoint),
    numeric<toppingThickness>(&W::txtPintapaksuus, C::Topping),
    numeric<toppingArea>(&W::txtRaudoiteala, C::Number),
    numeric<toppingStrength>(&W::txtRaudoitelujuus, C::Number),
    {&W::txtOtsikko1, nullptr, title1, C::Title, L::Table, 1},
    {&W::txtOtsikko2, nullptr, title2, C::Title, L::Table, 2},
};

// The first character of text that Windows-1252 cannot hold; nothing when
// the project file holds the text as it stands.
std::optional<std::string> unstorableCharacter(const std::string& text) {
    const auto unheld = runtime::firstUnheldCharacter(text);
    if (!unheld) return std::nullopt;
    return unheld->character;
}

// A title the file cannot hold goes no further than the box: the box gets
// the title back as it was (its Change then does nothing, while reverting
// is set), and one message names the box and the character.
bool refusedTitle(frmQuorvel& w, const BoxRule& r, bool& reverting) {
    TextBox& box = w.*r.box;
    const std::optional<std::string> character = unstorableCharacter(box.text());
    if (!character) return false;
    reverting = true;
    box.setText(r.text(w.model()));
    reverting = false;
    const std::string line = std::to_string(r.side);
    w.platform().messageBox(byLanguage(w.model().LanguageIndex,
                                       "Otsikkorivi " + line + ": merkkiä \"" + *character +
                                           "\" ei voi tallentaa lähtötietoihin (Windows-1252).",
                                       "Title line " + line + ": the character \"" + *character +
                                           "\" cannot be saved in the input data (Windows-1252)."),
                            platform::Buttons::Ok, platform::Icon::Exclamation);
    return true;
}

void boxChanged(frmQuorvel& w, const BoxRule& r) {
    ProjectModel& m = w.model();
    const TextBox& box = w.*r.box;
    if (r.change == C::Title) {
        // A title is no input of the calculation: the results stay valid.
        // The saved files carry the titles, so they count as unsaved: the
        // title bar shows it and quitting asks, else the edit would be lost.
        r.text(m) = box.text();
        m.InputChanged = -1;
        m.InputSaved = 0;
        m.ResultsSaved = 0;
        w.showProjectTitle();
        return;
    }
    // A text that is no number (yet) leaves the field as it was; the check
    // when the box is left says so.
    const std::optional<double> read = readNumber(box.text());
    if (!read || !std::isfinite(static_cast<float>(*read))) return;
    const float parsed = static_cast<float>(*read);
    Value& field = r.number(m);
    switch (r.change) {
    case C::Number:
        field = parsed;
        break;
    case C::RightJointGrout:
        // The box shows the typed width; an edge beam keeps the half width with it.
        if (const double shift = m.IsMiddleBeam == 0 ? edgeJointGroutShift(m) : 0.0; shift != 0.0)
            field = static_cast<double>(parsed) + shift;
        else
            field = parsed;
        break;
    case C::Topping:
        field = parsed;
        model::ComputeToppingLoad(m);
        break;
    case C::Title:
        break;
    }
    MarkInputChanged(m, w);
}

// The support length offered for an empty box: the catalogue's default of
// the side's slab type (the last matching record), 0 without a match.
Value defaultSupportLength(const ProjectModel& m, int side) {
    Value result = 0;
    for (const model::SlabTypeRecord& record : m.SlabCatalogue)
        if (record.Name == m.SlabTypeName(side)) result = record.DefaultSupportLength;
    return result;
}

// What the window keeps for a box while the user edits it: the field's
// value and the box's text when the box took the focus, then what its
// check accepted or put in.
struct Kept {
    Value value;
    std::string text;
};

// The check of the box when it is left: the number rule with the bounds
// of its row and those worked out here. True when the value was accepted.
bool checkBox(frmQuorvel& w, const BoxRule& r, std::string& kept) {
    ProjectModel& m = w.model();
    TextBox& box = w.*r.box;
    const std::optional<F> family = model::FamilyOfTypeNameAsItStands(m.BeamTypeName);
    BoxCheck check = tableCheck(box);
    switch (r.lostFocus) {
    case L::Table:
    case L::JointGrout:
        break;
    case L::BottomGap:
        check.defaultValue = m.BeamCategory == 2 ? 10 : 0;
        break;
    case L::SupportLength: {
        const bool noMinimum = family == F::ME || family == F::HX || family == F::HQ;
        check.range.minimum = noMinimum ? 0 : 20;
        check.defaultValue = defaultSupportLength(m, r.side).number();
        break;
    }
    case L::FirstJoint:
        check.range.minimum = -m.BeamSpan / 2;
        check.range.maximum = m.BeamSpan / 2;
        break;
    }
    return CheckNumberBox(box, check, kept);
}

void boxLostFocus(frmQuorvel& w, const BoxRule& r, Kept& kept) {
    ProjectModel& m = w.model();
    const std::string_view prefix = rawTypePrefix(m);
    const Kept before = kept;  // the focus coming back to the box sets it anew
    const bool accepted = checkBox(w, r, kept.text);
    if (!accepted && kept.text == before.text) {
        // Refused: the box shows the value the field held before the edit,
        // and the field holds it exactly.
        r.number(m) = before.value;
        kept = before;
        if (r.change == C::Topping) model::ComputeToppingLoad(m);
        return;
    }
    // Accepted, or the default put in: the value a later refusal keeps.
    kept.value = r.number(m);
    switch (r.lostFocus) {
    case L::JointGrout: {
        if (!accepted) break;
        // Slabs on the ledges of these beams lie close to the web by design.
        // The code's letters as they stand, and the A BEAM W by its own
        // type name's spelling ("Apalkki") as well.
        const std::optional<F> family = model::FamilyOfTypeNameAsItStands(m.BeamTypeName);
        const bool narrowJoints = family == F::AP || family == F::AB || family == F::LB || family == F::KE ||
                                  prefix == model::FamilyInfo(F::AP).typeName.substr(0, 2);
        if (!narrowJoints && m.JointGroutWidth(r.side) < 30)
            ShowJointGroutWarning(w.platform());
        break;
    }
    default:
        break;
    }
}

// A topping load as the message shows it: three decimals, the user's mark.
std::string loadText(double v, char decimalMark) {
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.3f", v);
    std::string s = buffer;
    for (char& c : s)
        if (c == '.') c = decimalMark;
    return s;
}

}  // namespace

std::string boxText(const frmQuorvel& w, const Value& v) { return formatGeneral(v, w.platform()); }

std::string_view rawTypePrefix(const ProjectModel& m) {
    return std::string_view(m.BeamTypeName).substr(0, 2);
}

void wireNumericBoxes(frmQuorvel& w) {
    for (const BoxRule& r : boxes) {
        TextBox& box = w.*r.box;
        if (r.text) {
            auto reverting = std::make_shared<bool>(false);
            box.onChange = [&w, &r, reverting] {
                if (!*reverting && !refusedTitle(w, r, *reverting)) boxChanged(w, r);
            };
        } else {
            box.onChange = [&w, &r] { boxChanged(w, r); };
        }
        if (r.number) {
            box.onKeyPress = [&w](int& key) { FilterNumericKeyPress(key, -1, w.platform()); };
            auto kept = std::make_shared<Kept>();
            box.onGotFocus = [&w, &r, &box, kept] { *kept = {r.number(w.model()), box.text()}; };
            box.onLostFocus = [&w, &r, kept] { boxLostFocus(w, r, *kept); };
        }
    }
    w.txtPintapaksuus.onDblClick = [&w] { w.txtPintapaksuus_DblClick(); };
}

}  // namespace quorvel::app::mainwindow

namespace quorvel::app {

void frmQuorvel::wireInputHandlers() {
    mainwindow::wireNumericBoxes(*this);
    mainwindow::wireBeamOptions(*this);
    mainwindow::wireLists(*this);
}

void frmQuorvel::txtPintapaksuus_DblClick() {
    model::ProjectModel& m = model();
    model::ComputeToppingLoad(m);
    const char mark = platform().decimalMark();
    std::string message = byLanguage(platform(), "Pintabetonin aiheuttama kuorma ", "Load of the topping ");
    if (m.IsMiddleBeam != 0)
        message += mainwindow::loadText(m.ToppingLoad(1), mark) + byLanguage(platform(), " kN/m² (vasen) ja ", " kN/m² (left) and ");
    message += mainwindow::loadText(m.ToppingLoad(2), mark) + byLanguage(platform(), " kN/m² (oikea).", " kN/m² (right).");
    platform().messageBox(message, platform::Buttons::Ok, platform::Icon::Information,
                          byLanguage(platform(), "Pintabetoni", "Topping"));
}

}  // namespace quorvel::app
