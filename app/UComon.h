#pragma once

#include "platform/core/StringList.h"
#include "platform/os/Process.h"

#include <cstdint>
#include <memory>
#include <vector>

// The workspace: the values through which the otherwise independent dialogs
// meet. One instance of each for the run; the main window sets them at start.

extern String Project_Name;
extern String Project_Path; // empty while no project is open
extern String Projects_Path;
extern String Exe_Path;
extern String Master_Path;
extern String Language_Path;
extern String Cat_EnOcean_Path;

extern String Main_Caption;
extern String SW_Code;
extern String SW_Desc;

extern String Device_IP;
extern int32_t Update_Option_Index;
extern bool Update_Read_Back;

extern String Language_Name;
extern bool Opt_Enable_Internet;
extern bool Opt_Enable_Update;
extern bool Opt_Jump_Field_Tables;
extern bool Opt_Double_Click_Auto_Size;

extern String File_ParGen;
extern String File_EnOcean;
extern String File_MQTT_Set_Topic;
extern String File_BACnet_Slave;
extern String File_KNX_SetAccess;
extern String File_ModbusTCPM_SetAccess;
extern String File_NMEA_Rec_Frames;
extern String File_NMEA_Send_Frames;

extern std::unique_ptr<TStringList> Copy_Row_List;

class TCatalog_EnOcean;
// The one EnOcean profile catalog, read at start from CAT_EnOcean/eep.xml
// beside the executable. Empty when that file is missing or unreadable; its
// Read_Error then says why, for whoever needs a profile from it.
extern std::unique_ptr<TCatalog_EnOcean> EEP_Catalog;

// The folder the program's files live in: the executable's, set by the entry
// routine before the main window is created; tests put a folder of their own.
extern String Program_Folder;

inline const String Default_Device_IP = QStringLiteral("192.168.2.205");
inline const String Default_Language = QStringLiteral("English");

class TXMLDocument;

// The workspace as the program starts in exeFolder: the program folders, the
// settings file read through document, this build's identity, the text table
// in the chosen language, the last project when its folder still exists, the
// project-file paths, an empty copied-row buffer and the EnOcean profile catalog.
void Start_Workspace(const String& exeFolder, TXMLDocument& document);

// Exe_Path and the four program folders beside it, each created when missing
// (a folder that cannot be created shows up later, where a file is written).
void Create_Program_Folders(const String& exeFolder);

// The eight project-file paths inside Project_Path.
void Set_Files();

bool Project_Is_Open();
// A name that stays one folder inside PROJECTS: not empty, no path separator,
// not "." or "..".
bool Valid_Project_Name(const String& name);
// The folder of the project called name, as it is on disk whatever the case
// of its letters; empty when there is none.
String Find_Project_Folder(const String& name);
// Opens Project_Name when its folder exists; otherwise no project is open and
// Project_Name keeps the remembered value, which goes back to the settings file.
void Open_Remembered_Project();

// The two lines of the project indicator: texts 11 and the project name with a
// project open, texts 9 and 10 without.
void Project_Indicator(String& firstLine, String& secondLine);

// The version check runs only when the user allows both the internet and the check.
inline bool Update_Timer_Wanted() { return Opt_Enable_Internet && Opt_Enable_Update; }

// Runs NomeSW and waits for it to end, at most limitMs (150 s), without
// handling any window message meanwhile; tells whether it ran, ended or was
// left running. A Windows program name ending in ".exe" is also looked for
// without that extension, and without regard to case. Parameter and the
// window state tipo have no use on this platform: the one caller passes none
// and the updater opens no window of its own.
inline constexpr uint32_t Start_Program_Limit_Ms = 150000;
TProgramRun Start_Program(const String& NomeSW, const String& Parameter, uint8_t tipo, uint32_t limitMs = Start_Program_Limit_Ms);

// Splits an IPv4 address written as four dotted numbers into its parts,
// trimmed; true when there are four and each is an integer from 0 to 255. On
// an early false the parts not yet split off keep what the caller passed.
bool Split_IP_Address(const String& Text, String& P1, String& P2, String& P3, String& P4);

// ---- value checks of the tables

struct TSerialPort;

// The serial ports as the update dialog lists them: the decimal port numbers,
// ascending (see Com_Port_Number). The caller owns the list.
std::unique_ptr<TStringList> Get_ComPort_List();
std::unique_ptr<TStringList> Get_ComPort_List(const std::vector<TSerialPort>& ports);
// The number a port goes by in the dialogs, 0 for a port that has none:
// ttyS<k> is k + 1 as the classic ports always were, ttyUSB<k> 65 + k and
// ttyACM<k> 129 + k, each kind within its own block of 64.
int32_t Com_Port_Number(const String& portName);

// The decimal separator of the number settings in force: "," or ".", and ","
// for any other.
QChar Get_Decimal_Separator();

// True when Text is NOT a valid KNX address: a group address (main/sub,
// main/middle/sub or a plain number) with Group, else an individual address
// (area.line.device or a plain number); 0.0.0 only with Allow_Zero.
bool Error_In_KNX_Address(const String& Text, bool Group, bool Allow_Zero);
// A text without "." counts as a group address.
inline bool Is_KNX_Group_Address(const String& Text) { return !Text.contains(u'.'); }

// Reads Text as a real number after turning both "," and "." into Separator;
// on failure Value is 1.0 and the result false.
bool Conv_Float(const String& Text, QChar Separator, float& Value);

// ---- row operations of the table editors
// A table is a column grid with titles in row 0 and row numbers in column 0;
// the data columns (hidden ones included) start at 1. RowCount never changes:
// the texts move between rows.

class TDudColumnGrid;

// Moves the rows from Row on one down (the last row's texts are lost) and
// clears Row; with Put_Y its first data column gets "Y".
void Grid_Insert_Row(int32_t Row, TDudColumnGrid& grid, bool Put_Y);
// Moves the rows after Row one up and clears the last row.
void Grid_Delete_Row(int32_t Row, TDudColumnGrid& grid);
// Keeps the texts of the row's data columns in Copy_Row_List.
void Grid_Copy_Row(TDudColumnGrid& grid, int32_t Row);
// Pastes Copy_Row_List into the row: refused without a copy in this dialog
// (Do_Copy) or from a table of another width, asked first over a used row
// (check boxes always hold a state and do not count).
void Grid_Paste_Row(TDudColumnGrid& grid, int32_t Row, bool Do_Copy);
// With the option on, Enter goes to the next data cell (wrapping to the first
// row) and is consumed, so the grid does not act on it too.
void Grid_Enter_Next_Cell(TDudColumnGrid& grid, char16_t& Key);
// With the option on, a double-click on a title fits the column.
void Grid_DblClick_AutoSize(TDudColumnGrid& grid, int32_t ARow, int32_t ACol);
