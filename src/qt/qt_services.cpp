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

void QtMessageBoxes::information(const std::string& text) {
  QMessageBox::information(QApplication::activeWindow(), QApplication::applicationDisplayName(),
                           QString::fromStdString(text));
}

MessageBoxes::Answer QtMessageBoxes::warningOkCancel(const std::string& text) {
  auto button = QMessageBox::warning(
      QApplication::activeWindow(), QApplication::applicationDisplayName(),
      QString::fromStdString(text), QMessageBox::Ok | QMessageBox::Cancel, QMessageBox::Ok);
  return button == QMessageBox::Ok ? Answer::Ok : Answer::Cancel;
}

void QtMessageBoxes::error(const std::string& text) {
  QMessageBox::critical(QApplication::activeWindow(), QApplication::applicationDisplayName(),
                        QString::fromStdString(text));
}

}  // namespace kestrom
