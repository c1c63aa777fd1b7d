#include "qt/session_log_view.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QTableView>
#include <QVBoxLayout>
#include <fstream>

#include "core/seams.h"

namespace kestrom {

namespace {

constexpr int kColumns = 7;
const char* const kHeaders[kColumns] = {"Time (s)", "Kind",  "Panel", "What",
                                        "Before",   "After", "Detail"};
const char* const kPanels[] = {"Mobile", "Fix", "Beacon", "Setup"};
constexpr LogEntry::Kind kKinds[] = {
    LogEntry::Kind::Key,  LogEntry::Kind::Enter, LogEntry::Kind::Message, LogEntry::Kind::InBeam,
    LogEntry::Kind::Lock, LogEntry::Kind::Alarm, LogEntry::Kind::Setup,   LogEntry::Kind::Output};

QString text(const std::string& s) {
  return QString::fromStdString(s);
}

}  // namespace

int SessionLogTable::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : rows_;
}

int SessionLogTable::columnCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : kColumns;
}

QVariant SessionLogTable::data(const QModelIndex& index, int role) const {
  if (!index.isValid() || index.row() >= rows_ ||
      (role != Qt::DisplayRole && role != Qt::ToolTipRole))
    return {};
  const LogEntry& e = entry(index.row());
  switch (index.column()) {
    case 0:
      return text(secondsText(e.timeMs));
    case 1:
      return QString::fromLatin1(kindName(e.kind));
    case 2:
      return text(e.panel);
    case 3:
      return text(e.what);
    case 4:
      return text(e.before);
    case 5:
      return text(e.after);
    default:
      return text(e.detail);
  }
}

QVariant SessionLogTable::headerData(int section, Qt::Orientation orientation, int role) const {
  if (role != Qt::DisplayRole) return {};
  if (orientation == Qt::Vertical) return section + 1;
  return section >= 0 && section < kColumns ? QString::fromLatin1(kHeaders[section]) : QVariant();
}

void SessionLogTable::sync() {
  const int now = static_cast<int>(log_.entries().size());
  if (now <= rows_) return;
  beginInsertRows({}, rows_, now - 1);
  rows_ = now;
  endInsertRows();
}

// Keeps the rows of one panel and one kind; an empty choice keeps all.
class SessionLogView::Filter : public QSortFilterProxyModel {
 public:
  using QSortFilterProxyModel::QSortFilterProxyModel;
  void choose(QString panel, QString kind) {
    panel_ = std::move(panel);
    kind_ = std::move(kind);
    invalidateFilter();
  }

 protected:
  bool filterAcceptsRow(int row, const QModelIndex& parent) const override {
    const QAbstractItemModel* m = sourceModel();
    return (panel_.isEmpty() || m->index(row, 2, parent).data().toString() == panel_) &&
           (kind_.isEmpty() || m->index(row, 1, parent).data().toString() == kind_);
  }

 private:
  QString panel_;
  QString kind_;
};

