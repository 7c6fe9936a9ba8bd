// Seraphel: a guardian angel reading by name, date of birth and hemisphere.
#include "QtPlatform.h"
#include "Startup.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    seraphel::QtPlatform platform;
    return seraphel::RunProgram(platform);
}
