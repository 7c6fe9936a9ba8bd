#include "frmDisplay.h"

#include "Controls.h"
#include "HelpMenus.h"
#include "Pictures.h"
#include "Platform.h"
#include "PromoBands.h"
#include "Session.h"
#include "Theme.h"
#include "frmSave.h"

#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>

#include <algorithm>
#include <array>
#include <span>

namespace seraphel {
namespace {

using Row = controls::Control<frmDisplay>;
using controls::TwipsBox;

const QSize kClientSize{theme::Twips(6510), theme::Twips(5145)};
constexpr Row kTabs{"SSTab1", {0, 675, 6495, 3360}};
// Measured from the tab control's corner, tabs included.
constexpr TwipsBox kPageFrame{120, 360, 6255, 2895};
// In each page's frame.
constexpr int kHeadingTop = 180;
constexpr int kValueTop = 500;
constexpr TwipsBox kDescriptionHeadingPlace{180, 840};
constexpr TwipsBox kDescriptionPlace{180, 1080, 4575, 1725};
constexpr TwipsBox kPicturePlace{4920, 1080, 1125, 1725};
const char kDescriptionHeading[] = "Description Of Your Guardian Angel";

// A text of the reading that a control shows, and the field of the report that it gives.
struct TextField {
    std::string AngelReading::*reading;
    QString ReportFields::*report;
};

// A value of the reading under its heading; until a reading is made it says there is none.
struct ValueRow {
    Row heading;
    Row value;
    TextField field;
};

struct PageRow {
    const char* tab;
    Row frame;
    std::span<const ValueRow> values;
    Row descriptionHeading;
    Row description;
    TextField descriptionField;
    Row picture;
    PictureIndex AngelReading::*pictureReading;
};

constexpr std::array<ValueRow, 2> kDayOfBirthValues{{
    {.heading = {"Label2", {960, kHeadingTop}, "Name Of Angel"},
     .value = {"lblDobAngel", {1440, kValueTop}},
     .field = {&AngelReading::lblDobAngel, &ReportFields::lblDobAngel}},
    {.heading = {"Label1", {4440, kHeadingTop}, "Color"},
     .value = {"lblDobColor", {4455, kValueTop}},
     .field = {&AngelReading::lblDobColor, &ReportFields::lblDobColor}},
}};
constexpr std::array<ValueRow, 1> kMonthOfBirthValues{{
    {.heading = {"Label3", {2527, kHeadingTop}, "Name Of Angel"},
     .value = {"lblMonthOfBirthAngel", {3000, kValueTop}},
     .field = {&AngelReading::lblMonthOfBirthAngel, &ReportFields::lblMonthOfBirthAngel}},
}};
constexpr std::array<ValueRow, 3> kSunSignValues{{
    {.heading = {"Label4", {360, kHeadingTop}, "Your Sun Sign"},
     .value = {"lblSunSignName", {795, kValueTop}},
     .field = {&AngelReading::lblSunSignName, &ReportFields::lblSunSignName}},
    {.heading = {"Label5", {2595, kHeadingTop}, "Name Of Angel"},
     .value = {"lblSunSignAngel", {3075, kValueTop}},
     .field = {&AngelReading::lblSunSignAngel, &ReportFields::lblSunSignAngel}},
    {.heading = {"Label6", {4920, kHeadingTop}, "Element"},
     .value = {"lblSunSignElement", {5070, kValueTop}},
     .field = {&AngelReading::lblSunSignElement, &ReportFields::lblSunSignElement}},
}};

constexpr std::array<PageRow, 3> kPages{{
    {.tab = "By Day Of Birth",
     .frame = {"Frame1", kPageFrame},
     .values = kDayOfBirthValues,
     .descriptionHeading = {"Label9", kDescriptionHeadingPlace, kDescriptionHeading},
     .description = {"txtDOBAngelDescription", kDescriptionPlace},
     .descriptionField = {&AngelReading::txtDOBAngelDescription, &ReportFields::txtDOBAngelDescription},
     .picture = {"picByDayOfBirth", kPicturePlace},
     .pictureReading = &AngelReading::picByDayOfBirth},
    {.tab = "By Month Of Birth",
     .frame = {"Frame2", kPageFrame},
     .values = kMonthOfBirthValues,
     .descriptionHeading = {"Label8", kDescriptionHeadingPlace, kDescriptionHeading},
     .description = {"txtAngelDescByMonthOfBirth", kDescriptionPlace},
     .descriptionField = {&AngelReading::txtAngelDescByMonthOfBirth, &ReportFields::txtAngelDescByMonthOfBirth},
     .picture = {"picByMonthOfBirth", kPicturePlace},
     .pictureReading = &AngelReading::picByMonthOfBirth},
    {.tab = "By Sun Sign",
     .frame = {"Frame3", kPageFrame},
     .values = kSunSignValues,
     .descriptionHeading = {"Label7", kDescriptionHeadingPlace, kDescriptionHeading},
     .description = {"txtAngelDescriptionBySunSign", kDescriptionPlace},
     .descriptionField = {&AngelReading::txtAngelDescriptionBySunSign, &ReportFields::txtAngelDescriptionBySunSign},
     .picture = {"picBySunSign", kPicturePlace},
     .pictureReading = &AngelReading::picBySunSign},
}};

// On the bottom band.
constexpr std::array<Row, 2> kButtons{{
    {"cmdFindGurdianAngel", {5400, 200, 975, 375}, "&Back", &frmDisplay::cmdFindGurdianAngel_Click},
    {"cmdPrint", {5400, 640, 975, 375}, "&Print", &frmDisplay::cmdPrint_Click},
}};
constexpr std::array<Row, 3> kFileMenu{{
    {"mnuPrint", {}, "Print", &frmDisplay::mnuPrint_Click},
    {"mnuBack", {}, "&Back", &frmDisplay::mnuBack_Click},
    {"mnuExit", {}, "E&xit", &frmDisplay::mnuExit_Click},
}};
constexpr PromoBandLayout kPromoBands{.topBand = {0, 0, 6495, 615},
                                      .banner = {120, 120, 6360, 585},
                                      .bottomBand = {0, 4000, 6495, 1140},
                                      .offers = {120, 165, 4665, 855},
                                      .offerAlignment = Qt::AlignLeft};

// The readings separate paragraphs by CR LF CR LF; the text box shows a line break for each CR LF.
const QString kReadingLineBreak = QStringLiteral("\r\n");
const QString kBoxLineBreak = QStringLiteral("\n");

// A page of the tab control that keeps its frame where the design puts it, measured from
// the tab control's corner, wherever the style puts the page below the tabs.
class TabPage final : public QWidget {
public:
    TabPage(const QTabWidget& tabs, const Row& frame)
        : m_tabs(tabs)
        , m_frame(controls::AddFrame(*this, frame)) {
        setAutoFillBackground(true);
        controls::SetBackground(m_frame, theme::kWindowBackground);
    }

