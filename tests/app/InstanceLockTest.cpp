// The single-instance check of the real platform: a second claim is refused while the
// first holds, whatever stands at the lock's place, a lock left by a killed process or damaged
// does not block, two starts that find the same damaged lock do not both run, the lock stays
// in a folder of the user's own, and a lock that cannot be written at all lets the program run.
#include "ApplicationName.h"
#include "FileFaults.h"
#include "QtPlatform.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#ifndef Q_OS_WIN
#include "InstanceLockFile.h"
#endif

#include <memory>

namespace seraphel {
namespace {

// The first place of this test's lock: in the runtime folder the test sets, or on Windows where
// the program kept its lock file before, in the local application data folder.
QString LockPath() {
    const QString name = ApplicationName() + QStringLiteral(".lock");
#ifdef Q_OS_WIN
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + QLatin1Char('/') +
           ApplicationName() + QLatin1Char('/') + name;
#else
    return QFile::decodeName(qgetenv("XDG_RUNTIME_DIR")) + QLatin1Char('/') + name;
#endif
}

constexpr char kNoLockFilesOnWindows[] = "Windows holds the claim by a mutex of the user's session, "
                                         "not by files in a folder";

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

enum class Leftover { OldEmptyFile, Garbage, Binary, ReadOnlyFile, DanglingLink, Folder, Pipe, NewEmptyFile };

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
    case Leftover::ReadOnlyFile:
        return aged("kept") && QFile::setPermissions(path, QFile::ReadOwner);
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

// The files under folder at any depth, hidden ones too.
QStringList FilesUnder(const QString& folder) {
    QStringList files;
    QDirIterator found(folder, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (found.hasNext()) {
        files.append(found.next());
    }
    return files;
}

} // namespace

class InstanceLockTest final : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<QTemporaryDir> m_runtime;
    std::unique_ptr<QTemporaryDir> m_home;
    QByteArray m_savedRuntime;
    QByteArray m_savedTemp;
    QByteArray m_savedHome;
    QByteArray m_savedCache;

private slots:
    void init() {
        m_savedRuntime = qgetenv("XDG_RUNTIME_DIR");
        m_savedTemp = qgetenv("TMPDIR");
        m_savedHome = qgetenv("HOME");
        m_savedCache = qgetenv("XDG_CACHE_HOME");
        m_runtime = std::make_unique<QTemporaryDir>(); // private to the user, as a runtime folder must be
        m_home = std::make_unique<QTemporaryDir>();
        QVERIFY(m_runtime->isValid() && m_home->isValid());
        qputenv("XDG_RUNTIME_DIR", QFile::encodeName(m_runtime->path()));
        qputenv("HOME", QFile::encodeName(m_home->path()));
        qunsetenv("XDG_CACHE_HOME");
        // On Windows the lock's folder outlives the test, with whatever a row left there.
        QFile::setPermissions(LockPath(), QFile::ReadOwner | QFile::WriteOwner);
        QDir(LockPath()).removeRecursively();
        QFile::remove(LockPath());
        QDir().mkpath(QFileInfo(LockPath()).path());
    }

    void cleanup() {
        qputenv("XDG_RUNTIME_DIR", m_savedRuntime);
        qputenv("TMPDIR", m_savedTemp);
        qputenv("HOME", m_savedHome);
        qputenv("XDG_CACHE_HOME", m_savedCache);
        m_runtime.reset();
        m_home.reset();
    }

    void aSecondClaimIsRefusedWhileTheFirstHolds() {
        auto first = std::make_unique<QtPlatform>();
        QVERIFY(first->claimSingleInstance());
        QVERIFY(first->claimSingleInstance()); // the holder may ask again
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
        QTest::addColumn<bool>("takenOver");
        QTest::newRow("empty file left by a crash") << Leftover::OldEmptyFile << true << true;
        QTest::newRow("garbage") << Leftover::Garbage << true << true;
        QTest::newRow("binary bytes") << Leftover::Binary << true << true;
        QTest::newRow("read-only file") << Leftover::ReadOnlyFile << true << true;
        QTest::newRow("dangling link") << Leftover::DanglingLink << true << false;
        QTest::newRow("folder") << Leftover::Folder << true << false;
        QTest::newRow("named pipe") << Leftover::Pipe << true << false;
        // Another instance that has just created its lock and not yet written it.
        QTest::newRow("empty file of this moment") << Leftover::NewEmptyFile << false << false;
    }

