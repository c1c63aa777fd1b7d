#include "qt/help_window.h"

#include "qt/panel_accessibility.h"
#include "qt/screen_centre.h"

#include <QAccessibleWidget>
#include <QDesktopServices>
#include <QFile>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QScrollBar>
#include <QShortcut>
#include <QStyle>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextLayout>
#include <QToolButton>
#include <QUrl>
#include <QVBoxLayout>
#include <algorithm>

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

// A link of the manual page as assistive tools see it: its text is its name, and
// its press action follows it.
class ManualLinkAccessible : public QAccessibleInterface, public QAccessibleActionInterface {
 public:
  ManualLinkAccessible(ManualBrowser* browser, int index) : browser_(browser), index_(index) {}

  bool isValid() const override {
    return browser_ && index_ < static_cast<int>(browser_->links().size());
  }
  QObject* object() const override { return nullptr; }
  QWindow* window() const override {
    return browser_ ? browser_->window()->windowHandle() : nullptr;
  }
  QAccessibleInterface* parent() const override {
    return browser_ ? QAccessible::queryAccessibleInterface(browser_) : nullptr;
  }
  QAccessibleInterface* child(int) const override { return nullptr; }
  int childCount() const override { return 0; }
  int indexOfChild(const QAccessibleInterface*) const override { return -1; }
  QAccessibleInterface* childAt(int, int) const override { return nullptr; }
  QString text(QAccessible::Text t) const override {
    if (!isValid()) return {};
    if (t == QAccessible::Name) return browser_->linkText(index_);
    if (t == QAccessible::Value) return browser_->links()[index_].href;
    return {};
  }
  void setText(QAccessible::Text, const QString&) override {}
  QRect rect() const override {
    if (!isValid()) return {};
    const ManualBrowser::Link& link = browser_->links()[index_];
    QTextCursor from(browser_->document());
    from.setPosition(link.start);
    QTextCursor to(browser_->document());
    to.setPosition(link.end);
    const QRect local = browser_->cursorRect(from).united(browser_->cursorRect(to));
    return QRect(browser_->viewport()->mapToGlobal(local.topLeft()), local.size());
  }
  QAccessible::Role role() const override { return QAccessible::Link; }
  QAccessible::State state() const override {
    QAccessible::State s;
    if (!isValid()) {
      s.invalid = true;
      return s;
    }
    s.focusable = true;
    s.linked = true;
    s.focused = browser_->hasFocus() && browser_->chosenLink() == index_;
    const QRect local(browser_->viewport()->mapFromGlobal(rect().topLeft()), rect().size());
    s.offscreen = !browser_->viewport()->rect().intersects(local);
    return s;
  }
  void* interface_cast(QAccessible::InterfaceType t) override {
    return t == QAccessible::ActionInterface ? static_cast<QAccessibleActionInterface*>(this)
                                             : nullptr;
  }

  QStringList actionNames() const override { return {pressAction()}; }
  void doAction(const QString& name) override {
    if (name == pressAction() && isValid()) browser_->followLink(index_);
  }
  QStringList keyBindingsForAction(const QString&) const override { return {}; }

 private:
  QPointer<ManualBrowser> browser_;
  int index_;
};

// The manual page to assistive tools: a read-only text with a caret, whose lines
// are the lines as laid out on the screen, and whose children are its links.
class ManualPageAccessible : public QAccessibleWidget, public QAccessibleTextInterface {
 public:
  explicit ManualPageAccessible(ManualBrowser* browser)
      : QAccessibleWidget(browser, QAccessible::EditableText) {}

  QAccessible::State state() const override {
    QAccessible::State s = QAccessibleWidget::state();
    s.readOnly = true;
    s.multiLine = true;
    s.selectableText = true;
    return s;
  }
  QString text(QAccessible::Text t) const override {
    return t == QAccessible::Value ? browser()->toPlainText() : QAccessibleWidget::text(t);
  }
  void* interface_cast(QAccessible::InterfaceType t) override {
    if (t == QAccessible::TextInterface) return static_cast<QAccessibleTextInterface*>(this);
    return QAccessibleWidget::interface_cast(t);
  }

