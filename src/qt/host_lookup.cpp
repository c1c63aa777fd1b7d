#include "qt/host_lookup.h"

#include <utility>

namespace kestrom {

void HostLookup::start(const QString& name, Answer answer) {
  cancel();
  answer_ = std::move(answer);
  id_ = QHostInfo::lookupHost(name, this, SLOT(answered(QHostInfo)));
}

void HostLookup::cancel() {
  if (id_ >= 0) QHostInfo::abortHostLookup(id_);
  id_ = -1;
  answer_ = nullptr;
}

void HostLookup::answered(const QHostInfo& info) {
  if (info.lookupId() != id_) return;  // an answer to a lookup given up
  id_ = -1;
  const Answer answer = std::exchange(answer_, nullptr);
  if (answer) answer(info);
}

}  // namespace kestrom
