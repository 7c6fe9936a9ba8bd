// The controls that open pages of the program's web site, and a way to trigger any of them
// by object name as the user would, so the same tables run over every window that has them.
#pragma once

#include <QString>

#include <array>

class QWidget;

namespace seraphel::test {

struct PageTrigger {
    const char* objectName;
    const char* pageKey; // the "page" query of the address it must open
};

// The Help and Donate menus, the same on the main window and the result window.
inline constexpr std::array<PageTrigger, 5> kMenuPageTriggers{{
    {"mnuOnline", "help-web-page"},
    {"mnuVisit", "home-page"},
    {"mnuUpdate", "download-web-page"},
    {"mnuDonate", "donate"},
    {"mkmoney", "fully-branded"},
}};

inline constexpr std::array<PageTrigger, 2> kAboutBoxPageTriggers{{
    {"lblHomePage", "home-page"},
    {"lblCobrand", "fully-branded"},
}};

// The full address of a page, built here independently of the program's own code.
QString ExpectedPageAddress(const char* pageKey);

// Triggers the action of that name found under root, or clicks the widget of that name at its
// centre, where the click lands on whatever widget lies in front there. False when root holds
// no such control.
bool TriggerControl(QWidget& root, const QString& objectName);

} // namespace seraphel::test
