// The program's style draws what Fusion draws: the menu bar's extension picture, which it
// fetches only when drawn, and every other standard picture straight from Fusion.
#include "ProgramStyle.h"

#include <QMenuBar>
#include <QStyleFactory>
#include <QTest>
#include <QToolButton>

#include <memory>

namespace seraphel {

class ProgramStyleTest final : public QObject {
    Q_OBJECT

private:
    ProgramStyle m_style;
    std::unique_ptr<QStyle> m_fusion{QStyleFactory::create(QStringLiteral("Fusion"))};

    void comparePictures(const QIcon& ours, const QIcon& fusion) {
        QCOMPARE(ours.availableSizes(), fusion.availableSizes());
        for (const int size : {16, 24, 32}) {
            QCOMPARE(ours.actualSize(QSize(size, size)), fusion.actualSize(QSize(size, size)));
            QCOMPARE(ours.pixmap(size).toImage(), fusion.pixmap(size).toImage());
            QCOMPARE(ours.pixmap(size, QIcon::Disabled).toImage(), fusion.pixmap(size, QIcon::Disabled).toImage());
        }
    }

private slots:
    void standardPicturesAreFusions_data() {
        QTest::addColumn<QStyle::StandardPixmap>("which");
        QTest::newRow("menu bar extension") << QStyle::SP_ToolBarHorizontalExtensionButton;
        QTest::newRow("vertical extension") << QStyle::SP_ToolBarVerticalExtensionButton;
        QTest::newRow("message box information") << QStyle::SP_MessageBoxInformation;
        QTest::newRow("dialog save") << QStyle::SP_DialogSaveButton;
    }

    void standardPicturesAreFusions() {
        QFETCH(QStyle::StandardPixmap, which);
        const QIcon ours = m_style.standardIcon(which);
        QVERIFY(!ours.isNull());
        comparePictures(ours, m_fusion->standardIcon(which));
    }

    void aCopyOfTheDeferredPictureDrawsTheSame() {
        const QIcon original = m_style.standardIcon(QStyle::SP_ToolBarHorizontalExtensionButton);
        QIcon copy = original;
        copy.detach();
        comparePictures(copy, m_fusion->standardIcon(QStyle::SP_ToolBarHorizontalExtensionButton));
    }

    void aMenuBarsExtensionButtonShowsFusionsPicture() {
        QMenuBar bar;
        bar.setStyle(&m_style);
        auto* extension = bar.findChild<QToolButton*>(QStringLiteral("qt_menubar_ext_button"));
        QVERIFY(extension);
        comparePictures(extension->icon(), m_fusion->standardIcon(QStyle::SP_ToolBarHorizontalExtensionButton));
    }

    void paintsThroughFusion() { QCOMPARE(m_style.baseStyle()->name(), QStringLiteral("fusion")); }
};

} // namespace seraphel

QTEST_MAIN(seraphel::ProgramStyleTest)
#include "ProgramStyleTest.moc"
