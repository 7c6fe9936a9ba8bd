#include "LayoutRules.h"

#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QGroupBox>
#include <QKeySequence>
#include <QLabel>
#include <QMap>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRegularExpression>

namespace seraphel::testing {
namespace {

// Named by the program, not by Qt for a part of its own.
bool Named(const QObject& object) {
    return !object.objectName().isEmpty() && !object.objectName().startsWith(QLatin1String("qt_"));
}

QList<const QWidget*> Controls(const QWidget& root) {
    QList<const QWidget*> controls;
    for (const QWidget* widget : root.findChildren<QWidget*>()) {
        if (!widget->isWindow() && Named(*widget) && widget->isVisibleTo(&root)) {
            controls.append(widget);
        }
    }
    return controls;
}

QString NameOf(const QWidget& widget) {
    return widget.objectName().isEmpty() ? QString::fromLatin1(widget.metaObject()->className()) : widget.objectName();
}

// The text as the user reads it, without the & that marks an access key.
QString Shown(QString text) {
    static const QRegularExpression marker(QStringLiteral("&(.)"));
    return text.replace(marker, QStringLiteral("\\1"));
}

// The caption a control shows and whether its & marks an access key.
std::pair<QString, bool> CaptionOf(const QWidget& widget) {
    if (const auto* button = qobject_cast<const QAbstractButton*>(&widget)) {
        return {button->text(), true};
    }
    if (const auto* frame = qobject_cast<const QGroupBox*>(&widget)) {
        return {frame->title(), true};
    }
    if (const auto* label = qobject_cast<const QLabel*>(&widget)) {
        return {label->text(), label->buddy() != nullptr};
    }
    return {};
}

// Who uses each caption and each access key, in one place the user sees at once.
using Uses = QMap<QString, QStringList>;

void Note(Uses& uses, const QString& caption, bool keyed, const QString& user) {
    if (!caption.isEmpty()) {
        uses[QStringLiteral("caption \"%1\"").arg(keyed ? Shown(caption) : caption)].append(user);
    }
    if (const QKeySequence key = QKeySequence::mnemonic(caption); keyed && !key.isEmpty()) {
        uses[QStringLiteral("access key ") + key.toString()].append(user);
    }
}

void NoteItems(Uses& uses, const QList<QAction*>& items) {
    for (const QAction* item : items) {
        if (item->isVisible() && !item->isSeparator()) {
            Note(uses, item->text(), true, item->objectName());
        }
    }
}

void AddRepeats(QStringList& faults, const QString& place, const Uses& uses) {
    for (auto use = uses.cbegin(); use != uses.cend(); ++use) {
        if (use->size() > 1) {
            faults.append(QStringLiteral("%1: %2 of %3").arg(place, use.key(), use->join(QStringLiteral(", "))));
        }
    }
}

bool FitsItsCaption(const QWidget& control) {
    const QFontMetrics metrics(control.font());
    if (const auto* label = qobject_cast<const QLabel*>(&control); label != nullptr && !label->text().isEmpty()) {
        return label->wordWrap()
                   ? label->heightForWidth(label->width()) <= label->height()
                   : label->sizeHint().width() <= label->width() && label->sizeHint().height() <= label->height();
    }
    if (const auto* button = qobject_cast<const QPushButton*>(&control)) {
        const int margin = button->style()->pixelMetric(QStyle::PM_ButtonMargin, nullptr, button);
        return metrics.horizontalAdvance(Shown(button->text())) + margin <= button->width() &&
               metrics.height() + margin <= button->height();
    }
    if (const auto* frame = qobject_cast<const QGroupBox*>(&control)) {
        return metrics.horizontalAdvance(frame->title()) + 2 * metrics.averageCharWidth() <= frame->width();
    }
    if (qobject_cast<const QAbstractButton*>(&control) || qobject_cast<const QComboBox*>(&control)) {
        return control.sizeHint().width() <= control.width(); // a list fits its longest item
    }
    return true;
}

} // namespace

QString LayoutFaults(const QWidget& root, const QStringList& designedOverlaps) {
    QStringList faults;
    Uses window;
    const QList<const QWidget*> controls = Controls(root);
    for (qsizetype at = 0; at < controls.size(); ++at) {
        const QWidget& control = *controls[at];
        if (!control.parentWidget()->rect().contains(control.geometry())) {
            faults.append(control.objectName() + QStringLiteral(" outside ") + NameOf(*control.parentWidget()));
        }
        for (const QWidget* other : controls.mid(at + 1)) {
            const QString pair = control.objectName() + u'/' + other->objectName();
            if (other->parentWidget() == control.parentWidget() && other->geometry().intersects(control.geometry()) &&
                !designedOverlaps.contains(pair) &&
                !designedOverlaps.contains(other->objectName() + u'/' + control.objectName())) {
                faults.append(pair + QStringLiteral(" overlap"));
            }
        }
        if (!FitsItsCaption(control)) {
            faults.append(control.objectName() + QStringLiteral(" cut off"));
        }
        const auto [caption, keyed] = CaptionOf(control);
        Note(window, caption, keyed, control.objectName());
    }
    if (const auto* bar = root.findChild<QMenuBar*>()) {
        NoteItems(window, bar->actions());
    }
    AddRepeats(faults, NameOf(root), window);
    for (const QMenu* menu : root.findChildren<QMenu*>()) {
        Uses items;
        NoteItems(items, Named(*menu) ? menu->actions() : QList<QAction*>()); // not Qt's own, as the bar's overflow
        AddRepeats(faults, NameOf(*menu), items);
    }
    return faults.join(QStringLiteral("; "));
}

} // namespace seraphel::testing
