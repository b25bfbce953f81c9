// Every caption of every window fits its box on the Qt backend, in both
// languages: the text as the widget's font measures it, wrapped where the
// control wraps, lies inside the place the window gives the control.

#include "app/language.h"
#include "caption_fit.h"
#include "qt_test_platform.h"

namespace quorvel::app {
namespace {

using testing::expectEveryCaptionFits;
using testing::MainWindowQt;

TEST_F(MainWindowQt, EveryCaptionOfTheMainWindowFitsInBothLanguages) {
    frmQuorvel window(m, ui);
    window.show();
    QApplication::processEvents();
    expectEveryCaptionFits(ui, window, "Finnish");
    int16_t english = 1;
    ApplyLanguage(window, english);
    QApplication::processEvents();
    expectEveryCaptionFits(ui, window, "English");
    window.unload();
}

TEST_F(MainWindowQt, EveryCaptionOfTheAboutWindowFitsInBothLanguages) {
    for (int16_t language : {0, 1}) {
        m.LanguageIndex = language;
        m.VersionText = "Versio 8.38 /EC 17.03.2017";
        frmAbout about(m, ui);
        about.show();  // shown, not modal: its load sets the captions
        QApplication::processEvents();
        expectEveryCaptionFits(ui, about, language == 0 ? "Finnish" : "English");
        about.unload();
    }
}

}  // namespace
}  // namespace quorvel::app
