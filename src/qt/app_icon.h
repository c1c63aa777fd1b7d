#pragma once

#include <QIcon>
#include <QRectF>

class QPainter;

namespace kestrom {

// The program icon: a radar dial with its sweep. Any window may use it; the
// application sets it as the default window icon.
QIcon appIcon();

// Draws the icon into `box` at any size (the about box shows it stretched).
void paintAppIcon(QPainter& painter, const QRectF& box);

}  // namespace kestrom
