#include "link/platform/port_listing.h"

#include <QSerialPortInfo>
#include <algorithm>

#include "link/platform/virtual_terminals.h"

#ifdef _WIN32
#include <windows.h>
#endif

namespace tessel::link {
namespace {

#ifdef _WIN32
// The values of HKEY_LOCAL_MACHINE\Hardware\DeviceMap\SerialComm in the
// registry's order: the value name is the device path, the data the port name.
PortList systemPorts() {
    PortList ports;
    HKEY key = nullptr;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, "Hardware\\DeviceMap\\SerialComm", 0, KEY_READ, &key) != ERROR_SUCCESS)
        return ports;
    for (DWORD index = 0;; ++index) {
        char path[128];
        BYTE name[64];
        DWORD pathSize = sizeof path, nameSize = sizeof name, type = 0;
        if (RegEnumValueA(key, index, path, &pathSize, nullptr, &type, name, &nameSize) != ERROR_SUCCESS) break;
        if (type == REG_SZ) ports.push_back({path, reinterpret_cast<const char*>(name)});
    }
    RegCloseKey(key);
    return ports;
}
#else
PortList systemPorts() {
    PortList ports;
    for (const QSerialPortInfo& info : QSerialPortInfo::availablePorts())
        ports.push_back({info.systemLocation().toStdString(), info.portName().toStdString()});
    std::sort(ports.begin(), ports.end(), [](const PortEntry& a, const PortEntry& b) {
        // ttyS2 before ttyS10: shorter names of the same stem first.
        return std::pair(a.portName.size(), a.portName) < std::pair(b.portName.size(), b.portName);
    });
    return ports;
}
#endif

}  // namespace

PortList listSerialPorts() {
    PortList ports = systemPorts();
    const PortList terminals = listVirtualTerminals();
    ports.insert(ports.end(), terminals.begin(), terminals.end());
    return ports;
}

}  // namespace tessel::link
