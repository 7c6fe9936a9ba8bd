#include "Pictures.h"

#include "Catalogue.h"

#include <array>

namespace seraphel {
namespace {

constexpr std::array<int, 6> kIconSizes{16, 32, 48, 64, 128, 256};

} // namespace

QPixmap AngelPixmap(PictureIndex index, qreal devicePixelRatio) {
    const auto picture = index ? PictureByIndex(*index) : std::nullopt;
    if (!picture) {
        return {};
    }
    const QIcon icon(QStringLiteral(":/pictures/") +
                     QLatin1StringView(picture->fileName.data(), static_cast<qsizetype>(picture->fileName.size())));
    return icon.pixmap(kAngelPictureSize, devicePixelRatio);
}

QIcon ProgramIcon() {
    QIcon icon;
    for (const int size : kIconSizes) {
        icon.addFile(QStringLiteral(":/icons/seraphel-%1.png").arg(size), QSize(size, size));
    }
    return icon;
}

} // namespace seraphel
