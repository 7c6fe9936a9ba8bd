// A platform that records what start-up asked of it and answers as the test says. Nothing
// here shows a window, opens a browser or touches the real settings store.
#pragma once

#include "FakeWindowServices.h"
#include "SettingsStore.h"

#include <QHash>
#include <QStringList>

#include <deque>

namespace seraphel {

class FakePlatform final : public RecordingWindowServices<Platform> {
public:
    // --- What start-up asked for, besides the window services: every call by its name, in
    // order ("writeSetting", "openWebAddress", ...), and the questions asked.
    QStringList calls;
    QList<Message> questions;

    // --- How it answers.
    bool nextAnswerYes = false;
    bool anotherInstanceRuns = false;
    QDate currentDate{2026, 12, 7};
    std::deque<double> randomDraws;     // served in order; 0 once empty
    QHash<QString, QString> settings;   // "section/name" -> value
    SettingsStore* realStore = nullptr; // when set, the settings are read from and written to it

    void reset();

    // In the order of the answers above.
    bool askYesNo(QWidget* parent, const QString& text) override;
    bool claimSingleInstance() override;
    QDate today() override;
    void seedRandomFromClock() override;
    double drawRandom() override;
    QString readSetting(const QString& section, const QString& name) override;
    void writeSetting(const QString& section, const QString& name, const QString& value) override;
    // Recorded among the calls too, where start-up's order matters.
    void openWebAddress(const QString& address) override;
};

} // namespace seraphel
