#include "enocean/UEnOcean_SetAccess.h"

#include "app/UComon.h"
#include "app/UDialog_Title.h"
#include "app/lang/ULanguage.h"
#include "controls/SlantTabs.h"
#include "enocean/UEnOcean_Catalog.h"
#include "enocean/UEnOcean_Device.h"
#include "enocean/UEnOcean_Form_Controls.h"
#include "enocean/UEnOcean_SetAccess2.h"
#include "platform/core/SysUtils.h"
#include "platform/ui/UiServices.h"

TFEnOcean_SetAccess* FEnOcean_SetAccess = nullptr;

namespace {

constexpr int32_t Client_Width = 1150;
constexpr int32_t Client_Height = 650;
constexpr int32_t Right_Left = 290;
constexpr int32_t Right_Width = Client_Width - Right_Left - 12;
constexpr int32_t Panel_Top = Title_Band_Height + 40;
constexpr int32_t Panel_Height = Client_Height - Button_Band_Height - Panel_Top - 6;
constexpr int32_t Row_Step = 32;
constexpr int32_t Field_Left = 200;
constexpr int32_t Field_Width = 220;
constexpr int32_t Position_Max = 1999;

TSlantTabs* New_Strip(TWinControl* parent, const char* name, int32_t left, int32_t top, int32_t width,
    std::initializer_list<const char*> captions)
{
    auto* strip = New_EnOcean_Control<TSlantTabs>(parent, name, left, top, width, 30);
    strip->Options().Display().AddButton().SetVisibility(avNone);
    strip->Options().Display().CloseButton().SetVisibility(bvNever);
    strip->Options().Display().Tabs().SetMinWidth(120);
    for (const char* caption : captions)
        strip->Tabs().Add()->SetCaption(QString::fromLatin1(caption));
    return strip;
}

TPanel* New_Page_Panel(TWinControl* parent, const char* name, int32_t left, int32_t top, int32_t width, int32_t height)
{
    auto* panel = New_EnOcean_Control<TPanel>(parent, name, left, top, width, height);
    panel->SetBevelOuter(bvNone);
    return panel;
}

TLbButton* New_Button(TWinControl* parent, const char* name, int32_t left, int32_t top, const char* caption)
{
    auto* button = New_EnOcean_Control<TLbButton>(parent, name, left, top, 130, 28);
    Set_Dialog_Button_Look(button);
    button->SetCaption(QString::fromLatin1(caption));
    return button;
}

std::string Named(const char* name, const char* suffix) { return std::string(name) + suffix; }

} // namespace

