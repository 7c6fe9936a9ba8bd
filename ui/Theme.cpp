#include "Theme.h"

namespace seraphel::theme {

QFont VerdanaFont(qreal pointSize, bool bold) {
    QFont font;
    font.setFamilies({QStringLiteral("Verdana"), QStringLiteral("DejaVu Sans")});
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(pointSize);
    font.setBold(bold);
    return font;
}

} // namespace seraphel::theme
