#include "UpdateReminder.h"

#include "Platform.h"
#include "SettingCodec.h"
#include "StoredDate.h"
#include "modHelp.h"

#include <QDate>

#include <cstdlib>

namespace seraphel {
namespace {

constexpr qint64 kQuietDays = 14;

QString SettingsSection() {
    return QStringLiteral("Settings");
}

QString ReminderDateName() {
    return EncodeSetting(QStringLiteral("Duration"));
}

// The same date in ISO form, beside the value that earlier versions read and write.
QString ReminderIsoDateName() {
    return EncodeSetting(QStringLiteral("DurationISO"));
}

void StoreReminderDate(Platform& platform, QDate date, const QLocale& dateLocale) {
    platform.writeSetting(SettingsSection(), ReminderDateName(), EncodeSetting(FormatStoredDate(date, dateLocale)));
    platform.writeSetting(SettingsSection(), ReminderIsoDateName(), EncodeSetting(FormatStoredIsoDate(date)));
}

} // namespace

void CheckForUpdateReminder(Platform& platform) {
    CheckForUpdateReminder(platform, QLocale::system());
}

void CheckForUpdateReminder(Platform& platform, const QLocale& dateLocale) {
    const QDate today = platform.today();
    const QString stored = DecodeSetting(platform.readSetting(SettingsSection(), ReminderDateName()));
    if (stored.isEmpty()) {
        StoreReminderDate(platform, today, dateLocale);
        return;
    }
    const QString storedIso = DecodeSetting(platform.readSetting(SettingsSection(), ReminderIsoDateName()));
    const std::optional<QDate> storedDate = ParseStoredDate(stored, storedIso, dateLocale, today);
    if (!storedDate || std::abs(today.daysTo(*storedDate)) <= kQuietDays) {
        return;
    }
    const bool checkNow = platform.askYesNo(nullptr, QStringLiteral("There maybe an update to this software available\r"
                                                                    "Do you want to check for an update?"));
    StoreReminderDate(platform, today, dateLocale);
    if (checkNow) {
        OpenWebPage(platform, WebPage::DownloadWebPage);
    }
}

} // namespace seraphel
