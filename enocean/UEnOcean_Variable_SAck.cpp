#include "enocean/UEnOcean_Variable_SAck.h"

#include "app/UComon.h"
#include "app/UDialog_Title.h"
#include "app/lang/ULanguage.h"
#include "enocean/UEnOcean_Catalog.h"
#include "enocean/UEnOcean_Form_Controls.h"
#include "enocean/UEnOcean_Model.h"
#include "enocean/UEnOcean_SetAccess2.h"
#include "enocean/UEnOcean_Variable.h"
#include "grid/DudCGrid.h"
#include "platform/core/SysUtils.h"
#include "platform/ui/UiServices.h"

TFEnOcean_Variable_SAck* FEnOcean_Variable_SAck = nullptr;

namespace {

constexpr int32_t Client_Width = 464;
constexpr int32_t Client_Height = 694;
constexpr int32_t Label_Left = 24;
constexpr int32_t Field_Left = 130;
constexpr int32_t Field_Width = 318;
constexpr int32_t Row_Step = 30;

struct TSAck_Column {
    const char* Header;
    TEditorType Editor;
    int32_t Width;
};

constexpr TSAck_Column SAck_Columns[] = {
    { "Variables", edNormal, 100 },
    { "Enable", edDataCheckBox, 45 },
    { "Position", edNormal, 100 },
    { "Bit Start", edComboList, 64 },
};

TDudColumnGrid* New_Vars_Grid(TForm* form, const char* name, int32_t top, int32_t height)
{
    auto* grid = New_EnOcean_Control<TDudColumnGrid>(form, name, 12, top, Client_Width - 24, height);
    grid->SetColCount(static_cast<int32_t>(std::size(SAck_Columns)));
    grid->SetRowCount(2);
    grid->SetFixedCols(0);
    grid->SetFixedRows(1);
    grid->SetOptions(grid->Options() << goEditing);
    for (int32_t index = 0; index < static_cast<int32_t>(std::size(SAck_Columns)); ++index) {
        TGridColumnItem& column = *grid->Columns().Items(index);
        column.SetHeader(QString::fromLatin1(SAck_Columns[index].Header));
        column.SetEditor(SAck_Columns[index].Editor);
        column.SetWidth(SAck_Columns[index].Width);
    }
    TGridColumnItem& enable = *grid->Columns().Items(1);
    enable.SetCheckTrue(QStringLiteral("Y"));
    enable.SetCheckFalse(QStringLiteral("N"));
    enable.SetAlignment(taCenter);
    for (int32_t bit = 0; bit < 8; ++bit)
        grid->Columns().Items(3)->ComboItems().Add(IntToStr(bit));
    return grid;
}

bool Maps(const TRorFunTyp& eep, int32_t caseIndex, const std::vector<std::unique_ptr<TVarEnOcean_SAck>>& vars)
{
    for (const auto& wanted : vars)
        for (const auto& variable : eep.VariableList)
            if (variable->CaseIndex() == caseIndex && variable->Data() == wanted->Data())
                return true;
    return false;
}

// The same case chosen for IN and OUT with one of its variables enabled in both.
bool Repeats_Itself(const TGroup_SAck& group)
{
    if (group.CaseInIndex() != group.CaseOutIndex())
        return false;
    for (const auto& in : group.VarsInList)
        for (const auto& out : group.VarsOutList)
            if (in->Data() == out->Data())
                return true;
    return false;
}

} // namespace

