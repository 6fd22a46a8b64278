#include "app/UComon.h"

#include "platform/core/FloatUtils.h"
#include "platform/core/FormatSettings.h"
#include "platform/core/SysUtils.h"
#include "platform/os/SerialPorts.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

struct TPortBlock {
    const char* prefix;
    int32_t firstNumber;
};

constexpr int32_t Port_Block_Size = 64;

constexpr TPortBlock Port_Blocks[] = {
    { "ttyS", 1 },
    { "ttyUSB", 65 },
    { "ttyACM", 129 },
};

struct TRange {
    int32_t low;
    int32_t high;
};

std::vector<String> Split_At(const String& text, QChar separator)
{
    std::vector<String> parts;
    qsizetype start = 0;
    for (qsizetype at = text.indexOf(separator); at >= 0; at = text.indexOf(separator, start)) {
        parts.push_back(text.mid(start, at - start));
        start = at + 1;
    }
    parts.push_back(text.mid(start));
    return parts;
}

// A part of an address: trimmed, an integer, inside its range.
bool Part_In_Range(const String& part, TRange range, int32_t& value)
{
    return TryStrToInt(Trim(part), value) && value >= range.low && value <= range.high;
}

// The whole text, as it stands, as a number from 1 to 65535.
bool Plain_Address(const String& text)
{
    int32_t value = 0;
    return Trim(text) == text && TryStrToInt(text, value) && value >= 1 && value <= 65535;
}

// Valid when every part lies in its range; all parts 0 only when zeroAllowed.
bool Parts_In_Ranges(const std::vector<String>& parts, std::initializer_list<TRange> ranges, bool zeroAllowed)
{
    if (parts.size() != ranges.size())
        return false;
    bool allZero = true;
    size_t index = 0;
    for (const TRange& range : ranges) {
        int32_t value = 0;
        if (!Part_In_Range(parts[index++], range, value))
            return false;
        allZero = allZero && value == 0;
    }
    return zeroAllowed || !allZero;
}

bool Valid_Group_Address(const String& text)
{
    if (text.contains(u'.'))
        return false;
    const std::vector<String> parts = Split_At(text, u'/');
    switch (parts.size()) {
    case 1:
        return Plain_Address(text);
    case 2:
        return Parts_In_Ranges(parts, { { 0, 31 }, { 0, 2047 } }, false);
    case 3:
        return Parts_In_Ranges(parts, { { 0, 31 }, { 0, 7 }, { 0, 255 } }, false);
    default:
        return false;
    }
}

// An individual address with a single dot is refused: it names no device.
bool Valid_Individual_Address(const String& text, bool zeroAllowed)
{
    if (text.contains(u'/'))
        return false;
    const std::vector<String> parts = Split_At(text, u'.');
    switch (parts.size()) {
    case 1:
        return Plain_Address(text);
    case 3:
        return Parts_In_Ranges(parts, { { 0, 15 }, { 0, 15 }, { 0, 255 } }, zeroAllowed);
    default:
        return false;
    }
}

} // namespace

int32_t Com_Port_Number(const String& portName)
{
    for (const TPortBlock& block : Port_Blocks) {
        const String prefix = QLatin1String(block.prefix);
        if (!portName.startsWith(prefix))
            continue;
        int32_t index = 0;
        const String digits = portName.mid(prefix.size());
        const bool isIndex = !digits.isEmpty() && std::all_of(digits.begin(), digits.end(), [](QChar c) { return c.isDigit(); })
            && TryStrToInt(digits, index);
        return isIndex && index < Port_Block_Size ? block.firstNumber + index : 0;
    }
    return 0;
}

std::unique_ptr<TStringList> Get_ComPort_List(const std::vector<TSerialPort>& ports)
{
    std::vector<int32_t> numbers;
    for (const TSerialPort& port : ports)
        if (const int32_t number = Com_Port_Number(port.Name))
            numbers.push_back(number);
    std::sort(numbers.begin(), numbers.end());
    auto list = std::make_unique<TStringList>();
    for (int32_t number : numbers)
        list->Add(String::number(number));
    return list;
}

std::unique_ptr<TStringList> Get_ComPort_List()
{
    return Get_ComPort_List(ProbeSerialPorts());
}

QChar Get_Decimal_Separator()
{
    const QChar separator = FormatSettings().DecimalSeparator;
    return separator == u',' || separator == u'.' ? separator : QChar(u',');
}

bool Error_In_KNX_Address(const String& Text, bool Group, bool Allow_Zero)
{
    return Group ? !Valid_Group_Address(Text) : !Valid_Individual_Address(Text, Allow_Zero);
}

bool Conv_Float(const String& Text, QChar Separator, float& Value)
{
    String text = Text;
    if (Separator == u'.')
        text.replace(u',', u'.');
    else
        text.replace(u'.', u',');
    double value = 0;
    // A number beyond single precision would come back as infinity.
    if (!TryStrToFloat(text, value) || !std::isfinite(value) || std::fabs(value) > std::numeric_limits<float>::max()) {
        Value = 1.0f;
        return false;
    }
    Value = static_cast<float>(value);
    return true;
}
