#include "frmSave.h"

#include "BuildInfo.h"
#include "LinkLabel.h"
#include "Platform.h"
#include "QuickWrapping.h"
#include "ReportComposer.h"
#include "ReportPrinter.h"
#include "RtfWriter.h"
#include "Theme.h"
#include "modHelp.h"
#include "modRTB.h"

#include <QDir>
#include <QLabel>
#include <QPrinter>
#include <QPushButton>
#include <QSaveFile>
#include <QScrollBar>
#include <QTextEdit>

#include <algorithm>

namespace seraphel {
namespace {

constexpr QColor kLabelText{255, 255, 255};

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

    Label14 = addLink("Label14", QStringLiteral("Share your angel stories in our Discussion Forum"),
                      theme::TwipsRect(1440, 0, 4830, 195), &frmSave::Label14_Click);
    Label1 = addLink("Label1", QStringLiteral("Click Here To Visit ") + WebSiteHost() + QStringLiteral(" Now"),
                     theme::TwipsRect(1620, 180, 4470, 195), &frmSave::Label1_Click);

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
    KeepWrappingQuick(*RTB);

    QFont saveFont = theme::VerdanaFont(8.25, true);
    saveFont.setFamilies({QStringLiteral("MS Sans Serif"), QStringLiteral("DejaVu Sans")});
    cmdSave = addButton("cmdSave", QStringLiteral("&Save"), saveFont, theme::TwipsRect(5400, 6570, 1125, 345),
                        &frmSave::cmdSave_Click);
    cmdPrint = addButton("cmdPrint", QStringLiteral("&Print"), theme::VerdanaFont(8.25, true),
                         theme::TwipsRect(6555, 6570, 1125, 345), &frmSave::cmdPrint_Click);

    Label10 = addLink("Label10",
                      QStringLiteral("Home Business Opportunity. Start your own Internet business and make money "
                                     "online. Get this software fully branded for your website. Click here for more "
                                     "details."),
                      theme::TwipsRect(30, 6960, 7665, 615), &frmSave::Label10_Click);
    Label10->setWordWrap(true);
    Label10->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    for (QLabel* label : {Label14, Label1}) {
        label->setAlignment(Qt::AlignCenter);
        WidenToText(*label, width());
    }
    setTabOrder(RTB, cmdSave);
    setTabOrder(cmdSave, cmdPrint);
}

QLabel* frmSave::addLink(const char* name, const QString& text, const QRect& geometry, void (frmSave::*handler)()) {
    auto* link = new LinkLabel(text, this);
    link->setObjectName(QString::fromLatin1(name));
    QFont font = theme::VerdanaFont(8.25, true);
    font.setUnderline(true);
    link->setFont(font);
    link->setGeometry(geometry);
    connect(link, &LinkLabel::clicked, this, handler);
    return link;
}

QPushButton* frmSave::addButton(const char* name, const QString& caption, const QFont& font, const QRect& geometry,
                                void (frmSave::*handler)()) {
    auto* button = new QPushButton(caption, this);
    button->setObjectName(QString::fromLatin1(name));
    button->setFont(font);
    button->setGeometry(geometry);
    button->setAutoDefault(false);
    connect(button, &QPushButton::clicked, this, handler);
    return button;
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
        InstallLinkHandler(RTB, m_platform);
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
        RemoveLinkHandler(RTB);
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
