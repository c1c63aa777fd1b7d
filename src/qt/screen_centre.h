#pragma once

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace kestrom {

// Moves a top-level window so that it stands in the middle of its screen's
// available area (the primary screen before it has one).
inline void centreOnScreen(QWidget& window) {
  QScreen* screen = window.screen() ? window.screen() : QGuiApplication::primaryScreen();
  if (!screen) return;
  const QRect area = screen->availableGeometry();
  const QSize size =
      window.frameSize().isValid() && window.isVisible() ? window.frameSize() : window.size();
  window.move(area.x() + (area.width() - size.width()) / 2,
              area.y() + (area.height() - size.height()) / 2);
}

}  // namespace kestrom
