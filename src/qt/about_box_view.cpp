#include "qt/about_box_view.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>

#include "qt/app_icon.h"
#include "windows/about_box.h"

namespace kestrom {

ProgramIconButton::ProgramIconButton(QWidget* parent) : QAbstractButton(parent) {
  setFocusPolicy(Qt::NoFocus);
  setAccessibleName(QStringLiteral("Program icon"));
  setFixedSize(ProgramIconButton::sizeHint());
}

void ProgramIconButton::paintEvent(QPaintEvent*) {
  QPainter p(this);
  const QRectF box = QRectF(rect()).adjusted(1, 1, -1, -1);
  paintAppIcon(p, isDown() ? box.translated(1, 1) : box);
}

AboutBoxView::AboutBoxView(TAboutBox& model, ViewHub& hub)
    : AuxWindowBase(model, hub, AuxWindowStyle::dialogBox()), model_(model) {
  QFrame* panel = buildPanel();

  ok_ = new QPushButton(QStringLiteral("OK"), this);
  ok_->setAccessibleName(QStringLiteral("OK"));
  ok_->setDefault(true);
  ok_->setMinimumWidth(75);
  connect(ok_, &QPushButton::clicked, this,
          [this] { forward([this] { model_.aboutbtncloseClick(); }); });

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(8, 8, 8, 10);
  layout->setSpacing(10);
  layout->addWidget(panel, 1);
  layout->addWidget(ok_, 0, Qt::AlignHCenter);
}

// The lowered panel: the icon, and beside it the product's name, title and version.
QFrame* AboutBoxView::buildPanel() {
  auto* panel = new QFrame(this);
  panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  panel->setLineWidth(1);

  icon_ = new ProgramIconButton(panel);
  connect(icon_, &QAbstractButton::clicked, this,
          [this] { forward([this] { model_.ProgramIconClick(); }); });
  QLabel* productName = addLabel(model_.ProductName.Caption, panel);
  QFont heading = productName->font();
  heading.setBold(true);
  heading.setPointSizeF(heading.pointSizeF() * 1.25);
  productName->setFont(heading);

  auto* texts = new QVBoxLayout;
  texts->setSpacing(6);
  texts->addStretch();
  texts->addWidget(productName);
  texts->addWidget(addLabel(model_.ProductTitle.Caption, panel));
  auto* versionRow = new QHBoxLayout;
  versionRow->setSpacing(0);
  versionRow->addWidget(addLabel(model_.Version.Caption, panel));
  versionRow->addWidget(addLabel(model_.VersionNumber.Caption, panel));
  versionRow->addStretch();
  texts->addLayout(versionRow);
  texts->addStretch();

  auto* panelLayout = new QHBoxLayout(panel);
  panelLayout->setContentsMargins(14, 14, 14, 14);
  panelLayout->setSpacing(16);
  panelLayout->addWidget(icon_, 0, Qt::AlignVCenter);
  panelLayout->addLayout(texts, 1);
  return panel;
}

}  // namespace kestrom
