#include "qt/window_placement.h"

#include <QApplication>
#include <QEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <algorithm>

namespace kestrom {

namespace {

struct Span {
  int start;
  int length;
  bool scrolls;
};

// One side of a window: a client `length` long with `before` and `after` of frame,
// starting at `start`, inside the area's span from `areaStart`, `areaLength` long.
Span fit(int start, int length, int before, int after, int areaStart, int areaLength) {
  const int room = areaLength - before - after;
  if (length <= room) {
    const int lastStart = areaStart + areaLength - (before + length + after);
    return {std::clamp(start, areaStart, lastStart), length, false};
  }
  return {areaStart, std::max(room, 1), true};
}

QMargins ownFrameOf(const QWidget& window) {
  const QRect frame = window.frameGeometry();
  const QRect client = window.geometry();
  return {client.left() - frame.left(), client.top() - frame.top(), frame.right() - client.right(),
          frame.bottom() - client.bottom()};
}

}  // namespace

WindowPlacement placeWindow(const QRect& wanted, const QMargins& frame, const QRect& available,
                            int scrollBar) {
  if (available.isEmpty()) return {wanted, false};
  const int roomWidth = available.width() - frame.left() - frame.right();
  const int roomHeight = available.height() - frame.top() - frame.bottom();
  int width = wanted.width();
  int height = wanted.height();
  if (height > roomHeight && width <= roomWidth) width += scrollBar;
  if (width > roomWidth && height <= roomHeight) height += scrollBar;
  const Span x =
      fit(wanted.x(), width, frame.left(), frame.right(), available.x(), available.width());
  const Span y =
      fit(wanted.y(), height, frame.top(), frame.bottom(), available.y(), available.height());
  return {QRect(x.start, y.start, x.length, y.length), x.scrolls || y.scrolls};
}

QRect availableAreaFor(const QWidget& window, QPoint corner) {
  // The screen that holds the corner, or else the nearest to it.
  QScreen* nearest = nullptr;
  qint64 nearestDistance = 0;
  for (QScreen* screen : QGuiApplication::screens()) {
    const QRect g = screen->geometry();
    const qint64 dx = std::max({g.left() - corner.x(), corner.x() - g.right(), 0});
    const qint64 dy = std::max({g.top() - corner.y(), corner.y() - g.bottom(), 0});
    if (!nearest || dx * dx + dy * dy < nearestDistance) {
      nearest = screen;
      nearestDistance = dx * dx + dy * dy;
    }
  }
  if (!nearest) nearest = window.screen();
  return nearest ? nearest->availableGeometry() : QRect();
}

QMargins frameMarginsOf(const QWidget& window) {
  const QMargins own = ownFrameOf(window);
  if (!own.isNull() || window.windowFlags().testFlag(Qt::FramelessWindowHint) ||
      window.windowType() == Qt::SplashScreen)
    return own;
  // Not framed yet: the window manager will frame it as it framed the others.
  for (const QWidget* other : QApplication::topLevelWidgets()) {
    if (other == &window || !other->isVisible() || other->windowType() != Qt::Window) continue;
    const QMargins theirs = ownFrameOf(*other);
    if (!theirs.isNull()) return theirs;
  }
  return own;
}

WindowPlacement placementFor(const QWidget& window, QPoint corner, QSize client, int scrollBar) {
  return placeWindow(QRect(corner, client), frameMarginsOf(window),
                     availableAreaFor(window, corner), scrollBar);
}

void WindowPlacer::place(QWidget& window) {
  const WindowPlacement p = placementFor(window, window.pos(), window.size());
  const bool resizable = window.minimumSize() != window.maximumSize();
  if (p.scrolls && resizable) window.resize(p.rect.size().expandedTo(window.minimumSize()));
  if (window.testAttribute(Qt::WA_Moved) && window.pos() != p.rect.topLeft())
    window.move(p.rect.topLeft());
}

bool WindowPlacer::eventFilter(QObject* watched, QEvent* event) {
  // Sent before the window system shows the window, so it shows in its place.
  if (event->type() == QEvent::Show && !event->spontaneous() && watched->isWidgetType()) {
    auto* window = static_cast<QWidget*>(watched);
    const Qt::WindowType type = window->windowType();
    if (window->isWindow() &&
        (type == Qt::Window || type == Qt::Dialog || type == Qt::SplashScreen)) {
      place(*window);
    }
  }
  return QObject::eventFilter(watched, event);
}

}  // namespace kestrom
