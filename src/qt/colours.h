#pragma once

#include <QColor>
#include <QString>

#include "core/controls.h"

namespace kestrom {

// A 0xBBGGRR colour as Qt's colour.
QColor toQColor(Color c);
// A colour as a word a screen reader can say: "lime", "red", ... or "#RRGGBB".
QString colourName(Color c);

}  // namespace kestrom
