// Building blocks of the program's windows: every control is placed at a fixed position
// inside its container, named as in the window's design, and coloured from the theme.
#pragma once

#include <QColor>
#include <QLabel>
#include <QRect>
#include <QString>
#include <QWidget>

#include <utility>

class QGroupBox;
class QPushButton;

namespace seraphel::controls {

// A child of the container, with its object name and fixed geometry (logical pixels); any
// further arguments go to the widget's constructor before its parent.
template <typename Widget, typename... Arguments>
Widget& Add(QWidget& container, const char* objectName, const QRect& geometry, Arguments&&... arguments) {
    auto* widget = new Widget(std::forward<Arguments>(arguments)..., &container);
    widget->setObjectName(QString::fromLatin1(objectName));
    widget->setGeometry(geometry);
    return *widget;
}

// Sets every text role of the widget's palette, so labels, inputs and group titles agree.
void SetTextColour(QWidget& widget, const QColor& colour);
// Fills the widget and its inputs' backgrounds with the colour.
void SetBackground(QWidget& widget, const QColor& colour);

// Shows the text as plain text (& shows as itself), top-left aligned, in the colour.
void SetUpLabel(QLabel& label, const QString& text, const QColor& colour);

QLabel& AddLabel(QWidget& container, const char* objectName, const QRect& geometry, const QString& text,
                 const QColor& colour);
// A frame with an etched border and an optional caption in white.
QGroupBox& AddFrame(QWidget& container, const char* objectName, const QRect& geometry, const QString& caption = {});
// A command button with the grey face and bold caption; & marks the access key.
QPushButton& AddButton(QWidget& container, const char* objectName, const QRect& geometry, const QString& caption);

// Widens a one-line control to the right until its caption fits, when the font runs wider
// than the design's; a control that already fits keeps its designed width.
void GrowToFitText(QWidget& widget);
// Makes a word-wrapped label's font a little smaller until all of its lines fit its height.
void ShrinkFontToFit(QLabel& label);

// Lays the words label over a gap of blanks in the sentence label's first line: after the
// gap's first blank, on the sentence's baseline, with at least one blank left after the
// words. Works from the fonts' own measures, so the words stay in the gap whatever font the
// system picks; words too wide for the gap get a smaller font.
void LayIntoGap(const QLabel& sentence, qsizetype gapStart, qsizetype gapLength, QLabel& words);

} // namespace seraphel::controls