  int childCount() const override { return static_cast<int>(browser()->links().size()); }
  QAccessibleInterface* child(int index) const override { return browser()->linkInterface(index); }
  int indexOfChild(const QAccessibleInterface* child) const override {
    for (int i = 0; i < childCount(); ++i)
      if (browser()->linkInterface(i) == child) return i;
    return -1;
  }
  QAccessibleInterface* childAt(int x, int y) const override {
    for (int i = 0; i < childCount(); ++i) {
      QAccessibleInterface* link = browser()->linkInterface(i);
      if (link->rect().contains(x, y)) return link;
    }
    return nullptr;
  }
  QAccessibleInterface* focusChild() const override {
    const int i = browser()->chosenLink();
    return i >= 0 && browser()->hasFocus() ? browser()->linkInterface(i) : nullptr;
  }

  // Text
  void selection(int selectionIndex, int* startOffset, int* endOffset) const override {
    const QTextCursor c = browser()->textCursor();
    *startOffset = *endOffset = 0;
    if (selectionIndex == 0 && c.hasSelection()) {
      *startOffset = c.selectionStart();
      *endOffset = c.selectionEnd();
    }
  }
  int selectionCount() const override { return browser()->textCursor().hasSelection() ? 1 : 0; }
  void addSelection(int startOffset, int endOffset) override {
    setSelection(0, startOffset, endOffset);
  }
  void removeSelection(int selectionIndex) override {
    if (selectionIndex != 0) return;
    QTextCursor c = browser()->textCursor();
    c.clearSelection();
    browser()->setTextCursor(c);
  }
  void setSelection(int selectionIndex, int startOffset, int endOffset) override {
    if (selectionIndex != 0) return;
    QTextCursor c = browser()->textCursor();
    c.setPosition(clamped(startOffset));
    c.setPosition(clamped(endOffset), QTextCursor::KeepAnchor);
    browser()->setTextCursor(c);
  }
  int cursorPosition() const override { return browser()->textCursor().position(); }
  void setCursorPosition(int position) override {
    QTextCursor c = browser()->textCursor();
    c.setPosition(clamped(position));
    browser()->setTextCursor(c);
  }
  QString text(int startOffset, int endOffset) const override {
    const int from = clamped(startOffset);
    return browser()->toPlainText().mid(from, clamped(endOffset) - from);
  }
  int characterCount() const override { return browser()->document()->characterCount() - 1; }
  QRect characterRect(int offset) const override {
    QTextCursor c(browser()->document());
    c.setPosition(clamped(offset));
    QRect r = browser()->cursorRect(c);
    if (c.movePosition(QTextCursor::NextCharacter)) {
      const QRect next = browser()->cursorRect(c);
      if (next.top() == r.top() && next.left() > r.left()) r.setRight(next.left() - 1);
    }
    return QRect(browser()->viewport()->mapToGlobal(r.topLeft()), r.size());
  }
  int offsetAtPoint(const QPoint& point) const override {
    const QPoint local = browser()->viewport()->mapFromGlobal(point);
    if (!browser()->viewport()->rect().contains(local)) return -1;
    return browser()->cursorForPosition(local).position();
  }
  void scrollToSubstring(int startIndex, int) override {
    QTextCursor c(browser()->document());
    c.setPosition(clamped(startIndex));
    const QRect r = browser()->cursorRect(c);
    if (!browser()->viewport()->rect().contains(r)) {
      QScrollBar* bar = browser()->verticalScrollBar();
      bar->setValue(bar->value() + r.top());
    }
  }
  QString attributes(int, int* startOffset, int* endOffset) const override {
    *startOffset = 0;
    *endOffset = characterCount();
    return {};
  }
  QString textAtOffset(int offset, QAccessible::TextBoundaryType type, int* startOffset,
                       int* endOffset) const override {
    if (type != QAccessible::LineBoundary)
      return QAccessibleTextInterface::textAtOffset(offset, type, startOffset, endOffset);
    lineAt(offset, startOffset, endOffset);
    return text(*startOffset, *endOffset);
  }
  QString textBeforeOffset(int offset, QAccessible::TextBoundaryType type, int* startOffset,
                           int* endOffset) const override {
    if (type != QAccessible::LineBoundary)
      return QAccessibleTextInterface::textBeforeOffset(offset, type, startOffset, endOffset);
    lineAt(offset, startOffset, endOffset);
    if (*startOffset == 0) {
      *endOffset = 0;
      return {};
    }
    lineAt(*startOffset - 1, startOffset, endOffset);
    return text(*startOffset, *endOffset);
  }
  QString textAfterOffset(int offset, QAccessible::TextBoundaryType type, int* startOffset,
                          int* endOffset) const override {
    if (type != QAccessible::LineBoundary)
      return QAccessibleTextInterface::textAfterOffset(offset, type, startOffset, endOffset);
    lineAt(offset, startOffset, endOffset);
    if (*endOffset >= characterCount()) {
      *startOffset = *endOffset = characterCount();
      return {};
    }
    lineAt(*endOffset, startOffset, endOffset);
    return text(*startOffset, *endOffset);
  }

