// The results windows and printing on the Qt backend, offscreen: the report
// printed to a PDF file through the print path of the program, and
// screenshots of the results table and the report viewer after results.

#include <gtest/gtest.h>

#include <QApplication>
#include <QImage>
#include <QPlainTextEdit>
#include <QTableWidget>
#include <QTest>
#include <filesystem>
#include <regex>

#include "analysis/calculation_driver.h"
#include "app/fileview.h"
#include "app/frm_quorvel.h"
#include "app/frm_taulukot.h"
#include "app/slab_catalogue.h"
#include "model/project_defaults.h"
#include "platform/qt/qt_platform.h"
#include "support/qt_wait.h"
#include "support/test_support.h"

namespace quorvel::app {
namespace {

namespace fs = std::filesystem;

QApplication& application() {
    static int argc = 1;
    static char name[] = "test_app_qt";
    static char* argv[] = {name, nullptr};
    static QApplication* app = new QApplication(argc, argv);
    return *app;
}

class TestPlatform : public platform::qt::QtPlatform {
public:
    explicit TestPlatform(std::string folder) : folder_(std::move(folder)) {}
    std::string programFolder() const override { return folder_; }

private:
    std::string folder_;
};

class ResultWindowsQt : public ::testing::Test {
protected:
    void SetUp() override {
        application();
        for (const auto& entry : fs::directory_iterator(QUORVEL_SOURCE_DIR "/data"))
            fs::copy_file(entry.path(), program.path() / entry.path().filename());
        m.DataPath = program.dataPath();
        m.SlabFileName = "ONTELO.MIT";
        m.StrandFileName = "PUNOS.VAT";
        LoadSlabCatalogue(m);
        model::ResetProjectDefaults(m);
        m.IsMiddleBeam = 1;
        // The new project's default beam, calculated.
        ASSERT_EQ(analysis::PerformCalculation(m, ui), 0);
        m.ResultsValid = -1;
    }
    // Runs check on the next modal form once it is up; check closes it.
    [[nodiscard]] std::unique_ptr<quorvel::testing::ModalAnswers> whenUp(std::function<void()> check) {
        return quorvel::testing::whenModalUp([check](QWidget&) { check(); });
    }
    std::string shot(const char* name) { return (fs::temp_directory_path() / name).string(); }

    quorvel::testing::TempFolder program;
    TestPlatform ui{program.dataPath()};
    model::ProjectModel m;
};

// Pages as the PDF writer counts them: "/Type /Page" objects, not "/Pages".
int pdfPageCount(const std::string& pdf) {
    std::regex page("/Type\\s*/Page[^s]");
    return static_cast<int>(std::distance(std::sregex_iterator(pdf.begin(), pdf.end(), page), std::sregex_iterator()));
}

TEST_F(ResultWindowsQt, TheReportPrintsToPdfBehindSixBlanks) {
    frmQuorvel window(m, ui);
    const std::string pdf = program.file("report.pdf");
    ui.setPrintFile(pdf);
    window.PrintReport();

    const std::string bytes = quorvel::testing::readBytes(pdf);
    ASSERT_EQ(bytes.substr(0, 5), "%PDF-");
    const auto& pages = ui.lastPrintedPages();
    ASSERT_FALSE(pages.empty());
    EXPECT_EQ(pdfPageCount(bytes), static_cast<int>(pages.size()));

    runtime::TextFileReader report(m.DataPath + "quor01.tmp");
    ASSERT_FALSE(pages[0].empty());
    EXPECT_EQ(pages[0][0], "      " + report.peekLine());
    std::size_t printed = 0;
    for (const auto& page : pages)
        for (const std::string& line : page) {
            EXPECT_EQ(line.substr(0, 6), "      ");
            ++printed;
        }
    EXPECT_GE(printed, report.lineCount());
}

TEST_F(ResultWindowsQt, TheTableIsGrabbedWithFilledGrids) {
    frmTaulukot table(m, ui);
    const auto answer = whenUp([&] {
        auto grids = ui.windowOf(table)->findChildren<QTableWidget*>();
        ASSERT_EQ(grids.size(), 3);
        for (QTableWidget* grid : grids) {
            ASSERT_GE(grid->rowCount(), 4);
            EXPECT_FALSE(grid->item(0, 1)->text().isEmpty());
            EXPECT_FALSE(grid->item(1, 1)->text().isEmpty());
        }
        QImage image = ui.windowOf(table)->grab().toImage();
        EXPECT_TRUE(image.save(QString::fromStdString(shot("quorvel-results-table.png"))));
        QTest::mouseClick(ui.widgetOf(table.cmdOK), Qt::LeftButton);
    });
    table.showModal();
    EXPECT_FALSE(table.isLoaded());
}

TEST_F(ResultWindowsQt, TheViewerIsGrabbedWithTheReport) {
    frmQuorvel window(m, ui);
    m.ViewFileName = m.DataPath + "quor01.tmp";
    // The report command writes the report, then the viewer shows it.
    bool seen = false;
    const auto answer = quorvel::testing::whenModalUp([&](QWidget& up) {
        auto* text = up.findChild<QPlainTextEdit*>();
        if (!text) {
            ADD_FAILURE() << "the viewer was expected, not \"" << up.windowTitle().toStdString() << "\"";
            QTest::keyClick(&up, Qt::Key_Escape);
            return;
        }
        seen = true;
        EXPECT_TRUE(text->toPlainText().startsWith("       "));
        EXPECT_GT(text->toPlainText().size(), 100);
        EXPECT_TRUE(up.grab().toImage().save(QString::fromStdString(shot("quorvel-report-viewer.png"))));
        QTest::keyClick(text, Qt::Key_Escape);
    });
    window.ShowReportText();
    EXPECT_TRUE(seen);
}

TEST_F(ResultWindowsQt, HelpOpensInTheBrowserAtItsContents) {
    frmQuorvel window(m, ui);
    window.ShowHelpFile();
    QWidget* help = ui.helpWindow();
    ASSERT_NE(help, nullptr);
    EXPECT_TRUE(help->isVisible());
    EXPECT_EQ(help->windowTitle().toStdString(), "Quorvel: user's guide");
    help->close();
}

}  // namespace
}  // namespace quorvel::app
