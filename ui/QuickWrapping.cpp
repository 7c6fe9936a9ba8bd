#include "QuickWrapping.h"

#include <QTextBlock>
#include <QTextDocument>
#include <QTextEdit>

namespace seraphel {
namespace {

// A megabyte of runs this long takes about half as long again to lay out as with lines broken
// anywhere, under a second; the report's own words and addresses stay far below it.
constexpr qsizetype kLongestWordWrappedAtBoundaries = 500;

bool HoldsOverlongWord(const QTextDocument& document) {
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        qsizetype run = 0;
        for (const QChar character : block.text()) {
            run = character.isSpace() ? 0 : run + 1;
            if (run > kLongestWordWrappedAtBoundaries) {
                return true;
            }
        }
    }
    return false;
}

} // namespace

void KeepWrappingQuick(QTextEdit& box) {
    // The document tells of an edit before its layout takes it in.
    QObject::connect(box.document(), &QTextDocument::contentsChange, &box, [&box] {
        box.setWordWrapMode(HoldsOverlongWord(*box.document()) ? QTextOption::WrapAnywhere
                                                               : QTextOption::WrapAtWordBoundaryOrAnywhere);
    });
}

} // namespace seraphel
