#include "Session.h"

namespace seraphel {

Session::Session(Platform& platform)
    : m_platform(platform) {}

void Session::end() {
    emit ended();
}

} // namespace seraphel
