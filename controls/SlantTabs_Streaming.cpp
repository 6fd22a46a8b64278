#include "controls/SlantTabs.h"

#include "controls/SlantTabsStreaming.h"
#include "platform/core/FileUtils.h"

namespace {

const String CodePrefix = QStringLiteral("SlantTabs1");

void WriteText(const String& fileName, const String& text)
{
    const QByteArray bytes = text.toUtf8();
    WriteFileAtomic(fileName, reinterpret_cast<const uint8_t*>(bytes.constData()), size_t(bytes.size()));
}

String ReadText(const String& fileName)
{
    const TBytes bytes = ReadFileBytes(fileName);
    return String::fromUtf8(reinterpret_cast<const char*>(bytes.data()), qsizetype(bytes.size()));
}

} // namespace

void TCustomSlantTabs::SaveOptions(String& text) { text = ComponentToText(TabsOptionsCarrier, *FOptions); }

void TCustomSlantTabs::SaveOptionsToFile(const String& fileName)
{
    String text;
    SaveOptions(text);
    // The old file stays until the new one is complete.
    WriteText(fileName, text);
}

void TCustomSlantTabs::LoadOptions(const String& text)
{
    BeginUpdate();
    try {
        TextToComponent(text, TabsOptionsCarrier, *FOptions);
    } catch (...) {
        EndUpdate();
        throw;
    }
    EndUpdate();
}

void TCustomSlantTabs::LoadOptionsFromFile(const String& fileName) { LoadOptions(ReadText(fileName)); }

void TCustomSlantTabs::SaveLookAndFeel(String& text) { text = ComponentToText(TabsLookAndFeelCarrier, *FLookAndFeel); }

void TCustomSlantTabs::SaveLookAndFeelToFile(const String& fileName)
{
    String text;
    SaveLookAndFeel(text);
    WriteText(fileName, text);
}

void TCustomSlantTabs::LoadLookAndFeel(const String& text)
{
    BeginUpdate();
    try {
        TextToComponent(text, TabsLookAndFeelCarrier, *FLookAndFeel);
    } catch (...) {
        EndUpdate();
        throw;
    }
    EndUpdate();
}

void TCustomSlantTabs::LoadLookAndFeelFromFile(const String& fileName) { LoadLookAndFeel(ReadText(fileName)); }

String TCustomSlantTabs::OptionsToCode() { return ComponentToCode(TabsOptionsCarrier, *FOptions, CodePrefix); }

String TCustomSlantTabs::LookAndFeelToCode() { return ComponentToCode(TabsLookAndFeelCarrier, *FLookAndFeel, CodePrefix); }
