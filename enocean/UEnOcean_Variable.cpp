#include "enocean/UEnOcean_Variable.h"

#include "app/UComon.h"
#include "app/UDialog_Title.h"
#include "app/lang/ULanguage.h"
#include "enocean/UEnOcean_Catalog.h"
#include "enocean/UEnOcean_Form_Controls.h"
#include "enocean/UEnOcean_Model.h"
#include "enocean/UEnOcean_SetAccess2.h"
#include "platform/core/SysUtils.h"
#include "platform/ui/UiServices.h"

TFEnOcean_Variable* FEnOcean_Variable = nullptr;

namespace {

constexpr int32_t Client_Width = 460;
constexpr int32_t Client_Height = 390;
constexpr int32_t Label_Left = 24;
constexpr int32_t Field_Left = 130;
constexpr int32_t Field_Width = 314;
constexpr int32_t Row_Step = 30;

} // namespace

TFEnOcean_Variable::TFEnOcean_Variable(TComponent* owner) : TForm(owner)
{
    Set_Window_Look(this, "FEnOcean_Variable");
    SetClientWidth(Client_Width);
    P_Title = New_Title_Band(this, L_SW_Code, L_SW_Desc);

    int32_t top = Title_Band_Height + 8;
    const auto section = [&](const char* name) {
        auto* label = New_EnOcean_Control<TLabel>(this, name, 12, top, 200, 16);
        label->Font().SetStyle({ fsBold });
        top += 20;
        return label;
    };
    const auto row_label = [&](const char* name) { return New_EnOcean_Control<TLabel>(this, name, Label_Left, top + 3, Field_Left - Label_Left - 6, 16); };
    const auto row_list = [&](const char* labelName, TLabel*& label, const char* name) {
        label = row_label(labelName);
        auto* list = New_EnOcean_List(this, name, Field_Left, top, Field_Width, {});
        list->SetDropDownCount(16);
        list->OnChange = [this](TComponent* sender) { CB_EEP_Var_Change(sender); };
        top += Row_Step;
        return list;
    };

    L_EEP = section("L_EEP");
    CB_EEP_Rorg = row_list("L_EEP_RORG", L_EEP_RORG, "CB_EEP_Rorg");
    CB_EEP_Func = row_list("L_EEP_FUNC", L_EEP_FUNC, "CB_EEP_Func");
    CB_EEP_Type = row_list("L_EEP_TYPE", L_EEP_TYPE, "CB_EEP_Type");
    top += 6;
    L_Variable = section("L_Variable");
    CB_Var_Case = row_list("L_Var_CASE", L_Var_CASE, "CB_Var_Case");
    CB_Var_Variable = row_list("L_Var_Variable", L_Var_Variable, "CB_Var_Variable");
    L_Var_Position = row_label("L_Var_Position");
    E_Var_Position = New_EnOcean_Control<TEdit>(this, "E_Var_Position", Field_Left, top, 100, 20);
    top += Row_Step;
    L_Var_BitStart = row_label("L_Var_BitStart");
    CB_Var_BitStart = New_EnOcean_List(this, "CB_Var_BitStart", Field_Left, top, 100, { "0", "1", "2", "3", "4", "5", "6", "7" });

    P_Button = New_Button_Band(this);
    P_Button->SetWidth(Client_Width);
    Btn_OK = New_Band_Button(P_Button, "Btn_OK", 108, mrNone);
    Btn_OK->OnClick = [this](TComponent* sender) { Btn_OKClick(sender); };
    Btn_Cancel = New_Band_Button(P_Button, "Btn_Cancel", 12, mrCancel);
    Btn_Cancel->SetCancel(true);

    OnCreate = [this](TComponent* sender) { FormCreate(sender); };
    OnShow = [this](TComponent* sender) { FormShow(sender); };
}

TFEnOcean_Variable::~TFEnOcean_Variable()
{
    if (FEnOcean_Variable == this)
        FEnOcean_Variable = nullptr;
}

