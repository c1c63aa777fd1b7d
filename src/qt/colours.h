#pragma once

#include <QColor>
#include <QString>

#include "core/controls.h"

namespace kestrom {

// A 0xBBGGRR colour as Qt's colour.
QColor toQColor(Color c);
// A colour as a word a screen reader can say: "lime", "red", ... or "#RRGGBB".
QString colourName(Color c);
// A lamp as a screen reader says it: "lit, lime", "unlit, black", ...
QString lampDescription(bool lit, Color shown);

}  // namespace kestrom
