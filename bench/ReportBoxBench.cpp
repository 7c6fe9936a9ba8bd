// What long text costs in the report window's box, offscreen over the recording services:
//  - 200,000 short lines pasted through the clipboard, until the box has painted them;
//  - then one key typed at their end, until painted (the median of several keys);
//  - a single paragraph of 5 MB pasted, then the mouse moved over it (the median of several
//    moves), and the processor time the program takes over 10 seconds of doing nothing while
//    the box has the focus, the insertion point in that paragraph.
// Prints wall and processor seconds for each. Run: QT_QPA_PLATFORM=offscreen report_box_bench
#include "AngelReading.h"
#include "WindowTesting.h"
#include "frmSave.h"

#include <QApplication>
#include <QClipboard>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTest>
#include <QTextEdit>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <vector>

namespace seraphel {
namespace {

constexpr int kPastedLines = 200'000;
constexpr qsizetype kParagraphCharacters = 5'000'000;
constexpr int kKeys = 9;
constexpr int kIdleMilliseconds = 10'000;

struct Cost {
    double wallSeconds;
    double processorSeconds;
};

// Runs the step, then lets the box lay out and paint what it did.
template <typename Step> Cost Measure(QTextEdit& box, Step step) {
    QElapsedTimer wall;
    wall.start();
    const std::clock_t processor = std::clock();
    step();
    box.viewport()->repaint();
    QApplication::processEvents();
    return {static_cast<double>(wall.nsecsElapsed()) / 1e9,
            static_cast<double>(std::clock() - processor) / CLOCKS_PER_SEC};
}

void Paste(QTextEdit& box, const QString& text) {
    QGuiApplication::clipboard()->setText(text);
    box.paste();
}

void Print(const char* what, Cost cost) {
    std::printf("%-58s %8.3f s wall %8.3f s processor\n", what, cost.wallSeconds, cost.processorSeconds);
    std::fflush(stdout);
}

int Run() {
    FakeWindowServices services;
    frmSave window(services, AngelReading{});
    window.show();
    window.activateWindow();
    if (!QTest::qWaitForWindowActive(&window)) {
        std::fprintf(stderr, "the report window did not become active\n");
        return 1;
    }
    auto& box = testing::Child<QTextEdit>(window, "RTB");
    box.setFocus();

    QString lines;
    for (int line = 0; line < kPastedLines; ++line) {
        lines += QStringLiteral("Line %1 of the text that the user pasted\n").arg(line);
    }
    Print("paste of 200,000 lines, until painted", Measure(box, [&] { Paste(box, lines); }));

    std::vector<Cost> keys;
    for (int key = 0; key < kKeys; ++key) {
        keys.push_back(Measure(box, [&] { QTest::keyClick(&box, Qt::Key_A); }));
    }
    std::nth_element(keys.begin(), keys.begin() + kKeys / 2, keys.end(),
                     [](const Cost& a, const Cost& b) { return a.processorSeconds < b.processorSeconds; });
    Print("then one key, until painted (median of 9)", keys[kKeys / 2]);

    QString paragraph;
    paragraph.reserve(kParagraphCharacters);
    while (paragraph.size() < kParagraphCharacters) {
        paragraph += QStringLiteral("angels ");
    }
    box.selectAll();
    Print("a paragraph of 5 MB pasted over it, until painted", Measure(box, [&] { Paste(box, paragraph); }));
    const QPoint inText = box.cursorRect().center() - QPoint(40, 0);
    std::vector<Cost> moves;
    for (int move = 0; move < kKeys; ++move) {
        moves.push_back(Measure(box, [&] { QTest::mouseMove(box.viewport(), inText + QPoint(move, 0)); }));
    }
    std::nth_element(moves.begin(), moves.begin() + kKeys / 2, moves.end(),
                     [](const Cost& a, const Cost& b) { return a.processorSeconds < b.processorSeconds; });
    Print("then the mouse moved over it (median of 9)", moves[kKeys / 2]);
    if (!box.hasFocus()) {
        std::fprintf(stderr, "the box lost the focus\n");
        return 1;
    }
    Print("the box focused in it for 10 s, doing nothing", Measure(box, [] {
              QEventLoop idle;
              QTimer::singleShot(kIdleMilliseconds, Qt::PreciseTimer, &idle, &QEventLoop::quit);
              idle.exec();
          }));
    return 0;
}

} // namespace
} // namespace seraphel

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    return seraphel::Run();
}
