// A form of our own holding every kind of control, for the window-seam tests and screenshots.
#pragma once

#include "platform/form_table.h"

namespace tess::testing {

FormSpec SyntheticForm();

}  // namespace tess::testing
