#include "FakeWindowServices.h"
#include "LinkDetector.h"
#include "modRTB.h"

#include <QScrollBar>
#include <QTest>
#include <QTextBlock>
#include <QTextEdit>

#include <algorithm>
#include <memory>

namespace seraphel {
namespace {

QStringList Found(const QString& text) {
    QStringList found;
    for (const TextSpan& span : FindWebAddresses(text)) {
        found.append(text.mid(span.start, span.length));
    }
    return found;
}

// A window with a rich-text box, shown offscreen, and the link handler's services.
class BoxWindow final {
public:
    explicit BoxWindow(const QString& text)
        : box(new QTextEdit(owner.get())) {
        owner->resize(420, 200);
        box->setGeometry(0, 0, 420, 200);
        box->setPlainText(text);
        owner->show();
        QVERIFY(QTest::qWaitForWindowExposed(owner.get()));
    }

    // The middle of a character of the box, in viewport coordinates.
    QPoint pointAt(int position) const {
        QTextCursor before(box->document());
        before.setPosition(position);
        QTextCursor after(box->document());
        after.setPosition(position + 1);
        return QPoint((box->cursorRect(before).left() + box->cursorRect(after).left()) / 2,
                      box->cursorRect(before).center().y());
    }

    QPoint pointOn(const QString& word) const {
        return pointAt(static_cast<int>(box->toPlainText().indexOf(word)) + 1);
    }

    void press(QPoint point, Qt::MouseButton button = Qt::LeftButton) const {
        QTest::mousePress(box->viewport(), button, {}, point);
        QTest::mouseRelease(box->viewport(), button, {}, point);
    }

    // The formats laid over the text, as the box draws them.
    QList<QTextLayout::FormatRange> shownFormats() const {
        QList<QTextLayout::FormatRange> shown;
        for (QTextBlock block = box->document()->begin(); block.isValid(); block = block.next()) {
            for (QTextLayout::FormatRange range : block.layout()->formats()) {
                range.start += block.position();
                shown.append(range);
            }
        }
        return shown;
    }

    QStringList shownLinks() const {
        QStringList links;
        const QString text = box->toPlainText();
        for (const auto& range : shownFormats()) {
            links.append(text.mid(range.start, range.length));
        }
        return links;
    }

    bool linksLookLikeLinks() const {
        const auto links = shownFormats();
        return std::all_of(links.cbegin(), links.cend(), [this](const auto& link) {
            return link.format.fontUnderline() &&
                   link.format.foreground().color() == box->palette().color(QPalette::Link);
        });
    }

    FakeWindowServices services;
    std::unique_ptr<QWidget> owner = std::make_unique<QWidget>();
    QTextEdit* box;
};

const QString kText = QStringLiteral("Go to www.seraphel.example today or mail mailto:anna@a.example.\n"
                                     "no link on this line\n"
                                     "http://b.example/angels");

} // namespace

class LinkHandlerTest final : public QObject {
    Q_OBJECT

private slots:

    void findsAddressesAsARichEditControlDoes_data();
    void findsAddressesAsARichEditControlDoes();
    void givesSpansWithinTheText();
    void opensWwwAddressesAsWebPages_data();
    void opensWwwAddressesAsWebPages();

