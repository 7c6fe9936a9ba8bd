// The about box: the program's name, version and icon, a paragraph about what it does,
// and two links to the program's web site. Shown modally over the main or the result
// window; it keeps no state between showings.
#pragma once

#include "modHelp.h"

#include <QDialog>

namespace seraphel {

class WindowServices;

class frmAbout final : public QDialog {
    Q_OBJECT

public:
    frmAbout(WindowServices& services, QWidget* parent);

    void cmdOK_Click() { accept(); }
    void lblHomePage_Click() { OpenWebPage(m_services, WebPage::HomePage); }
    void lblCobrand_Click() { OpenWebPage(m_services, WebPage::FullyBranded); }

private:
    WindowServices& m_services;
};

} // namespace seraphel