SessionLogView::SessionLogView(const SessionLog& log, MessageBoxes& dialogs, ViewHub& hub,
                               QWidget* parent)
    : QWidget(parent, Qt::Window), log_(log), dialogs_(dialogs), hub_(hub) {
  setObjectName(QStringLiteral("sessionlog"));
  setWindowTitle(QStringLiteral("Session Log"));
  resize(760, 420);

  summary_ = new QLabel(this);
  summary_->setObjectName(QStringLiteral("summary"));
  summary_->setAccessibleName(QStringLiteral("Summary"));
  summary_->setTextInteractionFlags(Qt::TextSelectableByKeyboard | Qt::TextSelectableByMouse);
  summary_->setFocusPolicy(Qt::TabFocus);

  panelFilter_ = new QComboBox(this);
  panelFilter_->setObjectName(QStringLiteral("panelFilter"));
  panelFilter_->addItem(QStringLiteral("All panels"), QString());
  for (const char* p : kPanels)
    panelFilter_->addItem(QString::fromLatin1(p), QString::fromLatin1(p));
  kindFilter_ = new QComboBox(this);
  kindFilter_->setObjectName(QStringLiteral("kindFilter"));
  kindFilter_->addItem(QStringLiteral("All kinds"), QString());
  for (LogEntry::Kind k : kKinds)
    kindFilter_->addItem(QString::fromLatin1(kindName(k)), QString::fromLatin1(kindName(k)));
  auto* panelLabel = new QLabel(QStringLiteral("&Panel:"), this);
  panelLabel->setBuddy(panelFilter_);
  panelFilter_->setAccessibleName(QStringLiteral("Panel"));
  auto* kindLabel = new QLabel(QStringLiteral("&Kind:"), this);
  kindLabel->setBuddy(kindFilter_);
  kindFilter_->setAccessibleName(QStringLiteral("Kind"));

  rows_ = new SessionLogTable(log_, this);
  filter_ = new Filter(this);
  filter_->setSourceModel(rows_);
  table_ = new QTableView(this);
  table_->setObjectName(QStringLiteral("logTable"));
  table_->setAccessibleName(QStringLiteral("Session log"));
  table_->setModel(filter_);
  table_->setSelectionBehavior(QAbstractItemView::SelectRows);
  table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  table_->setTabKeyNavigation(false);
  table_->horizontalHeader()->setStretchLastSection(true);
  table_->verticalHeader()->setDefaultSectionSize(table_->fontMetrics().height() + 6);

  saveCsv_ = new QPushButton(QStringLiteral("Save as &CSV…"), this);
  saveCsv_->setObjectName(QStringLiteral("saveCsv"));
  saveCsv_->setAccessibleName(QStringLiteral("Save as CSV"));
  saveJson_ = new QPushButton(QStringLiteral("Save as &JSON Lines…"), this);
  saveJson_->setObjectName(QStringLiteral("saveJson"));
  saveJson_->setAccessibleName(QStringLiteral("Save as JSON Lines"));

  auto* filters = new QHBoxLayout;
  filters->addWidget(panelLabel);
  filters->addWidget(panelFilter_);
  filters->addSpacing(12);
  filters->addWidget(kindLabel);
  filters->addWidget(kindFilter_);
  filters->addStretch();
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(saveCsv_);
  buttons->addWidget(saveJson_);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(summary_);
  layout->addLayout(filters);
  layout->addWidget(table_, 1);
  layout->addLayout(buttons);

  auto refilter = [this] {
    filter_->choose(panelFilter_->currentData().toString(), kindFilter_->currentData().toString());
    table_->scrollToBottom();
  };
  connect(panelFilter_, &QComboBox::currentIndexChanged, this, refilter);
  connect(kindFilter_, &QComboBox::currentIndexChanged, this, refilter);
  connect(saveCsv_, &QPushButton::clicked, this, [this] { save(false); });
  connect(saveJson_, &QPushButton::clicked, this, [this] { save(true); });
  hub_.addView(this);
}

SessionLogView::~SessionLogView() {
  hub_.removeView(this);
}

void SessionLogView::refreshFromModel() {
  if (!isVisible()) return;
  const QScrollBar* bar = table_->verticalScrollBar();
  const bool atEnd = bar->value() == bar->maximum();
  const int before = rows_->rowCount();
  rows_->sync();
  summary_->setText(text(summaryText(log_.summary())));
  if (atEnd && rows_->rowCount() != before) table_->scrollToBottom();
}

void SessionLogView::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  refreshFromModel();
  table_->scrollToBottom();
}

void SessionLogView::save(bool json) {
  const std::string path =
      json ? dialogs_.saveFileName("Save Session Log as JSON Lines", "JSON Lines (*.jsonl)")
           : dialogs_.saveFileName("Save Session Log as CSV", "CSV files (*.csv)");
  if (path.empty()) return;
  const std::string content = json ? toJsonLines(log_.entries()) : toCsv(log_.entries());
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out << content;
  out.flush();
  if (!out) dialogs_.error("The session log could not be saved to \"" + path + "\".");
  hub_.refreshAll();
}

}  // namespace kestrom
