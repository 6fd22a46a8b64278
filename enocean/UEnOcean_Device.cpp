#include "enocean/UEnOcean_Device.h"

#include "app/UComon.h"
#include "app/UDialog_Title.h"
#include "app/lang/ULanguage.h"
#include "enocean/UEnOcean_Form_Controls.h"
#include "platform/core/SysUtils.h"
#include "platform/ui/UiServices.h"

TFEnOcean_Device* FEnOcean_Device = nullptr;

namespace {

constexpr int32_t Client_Width = 380;
constexpr int32_t First_Row_Top = 81;
constexpr int32_t Row_Step = 32;
constexpr int32_t Label_Left = 12;
constexpr int32_t Field_Left = 170;
constexpr int32_t Field_Width = 198;
constexpr int32_t Edit_Height = 20;
// Below the last field shown: its gap and the button band.
constexpr int32_t Bottom_Space = 51;

constexpr int32_t Row_Top(int32_t row) { return First_Row_Top + row * Row_Step; }

TLabel* New_Row_Label(TFEnOcean_Device* form, const char* name, int32_t row)
{
    return New_EnOcean_Control<TLabel>(form, name, Label_Left, Row_Top(row) + 3, Field_Left - Label_Left - 6, 16);
}

TEdit* New_Row_Edit(TFEnOcean_Device* form, const char* name, int32_t row)
{
    return New_EnOcean_Control<TEdit>(form, name, Field_Left, Row_Top(row), Field_Width, Edit_Height);
}

TComboBox* New_Row_List(TFEnOcean_Device* form, const char* name, int32_t row, std::initializer_list<const char*> entries)
{
    return New_EnOcean_List(form, name, Field_Left, Row_Top(row), Field_Width, entries);
}

} // namespace

TFEnOcean_Device::TFEnOcean_Device(TComponent* owner) : TForm(owner)
{
    Set_Window_Look(this, "FEnOcean_Device");
    SetClientWidth(Client_Width);
    P_Title = New_Title_Band(this, L_SW_Code, L_SW_Desc);

    L_DevEnOcean_ID = New_Row_Label(this, "L_DevEnOcean_ID", 0);
    E_DevEnOcean_ID = New_Row_Edit(this, "E_DevEnOcean_ID", 0);
    L_DevEnOcean_SecType = New_Row_Label(this, "L_DevEnOcean_SecType", 1);
    CB_DevEnOcean_SecType
        = New_Row_List(this, "CB_DevEnOcean_SecType", 1, { "Unsecure", "Secure Pre Shared Key", "Secure with Manual Setting" });
    CB_DevEnOcean_SecType->OnChange = [this](TComponent* sender) { CB_DevEnOcean_SecTypeChange(sender); };
    L_DevEnOcean_Secure_Key = New_Row_Label(this, "L_DevEnOcean_Secure_Key", 2);
    E_DevEnOcean_Secure_Key = New_Row_Edit(this, "E_DevEnOcean_Secure_Key", 2);
    E_DevEnOcean_Secure_Key->SetMaxLength(Device_Key_Length);
    L_DevEnOcean_Secure_RollCode = New_Row_Label(this, "L_DevEnOcean_Secure_RollCode", 3);
    E_DevEnOcean_Secure_RollCode = New_Row_Edit(this, "E_DevEnOcean_Secure_RollCode", 3);
    E_DevEnOcean_Secure_RollCode->SetMaxLength(Device_Key_Length);
    L_DevEnOcean_Secure_RollCodeAlg = New_Row_Label(this, "L_DevEnOcean_Secure_RollCodeAlg", 4);
    CB_DevEnOcean_Secure_RollCodeAlg = New_Row_List(this, "CB_DevEnOcean_Secure_RollCodeAlg", 4, { "No RLC algorithm", "16-bit", "24-bit" });
    L_DevEnOcean_Secure_RollCodeTx = New_Row_Label(this, "L_DevEnOcean_Secure_RollCodeTx", 5);
    CB_DevEnOcean_Secure_RollCodeTx = New_Row_List(this, "CB_DevEnOcean_Secure_RollCodeTx", 5, { "No", "Yes" });
    L_DevEnOcean_Secure_CMACAlg = New_Row_Label(this, "L_DevEnOcean_Secure_CMACAlg", 6);
    CB_DevEnOcean_Secure_CMACAlg
        = New_Row_List(this, "CB_DevEnOcean_Secure_CMACAlg", 6, { "No MAC", "AES128 - 3 bytes", "AES128 - 4 bytes" });
    L_DevEnOcean_Secure_DataEnc = New_Row_Label(this, "L_DevEnOcean_Secure_DataEnc", 7);
    CB_DevEnOcean_Secure_DataEnc
        = New_Row_List(this, "CB_DevEnOcean_Secure_DataEnc", 7, { "No data encryption", "VAES - AES128", "AES - CBC - AES128" });
    L_DevEnOcean_Secure_PTM = New_Row_Label(this, "L_DevEnOcean_Secure_PTM", 8);
    CB_DevEnOcean_Secure_PTM = New_Row_List(this, "CB_DevEnOcean_Secure_PTM", 8, { "No PTM", "PTM" });

    P_Button = New_Button_Band(this);
    P_Button->SetWidth(Client_Width);
    Btn_OK = New_Band_Button(P_Button, "Btn_OK", 108, mrNone);
    Btn_OK->OnClick = [this](TComponent* sender) { Btn_OKClick(sender); };
    Btn_Cancel = New_Band_Button(P_Button, "Btn_Cancel", 12, mrCancel);
    Btn_Cancel->SetCancel(true);

    OnCreate = [this](TComponent* sender) { FormCreate(sender); };
    OnShow = [this](TComponent* sender) { FormShow(sender); };
}

