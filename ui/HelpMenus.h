// The "&Help" and "&Donate" menus that the main window and the result window share, with
// the hidden "Make Money &Online" item. Owned by its window; each item opens one page of
// the program's web site, or shows the about box modally over the window.
#pragma once

#include "modHelp.h"

#include <QObject>

class QMenuBar;
class QWidget;

namespace seraphel {

class WindowServices;

// The two windows name the Help menu's separators differently and place the access key of
// the update item differently; everything else is the same.
enum class HelpMenuVariant { MainWindow, ResultWindow };

class HelpMenus final : public QObject {
    Q_OBJECT

public:
    // Appends the menus to menuBar, which already holds the window's File menu.
    HelpMenus(WindowServices& services, QMenuBar& menuBar, HelpMenuVariant variant, QWidget& window);

    void mnuOnline_Click() { OpenWebPage(m_services, WebPage::HelpWebPage); }
    void mnuVisit_Click() { OpenWebPage(m_services, WebPage::HomePage); }
    void mnuUpdate_Click() { OpenWebPage(m_services, WebPage::DownloadWebPage); }
    void mnuAbout_Click();
    void mnuDonate_Click() { OpenWebPage(m_services, WebPage::Donate); }
    void mkmoney_Click() { OpenWebPage(m_services, WebPage::FullyBranded); }

private:
    WindowServices& m_services;
    QWidget& m_window;
};

} // namespace seraphel
