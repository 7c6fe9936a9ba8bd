// A platform that records what the program asked of it and answers as the test says.
// Nothing here shows a window, opens a browser or touches the real settings store.
#pragma once

#include "Platform.h"
#include "SettingsStore.h"

#include <QHash>
#include <QStringList>

#include <deque>
#include <functional>
#include <utility>

namespace seraphel {

class FakePlatform final : public Platform {
public:
    struct Message {
        QWidget* parent;
        QString text;
    };

    // --- What the program asked for: every call by its name, in order ("writeSetting",
    // "openWebAddress", ...), and below what came with the calls of each kind.
    QStringList calls;
    QList<Message> informationMessages;
    QList<Message> questions;
    QStringList openedAddresses;
    QStringList modalDialogs; // object names, in the order shown
    QList<SaveFileRequest> saveRequests;
    QList<bool> printRequests; // whether the selection option was offered

    // --- How it answers.
    bool nextAnswerYes = false;
    QString nextSaveFileName;                        // empty: the user cancels
    std::function<void()> whileSaveDialogIsShown;    // runs while the save dialog is "open"
    QString printToPdfFile;                          // empty: the user cancels the print dialog
    std::pair<int, int> chosenPageRange{0, 0};       // first and last page the user asks for; 0, 0: all
    std::function<void(QDialog&)> whileModalIsShown; // runs while a modal window is "open"
    bool anotherInstanceRuns = false;
    QDate currentDate{2026, 12, 7};
    std::deque<double> randomDraws;     // served in order; 0 once empty
    QHash<QString, QString> settings;   // "section/name" -> value
    SettingsStore* realStore = nullptr; // when set, the settings are read from and written to it

    void reset();

    void showInformation(QWidget* parent, const QString& text) override;
    bool askYesNo(QWidget* parent, const QString& text) override;
    void openWebAddress(const QString& address) override;
    void runModal(QDialog& dialog) override;
    QString chooseSaveFile(QWidget* parent, const SaveFileRequest& request) override;
    bool choosePrinter(QWidget* parent, QPrinter& printer, bool selectionOffered) override;
    QString readSetting(const QString& section, const QString& name) override;
    void writeSetting(const QString& section, const QString& name, const QString& value) override;
    bool claimSingleInstance() override;
    QDate today() override;
    void seedRandomFromClock() override;
    double drawRandom() override;
};

} // namespace seraphel
