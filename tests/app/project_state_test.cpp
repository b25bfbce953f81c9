#include "app/project_state.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace quorvel::app {
namespace {

// Records what MarkInputChanged asks of the main window.
class FakeMainWindow : public MainWindowState {
public:
    void hideCoreFillingNotices() override { calls.push_back("hide notices"); }
    void clearResultGauges() override { calls.push_back("clear gauges"); }
    void setTableButtonCaption(const std::string& caption) override { calls.push_back("caption " + caption); }
    void enableCalculateCommand() override { calls.push_back("enable calculate"); }
    void showProjectTitle() override { calls.push_back("title"); }
    std::vector<std::string> calls;
};

TEST(MarkInputChanged, ThrowsTheResultsAwayAndMarksTheInput) {
    model::ProjectModel m;
    m.InputSaved = -1;
    m.ResultsSaved = -1;
    m.ResultsValid = -1;
    m.InputFilePath = "/p/talo.dat";
    m.ResultsFilePath = "/p/talo.tul";
    FakeMainWindow window;
    MarkInputChanged(m, window);

    EXPECT_EQ(m.InputSaved, 0);
    EXPECT_EQ(m.ResultsSaved, 0);
    EXPECT_EQ(m.InputChanged, -1);
    EXPECT_EQ(m.ResultsValid, 0);
    EXPECT_EQ(m.InputFileTitle, "/p/talo.dat *");
    EXPECT_EQ(m.ResultsFileTitle, "/p/talo.tul *");
    // The title is shown last, once the titles are rebuilt.
    EXPECT_EQ(window.calls, (std::vector<std::string>{"hide notices", "clear gauges", "caption Laske",
                                                      "enable calculate", "title"}));

    // A second call rebuilds the titles from the paths: still one " *".
    MarkInputChanged(m, window);
    EXPECT_EQ(m.InputFileTitle, "/p/talo.dat *");
    EXPECT_EQ(m.ResultsFileTitle, "/p/talo.tul *");
}

TEST(MarkInputChanged, ButtonCaptionFollowsTheLanguage) {
    model::ProjectModel m;
    FakeMainWindow english;
    m.LanguageIndex = 1;
    MarkInputChanged(m, english);
    EXPECT_EQ(english.calls.at(2), "caption Calculate");

    FakeMainWindow other;
    m.LanguageIndex = 2;  // no wording for it: the caption stays
    MarkInputChanged(m, other);
    EXPECT_EQ(other.calls, (std::vector<std::string>{"hide notices", "clear gauges", "enable calculate", "title"}));
    EXPECT_EQ(m.InputFileTitle, " *");  // no file yet
}

}  // namespace
}  // namespace quorvel::app