TFEnOcean_SetAccess::TFEnOcean_SetAccess(TComponent* owner) : TForm(owner)
{
    Set_Window_Look(this, "FEnOcean_SetAccess");
    SetClientWidth(Client_Width);
    SetClientHeight(Client_Height);
    P_Title = New_Title_Band(this, L_SW_Code, L_SW_Desc);
    P_Button = New_Button_Band(this);
    P_Button->SetWidth(Client_Width);
    Btn_OK = New_Band_Button(P_Button, "Btn_OK", 108, mrNone);
    Btn_OK->OnClick = [this](TComponent* sender) { Btn_OKClick(sender); };
    Btn_Cancel = New_Band_Button(P_Button, "Btn_Cancel", 12, mrCancel);
    Btn_Cancel->SetCancel(true);

    L_ID_Devices_List = New_EnOcean_Control<TLabel>(this, "L_ID_Devices_List", 12, Title_Band_Height + 8, 260, 16);
    LB_ID_Devices_List = New_EnOcean_Control<TListBox>(this, "LB_ID_Devices_List", 12, Title_Band_Height + 26, 264,
        Client_Height - Button_Band_Height - Title_Band_Height - 32);
    LB_ID_Devices_List->OnClick = [this](TComponent* sender) { LB_ID_Devices_ListClick(sender); };

    CT_ID_Data = New_Strip(this, "CT_ID_Data", Right_Left, Title_Band_Height + 6, Right_Width, { "ID & Security", "Data Exchange" });
    CT_ID_Data->OnActiveTabChanged = [this](TCustomSlantTabs* sender, TSlantTab* tab) { CT_ID_DataActiveTabChanged(sender, tab); };
    PEnOcean_DefID_IDSec = New_Page_Panel(this, "PEnOcean_DefID_IDSec", Right_Left, Panel_Top, Right_Width, Panel_Height);
    PEnOcean_DefID_DataEx = New_Page_Panel(this, "PEnOcean_DefID_DataEx", Right_Left, Panel_Top, Right_Width, Panel_Height);

    struct TRow {
        TLabel* TFEnOcean_SetAccess::*Label;
        const char* LabelName;
        TControl** Field;
    };
    TWinControl* sec = PEnOcean_DefID_IDSec;
    const auto label = [sec](const char* name, int32_t row) { return New_EnOcean_Control<TLabel>(sec, name, 12, 12 + row * Row_Step, 180, 16); };
    const auto list = [sec](const char* name, int32_t row, std::initializer_list<const char*> entries) {
        return New_EnOcean_List(sec, name, Field_Left, 9 + row * Row_Step, Field_Width, entries);
    };
    const auto edit = [sec](const char* name, int32_t row) {
        auto* field = New_EnOcean_Control<TEdit>(sec, name, Field_Left, 9 + row * Row_Step, Field_Width, 20);
        field->SetMaxLength(Device_Key_Length);
        return field;
    };
    L_DevEnOcean_ID = label("L_DevEnOcean_ID", 0);
    E_DevEnOcean_ID = edit("E_DevEnOcean_ID", 0);
    E_DevEnOcean_ID->SetMaxLength(0);
    L_DevEnOcean_SecType = label("L_DevEnOcean_SecType", 1);
    CB_DevEnOcean_SecType = list("CB_DevEnOcean_SecType", 1, { "Unsecure", "Secure Pre Shared Key", "Secure with Manual Setting" });
    CB_DevEnOcean_SecType->OnChange = [this](TComponent* sender) { CB_DevEnOcean_SecTypeChange(sender); };
    L_DevEnOcean_Secure_Key = label("L_DevEnOcean_Secure_Key", 2);
    E_DevEnOcean_Secure_Key = edit("E_DevEnOcean_Secure_Key", 2);
    L_DevEnOcean_Secure_RollCode = label("L_DevEnOcean_Secure_RollCode", 3);
    E_DevEnOcean_Secure_RollCode = edit("E_DevEnOcean_Secure_RollCode", 3);
    L_DevEnOcean_Secure_RollCodeAlg = label("L_DevEnOcean_Secure_RollCodeAlg", 4);
    CB_DevEnOcean_Secure_RollCodeAlg = list("CB_DevEnOcean_Secure_RollCodeAlg", 4, { "No RLC algorithm", "16-bit", "24-bit" });
    L_DevEnOcean_Secure_RollCodeTx = label("L_DevEnOcean_Secure_RollCodeTx", 5);
    CB_DevEnOcean_Secure_RollCodeTx = list("CB_DevEnOcean_Secure_RollCodeTx", 5, { "No", "Yes" });
    L_DevEnOcean_Secure_CMACAlg = label("L_DevEnOcean_Secure_CMACAlg", 6);
    CB_DevEnOcean_Secure_CMACAlg = list("CB_DevEnOcean_Secure_CMACAlg", 6, { "No MAC", "AES128 - 3 bytes", "AES128 - 4 bytes" });
    L_DevEnOcean_Secure_DataEnc = label("L_DevEnOcean_Secure_DataEnc", 7);
    CB_DevEnOcean_Secure_DataEnc = list("CB_DevEnOcean_Secure_DataEnc", 7, { "No data encryption", "VAES - AES128", "AES - CBC - AES128" });
    L_DevEnOcean_Secure_PTM = label("L_DevEnOcean_Secure_PTM", 8);
    CB_DevEnOcean_Secure_PTM = list("CB_DevEnOcean_Secure_PTM", 8, { "No PTM", "PTM" });
    Btn_Add_Device = New_Button(sec, "Btn_Add_Device", 12, 0, "Add Device");
    Btn_Modify_Device = New_Button(sec, "Btn_Modify_Device", 150, 0, "Modify Device");
    Btn_Delete_Device = New_Button(sec, "Btn_Delete_Device", 12, 0, "Delete Device");
    for (TLbButton* button : { Btn_Add_Device, Btn_Modify_Device, Btn_Delete_Device })
        button->OnClick = [this](TComponent* sender) { Btn_Add_Modify_DeviceClick(sender); };

    CT_Uni_Smart_Remote = New_Strip(PEnOcean_DefID_DataEx, "CT_Uni_Smart_Remote", 0, 0, Right_Width, { "Unidirectional", "Smart ACK", "Remote" });
    CT_Uni_Smart_Remote->Tabs()[2]->SetVisible(false);
    CT_Uni_Smart_Remote->OnActiveTabChanged = [this](TCustomSlantTabs* sender, TSlantTab* tab) { CT_Uni_Smart_RemoteActiveTabChanged(sender, tab); };
    Build_Page(Uni, "", 34);
    Build_Page(Smart, "_Smart", 34);
    Uni.Tree->SetName(QStringLiteral("TW_UniSmart_EEP"));
    Smart.Tree->SetName(QStringLiteral("TW_Smart_EEP"));
    Uni.CT_EEP_Var->OnActiveTabChanged = [this](TCustomSlantTabs* sender, TSlantTab* tab) { CT_EEP_VarActiveTabChanged(sender, tab); };
    Smart.CT_EEP_Var->OnActiveTabChanged = [this](TCustomSlantTabs* sender, TSlantTab* tab) { CT_EEP_Var_SmartActiveTabChanged(sender, tab); };
    // Only the Unidirectional controls act; the Smart ACK ones have no function yet.
    for (TComboBox* box : { Uni.CB_EEP_Rorg, Uni.CB_EEP_Func, Uni.CB_EEP_Type, Uni.CB_Var_Case, Smart.CB_EEP_Rorg, Smart.CB_EEP_Func,
             Smart.CB_EEP_Type, Smart.CB_Var_Case })
        box->OnChange = [this](TComponent* sender) { CB_EEP_Rorg_Func_Type_Change(sender); };
    for (TTreeView* tree : { Uni.Tree, Smart.Tree })
        tree->OnClick = [this](TComponent* sender) { TW_UniSmart_EEPClick(sender); };
    for (TLbButton* button : { Uni.Btn_EEP_Add, Uni.Btn_EEP_Modify, Uni.Btn_EEP_Delete })
        button->OnClick = [this](TComponent* sender) { Btn_EEP_Add_Modify_Click(sender); };
    for (TLbButton* button : { Uni.Btn_Var_Add, Uni.Btn_Var_Modify, Uni.Btn_Var_Delete })
        button->OnClick = [this](TComponent* sender) { Btn_Var_Add_Modify_Click(sender); };

    OnCreate = [this](TComponent* sender) { FormCreate(sender); };
    OnShow = [this](TComponent* sender) { FormShow(sender); };
    OnClose = [this](TComponent* sender, TCloseAction& action) { FormClose(sender, action); };
}

