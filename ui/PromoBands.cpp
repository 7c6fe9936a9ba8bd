#include "PromoBands.h"

#include "Controls.h"
#include "LinkLabel.h"
#include "PromoTexts.h"
#include "Theme.h"

#include <QGroupBox>

namespace seraphel {
namespace {

// The design's "&&" is a label's escaped ampersand; these labels show plain text.
const char kCobrandText[] =
    "Co-brand this software for your site.  Increase loyalty and traffic to your site. Put your site's name &  link "
    "here. See \"Help\" for details.Click Here for more info on co-branding.";
// Label61's invitation to the discussion board, naming the web site.
const char kBannerText[] = "Share your readings on our discussion board. Visit %1";

QGroupBox& AddBand(QWidget& container, const char* objectName, const QRect& geometry) {
    auto& band = controls::AddFrame(container, objectName, geometry);
    controls::SetBackground(band, theme::kBandBackground);
    return band;
}

LinkLabel& AddPromotion(QGroupBox& band, const char* objectName, QRect geometry, const QString& text,
                        const QColor& colour, Qt::Alignment alignment) {
    // The band cuts off whatever of the label lies outside it: fit the text to what is seen.
    geometry = geometry.intersected(QRect(QPoint(0, 0), band.size()));
    auto& label = controls::AddLink(band, objectName, geometry, text, colour);
    label.setAlignment(alignment | Qt::AlignTop);
    controls::ShrinkFontToFit(label);
    return label;
}

// The two offers lie on one another; each hides the one behind it.
LinkLabel& AddOffer(QGroupBox& band, const char* objectName, const PromoBandLayout& layout, const QString& text) {
    auto& offer =
        AddPromotion(band, objectName, layout.brandLabels, text, theme::kPromotionText, layout.brandAlignment);
    controls::SetBackground(offer, theme::kBandBackground);
    return offer;
}

} // namespace

PromoBands::PromoBands(QWidget& client, WindowServices& services, const PromoBandLayout& layout)
    : QObject(&client)
    , m_services(services) {
    auto& topBand = AddBand(client, "Frame4", layout.topBand);
    auto& banner = AddPromotion(topBand, "Label61", layout.banner, texts::NamingWebSite(kBannerText),
                                theme::kCaptionText, Qt::AlignHCenter);
    m_bottomBand = &AddBand(client, "Frame5", layout.bottomBand);
    m_lblCobrand = &AddOffer(*m_bottomBand, "lblCobrand", layout, QString::fromUtf8(kCobrandText));
    // Created last, so it lies in front until start-up draws which one to show.
    m_lblFullBrand = &AddOffer(*m_bottomBand, "lblFullBrand", layout, texts::FullBrandOffer());

    connect(&banner, &LinkLabel::clicked, this, &PromoBands::Label61_Click);
    connect(m_lblCobrand, &LinkLabel::clicked, this, &PromoBands::lblCobrand_Click);
    connect(m_lblFullBrand, &LinkLabel::clicked, this, &PromoBands::lblFullBrand_Click);
}

void PromoBands::bringToFront(PromoOffer offer) const {
    (offer == PromoOffer::Cobrand ? m_lblCobrand : m_lblFullBrand)->raise();
}

void PromoBands::Label61_Click() {
    OpenWebPage(m_services, WebPage::HomePage);
}

void PromoBands::lblCobrand_Click() {
    OpenWebPage(m_services, WebPage::CoBrand);
}

void PromoBands::lblFullBrand_Click() {
    OpenWebPage(m_services, WebPage::FullyBranded);
}

} // namespace seraphel
