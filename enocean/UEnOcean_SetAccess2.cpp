#include "enocean/UEnOcean_SetAccess2.h"

#include "app/UComon.h"
#include "app/UDialog_Title.h"
#include "app/lang/ULanguage.h"
#include "controls/SlantTabs.h"
#include "enocean/UEnOcean_Catalog.h"
#include "enocean/UEnOcean_Device.h"
#include "enocean/UEnOcean_Form_Controls.h"
#include "enocean/UEnOcean_Variable.h"
#include "enocean/UEnOcean_Variable_SAck.h"
#include "grid/DudOder.h"
#include "platform/graphics/Bitmap.h"
#include "platform/ui/UiServices.h"

TFEnOcean_SetAccess2* FEnOcean_SetAccess2 = nullptr;

namespace {

constexpr int32_t Client_Width = 1150;
constexpr int32_t Client_Height = 410;
constexpr int32_t Left_Width = 300;
constexpr int32_t Glyph_Button_Size = 44;
constexpr int32_t Glyph_Button_Top = 244;
constexpr int32_t Content_Height = Client_Height - Title_Band_Height - Button_Band_Height;

// Colours with red in the low byte: the headings light blue, the labels light green.
constexpr TColor Heading_Color = 15780518;
constexpr TColor Label_Color = 12639424;

// The rows of the table: heading rows span both columns.
struct TTable_Row {
    int32_t Text;
    bool Heading;
};
constexpr TTable_Row Table_Rows[] = {
    { 1213, true }, { 1214, false }, { 1215, false }, { 1216, false }, { 1217, true },
    { 1218, false }, { 1219, false }, { 1220, false }, { 1221, false },
};

String Hex_Number(int32_t number) { return IntToHex(static_cast<uint32_t>(number), 2); }

String EEP_Caption(const TRorFunTyp& eep)
{
    return QStringLiteral("EEP - RORG : 0x") + Hex_Number(eep.RorgNum()) + QStringLiteral(" FUNC : 0x") + Hex_Number(eep.FuncNum())
        + QStringLiteral(" TYPE : 0x") + Hex_Number(eep.TypeNum());
}

bool Confirmed(int32_t text) { return MessageDlg(Lang_Texts()[text], mtConfirmation, mbYesNoCancel) == mrYes; }

void Device_To_Dialog(const TDevice_EnOcean& device, TFEnOcean_Device& dialog)
{
    dialog.E_DevEnOcean_ID->SetText(device.Id());
    dialog.CB_DevEnOcean_SecType->SetItemIndex(device.Secure_Type());
    dialog.E_DevEnOcean_Secure_Key->SetText(device.Key());
    dialog.E_DevEnOcean_Secure_RollCode->SetText(device.RollCode());
    dialog.CB_DevEnOcean_Secure_RollCodeAlg->SetItemIndex(device.RollCodeAlg());
    dialog.CB_DevEnOcean_Secure_RollCodeTx->SetItemIndex(device.RollCodeTx());
    dialog.CB_DevEnOcean_Secure_CMACAlg->SetItemIndex(device.CMACAlg());
    dialog.CB_DevEnOcean_Secure_DataEnc->SetItemIndex(device.DataCript());
    dialog.CB_DevEnOcean_Secure_PTM->SetItemIndex(device.PTM());
}

// Whatever the security type shows, every field goes into the device.
void Dialog_To_Device(const TFEnOcean_Device& dialog, TDevice_EnOcean& device)
{
    device.SetId(dialog.E_DevEnOcean_ID->Text());
    device.SetSecure_Type(dialog.CB_DevEnOcean_SecType->ItemIndex());
    device.SetKey(dialog.E_DevEnOcean_Secure_Key->Text());
    device.SetRollCode(dialog.E_DevEnOcean_Secure_RollCode->Text());
    device.SetRollCodeAlg(dialog.CB_DevEnOcean_Secure_RollCodeAlg->ItemIndex());
    device.SetRollCodeTx(dialog.CB_DevEnOcean_Secure_RollCodeTx->ItemIndex());
    device.SetCMACAlg(dialog.CB_DevEnOcean_Secure_CMACAlg->ItemIndex());
    device.SetDataCript(dialog.CB_DevEnOcean_Secure_DataEnc->ItemIndex());
    device.SetPTM(dialog.CB_DevEnOcean_Secure_PTM->ItemIndex());
}

} // namespace

