// Readable GoogleTest output for Qt values; found by argument-dependent lookup, so it lives in
// the global namespace with the Qt types.
#pragma once

#include <QDate>
#include <QString>

#include <ostream>

inline void PrintTo(const QString& text, std::ostream* out) {
    constexpr qsizetype kShown = 60;
    *out << '"' << text.left(kShown).toStdString() << (text.size() > kShown ? "...\"" : "\"") << " (" << text.size()
         << " characters)";
}

inline void PrintTo(QDate date, std::ostream* out) {
    *out << date.toString(Qt::ISODate).toStdString();
}