    void showsDetectedAddressesAsLinks();
    void leftPressOnALinkOpensItOnce_data();
    void leftPressOnALinkOpensItOnce();
    void otherMouseActionsOpenNothing_data();
    void otherMouseActionsOpenNothing();
    void showsThePointingHandOverLinks();
    void opensTheLongestAddressWholeAndNoLonger();
    void findsLinksInAScrolledBox();
    void keepsDetectionUpToDateWhileEditing();
    void removalTurnsDetectionOff();
    void removingTwiceOrUninstalledDoesNothing();
    void installingTwiceDoesNotChain();
    void destroyingOneBoxLeavesTheOthersLinks();
    void ownerClosingWithTheHandlerLeavesNothingInstalled();
};

void LinkHandlerTest::findsAddressesAsARichEditControlDoes_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("links");
    const auto row = [](const char* name, const char* text, QStringList links) {
        QTest::newRow(name) << QString::fromUtf8(text) << links;
    };
    row("www", "Visit www.seraphel.example now", {QStringLiteral("www.seraphel.example")});
    row("full stop after", "Go to http://a.example/x?y=1&z=2.", {QStringLiteral("http://a.example/x?y=1&z=2")});
    row("every scheme", "https://a.example, ftp://f.example/file.txt! mailto:anna@a.example; news:comp.lang.c++",
        {QStringLiteral("https://a.example"), QStringLiteral("ftp://f.example/file.txt"),
         QStringLiteral("mailto:anna@a.example"), QStringLiteral("news:comp.lang.c++")});
    row("local file", "file:///home/anna/run.sh FILE://server/share", {});
    row("capitals", "HTTP://A.EXAMPLE and WWW.B.EXAMPLE",
        {QStringLiteral("HTTP://A.EXAMPLE"), QStringLiteral("WWW.B.EXAMPLE")});
    row("in brackets", "(see www.a.example)", {QStringLiteral("www.a.example")});
    row("own brackets kept", "http://en.example/wiki/Angel_(art)",
        {QStringLiteral("http://en.example/wiki/Angel_(art)")});
    row("closing brackets after own ones", "[http://a.example/(x)]))]", {QStringLiteral("http://a.example/(x)")});
    row("quoted", "\"www.a.example\" and <http://b.example>",
        {QStringLiteral("www.a.example"), QStringLiteral("http://b.example")});
    row("trailing marks", "www.a.example...?! http://b.example/:",
        {QStringLiteral("www.a.example"), QStringLiteral("http://b.example/")});
    row("inside a word", "xhttp://a.example abc.www.b.example", {});
    row("scheme alone", "http:// www. mailto: www...", {});
    row("unknown scheme", "gopher://a.example irc://b.example", {});
    row("line ends", "one http://a.example\nhttp://b.example\r\nwww.c.example",
        {QStringLiteral("http://a.example"), QStringLiteral("http://b.example"), QStringLiteral("www.c.example")});
    row("tabs", "tab\thttp://a.example\tend", {QStringLiteral("http://a.example")});
    row("non-ASCII path", "http://a.example/\u00e9t\u00e9", {QStringLiteral("http://a.example/\u00e9t\u00e9")});
    row("empty", "", {});
}

void LinkHandlerTest::findsAddressesAsARichEditControlDoes() {
    QFETCH(QString, text);
    QFETCH(QStringList, links);
    QCOMPARE(Found(text), links);
}

void LinkHandlerTest::givesSpansWithinTheText() {
    QCOMPARE(FindWebAddresses(u"a www.b.example c ftp://d."), (QList<TextSpan>{{2, 13}, {18, 7}}));
}

void LinkHandlerTest::opensWwwAddressesAsWebPages_data() {
    QTest::addColumn<QString>("link");
    QTest::addColumn<QString>("address");
    QTest::newRow("www") << QStringLiteral("www.a.example") << QStringLiteral("http://www.a.example");
    QTest::newRow("WWW") << QStringLiteral("WWW.A.EXAMPLE") << QStringLiteral("http://WWW.A.EXAMPLE");
    QTest::newRow("https") << QStringLiteral("https://a.example") << QStringLiteral("https://a.example");
    QTest::newRow("mailto") << QStringLiteral("mailto:anna@a.example") << QStringLiteral("mailto:anna@a.example");
}

void LinkHandlerTest::opensWwwAddressesAsWebPages() {
    QFETCH(QString, link);
    QFETCH(QString, address);
    QCOMPARE(WebAddressForLink(link), address);
}

void LinkHandlerTest::showsDetectedAddressesAsLinks() {
    BoxWindow window(kText);
    QVERIFY(window.shownLinks().isEmpty());
    InstallLinkHandler(window.box, window.services);
    QCOMPARE(window.shownLinks(),
             (QStringList{QStringLiteral("www.seraphel.example"), QStringLiteral("mailto:anna@a.example"),
                          QStringLiteral("http://b.example/angels")}));
    QVERIFY(window.linksLookLikeLinks());
    // Links are shown over the text, never written into it: the document stays as composed.
    QVERIFY(!window.box->document()->begin().begin().fragment().charFormat().fontUnderline());
    QVERIFY(!window.box->document()->isUndoAvailable());
}

void LinkHandlerTest::leftPressOnALinkOpensItOnce_data() {
    QTest::addColumn<QString>("word");
    QTest::addColumn<QString>("address");
    QTest::newRow("www") << QStringLiteral("seraphel") << QStringLiteral("http://www.seraphel.example");
    QTest::newRow("first character") << QStringLiteral("www.") << QStringLiteral("http://www.seraphel.example");
    QTest::newRow("mailto") << QStringLiteral("anna") << QStringLiteral("mailto:anna@a.example");
    QTest::newRow("last line") << QStringLiteral("angels") << QStringLiteral("http://b.example/angels");
}

