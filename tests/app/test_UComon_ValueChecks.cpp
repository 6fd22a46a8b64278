#include "app/UComon.h"

#include "platform/core/FormatSettings.h"
#include "platform/os/SerialPorts.h"

#include <gtest/gtest.h>

namespace {

TEST(KNXAddress, GroupAddresses)
{
    struct Case {
        const char* text;
        bool invalid;
    };
    const Case cases[] = {
        { "31/2047", false }, { "0/0", true }, { "31/7/255", false }, { "32/0", true },
        { "1/8/0", true }, { "65535", false }, { "0", true }, { "65536", true },
        { "1.1.1", true }, { "1/2.0", true }, { "0/0/0", true }, { "0/0/1", false },
        { "1/2/3/4", true }, { " 1 / 2 ", false }, { " 12", true }, { "12 ", true },
        { "a/1", true }, { "", true }, { "1/", true }, { "31/2048", true }, { "0/1", false },
    };
    for (const Case& entry : cases) {
        SCOPED_TRACE(entry.text);
        EXPECT_EQ(Error_In_KNX_Address(entry.text, true, false), entry.invalid);
    }
}

TEST(KNXAddress, IndividualAddresses)
{
    struct Case {
        const char* text;
        bool allowZero;
        bool invalid;
    };
    const Case cases[] = {
        { "15.15.255", false, false }, { "0.0.0", false, true }, { "0.0.0", true, false },
        { "16.0.1", false, true }, { "1.16.1", false, true }, { "1.1.256", false, true },
        { "1/1/1", false, true }, { "1.1.1.1", false, true }, { "1.1", false, true },
        { "4711", false, false }, { "0", true, true }, { " 1 . 2 . 3 ", false, false },
        { "1.x.3", false, true },
    };
    for (const Case& entry : cases) {
        SCOPED_TRACE(entry.text);
        EXPECT_EQ(Error_In_KNX_Address(entry.text, false, entry.allowZero), entry.invalid);
    }
}

TEST(KNXAddress, GroupAddressIsAnyTextWithoutADot)
{
    EXPECT_TRUE(Is_KNX_Group_Address("1/2/3"));
    EXPECT_TRUE(Is_KNX_Group_Address("100"));
    EXPECT_FALSE(Is_KNX_Group_Address("1.1.1"));
}

TEST(ConvFloat, ReadsWithTheGivenSeparator)
{
    struct Case {
        QChar localeSeparator;
        const char* text;
        QChar separator;
        bool converted;
        float value;
    };
    const Case cases[] = {
        { u'.', "1,5", u'.', true, 1.5f },
        { u'.', "1.5", u'.', true, 1.5f },
        { u',', "1.5", u',', true, 1.5f },
        { u',', "-2,25", u',', true, -2.25f },
        { u'.', "word", u'.', false, 1.0f },
        { u'.', "", u'.', false, 1.0f },
        // A value beyond single precision is refused rather than turned into infinity.
        { u'.', "1e300", u'.', false, 1.0f },
    };
    for (const Case& entry : cases) {
        SCOPED_TRACE(entry.text);
        TFormatSettings settings;
        settings.DecimalSeparator = entry.localeSeparator;
        TFormatSettingsScope scope(settings);
        float value = 0;
        EXPECT_EQ(Conv_Float(entry.text, entry.separator, value), entry.converted);
        EXPECT_FLOAT_EQ(value, entry.value);
    }
}

TEST(DecimalSeparator, CommaOrPointFromTheNumberSettingsElseComma)
{
    for (const QChar separator : { QChar(u','), QChar(u'.'), QChar(u'\'') }) {
        SCOPED_TRACE(QString(separator).toStdString());
        TFormatSettings settings;
        settings.DecimalSeparator = separator;
        TFormatSettingsScope scope(settings);
        EXPECT_EQ(Get_Decimal_Separator(), separator == u'\'' ? QChar(u',') : separator);
    }
}

TEST(ComPortList, NumbersByKindAscending)
{
    std::vector<TSerialPort> ports;
    for (const char* name : { "ttyUSB1", "ttyS0", "ttyACM0", "ttyS3", "rfcomm0", "ttyUSB64", "ttySx" })
        ports.push_back({ name, QStringLiteral("/dev/") + name, 0, false });
    const auto list = Get_ComPort_List(ports);
    EXPECT_EQ(list->Text(), QStringLiteral("1\r\n4\r\n66\r\n129\r\n"));
}

} // namespace
