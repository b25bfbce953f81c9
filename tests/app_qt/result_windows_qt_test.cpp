// The results windows and printing on the Qt backend, offscreen: the report
// printed to a PDF file through the print path of the program, and
// screenshots of the results table and the report viewer after results.

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <fcntl.h>
#include <unistd.h>

#include <QApplication>
#include <QClipboard>
#include <QDialogButtonBox>
#include <QLineEdit>
#include <QMessageBox>
#include <QImage>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QPointer>
#include <QTableWidget>
#include <QTest>
#include <filesystem>
#include <map>
#include <regex>
#include <sstream>
#include <future>
#include <thread>
#include <utility>

#include "analysis/calculation_driver.h"
#include "analysis/calculation_support.h"
#include "analysis/slabs_on_beam.h"
#include "app/fileview.h"
#include "app/frm_quorvel.h"
#include "app/frm_taulukot.h"
#include "app/report_text.h"
#include "app/slab_catalogue.h"
#include "model/project_defaults.h"
#include "model/topping_load.h"
#include "platform/qt/qt_platform.h"
#include "qt_test_platform.h"
#include "report/results_file.h"
#include "runtime/text_file.h"
#include "support/qt_wait.h"
#include "support/fixture_projects.h"
#include "support/test_support.h"

namespace quorvel::app {
namespace {

namespace fs = std::filesystem;

using testing::application;
using testing::TestPlatform;

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
        runtime::Messages messages;
        ASSERT_EQ(analysis::PerformCalculation(m, messages), 0);
        m.ResultsValid = -1;
    }
    // Runs check on the next modal form once it is up; check closes it.
    [[nodiscard]] std::unique_ptr<quorvel::testing::ModalAnswers> whenUp(std::function<void()> check) {
        return quorvel::testing::whenModalUp([check](QWidget&) { check(); });
    }
    std::string shot(const char* name) { return quorvel::testing::screenshotPath(name).string(); }

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

// Printing to a PDF file whose name is a named pipe is refused at once with
// its message; the pipe is never opened: neither when the name is the print
// path's own nor when it is typed into the print dialog (whose Print button
// would open the file to learn whether it may be written), where the
// dialog stays up after the message. Were the pipe opened, a watcher reads
// it after WaitSeconds so that the test goes on, and says so.
TEST_F(ResultWindowsQt, PrintingToANamedPipeIsRefusedAtOnce) {
    for (const bool typedInTheDialog : {false, true}) {
        SCOPED_TRACE(typedInTheDialog ? "the name typed into the print dialog" : "the print path's own name");
        frmQuorvel window(m, ui);
        const std::string pipe = program.file(typedInTheDialog ? "typed.pdf" : "report.pdf");
        ASSERT_EQ(mkfifo(pipe.c_str(), 0600), 0);
        ui.setPrintFile(typedInTheDialog ? std::string() : pipe);
        std::promise<void> printed;
        bool released = false;
        std::thread watcher([&pipe, &released, done = printed.get_future()] {
            if (done.wait_for(std::chrono::seconds(quorvel::testing::WaitSeconds)) == std::future_status::ready)
                return;
            released = true;
            const int fd = open(pipe.c_str(), O_RDONLY);
            for (char bytes[4096]; fd >= 0 && read(fd, bytes, sizeof bytes) > 0;) {
            }
            if (fd >= 0) close(fd);
        });
        std::string said;
        bool dialogStayedUp = false;
        auto answer = std::make_unique<quorvel::testing::ModalAnswers>(
            [&](QWidget& up) {
                if (auto* box = qobject_cast<QMessageBox*>(&up)) {
                    said = box->text().toStdString();
                    QTest::keyClick(&up, Qt::Key_Return);
                    return;
                }
                auto* name = up.findChild<QLineEdit*>(QStringLiteral("filename"));
                auto* buttons = up.findChild<QDialogButtonBox*>();
                if (!name || !buttons || !name->isEnabled()) {
                    ADD_FAILURE() << "the print dialog shows no PDF file name to type into";
                    up.close();
                    return;
                }
                name->setText(QString::fromStdString(pipe));
                QTest::mouseClick(buttons->button(QDialogButtonBox::Ok), Qt::LeftButton);
                dialogStayedUp = up.isVisible();
                up.close();
            },
            true);
        window.PrintReport();
        printed.set_value();
        watcher.join();
        EXPECT_FALSE(released) << "the print waited on the pipe";
        EXPECT_EQ(said, "Tiedostoon " + pipe +
                            " ei voi tulostaa: nimi kuuluu nimetylle putkelle, pistokkeelle tai laitteelle, ei "
                            "tiedostolle.");
        if (typedInTheDialog) {
            EXPECT_TRUE(dialogStayedUp) << "the dialog closed on a name it refused";
        }
    }
}

// The text of a PDF file as poppler's pdftotext reads it (layout kept),
// one string per printed line, form feeds between pages dropped.
std::vector<std::string> pdfTextLines(const std::string& pdf) {
    const std::string text = pdf + ".txt";
    const std::string command = "pdftotext -layout -enc UTF-8 '" + pdf + "' '" + text + "'";
    if (std::system(command.c_str()) != 0) {
        ADD_FAILURE() << "pdftotext (poppler-utils) could not read " << pdf;
        return {};
    }
    std::vector<std::string> lines;
    std::istringstream in(quorvel::testing::readBytes(text));
    for (std::string line; std::getline(in, line);) {
        std::erase(line, '\f');
        lines.push_back(line);
    }
    return lines;
}

// A line without its blanks: the printed columns come back from the PDF
// with their own spacing (pdftotext may make two blanks one).
std::string words(const std::string& line) {
    std::istringstream in(line);
    std::string out;
    for (std::string word; in >> word;) out += word;
    return out;
}

// Every non-empty line of the report is one printed line of the PDF, whole
// and in the report's order, and the PDF holds nothing else.
void expectPrintedWhole(const std::vector<std::string>& report, const std::string& pdf, const std::string& what) {
    std::vector<std::string> expected;
    for (const std::string& line : report)
        if (!words(line).empty()) expected.push_back(words(line));
    std::vector<std::string> printed;
    for (const std::string& line : pdfTextLines(pdf))
        if (!words(line).empty()) printed.push_back(words(line));
    ASSERT_EQ(printed.size(), expected.size()) << what;
    for (std::size_t i = 0; i < expected.size(); ++i) EXPECT_EQ(printed[i], expected[i]) << what << " line " << i + 1;
}

// Each reviewed report, and the largest report of the fixture projects,
// printed on A4 and on Letter (portrait): the font is made small enough
// for the widest line (never below 7 pt), so no line is broken.
TEST_F(ResultWindowsQt, EveryReportLinePrintsWholeOnOneLineOnA4AndLetter) {
    std::vector<std::pair<std::string, std::vector<std::string>>> reports;
    for (const char* golden : {"suora_middle_beam", "delta_edge_beam", "lbl_core_filling"})
        for (const char* language : {".fin.txt", ".eng.txt"}) {
            const std::string path = std::string(QUORVEL_FIXTURES_DIR) + "/reports/" + golden + language;
            reports.emplace_back(path, printedLines(loadReportText(ui, path, 6).value_or(std::string())));
        }
    // The largest report of the fixture projects, as the print command
    // writes it.
    std::string largest;
    std::size_t largestLines = 0;
    std::vector<std::string> largestReport;
    platform::HeadlessPlatform quiet;
    std::size_t reportsWritten = 0;
    for (const fs::path& fixture : quorvel::testing::fixtureProjects()) {
        for (int16_t language : {0, 1}) {
            SCOPED_TRACE(fixture.filename().string());
            model::ProjectModel project;
            quorvel::testing::CalculationFolder data;
            quiet.setProgramFolder(data.dataPath());
            data.load(project, fixture.filename().string());
            model::ComputeToppingLoad(project);
            runtime::Messages messages;
            ASSERT_EQ(analysis::PerformCalculation(project, messages), 0);
            project.LanguageIndex = language;
            const std::string file = program.file("corpus.tul");
            ASSERT_EQ(report::WriteResultsFile(project, quiet, file), 0);
            ++reportsWritten;
            runtime::TextFileReader written(file);
            if (written.lineCount() > largestLines) {
                largestLines = written.lineCount();
                largest = fixture.filename().string() + (language == 0 ? " fin" : " eng");
                largestReport = printedLines(loadReportText(quiet, file, 6).value_or(std::string()));
            }
        }
    }
    EXPECT_EQ(reportsWritten, 2 * quorvel::testing::FixtureProjectCount);
    reports.emplace_back("corpus", largestReport);
    ASSERT_GT(largestLines, 300u) << largest;

    for (const char* paper : {"A4", "Letter"})
        for (const auto& [name, lines] : reports) {
            ASSERT_GT(lines.size(), 100u) << name;
            const std::string pdf = program.file(std::string("report-") + paper + ".pdf");
            ui.setPrintFile(pdf, paper);
            platform::PrintJob job;
            job.lines = lines;
            ASSERT_TRUE(ui.print(job)) << name;
            EXPECT_GE(ui.lastPrintedFontSize(), 7.0) << name;
            std::size_t printed = 0;
            for (const auto& page : ui.lastPrintedPages()) printed += page.size();
            EXPECT_EQ(printed, lines.size()) << paper << " " << name << ": a line was broken";
            expectPrintedWhole(lines, pdf, std::string(paper) + " " + (name == "corpus" ? largest : name));
        }
}

// Every cell whole, also with the beam's rows of a hogging moment not
// checked (support moments -1000 / -1000 kNm: the caption naming it, the
// moment as it is, "not checked"; -100 / -100 kNm: the bending's rows under
// its sagging one, the table grown by a row; the strain's one row, the
// imposed loads' 97.1 kNm at midspan less 100 leaving the slab seat
// stretched along the whole span) in both languages.
TEST_F(ResultWindowsQt, TheTableIsGrabbedWithFilledGrids) {
    for (double hogging : {0.0, -1000.0, -100.0}) {
        for (int16_t language : {0, 1}) {
            if (hogging != 0.0) {
                m.SupportMomentStartPermanent = m.SupportMomentEndPermanent = hogging;
                runtime::Messages messages;
                ASSERT_EQ(analysis::PerformCalculation(m, messages), 0);
                ASSERT_TRUE(analysis::BeamHogs(m));
            }
            m.LanguageIndex = language;
            frmTaulukot table(m, ui);
            const auto answer = whenUp([&] {
                auto grids = ui.windowOf(table)->findChildren<QTableWidget*>();
                ASSERT_EQ(grids.size(), 3);
                for (QTableWidget* grid : grids) {
                    ASSERT_GE(grid->rowCount(), 4);
                    EXPECT_FALSE(grid->item(0, 1)->text().isEmpty());
                    EXPECT_FALSE(grid->item(1, 1)->text().isEmpty());
                    // Every cell whole: its text (the blank that ends a value is a
                    // margin), its picture and the cell's margins within its column.
                    const QFontMetrics metrics(grid->font());
                    for (int row = 0; row < grid->rowCount(); ++row)
                        for (int col = 0; col < grid->columnCount(); ++col) {
                            const QTableWidgetItem* item = grid->item(row, col);
                            const int icon = item->icon().isNull() ? 0 : grid->iconSize().width() + 4;
                            EXPECT_LE(metrics.horizontalAdvance(item->text().trimmed()) + icon + 6,
                                      grid->columnWidth(col))
                                << "[" << item->text().toStdString() << "] row " << row << " column " << col;
                        }
                }
                EXPECT_EQ(grids[2]->rowCount(), hogging == -100.0 ? 5 : 4);
                if (hogging == 0.0 && language == 0) {
                    QImage image = ui.windowOf(table)->grab().toImage();
                    EXPECT_TRUE(image.save(QString::fromStdString(shot("quorvel-results-table.png"))));
                }
                QTest::mouseClick(ui.widgetOf(table.cmdOK), Qt::LeftButton);
            });
            table.showModal();
            EXPECT_FALSE(table.isLoaded());
        }
    }
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
        // The window can be maximised and resized; the text box grows
        // with it and the form learns the size.
        EXPECT_TRUE(up.windowFlags() & Qt::WindowMaximizeButtonHint);
        const QSize before = text->size();
        up.resize(up.width() + 200, up.height() + 100);
        QApplication::processEvents();
        EXPECT_EQ(text->size(), before + QSize(200, 100));
        quorvel::testing::EventLog events(&up);
        up.showMaximized();
        EXPECT_TRUE(quorvel::testing::waitFor([&] { return events.came(QEvent::Resize); }))
            << "waited for the platform's resize of the maximised viewer";
        QCoreApplication::sendPostedEvents();
        EXPECT_GE(text->width(), before.width());
        // The user selects and copies the text.
        text->selectAll();
        QTest::keyClick(text, Qt::Key_C, Qt::ControlModifier);
        EXPECT_EQ(QApplication::clipboard()->text(), text->toPlainText());
        QTest::keyClick(text, Qt::Key_Escape);
    });
    window.ShowReportText();
    EXPECT_TRUE(seen);
    EXPECT_FALSE(ui.settings["Tulosikkunan leveys"].empty());
}

