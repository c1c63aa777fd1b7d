#include "qt/about_box_view.h"

#include <QCloseEvent>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>

#include "qt/app_icon.h"
#include "qt/screen_centre.h"
#include "windows/about_box.h"

namespace kestrom {

namespace {

QLabel* plainLabel(const std::string& text, QWidget* parent) {
  auto* label = new QLabel(QString::fromStdString(text), parent);
  label->setTextFormat(Qt::PlainText);  // keep every space of the texts
  label->setAccessibleName(label->text());
  return label;
}

}  // namespace

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
    : QWidget(nullptr, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint), model_(model), hub_(hub) {
  setWindowTitle(QString::fromStdString(model_.Caption()));
  setAccessibleName(windowTitle());
  setFixedSize(model_.Width, model_.Height);

  auto* panel = new QFrame(this);
  panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  panel->setLineWidth(1);

  icon_ = new ProgramIconButton(panel);
  productName_ = plainLabel(model_.ProductName.Caption, panel);
  QFont heading = productName_->font();
  heading.setBold(true);
  heading.setPointSizeF(heading.pointSizeF() * 1.25);
  productName_->setFont(heading);
  productTitle_ = plainLabel(model_.ProductTitle.Caption, panel);
  version_ = plainLabel(model_.Version.Caption, panel);
  versionNumber_ = plainLabel(model_.VersionNumber.Caption, panel);

  auto* texts = new QVBoxLayout;
  texts->setSpacing(6);
  texts->addStretch();
  texts->addWidget(productName_);
  texts->addWidget(productTitle_);
  auto* versionRow = new QHBoxLayout;
  versionRow->setSpacing(0);
  versionRow->addWidget(version_);
  versionRow->addWidget(versionNumber_);
  versionRow->addStretch();
  texts->addLayout(versionRow);
  texts->addStretch();

  auto* panelLayout = new QHBoxLayout(panel);
  panelLayout->setContentsMargins(14, 14, 14, 14);
  panelLayout->setSpacing(16);
  panelLayout->addWidget(icon_, 0, Qt::AlignVCenter);
  panelLayout->addLayout(texts, 1);

  ok_ = new QPushButton(QStringLiteral("OK"), this);
  ok_->setAccessibleName(QStringLiteral("OK"));
  ok_->setDefault(true);
  ok_->setMinimumWidth(75);

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(8, 8, 8, 10);
  layout->setSpacing(10);
  layout->addWidget(panel, 1);
  layout->addWidget(ok_, 0, Qt::AlignHCenter);

  connect(icon_, &QAbstractButton::clicked, this, [this] {
    model_.ProgramIconClick();
    hub_.refreshAll();
  });
  connect(ok_, &QPushButton::clicked, this, [this] {
    model_.aboutbtncloseClick();
    hub_.refreshAll();
  });

  hub_.addView(this);
}

AboutBoxView::~AboutBoxView() {
  hub_.removeView(this);
}

void AboutBoxView::refreshFromModel() {
  if (model_.Visible() == isVisible()) return;
  if (model_.Visible()) {
    centreOnScreen(*this);
    show();
    raise();
    activateWindow();
  } else {
    hide();
  }
}

void AboutBoxView::closeEvent(QCloseEvent* event) {
  event->accept();
  model_.Close();
  hub_.refreshAll();
}

}  // namespace kestrom
