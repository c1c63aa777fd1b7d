#pragma once

#include <QPointF>
#include <cmath>
#include <numbers>

namespace kestrom {

// Point at `radius` from `centre`, `degrees` clockwise from screen-up: how every
// dial and picture of the program places things around a centre.
inline QPointF polar(QPointF centre, double radius, double degrees) {
  const double a = degrees * std::numbers::pi / 180.0;
  return {centre.x() + radius * std::sin(a), centre.y() - radius * std::cos(a)};
}

}  // namespace kestrom
