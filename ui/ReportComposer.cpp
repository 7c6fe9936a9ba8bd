#include "ReportComposer.h"

#include <QColor>
#include <QRegularExpression>
#include <QTextCharFormat>
#include <QTextCursor>

#include <array>

namespace seraphel {
namespace {

// A run shows either fixed text (headings, captions) or one field of the reading (values).
struct RunEntry {
    RunStyle style;
    const char* text;
    QString ReportFields::*field;
};

constexpr std::array<RunEntry, 21> kRuns{{
    {RunStyle::Heading, "By Day Of Birth", nullptr},
    {RunStyle::Caption, "Name Of Angel : ", nullptr},
    {RunStyle::Value, nullptr, &ReportFields::lblDobAngel},
    {RunStyle::Caption, "Color : ", nullptr},
    {RunStyle::Value, nullptr, &ReportFields::lblDobColor},
    {RunStyle::Caption, "Description Of Your Guardian Angel : ", nullptr},
    {RunStyle::Value, nullptr, &ReportFields::txtDOBAngelDescription},
    {RunStyle::Heading, "By Month Of Birth", nullptr},
    {RunStyle::Caption, "Name Of Angel : ", nullptr},
    {RunStyle::Value, nullptr, &ReportFields::lblMonthOfBirthAngel},
    {RunStyle::Caption, "Description Of Your Guardian Angel : ", nullptr},
    {RunStyle::Value, nullptr, &ReportFields::txtAngelDescByMonthOfBirth},
    {RunStyle::Heading, "By SunSign", nullptr},
    {RunStyle::Caption, "Your Sun Sign : ", nullptr},
    {RunStyle::Value, nullptr, &ReportFields::lblSunSignName},
    {RunStyle::Caption, "Name Of Angel : ", nullptr},
    {RunStyle::Value, nullptr, &ReportFields::lblSunSignAngel},
    {RunStyle::Caption, "Element : ", nullptr},
    {RunStyle::Value, nullptr, &ReportFields::lblSunSignElement},
    {RunStyle::Caption, "Description Of Your Guardian Angel : ", nullptr},
    {RunStyle::Value, nullptr, &ReportFields::txtAngelDescriptionBySunSign},
}};

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

QList<ReportRun> ReportRuns(const ReportFields& fields) {
    QList<ReportRun> runs;
    for (const auto& entry : kRuns) {
        if (entry.style == RunStyle::Caption) {
            runs.append({entry.style, QString::fromLatin1(entry.text)});
        } else {
            const QString text = entry.field ? fields.*entry.field : QString::fromLatin1(entry.text);
            runs.append({entry.style, text + kBlankLineAfter});
        }
    }
    return runs;
}

void ComposeReport(QTextCursor& cursor, const ReportFields& fields) {
    // A field's text may carry its own line ends, from any system: each one breaks the paragraph.
    static const QRegularExpression lineEnd(QStringLiteral("\r\n|\r|\n"));
    for (const ReportRun& run : ReportRuns(fields)) {
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
