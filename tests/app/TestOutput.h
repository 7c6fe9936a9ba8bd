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

// A data row's description as a test name: letters and digits, anything else an underscore.
struct DescribedRowName {
    template <typename Info> std::string operator()(const Info& info) const {
        std::string name = info.param.what;
        for (char& c : name) {
            if (!std::isalnum(static_cast<unsigned char>(c))) {
                c = '_';
            }
        }
        return name;
    }
};

} // namespace seraphel
