// A label that acts as a link: a pointing-hand pointer over it, and clicked() when the
// left mouse button goes down on it. Where labels overlap, only the one in front is hit.
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
};

} // namespace seraphel
