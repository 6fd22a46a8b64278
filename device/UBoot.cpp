#include "device/UBoot.h"

#include "app/UComon.h"
#include "app/UDialog_Title.h"
#include "app/UTrelvadoreFirmWare.h"
#include "app/lang/ULanguage.h"
#include "device/UBoot_Job.h"
#include "device/UBoot_Ping.h"
#include "platform/core/FileUtils.h"
#include "platform/net/IcmpClient.h"
#include "platform/ui/UiServices.h"

TFBoot* FBoot = nullptr;

namespace {

constexpr int32_t Client_Width = 449;
constexpr int32_t Octet_Left = 12;
constexpr int32_t Octet_Step = 60;
constexpr int32_t Octet_Width = 45;
// The device list: two columns of 180 pixels, their lines and the frame.
constexpr int32_t Device_Column_Width = 180;
constexpr int32_t Device_Grid_Width = 2 * Device_Column_Width + 7;

TPanel* New_Panel(TForm* form, const char* name, int32_t height)
{
    auto* panel = new TPanel(form);
    panel->SetName(QString::fromLatin1(name));
    panel->SetParent(form);
    panel->SetBevelOuter(bvNone);
    panel->SetBounds(0, 0, Client_Width, height);
    panel->SetVisible(false);
    return panel;
}

template <typename T>
T* New_Control(TPanel* panel, const char* name, int32_t left, int32_t top, int32_t width, int32_t height)
{
    auto* control = new T(panel->Owner());
    control->SetName(QString::fromLatin1(name));
    control->SetParent(panel);
    control->SetBounds(left, top, width, height);
    control->SetShowHint(true);
    return control;
}

TLbButton* New_Small_Button(TPanel* panel, const char* name, int32_t left, int32_t top)
{
    auto* button = New_Control<TLbButton>(panel, name, left, top, 90, 25);
    button->SetStyle(bsEncarta);
    button->SetColorWhenDown(33023);
    button->SetLightColor(clGray);
    button->SetHotTrackColor(clSkyBlue);
    return button;
}

} // namespace

TFBoot::TFBoot(TComponent* owner) : TForm(owner)
{
    Set_Window_Look(this, "FBoot");
    SetClientWidth(Client_Width);
    P_Title = New_Title_Band(this, L_SW_Code, L_SW_Desc);

    P_IP_Address = New_Panel(this, "P_IP_Address", 49);
    L_IP_Address = New_Control<TLabel>(P_IP_Address, "L_IP_Address", 12, 4, 300, 16);
    for (int32_t octet = 0; octet < 4; ++octet) {
        const int32_t left = Octet_Left + octet * Octet_Step;
        E_IP[octet] = New_Control<TEdit>(P_IP_Address, "", left, 21, Octet_Width, 21);
        E_IP[octet]->SetName(QStringLiteral("E_IP%1").arg(octet + 1));
        E_IP[octet]->SetMaxLength(3);
        E_IP[octet]->SetTabOrder(octet);
        E_IP[octet]->OnKeyPress = [this](TComponent* sender, TChar& key) { KeyPress(sender, key); };
        if (octet < 3) {
            auto* dot = New_Control<TLabel>(P_IP_Address, "", left + Octet_Width + 5, 24, 5, 16);
            dot->SetCaption(QStringLiteral("."));
        }
    }

    P_Eth_Search = New_Panel(this, "P_Eth_Search", 200);
    L_List_Device = New_Control<TLabel>(P_Eth_Search, "L_List_Device", 12, 4, 300, 16);
    Btn_Search = New_Small_Button(P_Eth_Search, "Btn_Search", 347, 2);
    ACG_List_Devices = New_Control<TDudColumnGrid>(P_Eth_Search, "ACG_List_Devices", 12, 24, Device_Grid_Width, 146);
    ACG_List_Devices->SetColCount(2);
    ACG_List_Devices->SetFixedCols(0);
    ACG_List_Devices->SetRowCount(2);
    for (int32_t column = 0; column < 2; ++column)
        ACG_List_Devices->Columns().Items(column)->SetWidth(Device_Column_Width);
    CB_Find_All_MRV = New_Control<TCheckBox>(P_Eth_Search, "CB_Find_All_MRV", 12, 176, 300, 17);
    CB_Find_All_MRV->SetChecked(true);

    P_Options = New_Panel(this, "P_Options", 72);
    L_Update_Option = New_Control<TLabel>(P_Options, "L_Update_Option", 12, 4, 300, 16);
    CB_Update_Options = New_Control<TComboBox>(P_Options, "CB_Update_Options", 12, 22, 240, 21);
    CB_Update_Options->SetStyle(csDropDownList);
    CB_Update_Option_Read_Back = New_Control<TCheckBox>(P_Options, "CB_Update_Option_Read_Back", 12, 50, 240, 17);

    P_Serial = New_Panel(this, "P_Serial", 51);
    L_COM_Port = New_Control<TLabel>(P_Serial, "L_COM_Port", 12, 4, 300, 16);
    L_COM_Port->SetCaption(QStringLiteral("Select the COM port for the Update"));
    CB_COM_Port = New_Control<TComboBox>(P_Serial, "CB_COM_Port", 12, 22, 150, 21);
    CB_COM_Port->SetStyle(csDropDownList);
    Btn_COM_List = New_Small_Button(P_Serial, "Btn_COM_List", 172, 20);
    Btn_COM_List->SetHint(QStringLiteral("Update COM Ports List"));
    Btn_COM_List->OnClick = [this](TComponent* sender) { Btn_COM_ListClick(sender); };

    P_Button = New_Button_Band(this);
    P_Button->SetWidth(Client_Width);
    Btn_Update = New_Band_Button(P_Button, "Btn_Update", 12, mrNone);
    Btn_Update->SetWidth(180);
    Btn_Update->SetLeft(Client_Width - 12 - 180);
    Btn_Update->OnClick = [this](TComponent* sender) { Btn_UpdateClick(sender); };
    Btn_Cancel = New_Band_Button(P_Button, "Btn_Cancel", 204, mrCancel);
    Btn_Cancel->SetCancel(true);

    Ping = std::make_unique<TIcmpClient>();

    OnShow = [this](TComponent* sender) { FormShow(sender); };
    // A close asked for while the device is pinged waits for the ping to end.
    OnCloseQuery = [this](TComponent*, bool& canClose) { canClose = !FPinging; };
}

