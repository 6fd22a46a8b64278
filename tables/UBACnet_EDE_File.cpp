#include "tables/UBACnet_EDE_File.h"

#include "app/UComon.h"
#include "platform/core/DateUtils.h"
#include "platform/core/FileUtils.h"
#include "platform/core/TextCodec.h"
#include "platform/ui/UiServices.h"
#include "platform/xml/XMLDocument.h"

#include <array>
#include <vector>

namespace {

struct TEDE_Object_Type {
    const char* Text;
    int32_t Code;
};

// The object-type numbers of the BACnet standard for the Data Type texts of
// the object tables; each has its own instance counter.
constexpr std::array<TEDE_Object_Type, 18> EDE_Object_Types { {
    { "ANALOG INPUT", 0 },
    { "ANALOG OUT", 1 },
    { "ANALOG VALUE", 2 },
    { "BINARY INPUT", 3 },
    { "BINARY OUT", 4 },
    { "BINARY VALUE", 5 },
    { "MULTI STATE INPUT", 13 },
    { "MULTI STATE OUTPUT", 14 },
    { "MULTI STATE VALUE", 19 },
    { "LIFE SAFETY POINT", 21 },
    { "LIFE SAFETY ZONE", 22 },
    { "ACCUMULATOR", 23 },
    { "ACCESS DOOR", 30 },
    { "CHARACTERSTRING VALUE", 40 },
    { "DATETIME VALUE", 44 },
    { "INTEGER VALUE", 45 },
    { "LARGE ANALOG VALUE", 46 },
    { "POSITIVE INTEGER VALUE", 48 },
} };

const char* const Maker = "Morvane";
const int32_t Short_Name_Length = 16;
const int32_t Long_Name_Length = 32;
const char* const Object_Sections[] = { "BACnet_in_Read", "BACnet_in_Write" };

// The state of one export; each starts from a fresh one.
struct TEDE_Export {
    std::vector<TBACnet_EDE_Obj> Objects;
    String Device_Instance;
    bool Long_Names = false;
    std::array<int32_t, EDE_Object_Types.size()> Instance_Counters {};
};

TEDE_Export EDE;

void Reset_EDE_Instance_Counters() { EDE.Instance_Counters.fill(0); }

int32_t Next_EDE_Object_Instance(int32_t Type)
{
    for (size_t index = 0; index < EDE_Object_Types.size(); ++index)
        if (EDE_Object_Types[index].Code == Type)
            return EDE.Instance_Counters[index]++;
    return 0;
}

String Root_Text(const TXMLNode& root, const char* name) { return root.ChildNode(QString::fromLatin1(name)).Text(); }

void Read_BACnet_Device_Parameters(TXMLDocument& XML1)
{
    EDE.Device_Instance.clear();
    EDE.Long_Names = false;
    if (!FileExists(File_ParGen))
        return;
    XML1.LoadFromFile(File_ParGen);
    const TXMLNode root = XML1.FirstNode();
    const bool serial = StrToIntDef(Root_Text(root, "BACnet_Type"), 0) == 1;
    EDE.Device_Instance = Root_Text(root, serial ? "BACnet_Ser_DEV_IDE" : "BACnet_DEV_IDE");
    EDE.Long_Names = Root_Text(root, "BACnet_Desc_Chars_Limit") == u"1";
}

// The first element of the document, so a file that begins with a
// declaration or a comment still gives its objects.
TXMLNode Document_Element(const TXMLDocument& document)
{
    for (int32_t index = 0; index < document.ChildCount(); ++index)
        if (document.Child(index).Kind() == TXMLNodeKind::Element)
            return document.Child(index);
    return {};
}

String Row_Attribute(const TXMLNode& row, const char* name)
{
    const std::optional<String> value = row.Attribute(QString::fromLatin1(name));
    if (!value)
        throw EXMLError(QStringLiteral("\"%1\": a row lacks the attribute \"%2\"").arg(File_BACnet_Slave, QString::fromLatin1(name)));
    return *value;
}

void Add_EDE_Object(const TXMLNode& row)
{
    const int32_t type = EDE_Object_Type_Code(Row_Attribute(row, "Data_Type"));
    const String unit = Row_Attribute(row, "Eng_Unit");
    const String mnemonic = Row_Attribute(row, "Mnemonic");
    const String instance = IntToStr(Next_EDE_Object_Instance(type));
    TBACnet_EDE_Obj object;
    object.DevObjInstance = EDE.Device_Instance;
    object.ObjectName = mnemonic.left(EDE.Long_Names ? Long_Name_Length : Short_Name_Length);
    object.ObjectType = IntToStr(type);
    object.ObjectInstance = instance;
    object.Keyname = EDE.Device_Instance + u'_' + mnemonic + u'_' + instance;
    object.Description = object.ObjectName;
    object.UnitCode = unit;
    EDE.Objects.push_back(std::move(object));
}

void Load_EDE_Objects(TXMLDocument& XML1)
{
    if (!FileExists(File_BACnet_Slave))
        return;
    XML1.LoadFromFile(File_BACnet_Slave);
    const TXMLNode root = Document_Element(XML1);
    for (const char* name : Object_Sections) {
        const TXMLNode section = root.ChildNode(QString::fromLatin1(name));
        if (!section)
            throw EXMLError(QStringLiteral("\"%1\" lacks the section \"%2\"").arg(File_BACnet_Slave, QString::fromLatin1(name)));
        for (int32_t index = 0; index < section.ChildCount(); ++index) {
            const TXMLNode row = section.Child(index);
            if (row.Kind() == TXMLNodeKind::Element && row.NodeName() == u"row")
                Add_EDE_Object(row);
        }
    }
}

void Write_EDE_File(const String& File_Name)
{
    const String fill = QStringLiteral(";;;;;;");
    String text;
    const auto line = [&text](const String& content) { text += content + QStringLiteral("\r\n"); };
    line(QStringLiteral("PROJECT_NAME; ") + QString::fromLatin1(Maker) + u'-' + u'-' + Project_Name + fill);
    line(QStringLiteral("VERSION_OF_REFERENCEFILE;1.0") + fill);
    line(QStringLiteral("TIMESTAMP_OF_LAST_CHANGE;") + EDE_Timestamp() + fill);
    line(QStringLiteral("AUTHOR_OF_LAST_CHANGE;") + QString::fromLatin1(Maker) + fill);
    line(QStringLiteral("VERSION_OF_LAYOUT;2") + fill);
    line(QStringLiteral("# mandatory;mandatory;mandatory;mandatory;mandatory;optional;optional;"));
    line(QStringLiteral("# keyname;device obj.-instance;object-name;object-type;object-instance;description;unit-code;"));
    for (const TBACnet_EDE_Obj& object : EDE.Objects) {
        String fields;
        for (const String* field : { &object.Keyname, &object.DevObjInstance, &object.ObjectName, &object.ObjectType,
                 &object.ObjectInstance, &object.Description, &object.UnitCode })
            fields += *field + u';';
        line(fields);
    }
    const std::string bytes = EncodeText(text, TTextEncoding::Ansi);
    WriteFileAtomic(File_Name, reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size());
}

} // namespace

