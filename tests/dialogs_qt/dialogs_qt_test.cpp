// Each input dialog on the Qt backend, offscreen: it opens with a widget
// for every control, every control lies inside its window and container,
// no two controls of one container overlap (the sketch lines and shapes
// aside), a screenshot is written for review, and every caption fits its
// box in both languages; an input dialog OK'd without an edit changes
// nothing.

#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QMessageBox>
#include <QTest>
#include <QWidget>
#include <filesystem>
#include <functional>
#include <memory>
#include <tuple>

#include "support/test_support.h"
#include "app/main_window_fixture.h"
#include "app_qt/caption_fit.h"
#include "app/beam_types.h"
#include "dialogs/concrete-beams/frm_bleukapalkki.h"
#include "dialogs/concrete-beams/frm_kemo.h"
#include "dialogs/concrete-beams/frm_kvatropalkki.h"
#include "dialogs/concrete-beams/frm_suorakaidepalkki.h"
#include "dialogs/concrete-beams/frm_superpalkki.h"
#include "dialogs/slabs/frm_2ontelolaatasto.h"
#include "dialogs/slabs/frm_kertoimet.h"
#include "dialogs/slabs/frm_kuormat.h"
#include "dialogs/slabs/frm_laatankuormat.h"
#include "dialogs/slabs/frm_reiat.h"
#include "dialogs/slabs/frm_tukimomentit.h"
#include "dialogs/steel-beams/table_beam_dialog.h"
#include "inputfile/input_file_writer.h"
#include "model/project_defaults.h"
#include "platform/qt/qt_platform.h"
#include "support/qt_wait.h"

