#include "frmSave.h"
#include "BuildInfo.h"
#include "FakeWindowServices.h"
#include "FileFaults.h"
#include "LayoutRules.h"
#include "PageTriggers.h"
#include "QtPlatform.h"
#include "ReaderTools.h"
#include "ReportComposer.h"
#include "RtfReader.h"
#include "SampleReading.h"
#include "Theme.h"
#include "modHelp.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QPushButton>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextEdit>

#include <array>
#include <memory>
#include <optional>

namespace seraphel {
namespace {

QByteArray ReadFile(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool WriteFile(const QString& path, const QByteArray& content) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(content) == content.size();
}

// The report window over a sample reading, with its controls at hand.
class Report final {
public:
    explicit Report(const AngelReading& reading = test::SampleReading())
        : window(services, reading, nullptr)
        , box(window.findChild<QTextEdit*>(QStringLiteral("RTB"))) {}

    void show() {
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
    }

    template <typename Widget = QLabel> Widget* control(const char* name) {
        return window.findChild<Widget*>(QString::fromLatin1(name));
    }

    void appendNote(const QString& note) {
        QTextCursor cursor = box->textCursor();
        cursor.movePosition(QTextCursor::End);
        cursor.insertText(note);
    }

    void select(const QString& text) {
        const int at = static_cast<int>(box->toPlainText().indexOf(text));
        QTextCursor cursor(box->document());
        cursor.setPosition(at);
        cursor.setPosition(at + static_cast<int>(text.size()), QTextCursor::KeepAnchor);
        box->setTextCursor(cursor);
    }

    FakeWindowServices services;
    frmSave window;
    QTextEdit* box;
};

QString PdfText(const QString& path) {
    return QString::fromUtf8(test::RunReader(QStringLiteral("pdftotext"), {path, QStringLiteral("-")}));
}

const QString kDayAngel = QStringLiteral("St.Micheal");

inline constexpr std::array<test::PageTrigger, 3> kReportPageTriggers{{
    {"Label1", "home-page"},
    {"Label14", "home-page"},
    {"Label10", "fully-branded"},
}};

// Everything under a folder, each entry with its kind, permissions and bytes: to see that a
// failed save left all of it alone.
QStringList Snapshot(const QString& root) {
    QStringList entries;
    QDirIterator it(root, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QFileInfo info(it.next());
        const QString kind = info.isDir() ? QStringLiteral("folder") : QString::fromLatin1(ReadFile(info.filePath()));
        entries.append(QStringLiteral("%1 %2 %3")
                           .arg(QDir(root).relativeFilePath(info.filePath()))
                           .arg(info.permissions().toInt(), 0, 16)
                           .arg(kind));
    }
    entries.sort();
    return entries;
}

// How many links the box shows over its text.
qsizetype ShownLinkCount(const QTextEdit& box) {
    qsizetype links = 0;
    for (QTextBlock block = box.document()->begin(); block.isValid(); block = block.next()) {
        links += block.layout()->formats().size();
    }
    return links;
}

// What makes a save fail: set up before the dialog opens, or done while it is open.
enum class SaveFault {
    TargetIsAFolder,
    TargetBecomesAFolder,
    FolderRemoved,
    FolderBecomesAFile,
    FolderUnderAFile,
    ReadOnlyFolder,
    ReadOnlyFile
};

// Sets up what is there before the dialog opens; returns the path the user will pick.
QString BeforeTheDialog(SaveFault fault, const QDir& root) {
    switch (fault) {
    case SaveFault::TargetIsAFolder:
        root.mkdir(QStringLiteral("reading.rtf"));
        WriteFile(root.filePath(QStringLiteral("reading.rtf/inside.txt")), "kept");
        return root.filePath(QStringLiteral("reading.rtf"));
    case SaveFault::TargetBecomesAFolder:
    case SaveFault::ReadOnlyFile:
        WriteFile(root.filePath(QStringLiteral("reading.rtf")), "{\\rtf1 last week's reading}");
        if (fault == SaveFault::ReadOnlyFile) {
            QFile::setPermissions(root.filePath(QStringLiteral("reading.rtf")), QFileDevice::ReadOwner);
        }
        return root.filePath(QStringLiteral("reading.rtf"));
    case SaveFault::FolderRemoved:
    case SaveFault::FolderBecomesAFile:
        root.mkdir(QStringLiteral("readings"));
        return root.filePath(QStringLiteral("readings/reading.rtf"));
    case SaveFault::FolderUnderAFile:
        WriteFile(root.filePath(QStringLiteral("notes.txt")), "notes");
        return root.filePath(QStringLiteral("notes.txt/reading.rtf"));
    case SaveFault::ReadOnlyFolder:
        root.mkdir(QStringLiteral("readings"));
        WriteFile(root.filePath(QStringLiteral("readings/reading.rtf")), "{\\rtf1 last week's reading}");
        QFile::setPermissions(root.filePath(QStringLiteral("readings")),
                              QFileDevice::ReadOwner | QFileDevice::ExeOwner);
        return root.filePath(QStringLiteral("readings/reading.rtf"));
    }
    return {};
}

// What another program does while the dialog is open.
void WhileTheDialogIsOpen(SaveFault fault, const QDir& root) {
    switch (fault) {
    case SaveFault::TargetBecomesAFolder:
        QFile::remove(root.filePath(QStringLiteral("reading.rtf")));
        root.mkdir(QStringLiteral("reading.rtf"));
        WriteFile(root.filePath(QStringLiteral("reading.rtf/inside.txt")), "kept");
        break;
    case SaveFault::FolderRemoved:
        QDir(root.filePath(QStringLiteral("readings"))).removeRecursively();
        break;
    case SaveFault::FolderBecomesAFile:
        root.rmdir(QStringLiteral("readings"));
        WriteFile(root.filePath(QStringLiteral("readings")), "a file now");
        break;
    case SaveFault::TargetIsAFolder:
    case SaveFault::FolderUnderAFile:
    case SaveFault::ReadOnlyFolder:
    case SaveFault::ReadOnlyFile:
        break;
    }
}

// A reading whose day-of-birth angel is a web address, and nothing else.
AngelReading LinkReading() {
    AngelReading reading;
    reading.lblDobAngel = "www.angels.example";
    return reading;
}

} // namespace

class frmSaveTest final : public QObject {
    Q_OBJECT

private slots:
    void init() {
        folder.emplace();
        QVERIFY(folder->isValid());
    }

