#include "platform/os/SerialPorts.h"

#include <QDir>
#include <QFileInfo>

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <unistd.h>

namespace {

enum class TProbe { Absent, Free, Held };

TProbe ProbeDevice(const String& path)
{
    const int handle = open(path.toLocal8Bit().constData(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (handle >= 0) {
        close(handle);
        return TProbe::Free;
    }
    // EIO and ENXIO come from port entries with no hardware behind them.
    return (errno == EBUSY || errno == EACCES || errno == EPERM) ? TProbe::Held : TProbe::Absent;
}

int ClassicNumber(const String& name)
{
    if (!name.startsWith(QLatin1String("ttyS")))
        return 0;
    bool isNumber = false;
    const int index = name.mid(4).toInt(&isNumber);
    return (isNumber && index >= 0) ? index + 1 : 0;
}

} // namespace

std::vector<TSerialPort> ProbeSerialPorts(const String& ttyClassFolder, const String& deviceFolder)
{
    std::vector<TSerialPort> ports;
    const QDir classes(ttyClassFolder);
    const QStringList names = classes.entryList(QDir::Dirs | QDir::NoDotAndDotDot | QDir::System);
    for (const String& name : names) {
        if (!QFileInfo::exists(classes.filePath(name) + QLatin1String("/device")))
            continue;
        TSerialPort port;
        port.Name = name;
        port.DevicePath = QDir(deviceFolder).filePath(name);
        port.Number = ClassicNumber(name);
        const TProbe probe = ProbeDevice(port.DevicePath);
        if (probe == TProbe::Absent)
            continue;
        port.InUse = probe == TProbe::Held;
        ports.push_back(port);
    }
    std::sort(ports.begin(), ports.end(), [](const TSerialPort& left, const TSerialPort& right) {
        if ((left.Number == 0) != (right.Number == 0))
            return left.Number != 0;
        if (left.Number != right.Number)
            return left.Number < right.Number;
        return left.Name < right.Name;
    });
    return ports;
}
