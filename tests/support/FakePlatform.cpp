#include "FakePlatform.h"

#include <QDialog>
#include <QPrinter>

namespace seraphel {

void FakePlatform::reset() {
    *this = FakePlatform{};
}

void FakePlatform::openWebAddress(const QString& address) {
    calls.append(QStringLiteral("openWebAddress"));
    RecordingWindowServices::openWebAddress(address);
}

bool FakePlatform::askYesNo(QWidget* parent, const QString& text) {
    calls.append(QStringLiteral("askYesNo"));
    questions.append({parent, text});
    return nextAnswerYes;
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
