// The least Qt Widgets program the simulator's start-up is measured against: a
// main window with the setup window's caption and a menu bar of five menus.
#include <QApplication>
#include <QMainWindow>
#include <QMenuBar>

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  QMainWindow window;
  window.setWindowTitle(QStringLiteral("Kestrom Simulation"));
  for (const char* title : {"&Exit", "&Setup", "&ABU", "&View", "&Help"})
    window.menuBar()->addMenu(QString::fromUtf8(title));
  window.resize(200, 45);
  window.show();
  return QApplication::exec();
}
