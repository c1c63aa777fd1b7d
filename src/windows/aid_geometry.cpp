#include "windows/aid_geometry.h"

#include <charconv>
#include <cmath>
#include <numbers>

namespace kestrom {

namespace {

double radians(double deg) {
  return deg * std::numbers::pi / 180.0;
}

int truncated(double v) {
  return static_cast<int>(std::trunc(v));
}

// Screen angle of the radial from c through p: counter-clockwise from 3 o'clock.
double screenAngle(Point c, Point p) {
  double a = std::atan2(static_cast<double>(c.y - p.y), static_cast<double>(p.x - c.x)) * 180.0 /
             std::numbers::pi;
  return a < 0 ? a + 360.0 : a;
}

}  // namespace

Point polarPoint(Point c, double r, double phiDeg) {
  double phi = radians(phiDeg);
  return {c.x + truncated(r * std::sin(phi)), c.y - truncated(r * std::cos(phi))};
}

AidLines aidLines(Point c, double theta) {
  AidLines g;
  g.centre = c;
  g.pointer = polarPoint(c, 58, theta);
  double t = radians(theta);
  int bx = truncated(52 * std::cos(t));
  int by = truncated(52 * std::sin(t));
  g.baselineA = {c.x + bx, c.y + by};
  g.baselineB = {c.x - bx, c.y - by};
  g.beamLeft = polarPoint(c, 52, theta - 5);
  g.beamRight = polarPoint(c, 52, theta + 5);
  g.inLockLeft = polarPoint(c, 50, theta - 10);
  g.inLockRight = polarPoint(c, 50, theta + 10);
  return g;
}

ScanArc scanArc(Point c, int leftLimit, int rightLimit) {
  ScanArc a;
  a.left = c.x - 58;
  a.top = c.y - 58;
  a.right = c.x + 58;
  a.bottom = c.y + 58;
  a.startPoint = polarPoint(c, 54, leftLimit);
  a.endPoint = polarPoint(c, 54, rightLimit);
  a.startAngle = screenAngle(c, a.startPoint);
  // The sector the antenna scans runs clockwise from the left limit to the right.
  double span = a.startAngle - screenAngle(c, a.endPoint);
  if (span <= 0) span += 360.0;
  a.spanAngle = -span;
  return a;
}

}  // namespace kestrom