TFBoot::~TFBoot()
{
    if (FBoot == this)
        FBoot = nullptr;
}

void TFBoot::Set_Lang()
{
    const TLang_Texts& texts = Lang_Texts();
    const bool ethernet = Form_Type == 1;
    SetCaption(texts[ethernet ? 902 : 900]);
    L_SW_Desc->SetCaption(texts[ethernet ? 903 : 901]);
    L_IP_Address->SetCaption(texts[906]);
    L_List_Device->SetCaption(texts[909]);
    Btn_Search->SetCaption(texts[910]);
    Btn_Search->SetHint(texts[929]);
    ACG_List_Devices->Columns().Items(0)->SetHeader(texts[911]);
    ACG_List_Devices->Columns().Items(1)->SetHeader(texts[912]);
    ACG_List_Devices->SetHint(texts[930]);
    CB_Find_All_MRV->SetCaption(texts[913]);
    CB_Find_All_MRV->SetHint(texts[931]);
    L_Update_Option->SetCaption(texts[914]);
    CB_Update_Options->Items().Clear();
    for (int32_t entry = 915; entry <= 917; ++entry)
        CB_Update_Options->Items().Add(texts[entry]);
    CB_Update_Options->SetItemIndex(0);
    CB_Update_Options->SetHint(texts[932]);
    CB_Update_Option_Read_Back->SetCaption(texts[918]);
    CB_Update_Option_Read_Back->SetHint(texts[933]);
    Btn_Cancel->SetCaption(texts[919]);
    Btn_Cancel->SetHint(texts[934]);
    Btn_Update->SetCaption(texts[920]);
    Btn_Update->SetHint(texts[935]);
    for (int32_t octet = 0; octet < 4; ++octet)
        E_IP[octet]->SetHint(texts[921 + octet]);
}

void TFBoot::Show_Layout(TPanel* first, std::vector<TPanel*> tabOrder)
{
    first->SetVisible(true);
    P_Options->SetVisible(true);
    SetClientWidth(Client_Width);
    // Stacked from the top in tab order; hidden panels take no room.
    int32_t top = P_Title->Height();
    for (TPanel* panel : tabOrder) {
        if (panel == P_Title || panel == P_Button)
            continue;
        if (panel->Visible()) {
            panel->SetTop(top);
            top += panel->Height();
        }
    }
    SetClientHeight(top + P_Button->Height());
    for (size_t order = 0; order < tabOrder.size(); ++order)
        tabOrder[order]->SetTabOrder(static_cast<int32_t>(order));
    CB_Update_Options->SetItemIndex(Update_Option_Index);
    CB_Update_Option_Read_Back->SetChecked(Update_Read_Back);
}

void TFBoot::FormShow(TComponent*)
{
    Set_Lang();
    L_SW_Code->SetCaption(SW_Code);
    for (TPanel* panel : { P_IP_Address, P_Eth_Search, P_Options, P_Serial })
        panel->SetVisible(false);
    if (Form_Type == 1) {
        Show_Layout(P_IP_Address, { P_Title, P_IP_Address, P_Eth_Search, P_Options, P_Button, P_Serial });
        String parts[4];
        if (!Device_IP.isEmpty() && Split_IP_Address(Device_IP, parts[0], parts[1], parts[2], parts[3]))
            for (int32_t octet = 0; octet < 4; ++octet)
                E_IP[octet]->SetText(parts[octet]);
        if (E_IP[0]->CanFocus())
            E_IP[0]->SetFocus();
    } else {
        Show_Layout(P_Serial, { P_Title, P_Serial, P_Options, P_Button, P_IP_Address, P_Eth_Search });
        update_ComPort();
        if (CB_COM_Port->CanFocus())
            CB_COM_Port->SetFocus();
    }
}

