// The number rule on the Qt backend, offscreen: every numeric box of the
// main window and of every dialog, each given by a clipboard paste into
// its QLineEdit a value with a decimal comma, a value with a unit after
// it, letters and 1e39, then left with Tab. A refused value gives one
// message and the box keeps the focus, its widget showing again the value kept, selected,
// so that the keys typed next replace it; an accepted one
// is shown by the widget as the control holds it, and in the main window
// as the model holds it (the window refreshed from the model shows the
// same text).

#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QLineEdit>
#include <QMessageBox>
#include <QPointer>
#include <QTest>
#include <QTimer>
#include <cmath>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "app/beam_types.h"
#include "app/input_tools.h"
#include "support/number_boxes.h"
#include "app_qt/qt_test_platform.h"
#include "support/qt_wait.h"
#include "app/main_window_fixture.h"
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
#include "model/project_defaults.h"

namespace quorvel::dialogs {
namespace {

using quorvel::testing::boxText;
using quorvel::testing::reachableBoxes;

using model::BoxLimit;
using model::Computed;

// Answers every message box with Enter as soon as it is up and keeps its
// text.
class MessageAnswerer {
public:
    MessageAnswerer() {
        timer_.setInterval(10);
        QObject::connect(&timer_, &QTimer::timeout, [this] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                if (box == last_) return;  // answered, still closing
                last_ = box;
                texts.push_back(box->text().toStdString());
                QTest::keyClick(box, Qt::Key_Return);
            }
        });
        timer_.start();
    }
    std::vector<std::string> texts;

private:
    QTimer timer_;
    QPointer<QMessageBox> last_;  // null again once the box is gone
};

class NumberRuleQt : public app::testing::MainWindowQt {
protected:
    QLineEdit* editOf(const platform::Control& c) {
        QWidget* w = ui.widgetOf(c);
        if (auto* combo = qobject_cast<QComboBox*>(w)) return combo->lineEdit();
        return qobject_cast<QLineEdit*>(w);
    }

    // The clipboard's text pasted over the box's whole text, then Tab.
    void pasteAndLeave(platform::Form& form, platform::Control& box, const std::string& text) {
        form.setFocus(box);
        QApplication::processEvents();
        QLineEdit* edit = editOf(box);
        ASSERT_NE(edit, nullptr) << box.name();
        ASSERT_EQ(QApplication::focusWidget(), ui.widgetOf(box)) << "the window is not active";
        QApplication::clipboard()->setText(QString::fromStdString(text));
        edit->selectAll();
        QTest::keyClick(edit, Qt::Key_V, Qt::ControlModifier);
        ASSERT_EQ(boxText(box), text) << "the paste reached the control";
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QApplication::processEvents();
    }

    // A value inside the box's fixed range, with a fraction where the box
    // takes one.
    double insideValue(const platform::Control& box, const BoxLimit& row) {
        const model::NumberRange& r = row.range;
        if (row.field.empty() && row.whole) return 1;
        double v;
        if (has(row.computed, Computed::Minimum) || has(row.computed, Computed::Maximum))
            v = app::readNumber(boxText(box)).value_or(0) + 0.75;
        else if (r.hasMinimum() && r.hasMaximum())
            v = std::round((r.minimum + 0.37 * (r.maximum - r.minimum)) * 100) / 100;
        else if (r.hasMinimum())
            v = r.minimum + 57.75;
        else
            v = -7.75;
        return row.whole ? std::round(v) : v;
    }

    // The cases on one box; refresh shows the model in the window (the main
    // window) or does nothing (a dialog, which writes on OK).
    void exercise(platform::Form& form, platform::Control& box, const std::function<void()>& refresh) {
        SCOPED_TRACE(form.name() + "/" + box.name());
        const BoxLimit* row = app::boxLimitOf(box);
        ASSERT_NE(row, nullptr);
        const std::string original = boxText(box);
        const double v = insideValue(box, *row);
        char number[64];
        std::snprintf(number, sizeof number, "%.10g", v);
        std::string comma = number;
        for (char& c : comma)
            if (c == '.') c = ',';
        struct Case {
            std::string text;
            bool accepted;
        };
        for (const Case& c : {Case{comma, true}, Case{std::string(number) + " kN", false}, Case{"abc", false},
                              Case{"1e39", false}, Case{original, true}}) {
            SCOPED_TRACE("pasted \"" + c.text + "\"");
            const std::size_t before = answer.texts.size();
            const std::string kept = boxText(box);
            pasteAndLeave(form, box, c.text);
            if (HasFatalFailure()) return;
            const std::vector<std::string> messages(answer.texts.begin() + static_cast<std::ptrdiff_t>(before),
                                                    answer.texts.end());
            const std::string shown = editOf(box)->text().toStdString();
            EXPECT_EQ(shown, boxText(box)) << "the widget shows what the control holds";
            if (c.accepted) {
                ASSERT_TRUE(messages.empty()) << messages.front();
                const float value = static_cast<float>(*app::readNumber(c.text));
                EXPECT_EQ(shown, value == 0.0f ? "0" : app::formatGeneral(runtime::Value(value), ui));
                refresh();
                EXPECT_EQ(editOf(box)->text().toStdString(), shown) << "the model holds what the box showed";
            } else {
                ASSERT_EQ(messages.size(), 1u);
                EXPECT_EQ(messages[0].rfind(app::fieldName(box) + ": Syöte ", 0), 0u) << messages[0];
                EXPECT_EQ(QApplication::focusWidget(), ui.widgetOf(box)) << "the box keeps the focus";
                EXPECT_EQ(shown, kept);
                EXPECT_EQ(editOf(box)->selectedText().toStdString(), kept) << "the value kept is selected";
                // The keys typed next replace it.
                QTest::keyClicks(QApplication::focusWidget(), QString::fromStdString(number));
                EXPECT_EQ(boxText(box), number);
            }
        }
    }

