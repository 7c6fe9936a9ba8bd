// The pages of the program's web site, and their openers. Every address is the configured
// base URL, the path "/seraphel/ssd.php" and the page key as the "page" query.
#pragma once

#include <QString>

namespace seraphel {

class WindowServices;

enum class WebPage { HomePage, HelpWebPage, DownloadWebPage, Donate, CoBrand, FullyBranded };

QString WebPageAddress(WebPage page);
// The web site's host name, as the windows name it ("www.seraphel.example").
QString WebSiteHost();

// Opens the page in the default browser and returns at once; nothing is reported.
void OpenWebPage(WindowServices& services, WebPage page);

} // namespace seraphel
