#include "FakeWindowServices.h"
#include "RtfWriter.h"
#include "SampleReading.h"
#include "frmSave.h"

#include <QBuffer>
#include <QClipboard>
#include <QGuiApplication>
#include <QImage>
#include <QMimeData>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <QTextEdit>
#include <QTextFrame>
#include <QTextList>

namespace seraphel {
namespace {

struct Offered {
    const char* format;
    QByteArray data;
};
using Offer = QList<Offered>;

enum class Delivery { Paste, Drop };

// Every resource that any document asks for: documents fall back on the default provider for
// what they do not load themselves, so a request shows here without anything touching the disk.
QList<QUrl> g_requested;

QByteArray PngPicture() {
    QImage picture(4, 4, QImage::Format_RGB32);
    picture.fill(Qt::red);
    QBuffer png;
    png.open(QIODevice::WriteOnly);
    picture.save(&png, "PNG");
    return png.data();
}

// The data as an application would offer it, its formats in the order given.
QMimeData* MimeData(const Offer& offer) {
    auto* data = new QMimeData;
    for (const Offered& format : offer) {
        data->setData(QString::fromLatin1(format.format), format.data);
    }
    return data;
}

// The report window over a sample reading, its box's insertion point at the end.
struct Report {
    Report()
        : window(services, test::SampleReading())
        , box(window.findChild<QTextEdit*>(QStringLiteral("RTB"))) {
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        box->setFocus();
        box->moveCursor(QTextCursor::End);
        box->ensureCursorVisible();
    }

    // Pastes the data, or drops it on the end of the text; true when the box took it.
    bool deliver(const Offer& offer, Delivery how) {
        if (how == Delivery::Paste) {
            QGuiApplication::clipboard()->setMimeData(MimeData(offer));
            box->paste();
            return true;
        }
        const std::unique_ptr<QMimeData> data(MimeData(offer));
        const QPoint end = box->cursorRect().center();
        QDragEnterEvent enter(end, Qt::CopyAction, data.get(), Qt::LeftButton, {});
        QCoreApplication::sendEvent(box->viewport(), &enter);
        QDropEvent drop(end, Qt::CopyAction, data.get(), Qt::LeftButton, {});
        QCoreApplication::sendEvent(box->viewport(), &drop);
        return drop.isAccepted();
    }

    FakeWindowServices services;
    frmSave window;
    QTextEdit* box;
};

// Whatever differs, from position on, from text in the character and paragraph format given:
// another format, a list, a table or an image.
QString Foreign(const QTextDocument& document, int position, const QTextCharFormat& character,
                const QTextBlockFormat& paragraph) {
    if (!document.rootFrame()->childFrames().isEmpty()) {
        return QStringLiteral("a table or frame");
    }
    for (QTextBlock block = document.findBlock(position); block.isValid(); block = block.next()) {
        if (block.blockFormat() != paragraph || block.textList() != nullptr) {
            return QStringLiteral("a paragraph format at %1").arg(block.position());
        }
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            if (fragment.position() + fragment.length() > position && fragment.charFormat() != character) {
                return QStringLiteral("a character format at %1").arg(fragment.position());
            }
        }
    }
    return {};
}

} // namespace

class TextOnlyBoxTest final : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        QTextDocument::setDefaultResourceProvider([](const QUrl& name) {
            g_requested.append(name);
            return QVariant();
        });
    }
    void init() { g_requested.clear(); }

    void takesInOnlyTheText_data();
    void takesInOnlyTheText();
    void dataWithoutTextLeavesTheSelection();
    void loadsNothingWhateverItsDocumentHolds();
};

