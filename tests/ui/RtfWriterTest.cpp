#include "RtfWriter.h"
#include "ReaderTools.h"
#include "RtfReader.h"
#include "Theme.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QTextCursor>
#include <QTextDocument>

namespace seraphel {
namespace {

struct Piece {
    QString text;
    QTextCharFormat format;
};

QTextCharFormat Colored(const QColor& color, bool bold = false) {
    QTextCharFormat format;
    format.setForeground(color);
    format.setFontWeight(bold ? QFont::Bold : QFont::Normal);
    return format;
}

// A document in the report box's font; each "\n" in a piece starts a new paragraph.
std::unique_ptr<QTextDocument> Document(const QList<Piece>& pieces) {
    auto document = std::make_unique<QTextDocument>();
    document->setDefaultFont(theme::VerdanaFont(9.75));
    QTextCursor cursor(document.get());
    for (const Piece& piece : pieces) {
        const QStringList lines = piece.text.split(u'\n');
        for (qsizetype i = 0; i < lines.size(); ++i) {
            if (i > 0) {
                cursor.insertBlock(QTextBlockFormat(), piece.format);
            }
            cursor.insertText(lines[i], piece.format);
        }
    }
    return document;
}

// The body of the RTF after the tables, without the closing brace and its line end.
QByteArray Body(const QTextDocument& document) {
    const QByteArray rtf = WriteRtf(document);
    const qsizetype start = rtf.indexOf("\\pard\\plain ") + 12;
    return rtf.mid(start, rtf.size() - start - 2);
}

const QByteArray kHeader = "{\\rtf1\\ansi\\ansicpg1252\\deff0\\uc1\n"
                           "{\\fonttbl{\\f0\\fswiss\\fcharset0 Verdana{\\*\\falt DejaVu Sans};}}\n";

} // namespace

class RtfWriterTest final : public QObject {
    Q_OBJECT

private slots:
    void writesASmallDocument();
    void escapesCharacters_data();
    void escapesCharacters();
    void switchesBoldItalicAndUnderline();
    void listsEachColourOnceAndSwitchesBetweenThem();
    void writesFontsAndSizes();
    void keepsTheFontTableWholeWhateverAFontIsNamed_data();
    void keepsTheFontTableWholeWhateverAFontIsNamed();
    void writesOneParagraphALine();
    void readsBackInIndependentReaders();
};

void RtfWriterTest::writesASmallDocument() {
    const auto document = Document({{QStringLiteral("Heading\n\n"), Colored(QColor(128, 0, 0), true)},
                                    {QStringLiteral("Name : "), Colored(QColor(0, 128, 0))},
                                    {QStringLiteral("Value\n\n"), Colored(QColor(0, 0, 255))}});
    QCOMPARE(WriteRtf(*document), kHeader + "{\\colortbl;\\red128\\green0\\blue0;\\red0\\green128\\blue0;"
                                            "\\red0\\green0\\blue255;}\n"
                                            "\\pard\\plain \\fs20\\cf1\\b Heading\\par\n"
                                            "\\par\n"
                                            "\\cf2\\b0 Name : \\cf3 Value\\par\n"
                                            "\\par\n"
                                            "}\n");
}

void RtfWriterTest::escapesCharacters_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QByteArray>("rtf");
    QTest::newRow("backslash") << QStringLiteral("a\\b") << QByteArray("a\\\\b");
    QTest::newRow("braces") << QStringLiteral("{x}") << QByteArray("\\{x\\}");
    QTest::newRow("typed control words") << QStringLiteral("\\par{\\b}") << QByteArray("\\\\par\\{\\\\b\\}");
    QTest::newRow("Latin-1") << QStringLiteral("caf\u00e9") << QByteArray("caf\\u233\\'3f");
    QTest::newRow("blank after fallback") << QStringLiteral("\u00e9 x") << QByteArray("\\u233\\'3f x");
    QTest::newRow("digit after fallback") << QStringLiteral("\u20ac5") << QByteArray("\\u8364\\'3f5");
    QTest::newRow("above 32767") << QStringLiteral("\uff21") << QByteArray("\\u-223\\'3f");
    QTest::newRow("outside the BMP") << QString::fromUtf8("\xf0\x9f\x98\x80")
                                     << QByteArray("\\u-10179\\'3f\\u-8704\\'3f");
    QTest::newRow("tab") << QStringLiteral("a\tb") << QByteArray("a\\tab b");
    QTest::newRow("line break") << QStringLiteral("a\u2028b") << QByteArray("a\\line b");
    QTest::newRow("leading blank") << QStringLiteral(" x") << QByteArray(" x");
    QTest::newRow("question mark") << QStringLiteral("?") << QByteArray("?");
}

void RtfWriterTest::escapesCharacters() {
    QFETCH(QString, text);
    QFETCH(QByteArray, rtf);
    const auto document = Document({{text, {}}});
    // The blank after \fs20 ends the control word; the text's own blanks follow it.
    QCOMPARE(Body(*document), "\\fs20 " + rtf + '\n');
    const auto read = test::ReadRtf(WriteRtf(*document));
    QVERIFY2(read.document, qPrintable(read.error));
    QCOMPARE(read.document->text, text);
}

