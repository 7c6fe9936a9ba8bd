// The shared link label: a click is a press and a release over the label, as with a button.
#include "LinkLabel.h"

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
};

} // namespace seraphel

QTEST_MAIN(seraphel::LinkLabelTest)
#include "LinkLabelTest.moc"
