// What the main window and the result window share: a fixed-size window, centred on the
// screen, with a close box but no maximise or minimise button, the olive client area in
// Verdana, a File menu, and the rule that closing it by the user ends the program while
// closing it to show the other window does not.
#pragma once

#include <QMainWindow>

class QMenu;

namespace seraphel {

class Session;

class ProgramWindow : public QMainWindow {
    Q_OBJECT
public:
    // What every window of the program shares, set once before the first one: the program's
    // style, and its icon from the first turn of the event loop.
    static void SetUpApplicationLook();

    void showCentred();

protected:
    // clientSize: the area below the menu bar, in logical pixels.
    ProgramWindow(Session& session, QSize clientSize);

    Session& session() const { return m_session; }
    QWidget& client() const { return *centralWidget(); }
    QMenu& fileMenu() const { return *m_fileMenu; }

    // Closes the window as a step of the find flow or of Back: the program goes on.
    void closeForHandOver();

    void closeEvent(QCloseEvent* event) override;

private:
    Session& m_session;
    QMenu* m_fileMenu;
    bool m_handingOver = false;
};

} // namespace seraphel
