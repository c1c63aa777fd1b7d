#pragma once

#include <QMargins>
#include <QObject>
#include <QRect>

class QWidget;

namespace kestrom {

// Where a top-level window stands: `rect` holds the top-left corner of its frame,
// as QWidget::move() takes it, and the size of its client area.
struct WindowPlacement {
  QRect rect;
  bool scrolls = false;  // the client area is smaller than the body it shows
  bool operator==(const WindowPlacement&) const = default;
};

// The place of a window that asks for `wanted` (frame corner and client size),
// with `frame` round its client area, on a screen whose free area is `available`.
// A window that fits keeps its place. One that would reach past an edge of the
// area moves in just far enough. Along a side the area cannot hold, the window
// starts at the area's edge and its client area shrinks to what the area leaves,
// so that its body must scroll; a scroll bar `scrollBar` pixels thick then takes
// room across the other side.
WindowPlacement placeWindow(const QRect& wanted, const QMargins& frame, const QRect& available,
                            int scrollBar = 0);

// The free area (less the desktop's panels) of the screen that holds `corner`, or
// else of the screen nearest to it.
QRect availableAreaFor(const QWidget& window, QPoint corner);
// The frame the window system puts round `window`: as it was when last shown, or
// before the first showing, the frame of another window of the program.
QMargins frameMarginsOf(const QWidget& window);
// placeWindow() for `window` with its frame corner at `corner` and a client area
// of `client`, on the screen it opens on.
WindowPlacement placementFor(const QWidget& window, QPoint corner, QSize client, int scrollBar = 0);

// Keeps every window of the program on the screen it opens on. Installed on the
// application, it places each top-level window as it is about to show: one that
// would reach off the screen's free area moves in; one that can be resized and
// does not fit is made as large as the area (its contents scroll). A window that
// no one has placed is left to the window manager, but still made to fit. The
// setup window, whose body scrolls, fits itself (SetupWindowView) and so already
// stands in its place when it shows.
class WindowPlacer : public QObject {
 public:
  using QObject::QObject;

  // Applies the rule to `window` now.
  static void place(QWidget& window);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
};

}  // namespace kestrom
