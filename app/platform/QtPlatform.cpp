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

// Shows a message box and returns the button pressed. The text is shown as it stands: a file
// or folder name in it may look like markup, which a box left to guess would lay out, loading
// whatever images it names.
QMessageBox::StandardButton ShowMessage(QWidget* parent, QMessageBox::Icon icon, const QString& title,
                                        const QString& text, QMessageBox::StandardButtons buttons,
                                        QMessageBox::StandardButton defaultButton = QMessageBox::NoButton) {
    QMessageBox box(icon, title, text, buttons, parent);
    box.setTextFormat(Qt::PlainText);
    if (defaultButton != QMessageBox::NoButton) {
        box.setDefaultButton(defaultButton);
    }
    return static_cast<QMessageBox::StandardButton>(box.exec());
}

// A name in a folder that does not exist, or whose folder is a file, is refused in the dialog,
// which says why and stays open for another name; the dialog asks before overwriting a file,
// in a box of its own that shows the name as it stands. A native dialog checks both itself
// and has none of the dialog's own controls.
class SaveFileDialog final : public QFileDialog {
public:
    using QFileDialog::QFileDialog;

    void accept() override {
        const QStringList chosen = selectedFiles();
        if (chosen.isEmpty() || findChild<QWidget*>(QStringLiteral("fileNameEdit")) == nullptr) {
            QFileDialog::accept();
            return;
        }
        const QFileInfo file(chosen.constFirst());
        if (!file.isDir() && !QFileInfo(file.absolutePath()).isDir()) {
            ShowMessage(this, QMessageBox::Warning, windowTitle(),
                        QStringLiteral("The folder \"%1\" does not exist.\nCheck the path and try again.")
                            .arg(QDir::toNativeSeparators(file.absolutePath())),
                        QMessageBox::Ok);
            return;
        }
        if (file.exists() && !file.isDir()) {
            if (ShowMessage(this, QMessageBox::Warning, windowTitle(),
                            QStringLiteral("%1 already exists.\nDo you want to replace it?").arg(file.fileName()),
                            QMessageBox::Yes | QMessageBox::No, QMessageBox::No) != QMessageBox::Yes) {
                return;
            }
            setOption(DontConfirmOverwrite); // asked already
        }
        QFileDialog::accept();
        setOption(DontConfirmOverwrite, false);
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
    ShowMessage(parent, QMessageBox::Information, ProgramTitle(), WithLineBreaks(text), QMessageBox::Ok);
}

bool QtPlatform::askYesNo(QWidget* parent, const QString& text) {
    return ShowMessage(parent, QMessageBox::Information, ProgramTitle(), WithLineBreaks(text),
                       QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes;
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
