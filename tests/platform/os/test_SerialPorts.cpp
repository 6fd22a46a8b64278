#include "platform/os/SerialPorts.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <unistd.h>

namespace {

void MakeFile(const String& path, QFileDevice::Permissions permissions = QFileDevice::ReadOwner | QFileDevice::WriteOwner)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.close();
    file.setPermissions(permissions);
}

} // namespace

TEST(ProbeSerialPorts, ListsPortsWithADeviceWhoseNodeOpensClassicNumbersFirst)
{
    QTemporaryDir root;
    QDir folder(root.path());
    folder.mkpath("class");
    folder.mkpath("dev");
    const struct {
        const char* name;
        bool hasDevice;
        bool hasNode;
    } entries[] = {
        { "ttyS10", true, true }, { "ttyS1", true, true },  { "ttyUSB0", true, true }, { "ttyACM0", true, true },
        { "tty1", false, true },  { "ttyS3", true, false }, { "ttyS2", true, true },
    };
    for (const auto& entry : entries) {
        folder.mkpath(QString("class/%1%2").arg(entry.name, entry.hasDevice ? "/device" : ""));
        if (entry.hasNode)
            MakeFile(folder.filePath(QString("dev/") + entry.name));
    }
    // A node that is no device at all does not count.
    QFile::remove(folder.filePath("dev/ttyS2"));
    folder.mkpath("dev/ttyS2");

    const std::vector<TSerialPort> ports = ProbeSerialPorts(folder.filePath("class"), folder.filePath("dev"));

    const struct {
        const char* name;
        int number;
    } expected[] = { { "ttyS1", 2 }, { "ttyS10", 11 }, { "ttyACM0", 0 }, { "ttyUSB0", 0 } };
    ASSERT_EQ(ports.size(), std::size(expected));
    for (size_t index = 0; index < ports.size(); ++index) {
        SCOPED_TRACE(expected[index].name);
        EXPECT_EQ(ports[index].Name, expected[index].name);
        EXPECT_EQ(ports[index].Number, expected[index].number);
        EXPECT_EQ(ports[index].DevicePath, folder.filePath(QString("dev/") + expected[index].name));
        EXPECT_FALSE(ports[index].InUse);
    }
}

TEST(ProbeSerialPorts, APortWeMayNotOpenExistsButIsInUse)
{
    if (geteuid() == 0)
        GTEST_SKIP() << "permissions do not hold back the superuser";
    QTemporaryDir root;
    QDir folder(root.path());
    folder.mkpath("class/ttyS0/device");
    folder.mkpath("dev");
    MakeFile(folder.filePath("dev/ttyS0"), {});

    const std::vector<TSerialPort> ports = ProbeSerialPorts(folder.filePath("class"), folder.filePath("dev"));

    ASSERT_EQ(ports.size(), 1u);
    EXPECT_TRUE(ports[0].InUse);
}
