#pragma once
// Texts of a transfer that are formed around a number, in the active
// language when it has them.
#include <string>

#include "core/strings.h"

namespace tessel::link {

// "Data received : 12": the count while records arrive.
std::string receivedCountText(const Strings& strings, int count);

// "Done : 12 records received.\nView the received data?"
std::string receiveDoneQuestion(const Strings& strings, int count);

}  // namespace tessel::link
