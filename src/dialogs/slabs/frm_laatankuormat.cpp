#include "dialogs/slabs/frm_laatankuormat.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <memory>
#include <string>

#include "app/geometry_checks.h"
#include "model/topping_load.h"
#include "runtime/errors.h"

namespace quorvel::dialogs {

namespace {

using LoadField = model::LoadSideArray ProjectModel::*;

constexpr platform::Color Red = platform::rgb(255, 0, 0);

// The fields of the four groups; a line load has no X.
constexpr LoadField kPointFields[4] = {&ProjectModel::SlabPointLoadG, &ProjectModel::SlabPointLoadQ,
                                       &ProjectModel::SlabPointLoadX, &ProjectModel::SlabPointLoadY};
constexpr LoadField kLineFields[4] = {&ProjectModel::SlabLineLoadG, &ProjectModel::SlabLineLoadQ, nullptr,
                                      &ProjectModel::SlabLineLoadY};

// A number with three decimals and the user's decimal mark ("0.000").
std::string threeDecimals(double v, char mark) {
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.3f", std::isfinite(v) ? v : 0.0);
    std::string s(buffer);
    for (char& c : s)
        if (c == '.') c = mark;
    return s;
}

// A model count as a count bar takes it: a whole number held to 0..5.
int heldCount(double count) { return std::clamp<int>(heldInt16(count), 0, 5); }

}  // namespace

struct frmLaatankuormat::LoadGroup {
    int side = 1;
    const LoadField* fields = nullptr;  // G, Q, X, Y (X null for line loads)
    model::SideArray ProjectModel::*count = nullptr;
    platform::TextBox* countBox = nullptr;
    platform::VScrollBar* countBar = nullptr;
    platform::TextBox* numberBox = nullptr;
    platform::VScrollBar* numberBar = nullptr;
    std::array<platform::TextBox*, 4> values{};  // by field; null where the group has none
    std::vector<platform::Control*> members;     // shown and hidden together
    // The loads as the project holds them (a load of 4.2 kN/m stays 4.2),
    // replaced only by what is typed into a box.
    std::array<std::array<Value, 4>, 6> table{};
};

frmLaatankuormat::frmLaatankuormat(ProjectModel& m, platform::Platform& p)
    : InputDialog(m, p, "frmLaatankuormat", "Laataston kuormat", 11400, 8340) {
    buildGroups();
    buildPlanView();

    for (TextBox* box : {&txtVasenlaatastopysyva, &txtOikealaatastopysyva, &txtVasenlaatastomuuttuva,
                         &txtOikealaatastomuuttuva})
        box->onChange = [this] { markChanged(); };
    for (TextBox* box : {&txtReunanetaisyys1, &txtReunanetaisyys2}) box->onChange = [this] { markChanged(); };

    for (int g = 0; g < GroupCount; ++g) {
        LoadGroup& group = groups_[static_cast<std::size_t>(g)];
        // The count and the number are typed or spun, as in the beam loads
        // dialog. Up for more, as every count and number spinner of the
        // program.
        spinBox(*group.countBox, *group.countBar);
        spinBox(*group.numberBox, *group.numberBar);
        group.countBar->setRange(MaxLoads, 0);
        group.countBar->setValue(0);
        group.numberBar->setRange(1, 1);
        group.numberBar->setValue(1);
        group.countBar->onChange = [this, g] { countRule(g); };
        group.numberBar->onChange = [this, g] { numberRule(g); };
        for (int f = 0; f < 4; ++f) {
            TextBox* box = group.values[static_cast<std::size_t>(f)];
            if (!box) continue;
            box->onChange = [this, g, f] { entryRule(g, f); };
            // A refused value leaves the load as it was before the edit.
            box->onGotFocus = [this, g, f] { heldBefore_ = entryValue(g, f); };
            checkOnLeave(*box, [box] { return app::tableCheck(*box); }, [this, box, g, f](std::string& kept) {
                const Value before = heldBefore_;  // the focus coming back sets it anew
                const std::string keptBefore = kept;
                if (app::CheckTableBox(*box, kept)) return true;
                if (kept == keptBefore) entryValue(g, f) = before;  // refused, not a default put in
                heldBefore_ = before;
                return false;
            });
        }
    }
    wireButtons(cmdOK, cmdPeruuta, [this] { cmdOK_Click(); });
    onLoad = [this] { Form_Load(); };
}

frmLaatankuormat::~frmLaatankuormat() = default;

void frmLaatankuormat::buildGroups() {
    struct Captions {
        platform::ControlArray<Label>* array;
        const char* name;
        const char* caption;
        int top;
    };
    // The numbered labels of the groups: element 0 left, 1 right.
    const Captions point[] = {{&label51, "label51", "Pistekuorma #", 2490},
                              {&label52, "label52", "Pysyvä pistekuorma", 2910},
                              {&label53, "label53", "Muuttuva pistekuorma", 3330}};
    const Captions line[] = {{&label55, "label55", "Viivakuorma #", 5250},
                             {&label56, "label56", "Pysyvä viivakuorma", 5670},
                             {&label57, "label57", "Muuttuva viivakuorma", 6090}};
    auto labels = [this](const Captions (&set)[3], int element) {
        std::vector<platform::Control*> made;
        for (const Captions& c : set)
            made.push_back(&c.array->add(element, *this, c.name, platform::Place{element == 0 ? 120 : 7200, c.top, 2175, 255},
                                         c.caption));
        return made;
    };

    // The four load groups: point and line loads of the left, then the right
    // slab field, each with its count and number boxes and bars, its value
    // boxes (no X for line loads) and the labels shown and hidden with it.
    auto group = [](int side, const LoadField* fields, TextBox& countBox, VScrollBar& countBar,
                    TextBox& numberBox, VScrollBar& numberBar, std::array<TextBox*, 4> values,
                    std::vector<platform::Control*> members) {
        LoadGroup g;
        g.side = side;
        g.fields = fields;
        g.count = fields == kPointFields ? &ProjectModel::SlabPointLoadCount : &ProjectModel::SlabLineLoadCount;
        g.countBox = &countBox;
        g.countBar = &countBar;
        g.numberBox = &numberBox;
        g.numberBar = &numberBar;
        g.values = values;
        g.members = std::move(members);
        return g;
    };
    groups_ = {
        group(1, kPointFields, txtVasenPistekuormienLkm, vsbVasenPistekuormienLkm, txtVasenPistekuormienNro,
              vsbVasenPistekuormienNro,
              {&txtVasenPysyvaPisteKuorma, &txtVasenMuuttuvaPisteKuorma, &txtVasenPisteX, &txtVasenPisteY},
              {&Label3, &Label2, &Label4, &Label6, &Label31, &Label32}),
        group(1, kLineFields, txtVasenViivakuormienLkm, vsbVasenViivakuormienLkm, txtVasenViivakuormienNro,
              vsbVasenViivakuormienNro,
              {&txtVasenPysyvaViivaKuorma, &txtVasenMuuttuvaViivaKuorma, nullptr, &txtVasenViivaY},
              {&Label12, &Label13, &Label14, &Label35}),
        group(2, kPointFields, txtOikeaPistekuormienLkm, vsbOikeaPistekuormienLkm, txtOikeaPistekuormienNro,
              vsbOikeaPistekuormienNro,
              {&txtOikeaPysyvaPisteKuorma, &txtOikeaMuuttuvaPisteKuorma, &txtOikeaPisteX, &txtOikeaPisteY},
              {&Label7, &Label10, &Label11, &Label15, &Label33, &Label34}),
        group(2, kLineFields, txtOikeaViivakuormienLkm, vsbOikeaViivakuormienLkm, txtOikeaViivakuormienNro,
              vsbOikeaViivakuormienNro,
              {&txtOikeaPysyvaViivaKuorma, &txtOikeaMuuttuvaViivaKuorma, nullptr, &txtOikeaViivaY},
              {&Label28, &Label29, &Label30, &Label36}),
    };

    for (int g = 0; g < GroupCount; ++g) {
        LoadGroup& group = groups_[static_cast<std::size_t>(g)];
        const bool isPoint = group.fields == kPointFields;
        for (platform::Control* c : labels(isPoint ? point : line, group.side - 1)) group.members.push_back(c);
        group.members.push_back(group.numberBox);
        group.members.push_back(group.numberBar);
        for (TextBox* box : group.values)
            if (box) group.members.push_back(box);
    }
}

// The beam along the window from its start (bottom) to its end (top), the
// slab ends and field edges, the axes, and a sample mark of each group.
void frmLaatankuormat::buildPlanView() {
    auto line = [this](const char* name, int x1, int y1, int x2, int y2, platform::Color color = platform::Colors::Black,
                       bool dashed = false) {
        auto l = std::make_unique<Line>(*this, name, x1, y1, x2, y2);
        l->setBorderColor(color);
        l->setDashed(dashed);
        Line* made = l.get();
        planView_.push_back(std::move(l));
        return made;
    };
    line("linPalkkiVasen", 5520, 3120, 5520, 6480);
    line("linPalkkiOikea", 5880, 3120, 5880, 6480);
    line("linLaatanpaaVasen", 5400, 3120, 5400, 6480);
    line("linLaatanpaaOikea", 6000, 3120, 6000, 6480);
    line("linReunaLoppu", 4440, 3120, 6960, 3120);
    line("linReunaAlku", 4440, 6480, 6960, 6480);
    line("linAkseliX", 4440, 6240, 4920, 6240);
    line("linAkseliY", 4440, 6240, 4440, 5760);

    auto mark = [this](int g, std::initializer_list<Line*> lines) {
        for (Line* l : lines) groups_[static_cast<std::size_t>(g)].members.push_back(l);
    };
    mark(0, {line("vpx1", 4680, 4080, 4920, 4320, Red), line("vpx2", 4680, 4320, 4920, 4080, Red),
             line("vpy1", 4740, 4200, 4740, 6480, Red, true), line("vpy2", 4800, 4140, 5400, 4140, Red, true)});
    mark(1, {line("vv1", 4440, 4800, 5400, 4800, Red, true), line("vv2", 4560, 4800, 4560, 6480, Red, true)});
    mark(2, {line("op1", 6480, 4080, 6720, 4320, Red), line("op2", 6480, 4320, 6720, 4080, Red),
             line("op3", 6660, 4200, 6660, 6480, Red, true), line("op4", 6000, 4140, 6600, 4140, Red, true)});
    mark(3, {line("ov1", 6000, 5400, 6960, 5400, Red, true), line("ov2", 6840, 5400, 6840, 6480, Red, true)});
}

double frmLaatankuormat::tableValue(int group, int entry, int field) const {
    const LoadGroup& g = groups_.at(static_cast<std::size_t>(runtime::toIndex(group, 0, GroupCount - 1)));
    return g.table[static_cast<std::size_t>(runtime::toIndex(entry, 0, MaxLoads))]
                  [static_cast<std::size_t>(runtime::toIndex(field, 0, 3))];
}

void frmLaatankuormat::Form_Load() {
    beginLoad();
    ProjectModel& m = model();
    txtVasenlaatastopysyva.setText(shown(m.SlabImposedLoadPermanent(1)));
    txtOikealaatastopysyva.setText(shown(m.SlabImposedLoadPermanent(2)));
    txtVasenlaatastomuuttuva.setText(shown(m.SlabImposedLoadVariable(1)));
    txtOikealaatastomuuttuva.setText(shown(m.SlabImposedLoadVariable(2)));

    // The topping weight is shown as it stands for the present input; the
    // model's own value is left for the calculation to set.
    const model::SideArray kept = m.ToppingLoad;
    model::ComputeToppingLoad(m);
    txtgpinta1.setCaption(threeDecimals(m.ToppingLoad(1), platform().decimalMark()));
    txtgpinta2.setCaption(threeDecimals(m.ToppingLoad(2), platform().decimalMark()));
    m.ToppingLoad = kept;

    for (LoadGroup& g : groups_) {
        for (int e = 0; e <= MaxLoads; ++e)
            for (int f = 0; f < 4; ++f)
                if (g.fields[f])
                    g.table[static_cast<std::size_t>(e)][static_cast<std::size_t>(f)] = (m.*g.fields[f])(e, g.side);
        g.countBox->setText(std::to_string(heldCount((m.*g.count)(g.side))));
        g.numberBox->setText("1");
        for (int f = 0; f < 4; ++f)
            if (g.values[static_cast<std::size_t>(f)])
                g.values[static_cast<std::size_t>(f)]->setText(shown(g.table[1][static_cast<std::size_t>(f)]));
    }
    txtReunanetaisyys1.setText(shown(m.SlabFieldEdgeDistance1));
    txtReunanetaisyys2.setText(shown(m.SlabFieldEdgeDistance2));

    for (LoadGroup& g : groups_) g.countBar->setValue(heldCount((m.*g.count)(g.side)));

    if (m.IsMiddleBeam == 0)
        for (platform::Control* c : std::initializer_list<platform::Control*>{
                 &txtVasenlaatastopysyva, &txtVasenlaatastomuuttuva, &vsbVasenPistekuormienLkm,
                 &txtVasenPistekuormienLkm, &vsbVasenViivakuormienLkm, &txtVasenViivakuormienLkm})
            c->setEnabled(false);
    for (int g = 0; g < GroupCount; ++g) hideGroup(g);
    for (LoadGroup& g : groups_) g.numberBar->setMin(std::max(g.countBar->value(), 1));
    endLoad();
}

// The count spun: the number bar reaches to the count (never below 1, so
// the selected load is always a load), the group shows or hides, the loads
// above the count are cleared.
void frmLaatankuormat::countRule(int group) {
    LoadGroup& g = groups_[static_cast<std::size_t>(group)];
    const int count = g.countBar->value();
    g.countBox->setText(std::to_string(count));
    g.numberBar->setMin(std::max(count, 1));
    hideGroup(group);
    showGroup(group);
    clearUnused(group);
    g.numberBar->setEnabled(count != 1);
    markChanged();
}

void frmLaatankuormat::numberRule(int group) {
    LoadGroup& g = groups_[static_cast<std::size_t>(group)];
    const int entry = g.numberBar->value();
    g.numberBox->setText(std::to_string(entry));
    const auto values = g.table[static_cast<std::size_t>(runtime::toIndex(entry, 1, MaxLoads))];
    for (int f = 0; f < 4; ++f)
        if (g.values[static_cast<std::size_t>(f)])
            g.values[static_cast<std::size_t>(f)]->setText(shown(values[static_cast<std::size_t>(f)]));
}

Value& frmLaatankuormat::entryValue(int group, int field) {
    LoadGroup& g = groups_[static_cast<std::size_t>(group)];
    const int entry = runtime::toIndex(g.numberBar->value(), 1, MaxLoads);
    return g.table[static_cast<std::size_t>(entry)][static_cast<std::size_t>(field)];
}

// A typed value into the selected load while the text is a number the box
// takes (its bounds are checked when the box is left); any other text, and
// the text the load is shown with, leaves the load as it was.
void frmLaatankuormat::entryRule(int group, int field) {
    const TextBox& box = *groups_[static_cast<std::size_t>(group)].values[static_cast<std::size_t>(field)];
    Value& load = entryValue(group, field);
    if (!acceptable(box) || box.text() == shown(load)) return;
    load = Value(number(box));
    markChanged();
}

void frmLaatankuormat::hideGroup(int group) {
    if (number(*groups_[static_cast<std::size_t>(group)].countBox) == 0.0f) setGroupVisible(group, false);
}

void frmLaatankuormat::showGroup(int group) {
    if (number(*groups_[static_cast<std::size_t>(group)].countBox) > 0.0f) {
        numberRule(group);
        setGroupVisible(group, true);
    }
}

void frmLaatankuormat::setGroupVisible(int group, bool visible) {
    for (platform::Control* c : groups_[static_cast<std::size_t>(group)].members) c->setVisible(visible);
}

void frmLaatankuormat::clearUnused(int group) {
    LoadGroup& g = groups_[static_cast<std::size_t>(group)];
    for (int e = g.countBar->value() + 1; e <= MaxLoads; ++e) g.table[static_cast<std::size_t>(e)].fill(Value(0));
}

void frmLaatankuormat::writeInput(ProjectModel& m) {
    m.SlabImposedLoadPermanent(1) = Value(number(txtVasenlaatastopysyva));
    m.SlabImposedLoadPermanent(2) = Value(number(txtOikealaatastopysyva));
    m.SlabImposedLoadVariable(1) = Value(number(txtVasenlaatastomuuttuva));
    m.SlabImposedLoadVariable(2) = Value(number(txtOikealaatastomuuttuva));
    for (LoadGroup& g : groups_) {
        (m.*g.count)(g.side) = Value(static_cast<float>(g.countBar->value()));
        for (int e = 0; e <= MaxLoads; ++e)
            for (int f = 0; f < 4; ++f)
                if (g.fields[f])
                    (m.*g.fields[f])(e, g.side) = g.table[static_cast<std::size_t>(e)][static_cast<std::size_t>(f)];
    }
    m.SlabFieldEdgeDistance1 = Value(number(txtReunanetaisyys1));
    m.SlabFieldEdgeDistance2 = Value(number(txtReunanetaisyys2));
}

// A load placed where no slab field is asks first, as a beam load beyond
// the span does.
void frmLaatankuormat::cmdOK_Click() {
    const auto entered = std::make_unique<ProjectModel>(model());
    writeInput(*entered);
    std::string lines;
    if (app::CheckSlabLoadPositions(*entered, lines) != 0 &&
        keepEditing(lines, "Haluatko jatkaa kuormien muokkausta?", "Do you want to go on editing the loads?"))
        return;
    closeWriting([this](ProjectModel& m) { writeInput(m); });
}

}  // namespace quorvel::dialogs
