// The character shift applied to the names and values of stored settings. Codes are taken in
// Windows-1252 on every system, so the stored text is the same wherever the program runs.
#pragma once

#include <QString>

namespace seraphel {

// Each character's Windows-1252 code plus 85; a character whose code would pass 255 is left out.
// A character that Windows-1252 lacks counts as '?', as the ANSI conversion would write it.
QString EncodeSetting(const QString& text);
// Each character's Windows-1252 code minus 85; a character whose code would fall below 0 is left out.
QString DecodeSetting(const QString& text);

} // namespace seraphel
