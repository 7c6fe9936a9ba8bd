// The reminder that start-up runs once, before any window is shown: about every two weeks it
// asks whether to look for a newer version on the web site.
#pragma once

#include <QLocale>

namespace seraphel {

class Platform;

// The first run stores today. A stored date within 14 days of today, either side, asks nothing;
// further away, it asks, stores today whatever the answer and opens the download page on Yes. A
// stored value that reads as no date ends the check without asking or writing.
void CheckForUpdateReminder(Platform& platform);
// The same with dateLocale's short date format instead of the system's.
void CheckForUpdateReminder(Platform& platform, const QLocale& dateLocale);

} // namespace seraphel