    QGroupBox& frame() const { return m_frame; }

protected:
    void resizeEvent(QResizeEvent* event) override {
        QWidget::resizeEvent(event);
        const QPoint designed = mapFrom(&m_tabs, m_designed);
        m_frame.move(std::clamp(designed.x(), 0, std::max(0, width() - m_frame.width())),
                     std::clamp(designed.y(), 0, std::max(0, height() - m_frame.height())));
    }

private:
    const QTabWidget& m_tabs;
    QGroupBox& m_frame;
    const QPoint m_designed = m_frame.pos();
};

// The window's control of the row.
template <typename Widget> Widget& Shown(const QWidget& window, const Row& row) {
    return *window.findChild<Widget*>(QString::fromLatin1(row.name));
}

void AddValue(QWidget& frame, const ValueRow& row) {
    controls::AddLabel(frame, row.heading, theme::kCaptionText);
    auto& value = controls::AddLabel(frame, row.value, theme::kValueText);
    value.setText(QString::fromUtf8(kUnsetReadingText));
    value.adjustSize();
    // A screen reader reads the value itself, with its heading as the description.
    value.setAccessibleDescription(row.heading.text());
}

void AddDescription(QWidget& frame, const PageRow& row) {
    auto& heading = controls::AddLabel(frame, row.descriptionHeading, theme::kCaptionText);
    auto& box = controls::Add<QPlainTextEdit>(frame, row.description);
    box.setReadOnly(true);
    box.setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    box.setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    controls::SetBackground(box, theme::kWindowBackground);
    controls::SetTextColour(box, theme::kValueText);
    heading.setBuddy(&box); // the box is read out by its heading
}

} // namespace

frmDisplay::frmDisplay(Session& session)
    : ProgramWindow(session, kClientSize) {
    setObjectName(QStringLiteral("frmDisplay"));
    buildPages();
    buildButtonsAndMenu();
    Form_Load();
}

void frmDisplay::buildPages() {
    m_tabs = &controls::Add<QTabWidget>(client(), kTabs);
    controls::SetTextColour(*m_tabs, Qt::black);
    QPalette palette = m_tabs->palette();
    palette.setColor(QPalette::Window, theme::kButtonFace);
    palette.setColor(QPalette::Button, theme::kButtonFace);
    m_tabs->setPalette(palette);
    for (const PageRow& row : kPages) {
        auto* page = new TabPage(*m_tabs, row.frame);
        m_tabs->addTab(page, QString::fromUtf8(row.tab));
        QGroupBox& frame = page->frame();
        for (const ValueRow& value : row.values) {
            AddValue(frame, value);
        }
        AddDescription(frame, row);
        controls::Add<QLabel>(frame, row.picture).setAlignment(Qt::AlignLeft | Qt::AlignTop);
    }
}

void frmDisplay::buildButtonsAndMenu() {
    auto* promoBands = new PromoBands(client(), session().services(), kPromoBands);
    for (const Row& button : kButtons) {
        controls::PaintButtonFace(controls::AddButton(promoBands->bottomBand(), button, *this));
    }
    for (const Row& item : kFileMenu) {
        controls::AddMenuItem(fileMenu(), item, *this);
    }
    new HelpMenus(session().services(), *menuBar(), HelpMenuVariant::ResultWindow, *this);
}

void frmDisplay::Form_Load() {
    m_tabs->setCurrentIndex(0);
}

void frmDisplay::takeOverReading(const AngelReading& reading) {
    for (const PageRow& page : kPages) {
        for (const ValueRow& value : page.values) {
            auto& label = Shown<QLabel>(*this, value.value);
            label.setText(QString::fromStdString(reading.*value.field.reading));
            label.adjustSize();
        }
        Shown<QPlainTextEdit>(*this, page.description)
            .setPlainText(QString::fromStdString(reading.*page.descriptionField.reading)
                              .replace(kReadingLineBreak, kBoxLineBreak));
        Shown<QLabel>(*this, page.picture).setPixmap(AngelPixmap(reading.*page.pictureReading, devicePixelRatioF()));
    }
}

ReportFields frmDisplay::reportFields() const {
    ReportFields fields;
    for (const PageRow& page : kPages) {
        for (const ValueRow& value : page.values) {
            fields.*value.field.report = Shown<QLabel>(*this, value.value).text();
        }
        fields.*page.descriptionField.report =
            Shown<QPlainTextEdit>(*this, page.description).toPlainText().replace(kBoxLineBreak, kReadingLineBreak);
    }
    return fields;
}

void frmDisplay::mnuBack_Click() {
    closeForHandOver();
    session().showMainWindow();
}

void frmDisplay::cmdPrint_Click() {
    frmSave report(session().services(), reportFields(), this);
    session().services().runModal(report);
}

} // namespace seraphel