TFEnOcean_SetAccess::~TFEnOcean_SetAccess()
{
    if (FEnOcean_SetAccess == this)
        FEnOcean_SetAccess = nullptr;
}

void TFEnOcean_SetAccess::Build_Page(TEEP_Var_Page& page, const char* suffix, int32_t top)
{
    const auto name = [suffix](const char* base) { return Named(base, suffix); };
    page.Panel = New_Page_Panel(PEnOcean_DefID_DataEx, name("P_DE").c_str(), 0, top, Right_Width, Panel_Height - top);
    page.Tree = New_EnOcean_Control<TTreeView>(page.Panel, "", 0, 0, 420, Panel_Height - top - 4);
    page.Tree->SetReadOnly(true);
    page.Tree->SetRowSelect(true);
    page.Tree->SetHideSelection(false);
    page.Tree->SetShowRoot(false);
    constexpr int32_t side = 430;
    page.CT_EEP_Var = New_Strip(page.Panel, name("CT_EEP_Var").c_str(), side, 0, Right_Width - side, { "EEP", "Variable" });
    page.P_EEP = New_Page_Panel(page.Panel, name("P_EEP").c_str(), side, 34, Right_Width - side, 260);
    page.P_Var = New_Page_Panel(page.Panel, name("P_Var").c_str(), side, 34, Right_Width - side, 260);
    const auto row = [&](TPanel* panel, int32_t index, const char* labelName, TLabel*& label, const char* listName) {
        label = New_EnOcean_Control<TLabel>(panel, name(labelName).c_str(), 12, 12 + index * Row_Step, 100, 16);
        return New_EnOcean_List(panel, name(listName).c_str(), 110, 9 + index * Row_Step, 290, {});
    };
    page.CB_EEP_Rorg = row(page.P_EEP, 0, "L_EEP_Rorg", page.L_EEP_Rorg, "CB_EEP_Rorg");
    page.CB_EEP_Func = row(page.P_EEP, 1, "L_EEP_Func", page.L_EEP_Func, "CB_EEP_Func");
    page.CB_EEP_Type = row(page.P_EEP, 2, "L_EEP_Type", page.L_EEP_Type, "CB_EEP_Type");
    page.Btn_EEP_Add = New_Button(page.P_EEP, name("Btn_EEP_Add").c_str(), 12, 12 + 3 * Row_Step, "Add EEP");
    page.Btn_EEP_Modify = New_Button(page.P_EEP, name("Btn_EEP_Modify").c_str(), 148, 12 + 3 * Row_Step, "Modify EEP");
    page.Btn_EEP_Delete = New_Button(page.P_EEP, name("Btn_EEP_Delete").c_str(), 284, 12 + 3 * Row_Step, "Delete EEP");
    page.CB_Var_Case = row(page.P_Var, 0, "L_Var_Case", page.L_Var_Case, "CB_Var_Case");
    page.CB_Var_DataField = row(page.P_Var, 1, "L_Var_DataField", page.L_Var_DataField, "CB_Var_DataField");
    page.L_Var_Position = New_EnOcean_Control<TLabel>(page.P_Var, name("L_Var_Position").c_str(), 12, 12 + 2 * Row_Step, 100, 16);
    page.E_Var_Position = New_EnOcean_Control<TEdit>(page.P_Var, name("E_Var_Position").c_str(), 110, 9 + 2 * Row_Step, 100, 20);
    page.L_Var_BitStart = New_EnOcean_Control<TLabel>(page.P_Var, name("L_Var_BitStart").c_str(), 12, 12 + 3 * Row_Step, 100, 16);
    page.CB_Var_BitStart = New_EnOcean_List(page.P_Var, name("CB_Var_BitStart").c_str(), 110, 9 + 3 * Row_Step, 100,
        { "0", "1", "2", "3", "4", "5", "6", "7" });
    page.Btn_Var_Add = New_Button(page.P_Var, name("Btn_Var_Add").c_str(), 12, 12 + 4 * Row_Step, "Add Variable");
    page.Btn_Var_Modify = New_Button(page.P_Var, name("Btn_Var_Modify").c_str(), 148, 12 + 4 * Row_Step, "Modify Variable");
    page.Btn_Var_Delete = New_Button(page.P_Var, name("Btn_Var_Delete").c_str(), 284, 12 + 4 * Row_Step, "Delete Variable");
    const std::pair<TLabel*, const char*> captions[] = {
        { page.L_EEP_Rorg, "Rorg" }, { page.L_EEP_Func, "Func" }, { page.L_EEP_Type, "Type" }, { page.L_Var_Case, "Case" },
        { page.L_Var_DataField, "Data Field" }, { page.L_Var_Position, "Position" }, { page.L_Var_BitStart, "Bit Start" },
    };
    for (const auto& [caption, text] : captions)
        caption->SetCaption(QString::fromLatin1(text));
}

