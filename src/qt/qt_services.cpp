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

QtMessageBoxes::QtMessageBoxes() {
  showSoon_.setSingleShot(true);
  showSoon_.setInterval(0);
  QObject::connect(&showSoon_, &QTimer::timeout, [this] { showNext(); });
}

QtMessageBoxes::~QtMessageBoxes() {
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
  if (!shown_) showSoon_.start();
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
  // The next box once this one has gone, from the event loop.
  QObject::connect(box, &QMessageBox::finished, box, [this] {
    shown_ = nullptr;
    if (!waiting_.empty()) showSoon_.start();
  });
  shown_ = box;
  box->show();
}

}  // namespace kestrom
