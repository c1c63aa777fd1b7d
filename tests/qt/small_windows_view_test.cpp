#include <QAbstractButton>
#include <QAccessible>
#include <QApplication>
#include <QDesktopServices>
#include <QDirIterator>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QRegularExpression>
#include <QScreen>
#include <QScrollBar>
#include <QSet>
#include <QTest>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextDocument>
#include <QToolButton>
#include <algorithm>
#include <memory>

#include "qt/about_box_view.h"
#include "qt/help_window.h"
#include "qt/mk3_unit_view.h"
#include "qt/prescreen_view.h"
#include "qt/view_hub.h"
#include "setup/setup_window.h"
#include "testing/fakes.h"
#include "windows/about_box.h"
#include "windows/mk3_unit.h"
#include "windows/prescreen.h"

using namespace kestrom;

namespace {

QStringList labelTexts(const QWidget& w) {
  QStringList texts;
  for (const QLabel* l : w.findChildren<QLabel*>()) texts << l->text();
  return texts;
}

struct Link {
  QString href;
  int position;
};

// Every link of a document with the position of its first character.
std::vector<Link> linksOf(const QTextDocument& doc) {
  std::vector<Link> links;
  for (QTextBlock b = doc.begin(); b.isValid(); b = b.next()) {
    for (auto it = b.begin(); !it.atEnd(); ++it) {
      const QTextFragment f = it.fragment();
      if (f.charFormat().isAnchor() && !f.charFormat().anchorHref().isEmpty()) {
        links.push_back({f.charFormat().anchorHref(), f.position()});
      }
    }
  }
  return links;
}

// Takes the web addresses that the desktop is asked to open.
class UrlRecorder : public QObject {
  Q_OBJECT
 public:
  QList<QUrl> opened;
 public slots:
  void open(const QUrl& url) { opened << url; }
};

}  // namespace

class SmallWindowsViewTest : public QObject {
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

