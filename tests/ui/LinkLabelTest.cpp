// The shared link label: a pointing hand over it, and a click is a press and a release of the
// left button over the label, as with a button.
#include "LinkLabel.h"

#include <QMouseEvent>
#include <QSignalSpy>
#include <QTest>

namespace seraphel {

class LinkLabelTest final : public QObject {
    Q_OBJECT

private slots:
    void opensOnReleaseOverTheLabelOnly() {
        LinkLabel label(QStringLiteral("Click here"));
        label.resize(200, 20);
        QSignalSpy clicks(&label, &LinkLabel::clicked);
        const QPoint inside = label.rect().center();
        QCOMPARE(label.cursor().shape(), Qt::PointingHandCursor);

        QTest::mouseClick(&label, Qt::RightButton, {}, inside);
        QTest::mouseClick(&label, Qt::MiddleButton, {}, inside);
        QTest::mousePress(&label, Qt::LeftButton, {}, inside);
        QCOMPARE(clicks.count(), 0);
        QTest::mouseRelease(&label, Qt::LeftButton, {}, inside);
        QCOMPARE(clicks.count(), 1);

        // Pressed, then dragged away and released outside: nothing.
        QTest::mousePress(&label, Qt::LeftButton, {}, inside);
        QTest::mouseMove(&label, QPoint(-20, -20));
        QTest::mouseRelease(&label, Qt::LeftButton, {}, QPoint(-20, -20));
        QCOMPARE(clicks.count(), 1);

        // A release without a press of its own over the label is no click either.
        QTest::mouseRelease(&label, Qt::LeftButton, {}, inside);
        QCOMPARE(clicks.count(), 1);
    }

    // As the window system sends them: press, release, double click, release; a triple click
    // adds a plain click.
    void doubleClickOpensOnceAndTripleClickTwice() {
        LinkLabel label(QStringLiteral("Click here"));
        label.resize(200, 20);
        QSignalSpy clicks(&label, &LinkLabel::clicked);
        const QPoint inside = label.rect().center();

        QTest::mouseClick(&label, Qt::LeftButton, {}, inside);
        QMouseEvent secondPress(QEvent::MouseButtonDblClick, inside, label.mapToGlobal(inside), Qt::LeftButton,
                                Qt::LeftButton, {});
        QCoreApplication::sendEvent(&label, &secondPress);
        QTest::mouseRelease(&label, Qt::LeftButton, {}, inside);
        QCOMPARE(clicks.count(), 1);

        QTest::mouseClick(&label, Qt::LeftButton, {}, inside);
        QCOMPARE(clicks.count(), 2);
    }
};

} // namespace seraphel

QTEST_MAIN(seraphel::LinkLabelTest)
#include "LinkLabelTest.moc"
