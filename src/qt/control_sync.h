#pragma once

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QWidget>
#include <functional>
#include <optional>
#include <string>

#include "core/controls.h"
#include "core/seams.h"

namespace kestrom {

// Showing the models' controls in Qt widgets, and handing the operator's choices
// back to the models.

// Shows a caption in a label and says it to assistive tools.
void showText(QLabel* label, const std::string& caption);

// Shows a check box model's tick and enabled state without sending change signals.
void showCheckBox(QAbstractButton* box, const CheckBox& model);

// A check box in `parent` that hands each change of its tick to `toggled`: a
// click, the keyboard and an assistive tool's toggle action alike (toggled, not
// clicked). showCheckBox's drawing sends nothing.
QCheckBox* addToggleBox(QWidget* parent, const char* name, const char* caption, QRect where,
                        std::function<void(bool)> toggled);

// Shows an edit model's text (when it differs) and enabled state.
void showEdit(QLineEdit* edit, const Edit& model);

// Shows in an error box each message `take` hands over, until it has none; true
// when it had one.
bool showMessages(MessageBoxes& dialogs, const std::function<std::optional<std::string>()>& take);

// Gives a widget a new accessible description; false when it already had it.
bool describe(QWidget* widget, const QString& description);

// Names `control` after the label beside it: the label points assistive tools to
// the control (the label a screen reader speaks on Linux, where a list's own name
// is its current item) and the control's accessible name is the label's text
// without a mnemonic's ampersand or a closing colon.
void nameAfterLabel(QLabel* label, QWidget* control);

// Shows a list model in a QComboBox: its items (filled when they differ in number),
// its selection and whether it is enabled, without sending change signals. Only
// what changed is redrawn, so a redraw of an unchanged model tells assistive tools
// nothing; the accessible name stays the list's own.
void showList(QComboBox* box, const ComboBox& model);

// Hands each choice the operator makes in a list to `choose`, once: a pick from the
// drop-down, by keyboard or by the wheel (also a pick of the item already shown),
// and a selection made by any other means, such as an assistive tool setting the
// current item. What showList draws is never handed on. A list shown disabled
// takes no choice, even one made through its drop-down by an assistive tool:
// `redraw` then puts the model's selection back on show.
void forwardChoices(QComboBox* box, std::function<void(int)> choose, std::function<void()> redraw);

}  // namespace kestrom
