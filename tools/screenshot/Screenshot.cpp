#include "app/UAbout.h"
#include "app/UComon.h"
#include "app/UNew_Project.h"
#include "app/UOpenConf.h"
#include "app/UProgram_Forms.h"
#include "app/USoftOptions.h"
#include "app/UTrelvadoreFirmWare.h"
#include "device/UBoot.h"
#include "device/UParGen.h"
#include "enocean/UEnOcean_Device.h"
#include "enocean/UEnOcean_SetAccess.h"
#include "enocean/UEnOcean_SetAccess2.h"
#include "enocean/UEnOcean_Variable.h"
#include "enocean/UEnOcean_Variable_SAck.h"
#include "enocean/Unit1.h"
#include "platform/core/FileUtils.h"
#include "platform/graphics/Bitmap.h"
#include "platform/ui/Forms.h"
#include "platform/ui/Grab.h"
#include "tables/UKNXAccess.h"
#include "tables/UModbus_TCP_Master_Set_Access.h"
#include "tables/UReceiveNMEA.h"
#include "tables/UTransmitNMEA.h"
#include "tools/screenshot/ButtonsForm.h"
#include "tools/screenshot/CellControlsForm.h"
#include "tools/screenshot/ColumnGridForm.h"
#include "tools/screenshot/DatePickerForm.h"
#include "tools/screenshot/FooterSumForm.h"
#include "tools/screenshot/FrameRows.h"
#include "tools/screenshot/GridDragForm.h"
#include "tools/screenshot/OutlineGridForm.h"
#include "tools/screenshot/ScrollBarsForm.h"
#include "tools/screenshot/SearchFooterForm.h"
#include "tools/screenshot/SortGridForm.h"
#include "tools/screenshot/TabDragForm.h"
#include "tools/screenshot/TabStripsForm.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <cstdlib>
#include <functional>
#include <memory>
#include <random>
#include <string>
#include <vector>

namespace {

// The EnOcean devices of the project the device dialogs show: a rocker and a
// temperature and humidity sensor with two variables each, a window handle.
constexpr const char* Harbour_EnOcean
    = "<EnOcean><DevicesList>"
      "<Device Id=\"0x0180A1B2\" Secure_Type=\"1\" Key=\"00112233AABBCCDD\" RollCode=\"\" RollCodeAlg=\"0\" RollCodeTx=\"0\" CMACAlg=\"0\" DataCript=\"0\" PTM=\"0\">"
      "<UnidirectionalList>"
      "<RorgFuncType RorgNum=\"246\" FuncNum=\"2\" TypeNum=\"1\"><VariablesList>"
      "<Variable CaseInd=\"0\" Data=\"Rocker 1st action\" BitOffs=\"0\" BitSize=\"3\" Position=\"0\" BitStart=\"0\"/>"
      "<Variable CaseInd=\"0\" Data=\"Energy Bow\" BitOffs=\"3\" BitSize=\"1\" Position=\"0\" BitStart=\"3\"/>"
      "</VariablesList></RorgFuncType>"
      "<RorgFuncType RorgNum=\"165\" FuncNum=\"4\" TypeNum=\"1\"><VariablesList>"
      "<Variable CaseInd=\"0\" Data=\"Humidity\" BitOffs=\"8\" BitSize=\"8\" Position=\"2\" BitStart=\"0\"/>"
      "<Variable CaseInd=\"0\" Data=\"Temperature\" BitOffs=\"16\" BitSize=\"8\" Position=\"3\" BitStart=\"0\"/>"
      "</VariablesList></RorgFuncType>"
      "</UnidirectionalList><SmartACKList/><Remote/></Device>"
      "<Device Id=\"41220033\" Secure_Type=\"0\" Key=\"\" RollCode=\"\" RollCodeAlg=\"0\" RollCodeTx=\"0\" CMACAlg=\"0\" DataCript=\"0\" PTM=\"0\">"
      "<UnidirectionalList><RorgFuncType RorgNum=\"246\" FuncNum=\"16\" TypeNum=\"0\"><VariablesList/></RorgFuncType></UnidirectionalList>"
      "<SmartACKList/><Remote/></Device>"
      "</DevicesList></EnOcean>";

// The program's windows as the entry routine makes them, once for the run,
// in a program folder of their own that holds a copy of the shipped
// language files and a few empty projects.
struct TShell {
    std::filesystem::path Folder;

