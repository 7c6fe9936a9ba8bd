// Start-up, from the start of the process until the main window waits for input, and the end
// of the program.
#pragma once

namespace seraphel {

class Platform;
class Session;
class frmMain;

class Startup final {
public:
    Startup(Platform& platform, Session& session);

    // False when another instance already runs, so this one ends at once.
    bool run();

private:
    Platform& m_platform;
    Session& m_session;
};

// The number 1 ... 7 for a draw 0 <= r < 1: 6r + 1 rounded to the nearest integer, a half to the even one.
int CoBrandNumber(double r);

// Draws a number and brings the main window's lblCobrand (1, 3, 5) or lblFullBrand (2, 4, 6)
// to the front; 7 leaves the labels as the window lays them.
void CoBrand_Randomize(Platform& platform, frmMain& window);

// Closes every window of the program, then ends the event loop when it runs; before the
// loop runs, the caller ends the process by returning.
void ShutdownAll();

// The whole program on the given platform until the user closes the window shown; returns the exit code.
int RunProgram(Platform& platform);

} // namespace seraphel
