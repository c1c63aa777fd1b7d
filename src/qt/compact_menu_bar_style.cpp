#include "qt/compact_menu_bar_style.h"

namespace kestrom {

CompactMenuBarStyle* CompactMenuBarStyle::instance() {
  static auto* const style = new CompactMenuBarStyle;  // NOLINT: never deleted on purpose
  return style;
}

QSize CompactMenuBarStyle::sizeFromContents(ContentsType type, const QStyleOption* option,
                                            const QSize& size, const QWidget* widget) const {
  if (type == CT_MenuBarItem) return size + QSize(2 * kItemPaddingX, 2 * kItemPaddingY);
  return QProxyStyle::sizeFromContents(type, option, size, widget);
}

int CompactMenuBarStyle::pixelMetric(PixelMetric metric, const QStyleOption* option,
                                     const QWidget* widget) const {
  if (metric == PM_MenuBarItemSpacing) return 0;
  return QProxyStyle::pixelMetric(metric, option, widget);
}

}  // namespace kestrom
