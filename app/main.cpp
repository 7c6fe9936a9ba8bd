// Seraphel: a guardian angel reading by name, date of birth and hemisphere.
#include "BuildInfo.h"
#include "QtPlatform.h"
#include "Startup.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    // Lets Wayland desktops match the windows to the desktop entry and its icon.
    QGuiApplication::setDesktopFileName(QString::fromUtf8(seraphel::build::kDesktopId));
    seraphel::QtPlatform platform;
    return seraphel::RunProgram(platform);
}