TDevice_EnOcean* Selected_EnOcean_Device()
{
    if (!FEnOcean_SetAccess2)
        return nullptr;
    return List_Entry(FEnOcean_SetAccess2->DevList, FEnOcean_SetAccess2->Selected_Device_Index());
}

TEnOcean_Save_Questions Load_EnOcean_Devices(TXMLDocument& document, TDevice_List& devices, TSmart_ACK_Use smartAck)
{
    const TEnOcean_Load_Result result = Load_Configuration(document, devices, File_EnOcean, smartAck);
    if (!result.Complete)
        MessageDlg(Lang_Texts()[1232] + result.Message, mtWarning, mbOKOnly);
    return { !result.Complete, result.Dropped_Smart_ACK };
}

bool Save_EnOcean_Devices(TXMLDocument& document, const TDevice_List& devices, TEnOcean_Save_Questions& questions,
    TSmart_ACK_Use smartAck)
{
    if (questions.Load_Incomplete && MessageDlg(Lang_Texts()[1233], mtConfirmation, mbYesNo) != mrYes)
        return false;
    if (questions.Dropped_Smart_ACK > 0
        && MessageDlg(Lang_Texts()[1234] + IntToStr(questions.Dropped_Smart_ACK), mtConfirmation, mbYesNo) != mrYes)
        return false;
    String error;
    if (!Save_Configuration(document, devices, File_EnOcean, &error, smartAck)) {
        MessageDlg(error, mtError, mbOKOnly);
        return false;
    }
    questions = {};
    return true;
}

void Fill_EEP_Tree(TTreeView& tree, const String& rootCaption, const TRorFunTyp_List* list)
{
    TTreeNodes& nodes = tree.Items();
    nodes.BeginUpdate();
    nodes.Clear();
    if (list) {
        TTreeNode* root = nodes.Add(nullptr, rootCaption);
        for (const auto& eep : *list) {
            TTreeNode* eepNode = nodes.AddChild(root, EEP_Caption(*eep));
            for (const auto& variable : eep->VariableList)
                nodes.AddChild(eepNode, QStringLiteral("Variable - ") + variable->Data());
        }
    }
    nodes.EndUpdate();
    tree.FullExpand();
}

