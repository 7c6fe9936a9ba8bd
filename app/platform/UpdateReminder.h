// The reminder that start-up runs once, before any window is shown: about every two weeks it
// asks whether to look for a newer version on the web site.
#pragma once

#include <QLocale>

namespace seraphel {

class Platform;

// Reads the date of the last reminder from the settings store, with the ISO copy written beside it;
// on the first run stores today, within 14 days of it (either side) does nothing, further away
// asks, stores today whatever the answer and opens the download page on Yes. A stored value that
// ParseStoredDate reads as no date, in any locale's format, ends the check without a question and
// without writing.
void CheckForUpdateReminder(Platform& platform);
// The same, with the stored date written in dateLocale's short date format (and read in it first).
void CheckForUpdateReminder(Platform& platform, const QLocale& dateLocale);

} // namespace seraphel
