#include "frmDisplay.h"

#include "Controls.h"
#include "HelpMenus.h"
#include "Pictures.h"
#include "Platform.h"
#include "PromoBands.h"
#include "ReadingPages.h"
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

// On the bottom band.
constexpr std::array<Row, 2> kButtons{{
    {"cmdFindGurdianAngel", {5400, 200, 975, 375}, "&Back", &frmDisplay::cmdFindGurdianAngel_Click},
    {"cmdPrint", {5400, 640, 975, 375}, "&Print", &frmDisplay::cmdPrint_Click},
}};
constexpr std::array<controls::MenuItem<frmDisplay>, 3> kFileMenu{{
    {"mnuPrint", "Print", &frmDisplay::mnuPrint_Click},
    {"mnuBack", "&Back", &frmDisplay::mnuBack_Click},
    {"mnuExit", "E&xit", &frmDisplay::mnuExit_Click},
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
    TabPage(const QTabWidget& tabs, const char* frameName)
        : m_tabs(tabs)
        , m_frame(controls::AddFrame(*this, Row{frameName, kPageFrame})) {
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

QLabel& AddValue(QWidget& frame, const ReadingValue& row) {
    controls::AddLabel(frame, Row{row.headingName, {row.headingLeft, kHeadingTop}, row.heading}, theme::kCaptionText);
    auto& value = controls::AddLabel(frame, Row{row.name, {row.left, kValueTop}, kUnsetReadingText}, theme::kValueText);
    // A screen reader reads the value itself, with its heading as the description.
    value.setAccessibleDescription(QString::fromUtf8(row.heading));
    return value;
}

QPlainTextEdit& AddDescription(QWidget& frame, const ReadingPage& row) {
    auto& heading = controls::AddLabel(
        frame, Row{row.descriptionHeadingName, kDescriptionHeadingPlace, kDescriptionHeading}, theme::kCaptionText);
    auto& box = controls::Add<QPlainTextEdit>(frame, Row{row.descriptionName, kDescriptionPlace});
    box.setReadOnly(true);
    box.setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    box.setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    controls::SetInputColours(box, theme::kWindowBackground, theme::kValueText);
    heading.setBuddy(&box); // the box is read out by its heading
    return box;
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
    controls::SetTextColour(*m_tabs, theme::kButtonText);
    controls::SetFocusColours(*m_tabs, theme::kButtonFace, theme::kButtonText);
    QPalette palette = m_tabs->palette();
    palette.setColor(QPalette::Window, theme::kButtonFace);
    palette.setColor(QPalette::Button, theme::kButtonFace);
    m_tabs->setPalette(palette);
    for (std::size_t index = 0; index < kReadingPages.size(); ++index) {
        const ReadingPage& row = kReadingPages[index];
        ShownPage& shown = m_pages[index];
        auto* page = new TabPage(*m_tabs, row.frameName);
        m_tabs->addTab(page, QString::fromUtf8(row.tab));
        QGroupBox& frame = page->frame();
        for (const ReadingValue& value : row.values) {
            shown.values.push_back(&AddValue(frame, value));
        }
        shown.description = &AddDescription(frame, row);
        shown.picture = &controls::Add<QLabel>(frame, Row{row.pictureName, kPicturePlace});
        shown.picture->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    }
}

void frmDisplay::buildButtonsAndMenu() {
    auto* promoBands = new PromoBands(client(), session().services(), kPromoBands);
    for (const Row& button : kButtons) {
        controls::PaintButtonFace(controls::AddButton(promoBands->bottomBand(), button, *this));
    }
    for (const auto& item : kFileMenu) {
        controls::AddMenuItem(fileMenu(), item, *this);
    }
    new HelpMenus(session().services(), *menuBar(), HelpMenuVariant::ResultWindow, *this);
}

void frmDisplay::Form_Load() {
    m_tabs->setCurrentIndex(0);
}

void frmDisplay::takeOverReading(const AngelReading& reading) {
    for (std::size_t index = 0; index < kReadingPages.size(); ++index) {
        const ReadingPage& row = kReadingPages[index];
        const ShownPage& shown = m_pages[index];
        for (std::size_t value = 0; value < row.values.size(); ++value) {
            shown.values[value]->setText(QString::fromStdString(reading.*row.values[value].field));
            shown.values[value]->adjustSize();
        }
        shown.description->setPlainText(
            QString::fromStdString(reading.*row.description).replace(kReadingLineBreak, kBoxLineBreak));
        shown.picture->setPixmap(AngelPixmap(reading.*row.picture, devicePixelRatioF()));
    }
}

void frmDisplay::mnuBack_Click() {
    closeForHandOver();
    session().showMainWindow();
}

void frmDisplay::cmdPrint_Click() {
    frmSave report(session().services(), session().angelReading(), this);
    session().services().runModal(report);
}

} // namespace seraphel