namespace quorvel::dialogs {
namespace {

namespace fs = std::filesystem;
using platform::ControlKind;

QApplication& application() {
    static int argc = 1;
    static char name[] = "test_dialogs_qt";
    static char* argv[] = {name, nullptr};
    static QApplication* app = new QApplication(argc, argv);
    return *app;
}

class TestPlatform : public platform::qt::QtPlatform {
public:
    std::string programFolder() const override { return QUORVEL_SOURCE_DIR "/data/"; }
};

bool isSketch(const platform::Control& c) {
    return c.kind() == ControlKind::Line || c.kind() == ControlKind::Shape;
}

// The control's rectangle in the coordinates of its window.
QRect inWindow(QWidget* widget, QWidget* window) {
    return QRect(widget->mapTo(window, QPoint(0, 0)), widget->size());
}

struct DialogCase {
    const char* name;
    std::function<std::unique_ptr<platform::Form>(model::ProjectModel&, platform::Platform&)> make;
};

void PrintTo(const DialogCase& c, std::ostream* os) { *os << c.name; }

// A new project on the shipped catalogue, a middle beam with every slab
// load group shown.
void newProject(model::ProjectModel& m) {
    app::testing::loadShippedCatalogue(m);
    model::ResetProjectDefaults(m);
    m.IsMiddleBeam = 1;
    m.SlabPointLoadCount(1) = 1.0f;
    m.SlabLineLoadCount(1) = 1.0f;
    m.SlabPointLoadCount(2) = 1.0f;
    m.SlabLineLoadCount(2) = 1.0f;
}

class DialogsQt : public ::testing::TestWithParam<DialogCase> {};

TEST_P(DialogsQt, EveryControlLiesInsideTheWindowAndNoneOverlap) {
    application();
    TestPlatform ui;
    model::ProjectModel m;
    newProject(m);
    std::unique_ptr<platform::Form> dialog = GetParam().make(m, ui);

    bool checked = false;
    const auto answer = quorvel::testing::whenModalUp([&](QWidget&) {
        checked = true;
        QWidget* window = ui.windowOf(*dialog);
        ASSERT_NE(window, nullptr);
        EXPECT_TRUE(window->isVisible());
        const QRect client(0, 0, dialog->clientWidth() / platform::TwipsPerPixel,
                           dialog->clientHeight() / platform::TwipsPerPixel);
        std::vector<const platform::Control*> placed;
        for (const platform::Control* c : dialog->controls()) {
            QWidget* widget = ui.widgetOf(*c);
            ASSERT_NE(widget, nullptr) << c->name();
            if (c->kind() == ControlKind::Line) continue;
            const QRect r = inWindow(widget, window);
            EXPECT_TRUE(client.contains(r)) << c->name() << " at " << r.x() << "," << r.y() << " " << r.width()
                                            << "x" << r.height();
            if (c->container()) {
                const QRect box = inWindow(ui.widgetOf(*c->container()), window);
                EXPECT_TRUE(box.contains(r)) << c->name() << " outside " << c->container()->name();
            }
            if (!isSketch(*c) && c->isEffectivelyVisible()) placed.push_back(c);
        }
        for (std::size_t i = 0; i < placed.size(); ++i)
            for (std::size_t j = i + 1; j < placed.size(); ++j) {
                if (placed[i]->container() != placed[j]->container()) continue;
                const QRect a = inWindow(ui.widgetOf(*placed[i]), window);
                const QRect b = inWindow(ui.widgetOf(*placed[j]), window);
                EXPECT_FALSE(a.intersects(b)) << placed[i]->name() << " overlaps " << placed[j]->name();
            }
        const fs::path shot = quorvel::testing::screenshotPath(std::string("quorvel-") + GetParam().name + ".png");
        EXPECT_TRUE(window->grab().toImage().save(QString::fromStdString(shot.string())));
        std::printf("%s grabbed to %s\n", GetParam().name, shot.c_str());
        dialog->unload();
    });
    dialog->showModal();
    EXPECT_TRUE(checked);
    EXPECT_FALSE(dialog->isLoaded());
}

// An input dialog that changed nothing changes nothing: OK clicked on the
// Qt backend (whose widgets report their own edits) right after the window
// opened writes nothing and reports no change, so the main window keeps
// the project's results. A message box on the way is a failure.
class InputDialogsQt : public ::testing::TestWithParam<DialogCase> {};

TEST_P(InputDialogsQt, OkWithoutAnEditChangesNothing) {
    application();
    TestPlatform ui;
    model::ProjectModel m;
    newProject(m);
    std::unique_ptr<platform::Form> dialog = GetParam().make(m, ui);
    const std::string before = inputfile::InputDataFileBytes(m);
    quorvel::testing::ModalAnswers answers(
        [&](QWidget& window) {
            if (auto* box = qobject_cast<QMessageBox*>(&window)) {
                ADD_FAILURE() << "a message box: " << box->text().toStdString();
                QTest::keyClick(box, Qt::Key_Escape);
                return;
            }
            QTest::mouseClick(ui.widgetOf(*dialog->findControl("cmdOK")), Qt::LeftButton);
        },
        true);
    dialog->showModal();
    EXPECT_FALSE(dialog->isLoaded()) << "OK did not close the window";
    EXPECT_EQ(m.SubFormChanged, 0);
    EXPECT_EQ(inputfile::InputDataFileBytes(m), before);
}

template <typename Dialog>
DialogCase dialogCase(const char* name) {
    return {name, [](model::ProjectModel& m, platform::Platform& p) -> std::unique_ptr<platform::Form> {
                return std::make_unique<Dialog>(m, p);
            }};
}

const auto inputDialogs =
    ::testing::Values(dialogCase<frm2Ontelolaatasto>("frm2Ontelolaatasto"),
                      dialogCase<frmLaatankuormat>("frmLaatankuormat"), dialogCase<frmReiat>("frmReiat"),
                      dialogCase<frmKuormat>("frmKuormat"), dialogCase<frmKertoimet>("frmKertoimet"),
                      dialogCase<frmTukimomentit>("frmTukimomentit"));

INSTANTIATE_TEST_SUITE_P(InputDialogs, DialogsQt, inputDialogs,
                         [](const ::testing::TestParamInfo<DialogCase>& info) { return info.param.name; });
INSTANTIATE_TEST_SUITE_P(InputDialogs, InputDialogsQt, inputDialogs,
                         [](const ::testing::TestParamInfo<DialogCase>& info) { return info.param.name; });

// A beam dialog on a project of its beam type.
template <typename Dialog>
DialogCase beamDialogCase(const char* name, const char* typeName) {
    return {name, [typeName](model::ProjectModel& m, platform::Platform& p) -> std::unique_ptr<platform::Form> {
                app::SelectBeamType(m, *app::findBeamType(typeName));
                return std::make_unique<Dialog>(m, p);
            }};
}

const auto concreteBeamDialogs =
    ::testing::Values(beamDialogCase<FrmSuorakaidepalkki>("FrmSuorakaidepalkki", "SUORA"),
                      beamDialogCase<frmBLeukapalkki>("frmBLeukapalkki", "BLEUKA"),
                      beamDialogCase<frmBLeukapalkki>("frmBLeukapalkki_JALO", "JALO"),
                      beamDialogCase<FrmKemo>("FrmKemo", "LBL"),
                      beamDialogCase<FrmSuperpalkki>("FrmSuperpalkki", "BESUPER"),
                      beamDialogCase<frmKvatropalkki>("frmKvatropalkki", "KVATRO"));

INSTANTIATE_TEST_SUITE_P(ConcreteBeamDialogs, DialogsQt, concreteBeamDialogs,
                         [](const ::testing::TestParamInfo<DialogCase>& info) { return info.param.name; });

class DialogCaptionsQt : public ::testing::TestWithParam<DialogCase> {};

TEST_P(DialogCaptionsQt, EveryCaptionFitsItsBoxInBothLanguages) {
    application();
    for (int16_t language : {0, 1}) {
        const char* languageName = language == 0 ? "Finnish" : "English";
        TestPlatform ui;
        model::ProjectModel m;
        newProject(m);
        m.LanguageIndex = language;
        std::unique_ptr<platform::Form> dialog = GetParam().make(m, ui);
        bool checked = false;
        const auto answer = quorvel::testing::whenModalUp([&](QWidget&) {
            checked = true;
            quorvel::testing::expectEveryCaptionFits(ui, *dialog, languageName);
            dialog->unload();
        });
        dialog->showModal();
        EXPECT_TRUE(checked) << languageName;
    }
}

INSTANTIATE_TEST_SUITE_P(ConcreteBeamDialogs, DialogCaptionsQt, concreteBeamDialogs,
                         [](const ::testing::TestParamInfo<DialogCase>& info) { return info.param.name; });
INSTANTIATE_TEST_SUITE_P(InputDialogs, DialogCaptionsQt, inputDialogs,
                         [](const ::testing::TestParamInfo<DialogCase>& info) { return info.param.name; });

// A beam dialog built from its family table, on a project of its type: the
// concrete I-beam, the prestressed, welded steel and composite beams.
DialogCase tableDialogCase(const char* formName) {
    return {formName, [formName](model::ProjectModel& m, platform::Platform& p) -> std::unique_ptr<platform::Form> {
                const BeamFamilyTable& table = *findBeamFamilyTable(formName);
                app::SelectBeamType(m, *app::findBeamType(table.typeName()));
                return std::make_unique<TableBeamDialog>(m, p, table);
            }};
}

const auto tableBeamDialogs =
    ::testing::Values(tableDialogCase("FrmIpalkki"), tableDialogCase("FrmLB"), tableDialogCase("FrmApalkki"),
                      tableDialogCase("frmTIpalkki"), tableDialogCase("frmHQpalkki"),
                      tableDialogCase("frmCWQpalkki"), tableDialogCase("frmDeltapalkki"),
                      tableDialogCase("frmMEKpalkki"), tableDialogCase("frmAbeamS"));

INSTANTIATE_TEST_SUITE_P(TableBeamDialogs, DialogsQt, tableBeamDialogs,
                         [](const ::testing::TestParamInfo<DialogCase>& info) { return info.param.name; });
INSTANTIATE_TEST_SUITE_P(TableBeamDialogs, DialogCaptionsQt, tableBeamDialogs,
                         [](const ::testing::TestParamInfo<DialogCase>& info) { return info.param.name; });


// Whether the segment crosses the rectangle [l, r] x [t, b] (twips).
bool crosses(const platform::Line& line, double l, double t, double r, double b) {
    // Clip the segment's parameter range to each slab of the rectangle.
    double lo = 0, hi = 1;
    const double x = line.x1(), y = line.y1(), dx = line.x2() - x, dy = line.y2() - y;
    for (const auto& [p, d, from, to] : {std::tuple{x, dx, l, r}, std::tuple{y, dy, t, b}}) {
        if (d == 0) {
            if (p < from || p > to) return false;
            continue;
        }
        const double a = (from - p) / d, c = (to - p) / d;
        lo = std::max(lo, std::min(a, c));
        hi = std::min(hi, std::max(a, c));
    }
    return lo <= hi;
}

// Each symbol of a sketch is read where it stands: no line of the sketch
// runs through the symbol's text as the window's font draws it. (The A beam
// W, DELTA and A beam S drew their web's "tw" across the left web.)
TEST(TableBeamDialogSketch, NoLineRunsThroughASymbol) {
    application();
    for (const char* form : {"FrmIpalkki", "FrmLB", "FrmApalkki", "frmTIpalkki", "frmHQpalkki", "frmCWQpalkki",
                             "frmDeltapalkki", "frmMEKpalkki", "frmAbeamS"}) {
        TestPlatform ui;
        model::ProjectModel m;
        newProject(m);
        std::unique_ptr<platform::Form> dialog = tableDialogCase(form).make(m, ui);
        int symbols = 0;
        const auto answer = quorvel::testing::whenModalUp([&](QWidget&) {
            for (const platform::Control* c : dialog->controls()) {
                if (c->kind() != ControlKind::Label || c->name().rfind("lblSymboli_", 0) != 0) continue;
                ++symbols;
                const QWidget* w = ui.widgetOf(*c);
                const QFontMetrics fm(w->font());
                const auto alignment = static_cast<int>(static_cast<const QLabel*>(w)->alignment());
                const QRect text =
                    fm.boundingRect(w->contentsRect(), alignment, QString::fromStdString(c->caption()));
                const platform::Place at = c->place();
                const double l = at.left + text.left() * platform::TwipsPerPixel;
                const double t = at.top + text.top() * platform::TwipsPerPixel;
                const double r = l + text.width() * platform::TwipsPerPixel;
                const double b = t + text.height() * platform::TwipsPerPixel;
                for (const platform::Control* other : dialog->controls()) {
                    if (other->kind() != ControlKind::Line || other->container() != c->container()) continue;
                    EXPECT_FALSE(crosses(static_cast<const platform::Line&>(*other), l, t, r, b))
                        << form << ": " << other->name() << " runs through \"" << c->caption() << "\"";
                }
            }
            dialog->unload();
        });
        dialog->showModal();
        EXPECT_GT(symbols, 5) << form;
    }
}

}  // namespace
}  // namespace quorvel::dialogs