    void keepsTheLayoutRules();
    void looksLikeTheProgramsWindows();
    void showsItsCaptions();
    void linkLabelsOpenTheirPages_data();
    void linkLabelsOpenTheirPages();
    void composesTheReadingWhenItLoads();
    void letsTheUserAddANote();
    void breaksLinesAnywhereWhileAWordIsTooLongToSeekItsEnd();

    void cancellingTheSaveDialogWritesNothing();
    void savesTheBoxAsRtfUnderTheChosenName();
    void overwritesAnExistingFile();
    void aWriteThatFailsHalfwayKeepsTheOldFile();
    void aSaveThatCannotBeDoneLeavesWhatIsThere_data();
    void aSaveThatCannotBeDoneLeavesWhatIsThere();
    void aTargetThatIsNoFileIsLeftAsItIs_data();
    void aTargetThatIsNoFileIsLeftAsItIs();

    void printsTheWholeDocumentWithoutPageNumbers();
    void printsOnlyTheSelection();
    void cancellingThePrintDialogPrintsNothing();
    void aPageRangeChosenInTheDialogIsNotHeededTo_data();
    void aPageRangeChosenInTheDialogIsNotHeededTo();

    void handlesLinksWhileShownModally();

private:
    std::optional<QTemporaryDir> folder; // a fresh one for every test
};

void frmSaveTest::keepsTheLayoutRules() {
    Report report;
    report.show();
    QCOMPARE(report.window.objectName(), QStringLiteral("frmSave"));
    QCOMPARE(report.window.windowTitle(), QStringLiteral("Seraphel v2.00"));
    QCOMPARE(report.window.size(), QSize(theme::Twips(7725), theme::Twips(7590)));
    QCOMPARE(report.window.minimumSize(), report.window.maximumSize());
    QCOMPARE(report.box->geometry(), theme::TwipsRect(30, 390, 7665, 6135));
    // The design lays the two heading links a pixel over one another.
    QCOMPARE(testing::LayoutFaults(report.window, {QStringLiteral("Label14/Label1")}), QString());
    // Widened to their text about their centre, the heading links stay centred (to a pixel of rounding).
    for (const char* name : {"Label14", "Label1"}) {
        QVERIFY2(qAbs(report.control(name)->geometry().center().x() - report.window.rect().center().x()) <= 2, name);
    }
}

void frmSaveTest::looksLikeTheProgramsWindows() {
    Report report;
    QCOMPARE(report.window.palette().color(QPalette::Window), theme::kWindowBackground);
    QCOMPARE(report.box->palette().color(QPalette::Base), QColor(Qt::white));
    // The links and buttons in bold 8.25 points, in Verdana but for the save button.
    for (const char* name : {"Label14", "Label1", "Label10", "cmdSave", "cmdPrint"}) {
        const QFont font = report.control<QWidget>(name)->font();
        QVERIFY2(font.bold() && font.pointSizeF() == 8.25, name);
        QCOMPARE(font.families().value(0) == QStringLiteral("Verdana"), qstrcmp(name, "cmdSave") != 0);
    }
    for (const char* name : {"Label14", "Label1", "Label10"}) {
        const QLabel* link = report.control(name);
        QCOMPARE(link->palette().color(QPalette::WindowText), QColor(Qt::white));
        QVERIFY(!link->autoFillBackground());
        QVERIFY(link->font().underline());
    }
}

void frmSaveTest::showsItsCaptions() {
    Report report;
    QVERIFY(report.control("Label14")->text().contains(QStringLiteral("Forum"), Qt::CaseInsensitive));
    QCOMPARE(report.control("Label1")->text(), QStringLiteral("Click Here To Visit %1 Now").arg(WebSiteHost()));
    QCOMPARE(report.control("Label10")->text(), QStringLiteral("Home Business Opportunity. Start your own Internet "
                                                               "business and make money online. Get this software "
                                                               "fully branded for your website. Click here for more "
                                                               "details."));
    QCOMPARE(report.control<QPushButton>("cmdSave")->text(), QStringLiteral("&Save"));
    QCOMPARE(report.control<QPushButton>("cmdPrint")->text(), QStringLiteral("&Print"));
}

void frmSaveTest::linkLabelsOpenTheirPages_data() {
    QTest::addColumn<QString>("label");
    QTest::addColumn<QString>("address");
    for (const auto& trigger : kReportPageTriggers) {
        QTest::newRow(trigger.objectName)
            << QString::fromLatin1(trigger.objectName) << test::ExpectedPageAddress(trigger.pageKey);
    }
}

void frmSaveTest::linkLabelsOpenTheirPages() {
    QFETCH(QString, label);
    QFETCH(QString, address);
    Report report;
    report.show();
    // Clicked where the user sees the label, twice: each click opens the page again.
    QVERIFY(test::TriggerControl(report.window, label));
    QVERIFY(test::TriggerControl(report.window, label));
    QCOMPARE(report.services.openedAddresses, QStringList(2, address));
}

void frmSaveTest::composesTheReadingWhenItLoads() {
    Report report;
    // The box holds the composer's report, whose content the composer's own test states.
    QTextDocument composed;
    QTextCursor cursor(&composed);
    ComposeReport(cursor, test::SampleReading());
    QCOMPARE(report.box->toPlainText(), composed.toPlainText());
    QCOMPARE(report.box->font().families().value(0), QStringLiteral("Verdana"));
    QCOMPARE(report.box->document()->defaultFont().pointSizeF(), 9.75);
    QVERIFY(!report.box->document()->isUndoAvailable());
}

void frmSaveTest::letsTheUserAddANote() {
    Report report;
    report.show();
    QVERIFY(!report.box->isReadOnly());
    // The window opens at the top of the report, ready for a note at its end.
    QCOMPARE(report.box->verticalScrollBar()->value(), 0);
    QVERIFY(report.box->verticalScrollBar()->maximum() > 0);
    QVERIFY(report.box->textCursor().atEnd());
    report.box->setFocus();
    QTest::keyClicks(report.box, QStringLiteral("My note"));
    QVERIFY(report.box->toPlainText().endsWith(QStringLiteral("\n\nMy note")));
}

void frmSaveTest::breaksLinesAnywhereWhileAWordIsTooLongToSeekItsEnd() {
    Report report;
    QCOMPARE(report.box->wordWrapMode(), QTextOption::WrapAtWordBoundaryOrAnywhere);
    report.appendNote(QString(501, u'a'));
    QCOMPARE(report.box->wordWrapMode(), QTextOption::WrapAnywhere);
    report.box->undo();
    QCOMPARE(report.box->wordWrapMode(), QTextOption::WrapAtWordBoundaryOrAnywhere);
}

void frmSaveTest::cancellingTheSaveDialogWritesNothing() {
    Report report;
    report.window.cmdSave_Click();
    QCOMPARE(report.services.saveRequests.size(), 1);
    const SaveFileRequest& request = report.services.saveRequests.first();
    QCOMPARE(request.title, QStringLiteral("Seraphel"));
    QCOMPARE(request.filter, QStringLiteral("Rich Text Format (*.rtf)"));
    // A name typed without extension becomes an .rtf file, which every program opens as RTF.
    QCOMPARE(request.defaultSuffix, QStringLiteral("rtf"));
    QVERIFY(report.services.informationMessages.isEmpty());
    QVERIFY(QDir(folder->path()).isEmpty());
}

void frmSaveTest::savesTheBoxAsRtfUnderTheChosenName() {
    Report report;
    report.appendNote(QStringLiteral("A note {with braces}"));
    report.services.nextSaveFileName = folder->filePath(QStringLiteral("reading.rtf"));
    report.window.cmdSave_Click();
    const auto saved = test::ReadRtf(ReadFile(report.services.nextSaveFileName));
    QVERIFY2(saved.document, qPrintable(saved.error));
    const QStringList paragraphs = saved.document->text.split(QChar::ParagraphSeparator);
    QCOMPARE(paragraphs.first(), QStringLiteral("By Day Of Birth"));
    QCOMPARE(paragraphs.last(), QStringLiteral("A note {with braces}"));
    QCOMPARE(paragraphs.size(), report.box->document()->blockCount());
    const test::RtfCharacterStyle& heading = saved.document->styles.first();
    QVERIFY(heading.bold);
    QCOMPARE(heading.color, std::optional(qRgb(128, 0, 0)));
    QVERIFY(report.services.informationMessages.isEmpty());
    QCOMPARE(QDir(folder->path()).entryList(QDir::Files), QStringList{QStringLiteral("reading.rtf")});
}

void frmSaveTest::overwritesAnExistingFile() {
    const QString path = folder->filePath(QStringLiteral("reading.rtf"));
    QVERIFY(WriteFile(path, QByteArray("old content that is longer than nothing").repeated(200)));
    Report report;
    report.services.nextSaveFileName = path;
    report.window.cmdSave_Click();
    const auto saved = test::ReadRtf(ReadFile(path)); // nothing of the old content is left after the document
    QVERIFY2(saved.document, qPrintable(saved.error));
    QVERIFY(saved.document->text.startsWith(QStringLiteral("By Day Of Birth")));
    QVERIFY(report.services.informationMessages.isEmpty());
}

void frmSaveTest::aWriteThatFailsHalfwayKeepsTheOldFile() {
    const QString path = folder->filePath(QStringLiteral("reading.rtf"));
    const QByteArray old = "{\\rtf1 the reading saved last week}";
    QVERIFY(WriteFile(path, old));
    Report report;
    report.services.nextSaveFileName = path;
    // A file size limit makes the disk "full" a few hundred bytes into the new file. The
    // program's services keeps the limit from ending the process, as at the program's start.
    {
        const QtPlatform program;
        const testing::FileSizeLimit limit(300);
        if (!limit.inForce()) {
            QSKIP("Windows has no limit on the size of the files a process writes");
        }
        report.window.cmdSave_Click();
    }

    QCOMPARE(ReadFile(path), old);
    QCOMPARE(QDir(folder->path()).entryList(QDir::Files | QDir::Hidden), QStringList{QStringLiteral("reading.rtf")});
    QCOMPARE(report.services.informationMessages.size(), 1);
    QVERIFY(report.services.informationMessages.first().text.contains(QDir::toNativeSeparators(path)));
}

void frmSaveTest::aSaveThatCannotBeDoneLeavesWhatIsThere_data() {
    QTest::addColumn<SaveFault>("fault");
    QTest::addColumn<bool>("permissions");
    QTest::newRow("target that is a folder") << SaveFault::TargetIsAFolder << false;
    QTest::newRow("target replaced by a folder while the dialog was open") << SaveFault::TargetBecomesAFolder << false;
    QTest::newRow("folder removed while the dialog was open") << SaveFault::FolderRemoved << false;
    QTest::newRow("folder replaced by a file while the dialog was open") << SaveFault::FolderBecomesAFile << false;
    QTest::newRow("folder that is a regular file") << SaveFault::FolderUnderAFile << false;
    QTest::newRow("read-only folder") << SaveFault::ReadOnlyFolder << true;
    QTest::newRow("read-only file") << SaveFault::ReadOnlyFile << true;
}

void frmSaveTest::aSaveThatCannotBeDoneLeavesWhatIsThere() {
    QFETCH(SaveFault, fault);
    QFETCH(bool, permissions);
    if (permissions && testing::RunsAsSuperuser()) {
        QSKIP("root writes into any folder and over any file, whatever their permissions say");
    }
#ifdef Q_OS_WIN
    if (fault == SaveFault::ReadOnlyFolder) {
        QSKIP("Windows does not stop writes into a folder marked read-only");
    }
#endif
    const QDir root(folder->path());
    const auto writable = qScopeGuard([&root] {
        QFile::setPermissions(root.filePath(QStringLiteral("readings")),
                              QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    });
    Report report;
    report.services.nextSaveFileName = BeforeTheDialog(fault, root);
    QStringList before;
    report.services.whileSaveDialogIsShown = [&] {
        WhileTheDialogIsOpen(fault, root);
        before = Snapshot(root.path());
    };
    report.window.cmdSave_Click();
    QCOMPARE(Snapshot(root.path()), before);
    QCOMPARE(report.services.informationMessages.size(), 1);
    QCOMPARE(report.services.informationMessages.first().parent, &report.window);
    QCOMPARE(report.services.informationMessages.first().text,
             QStringLiteral("The file \"%1\" could not be saved.")
                 .arg(QDir::toNativeSeparators(report.services.nextSaveFileName)));
}

void frmSaveTest::aTargetThatIsNoFileIsLeftAsItIs_data() {
    QTest::addColumn<bool>("throughALink");
    QTest::newRow("named pipe") << false;
    QTest::newRow("link to a named pipe") << true;
}

void frmSaveTest::aTargetThatIsNoFileIsLeftAsItIs() {
    QFETCH(bool, throughALink);
    if (!testing::HasPosixFileSystem()) {
        QSKIP("Windows has no named pipes in its file system");
    }
    const QString pipe = folder->filePath(QStringLiteral("pipe"));
    const QString link = folder->filePath(QStringLiteral("reading.rtf"));
    QVERIFY(testing::MakeNamedPipe(pipe));
    QVERIFY(!throughALink || QFile::link(pipe, link));
    Report report;
    report.services.nextSaveFileName = throughALink ? link : pipe;
    report.window.cmdSave_Click();
    QVERIFY(QFileInfo::exists(pipe) && !QFileInfo(pipe).isFile());
    QCOMPARE(QFileInfo(link).isSymLink(), throughALink);
    QCOMPARE(report.services.informationMessages.size(), 1);
}

void frmSaveTest::printsTheWholeDocumentWithoutPageNumbers() {
    Report report;
    // A note long enough to need a second page.
    report.appendNote(QStringLiteral("\nA note of my own").repeated(80));
    report.services.printToPdfFile = folder->filePath(QStringLiteral("whole.pdf"));
    report.window.cmdPrint_Click();
    QCOMPARE(report.services.printRequests, QList<bool>{false});
    const QString printed = PdfText(report.services.printToPdfFile);
    for (const QString& words : {QStringLiteral("By Day Of Birth"), QStringLiteral("By Month Of Birth"),
                                 QStringLiteral("By SunSign"), kDayAngel, QStringLiteral("A note of my own")}) {
        QVERIFY2(printed.contains(words), qPrintable(words));
    }
    QVERIFY2(printed.count(u'\f') >= 2, "the report fills more than one page");
    static const QRegularExpression pageNumber(QStringLiteral("^\\s*\\d+\\s*$"), QRegularExpression::MultilineOption);
    QVERIFY2(!printed.contains(pageNumber), qPrintable(printed));
}

void frmSaveTest::printsOnlyTheSelection() {
    Report report;
    report.select(QStringLiteral("Name Of Angel : ") + kDayAngel);
    report.services.printToPdfFile = folder->filePath(QStringLiteral("selection.pdf"));
    report.window.cmdPrint_Click();
    QCOMPARE(report.services.printRequests, QList<bool>{true});
    QCOMPARE(PdfText(report.services.printToPdfFile).simplified(), QStringLiteral("Name Of Angel : ") + kDayAngel);
}

void frmSaveTest::cancellingThePrintDialogPrintsNothing() {
    Report report;
    report.window.cmdPrint_Click();
    QCOMPARE(report.services.printRequests, QList<bool>{false});
    QVERIFY(report.services.informationMessages.isEmpty());
    QVERIFY(QDir(folder->path()).isEmpty());
}

void frmSaveTest::aPageRangeChosenInTheDialogIsNotHeededTo_data() {
    QTest::addColumn<QString>("selected"); // empty: nothing selected
    QTest::newRow("whole document") << QString();
    QTest::newRow("selection") << QStringLiteral("Name Of Angel : ") + kDayAngel;
}

void frmSaveTest::aPageRangeChosenInTheDialogIsNotHeededTo() {
    QFETCH(QString, selected);
    Report report;
    report.appendNote(QStringLiteral("\nA note of my own").repeated(80)); // a second page
    if (!selected.isEmpty()) {
        report.select(selected);
    }
    const auto printWithPages = [&](const QString& name, int from, int to) {
        report.services.printToPdfFile = folder->filePath(name);
        report.services.chosenPageRange = {from, to};
        report.window.cmdPrint_Click();
        return PdfText(report.services.printToPdfFile);
    };
    const QString asChosen = printWithPages(QStringLiteral("pages.pdf"), 2, 2);
    QCOMPARE(asChosen, printWithPages(QStringLiteral("all.pdf"), 0, 0));
}

void frmSaveTest::handlesLinksWhileShownModally() {
    Report report(LinkReading());
    report.services.whileModalIsShown = [&](QDialog& shown) {
        QVERIFY(QTest::qWaitForWindowExposed(&shown));
        QTextCursor cursor(report.box->document());
        cursor.setPosition(static_cast<int>(report.box->toPlainText().indexOf(QStringLiteral("angels"))));
        const QPoint onLink = report.box->cursorRect(cursor).center() + QPoint(2, 0);
        QTest::mousePress(report.box->viewport(), Qt::LeftButton, {}, onLink);
        QTest::mouseRelease(report.box->viewport(), Qt::LeftButton, {}, onLink);
    };
    report.services.runModal(report.window);
    QCOMPARE(report.services.modalDialogs, QStringList{QStringLiteral("frmSave")});
    QCOMPARE(report.services.openedAddresses, QStringList{QStringLiteral("http://www.angels.example")});
    QVERIFY2(ShownLinkCount(*report.box) == 0, "closing the window removes the link handling");
}

} // namespace seraphel

QTEST_MAIN(seraphel::frmSaveTest)
#include "frmSaveTest.moc"
