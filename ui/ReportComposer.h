// The reading report as a document: the 21 runs of headings, captions and values in their
// fixed order and styles, inserted at a text cursor. Each CR LF of a run becomes a
// paragraph break, so the document's plain text reads as the runs joined, line for line.
#pragma once

#include "ReportFields.h"

#include <QList>
#include <QString>

class QTextCursor;

namespace seraphel {

enum class RunStyle { Heading, Caption, Value };

struct ReportRun {
    RunStyle style;
    QString text; // with its CR LF pairs
};

// The runs of the report for these fields, in document order.
QList<ReportRun> ReportRuns(const ReportFields& fields);

// Inserts every run at the cursor, which ends after the last one.
void ComposeReport(QTextCursor& cursor, const ReportFields& fields);

} // namespace seraphel
