#include "ReportComposer.h"

#include <QTest>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

using namespace Qt::StringLiterals;

namespace seraphel {
namespace {

struct StyledText {
    QString text;
    QString color;
    bool bold;
    friend bool operator==(const StyledText&, const StyledText&) = default;
};

char* toString(const StyledText& run) {
    return QTest::toString(
        QStringLiteral("%1%2 \"%3\"").arg(run.bold ? QStringLiteral("bold ") : QString(), run.color, run.text));
}

const QString kHeading = QStringLiteral("#800000");
const QString kCaption = QStringLiteral("#008000");
const QString kValue = QStringLiteral("#0000ff");

StyledText Heading(const char* text) {
    return {QString::fromUtf8(text), kHeading, true};
}
StyledText Caption(const char* text) {
    return {QString::fromUtf8(text), kCaption, false};
}
StyledText Value(const char* text) {
    return {QString::fromUtf8(text), kValue, false};
}

// Every stretch of text of the document with its colour and emphasis, paragraph by paragraph.
QList<StyledText> StyledTextOf(const QTextDocument& document) {
    QList<StyledText> runs;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextCharFormat format = it.fragment().charFormat();
            runs.append({it.fragment().text(), format.foreground().color().name(), format.fontWeight() == QFont::Bold});
        }
    }
    return runs;
}

AngelReading KnownReading() {
    AngelReading reading;
    reading.lblDobAngel = "St.Micheal";
    reading.lblDobColor = "Red, White";
    reading.txtDOBAngelDescription = "Michael guards you.\r\n\r\nHe gives courage.";
    reading.lblMonthOfBirthAngel = "St.Verchiel";
    reading.txtAngelDescByMonthOfBirth = "Verchiel brings joy.";
    reading.lblSunSignName = "Capricorn";
    reading.lblSunSignAngel = "St. Uriel";
    reading.lblSunSignElement = "Earth";
    reading.txtAngelDescriptionBySunSign = "Uriel gives peace.";
    reading.picByDayOfBirth = 9; // pictures are not part of the report
    return reading;
}

QTextDocument* Composed(const AngelReading& reading, QObject* parent) {
    auto* document = new QTextDocument(parent);
    QTextCursor cursor(document);
    ComposeReport(cursor, reading);
    return document;
}

} // namespace

class ReportComposerTest final : public QObject {
    Q_OBJECT

private slots:
    void composesTheRunsInTheirOrder();
    void givesEveryRunItsStyle();
    void anEmptyValueLeavesItsCaptionOnItsLine();
    void turnsEveryLineEndIntoAParagraphBreak_data();
    void turnsEveryLineEndIntoAParagraphBreak();
    void leavesTheCursorAtTheEnd();
};

void ReportComposerTest::composesTheRunsInTheirOrder() {
    const QString plainText = QStringLiteral("By Day Of Birth\n\n"
                                             "Name Of Angel : St.Micheal\n\n"
                                             "Color : Red, White\n\n"
                                             "Description Of Your Guardian Angel : Michael guards you.\n\n"
                                             "He gives courage.\n\n"
                                             "By Month Of Birth\n\n"
                                             "Name Of Angel : St.Verchiel\n\n"
                                             "Description Of Your Guardian Angel : Verchiel brings joy.\n\n"
                                             "By SunSign\n\n"
                                             "Your Sun Sign : Capricorn\n\n"
                                             "Name Of Angel : St. Uriel\n\n"
                                             "Element : Earth\n\n"
                                             "Description Of Your Guardian Angel : Uriel gives peace.\n\n");
    QCOMPARE(Composed(KnownReading(), this)->toPlainText(), plainText);

    // The runs themselves read the same, each CR LF standing for one paragraph break.
    QString joined;
    for (const ReportRun& run : ReportRuns(KnownReading())) {
        joined += run.text;
    }
    QCOMPARE(ReportRuns(KnownReading()).size(), 21);
    QCOMPARE(joined.replace(QStringLiteral("\r\n"), QStringLiteral("\n")), plainText);
}

