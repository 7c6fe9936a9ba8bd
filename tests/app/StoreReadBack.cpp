#include "StoreReadBack.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QStringDecoder>
#include <QTemporaryDir>
#include <QtDebug>

namespace seraphel::testing {
namespace {

QByteArray Run(const QString& program, const QStringList& arguments) {
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished() || process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0) {
        qWarning().noquote() << program << arguments << "failed:" << process.readAllStandardError();
        return {};
    }
    return process.readAllStandardOutput();
}

} // namespace

#ifdef Q_OS_WIN

namespace {

QString RegistryKey(const QString& applicationName) {
    return QStringLiteral("HKCU\\Software\\%1").arg(applicationName);
}

} // namespace

// reg.exe exports a key as a UTF-16 .reg file: a line `[key]` opens each subkey, and each
// value is a line "name"="value", with backslashes and quotes escaped by a backslash.
QMap<QString, QString> ReadStoredSection(const QString& applicationName, const QString& section) {
    QTemporaryDir folder;
    const QString file = QDir::toNativeSeparators(folder.filePath(QStringLiteral("store.reg")));
    const QString key =
        RegistryKey(applicationName) + QLatin1Char('\\') + applicationName + QLatin1Char('\\') + section;
    Run(QStringLiteral("reg"), {QStringLiteral("export"), key, file, QStringLiteral("/y")});
    QFile exported(file);
    if (!exported.open(QIODevice::ReadOnly)) {
        return {};
    }
    const QString text = QStringDecoder(QStringDecoder::Utf16LE)(exported.readAll());
    static const QRegularExpression value(QStringLiteral(R"re(^"((?:[^"\\]|\\.)*)"="((?:[^"\\]|\\.)*)"\r?$)re"),
                                          QRegularExpression::MultilineOption);
    static const QRegularExpression escape(QStringLiteral(R"re(\\(.))re"));
    QMap<QString, QString> values;
    for (auto it = value.globalMatch(text); it.hasNext();) {
        const auto match = it.next();
        values.insert(match.captured(1).replace(escape, QStringLiteral("\\1")),
                      match.captured(2).replace(escape, QStringLiteral("\\1")));
    }
    return values;
}

void ClearStore(const QString& applicationName) {
    QProcess::execute(QStringLiteral("reg"),
                      {QStringLiteral("delete"), RegistryKey(applicationName), QStringLiteral("/f")});
}

#else

namespace {

QString StoreFile(const QString& applicationName) {
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + QLatin1Char('/') +
           applicationName + QLatin1Char('/') + applicationName + QStringLiteral(".conf");
}

} // namespace

QMap<QString, QString> ReadStoredSection(const QString& applicationName, const QString& section) {
    const QString file = StoreFile(applicationName);
    if (!QFile::exists(file)) {
        return {};
    }
    const QJsonObject sections =
        QJsonDocument::fromJson(Run(QStringLiteral(SERAPHEL_PYTHON), {QStringLiteral(SERAPHEL_INI_READER), file}))
            .object();
    QMap<QString, QString> values;
    const QJsonObject found = sections.value(section).toObject();
    for (auto it = found.begin(); it != found.end(); ++it) {
        values.insert(it.key(), it.value().toString());
    }
    return values;
}

void ClearStore(const QString& applicationName) {
    QDir(QFileInfo(StoreFile(applicationName)).path()).removeRecursively();
}

#endif

} // namespace seraphel::testing