TFEnOcean_SetAccess2::TFEnOcean_SetAccess2(TComponent* owner) : TForm(owner)
{
    Set_Window_Look(this, "FEnOcean_SetAccess2");
    SetClientWidth(Client_Width);
    SetClientHeight(Client_Height);
    P_Title = New_Title_Band(this, L_SW_Code, L_SW_Desc);
    P_Button = New_Button_Band(this);
    P_Button->SetWidth(Client_Width);
    Btn_OK = New_Band_Button(P_Button, "Btn_OK", 108, mrNone);
    Btn_OK->OnClick = [this](TComponent* sender) { Btn_OKClick(sender); };
    Btn_Cancel = New_Band_Button(P_Button, "Btn_Cancel", 12, mrCancel);
    Btn_Cancel->SetCancel(true);
    Btn_Scan = New_Band_Button(P_Button, "Btn_Scan", 204, mrNone);
    Btn_Scan->SetVisible(false);

    P_Left = New_EnOcean_Control<TPanel>(this, "P_Left", 0, Title_Band_Height, Left_Width, Content_Height);
    P_Left->SetBevelOuter(bvNone);
    L_ID_Devices_List = New_EnOcean_Control<TLabel>(P_Left, "L_ID_Devices_List", 12, 8, 270, 16);
    LB_ID_Devices_List = New_EnOcean_Control<TListBox>(P_Left, "LB_ID_Devices_List", 12, 26, Left_Width - 24, 210);
    LB_ID_Devices_List->OnClick = [this](TComponent* sender) { LB_ID_Devices_ListClick(sender); };
    LB_ID_Devices_List->OnDblClick = [this](TComponent* sender) { LB_ID_Devices_ListDblClick(sender); };
    PM_Device_EnOcean = new TPopupMenu(this);
    PM_Device_EnOcean->SetName(QStringLiteral("PM_Device_EnOcean"));
    const auto device_item = [this](const char* caption) {
        TMenuItem* item = PM_Device_EnOcean->Items().Add(QString::fromLatin1(caption));
        item->OnClick = [this](TMenuItem* sender) { PopUpEnOceanDevice1Click(sender); };
        return item;
    };
    AddEnOceanDevice1 = device_item("Add EnOcean Device");
    RemoveEnOceanDevice1 = device_item("Remove EnOcean Device");
    ModifyEnOceanDevice1 = device_item("Modify EnOcean Device");
    LB_ID_Devices_List->SetPopupMenu(PM_Device_EnOcean);
    Btn_Add_Device = New_Glyph_Button(P_Left, "Btn_Add_Device", 12, gkAdd);
    Btn_Remove_Device = New_Glyph_Button(P_Left, "Btn_Remove_Device", 12 + Glyph_Button_Size + 8, gkRemove);
    Btn_Modify_Device = New_Glyph_Button(P_Left, "Btn_Modify_Device", 12 + 2 * (Glyph_Button_Size + 8), gkModify);
    for (TLbButton* button : { Btn_Add_Device, Btn_Remove_Device, Btn_Modify_Device })
        button->OnClick = [this](TComponent* sender) { Btn_DeviceClick(sender); };

    P_Right = New_EnOcean_Control<TPanel>(this, "P_Right", Left_Width, Title_Band_Height, Client_Width - Left_Width, Content_Height);
    P_Right->SetBevelOuter(bvNone);
    CT_Uni_Smart_Remote = New_EnOcean_Control<TSlantTabs>(P_Right, "CT_Uni_Smart_Remote", 0, 4, Client_Width - Left_Width - 12, 30);
    CT_Uni_Smart_Remote->Options().Display().AddButton().SetVisibility(avNone);
    CT_Uni_Smart_Remote->Options().Display().CloseButton().SetVisibility(bvNever);
    CT_Uni_Smart_Remote->Options().Display().Tabs().SetMinWidth(150);
    for (const char* caption : { "Unidirectional", "Smart ACK", "Remote" })
        CT_Uni_Smart_Remote->Tabs().Add()->SetCaption(QString::fromLatin1(caption));
    CT_Uni_Smart_Remote->Tabs()[2]->SetVisible(false);
    CT_Uni_Smart_Remote->SetActiveTabIndex(0);
    CT_Uni_Smart_Remote->OnActiveTabChanged = [this](TCustomSlantTabs* sender, TSlantTab* tab) { CT_Uni_Smart_RemoteActiveTabChanged(sender, tab); };

    TW_UniSmart_EEP = New_EnOcean_Control<TTreeView>(P_Right, "TW_UniSmart_EEP", 0, 36, 440, 200);
    TW_UniSmart_EEP->SetReadOnly(true);
    TW_UniSmart_EEP->SetRowSelect(true);
    TW_UniSmart_EEP->SetHideSelection(false);
    TW_UniSmart_EEP->SetShowRoot(false);
    TW_UniSmart_EEP->OnClick = [this](TComponent* sender) { TW_UniSmart_EEPClick(sender); };

    ZUZ_EEP_Var = New_EnOcean_Control<TDudStringGrid>(P_Right, "ZUZ_EEP_Var", 452, 36, 386, 200);
    ZUZ_EEP_Var->SetColCount(2);
    ZUZ_EEP_Var->SetRowCount(static_cast<int32_t>(std::size(Table_Rows)));
    ZUZ_EEP_Var->SetFixedCols(0);
    ZUZ_EEP_Var->SetFixedRows(0);
    ZUZ_EEP_Var->SetOptions(ZUZ_EEP_Var->Options() >> goEditing);
    ZUZ_EEP_Var->SetScrollBars(ssNone);
    ZUZ_EEP_Var->SetColWidths(0, 80);
    ZUZ_EEP_Var->SetColWidths(1, 300);
    ZUZ_EEP_Var->SetHeight(ZUZ_EEP_Var->RowCount() * (ZUZ_EEP_Var->DefaultRowHeight() + 1) + 4);

    Btn_Add_Variable = New_Glyph_Button(P_Right, "Btn_Add_Variable", 0, gkAdd);
    Btn_Remove_Variable = New_Glyph_Button(P_Right, "Btn_Remove_Variable", Glyph_Button_Size + 8, gkRemove);
    Btn_Modify_Variable = New_Glyph_Button(P_Right, "Btn_Modify_Variable", 2 * (Glyph_Button_Size + 8), gkModify);
    for (TLbButton* button : { Btn_Add_Variable, Btn_Remove_Variable, Btn_Modify_Variable })
        button->OnClick = [this](TComponent* sender) { Btn_VariableClick(sender); };

    // Kept for a later use: attached to no control.
    PM_Uni_SAck_EEP_Var = new TPopupMenu(this);
    PM_Uni_SAck_EEP_Var->SetName(QStringLiteral("PM_Uni_SAck_EEP_Var"));
    for (const char* caption : { "Add EEP/Variable EnOcean", "Remove EEP/Variable EnOcean", "Modify EEP/Variable EnOcean" })
        PM_Uni_SAck_EEP_Var->Items().Add(QString::fromLatin1(caption))->OnClick = [this](TMenuItem* sender) { PopUpEEPVariableEnOcean1Click(sender); };

    OnCreate = [this](TComponent* sender) { FormCreate(sender); };
    OnShow = [this](TComponent* sender) { FormShow(sender); };
}

