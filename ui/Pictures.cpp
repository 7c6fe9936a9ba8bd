#include "Pictures.h"

#include "Catalogue.h"

#include <QHash>

#include <array>
#include <utility>

namespace seraphel {
namespace {

constexpr std::array<int, 6> kIconSizes{16, 32, 48, 64, 128, 256};

} // namespace

QPixmap AngelPixmap(PictureIndex index, qreal devicePixelRatio) {
    const auto picture = index ? PictureByIndex(*index) : std::nullopt;
    if (!picture) {
        return {};
    }
    // Scaled once for each picture and pixel ratio and shared by every result window: a new icon
    // would scale it anew under a new key of the pixmap cache, which keeps its keys.
    static QHash<std::pair<int, qreal>, QPixmap> scaled;
    QPixmap& pixmap = scaled[{*index, devicePixelRatio}];
    if (pixmap.isNull()) {
        const QIcon icon(QStringLiteral(":/pictures/") +
                         QLatin1StringView(picture->fileName.data(), static_cast<qsizetype>(picture->fileName.size())));
        pixmap = icon.pixmap(kAngelPictureSize, devicePixelRatio);
    }
    return pixmap;
}

QIcon ProgramIcon() {
    QIcon icon;
    for (const int size : kIconSizes) {
        icon.addFile(QStringLiteral(":/icons/seraphel-%1.png").arg(size), QSize(size, size));
    }
    return icon;
}

} // namespace seraphel
