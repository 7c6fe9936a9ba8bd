#include "Theme.h"

namespace seraphel::theme {
namespace {

QFont SansSerifFont(const QString& family, qreal pointSize, bool bold) {
    QFont font;
    font.setFamilies({family, QStringLiteral("DejaVu Sans")});
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(pointSize);
    font.setBold(bold);
    return font;
}

} // namespace

QFont VerdanaFont(qreal pointSize, bool bold) {
    return SansSerifFont(QStringLiteral("Verdana"), pointSize, bold);
}

QFont MsSansSerifFont(qreal pointSize, bool bold) {
    return SansSerifFont(QStringLiteral("MS Sans Serif"), pointSize, bold);
}

} // namespace seraphel::theme
