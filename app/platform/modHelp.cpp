#include "modHelp.h"

#include "BuildInfo.h"
#include "Platform.h"

#include <QUrl>

#include <array>

namespace seraphel {
namespace {

struct PageEntry {
    WebPage page;
    const char* key;
};

constexpr std::array<PageEntry, 6> kPages{{
    {WebPage::HomePage, "home-page"},
    {WebPage::HelpWebPage, "help-web-page"},
    {WebPage::DownloadWebPage, "download-web-page"},
    {WebPage::Donate, "donate"},
    {WebPage::CoBrand, "co-brand"},
    {WebPage::FullyBranded, "fully-branded"},
}};

// The page's query key, exactly as the web site expects it ("home-page", "co-brand", ...).
QString WebPageKey(WebPage page) {
    for (const auto& entry : kPages) {
        if (entry.page == page) {
            return QString::fromLatin1(entry.key);
        }
    }
    return {};
}

} // namespace

QString WebPageAddress(WebPage page) {
    return QString::fromUtf8(build::kBaseUrl) + QStringLiteral("/seraphel/ssd.php?page=") + WebPageKey(page);
}

QString WebSiteHost() {
    return QUrl(QString::fromUtf8(build::kBaseUrl)).host();
}

void OpenWebPage(WindowServices& services, WebPage page) {
    services.openWebAddress(WebPageAddress(page));
}

} // namespace seraphel
