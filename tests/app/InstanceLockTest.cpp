// The single-instance check of the real platform: a second claim is refused while the
// first holds, a lock left by a killed process or damaged does not block, two starts that
// find the same damaged lock do not both run, and a lock that cannot be written at all lets
// the program run.
#include "InstanceLock.h"
#include "ApplicationName.h"
#include "FileFaults.h"
#include "QtPlatform.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

namespace seraphel {
namespace {

// Where the platform keeps this test's lock: in the runtime folder the test sets, or on Windows
// in the local application data folder.
QString LockPath() {
    return InstanceLockPath(ApplicationName());
}

// Windows names its local application data folder in the registry, which no test points elsewhere.
constexpr char kNoRuntimeFolderOnWindows[] = "Windows keeps the lock in the local application data folder, "
                                             "which no environment variable moves";

// The number of a process that has ended.
qint64 EndedProcessId() {
    QProcess process;
#ifdef Q_OS_WIN
    process.start(QStringLiteral("cmd"), {QStringLiteral("/c"), QStringLiteral("exit")});
#else
    process.start(QStringLiteral("true"), {});
#endif
    process.waitForStarted();
    const qint64 id = process.processId();
    process.waitForFinished();
    return id;
}

bool WriteFile(const QString& path, const QByteArray& content) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(content) == content.size();
}

QByteArray ReadFile(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

enum class Leftover { OldEmptyFile, Garbage, Binary, DanglingLink, Folder, Pipe, NewEmptyFile };

// Puts something at the lock's place that no running instance holds, as a crash, an
// interrupted write or another program may leave it; files are dated a minute back.
bool Leave(Leftover leftover, const QString& path) {
    const auto aged = [&path](const QByteArray& content) {
        QFile file(path);
        return file.open(QIODevice::WriteOnly) && file.write(content) == content.size() && file.flush() &&
               file.setFileTime(QDateTime::currentDateTime().addSecs(-60), QFileDevice::FileModificationTime);
    };
    switch (leftover) {
    case Leftover::OldEmptyFile:
        return aged({});
    case Leftover::Garbage:
        return aged("not a lock\nat all\n");
    case Leftover::Binary:
        return aged(QByteArray(4096, '\xff'));
    case Leftover::DanglingLink:
        return QFile::link(path + QStringLiteral(".gone"), path);
    case Leftover::Folder:
        return QDir().mkdir(path) && WriteFile(path + QStringLiteral("/inside"), "kept");
    case Leftover::Pipe:
        return testing::MakeNamedPipe(path);
    case Leftover::NewEmptyFile:
        return WriteFile(path, {});
    }
    return false;
}

// What stands at a path, without following a link.
QString Kind(const QString& path) {
    const QFileInfo info(path);
    if (info.isSymLink()) {
        return QStringLiteral("link");
    }
    if (info.isDir()) {
        return QStringLiteral("folder with ") +
               QDir(path).entryList(QDir::NoDotAndDotDot | QDir::AllEntries).join(u',');
    }
    return info.isFile() ? QStringLiteral("file") : info.exists() ? QStringLiteral("other") : QStringLiteral("none");
}

} // namespace

class InstanceLockTest final : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<QTemporaryDir> m_runtime;
    QByteArray m_savedRuntime;
    QByteArray m_savedTemp;

private slots:
    void init() {
        m_savedRuntime = qgetenv("XDG_RUNTIME_DIR");
        m_savedTemp = qgetenv("TMPDIR");
        m_runtime = std::make_unique<QTemporaryDir>(); // private to the user, as a runtime folder must be
        QVERIFY(m_runtime->isValid());
        qputenv("XDG_RUNTIME_DIR", QFile::encodeName(m_runtime->path()));
        // On Windows the lock's folder outlives the test, with whatever a row left there.
        QDir(LockPath()).removeRecursively();
        QFile::remove(LockPath());
    }

    void cleanup() {
        qputenv("XDG_RUNTIME_DIR", m_savedRuntime);
        qputenv("TMPDIR", m_savedTemp);
        m_runtime.reset();
    }

    void aSecondClaimIsRefusedWhileTheFirstHolds() {
        auto first = std::make_unique<QtPlatform>();
        QVERIFY(first->claimSingleInstance());
        QVERIFY(first->claimSingleInstance()); // the holder may ask again
        QVERIFY(QFile::exists(LockPath()));
        QtPlatform second;
        QVERIFY(!second.claimSingleInstance());
        first.reset();
        QVERIFY(second.claimSingleInstance());
    }

