#include "app/UComon.h"

#include "app/USettings.h"
#include "app/lang/ULanguage.h"
#include "enocean/UEnOcean_Catalog.h"
#include "platform/core/FileUtils.h"

String Project_Name;
String Project_Path;
String Projects_Path;
String Exe_Path;
String Master_Path;
String Language_Path;
String Cat_EnOcean_Path;

String Main_Caption;
String SW_Code;
String SW_Desc;

String Device_IP;
int32_t Update_Option_Index = 0;
bool Update_Read_Back = false;

String Language_Name;
bool Opt_Enable_Internet = false;
bool Opt_Enable_Update = false;
bool Opt_Jump_Field_Tables = false;
bool Opt_Double_Click_Auto_Size = false;

String File_ParGen;
String File_EnOcean;
String File_MQTT_Set_Topic;
String File_BACnet_Slave;
String File_KNX_SetAccess;
String File_ModbusTCPM_SetAccess;
String File_NMEA_Rec_Frames;
String File_NMEA_Send_Frames;

std::unique_ptr<TStringList> Copy_Row_List;
std::unique_ptr<TCatalog_EnOcean> EEP_Catalog;

String Program_Folder;

namespace {

struct TProgram_Folder {
    String* Path;
    const char16_t* Name;
};

struct TProject_File {
    String* Path;
    const char16_t* Name;
};

const TProject_File Project_Files[] = {
    { &File_ParGen, u"ParGen.xml" },
    { &File_EnOcean, u"EnOcean.xml" },
    { &File_MQTT_Set_Topic, u"MQTT_Set_Topic.xml" },
    { &File_BACnet_Slave, u"BACnet_Slave.xml" },
    { &File_KNX_SetAccess, u"KNX_SetAccess.xml" },
    { &File_ModbusTCPM_SetAccess, u"ModbusTCPM_SetAccess.xml" },
    { &File_NMEA_Rec_Frames, u"NMEA_Rec_Frames.xml" },
    { &File_NMEA_Send_Frames, u"NMEA_Send_Frames.xml" },
};

} // namespace

void Start_Workspace(const String& exeFolder, TXMLDocument& document)
{
    Create_Program_Folders(exeFolder);
    Project_Name.clear();
    Update_Read_Back = true;
    Read_Setting(document, Settings_File());
    Main_Caption = QStringLiteral("Morvane - Configurator SC-TX209 - EnOcean / NMEA 2000 ");
    SW_Code = QStringLiteral("SC-TX209");
    SW_Desc = QStringLiteral("EnOcean / NMEA 2000 - Converter");
    Load_Language(Language_Path, Language_Name);
    Open_Remembered_Project();
    Set_Files();
    Copy_Row_List = std::make_unique<TStringList>();
    EEP_Catalog = std::make_unique<TCatalog_EnOcean>();
    EEP_Catalog->Read_Cat_EnOcean_XML(Cat_EnOcean_Path + QStringLiteral("/eep.xml"));
}

void Create_Program_Folders(const String& exeFolder)
{
    const TProgram_Folder folders[] = {
        { &Master_Path, u"MASTER" },
        { &Projects_Path, u"PROJECTS" },
        { &Language_Path, u"LANGUAGE" },
        { &Cat_EnOcean_Path, u"CAT_EnOcean" },
    };
    Exe_Path = ExcludeTrailingPathDelimiter(exeFolder);
    for (const TProgram_Folder& folder : folders) {
        *folder.Path = Exe_Path + u'/' + String::fromUtf16(folder.Name);
        if (!DirectoryExists(*folder.Path))
            ForceDirectories(*folder.Path);
    }
}

void Set_Files()
{
    for (const TProject_File& file : Project_Files)
        *file.Path = Project_Path + u'/' + String::fromUtf16(file.Name);
}

bool Project_Is_Open() { return !Project_Path.isEmpty(); }

bool Valid_Project_Name(const String& name)
{
    if (name.isEmpty() || name == u"." || name == u"..")
        return false;
    return !name.contains(u'/') && !name.contains(u'\\') && !name.contains(QChar(u'\0'));
}

String Find_Project_Folder(const String& name)
{
    if (!Valid_Project_Name(name))
        return {};
    const String found = FindNameNoCase(Projects_Path, name);
    if (found.isEmpty())
        return {};
    const String folder = Projects_Path + u'/' + found;
    return DirectoryExists(folder) ? folder : String();
}

void Open_Remembered_Project() { Project_Path = Find_Project_Folder(Project_Name); }

void Project_Indicator(String& firstLine, String& secondLine)
{
    if (Project_Is_Open()) {
        firstLine = Lang_Texts()[11];
        secondLine = Project_Name;
    } else {
        firstLine = Lang_Texts()[9];
        secondLine = Lang_Texts()[10];
    }
}

TProgramRun Start_Program(const String& NomeSW, const String&, uint8_t, uint32_t limitMs)
{
    String program = NomeSW;
    if (!FileExists(program)) {
        const String folder = ExtractFilePath(NomeSW);
        String name = ExtractFileName(NomeSW);
        String found = FindNameNoCase(folder, name);
        if (found.isEmpty() && SameText(ExtractFileExt(name), QStringLiteral(".exe")))
            found = FindNameNoCase(folder, ChangeFileExt(name, String()));
        // Not found: the start fails and says so.
        if (!found.isEmpty())
            program = folder + found;
    }
    return StartProgramAndWait(program, limitMs, 10);
}

bool Split_IP_Address(const String& Text, String& P1, String& P2, String& P3, String& P4)
{
    String rest = Trim(Text);
    String* parts[] = { &P1, &P2, &P3 };
    for (String* part : parts) {
        const qsizetype dot = rest.indexOf(u'.');
        if (dot < 0)
            return false;
        *part = Trim(rest.left(dot));
        rest = Trim(rest.mid(dot + 1));
    }
    P4 = rest;
    for (const String* part : { &P1, &P2, &P3, &P4 }) {
        const int32_t value = StrToIntDef(*part, 1000);
        if (value < 0 || value > 255)
            return false;
    }
    return true;
}
