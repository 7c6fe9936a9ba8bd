#include "QtPlatform.h"

#include "ApplicationName.h"
#include "BuildInfo.h"

#include <QComboBox>
#include <QDateTime>
#include <QDesktopServices>
#include <QDialog>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QRegularExpression>
#include <QUrl>

#include <algorithm>
#include <cmath>
#include <csignal>

namespace seraphel {
namespace {

QString ProgramTitle() {
    return QString::fromUtf8(build::kProgramTitle);
}

// A Windows message box breaks the line at a lone CR; a Qt label would run the two lines
// together, so the box gets a line feed there. The callers' text stays as it is.
QString WithLineBreaks(QString text) {
    static const QRegularExpression loneCarriageReturn(QStringLiteral("\r(?!\n)"));
    return text.replace(loneCarriageReturn, QStringLiteral("\n"));
}

// A name in a folder that does not exist, or whose folder is a file, is refused in the dialog,
// which says why and stays open for another name, as it does when it asks before overwriting.
// A native dialog checks this itself and has none of the dialog's own controls.
class SaveFileDialog final : public QFileDialog {
public:
    using QFileDialog::QFileDialog;

    void accept() override {
        const QStringList chosen = selectedFiles();
        if (!chosen.isEmpty() && findChild<QWidget*>(QStringLiteral("fileNameEdit")) != nullptr) {
            const QFileInfo file(chosen.constFirst());
            if (!file.isDir() && !QFileInfo(file.absolutePath()).isDir()) {
                QMessageBox::warning(this, windowTitle(),
                                     QStringLiteral("The folder \"%1\" does not exist.\nCheck the path and try again.")
                                         .arg(QDir::toNativeSeparators(file.absolutePath())));
                return;
            }
        }
        QFileDialog::accept();
    }
};

// Qt's print dialog on CUPS systems offers "Pages from ... to" (and "Pages" on a printer)
// even without the page-range option, and would have CUPS print only those pages. The
// report is printed whole or as its selection, so the choice is taken away whenever the
// dialog sets up its widgets: as it shows, and when another printer is picked.
class PrintDialogWithoutPageRange final : public QPrintDialog {
public:
    PrintDialogWithoutPageRange(QPrinter* printer, QWidget* parent)
        : QPrintDialog(printer, parent) {
        if (auto* printers = findChild<QComboBox*>(QStringLiteral("printers"))) {
            connect(printers, &QComboBox::currentIndexChanged, this, &PrintDialogWithoutPageRange::disablePageRange);
        }
    }

    void setVisible(bool visible) override {
        QPrintDialog::setVisible(visible);
        disablePageRange();
    }

private:
    void disablePageRange() {
        for (const char* name : {"printRange", "from", "to", "pagesRadioButton", "pagesLineEdit"}) {
            if (auto* control = findChild<QWidget*>(QString::fromLatin1(name))) {
                control->setEnabled(false);
            }
        }
    }
};

} // namespace

QtPlatform::QtPlatform() {
#ifdef SIGXFSZ
    // A write past the process's file-size limit then fails as on a full disk, and the report
    // window says so, instead of the system ending the program with the report unsaved.
    std::signal(SIGXFSZ, SIG_IGN);
#endif
}

void QtPlatform::showInformation(QWidget* parent, const QString& text) {
    QMessageBox::information(parent, ProgramTitle(), WithLineBreaks(text));
}

bool QtPlatform::askYesNo(QWidget* parent, const QString& text) {
    QMessageBox box(QMessageBox::Information, ProgramTitle(), WithLineBreaks(text), QMessageBox::Yes | QMessageBox::No,
                    parent);
    return box.exec() == QMessageBox::Yes;
}

void QtPlatform::openWebAddress(const QString& address) {
    QDesktopServices::openUrl(QUrl(address));
}

void QtPlatform::runModal(QDialog& dialog) {
    dialog.exec();
}

QString QtPlatform::chooseSaveFile(QWidget* parent, const SaveFileRequest& request) {
    SaveFileDialog dialog(parent, request.title, QString(), request.filter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setDefaultSuffix(request.defaultSuffix);
    dialog.setOption(QFileDialog::ReadOnly, false);
    return dialog.exec() == QDialog::Accepted ? dialog.selectedFiles().value(0) : QString();
}

bool QtPlatform::choosePrinter(QWidget* parent, QPrinter& printer, bool selectionOffered) {
    PrintDialogWithoutPageRange dialog(&printer, parent);
    dialog.setWindowTitle(ProgramTitle());
    dialog.setOption(QAbstractPrintDialog::PrintPageRange, false);
    dialog.setOption(QAbstractPrintDialog::PrintSelection, selectionOffered);
    printer.setPrintRange(selectionOffered ? QPrinter::Selection : QPrinter::AllPages);
    return dialog.exec() == QDialog::Accepted;
}

SettingsStore& QtPlatform::settings() {
    if (!m_settings) {
        m_settings = std::make_unique<SettingsStore>(m_instanceLock && m_instanceLock->held());
    }
    return *m_settings;
}

QString QtPlatform::readSetting(const QString& section, const QString& name) {
    return settings().read(section, name);
}

void QtPlatform::writeSetting(const QString& section, const QString& name, const QString& value) {
    settings().write(section, name, value);
}

bool QtPlatform::claimSingleInstance() {
    if (!m_instanceLock) {
        m_instanceLock = std::make_unique<InstanceLock>(ApplicationName());
    }
    return m_instanceLock->claim();
}

QDate QtPlatform::today() {
    return QDate::currentDate();
}

void QtPlatform::seedRandomFromClock() {
    m_random.seed(static_cast<std::mt19937::result_type>(QDateTime::currentMSecsSinceEpoch()));
}

double QtPlatform::drawRandom() {
    // The distribution may round up to 1.0 on rare draws; the callers rely on r < 1.
    return std::min(std::uniform_real_distribution<double>(0.0, 1.0)(m_random), std::nextafter(1.0, 0.0));
}

} // namespace seraphel
