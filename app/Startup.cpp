#include "Startup.h"

#include "Platform.h"
#include "Session.h"
#include "UpdateReminder.h"
#include "frmMain.h"

#include <QApplication>

#include <array>
#include <cmath>
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
    if (!m_platform.claimSingleInstance()) {
        m_platform.showInformation(nullptr, QStringLiteral("Application is already running"));
        ShutdownAll();
        return false;
    }
    m_platform.seedRandomFromClock();
    CheckForUpdateReminder(m_platform);
    auto* window = new frmMain(m_session);
    window->showCentred();
    CoBrand_Randomize(m_platform, *window);
    return true;
}

int CoBrandNumber(double r) {
    // The default rounding mode, which nothing here changes, takes halves to the even number.
    return static_cast<int>(std::nearbyint(6 * r + 1));
}

void CoBrand_Randomize(Platform& platform, frmMain& window) {
    if (const auto offer = kFrontByNumber.at(static_cast<std::size_t>(CoBrandNumber(platform.drawRandom()) - 1))) {
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
    return Startup(platform, session).run() ? QApplication::exec() : EXIT_SUCCESS;
}

} // namespace seraphel
