// The result window: one reading on the three pages of its tab control, by day of birth,
// by month of birth and by sun sign. From here the user prints the reading, goes back to a
// fresh main window, or ends the program.
#pragma once

#include "AngelReading.h"
#include "ProgramWindow.h"
#include "ReadingPages.h"

#include <array>
#include <vector>

class QLabel;
class QPlainTextEdit;
class QTabWidget;

namespace seraphel {

class frmDisplay final : public ProgramWindow {
    Q_OBJECT
public:
    explicit frmDisplay(Session& session);

    // Shows each field of the reading in the control of the same name.
    void takeOverReading(const AngelReading& reading);

    void cmdFindGurdianAngel_Click() { mnuBack_Click(); }
    void mnuBack_Click();
    void cmdPrint_Click();
    void mnuPrint_Click() { cmdPrint_Click(); }
    void mnuExit_Click() { close(); }

private:
    void buildPages();
    void buildButtonsAndMenu();
    void Form_Load();

    // The controls of one page that show the reading, in the order of its row.
    struct ShownPage {
        std::vector<QLabel*> values;
        QPlainTextEdit* description = nullptr;
        QLabel* picture = nullptr;
    };

    QTabWidget* m_tabs = nullptr;
    std::array<ShownPage, kReadingPages.size()> m_pages;
};

} // namespace seraphel
