#include "app/USettings.h"

#include "app/UComon.h"
#include "platform/core/FileUtils.h"
#include "platform/xml/XMLDocument.h"

namespace {

struct TOption_Entry {
    const char16_t* Name;
    bool* Flag;
};

const TOption_Entry Option_Entries[] = {
    { u"enable_internet", &Opt_Enable_Internet },
    { u"enable_update", &Opt_Enable_Update },
    { u"enable_jump_field_tables", &Opt_Jump_Field_Tables },
    { u"Double_Click_Auto_Size", &Opt_Double_Click_Auto_Size },
};

void Set_Defaults()
{
    Project_Name.clear();
    Project_Path.clear();
    Device_IP = Default_Device_IP;
    Language_Name = Default_Language;
    for (const TOption_Entry& option : Option_Entries)
        *option.Flag = false;
}

// An element present but empty gives "", not the default.
String Entry_Text(const TXMLNode& root, const char16_t* group, const char16_t* name, const String& defaultText)
{
    const TXMLNode entry = root.ChildNode(String::fromUtf16(group)).ChildNode(String::fromUtf16(name));
    return entry ? entry.Text() : defaultText;
}

} // namespace

String Settings_File() { return ResolvePathNoCase(Exe_Path, Settings_File_Name); }

void Read_Setting(TXMLDocument& document, const String& fileName)
{
    Set_Defaults();
    if (!FileExists(fileName))
        return;
    try {
        document.LoadFromFile(fileName);
    } catch (const EXMLError&) {
        return;
    }
    // The root is taken by position, whatever its name.
    const TXMLNode root = document.FirstNode();
    Project_Name = Entry_Text(root, u"lastproj", u"projectname", String());
    Device_IP = Entry_Text(root, u"lastipadd", u"ipaddress", Default_Device_IP);
    Language_Name = Entry_Text(root, u"lastlang", u"language", Default_Language);
    const TXMLNode options = root.ChildNode(QStringLiteral("lastinternet"));
    for (const TOption_Entry& option : Option_Entries)
        *option.Flag = options.ChildNode(String::fromUtf16(option.Name)).Text() == u"1";
}

void Save_Setting(TXMLDocument& document, const String& fileName)
{
    document.Clear();
    TXMLNode root = document.AddRoot(QStringLiteral("Conf_Settings"));
    root.AddChild(QStringLiteral("lastproj")).AddChild(QStringLiteral("projectname")).SetText(Project_Name);
    root.AddChild(QStringLiteral("lastipadd")).AddChild(QStringLiteral("ipaddress")).SetText(Device_IP);
    root.AddChild(QStringLiteral("lastlang")).AddChild(QStringLiteral("language")).SetText(Language_Name);
    TXMLNode options = root.AddChild(QStringLiteral("lastinternet"));
    for (const TOption_Entry& option : Option_Entries)
        options.AddChild(String::fromUtf16(option.Name)).SetText(*option.Flag ? QStringLiteral("1") : QStringLiteral("0"));
    document.SaveToFile(fileName);
}
