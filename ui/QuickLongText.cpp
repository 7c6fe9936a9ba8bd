#include "QuickLongText.h"

#include <QTextBlock>
#include <QTextDocument>
#include <QTextEdit>
#include <QTextLayout>

#include <memory>

namespace seraphel {
namespace {

// A megabyte of runs this long takes about half as long again to lay out as with lines broken
// anywhere, under a second; the report's own words and addresses stay far below it.
constexpr qsizetype kLongestWordWrappedAtBoundaries = 500;
// Analysed afresh at each blink of the cursor, a paragraph this long costs well under a
// millisecond; kept, its analysis takes memory in proportion to its length, as laying it out does.
constexpr int kLongestParagraphAnalysedAtEachBlink = 10'000;

bool HoldsOverlongWord(const QString& text) {
    qsizetype run = 0;
    for (const QChar character : text) {
        run = character.isSpace() ? 0 : run + 1;
        if (run > kLongestWordWrappedAtBoundaries) {
            return true;
        }
    }
    return false;
}

// Marks a paragraph that holds an overlong word. The marks are counted, and a mark leaves the
// count with its paragraph however that goes: deleted, merged into another or cleared.
class OverlongWordMark final : public QTextBlockUserData {
public:
    explicit OverlongWordMark(std::shared_ptr<qsizetype> count)
        : m_count(std::move(count)) {
        ++*m_count;
    }
    ~OverlongWordMark() override { --*m_count; }

private:
    std::shared_ptr<qsizetype> m_count;
};

class LongTextWatcher final : public QObject {
public:
    explicit LongTextWatcher(QTextEdit& box)
        : QObject(&box)
        , m_box(box)
        , m_cursorParagraph(box.document()) {
        // The document tells of an edit before its layout takes it in.
        connect(box.document(), &QTextDocument::contentsChange, this, &LongTextWatcher::takeInEdit);
        connect(&box, &QTextEdit::cursorPositionChanged, this, &LongTextWatcher::followCursor);
        takeInEdit(0, 0, box.document()->characterCount());
    }

private:
    void takeInEdit(int position, int /*charsRemoved*/, int charsAdded) {
        const QTextDocument& document = *m_box.document();
        const QTextBlock last = document.findBlock(position + charsAdded);
        for (QTextBlock block = document.findBlock(position); block.isValid(); block = block.next()) {
            const bool marked = block.userData() != nullptr;
            if (const bool overlong = HoldsOverlongWord(block.text()); overlong != marked) {
                block.setUserData(overlong ? new OverlongWordMark(m_overlongParagraphs) : nullptr);
            }
            if (block == last) {
                break;
            }
        }
        m_box.setWordWrapMode(*m_overlongParagraphs > 0 ? QTextOption::WrapAnywhere
                                                        : QTextOption::WrapAtWordBoundaryOrAnywhere);
        followCursor(); // the paragraph may have grown or shrunk under it
    }

    void followCursor() {
        const QTextBlock current = m_box.textCursor().block();
        if (!current.isValid()) {
            return; // in the middle of the box's own change of its content
        }
        if (const QTextBlock previous = m_cursorParagraph.block(); previous.isValid() && previous != current) {
            previous.layout()->setCacheEnabled(false); // let go at its next layout
        }
        current.layout()->setCacheEnabled(current.length() > kLongestParagraphAnalysedAtEachBlink);
        m_cursorParagraph.setPosition(current.position());
    }

    QTextEdit& m_box;
    std::shared_ptr<qsizetype> m_overlongParagraphs = std::make_shared<qsizetype>(0);
    QTextCursor m_cursorParagraph; // where the paragraph that last held the cursor is
};

} // namespace

void KeepLongTextQuick(QTextEdit& box) {
    new LongTextWatcher(box);
}

} // namespace seraphel
