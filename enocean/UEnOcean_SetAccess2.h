#pragma once

#include "app/UGlyphs.h"
#include "controls/LbButton.h"
#include "enocean/UEnOcean_Model.h"
#include "platform/ui/ExtCtrls.h"
#include "platform/ui/Forms.h"
#include "platform/ui/Menus.h"
#include "platform/ui/StdCtrls.h"
#include "platform/ui/TreeView.h"
#include "platform/xml/XMLDocument.h"

#include <cstdint>

class TCustomSlantTabs;
class TDudStringGrid;
class TSlantTab;
class TSlantTabs;

// What an editor's last load of EnOcean.xml leaves its next save to ask:
// whether the file could be read only in part, and how many Smart ACK
// profiles of the file the editor does not keep.
struct TEnOcean_Save_Questions {
    bool Load_Incomplete = false;
    int32_t Dropped_Smart_ACK = 0;
};

// The editor of the project's EnOcean devices: the devices in a list, the
// profiles and variables of the selected one in a tree, the values of the
// selected tree node in a table. Every show reloads EnOcean.xml; the device
// and variable dialogs check what the user enters, OK writes the file back.
class TFEnOcean_SetAccess2 : public TForm {
public:
    explicit TFEnOcean_SetAccess2(TComponent* owner);
    ~TFEnOcean_SetAccess2() override;

    void FormCreate(TComponent* Sender);
    void FormShow(TComponent* Sender);
    void Set_Lang();
    void Btn_OKClick(TComponent* Sender);
    void Btn_DeviceClick(TComponent* Sender);
    void PopUpEnOceanDevice1Click(TMenuItem* Sender);
    void LB_ID_Devices_ListClick(TComponent* Sender);
    void LB_ID_Devices_ListDblClick(TComponent* Sender);
    void TW_UniSmart_EEPClick(TComponent* Sender);
    void Btn_VariableClick(TComponent* Sender);
    void CT_Uni_Smart_RemoteActiveTabChanged(TCustomSlantTabs* Sender, TSlantTab* Tab);
    void PopUpEEPVariableEnOcean1Click(TMenuItem* Sender);

    void Init_Table();
    void Cancel_Devices_List();
    // Warns when the file could be read only in part; the next OK asks first.
    void Load_Configuration();
    // False when the file was not written (or the user kept the file that
    // could be read only in part).
    bool Save_Configuration();
    void Show_EnOcean_Device_List();
    void Add_EnOcean_Device();
    void Remove_EnOcean_Device();
    void Modify_EnOcean_Device();
    void Find_Selected_EEP_Var();
    void Show_EnOcean_TreeView_Uni_SAck(int32_t Device_Index);
    void Show_EnOcean_ZUZ_EEP_Var();
    void Add_Uni_EnOcean_Variable();
    void Remove_Uni_EnOcean_Variable();
    void Modify_Uni_EnOcean_Variable();
    void Add_SAck_EnOcean_Variable();
    void Remove_SAck_EnOcean_Variable();
    void Modify_SAck_EnOcean_Variable();

    // The position of the selected device, -1 without a valid selection.
    int32_t Selected_Device_Index() const;

    TDevice_List DevList;
    int32_t Ind_EEP = -1;
    int32_t Ind_Var = -1;

    TPanel* P_Title = nullptr;
    TLabel* L_SW_Code = nullptr;
    TLabel* L_SW_Desc = nullptr;
    TPanel* P_Button = nullptr;
    TLbButton* Btn_OK = nullptr;
    TLbButton* Btn_Cancel = nullptr;
    TLbButton* Btn_Scan = nullptr;
    TPanel* P_Left = nullptr;
    TLabel* L_ID_Devices_List = nullptr;
    TListBox* LB_ID_Devices_List = nullptr;
    TPopupMenu* PM_Device_EnOcean = nullptr;
    TMenuItem* AddEnOceanDevice1 = nullptr;
    TMenuItem* RemoveEnOceanDevice1 = nullptr;
    TMenuItem* ModifyEnOceanDevice1 = nullptr;
    TLbButton* Btn_Add_Device = nullptr;
    TLbButton* Btn_Remove_Device = nullptr;
    TLbButton* Btn_Modify_Device = nullptr;
    TPanel* P_Right = nullptr;
    TSlantTabs* CT_Uni_Smart_Remote = nullptr;
    TTreeView* TW_UniSmart_EEP = nullptr;
    TDudStringGrid* ZUZ_EEP_Var = nullptr;
    TLbButton* Btn_Add_Variable = nullptr;
    TLbButton* Btn_Remove_Variable = nullptr;
    TLbButton* Btn_Modify_Variable = nullptr;
    TPopupMenu* PM_Uni_SAck_EEP_Var = nullptr;
    TXMLDocument XML1;

private:
    // The texts of the questions of one kind of profile list.
    struct TKind_Texts {
        int32_t Remove_EEP_With_Vars;
        int32_t Remove_EEP;
        int32_t Remove_Var;
        int32_t Remove_EEP_Vars;
    };
    TRorFunTyp_List* Kind_List(int32_t Device_Index);
    void Remove_EnOcean_Variable(const TKind_Texts& texts);
    void Modify_EnOcean_Variable(bool smartAck, const TKind_Texts& texts);
    void Preload_Variable_Dialog(bool smartAck, int32_t Device_Index);
    // Sets a variable from the catalog entries chosen in the variable dialog.
    void Fill_Variable(TVarEnOcean& variable) const;
    TLbButton* New_Glyph_Button(TPanel* panel, const char* name, int32_t left, TGlyph_Kind glyph);

    // The last load stopped early; OK asks before the file is replaced.
    TEnOcean_Save_Questions FSave_Questions;
};

extern TFEnOcean_SetAccess2* FEnOcean_SetAccess2;

// The device selected in the EnOcean editor, or null.
TDevice_EnOcean* Selected_EnOcean_Device();

// Reads EnOcean.xml of the project into devices; a file read only in part is
// reported.
TEnOcean_Save_Questions Load_EnOcean_Devices(TXMLDocument& document, TDevice_List& devices,
    TSmart_ACK_Use smartAck = TSmart_ACK_Use::Keep);
// Writes the devices to EnOcean.xml of the project, after a load that stopped
// early or left Smart ACK profiles out only when the user agrees. False, the
// file left as it was, when nothing was written.
bool Save_EnOcean_Devices(TXMLDocument& document, const TDevice_List& devices, TEnOcean_Save_Questions& questions,
    TSmart_ACK_Use smartAck = TSmart_ACK_Use::Keep);

// The tree of a device's profiles: the root, one node per profile, one per
// variable under it, all expanded and none selected; empty without a list.
void Fill_EEP_Tree(TTreeView& tree, const String& rootCaption, const TRorFunTyp_List* list);
