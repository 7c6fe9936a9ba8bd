// The recording platform with the desktop's real settings store: the store's file is read and
// written as the program does it, while the clock, questions and instance check stay recorded.
#pragma once

#include "FakePlatform.h"
#include "QtPlatform.h"

namespace seraphel::testing {

class PlatformWithRealStore final : public Platform {
public:
    FakePlatform recorded;

    void showInformation(QWidget* parent, const QString& text) override { recorded.showInformation(parent, text); }
    bool askYesNo(QWidget* parent, const QString& text) override { return recorded.askYesNo(parent, text); }
    void openWebAddress(const QString& address) override { recorded.openWebAddress(address); }
    void runModal(QDialog& dialog) override { recorded.runModal(dialog); }
    QString chooseSaveFile(QWidget* parent, const SaveFileRequest& request) override {
        return recorded.chooseSaveFile(parent, request);
    }
    bool choosePrinter(QWidget* parent, QPrinter& printer, bool selectionOffered) override {
        return recorded.choosePrinter(parent, printer, selectionOffered);
    }
    QString readSetting(const QString& section, const QString& name) override {
        return m_store.readSetting(section, name);
    }
    void writeSetting(const QString& section, const QString& name, const QString& value) override {
        m_store.writeSetting(section, name, value);
    }
    bool claimSingleInstance() override { return recorded.claimSingleInstance(); }
    QDate today() override { return recorded.today(); }
    void seedRandomFromClock() override { recorded.seedRandomFromClock(); }
    double drawRandom() override { return recorded.drawRandom(); }

private:
    QtPlatform m_store;
};

} // namespace seraphel::testing