void TFEnOcean_SetAccess::FormCreate(TComponent*)
{
    PEnOcean_DefID_IDSec->SetVisible(true);
    PEnOcean_DefID_DataEx->SetVisible(false);
    Uni.Panel->SetVisible(true);
    Smart.Panel->SetVisible(false);
    for (TEEP_Var_Page* page : { &Uni, &Smart }) {
        page->P_EEP->SetVisible(true);
        page->P_Var->SetVisible(false);
    }
    for (TSlantTabs* strip : { CT_ID_Data, CT_Uni_Smart_Remote, Uni.CT_EEP_Var, Smart.CT_EEP_Var })
        strip->SetActiveTabIndex(0);
    DevList.clear();
    L_SW_Code->SetCaption(SW_Code);
    SetClientWidth(Client_Width);
    SetClientHeight(Client_Height);
    Set_Lang();
    CB_DevEnOcean_SecTypeChange(CB_DevEnOcean_SecType);
}

void TFEnOcean_SetAccess::Set_Lang()
{
    const TLang_Texts& texts = Lang_Texts();
    SetCaption(texts[800]);
    L_SW_Desc->SetCaption(texts[801]);
    Btn_OK->SetCaption(texts[802]);
    Btn_Cancel->SetCaption(texts[803]);
    Btn_OK->SetHint(texts[804]);
    Btn_Cancel->SetHint(texts[805]);
    L_ID_Devices_List->SetCaption(texts[806]);
    CT_ID_Data->Tabs()[0]->SetCaption(texts[807]);
    CT_ID_Data->Tabs()[1]->SetCaption(texts[808]);
    int32_t text = Set_Security_Row_Texts(texts, 809, *this);
    text = Set_Button_Texts(texts, text, { Btn_Add_Device, Btn_Modify_Device, Btn_Delete_Device });
    for (int32_t tab = 0; tab < 3; ++tab)
        CT_Uni_Smart_Remote->Tabs()[tab]->SetCaption(texts[833 + tab]);
    Uni.CT_EEP_Var->Tabs()[0]->SetCaption(texts[836]);
    Uni.CT_EEP_Var->Tabs()[1]->SetCaption(texts[837]);
    text = Set_Row_Texts(texts, 838,
        {
            { Uni.L_EEP_Rorg, Uni.CB_EEP_Rorg },
            { Uni.L_EEP_Func, Uni.CB_EEP_Func },
            { Uni.L_EEP_Type, Uni.CB_EEP_Type },
            { Uni.L_Var_Case, Uni.CB_Var_Case },
        });
    text = Set_Button_Texts(texts, text, { Uni.Btn_EEP_Add, Uni.Btn_EEP_Modify, Uni.Btn_EEP_Delete });
    text = Set_Row_Texts(texts, text,
        {
            { Uni.L_Var_DataField, Uni.CB_Var_DataField },
            { Uni.L_Var_Position, Uni.E_Var_Position },
            { Uni.L_Var_BitStart, Uni.CB_Var_BitStart },
        });
    Set_Button_Texts(texts, text, { Uni.Btn_Var_Add, Uni.Btn_Var_Modify, Uni.Btn_Var_Delete });
}

