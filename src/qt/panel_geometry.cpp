#include "qt/panel_geometry.h"

namespace kestrom {

namespace {

constexpr QSize kDigitKey{38, 38};
constexpr QSize kFunctionKey{45, 38};
constexpr QSize kSlewKey{60, 38};
constexpr QSize kRoundKey{50, 50};

// The basic plate with its display at (70 + dx, 78): display, keypad, function
// keys, slew keys, ON/OFF and TALK, legend strips, logo, lamp panel and key-group
// outlines.
PanelGeometry basicPlate(int dx) {
  PanelGeometry g;
  g.display = QRect(70 + dx, 78, 200, 100);
  g.cellLeftX = 86 + dx;
  g.cellRightX = 256 + dx;
  g.lineTops = {88, 108, 128, 148};

  const int col[3] = {98 + dx, 142 + dx, 186 + dx};
  const int row[3] = {182, 226, 270};  // 7-8-9, 4-5-6, 1-2-3
  const PanelKey digits[3][3] = {{PanelKey::D7, PanelKey::D8, PanelKey::D9},
                                 {PanelKey::D4, PanelKey::D5, PanelKey::D6},
                                 {PanelKey::D1, PanelKey::D2, PanelKey::D3}};
  for (int r = 0; r < 3; ++r)
    for (int c = 0; c < 3; ++c)
      g.keys.push_back({digits[r][c], QRect(QPoint(col[c], row[r]), kDigitKey)});
  g.keys.push_back({PanelKey::D0, QRect(QPoint(142 + dx, 314), kDigitKey)});

  const PanelKey functions[4] = {PanelKey::Del, PanelKey::Next, PanelKey::Menu, PanelKey::Enter};
  for (int i = 0; i < 4; ++i)
    g.keys.push_back({functions[i], QRect(QPoint(244 + dx, 182 + 44 * i), kFunctionKey)});

  g.keys.push_back({PanelKey::Left, QRect(QPoint(98 + dx, 366), kSlewKey)});
  g.keys.push_back({PanelKey::Right, QRect(QPoint(168 + dx, 366), kSlewKey)});
  g.keys.push_back({PanelKey::OnOff, QRect(QPoint(30 + dx, 180), kRoundKey)});
  g.keys.push_back({PanelKey::Talk, QRect(QPoint(30 + dx, 306), kRoundKey)});

  g.leftLegend = {QRect(50 + dx, 106, 16, 62), {"1", "2", "3"}};
  g.rightLegend = {QRect(269 + dx, 106, 16, 62), {"4", "5", "6"}};
  g.logo = QRect(70 + dx, 20, 200, 50);
  // Left of the logo, clear of the rubber frame and the screws, where the lamp
  // shows dark as well as lit.
  g.lampPanel = QRect(44 + dx, 20, 25, 19);

  g.keyGroups = {
      QRect(90 + dx, 174, 142, 186),  // numeric keypad
      QRect(237 + dx, 174, 59, 186),  // DEL, NEXT, MENU, ENTER
      QRect(90 + dx, 359, 146, 52),   // slew keys
      QRect(23 + dx, 173, 64, 64),    // ON/OFF
      QRect(23 + dx, 299, 64, 64),    // TALK
  };
  return g;
}

// A basic operating panel: the plate alone in a window of its own size, placed
// at `windowPos`.
PanelGeometry basicPanel(int dx, QPoint windowPos, const QString& subtitle,
                         const QString& displayName) {
  PanelGeometry g = basicPlate(dx);
  g.client = QSize(338, 442);
  g.windowPos = windowPos;
  g.subtitle = subtitle;
  g.displayName = displayName;
  return g;
}

}  // namespace

QRect PanelGeometry::keyRect(PanelKey key) const {
  for (const KeyPlace& k : keys)
    if (k.key == key) return k.rect;
  return {};
}

PanelGeometry fixPanelGeometry() {
  return basicPanel(0, QPoint(0, 47), QStringLiteral("FIX STATION"), QStringLiteral("Fix display"));
}

PanelGeometry beaconPanelGeometry() {
  return basicPanel(2, QPoint(1, 43), QStringLiteral("BEACON"), QStringLiteral("Beacon display"));
}

PanelGeometry mobilePanelGeometry() {
  PanelGeometry g = basicPlate(298);
  g.client = QSize(630, 438);
  g.subtitle = QStringLiteral("MOBILE STATION");
  g.displayName = QStringLiteral("Mobile display");

  DialFace dial;
  dial.window = QRect(62, 34, 226, 206);
  dial.circle = QRect(QPoint(116, 69), QSize(118, 118));
  const auto top = Qt::AlignHCenter | Qt::AlignBottom;
  dial.labels = {
      {QStringLiteral("Antenna"), QPoint(175, 232), top},
      {QStringLiteral("0"), QPoint(175, 65), top},
      {QStringLiteral("90"), QPoint(240, 128), Qt::AlignLeft | Qt::AlignVCenter},
      {QStringLiteral("180"), QPoint(175, 191), Qt::AlignHCenter | Qt::AlignTop},
      {QStringLiteral("270"), QPoint(110, 128), Qt::AlignRight | Qt::AlignVCenter},
  };
  g.dial = dial;
  return g;
}

}  // namespace kestrom
