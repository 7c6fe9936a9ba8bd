// A label that acts on a click, with the hand pointer that tells the user so.
#pragma once

#include <QLabel>

namespace seraphel {

class ClickableLabel final : public QLabel {
    Q_OBJECT
public:
    explicit ClickableLabel(QWidget* parent = nullptr);

signals:
    // The left button went down and came up again over the label.
    void clicked();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    bool m_pressed = false;
};

} // namespace seraphel