void LinkHandlerTest::leftPressOnALinkOpensItOnce() {
    QFETCH(QString, word);
    QFETCH(QString, address);
    BoxWindow window(kText);
    InstallLinkHandler(window.box, window.services);
    const int wordAt = static_cast<int>(kText.indexOf(word));
    window.press(window.pointAt(wordAt));
    QCOMPARE(window.services.openedAddresses, QStringList{address});
    // The box handled the press as well: its cursor went to the place pressed.
    QVERIFY(qAbs(window.box->textCursor().position() - wordAt) <= 1);
}

void LinkHandlerTest::otherMouseActionsOpenNothing_data() {
    QTest::addColumn<QString>("action");
    QTest::newRow("right press") << QStringLiteral("right");
    QTest::newRow("middle press") << QStringLiteral("middle");
    QTest::newRow("move") << QStringLiteral("move");
    QTest::newRow("left press on plain text") << QStringLiteral("plain");
    QTest::newRow("left press past the end of the line") << QStringLiteral("past end");
    QTest::newRow("left press below the text") << QStringLiteral("below");
}

void LinkHandlerTest::otherMouseActionsOpenNothing() {
    QFETCH(QString, action);
    BoxWindow window(kText);
    InstallLinkHandler(window.box, window.services);
    const QPoint onLink = window.pointOn(QStringLiteral("seraphel"));
    const QPoint lastCharacter = window.pointAt(static_cast<int>(kText.size()) - 1);
    if (action == QLatin1String("right")) {
        window.press(onLink, Qt::RightButton);
    } else if (action == QLatin1String("middle")) {
        window.press(onLink, Qt::MiddleButton);
    } else if (action == QLatin1String("move")) {
        QTest::mouseMove(window.box->viewport(), onLink);
    } else if (action == QLatin1String("plain")) {
        window.press(window.pointOn(QStringLiteral("today")));
    } else if (action == QLatin1String("past end")) {
        window.press(lastCharacter + QPoint(60, 0));
    } else {
        window.press(QPoint(lastCharacter.x(), window.box->viewport()->height() - 3));
    }
    QCOMPARE(window.services.openedAddresses, QStringList());
}

void LinkHandlerTest::showsThePointingHandOverLinks() {
    BoxWindow window(kText);
    InstallLinkHandler(window.box, window.services);
    // Qt drops a move to where the pointer already is: start from a corner no test presses.
    QTest::mouseMove(window.box->viewport(), QPoint(1, window.box->viewport()->height() - 1));
    QCOMPARE(window.box->viewport()->cursor().shape(), Qt::IBeamCursor);
    QTest::mouseMove(window.box->viewport(), window.pointOn(QStringLiteral("seraphel")));
    QCOMPARE(window.box->viewport()->cursor().shape(), Qt::PointingHandCursor);
    QTest::mouseMove(window.box->viewport(), window.pointOn(QStringLiteral("today")));
    QCOMPARE(window.box->viewport()->cursor().shape(), Qt::IBeamCursor);
    QTest::mouseMove(window.box->viewport(), window.pointOn(QStringLiteral("angels")));
    QCOMPARE(window.box->viewport()->cursor().shape(), Qt::PointingHandCursor);
    RemoveLinkHandler(window.box);
    QCOMPARE(window.box->viewport()->cursor().shape(), Qt::IBeamCursor);
}

// Up to the 2048 characters that Windows' shell takes, an address opens whole; a longer one is
// plain text, which opens nothing.
void LinkHandlerTest::opensTheLongestAddressWholeAndNoLonger() {
    const QString longest = QStringLiteral("http://a.example/") + QString(2048 - 17, u'x');
    for (const QString& link : {longest, longest + QStringLiteral("x")}) {
        BoxWindow window(QStringLiteral("Long: ") + link);
        window.box->setLineWrapMode(QTextEdit::WidgetWidth);
        window.box->setWordWrapMode(QTextOption::WrapAnywhere);
        InstallLinkHandler(window.box, window.services);
        window.press(window.pointOn(QStringLiteral("a.example")));
        QCOMPARE(window.services.openedAddresses, link == longest ? QStringList{link} : QStringList{});
    }
    const QString www = QStringLiteral("www.") + QString(2048 - 11, u'x'); // "http://" goes before it
    QCOMPARE(Found(www + QStringLiteral(" ") + www + QStringLiteral("x")), QStringList{www});
    // Each Cyrillic letter reaches the browser as six characters ("%D0%B0").
    const QString cyrillic = QStringLiteral("http://a.example/") + QString(338, QChar(0x0430));
    QCOMPARE(Found(cyrillic + QStringLiteral(" ") + cyrillic + QChar(0x0430)), QStringList{cyrillic});
}

