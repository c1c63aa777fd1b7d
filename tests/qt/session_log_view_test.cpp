#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QTableView>
#include <QTest>
#include <memory>

#include "panels/mobile/mobile_panel.h"
#include "qt/session_log_view.h"
#include "qt/setup_window_view.h"
#include "qt/view_hub.h"
#include "setup/setup_window.h"
#include "testing/fakes.h"
#include "testing/press_keys.h"

using namespace kestrom;

class SessionLogViewTest : public QObject {
  Q_OBJECT

 private slots:
  void init() {
    rig_ = std::make_unique<testing::Rig>();
    hub_ = std::make_unique<ViewHub>(rig_->sim);
  }
  void cleanup() {
    hub_.reset();
    rig_.reset();
  }

  void theViewMenuOpensTheLog() {
    SetupWindowView setup(rig_->sim, *hub_);
    int opened = 0;
    QAction* item = setup.addSessionLogItem([&] { ++opened; });
    QVERIFY(item);
    auto* view = setup.findChild<QMenu*>(QStringLiteral("View1"));
    QVERIFY(view && view->actions().contains(item));
    QCOMPARE(item->text(), QStringLiteral("Session &Log"));
    item->trigger();
    QCOMPARE(opened, 1);
  }

  void rowsSummaryFilterAndSave() {
    SessionLogView view(rig_->sim.sessionLog(), rig_->sim.services().dialogs, *hub_);
    SimulationState& s = rig_->state();
    testing::pressKeys(rig_->sim.mobilePanel(), "M");
    rig_->sim.setupWindow().ComboBox1Change(1);
    s.FixAzimuth = 50;
    s.AntennaDirection = 50;
    rig_->advance(500);
    hub_->refreshAll();
    // Closed, the window takes nothing in.
    QCOMPARE(view.table()->model()->rowCount(), 0);

    view.show();
    const int logged = static_cast<int>(rig_->sim.sessionLog().entries().size());
    QCOMPARE(logged, 4);  // MENU, the sector, in beam, lock
    QCOMPARE(view.table()->model()->rowCount(), logged);
    QCOMPARE(view.table()->model()->index(logged - 1, 1).data().toString(), QStringLiteral("lock"));
    QVERIFY2(view.summary()->text().contains(QStringLiteral("First lock: 0.500 s")),
             qPrintable(view.summary()->text()));

    s.MobileOperatingMode = text::StandBy;
    rig_->advance(500);
    hub_->refreshAll();
    QCOMPARE(view.table()->model()->rowCount(), logged + 2);
    QVERIFY(view.summary()->text().contains(QStringLiteral("Lock losses: 1")));

    view.kindFilter()->setCurrentIndex(view.kindFilter()->findText(QStringLiteral("lock")));
    QCOMPARE(view.table()->model()->rowCount(), 2);
    view.panelFilter()->setCurrentIndex(view.panelFilter()->findText(QStringLiteral("Setup")));
    QCOMPARE(view.table()->model()->rowCount(), 0);
    view.kindFilter()->setCurrentIndex(0);
    QCOMPARE(view.table()->model()->rowCount(), 1);
    QCOMPARE(view.table()->model()->index(0, 3).data().toString(), QStringLiteral("Sector"));

    for (QWidget* w :
         std::initializer_list<QWidget*>{view.table(), view.saveCsvButton(), view.saveJsonButton(),
                                         view.panelFilter(), view.kindFilter()})
      QVERIFY(!w->accessibleName().isEmpty());

    const QString path = QDir::temp().filePath(QStringLiteral("session_log_view_test.csv"));
    rig_->dialogs.savePath = path.toStdString();
    QTest::mouseClick(view.saveCsvButton(), Qt::LeftButton);
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll().toStdString(), toCsv(rig_->sim.sessionLog().entries()));
    file.remove();
    QCOMPARE(rig_->dialogs.saveCaptions.size(), 1u);
    // A cancelled dialog saves nothing and says nothing.
    rig_->dialogs.savePath.clear();
    QTest::mouseClick(view.saveJsonButton(), Qt::LeftButton);
    QVERIFY(rig_->dialogs.shown.empty());
  }

 private:
  std::unique_ptr<testing::Rig> rig_;
  std::unique_ptr<ViewHub> hub_;
};

int main(int argc, char** argv) {
  if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  SessionLogViewTest test;
  return QTest::qExec(&test, argc, argv);
}

#include "session_log_view_test.moc"