void TFEnOcean_Variable::FormCreate(TComponent*)
{
    L_SW_Code->SetCaption(SW_Code);
    SetClientWidth(Client_Width);
    SetClientHeight(Client_Height);
    Set_Lang();
    Set_List_Items(CB_EEP_Rorg, &EEP_Catalog->Rorg_SL);
}

void TFEnOcean_Variable::Set_Lang()
{
    const TLang_Texts& texts = Lang_Texts();
    SetCaption(texts[1100]);
    L_SW_Desc->SetCaption(texts[1103]);
    Btn_OK->SetCaption(texts[1106]);
    Btn_Cancel->SetCaption(texts[1107]);
    Btn_OK->SetHint(texts[1108]);
    Btn_Cancel->SetHint(texts[1109]);
    L_EEP->SetCaption(texts[1110]);
    L_EEP_RORG->SetCaption(texts[1111]);
    CB_EEP_Rorg->SetHint(texts[1112]);
    L_EEP_FUNC->SetCaption(texts[1113]);
    CB_EEP_Func->SetHint(texts[1114]);
    L_EEP_TYPE->SetCaption(texts[1115]);
    CB_EEP_Type->SetHint(texts[1116]);
    L_Variable->SetCaption(texts[1117]);
    L_Var_CASE->SetCaption(texts[1118]);
    CB_Var_Case->SetHint(texts[1119]);
    L_Var_Variable->SetCaption(texts[1120]);
    CB_Var_Variable->SetHint(texts[1121]);
    L_Var_Position->SetCaption(texts[1122]);
    E_Var_Position->SetHint(texts[1123]);
    L_Var_BitStart->SetCaption(texts[1124]);
    CB_Var_BitStart->SetHint(texts[1125]);
}

void TFEnOcean_Variable::FormShow(TComponent*)
{
    const bool smartAck = Uni_SAck != 0;
    if (smartAck) {
        // The restriction holds only where the catalog has those positions.
        CB_EEP_Rorg->SetItemIndex(SAck_Rorg_Position);
        CB_EEP_Func->SetItemIndex(SAck_Func_Position);
    }
    CB_EEP_Rorg->SetEnabled(!smartAck);
    CB_EEP_Func->SetEnabled(!smartAck);
    for (TControl* control : std::initializer_list<TControl*> { CB_EEP_Type, CB_Var_Case, CB_Var_Variable, E_Var_Position, CB_Var_BitStart })
        control->SetEnabled(true);

    const TLang_Texts& texts = Lang_Texts();
    if (Mode == 0) {
        SetCaption(texts[1100]);
        L_SW_Desc->SetCaption(texts[1103]);
    } else if (Modify_EEP_Var != 0) {
        SetCaption(texts[1102]);
        L_SW_Desc->SetCaption(texts[1105]);
        CB_EEP_Rorg->SetEnabled(false);
        CB_EEP_Func->SetEnabled(false);
        CB_EEP_Type->SetEnabled(false);
    } else {
        SetCaption(texts[1101]);
        L_SW_Desc->SetCaption(texts[1104]);
        CB_Var_Case->SetItemIndex(-1);
        CB_Var_Variable->SetItemIndex(-1);
        E_Var_Position->SetText(String());
        CB_Var_BitStart->SetItemIndex(0);
        for (TControl* control : std::initializer_list<TControl*> { CB_Var_Case, CB_Var_Variable, E_Var_Position, CB_Var_BitStart })
            control->SetEnabled(false);
    }
}

TCatalog_Lists TFEnOcean_Variable::Lists() const { return { CB_EEP_Rorg, CB_EEP_Func, CB_EEP_Type, CB_Var_Case, CB_Var_Variable }; }

const TRorg* TFEnOcean_Variable::Chosen_Rorg() const { return Catalog_Choice(*EEP_Catalog, Lists()).Rorg; }

