#include "SampleReading.h"

#include "FindFlow.h"

namespace seraphel::test {

ReportFields SampleReportFields() {
    BirthDetails details;
    details.personName = "ANNA";
    details.birthYear = 2009;
    details.birthMonthName = "January";
    details.birthMonthIndex = 0;
    details.birthDay = 1;
    details.northernHemisphere = true;
    const AngelReading reading = ReadGuardianAngels(details);
    const auto text = [](const std::string& field) { return QString::fromStdString(field); };
    return {text(reading.lblDobAngel),
            text(reading.lblDobColor),
            text(reading.txtDOBAngelDescription),
            text(reading.lblMonthOfBirthAngel),
            text(reading.txtAngelDescByMonthOfBirth),
            text(reading.lblSunSignName),
            text(reading.lblSunSignAngel),
            text(reading.lblSunSignElement),
            text(reading.txtAngelDescriptionBySunSign)};
}

} // namespace seraphel::test
