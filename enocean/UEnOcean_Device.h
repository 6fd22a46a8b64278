#pragma once

#include "controls/LbButton.h"
#include "platform/ui/ExtCtrls.h"
#include "platform/ui/Forms.h"
#include "platform/ui/StdCtrls.h"

#include <array>
#include <cstdint>
#include <utility>

// The seven security rows under the security type, each its label and field.
using TSecurity_Rows = std::array<std::pair<TLabel*, TControl*>, 7>;

// One EnOcean device as the user enters it: its identifier and its security
// settings. The editor fills the fields before showing it and copies them
// into its device after OK; the dialog itself checks only the identifier.
class TFEnOcean_Device : public TForm {
public:
    explicit TFEnOcean_Device(TComponent* owner);
    ~TFEnOcean_Device() override;

    void FormCreate(TComponent* Sender);
    void FormShow(TComponent* Sender);
    void Set_Lang();
    void CB_DevEnOcean_SecTypeChange(TComponent* Sender);
    void Btn_OKClick(TComponent* Sender);
    // The identifier must be an integer from 0 to 4294967296.
    bool Check_Data_Device();
    // Titles by Mode; the fields the security type uses, and the height to show them.
    void Change_Form_Size();
    TSecurity_Rows Security_Rows() const;

    int32_t Mode = 0; // 0 add, 1 modify

    TPanel* P_Title = nullptr;
    TLabel* L_SW_Code = nullptr;
    TLabel* L_SW_Desc = nullptr;
    TLabel* L_DevEnOcean_ID = nullptr;
    TEdit* E_DevEnOcean_ID = nullptr;
    TLabel* L_DevEnOcean_SecType = nullptr;
    TComboBox* CB_DevEnOcean_SecType = nullptr;
    TLabel* L_DevEnOcean_Secure_Key = nullptr;
    TEdit* E_DevEnOcean_Secure_Key = nullptr;
    TLabel* L_DevEnOcean_Secure_RollCode = nullptr;
    TEdit* E_DevEnOcean_Secure_RollCode = nullptr;
    TLabel* L_DevEnOcean_Secure_RollCodeAlg = nullptr;
    TComboBox* CB_DevEnOcean_Secure_RollCodeAlg = nullptr;
    TLabel* L_DevEnOcean_Secure_RollCodeTx = nullptr;
    TComboBox* CB_DevEnOcean_Secure_RollCodeTx = nullptr;
    TLabel* L_DevEnOcean_Secure_CMACAlg = nullptr;
    TComboBox* CB_DevEnOcean_Secure_CMACAlg = nullptr;
    TLabel* L_DevEnOcean_Secure_DataEnc = nullptr;
    TComboBox* CB_DevEnOcean_Secure_DataEnc = nullptr;
    TLabel* L_DevEnOcean_Secure_PTM = nullptr;
    TComboBox* CB_DevEnOcean_Secure_PTM = nullptr;
    TPanel* P_Button = nullptr;
    TLbButton* Btn_OK = nullptr;
    TLbButton* Btn_Cancel = nullptr;
};

extern TFEnOcean_Device* FEnOcean_Device;

// Shows the rows a security type uses (none, the key, or all) and hides the
// others; the number shown, -1 for a type outside the list (nothing changes).
int32_t Show_Security_Rows(int32_t Secure_Type, const TSecurity_Rows& rows);

// The longest key and start rolling code a device takes, in characters.
inline constexpr int32_t Device_Key_Length = 16;
// The bound itself is a valid identifier.
inline constexpr int64_t Device_Id_Max = 4294967296;
