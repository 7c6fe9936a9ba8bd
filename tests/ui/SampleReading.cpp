#include "SampleReading.h"

#include "FindFlow.h"

namespace seraphel::test {

AngelReading SampleReading() {
    BirthDetails details;
    details.personName = "ANNA";
    details.birthYear = 2009;
    details.birthMonthName = "January";
    details.birthMonthIndex = 0;
    details.birthDay = 1;
    details.northernHemisphere = true;
    return ReadGuardianAngels(details);
}

} // namespace seraphel::test
