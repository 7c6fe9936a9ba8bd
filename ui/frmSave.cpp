#include "frmSave.h"

#include "BuildInfo.h"
#include "Platform.h"
#include "ReportComposer.h"
#include "ReportPrinter.h"
#include "RtfWriter.h"
#include "Theme.h"
#include "modHelp.h"
#include "modRTB.h"

#include <QDir>
#include <QLabel>
#include <QMouseEvent>
#include <QPrinter>
#include <QPushButton>
#include <QSaveFile>
#include <QScrollBar>
#include <QTextEdit>

#include <functional>

namespace seraphel {
namespace {

constexpr QColor kLabelText{255, 255, 255};

// A label that opens a page when clicked, as a link would.
class LinkLabel final : public QLabel {
public:
    LinkLabel(const QString& text, std::function<void()> onClick, QWidget* parent)
        : QLabel(text, parent)
        , m_onClick(std::move(onClick)) {
        QFont font = theme::VerdanaFont(8.25, true);
        font.setUnderline(true);
        setFont(font);
        setCursor(Qt::PointingHandCursor);
    }

protected:
    void mousePressEvent(QMouseEvent* event) override { event->accept(); }
    void mouseReleaseEvent(QMouseEvent* event) override {
        if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) {
            m_onClick();
        }
    }

private:
    std::function<void()> m_onClick;
};

// A one-line label set at its design place but wider than designed: keeps its centre and
// grows to show all of its text, within the window.
void WidenToText(QLabel& label, int windowWidth) {
    const int width = std::min(label.sizeHint().width(), windowWidth);
    if (width <= label.width()) {
        return;
    }
    const int left = std::clamp(label.geometry().center().x() - width / 2, 0, windowWidth - width);
    label.setGeometry(left, label.y(), width, label.height());
}

QPushButton* Button(const QString& caption, const QFont& font, const QRect& geometry, QWidget* parent) {
    auto* button = new QPushButton(caption, parent);
    button->setFont(font);
    button->setGeometry(geometry);
    button->setAutoDefault(false);
    return button;
}

// Writes the whole file or leaves whatever the path held before untouched.
bool WriteWholeFile(const QString& path, const QByteArray& content) {
    QSaveFile file(path);
    // The explicit flush matters: a write that fails only when the buffer is flushed (a full
    // disk) is not seen by commit(), which would then put a cut-off file in place of the old one.
    return file.open(QIODevice::WriteOnly) && file.write(content) == content.size() && file.flush() && file.commit();
}

} // namespace

frmSave::frmSave(Platform& platform, const ReportFields& fields, QWidget* parent)
    : QDialog(parent)
    , m_platform(platform) {
    createControls();
    Form_Load(fields);
}

frmSave::~frmSave() {
    Form_Unload();
}