    TShell()
    {
        Folder = std::filesystem::temp_directory_path() / ("trelvador-screenshot-" + std::to_string(std::random_device()()));
        for (const char* project : { "Harbour", "Marina_North", "Workboat" })
            std::filesystem::create_directories(Folder / "PROJECTS" / project);
        const std::filesystem::path program = std::filesystem::read_symlink("/proc/self/exe").parent_path();
        for (const char* shipped : { "LANGUAGE", "CAT_EnOcean" }) {
            std::filesystem::create_directories(Folder / shipped);
            std::error_code error;
            for (const auto& entry : std::filesystem::directory_iterator(program / shipped, error))
                std::filesystem::copy_file(entry.path(), Folder / shipped / entry.path().filename(), error);
        }
        std::ofstream(Folder / "PROJECTS" / "Harbour" / "EnOcean.xml") << Harbour_EnOcean;
        Program_Folder = String::fromStdString(Folder.string());
        Create_Program_Forms();
        // The device dialogs show the values of an open project.
        Project_Name = QStringLiteral("Harbour");
        Project_Path = Program_Folder + QStringLiteral("/PROJECTS/Harbour");
        Set_Files();
    }
};

std::unique_ptr<TShell> Shell;

// The shell's forms belong to the application; the others to this list.
std::vector<std::unique_ptr<TForm>> Kept;

template <typename T> TForm* Shell_Form(T*& form)
{
    if (!Shell)
        Shell = std::make_unique<TShell>();
    return form;
}

// One row per form people can look at: its name on the command line, how to
// get it, what to do once it shows (states that need a shown form) and, for
// a picture with more than the form, how to take it.
struct TScreenshotForm {
    const char* Name;
    std::function<TForm*()> Make;
    std::function<void(TForm& form)> Prepare;
    std::function<void(TForm& form, TBitmap& picture)> Grab = nullptr;
};

TForm* MakeButtonsForm()
{
    Kept.push_back(std::make_unique<TButtonsForm>(nullptr));
    return Kept.back().get();
}
void PrepareButtonsForm(TForm& form) { static_cast<TButtonsForm&>(form).ShowStates(); }

TForm* MakeTabStripsForm()
{
    Kept.push_back(std::make_unique<TTabStripsForm>(nullptr));
    return Kept.back().get();
}
void PrepareTabStripsForm(TForm& form) { static_cast<TTabStripsForm&>(form).ShowStates(); }

TForm* MakeTabDragForm()
{
    Kept.push_back(std::make_unique<TTabDragForm>(nullptr));
    return Kept.back().get();
}
TForm* MakeGridDragForm()
{
    Kept.push_back(std::make_unique<TGridDragForm>(nullptr));
    return Kept.back().get();
}
void PrepareGridDragForm(TForm& form) { static_cast<TGridDragForm&>(form).SelectBlock(); }

void PrepareTabDragForm(TForm& form) { static_cast<TTabDragForm&>(form).HoldDraggedTab(); }
void GrabTabDragForm(TForm& form, TBitmap& picture) { static_cast<TTabDragForm&>(form).GrabWithDragImage(picture); }

TForm* MakeColumnGridForm()
{
    Kept.push_back(std::make_unique<TColumnGridForm>(nullptr));
    return Kept.back().get();
}
void PrepareColumnGridForm(TForm& form) { static_cast<TColumnGridForm&>(form).EditCell(); }

TForm* MakeDatePickerForm()
{
    Kept.push_back(std::make_unique<TDatePickerForm>(nullptr));
    return Kept.back().get();
}
void PrepareDatePickerForm(TForm& form) { static_cast<TDatePickerForm&>(form).OpenCalendar(); }
void GrabDatePickerForm(TForm& form, TBitmap& picture) { static_cast<TDatePickerForm&>(form).GrabWithCalendar(picture); }

TForm* MakeSortGridForm()
{
    Kept.push_back(std::make_unique<TSortGridForm>(nullptr));
    return Kept.back().get();
}
void PrepareSortGridForm(TForm& form) { static_cast<TSortGridForm&>(form).SortByName(); }
TForm* MakeCellControlsForm()
{
    Kept.push_back(std::make_unique<TCellControlsForm>(nullptr));
    return Kept.back().get();
}
void PrepareCellControlsForm(TForm& form) { static_cast<TCellControlsForm&>(form).ScrollDown(); }
TForm* MakeFooterSumForm()
{
    Kept.push_back(std::make_unique<TFooterSumForm>(nullptr));
    return Kept.back().get();
}
void PrepareFooterSumForm(TForm& form) { static_cast<TFooterSumForm&>(form).FocusAmounts(); }
TForm* MakeSearchFooterForm()
{
    Kept.push_back(std::make_unique<TSearchFooterForm>(nullptr));
    return Kept.back().get();
}
void PrepareSearchFooterForm(TForm& form) { static_cast<TSearchFooterForm&>(form).SearchAndEdit(); }

TForm* MakeOutlineGridForm()
{
    Kept.push_back(std::make_unique<TOutlineGridForm>(nullptr));
    return Kept.back().get();
}
void PrepareOutlineGridForm(TForm& form) { static_cast<TOutlineGridForm&>(form).GroupByRoom(); }
TForm* MakeScrollBarsForm()
{
    Kept.push_back(std::make_unique<TScrollBarsForm>(nullptr));
    return Kept.back().get();
}
void PrepareScrollBarsForm(TForm& form) { static_cast<TScrollBarsForm&>(form).HighlightAndScroll(); }

// The editor with the first device selected and a variable of its second profile.
void Prepare_EnOcean_Editor(TForm&)
{
    TFEnOcean_SetAccess2& editor = *FEnOcean_SetAccess2;
    editor.LB_ID_Devices_List->SetItemIndex(0);
    editor.LB_ID_Devices_ListClick(editor.LB_ID_Devices_List);
    editor.TW_UniSmart_EEP->SetSelected(editor.TW_UniSmart_EEP->Items().GetFirstNode()->Item(1)->Item(1));
    editor.TW_UniSmart_EEPClick(editor.TW_UniSmart_EEP);
}

TForm* Device_Dialog(int32_t securityType)
{
    TForm* form = Shell_Form(FEnOcean_Device);
    FEnOcean_Device->Mode = securityType == 2 ? 1 : 0;
    FEnOcean_Device->E_DevEnOcean_ID->SetText(QStringLiteral("0x0180A1B2"));
    FEnOcean_Device->CB_DevEnOcean_SecType->SetItemIndex(securityType);
    FEnOcean_Device->E_DevEnOcean_Secure_Key->SetText(QStringLiteral("00112233AABBCCDD"));
    return form;
}

// The variable dialog opened on the second variable of the sensor.
TForm* Variable_Dialog()
{
    TForm* form = Shell_Form(FEnOcean_Variable);
    Shell_Form(FEnOcean_SetAccess2)->Show();
    FEnOcean_SetAccess2->Hide();
    FEnOcean_SetAccess2->LB_ID_Devices_List->SetItemIndex(0);
    FEnOcean_Variable->ShowData_Uni_Add_Var(0, 1, 1);
    FEnOcean_Variable->Mode = 1;
    FEnOcean_Variable->Modify_EEP_Var = 1;
    return form;
}

void Prepare_Variable_SAck(TForm&)
{
    TFEnOcean_Variable_SAck& dialog = *FEnOcean_Variable_SAck;
    dialog.CB_EEP_Type->SetItemIndex(0);
    dialog.CB_EEP_Var_Change(dialog.CB_EEP_Type);
    dialog.CB_Var_Case_IN->SetItemIndex(0);
    dialog.CB_EEP_Var_Change(dialog.CB_Var_Case_IN);
}

void Show_Options_Page(TTabSheet* TFSoftOptions::*page) { FSoftOptions->PC_Options->SetActivePage(FSoftOptions->*page); }

const TScreenshotForm ScreenshotForms[] = {
    { "buttons", MakeButtonsForm, PrepareButtonsForm },
    { "tab-strips", MakeTabStripsForm, PrepareTabStripsForm },
    { "tab-drag", MakeTabDragForm, PrepareTabDragForm, GrabTabDragForm },
    { "column-grid", MakeColumnGridForm, PrepareColumnGridForm },
    { "date-pickers", MakeDatePickerForm, PrepareDatePickerForm, GrabDatePickerForm },
    { "sort-grid", MakeSortGridForm, PrepareSortGridForm },
    { "footer-sum", MakeFooterSumForm, PrepareFooterSumForm },
    { "search-footer", MakeSearchFooterForm, PrepareSearchFooterForm },
    { "outline-grid", MakeOutlineGridForm, PrepareOutlineGridForm },
    { "grid-drag", MakeGridDragForm, PrepareGridDragForm },
    { "cell-controls", MakeCellControlsForm, PrepareCellControlsForm },
    { "scroll-bars", MakeScrollBarsForm, PrepareScrollBarsForm },
    { "main", [] { return Shell_Form(FTrelvadoreFirmWare); }, nullptr },
    { "new-project", [] { return Shell_Form(FNew_Project); }, nullptr },
    { "open-project", [] { return Shell_Form(FOpenConf); }, nullptr },
    { "about", [] { return Shell_Form(FAbout); }, nullptr },
    { "options", [] { return Shell_Form(FSoftOptions); }, nullptr },
    { "options-connection", [] { return Shell_Form(FSoftOptions); },
      [](TForm&) { Show_Options_Page(&TFSoftOptions::TS_Con_Options); } },
    { "options-settings", [] { return Shell_Form(FSoftOptions); },
      [](TForm&) { Show_Options_Page(&TFSoftOptions::TS_Soft_Settings); } },
    { "communication", [] { return Shell_Form(FParGen); }, nullptr },
    { "update", [] { TForm* form = Shell_Form(FBoot); FBoot->Form_Type = 1; return form; }, nullptr },
    { "receive-frames", [] { return Shell_Form(FReceiveNMEA); }, [](TForm&) { FillReceiveFrames(*FReceiveNMEA); } },
    { "send-frames", [] { return Shell_Form(FTransmitNMEA); }, [](TForm&) { FillSendFrames(*FTransmitNMEA); } },
    { "enocean-editor", [] { return Shell_Form(FEnOcean_SetAccess2); }, Prepare_EnOcean_Editor },
    { "enocean-device-unsecure", [] { return Device_Dialog(0); }, nullptr },
    { "enocean-device-psk", [] { return Device_Dialog(1); }, nullptr },
    { "enocean-device-manual", [] { return Device_Dialog(2); }, nullptr },
    { "enocean-variable", Variable_Dialog, nullptr },
    { "enocean-variable-sack", [] { return Shell_Form(FEnOcean_Variable_SAck); }, Prepare_Variable_SAck },
    { "enocean-first-editor", [] { return Shell_Form(FEnOcean_SetAccess); }, nullptr },
    { "catalog-test", [] { return Shell_Form(Form1); }, nullptr },
};

void Shoot(const TScreenshotForm& entry, const String& folder)
{
    TForm* form = entry.Make();
    form->Show();
    Application->ProcessMessages();
    if (entry.Prepare)
        entry.Prepare(*form);
    Application->ProcessMessages();
    const String fileName = IncludeTrailingPathDelimiter(folder) + QString::fromLatin1(entry.Name) + QStringLiteral(".png");
    if (entry.Grab) {
        TBitmap picture;
        entry.Grab(*form, picture);
        picture.SaveToFile(fileName);
    } else {
        GrabControlToFile(*form, fileName);
    }
    form->Hide();
    std::printf("%s\n", qPrintable(fileName));
}

int Usage()
{
    std::fprintf(stderr, "usage: screenshot <name|all> <output-folder>\n       screenshot show <name>   (shows the form until the process ends)\nnames:");
    for (const TScreenshotForm& entry : ScreenshotForms)
        std::fprintf(stderr, " %s", entry.Name);
    std::fprintf(stderr, "\n");
    return 2;
}

// Ends the process without running static destructors: the layer's
// application object would free Qt's application after Qt's own globals have
// gone, which crashes at exit.
[[noreturn]] void Finish(int code)
{
    if (Shell) {
        std::error_code error;
        std::filesystem::remove_all(Shell->Folder, error);
    }
    std::fflush(stdout);
    std::fflush(stderr);
    std::quick_exit(code);
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 3)
        return Usage();
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // The application object outlives main and keeps a reference to the count.
    static int argumentCount = argc;
    Application->Initialize(argumentCount, argv);
    const String name = QString::fromLocal8Bit(argv[1]);
    const String folder = QString::fromLocal8Bit(argv[2]);
    // For trying a form by hand, with a real display.
    if (name == QStringLiteral("show")) {
        for (const TScreenshotForm& entry : ScreenshotForms) {
            if (folder != QString::fromLatin1(entry.Name))
                continue;
            entry.Make()->Show();
            Application->Run();
            Finish(0);
        }
        Finish(Usage());
    }
    if (!ForceDirectories(folder)) {
        std::fprintf(stderr, "Cannot create the folder %s\n", argv[2]);
        Finish(1);
    }
    bool found = false;
    try {
        for (const TScreenshotForm& entry : ScreenshotForms) {
            if (name != QStringLiteral("all") && name != QString::fromLatin1(entry.Name))
                continue;
            found = true;
            Shoot(entry, folder);
        }
    } catch (const Exception& error) {
        std::fprintf(stderr, "%s\n", qPrintable(error.Message()));
        Finish(1);
    }
    Finish(found ? 0 : Usage());
}
