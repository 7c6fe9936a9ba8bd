// The name box's key filter: what each typed character does to the box, with the meaning
// a Windows keyboard gives it, and which keys pass without being filtered at all.
#include "FakeWindowServices.h"
#include "Session.h"
#include "TypedCharacter.h"
#include "WindowTesting.h"
#include "frmDisplay.h"
#include "frmMain.h"

#include <QClipboard>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTest>

#include <memory>

namespace seraphel {
namespace {

using testing::Child;

const QString kOnlyLetters = QStringLiteral("Please Enter only Letters");
const QString kStartText = QStringLiteral("AB");

struct KeyStroke {
    int key;
    Qt::KeyboardModifiers modifiers;
    QString text;
};

// The key a keyboard presses to type the character code, as the platform reports it.
KeyStroke StrokeTyping(int code) {
    struct Special {
        int code;
        KeyStroke stroke;
    };
    static const Special kSpecial[] = {
        {0, {Qt::Key_At, Qt::ControlModifier | Qt::ShiftModifier, QString(QChar(0))}},
        {8, {Qt::Key_Backspace, Qt::NoModifier, QStringLiteral("\b")}},
        {9, {Qt::Key_Tab, Qt::NoModifier, QStringLiteral("\t")}},
        {13, {Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r")}},
        {27, {Qt::Key_Escape, Qt::NoModifier, QStringLiteral("\x1b")}},
        {28, {Qt::Key_Backslash, Qt::ControlModifier, QStringLiteral("\x1c")}},
        {29, {Qt::Key_BracketRight, Qt::ControlModifier, QStringLiteral("\x1d")}},
        {30, {Qt::Key_AsciiCircum, Qt::ControlModifier | Qt::ShiftModifier, QStringLiteral("\x1e")}},
        {31, {Qt::Key_Underscore, Qt::ControlModifier | Qt::ShiftModifier, QStringLiteral("\x1f")}},
        {127, {Qt::Key_Backspace, Qt::ControlModifier, QStringLiteral("\x7f")}},
    };
    for (const Special& special : kSpecial) {
        if (special.code == code) {
            return special.stroke;
        }
    }
    const QString text(QChar(static_cast<char16_t>(code)));
    if (code >= 1 && code <= 26) {
        return {Qt::Key_A + code - 1, Qt::ControlModifier, text};
    }
    if (code >= 'a' && code <= 'z') {
        return {Qt::Key_A + code - 'a', Qt::NoModifier, text};
    }
    if (code >= 'A' && code <= 'Z') {
        return {code, Qt::ShiftModifier, text};
    }
    if (code >= 128 && code < 160) {
        return {Qt::Key_unknown, Qt::NoModifier, text};
    }
    return {code, Qt::NoModifier, text}; // Qt's key codes follow Latin-1 for the printable characters
}

void Press(QWidget& widget, const KeyStroke& stroke) {
    QKeyEvent press(QEvent::KeyPress, stroke.key, stroke.modifiers, stroke.text);
    QApplication::sendEvent(&widget, &press);
    QKeyEvent release(QEvent::KeyRelease, stroke.key, stroke.modifiers, stroke.text);
    QApplication::sendEvent(&widget, &release);
}

} // namespace

class NameKeyFilterTest final : public QObject {
    Q_OBJECT

private:
    testing::ProgramUnderTest m_program;
    frmMain* m_window = nullptr;

    QLineEdit& nameBox() const { return Child<QLineEdit>(*m_window, "txtName"); }

private slots:
    void init() {
        m_program.start();
        m_window = new frmMain(m_program.session());
        m_window->showCentred();
        nameBox().setText(kStartText);
    }

    void cleanup() { m_program.stop(); }

    void everyCharacterCode_data() {
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("expectedText");
        QTest::addColumn<bool>("refused");
        for (int code = 0; code <= 255; ++code) {
            QString expected = kStartText;
            bool refused = false;
            if ((code >= 'A' && code <= 'Z') || (code >= 'a' && code <= 'z')) {
                expected += QChar(code).toUpper();
            } else if (code == ' ') {
                expected += QLatin1Char(' ');
            } else if (code == 8) {
                expected.chop(1);
            } else if (code != 13 && code != 9) { // Enter presses nothing; Tab only moves on
                refused = true;
            }
            QTest::addRow("code %d", code) << code << expected << refused;
        }
    }

    void everyCharacterCode() {
        QFETCH(int, code);
        QFETCH(QString, expectedText);
        QFETCH(bool, refused);
        Press(nameBox(), StrokeTyping(code));
        QCOMPARE(nameBox().text(), expectedText);
        QCOMPARE(m_program.messages(), refused ? QStringList{kOnlyLetters} : QStringList{});
        if (refused) {
            QCOMPARE(m_program.services.informationMessages.constFirst().parent, m_window);
        }
    }

    void nonLatinCharactersAreRefused_data() {
        QTest::addColumn<QString>("typed");
        QTest::newRow("Cyrillic") << QStringLiteral("\u0436");
        QTest::newRow("Greek capital") << QStringLiteral("\u03a9");
        QTest::newRow("Han") << QStringLiteral("\u4e2d");
        QTest::newRow("euro sign") << QStringLiteral("\u20ac");
        QTest::newRow("Latin with macron") << QStringLiteral("\u0101");
        QTest::newRow("emoji outside the basic plane") << QStringLiteral("\U0001F600");
    }

    void nonLatinCharactersAreRefused() {
        QFETCH(QString, typed);
        Press(nameBox(), {Qt::Key_unknown, Qt::NoModifier, typed});
        QCOMPARE(nameBox().text(), kStartText);
        QCOMPARE(m_program.messages(), QStringList{kOnlyLetters});
    }

    void aCapitalReplacesTheSelectionAsTypingWould() {
        nameBox().setText(QStringLiteral("ABCD"));
        nameBox().setSelection(1, 2);
        QTest::keyClick(&nameBox(), Qt::Key_X, Qt::NoModifier);
        QCOMPARE(nameBox().text(), QStringLiteral("AXD"));
    }

    void copyAndPasteKeysDoNothingButShowTheMessage() {
        QGuiApplication::clipboard()->setText(QStringLiteral("xyz"));
        nameBox().selectAll();
        QTest::keyClick(&nameBox(), Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(nameBox().text(), kStartText);
        QTest::keyClick(&nameBox(), Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("xyz"));
        QTest::keyClick(&nameBox(), Qt::Key_Escape);
        QCOMPARE(nameBox().text(), kStartText);
        QCOMPARE(m_program.messages(), QStringList(3, kOnlyLetters));
    }

    void keysThatTypeNothingWorkAsUsual() {
        nameBox().setText(QStringLiteral("ABCD"));
        QTest::keyClick(&nameBox(), Qt::Key_Home);
        QTest::keyClick(&nameBox(), Qt::Key_Delete);
        QTest::keyClick(&nameBox(), Qt::Key_Right);
        QTest::keyClick(&nameBox(), Qt::Key_Delete);
        QCOMPARE(nameBox().text(), QStringLiteral("BD"));
        QTest::keyClick(&nameBox(), Qt::Key_End);
        QTest::keyClick(&nameBox(), Qt::Key_Left, Qt::ControlModifier);
        QTest::keyClick(&nameBox(), Qt::Key_F1);
        QTest::keyClick(&nameBox(), Qt::Key_Q, Qt::AltModifier); // chooses nothing, types nothing
        QCOMPARE(nameBox().text(), QStringLiteral("BD"));
        QVERIFY(m_program.messages().isEmpty());
    }

    void enterPressesNoButton() {
        QTest::keyClick(&nameBox(), Qt::Key_Return);
        QTest::keyClick(&nameBox(), Qt::Key_Enter);
        QVERIFY(m_program.messages().isEmpty());
        QVERIFY(testing::ShownWindows<frmDisplay>().isEmpty());
        QCOMPARE(testing::ShownWindows<frmMain>(), QList<frmMain*>{m_window});
    }

    // Dead keys and input methods hand the box composed text as a commit, which goes through
    // the same filter, character by character.
    void inputMethodCommitsAreFiltered_data() {
        QTest::addColumn<QString>("commit");
        QTest::addColumn<QString>("expectedText");
        QTest::addColumn<int>("refused");
        QTest::newRow("plain letter") << QStringLiteral("e") << QStringLiteral("ABE") << 0;
        QTest::newRow("accented letter") << QStringLiteral("\u00e9") << kStartText << 1;
        QTest::newRow("mixed") << QStringLiteral("x\u00e9 y-") << QStringLiteral("ABX Y") << 2;
    }

    void inputMethodCommitsAreFiltered() {
        QFETCH(QString, commit);
        QFETCH(QString, expectedText);
        QFETCH(int, refused);
        QInputMethodEvent event;
        event.setCommitString(commit);
        QApplication::sendEvent(&nameBox(), &event);
        QCOMPARE(nameBox().text(), expectedText);
        QCOMPARE(m_program.messages(), QStringList(refused, kOnlyLetters));
    }

    void textPutInByOtherMeansIsNotFiltered() {
        nameBox().insert(QStringLiteral("o'neil-2"));
        QCOMPARE(nameBox().text(), QStringLiteral("ABo'neil-2"));
        QVERIFY(m_program.messages().isEmpty());
    }

    void typedCodesFollowTheWindowsKeyboard_data() {
        QTest::addColumn<int>("key");
        QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QList<int>>("codes");
        const auto control = Qt::KeyboardModifiers(Qt::ControlModifier);
        const auto none = Qt::KeyboardModifiers();
        // Platforms differ in the text they attach to Ctrl combinations: the key decides.
        QTest::newRow("Ctrl+C with a letter as text")
            << int(Qt::Key_C) << control << QStringLiteral("c") << QList<int>{3};
        QTest::newRow("Ctrl+V without text") << int(Qt::Key_V) << control << QString() << QList<int>{22};
        QTest::newRow("Ctrl+Shift+A") << int(Qt::Key_A) << (control | Qt::ShiftModifier) << QString() << QList<int>{1};
        QTest::newRow("Ctrl+[") << int(Qt::Key_BracketLeft) << control << QString() << QList<int>{27};
        QTest::newRow("Ctrl+Enter") << int(Qt::Key_Return) << control << QString() << QList<int>{10};
        QTest::newRow("Ctrl+1 types nothing") << int(Qt::Key_1) << control << QStringLiteral("1") << QList<int>{};
        QTest::newRow("Escape without text") << int(Qt::Key_Escape) << none << QString() << QList<int>{27};
        QTest::newRow("keypad Enter") << int(Qt::Key_Enter) << Qt::KeyboardModifiers(Qt::KeypadModifier)
                                      << QStringLiteral("\r") << QList<int>{13};
        QTest::newRow("Delete types nothing") << int(Qt::Key_Delete) << none << QStringLiteral("\x7f") << QList<int>{};
        QTest::newRow("Tab types nothing") << int(Qt::Key_Tab) << none << QStringLiteral("\t") << QList<int>{};
        QTest::newRow("Alt+G chooses, types nothing")
            << int(Qt::Key_G) << Qt::KeyboardModifiers(Qt::AltModifier) << QStringLiteral("g") << QList<int>{};
        QTest::newRow("AltGr+E types the euro sign")
            << int(Qt::Key_E) << (control | Qt::AltModifier) << QStringLiteral("\u20ac") << QList<int>{0x20ac};
        QTest::newRow("Shift+A") << int(Qt::Key_A) << Qt::KeyboardModifiers(Qt::ShiftModifier) << QStringLiteral("A")
                                 << QList<int>{'A'};
        QTest::newRow("a composed pair") << int(Qt::Key_unknown) << none << QStringLiteral("e\u0301")
                                         << QList<int>{'e', 0x301};
    }

    void typedCodesFollowTheWindowsKeyboard() {
        QFETCH(int, key);
        QFETCH(Qt::KeyboardModifiers, modifiers);
        QFETCH(QString, text);
        QFETCH(QList<int>, codes);
        const QKeyEvent event(QEvent::KeyPress, key, modifiers, text);
        const std::u32string typed = TypedCharacterCodes(event);
        QCOMPARE(QList<int>(typed.begin(), typed.end()), codes);
    }
};

} // namespace seraphel

QTEST_MAIN(seraphel::NameKeyFilterTest)
#include "NameKeyFilterTest.moc"