TFEnOcean_SetAccess2::~TFEnOcean_SetAccess2()
{
    if (FEnOcean_SetAccess2 == this)
        FEnOcean_SetAccess2 = nullptr;
}

TLbButton* TFEnOcean_SetAccess2::New_Glyph_Button(TPanel* panel, const char* name, int32_t left, TGlyph_Kind glyph)
{
    auto* button = New_EnOcean_Control<TLbButton>(panel, name, left, Glyph_Button_Top, Glyph_Button_Size, Glyph_Button_Size);
    Set_Dialog_Button_Look(button);
    TBitmap picture;
    Draw_Glyph(glyph, picture);
    button->SetGlyph(&picture);
    return button;
}

void TFEnOcean_SetAccess2::FormCreate(TComponent*)
{
    L_SW_Code->SetCaption(SW_Code);
    SetClientWidth(Client_Width);
    SetClientHeight(Client_Height);
    Set_Lang();
    // Smart ACK profiles have no complete road through the program yet.
    CT_Uni_Smart_Remote->Tabs()[1]->SetVisible(false);
    Init_Table();
    DevList.clear();
}

void TFEnOcean_SetAccess2::Set_Lang()
{
    const TLang_Texts& texts = Lang_Texts();
    SetCaption(texts[1200]);
    L_SW_Desc->SetCaption(texts[1201]);
    Btn_OK->SetCaption(texts[1202]);
    Btn_Cancel->SetCaption(texts[1203]);
    Btn_OK->SetHint(texts[1204]);
    Btn_Cancel->SetHint(texts[1205]);
    L_ID_Devices_List->SetCaption(texts[1206]);
    Btn_Add_Device->SetHint(texts[1207]);
    Btn_Remove_Device->SetHint(texts[1208]);
    Btn_Modify_Device->SetHint(texts[1209]);
    Btn_Add_Variable->SetHint(texts[1210]);
    Btn_Remove_Variable->SetHint(texts[1211]);
    Btn_Modify_Variable->SetHint(texts[1212]);
}