void TextOnlyBoxTest::takesInOnlyTheText_data() {
    QTest::addColumn<Offer>("offer");
    QTest::addColumn<QString>("arriving");
    QTest::addColumn<Delivery>("how");
    const QByteArray markdown = "# Huge\n\n![x](probe:markdown.png) <span style=\"font-size:2000pt\">big</span>\n";
    const QByteArray html = "<img src=\"probe:html.png\"><p style=\"color:#ff0000;font-size:200pt;font-family:A;B\">"
                            "red <b>words</b></p><ul><li>item</li></ul><table><tr><td>cell</td></tr></table><i>";
    const QByteArray png = PngPicture();
    const struct {
        const char* name;
        Offer offer;
        const char* arriving;
    } rows[] = {
        {"Markdown first", {{"text/markdown", markdown}, {"text/plain", "# Huge big"}}, "# Huge big"},
        {"Markdown alone", {{"text/markdown", markdown}}, ""},
        {"HTML first", {{"text/html", html}, {"text/plain", "red words"}}, "red words"},
        {"HTML alone", {{"text/html", html}}, ""},
        {"Qt rich text", {{"application/x-qrichtext", html}, {"text/plain", "red"}}, "red"},
        {"picture with a caption", {{"image/png", png}, {"text/plain", "caption"}}, "caption"},
        {"picture alone", {{"image/png", png}}, ""},
        {"URI list with text",
         {{"text/uri-list", "file:///etc/passwd\r\n"}, {"text/plain", "/etc/passwd"}},
         "/etc/passwd"},
        // The address itself as text, as Qt gives it.
        {"URI list alone", {{"text/uri-list", "file:///etc/passwd\r\n"}}, "file:///etc/passwd"},
        {"text with every kind of line end", {{"text/plain", "one\r\ntwo\rthree\nfour"}}, "one\ntwo\nthree\nfour"},
        {"nothing", {}, ""},
    };
    for (const auto& row : rows) {
        for (const auto how : {Delivery::Paste, Delivery::Drop}) {
            QTest::addRow("%s, %s", row.name, how == Delivery::Paste ? "pasted" : "dropped")
                << row.offer << QString::fromUtf8(row.arriving) << how;
        }
    }
}

void TextOnlyBoxTest::takesInOnlyTheText() {
    QFETCH(Offer, offer);
    QFETCH(QString, arriving);
    QFETCH(Delivery, how);
    Report report;
    const QString before = report.box->toPlainText();
    const int end = report.box->textCursor().position();
    // What typed text would take: the style of the reading's last value.
    const QTextCharFormat style = report.box->textCursor().charFormat();
    const QTextBlockFormat paragraph = report.box->textCursor().blockFormat();
    QCOMPARE(style.foreground().color(), QColor(0, 0, 255));

    QCOMPARE(report.deliver(offer, how), how == Delivery::Paste || !arriving.isEmpty());
    QVERIFY(report.box->toPlainText().startsWith(before));
    QCOMPARE(report.box->toPlainText().sliced(before.size()), arriving);
    QCOMPARE(Foreign(*report.box->document(), end, style, paragraph), QString());
    report.box->viewport()->grab(); // laid out and painted
    QCOMPARE(g_requested, QList<QUrl>());
}

void TextOnlyBoxTest::dataWithoutTextLeavesTheSelection() {
    Report report;
    QTextCursor selection(report.box->document());
    selection.setPosition(0);
    selection.setPosition(10, QTextCursor::KeepAnchor);
    report.box->setTextCursor(selection);
    const QString before = report.box->toPlainText();
    report.deliver({{"image/png", PngPicture()}}, Delivery::Paste);
    QCOMPARE(report.box->toPlainText(), before);
    QCOMPARE(report.box->textCursor().selectedText(), before.left(10));
}

void TextOnlyBoxTest::loadsNothingWhateverItsDocumentHolds() {
    Report report;
    QTextImageFormat picture;
    picture.setName(QStringLiteral("probe:held.png"));
    report.box->textCursor().insertImage(picture);
    report.box->viewport()->grab();
    WriteRtf(*report.box->document());
    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    report.services.printToPdfFile = folder.filePath(QStringLiteral("printed.pdf"));
    report.window.cmdPrint_Click();
    report.box->selectAll();
    report.window.cmdPrint_Click();
    QCOMPARE(report.services.printRequests, (QList<bool>{false, true}));
    QCOMPARE(g_requested, QList<QUrl>());
}

} // namespace seraphel

QTEST_MAIN(seraphel::TextOnlyBoxTest)
#include "TextOnlyBoxTest.moc"
