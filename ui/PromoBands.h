// The dark-grey bands at the top and bottom of the program's two windows, with their
// promotional labels: the discussion-board banner on top, and at the bottom the
// co-branding and full-branding offers lying exactly on top of each other, of which only
// the one in front is seen and receives a click. Each label opens its page of the web site.
#pragma once

#include "modHelp.h"

#include "Controls.h"

#include <QObject>

class QGroupBox;
class QWidget;

namespace seraphel {

class LinkLabel;
class WindowServices;

// The two offers of the bottom band, of which one may be brought in front of the other.
enum class PromoOffer { Cobrand, FullBrand };

// Where the window puts the bands and labels, each in its container.
struct PromoBandLayout {
    controls::TwipsBox topBand;    // Frame4, in the window
    controls::TwipsBox banner;     // Label61, in Frame4
    controls::TwipsBox bottomBand; // Frame5, in the window
    controls::TwipsBox offers;     // lblCobrand and lblFullBrand, one on the other in Frame5
    Qt::Alignment offerAlignment;
};

class PromoBands final : public QObject {
    Q_OBJECT
public:
    // Builds the bands on the window's client area, which becomes their owner.
    PromoBands(QWidget& client, WindowServices& services, const PromoBandLayout& layout);

    QGroupBox& bottomBand() const { return *m_bottomBand; } // the result window adds its buttons here
    void bringToFront(PromoOffer offer) const;

    void Label61_Click() { OpenWebPage(m_services, WebPage::HomePage); }
    void lblCobrand_Click() { OpenWebPage(m_services, WebPage::CoBrand); }
    void lblFullBrand_Click() { OpenWebPage(m_services, WebPage::FullyBranded); }

private:
    WindowServices& m_services;
    QGroupBox* m_bottomBand;
    LinkLabel* m_lblCobrand;
    LinkLabel* m_lblFullBrand;
};

} // namespace seraphel
