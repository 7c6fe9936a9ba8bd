// Window services that record what the windows asked of them and answer as the test says.
// Nothing here shows a dialog or opens a browser.
#pragma once

#include "Platform.h"

#include <QList>
#include <QStringList>

#include <functional>
#include <utility>

namespace seraphel {

// The recording of the window services over any interface that holds them, so that the fake
// platform records them the same way.
template <typename Services> class RecordingWindowServices : public Services {
public:
    struct Message {
        QWidget* parent;
        QString text;
    };

    // --- What the windows asked for.
    QList<Message> informationMessages;
    QStringList openedAddresses;
    QStringList modalDialogs; // object names, in the order shown
    QList<SaveFileRequest> saveRequests;
    QList<bool> printRequests; // whether the selection option was offered

    // --- How it answers.
    QString nextSaveFileName;                        // empty: the user cancels
    std::function<void()> whileSaveDialogIsShown;    // runs while the save dialog is "open"
    QString printToPdfFile;                          // empty: the user cancels the print dialog
    std::pair<int, int> chosenPageRange{0, 0};       // first and last page the user asks for; 0, 0: all
    std::function<void(QDialog&)> whileModalIsShown; // runs while a modal window is "open"

    void showInformation(QWidget* parent, const QString& text) override;
    void openWebAddress(const QString& address) override;
    void runModal(QDialog& dialog) override;
    QString chooseSaveFile(QWidget* parent, const SaveFileRequest& request) override;
    bool choosePrinter(QWidget* parent, QPrinter& printer, bool selectionOffered) override;
};

class FakeWindowServices final : public RecordingWindowServices<WindowServices> {};

} // namespace seraphel
