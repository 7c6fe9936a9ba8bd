// A label that acts as a link: a pointing-hand pointer over it, and clicked() when the
// left mouse button is pressed and released over it, as a button is clicked; pressing and
// dragging away clicks nothing, and a double click is one click. Where labels overlap, only
// the one in front is hit.
#pragma once

#include <QLabel>

namespace seraphel {

class LinkLabel final : public QLabel {
    Q_OBJECT

public:
    explicit LinkLabel(const QString& text, QWidget* parent = nullptr);

signals:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    bool m_pressed = false;
};

} // namespace seraphel
