#include "QuickLongText.h"

#include <QTest>
#include <QTextBlock>
#include <QTextEdit>

namespace seraphel {
namespace {

const QString kOverlongWord(501, u'a');
const QString kLongestWrappedWord(500, u'b');

void Remove(QTextEdit& box, const QString& text) {
    QTextCursor cursor(box.document());
    const auto at = static_cast<int>(box.toPlainText().indexOf(text));
    cursor.setPosition(at);
    cursor.setPosition(at + static_cast<int>(text.size()), QTextCursor::KeepAnchor);
    cursor.removeSelectedText();
}

void InsertAt(QTextEdit& box, int position, const QString& text) {
    QTextCursor cursor(box.document());
    cursor.setPosition(position);
    cursor.insertText(text);
}

bool WrapsAnywhere(const QTextEdit& box) {
    return box.wordWrapMode() == QTextOption::WrapAnywhere;
}

} // namespace

class QuickLongTextTest final : public QObject {
    Q_OBJECT

private slots:
    void wrapsAnywhereWhileAnyParagraphHoldsAnOverlongWord();
    void keepsTheAnalysisOfALongParagraphWhileItHoldsTheCursor();
};

void QuickLongTextTest::wrapsAnywhereWhileAnyParagraphHoldsAnOverlongWord() {
    QTextEdit box;
    box.setPlainText(QStringLiteral("already there ") + kOverlongWord);
    KeepLongTextQuick(box);
    QVERIFY(WrapsAnywhere(box));
    box.setPlainText(kLongestWrappedWord);
    QVERIFY(!WrapsAnywhere(box));

    // Two paragraphs with an overlong word, and the edits that take them away one by one.
    box.setPlainText(QStringLiteral("first %1\nmiddle\nlast x%2").arg(kOverlongWord, kLongestWrappedWord));
    QVERIFY(WrapsAnywhere(box));
    Remove(box, QStringLiteral("first ") + kOverlongWord + u'\n');
    QVERIFY2(WrapsAnywhere(box), "the last paragraph still holds one");
    const int last = box.document()->lastBlock().position();
    InsertAt(box, last + 300, QStringLiteral(" "));
    QVERIFY2(!WrapsAnywhere(box), "a blank cuts the word in two");
    box.undo();
    QVERIFY(WrapsAnywhere(box));
    // Merged with the paragraph before it, the word is still too long.
    Remove(box, QStringLiteral("\nlast "));
    QVERIFY(WrapsAnywhere(box));
    InsertAt(box, 200, QStringLiteral("\n"));
    QVERIFY2(!WrapsAnywhere(box), "a paragraph break cuts the word in two");
    box.clear();
    QVERIFY(!WrapsAnywhere(box));
}

void QuickLongTextTest::keepsTheAnalysisOfALongParagraphWhileItHoldsTheCursor() {
    QTextEdit box;
    KeepLongTextQuick(box);
    box.setPlainText(QStringLiteral("short\n%1\nshort").arg(QStringLiteral("angels ").repeated(2000)));
    const QTextBlock first = box.document()->firstBlock();
    const QTextBlock long_ = first.next();
    const auto holdCursorIn = [&box](const QTextBlock& block) {
        QTextCursor cursor(block);
        box.setTextCursor(cursor);
    };
    holdCursorIn(long_);
    QVERIFY(long_.layout()->cacheEnabled());
    holdCursorIn(first);
    QVERIFY(!long_.layout()->cacheEnabled());
    QVERIFY2(!first.layout()->cacheEnabled(), "a short paragraph is analysed afresh, as Qt does");
    // A short paragraph that grows long under the cursor keeps its analysis from then on.
    box.textCursor().insertText(QStringLiteral("angels ").repeated(2000));
    QVERIFY(first.layout()->cacheEnabled());
}

} // namespace seraphel

QTEST_MAIN(seraphel::QuickLongTextTest)
#include "QuickLongTextTest.moc"
