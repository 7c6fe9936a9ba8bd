// The about box: the program's name, version and icon, a paragraph about what it does,
// and two links to the program's web site. Shown modally over the main or the result
// window; it keeps no state between showings.
#pragma once

#include <QDialog>

namespace seraphel {

class Platform;

class frmAbout final : public QDialog {
    Q_OBJECT

public:
    frmAbout(Platform& platform, QWidget* parent);

    void cmdOK_Click();
    void lblHomePage_Click();
    void lblCobrand_Click();

private:
    Platform& m_platform;
};

} // namespace seraphel