// The help opens at its contents over the main window; Escape closes it and
// the main window is active again (nothing else would make it so without a
// window manager).
// The guide of the window's language: its title shows that the browser
// read the file whole, letters written as entities included.
TEST_F(ResultWindowsQt, HelpOpensInTheBrowserAtItsContentsAndEscapeGoesBack) {
    frmQuorvel window(m, ui);
    window.onLoad = nullptr;
    window.show();
    QWidget* main = ui.windowOf(window);
    ASSERT_TRUE(quorvel::testing::waitForActive(main)) << "waited for the main window to be active";
    for (auto [language, title] : {std::pair<int16_t, const char*>{0, "Quorvel: käyttöohje"},
                                   std::pair<int16_t, const char*>{1, "Quorvel: user's guide"}}) {
        m.LanguageIndex = language;
        window.ShowHelpFile();
        QPointer<QWidget> help = ui.helpWindow();
        ASSERT_NE(help, nullptr);
        EXPECT_TRUE(help->isVisible());
        EXPECT_EQ(help->windowTitle().toStdString(), title);
        ASSERT_TRUE(quorvel::testing::waitForActive(help)) << "waited for the help to be active";
        QTest::keyClick(help, Qt::Key_Escape);
        EXPECT_TRUE(quorvel::testing::waitFor([&] { return help.isNull(); })) << "waited for Escape to close the help";
        EXPECT_TRUE(quorvel::testing::waitForActive(main)) << "waited for the main window to be active again";
    }
}

}  // namespace
}  // namespace quorvel::app