void TFEnOcean_SetAccess2::Init_Table()
{
    const TLang_Texts& texts = Lang_Texts();
    for (int32_t row = 0; row < static_cast<int32_t>(std::size(Table_Rows)); ++row) {
        const TTable_Row& entry = Table_Rows[row];
        ZUZ_EEP_Var->SetCells(0, row, texts[entry.Text]);
        ZUZ_EEP_Var->CellProperties(0, row)->SetBrushColor(entry.Heading ? Heading_Color : Label_Color);
        if (entry.Heading)
            ZUZ_EEP_Var->MergeCells(0, row, 2, 1);
    }
}

void TFEnOcean_SetAccess2::FormShow(TComponent*)
{
    Cancel_Devices_List();
    Load_Configuration();
    Show_EnOcean_Device_List();
}

void TFEnOcean_SetAccess2::Cancel_Devices_List()
{
    while (!DevList.empty())
        DevList.pop_back();
}

void TFEnOcean_SetAccess2::Load_Configuration() { FSave_Questions = Load_EnOcean_Devices(XML1, DevList); }

bool TFEnOcean_SetAccess2::Save_Configuration() { return Save_EnOcean_Devices(XML1, DevList, FSave_Questions); }

void TFEnOcean_SetAccess2::Btn_OKClick(TComponent*)
{
    if (Save_Configuration())
        SetModalResult(mrOk);
}

int32_t TFEnOcean_SetAccess2::Selected_Device_Index() const
{
    const int32_t index = LB_ID_Devices_List->ItemIndex();
    return index >= 0 && index < static_cast<int32_t>(DevList.size()) ? index : -1;
}

void TFEnOcean_SetAccess2::Show_EnOcean_Device_List()
{
    LB_ID_Devices_List->Items().Clear();
    for (const auto& device : DevList)
        LB_ID_Devices_List->Items().Add(device->Id());
    // Without a selected device the tree and the table show nothing.
    LB_ID_Devices_List->SetItemIndex(-1);
    Show_EnOcean_TreeView_Uni_SAck(-1);
    Ind_EEP = -1;
    Ind_Var = -1;
    Show_EnOcean_ZUZ_EEP_Var();
}

void TFEnOcean_SetAccess2::Btn_DeviceClick(TComponent* Sender)
{
    if (Sender == Btn_Add_Device)
        Add_EnOcean_Device();
    else if (Sender == Btn_Remove_Device)
        Remove_EnOcean_Device();
    else if (Sender == Btn_Modify_Device)
        Modify_EnOcean_Device();
}

void TFEnOcean_SetAccess2::PopUpEnOceanDevice1Click(TMenuItem* Sender)
{
    if (Sender == AddEnOceanDevice1)
        Add_EnOcean_Device();
    else if (Sender == RemoveEnOceanDevice1)
        Remove_EnOcean_Device();
    else if (Sender == ModifyEnOceanDevice1)
        Modify_EnOcean_Device();
}

void TFEnOcean_SetAccess2::Add_EnOcean_Device()
{
    TFEnOcean_Device& dialog = *FEnOcean_Device;
    dialog.Mode = 0;
    dialog.E_DevEnOcean_ID->SetText(String());
    dialog.CB_DevEnOcean_SecType->SetItemIndex(0);
    if (UiServices().ShowModal(dialog) != mrOk)
        return;
    auto device = std::make_unique<TDevice_EnOcean>();
    Dialog_To_Device(dialog, *device);
    DevList.push_back(std::move(device));
    Show_EnOcean_Device_List();
}

void TFEnOcean_SetAccess2::Remove_EnOcean_Device()
{
    const int32_t index = Selected_Device_Index();
    if (index < 0 || !Confirmed(1222))
        return;
    DevList.erase(DevList.begin() + index);
    Show_EnOcean_Device_List();
}

void TFEnOcean_SetAccess2::Modify_EnOcean_Device()
{
    const int32_t index = Selected_Device_Index();
    if (index < 0)
        return;
    TFEnOcean_Device& dialog = *FEnOcean_Device;
    TDevice_EnOcean& device = *DevList[static_cast<size_t>(index)];
    dialog.Mode = 1;
    Device_To_Dialog(device, dialog);
    if (UiServices().ShowModal(dialog) != mrOk)
        return;
    Dialog_To_Device(dialog, device);
    Show_EnOcean_Device_List();
}

