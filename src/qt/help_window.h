#pragma once

#include <QAccessible>
#include <QTextBrowser>
#include <QWidget>
#include <memory>
#include <vector>

#include "core/seams.h"

class QLabel;
class QLineEdit;
class QToolButton;

namespace kestrom {

// A page of the manual. It reads like a page on paper, and the keyboard moves a
// caret through it, so a screen reader reads it line by line; Tab and Shift+Tab
// go from link to link and Return follows the one chosen. To assistive tools each
// link is an object of its own, which takes the focus when Tab reaches it.
// Links to other programs (web addresses) open in the desktop's own viewer.
class ManualBrowser : public QTextBrowser {
  Q_OBJECT
 public:
  struct Link {
    int start = 0;  // first character
    int end = 0;    // one past the last
    QString href;
  };

  explicit ManualBrowser(QWidget* parent = nullptr);
  ~ManualBrowser() override;

  // The links of the page on show, in reading order.
  const std::vector<Link>& links() const { return links_; }
  QString linkText(int index) const;
  // The link chosen by Tab, which Return follows, or -1.
  int chosenLink() const { return chosen_; }
  // Follows a link as Return on it does.
  void followLink(int index);
  // What assistive tools see of link `index`, made when first asked for.
  QAccessibleInterface* linkInterface(int index);

 protected:
  bool focusNextPrevChild(bool next) override;
  void keyPressEvent(QKeyEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;

 private:
  void collectLinks();
  void forgetLinkInterfaces();
  void choose(int index);

  std::vector<Link> links_;
  std::vector<QAccessible::Id> linkIds_;
  int chosen_ = -1;
};

// A window of the program that shows the simulator's manual (HTML pages built
// into the program) with Contents, Back and Forward.
class HelpWindow : public QWidget {
  Q_OBJECT
 public:
  explicit HelpWindow(QWidget* parent = nullptr);

  // Names the help file in the caption.
  void setHelpFile(const QString& helpFile);
  // Shows the contents page.
  void showContents();
  ManualBrowser* browser() const { return browser_; }
  QLineEdit* findField() const { return find_; }
  QLabel* findStatus() const { return findStatus_; }

  // Finds the next place of `text` on the page, from the top again after the last
  // one; false when the page does not have it.
  bool findText(const QString& text, bool backwards = false);

  // Address of the contents page.
  static QUrl contentsUrl();

 private:
  ManualBrowser* browser_;
  QToolButton* contents_;
  QToolButton* back_;
  QToolButton* forward_;
  QLineEdit* find_;
  QLabel* findStatus_;
};

// Opens the manual in the program's single help window, brought to the front
// each time it is asked for.
class QtHelpViewer : public HelpViewer {
 public:
  QtHelpViewer();
  ~QtHelpViewer() override;

  void openContents(const std::string& helpFile) override;

  // The help window, once it has been opened.
  HelpWindow* window() const { return window_.get(); }

 private:
  std::unique_ptr<HelpWindow> window_;
};

}  // namespace kestrom
