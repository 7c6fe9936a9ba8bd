// Turns fuzz input into the texts the fuzz targets feed the program.
#pragma once

#include <QString>

#include <cstddef>
#include <cstdint>

namespace seraphel::fuzz {

// The bytes as UTF-16 code units, two bytes a unit: every unit can occur, lone surrogates
// and controls included. An odd last byte is left out.
inline QString Utf16Text(const std::uint8_t* data, std::size_t size) {
    QString text;
    text.reserve(static_cast<qsizetype>(size / 2));
    for (std::size_t i = 0; i + 1 < size; i += 2) {
        text.append(QChar(static_cast<char16_t>(data[i] | data[i + 1] << 8)));
    }
    return text;
}

} // namespace seraphel::fuzz