    void whatIsLeftAtTheLocksPlace() {
        QFETCH(Leftover, leftover);
        QFETCH(bool, starts);
        QFETCH(bool, takenOver);
        if ((leftover == Leftover::DanglingLink || leftover == Leftover::Pipe) && !testing::HasPosixFileSystem()) {
            QSKIP("Windows has no named pipes in its file system, and QFile::link makes a shortcut there");
        }
#ifdef Q_OS_WIN
        if (leftover == Leftover::NewEmptyFile) {
            QSKIP(kNoLockFilesOnWindows);
        }
#endif
        const QString path = LockPath();
        QVERIFY(Leave(leftover, path));
        const QString kind = Kind(path);
        QtPlatform platform;
        QCOMPARE(platform.claimSingleInstance(), starts);
        QtPlatform another;
        QVERIFY(!another.claimSingleInstance());
        // What the claim could not use is left as it was.
        if (!takenOver) {
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
#ifdef Q_OS_WIN
        QSKIP(kNoLockFilesOnWindows);
#else
        QFETCH(Leftover, leftover);
        const QString path = LockPath();
        QVERIFY(Leave(leftover, path));
        InstanceLockFile first(path);
        InstanceLockFile second(path);
        bool secondRuns = false;
        first.setBeforeTakeover([&] { secondRuns = second.claim() != InstanceLockFile::Claim::Refused; });
        const bool firstRuns = first.claim() != InstanceLockFile::Claim::Refused;
        QCOMPARE(firstRuns + secondRuns, 1);
        QVERIFY(second.held());
#endif
    }

    void aChangeAtTheLocksPlaceLetsNoSecondStartThrough_data() {
        QTest::addColumn<bool>("folderFirst");
        QTest::newRow("folder put in the held lock's place") << false;
        QTest::newRow("folder removed after the start") << true;
    }

    void aChangeAtTheLocksPlaceLetsNoSecondStartThrough() {
#ifdef Q_OS_WIN
        QSKIP(kNoLockFilesOnWindows);
#endif
        QFETCH(bool, folderFirst);
        const QString path = LockPath();
        QVERIFY(!folderFirst || QDir().mkdir(path));
        QtPlatform first;
        QVERIFY(first.claimSingleInstance());
        QVERIFY(folderFirst ? QDir().rmdir(path) : QFile::remove(path) && QDir().mkdir(path));
        QtPlatform second;
        QVERIFY(!second.claimSingleInstance());
    }

    // Windows gives the home folder as the runtime location.
    void theLockStaysOutOfTheHomeFolder() {
        QtPlatform platform;
        QVERIFY(platform.claimSingleInstance());
        QVERIFY(!QFileInfo::exists(QDir::home().filePath(ApplicationName() + QStringLiteral(".lock"))));
    }

    void aRuntimeFolderThatIsAFileLetsTheProgramRun() {
#ifdef Q_OS_WIN
        QSKIP(kNoLockFilesOnWindows);
#endif
        const QString file = m_runtime->filePath(QStringLiteral("not-a-folder"));
        QVERIFY(WriteFile(file, "text"));
        qputenv("XDG_RUNTIME_DIR", QFile::encodeName(file));
        QtPlatform platform;
        QVERIFY(platform.claimSingleInstance());
        QCOMPARE(ReadFile(file), QByteArray("text"));
    }

    // The temporary folder is every user's: without a runtime folder, the lock goes to the home.
    void withoutARuntimeFolderTheLockIsInAFolderOfTheUsersOwn() {
#ifdef Q_OS_WIN
        QSKIP(kNoLockFilesOnWindows);
#endif
        const QTemporaryDir temporary;
        qunsetenv("XDG_RUNTIME_DIR");
        qputenv("TMPDIR", QFile::encodeName(temporary.path()));
        // Qt's own fallback, a runtime folder in the temporary folder, refused: a file at its place.
        const QString fallback = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
        QVERIFY(QDir().rmdir(fallback) && WriteFile(fallback, "text"));
        QtPlatform platform;
        QVERIFY(platform.claimSingleInstance());
        QCOMPARE(QDir(temporary.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
                 QStringList{QFileInfo(fallback).fileName()});
        const QStringList locks = FilesUnder(m_home->path());
        QVERIFY(!locks.isEmpty());
        const QFile::Permissions others = QFile::ReadGroup | QFile::WriteGroup | QFile::ExeGroup | QFile::ReadOther |
                                          QFile::WriteOther | QFile::ExeOther;
        for (const QString& lock : locks) {
            QCOMPARE(QFileInfo(QFileInfo(lock).path()).permissions() & others, QFile::Permissions());
        }
    }

    void aLockThatCannotBeWrittenLetsTheProgramRun() {
#ifdef Q_OS_WIN
        QSKIP(kNoLockFilesOnWindows);
#endif
        // No usable runtime folder, a temporary folder and a home in which nothing can be created.
        qputenv("XDG_RUNTIME_DIR", "/proc/seraphel-no-such-folder");
        qputenv("TMPDIR", "/proc");
        qputenv("HOME", "/proc");
        QtPlatform platform;
        QVERIFY(platform.claimSingleInstance());
        QtPlatform another;
        QVERIFY(another.claimSingleInstance());
    }
};

} // namespace seraphel

QTEST_GUILESS_MAIN(seraphel::InstanceLockTest)
#include "InstanceLockTest.moc"