void ReportComposerTest::givesEveryRunItsStyle() {
    const QTextDocument* document = Composed(KnownReading(), this);
    QCOMPARE(StyledTextOf(*document), (QList<StyledText>{Heading("By Day Of Birth"),
                                                         Caption("Name Of Angel : "),
                                                         Value("St.Micheal"),
                                                         Caption("Color : "),
                                                         Value("Red, White"),
                                                         Caption("Description Of Your Guardian Angel : "),
                                                         Value("Michael guards you."),
                                                         Value("He gives courage."),
                                                         Heading("By Month Of Birth"),
                                                         Caption("Name Of Angel : "),
                                                         Value("St.Verchiel"),
                                                         Caption("Description Of Your Guardian Angel : "),
                                                         Value("Verchiel brings joy."),
                                                         Heading("By SunSign"),
                                                         Caption("Your Sun Sign : "),
                                                         Value("Capricorn"),
                                                         Caption("Name Of Angel : "),
                                                         Value("St. Uriel"),
                                                         Caption("Element : "),
                                                         Value("Earth"),
                                                         Caption("Description Of Your Guardian Angel : "),
                                                         Value("Uriel gives peace.")}));
    // No run sets a font of its own: the whole report is in the box's font.
    for (QTextBlock block = document->begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            QVERIFY(!it.fragment().charFormat().hasProperty(QTextFormat::FontFamilies));
            QVERIFY(!it.fragment().charFormat().hasProperty(QTextFormat::FontPointSize));
        }
    }
}

void ReportComposerTest::anEmptyValueLeavesItsCaptionOnItsLine() {
    AngelReading reading = KnownReading();
    reading.txtAngelDescByMonthOfBirth.clear();
    const QTextDocument* document = Composed(reading, this);
    QVERIFY(document->toPlainText().contains(
        QStringLiteral("Name Of Angel : St.Verchiel\n\nDescription Of Your Guardian Angel : \n\nBy SunSign")));
    const QList<StyledText> styled = StyledTextOf(*document);
    const qsizetype caption = styled.indexOf(Heading("By SunSign")) - 1;
    QCOMPARE(styled.value(caption), Caption("Description Of Your Guardian Angel : "));
}

void ReportComposerTest::turnsEveryLineEndIntoAParagraphBreak_data() {
    QTest::addColumn<QString>("description");
    QTest::addColumn<QStringList>("paragraphs");
    QTest::newRow("CR LF pair") << QStringLiteral("One.\r\n\r\nTwo.") << QStringList{u"One."_s, QString(), u"Two."_s};
    QTest::newRow("LF alone") << QStringLiteral("One.\nTwo.") << QStringList{u"One."_s, u"Two."_s};
    QTest::newRow("CR alone") << QStringLiteral("One.\rTwo.") << QStringList{u"One."_s, u"Two."_s};
    QTest::newRow("line end first") << QStringLiteral("\r\nOne.") << QStringList{QString(), u"One."_s};
}

void ReportComposerTest::turnsEveryLineEndIntoAParagraphBreak() {
    QFETCH(QString, description);
    QFETCH(QStringList, paragraphs);
    AngelReading reading = KnownReading();
    reading.txtAngelDescriptionBySunSign = description.toStdString();
    const QTextDocument* document = Composed(reading, this);
    QStringList last = document->toPlainText().split(u'\n');
    // The description follows its caption on the caption's line and ends with a blank line.
    last = last.mid(last.size() - paragraphs.size() - 2);
    last.first().remove(QStringLiteral("Description Of Your Guardian Angel : "));
    QCOMPARE(last, paragraphs + QStringList(2, QString()));
    QVERIFY(!document->toRawText().contains(u'\r'));
}

void ReportComposerTest::leavesTheCursorAtTheEnd() {
    QTextDocument document;
    QTextCursor cursor(&document);
    ComposeReport(cursor, KnownReading());
    QVERIFY(cursor.atEnd());
    QCOMPARE(cursor.block().text(), QString());
}

} // namespace seraphel

QTEST_MAIN(seraphel::ReportComposerTest)
#include "ReportComposerTest.moc"
