#pragma once

#include <optional>

namespace kestrom {

struct DialPoint {
  int x = 0;
  int y = 0;
  bool operator==(const DialPoint&) const = default;
};

// What the Mobile panel's antenna dial shows, in window pixels: the dial circle
// (ellipse bounded by 116,69 - 234,187), the antenna (pointer, crossbar, side
// lines), the beam lines while in beam and the scan arc while it is shown.
struct MobileDialPicture {
  static constexpr DialPoint kCentre{175, 128};
  DialPoint pointer;
  DialPoint crossbarA, crossbarB;
  DialPoint sideLeft, sideRight;
  std::optional<DialPoint> beamLeft, beamRight;
  // Scan arc: circle bounded by 117,70 - 233,186, pen width 5, drawn from the ray
  // toward arcStart clockwise (the scanned sector) to the ray toward arcEnd.
  std::optional<DialPoint> arcStart, arcEnd;
};

// Point at compass angle `degrees` (0 up, clockwise) and radius r from the centre,
// offsets rounded to the nearest pixel.
DialPoint dialPoint(double degrees, double r);

MobileDialPicture mobileDialPicture(double antennaDirection, bool inBeam,
                                    std::optional<int> leftLimit, std::optional<int> rightLimit);

}  // namespace kestrom
