#include "ReportComposer.h"

#include "ReadingPages.h"

#include <QColor>
#include <QRegularExpression>
#include <QTextCharFormat>
#include <QTextCursor>

#include <array>
#include <string>

namespace seraphel {
namespace {

// Colour and heading emphasis of each style; font and size stay the box's own.
struct StyleEntry {
    RunStyle style;
    QColor color;
    QFont::Weight weight; // the heading emphasis is bold
};

constexpr std::array<StyleEntry, 3> kStyles{{
    {RunStyle::Heading, QColor(128, 0, 0), QFont::Bold},   // dark red
    {RunStyle::Caption, QColor(0, 128, 0), QFont::Normal}, // green
    {RunStyle::Value, QColor(0, 0, 255), QFont::Normal},   // light blue
}};

// Headings and values end their line and leave a blank one; a caption shares its line
// with the value after it.
constexpr QLatin1StringView kBlankLineAfter("\r\n\r\n");
constexpr QLatin1StringView kCaptionEnd(" : ");

QTextCharFormat RunFormat(RunStyle style) {
    QTextCharFormat format;
    for (const auto& entry : kStyles) {
        if (entry.style == style) {
            format.setForeground(entry.color);
            format.setFontWeight(entry.weight);
        }
    }
    return format;
}

} // namespace

QList<ReportRun> ReportRuns(const AngelReading& reading) {
    QList<ReportRun> runs;
    const auto addLabelled = [&](const char* caption, const std::string& value) {
        runs.append({RunStyle::Caption, QString::fromUtf8(caption) + kCaptionEnd});
        runs.append({RunStyle::Value, QString::fromStdString(value) + kBlankLineAfter});
    };
    for (const ReadingPage& page : kReadingPages) {
        runs.append({RunStyle::Heading, QString::fromUtf8(page.reportHeading) + kBlankLineAfter});
        for (const ReadingValue& value : page.values) {
            addLabelled(value.heading, reading.*value.field);
        }
        addLabelled(kDescriptionHeading, reading.*page.description);
    }
    return runs;
}

void ComposeReport(QTextCursor& cursor, const AngelReading& reading) {
    // A field's text may carry its own line ends, from any system: each one breaks the paragraph.
    static const QRegularExpression lineEnd(QStringLiteral("\r\n|\r|\n"));
    for (const ReportRun& run : ReportRuns(reading)) {
        const QTextCharFormat format = RunFormat(run.style);
        const QStringList lines = run.text.split(lineEnd);
        for (qsizetype i = 0; i < lines.size(); ++i) {
            if (i > 0) {
                cursor.insertBlock(cursor.blockFormat(), format);
            }
            cursor.insertText(lines[i], format);
        }
    }
}

} // namespace seraphel
