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

QFont MsSansSerifFont(qreal pointSize, bool bold) {
    QFont font = VerdanaFont(pointSize, bold);
    font.setFamilies({QStringLiteral("MS Sans Serif"), QStringLiteral("DejaVu Sans")});
    return font;
}

} // namespace seraphel::theme
