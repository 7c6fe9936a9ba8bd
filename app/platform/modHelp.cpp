#include "modHelp.h"

#include "BuildInfo.h"
#include "Platform.h"

#include <QUrl>

#include <algorithm>
#include <array>

namespace seraphel {
namespace {

struct PageEntry {
    WebPage page;
    const char* key; // exactly as the web site expects it
};

constexpr std::array<PageEntry, 6> kPages{{
    {WebPage::HomePage, "home-page"},
    {WebPage::HelpWebPage, "help-web-page"},
    {WebPage::DownloadWebPage, "download-web-page"},
    {WebPage::Donate, "donate"},
    {WebPage::CoBrand, "co-brand"},
    {WebPage::FullyBranded, "fully-branded"},
}};

} // namespace

QString WebPageAddress(WebPage page) {
    const auto entry = std::ranges::find(kPages, page, &PageEntry::page);
    return QString::fromUtf8(build::kBaseUrl) + QStringLiteral("/seraphel/ssd.php?page=") +
           (entry == kPages.end() ? QString() : QString::fromLatin1(entry->key));
}

QString WebSiteHost() {
    return QUrl(QString::fromUtf8(build::kBaseUrl)).host();
}

void OpenWebPage(WindowServices& services, WebPage page) {
    services.openWebAddress(WebPageAddress(page));
}

} // namespace seraphel
