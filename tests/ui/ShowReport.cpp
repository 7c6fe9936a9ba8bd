// Shows the report window with a sample reading, as the result window's Print does, so
// that it can be looked at or photographed (scripts/screenshot-report.sh).
#include "QtPlatform.h"
#include "SampleReading.h"
#include "frmSave.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    seraphel::QtPlatform platform;
    seraphel::frmSave report(platform, seraphel::test::SampleReading(), nullptr);
    platform.runModal(report);
    return 0;
}
