#include "device/UBoot_Job.h"

#include "platform/xml/XMLDocument.h"

#include <vector>

namespace {

enum TOperation { opFirmware, opBank1, opBank2, Operation_Count };

// An element of an operation and its text for the firmware, bank1 and bank2;
// nullptr where the text depends on the job.
struct TOperation_Element {
    const char* Name;
    const char* Text[Operation_Count];
};

constexpr TOperation_Element Operation_Elements[] = {
    { "Ope_Protection_Enabled", { "", "", "" } },
    { "Ope_GoToBoot_Before", { "0", "0", "0" } },
    { "Ope_GoToApp_Before", { "0", "0", "0" } },
    { "Ope_IP_Address", { "", "", "" } },
    { "Ope_Port", { "2008", "2008", "2008" } },
    { "Ope_Port_Sec", { "2007", "2007", "2007" } },
    { "Ope_Erase_Memory", { "0", "0", "0" } },
    { "Ope_FileName", { nullptr, nullptr, nullptr } },
    { "Ope_Start_Address", { "0x8000", "0x07000", "0x80000" } },
    { "Ope_Memory_Type", { "0", "0", "0" } },
    { "Ope_Bank_Type", { "1", "2", "2" } },
    { "Ope_Read_Back", { nullptr, nullptr, nullptr } },
    { "Ope_Write_CSS", { "1", "0", "0" } },
    { "Ope_Address_CSS", { "0x07A00", "0x07A00", "0x07A00" } },
    { "Ope_Command_CSS", { "0x02", "0x02", "0x02" } },
    { "Ope_Write_Internal_Data", { "0", "0", "0" } },
    { "Ope_WID_Address", { "0x07810", "0x07810", "0x07810" } },
    { "Ope_WID_Command", { "0x02", "0x02", "0x02" } },
    { "Ope_WID_Data", { "0x00, 0x00, 0x00, 0x01", "0x00, 0x00, 0x00, 0x01", "0x00, 0x00, 0x00, 0x01" } },
    { "Ope_GoToApp_After", { nullptr, "0", "1" } },
};

std::vector<TOperation> Operations_Of(int32_t option)
{
    switch (option) {
    case uoFirmware_Configuration:
        return { opFirmware, opBank1, opBank2 };
    case uoFirmware:
        return { opFirmware };
    case uoConfiguration:
        return { opBank1, opBank2 };
    default:
        return {};
    }
}

String File_Name_Of(TOperation operation, const TUpdate_Job& job)
{
    switch (operation) {
    case opFirmware:
        return job.Master_Path + QStringLiteral("/SimTX209.sim");
    case opBank1:
        return job.Project_Path + QStringLiteral("/bin/bank1.bin");
    default:
        return job.Project_Path + QStringLiteral("/bin/bank2.bin");
    }
}

String Job_Text(const String& name, TOperation operation, const TUpdate_Job& job)
{
    if (name == u"Ope_FileName")
        return File_Name_Of(operation, job);
    if (name == u"Ope_Read_Back")
        return job.Read_Back ? QStringLiteral("1") : QStringLiteral("0");
    // The firmware operation ends the job when it is the only one.
    return job.Option == uoFirmware ? QStringLiteral("1") : QStringLiteral("0");
}

void Add_Text(TXMLNode& parent, const char* name, const String& text)
{
    parent.AddChild(String::fromLatin1(name)).SetText(text);
}

} // namespace

void Compile_XML_Parameter_New_Boot(TXMLDocument& XML1, const String& fileName, const TUpdate_Job& job)
{
    XML1.Clear();
    TXMLNode root = XML1.AddRoot(QStringLiteral("Ethernet_Update"));
    Add_Text(root, "Version", QStringLiteral("1000"));
    Add_Text(root, "Title", QStringLiteral("Morvane - SC-TX209 Ethernet Update"));
    Add_Text(root, "IP_Address_Dev", job.IP_Address);
    Add_Text(root, "Application_Port", QStringLiteral("10000"));
    Add_Text(root, "Boot_Port", QStringLiteral("2008"));
    Add_Text(root, "Boot_Port_Sec", QStringLiteral("2007"));
    Add_Text(root, "Address_Protection", QStringLiteral("0x07800"));
    TXMLNode protections = root.AddChild(QStringLiteral("Protections"));
    Add_Text(protections, "Protection", QStringLiteral("0x281"));
    TXMLNode operations = root.AddChild(QStringLiteral("Operations"));
    for (const TOperation operation : Operations_Of(job.Option)) {
        TXMLNode element = operations.AddChild(QStringLiteral("Operation"));
        for (const TOperation_Element& entry : Operation_Elements) {
            const char* fixed = entry.Text[operation];
            Add_Text(element, entry.Name, fixed ? String::fromLatin1(fixed) : Job_Text(String::fromLatin1(entry.Name), operation, job));
        }
    }
    XML1.SaveToFile(fileName);
}
