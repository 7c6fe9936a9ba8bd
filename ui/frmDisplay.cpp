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

using theme::Twips;
using theme::TwipsRect;

const QSize kClientSize{Twips(6510), Twips(5145)};
const QRect kPageFrame = TwipsRect(120, 360, 6255, 2895); // measured from the tab control's corner, tabs included
constexpr int kHeadingTop = 180;
constexpr int kValueTop = 500;

// Every value control shows the reading field of its name and gives the report field of its name.
struct ValueSpec {
    const char* headingName;
    const char* heading;
    int headingLeft; // twips
    const char* valueName;
    int valueLeft; // twips
    std::string AngelReading::*reading;
    QString ReportFields::*report;
};

struct PageSpec {
    const char* caption;
    const char* frameName;
    std::span<const ValueSpec> values;
    const char* descriptionHeadingName;
    const char* descriptionName;
    std::string AngelReading::*descriptionReading;
    QString ReportFields::*descriptionReport;
    const char* pictureName;
    PictureIndex AngelReading::*picture;
};

constexpr std::array<ValueSpec, 2> kDayOfBirthValues{{
    {"Label2", "Name Of Angel", 960, "lblDobAngel", 1440, &AngelReading::lblDobAngel, &ReportFields::lblDobAngel},
    {"Label1", "Color", 4440, "lblDobColor", 4455, &AngelReading::lblDobColor, &ReportFields::lblDobColor},
}};
constexpr std::array<ValueSpec, 1> kMonthOfBirthValues{{
    {"Label3", "Name Of Angel", 2527, "lblMonthOfBirthAngel", 3000, &AngelReading::lblMonthOfBirthAngel,
     &ReportFields::lblMonthOfBirthAngel},
}};
constexpr std::array<ValueSpec, 3> kSunSignValues{{
    {"Label4", "Your Sun Sign", 360, "lblSunSignName", 795, &AngelReading::lblSunSignName,
     &ReportFields::lblSunSignName},
    {"Label5", "Name Of Angel", 2595, "lblSunSignAngel", 3075, &AngelReading::lblSunSignAngel,
     &ReportFields::lblSunSignAngel},
    {"Label6", "Element", 4920, "lblSunSignElement", 5070, &AngelReading::lblSunSignElement,
     &ReportFields::lblSunSignElement},
}};

constexpr std::array<PageSpec, 3> kPages{{
    {"By Day Of Birth", "Frame1", kDayOfBirthValues, "Label9", "txtDOBAngelDescription",
     &AngelReading::txtDOBAngelDescription, &ReportFields::txtDOBAngelDescription, "picByDayOfBirth",
     &AngelReading::picByDayOfBirth},
    {"By Month Of Birth", "Frame2", kMonthOfBirthValues, "Label8", "txtAngelDescByMonthOfBirth",
     &AngelReading::txtAngelDescByMonthOfBirth, &ReportFields::txtAngelDescByMonthOfBirth, "picByMonthOfBirth",
     &AngelReading::picByMonthOfBirth},
    {"By Sun Sign", "Frame3", kSunSignValues, "Label7", "txtAngelDescriptionBySunSign",
     &AngelReading::txtAngelDescriptionBySunSign, &ReportFields::txtAngelDescriptionBySunSign, "picBySunSign",
     &AngelReading::picBySunSign},
}};

const char kDescriptionHeading[] = "Description Of Your Guardian Angel";

constexpr std::array<controls::ControlSpec, 2> kButtons{{
    {"cmdFindGurdianAngel", 5400, 200, 975, 375, "&Back"},
    {"cmdPrint", 5400, 640, 975, 375, "&Print"},
}};

// The readings separate paragraphs by CR LF CR LF; the text box shows a line break for each CR LF.
const QString kReadingLineBreak = QStringLiteral("\r\n");
const QString kBoxLineBreak = QStringLiteral("\n");

// A page of the tab control that keeps its frame where the design puts it, measured from
// the tab control's corner, wherever the style puts the page below the tabs.
class TabPage final : public QWidget {
public:
    TabPage(const QTabWidget& tabs, const char* frameName)
        : m_tabs(tabs)
        , m_frame(controls::AddFrame(*this, frameName, kPageFrame)) {
        setAutoFillBackground(true);
        controls::SetBackground(m_frame, theme::kWindowBackground);
    }

    QGroupBox& frame() const { return m_frame; }

protected:
    void resizeEvent(QResizeEvent* event) override {
        QWidget::resizeEvent(event);
        const QPoint designed = mapFrom(&m_tabs, kPageFrame.topLeft());
        m_frame.move(std::clamp(designed.x(), 0, std::max(0, width() - m_frame.width())),
                     std::clamp(designed.y(), 0, std::max(0, height() - m_frame.height())));
    }

private:
    const QTabWidget& m_tabs;
    QGroupBox& m_frame;
};

QLabel& AddHeading(QWidget& frame, const char* objectName, int left, int top, const char* text) {
    auto& heading = controls::AddLabel(frame, objectName, QRect(Twips(left), Twips(top), 0, 0), QString::fromUtf8(text),
                                       theme::kCaptionText);
    heading.adjustSize();
    return heading;
}

