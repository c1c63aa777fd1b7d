#pragma once

#include <QWidget>
#include <memory>

#include "core/seams.h"

class QLabel;
class QLineEdit;
class QTextBrowser;
class QToolButton;

namespace kestrom {

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
  QTextBrowser* browser() const { return browser_; }
  QLineEdit* findField() const { return find_; }
  QLabel* findStatus() const { return findStatus_; }

  // Finds the next place of `text` on the page, from the top again after the last
  // one; false when the page does not have it.
  bool findText(const QString& text, bool backwards = false);

  // Address of the contents page.
  static QUrl contentsUrl();

 private:
  QTextBrowser* browser_;
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
