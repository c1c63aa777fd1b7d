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

  auto* readout = new QHBoxLayout;
  readout->addWidget(label(model.Label1.Caption.c_str()));
  distance_ = label("");
  QFont bold = distance_->font();
  bold.setBold(true);
  distance_->setFont(bold);
  readout->addWidget(distance_);
  readout->addWidget(label(model.Label3.Caption.c_str()));
  readout->addStretch();
  layout->addLayout(readout);

  // Slider and bar side by side, each with its end labels.
  auto* scales = new QGridLayout;
  scales->setHorizontalSpacing(10);
  scales->addWidget(label("Max."), 0, 0, Qt::AlignHCenter);
  scales->addWidget(label("Min."), 2, 0, Qt::AlignHCenter);
  scales->addWidget(label("3000 Mtr."), 0, 1, Qt::AlignHCenter);
  scales->addWidget(label("0 Mtr."), 2, 1, Qt::AlignHCenter);

  const auto& track = model.TrackBar1;
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
  scales->addWidget(slider_, 1, 0, Qt::AlignHCenter);

  bar_ = new QProgressBar(this);
  bar_->setOrientation(Qt::Vertical);
  bar_->setRange(model.ProgressBar1.Min, model.ProgressBar1.Max);
  bar_->setTextVisible(false);
  bar_->setFixedWidth(18);
  bar_->setAccessibleName(QStringLiteral("Distance in metres"));
  scales->addWidget(bar_, 1, 1, Qt::AlignHCenter);
  scales->setRowStretch(1, 1);
  layout->addLayout(scales, 1);

  auto* steps = new QHBoxLayout;
  increase_ = button("Increase  ");
  decrease_ = button("Decrease");
  steps->addWidget(increase_);
  steps->addWidget(decrease_);
  layout->addLayout(steps);
  close_ = button("Close");
  layout->addWidget(close_, 0, Qt::AlignHCenter);

  connect(increase_, &QPushButton::clicked, this,
          [this] { forward([this] { model_.BitBtn2Click(); }); });
  connect(decrease_, &QPushButton::clicked, this,
          [this] { forward([this] { model_.BitBtn3Click(); }); });
  connect(close_, &QPushButton::clicked, this,
          [this] { forward([this] { model_.BitBtn1Click(); }); });

  DistanceAdjustView::refreshControls();
}

QLabel* DistanceAdjustView::label(const char* text) {
  auto* l = new QLabel(QString::fromUtf8(text), this);
  l->setAccessibleName(l->text());
  return l;
}

QPushButton* DistanceAdjustView::button(const char* text) {
  auto* b = new QPushButton(QString::fromUtf8(text), this);
  b->setFixedSize(75, 25);
  b->setAccessibleName(b->text());
  b->setAutoDefault(true);  // Return presses it when focused, as Space does
  return b;
}

void DistanceAdjustView::refreshControls() {
  QString text = QString::fromStdString(model_.Label2.Caption);
  if (distance_->text() != text) {
    distance_->setText(text);
    distance_->setAccessibleName(text);
  }
  if (slider_->value() != model_.TrackBar1.Position) {
    QSignalBlocker quiet(slider_);
    slider_->setValue(model_.TrackBar1.Position);
  }
  bar_->setValue(model_.ProgressBar1.Position);
  QString description = QStringLiteral("%1 Meter").arg(text);
  if (slider_->accessibleDescription() != description)
    slider_->setAccessibleDescription(description);
}

}  // namespace kestrom
