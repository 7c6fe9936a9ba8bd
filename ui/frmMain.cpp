#include "frmMain.h"

#include "Catalogue.h"
#include "Controls.h"
#include "FindFlow.h"
#include "HelpMenus.h"
#include "InputCheck.h"
#include "JoinedText.h"
#include "Platform.h"
#include "Session.h"
#include "Theme.h"
#include "TypedCharacter.h"

#include <QComboBox>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>

#include <algorithm>
#include <array>
#include <optional>

namespace seraphel {
namespace {

const QSize kClientSize{theme::Twips(7950), theme::Twips(5265)};

const char kIntroductionText[] =
    "Seraphel is an interpretation software which helps you to find out your guardian angel based on your date of "
    "birth and their benefic efftects upon you. Seraphel generates a reading for a person based on his/her personal "
    "details (Name and Date of Birth).";
// Label4 leaves a gap of blanks after its first words, in which Label5 stands in yellow.
constexpr FixedText kInvitationLead = "Click on";
constexpr auto kInvitationGap = Blanks<42>();
constexpr auto kInvitationText = Joined(kInvitationLead, kInvitationGap,
                                        FixedText("to Generate a Reading for your Guardian Angels based on your Date "
                                                  "of Birth, Month of Birth and your Sun Sign"));

using Row = controls::Control<frmMain>;

// The window's controls, in twips within their containers.
constexpr Row kIntroduction{"Label3", {120, 600, 7695, 855}, kIntroductionText};
constexpr Row kFrame1{"Frame1", {20, 1400, 7920, 2895}};
// In Frame1.
constexpr Row kFrame6{"Frame6", {120, 120, 4815, 1335}, "Fill Your Details :"};
constexpr Row kFrame2{"Frame2", {5040, 120, 2775, 1335}, "Hemisphere You Live In :"};
constexpr Row kInvitation{"Label4", {240, 1560, 7500, 615}, kInvitationText.c_str()};
constexpr Row kHighlight{"Label5", {1220, 1560, 2310, 195}, "Find MY Guardian Angel"};
constexpr Row kFind{
    "cmdFindGurdianAngel", {120, 2160, 7695, 495}, "Find My &Guardian Angel ", &frmMain::cmdFindGurdianAngel_Click};
// In Frame6.
constexpr Row kNameLabel{"Label2", {120, 330, 495, 195}, "Name"};
constexpr Row kTxtName{"txtName", {1320, 240, 2175, 375}};
constexpr Row kDateLabel{"Label1", {120, 900, 1095, 195}, "Date of Birth"};
// A list shows no caption: a screen reader gives it the name.
struct ListRow {
    Row row;
    const char* accessibleName;
};
constexpr std::array<ListRow, 3> kLists{{
    {{"cboMonth", {1320, 840, 1400, 315}}, "Month of Birth"},
    {{"cboDate", {2850, 840, 700, 315}}, "Day of Birth"},
    {{"cboYear", {3690, 840, 1000, 315}}, "Year of Birth"},
}};
// In Frame2.
constexpr std::array<Row, 2> kOptions{{
    {"optSouthern", {240, 360, 2175, 255}, "Southern Hemisphere"},
    {"optNorthern", {240, 840, 2175, 255}, "Northern Hemisphere"},
}};
constexpr std::array<controls::MenuItem<frmMain>, 2> kFileMenu{{
    {"mnuFind", kFind.caption, &frmMain::mnuFind_Click},
    {"mnuExit", "E&xit", &frmMain::mnuExit_Click},
}};
constexpr PromoBandLayout kPromoBands{.topBand = {20, 0, 7920, 615},
                                      .banner = {100, 120, 7680, 585},
                                      .bottomBand = {20, 4275, 7920, 975},
                                      .offers = {503, 240, 6945, 615},
                                      .offerAlignment = Qt::AlignHCenter};

constexpr int kFirstYear = 1901;
constexpr int kLastYear = 2050;
constexpr int kLastDay = 31;

struct InputMessage {
    InputProblem problem;
    const char* text;
    bool focusName;
};

constexpr std::array<InputMessage, 3> kInputMessages{{
    {InputProblem::MissingName, "Please Enter Your Name", true},
    {InputProblem::BadFebruaryDay, "Please Enter Correct Date Or Month!", false},
    {InputProblem::BadThirtyDayMonthDay, "Please Enter Correct Date Or Month !", false},
}};

// The key filter lets letters, the blank, Enter and Backspace through.
constexpr std::array<int, 3> kPassingControlCodes{' ', '\r', '\b'};
const char kOnlyLettersMessage[] = "Please Enter only Letters";

QString TrimBlanks(const QString& text) {
    QStringView kept(text);
    while (kept.startsWith(u' ')) {
        kept = kept.sliced(1);
    }
    while (kept.endsWith(u' ')) {
        kept.chop(1);
    }
    return kept.toString();
}

void StyleInput(QWidget& input) {
    controls::SetInputColours(input, theme::kWindowBackground, theme::kValueText);
}

QComboBox& AddList(QWidget& container, const ListRow& row) {
    auto& list = controls::Add<QComboBox>(container, row.row);
    // Some desktops read a list by its chosen item and take the caption from the description.
    list.setAccessibleName(QString::fromUtf8(row.accessibleName));
    list.setAccessibleDescription(QString::fromUtf8(row.accessibleName));
    StyleInput(list);
    return list;
}

QRadioButton& AddOption(QWidget& container, const Row& row) {
    auto& option = controls::Add<QRadioButton>(container, row);
    option.setText(row.text());
    controls::SetTextColour(option, theme::kValueText);
    controls::SetFocusColours(option, theme::kWindowBackground, theme::kValueText);
    controls::GrowToFitText(option);
    return option;
}

} // namespace

frmMain::frmMain(Session& session)
    : ProgramWindow(session, kClientSize) {
    setObjectName(QStringLiteral("frmMain"));
    m_promoBands = new PromoBands(client(), session.services(), kPromoBands);
    auto& introduction = controls::AddLabel(client(), kIntroduction, theme::kIntroText);
    controls::ShrinkFontToFit(introduction);
    buildInputArea(client());
    buildMenu();
    m_txtName->installEventFilter(this);
    m_txtName->setFocus();
    Form_Load();
}

void frmMain::bringOfferToFront(PromoOffer offer) const {
    m_promoBands->bringToFront(offer);
}

void frmMain::buildInputArea(QWidget& client) {
    auto& frame1 = controls::AddFrame(client, kFrame1);

    auto& details = controls::AddFrame(frame1, kFrame6);
    auto& nameLabel = controls::AddLabel(details, kNameLabel, theme::kCaptionText);
    controls::GrowToFitText(nameLabel);
    m_txtName = &controls::Add<QLineEdit>(details, kTxtName);
    StyleInput(*m_txtName);
    nameLabel.setBuddy(m_txtName); // the name box is read out as "Name"
    controls::GrowToFitText(controls::AddLabel(details, kDateLabel, theme::kCaptionText));
    m_cboMonth = &AddList(details, kLists[0]);
    m_cboDate = &AddList(details, kLists[1]);
    m_cboYear = &AddList(details, kLists[2]);

    auto& hemisphere = controls::AddFrame(frame1, kFrame2);
    AddOption(hemisphere, kOptions[0]).setChecked(true);
    m_optNorthern = &AddOption(hemisphere, kOptions[1]);

    auto& sentence = controls::AddLabel(frame1, kInvitation, theme::kInvitationText);
    controls::ShrinkFontToFit(sentence);
    auto& highlight = controls::AddLabel(frame1, kHighlight, theme::kHighlightText);
    controls::LayIntoGap(sentence, kInvitationLead.length(), kInvitationGap.length(), highlight);

    controls::PaintButtonFace(controls::AddButton(frame1, kFind, *this));
}

void frmMain::buildMenu() {
    for (const auto& item : kFileMenu) {
        controls::AddMenuItem(fileMenu(), item, *this);
    }
    new HelpMenus(session().services(), *menuBar(), HelpMenuVariant::MainWindow, *this);
}

void frmMain::Form_Load() {
    for (const auto month : kMonthNames) {
        m_cboMonth->addItem(QString::fromLatin1(month.data(), static_cast<qsizetype>(month.size())));
    }
    for (int day = 1; day <= kLastDay; ++day) {
        m_cboDate->addItem(QString::number(day));
    }
    for (int year = kFirstYear; year <= kLastYear; ++year) {
        m_cboYear->addItem(QString::number(year));
    }
    m_cboMonth->setCurrentIndex(0);
    m_cboDate->setCurrentIndex(0);
    m_cboYear->setCurrentIndex(0);
}

bool frmMain::ValidateInput() {
    const InputProblem problem =
        CheckBirthInput(m_txtName->text().toStdString(), m_cboYear->currentText().toStdString(),
                        m_cboMonth->currentIndex(), m_cboDate->currentIndex());
    const auto message = std::ranges::find(kInputMessages, problem, &InputMessage::problem);
    if (message == kInputMessages.end()) {
        return true;
    }
    session().services().showInformation(this, QString::fromUtf8(message->text));
    if (message->focusName) {
        m_txtName->setFocus();
    }
    return false;
}

void frmMain::cmdFindGurdianAngel_Click() {
    if (!ValidateInput()) {
        return;
    }
    BirthDetails& details = session().birthDetails();
    details.personName = TrimBlanks(m_txtName->text()).toStdString();
    details.birthYear = TrimBlanks(m_cboYear->currentText()).toShort();
    details.birthMonthName = TrimBlanks(m_cboMonth->currentText()).toStdString();
    details.birthMonthIndex = static_cast<std::int16_t>(m_cboMonth->currentIndex());
    details.birthDay = TrimBlanks(m_cboDate->currentText()).toShort();
    details.northernHemisphere = m_optNorthern->isChecked();
    session().angelReading() = ReadGuardianAngels(details);

    closeForHandOver();
    session().showReading();
}

void frmMain::txtName_KeyPress(int& keyAscii) {
    if (keyAscii >= 'a' && keyAscii <= 'z') {
        keyAscii -= 'a' - 'A';
        return;
    }
    if ((keyAscii >= 'A' && keyAscii <= 'Z') || std::ranges::count(kPassingControlCodes, keyAscii) > 0) {
        return;
    }
    session().services().showInformation(this, QString::fromUtf8(kOnlyLettersMessage));
    keyAscii = 0;
}

bool frmMain::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_txtName && event->type() == QEvent::KeyPress) {
        return filterNameKey(static_cast<const QKeyEvent&>(*event));
    }
    if (watched == m_txtName && event->type() == QEvent::InputMethod) {
        filterNameCommit(static_cast<QInputMethodEvent&>(*event));
    }
    return ProgramWindow::eventFilter(watched, event);
}