const TFunc* TFEnOcean_Variable::Chosen_Func() const { return Catalog_Choice(*EEP_Catalog, Lists()).Func; }

const TType* TFEnOcean_Variable::Chosen_Type() const { return Catalog_Choice(*EEP_Catalog, Lists()).Type; }

const TCase* TFEnOcean_Variable::Chosen_Case() const { return Catalog_Choice(*EEP_Catalog, Lists()).Case; }

const TDataField* TFEnOcean_Variable::Chosen_DataField() const { return Catalog_Choice(*EEP_Catalog, Lists()).DataField; }

int32_t TFEnOcean_Variable::Chosen_Position() const { return StrToIntDef(E_Var_Position->Text(), 0); }

void TFEnOcean_Variable::Clear_Variable_Choice()
{
    E_Var_Position->SetText(String());
    CB_Var_BitStart->SetItemIndex(0);
}

void TFEnOcean_Variable::CB_EEP_Var_Change(TComponent* Sender)
{
    if (Catalog_Cascade(*EEP_Catalog, Lists(), Sender))
        Clear_Variable_Choice();
}

bool TFEnOcean_Variable::Preload(TComboBox* list, int32_t position)
{
    const bool found = position >= 0 && position < list->Items().Count();
    list->SetItemIndex(found ? position : -1);
    CB_EEP_Var_Change(list);
    return found;
}

void TFEnOcean_Variable::Preload_Variable(const TRorFunTyp& eep, int32_t Var_Ind)
{
    const TVarEnOcean* variable = List_Entry(eep.VariableList, Var_Ind);
    if (!variable || !Preload(CB_Var_Case, variable->CaseIndex()))
        return;
    CB_Var_Variable->SetItemIndex(
        EEP_Catalog->Get_DataField_Index(eep.RorgNum(), eep.FuncNum(), eep.TypeNum(), variable->CaseIndex(), variable->Data()));
    E_Var_Position->SetText(IntToStr(variable->Position()));
    CB_Var_BitStart->SetItemIndex(variable->BitStart());
}

void TFEnOcean_Variable::ShowData_Uni_Add_Var(int32_t Device_Index, int32_t EEP_Ind, int32_t Var_Ind)
{
    const TDevice_EnOcean* device = List_Entry(FEnOcean_SetAccess2->DevList, Device_Index);
    const TRorFunTyp* eep = device ? List_Entry(device->UnidirectionalList, EEP_Ind) : nullptr;
    if (!eep)
        return;
    // A profile the catalog cannot place stops the preload at its first missing level.
    const TCatalog_EnOcean& catalog = *EEP_Catalog;
    if (Preload(CB_EEP_Rorg, catalog.Get_RorgNum_Index(eep->RorgNum()))
        && Preload(CB_EEP_Func, catalog.Get_FuncNum_Index(eep->RorgNum(), eep->FuncNum()))
        && Preload(CB_EEP_Type, catalog.Get_TypeNum_Index(eep->RorgNum(), eep->FuncNum(), eep->TypeNum())))
        Preload_Variable(*eep, Var_Ind);
}

void TFEnOcean_Variable::ShowData_SAck_Add_Var(int32_t Device_Index, int32_t EEP_Ind, int32_t Var_Ind)
{
    const TDevice_EnOcean* device = List_Entry(FEnOcean_SetAccess2->DevList, Device_Index);
    const TRorFunTyp* eep = device ? List_Entry(device->SmartACKList, EEP_Ind) : nullptr;
    if (!eep)
        return;
    const TCatalog_EnOcean& catalog = *EEP_Catalog;
    if (catalog.Get_RorgNum_Index(eep->RorgNum()) != SAck_Rorg_Position) {
        if (Preload(CB_EEP_Rorg, SAck_Rorg_Position))
            Preload(CB_EEP_Func, SAck_Func_Position);
        return;
    }
    Preload(CB_EEP_Rorg, SAck_Rorg_Position);
    const bool funcInPlace = catalog.Get_FuncNum_Index(eep->RorgNum(), eep->FuncNum()) == SAck_Func_Position;
    if (Preload(CB_EEP_Func, SAck_Func_Position) && funcInPlace
        && Preload(CB_EEP_Type, catalog.Get_TypeNum_Index(eep->RorgNum(), eep->FuncNum(), eep->TypeNum())))
        Preload_Variable(*eep, Var_Ind);
}

