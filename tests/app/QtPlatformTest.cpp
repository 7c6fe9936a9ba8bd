// The desktop platform's own dialogs and process set-up, offscreen.
#include "QtPlatform.h"
#include "FileFaults.h"

#include <QApplication>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QSaveFile>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

namespace seraphel {
namespace {

bool WriteFile(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write("{\\rtf1 an earlier reading}") > 0;
}

} // namespace

class QtPlatformTest final : public QObject {
    Q_OBJECT

private slots:
    void saveDialogRefusesANameInAMissingFolder() {
        QTemporaryDir folder;
        const QString missing = folder.filePath(QStringLiteral("no-such-folder/reading.rtf"));
        const QString good = folder.filePath(QStringLiteral("reading.rtf"));
        QStringList warnings;
        // Answers as a user would: a name in a folder that is not there, then, once told why, another.
        QTimer user;
        connect(&user, &QTimer::timeout, this, [&] {
            QWidget* modal = QApplication::activeModalWidget();
            if (auto* box = qobject_cast<QMessageBox*>(modal)) {
                warnings.append(box->text());
                box->accept();
            } else if (auto* dialog = qobject_cast<QFileDialog*>(modal)) {
                auto* name = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
                if (const QString next = warnings.isEmpty() ? missing : good; name->text() != next) {
                    name->setText(next);
                    // Later: a timer does not fire again from the loop of a box its own call shows.
                    QTimer::singleShot(0, name, [name] { QTest::keyClick(name, Qt::Key_Return); });
                }
            }
        });
        user.start(20);
        QtPlatform platform;
        const QString chosen = platform.chooseSaveFile(
            nullptr, {QStringLiteral("Seraphel"), QStringLiteral("Rich Text Format (*.rtf)"), QStringLiteral("rtf")});
        QCOMPARE(chosen, good);
        QCOMPARE(warnings.size(), 1);
        QVERIFY(warnings.first().contains(QStringLiteral("no-such-folder")));
    }

    // A name that a box left to guess would take for markup: "&lt;" counts as such on every system.
    void saveDialogAsksBeforeReplacingAFileAndShowsItsNameAsItStands() {
        QTemporaryDir folder;
        const QString existing = folder.filePath(QStringLiteral("&lt;i&gt;reading.rtf"));
        QVERIFY(WriteFile(existing));
        QList<QPair<QString, Qt::TextFormat>> questions;
        int returnsPressed = 0;
        // Answers No to the first question, then picks the file again and answers Yes.
        QTimer user;
        connect(&user, &QTimer::timeout, this, [&] {
            QWidget* modal = QApplication::activeModalWidget();
            if (auto* box = qobject_cast<QMessageBox*>(modal)) {
                questions.append({box->text(), box->textFormat()});
                box->button(questions.size() == 1 ? QMessageBox::No : QMessageBox::Yes)->click();
            } else if (auto* dialog = qobject_cast<QFileDialog*>(modal); dialog && returnsPressed == questions.size()) {
                ++returnsPressed;
                auto* name = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
                name->setText(existing);
                QTimer::singleShot(0, name, [name] { QTest::keyClick(name, Qt::Key_Return); });
            }
        });
        user.start(20);
        QtPlatform platform;
        const QString chosen = platform.chooseSaveFile(
            nullptr, {QStringLiteral("Seraphel"), QStringLiteral("Rich Text Format (*.rtf)"), QStringLiteral("rtf")});
        QCOMPARE(chosen, existing);
        const QPair<QString, Qt::TextFormat> asked{
            QStringLiteral("&lt;i&gt;reading.rtf already exists.\nDo you want to replace it?"), Qt::PlainText};
        QCOMPARE(questions, (QList<QPair<QString, Qt::TextFormat>>{asked, asked}));
    }

    void messagesShowTheirTextAsItStands() {
        const QString text = QStringLiteral("<img src=\"probe:picture.png\"> <b>not bold</b> &lt;");
        QList<Qt::TextFormat> shown;
        QTimer user;
        connect(&user, &QTimer::timeout, this, [&] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                QCOMPARE(box->text(), text);
                shown.append(box->textFormat());
                box->buttons().constFirst()->click();
            }
        });
        user.start(20);
        QtPlatform platform;
        platform.showInformation(nullptr, text);
        platform.askYesNo(nullptr, text);
        QCOMPARE(shown, (QList<Qt::TextFormat>{Qt::PlainText, Qt::PlainText}));
    }

    void aWritePastTheFileSizeLimitFailsAndTheProgramGoesOn() {
        const QtPlatform platform;
        QTemporaryDir folder;
        QSaveFile file(folder.filePath(QStringLiteral("reading.rtf")));
        QVERIFY(file.open(QIODevice::WriteOnly));
        bool written = false;
        {
            const testing::FileSizeLimit limit(100);
            if (!limit.inForce()) {
                QSKIP("Windows has no limit on the size of the files a process writes");
            }
            written = file.write(QByteArray(1000, 'x')) == 1000 && file.flush();
        }
        QVERIFY(!written);
    }
};

} // namespace seraphel

QTEST_MAIN(seraphel::QtPlatformTest)
#include "QtPlatformTest.moc"
