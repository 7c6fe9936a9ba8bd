#include "LinkLabel.h"

#include <QMouseEvent>

namespace seraphel {

LinkLabel::LinkLabel(const QString& text, QWidget* parent)
    : QLabel(text, parent) {
    setCursor(Qt::PointingHandCursor);
}

void LinkLabel::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) {
        QLabel::mousePressEvent(event);
        return;
    }
    event->accept();
    m_pressed = true;
}

void LinkLabel::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) {
        QLabel::mouseReleaseEvent(event);
        return;
    }
    event->accept();
    // The press grabbed the mouse, so the release comes here wherever the pointer went.
    const bool click = m_pressed && rect().contains(event->position().toPoint());
    m_pressed = false;
    if (click) {
        emit clicked();
    }
}

// The second press of a double click comes as this event, which a widget otherwise takes for
// a press: the release after it would click the label a second time.
void LinkLabel::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) {
        QLabel::mouseDoubleClickEvent(event);
        return;
    }
    event->accept();
}

} // namespace seraphel
