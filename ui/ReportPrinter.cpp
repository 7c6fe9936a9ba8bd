#include "ReportPrinter.h"

#include "ResourceFreeDocument.h"

#include <QAbstractTextDocumentLayout>
#include <QPageRanges>
#include <QPrinter>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextDocumentFragment>
#include <QTextEdit>

namespace seraphel {

void PrepareReportPrinter(QPrinter& printer) {
    printer.setPageMargins(QMarginsF(20, 20, 20, 20), QPageLayout::Millimeter);
}

void PrintBoxContent(const QTextEdit& box, QPrinter& printer) {
    ResourceFreeDocument pages; // nothing the box holds has it read a file
    pages.setDefaultFont(box.document()->defaultFont());
    const QTextCursor cursor = box.textCursor();
    QTextCursor(&pages).insertFragment(cursor.hasSelection() ? cursor.selection()
                                                             : QTextDocumentFragment(box.document()));
    // A page range that a print dialog let the user choose all the same is not heeded: the
    // selection or the whole document is printed, every page of it.
    printer.setPrintRange(cursor.hasSelection() ? QPrinter::Selection : QPrinter::AllPages);
    printer.setPageRanges(QPageRanges());
    // Laid out for the printer and cut into its pages beforehand, the document is printed as
    // it stands: QTextDocument::print adds page numbers only to a document without pages.
    pages.documentLayout()->setPaintDevice(&printer);
    pages.setDocumentMargin(0); // the printer's page margins frame the text
    pages.setPageSize(printer.pageRect(QPrinter::DevicePixel).size());
    pages.print(&printer);
}

} // namespace seraphel
