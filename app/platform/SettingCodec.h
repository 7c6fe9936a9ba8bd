// The character shift applied to the names and values of stored settings. Codes are Windows-1252
// on every system, so the stored text is the same wherever the program runs; a character that
// Windows-1252 lacks counts as '?', as the ANSI conversion would write it.
#pragma once

#include <QString>

namespace seraphel {

// Encoding adds 85 to each code, decoding takes it off; a character whose code would leave 0 ... 255 is dropped.
QString EncodeSetting(const QString& text);
QString DecodeSetting(const QString& text);

} // namespace seraphel
