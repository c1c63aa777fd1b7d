// The alignment telescope on screen: the pictures the build draws, the arrows by
// mouse, keyboard and assistive tool, and a picture that is not there.

#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QApplication>
#include <QDir>
#include <QImage>
#include <QImageReader>
#include <QLabel>
#include <QTemporaryDir>
#include <QtTest>
#include <filesystem>
#include <set>

#include "qt/alignment_window_view.h"
#include "setup/setup_window.h"
#include "testing/fakes.h"
#include "windows/alignment_window.h"

namespace kestrom {

namespace {

// The folder the build draws the pictures into: beside the programs, this test too.
QString builtPictures() {
  return QCoreApplication::applicationDirPath();
}

void pressByAssistiveTool(QWidget* widget) {
  QAccessibleInterface* a = QAccessible::queryAccessibleInterface(widget);
  QVERIFY(a && a->actionInterface());
  a->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
}

// The picture label's image, or a null image while it shows a message.
QImage shownImage(const AlignmentWindowView& view) {
  return view.picture()->pixmap().toImage();
}

QImage fileImage(const char* name) {
  return QImage(QDir(builtPictures()).filePath(QString::fromUtf8(name)))
      .convertToFormat(QImage::Format_RGB32);
}

}  // namespace

class AlignmentWindowViewTest : public QObject {
  Q_OBJECT

 private slots:
  void theBuildDrawsTwelveDifferentPicturesOfTheRightSize() {
    std::set<QByteArray> distinct;
    for (const auto& [name, step] : kTelescopePictures) {
      QImageReader reader(QDir(builtPictures()).filePath(QString::fromUtf8(name)));
      QCOMPARE(reader.format(), QByteArray("gif"));
      const QImage image = reader.read();
      QVERIFY2(!image.isNull(), name);
      QCOMPARE(image.size(), QSize(140, 140));
      const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
      distinct.emplace(reinterpret_cast<const char*>(rgb.constBits()), rgb.sizeInBytes());
    }
    QCOMPARE(distinct.size(), std::size_t{12});
  }

  void arrowsAnswerMouseKeyboardAndAssistiveTools() {
    testing::Rig rig;
    ViewHub hub(rig.sim);
    TAlignfix& model = rig.sim.alignmentWindow();
    model.setPictureSearch(AlignmentWindowView::standardPictureSearch());
    AlignmentWindowView view(model, hub);
    rig.sim.setupWindow().AlignmentFixStation1Click();
    hub.refreshAll();
    QVERIFY(view.isVisible());
    QCOMPARE(view.size(), QSize(356, 470));
    QCOMPARE(shownImage(view).convertToFormat(QImage::Format_RGB32), fileImage("tele3.gif"));

    QTest::mouseClick(view.nextArrow(), Qt::LeftButton);
    QCOMPARE(shownImage(view).convertToFormat(QImage::Format_RGB32), fileImage("tele1.gif"));
    QCOMPARE(view.picture()->accessibleDescription(), QStringLiteral("tele1.gif"));
    view.nextArrow()->setFocus();
    QTest::keyClick(view.nextArrow(), Qt::Key_Space);
    QCOMPARE(model.Image3.FileName, std::string("tele2.gif"));
    QTest::keyClick(view.nextArrow(), Qt::Key_Return);
    QCOMPARE(model.Image3.FileName, std::string("tele3.gif"));
    // The arrow keys step wherever the keyboard is in the window.
    view.show();
    QVERIFY(QTest::qWaitForWindowActive(&view));
    QTest::keyClick(view.nextArrow(), Qt::Key_Left);
    QCOMPARE(model.Image3.FileName, std::string("tele2.gif"));
    QTest::keyClick(view.closeButton(), Qt::Key_Right);
    QTest::keyClick(view.closeButton(), Qt::Key_Left);
    QCOMPARE(model.Image3.FileName, std::string("tele2.gif"));
    // An assistive tool's press clicks with the toolkit's short animation.
    for (const char* expected : {"tele1.gif", "tele.gif", "tele11.gif"}) {
      pressByAssistiveTool(view.previousArrow());
      QTRY_COMPARE(model.Image3.FileName, std::string(expected));
    }
    QCOMPARE(shownImage(view).convertToFormat(QImage::Format_RGB32), fileImage("tele11.gif"));
    QTest::mouseClick(view.previousArrow(), Qt::LeftButton);
    QTest::keyClick(view.previousArrow(), Qt::Key_Right);
    QCOMPARE(model.Image3.FileName, std::string("tele11.gif"));

    QCOMPARE(view.previousArrow()->accessibleName(), QStringLiteral("Previous picture"));
    QCOMPARE(view.nextArrow()->accessibleName(), QStringLiteral("Next picture"));
    pressByAssistiveTool(view.closeButton());
    QTRY_VERIFY(!view.isVisible());
  }

  // A picture found nowhere: the window goes on working and says in the picture's
  // place which file is missing and where it was looked for; a file that is there
  // but no picture says so too.
  void aMissingOrBrokenPictureIsNamedInThePicturesPlace() {
    QTemporaryDir empty;
    QTemporaryDir broken;
    QVERIFY(empty.isValid() && broken.isValid());
    QFile junk(QDir(broken.path()).filePath(QStringLiteral("tele1.gif")));
    QVERIFY(junk.open(QIODevice::WriteOnly));
    junk.write("not a picture");
    junk.close();

    testing::Rig rig;
    ViewHub hub(rig.sim);
    TAlignfix& model = rig.sim.alignmentWindow();
    model.setPictureSearch(
        PictureSearch::standard(empty.path().toStdString(), broken.path().toStdString()));
    const QString home = QDir::currentPath();
    QDir::setCurrent(empty.path());
    AlignmentWindowView view(model, hub);
    model.Show();
    hub.refreshAll();

    QVERIFY(shownImage(view).isNull());
    const QString text = view.picture()->accessibleName();
    QVERIFY2(text.contains(QStringLiteral("\"tele3.gif\" not found")), qPrintable(text));
    QVERIFY2(text.contains(empty.path()) && text.contains(broken.path()), qPrintable(text));
    QVERIFY(view.picture()->text().contains(QStringLiteral("tele3.gif")));

    QTest::mouseClick(view.nextArrow(), Qt::LeftButton);
    const QString unreadable = view.picture()->accessibleName();
    QVERIFY2(unreadable.contains(QStringLiteral("cannot be read")), qPrintable(unreadable));
    QVERIFY(unreadable.contains(broken.path()));
    QVERIFY(rig.dialogs.shown.empty());
    QVERIFY(view.isVisible());
    QDir::setCurrent(home);
  }
};

}  // namespace kestrom

int main(int argc, char* argv[]) {
  if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  kestrom::AlignmentWindowViewTest test;
  return QTest::qExec(&test, argc, argv);
}

#include "alignment_window_view_test.moc"