void RtfWriterTest::switchesBoldItalicAndUnderline() {
    QTextCharFormat bold;
    bold.setFontWeight(QFont::Bold);
    QTextCharFormat italic;
    italic.setFontItalic(true);
    QTextCharFormat underline;
    underline.setFontUnderline(true);
    QTextCharFormat all = bold;
    all.merge(italic);
    all.merge(underline);
    const auto document = Document({{QStringLiteral("a"), {}},
                                    {QStringLiteral("b"), bold},
                                    {QStringLiteral("c"), {}},
                                    {QStringLiteral("d"), italic},
                                    {QStringLiteral("e"), underline},
                                    {QStringLiteral("f"), all},
                                    {QStringLiteral("g"), {}}});
    QCOMPARE(Body(*document), QByteArray("\\fs20 a\\b b\\b0 c\\i d\\i0\\ul e\\b\\i f\\b0\\i0\\ul0 g\n"));
}

void RtfWriterTest::listsEachColourOnceAndSwitchesBetweenThem() {
    const QColor red(200, 10, 20);
    const QColor blue(0, 0, 255);
    const auto document = Document({{QStringLiteral("r"), Colored(red)},
                                    {QStringLiteral("b"), Colored(blue)},
                                    {QStringLiteral("r"), Colored(red)},
                                    {QStringLiteral("default"), {}}});
    const QByteArray rtf = WriteRtf(*document);
    QVERIFY(rtf.contains("{\\colortbl;\\red200\\green10\\blue20;\\red0\\green0\\blue255;}\n"));
    QCOMPARE(Body(*document), QByteArray("\\fs20\\cf1 r\\cf2 b\\cf1 r\\cf0 default\n"));
}

void RtfWriterTest::writesFontsAndSizes() {
    QTextCharFormat large;
    large.setFontPointSize(14);
    QTextCharFormat serif;
    serif.setFontFamilies({QStringLiteral("DejaVu Serif")});
    const auto document = Document({{QStringLiteral("a"), large}, {QStringLiteral("b"), serif}});
    const QByteArray rtf = WriteRtf(*document);
    const QByteArray fontTable = kHeader.left(kHeader.size() - 2) + "{\\f1\\fnil\\fcharset0 DejaVu Serif;}}\n";
    QCOMPARE(rtf.left(fontTable.size()), fontTable);
    QCOMPARE(Body(*document), QByteArray("\\fs28 a\\f1\\fs20 b\n"));
}

void RtfWriterTest::keepsTheFontTableWholeWhateverAFontIsNamed_data() {
    QTest::addColumn<QString>("family");
    QTest::addColumn<QString>("tableName"); // as a reader finds it in the table
    QTest::newRow("semicolon") << QStringLiteral("Evil; Font") << QStringLiteral("Evil Font");
    QTest::newRow("braces and backslash") << QStringLiteral("{\\b} \\f9") << QStringLiteral("{\\b} \\f9");
    QTest::newRow("control characters and breaks")
        << QStringLiteral("A\tB\u0001C\u2028D\u2029E\nF") << QStringLiteral("ABCDEF");
    QTest::newRow("nothing but semicolons") << QStringLiteral(";;") << QStringLiteral("Unnamed");
    QTest::newRow("beyond ASCII") << QStringLiteral("\u0160rift \u6587") << QStringLiteral("\u0160rift \u6587");
}

void RtfWriterTest::keepsTheFontTableWholeWhateverAFontIsNamed() {
    QFETCH(QString, family);
    QFETCH(QString, tableName);
    QTextCharFormat format;
    format.setFontFamilies({family});
    const auto document = Document({{QStringLiteral("text"), format}});
    const auto read = test::ReadRtf(WriteRtf(*document));
    QVERIFY2(read.document, qPrintable(read.error));
    QCOMPARE(read.document->styles.value(0).family, tableName);
}

void RtfWriterTest::writesOneParagraphALine() {
    auto document = Document({{QStringLiteral("a\n\nb\n"), {}}});
    QCOMPARE(document->blockCount(), 4);
    QCOMPARE(Body(*document), QByteArray("\\fs20 a\\par\n\\par\nb\\par\n"));

    const auto empty = Document({});
    QCOMPARE(Body(*empty), QByteArray("\n"));
}

void RtfWriterTest::readsBackInIndependentReaders() {
    // Everything but characters outside the BMP, which pandoc 2.17 reads as two U+FFFD.
    const auto document =
        Document({{QStringLiteral("Heading {1}\n\n"), Colored(QColor(128, 0, 0), true)},
                  {QStringLiteral("Caption \\par : "), Colored(QColor(0, 128, 0))},
                  {QStringLiteral("caf\u00e9 \u00e9 \u20ac 5 \uff21 back\\slash ?x\n\n"), Colored(QColor(0, 0, 255))},
                  {QStringLiteral("{\\b not bold}"), Colored(QColor(0, 0, 255))}});
    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    const QString path = folder.filePath(QStringLiteral("doc.rtf"));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(WriteRtf(*document));
    file.close();

    QCOMPARE(test::PandocParagraphs(path), test::DocumentParagraphs(*document));
    QCOMPARE(test::UnrtfColorRuns(path), test::DocumentColorRuns(*document));
}

} // namespace seraphel

QTEST_MAIN(seraphel::RtfWriterTest)
#include "RtfWriterTest.moc"