void TFEnOcean_SetAccess2::LB_ID_Devices_ListClick(TComponent*)
{
    const int32_t index = Selected_Device_Index();
    if (index < 0)
        return;
    Show_EnOcean_TreeView_Uni_SAck(index);
    Find_Selected_EEP_Var();
    Show_EnOcean_ZUZ_EEP_Var();
}

void TFEnOcean_SetAccess2::LB_ID_Devices_ListDblClick(TComponent*)
{
    if (Selected_Device_Index() >= 0)
        Modify_EnOcean_Device();
    else
        Add_EnOcean_Device();
}

void TFEnOcean_SetAccess2::TW_UniSmart_EEPClick(TComponent*)
{
    Find_Selected_EEP_Var();
    Show_EnOcean_ZUZ_EEP_Var();
}

void TFEnOcean_SetAccess2::CT_Uni_Smart_RemoteActiveTabChanged(TCustomSlantTabs*, TSlantTab*)
{
    Ind_EEP = -1;
    Ind_Var = -1;
    if (TW_UniSmart_EEP)
        Show_EnOcean_TreeView_Uni_SAck(Selected_Device_Index());
}

// Kept for a later use: the menu is attached to no control.
void TFEnOcean_SetAccess2::PopUpEEPVariableEnOcean1Click(TMenuItem*) { }

void TFEnOcean_SetAccess2::Find_Selected_EEP_Var()
{
    Ind_EEP = -1;
    Ind_Var = -1;
    const TTreeNode* root = TW_UniSmart_EEP->Items().GetFirstNode();
    const TTreeNode* selected = TW_UniSmart_EEP->Selected();
    if (!root || !selected)
        return;
    for (int32_t eep = 0; eep < root->Count(); ++eep) {
        const TTreeNode* eepNode = root->Item(eep);
        if (eepNode == selected) {
            Ind_EEP = eep;
            return;
        }
        for (int32_t variable = 0; variable < eepNode->Count(); ++variable)
            if (eepNode->Item(variable) == selected) {
                Ind_EEP = eep;
                Ind_Var = variable;
                return;
            }
    }
}

TRorFunTyp_List* TFEnOcean_SetAccess2::Kind_List(int32_t Device_Index)
{
    TDevice_EnOcean* device = List_Entry(DevList, Device_Index);
    if (!device)
        return nullptr;
    return CT_Uni_Smart_Remote->ActiveTabIndex() == 0 ? &device->UnidirectionalList : &device->SmartACKList;
}

void TFEnOcean_SetAccess2::Show_EnOcean_TreeView_Uni_SAck(int32_t Device_Index)
{
    const int32_t tab = CT_Uni_Smart_Remote->ActiveTabIndex();
    if (tab != 0 && tab != 1)
        return;
    Fill_EEP_Tree(*TW_UniSmart_EEP, tab == 0 ? QStringLiteral("Unidirectional - EEP List") : QStringLiteral("Smart ACK - EEP List"),
        Kind_List(Device_Index));
}

void TFEnOcean_SetAccess2::Show_EnOcean_ZUZ_EEP_Var()
{
    // Numbers or a case the catalog does not hold show as empty cells.
    String values[std::size(Table_Rows)];
    const TRorFunTyp_List* list = Kind_List(Selected_Device_Index());
    const TRorFunTyp* eep = list ? List_Entry(*list, Ind_EEP) : nullptr;
    if (eep) {
        const TCatalog_EnOcean& catalog = *EEP_Catalog;
        values[1] = catalog.Get_Rorg_Name_Str(eep->RorgNum());
        values[2] = catalog.Get_Func_Name_Str(eep->RorgNum(), eep->FuncNum());
        values[3] = catalog.Get_Type_Name_Str(eep->RorgNum(), eep->FuncNum(), eep->TypeNum());
        if (const TVarEnOcean* variable = List_Entry(eep->VariableList, Ind_Var)) {
            values[5] = catalog.Get_Case_Name_Str(eep->RorgNum(), eep->FuncNum(), eep->TypeNum(), variable->CaseIndex());
            values[6] = variable->Data();
            values[7] = IntToStr(variable->Position());
            values[8] = IntToStr(variable->BitStart());
        }
    }
    for (int32_t row = 0; row < static_cast<int32_t>(std::size(Table_Rows)); ++row)
        if (!Table_Rows[row].Heading)
            ZUZ_EEP_Var->SetCells(1, row, values[row]);
}

