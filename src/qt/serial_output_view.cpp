#include "qt/serial_output_view.h"

#include "qt/control_sync.h"

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

  QGroupBox* comms = addGroup(this, " Communications Setup ", 4, 166);
  coms_ = addList(comms, "coms", 22, [](SerialOutput& m, int i) { m.comsChange(i); });
  baudrate_ = addList(comms, "baudrate", 22 + kRowHeight + 4,
                      [](SerialOutput& m, int i) { m.baudrateChange(i); });
  databits_ = addList(comms, "databits", 22 + 2 * (kRowHeight + 4),
                      [](SerialOutput& m, int i) { m.databitsChange(i); });
  parity_ = addList(comms, "parity", 22 + 3 * (kRowHeight + 4),
                    [](SerialOutput& m, int i) { m.parityChange(i); });
  stopbits_ = addList(comms, "stopbits", 22 + 4 * (kRowHeight + 4),
                      [](SerialOutput& m, int i) { m.stopbitsChange(i); });

  QGroupBox* per = addGroup(this, " Per. Output Telegrams ", 178, 134);
  updaterate_ =
      addList(per, "updaterate", 22, [](SerialOutput& m, int i) { m.updaterateChange(i); });
  telegrams_ = addList(per, "telegrams", 22 + kRowHeight + 4,
                       [](SerialOutput& m, int i) { m.telegramsChange(i); });
  addLabel(per, QStringLiteral("Transmitting :"), 84);
  transmitting_ = addLabel(per, QString(), 106);
  transmitting_->setObjectName(QStringLiteral("TransmittingText"));

  QGroupBox* output = addGroup(this, " Peripheral Output ", 320, 84);
  comport_ = addBox(output, "comport", "Serial Output On", 24,
                    [](SerialOutput& m, bool on) { m.comportClick(on); });
  checkBox1_ = addBox(output, "CheckBox1", "Output Controled by Sim.", 50,
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

QComboBox* SerialOutputView::addList(QGroupBox* group, const char* name, int y, ListEvent change) {
  auto* list = new QComboBox(group);
  list->setObjectName(QString::fromLatin1(name));
  list->setAccessibleDescription(QString::fromLatin1(name));
  list->setGeometry(kControlX, y, kControlWidth, kRowHeight);
  // The operator's choices only, not the model's own selections.
  forwardChoices(
      list,
      [this, change](int index) {
        change(model_, index);
        afterEvent();
      },
      [this] { hub_.refreshAll(); });
  return list;
}

QCheckBox* SerialOutputView::addBox(QGroupBox* group, const char* name, const char* caption, int y,
                                    BoxEvent click) {
  auto* box = new QCheckBox(QString::fromLatin1(caption), group);
  box->setObjectName(QString::fromLatin1(name));
  box->setAccessibleName(box->text());
  box->setGeometry(kControlX, y, kControlWidth, 22);
  // toggled, not clicked: an assistive tool's toggle action changes the box without
  // a click. The view's own drawing sends nothing (showCheckBox).
  connect(box, &QCheckBox::toggled, this, [this, click](bool checked) {
    click(model_, checked);
    afterEvent();
  });
  return box;
}

void SerialOutputView::afterEvent() {
  hub_.refreshAll();
  showPendingMessages();
}

void SerialOutputView::showPendingMessages() {
  bool shown = false;
  while (auto message = model_.takePendingMessage()) {
    sim_.services().dialogs.error(*message);
    shown = true;
  }
  if (shown) hub_.refreshAll();
}

void SerialOutputView::refreshFromModel() {
  showList(coms_, model_.coms);
  showList(baudrate_, model_.baudrate);
  showList(databits_, model_.databits);
  showList(parity_, model_.parity);
  showList(stopbits_, model_.stopbits);
  showList(updaterate_, model_.updaterate);
  showList(telegrams_, model_.telegrams);
  showText(transmitting_, model_.TransmittingText.Caption);
  showCheckBox(comport_, model_.comport);
  showCheckBox(checkBox1_, model_.CheckBox1);
}

}  // namespace kestrom