    void aLockLeftByAKilledProcessDoesNotBlock() {
        // A lock as a process writes it, then left behind by that process's end.
        const QString path = LockPath();
        QByteArray content;
        {
            QLockFile lock(path);
            QVERIFY(lock.tryLock(0));
            QFile written(path);
            QVERIFY(written.open(QIODevice::ReadOnly));
            content = written.readAll();
            lock.unlock();
        }
        const qsizetype endOfNumber = content.indexOf('\n');
        QVERIFY(endOfNumber > 0);
        content.replace(0, endOfNumber, QByteArray::number(EndedProcessId()));
        QFile left(path);
        QVERIFY(left.open(QIODevice::WriteOnly));
        left.write(content);
        left.close();

        QtPlatform platform;
        QVERIFY(platform.claimSingleInstance());
        QtPlatform another;
        QVERIFY(!another.claimSingleInstance()); // the lock is held again, by this process now
    }

    void whatIsLeftAtTheLocksPlace_data() {
        QTest::addColumn<Leftover>("leftover");
        QTest::addColumn<bool>("starts");
        QTest::addColumn<bool>("claims");
        QTest::newRow("empty file left by a crash") << Leftover::OldEmptyFile << true << true;
        QTest::newRow("garbage") << Leftover::Garbage << true << true;
        QTest::newRow("binary bytes") << Leftover::Binary << true << true;
        QTest::newRow("dangling link") << Leftover::DanglingLink << true << false;
        QTest::newRow("folder") << Leftover::Folder << true << false;
        QTest::newRow("named pipe") << Leftover::Pipe << true << false;
        // Another instance that has just created its lock and not yet written it.
        QTest::newRow("empty file of this moment") << Leftover::NewEmptyFile << false << false;
    }

    void whatIsLeftAtTheLocksPlace() {
        QFETCH(Leftover, leftover);
        QFETCH(bool, starts);
        QFETCH(bool, claims);
        if ((leftover == Leftover::DanglingLink || leftover == Leftover::Pipe) && !testing::HasPosixFileSystem()) {
            QSKIP("Windows has no named pipes in its file system, and QFile::link makes a shortcut there");
        }
        const QString path = LockPath();
        QVERIFY(Leave(leftover, path));
        const QString kind = Kind(path);
        QtPlatform platform;
        QCOMPARE(platform.claimSingleInstance(), starts);
        QtPlatform another;
        QCOMPARE(another.claimSingleInstance(), starts && !claims);
        // What the claim could not use is left as it was.
        if (!claims) {
            QCOMPARE(Kind(path), kind);
        }
    }

    void twoStartsOverADamagedLockLeaveOneRunning_data() {
        QTest::addColumn<Leftover>("leftover");
        QTest::newRow("empty file left by a crash") << Leftover::OldEmptyFile;
        QTest::newRow("garbage") << Leftover::Garbage;
    }

    // The second start comes between the first one's check of the damaged lock and its
    // takeover, and takes the lock over itself.
    void twoStartsOverADamagedLockLeaveOneRunning() {
        QFETCH(Leftover, leftover);
        const QString path = LockPath();
        QVERIFY(Leave(leftover, path));
        InstanceLock first(path);
        InstanceLock second(path);
        bool secondRuns = false;
        first.setBeforeTakeover([&] { secondRuns = second.claim(); });
        const bool firstRuns = first.claim();
        QCOMPARE(firstRuns + secondRuns, 1);
        QVERIFY(second.held());
    }

    // Windows gives the home folder as the runtime location.
    void theLockStaysOutOfTheHomeFolder() {
        QtPlatform platform;
        QVERIFY(platform.claimSingleInstance());
        QVERIFY(!QFileInfo::exists(QDir::home().filePath(ApplicationName() + QStringLiteral(".lock"))));
    }

    void aRuntimeFolderThatIsAFileLetsTheProgramRun() {
#ifdef Q_OS_WIN
        QSKIP(kNoRuntimeFolderOnWindows);
#endif
        const QString file = m_runtime->filePath(QStringLiteral("not-a-folder"));
        QVERIFY(WriteFile(file, "text"));
        qputenv("XDG_RUNTIME_DIR", QFile::encodeName(file));
        QtPlatform platform;
        QVERIFY(platform.claimSingleInstance());
        QCOMPARE(ReadFile(file), QByteArray("text"));
    }

    void aLockThatCannotBeWrittenLetsTheProgramRun() {
#ifdef Q_OS_WIN
        QSKIP(kNoRuntimeFolderOnWindows);
#endif
        // No usable runtime folder, and a temporary folder in which nothing can be created.
        qputenv("XDG_RUNTIME_DIR", "/proc/seraphel-no-such-folder");
        qputenv("TMPDIR", "/proc");
        QtPlatform platform;
        QVERIFY(platform.claimSingleInstance());
        QtPlatform another;
        QVERIFY(another.claimSingleInstance());
    }
};

} // namespace seraphel

QTEST_GUILESS_MAIN(seraphel::InstanceLockTest)
#include "InstanceLockTest.moc"