void TFEnOcean_SetAccess::FormShow(TComponent*)
{
    Cancel_Devices_List();
    Load_Configuration();
    Show_Id_List();
    CB_DevEnOcean_SecTypeChange(CB_DevEnOcean_SecType);
    Set_List_Items(Uni.CB_EEP_Rorg, &EEP_Catalog->Rorg_SL);
    Ind_EEP = -1;
    Ind_Var = -1;
}

void TFEnOcean_SetAccess::FormClose(TComponent*, TCloseAction&) { Cancel_Devices_List(); }

void TFEnOcean_SetAccess::Cancel_Devices_List()
{
    while (!DevList.empty())
        DevList.pop_back();
}

// This form keeps no Smart ACK profiles: it reads none, writes the lists
// empty, and asks before a save drops those the file holds.
void TFEnOcean_SetAccess::Load_Configuration() { FSave_Questions = Load_EnOcean_Devices(XML1, DevList, TSmart_ACK_Use::Drop); }

bool TFEnOcean_SetAccess::Save_Configuration() { return Save_EnOcean_Devices(XML1, DevList, FSave_Questions, TSmart_ACK_Use::Drop); }

void TFEnOcean_SetAccess::Btn_OKClick(TComponent*)
{
    if (Save_Configuration())
        SetModalResult(mrOk);
}

int32_t TFEnOcean_SetAccess::Selected_Device_Index() const
{
    const int32_t index = LB_ID_Devices_List->ItemIndex();
    return index >= 0 && index < static_cast<int32_t>(DevList.size()) ? index : -1;
}

void TFEnOcean_SetAccess::Show_Id_List()
{
    LB_ID_Devices_List->Items().Clear();
    for (const auto& device : DevList)
        LB_ID_Devices_List->Items().Add(QStringLiteral("ID ") + device->Id());
}

void TFEnOcean_SetAccess::CT_ID_DataActiveTabChanged(TCustomSlantTabs*, TSlantTab*)
{
    const bool device = CT_ID_Data->ActiveTabIndex() == 0;
    PEnOcean_DefID_IDSec->SetVisible(device);
    PEnOcean_DefID_DataEx->SetVisible(!device);
}

void TFEnOcean_SetAccess::CT_EEP_VarActiveTabChanged(TCustomSlantTabs*, TSlantTab*)
{
    Uni.P_EEP->SetVisible(Uni.CT_EEP_Var->ActiveTabIndex() == 0);
    Uni.P_Var->SetVisible(Uni.CT_EEP_Var->ActiveTabIndex() == 1);
}

void TFEnOcean_SetAccess::CT_EEP_Var_SmartActiveTabChanged(TCustomSlantTabs*, TSlantTab*)
{
    Smart.P_EEP->SetVisible(Smart.CT_EEP_Var->ActiveTabIndex() == 0);
    Smart.P_Var->SetVisible(Smart.CT_EEP_Var->ActiveTabIndex() == 1);
}

void TFEnOcean_SetAccess::CT_Uni_Smart_RemoteActiveTabChanged(TCustomSlantTabs*, TSlantTab*)
{
    const int32_t tab = CT_Uni_Smart_Remote->ActiveTabIndex();
    if (tab == 0) {
        Uni.Panel->SetVisible(true);
        Smart.Panel->SetVisible(false);
        Update_DE_Unidirectional();
        Ind_EEP = -1;
        Ind_Var = -1;
    } else if (tab == 1) {
        Uni.Panel->SetVisible(false);
        Smart.Panel->SetVisible(true);
    }
}

void TFEnOcean_SetAccess::LB_ID_Devices_ListClick(TComponent*) { Update_IdSec_DataEx(); }

void TFEnOcean_SetAccess::Update_IdSec_DataEx()
{
    Update_ID_Security();
    Update_Data_Exchange();
}

void TFEnOcean_SetAccess::Clear_Device_Fields()
{
    for (TEdit* edit : { E_DevEnOcean_ID, E_DevEnOcean_Secure_Key, E_DevEnOcean_Secure_RollCode })
        edit->SetText(String());
    for (TComboBox* box : { CB_DevEnOcean_SecType, CB_DevEnOcean_Secure_RollCodeAlg, CB_DevEnOcean_Secure_RollCodeTx,
             CB_DevEnOcean_Secure_CMACAlg, CB_DevEnOcean_Secure_DataEnc, CB_DevEnOcean_Secure_PTM })
        box->SetItemIndex(0);
}

