// Turns the rows of a form table into Qt widgets inside the form's window.
#pragma once

#include "platform/form_table.h"
#include "platform/qt/input_gate.h"
#include "platform/qt/twips_scale.h"

namespace tess::qt {

class FormWindow;

void BuildControls(FormWindow& window, const FormSpec& form, InputGate& gate, const TwipsScale& scale);

// Shows a label's caption: "&&" as "&", a lone "&x" as the access key of the next control.
void ShowLabelCaption(FormWindow& window, const std::string& label);

}  // namespace tess::qt
