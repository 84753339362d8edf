#pragma once

#include "base/text.h"
#include "window/control_ids.h"

// The host's property services, by window, control and property number. A window that is not
// loaded, or a control that does not exist, is fatal.

// A fresh copy of the control's current content; null when it is empty.
Text ReadProperty(WindowNumber window, ControlNumber control, Property property);

// Sets the control's content to `value` as it is, CR LF pairs included; a null text empties it.
// The caller keeps its value.
void WriteProperty(WindowNumber window, ControlNumber control, Property property,
                   const Text& value);
