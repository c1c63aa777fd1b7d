#include "qt/colours.h"

namespace kestrom {

namespace {

struct NamedColour {
  Color colour;
  const char* name;
};

// The colours the windows show, by the word a screen reader says for them.
constexpr NamedColour kNamedColours[] = {
    {clLime, "lime"},     {clRed, "red"},       {clBlack, "black"},
    {clSilver, "silver"}, {clWhite, "white"},   {clBlue, "blue"},
    {0x008000, "green"},  {0x00FFFF, "yellow"}, {0x808080, "grey"},
};

}  // namespace

QColor toQColor(Color c) {
  return QColor(c & 0xFF, (c >> 8) & 0xFF, (c >> 16) & 0xFF);
}

QString colourName(Color c) {
  for (const NamedColour& named : kNamedColours) {
    if ((c & 0xFFFFFF) == named.colour) return QString::fromLatin1(named.name);
  }
  return toQColor(c).name().toUpper();
}

QString lampDescription(bool lit, Color shown) {
  return (lit ? QStringLiteral("lit, ") : QStringLiteral("unlit, ")) + colourName(shown);
}

}  // namespace kestrom
