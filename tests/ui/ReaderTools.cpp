#include "ReaderTools.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <QTextDocument>

#ifdef Q_OS_WIN
#include <windows.h>
#endif

namespace seraphel::test {
namespace {

#ifdef Q_OS_WIN

// The readers have no Windows build here. Under wine, a program of the build machine runs as a
// Linux process, given Linux paths; but wine can neither wait for it nor learn its exit code.
// So a shell script runs the reader into a file, and renames the file once the reader has
// succeeded: the test waits for that name.
QString UnixFileName(const QString& path) {
    using Converter = char* (*)(const wchar_t*);
    const auto convert = reinterpret_cast<Converter>(
        reinterpret_cast<void (*)()>(GetProcAddress(GetModuleHandleW(L"kernel32"), "wine_get_unix_file_name")));
    const QString native = QDir::toNativeSeparators(QFileInfo(path).absoluteFilePath());
    char* name = convert != nullptr ? convert(reinterpret_cast<const wchar_t*>(native.utf16())) : nullptr;
    if (name == nullptr) {
        return path;
    }
    const QString unixName = QString::fromLocal8Bit(name);
    HeapFree(GetProcessHeap(), 0, name);
    return unixName;
}

QString ShellQuoted(QString text) {
    return QLatin1Char('\'') + text.replace(QLatin1Char('\''), QStringLiteral("'\\''")) + QLatin1Char('\'');
}

QByteArray RunHostProgram(const QString& program, const QStringList& arguments) {
    QTemporaryDir work;
    const QString output = UnixFileName(work.path()) + QStringLiteral("/output");
    QString command = ShellQuoted(QStringLiteral("/usr/bin/") + program);
    for (const QString& argument : arguments) {
        command += QLatin1Char(' ') + ShellQuoted(QFileInfo::exists(argument) ? UnixFileName(argument) : argument);
    }
    QFile script(work.filePath(QStringLiteral("run.sh")));
    if (!script.open(QIODevice::WriteOnly)) {
        return {};
    }
    script.write((command + QStringLiteral(" > %1.part && mv %1.part %1 || touch %1.failed\n").arg(ShellQuoted(output)))
                     .toUtf8());
    script.close();
    if (!QProcess::startDetached(QStringLiteral("Z:\\bin\\sh"), {UnixFileName(script.fileName())})) {
        return {};
    }
    QFile result(work.filePath(QStringLiteral("output")));
    const QString failed = work.filePath(QStringLiteral("output.failed"));
    QDeadlineTimer deadline(60000);
    while (!result.exists() && !QFile::exists(failed) && !deadline.hasExpired()) {
        QTest::qWait(50);
    }
    if (!result.open(QIODevice::ReadOnly)) {
        qWarning("%s failed", qPrintable(program));
        return {};
    }
    return result.readAll();
}

#endif

void AppendRun(BoldParagraph& paragraph, const QString& text, bool bold) {
    if (!paragraph.isEmpty() && paragraph.back().bold == bold) {
        paragraph.back().text += text;
    } else {
        paragraph.append({text, bold});
    }
}

// Collapses blanks as pandoc does and drops a paragraph's leading and trailing blanks.
BoldParagraph Normalized(const BoldParagraph& paragraph) {
    static const QRegularExpression blanks(QStringLiteral("\\s+"));
    BoldParagraph result;
    for (const BoldRun& run : paragraph) {
        QString text = run.text;
        text.replace(blanks, QStringLiteral(" "));
        if (result.isEmpty() || result.back().text.endsWith(u' ')) {
            while (text.startsWith(u' ')) {
                text.remove(0, 1);
            }
        }
        if (!text.isEmpty()) {
            AppendRun(result, text, run.bold);
        }
    }
    while (!result.isEmpty() && result.back().text.endsWith(u' ')) {
        result.back().text.chop(1);
        if (result.back().text.isEmpty()) {
            result.removeLast();
        }
    }
    return result;
}

// A string of pandoc's native output, written as a Haskell string literal: \233 is a code
// point, \& separates a number from a digit after it, \" and \\ stand for themselves.
QString HaskellString(QStringView literal) {
    QString text;
    for (qsizetype i = 0; i < literal.size(); ++i) {
        if (literal[i] != u'\\') {
            text += literal[i];
            continue;
        }
        ++i;
        if (literal[i].isDigit()) {
            qsizetype end = i;
            while (end < literal.size() && literal[end].isDigit()) {
                ++end;
            }
            const char32_t codePoint = literal.sliced(i, end - i).toUInt();
            text += QString::fromUcs4(&codePoint, 1);
            i = end - 1;
        } else if (literal[i] != u'&') {
            text += literal[i];
        }
    }
    return text;
}

} // namespace

QByteArray RunReader(const QString& program, const QStringList& arguments) {
#ifdef Q_OS_WIN
    return RunHostProgram(program, arguments);
#else
    QProcess reader;
    reader.start(program, arguments);
    if (!reader.waitForFinished(60000) || reader.exitStatus() != QProcess::NormalExit || reader.exitCode() != 0) {
        qWarning("%s failed: %s %s", qPrintable(program), qPrintable(reader.errorString()),
                 reader.readAllStandardError().constData());
        return {};
    }
    return reader.readAllStandardOutput();
#endif
}

QList<BoldParagraph> PandocParagraphs(const QString& rtfPath) {
    const QString native = QString::fromUtf8(
        RunReader(QStringLiteral("pandoc"), {QStringLiteral("-f"), QStringLiteral("rtf"), QStringLiteral("-t"),
                                             QStringLiteral("native"), rtfPath}));
    // Tokens: words (Para, Strong, Str, Space, ...), string literals and brackets.
    static const QRegularExpression token(QStringLiteral(R"re("((?:[^"\\]|\\.)*)"|([A-Za-z]+)|(\[)|(\]))re"));
    QList<BoldParagraph> paragraphs;
    QList<bool> openedBold; // one entry per open bracket: whether it opened a Strong
    bool nextIsStrong = false;
    int strongDepth = 0;
    for (auto it = token.globalMatch(native); it.hasNext();) {
        const auto match = it.next();
        const QString word = match.captured(2);
        if (!match.captured(3).isEmpty()) {
            openedBold.append(nextIsStrong);
            strongDepth += nextIsStrong ? 1 : 0;
            nextIsStrong = false;
        } else if (!match.captured(4).isEmpty()) {
            strongDepth -= openedBold.takeLast() ? 1 : 0;
        } else if (word == QLatin1String("Para") || word == QLatin1String("Plain")) {
            paragraphs.append(BoldParagraph());
        } else if (word == QLatin1String("Strong")) {
            nextIsStrong = true;
        } else if (word == QLatin1String("Space") || word == QLatin1String("SoftBreak") ||
                   word == QLatin1String("LineBreak")) {
            AppendRun(paragraphs.back(), QStringLiteral(" "), strongDepth > 0);
        } else if (match.capturedStart(1) >= 0) {
            AppendRun(paragraphs.back(), HaskellString(match.captured(1)), strongDepth > 0);
        }
    }
    for (BoldParagraph& paragraph : paragraphs) {
        paragraph = Normalized(paragraph);
    }
    return paragraphs;
}

QList<BoldParagraph> DocumentParagraphs(const QTextDocument& document) {
    QList<BoldParagraph> paragraphs;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        BoldParagraph paragraph;
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            AppendRun(paragraph, fragment.text(), fragment.charFormat().font().resolve(document.defaultFont()).bold());
        }
        paragraph = Normalized(paragraph);
        if (!paragraph.isEmpty()) {
            paragraphs.append(paragraph);
        }
    }
    return paragraphs;
}

namespace {

void AppendColored(QList<ColorRun>& runs, QString text, QRgb color) {
    text.removeIf([](QChar c) { return c.isSpace(); });
    if (text.isEmpty()) {
        return;
    }
    if (!runs.isEmpty() && runs.back().color == color) {
        runs.back().text += text;
    } else {
        runs.append({text, color});
    }
}

} // namespace

QList<ColorRun> DocumentColorRuns(const QTextDocument& document) {
    QList<ColorRun> runs;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            AppendColored(runs, fragment.text(), fragment.charFormat().foreground().color().rgb());
        }
    }
    return runs;
}

QList<ColorRun> UnrtfColorRuns(const QString& rtfPath) {
    // unrtf's HTML is read by Qt's HTML reader: only the colours unrtf wrote are compared.
    QTextDocument html;
    html.setHtml(QString::fromUtf8(RunReader(QStringLiteral("unrtf"), {QStringLiteral("--html"), rtfPath})));
    return DocumentColorRuns(html);
}

char* toString(const BoldRun& run) {
    return toString(BoldParagraph{run});
}

char* toString(const BoldParagraph& paragraph) {
    QStringList runs;
    for (const BoldRun& run : paragraph) {
        runs.append(QStringLiteral("%1\"%2\"").arg(run.bold ? QStringLiteral("bold ") : QString(), run.text));
    }
    return QTest::toString(runs.join(QStringLiteral(", ")));
}

char* toString(const ColorRun& run) {
    return QTest::toString(QStringLiteral("%1 \"%2\"").arg(QColor(run.color).name(), run.text));
}

} // namespace seraphel::test