void TFBoot::KeyPress(TComponent* Sender, TChar& Key)
{
    if (Key != u'.')
        return;
    Key = 0;
    for (int32_t octet = 0; octet < 3; ++octet)
        if (Sender == E_IP[octet] && E_IP[octet + 1]->CanFocus())
            E_IP[octet + 1]->SetFocus();
}

String TFBoot::Typed_Address() const
{
    return E_IP[0]->Text() + u'.' + E_IP[1]->Text() + u'.' + E_IP[2]->Text() + u'.' + E_IP[3]->Text();
}

bool TFBoot::Send_Ping()
{
    String address;
    ping_res = prNone;
    if (!Ping_Address({ E_IP[0]->Text(), E_IP[1]->Text(), E_IP[2]->Text(), E_IP[3]->Text() }, address))
        return false;
    // Another click on Update, or a close, must not start a second ping or
    // hide the dialog while this one runs; and what is written and stored
    // afterwards must be what was pinged.
    struct TPing_Scope {
        TFBoot& Dialog;
        explicit TPing_Scope(TFBoot& dialog) : Dialog(dialog) { Set(true); }
        ~TPing_Scope() { Set(false); }
        void Set(bool pinging)
        {
            Dialog.FPinging = pinging;
            for (TControl* control : std::initializer_list<TControl*> { Dialog.Btn_Update, Dialog.P_IP_Address, Dialog.P_Options })
                control->SetEnabled(!pinging);
        }
    } scope { *this };
    return ::Send_Ping(*Ping, address, Typed_Address(), ping_res, [] { Application->ProcessMessages(); });
}

void TFBoot::Compile_XML_Parameter_New_Boot()
{
    TUpdate_Job job;
    job.IP_Address = Typed_Address();
    job.Option = CB_Update_Options->ItemIndex();
    job.Read_Back = CB_Update_Option_Read_Back->Checked();
    job.Master_Path = Master_Path;
    job.Project_Path = Project_Path;
    ::Compile_XML_Parameter_New_Boot(XML1, Exe_Path + QStringLiteral("/Ethernet_Update.xml"), job);
}

void TFBoot::Ethernet_Update()
{
    const bool answered = Send_Ping();
    // The user closed the dialog while the device was pinged: no update.
    if (ModalResult() != mrNone)
        return;
    if (!answered) {
        if (ping_res == prTimedOut)
            MessageDlg(Lang_Texts()[936], mtWarning, mbOKOnly);
        else
            MessageDlg(Lang_Texts()[937], mtError, mbOKOnly);
        return;
    }
    Device_IP = Typed_Address();
    Update_Option_Index = CB_Update_Options->ItemIndex();
    Update_Read_Back = CB_Update_Option_Read_Back->Checked();
    Compile_XML_Parameter_New_Boot();
    const String updater = Exe_Path + QStringLiteral("/Ethernet_Update.exe");
    Report_Updater_Run(updater, FTrelvadoreFirmWare->Start_Program(updater, String(), 0, Updater_Limit_Ms));
}

void TFBoot::Report_Updater_Run(const String& updater, const TProgramRun& run) const
{
    // The updater reports the transfer itself; only a run that never took
    // place, or that the dialog stopped waiting for, needs saying here. It is
    // named as the user installs it: without ".exe", in its folder.
    const String name = ChangeFileExt(ExtractFileName(updater), String());
    const String folder = ExcludeTrailingPathDelimiter(ExtractFilePath(updater));
    if (run.Outcome == TProgramOutcome::NotStarted)
        MessageDlg(QStringLiteral("The updater \"%1\" in \"%2\" cannot be started: %3.").arg(name, folder, run.Error), mtError,
            mbOKOnly);
    else if (run.Outcome == TProgramOutcome::StillRunning)
        MessageDlg(QStringLiteral("The updater \"%1\" in \"%2\" is still running after %3 s; the update is left to it.")
                       .arg(name, folder)
                       .arg(Updater_Limit_Ms / 1000),
            mtWarning, mbOKOnly);
}

void TFBoot::Btn_UpdateClick(TComponent*)
{
    if (FPinging)
        return;
    if (Form_Type == 1) {
        Ethernet_Update();
    } else {
        Update_Option_Index = CB_Update_Options->ItemIndex();
        Update_Read_Back = CB_Update_Option_Read_Back->Checked();
    }
}

void TFBoot::Btn_COM_ListClick(TComponent*) { update_ComPort(); }

void TFBoot::update_ComPort()
{
    CB_COM_Port->Items().Clear();
    const std::unique_ptr<TStringList> ports = Get_ComPort_List();
    for (int32_t index = 0; index < ports->Count(); ++index)
        CB_COM_Port->Items().Add(QStringLiteral("COM") + (*ports)[index]);
    CB_COM_Port->SetItemIndex(0);
}
