#include "Controls.h"

#include "Theme.h"

#include <QPalette>
#include <QPushButton>
#include <QShortcut>

#include <initializer_list>

namespace seraphel::controls {
namespace {

// Below this the text gets hard to read; the windows' texts fit well above it.
constexpr qreal kSmallestPointSize = 6.5;
constexpr qreal kPointSizeStep = 0.25;

void SetRoles(QWidget& widget, std::initializer_list<QPalette::ColorRole> roles, const QColor& colour) {
    QPalette palette = widget.palette();
    for (const auto role : roles) {
        palette.setColor(role, colour);
    }
    widget.setPalette(palette);
}

} // namespace

void SetTextColour(QWidget& widget, const QColor& colour) {
    SetRoles(widget, {QPalette::WindowText, QPalette::Text, QPalette::ButtonText}, colour);
}

void SetBackground(QWidget& widget, const QColor& colour) {
    SetRoles(widget, {QPalette::Window, QPalette::Base, QPalette::Button}, colour);
    widget.setAutoFillBackground(true);
}

void SetFocusColours(QWidget& widget, const QColor& background, const QColor& text) {
    SetRoles(widget, {QPalette::Highlight}, text);
    SetRoles(widget, {QPalette::HighlightedText}, background);
}

void SetInputColours(QWidget& widget, const QColor& background, const QColor& text) {
    SetBackground(widget, background);
    SetTextColour(widget, text);
    SetFocusColours(widget, background, text);
}

void SetUpLabel(QLabel& label, const QString& text, const QColor& colour) {
    label.setTextFormat(Qt::PlainText);
    label.setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label.setText(text);
    SetTextColour(label, colour);
}

QFont Underlined(QFont font) {
    font.setUnderline(true);
    return font;
}

void SetUpButton(QPushButton& button, const QString& caption, ButtonRoles roles) {
    button.setText(caption);
    button.setAutoDefault(roles.testFlag(ButtonRole::Default));
    button.setDefault(roles.testFlag(ButtonRole::Default));
    if (roles.testFlag(ButtonRole::Cancel)) {
        QObject::connect(new QShortcut(Qt::Key_Escape, &button), &QShortcut::activated, &button, &QPushButton::click);
    }
    QFont font = button.font();
    font.setBold(true);
    button.setFont(font);
    SetFocusColours(button, button.palette().color(QPalette::Button), button.palette().color(QPalette::ButtonText));
}

void PaintButtonFace(QPushButton& button) {
    SetRoles(button, {QPalette::Button}, theme::kButtonFace);
    SetRoles(button, {QPalette::ButtonText}, theme::kButtonText);
    SetFocusColours(button, theme::kButtonFace, theme::kButtonText);
}

void GrowToFitText(QWidget& widget) {
    const int needed = widget.sizeHint().width();
    if (needed > widget.width()) {
        widget.resize(needed, widget.height());
    }
}

void ShrinkFontToFit(QLabel& label) {
    label.setWordWrap(true);
    QFont font = label.font();
    while (label.heightForWidth(label.width()) > label.height() && font.pointSizeF() > kSmallestPointSize) {
        font.setPointSizeF(font.pointSizeF() - kPointSizeStep);
        label.setFont(font);
    }
}

void LayIntoGap(const QLabel& sentence, qsizetype gapStart, qsizetype gapLength, QLabel& words) {
    const QFontMetrics sentenceMetrics(sentence.font());
    const QString text = sentence.text();
    const int start = sentenceMetrics.horizontalAdvance(text.left(gapStart + 1));
    const int room = sentenceMetrics.horizontalAdvance(text.left(gapStart + gapLength - 1)) - start;
    QFont font = words.font();
    while (QFontMetrics(font).horizontalAdvance(words.text()) > room && font.pointSizeF() > kPointSizeStep) {
        font.setPointSizeF(font.pointSizeF() - kPointSizeStep);
    }
    words.setFont(font);
    const QFontMetrics metrics(font);
    words.setGeometry(sentence.x() + start, sentence.y() + sentenceMetrics.ascent() - metrics.ascent(),
                      metrics.horizontalAdvance(words.text()) + 1, metrics.height());
}

} // namespace seraphel::controls
