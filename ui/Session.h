// What one run of the program keeps while its windows come and go: the services they use, and the
// birth details and reading that every find overwrites. The two windows hand over to each
// other through it, and it tells whoever runs the program when the user has closed the
// window that was shown, which ends the program.
#pragma once

#include "AngelReading.h"
#include "BirthDetails.h"

#include <QObject>

namespace seraphel {

class WindowServices;

class Session final : public QObject {
    Q_OBJECT
public:
    explicit Session(WindowServices& services);

    WindowServices& services() const { return m_services; }
    BirthDetails& birthDetails() { return m_birthDetails; }
    AngelReading& angelReading() { return m_angelReading; }

    // The hand-overs between the two windows, after the shown one has closed: a fresh result
    // window with the reading, or a fresh main window with its initial selections.
    void showReading();
    void showMainWindow();

    // The user closed the shown window: nothing is left open, so the program ends.
    void end();

signals:
    void ended();

private:
    WindowServices& m_services;
    BirthDetails m_birthDetails;
    AngelReading m_angelReading;
};

} // namespace seraphel
