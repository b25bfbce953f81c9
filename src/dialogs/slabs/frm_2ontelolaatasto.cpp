#include "dialogs/slabs/frm_2ontelolaatasto.h"

#include <algorithm>
#include <initializer_list>

#include "app/geometry_checks.h"
#include "app/language.h"
#include "app/slab_catalogue.h"

namespace quorvel::dialogs {

namespace {

const char* const CrLf = "\r\n";

// The grade lists: the items, and a stored value that is not among them
// added as one more item; the matching item is selected.
void fillGradeList(platform::ComboBox& combo, std::initializer_list<int> items, const Value& stored,
                   const std::string& storedText) {
    int selected = -1;
    for (int item : items) {
        if (stored.number() == item) selected = combo.listCount();
        combo.addItem(std::to_string(item));
    }
    if (selected < 0) {
        combo.addItem(storedText);
        selected = combo.listCount() - 1;
    }
    combo.setListIndex(selected);
}

// A class list "1", "2", "3": a stored code outside them shows as 2, which
// OK then stores; opening the window does not change the model.
void fillClassList(platform::ComboBox& combo, const Value& stored) {
    for (const char* item : {"1", "2", "3"}) combo.addItem(item);
    const double code = stored.number();
    combo.setListIndex(code == 1 || code == 2 || code == 3 ? static_cast<int>(code) - 1 : 1);
}

using IntCheck = int16_t (*)(const ProjectModel&, int16_t, float, float, std::string&);

using SingleCheck = int16_t (*)(const ProjectModel&, float, float, float, std::string&);
using F = model::BeamFamily;

// The module check of each beam family for the slab bearing, with the mode
// this window passes, one row per family in the enumeration's order;
// neither check: the plain beam check.
struct FamilyCheck {
    F family;
    IntCheck check;
    SingleCheck singleCheck;
    int16_t mode;
};

// clang-format off
constexpr FamilyCheck kFamilyChecks[] = {
    {F::SU, nullptr, nullptr, 1},                     {F::BL, app::CheckLedgeBeamGeometry, nullptr, 1},
    {F::JA, app::CheckLedgeBeamGeometry, nullptr, 1}, {F::BI, app::CheckIBeamGeometry, nullptr, 0},
    {F::KV, app::CheckKvatroBeamGeometry, nullptr, 0}, {F::BE, app::CheckSuperBeamGeometry, nullptr, 0},
    {F::LB, nullptr, nullptr, 1},                     {F::KE, nullptr, nullptr, 1},
    {F::AP, nullptr, nullptr, 1},                     {F::TI, app::CheckTiBeamGeometry, nullptr, 1},
    {F::HQ, app::CheckHqBeamGeometry, nullptr, 1},    {F::CW, nullptr, nullptr, 1},
    {F::DE, app::CheckDeltaBeamGeometry, nullptr, 1}, {F::ME, nullptr, app::CheckMekBeamGeometry, 1},
    {F::AB, nullptr, nullptr, 1},                     {F::HX, app::CheckHxBeamGeometry, nullptr, 1},
    {F::SX, nullptr, nullptr, 1},                     {F::XX, nullptr, nullptr, 1},
};
// clang-format on
static_assert(model::EveryFamilyInOrder(kFamilyChecks));

}  // namespace

struct frm2Ontelolaatasto::Field {
    platform::ComboBox* type;
    platform::ComboBox* strands;
    platform::TextBox* top;
    platform::TextBox* stress;
    platform::TextBox* loss;
    platform::ComboBox* concrete;
    platform::TextBox* coreFill;
    platform::TextBox* gap;
    platform::TextBox* grout;
    platform::TextBox* support;
};

frm2Ontelolaatasto::Field frm2Ontelolaatasto::field(int side) {
    if (side == 1)
        return {&cboVasenlaattatyyppi, &cboVasenalapunos,      &txtVasenylapunos,     &txtVasenjannitys,
                &txtVasenjannityshavio, &cboVasenbetonilujuus, &txtVasenontelotaytto, &txtVasenlaatanalavali,
                &txtVasensaumavalu,     &txtVasentukipituus};
    return {&cboOikealaattatyyppi, &cboOikeaalapunos,      &txtOikeaylapunos,     &txtOikeajannitys,
            &txtOikeajannityshavio, &cboOikeabetonilujuus, &txtOikeaontelotaytto, &txtOikealaatanalavali,
            &txtOikeasaumavalu,     &txtOikeatukipituus};
}

frm2Ontelolaatasto::frm2Ontelolaatasto(ProjectModel& m, platform::Platform& p)
    : InputDialog(m, p, "frm2Ontelolaatasto", "Laatastot", 10320, 7560) {
    for (Shape* s : {&shpVasenlaatta, &shpOikealaatta}) s->setFill(true, platform::rgb(192, 192, 192));
    for (Shape* s : {&shpVasenpalkki, &shpOikeapalkki}) s->setFill(true, platform::rgb(128, 128, 128));
    cboVasenalapunos.setText("Combo1");
    cboOikeaalapunos.setText("Combo1");
    for (ComboBox* c : {&cboVasenbetonilujuus, &cboOikeabetonilujuus, &cboSaumabetoni, &cboPintabetoni}) {
        c->setText(c == &cboVasenbetonilujuus || c == &cboOikeabetonilujuus ? "50" : "30");
        c->setToolTip("EC2:n mukainen sylinterilujuus");
    }

    for (int side = 1; side <= 2; ++side) {
        const Field f = field(side);
        for (TextBox* box : {f.top, f.stress, f.loss, f.coreFill, f.gap, f.grout, f.support})
            box->onChange = [this] { markChanged(); };
        f.strands->onChange = [this] { markChanged(); };
        f.strands->onClick = [this] { markChanged(); };
        // An emptied bottom combo keeps the stored designation (OK says so).
        checkDesignation(*f.strands, [this, side] { return strandFault(side, model::StrandLayer::Bottom); });
        checkDesignation(*f.top, [this, side] { return strandFault(side, model::StrandLayer::Top); });
        f.type->onClick = [this, side] { slabTypeRule(side); };
        // The initial stress at most what the strands the side's boxes name
        // may be tensioned to.
        checkByTable(*f.stress, [this, f](app::BoxCheck& c) {
            if (const auto fpk = model().SlabCatalogue.weakestStrandStrength(f.strands->text(), f.top->text()))
                c.range.maximum = std::min(c.range.maximum, model::strandInitialStressLimit(*fpk));
        });
        checkByTable(*f.loss);
        checkOnLeave(*f.concrete, [box = f.concrete] { return app::tableCheck(*box); },
                     [this, side](std::string& kept) { return checkSlabConcrete(side, kept); });
        checkByTable(*f.gap, [this](app::BoxCheck& c) { c.defaultValue = model().BeamCategory.number() == 2 ? 10 : 0; });
        checkOnLeave(*f.grout, [this, side] { return jointGroutCheck(side); },
                     [this, side](std::string& kept) { return checkJointGrout(side, kept); });
        checkByBounds(*f.support, [this, side] { return supportLengthCheck(side); });
    }

    for (TextBox* box : {&txtPintapaksuus, &txtRaudoiteala, &txtRaudoitelujuus, &txtSaumanetaisyys})
        box->onChange = [this] { markChanged(); };
    for (platform::Control* box : std::initializer_list<platform::Control*>{
             &cboSaumabetoni, &cboPintabetoni, &txtPintapaksuus, &txtRaudoiteala, &txtRaudoitelujuus})
        checkByTable(*box);
    checkByTable(txtSaumanetaisyys, [this](app::BoxCheck& c) {
        const double half = 0.5 * model().BeamSpan.number();
        c.range.minimum = -half;
        c.range.maximum = half;
    });

    // A list pick marks a change when it differs from the stored value.
    struct Pick {
        ComboBox* combo;
        Value ProjectModel::*field;
        int concreteKind;  // ConcreteQualityClass element, 0 for a plain field
    };
    for (Pick pick : {Pick{&cboSaumabetoni, &ProjectModel::JointConcreteClass, 0},
                      Pick{&cboPintabetoni, &ProjectModel::ToppingConcreteClass, 0},
                      Pick{&cboSaumaluokka, nullptr, 3}, Pick{&cboPintaluokka, nullptr, 6}}) {
        pick.combo->onClick = [this, pick] {
            const ProjectModel& m = model();
            const double stored =
                pick.field ? (m.*pick.field).number() : m.ConcreteQualityClass(pick.concreteKind).number();
            if (number(*pick.combo) != static_cast<float>(stored)) markChanged();
        };
    }

    cmdKopioioikealle.onClick = [this] { cmdKopioioikealle_Click(); };
    cmdKopioivasemmalle.onClick = [this] { cmdKopioivasemmalle_Click(); };
    wireButtons(cmdOK, cmdPeruuta, [this] { cmdOK_Click(); });
    onLoad = [this] { Form_Load(); };
}

frm2Ontelolaatasto::~frm2Ontelolaatasto() = default;

std::optional<model::BeamFamily> frm2Ontelolaatasto::beamFamily() const {
    return model::FamilyOfTypeNameAsItStands(model().BeamTypeName);
}

void frm2Ontelolaatasto::Form_Load() {
    beginLoad();
    model().SubFormChanged = 0;
    clearChanged();
    strandListType_ = {};
    ProjectModel& m = model();

    // Slab types in catalogue order; a stored type the catalogue lacks (a
    // project made with another catalogue) is kept as one more item.
    for (int side = 1; side <= 2; ++side) {
        ComboBox& list = *field(side).type;
        list.clear();
        int selected = -1;
        for (int j = 1; j <= m.SlabTypeCount && j <= m.SlabCatalogue.size(); ++j) {
            if (selected < 0 && m.SlabCatalogue(j).Name == m.SlabTypeName(side)) selected = j - 1;
            list.addItem(m.SlabCatalogue(j).Name);
        }
        if (selected < 0 && !m.SlabTypeName(side).empty()) {
            list.addItem(m.SlabTypeName(side));
            selected = list.listCount() - 1;
        }
        if (selected < 0 && list.listCount() > 0) selected = 0;
        if (selected >= 0) list.setListIndex(selected);
    }
    for (int side = 1; side <= 2; ++side)
        fillGradeList(*field(side).concrete, {40, 50, 60}, m.SlabConcreteClass(side), shown(m.SlabConcreteClass(side)));
    fillGradeList(cboSaumabetoni, {16, 25, 30}, m.JointConcreteClass, shown(m.JointConcreteClass));
    fillClassList(cboSaumaluokka, m.ConcreteQualityClass(3));
    fillGradeList(cboPintabetoni, {20, 25, 30}, m.ToppingConcreteClass, shown(m.ToppingConcreteClass));
    fillClassList(cboPintaluokka, m.ConcreteQualityClass(6));
    FillStrandList(cboVasenalapunos, m.SlabTypeName(1), m.BottomStrandCode(1));
    FillStrandList(cboOikeaalapunos, m.SlabTypeName(2), m.BottomStrandCode(2));

    txtVasenylapunos.setText(m.TopStrandCode(1));
    txtOikeaylapunos.setText(m.TopStrandCode(2));
    txtVasenjannitys.setText(shown(m.StrandInitialStress(1)));
    txtOikeajannitys.setText(shown(m.StrandInitialStress(2)));
    txtVasenjannityshavio.setText(shown(static_cast<float>(m.StrandPrestressLoss(1).number()) * 100.0f));
    txtOikeajannityshavio.setText(shown(static_cast<float>(m.StrandPrestressLoss(2).number()) * 100.0f));
    txtVasenontelotaytto.setText(shown(m.CoreFillingLength(1)));
    txtOikeaontelotaytto.setText(shown(m.CoreFillingLength(2)));
    txtSaumanetaisyys.setText(shown(m.FirstJointDistance));
    txtVasenlaatanalavali.setText(shown(m.SlabBottomGap(1)));
    txtOikealaatanalavali.setText(shown(m.SlabBottomGap(2)));
    txtVasensaumavalu.setText(shown(m.JointGroutWidth(1)));
    txtOikeasaumavalu.setText(shown(m.JointGroutWidth(2)));
    txtVasentukipituus.setText(shown(m.SlabSupportLength(1)));
    txtOikeatukipituus.setText(shown(m.SlabSupportLength(2)));
    txtPintapaksuus.setText(shown(m.ToppingThickness));
    txtRaudoiteala.setText(shown(m.ToppingReinforcementArea));
    txtRaudoitelujuus.setText(shown(m.ToppingReinforcementStrength));

    if (m.IsMiddleBeam == 0) {
        const Field left = field(1);
        for (platform::Control* c : std::initializer_list<platform::Control*>{
                 left.type, left.coreFill, left.gap, left.grout, left.support, left.concrete, left.strands, left.top,
                 left.stress, left.loss})
            c->setEnabled(false);
    }
    // Filling the window is no edit: OK without one changes nothing (the
    // results stay). A class code the lists do not hold shows as 2, which
    // OK stores.
    endLoad();
    if (number(cboSaumaluokka) != m.ConcreteQualityClass(3).number() ||
        number(cboPintaluokka) != m.ConcreteQualityClass(6).number())
        markChanged();
}

void frm2Ontelolaatasto::FillStrandList(ComboBox& strandCombo, const std::string& slabTypeName,
                                        const std::string& designation) {
    const std::string name = slabTypeName;  // the arguments may be the combos' own texts
    const std::string shownDesignation = designation;
    strandCombo.clear();
    const ProjectModel& m = model();
    const model::SlabTypeRecord* found = nullptr;
    for (int j = 1; j <= m.SlabTypeCount && j <= m.SlabCatalogue.size(); ++j)
        if (m.SlabCatalogue(j).Name == name) found = &m.SlabCatalogue(j);
    if (found) {
        const int count = std::clamp<int>(found->StrandCount, 0, model::MaxStrandNames + 1);
        for (int k = 0; k < count; ++k) strandCombo.addItem(found->StrandNames(k));
    }
    strandCombo.setText(shownDesignation);
    strandListType_[&strandCombo == &cboVasenalapunos ? 0 : 1] = name;
}

std::string frm2Ontelolaatasto::designation(int side, model::StrandLayer layer) {
    const Field f = field(side);
    return app::trimBlanks(layer == model::StrandLayer::Bottom ? f.strands->text() : f.top->text());
}

std::optional<std::string> frm2Ontelolaatasto::strandFault(int side, model::StrandLayer layer) {
    const Field f = field(side);
    const std::string code = designation(side, layer);
    if (layer == model::StrandLayer::Bottom && code.empty()) return std::nullopt;
    const auto breach = model().SlabCatalogue.strandDesignationBreach(f.type->text(), code, layer);
    if (!breach) return std::nullopt;
    return breach->text(platform().englishWindows() ? 1 : 0);
}

// A slab type chosen anew gives the side the type's first bottom strand
// designation, as the main window does; filling the window keeps the
// stored one.
void frm2Ontelolaatasto::slabTypeRule(int side) {
    const Field f = field(side);
    const std::string type = f.type->text();
    if (type != model().SlabTypeName(side)) markChanged();
    const std::string& filledFor = strandListType_[static_cast<std::size_t>(side - 1)];
    const std::string shownDesignation = !filledFor.empty() && type != filledFor
                                             ? app::BottomStrandForNewSlabType(model(), type, platform())
                                             : f.strands->text();
    FillStrandList(*f.strands, type, shownDesignation);
}

double frm2Ontelolaatasto::seatWidth(int side) const {
    const ProjectModel& m = model();
    if (m.BeamCategory.number() == 4) return side == 1 ? m.LeftLedgeWidth.number() : m.RightLedgeWidth.number();
    const std::optional<F> code = beamFamily();
    if (code == F::TI) return 0.5 * m.TopFlangeWidth;
    if (code == F::HQ) return 0.5 * m.BottomFlangeWidth - 0.5 * m.TopFlangeWidth - m.WebThickness;
    if (code == F::SU) return 0.5 * m.BeamWidth - 15;
    if (code == F::JA || code == F::BL) return (side == 1 ? m.LeftLedgeDepth : m.RightLedgeDepth) - 15;
    return 0;
}

// The joint grout: at least 0 (on the right of an SU or TI edge beam, down
// to minus the seat width); an emptied box gets what is left of the seat
// beside the support length and 20 mm, or 0 where that is below the
// minimum (a family without a seat), so an emptied box is always accepted
// the next time it is left.
app::BoxCheck frm2Ontelolaatasto::jointGroutCheck(int side) {
    const Field f = field(side);
    const double seat = seatWidth(side);
    const std::optional<F> code = beamFamily();
    double minimum = 0;
    if (side == 2 && model().IsMiddleBeam == 0 && (code == F::SU || code == F::TI)) minimum = -seat;
    double defaultValue = seat - number(*f.support) - 20;
    if (defaultValue < minimum) defaultValue = 0;
    return minimumCheck(*f.grout, minimum, defaultValue);
}

bool frm2Ontelolaatasto::checkJointGrout(int side, std::string& kept) {
    const Field f = field(side);
    const bool accepted = app::CheckNumberBox(*f.grout, jointGroutCheck(side), kept);
    if (accepted && number(*f.grout) < 30) app::ShowJointGroutWarning(platform());
    return accepted;
}

app::BoxCheck frm2Ontelolaatasto::supportLengthCheck(int side) {
    const Field f = field(side);
    const std::optional<F> code = beamFamily();
    const double minimum = code == F::ME || code == F::HX ? 0 : 20;
    double defaultValue = 0;
    const ProjectModel& m = model();
    for (int j = 1; j <= m.SlabTypeCount && j <= m.SlabCatalogue.size(); ++j)
        if (m.SlabCatalogue(j).Name == f.type->text()) defaultValue = m.SlabCatalogue(j).DefaultSupportLength;
    return minimumCheck(*f.support, minimum, defaultValue);
}

bool frm2Ontelolaatasto::checkSlabConcrete(int side, std::string& kept) {
    const Field f = field(side);
    if (!app::CheckTableBox(*f.concrete, kept)) return false;
    for (int i = 0; i < f.concrete->listCount(); ++i)
        if (f.concrete->list(i) == f.concrete->text()) f.concrete->setListIndex(i);
    if (heldInt16(number(*f.concrete)) != model().SlabConcreteClass(side).number()) markChanged();
    return true;
}

// Copies one field's entries into the other; nothing is checked and the
// model is not touched. A slab type the target list lacks is added to it.
void frm2Ontelolaatasto::copyField(int from, int to) {
    const Field s = field(from);
    const Field t = field(to);
    const std::string type = s.type->text();
    int index = -1;
    for (int i = 0; i < t.type->listCount(); ++i)
        if (t.type->list(i) == type) index = i;
    if (index < 0 && s.type->listIndex() >= 0) {
        t.type->addItem(type);
        index = t.type->listCount() - 1;
    }
    // The target takes the source's designation, not the type's first.
    strandListType_[static_cast<std::size_t>(to - 1)] = type;
    if (index >= 0) t.type->setListIndex(index);
    t.coreFill->setText(s.coreFill->text());
    t.grout->setText(s.grout->text());
    t.gap->setText(s.gap->text());
    t.support->setText(s.support->text());
    t.concrete->setText(s.concrete->text());
    t.top->setText(s.top->text());
    FillStrandList(*t.strands, type, s.strands->text());
    t.stress->setText(s.stress->text());
    t.loss->setText(s.loss->text());
    markChanged();
}

void frm2Ontelolaatasto::CheckSlabFieldGeometry(std::string& lines, int16_t& found) {
    const ProjectModel& m = model();
    const float left = number(txtVasensaumavalu) + number(txtVasentukipituus);
    const float right = number(txtOikeasaumavalu) + number(txtOikeatukipituus);
    lines.clear();
    const std::optional<F> code = beamFamily();
    const FamilyCheck* family = code ? &kFamilyChecks[model::FamilyIndex(*code)] : nullptr;
    if (family && family->singleCheck)
        found = family->singleCheck(m, static_cast<float>(family->mode), left, right, lines);
    else if (family && family->check)
        found = family->check(m, family->mode, left, right, lines);
    else
        found = app::CheckPlainBeamGeometry(m, 1, left, right, lines);

    const std::string missing =
        app::byLanguage(m.LanguageIndex, "- Ontelolaatan alpunoksen tunnus puuttuu => säilytetään tunnus ",
                        "- The bottom strand designation of the slab is missing => the designation kept is ");
    if (designation(1, model::StrandLayer::Bottom).empty()) {
        lines += missing + m.BottomStrandCode(1) + CrLf;
        found = 1;
    } else if (designation(2, model::StrandLayer::Bottom).empty()) {
        lines += missing + m.BottomStrandCode(2) + CrLf;
        found = 1;
    }
}

void frm2Ontelolaatasto::writeInput(ProjectModel& m) {
    for (int side = 1; side <= 2; ++side)
        if (const std::string code = designation(side, model::StrandLayer::Bottom); !code.empty())
            m.BottomStrandCode(side) = code;
    for (int side = 1; side <= 2; ++side) m.TopStrandCode(side) = designation(side, model::StrandLayer::Top);
    for (int side = 1; side <= 2; ++side) m.StrandInitialStress(side) = Value(number(*field(side).stress));
    for (int side = 1; side <= 2; ++side) m.StrandPrestressLoss(side) = Value(number(*field(side).loss) / 100.0f);
    for (int side = 1; side <= 2; ++side) m.SlabTypeName(side) = field(side).type->text();
    for (int side = 1; side <= 2; ++side)
        if (!field(side).concrete->text().empty()) m.SlabConcreteClass(side) = Value(number(*field(side).concrete));
    for (int side = 1; side <= 2; ++side) m.CoreFillingLength(side) = Value(number(*field(side).coreFill));
    m.FirstJointDistance = Value(number(txtSaumanetaisyys));
    for (int side = 1; side <= 2; ++side) m.SlabBottomGap(side) = Value(number(*field(side).gap));
    for (int side = 1; side <= 2; ++side) m.JointGroutWidth(side) = Value(number(*field(side).grout));
    for (int side = 1; side <= 2; ++side) m.SlabSupportLength(side) = Value(number(*field(side).support));
    m.JointConcreteClass = Value(number(cboSaumabetoni));
    m.ConcreteQualityClass(3) = Value(number(cboSaumaluokka));
    m.ToppingConcreteClass = Value(number(cboPintabetoni));
    m.ConcreteQualityClass(6) = Value(number(cboPintaluokka));
    m.ToppingThickness = Value(number(txtPintapaksuus));
    m.ToppingReinforcementArea = Value(number(txtRaudoiteala));
    m.ToppingReinforcementStrength = Value(number(txtRaudoitelujuus));
}

void frm2Ontelolaatasto::cmdOK_Click() {
    std::string lines;
    int16_t found = 0;
    CheckSlabFieldGeometry(lines, found);
    if (found != 0 && keepEditing(lines, "Haluatko jatkaa laataston muokkausta?",
                                      "Do you want to go on editing the slab fields?")) return;
    closeWriting([this](ProjectModel& m) { writeInput(m); });
}

}  // namespace quorvel::dialogs
