#include "qt/help_window.h"

#include "qt/screen_centre.h"

#include <QFile>
#include <QHBoxLayout>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QShortcut>
#include <QStyle>
#include <QTextBrowser>
#include <QTextCursor>
#include <QToolButton>
#include <QUrl>
#include <QVBoxLayout>

// Resources of a static library must be registered by hand.
static void registerManualResources() {
  Q_INIT_RESOURCE(assets);
}

namespace kestrom {

namespace {

QToolButton* toolButton(const QString& text, QStyle::StandardPixmap icon, QWidget* parent) {
  auto* b = new QToolButton(parent);
  b->setText(text);
  b->setAccessibleName(text);
  b->setIcon(parent->style()->standardIcon(icon));
  b->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
  b->setAutoRaise(true);
  return b;
}

}  // namespace

QUrl HelpWindow::contentsUrl() {
  return QUrl(QStringLiteral("qrc:/manual/index.html"));
}

HelpWindow::HelpWindow(QWidget* parent) : QWidget(parent, Qt::Window) {
  registerManualResources();
  resize(760, 620);

  contents_ = toolButton(QStringLiteral("Contents"), QStyle::SP_DirHomeIcon, this);
  contents_->setShortcut(QKeySequence(Qt::ALT | Qt::Key_Home));
  back_ = toolButton(QStringLiteral("Back"), QStyle::SP_ArrowBack, this);
  back_->setShortcut(QKeySequence::Back);
  back_->setEnabled(false);
  forward_ = toolButton(QStringLiteral("Forward"), QStyle::SP_ArrowForward, this);
  forward_->setShortcut(QKeySequence::Forward);
  forward_->setEnabled(false);

  find_ = new QLineEdit(this);
  find_->setPlaceholderText(QStringLiteral("Find on this page (Ctrl+F)"));
  find_->setAccessibleName(QStringLiteral("Find"));
  find_->setClearButtonEnabled(true);
  find_->setMaximumWidth(260);
  findStatus_ = new QLabel(this);
  findStatus_->setAccessibleName(QStringLiteral("Find result"));

  browser_ = new QTextBrowser(this);
  browser_->setAccessibleName(QStringLiteral("Manual page"));
  browser_->setOpenLinks(true);
  browser_->setOpenExternalLinks(false);
  browser_->setFrameShape(QFrame::NoFrame);
  browser_->document()->setDocumentMargin(14);

  auto* bar = new QHBoxLayout;
  bar->setContentsMargins(6, 4, 6, 4);
  bar->setSpacing(2);
  bar->addWidget(contents_);
  bar->addWidget(back_);
  bar->addWidget(forward_);
  bar->addStretch();
  bar->addWidget(findStatus_);
  bar->addWidget(find_);

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  layout->addLayout(bar);
  layout->addWidget(browser_, 1);

  connect(contents_, &QToolButton::clicked, this, &HelpWindow::showContents);
  connect(back_, &QToolButton::clicked, browser_, &QTextBrowser::backward);
  connect(forward_, &QToolButton::clicked, browser_, &QTextBrowser::forward);
  connect(browser_, &QTextBrowser::backwardAvailable, back_, &QToolButton::setEnabled);
  connect(browser_, &QTextBrowser::forwardAvailable, forward_, &QToolButton::setEnabled);

  auto* findKey = new QShortcut(QKeySequence::Find, this);
  connect(findKey, &QShortcut::activated, this, [this] {
    find_->setFocus();
    find_->selectAll();
  });
  connect(find_, &QLineEdit::returnPressed, this, [this] { findText(find_->text()); });
  auto* findBack = new QShortcut(QKeySequence(Qt::SHIFT | Qt::Key_Return), find_);
  findBack->setContext(Qt::WidgetShortcut);
  connect(findBack, &QShortcut::activated, this, [this] { findText(find_->text(), true); });
  connect(browser_, &QTextBrowser::sourceChanged, findStatus_, &QLabel::clear);

  setHelpFile(QString());
}

bool HelpWindow::findText(const QString& text, bool backwards) {
  if (text.isEmpty()) {
    findStatus_->clear();
    return false;
  }
  const QTextDocument::FindFlags flags =
      backwards ? QTextDocument::FindBackward : QTextDocument::FindFlags();
  bool found = browser_->find(text, flags);
  if (!found) {  // round again from the other end of the page
    QTextCursor cursor = browser_->textCursor();
    cursor.movePosition(backwards ? QTextCursor::End : QTextCursor::Start);
    browser_->setTextCursor(cursor);
    found = browser_->find(text, flags);
  }
  findStatus_->setText(found ? QString() : QStringLiteral("Not found"));
  return found;
}

void HelpWindow::setHelpFile(const QString& helpFile) {
  QString title = QStringLiteral("Kestrom Simulator Manual");
  if (!helpFile.isEmpty()) title += QStringLiteral(" \u2013 ") + helpFile;
  setWindowTitle(title);
  setAccessibleName(title);
}

void HelpWindow::showContents() {
  if (!QFile::exists(QStringLiteral(":/manual/index.html"))) {
    browser_->setHtml(
        QStringLiteral("<h1>Manual not available</h1><p>This copy of the simulator was built "
                       "without its manual pages.</p>"));
    return;
  }
  if (browser_->source() == contentsUrl()) return;
  browser_->setSource(contentsUrl());
}

QtHelpViewer::QtHelpViewer() = default;

QtHelpViewer::~QtHelpViewer() = default;

void QtHelpViewer::openContents(const std::string& helpFile) {
  if (!window_) {
    window_ = std::make_unique<HelpWindow>();
    centreOnScreen(*window_);  // clear of the setup window's menu bar
  }
  window_->setHelpFile(QString::fromStdString(helpFile));
  window_->showContents();
  if (window_->isMinimized()) window_->showNormal();
  window_->show();
  window_->raise();
  window_->activateWindow();
}

}  // namespace kestrom
