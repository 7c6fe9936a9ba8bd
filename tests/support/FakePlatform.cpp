#include "FakePlatform.h"

#include <QDialog>
#include <QPrinter>

namespace seraphel {

void FakePlatform::reset() {
    *this = FakePlatform{};
}

void FakePlatform::showInformation(QWidget* parent, const QString& text) {
    calls.append(QStringLiteral("showInformation"));
    informationMessages.append({parent, text});
}

bool FakePlatform::askYesNo(QWidget* parent, const QString& text) {
    calls.append(QStringLiteral("askYesNo"));
    questions.append({parent, text});
    return nextAnswerYes;
}

void FakePlatform::openWebAddress(const QString& address) {
    calls.append(QStringLiteral("openWebAddress"));
    openedAddresses.append(address);
}

void FakePlatform::runModal(QDialog& dialog) {
    calls.append(QStringLiteral("runModal"));
    modalDialogs.append(dialog.objectName());
    if (whileModalIsShown) {
        dialog.show();
        whileModalIsShown(dialog);
    }
    dialog.close();
}

QString FakePlatform::chooseSaveFile(QWidget*, const SaveFileRequest& request) {
    calls.append(QStringLiteral("chooseSaveFile"));
    saveRequests.append(request);
    if (whileSaveDialogIsShown) {
        whileSaveDialogIsShown();
    }
    return nextSaveFileName;
}

bool FakePlatform::choosePrinter(QWidget*, QPrinter& printer, bool selectionOffered) {
    calls.append(QStringLiteral("choosePrinter"));
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
    calls.append(QStringLiteral("readSetting"));
    return realStore ? realStore->read(section, name) : settings.value(section + QLatin1Char('/') + name);
}

void FakePlatform::writeSetting(const QString& section, const QString& name, const QString& value) {
    calls.append(QStringLiteral("writeSetting"));
    if (realStore) {
        realStore->write(section, name, value);
    } else {
        settings.insert(section + QLatin1Char('/') + name, value);
    }
}

bool FakePlatform::claimSingleInstance() {
    calls.append(QStringLiteral("claimSingleInstance"));
    return !anotherInstanceRuns;
}

QDate FakePlatform::today() {
    calls.append(QStringLiteral("today"));
    return currentDate;
}

void FakePlatform::seedRandomFromClock() {
    calls.append(QStringLiteral("seedRandomFromClock"));
}

double FakePlatform::drawRandom() {
    calls.append(QStringLiteral("drawRandom"));
    if (randomDraws.empty()) {
        return 0.0;
    }
    const double r = randomDraws.front();
    randomDraws.pop_front();
    return r;
}

} // namespace seraphel