void LinkHandlerTest::findsLinksInAScrolledBox() {
    BoxWindow window(QStringLiteral("line\n").repeated(60) + QStringLiteral("end www.bottom.example"));
    InstallLinkHandler(window.box, window.services);
    window.box->moveCursor(QTextCursor::End);
    window.box->ensureCursorVisible();
    QVERIFY(window.box->verticalScrollBar()->value() > 0);
    window.press(window.pointOn(QStringLiteral("bottom")));
    QCOMPARE(window.services.openedAddresses, QStringList{QStringLiteral("http://www.bottom.example")});
}

void LinkHandlerTest::keepsDetectionUpToDateWhileEditing() {
    BoxWindow window(QStringLiteral("no links yet"));
    InstallLinkHandler(window.box, window.services);
    QVERIFY(window.shownLinks().isEmpty());
    window.box->moveCursor(QTextCursor::End);
    QTest::keyClicks(window.box, QStringLiteral(" see ftp://f.example/a"));
    QCOMPARE(window.shownLinks(), QStringList{QStringLiteral("ftp://f.example/a")});
    window.press(window.pointOn(QStringLiteral("f.example")));
    QCOMPARE(window.services.openedAddresses, QStringList{QStringLiteral("ftp://f.example/a")});

    // Breaking the address ends the link where the blank now stands.
    window.box->moveCursor(QTextCursor::End);
    window.box->moveCursor(QTextCursor::Left);
    QTest::keyClick(window.box, Qt::Key_Space);
    QCOMPARE(window.shownLinks(), QStringList{QStringLiteral("ftp://f.example/")});
    window.box->clear();
    QVERIFY(window.shownLinks().isEmpty());
}

void LinkHandlerTest::removalTurnsDetectionOff() {
    BoxWindow window(kText);
    InstallLinkHandler(window.box, window.services);
    RemoveLinkHandler(window.box);
    QVERIFY(window.shownLinks().isEmpty());
    window.press(window.pointOn(QStringLiteral("seraphel")));
    QTest::keyClicks(window.box, QStringLiteral(" www.new.example "));
    QVERIFY(window.shownLinks().isEmpty());
    QCOMPARE(window.services.openedAddresses, QStringList());
}

void LinkHandlerTest::removingTwiceOrUninstalledDoesNothing() {
    BoxWindow window(kText);
    RemoveLinkHandler(window.box); // nothing installed
    InstallLinkHandler(window.box, window.services);
    RemoveLinkHandler(window.box);
    RemoveLinkHandler(window.box);
    InstallLinkHandler(window.box, window.services);
    window.press(window.pointOn(QStringLiteral("seraphel")));
    QCOMPARE(window.services.openedAddresses.size(), 1);
}

void LinkHandlerTest::installingTwiceDoesNotChain() {
    BoxWindow window(kText);
    InstallLinkHandler(window.box, window.services);
    InstallLinkHandler(window.box, window.services);
    window.press(window.pointOn(QStringLiteral("seraphel")));
    QCOMPARE(window.services.openedAddresses.size(), 1);
    QCOMPARE(window.shownLinks().size(), 3);
    RemoveLinkHandler(window.box);
    window.press(window.pointOn(QStringLiteral("seraphel")));
    QCOMPARE(window.services.openedAddresses.size(), 1);
}

void LinkHandlerTest::destroyingOneBoxLeavesTheOthersLinks() {
    auto first = std::make_unique<BoxWindow>(kText);
    BoxWindow second(kText);
    InstallLinkHandler(first->box, first->services);
    InstallLinkHandler(second.box, second.services);
    RemoveLinkHandler(first->box); // as the first report window does when it closes
    first.reset();
    second.press(second.pointOn(QStringLiteral("seraphel")));
    QCOMPARE(second.services.openedAddresses.size(), 1);
}

void LinkHandlerTest::ownerClosingWithTheHandlerLeavesNothingInstalled() {
    {
        BoxWindow gone(kText);
        InstallLinkHandler(gone.box, gone.services);
    }
    BoxWindow window(kText);
    InstallLinkHandler(window.box, window.services);
    window.press(window.pointOn(QStringLiteral("seraphel")));
    QCOMPARE(window.services.openedAddresses.size(), 1);
}

} // namespace seraphel

QTEST_MAIN(seraphel::LinkHandlerTest)
#include "LinkHandlerTest.moc"