void TFEnOcean_SetAccess2::Btn_VariableClick(TComponent* Sender)
{
    if (Selected_Device_Index() < 0) {
        MessageDlg(Lang_Texts()[1231], mtError, mbOKOnly);
        return;
    }
    const bool unidirectional = CT_Uni_Smart_Remote->ActiveTabIndex() == 0;
    if (Sender == Btn_Add_Variable)
        unidirectional ? Add_Uni_EnOcean_Variable() : Add_SAck_EnOcean_Variable();
    else if (Sender == Btn_Remove_Variable)
        unidirectional ? Remove_Uni_EnOcean_Variable() : Remove_SAck_EnOcean_Variable();
    else if (Sender == Btn_Modify_Variable)
        unidirectional ? Modify_Uni_EnOcean_Variable() : Modify_SAck_EnOcean_Variable();
}

void TFEnOcean_SetAccess2::Fill_Variable(TVarEnOcean& variable) const
{
    const TFEnOcean_Variable& dialog = *FEnOcean_Variable;
    const TDataField* field = dialog.Chosen_DataField();
    if (!field)
        return;
    variable.SetCaseIndex(dialog.CB_Var_Case->ItemIndex());
    variable.SetData(field->Data());
    variable.SetBitOffs(field->BitOffs());
    variable.SetBitSize(field->BitSize());
    variable.SetPosition(dialog.Chosen_Position());
    variable.SetBitStart(dialog.CB_Var_BitStart->ItemIndex());
}

void TFEnOcean_SetAccess2::Preload_Variable_Dialog(bool smartAck, int32_t Device_Index)
{
    TFEnOcean_Variable& dialog = *FEnOcean_Variable;
    if (smartAck)
        dialog.ShowData_SAck_Add_Var(Device_Index, Ind_EEP, Ind_Var);
    else
        dialog.ShowData_Uni_Add_Var(Device_Index, Ind_EEP, Ind_Var);
    dialog.Uni_SAck = smartAck ? 1 : 0;
    dialog.Modified_EEP = Ind_EEP;
    dialog.Modified_Var = Ind_Var;
}

void TFEnOcean_SetAccess2::Add_Uni_EnOcean_Variable()
{
    const int32_t deviceIndex = Selected_Device_Index();
    Find_Selected_EEP_Var();
    TFEnOcean_Variable& dialog = *FEnOcean_Variable;
    Preload_Variable_Dialog(false, deviceIndex);
    dialog.Mode = 0;
    if (UiServices().ShowModal(dialog) != mrOk)
        return;
    TRorFunTyp_List& list = DevList[static_cast<size_t>(deviceIndex)]->UnidirectionalList;
    if (dialog.EEP_Index < 0) {
        auto eep = std::make_unique<TRorFunTyp>();
        eep->SetRorgNum(dialog.Chosen_Rorg()->Number());
        eep->SetFuncNum(dialog.Chosen_Func()->Number());
        eep->SetTypeNum(dialog.Chosen_Type()->Number());
        list.push_back(std::move(eep));
        dialog.EEP_Index = static_cast<int32_t>(list.size()) - 1;
    }
    auto variable = std::make_unique<TVarEnOcean>();
    Fill_Variable(*variable);
    list[static_cast<size_t>(dialog.EEP_Index)]->VariableList.push_back(std::move(variable));
    Show_EnOcean_TreeView_Uni_SAck(deviceIndex);
}