TFEnOcean_Variable_SAck::TFEnOcean_Variable_SAck(TComponent* owner) : TForm(owner)
{
    Set_Window_Look(this, "FEnOcean_Variable_SAck");
    SetClientWidth(Client_Width);
    P_Title = New_Title_Band(this, L_SW_Code, L_SW_Desc);
    SetCaption(QStringLiteral("Add EnOcean Variable"));
    L_SW_Desc->SetCaption(QStringLiteral("Add EnOcean Variable"));

    int32_t top = Title_Band_Height + 8;
    const auto caption = [&](const char* name, const char* text, bool bold) {
        auto* label = New_EnOcean_Control<TLabel>(this, name, bold ? 12 : Label_Left, bold ? top : top + 3, bold ? 400 : Field_Left - Label_Left - 6, 16);
        label->SetCaption(QString::fromLatin1(text));
        if (bold) {
            label->Font().SetStyle({ fsBold });
            top += 20;
        }
        return label;
    };
    const auto row_list = [&](const char* labelName, const char* text, TLabel*& label, const char* name) {
        label = caption(labelName, text, false);
        auto* list = New_EnOcean_List(this, name, Field_Left, top, Field_Width, {});
        list->SetDropDownCount(16);
        list->OnChange = [this](TComponent* sender) { CB_EEP_Var_Change(sender); };
        top += Row_Step;
        return list;
    };

    L_EEP = caption("L_EEP", "EEP", true);
    CB_EEP_Rorg = row_list("L_EEP_RORG", "Rorg", L_EEP_RORG, "CB_EEP_Rorg");
    CB_EEP_Func = row_list("L_EEP_FUNC", "Func", L_EEP_FUNC, "CB_EEP_Func");
    CB_EEP_Type = row_list("L_EEP_TYPE", "Type", L_EEP_TYPE, "CB_EEP_Type");
    top += 6;
    L_Vars_Case_IN = caption("L_Vars_Case_IN", "Variables Smart Ack - Case IN", true);
    CB_Var_Case_IN = row_list("L_Var_Case_IN", "Case", L_Var_Case_IN, "CB_Var_Case_IN");
    ACG_Vars_Case_IN = New_Vars_Grid(this, "ACG_Vars_Case_IN", top, 180);
    top += 180 + 10;
    L_Vars_Case_OUT = caption("L_Vars_Case_OUT", "Variables Smart Ack - Case OUT", true);
    CB_Var_Case_OUT = row_list("L_Var_Case_OUT", "Case", L_Var_Case_OUT, "CB_Var_Case_OUT");
    ACG_Vars_Case_OUT = New_Vars_Grid(this, "ACG_Vars_Case_OUT", top, Client_Height - Button_Band_Height - 10 - top);

    P_Button = New_Button_Band(this);
    P_Button->SetWidth(Client_Width);
    Btn_OK = New_Band_Button(P_Button, "Btn_OK", 108, mrNone);
    Btn_OK->SetCaption(QStringLiteral("OK"));
    Btn_OK->OnClick = [this](TComponent* sender) { Btn_OKClick(sender); };
    Btn_Cancel = New_Band_Button(P_Button, "Btn_Cancel", 12, mrCancel);
    Btn_Cancel->SetCancel(true);
    Btn_Cancel->SetCaption(QStringLiteral("Cancel"));

    OnCreate = [this](TComponent* sender) { FormCreate(sender); };
    OnShow = [this](TComponent* sender) { FormShow(sender); };
    OnCanResize = [this](TComponent* sender, int32_t& width, int32_t& height, bool& resize) { FormCanResize(sender, width, height, resize); };
}

TFEnOcean_Variable_SAck::~TFEnOcean_Variable_SAck()
{
    if (FEnOcean_Variable_SAck == this)
        FEnOcean_Variable_SAck = nullptr;
}

void TFEnOcean_Variable_SAck::FormCreate(TComponent*)
{
    L_SW_Code->SetCaption(SW_Code);
    SetClientWidth(Client_Width);
    SetClientHeight(Client_Height);
    Form_Height = Height();
    Set_Lang();
    Set_List_Items(CB_EEP_Rorg, &EEP_Catalog->Rorg_SL);
}

void TFEnOcean_Variable_SAck::FormCanResize(TComponent*, int32_t&, int32_t& NewHeight, bool& Resize)
{
    if (Form_Height > 0)
        NewHeight = Form_Height;
    Resize = true;
}

void TFEnOcean_Variable_SAck::FormShow(TComponent*)
{
    // A catalog without these positions leaves the lists empty: OK then refuses.
    CB_EEP_Rorg->SetEnabled(false);
    CB_EEP_Rorg->SetItemIndex(SAck_Rorg_Position);
    CB_EEP_Var_Change(CB_EEP_Rorg);
    CB_EEP_Func->SetEnabled(false);
    CB_EEP_Func->SetItemIndex(SAck_Func_Position);
    CB_EEP_Var_Change(CB_EEP_Func);
}

