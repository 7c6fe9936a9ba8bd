// Printing a rich-text box: its selection when it has one, otherwise all of its document,
// whatever page range the printer was given, in the box's fonts and colours and without the
// page numbers that QTextDocument::print adds to a document laid out for the screen.
#pragma once

class QPrinter;
class QTextEdit;

namespace seraphel {

// Gives the printer the margins the report is printed with, before the user's own set-up.
void PrepareReportPrinter(QPrinter& printer);

void PrintBoxContent(const QTextEdit& box, QPrinter& printer);

} // namespace seraphel