int32_t EDE_Object_Type_Code(const String& Text)
{
    const String upper = UpperCase(Trim(Text));
    for (const TEDE_Object_Type& type : EDE_Object_Types)
        if (upper == QLatin1String(type.Text))
            return type.Code;
    return 0;
}

String EDE_Timestamp()
{
    int year = 0, month = 0, day = 0, hour = 0, minute = 0, second = 0, millisecond = 0;
    const TDateTime now = Now();
    DecodeDate(now, year, month, day);
    DecodeTime(now, hour, minute, second, millisecond);
    const auto two = [](int value) { return QStringLiteral("%1").arg(value, 2, 10, QChar(u'0')); };
    return two(hour) + u':' + two(minute) + u':' + two(second) + u' ' + two(day) + u'/' + two(month) + u'/'
        + QString::number(year);
}

void Create_EDE_File(TXMLDocument& XML1, const String& File_Name)
{
    // Nothing of an export outlives it, whether it ends or fails.
    struct TEmpty_At_End {
        ~TEmpty_At_End() { EDE.Objects.clear(); }
    } emptyAtEnd;
    EDE.Objects.clear();
    Reset_EDE_Instance_Counters();
    Read_BACnet_Device_Parameters(XML1);
    Load_EDE_Objects(XML1);
    Write_EDE_File(File_Name);
}

bool BACnet_EDE_Export(TXMLDocument& XML1, const String& File_Name)
{
    try {
        Create_EDE_File(XML1, File_Name);
    } catch (const Exception& error) {
        MessageDlg(error.Message(), mtError, mbOKOnly);
        return false;
    }
    return true;
}
