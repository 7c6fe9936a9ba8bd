#include "QtPlatform.h"

#include "BuildInfo.h"

#include <QComboBox>
#include <QCoreApplication>
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
#include <QSettings>
#include <QStandardPaths>
#include <QUrl>

#include <algorithm>
#include <cmath>

namespace seraphel {
namespace {

QString ProgramTitle() {
    return QString::fromUtf8(build::kProgramTitle);
}

// The executable's own name: a renamed program keeps its own settings and its own instance.
QString ApplicationName() {
    return QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName();
}

// A Windows message box breaks the line at a lone CR; a Qt label would run the two lines
// together, so the box gets a line feed there. The callers' text stays as it is.
QString WithLineBreaks(QString text) {
    static const QRegularExpression loneCarriageReturn(QStringLiteral("\r(?!\n)"));
    return text.replace(loneCarriageReturn, QStringLiteral("\n"));
}

bool IsFileOrNothing(const QString& path) {
    const QFileInfo info(path);
    return info.isFile() || !info.exists();
}

// Whether the settings store can be written without waiting on the lock it writes under, which it
// would wait on until a lock left by a crash during a write is half a minute old. Only an instance
// of the program writes the store: while this one is the only one, a lock there is such a
// leftover and is taken over at once; otherwise the store may be in use.
bool StoreLockFree(const QString& path, bool onlyInstance) {
    const QFileInfo lock(path);
    if (!lock.exists() && !lock.isSymLink()) {
        return true;
    }
    return onlyInstance && QFile::remove(path);
}

} // namespace

QtPlatform::QtPlatform() = default;
QtPlatform::~QtPlatform() = default;

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
    QFileDialog dialog(parent, request.title, QString(), request.filter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setDefaultSuffix(request.defaultSuffix);
    dialog.setOption(QFileDialog::ReadOnly, false);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return {};
    }
    return dialog.selectedFiles().constFirst();
}

namespace {

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

bool QtPlatform::choosePrinter(QWidget* parent, QPrinter& printer, bool selectionOffered) {
    PrintDialogWithoutPageRange dialog(&printer, parent);
    dialog.setWindowTitle(ProgramTitle());
    dialog.setOption(QAbstractPrintDialog::PrintPageRange, false);
    dialog.setOption(QAbstractPrintDialog::PrintSelection, selectionOffered);
    printer.setPrintRange(selectionOffered ? QPrinter::Selection : QPrinter::AllPages);
    return dialog.exec() == QDialog::Accepted;
}

QSettings* QtPlatform::settings() {
    if (!m_settingsOpened) {
        m_settingsOpened = true;
        // Where the store keeps its file and the lock it writes under, on systems without a
        // registry. Reading a pipe there would wait for ever, before any window shows, and a
        // folder cannot be read at all: with anything but a file there, nothing is stored.
        const QString file = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
                             QLatin1Char('/') + ApplicationName() + QLatin1Char('/') + ApplicationName() +
                             QStringLiteral(".conf");
        const QString lock = file + QStringLiteral(".lock");
        const bool onlyInstance = m_instanceLock && m_instanceLock->held();
        // A store that could only be had by waiting is not used this time, as one that fails.
        if (!IsFileOrNothing(file) || !IsFileOrNothing(lock) || !StoreLockFree(lock, onlyInstance)) {
            return nullptr;
        }
        // The application name as both organisation and application: the registry key
        // HKEY_CURRENT_USER\Software\<name>\<name> with one subkey per section on Windows,
        // ~/.config/<name>/<name>.conf elsewhere. An organisation alone would put the values
        // under "OrganizationDefaults" on Windows.
        m_settings = std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope, ApplicationName(),
                                                 ApplicationName());
        // Only the user's own store: no system-wide file or machine key is read.
        m_settings->setFallbacksEnabled(false);
    }
    return m_settings.get();
}

QString QtPlatform::readSetting(const QString& section, const QString& name) {
    QSettings* store = settings();
    return store != nullptr ? store->value(section + QLatin1Char('/') + name).toString() : QString();
}

void QtPlatform::writeSetting(const QString& section, const QString& name, const QString& value) {
    if (QSettings* store = settings()) {
        store->setValue(section + QLatin1Char('/') + name, value);
        store->sync();
    }
}

bool QtPlatform::claimSingleInstance() {
    if (!m_instanceLock) {
        m_instanceLock = std::make_unique<InstanceLock>(InstanceLockPath(ApplicationName()));
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
    const double r = std::uniform_real_distribution<double>(0.0, 1.0)(m_random);
    return std::min(r, std::nextafter(1.0, 0.0));
}

} // namespace seraphel
