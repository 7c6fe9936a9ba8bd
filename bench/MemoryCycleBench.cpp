// Whether the program's memory stays flat while the user goes back and forth: the find ->
// Back cycle through the real windows, offscreen over the recording services, with the
// program's style. Prints the resident memory after the first cycles and after many more,
// and the growth in between; fails when the growth exceeds the goal or a window is missing.
// Run: QT_QPA_PLATFORM=offscreen memory_cycle_bench
#include "ProgramStyle.h"
#include "WindowTesting.h"
#include "frmDisplay.h"
#include "frmMain.h"

#include <QApplication>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>

#include <cstdio>
#include <optional>

namespace seraphel {
namespace {

using testing::Child;
using testing::ShownWindows;

// The first cycles fill the caches that any run fills once; the growth counts from there.
constexpr int kSettlingCycles = 100;
constexpr int kCycles = 1000;
constexpr long kGoalKilobytes = 1024;

// The resident memory of this process in kilobytes, read from Linux's /proc; nothing where
// that is not to be had, as on other systems.
std::optional<long> ResidentKilobytes() {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly | QIODevice::Text)) {
        return std::nullopt;
    }
    // Read whole: /proc gives its files no size, so the file would seem to end at once.
    for (const QByteArray& raw : status.readAll().split('\n')) {
        const QByteArray line = raw.simplified();
        if (line.startsWith("VmRSS:")) {
            bool read = false;
            const long kilobytes = line.split(' ').value(1).toLong(&read);
            return read ? std::optional(kilobytes) : std::nullopt;
        }
    }
    return std::nullopt;
}

// The shown window of one kind, or null when there is not exactly one.
template <typename Window> Window* TheShown() {
    const auto shown = ShownWindows<Window>();
    return shown.size() == 1 ? shown.constFirst() : nullptr;
}

// Finds a reading for Anna from the shown main window and goes back to a new main window.
bool FindAndGoBack() {
    auto* main = TheShown<frmMain>();
    if (main == nullptr) {
        return false;
    }
    Child<QLineEdit>(*main, "txtName").setText(QStringLiteral("ANNA"));
    Child<QPushButton>(*main, "cmdFindGurdianAngel").click();
    QCoreApplication::processEvents(); // paints the result window
    auto* result = TheShown<frmDisplay>();
    if (result == nullptr) {
        return false;
    }
    Child<QPushButton>(*result, "cmdFindGurdianAngel").click();
    QCoreApplication::processEvents(); // paints the new main window
    testing::DeleteClosedWindows();
    return true;
}

} // namespace
} // namespace seraphel

int main(int argc, char** argv) {
    using namespace seraphel;
    QApplication application(argc, argv);
    QApplication::setStyle(new ProgramStyle);
    QGuiApplication::setQuitOnLastWindowClosed(false); // as in the program: the windows hand over
    testing::ProgramUnderTest program;
    program.start();
    (new frmMain(program.session()))->showCentred();

    std::optional<long> settled;
    for (int cycle = 1; cycle <= kCycles; ++cycle) {
        if (!FindAndGoBack()) {
            std::printf("find -> Back cycle %d: a window did not show\n", cycle);
            return 1;
        }
        if (cycle == kSettlingCycles) {
            settled = ResidentKilobytes();
        }
    }
    const std::optional<long> last = ResidentKilobytes();
    program.stop();
    if (!settled || !last) {
        std::printf("resident memory: cannot be read here (no VmRSS in /proc/self/status); %d cycles ran\n", kCycles);
        return 0;
    }
    const long growth = *last - *settled;
    std::printf("resident memory after %d find -> Back cycles: %ld kB, after %d: %ld kB\n", kSettlingCycles, *settled,
                kCycles, *last);
    std::printf("growth: %ld kB (%.2f kB a cycle); goal at most %ld kB: %s\n", growth,
                static_cast<double>(growth) / (kCycles - kSettlingCycles), kGoalKilobytes,
                growth <= kGoalKilobytes ? "met" : "missed");
    return growth <= kGoalKilobytes ? 0 : 1;
}