  void prescreenIsBorderlessCentredOnTopAndFollowsItsModel() {
    PrescreenView view(rig_->sim.prescreen(), *hub_);
    QVERIFY(view.windowFlags().testFlag(Qt::FramelessWindowHint));
    QVERIFY(view.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    const QStringList texts = labelTexts(view);
    QVERIFY(texts.contains("Kestrom MK4 Simulator"));
    QVERIFY(texts.contains("Version 3"));

    hub_->refreshAll();
    QVERIFY(!view.isVisible());
    rig_->sim.prescreen().Show();
    hub_->refreshAll();
    QVERIFY(view.isVisible());
    const QPoint screenCentre = view.screen()->availableGeometry().center();
    QVERIFY((view.geometry().center() - screenCentre).manhattanLength() <= 2);
    QVERIFY(!view.grab().isNull());

    rig_->sim.prescreen().Close();
    hub_->refreshAll();
    QVERIFY(!view.isVisible());
  }

  void aboutBoxOkAndCloseBoxHideItThroughTheModel() {
    auto& model = rig_->sim.aboutBox();
    AboutBoxView view(model, *hub_);
    QCOMPARE(view.windowTitle(), QString("Kestrom MK4 Simulator Aboutbox"));
    const QStringList texts = labelTexts(view);
    for (const char* t : {"Product Name", "Kestrom Sim.", "Version  No  ", "3.00"}) {
      QVERIFY2(texts.contains(t), t);
    }

    model.Show();
    hub_->refreshAll();
    QVERIFY(view.isVisible());
    QTest::mouseClick(view.okButton(), Qt::LeftButton);
    QVERIFY(!model.Visible());
    QVERIFY(!view.isVisible());

    model.Show();
    hub_->refreshAll();
    QVERIFY(view.isVisible());
    view.close();  // the frame's close box
    QVERIFY(!model.Visible());
    QVERIFY(!view.isVisible());
  }

  void aboutBoxIconClickRevealsStatusItem() {
    auto& setup = rig_->sim.setupWindow();
    setup.Status1.Visible = false;
    AboutBoxView view(rig_->sim.aboutBox(), *hub_);
    rig_->sim.aboutBox().Show();
    hub_->refreshAll();
    QCOMPARE(view.programIcon()->accessibleName(), QString("Program icon"));
    QTest::mouseClick(view.programIcon(), Qt::LeftButton);
    QVERIFY(setup.Status1.Visible);
    QVERIFY(view.isVisible());
  }

  void mk3UnitShowsItsFrontPanelAndHidesOnClose() {
    auto& model = rig_->sim.mk3Unit();
    Mk3UnitView view(model, *hub_);
    QCOMPARE(view.size(), QSize(556, 192));
    QCOMPARE(view.windowTitle(), QString("Kestrom Mk 3 Fix Control Data Unit"));

    QStringList texts = labelTexts(view);
    const auto display = view.findChild<SegmentDisplay*>();
    QVERIFY(display);
    texts << display->accessibleName();
    for (const std::string& t : model.allTexts()) {
      QVERIFY2(texts.removeOne(QString::fromStdString(t)), t.c_str());
    }
    QVERIFY2(texts.isEmpty(), qPrintable(texts.join('|')));

    const auto lamp = view.findChild<PanelLamp*>();
    QVERIFY(lamp);
    QCOMPARE(lamp->accessibleDescription(), QString("lit, lime"));

    model.Show();
    hub_->refreshAll();
    QVERIFY(view.isVisible());
    QVERIFY(!view.grab().isNull());
    view.close();
    QVERIFY(!model.Visible());
    QVERIFY(!view.isVisible());
  }

  void helpOpensOneWindowAtContentsAndFollowsLinks() {
    QtHelpViewer help;
    help.openContents("KESTROM SIMULATOR.HLP");
    HelpWindow* window = help.window();
    QVERIFY(window);
    QVERIFY(window->isVisible());
    QVERIFY(window->windowTitle().contains("KESTROM SIMULATOR.HLP"));
    QTextBrowser* browser = window->browser();
    QVERIFY(browser->document()->toPlainText().contains("Kestrom Simulator Manual"));
    QVERIFY(QTest::qWaitForWindowExposed(window));

    // Click the "Getting started" link in the contents.
    const auto links = linksOf(*browser->document());
    auto it = std::find_if(links.begin(), links.end(),
                           [](const Link& l) { return l.href == "getting-started.html"; });
    QVERIFY(it != links.end());
    QTextCursor cursor(browser->document());
    cursor.setPosition(it->position + 1);
    browser->setTextCursor(cursor);
    browser->ensureCursorVisible();
    const QPoint at = browser->cursorRect(cursor).center();
    QTest::mouseClick(browser->viewport(), Qt::LeftButton, {}, at);
    QTRY_VERIFY(browser->source().toString().endsWith("getting-started.html"));
    QVERIFY(browser->document()->toPlainText().contains("Opening the panels"));

    auto* back = window->findChild<QToolButton*>(QString(), Qt::FindChildrenRecursively);
    QVERIFY(back);
    for (QToolButton* b : window->findChildren<QToolButton*>()) {
      if (b->text() == "Back") back = b;
    }
    QVERIFY(back->isEnabled());
    back->click();
    QCOMPARE(browser->source(), HelpWindow::contentsUrl());

    // Asking again reuses the window and returns it to the contents.
    browser->setSource(QUrl("qrc:/manual/panels.html"));
    window->hide();
    help.openContents("KESTROM SIMULATOR.HLP");
    QCOMPARE(help.window(), window);
    QVERIFY(window->isVisible());
    QCOMPARE(browser->source(), HelpWindow::contentsUrl());
    const auto tops = QApplication::topLevelWidgets();
    QCOMPARE(std::count_if(tops.begin(), tops.end(),
                           [](QWidget* w) { return qobject_cast<HelpWindow*>(w) != nullptr; }),
             1);
  }

  void everyManualLinkLeadsToAPageOfTheManual() {
    QtHelpViewer help;
    help.openContents("KESTROM SIMULATOR.HLP");  // registers the manual's resources
    QDirIterator pages(":/manual", {"*.html"});
    int pageCount = 0;
    while (pages.hasNext()) {
      const QString page = pages.next();
      ++pageCount;
      QFile file(page);
      QVERIFY(file.open(QIODevice::ReadOnly));
      QTextDocument doc;
      doc.setHtml(QString::fromUtf8(file.readAll()));
      QVERIFY2(!doc.toPlainText().trimmed().isEmpty(), qPrintable(page));
      for (const Link& link : linksOf(doc)) {
        QVERIFY2(QFile::exists(":/manual/" + link.href),
                 qPrintable(page + " links to missing " + link.href));
      }
    }
    QVERIFY(pageCount >= 10);
  }

  // Every picture a page shows is a real screenshot in the manual, and every window
  // has its page with its picture.
  void everyManualPictureIsThereAndEveryWindowHasOne() {
    QtHelpViewer help;
    help.openContents("KESTROM SIMULATOR.HLP");
    QSet<QString> shown;
    QDirIterator pages(":/manual", {"*.html"});
    const QRegularExpression img(QStringLiteral("<img src=\"([^\"]+)\""));
    while (pages.hasNext()) {
      const QString page = pages.next();
      QFile file(page);
      QVERIFY(file.open(QIODevice::ReadOnly));
      const QString html = QString::fromUtf8(file.readAll());
      for (auto it = img.globalMatch(html); it.hasNext();) {
        const QString src = it.next().captured(1);
        const QImage picture(":/manual/" + src);
        QVERIFY2(!picture.isNull(), qPrintable(page + " shows missing " + src));
        QVERIFY2(picture.width() > 16, qPrintable(src + " is a placeholder"));
        shown.insert(src);
      }
    }
    for (const char* window : {"setup-window", "mobile-panel", "fix-panel", "beacon-panel",
                               "aid-display", "bearing-window", "distance-adjust", "config-view",
                               "mk3-unit", "about-box", "telescope"}) {
      QVERIFY2(shown.contains(QStringLiteral("pictures/%1.png").arg(window)), window);
    }
  }

  // A screen reader reads the page line by line as the caret moves, and hears of
  // each link that Tab reaches as a link with the focus.
  void theManualIsReadByCaretAndTabWalksItsLinksInOrder() {
    HelpWindow window;
    window.showContents();
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    ManualBrowser* page = window.browser();
    page->setFocus();
    QVERIFY(page->hasFocus());

    QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(page);
    QCOMPARE(iface->role(), QAccessible::EditableText);  // a text to read, not a label
    QVERIFY(iface->state().readOnly && iface->state().focusable);
    QAccessibleTextInterface* text = iface->textInterface();
    QVERIFY(text);
    QCOMPARE(text->text(0, text->characterCount()), page->toPlainText());
    QVERIFY(page->toPlainText().contains("Kestrom Simulator Manual"));

    // Down moves the caret one line on the screen, and a line is what is read: in a
    // paragraph that wraps, less than the paragraph.
    const QString plain = page->toPlainText();
    const int paragraph = plain.indexOf("The Kestrom simulator trains");
    QVERIFY(paragraph > 0);
    text->setCursorPosition(paragraph);
    int start = 0, end = 0;
    const QString line = text->textAtOffset(paragraph, QAccessible::LineBoundary, &start, &end);
    QCOMPARE(start, paragraph);
    QVERIFY(end < plain.indexOf('\n', paragraph));
    QCOMPARE(line, plain.mid(start, end - start));
    QTest::keyClick(page, Qt::Key_Down);
    QCOMPARE(text->cursorPosition(), end);
    const QString next = text->textAtOffset(end, QAccessible::LineBoundary, &start, &end);
    QVERIFY(!next.trimmed().isEmpty() && next != line);

    // Tab from the top reaches every link in reading order, then leaves the page.
    QTest::keyClick(page, Qt::Key_Home, Qt::ControlModifier);
    const auto links = linksOf(*page->document());
    QVERIFY(links.size() >= 10);
    QCOMPARE(iface->childCount(), static_cast<int>(page->links().size()));
    for (std::size_t i = 0; i < page->links().size(); ++i) {
      QTest::keyClick(page, Qt::Key_Tab);
      const int chosen = page->chosenLink();
      QCOMPARE(chosen, static_cast<int>(i));
      QAccessibleInterface* focus = iface->focusChild();
      QVERIFY(focus);
      QCOMPARE(focus->role(), QAccessible::Link);
      QCOMPARE(focus->text(QAccessible::Name), page->linkText(chosen));
      QVERIFY(focus->state().focused);
    }
    QCOMPARE(page->links().front().href, links.front().href);
    QCOMPARE(page->links().back().href, links.back().href);
    QTest::keyClick(page, Qt::Key_Tab);
    QVERIFY(!page->hasFocus());
    QCOMPARE(page->chosenLink(), -1);

    // Back in, Shift+Tab goes back from the caret; Up leaves the link for the page.
    page->setFocus();
    QTest::keyClick(page, Qt::Key_End, Qt::ControlModifier);
    QTest::keyClick(page, Qt::Key_Backtab, Qt::ShiftModifier);
    QCOMPARE(page->chosenLink(), static_cast<int>(page->links().size()) - 1);
    QTest::keyClick(page, Qt::Key_Up);
    QCOMPARE(page->chosenLink(), -1);
    QCOMPARE(iface->focusChild(), nullptr);
  }

  void returnFollowsTheChosenLinkAndPageKeysScroll() {
    HelpWindow window;
    window.resize(500, 300);
    window.showContents();
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    ManualBrowser* page = window.browser();
    page->setFocus();
    QScrollBar* bar = page->verticalScrollBar();
    QCOMPARE(bar->value(), 0);
    QTest::keyClick(page, Qt::Key_PageDown);
    QVERIFY(bar->value() > 0);

    QTest::keyClick(page, Qt::Key_Home, Qt::ControlModifier);
    QTest::keyClick(page, Qt::Key_Tab);
    QTest::keyClick(page, Qt::Key_Tab);
    const QString href = page->links()[1].href;
    QTest::keyClick(page, Qt::Key_Return);
    QCOMPARE(page->source(), HelpWindow::contentsUrl().resolved(QUrl(href)));
    QCOMPARE(page->chosenLink(), -1);

    // A web address goes to the desktop's viewer; the manual stays where it is.
    UrlRecorder desktop;
    QDesktopServices::setUrlHandler("https", &desktop, "open");
    page->setHtml("<p>See <a href=\"https://example.org/kestrom\">the maker's page</a>.</p>");
    QTest::keyClick(page, Qt::Key_Tab);
    QCOMPARE(page->linkText(page->chosenLink()), QString("the maker's page"));
    QTest::keyClick(page, Qt::Key_Return);
    QDesktopServices::unsetUrlHandler("https");
    QCOMPARE(desktop.opened, QList<QUrl>{QUrl("https://example.org/kestrom")});
    QVERIFY(page->toPlainText().startsWith("See the maker's page"));
  }

  void findOnAPageGoesRoundAndSaysWhenThereIsNothing() {
    HelpWindow window;
    window.showContents();
    QVERIFY(window.findText(QStringLiteral("Troubleshooting")));
    QVERIFY(window.browser()->textCursor().hasSelection());
    QVERIFY(window.findText(QStringLiteral("Troubleshooting")));
    QVERIFY(window.findText(QStringLiteral("Troubleshooting")));  // round from the top
    QVERIFY(window.findStatus()->text().isEmpty());
    QVERIFY(!window.findText(QStringLiteral("no such words here")));
    QCOMPARE(window.findStatus()->text(), QStringLiteral("Not found"));
  }

 private:
  std::unique_ptr<testing::Rig> rig_;
  std::unique_ptr<ViewHub> hub_;
};

int main(int argc, char** argv) {
  if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  SmallWindowsViewTest test;
  return QTest::qExec(&test, argc, argv);
}

#include "small_windows_view_test.moc"
