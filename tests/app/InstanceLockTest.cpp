// The single-instance check of the real platform: a second claim is refused while the
// first holds, a lock left by a killed process does not block, and a lock that cannot be
// written at all lets the program run.
#include "QtPlatform.h"

#include <QCoreApplication>
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

// Where the platform keeps its lock in the given runtime folder.
QString LockPath(const QString& runtimeFolder) {
    return runtimeFolder + QLatin1Char('/') + QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName() +
           QStringLiteral(".lock");
}

// The number of a process that has ended.
qint64 EndedProcessId() {
    QProcess process;
    process.start(QStringLiteral("true"), {});
    process.waitForStarted();
    const qint64 id = process.processId();
    process.waitForFinished();
    return id;
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
        QVERIFY(QFile::exists(LockPath(m_runtime->path())));
        QtPlatform second;
        QVERIFY(!second.claimSingleInstance());
        first.reset();
        QVERIFY(second.claimSingleInstance());
    }

    void aLockLeftByAKilledProcessDoesNotBlock() {
        // A lock as a process writes it, then left behind by that process's end.
        const QString path = LockPath(m_runtime->path());
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

    void aLockThatCannotBeWrittenLetsTheProgramRun() {
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
