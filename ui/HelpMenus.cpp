#include "HelpMenus.h"

#include "Platform.h"
#include "frmAbout.h"
#include "modHelp.h"

#include <QMenuBar>

#include <array>

namespace seraphel {
namespace {

using Handler = void (HelpMenus::*)();
// One entry per window: the main window's, then the result window's.
using PerWindow = std::array<const char*, 2>;

constexpr PerWindow Both(const char* text) {
    return {text, text};
}

enum class Place { HelpMenu, MenuBar, HiddenOnMenuBar };

struct MenuItem {
    Place place;
    PerWindow objectName;
    PerWindow caption; // no caption: a separator
    Handler handler;
};

// In menu order, after the Help menu itself.
constexpr std::array<MenuItem, 8> kItems{{
    {Place::HelpMenu, Both("mnuOnline"), Both("&Online Help"), &HelpMenus::mnuOnline_Click},
    {Place::HelpMenu, Both("mnuVisit"), Both("&Visit Us Online"), &HelpMenus::mnuVisit_Click},
    {Place::HelpMenu, {"mnuHelp1", "mnuFileSep1"}, Both(nullptr), nullptr},
    {Place::HelpMenu,
     Both("mnuUpdate"),
     {"Check for Software &Update", "&Check for Software Update"},
     &HelpMenus::mnuUpdate_Click},
    {Place::HelpMenu, {"mnuHelp2", "mnuFileSep2"}, Both(nullptr), nullptr},
    {Place::HelpMenu, Both("mnuAbout"), Both("&About Software"), &HelpMenus::mnuAbout_Click},
    {Place::MenuBar, Both("mnuDonate"), Both("&Donate"), &HelpMenus::mnuDonate_Click},
    // Nothing ever makes this item visible; its handler works all the same.
    {Place::HiddenOnMenuBar, Both("mkmoney"), Both("Make Money &Online"), &HelpMenus::mkmoney_Click},
}};

} // namespace

HelpMenus::HelpMenus(WindowServices& services, QMenuBar& menuBar, HelpMenuVariant variant, QWidget& window)
    : QObject(&window)
    , m_services(services)
    , m_window(window) {
    const auto column = static_cast<std::size_t>(variant);
    QMenu* help = menuBar.addMenu(QStringLiteral("&Help"));
    help->setObjectName(QStringLiteral("mnuHelp"));
    for (const MenuItem& item : kItems) {
        const char* caption = item.caption[column];
        QAction* action = nullptr;
        if (item.place != Place::HelpMenu) {
            action = menuBar.addAction(QString::fromLatin1(caption));
        } else if (caption != nullptr) {
            action = help->addAction(QString::fromLatin1(caption));
        } else {
            action = help->addSeparator();
        }
        action->setObjectName(QString::fromLatin1(item.objectName[column]));
        action->setVisible(item.place != Place::HiddenOnMenuBar);
        if (item.handler != nullptr) {
            connect(action, &QAction::triggered, this, item.handler);
        }
    }
}

void HelpMenus::mnuOnline_Click() {
    OpenWebPage(m_services, WebPage::HelpWebPage);
}

void HelpMenus::mnuVisit_Click() {
    OpenWebPage(m_services, WebPage::HomePage);
}

void HelpMenus::mnuUpdate_Click() {
    OpenWebPage(m_services, WebPage::DownloadWebPage);
}

void HelpMenus::mnuAbout_Click() {
    frmAbout about(m_services, &m_window);
    m_services.runModal(about);
}

void HelpMenus::mnuDonate_Click() {
    OpenWebPage(m_services, WebPage::Donate);
}

void HelpMenus::mkmoney_Click() {
    OpenWebPage(m_services, WebPage::FullyBranded);
}

} // namespace seraphel