TFEnOcean_Device::~TFEnOcean_Device()
{
    if (FEnOcean_Device == this)
        FEnOcean_Device = nullptr;
}

void TFEnOcean_Device::FormCreate(TComponent*)
{
    L_SW_Code->SetCaption(SW_Code);
    SetClientWidth(Client_Width);
    Set_Lang();
    Change_Form_Size();
}

void TFEnOcean_Device::FormShow(TComponent*)
{
    Change_Form_Size();
    if (E_DevEnOcean_ID->CanFocus())
        E_DevEnOcean_ID->SetFocus();
}

void TFEnOcean_Device::Set_Lang()
{
    const TLang_Texts& texts = Lang_Texts();
    SetCaption(texts[1000]);
    L_SW_Desc->SetCaption(texts[1002]);
    Btn_OK->SetCaption(texts[1004]);
    Btn_Cancel->SetCaption(texts[1005]);
    Btn_OK->SetHint(texts[1006]);
    Btn_Cancel->SetHint(texts[1007]);
    Set_Security_Row_Texts(texts, 1008, *this);
}

void TFEnOcean_Device::Change_Form_Size()
{
    const TLang_Texts& texts = Lang_Texts();
    if (Mode == 0) {
        SetCaption(texts[1000]);
        L_SW_Desc->SetCaption(texts[1002]);
    } else if (Mode == 1) {
        SetCaption(texts[1001]);
        L_SW_Desc->SetCaption(texts[1003]);
    }

    const TSecurity_Rows rows = Security_Rows();
    const int32_t shown = Show_Security_Rows(CB_DevEnOcean_SecType->ItemIndex(), rows);
    if (shown < 0)
        return;
    const TControl* last = shown == 0 ? CB_DevEnOcean_SecType : rows[static_cast<size_t>(shown - 1)].second;
    SetClientHeight(last->Top() + last->Height() + Bottom_Space);
}

TSecurity_Rows TFEnOcean_Device::Security_Rows() const
{
    return { { { L_DevEnOcean_Secure_Key, E_DevEnOcean_Secure_Key },
        { L_DevEnOcean_Secure_RollCode, E_DevEnOcean_Secure_RollCode },
        { L_DevEnOcean_Secure_RollCodeAlg, CB_DevEnOcean_Secure_RollCodeAlg },
        { L_DevEnOcean_Secure_RollCodeTx, CB_DevEnOcean_Secure_RollCodeTx },
        { L_DevEnOcean_Secure_CMACAlg, CB_DevEnOcean_Secure_CMACAlg },
        { L_DevEnOcean_Secure_DataEnc, CB_DevEnOcean_Secure_DataEnc },
        { L_DevEnOcean_Secure_PTM, CB_DevEnOcean_Secure_PTM } } };
}

int32_t Show_Security_Rows(int32_t Secure_Type, const TSecurity_Rows& rows)
{
    const int32_t counts[] = { 0, 1, static_cast<int32_t>(rows.size()) };
    if (Secure_Type < 0 || Secure_Type >= static_cast<int32_t>(std::size(counts)))
        return -1;
    const int32_t shown = counts[Secure_Type];
    for (int32_t row = 0; row < static_cast<int32_t>(rows.size()); ++row) {
        rows[static_cast<size_t>(row)].first->SetVisible(row < shown);
        rows[static_cast<size_t>(row)].second->SetVisible(row < shown);
    }
    return shown;
}

void TFEnOcean_Device::CB_DevEnOcean_SecTypeChange(TComponent*) { Change_Form_Size(); }

bool TFEnOcean_Device::Check_Data_Device()
{
    const int64_t id = StrToInt64Def(E_DevEnOcean_ID->Text(), -1);
    if (id < 0 || id > Device_Id_Max) {
        MessageDlg(Lang_Texts()[1026], mtError, mbOKOnly);
        return false;
    }
    return true;
}

void TFEnOcean_Device::Btn_OKClick(TComponent*)
{
    if (Check_Data_Device())
        SetModalResult(mrOk);
}
