// Starts the program on the Qt backend.

#include <QApplication>

#include "platform/qt/qt_platform.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName("Quorvel");
    QApplication::setOrganizationName("Quorvel835");
    quorvel::platform::qt::QtPlatform platform;
    // The main window is not built yet: say so and end.
    platform.messageBox("Pääikkunaa ei ole vielä rakennettu.", quorvel::platform::Buttons::Ok,
                        quorvel::platform::Icon::Information, platform.applicationTitle());
    return 0;
}
