// The name the program files its settings and its instance lock under: the executable's own
// name without extension, so that a renamed program keeps its own settings and its own instance.
#pragma once

#include <QCoreApplication>
#include <QFileInfo>
#include <QString>

namespace seraphel {

inline QString ApplicationName() {
    return QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName();
}

} // namespace seraphel
