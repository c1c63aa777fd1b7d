#include "qt/qt_services.h"

#include <QApplication>
#include <QMessageBox>
#include <QTime>

namespace kestrom {

StdRandom::StdRandom() : engine_(std::random_device{}()) {}

int StdRandom::random(int n) {
  if (n <= 0) return 0;
  return std::uniform_int_distribution<int>(0, n - 1)(engine_);
}

double StdRandom::randomReal() {
  return std::uniform_real_distribution<double>(0.0, 1.0)(engine_);
}

std::string SystemClock::timeOfDay() {
  return QTime::currentTime().toString(QStringLiteral("HH:mm:ss")).toStdString();
}

QtMessageBoxes::~QtMessageBoxes() {
  *alive_ = false;
  delete shown_;
}

void QtMessageBoxes::information(const std::string& text) {
  tell(false, text);
}

MessageBoxes::Answer QtMessageBoxes::warningOkCancel(const std::string& text) {
  auto button = QMessageBox::warning(
      QApplication::activeWindow(), QApplication::applicationDisplayName(),
      QString::fromStdString(text), QMessageBox::Ok | QMessageBox::Cancel, QMessageBox::Ok);
  return button == QMessageBox::Ok ? Answer::Ok : Answer::Cancel;
}

void QtMessageBoxes::error(const std::string& text) {
  tell(true, text);
}

QMessageBox* QtMessageBoxes::shownBox() const {
  return shown_;
}

void QtMessageBoxes::tell(bool critical, const std::string& text) {
  waiting_.push_back({critical, QString::fromStdString(text)});
  if (shown_ || showScheduled_) return;
  showScheduled_ = true;
  QMetaObject::invokeMethod(  // NOLINT: Qt owns the queued call
      qApp,
      [this, alive = std::weak_ptr<bool>(alive_)] {
        if (alive.expired()) return;
        showScheduled_ = false;
        showNext();
      },
      Qt::QueuedConnection);
}

void QtMessageBoxes::showNext() {
  if (shown_ || waiting_.empty()) return;
  const Pending next = waiting_.front();
  waiting_.pop_front();
  auto* box = new QMessageBox(next.critical ? QMessageBox::Critical : QMessageBox::Information,
                              QApplication::applicationDisplayName(), next.text, QMessageBox::Ok,
                              QApplication::activeWindow());
  box->setAttribute(Qt::WA_DeleteOnClose);
  box->setWindowModality(Qt::ApplicationModal);
  QObject::connect(box, &QMessageBox::finished, box, [this, alive = std::weak_ptr<bool>(alive_)] {
    if (alive.expired()) return;
    // The next box once this one has gone.
    QMetaObject::invokeMethod(  // NOLINT: Qt owns the queued call
        qApp,
        [this, alive] {
          if (!alive.expired()) showNext();
        },
        Qt::QueuedConnection);
  });
  shown_ = box;
  box->show();
}

}  // namespace kestrom
