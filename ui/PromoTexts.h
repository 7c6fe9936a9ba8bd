// The promotional texts that more than one window shows, kept here so that every window
// shows them alike.
#pragma once

#include "JoinedText.h"
#include "modHelp.h"

#include <QString>

namespace seraphel::texts {

inline constexpr FixedText kHomeBusinessOffer =
    "Home Business Opportunity. Start your own Internet business and make money online. Get this software fully "
    "branded for your website.";
inline constexpr FixedText kMoreDetails = "Click here for more details.";
// The full-branding offer with its invitation to click, as the link labels show it.
inline constexpr auto kFullBrandOffer = Joined(kHomeBusinessOffer, FixedText(" "), kMoreDetails);

// The caption with the web site's host name in place of "%1"; a caption without it as it is.
inline QString NamingWebSite(const char* caption) {
    return QString::fromUtf8(caption).replace(QStringLiteral("%1"), WebSiteHost());
}

} // namespace seraphel::texts
