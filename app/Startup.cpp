#include "Startup.h"

#include "Platform.h"
#include "Session.h"
#include "UpdateReminder.h"
#include "frmMain.h"

#include <QApplication>

#include <array>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <optional>

namespace seraphel {
namespace {

// The offer brought to the front by the drawn number 1 ... 7; none leaves them as the window lays them.
constexpr std::array<std::optional<PromoOffer>, 7> kFrontByNumber{
    PromoOffer::Cobrand, PromoOffer::FullBrand, PromoOffer::Cobrand, PromoOffer::FullBrand,
    PromoOffer::Cobrand, PromoOffer::FullBrand, std::nullopt};

} // namespace

Startup::Startup(Platform& platform, Session& session)
    : m_platform(platform)
    , m_session(session) {}

bool Startup::run() {
    Platform& platform = m_platform;
    if (!platform.claimSingleInstance()) {
        platform.showInformation(nullptr, QStringLiteral("Application is already running"));
        ShutdownAll();
        return false;
    }
    platform.seedRandomFromClock();
    CheckForUpdateReminder(platform);
    auto* window = new frmMain(m_session);
    window->showCentred();
    CoBrand_Randomize(platform, *window);
    return true;
}

int CoBrandNumber(double r) {
    const double x = 6 * r + 1;
    const double below = std::floor(x);
    const double fraction = x - below;
    const bool odd = std::fmod(below, 2) != 0;
    return static_cast<int>(below) + (fraction > 0.5 || (fraction == 0.5 && odd) ? 1 : 0);
}

void CoBrand_Randomize(Platform& platform, frmMain& window) {
    const auto intCoBrandRandomNumber = static_cast<std::int16_t>(CoBrandNumber(platform.drawRandom()));
    if (const auto offer = kFrontByNumber.at(static_cast<std::size_t>(intCoBrandRandomNumber - 1))) {
        window.bringOfferToFront(*offer);
    }
}

void ShutdownAll() {
    for (QWidget* window : QApplication::topLevelWidgets()) {
        window->close();
    }
    QCoreApplication::exit(EXIT_SUCCESS);
}

int RunProgram(Platform& platform) {
    frmMain::SetUpApplicationLook();
    // The find flow closes the main window before the result window shows, and Back the
    // other way round: the program ends only when the user closes the shown window.
    QGuiApplication::setQuitOnLastWindowClosed(false);
    Session session(platform);
    QObject::connect(&session, &Session::ended, qApp, [] { QCoreApplication::exit(EXIT_SUCCESS); });
    if (!Startup(platform, session).run()) {
        return EXIT_SUCCESS;
    }
    return QApplication::exec();
}

} // namespace seraphel
