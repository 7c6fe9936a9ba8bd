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

#include <functional>

namespace seraphel {
namespace {

bool WriteFile(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write("{\\rtf1 an earlier reading}") > 0;
}

// Acts, as a user would, on the modal window that the program shows, whenever it shows one.
class User final : public QObject {
public:
    explicit User(std::function<void(QWidget&)> act)
        : m_act(std::move(act)) {
        connect(&m_timer, &QTimer::timeout, this, [this] {
            if (QWidget* modal = QApplication::activeModalWidget()) {
                m_act(*modal);
            }
        });
        m_timer.start(20);
    }

private:
    std::function<void(QWidget&)> m_act;
    QTimer m_timer;
};

// Types the name into the save dialog and presses Return, later: a timer does not fire again
// from the loop of a box that its own call shows.
void EnterName(QFileDialog& dialog, const QString& path) {
    auto* name = dialog.findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
    name->setText(path);
    QTimer::singleShot(0, name, [name] { QTest::keyClick(name, Qt::Key_Return); });
}

QString ChooseSaveFile() {
    QtPlatform platform;
    return platform.chooseSaveFile(
        nullptr, {QStringLiteral("Seraphel"), QStringLiteral("Rich Text Format (*.rtf)"), QStringLiteral("rtf")});
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
        // A name in a folder that is not there, then, once told why, another.
        const User user([&](QWidget& modal) {
            if (auto* box = qobject_cast<QMessageBox*>(&modal)) {
                warnings.append(box->text());
                box->accept();
            } else if (auto* dialog = qobject_cast<QFileDialog*>(&modal)) {
                const QString next = warnings.isEmpty() ? missing : good;
                if (dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))->text() != next) {
                    EnterName(*dialog, next);
                }
            }
        });
        QCOMPARE(ChooseSaveFile(), good);
        QCOMPARE(warnings.size(), 1);
        QVERIFY(warnings.first().contains(QStringLiteral("no-such-folder")));
    }

    // A name that a box left to guess would take for markup: "&lt;" counts as such on every system.
    void saveDialogAsksBeforeReplacingAFileAndShowsItsNameAsItStands() {
        QTemporaryDir folder;
        const QString existing = folder.filePath(QStringLiteral("&lt;i&gt;reading.rtf"));
        QVERIFY(WriteFile(existing));
        QList<QPair<QString, Qt::TextFormat>> questions;
        qsizetype namesEntered = 0;
        // No to the first question; then the same file again, and Yes.
        const User user([&](QWidget& modal) {
            if (auto* box = qobject_cast<QMessageBox*>(&modal)) {
                questions.append({box->text(), box->textFormat()});
                box->button(questions.size() == 1 ? QMessageBox::No : QMessageBox::Yes)->click();
            } else if (auto* dialog = qobject_cast<QFileDialog*>(&modal); dialog && namesEntered == questions.size()) {
                ++namesEntered;
                EnterName(*dialog, existing);
            }
        });
        QCOMPARE(ChooseSaveFile(), existing);
        const QPair<QString, Qt::TextFormat> asked{
            QStringLiteral("&lt;i&gt;reading.rtf already exists.\nDo you want to replace it?"), Qt::PlainText};
        QCOMPARE(questions, (QList<QPair<QString, Qt::TextFormat>>{asked, asked}));
    }

    void messagesShowTheirTextAsItStands() {
        const QString text = QStringLiteral("<img src=\"probe:picture.png\"> <b>not bold</b> &lt;");
        QList<QPair<QString, Qt::TextFormat>> shown;
        const User user([&](QWidget& modal) {
            if (auto* box = qobject_cast<QMessageBox*>(&modal)) {
                shown.append({box->text(), box->textFormat()});
                box->buttons().constFirst()->click();
            }
        });
        QtPlatform platform;
        platform.showInformation(nullptr, text);
        platform.askYesNo(nullptr, text);
        QCOMPARE(shown, (QList<QPair<QString, Qt::TextFormat>>(2, {text, Qt::PlainText})));
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
