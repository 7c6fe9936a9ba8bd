// Reads RTF files back with independent readers (pandoc and unrtf from Debian) and puts
// their view and a text document's own view of the same text side by side: text with its
// bold runs, and text with its colours. Blanks are compared as pandoc sees them: a run of
// blanks is one blank, and a paragraph without text is none.
#pragma once

#include <QColor>
#include <QList>
#include <QString>
#include <QStringList>

class QTextDocument;

namespace seraphel::test {

struct BoldRun {
    QString text;
    bool bold;
    friend bool operator==(const BoldRun&, const BoldRun&) = default;
};
using BoldParagraph = QList<BoldRun>;

struct ColorRun {
    QString text; // without blanks: the readers put line breaks and blanks differently
    QRgb color;
    friend bool operator==(const ColorRun&, const ColorRun&) = default;
};

// Runs a reader on a file; fails the test when the reader does not run or fails.
QByteArray RunReader(const QString& program, const QStringList& arguments);

// pandoc -f rtf -t native: the paragraphs with their bold runs.
QList<BoldParagraph> PandocParagraphs(const QString& rtfPath);
QList<BoldParagraph> DocumentParagraphs(const QTextDocument& document);

// unrtf --html: the text with its colours, in order.
QList<ColorRun> UnrtfColorRuns(const QString& rtfPath);
QList<ColorRun> DocumentColorRuns(const QTextDocument& document);

char* toString(const BoldRun& run);
char* toString(const BoldParagraph& paragraph);
char* toString(const ColorRun& run);

} // namespace seraphel::test
