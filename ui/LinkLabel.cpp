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
    emit clicked();
}

} // namespace seraphel
