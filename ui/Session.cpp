#include "Session.h"

#include "frmDisplay.h"
#include "frmMain.h"

namespace seraphel {

Session::Session(Platform& platform)
    : m_platform(platform) {}

void Session::showReading() {
    auto* result = new frmDisplay(*this);
    result->takeOverReading(m_angelReading);
    result->showCentred();
}

void Session::showMainWindow() {
    auto* main = new frmMain(*this);
    main->showCentred();
}

void Session::end() {
    emit ended();
}

} // namespace seraphel
