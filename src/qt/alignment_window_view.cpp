#include "qt/alignment_window_view.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QPainter>
#include <QPainterPath>
#include <QShortcut>

#include "windows/alignment_window.h"

#ifndef KESTROM_INSTALLED_PICTURES
#define KESTROM_INSTALLED_PICTURES "/usr/share/kestrom-simulator/pictures"
#endif

namespace kestrom {

namespace {

// Where things stand in the 356 x 470 window.
constexpr QPoint kEyepiece{178, 170};  // centre of the view
constexpr int kPictureSize = TAlignfix::kPictureSize;
constexpr QRect kPreviousArrow{46, 326, 64, 44};
constexpr QRect kNextArrow{246, 326, 64, 44};

QRect pictureRect() {
  return {kEyepiece.x() - kPictureSize / 2, kEyepiece.y() - kPictureSize / 2, kPictureSize,
          kPictureSize};
}

void drawTube(QPainter& p) {
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(0x50, 0x50, 0x58));
  p.drawEllipse(kEyepiece, 116, 116);
  p.setBrush(QColor(0x8c, 0x8c, 0x94));
  p.drawEllipse(kEyepiece, 108, 108);
  p.setBrush(QColor(0x20, 0x20, 0x24));
  p.drawEllipse(kEyepiece, 100, 100);
}

// The mount under the tube: a yoke, a column and three feet.
void drawMount(QPainter& p) {
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(0x60, 0x60, 0x68));
  p.drawRect(QRect(158, 284, 40, 28));
  p.drawPolygon(QPolygon({{138, 312}, {218, 312}, {206, 322}, {150, 322}}));
  QPen leg(QColor(0x60, 0x60, 0x68), 6, Qt::SolidLine, Qt::RoundCap);
  p.setPen(leg);
  p.drawLine(178, 322, 178, 400);
  p.drawLine(170, 322, 120, 404);
  p.drawLine(186, 322, 236, 404);
}

// The sight mark: a "V" notch over the view, its point on the view's middle.
void drawSightMark(QPainter& p) {
  const QRect view = pictureRect();
  const int x = view.center().x() + 1;
  const int tip = view.top() - 4;
  p.setPen(QPen(Qt::white, 2));
  p.setBrush(Qt::NoBrush);
  p.drawLine(x - 10, view.top() - 22, x, tip);
  p.drawLine(x + 10, view.top() - 22, x, tip);
}

}  // namespace

ArrowButton::ArrowButton(Direction direction, const QString& name, QWidget* parent)
    : QAbstractButton(parent), direction_(direction) {
  setAccessibleName(name);
  setToolTip(name);
  setFocusPolicy(Qt::StrongFocus);
  setCursor(Qt::PointingHandCursor);
}

void ArrowButton::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.setRenderHint(QPainter::Antialiasing);
  const QRectF r = QRectF(rect()).adjusted(4, 4, -4, -4);
  const qreal mid = r.center().y();
  QPolygonF arrow;
  if (direction_ == Direction::Right) {
    arrow << QPointF(r.left(), mid - 7) << QPointF(r.center().x(), mid - 7)
          << QPointF(r.center().x(), r.top()) << QPointF(r.right(), mid)
          << QPointF(r.center().x(), r.bottom()) << QPointF(r.center().x(), mid + 7)
          << QPointF(r.left(), mid + 7);
  } else {
    arrow << QPointF(r.right(), mid - 7) << QPointF(r.center().x(), mid - 7)
          << QPointF(r.center().x(), r.top()) << QPointF(r.left(), mid)
          << QPointF(r.center().x(), r.bottom()) << QPointF(r.center().x(), mid + 7)
          << QPointF(r.right(), mid + 7);
  }
  p.setPen(QPen(hasFocus() ? QColor(Qt::white) : QColor(0xa0, 0xa0, 0xa0), 2));
  p.setBrush(isDown() ? QColor(0xc0, 0xa0, 0x00) : QColor(0xff, 0xd0, 0x20));
  p.drawPolygon(arrow);
}

void ArrowButton::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
    click();
    return;
  }
  QAbstractButton::keyPressEvent(event);  // Space
}

PictureSearch AlignmentWindowView::standardPictureSearch() {
  const std::filesystem::path program = QCoreApplication::applicationDirPath().toStdString();
  return PictureSearch::standard(KESTROM_INSTALLED_PICTURES, program);
}

