#pragma once

#include <QColor>
#include <QGradient>
#include <initializer_list>

namespace kestrom {

// A colour at a point of a gradient: 0 at its start, 1 at its end.
struct ColourStop {
  qreal at;
  QColor colour;
};

// `gradient` with its colour stops set, so that a shaded fill is one expression.
template <class Gradient>
Gradient withStops(Gradient gradient, std::initializer_list<ColourStop> stops) {
  for (const ColourStop& stop : stops) gradient.setColorAt(stop.at, stop.colour);
  return gradient;
}

}  // namespace kestrom
