#pragma once

#include <QAbstractTableModel>
#include <QSortFilterProxyModel>
#include <QWidget>

#include "core/session_log.h"
#include "qt/view_hub.h"

class QComboBox;
class QLabel;
class QPushButton;
class QTableView;

namespace kestrom {

class MessageBoxes;

// The session log's lines as a table, one column per field. Rows are added only
// when sync() is called, so a closed window costs nothing.
class SessionLogTable : public QAbstractTableModel {
 public:
  explicit SessionLogTable(const SessionLog& log, QObject* parent = nullptr)
      : QAbstractTableModel(parent), log_(log) {}
  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
  // Takes in the lines logged since the last call.
  void sync();
  const LogEntry& entry(int row) const { return log_.entries()[static_cast<std::size_t>(row)]; }

 private:
  const SessionLog& log_;
  int rows_ = 0;
};

// View > Session Log: the summary, the log (newest last) filtered by panel and
// by kind, and saving it as CSV or JSON Lines.
class SessionLogView : public QWidget, public ModelView {
 public:
  SessionLogView(const SessionLog& log, MessageBoxes& dialogs, ViewHub& hub,
                 QWidget* parent = nullptr);
  ~SessionLogView() override;

  void refreshFromModel() override;

  QTableView* table() const { return table_; }
  QLabel* summary() const { return summary_; }
  QComboBox* panelFilter() const { return panelFilter_; }
  QComboBox* kindFilter() const { return kindFilter_; }
  QPushButton* saveCsvButton() const { return saveCsv_; }
  QPushButton* saveJsonButton() const { return saveJson_; }

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  class Filter;
  void save(bool json);

  const SessionLog& log_;
  MessageBoxes& dialogs_;
  ViewHub& hub_;
  SessionLogTable* rows_ = nullptr;
  Filter* filter_ = nullptr;
  QLabel* summary_ = nullptr;
  QComboBox* panelFilter_ = nullptr;
  QComboBox* kindFilter_ = nullptr;
  QTableView* table_ = nullptr;
  QPushButton* saveCsv_ = nullptr;
  QPushButton* saveJson_ = nullptr;
};

}  // namespace kestrom
