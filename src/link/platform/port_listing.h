#pragma once
// The serial ports of this computer, in a stable order: the ports the system
// knows, then the simulated terminals that are running.
#include "link/port_list.h"

namespace tessel::link {

PortList listSerialPorts();

}  // namespace tessel::link
