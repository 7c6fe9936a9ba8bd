// The main window: the user types a name, picks a date of birth and a hemisphere, and asks
// for a reading. The find flow checks the input, runs the reading engine and hands the
// reading to a new result window, which takes this window's place.
#pragma once

#include "ProgramWindow.h"
#include "PromoBands.h"

#include <optional>
#include <string>

class QComboBox;
class QInputMethodEvent;
class QKeyEvent;
class QLineEdit;
class QRadioButton;

namespace seraphel {

class frmMain final : public ProgramWindow {
    Q_OBJECT
public:
    explicit frmMain(Session& session);

    // Brings one of the bottom band's two offers in front of the other: start-up's random choice.
    void bringOfferToFront(PromoOffer offer) const;

    void cmdFindGurdianAngel_Click();
    void mnuFind_Click() { cmdFindGurdianAngel_Click(); }
    void mnuExit_Click() { close(); }

    // Checks the name and the date; shows at most one message; true when a reading may be made.
    bool ValidateInput();
    // The name box's filter of one typed character code: a lower-case letter becomes its
    // capital; a code set to 0 is discarded.
    void txtName_KeyPress(int& keyAscii);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildInputArea(QWidget& client);
    void buildMenu();
    void Form_Load();
    // Runs the key filter over what a key press types; true when the press is used up here.
    bool filterNameKey(const QKeyEvent& event);
    // Runs the key filter over composed text (dead keys, input methods) before the box takes it.
    void filterNameCommit(QInputMethodEvent& event);
    // Runs each code through txtName_KeyPress: the text it leaves, or nothing when every code
    // passed as typed.
    std::optional<QString> filterTypedCodes(const std::u32string& typed);

    PromoBands* m_promoBands;
    QLineEdit* m_txtName = nullptr;
    QComboBox* m_cboMonth = nullptr;
    QComboBox* m_cboDate = nullptr;
    QComboBox* m_cboYear = nullptr;
    QRadioButton* m_optNorthern = nullptr;
};

} // namespace seraphel
