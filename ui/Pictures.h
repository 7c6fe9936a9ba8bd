// The pictures built into the program: the fourteen angels that the readings point to by
// index, and the program's icon. Qt picks the "@2x" pictures on dense screens itself.
#pragma once

#include "AngelReading.h"

#include <QIcon>
#include <QPixmap>
#include <QSize>

namespace seraphel {

inline constexpr QSize kAngelPictureSize{75, 112};

// The angel picture at the reading's index, at its own size on a screen of the given pixel
// ratio; a null pixmap when the reading holds no picture.
QPixmap AngelPixmap(PictureIndex index, qreal devicePixelRatio);

// The program's icon in every size it is drawn in.
QIcon ProgramIcon();

} // namespace seraphel