void TFEnOcean_Variable_SAck::Clear_Table_IN()
{
    ACG_Vars_Case_IN->SetRowCount(2);
    for (int32_t col = 0; col < ACG_Vars_Case_IN->ColCount(); ++col)
        ACG_Vars_Case_IN->SetCells(col, 1, String());
}

void TFEnOcean_Variable_SAck::Clear_Table_OUT()
{
    ACG_Vars_Case_OUT->SetRowCount(2);
    for (int32_t col = 0; col < ACG_Vars_Case_OUT->ColCount(); ++col)
        ACG_Vars_Case_OUT->SetCells(col, 1, String());
}

void TFEnOcean_Variable_SAck::Table_Show_Vars(TDudColumnGrid* Grid, const TStrings& List)
{
    if (List.Count() == 0)
        return;
    Grid->SetRowCount(List.Count() + 1);
    for (int32_t entry = 0; entry < List.Count(); ++entry) {
        Grid->SetCells(0, entry + 1, List[entry]);
        Grid->SetCells(1, entry + 1, QStringLiteral("Y"));
        Grid->SetCells(2, entry + 1, String());
        Grid->SetCells(3, entry + 1, QStringLiteral("0"));
    }
}

void TFEnOcean_Variable_SAck::CB_EEP_Var_Change(TComponent* Sender)
{
    const TCatalog_Lists profile { CB_EEP_Rorg, CB_EEP_Func, CB_EEP_Type };
    if (Catalog_Cascade(*EEP_Catalog, profile, Sender)) {
        // Both case lists take the cases of a chosen TYPE, and are emptied above it.
        const TType* type = Sender == CB_EEP_Type ? Catalog_Choice(*EEP_Catalog, profile).Type : nullptr;
        Set_List_Items(CB_Var_Case_IN, type ? &type->Case_SL : nullptr);
        Set_List_Items(CB_Var_Case_OUT, type ? &type->Case_SL : nullptr);
        Clear_Table_IN();
        Clear_Table_OUT();
        return;
    }
    const bool in = Sender == CB_Var_Case_IN;
    if (!in && Sender != CB_Var_Case_OUT)
        return;
    const TCatalog_Choice choice = Catalog_Choice(*EEP_Catalog, { CB_EEP_Rorg, CB_EEP_Func, CB_EEP_Type, in ? CB_Var_Case_IN : CB_Var_Case_OUT });
    if (choice.Case)
        Table_Show_Vars(in ? ACG_Vars_Case_IN : ACG_Vars_Case_OUT, choice.Case->DataField_SL);
}

bool TFEnOcean_Variable_SAck::ISNewEEP(int32_t& Index) const
{
    Index = -1;
    const TDevice_EnOcean* device = Selected_EnOcean_Device();
    const TCatalog_Choice choice = Catalog_Choice(*EEP_Catalog, { CB_EEP_Rorg, CB_EEP_Func, CB_EEP_Type });
    if (!device || !choice.Type)
        return true;
    for (int32_t position = 0; position < static_cast<int32_t>(device->SmartACKList.size()); ++position) {
        const TRorFunTyp& eep = *device->SmartACKList[static_cast<size_t>(position)];
        if (eep.RorgNum() == choice.Rorg->Number() && eep.FuncNum() == choice.Func->Number() && eep.TypeNum() == choice.Type->Number()) {
            Index = position;
            return false;
        }
    }
    return true;
}

