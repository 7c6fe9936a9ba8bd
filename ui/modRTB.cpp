#include "modRTB.h"

#include "LinkDetector.h"
#include "Platform.h"

#include <QAbstractTextDocumentLayout>
#include <QMouseEvent>
#include <QPointer>
#include <QScrollBar>
#include <QSyntaxHighlighter>
#include <QTextBlock>
#include <QTextEdit>

namespace seraphel {
namespace {

// Shows the addresses of each block as links. Its formats lie over the text in the layout,
// and never in the document: what is saved or printed is what the user composed, and undo
// never sees a link appear. An edit has only the blocks it touched looked at again, so a key
// typed costs the same in any size of document.
class LinkHighlighter final : public QSyntaxHighlighter {
public:
    LinkHighlighter(QTextDocument* document, QColor linkColour, QObject* parent)
        : QSyntaxHighlighter(parent) {
        m_linkFormat.setFontUnderline(true);
        m_linkFormat.setForeground(linkColour);
        setDocument(document);
        rehighlight(); // now, rather than from the event loop: the links are there once installed
    }

protected:
    void highlightBlock(const QString& text) override {
        for (const TextSpan& span : FindWebAddresses(text)) {
            setFormat(static_cast<int>(span.start), static_cast<int>(span.length), m_linkFormat);
        }
    }

public:
    // The shown link that the character at position belongs to, or nothing. Only the links
    // already laid over its paragraph are looked at, so a move of the mouse costs the same over
    // a paragraph of any length.
    QString linkAt(int position) const {
        const QTextBlock block = document()->findBlock(position);
        const int inBlock = position - block.position();
        for (const QTextLayout::FormatRange& range : block.layout()->formats()) {
            if (range.format == m_linkFormat && inBlock >= range.start && inBlock < range.start + range.length) {
                QTextCursor link(block);
                link.setPosition(block.position() + range.start);
                link.setPosition(block.position() + range.start + range.length, QTextCursor::KeepAnchor);
                return link.selectedText();
            }
        }
        return {};
    }

private:
    QTextCharFormat m_linkFormat;
};

// Watches the box's viewport for the mouse; the links are those that the highlighter shows.
class LinkHandler final : public QObject {
public:
    LinkHandler(QTextEdit* box, WindowServices& services)
        : QObject(box)
        , m_box(box)
        , m_viewport(box->viewport())
        , m_services(services)
        , m_hadMouseTracking(box->viewport()->hasMouseTracking())
        , m_highlighter(new LinkHighlighter(box->document(), box->palette().color(QPalette::Link), this)) {
        box->viewport()->setMouseTracking(true);
        box->viewport()->installEventFilter(this);
    }

    // Gives the box back as it was before the handler came. A box on its way out takes its
    // handler with it and is given nothing back: by then it is no longer a whole box.
    void detach() {
        m_box->viewport()->removeEventFilter(this);
        m_box->viewport()->setMouseTracking(m_hadMouseTracking);
        m_box->viewport()->setCursor(NormalCursor());
        m_highlighter->setDocument(nullptr); // takes its formats off the text
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        // Only the mouse is of interest, and the box is looked at no sooner: while the box is
        // being destroyed, its viewport still sends events of other kinds through here.
        const auto type = event->type();
        if ((type == QEvent::MouseMove || type == QEvent::MouseButtonPress) && watched == m_viewport && m_box) {
            const auto& mouse = static_cast<const QMouseEvent&>(*event);
            const QString link = linkAt(mouse.position().toPoint());
            if (type == QEvent::MouseMove) {
                m_box->viewport()->setCursor(link.isEmpty() ? NormalCursor() : Qt::PointingHandCursor);
            } else if (!link.isEmpty() && mouse.button() == Qt::LeftButton) {
                // The whole link, however long: a clipped address opens another page.
                m_services.openWebAddress(WebAddressForLink(link));
            }
        }
        return false; // the box goes on with the event as if nothing had watched it
    }

private:
    Qt::CursorShape NormalCursor() const { return m_box->isReadOnly() ? Qt::ArrowCursor : Qt::IBeamCursor; }

    // The text of the link under the point, or nothing when the point is on other text, beyond
    // the end of a line or below the text.
    QString linkAt(QPoint viewportPoint) const {
        QTextDocument* document = m_box->document();
        const QPointF inDocument =
            viewportPoint + QPointF(m_box->horizontalScrollBar()->value(), m_box->verticalScrollBar()->value());
        const int cursorPosition = document->documentLayout()->hitTest(inDocument, Qt::ExactHit);
        if (cursorPosition < 0) {
            return {};
        }
        // The hit is the gap nearest the point: the character under it lies on the gap's left
        // when the point is left of the gap.
        QTextCursor gap(document);
        gap.setPosition(cursorPosition);
        const int character = viewportPoint.x() < m_box->cursorRect(gap).left() ? cursorPosition - 1 : cursorPosition;
        return m_highlighter->linkAt(character);
    }

    QPointer<QTextEdit> m_box;
    const QObject* m_viewport; // compared with, never used: it may be on its way out
    WindowServices& m_services;
    bool m_hadMouseTracking;
    LinkHighlighter* m_highlighter; // a child
};

// The name by which a box's handler is found among the box's children.
const QLatin1StringView kHandlerName("seraphelLinkHandler");

LinkHandler* InstalledHandler(const QTextEdit& box) {
    return dynamic_cast<LinkHandler*>(box.findChild<QObject*>(kHandlerName, Qt::FindDirectChildrenOnly));
}

} // namespace

void InstallLinkHandler(QTextEdit* box, WindowServices& services) {
    if (box && !InstalledHandler(*box)) {
        (new LinkHandler(box, services))->setObjectName(kHandlerName);
    }
}

void RemoveLinkHandler(QTextEdit* box) {
    if (LinkHandler* handler = box ? InstalledHandler(*box) : nullptr) {
        handler->detach();
        delete handler;
    }
}

} // namespace seraphel