 private:
  ManualBrowser* browser() const { return static_cast<ManualBrowser*>(widget()); }
  int clamped(int offset) const { return std::clamp(offset, 0, characterCount()); }

  // The line on the screen that holds `offset`; the last line of a paragraph takes
  // its line break with it.
  void lineAt(int offset, int* startOffset, int* endOffset) const {
    const QTextBlock block = browser()->document()->findBlock(clamped(offset));
    const int blockEnd = std::min(block.position() + block.length(), characterCount());
    *startOffset = block.position();
    *endOffset = blockEnd;
    const QTextLayout* layout = block.layout();
    if (!layout || layout->lineCount() == 0) return;
    const QTextLine line = layout->lineForTextPosition(clamped(offset) - block.position());
    if (!line.isValid()) return;
    *startOffset = block.position() + line.textStart();
    if (line.lineNumber() + 1 < layout->lineCount()) *endOffset = *startOffset + line.textLength();
  }
};

QAccessibleInterface* manualAccessible(const QString& className, QObject* object) {
  if (className != QLatin1String(ManualBrowser::staticMetaObject.className())) return nullptr;
  auto* browser = qobject_cast<ManualBrowser*>(object);
  return browser ? new ManualPageAccessible(browser) : nullptr;
}

// Web addresses and the like, as against the manual's own pages.
bool isExternal(const QUrl& url) {
  return !url.isRelative() && url.scheme() != QLatin1String("qrc") &&
         url.scheme() != QLatin1String("file");
}

}  // namespace

ManualBrowser::ManualBrowser(QWidget* parent) : QTextBrowser(parent) {
  installAccessibleFactoryOnce(manualAccessible);
  setOpenLinks(true);
  setOpenExternalLinks(true);
  // A caret to read by; the links are reached by Tab (focusNextPrevChild).
  setTextInteractionFlags(Qt::TextBrowserInteraction | Qt::TextSelectableByKeyboard);
  connect(document(), &QTextDocument::contentsChanged, this, &ManualBrowser::collectLinks);
  // The caret moved off the chosen link: the page has the focus again.
  connect(this, &QTextEdit::cursorPositionChanged, this, [this] {
    if (chosen_ >= 0 && textCursor().position() != links_[std::size_t(chosen_)].start) choose(-1);
  });
}

ManualBrowser::~ManualBrowser() {
  forgetLinkInterfaces();
}

void ManualBrowser::collectLinks() {
  choose(-1);  // the chosen link is gone with its page
  forgetLinkInterfaces();
  links_.clear();
  for (QTextBlock b = document()->begin(); b.isValid(); b = b.next()) {
    for (auto it = b.begin(); !it.atEnd(); ++it) {
      const QTextFragment f = it.fragment();
      const QString href = f.charFormat().anchorHref();
      if (!f.charFormat().isAnchor() || href.isEmpty()) continue;
      // A link made of several runs (a bold word in it) is still one link.
      if (!links_.empty() && links_.back().end == f.position() && links_.back().href == href) {
        links_.back().end = f.position() + f.length();
      } else {
        links_.push_back({f.position(), f.position() + f.length(), href});
      }
    }
  }
}

void ManualBrowser::forgetLinkInterfaces() {
  for (QAccessible::Id id : linkIds_)
    if (id) QAccessible::deleteAccessibleInterface(id);
  linkIds_.clear();
}

