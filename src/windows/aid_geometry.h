#pragma once

#include <optional>

#include <string>

namespace kestrom {

// A pixel position on a window's client area (x to the right, y downwards).
struct Point {
  int x = 0;
  int y = 0;
  friend bool operator==(const Point&, const Point&) = default;
};

// The point at radius r and compass angle phi (degrees clockwise from screen-up)
// about c, each offset cut toward zero: (cx + trunc(r sin phi), cy - trunc(r cos phi)).
Point polarPoint(Point c, double r, double phiDeg);

// The lines of the Fix antenna dial for the antenna direction theta
// (FixAzimuth + 180). Every line starts at the centre.
struct AidLines {
  Point centre;
  Point pointer;                  // P(58, theta)
  Point baselineA, baselineB;     // at right angles to the pointer, 52 px each side
  Point beamLeft, beamRight;      // P(52, theta - 5), P(52, theta + 5)
  Point inLockLeft, inLockRight;  // P(50, theta - 10), P(50, theta + 10)
};
AidLines aidLines(Point centre, double theta);

// The autosearch sector mark: an arc of the circle in the box centre +- 58, from
// the radial through P(54, L) to the radial through P(54, R), running clockwise on
// screen over the sector the antenna scans. Angles are in degrees counter-clockwise
// from the 3 o'clock direction, so the span is negative (clockwise); when both
// radials coincide the arc is the full circle.
struct ScanArc {
  int left = 0, top = 0, right = 0, bottom = 0;
  Point startPoint, endPoint;
  double startAngle = 0;
  double spanAngle = 0;  // -360 <= span < 0: clockwise
};
ScanArc scanArc(Point centre, int leftLimit, int rightLimit);

}  // namespace kestrom