void TFEnOcean_SetAccess::Update_ID_Security()
{
    const TDevice_EnOcean* device = List_Entry(DevList, Selected_Device_Index());
    if (!device) {
        Clear_Device_Fields();
    } else {
        E_DevEnOcean_ID->SetText(device->Id());
        CB_DevEnOcean_SecType->SetItemIndex(device->Secure_Type());
        E_DevEnOcean_Secure_Key->SetText(device->Key());
        E_DevEnOcean_Secure_RollCode->SetText(device->RollCode());
        CB_DevEnOcean_Secure_RollCodeAlg->SetItemIndex(device->RollCodeAlg());
        CB_DevEnOcean_Secure_RollCodeTx->SetItemIndex(device->RollCodeTx());
        CB_DevEnOcean_Secure_CMACAlg->SetItemIndex(device->CMACAlg());
        CB_DevEnOcean_Secure_DataEnc->SetItemIndex(device->DataCript());
        CB_DevEnOcean_Secure_PTM->SetItemIndex(device->PTM());
    }
    CB_DevEnOcean_SecTypeChange(CB_DevEnOcean_SecType);
}

void TFEnOcean_SetAccess::Update_Data_Exchange()
{
    switch (CT_Uni_Smart_Remote->ActiveTabIndex()) {
    case 0: Update_DE_Unidirectional(); break;
    case 1: Update_DE_Smart_Ack(); break;
    default: Update_DE_Remote(); break;
    }
}

void TFEnOcean_SetAccess::Update_DE_Unidirectional()
{
    TDevice_EnOcean* device = List_Entry(DevList, Selected_Device_Index());
    Fill_EEP_Tree(*Uni.Tree, QStringLiteral("Unidirectional - EEP List"), device ? &device->UnidirectionalList : nullptr);
}

// The Smart ACK profiles go into the Unidirectional tree, which is hidden on
// this tab: this form shows them nowhere.
void TFEnOcean_SetAccess::Update_DE_Smart_Ack()
{
    TDevice_EnOcean* device = List_Entry(DevList, Selected_Device_Index());
    Fill_EEP_Tree(*Uni.Tree, QStringLiteral("Smart Ack - EEP List"), device ? &device->SmartACKList : nullptr);
}

// The Remote kind has no profiles to show.
void TFEnOcean_SetAccess::Update_DE_Remote() { }

void TFEnOcean_SetAccess::CB_DevEnOcean_SecTypeChange(TComponent*)
{
    const TSecurity_Rows rows { { { L_DevEnOcean_Secure_Key, E_DevEnOcean_Secure_Key },
        { L_DevEnOcean_Secure_RollCode, E_DevEnOcean_Secure_RollCode },
        { L_DevEnOcean_Secure_RollCodeAlg, CB_DevEnOcean_Secure_RollCodeAlg },
        { L_DevEnOcean_Secure_RollCodeTx, CB_DevEnOcean_Secure_RollCodeTx },
        { L_DevEnOcean_Secure_CMACAlg, CB_DevEnOcean_Secure_CMACAlg },
        { L_DevEnOcean_Secure_DataEnc, CB_DevEnOcean_Secure_DataEnc },
        { L_DevEnOcean_Secure_PTM, CB_DevEnOcean_Secure_PTM } } };
    const int32_t shown = Show_Security_Rows(CB_DevEnOcean_SecType->ItemIndex(), rows);
    if (shown < 0)
        return;
    const TLabel* last = shown == 0 ? L_DevEnOcean_SecType : rows[static_cast<size_t>(shown - 1)].first;
    Btn_Add_Device->SetTop(last->Top() + 33);
    Btn_Modify_Device->SetTop(last->Top() + 33);
    Btn_Delete_Device->SetTop(last->Top() + 33 + 34);
}

bool TFEnOcean_SetAccess::Check_Data_Device()
{
    const int64_t id = StrToInt64Def(E_DevEnOcean_ID->Text(), -1);
    return id >= 0 && id <= Device_Id_Max;
}