void TFEnOcean_Variable_SAck::Read_Vars(const TDudColumnGrid& grid, TComboBox* caseList,
    std::vector<std::unique_ptr<TVarEnOcean_SAck>>& vars) const
{
    const TCase* chosenCase = Catalog_Choice(*EEP_Catalog, { CB_EEP_Rorg, CB_EEP_Func, CB_EEP_Type, caseList }).Case;
    if (!chosenCase)
        return;
    for (int32_t row = 1; row < grid.RowCount(); ++row) {
        const TDataField* field = List_Entry(chosenCase->List_DataField, row - 1);
        if (!field || grid.Cells(0, row).isEmpty() || grid.Cells(0, row) != chosenCase->DataField_SL[row - 1]
            || grid.Cells(1, row) != QStringLiteral("Y"))
            continue;
        auto variable = std::make_unique<TVarEnOcean_SAck>();
        variable->SetData(field->Data());
        variable->SetBitOffs(field->BitOffs());
        variable->SetBitSize(field->BitSize());
        variable->SetPosition(StrToIntDef(grid.Cells(2, row), 0));
        const int32_t bitStart = StrToIntDef(grid.Cells(3, row), 0);
        variable->SetBitStart(bitStart >= 0 && bitStart <= 7 ? bitStart : 0);
        vars.push_back(std::move(variable));
    }
}

std::unique_ptr<TRorFunTyp_SAck> TFEnOcean_Variable_SAck::Chosen_Profile() const
{
    const TCatalog_Choice choice = Catalog_Choice(*EEP_Catalog, { CB_EEP_Rorg, CB_EEP_Func, CB_EEP_Type });
    if (!choice.Type)
        return nullptr;
    auto profile = std::make_unique<TRorFunTyp_SAck>();
    profile->SetRorgNum(choice.Rorg->Number());
    profile->SetFuncNum(choice.Func->Number());
    profile->SetTypeNum(choice.Type->Number());
    auto group = std::make_unique<TGroup_SAck>();
    group->SetCaseInIndex(CB_Var_Case_IN->ItemIndex());
    group->SetCaseOutIndex(CB_Var_Case_OUT->ItemIndex());
    Read_Vars(*ACG_Vars_Case_IN, CB_Var_Case_IN, group->VarsInList);
    Read_Vars(*ACG_Vars_Case_OUT, CB_Var_Case_OUT, group->VarsOutList);
    profile->GroupList.push_back(std::move(group));
    return profile;
}

bool TFEnOcean_Variable_SAck::Check_Var(int32_t EEP_Pos) const
{
    const TDevice_EnOcean* device = Selected_EnOcean_Device();
    const TRorFunTyp* eep = device ? List_Entry(device->SmartACKList, EEP_Pos) : nullptr;
    const std::unique_ptr<TRorFunTyp_SAck> profile = Chosen_Profile();
    if (!eep || !profile)
        return false;
    const TGroup_SAck& group = *profile->GroupList.front();
    return Maps(*eep, group.CaseInIndex(), group.VarsInList) || Maps(*eep, group.CaseOutIndex(), group.VarsOutList);
}

bool TFEnOcean_Variable_SAck::Check_Data()
{
    const TLang_Texts& texts = Lang_Texts();
    const auto refuse = [&](int32_t text) {
        MessageDlg(texts[text], mtError, mbOKOnly);
        return false;
    };
    const TCatalog_Choice choice = Catalog_Choice(*EEP_Catalog, { CB_EEP_Rorg, CB_EEP_Func, CB_EEP_Type });
    if (!choice.Rorg)
        return refuse(865);
    if (!choice.Func)
        return refuse(866);
    if (!choice.Type)
        return refuse(867);
    // A group without one enabled variable would add a profile that maps nothing.
    const std::unique_ptr<TRorFunTyp_SAck> profile = Chosen_Profile();
    const TGroup_SAck& group = *profile->GroupList.front();
    if (group.VarsInList.empty() && group.VarsOutList.empty())
        return refuse(872);
    EEP_Index = -1;
    if (ISNewEEP(EEP_Index)) {
        const TDevice_EnOcean* device = Selected_EnOcean_Device();
        if (device && device->UnidirectionalList.size() + device->SmartACKList.size() > 3)
            return refuse(1126);
    } else if (Check_Var(EEP_Index)) {
        return refuse(1127);
    }
    if (Repeats_Itself(group))
        return refuse(1127);
    return true;
}

void TFEnOcean_Variable_SAck::Btn_OKClick(TComponent*)
{
    if (Check_Data())
        SetModalResult(mrOk);
}
