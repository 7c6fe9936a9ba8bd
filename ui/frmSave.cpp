#include "frmSave.h"

#include "BuildInfo.h"
#include "Controls.h"
#include "LinkLabel.h"
#include "Platform.h"
#include "PromoTexts.h"
#include "QuickLongText.h"
#include "ReportComposer.h"
#include "ReportPrinter.h"
#include "RtfWriter.h"
#include "TextOnlyBox.h"
#include "Theme.h"
#include "modRTB.h"

#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QPrinter>
#include <QPushButton>
#include <QSaveFile>
#include <QScrollBar>

#include <algorithm>
#include <array>

namespace seraphel {
namespace {

using Row = controls::Control<frmSave>;

constexpr std::array<Row, 2> kHeadingLinks{{
    {"Label14", {1440, 0, 4830, 195}, "Share your angel stories in our Discussion Forum", &frmSave::Label14_Click},
    {"Label1", {1620, 180, 4470, 195}, "Click Here To Visit %1 Now", &frmSave::Label1_Click},
}};
constexpr Row kOfferLink{"Label10", {30, 6960, 7665, 615}, texts::kFullBrandOffer.c_str(), &frmSave::Label10_Click};
constexpr Row kRTB{"RTB", {30, 390, 7665, 6135}};
constexpr Row kSaveButton{"cmdSave", {5400, 6570, 1125, 345}, "&Save", &frmSave::cmdSave_Click};
constexpr Row kPrintButton{"cmdPrint", {6555, 6570, 1125, 345}, "&Print", &frmSave::cmdPrint_Click};

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

// Writes the whole file or leaves whatever the path held before untouched. Only a regular file
// is replaced: a device or a pipe, at the path or behind a link there, is no file to save into,
// and the new file would take its place.
bool WriteWholeFile(const QString& path, const QByteArray& content) {
    if (const QFileInfo target(path); target.exists() && !target.isFile()) {
        return false;
    }
    QSaveFile file(path);
    // The explicit flush matters: a write that fails only when the buffer is flushed (a full
    // disk) is not seen by commit(), which would then put a cut-off file in place of the old one.
    return file.open(QIODevice::WriteOnly) && file.write(content) == content.size() && file.flush() && file.commit();
}

LinkLabel& AddReportLink(frmSave& window, const Row& row) {
    auto& label = controls::AddLink(window, row, window, theme::kCaptionText);
    label.setFont(controls::Underlined(theme::VerdanaFont(theme::kDialogPointSize, true)));
    return label;
}

} // namespace

frmSave::frmSave(WindowServices& services, const AngelReading& reading, QWidget* parent)
    : QDialog(parent)
    , m_services(services) {
    createControls();
    Form_Load(reading);
}

frmSave::~frmSave() {
    Form_Unload();
}

void frmSave::createControls() {
    setObjectName(QStringLiteral("frmSave"));
    setWindowTitle(QString::fromUtf8(build::kWindowCaption));
    setFont(theme::VerdanaFont(theme::kDialogPointSize));
    setFixedSize(theme::Twips(7725), theme::Twips(7590));
    QPalette colors = palette();
    colors.setColor(QPalette::Window, theme::kWindowBackground);
    colors.setColor(QPalette::WindowText, theme::kCaptionText);
    setPalette(colors);
    setAutoFillBackground(true);

    for (const Row& row : kHeadingLinks) {
        auto& label = AddReportLink(*this, row);
        label.setAlignment(Qt::AlignCenter);
        WidenToText(label, width());
    }

    m_RTB = &controls::Add<TextOnlyBox>(*this, kRTB);
    m_RTB->setFont(theme::VerdanaFont(theme::kLargePointSize));
    controls::SetInputColours(*m_RTB, theme::kPageBackground, theme::kPageText);
    m_RTB->setTabChangesFocus(true);
    KeepLongTextQuick(*m_RTB);

    auto& save = controls::AddButton(*this, kSaveButton, *this);
    save.setFont(theme::MsSansSerifFont(theme::kDialogPointSize, true));
    setTabOrder(m_RTB, &save);
    setTabOrder(&save, &controls::AddButton(*this, kPrintButton, *this));

    AddReportLink(*this, kOfferLink).setWordWrap(true);
}

void frmSave::Form_Load(const AngelReading& reading) {
    QTextCursor cursor(m_RTB->document());
    ComposeReport(cursor, reading);
    m_RTB->setTextCursor(cursor);
    m_RTB->document()->clearUndoRedoStacks(); // undo reaches back to the report, not before it
}

void frmSave::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!m_linksInstalled) {
        InstallLinkHandler(m_RTB, m_services);
        m_linksInstalled = true;
        // The insertion point waits at the end for a note, but the reader starts at the top.
        m_RTB->verticalScrollBar()->setValue(0);
    }
}

void frmSave::done(int result) {
    Form_Unload();
    QDialog::done(result);
}

void frmSave::Form_Unload() {
    if (m_linksInstalled) {
        RemoveLinkHandler(m_RTB);
        m_linksInstalled = false;
    }
}

void frmSave::cmdSave_Click() {
    const QString path =
        m_services.chooseSaveFile(this, {QString::fromUtf8(build::kProgramTitle),
                                         QStringLiteral("Rich Text Format (*.rtf)"), QStringLiteral("rtf")});
    if (path.isEmpty()) {
        return;
    }
    if (!WriteWholeFile(path, WriteRtf(*m_RTB->document()))) {
        m_services.showInformation(
            this, QStringLiteral("The file \"%1\" could not be saved.").arg(QDir::toNativeSeparators(path)));
    }
}

void frmSave::cmdPrint_Click() {
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(QString::fromUtf8(build::kProgramTitle));
    PrepareReportPrinter(printer);
    if (m_services.choosePrinter(this, printer, m_RTB->textCursor().hasSelection())) {
        PrintBoxContent(*m_RTB, printer);
    }
}

} // namespace seraphel
