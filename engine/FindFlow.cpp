#include "FindFlow.h"

#include "Readings.h"
#include "modEnglishCalender.h"

#include <stdexcept>

namespace seraphel {
namespace {

// The find flow carries on after a failing step; the user sees the reading as far as it got.
template <typename Step> void RunSkippingFailure(Step&& step) {
    try {
        step();
    } catch (const std::exception&) { // NOLINT(bugprone-empty-catch): skipping is the rule here
    }
}

} // namespace

AngelReading ReadGuardianAngels(BirthDetails& details) {
    AngelReading reading;
    RunSkippingFailure(
        [&] { CalculateWeekday(details.birthYear, details.birthMonthName, details.birthDay, details.weekdayName); });
    RunSkippingFailure([&] { ReadDayOfBirthAngel(details, reading); });
    RunSkippingFailure([&] { ReadMonthOfBirthAngel(details, reading); });
    RunSkippingFailure([&] { ReadSunSignAngel(details, reading); });
    return reading;
}

} // namespace seraphel
