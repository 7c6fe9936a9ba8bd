// The result window: one reading on the three pages of its tab control, by day of birth,
// by month of birth and by sun sign. From here the user prints the reading, goes back to a
// fresh main window, or ends the program.
#pragma once

#include "AngelReading.h"
#include "ProgramWindow.h"
#include "ReportFields.h"

class QTabWidget;

namespace seraphel {

class frmDisplay final : public ProgramWindow {
    Q_OBJECT
public:
    explicit frmDisplay(Session& session);

    // Shows each field of the reading in the control of the same name; a control whose
    // field holds no value keeps its designed content.
    void takeOverReading(const AngelReading& reading);
    // The texts that the window shows, which the report is made of.
    ReportFields reportFields() const;

    void cmdFindGurdianAngel_Click() { mnuBack_Click(); }
    void mnuBack_Click();
    void cmdPrint_Click();
    void mnuPrint_Click() { cmdPrint_Click(); }
    void mnuExit_Click() { close(); }

private:
    void buildPages();
    void buildButtonsAndMenu();
    void Form_Load();

    QTabWidget* m_tabs = nullptr;
};

} // namespace seraphel