void frmSave::createControls() {
    setObjectName(QStringLiteral("frmSave"));
    setWindowTitle(QString::fromUtf8(build::kWindowCaption));
    setFont(theme::VerdanaFont(8.25));
    setFixedSize(theme::Twips(7725), theme::Twips(7590));
    QPalette colors = palette();
    colors.setColor(QPalette::Window, theme::kWindowBackground);
    colors.setColor(QPalette::WindowText, kLabelText);
    setPalette(colors);
    setAutoFillBackground(true);

    Label14 = new LinkLabel(
        QStringLiteral("Share your angel stories in our Discussion Forum"), [this] { Label14_Click(); }, this);
    Label14->setObjectName(QStringLiteral("Label14"));
    Label14->setGeometry(theme::TwipsRect(1440, 0, 4830, 195));

    Label1 = new LinkLabel(
        QStringLiteral("Click Here To Visit ") + WebSiteHost() + QStringLiteral(" Now"), [this] { Label1_Click(); },
        this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setGeometry(theme::TwipsRect(1620, 180, 4470, 195));

    RTB = new QTextEdit(this);
    RTB->setObjectName(QStringLiteral("RTB"));
    RTB->setGeometry(theme::TwipsRect(30, 390, 7665, 6135));
    RTB->setFont(theme::VerdanaFont(9.75));
    // The runs carry dark red, green and blue: they need a light page whatever the desktop's colours.
    QPalette page = RTB->palette();
    page.setColor(QPalette::Base, Qt::white);
    page.setColor(QPalette::Text, Qt::black);
    RTB->setPalette(page);
    // A note typed or pasted into the report takes the style where it lands, so the saved
    // file holds only what the writer states: text, fonts, colours and emphasis.
    RTB->setAcceptRichText(false);
    RTB->setTabChangesFocus(true);

    QFont saveFont = theme::VerdanaFont(8.25, true);
    saveFont.setFamilies({QStringLiteral("MS Sans Serif"), QStringLiteral("DejaVu Sans")});
    cmdSave = Button(QStringLiteral("&Save"), saveFont, theme::TwipsRect(5400, 6570, 1125, 345), this);
    cmdSave->setObjectName(QStringLiteral("cmdSave"));
    connect(cmdSave, &QPushButton::clicked, this, &frmSave::cmdSave_Click);

    cmdPrint =
        Button(QStringLiteral("&Print"), theme::VerdanaFont(8.25, true), theme::TwipsRect(6555, 6570, 1125, 345), this);
    cmdPrint->setObjectName(QStringLiteral("cmdPrint"));
    connect(cmdPrint, &QPushButton::clicked, this, &frmSave::cmdPrint_Click);

    Label10 = new LinkLabel(
        QStringLiteral("Home Business Opportunity. Start your own Internet business and make money "
                       "online. Get this software fully branded for your website. Click here for "
                       "more details."),
        [this] { Label10_Click(); }, this);
    Label10->setObjectName(QStringLiteral("Label10"));
    Label10->setGeometry(theme::TwipsRect(30, 6960, 7665, 615));
    Label10->setWordWrap(true);
    Label10->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    for (QLabel* label : {Label14, Label1}) {
        label->setAlignment(Qt::AlignCenter);
        WidenToText(*label, width());
    }
    setTabOrder(RTB, cmdSave);
    setTabOrder(cmdSave, cmdPrint);
}

void frmSave::Form_Load(const ReportFields& fields) {
    QTextCursor cursor(RTB->document());
    ComposeReport(cursor, fields);
    RTB->setTextCursor(cursor);
    RTB->document()->clearUndoRedoStacks(); // undo reaches back to the report, not before it
}

void frmSave::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!m_linksInstalled) {
        InstallLinkHandler(RTB, this, m_platform);
        m_linksInstalled = true;
        // The insertion point waits at the end for a note, but the reader starts at the top.
        RTB->verticalScrollBar()->setValue(0);
    }
}

void frmSave::done(int result) {
    Form_Unload();
    QDialog::done(result);
}

void frmSave::Form_Unload() {
    if (m_linksInstalled) {
        RemoveLinkHandler();
        m_linksInstalled = false;
    }
}

void frmSave::cmdSave_Click() {
    const QString path =
        m_platform.chooseSaveFile(this, {QString::fromUtf8(build::kProgramTitle),
                                         QStringLiteral("Rich Text Format (*.rtf)"), QStringLiteral("rtf")});
    if (path.isEmpty()) {
        return;
    }
    if (!WriteWholeFile(path, WriteRtf(*RTB->document()))) {
        m_platform.showInformation(
            this, QStringLiteral("The file \"%1\" could not be saved.").arg(QDir::toNativeSeparators(path)));
    }
}

void frmSave::cmdPrint_Click() {
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(QString::fromUtf8(build::kProgramTitle));
    PrepareReportPrinter(printer);
    if (m_platform.choosePrinter(this, printer, RTB->textCursor().hasSelection())) {
        PrintBoxContent(*RTB, printer);
    }
}

void frmSave::Label1_Click() {
    OpenWebPage(m_platform, WebPage::HomePage);
}

void frmSave::Label14_Click() {
    OpenWebPage(m_platform, WebPage::HomePage);
}

void frmSave::Label10_Click() {
    OpenWebPage(m_platform, WebPage::FullyBranded);
}

} // namespace seraphel