QString ManualBrowser::linkText(int index) const {
  if (index < 0 || index >= static_cast<int>(links_.size())) return {};
  const Link& link = links_[static_cast<std::size_t>(index)];
  return toPlainText().mid(link.start, link.end - link.start).trimmed();
}

void ManualBrowser::followLink(int index) {
  if (index < 0 || index >= static_cast<int>(links_.size())) return;
  const QUrl url = source().resolved(QUrl(links_[static_cast<std::size_t>(index)].href));
  if (isExternal(url)) {
    QDesktopServices::openUrl(url);
  } else {
    setSource(url);
  }
}

QAccessibleInterface* ManualBrowser::linkInterface(int index) {
  if (index < 0 || index >= static_cast<int>(links_.size())) return nullptr;
  linkIds_.resize(links_.size(), 0);
  QAccessible::Id& id = linkIds_[static_cast<std::size_t>(index)];
  if (!id) {
    // NOLINTNEXTLINE: the accessibility cache owns it until forgetLinkInterfaces()
    id = QAccessible::registerAccessibleInterface(new ManualLinkAccessible(this, index));
  }
  return QAccessible::accessibleInterface(id);
}

// The chosen link shows as chosen text does, and it is the focus that assistive
// tools are told of; with none chosen, the page is. The link is marked, not
// selected, so that a screen reader does not read it out a second time as a
// selection.
void ManualBrowser::choose(int index) {
  if (index == chosen_) return;
  chosen_ = index;
  QList<QTextEdit::ExtraSelection> marks;
  if (index >= 0) {
    const Link& l = links_[static_cast<std::size_t>(index)];
    QTextEdit::ExtraSelection mark;
    mark.cursor = QTextCursor(document());
    mark.cursor.setPosition(l.start);
    mark.cursor.setPosition(l.end, QTextCursor::KeepAnchor);
    mark.format.setBackground(palette().brush(QPalette::Highlight));
    mark.format.setForeground(palette().brush(QPalette::HighlightedText));
    marks.append(mark);
  }
  setExtraSelections(marks);
  if (!hasFocus()) return;
  QAccessibleInterface* focus =
      index >= 0 ? linkInterface(index) : QAccessible::queryAccessibleInterface(this);
  QAccessibleEvent event(focus, QAccessible::Focus);
  QAccessible::updateAccessibility(&event);
}

// Tab inside the page chooses the next link after the caret (Shift+Tab the one
// before it) and, past the last one, leaves the page.
bool ManualBrowser::focusNextPrevChild(bool next) {
  int target = -1;
  const int count = static_cast<int>(links_.size());
  const int caret = textCursor().position();
  if (chosen_ >= 0) {
    target = next ? chosen_ + 1 : chosen_ - 1;
  } else if (next) {
    // The link the caret is in, or the first after it.
    target = 0;
    while (target < count && links_[std::size_t(target)].end <= caret) ++target;
  } else {
    target = count - 1;
    while (target >= 0 && links_[std::size_t(target)].start >= caret) --target;
  }
  if (target < 0 || target >= count) {
    choose(-1);
    // On to the next control: past the browser's own walk, which would start over
    // from the page's first link.
    return QTextEdit::focusNextPrevChild(next);  // NOLINT(bugprone-parent-virtual-call)
  }
  // Told first, so that the caret's move to the link is heard as the link's.
  choose(target);
  QTextCursor c = textCursor();
  c.setPosition(links_[std::size_t(target)].start);
  setTextCursor(c);
  ensureCursorVisible();
  return true;
}

void ManualBrowser::keyPressEvent(QKeyEvent* event) {
  const int k = event->key();
  if (chosen_ >= 0 && (k == Qt::Key_Return || k == Qt::Key_Enter || k == Qt::Key_Space) &&
      !(event->modifiers() & (Qt::ControlModifier | Qt::AltModifier))) {
    followLink(chosen_);
    event->accept();
    return;
  }
  QTextBrowser::keyPressEvent(event);
}

void ManualBrowser::focusOutEvent(QFocusEvent* event) {
  choose(-1);
  QTextBrowser::focusOutEvent(event);
}

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

  browser_ = new ManualBrowser(this);
  browser_->setAccessibleName(QStringLiteral("Manual page"));
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