    void start(platform::Form& window) {
        QWidget* w = ui.windowOf(window);
        ASSERT_NE(w, nullptr);
        w->activateWindow();
        ASSERT_TRUE(quorvel::testing::waitForActive(w)) << "the window to be active";
    }

    MessageAnswerer answer;
};

TEST_F(NumberRuleQt, EveryBoxOfTheMainWindow) {
    app::frmQuorvel window(m, ui);
    window.show();
    start(window);
    int boxes = 0;
    for (platform::Control* box : reachableBoxes(window)) {
        exercise(window, *box, [&] { window.RefreshMainForm(); });
        ++boxes;
    }
    EXPECT_GE(boxes, 22);
    window.unload();
}

using DialogMaker = std::function<std::unique_ptr<platform::Form>(model::ProjectModel&, platform::Platform&)>;

template <typename Dialog>
DialogMaker maker() {
    return [](model::ProjectModel& m, platform::Platform& p) -> std::unique_ptr<platform::Form> {
        return std::make_unique<Dialog>(m, p);
    };
}

// A beam dialog on a project of its beam type.
DialogMaker beamMaker(const app::BeamTypeInfo& type) {
    return [&type](model::ProjectModel& m, platform::Platform& p) -> std::unique_ptr<platform::Form> {
        app::SelectBeamType(m, type);
        const std::string form(type.dialog);
        if (const BeamFamilyTable* table = findBeamFamilyTable(form)) return std::make_unique<TableBeamDialog>(m, p, *table);
        if (form == "FrmSuorakaidepalkki") return std::make_unique<FrmSuorakaidepalkki>(m, p);
        if (form == "frmBLeukapalkki") return std::make_unique<frmBLeukapalkki>(m, p);
        if (form == "FrmKemo") return std::make_unique<FrmKemo>(m, p);
        if (form == "FrmSuperpalkki") return std::make_unique<FrmSuperpalkki>(m, p);
        return std::make_unique<frmKvatropalkki>(m, p);
    };
}

TEST_F(NumberRuleQt, EveryBoxOfEveryDialog) {
    std::vector<std::pair<std::string, DialogMaker>> dialogs = {
        {"frm2Ontelolaatasto", maker<frm2Ontelolaatasto>()}, {"frmLaatankuormat", maker<frmLaatankuormat>()},
        {"frmReiat", maker<frmReiat>()},                     {"frmKuormat", maker<frmKuormat>()},
        {"frmKertoimet", maker<frmKertoimet>()},             {"frmTukimomentit", maker<frmTukimomentit>()}};
    for (const app::BeamTypeInfo& type : app::BeamTypes())
        dialogs.emplace_back(std::string(type.typeName), beamMaker(type));
    for (const auto& [name, make] : dialogs) {
        SCOPED_TRACE(name);
        model::ProjectModel project;
        app::testing::loadShippedCatalogue(project);
        model::ResetProjectDefaults(project);
        project.IsMiddleBeam = 1;
        for (int side = 1; side <= 2; ++side) {
            project.SlabPointLoadCount(side) = 1.0f;
            project.SlabLineLoadCount(side) = 1.0f;
            project.HoleCount(side) = 2;
        }
        project.BeamPointLoadCount = 1;
        std::unique_ptr<platform::Form> dialog = make(project, ui);
        bool ran = false;
        QTimer::singleShot(0, [&] {
            ran = true;
            start(*dialog);
            if (!HasFatalFailure())
                for (platform::Control* box : reachableBoxes(*dialog)) {
                    exercise(*dialog, *box, [] {});
                    if (HasFatalFailure()) break;
                }
            dialog->unload();
        });
        dialog->showModal();
        EXPECT_TRUE(ran);
        if (HasFatalFailure()) return;
    }
}

}  // namespace
}  // namespace quorvel::dialogs
