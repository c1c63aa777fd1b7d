#pragma once

#include <QHostInfo>
#include <QObject>
#include <QString>
#include <functional>

namespace kestrom {

// Looks a host name up in the background and hands the answer to a callback on
// this object's thread. Starting another lookup, cancelling, or destroying the
// object drops the one under way: its answer never arrives.
class HostLookup : public QObject {
  Q_OBJECT
 public:
  using Answer = std::function<void(const QHostInfo&)>;

  HostLookup() = default;
  HostLookup(const HostLookup&) = delete;
  HostLookup& operator=(const HostLookup&) = delete;
  ~HostLookup() override { cancel(); }

  void start(const QString& name, Answer answer);
  void cancel();
  bool running() const { return id_ >= 0; }

 private slots:
  void answered(const QHostInfo& info);

 private:
  int id_ = -1;
  Answer answer_;
};

}  // namespace kestrom
