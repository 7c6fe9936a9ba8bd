#include "Session.h"

#include "frmDisplay.h"
#include "frmMain.h"

namespace seraphel {

Session::Session(WindowServices& services)
    : m_services(services) {}

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