void TFEnOcean_SetAccess::Btn_Add_Modify_DeviceClick(TComponent* Sender)
{
    TDevice_EnOcean* selected = List_Entry(DevList, Selected_Device_Index());
    TDevice_EnOcean* target = nullptr;
    if (Sender == Btn_Add_Device && Check_Data_Device()) {
        DevList.push_back(std::make_unique<TDevice_EnOcean>());
        target = DevList.back().get();
    } else if (Sender == Btn_Modify_Device && selected && Check_Data_Device()) {
        target = selected;
    }
    if (target) {
        target->SetId(E_DevEnOcean_ID->Text());
        target->SetSecure_Type(CB_DevEnOcean_SecType->ItemIndex());
        target->SetKey(E_DevEnOcean_Secure_Key->Text());
        target->SetRollCode(E_DevEnOcean_Secure_RollCode->Text());
        target->SetRollCodeAlg(CB_DevEnOcean_Secure_RollCodeAlg->ItemIndex());
        target->SetRollCodeTx(CB_DevEnOcean_Secure_RollCodeTx->ItemIndex());
        target->SetCMACAlg(CB_DevEnOcean_Secure_CMACAlg->ItemIndex());
        target->SetDataCript(CB_DevEnOcean_Secure_DataEnc->ItemIndex());
        target->SetPTM(CB_DevEnOcean_Secure_PTM->ItemIndex());
    }
    Show_Id_List();
}

void TFEnOcean_SetAccess::TW_UniSmart_EEPClick(TComponent* Sender)
{
    TTreeView* tree = Sender == Smart.Tree ? Smart.Tree : Uni.Tree;
    Ind_EEP = -1;
    Ind_Var = -1;
    const TTreeNode* root = tree->Items().GetFirstNode();
    const TTreeNode* selected = tree->Selected();
    if (root && selected && selected != root) {
        if (selected->Parent() == root) {
            Ind_EEP = selected->Index();
        } else if (selected->Parent() && selected->Parent()->Parent() == root) {
            Ind_EEP = selected->Parent()->Index();
            Ind_Var = selected->Index();
        }
    }
    Update_EEP_VAR();
}

TRorFunTyp_List* TFEnOcean_SetAccess::Active_List()
{
    TDevice_EnOcean* device = List_Entry(DevList, Selected_Device_Index());
    if (!device)
        return nullptr;
    return CT_Uni_Smart_Remote->ActiveTabIndex() == 0 ? &device->UnidirectionalList : &device->SmartACKList;
}

void TFEnOcean_SetAccess::Update_EEP_VAR()
{
    TRorFunTyp_List* list = Active_List();
    const TRorFunTyp* eep = list ? List_Entry(*list, Ind_EEP) : nullptr;
    if (!eep)
        return;
    // Each level is filled from the one above; a number the catalog lacks stops there.
    const TCatalog_EnOcean& catalog = *EEP_Catalog;
    const auto preload = [this](TComboBox* box, int32_t position) {
        box->SetItemIndex(position);
        CB_EEP_Rorg_Func_Type_Change(box);
        return box->ItemIndex() >= 0;
    };
    if (!preload(Uni.CB_EEP_Rorg, catalog.Get_RorgNum_Index(eep->RorgNum()))
        || !preload(Uni.CB_EEP_Func, catalog.Get_FuncNum_Index(eep->RorgNum(), eep->FuncNum()))
        || !preload(Uni.CB_EEP_Type, catalog.Get_TypeNum_Index(eep->RorgNum(), eep->FuncNum(), eep->TypeNum())))
        return;
    const TVarEnOcean* variable = List_Entry(eep->VariableList, Ind_Var);
    if (!variable || !preload(Uni.CB_Var_Case, variable->CaseIndex()))
        return;
    Uni.CB_Var_DataField->SetItemIndex(
        catalog.Get_DataField_Index(eep->RorgNum(), eep->FuncNum(), eep->TypeNum(), variable->CaseIndex(), variable->Data()));
    Uni.E_Var_Position->SetText(IntToStr(variable->Position()));
    Uni.CB_Var_BitStart->SetItemIndex(variable->BitStart());
}

TCatalog_Lists TFEnOcean_SetAccess::Lists() const
{
    return { Uni.CB_EEP_Rorg, Uni.CB_EEP_Func, Uni.CB_EEP_Type, Uni.CB_Var_Case, Uni.CB_Var_DataField };
}

void TFEnOcean_SetAccess::CB_EEP_Rorg_Func_Type_Change(TComponent* Sender) { Catalog_Cascade(*EEP_Catalog, Lists(), Sender); }

