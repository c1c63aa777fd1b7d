#include "qt/distance_adjust_view.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "windows/distance_adjust.h"

namespace kestrom {

DistanceAdjustView::DistanceAdjustView(Tafstmenu& model, ViewHub& hub)
    : AuxWindowBase(model, hub), model_(model) {
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(12, 10, 12, 10);
  layout->addLayout(buildReadout());
  layout->addLayout(buildScales(), 1);

  auto* steps = new QHBoxLayout;
  increase_ = addButton("Increase  ", [this] { model_.BitBtn2Click(); });
  decrease_ = addButton("Decrease", [this] { model_.BitBtn3Click(); });
  steps->addWidget(increase_);
  steps->addWidget(decrease_);
  layout->addLayout(steps);
  close_ = addButton("Close", [this] { model_.BitBtn1Click(); });
  layout->addWidget(close_, 0, Qt::AlignHCenter);

  DistanceAdjustView::refreshControls();
}

QLayout* DistanceAdjustView::buildReadout() {
  auto* readout = new QHBoxLayout;
  readout->addWidget(addLabel(model_.Label1.Caption));
  distance_ = addLabel("");
  QFont bold = distance_->font();
  bold.setBold(true);
  distance_->setFont(bold);
  readout->addWidget(distance_);
  readout->addWidget(addLabel(model_.Label3.Caption));
  readout->addStretch();
  return readout;
}

// Slider and bar side by side, each with its end labels.
QLayout* DistanceAdjustView::buildScales() {
  auto* scales = new QGridLayout;
  scales->setHorizontalSpacing(10);
  scales->addWidget(addLabel("Max."), 0, 0, Qt::AlignHCenter);
  scales->addWidget(addLabel("Min."), 2, 0, Qt::AlignHCenter);
  scales->addWidget(addLabel("3000 Mtr."), 0, 1, Qt::AlignHCenter);
  scales->addWidget(addLabel("0 Mtr."), 2, 1, Qt::AlignHCenter);
  scales->addWidget(buildSlider(), 1, 0, Qt::AlignHCenter);

  bar_ = new QProgressBar(this);
  bar_->setOrientation(Qt::Vertical);
  bar_->setRange(model_.ProgressBar1.Min, model_.ProgressBar1.Max);
  bar_->setTextVisible(false);
  bar_->setFixedWidth(18);
  bar_->setAccessibleName(QStringLiteral("Distance in metres"));
  scales->addWidget(bar_, 1, 1, Qt::AlignHCenter);
  scales->setRowStretch(1, 1);
  return scales;
}

QSlider* DistanceAdjustView::buildSlider() {
  const auto& track = model_.TrackBar1;
  slider_ = new QSlider(Qt::Vertical, this);
  slider_->setRange(track.Min, track.Max);
  slider_->setSingleStep(track.LineSize);
  slider_->setPageStep(track.Frequency);
  slider_->setTickInterval(track.Frequency);
  slider_->setTickPosition(QSlider::TicksBothSides);
  // Position 0 sits at the top, so pushing the handle up lengthens the distance;
  // the arrow keys move the handle the way they point.
  slider_->setInvertedAppearance(true);
  slider_->setInvertedControls(true);
  // No filled groove: a fill from the top would read as the opposite of the distance.
  QPalette plain = slider_->palette();
  plain.setColor(QPalette::Highlight, plain.color(QPalette::Base));
  slider_->setPalette(plain);
  slider_->setAccessibleName(QStringLiteral("Distance"));
  connect(slider_, &QSlider::valueChanged, this,
          [this](int position) { forward([&] { model_.TrackBar1Change(position); }); });
  return slider_;
}

void DistanceAdjustView::refreshControls() {
  showText(distance_, model_.Label2.Caption);
  if (slider_->value() != model_.TrackBar1.Position) {
    QSignalBlocker quiet(slider_);
    slider_->setValue(model_.TrackBar1.Position);
  }
  bar_->setValue(model_.ProgressBar1.Position);
  describe(slider_, QStringLiteral("%1 Meter").arg(distance_->text()));
}

}  // namespace kestrom
