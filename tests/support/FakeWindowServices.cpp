#include "FakeWindowServices.h"

#include <QDialog>
#include <QPrinter>

namespace seraphel {

template <typename Services>
void RecordingWindowServices<Services>::showInformation(QWidget* parent, const QString& text) {
    informationMessages.append({parent, text});
}

template <typename Services> void RecordingWindowServices<Services>::openWebAddress(const QString& address) {
    openedAddresses.append(address);
}

template <typename Services> void RecordingWindowServices<Services>::runModal(QDialog& dialog) {
    modalDialogs.append(dialog.objectName());
    if (whileModalIsShown) {
        dialog.show();
        whileModalIsShown(dialog);
    }
    dialog.close();
}

template <typename Services>
QString RecordingWindowServices<Services>::chooseSaveFile(QWidget*, const SaveFileRequest& request) {
    saveRequests.append(request);
    if (whileSaveDialogIsShown) {
        whileSaveDialogIsShown();
    }
    return nextSaveFileName;
}

template <typename Services>
bool RecordingWindowServices<Services>::choosePrinter(QWidget*, QPrinter& printer, bool selectionOffered) {
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

template class RecordingWindowServices<WindowServices>;
template class RecordingWindowServices<Platform>;

} // namespace seraphel
