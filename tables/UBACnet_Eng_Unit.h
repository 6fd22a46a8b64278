#pragma once

#include "controls/LbButton.h"
#include "platform/ui/ExtCtrls.h"
#include "platform/ui/Forms.h"
#include "platform/ui/StdCtrls.h"

// The name of a BACnet engineering-unit code; "unknown" outside 0 to 236.
String Desc_Unit(int32_t Code);

// "Select the BACnet Engineering Unit": shows the code being edited with its
// name and lets the user pick another unit by category. The caller fills
// E_Selected_EU and Label5 before showing it and takes E_Selected_EU after OK.
class TFBACnet_Eng_Unit : public TForm {
public:
    explicit TFBACnet_Eng_Unit(TComponent* owner);
    ~TFBACnet_Eng_Unit() override;

    void FormCreate(TComponent* Sender);
    // The unit list follows the category kept from the last showing.
    void FormShow(TComponent* Sender);
    void Set_Lang();
    void CB_Select_TypeSelect(TComponent* Sender);
    void Btn_Select_Eng_UnitClick(TComponent* Sender);

    TPanel* P_Title = nullptr;
    TLabel* L_SW_Code = nullptr;
    TLabel* L_SW_Desc = nullptr;
    TLabel* Label1 = nullptr;
    TEdit* E_Selected_EU = nullptr;
    TLabel* Label5 = nullptr;
    TShape* Shape1 = nullptr;
    TLabel* Label2 = nullptr;
    TLabel* Label3 = nullptr;
    TComboBox* CB_Select_Type = nullptr;
    TLabel* Label4 = nullptr;
    TComboBox* CB_Select_Unit = nullptr;
    TLbButton* Btn_Select_Eng_Unit = nullptr;
    TShape* Shape2 = nullptr;
    TPanel* P_Button = nullptr;
    TLbButton* Btn_OK = nullptr;
    TLbButton* Btn_Cancel = nullptr;
};

extern TFBACnet_Eng_Unit* FBACnet_Eng_Unit;