QLabel& AddValue(QWidget& frame, const ValueSpec& spec) {
    AddHeading(frame, spec.headingName, spec.headingLeft, kHeadingTop, spec.heading);
    auto& value = controls::AddLabel(frame, spec.valueName, QRect(Twips(spec.valueLeft), Twips(kValueTop), 0, 0),
                                     QString::fromUtf8(kUnsetReadingText), theme::kValueText);
    value.adjustSize();
    // A screen reader reads the value itself, with its heading as the description.
    value.setAccessibleDescription(QString::fromUtf8(spec.heading));
    return value;
}

QPlainTextEdit& AddDescription(QWidget& frame, const PageSpec& spec) {
    auto& heading = AddHeading(frame, spec.descriptionHeadingName, 180, 840, kDescriptionHeading);
    auto& box = controls::Add<QPlainTextEdit>(frame, spec.descriptionName, TwipsRect(180, 1080, 4575, 1725));
    box.setReadOnly(true);
    box.setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    box.setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    controls::SetBackground(box, theme::kWindowBackground);
    controls::SetTextColour(box, theme::kValueText);
    heading.setBuddy(&box); // the box is read out by its heading
    return box;
}

QLabel& AddPicture(QWidget& frame, const char* objectName) {
    auto& picture = controls::Add<QLabel>(frame, objectName, TwipsRect(4920, 1080, 1125, 1725));
    picture.setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return picture;
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
    m_tabs = &controls::Add<QTabWidget>(client(), "SSTab1", TwipsRect(0, 675, 6495, 3360));
    controls::SetTextColour(*m_tabs, Qt::black);
    QPalette palette = m_tabs->palette();
    palette.setColor(QPalette::Window, theme::kButtonFace);
    palette.setColor(QPalette::Button, theme::kButtonFace);
    m_tabs->setPalette(palette);
    for (const PageSpec& spec : kPages) {
        auto* page = new TabPage(*m_tabs, spec.frameName);
        m_tabs->addTab(page, QString::fromUtf8(spec.caption));
        QGroupBox& frame = page->frame();
        for (const ValueSpec& value : spec.values) {
            m_valueLabels.push_back({&AddValue(frame, value), value.reading, value.report});
        }
        m_descriptions.push_back({&AddDescription(frame, spec), spec.descriptionReading, spec.descriptionReport});
        m_pictures.push_back({&AddPicture(frame, spec.pictureName), spec.picture});
    }
}

void frmDisplay::buildButtonsAndMenu() {
    auto* promoBands = new PromoBands(client(), session().services(),
                                      {TwipsRect(0, 0, 6495, 615), TwipsRect(120, 120, 6360, 585),
                                       TwipsRect(0, 4000, 6495, 1140), TwipsRect(120, 165, 4665, 855), Qt::AlignLeft});
    auto& band = promoBands->bottomBand();
    connect(&controls::AddButton(band, kButtons[0]), &QPushButton::clicked, this,
            &frmDisplay::cmdFindGurdianAngel_Click);
    connect(&controls::AddButton(band, kButtons[1]), &QPushButton::clicked, this, &frmDisplay::cmdPrint_Click);

    auto* printItem = fileMenu().addAction(QStringLiteral("Print"), this, &frmDisplay::mnuPrint_Click);
    printItem->setObjectName(QStringLiteral("mnuPrint"));
    auto* backItem = fileMenu().addAction(QStringLiteral("&Back"), this, &frmDisplay::mnuBack_Click);
    backItem->setObjectName(QStringLiteral("mnuBack"));
    auto* exitItem = fileMenu().addAction(QStringLiteral("E&xit"), this, &frmDisplay::mnuExit_Click);
    exitItem->setObjectName(QStringLiteral("mnuExit"));
    new HelpMenus(session().services(), *menuBar(), HelpMenuVariant::ResultWindow, *this);
}

void frmDisplay::Form_Load() {
    m_tabs->setCurrentIndex(0);
}

void frmDisplay::takeOverReading(const AngelReading& reading) {
    for (const auto& [label, field, report] : m_valueLabels) {
        label->setText(QString::fromStdString(reading.*field));
        label->adjustSize();
    }
    for (const auto& [box, field, report] : m_descriptions) {
        box->setPlainText(QString::fromStdString(reading.*field).replace(kReadingLineBreak, kBoxLineBreak));
    }
    for (const auto& [picture, field] : m_pictures) {
        picture->setPixmap(AngelPixmap(reading.*field, devicePixelRatioF()));
    }
}

ReportFields frmDisplay::reportFields() const {
    ReportFields fields;
    for (const auto& [label, reading, field] : m_valueLabels) {
        fields.*field = label->text();
    }
    for (const auto& [box, reading, field] : m_descriptions) {
        fields.*field = box->toPlainText().replace(kBoxLineBreak, kReadingLineBreak);
    }
    return fields;
}

void frmDisplay::cmdFindGurdianAngel_Click() {
    mnuBack_Click();
}

void frmDisplay::mnuBack_Click() {
    closeForHandOver();
    session().showMainWindow();
}

void frmDisplay::cmdPrint_Click() {
    frmSave report(session().services(), reportFields(), this);
    session().services().runModal(report);
}

void frmDisplay::mnuPrint_Click() {
    cmdPrint_Click();
}

void frmDisplay::mnuExit_Click() {
    close();
}

} // namespace seraphel
