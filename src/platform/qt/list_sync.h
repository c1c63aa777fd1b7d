#pragma once

#include <QComboBox>

#include "app/controls.h"

namespace kestrom {

// Shows a list model in a QComboBox: its items (filled when they differ in number),
// its selection and whether it is enabled, without sending change signals. The
// accessible name follows the text on show.
void showList(QComboBox* box, const ComboBox& model);

}  // namespace kestrom
