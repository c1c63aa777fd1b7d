#include "qt/serial_output_view.h"

#include "qt/control_sync.h"
#include "qt/network_output_view.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>

#include "setup/serial_output.h"
#include "setup/setup_window.h"
#include "simulator/simulator.h"

namespace kestrom {

namespace {

constexpr int kGroupX = 4;
constexpr int kGroupWidth = SerialOutputView::kWidth - 2 * kGroupX;
constexpr int kControlX = 10;
constexpr int kControlWidth = kGroupWidth - 2 * kControlX;
constexpr int kRowHeight = 24;

QGroupBox* addGroup(QWidget* parent, const char* title, int y, int height) {
  auto* group = new QGroupBox(QString::fromLatin1(title), parent);
  group->setGeometry(kGroupX, y, kGroupWidth, height);
  group->setAccessibleName(group->title());
  return group;
}

QLabel* addLabel(QWidget* parent, const QString& text, int y) {
  auto* label = new QLabel(text, parent);
  label->setGeometry(kControlX, y, kControlWidth, 20);
  label->setAccessibleName(text);
  return label;
}

}  // namespace

SerialOutputView::SerialOutputView(Simulator& sim, ViewHub& hub, QWidget* parent)
    : QWidget(parent), sim_(sim), model_(sim.setupWindow().Serial), hub_(hub) {
  setObjectName(QStringLiteral("SerialOutputView"));
  setFixedSize(kWidth, kHeight);

  addLists(addGroup(this, " Communications Setup ", 4, 166),
           {{"coms", "Port", model_.coms, [](SerialOutput& m, int i) { m.comsChange(i); }},
            {"baudrate", "Baud rate", model_.baudrate,
             [](SerialOutput& m, int i) { m.baudrateChange(i); }},
            {"databits", "Data bits", model_.databits,
             [](SerialOutput& m, int i) { m.databitsChange(i); }},
            {"parity", "Parity", model_.parity, [](SerialOutput& m, int i) { m.parityChange(i); }},
            {"stopbits", "Stop bits", model_.stopbits,
             [](SerialOutput& m, int i) { m.stopbitsChange(i); }}});

  QGroupBox* per = addGroup(this, " Per. Output Telegrams ", 178, 134);
  addLists(per, {{"updaterate", "Telegrams per second", model_.updaterate,
                  [](SerialOutput& m, int i) { m.updaterateChange(i); }},
                 {"telegrams", "Telegram type", model_.telegrams,
                  [](SerialOutput& m, int i) { m.telegramsChange(i); }}});
  addLabel(per, QStringLiteral("Transmitting :"), 84);
  transmitting_ = addLabel(per, QString(), 106);
  transmitting_->setObjectName(QStringLiteral("TransmittingText"));

  QGroupBox* output = addGroup(this, " Peripheral Output ", 320, kGroupsBottom - 320);
  addBox(output, "comport", "Serial Output On", 24, model_.comport,
         [](SerialOutput& m, bool on) { m.comportClick(on); });
  addBox(output, "CheckBox1", "Output Controled by Sim.", 50, model_.CheckBox1,
         [](SerialOutput& m, bool on) { m.CheckBox1Click(on); });

  // A failure found inside a timer tick or reported by the port itself: show its
  // message once the current event has run to its end.
  model_.onMessagePending = [this] {
    QMetaObject::invokeMethod(  // NOLINT: Qt owns the queued call
        this, [this] { showPendingMessages(); }, Qt::QueuedConnection);
  };

  hub_.addView(this);
  SerialOutputView::refreshFromModel();
}

SerialOutputView::~SerialOutputView() {
  model_.onMessagePending = nullptr;
  hub_.removeView(this);
}

void SerialOutputView::addLists(QGroupBox* group, std::initializer_list<ListRow> rows) {
  int y = 22;
  for (const ListRow& row : rows) {
    addList(group, row, y);
    y += kRowHeight + 4;
  }
}

void SerialOutputView::addList(QGroupBox* group, const ListRow& row, int y) {
  auto* list = new QComboBox(group);
  list->setObjectName(QString::fromLatin1(row.name));
  list->setAccessibleName(QString::fromLatin1(row.spoken));
  list->setGeometry(kControlX, y, kControlWidth, kRowHeight);
  // The operator's choices only, not the model's own selections.
  forwardChoices(
      list,
      [this, change = row.change](int index) {
        change(model_, index);
        afterEvent();
      },
      [this] { hub_.refreshAll(); });
  lists_.push_back({list, &row.shown});
}

void SerialOutputView::addBox(QGroupBox* group, const char* name, const char* caption, int y,
                              const CheckBox& shown, BoxEvent click) {
  QCheckBox* box = addToggleBox(group, name, caption, QRect(kControlX, y, kControlWidth, 22),
                                [this, click](bool checked) {
                                  click(model_, checked);
                                  afterEvent();
                                });
  boxes_.push_back({box, &shown});
}

void SerialOutputView::afterEvent() {
  hub_.refreshAll();
  showPendingMessages();
}

void SerialOutputView::showPendingMessages() {
  if (showMessages(sim_.services().dialogs, [this] { return model_.takePendingMessage(); })) {
    hub_.refreshAll();
  }
}

void SerialOutputView::refreshFromModel() {
  for (const auto& [view, shown] : lists_) showList(view, *shown);
  showText(transmitting_, model_.TransmittingText.Caption);
  for (const auto& [view, shown] : boxes_) showCheckBox(view, *shown);
}

void fillTelegramHalf(Simulator& sim, ViewHub& hub, QWidget* rightHalf) {
  new SerialOutputView(sim, hub, rightHalf);
  auto* network = new NetworkOutputView(sim, hub, rightHalf);
  network->move(4, SerialOutputView::kGroupsBottom + 6);
}

}  // namespace kestrom
