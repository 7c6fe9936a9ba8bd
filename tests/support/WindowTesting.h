// Helpers for tests that drive the program's windows offscreen.
#pragma once

#include "FakeWindowServices.h"
#include "Session.h"

#include <QAction>
#include <QApplication>
#include <QList>
#include <QStringList>
#include <QWidget>

#include <memory>

namespace seraphel::testing {

// The program's windows of one kind that are shown now.
template <typename Window> QList<Window*> ShownWindows() {
    QList<Window*> shown;
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (auto* window = qobject_cast<Window*>(widget); window != nullptr && window->isVisible()) {
            shown.append(window);
        }
    }
    return shown;
}

// Carries out the deletions that closed windows have asked for.
inline void DeleteClosedWindows() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

// Closes and deletes whatever windows a test left open.
inline void CloseAllWindows() {
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        widget->close();
    }
    DeleteClosedWindows();
}

// The named control of a window; a missing control ends the test run, since nothing that
// follows could work.
template <typename Control> Control& Child(const QObject& parent, const char* objectName) {
    auto* child = parent.findChild<Control*>(QString::fromLatin1(objectName));
    if (child == nullptr) {
        qFatal("%s has no control %s", qPrintable(parent.objectName()), objectName);
    }
    return *child;
}

// A menu's items as "objectName=caption", a separator as "objectName=-".
inline QStringList DescribeItems(const QList<QAction*>& items) {
    QStringList described;
    for (const QAction* item : items) {
        described.append(item->objectName() + u'=' + (item->isSeparator() ? QStringLiteral("-") : item->text()));
    }
    return described;
}

// The program's windows over recording services, with a fresh session for each test; start-up's
// tests run it over the whole recording platform.
template <typename Services> class ProgramOn {
public:
    Services services;

    Session& session() const { return *m_session; }

    void start() {
        services = Services{};
        m_session = std::make_unique<Session>(services);
    }

    // Closes and deletes what the test left open, then ends the session.
    void stop() {
        CloseAllWindows();
        m_session.reset();
    }

    // The texts of the information messages shown so far.
    QStringList messages() const {
        QStringList texts;
        for (const auto& message : services.informationMessages) {
            texts.append(message.text);
        }
        return texts;
    }

private:
    std::unique_ptr<Session> m_session;
};

using ProgramUnderTest = ProgramOn<FakeWindowServices>;

} // namespace seraphel::testing