const std::vector<std::unique_ptr<TRorFunTyp>>* TFEnOcean_Variable::Kind_List() const
{
    TDevice_EnOcean* device = Selected_EnOcean_Device();
    if (!device)
        return nullptr;
    return Uni_SAck == 0 ? &device->UnidirectionalList : &device->SmartACKList;
}

bool TFEnOcean_Variable::ISNewEEP(int32_t& Index) const
{
    Index = -1;
    const auto* list = Kind_List();
    const TRorg* rorg = Chosen_Rorg();
    const TFunc* func = Chosen_Func();
    const TType* type = Chosen_Type();
    if (!list || !rorg || !func || !type)
        return true;
    for (int32_t position = 0; position < static_cast<int32_t>(list->size()); ++position) {
        // A profile being modified is compared with the others only.
        if (Mode == 1 && Modify_EEP_Var == 0 && position == Modified_EEP)
            continue;
        const TRorFunTyp& eep = *(*list)[static_cast<size_t>(position)];
        if (eep.RorgNum() == rorg->Number() && eep.FuncNum() == func->Number() && eep.TypeNum() == type->Number()) {
            Index = position;
            return false;
        }
    }
    return true;
}

bool TFEnOcean_Variable::Check_Var(int32_t EEP_Pos) const
{
    const auto* list = Kind_List();
    const TRorFunTyp* eep = list ? List_Entry(*list, EEP_Pos) : nullptr;
    const TDataField* field = Chosen_DataField();
    if (!eep || !field)
        return false;
    const int32_t caseIndex = CB_Var_Case->ItemIndex();
    for (int32_t position = 0; position < static_cast<int32_t>(eep->VariableList.size()); ++position) {
        // The variable being modified may keep its own case and data field.
        if (Mode == 1 && Modify_EEP_Var != 0 && EEP_Pos == Modified_EEP && position == Modified_Var)
            continue;
        const TVarEnOcean& variable = *eep->VariableList[static_cast<size_t>(position)];
        if (variable.CaseIndex() == caseIndex && variable.Data() == field->Data())
            return true;
    }
    return false;
}

bool TFEnOcean_Variable::Check_Data()
{
    const TLang_Texts& texts = Lang_Texts();
    const auto refuse = [&](int32_t text) {
        MessageDlg(texts[text], mtError, mbOKOnly);
        return false;
    };
    // Every later step reads the catalog at the chosen positions.
    if (!Chosen_Rorg())
        return refuse(865);
    if (!Chosen_Func())
        return refuse(866);
    if (!Chosen_Type())
        return refuse(867);
    const bool modifyEEP = Mode == 1 && Modify_EEP_Var == 0;
    if (!modifyEEP && !Chosen_DataField())
        return refuse(872);

    EEP_Index = -1;
    const bool isNew = ISNewEEP(EEP_Index);
    if (modifyEEP) {
        // The profile keeps its place: only another profile of the same numbers stands in the way.
        if (!isNew)
            return refuse(869);
        EEP_Index = Modified_EEP;
        return true;
    }
    if (isNew) {
        const TDevice_EnOcean* device = Selected_EnOcean_Device();
        const size_t profiles = device ? device->UnidirectionalList.size() + device->SmartACKList.size() : 0;
        if (profiles > 3)
            return refuse(1126);
    } else if (Check_Var(EEP_Index)) {
        return refuse(1127);
    }
    return true;
}

void TFEnOcean_Variable::Btn_OKClick(TComponent*)
{
    if (Check_Data())
        SetModalResult(mrOk);
}
