#pragma once
// What the terminal works out from the definition when the application
// starts. It writes into the definition itself, as the terminal keeps these
// values with the application.
#include "core/definition.h"

namespace tessel::sim {

// Menu item counts (items whose name holds a visible character), form line
// counts (1 + the last input field, 0 for none), and no prompt or link on
// lines that cannot use them.
void prepareForStart(Definition& definition);

}  // namespace tessel::sim
