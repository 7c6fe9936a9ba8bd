// The reading report as a document: the runs of headings, captions and values in the order
// of the result window's pages, in their styles, inserted at a text cursor. Each CR LF of a run becomes a
// paragraph break, so the document's plain text reads as the runs joined, line for line.
#pragma once

#include "AngelReading.h"

#include <QList>
#include <QString>

class QTextCursor;

namespace seraphel {

enum class RunStyle { Heading, Caption, Value };

struct ReportRun {
    RunStyle style;
    QString text; // with its CR LF pairs
};

// The runs of the report of the reading, in document order; pictures are not part of it.
QList<ReportRun> ReportRuns(const AngelReading& reading);

// Inserts every run at the cursor, which ends after the last one.
void ComposeReport(QTextCursor& cursor, const AngelReading& reading);

} // namespace seraphel
