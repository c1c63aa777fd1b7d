#include "qt/colours.h"

namespace kestrom {

QColor toQColor(Color c) {
  return QColor(c & 0xFF, (c >> 8) & 0xFF, (c >> 16) & 0xFF);
}

QString colourName(Color c) {
  switch (c & 0xFFFFFF) {
    case clLime:
      return QStringLiteral("lime");
    case clRed:
      return QStringLiteral("red");
    case clBlack:
      return QStringLiteral("black");
    case clSilver:
      return QStringLiteral("silver");
    case clWhite:
      return QStringLiteral("white");
    case clBlue:
      return QStringLiteral("blue");
    case 0x008000:
      return QStringLiteral("green");
    case 0x00FFFF:
      return QStringLiteral("yellow");
    case 0x808080:
      return QStringLiteral("grey");
    default:
      return toQColor(c).name().toUpper();
  }
}

}  // namespace kestrom
