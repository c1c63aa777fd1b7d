#include "panels/mobile/mobile_dial.h"

#include <cmath>
#include <numbers>

namespace kestrom {

namespace {
double radians(double degrees) {
  return degrees * std::numbers::pi / 180.0;
}
}  // namespace

DialPoint dialPoint(double degrees, double r) {
  const DialPoint c = MobileDialPicture::kCentre;
  return {c.x + static_cast<int>(std::lround(r * std::sin(radians(degrees)))),
          c.y - static_cast<int>(std::lround(r * std::cos(radians(degrees))))};
}

MobileDialPicture mobileDialPicture(double a, bool inBeam, std::optional<int> leftLimit,
                                    std::optional<int> rightLimit) {
  const DialPoint c = MobileDialPicture::kCentre;
  MobileDialPicture p;
  p.pointer = dialPoint(a, 58);
  int dx = static_cast<int>(std::lround(52 * std::cos(radians(a))));
  int dy = static_cast<int>(std::lround(52 * std::sin(radians(a))));
  p.crossbarA = {c.x + dx, c.y + dy};
  p.crossbarB = {c.x - dx, c.y - dy};
  p.sideLeft = dialPoint(a - 5, 52);
  p.sideRight = dialPoint(a + 5, 52);
  if (inBeam) {
    p.beamLeft = dialPoint(a - 10, 50);
    p.beamRight = dialPoint(a + 10, 50);
  }
  if (leftLimit && rightLimit) {
    p.arcStart = dialPoint(*leftLimit, 54);
    p.arcEnd = dialPoint(*rightLimit, 54);
  }
  return p;
}

}  // namespace kestrom
