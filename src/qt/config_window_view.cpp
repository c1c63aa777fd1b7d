#include "qt/config_window_view.h"

#include <QGridLayout>
#include <QLabel>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "windows/config_view.h"

namespace kestrom {

ConfigWindowView::ConfigWindowView(Tconfigview& model, ViewHub& hub)
    : AuxWindowBase(model, hub), model_(model) {
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(16, 10, 16, 10);

  QLabel* heading = addLabel("Inlock Criteria");
  QFont bold = heading->font();
  bold.setBold(true);
  heading->setFont(bold);
  layout->addWidget(heading);

  auto* grid = new QGridLayout;
  grid->setHorizontalSpacing(12);
  grid->setVerticalSpacing(4);
  for (int row = 1; row <= Tconfigview::kRows; ++row) {
    QLabel* label = addLabel(Tconfigview::RowLabels[row - 1]);
    auto* box = new QCheckBox(QStringLiteral("OK"), this);
    box->setAccessibleName(box->text());
    box->setAccessibleDescription(label->text());
    label->setBuddy(box);
    // Any change of the box by the trainee: a click, Space, an assistive tool's toggle.
    connect(box, &QCheckBox::toggled, this,
            [this, row](bool checked) { forward([&] { model_.CheckBoxClick(row, checked); }); });
    grid->addWidget(label, row - 1, 0);
    grid->addWidget(box, row - 1, 1);
    boxes_[row - 1] = box;
  }
  grid->setColumnStretch(0, 1);
  layout->addLayout(grid);
  layout->addStretch();

  close_ = addButton("Close", [this] { model_.BitBtn1Click(); });
  layout->addWidget(close_, 0, Qt::AlignHCenter);

  ConfigWindowView::refreshControls();
}

void ConfigWindowView::refreshControls() {
  for (int row = 1; row <= Tconfigview::kRows; ++row) {
    const CheckBox* state = model_.checkBox(row);
    QCheckBox* box = boxes_[row - 1];
    const QSignalBlocker quiet(box);  // drawing the model is no click
    if (box->isChecked() != state->Checked) box->setChecked(state->Checked);
    if (box->isEnabled() != state->Enabled) box->setEnabled(state->Enabled);
  }
}

}  // namespace kestrom
