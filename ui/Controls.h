// Building blocks of the program's windows: every control is placed at a fixed position
// inside its container, named as in the window's design, and coloured from the theme.
#pragma once

#include "LinkLabel.h"
#include "PromoTexts.h"
#include "Theme.h"

#include <QAction>
#include <QColor>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRect>
#include <QString>
#include <QWidget>

#include <utility>
#include <variant>

namespace seraphel::controls {

// A control's place in its container in twips, as the window was designed. A place with no
// width is a label sized to its text.
struct TwipsBox {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
};

// What Enter and Esc press in a window: its default and its cancel button.
enum class ButtonRole { Default = 1, Cancel = 2 };
Q_DECLARE_FLAGS(ButtonRoles, ButtonRole)
Q_DECLARE_OPERATORS_FOR_FLAGS(ButtonRoles)

// One control of a window's design: its object name, its place, the caption it shows as
// designed (& marks the access key; "%1" in a link stands for the web site's host name;
// empty when it shows none), the handler of the owning window that a click runs, and for a
// button the keys that press it.
template <typename Owner> struct Control {
    const char* name;
    TwipsBox place{};
    const char* caption = "";
    void (Owner::*onClick)() = nullptr;
    ButtonRoles roles{};

    QRect geometry() const { return theme::TwipsRect(place.left, place.top, place.width, place.height); }
    QString text() const { return QString::fromUtf8(caption); }
    // The row at another place: for a part that each window lays out its own way.
    constexpr Control at(TwipsBox other) const {
        Control moved = *this;
        moved.place = other;
        return moved;
    }
};

// A child of the container with the row's object name and place; any further arguments go
// to the widget's constructor before its parent.
template <typename Widget, typename Owner, typename... Arguments>
Widget& Add(QWidget& container, const Control<Owner>& row, Arguments&&... arguments) {
    auto* widget = new Widget(std::forward<Arguments>(arguments)..., &container);
    widget->setObjectName(QString::fromLatin1(row.name));
    widget->setGeometry(row.geometry());
    return *widget;
}

// Sets every text role of the widget's palette, so labels, inputs and group titles agree.
void SetTextColour(QWidget& widget, const QColor& colour);
// Fills the widget and its inputs' backgrounds with the colour.
void SetBackground(QWidget& widget, const QColor& colour);
// Selection and focus ring in the control's own two colours, the other way round: they stand
// out from the background whatever the desktop's highlight colour.
void SetFocusColours(QWidget& widget, const QColor& background, const QColor& text);
// An input's background, text, selection and focus ring, scroll bars included.
void SetInputColours(QWidget& widget, const QColor& background, const QColor& text);

// Shows the text as plain text (& shows as itself), top-left aligned, in the colour.
void SetUpLabel(QLabel& label, const QString& text, const QColor& colour);

// A label showing the row's caption; one without a width takes the size of its text.
template <typename Owner> QLabel& AddLabel(QWidget& container, const Control<Owner>& row, const QColor& colour) {
    auto& label = Add<QLabel>(container, row);
    SetUpLabel(label, row.text(), colour);
    if (row.place.width == 0) {
        label.adjustSize();
    }
    return label;
}

// A frame with an etched border and the row's caption in white.
template <typename Owner> QGroupBox& AddFrame(QWidget& container, const Control<Owner>& row) {
    auto& frame = Add<QGroupBox>(container, row);
    frame.setTitle(row.text());
    SetTextColour(frame, theme::kCaptionText);
    return frame;
}

// Shows the caption (& marks the access key) in the button's font made bold; Enter presses
// only a default button and Esc only a cancel button.
void SetUpButton(QPushButton& button, const QString& caption, ButtonRoles roles);
// A command button with the row's caption in bold, pressing the row's handler.
template <typename Owner> QPushButton& AddButton(QWidget& container, const Control<Owner>& row, Owner& owner) {
    auto& button = Add<QPushButton>(container, row);
    SetUpButton(button, row.text(), row.roles);
    QObject::connect(&button, &QPushButton::clicked, &owner, row.onClick);
    return button;
}
// The grey face with black text of the main windows' buttons.
void PaintButtonFace(QPushButton& button);

// A label (LinkLabel) that runs the row's handler when clicked, showing the row's caption
// naming the web site, as plain text, top-left aligned, in the colour.
template <typename Owner>
LinkLabel& AddLink(QWidget& container, const Control<Owner>& row, Owner& owner, const QColor& colour) {
    const QString text = texts::NamingWebSite(row.caption);
    auto& link = Add<LinkLabel>(container, row, text);
    SetUpLabel(link, text, colour);
    QObject::connect(&link, &LinkLabel::clicked, &owner, row.onClick);
    return link;
}
// The font with an underline, as the windows' web-site links are drawn.
QFont Underlined(QFont font);

// A menu item of a window's design: its object name, its caption (& marks the access key) and
// the handler of the owning window that choosing it runs.
template <typename Owner> struct MenuItem {
    const char* name;
    const char* caption;
    void (Owner::*onChoose)();
};
struct MenuSeparator {
    const char* name;
};
template <typename Owner> using MenuEntry = std::variant<MenuItem<Owner>, MenuSeparator>;

// The item at the end of the menu or menu bar.
template <typename Menu, typename Owner> QAction& AddMenuItem(Menu& menu, const MenuItem<Owner>& row, Owner& owner) {
    QAction* item = menu.addAction(QString::fromUtf8(row.caption));
    item->setObjectName(QString::fromLatin1(row.name));
    QObject::connect(item, &QAction::triggered, &owner, row.onChoose);
    return *item;
}
template <typename Menu, typename Owner> void AddMenuEntry(Menu& menu, const MenuEntry<Owner>& entry, Owner& owner) {
    if (const auto* item = std::get_if<MenuItem<Owner>>(&entry)) {
        AddMenuItem(menu, *item, owner);
    } else {
        menu.addSeparator()->setObjectName(QString::fromLatin1(std::get<MenuSeparator>(entry).name));
    }
}

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
