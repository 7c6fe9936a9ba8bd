#include "HelpMenus.h"

#include "Controls.h"
#include "Platform.h"
#include "frmAbout.h"

#include <QMenuBar>

#include <array>

namespace seraphel {
namespace {

using Item = controls::MenuItem<HelpMenus>;
using controls::MenuSeparator;

// What differs between the two windows' Help menus, the main window's first: the separators'
// names and the place of the update item's access key.
struct WindowHelpItems {
    const char* firstSeparator;
    const char* updateCaption;
    const char* secondSeparator;
};
constexpr std::array<WindowHelpItems, 2> kWindowHelpItems{{
    {"mnuHelp1", "Check for Software &Update", "mnuHelp2"},
    {"mnuFileSep1", "&Check for Software Update", "mnuFileSep2"},
}};

constexpr Item kOnline{"mnuOnline", "&Online Help", &HelpMenus::mnuOnline_Click};
constexpr Item kVisit{"mnuVisit", "&Visit Us Online", &HelpMenus::mnuVisit_Click};
constexpr Item kAbout{"mnuAbout", "&About Software", &HelpMenus::mnuAbout_Click};
// On the menu bar, after the Help menu.
constexpr Item kDonate{"mnuDonate", "&Donate", &HelpMenus::mnuDonate_Click};
constexpr Item kMakeMoney{"mkmoney", "Make Money &Online", &HelpMenus::mkmoney_Click};

} // namespace

HelpMenus::HelpMenus(WindowServices& services, QMenuBar& menuBar, HelpMenuVariant variant, QWidget& window)
    : QObject(&window)
    , m_services(services)
    , m_window(window) {
    const WindowHelpItems& own = kWindowHelpItems.at(static_cast<std::size_t>(variant));
    QMenu& help = *menuBar.addMenu(QStringLiteral("&Help"));
    help.setObjectName(QStringLiteral("mnuHelp"));
    const std::array<controls::MenuEntry<HelpMenus>, 6> items{
        {kOnline, kVisit, MenuSeparator{own.firstSeparator},
         Item{"mnuUpdate", own.updateCaption, &HelpMenus::mnuUpdate_Click}, MenuSeparator{own.secondSeparator},
         kAbout}};
    for (const auto& item : items) {
        controls::AddMenuEntry(help, item, *this);
    }
    controls::AddMenuItem(menuBar, kDonate, *this);
    // Nothing ever makes this item visible; its handler works all the same.
    controls::AddMenuItem(menuBar, kMakeMoney, *this).setVisible(false);
}

void HelpMenus::mnuAbout_Click() {
    frmAbout about(m_services, &m_window);
    m_services.runModal(about);
}

} // namespace seraphel
