#include "PageTriggers.h"

#include "BuildInfo.h"

#include <QAction>
#include <QTest>
#include <QWidget>

namespace seraphel::test {

QString ExpectedPageAddress(const char* pageKey) {
    return QString::fromUtf8(build::kBaseUrl) + QStringLiteral("/seraphel/ssd.php?page=") +
           QString::fromLatin1(pageKey);
}

bool TriggerControl(QWidget& root, const QString& objectName) {
    if (auto* action = root.findChild<QAction*>(objectName)) {
        action->trigger();
        return true;
    }
    auto* widget = root.findChild<QWidget*>(objectName);
    if (widget == nullptr) {
        return false;
    }
    QWidget* window = widget->window();
    const QPoint centre = widget->mapTo(window, widget->rect().center());
    QWidget* inFront = window->childAt(centre);
    if (inFront == nullptr) {
        inFront = window;
    }
    QTest::mouseClick(inFront, Qt::LeftButton, Qt::NoModifier, inFront->mapFrom(window, centre));
    return true;
}

} // namespace seraphel::test
