#include "ProgramWindow.h"

#include "BuildInfo.h"
#include "Controls.h"
#include "Pictures.h"
#include "ProgramStyle.h"
#include "Session.h"
#include "Theme.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QLayout>
#include <QMenuBar>
#include <QScreen>
#include <QTimer>

namespace seraphel {
namespace {

constexpr Qt::WindowFlags kFixedWindow = Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                                         Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint |
                                         Qt::MSWindowsFixedSizeDialogHint;

} // namespace

void ProgramWindow::SetUpApplicationLook() {
    QApplication::setStyle(new ProgramStyle);
    // Setting the icon decodes all six of its pictures: the first window shows without it,
    // and takes it from the first turn of the event loop a moment later.
    QTimer::singleShot(0, qApp, [] { QApplication::setWindowIcon(ProgramIcon()); });
}

ProgramWindow::ProgramWindow(Session& session, QSize clientSize)
    : QMainWindow(nullptr, kFixedWindow)
    , m_session(session) {
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QString::fromUtf8(build::kWindowCaption));
    setFont(theme::VerdanaFont(theme::kWindowPointSize));

    auto* client = new QWidget(this);
    client->setObjectName(QStringLiteral("client"));
    client->setFixedSize(clientSize);
    controls::SetBackground(*client, theme::kWindowBackground);
    setCentralWidget(client);

    m_fileMenu = menuBar()->addMenu(QStringLiteral("&File"));
    m_fileMenu->setObjectName(QStringLiteral("mnuFile"));
    m_fileMenu->menuAction()->setObjectName(QStringLiteral("mnuFile"));
    layout()->setSizeConstraint(QLayout::SetFixedSize);
}

void ProgramWindow::showCentred() {
    adjustSize();
    const QPoint centre = screen()->availableGeometry().center();
    move(centre - rect().center());
    show();
    // The frame is known once the window shows; centre the window with its frame.
    move(pos() + centre - frameGeometry().center());
    activateWindow(); // the window that takes over from the other one gets the keyboard
}

void ProgramWindow::closeForHandOver() {
    m_handingOver = true;
    close();
}

void ProgramWindow::closeEvent(QCloseEvent* event) {
    QMainWindow::closeEvent(event);
    if (event->isAccepted() && !m_handingOver) {
        m_session.end();
    }
}

} // namespace seraphel
