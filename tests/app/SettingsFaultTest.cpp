// Start-up over a settings store that cannot be used as it should: its file unreadable or
// read-only, a folder, a pipe, garbage, or the store's folder a regular file. The program
// starts all the same, reports nothing, waits for nothing, and leaves what it cannot use as
// it was. The store lives in a temporary configuration folder, set before anything opens it.
#include "ConfigFolderMain.h"
#include "FakePlatform.h"
#include "FileFaults.h"
#include "Session.h"
#include "SettingCodec.h"
#include "Startup.h"
#include "StoredDate.h"
#include "WindowTesting.h"
#include "frmMain.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

namespace seraphel {
namespace {

enum class Fault { Folder, Pipe, PipeAtTheLock, Garbage, StoreFolderIsAFile, Unreadable, ReadOnly };

bool WriteFile(const QString& path, const QByteArray& content) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(content) == content.size();
}

// What stands at a path, with a file's bytes and a folder's entries: to see it left alone.
QString Describe(const QString& path) {
    const QFileInfo info(path);
    if (info.isDir()) {
        return QStringLiteral("folder: ") + QDir(path).entryList(QDir::NoDotAndDotDot | QDir::AllEntries).join(u',');
    }
    if (info.isFile()) {
        QFile file(path);
        const QByteArray content = file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArrayLiteral("(unreadable)");
        return QStringLiteral("file %1: ").arg(info.permissions().toInt(), 0, 16) +
               QString::fromLatin1(content.toHex());
    }
    return info.exists() ? QStringLiteral("other") : QStringLiteral("nothing");
}

} // namespace

class SettingsFaultTest final : public QObject {
    Q_OBJECT

public:
    explicit SettingsFaultTest(QString configFolder)
        : m_configFolder(std::move(configFolder)) {}

private:
    QString m_configFolder;
    // Made anew for each test, and ended after its windows: they reach the session when closed.
    std::unique_ptr<FakePlatform> m_platform;
    std::unique_ptr<Session> m_session;

    QString storeFolder() const { return m_configFolder + QLatin1Char('/') + ApplicationName(); }
    QString storeFile() const { return storeFolder() + QLatin1Char('/') + ApplicationName() + QStringLiteral(".conf"); }

    // A store as the program writes it, with its last reminder long ago.
    QByteArray storeWithAnOldReminder(QDate today) const {
        const QString key = EncodeSetting(QStringLiteral("Duration"));
        const QString value = EncodeSetting(FormatStoredDate(today.addDays(-100), QLocale::system()));
        QByteArray content;
        {
            QTemporaryDir scratch;
            QSettings store(scratch.filePath(QStringLiteral("store.conf")), QSettings::IniFormat);
            store.setValue(QStringLiteral("Settings/") + key, value);
            store.sync();
            QFile file(store.fileName());
            content = file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
        }
        return content;
    }

    // The path whose state the start must leave alone, after putting the fault in place.
    QString prepare(Fault fault, QDate today) const {
        QDir().mkpath(storeFolder());
        switch (fault) {
        case Fault::Folder:
            QDir().mkdir(storeFile());
            WriteFile(storeFile() + QStringLiteral("/inside"), "kept");
            return storeFile();
        case Fault::Pipe:
            testing::MakeNamedPipe(storeFile());
            return storeFile();
        case Fault::PipeAtTheLock:
            testing::MakeNamedPipe(storeFile() + QStringLiteral(".lock"));
            return storeFile() + QStringLiteral(".lock");
        case Fault::Garbage:
            WriteFile(storeFile(), QByteArray("\xff\xfe[Settings\0\n=\n\\\\x=\"\x01", 19).repeated(100));
            return {};
        case Fault::StoreFolderIsAFile:
            QDir(storeFolder()).removeRecursively();
            WriteFile(storeFolder(), "not a folder");
            return storeFolder();
        case Fault::Unreadable:
            WriteFile(storeFile(), storeWithAnOldReminder(today));
            QFile::setPermissions(storeFile(), {});
            return storeFile();
        case Fault::ReadOnly:
            WriteFile(storeFile(), storeWithAnOldReminder(today));
            QFile::setPermissions(storeFile(), QFileDevice::ReadOwner | QFileDevice::ReadUser);
            return storeFile();
        }
        return {};
    }

private slots:
    void initTestCase() {
#ifdef Q_OS_WIN
        QSKIP("the store is the registry on Windows: there is no settings file or folder to damage");
#endif
    }

    void init() {
        m_platform = std::make_unique<FakePlatform>();
        m_session = std::make_unique<Session>(*m_platform);
    }

    void cleanup() {
        testing::CloseAllWindows();
        m_session.reset();
        m_platform.reset();
        if (QFileInfo(storeFile()).isFile()) {
            QFile::setPermissions(storeFile(), QFileDevice::ReadOwner | QFileDevice::WriteOwner);
        }
        testing::EmptyConfigFolder(m_configFolder);
    }

    void startsAndReportsNothing_data() {
        QTest::addColumn<Fault>("fault");
        QTest::addColumn<bool>("permissions");
        QTest::addColumn<int>("questions");
        QTest::newRow("folder where the file belongs") << Fault::Folder << false << 0;
        QTest::newRow("pipe where the file belongs") << Fault::Pipe << false << 0;
        QTest::newRow("pipe where the store's lock belongs") << Fault::PipeAtTheLock << false << 0;
        QTest::newRow("garbage in the file") << Fault::Garbage << false << 0;
        QTest::newRow("store's folder a regular file") << Fault::StoreFolderIsAFile << false << 0;
        // A read-only store asks about the old reminder, and cannot keep the answer.
        QTest::newRow("read-only file") << Fault::ReadOnly << true << 1;
        // An unreadable store reads as empty: the first run, which asks nothing. Last, since Qt
        // keeps a write that failed pending in its cache of the file for the rest of the process.
        QTest::newRow("unreadable file") << Fault::Unreadable << true << 0;
    }

    void startsAndReportsNothing() {
        QFETCH(Fault, fault);
        QFETCH(bool, permissions);
        QFETCH(int, questions);
        if (permissions && testing::RunsAsSuperuser()) {
            QSKIP("root reads and writes a file whatever its permissions say");
        }
        const QString kept = prepare(fault, m_platform->today());
        const QString before = Describe(kept);
        SettingsStore store(false); // opened on the fault, as the program opens it at the reminder
        m_platform->realStore = &store;

        QVERIFY(Startup(*m_platform, *m_session).run());
        QCOMPARE(testing::ShownWindows<frmMain>().size(), 1);
        QVERIFY(m_platform->informationMessages.isEmpty());
        QCOMPARE(m_platform->questions.size(), questions);
        if (!kept.isEmpty()) {
            QCOMPARE(Describe(kept), before);
        }
    }
};

} // namespace seraphel

int main(int argc, char** argv) {
    return seraphel::testing::RunInTemporaryConfigFolder<seraphel::SettingsFaultTest>(argc, argv);
}

#include "SettingsFaultTest.moc"