bool TFEnOcean_SetAccess::Check_EEP()
{
    const TLang_Texts& texts = Lang_Texts();
    const auto refuse = [&](int32_t text) {
        MessageDlg(texts[text], mtError, mbOKOnly);
        return false;
    };
    const TDevice_EnOcean* device = List_Entry(DevList, Selected_Device_Index());
    if (!device)
        return refuse(864);
    const TCatalog_Choice choice = Catalog_Choice(*EEP_Catalog, Lists());
    if (!choice.Rorg)
        return refuse(865);
    if (!choice.Func)
        return refuse(866);
    if (!choice.Type)
        return refuse(867);
    if (device->UnidirectionalList.size() + device->SmartACKList.size() >= 4)
        return refuse(868);
    for (const auto& eep : *Active_List())
        if (eep->RorgNum() == choice.Rorg->Number() && eep->FuncNum() == choice.Func->Number() && eep->TypeNum() == choice.Type->Number())
            return refuse(869);
    return true;
}

bool TFEnOcean_SetAccess::Check_Var()
{
    const TLang_Texts& texts = Lang_Texts();
    const auto refuse = [&](const String& text) {
        MessageDlg(text, mtError, mbOKOnly);
        return false;
    };
    if (Selected_Device_Index() < 0)
        return refuse(texts[870]);
    if (!List_Entry(*Active_List(), Ind_EEP))
        return refuse(texts[871]);
    if (Uni.CB_Var_DataField->ItemIndex() < 0)
        return refuse(texts[872]);
    int32_t position = 0;
    if (!TryStrToInt(Uni.E_Var_Position->Text(), position) || position < 0 || position > Position_Max)
        return refuse(texts[873] + IntToStr(Position_Max));
    return true;
}

void TFEnOcean_SetAccess::Select_Node(int32_t eep, int32_t variable)
{
    TTreeNode* root = Uni.Tree->Items().GetFirstNode();
    TTreeNode* eepNode = root && eep < root->Count() ? root->Item(eep) : nullptr;
    TTreeNode* node = eepNode && variable >= 0 && variable < eepNode->Count() ? eepNode->Item(variable) : eepNode;
    Uni.Tree->SetSelected(node);
    Ind_EEP = node ? eep : -1;
    Ind_Var = node && node != eepNode ? variable : -1;
}

void TFEnOcean_SetAccess::Btn_EEP_Add_Modify_Click(TComponent* Sender)
{
    TRorFunTyp_List* list = Active_List();
    if (!list)
        return;
    if (Sender == Uni.Btn_EEP_Add) {
        if (!Check_EEP())
            return;
        const TCatalog_Choice choice = Catalog_Choice(*EEP_Catalog, Lists());
        auto eep = std::make_unique<TRorFunTyp>();
        eep->SetRorgNum(choice.Rorg->Number());
        eep->SetFuncNum(choice.Func->Number());
        eep->SetTypeNum(choice.Type->Number());
        list->push_back(std::move(eep));
        Update_Data_Exchange();
        Select_Node(static_cast<int32_t>(list->size()) - 1, -1);
    } else if (Sender == Uni.Btn_EEP_Delete && Ind_EEP >= 0 && Ind_Var < 0 && List_Entry(*list, Ind_EEP)) {
        list->erase(list->begin() + Ind_EEP);
        Update_Data_Exchange();
        Ind_EEP = -1;
    }
}

void TFEnOcean_SetAccess::Btn_Var_Add_Modify_Click(TComponent* Sender)
{
    TRorFunTyp_List* list = Active_List();
    TRorFunTyp* eep = list ? List_Entry(*list, Ind_EEP) : nullptr;
    if (!eep)
        return;
    if (Sender == Uni.Btn_Var_Add) {
        if (!Check_Var())
            return;
        const TCase* chosenCase = EEP_Catalog->Get_CaseObj(eep->RorgNum(), eep->FuncNum(), eep->TypeNum(), Uni.CB_Var_Case->ItemIndex());
        const TDataField* field = chosenCase ? List_Entry(chosenCase->List_DataField, Uni.CB_Var_DataField->ItemIndex()) : nullptr;
        if (!field)
            return;
        auto variable = std::make_unique<TVarEnOcean>();
        variable->SetCaseIndex(Uni.CB_Var_Case->ItemIndex());
        variable->SetData(field->Data());
        variable->SetBitOffs(field->BitOffs());
        variable->SetBitSize(field->BitSize());
        variable->SetPosition(StrToIntDef(Uni.E_Var_Position->Text(), 0));
        variable->SetBitStart(Uni.CB_Var_BitStart->ItemIndex());
        eep->VariableList.push_back(std::move(variable));
        const int32_t eepIndex = Ind_EEP;
        Update_Data_Exchange();
        Select_Node(eepIndex, static_cast<int32_t>(eep->VariableList.size()) - 1);
    } else if (Sender == Uni.Btn_Var_Delete && List_Entry(eep->VariableList, Ind_Var)) {
        eep->VariableList.erase(eep->VariableList.begin() + Ind_Var);
        Update_Data_Exchange();
        Ind_EEP = -1;
        Ind_Var = -1;
    }
}
