#pragma once

#include <QComboBox>
#include <functional>

#include "core/controls.h"

namespace kestrom {

// Shows a list model in a QComboBox: its items (filled when they differ in number),
// its selection and whether it is enabled, without sending change signals. The
// accessible name follows the text on show.
void showList(QComboBox* box, const ComboBox& model);

// Hands each choice the operator makes in a list to `choose`, once: a pick from the
// drop-down, by keyboard or by the wheel (also a pick of the item already shown),
// and a selection made by any other means, such as an assistive tool setting the
// current item. What showList draws is never handed on. A list shown disabled
// takes no choice, even one made through its drop-down by an assistive tool:
// `redraw` then puts the model's selection back on show.
void forwardChoices(QComboBox* box, std::function<void(int)> choose, std::function<void()> redraw);

}  // namespace kestrom
