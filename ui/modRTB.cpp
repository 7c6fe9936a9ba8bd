#include "modRTB.h"

#include "LinkDetector.h"
#include "Platform.h"

#include <QAbstractTextDocumentLayout>
#include <QMouseEvent>
#include <QPointer>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextEdit>

#include <optional>

namespace seraphel {
namespace {

struct DocumentLink {
    int position;
    int length;
};

QTextCursor Selecting(QTextDocument* document, const DocumentLink& link) {
    QTextCursor cursor(document);
    cursor.setPosition(link.position);
    cursor.setPosition(link.position + link.length, QTextCursor::KeepAnchor);
    return cursor;
}

// Watches the box's viewport for the mouse and its document for edits. The links are drawn
// as extra selections, so detection never changes the document: what is saved or printed
// is what the user composed, and undo never sees a link appear.
class LinkHandler final : public QObject {
public:
    LinkHandler(QTextEdit* box, Platform& platform)
        : QObject(box)
        , m_box(box)
        , m_viewport(box->viewport())
        , m_platform(platform)
        , m_hadMouseTracking(box->viewport()->hasMouseTracking()) {
        connect(box, &QTextEdit::textChanged, this, &LinkHandler::detectLinks);
        box->viewport()->setMouseTracking(true);
        box->viewport()->installEventFilter(this);
        detectLinks();
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
            const auto link = linkAt(mouse.position().toPoint());
            if (type == QEvent::MouseMove) {
                m_box->viewport()->setCursor(link ? Qt::PointingHandCursor : NormalCursor());
            } else if (link && mouse.button() == Qt::LeftButton) {
                // The whole link, however long: a clipped address opens another page.
                m_platform.openWebAddress(WebAddressForLink(Selecting(m_box->document(), *link).selectedText()));
            }
        }
        return false; // the box goes on with the event as if nothing had watched it
    }

private:
    Qt::CursorShape NormalCursor() const { return m_box->isReadOnly() ? Qt::ArrowCursor : Qt::IBeamCursor; }

    void detectLinks() {
        m_links.clear();
        QList<QTextEdit::ExtraSelection> shown;
        QTextCharFormat linkFormat;
        linkFormat.setFontUnderline(true);
        linkFormat.setForeground(m_box->palette().color(QPalette::Link));
        for (QTextBlock block = m_box->document()->begin(); block.isValid(); block = block.next()) {
            for (const TextSpan& span : FindWebAddresses(block.text())) {
                const DocumentLink link{block.position() + static_cast<int>(span.start), static_cast<int>(span.length)};
                m_links.append(link);
                shown.append({Selecting(m_box->document(), link), linkFormat});
            }
        }
        m_box->setExtraSelections(shown);
    }

    // The link whose text lies under the point, or none when the point is on other text,
    // beyond the end of a line or below the text.
    std::optional<DocumentLink> linkAt(QPoint viewportPoint) const {
        const QPointF inDocument =
            viewportPoint + QPointF(m_box->horizontalScrollBar()->value(), m_box->verticalScrollBar()->value());
        const int cursorPosition = m_box->document()->documentLayout()->hitTest(inDocument, Qt::ExactHit);
        if (cursorPosition < 0) {
            return std::nullopt;
        }
        // The hit is the gap nearest the point: the character under it lies on the gap's left
        // when the point is left of the gap.
        QTextCursor gap(m_box->document());
        gap.setPosition(cursorPosition);
        const int character = viewportPoint.x() < m_box->cursorRect(gap).left() ? cursorPosition - 1 : cursorPosition;
        for (const DocumentLink& link : m_links) {
            if (character >= link.position && character < link.position + link.length) {
                return link;
            }
        }
        return std::nullopt;
    }

    QPointer<QTextEdit> m_box;
    const QObject* m_viewport; // compared with, never used: it may be on its way out
    Platform& m_platform;
    bool m_hadMouseTracking;
    QList<DocumentLink> m_links;
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