void TFEnOcean_SetAccess2::Remove_EnOcean_Variable(const TKind_Texts& texts)
{
    const int32_t deviceIndex = Selected_Device_Index();
    Find_Selected_EEP_Var();
    TRorFunTyp_List* list = Kind_List(deviceIndex);
    TRorFunTyp* eep = list ? List_Entry(*list, Ind_EEP) : nullptr;
    if (eep && Ind_Var < 0) {
        if (Confirmed(eep->VariableList.empty() ? texts.Remove_EEP : texts.Remove_EEP_With_Vars))
            list->erase(list->begin() + Ind_EEP);
    } else if (eep && List_Entry(eep->VariableList, Ind_Var)) {
        if (Confirmed(texts.Remove_Var))
            eep->VariableList.erase(eep->VariableList.begin() + Ind_Var);
    }
    Show_EnOcean_TreeView_Uni_SAck(deviceIndex);
}

void TFEnOcean_SetAccess2::Modify_EnOcean_Variable(bool smartAck, const TKind_Texts& texts)
{
    const int32_t deviceIndex = Selected_Device_Index();
    Find_Selected_EEP_Var();
    TRorFunTyp_List* list = Kind_List(deviceIndex);
    TRorFunTyp* eep = list ? List_Entry(*list, Ind_EEP) : nullptr;
    if (!eep)
        return;
    TFEnOcean_Variable& dialog = *FEnOcean_Variable;
    if (Ind_Var < 0) {
        const bool hadVariables = !eep->VariableList.empty();
        if (hadVariables && !Confirmed(texts.Remove_EEP_Vars))
            return;
        Preload_Variable_Dialog(smartAck, deviceIndex);
        dialog.Mode = 1;
        dialog.Modify_EEP_Var = 0;
        if (UiServices().ShowModal(dialog) != mrOk)
            return;
        if (hadVariables)
            eep->VariableList.clear();
        eep->SetRorgNum(dialog.Chosen_Rorg()->Number());
        eep->SetFuncNum(dialog.Chosen_Func()->Number());
        eep->SetTypeNum(dialog.Chosen_Type()->Number());
    } else {
        TVarEnOcean* variable = List_Entry(eep->VariableList, Ind_Var);
        if (!variable)
            return;
        Preload_Variable_Dialog(smartAck, deviceIndex);
        dialog.Mode = 1;
        dialog.Modify_EEP_Var = 1;
        if (UiServices().ShowModal(dialog) != mrOk)
            return;
        Fill_Variable(*variable);
    }
    Show_EnOcean_TreeView_Uni_SAck(deviceIndex);
}

void TFEnOcean_SetAccess2::Remove_Uni_EnOcean_Variable() { Remove_EnOcean_Variable({ 1223, 1224, 1225, 1226 }); }

void TFEnOcean_SetAccess2::Modify_Uni_EnOcean_Variable() { Modify_EnOcean_Variable(false, { 1223, 1224, 1225, 1226 }); }

void TFEnOcean_SetAccess2::Remove_SAck_EnOcean_Variable() { Remove_EnOcean_Variable({ 1227, 1228, 1229, 1230 }); }

void TFEnOcean_SetAccess2::Modify_SAck_EnOcean_Variable() { Modify_EnOcean_Variable(true, { 1227, 1228, 1229, 1230 }); }

void TFEnOcean_SetAccess2::Add_SAck_EnOcean_Variable()
{
    const int32_t deviceIndex = Selected_Device_Index();
    TFEnOcean_Variable_SAck& dialog = *FEnOcean_Variable_SAck;
    if (UiServices().ShowModal(dialog) != mrOk)
        return;
    const std::unique_ptr<TRorFunTyp_SAck> profile = dialog.Chosen_Profile();
    if (!profile)
        return;
    Store_Smart_ACK(*profile, DevList[static_cast<size_t>(deviceIndex)]->SmartACKList, dialog.EEP_Index);
    Show_EnOcean_TreeView_Uni_SAck(deviceIndex);
}
