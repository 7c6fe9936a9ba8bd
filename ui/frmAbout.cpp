#include "frmAbout.h"

#include "BuildInfo.h"
#include "LinkLabel.h"
#include "Theme.h"
#include "modHelp.h"

#include <QFrame>
#include <QIcon>
#include <QPushButton>

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

constexpr char kOffer[] = "Home Business Opportunity. Start your own Internet business and make money online. Get "
                          "this software fully branded for your website.";

// Positions and sizes are in twips, as the box was designed.
constexpr int kClientWidth = 6495;
constexpr int kClientHeight = 4080;
constexpr int kMargin = 120;
constexpr QRect kOkButton{5040, 3600, 1260, 345};

struct TextLabel {
    const char* objectName;
    const char* text;
    int left, top, width, height;
    qreal pointSize;
    bool bold;
};

constexpr std::array<TextLabel, 3> kTextLabels{{
    {"Label2", build::kWindowCaption, 960, 270, 2715, 240, 9.75, true},
    {"Label1", kDescription, kMargin, 690, 6345, 1575, 8.25, false},
    {"Label3", kOffer, 150, 2535, 6165, 675, 8.25, true},
}};

constexpr int kIconSize = 32; // pixels
constexpr std::array<const char*, 2> kIconFiles{{":/icons/seraphel-32.png", ":/icons/seraphel-64.png"}};

QPalette AboutPalette(const QPalette& base) {
    QPalette palette = base;
    palette.setColor(QPalette::Window, theme::kWindowBackground);
    palette.setColor(QPalette::WindowText, Qt::white);
    // The separator line is drawn in these two shades of the background.
    palette.setColor(QPalette::Dark, theme::kWindowBackground.darker(170));
    palette.setColor(QPalette::Light, theme::kWindowBackground.lighter(170));
    return palette;
}

void AddIcon(QWidget& box) {
    QIcon icon;
    for (const char* file : kIconFiles) {
        icon.addFile(QString::fromLatin1(file));
    }
    auto* picture = new QLabel(&box);
    picture->setObjectName(QStringLiteral("picIcon"));
    picture->setGeometry(theme::Twips(240), theme::Twips(90), kIconSize, kIconSize);
    picture->setPixmap(icon.pixmap(QSize(kIconSize, kIconSize), box.devicePixelRatioF()));
}

void AddSeparator(QWidget& box) {
    auto* line = new QFrame(&box);
    line->setObjectName(QStringLiteral("Line2"));
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);
    // Under the icon and the title, above the paragraph.
    line->setGeometry(theme::TwipsRect(kMargin, 615, kClientWidth - 2 * kMargin, 30));
}

void AddTextLabels(QWidget& box) {
    for (const auto& spec : kTextLabels) {
        auto* label = new QLabel(QString::fromUtf8(spec.text), &box);
        label->setObjectName(QString::fromLatin1(spec.objectName));
        label->setFont(theme::VerdanaFont(spec.pointSize, spec.bold));
        label->setWordWrap(true);
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        label->setGeometry(theme::TwipsRect(spec.left, spec.top, spec.width, spec.height));
    }
}

} // namespace

frmAbout::frmAbout(Platform& platform, QWidget* parent)
    : QDialog(parent)
    , m_platform(platform) {
    setObjectName(QStringLiteral("frmAbout"));
    setWindowTitle(QString::fromUtf8(build::kWindowCaption));
    setFixedSize(theme::Twips(kClientWidth), theme::Twips(kClientHeight));
    setPalette(AboutPalette(palette()));
    setAutoFillBackground(true);

    AddIcon(*this);
    AddTextLabels(*this);
    AddSeparator(*this);
    addLink("lblHomePage", QStringLiteral("Click here to visit ") + WebSiteHost(), {2400, 2303, 4050, 195},
            &frmAbout::lblHomePage_Click);
    addLink("lblCobrand", QStringLiteral("Click here for more details."), {4080, 3240, 2355, 195},
            &frmAbout::lblCobrand_Click);

    auto* ok = new QPushButton(QStringLiteral("&OK"), this);
    ok->setObjectName(QStringLiteral("cmdOK"));
    ok->setFont(theme::VerdanaFont(8.25, true));
    ok->setGeometry(theme::TwipsRect(kOkButton.x(), kOkButton.y(), kOkButton.width(), kOkButton.height()));
    // Enter presses OK as the default button; Esc rejects the box, which closes it the same way.
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &frmAbout::cmdOK_Click);
}

void frmAbout::cmdOK_Click() {
    accept();
}

void frmAbout::lblHomePage_Click() {
    OpenWebPage(m_platform, WebPage::HomePage);
}

void frmAbout::lblCobrand_Click() {
    OpenWebPage(m_platform, WebPage::FullyBranded);
}

void frmAbout::addLink(const char* objectName, const QString& text, const QRect& twips, void (frmAbout::*handler)()) {
    auto* link = new LinkLabel(text, this);
    link->setObjectName(QString::fromLatin1(objectName));
    QFont font = theme::VerdanaFont(8.25);
    font.setUnderline(true);
    link->setFont(font);
    QPalette palette = link->palette();
    palette.setColor(QPalette::WindowText, theme::kValueText);
    link->setPalette(palette);
    // Where designed, but no wider than its text, so that only the text is clickable.
    QRect geometry = theme::TwipsRect(twips.x(), twips.y(), twips.width(), twips.height());
    geometry.setWidth(std::min(geometry.width(), link->sizeHint().width()));
    link->setGeometry(geometry);
    connect(link, &LinkLabel::clicked, this, handler);
}

} // namespace seraphel
