// The windows' style: Fusion, so that their colours look alike on every desktop, with the
// standard pictures that the windows may never show fetched only when first drawn.
#pragma once

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
};

} // namespace seraphel
