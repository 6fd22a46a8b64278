#pragma once

#include "controls/LbButton.h"
#include "enocean/UEnOcean_Form_Controls.h"
#include "enocean/UEnOcean_Model.h"
#include "enocean/UEnOcean_SetAccess2.h"
#include "platform/ui/ExtCtrls.h"
#include "platform/ui/Forms.h"
#include "platform/ui/StdCtrls.h"
#include "platform/ui/TreeView.h"
#include "platform/xml/XMLDocument.h"

#include <cstdint>

class TCustomSlantTabs;
class TSlantTab;
class TSlantTabs;

// The profile and variable controls of one kind of profile (Unidirectional,
// or Smart ACK with the names ending in "_Smart"): a tree of the device's
// profiles, and a tab strip over a profile panel and a variable panel.
struct TEEP_Var_Page {
    TPanel* Panel = nullptr;
    TTreeView* Tree = nullptr;
    TSlantTabs* CT_EEP_Var = nullptr;
    TPanel* P_EEP = nullptr;
    TPanel* P_Var = nullptr;
    TLabel* L_EEP_Rorg = nullptr;
    TComboBox* CB_EEP_Rorg = nullptr;
    TLabel* L_EEP_Func = nullptr;
    TComboBox* CB_EEP_Func = nullptr;
    TLabel* L_EEP_Type = nullptr;
    TComboBox* CB_EEP_Type = nullptr;
    TLbButton* Btn_EEP_Add = nullptr;
    TLbButton* Btn_EEP_Modify = nullptr;
    TLbButton* Btn_EEP_Delete = nullptr;
    TLabel* L_Var_Case = nullptr;
    TComboBox* CB_Var_Case = nullptr;
    TLabel* L_Var_DataField = nullptr;
    TComboBox* CB_Var_DataField = nullptr;
    TLabel* L_Var_Position = nullptr;
    TEdit* E_Var_Position = nullptr;
    TLabel* L_Var_BitStart = nullptr;
    TComboBox* CB_Var_BitStart = nullptr;
    TLbButton* Btn_Var_Add = nullptr;
    TLbButton* Btn_Var_Modify = nullptr;
    TLbButton* Btn_Var_Delete = nullptr;
};

// The earlier single-window editor of the same devices and project file:
// the device's fields inline, profiles and variables picked in lists beside
// the tree. The program makes it at start and relabels it, but opens it
// nowhere.
class TFEnOcean_SetAccess : public TForm {
public:
    explicit TFEnOcean_SetAccess(TComponent* owner);
    ~TFEnOcean_SetAccess() override;

    void FormCreate(TComponent* Sender);
    void FormShow(TComponent* Sender);
    void FormClose(TComponent* Sender, TCloseAction& Action);
    void Set_Lang();
    void Btn_OKClick(TComponent* Sender);
    void LB_ID_Devices_ListClick(TComponent* Sender);
    void Btn_Add_Modify_DeviceClick(TComponent* Sender);
    void CB_DevEnOcean_SecTypeChange(TComponent* Sender);
    void TW_UniSmart_EEPClick(TComponent* Sender);
    void CB_EEP_Rorg_Func_Type_Change(TComponent* Sender);
    void Btn_EEP_Add_Modify_Click(TComponent* Sender);
    void Btn_Var_Add_Modify_Click(TComponent* Sender);
    void CT_ID_DataActiveTabChanged(TCustomSlantTabs* Sender, TSlantTab* Tab);
    void CT_Uni_Smart_RemoteActiveTabChanged(TCustomSlantTabs* Sender, TSlantTab* Tab);
    void CT_EEP_VarActiveTabChanged(TCustomSlantTabs* Sender, TSlantTab* Tab);
    void CT_EEP_Var_SmartActiveTabChanged(TCustomSlantTabs* Sender, TSlantTab* Tab);

    void Update_IdSec_DataEx();
    void Update_ID_Security();
    void Update_Data_Exchange();
    void Update_DE_Unidirectional();
    void Update_DE_Smart_Ack();
    void Update_DE_Remote();
    void Update_EEP_VAR();
    void Show_Id_List();
    bool Check_Data_Device();
    bool Check_EEP();
    bool Check_Var();
    bool Save_Configuration();
    void Load_Configuration();
    void Cancel_Devices_List();

    int32_t Selected_Device_Index() const;

    TDevice_List DevList;
    int32_t Ind_EEP = -1;
    int32_t Ind_Var = -1;

    TPanel* P_Title = nullptr;
    TLabel* L_SW_Code = nullptr;
    TLabel* L_SW_Desc = nullptr;
    TLabel* L_ID_Devices_List = nullptr;
    TListBox* LB_ID_Devices_List = nullptr;
    TSlantTabs* CT_ID_Data = nullptr;
    TPanel* PEnOcean_DefID_IDSec = nullptr;
    TPanel* PEnOcean_DefID_DataEx = nullptr;
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
    TLbButton* Btn_Add_Device = nullptr;
    TLbButton* Btn_Modify_Device = nullptr;
    TLbButton* Btn_Delete_Device = nullptr;
    TSlantTabs* CT_Uni_Smart_Remote = nullptr;
    TEEP_Var_Page Uni;
    TEEP_Var_Page Smart;
    TPanel* P_Button = nullptr;
    TLbButton* Btn_OK = nullptr;
    TLbButton* Btn_Cancel = nullptr;
    TXMLDocument XML1;

private:
    TCatalog_Lists Lists() const;
    void Build_Page(TEEP_Var_Page& page, const char* suffix, int32_t top);
    TRorFunTyp_List* Active_List();
    void Clear_Device_Fields();
    // Selects the node of the profile (and variable) at the positions, after a redraw.
    void Select_Node(int32_t eep, int32_t variable);

    TEnOcean_Save_Questions FSave_Questions;
};

extern TFEnOcean_SetAccess* FEnOcean_SetAccess;
