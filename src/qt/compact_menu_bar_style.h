#pragma once

#include <QProxyStyle>

namespace kestrom {

// The application's style with menu bar items packed close, as the bare setup
// window needs: its five menus share 200 pixels. (A style sheet would do the same
// at several milliseconds of start-up.)
class CompactMenuBarStyle : public QProxyStyle {
 public:
  // The one instance every menu bar shares; it lasts as long as the program, longer
  // than any widget that uses it.
  static CompactMenuBarStyle* instance();

  // Each item's text with this much room around it.
  static constexpr int kItemPaddingX = 4;
  static constexpr int kItemPaddingY = 2;

  QSize sizeFromContents(ContentsType type, const QStyleOption* option, const QSize& size,
                         const QWidget* widget) const override;
  int pixelMetric(PixelMetric metric, const QStyleOption* option,
                  const QWidget* widget) const override;
};

}  // namespace kestrom
