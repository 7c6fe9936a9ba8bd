// The texts of a reading as the result window shows them, which the reading report
// composes its document from. Pictures, name, date and hemisphere are not part of it.
#pragma once

#include <QString>

namespace seraphel {

struct ReportFields {
    QString lblDobAngel;
    QString lblDobColor;
    QString txtDOBAngelDescription;
    QString lblMonthOfBirthAngel;
    QString txtAngelDescByMonthOfBirth;
    QString lblSunSignName;
    QString lblSunSignAngel;
    QString lblSunSignElement;
    QString txtAngelDescriptionBySunSign;
};

} // namespace seraphel