std::optional<QString> frmMain::filterTypedCodes(const std::u32string& typed) {
    QString kept;
    bool changed = false;
    for (const char32_t code : typed) {
        int keyAscii = static_cast<int>(code);
        txtName_KeyPress(keyAscii);
        changed = changed || keyAscii != static_cast<int>(code);
        if (keyAscii >= ' ') {
            kept += QChar(keyAscii);
        }
    }
    return changed ? std::optional(kept) : std::nullopt;
}

bool frmMain::filterNameKey(const QKeyEvent& event) {
    if (ChoosesRatherThanTypes(event)) {
        return true; // the box would type the letter; the keyboard means it for a menu or button
    }
    const std::optional<QString> kept = filterTypedCodes(TypedCharacterCodes(event));
    if (!kept) {
        return false; // the box takes the key as it was typed
    }
    if (!kept->isEmpty()) {
        m_txtName->insert(*kept); // an empty insert would delete the selection
    }
    return true;
}

void frmMain::filterNameCommit(QInputMethodEvent& event) {
    const auto codes = event.commitString().toUcs4();
    const std::optional<QString> kept = filterTypedCodes({codes.begin(), codes.end()});
    if (kept) {
        // A refused commit replaces nothing either: the box stays as it was.
        event.setCommitString(*kept, event.replacementStart(), kept->isEmpty() ? 0 : event.replacementLength());
    }
}

} // namespace seraphel
