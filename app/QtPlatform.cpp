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

// A lock that the holder has not finished writing reads as damaged for a moment.
constexpr qint64 kLockWritingSeconds = 2;

// Whether a lock that could not be taken belongs to an instance: one whose content names its
// process (the lock's own check found that process running), or one written a moment ago.
bool HeldByAnInstance(const QLockFile& lock, const QString& path) {
    qint64 process = 0;
    QString host;
    QString application;
    if (lock.getLockInfo(&process, &host, &application)) {
        return true;
    }
    const QDateTime written = QFileInfo(path).lastModified();
    const qint64 age = written.isValid() ? written.secsTo(QDateTime::currentDateTime()) : kLockWritingSeconds;
    return age >= 0 && age < kLockWritingSeconds;
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
        if (!IsFileOrNothing(file) || !IsFileOrNothing(file + QStringLiteral(".lock"))) {
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
    if (m_instanceLock) {
        return true;
    }
    QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (folder.isEmpty()) {
        folder = QDir::tempPath();
    }
    const QString path = folder + QLatin1Char('/') + ApplicationName() + QStringLiteral(".lock");
    // Only a regular file can be an instance's lock. Anything else there (a folder, or a pipe,
    // whose reading would wait for ever) holds nobody: run without the claim.
    if (const QFileInfo existing(path); existing.exists() && !existing.isFile()) {
        return true;
    }
    auto lock = std::make_unique<QLockFile>(path);
    // A lock left by a killed process is detected as stale and taken over. Without an age
    // limit, since an age limit would take a running instance's lock as well.
    lock->setStaleLockTime(0);
    if (lock->tryLock(0)) {
        m_instanceLock = std::move(lock);
        return true;
    }
    if (lock->error() != QLockFile::LockFailedError) {
        return true; // the lock cannot be written at all (no writable folder): run rather than refuse to start
    }
    if (HeldByAnInstance(*lock, path)) {
        return false;
    }
    // A damaged lock (left empty by a crash, or garbage) would otherwise refuse every start.
    if (lock->removeStaleLockFile() && lock->tryLock(0)) {
        m_instanceLock = std::move(lock);
    }
    return true;
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
