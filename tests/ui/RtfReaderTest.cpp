// The strict RTF reader that checks the writer here and in the fuzz target: it reads what the
// writer writes, and refuses each kind of flaw it is there to catch.
#include "RtfReader.h"

#include <QTest>

namespace seraphel {

namespace {

const QByteArray kTables = "{\\rtf1\\ansi\\ansicpg1252\\deff0\\uc1\n"
                           "{\\fonttbl{\\f0\\fswiss\\fcharset0 Verdana{\\*\\falt DejaVu Sans};}{\\f1\\fnil "
                           "\\fcharset0 Caf\\u233\\'3f;}}\n"
                           "{\\colortbl;\\red128\\green0\\blue0;}\n";

} // namespace

class RtfReaderTest final : public QObject {
    Q_OBJECT

private slots:
    void readsTextAndStyles() {
        const auto read = test::ReadRtf(kTables + "\\pard\\plain \\fs20\\b a\\b0\\i\\cf1 \\{\\u233\\'3f\\par\n"
                                                  "\\f1\\ul\\i0\\cf0 \\tab\\line\\\\}\n");
        QVERIFY2(read.document, qPrintable(read.error));
        QCOMPARE(read.document->text, QStringLiteral(u"a{\u00e9\u2029\t\u2028\\"));
        const QList<test::RtfCharacterStyle> styles = read.document->styles;
        QCOMPARE(styles.size(), 6);
        QCOMPARE(styles[0], (test::RtfCharacterStyle{QStringLiteral("Verdana"), 20, true, false, false, {}}));
        QCOMPARE(styles[1],
                 (test::RtfCharacterStyle{QStringLiteral("Verdana"), 20, false, true, false, qRgb(128, 0, 0)}));
        QCOMPARE(styles[2], styles[1]);
        QCOMPARE(styles[3], (test::RtfCharacterStyle{QStringLiteral(u"Caf\u00e9"), 20, false, false, true, {}}));
    }

    void refusesFlaws_data() {
        QTest::addColumn<QByteArray>("rtf");
        const QByteArray body = kTables + "\\pard\\plain ";
        QTest::newRow("no rtf group") << QByteArray("{\\rtf0 x}");
        QTest::newRow("group left open") << body + "{x\n}";
        QTest::newRow("group closed twice") << body + "x}}";
        QTest::newRow("text after the document") << body + "x}\ny";
        QTest::newRow("unknown control word") << body + "\\shad x}";
        QTest::newRow("unknown destination") << body + "{\\*\\bkmkstart a}x}";
        QTest::newRow("unknown control symbol") << body + "\\~x}";
        QTest::newRow("missing fallback") << body + "\\u233 }";
        QTest::newRow("word instead of fallback") << body + "\\u233\\b x}";
        QTest::newRow("colour beyond the table") << body + "\\cf2 x}";
        QTest::newRow("font beyond the table") << body + "\\f7 x}";
        QTest::newRow("size without a number") << body + "\\fs x}";
        QTest::newRow("8-bit byte") << body + "caf\xe9}";
        QTest::newRow("font entry without semicolon") << QByteArray("{\\rtf1{\\fonttbl{\\f0 Verdana}}x}");
        QTest::newRow("text in the colour table") << QByteArray("{\\rtf1{\\colortbl;x;}x}");
    }

    void refusesFlaws() {
        QFETCH(QByteArray, rtf);
        const auto read = test::ReadRtf(rtf);
        QVERIFY(!read.document);
        QVERIFY(!read.error.isEmpty());
    }
};

} // namespace seraphel

QTEST_MAIN(seraphel::RtfReaderTest)
#include "RtfReaderTest.moc"
