#pragma once

#include <QAbstractButton>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <filesystem>
#include <functional>

#include "qt/aux_window_base.h"
#include "windows/picture_search.h"

namespace kestrom {

class TAlignfix;

// An arrow image that takes clicks: a mouse click, Space or Return when it has the
// keyboard, and an assistive tool's press all click it.
class ArrowButton : public QAbstractButton {
  Q_OBJECT
 public:
  enum class Direction { Left, Right };
  ArrowButton(Direction direction, const QString& name, QWidget* parent);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  Direction direction_;
};

// The alignment telescope: black, the telescope drawn round the view picture
// with its "V" sight mark, the arrows below and "Close". The Left and Right keys
// step the pictures too.
class AlignmentWindowView : public AuxWindowBase {
 public:
  AlignmentWindowView(TAlignfix& model, ViewHub& hub);

  // The working directory, the package's picture folder, the program's folder.
  static PictureSearch standardPictureSearch();

  QLabel* picture() const { return picture_; }
  ArrowButton* nextArrow() const { return next_; }
  ArrowButton* previousArrow() const { return previous_; }
  QPushButton* closeButton() const { return close_; }

 protected:
  void refreshControls() override;
  void paintEvent(QPaintEvent* event) override;
  void changeEvent(QEvent* event) override;

 private:
  void addStepKey(Qt::Key key, const std::function<void()>& step);
  void showPicture();
  void showMessage(const QString& text);

  TAlignfix& model_;
  QLabel* picture_;
  ArrowButton* next_;
  ArrowButton* previous_;
  QPushButton* close_;
  // What the picture label shows, so a file is read only when it changes.
  std::string shownFile_;
  std::filesystem::path shownPath_;
  bool shownOnce_ = false;
};

}  // namespace kestrom
