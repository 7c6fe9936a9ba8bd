#include "FakePlatform.h"

#include <QDialog>
#include <QPrinter>

namespace seraphel {

void FakePlatform::reset() {
    *this = FakePlatform{};
}

void FakePlatform::showInformation(QWidget* parent, const QString& text) {
    informationMessages.append({parent, text});
}

bool FakePlatform::askYesNo(QWidget* parent, const QString& text) {
    questions.append({parent, text});
    return nextAnswerYes;
}

void FakePlatform::openWebAddress(const QString& address) {
    openedAddresses.append(address);
    settingWritesAtOpen.append(settingWrites);
}

void FakePlatform::runModal(QDialog& dialog) {
    modalDialogs.append(dialog.objectName());
    if (whileModalIsShown) {
        dialog.show();
        whileModalIsShown(dialog);
    }
    dialog.close();
}

QString FakePlatform::chooseSaveFile(QWidget*, const SaveFileRequest& request) {
    saveRequests.append(request);
    if (whileSaveDialogIsShown) {
        whileSaveDialogIsShown();
    }
    return nextSaveFileName;
}

bool FakePlatform::choosePrinter(QWidget*, QPrinter& printer, bool selectionOffered) {
    printRequests.append(selectionOffered);
    if (printToPdfFile.isEmpty()) {
        return false;
    }
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(printToPdfFile);
    if (chosenPageRange.first > 0) {
        printer.setPrintRange(QPrinter::PageRange);
    }
    printer.setFromTo(chosenPageRange.first, chosenPageRange.second);
    return true;
}

QString FakePlatform::readSetting(const QString& section, const QString& name) {
    return settings.value(section + QLatin1Char('/') + name);
}

void FakePlatform::writeSetting(const QString& section, const QString& name, const QString& value) {
    ++settingWrites;
    settings.insert(section + QLatin1Char('/') + name, value);
}

bool FakePlatform::claimSingleInstance() {
    return !anotherInstanceRuns;
}

QDate FakePlatform::today() {
    return currentDate;
}

void FakePlatform::seedRandomFromClock() {
    randomSeeded = true;
}

double FakePlatform::drawRandom() {
    if (randomDraws.empty()) {
        return 0.0;
    }
    const double r = randomDraws.front();
    randomDraws.pop_front();
    return r;
}

} // namespace seraphel
