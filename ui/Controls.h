// Building blocks of the program's windows: every control is placed at a fixed position
// inside its container, named as in the window's design, and coloured from the theme.
#pragma once

#include "Theme.h"

#include <QColor>
#include <QLabel>
#include <QRect>
#include <QString>
#include <QWidget>

#include <utility>

class QGroupBox;
class QPushButton;

namespace seraphel {
class LinkLabel;
}

namespace seraphel::controls {

// One row of a window's design: the control's object name, its place in its container in
// twips (left, top, width, height) and its caption. The table a row stands in says which
// kind of control it is and which container holds it.
struct ControlSpec {
    const char* name;
    int left;
    int top;
    int width;
    int height;
    const char* caption = "";

    QRect geometry() const { return theme::TwipsRect(left, top, width, height); }
    QString text() const { return QString::fromUtf8(caption); }
};

// A child of the container, with its object name and fixed geometry (logical pixels); any
// further arguments go to the widget's constructor before its parent.
template <typename Widget, typename... Arguments>
Widget& Add(QWidget& container, const char* objectName, const QRect& geometry, Arguments&&... arguments) {
    auto* widget = new Widget(std::forward<Arguments>(arguments)..., &container);
    widget->setObjectName(QString::fromLatin1(objectName));
    widget->setGeometry(geometry);
    return *widget;
}
template <typename Widget> Widget& Add(QWidget& container, const ControlSpec& spec) {
    return Add<Widget>(container, spec.name, spec.geometry());
}

// Sets every text role of the widget's palette, so labels, inputs and group titles agree.
void SetTextColour(QWidget& widget, const QColor& colour);
// Fills the widget and its inputs' backgrounds with the colour.
void SetBackground(QWidget& widget, const QColor& colour);

// Shows the text as plain text (& shows as itself), top-left aligned, in the colour.
void SetUpLabel(QLabel& label, const QString& text, const QColor& colour);

QLabel& AddLabel(QWidget& container, const char* objectName, const QRect& geometry, const QString& text,
                 const QColor& colour);
QLabel& AddLabel(QWidget& container, const ControlSpec& spec, const QColor& colour);
// A frame with an etched border and an optional caption in white.
QGroupBox& AddFrame(QWidget& container, const char* objectName, const QRect& geometry, const QString& caption = {});
QGroupBox& AddFrame(QWidget& container, const ControlSpec& spec);
// A command button with the grey face and bold caption; & marks the access key.
QPushButton& AddButton(QWidget& container, const ControlSpec& spec);
// A label that opens something when clicked (LinkLabel), showing the text as plain text,
// top-left aligned, in the colour.
LinkLabel& AddLink(QWidget& container, const char* objectName, const QRect& geometry, const QString& text,
                   const QColor& colour);
// The font with an underline, as the windows' web-site links are drawn.
QFont Underlined(QFont font);

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
