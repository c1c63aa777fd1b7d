#include "qt/bearing_window_view.h"

#include "windows/bearing_window.h"

namespace kestrom {

BearingWindowView::BearingWindowView(Tabw& model, ViewHub& hub)
    : AuxWindowBase(model, hub), model_(model) {
  label_ = new QLabel(this);
  QFont big;
  big.setFamilies(
      {QStringLiteral("Times New Roman"), QStringLiteral("DejaVu Serif"), QStringLiteral("serif")});
  big.setStyleHint(QFont::Serif);
  big.setPixelSize(64);
  label_->setFont(big);
  label_->setGeometry(8, 0, width() - 16, 90);
  label_->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);

  close_ = addButton("Close", [this] { model_.BitBtn1Click(); });
  close_->move((width() - 75) / 2, height() - 37);

  BearingWindowView::refreshControls();
}

void BearingWindowView::refreshControls() {
  showText(label_, model_.Label1.Caption);
}

}  // namespace kestrom
