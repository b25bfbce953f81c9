// Starts the program on the Qt backend: the main window loads (settings,
// data folder, slab catalogue, a new project, the about window) and the
// program runs until the main window is closed.

#include <QApplication>
#include <memory>

#include "app/frm_quorvel.h"
#include "dialogs/input_dialogs.h"
#include "model/project_model.h"
#include "platform/qt/qt_platform.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName("Quorvel");
    QApplication::setOrganizationName("Quorvel835");
    quorvel::platform::qt::QtPlatform platform;

    auto model = std::make_unique<quorvel::model::ProjectModel>();
    quorvel::app::frmQuorvel mainWindow(*model, platform);
    quorvel::dialogs::RegisterInputDialogs(mainWindow);
    try {
        // An error that no handler of the start-up trapped is named in a
        // message and ends the program, as it does for any later event.
        platform.run([&] { mainWindow.show(); });
    } catch (const quorvel::platform::ProgramEnded& end) {
        return end.exitCode;
    }
    if (!mainWindow.isLoaded()) return 0;
    return app.exec();
}
