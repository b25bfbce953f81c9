#pragma once
// The Qt backend for the main window's tests, offscreen: the delivered data
// folder copied to a temporary program folder, settings in memory, the
// about window of the start-up closed with its OK button once it is up,
// and the next message box answered with its default button.

#include <gtest/gtest.h>

#include <QApplication>
#include <QMessageBox>
#include <QTest>
#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "app/frm_about.h"
#include "app/frm_quorvel.h"
#include "platform/qt/qt_platform.h"
#include "support/qt_wait.h"
#include "support/test_support.h"

namespace quorvel::app::testing {

namespace fs = std::filesystem;

inline QApplication& application() {
    static int argc = 1;
    static char name[] = "test_app_qt";
    static char* argv[] = {name, nullptr};
    static QApplication* app = new QApplication(argc, argv);
    return *app;
}

// The Qt platform with the program folder and the settings of a test: the
// delivered data folder copied to a temporary folder, settings in memory.
// The about window is closed with its OK button as soon as it is up.
class TestPlatform : public platform::qt::QtPlatform {
public:
    explicit TestPlatform(std::string folder) : folder_(std::move(folder)) {}
    std::string programFolder() const override { return folder_; }
    std::string getSetting(const std::string&, const std::string&, const std::string& key,
                           const std::string& defaultValue) override {
        auto it = settings.find(key);
        return it == settings.end() ? defaultValue : it->second;
    }
    void saveSetting(const std::string&, const std::string&, const std::string& key,
                     const std::string& value) override {
        settings[key] = value;
    }
    void showForm(platform::Form& form, bool modal) override {
        std::unique_ptr<quorvel::testing::ModalAnswers> answer;
        if (modal && form.name() == "frmAbout") {
            auto& about = static_cast<frmAbout&>(form);
            answer = quorvel::testing::whenModalUp([this, &about](QWidget& up) {
                aboutWasUp = &up == windowOf(about);
                QTest::mouseClick(widgetOf(about.cmdOK), Qt::LeftButton);
            });
        }
        QtPlatform::showForm(form, modal);
    }
    std::map<std::string, std::string> settings;
    bool aboutWasUp = false;

private:
    std::string folder_;
};

class MainWindowQt : public ::testing::Test {
protected:
    void SetUp() override {
        for (const auto& entry : fs::directory_iterator(quorvel::testing::sourceFolder() + "/data"))
            fs::copy_file(entry.path(), program.path() / entry.path().filename());
    }
    QApplication& app = application();  // before the platform, which follows its focus
    quorvel::testing::TempFolder program;
    TestPlatform ui{program.dataPath()};
    model::ProjectModel m;
};


// Answers the next message box with Enter once it is up and keeps its
// text; another modal window is a failure, closed with Escape.
[[nodiscard]] inline std::unique_ptr<quorvel::testing::ModalAnswers> answerNextMessageBox(
    std::vector<std::string>& texts) {
    return quorvel::testing::whenModalUp([&texts](QWidget& up) {
        auto* box = qobject_cast<QMessageBox*>(&up);
        if (!box) {
            ADD_FAILURE() << "a message box was expected, not \"" << up.windowTitle().toStdString() << "\"";
            QTest::keyClick(&up, Qt::Key_Escape);
            return;
        }
        texts.push_back(box->text().toStdString());
        QTest::keyClick(box, Qt::Key_Return);
    });
}

}  // namespace quorvel::app::testing
