#include "frmAbout.h"

#include "BuildInfo.h"
#include "Controls.h"
#include "Pictures.h"
#include "PromoTexts.h"
#include "Theme.h"

#include <QFrame>

#include <algorithm>
#include <array>

namespace seraphel {
namespace {

constexpr char kDescription[] =
    "Seraphel is a divination software which interprets your ruling angel from the day of the week, the date and "
    "the month of your birth. For each angel it describes the positive and the negative traits that the angel "
    "brings into your life, so that you can understand both your gifts and your challenges. Once you have entered "
    "your personal details, Seraphel generates a complete reading that you can read on the screen, save or print. "
    "May the wisdom of your guardian angels bring you comfort, guidance and joy.";

using Row = controls::Control<frmAbout>;

constexpr int kClientWidth = 6495; // twips
constexpr int kClientHeight = 4080;
constexpr Row kIcon{"picIcon", {240, 90, 480, 480}};
// Under the icon and the title, above the paragraph.
constexpr Row kSeparator{"Line2", {120, 615, 6255, 30}};
using enum controls::ButtonRole;
constexpr Row kOkButton{"cmdOK", {5040, 3600, 1260, 345}, "&OK", &frmAbout::cmdOK_Click, Default | Cancel};

struct TextLabel {
    Row row;
    qreal pointSize;
    bool bold;
};

constexpr std::array<TextLabel, 3> kTextLabels{{
    {{"Label2", {960, 270, 2715, 240}, build::kWindowCaption}, theme::kLargePointSize, true},
    {{"Label1", {120, 690, 6345, 1575}, kDescription}, theme::kDialogPointSize, false},
    {{"Label3", {150, 2535, 6165, 675}, texts::kHomeBusinessOffer.c_str()}, theme::kDialogPointSize, true},
}};

constexpr std::array<Row, 2> kLinks{{
    {"lblHomePage", {2400, 2303, 4050, 195}, "Click here to visit %1", &frmAbout::lblHomePage_Click},
    {"lblCobrand", {4080, 3240, 2355, 195}, texts::kMoreDetails.c_str(), &frmAbout::lblCobrand_Click},
}};

QPalette AboutPalette(const QPalette& base) {
    QPalette palette = base;
    palette.setColor(QPalette::Window, theme::kWindowBackground);
    palette.setColor(QPalette::WindowText, theme::kCaptionText);
    // The separator line is drawn in these two shades of the background.
    palette.setColor(QPalette::Dark, theme::kWindowBackground.darker(170));
    palette.setColor(QPalette::Light, theme::kWindowBackground.lighter(170));
    return palette;
}

void AddIcon(QWidget& box) {
    auto& picture = controls::Add<QLabel>(box, kIcon);
    picture.setPixmap(ProgramIcon().pixmap(picture.size(), box.devicePixelRatioF()));
}

void AddSeparator(QWidget& box) {
    auto& line = controls::Add<QFrame>(box, kSeparator);
    line.setFrameShape(QFrame::HLine);
    line.setFrameShadow(QFrame::Sunken);
}

void AddTextLabels(QWidget& box) {
    for (const auto& [row, pointSize, bold] : kTextLabels) {
        auto& label = controls::Add<QLabel>(box, row);
        label.setText(row.text());
        label.setFont(theme::VerdanaFont(pointSize, bold));
        label.setWordWrap(true);
        label.setAlignment(Qt::AlignLeft | Qt::AlignTop);
    }
}

} // namespace

frmAbout::frmAbout(WindowServices& services, QWidget* parent)
    : QDialog(parent)
    , m_services(services) {
    setObjectName(QStringLiteral("frmAbout"));
    setWindowTitle(QString::fromUtf8(build::kWindowCaption));
    setFixedSize(theme::Twips(kClientWidth), theme::Twips(kClientHeight));
    setPalette(AboutPalette(palette()));
    setAutoFillBackground(true);

    AddIcon(*this);
    AddTextLabels(*this);
    AddSeparator(*this);
    for (const Row& row : kLinks) {
        auto& link = controls::AddLink(*this, row, *this, theme::kValueText);
        link.setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        link.setFont(controls::Underlined(theme::VerdanaFont(theme::kDialogPointSize)));
        // Where designed, but no wider than its text, so that only the text is clickable.
        link.resize(std::min(link.width(), link.sizeHint().width()), link.height());
    }

    controls::AddButton(*this, kOkButton, *this).setFont(theme::VerdanaFont(theme::kDialogPointSize, true));
}

} // namespace seraphel