AlignmentWindowView::AlignmentWindowView(TAlignfix& model, ViewHub& hub)
    : AuxWindowBase(model, hub), model_(model) {
  QPalette black = palette();
  black.setColor(QPalette::Window, Qt::black);
  setPalette(black);
  setAutoFillBackground(true);

  picture_ = new QLabel(this);
  picture_->setGeometry(pictureRect());
  picture_->setAlignment(Qt::AlignCenter);
  picture_->setWordWrap(true);
  picture_->setTextFormat(Qt::PlainText);

  previous_ =
      new ArrowButton(ArrowButton::Direction::Left, QStringLiteral("Previous picture"), this);
  previous_->setGeometry(kPreviousArrow);
  connect(previous_, &QAbstractButton::clicked, this,
          [this] { forward([this] { model_.Image2Click(); }); });
  next_ = new ArrowButton(ArrowButton::Direction::Right, QStringLiteral("Next picture"), this);
  next_->setGeometry(kNextArrow);
  connect(next_, &QAbstractButton::clicked, this,
          [this] { forward([this] { model_.Image1Click(); }); });

  close_ = addButton("Close", [this] { model_.BitBtn3Click(); });
  close_->move((width() - close_->width()) / 2, height() - 45);
  setTabOrder(previous_, next_);
  setTabOrder(next_, close_);
  addStepKey(Qt::Key_Right, [this] { model_.Image1Click(); });
  addStepKey(Qt::Key_Left, [this] { model_.Image2Click(); });

  AlignmentWindowView::refreshControls();
}

void AlignmentWindowView::refreshControls() {
  const TAlignfix::Picture& shown = model_.Image3;
  if (shownOnce_ && shown.FileName == shownFile_ && shown.Where.path == shownPath_) return;
  shownOnce_ = true;
  shownFile_ = shown.FileName;
  shownPath_ = shown.Where.path;
  showPicture();
}

// The picture, or in its place why there is none.
void AlignmentWindowView::showPicture() {
  const TAlignfix::Picture& shown = model_.Image3;
  if (!shown.Where.found()) {
    showMessage(QString::fromStdString(shown.Where.missing));
    return;
  }
  const QString path = QString::fromStdString(shown.Where.path.string());
  QPixmap pixmap(path);
  if (pixmap.isNull()) {
    showMessage(QStringLiteral("Picture \"%1\" cannot be read:\n%2")
                    .arg(QString::fromStdString(shown.FileName), path));
    return;
  }
  picture_->setStyleSheet(QString());
  picture_->setPixmap(pixmap.scaled(kPictureSize, kPictureSize));
  picture_->setAccessibleName(QStringLiteral("View through the telescope"));
  picture_->setAccessibleDescription(QString::fromStdString(shown.FileName));
  picture_->setToolTip(path);
}

void AlignmentWindowView::showMessage(const QString& text) {
  picture_->setStyleSheet(QStringLiteral(
      "QLabel { background: #301010; color: #ffd0d0; font-size: 9px; padding: 2px; }"));
  // Long folder names break anywhere rather than run out of the picture.
  QString breakable = text;
  breakable.replace(QLatin1Char('/'), QStringLiteral("/\u200b"));
  picture_->setText(breakable);
  picture_->setAccessibleName(text);
  picture_->setAccessibleDescription(QString());
  picture_->setToolTip(text);
}

void AlignmentWindowView::paintEvent(QPaintEvent* event) {
  AuxWindowBase::paintEvent(event);
  QPainter p(this);
  p.setRenderHint(QPainter::Antialiasing);
  drawMount(p);
  drawTube(p);
  drawSightMark(p);
}

// A key that steps the pictures wherever the keyboard is in the window; the
// buttons would otherwise take the arrow keys to move the focus.
void AlignmentWindowView::addStepKey(Qt::Key key, const std::function<void()>& step) {
  auto* shortcut = new QShortcut(QKeySequence(key), this);
  shortcut->setContext(Qt::WindowShortcut);
  connect(shortcut, &QShortcut::activated, this, [this, step] { forward(step); });
}

void AlignmentWindowView::changeEvent(QEvent* event) {
  if (event->type() == QEvent::ActivationChange && isActiveWindow()) {
    forward([this] { model_.FormActivate(); });
  }
  AuxWindowBase::changeEvent(event);
}

}  // namespace kestrom
