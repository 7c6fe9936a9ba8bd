// The platform services as the desktop provides them, through Qt.
#pragma once

#include "InstanceLock.h"
#include "Platform.h"
#include "SettingsStore.h"

#include <memory>
#include <random>

namespace seraphel {

class QtPlatform final : public Platform {
public:
    QtPlatform();
    QtPlatform(const QtPlatform&) = delete;
    QtPlatform& operator=(const QtPlatform&) = delete;

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

private:
    // The store, opened on first use: start-up needs it only for the reminder, after the
    // single-instance claim has told whether this is the only instance.
    SettingsStore& settings();

    std::unique_ptr<SettingsStore> m_settings;
    std::unique_ptr<InstanceLock> m_instanceLock; // made at the first claim
    std::mt19937 m_random;
};

} // namespace seraphel
