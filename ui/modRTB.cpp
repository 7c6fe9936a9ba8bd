#include "modRTB.h"

#include "LinkDetector.h"
#include "Platform.h"

#include <QAbstractTextDocumentLayout>
#include <QMouseEvent>
#include <QPointer>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextEdit>

#include <algorithm>
#include <iterator>
#include <vector>

namespace seraphel {
namespace {

// Watches the box's viewport for the mouse and its document for edits. The links are drawn
// as extra selections, so detection never changes the document: what is saved or printed
// is what the user composed, and undo never sees a link appear. Each link is a cursor over
// its text, which the document moves along with every edit before it; an edit has only the
// blocks it touched searched again, so a key typed costs the same in any size of document.
class LinkHandler final : public QObject {
public:
    LinkHandler(QTextEdit* box, Platform& platform)
        : QObject(box)
        , m_box(box)
        , m_viewport(box->viewport())
        , m_platform(platform)
        , m_hadMouseTracking(box->viewport()->hasMouseTracking()) {
        connect(box->document(), &QTextDocument::contentsChange, this, &LinkHandler::redetectLinks);
        box->viewport()->setMouseTracking(true);
        box->viewport()->installEventFilter(this);
        QTextDocument* document = box->document();
        detectLinks(document->begin(), document->lastBlock());
        showLinks();
    }

    // Gives the box back as it was before the handler came. A box on its way out takes its
    // handler with it and is given nothing back: by then it is no longer a whole box.
    void detach() {
        m_box->viewport()->removeEventFilter(this);
        m_box->viewport()->setMouseTracking(m_hadMouseTracking);
        m_box->viewport()->setCursor(NormalCursor());
        m_box->setExtraSelections({});
    }

    LinkHandler(const LinkHandler&) = delete;
    LinkHandler& operator=(const LinkHandler&) = delete;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        // Only the mouse is of interest, and the box is looked at no sooner: while the box is
        // being destroyed, its viewport still sends events of other kinds through here.
        const auto type = event->type();
        if ((type == QEvent::MouseMove || type == QEvent::MouseButtonPress) && watched == m_viewport && m_box) {
            const auto& mouse = static_cast<const QMouseEvent&>(*event);
            const QTextCursor* link = linkAt(mouse.position().toPoint());
            if (type == QEvent::MouseMove) {
                m_box->viewport()->setCursor(link ? Qt::PointingHandCursor : NormalCursor());
            } else if (link && mouse.button() == Qt::LeftButton) {
                // The whole link, however long: a clipped address opens another page.
                m_platform.openWebAddress(WebAddressForLink(link->selectedText()));
            }
        }
        return false; // the box goes on with the event as if nothing had watched it
    }

private:
    Qt::CursorShape NormalCursor() const { return m_box->isReadOnly() ? Qt::ArrowCursor : Qt::IBeamCursor; }

    static int LinkStart(const QTextCursor& link) { return link.selectionStart(); }

    // The links of the blocks from first to last, in order, put in their place among the others.
    void detectLinks(const QTextBlock& first, const QTextBlock& last) {
        std::vector<QTextCursor> found;
        for (QTextBlock block = first; block.isValid(); block = block.next()) {
            for (const TextSpan& span : FindWebAddresses(block.text())) {
                QTextCursor link(m_box->document());
                link.setPosition(block.position() + static_cast<int>(span.start));
                link.setPosition(block.position() + static_cast<int>(span.start + span.length),
                                 QTextCursor::KeepAnchor);
                found.push_back(std::move(link));
            }
            if (block == last) {
                break;
            }
        }
        const auto place = std::lower_bound(m_links.begin(), m_links.end(), first.position(),
                                            [](const QTextCursor& link, int at) { return LinkStart(link) < at; });
        m_links.insert(place, std::make_move_iterator(found.begin()), std::make_move_iterator(found.end()));
    }

    // The blocks the edit touched are searched again; the links of the other blocks have moved
    // with the text.
    void redetectLinks(int position, int /*removed*/, int added) {
        if (!m_box) {
            return;
        }
        QTextDocument* document = m_box->document();
        const QTextBlock first = document->findBlock(position);
        QTextBlock last = document->findBlock(position + added);
        if (!last.isValid()) {
            last = document->lastBlock();
        }
        const int from = first.position();
        const int to = last.position() + last.length();
        std::erase_if(m_links, [from, to](const QTextCursor& link) {
            return !link.hasSelection() || (LinkStart(link) >= from && LinkStart(link) < to);
        });
        detectLinks(first, last);
        showLinks();
    }

    void showLinks() {
        QTextCharFormat linkFormat;
        linkFormat.setFontUnderline(true);
        linkFormat.setForeground(m_box->palette().color(QPalette::Link));
        QList<QTextEdit::ExtraSelection> shown;
        shown.reserve(static_cast<qsizetype>(m_links.size()));
        for (const QTextCursor& link : m_links) {
            shown.append({link, linkFormat});
        }
        m_box->setExtraSelections(shown);
    }

    // The link whose text lies under the point, or none when the point is on other text,
    // beyond the end of a line or below the text.
    const QTextCursor* linkAt(QPoint viewportPoint) const {
        const QPointF inDocument =
            viewportPoint + QPointF(m_box->horizontalScrollBar()->value(), m_box->verticalScrollBar()->value());
        const int cursorPosition = m_box->document()->documentLayout()->hitTest(inDocument, Qt::ExactHit);
        if (cursorPosition < 0) {
            return nullptr;
        }
        // The hit is the gap nearest the point: the character under it lies on the gap's left
        // when the point is left of the gap.
        QTextCursor gap(m_box->document());
        gap.setPosition(cursorPosition);
        const int character = viewportPoint.x() < m_box->cursorRect(gap).left() ? cursorPosition - 1 : cursorPosition;
        const auto after = std::upper_bound(m_links.begin(), m_links.end(), character,
                                            [](int at, const QTextCursor& link) { return at < LinkStart(link); });
        if (after == m_links.begin() || character >= std::prev(after)->selectionEnd()) {
            return nullptr;
        }
        return &*std::prev(after);
    }

    QPointer<QTextEdit> m_box;
    const QObject* m_viewport; // compared with, never used: it may be on its way out
    Platform& m_platform;
    bool m_hadMouseTracking;
    std::vector<QTextCursor> m_links; // in the order of the text
};

// The name by which a box's handler is found among the box's children.
const QLatin1StringView kHandlerName("seraphelLinkHandler");

LinkHandler* InstalledHandler(const QTextEdit& box) {
    return dynamic_cast<LinkHandler*>(box.findChild<QObject*>(kHandlerName, Qt::FindDirectChildrenOnly));
}

} // namespace

void InstallLinkHandler(QTextEdit* box, Platform& platform) {
    if (box && !InstalledHandler(*box)) {
        (new LinkHandler(box, platform))->setObjectName(kHandlerName);
    }
}

void RemoveLinkHandler(QTextEdit* box) {
    if (LinkHandler* handler = box ? InstalledHandler(*box) : nullptr) {
        handler->detach();
        delete handler;
    }
}

} // namespace seraphel
