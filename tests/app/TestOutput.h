// Readable GoogleTest output: Qt values printed as text, and test names made from the
// descriptions of data rows. PrintTo lives in the global namespace with the Qt types, where
// argument-dependent lookup finds it.
#pragma once

#include <QDate>
#include <QString>

#include <cctype>
#include <ostream>
#include <string>

inline void PrintTo(const QString& text, std::ostream* out) {
    constexpr qsizetype kShown = 60;
    *out << '"' << text.left(kShown).toStdString() << (text.size() > kShown ? "...\"" : "\"") << " (" << text.size()
         << " characters)";
}

inline void PrintTo(QDate date, std::ostream* out) {
    *out << date.toString(Qt::ISODate).toStdString();
}

namespace seraphel {

// A data row's description as a test name: its words of letters and digits joined by underscores.
struct DescribedRowName {
    template <typename Info> std::string operator()(const Info& info) const {
        std::string name;
        for (const char c : std::string(info.param.what)) {
            if (std::isalnum(static_cast<unsigned char>(c))) {
                name += c;
            } else if (!name.empty() && name.back() != '_') {
                name += '_';
            }
        }
        return name.ends_with('_') ? name.substr(0, name.size() - 1) : name;
    }
};

} // namespace seraphel
