// The reading report window: the three readings composed as one rich-text document, which
// the user may add a note to (typed or pasted, always as text in the style where it lands),
// then save as an RTF file or print. Web addresses in the
// document are links while the window is open; the three labels open the web site.
#pragma once

#include "AngelReading.h"
#include "modHelp.h"

#include <QDialog>

namespace seraphel {

class TextOnlyBox;
class WindowServices;

class frmSave final : public QDialog {
    Q_OBJECT

public:
    frmSave(WindowServices& services, const AngelReading& reading, QWidget* parent = nullptr);
    ~frmSave() override;

    void cmdSave_Click();
    void cmdPrint_Click();
    void Label1_Click() { OpenWebPage(m_services, WebPage::HomePage); }
    void Label14_Click() { OpenWebPage(m_services, WebPage::HomePage); }
    void Label10_Click() { OpenWebPage(m_services, WebPage::FullyBranded); }

    // However the window closes (its buttons, the close box, Escape), it unloads here.
    void done(int result) override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void createControls();
    void Form_Load(const AngelReading& reading);
    void Form_Unload();

    WindowServices& m_services;
    TextOnlyBox* m_RTB = nullptr;
    bool m_linksInstalled = false;
};

} // namespace seraphel
