#include "PromoBands.h"

#include "Controls.h"
#include "LinkLabel.h"
#include "PromoTexts.h"
#include "Theme.h"

#include <QGroupBox>

namespace seraphel {
namespace {

using Row = controls::Control<PromoBands>;

// The design's "&&" is a label's escaped ampersand; these labels show plain text.
constexpr char kCobrandText[] =
    "Co-brand this software for your site.  Increase loyalty and traffic to your site. Put your site's name &  link "
    "here. See \"Help\" for details.Click Here for more info on co-branding.";

// Each window gives the places: see PromoBandLayout.
constexpr Row kTopBand{"Frame4"};
constexpr Row kBanner{
    "Label61", {}, "Share your readings on our discussion board. Visit %1", &PromoBands::Label61_Click};
constexpr Row kBottomBand{"Frame5"};
constexpr Row kCobrand{"lblCobrand", {}, kCobrandText, &PromoBands::lblCobrand_Click};
constexpr Row kFullBrand{"lblFullBrand", {}, texts::kFullBrandOffer.c_str(), &PromoBands::lblFullBrand_Click};

QGroupBox& AddBand(QWidget& container, const Row& row) {
    auto& band = controls::AddFrame(container, row);
    controls::SetBackground(band, theme::kBandBackground);
    return band;
}

// The band cuts off whatever of the label lies outside it: the text is fitted to what is seen.
LinkLabel& FitIntoBand(LinkLabel& label, Qt::Alignment alignment) {
    label.setGeometry(label.geometry().intersected(label.parentWidget()->rect()));
    label.setAlignment(alignment | Qt::AlignTop);
    controls::ShrinkFontToFit(label);
    return label;
}

// The two offers lie on one another; each hides the one behind it.
LinkLabel& AddOffer(LinkLabel& offer, Qt::Alignment alignment) {
    controls::SetBackground(FitIntoBand(offer, alignment), theme::kBandBackground);
    return offer;
}

} // namespace

PromoBands::PromoBands(QWidget& client, WindowServices& services, const PromoBandLayout& layout)
    : QObject(&client)
    , m_services(services) {
    auto& topBand = AddBand(client, kTopBand.at(layout.topBand));
    FitIntoBand(controls::AddLink(topBand, kBanner.at(layout.banner), *this, theme::kCaptionText), Qt::AlignHCenter);
    m_bottomBand = &AddBand(client, kBottomBand.at(layout.bottomBand));
    m_lblCobrand = &AddOffer(controls::AddLink(*m_bottomBand, kCobrand.at(layout.offers), *this, theme::kPromotionText),
                             layout.offerAlignment);
    // Created last, so it lies in front until start-up draws which one to show.
    m_lblFullBrand =
        &AddOffer(controls::AddLink(*m_bottomBand, kFullBrand.at(layout.offers), *this, theme::kPromotionText),
                  layout.offerAlignment);
}

void PromoBands::bringToFront(PromoOffer offer) const {
    (offer == PromoOffer::Cobrand ? m_lblCobrand : m_lblFullBrand)->raise();
}

} // namespace seraphel
