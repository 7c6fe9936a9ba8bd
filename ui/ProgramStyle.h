// The windows' style: Fusion, so that their colours look alike on every desktop, with the
// standard pictures that the windows may never show fetched only when first drawn, and every
// control drawn with the shared palette of its colours (SharedPalettes.h).
#pragma once

#include "SharedPalettes.h"

#include <QProxyStyle>

namespace seraphel {

class ProgramStyle final : public QProxyStyle {
public:
    ProgramStyle();

    // Every menu bar makes a button for menus that do not fit and decodes its picture at
    // once, with every image format plugin loaded for it, before the window can show; the
    // windows' menus always fit. That picture comes from Fusion when it is first drawn.
    QIcon standardIcon(StandardPixmap standardIcon, const QStyleOption* option = nullptr,
                       const QWidget* widget = nullptr) const override;

    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget = nullptr) const override;
    void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget = nullptr) const override;
    void drawComplexControl(ComplexControl control, const QStyleOptionComplex* option, QPainter* painter,
                            const QWidget* widget = nullptr) const override;

private:
    mutable SharedPalettes m_palettes; // filled as the controls are drawn
};

} // namespace seraphel
