// The program's style draws what Fusion draws: the menu bar's extension pictures, which it
// fetches only when drawn, and the controls with the one shared palette of their colours.
#include "ProgramStyle.h"

#include <QComboBox>
#include <QMenuBar>
#include <QPushButton>
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

    void drawsControlsInTheirOwnColoursAsFusionDoes() {
        QPalette olive;
        olive.setColor(QPalette::Button, QColor(79, 71, 36));
        olive.setColor(QPalette::ButtonText, QColor(128, 255, 255));
        const auto drawn = [&](QWidget&& control, QStyle& style) {
            control.setStyle(&style);
            control.setPalette(olive);
            control.resize(120, 30);
            return control.grab().toImage();
        };
        QCOMPARE(drawn(QPushButton(QStringLiteral("&Back")), m_style),
                 drawn(QPushButton(QStringLiteral("&Back")), *m_fusion));
        QCOMPARE(drawn(QComboBox(), m_style), drawn(QComboBox(), *m_fusion));
    }

    void coloursBuiltAgainShareOnePalette() {
        SharedPalettes palettes;
        const auto olive = [] {
            QPalette palette;
            palette.setColor(QPalette::Window, QColor(79, 71, 36));
            return palette;
        };
        QPalette inactive = olive();
        inactive.setCurrentColorGroup(QPalette::Inactive);
        const QPalette first = palettes.shared(olive());
        const QPalette again = palettes.shared(inactive);
        QCOMPARE(again.cacheKey(), first.cacheKey());
        QCOMPARE(again.currentColorGroup(), QPalette::Inactive);
        QVERIFY(palettes.shared(QPalette()).cacheKey() != first.cacheKey());
    }
};

} // namespace seraphel

QTEST_MAIN(seraphel::ProgramStyleTest)
#include "ProgramStyleTest.moc"
