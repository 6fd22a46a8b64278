#pragma once

#include "platform/core/Exception.h"

#include <vector>

struct TSerialPort {
    String Name;       // "ttyS0", "ttyUSB0"
    String DevicePath; // "/dev/ttyS0"
    int Number = 0;    // the classic port number: ttyS<k> is k + 1; 0 for other kinds
    bool InUse = false;
};

// The serial ports that exist: every entry of `ttyClassFolder` with a device
// behind it whose node in `deviceFolder` opens for reading and writing, or
// refuses because another program holds it or we may not use it ("in use").
// Ports numbered by the classic scheme come first, ascending, then the
// others by name.
std::vector<TSerialPort> ProbeSerialPorts(const String& ttyClassFolder = "/sys/class/tty",
                                          const String& deviceFolder = "/dev");
