#include "qt/network_output_view.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>

#include "qt/control_sync.h"
#include "setup/network_output.h"
#include "setup/serial_output.h"
#include "setup/setup_window.h"
#include "simulator/simulator.h"

namespace kestrom {

namespace {
constexpr int kBoxX = 10;
constexpr int kBoxWidth = 92;
constexpr int kPortX = 106;
constexpr int kPortWidth = 76;
constexpr int kRowHeight = 22;
}  // namespace

NetworkOutputView::NetworkOutputView(Simulator& sim, ViewHub& hub, QWidget* parent)
    : QGroupBox(QStringLiteral(" Network Output "), parent),
      sim_(sim),
      model_(sim.setupWindow().Serial.Network),
      hub_(hub) {
  setObjectName(QStringLiteral("NetworkOutputView"));
  setAccessibleName(title());
  setFixedSize(kWidth, kHeight);

  addBox("tcpServer", "TCP server", 22, model_.tcpServer,
         [](NetworkOutput& m, bool on) { m.tcpServerClick(on); });
  addEdit("tcpPort", "TCP server port", QRect(kPortX, 22, kPortWidth, kRowHeight), model_.tcpPort,
          [](NetworkOutput& m, const std::string& t) { m.tcpPortChange(t); });
  addBox("udp", "UDP", 48, model_.udp, [](NetworkOutput& m, bool on) { m.udpClick(on); });
  addEdit("udpPort", "UDP port", QRect(kPortX, 48, kPortWidth, kRowHeight), model_.udpPort,
          [](NetworkOutput& m, const std::string& t) { m.udpPortChange(t); });
  auto* to = new QLabel(QStringLiteral("Host"), this);
  to->setGeometry(kBoxX + 18, 74, 34, kRowHeight);
  addEdit("udpHost", "UDP host",
          QRect(kBoxX + 52, 74, kPortX + kPortWidth - kBoxX - 52, kRowHeight), model_.udpHost,
          [](NetworkOutput& m, const std::string& t) { m.udpHostChange(t); });

  model_.onMessagePending = [this] {
    QMetaObject::invokeMethod(  // NOLINT: Qt owns the queued call
        this, [this] { showPendingMessages(); }, Qt::QueuedConnection);
  };
  hub_.addView(this);
  NetworkOutputView::refreshFromModel();
}

NetworkOutputView::~NetworkOutputView() {
  model_.onMessagePending = nullptr;
  hub_.removeView(this);
}

void NetworkOutputView::addBox(const char* name, const char* caption, int y, const CheckBox& shown,
                               BoxEvent click) {
  QCheckBox* box = addToggleBox(this, name, caption, QRect(kBoxX, y, kBoxWidth, kRowHeight),
                                [this, click](bool checked) {
                                  click(model_, checked);
                                  afterEvent();
                                });
  boxes_.push_back({box, &shown});
}

// The model judges every text whole, a pasted one too, and says why it refuses
// one; the edit neither cuts nor filters what it is given.
void NetworkOutputView::addEdit(const char* name, const char* spoken, QRect where,
                                const Edit& shown, EditEvent change) {
  auto* edit = new QLineEdit(this);
  edit->setObjectName(QString::fromLatin1(name));
  edit->setAccessibleName(QString::fromLatin1(spoken));
  edit->setGeometry(where);
  // Typing and an assistive tool writing the text alike; what the view draws
  // itself is the model's text already and is not handed back.
  connect(edit, &QLineEdit::textChanged, this, [this, edit, &shown, change](const QString& t) {
    if (t.toStdString() == shown.Text) return;
    change(model_, t.toStdString());
    hub_.refreshAll();
    if (edit->text().toStdString() != shown.Text) showEdit(edit, shown);
  });
  edits_.push_back({edit, &shown});
}

void NetworkOutputView::afterEvent() {
  hub_.refreshAll();
  showPendingMessages();
}

void NetworkOutputView::showPendingMessages() {
  if (showMessages(sim_.services().dialogs, [this] { return model_.takePendingMessage(); })) {
    hub_.refreshAll();
  }
}

void NetworkOutputView::refreshFromModel() {
  for (const auto& [view, shown] : boxes_) showCheckBox(view, *shown);
  for (const auto& [view, shown] : edits_) showEdit(view, *shown);
}

}  // namespace kestrom
