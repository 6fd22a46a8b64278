#pragma once

#include "controls/LbButton.h"
#include "platform/core/StringList.h"
#include "platform/ui/ComCtrls.h"
#include "platform/ui/ExtCtrls.h"
#include "platform/ui/Forms.h"

#include <cstdint>

// "Software Options": the interface language, the internet use and the
// version check, and the two table options.
class TFSoftOptions : public TForm {
public:
    static constexpr int32_t Lang_Slots = 6;

    explicit TFSoftOptions(TComponent* owner);
    ~TFSoftOptions() override;

    void FormCreate(TComponent* Sender);
    void FormShow(TComponent* Sender);
    // Stores the choices in the workspace and closes with OK.
    void Btn_OKClick(TComponent* Sender);
    // The click handler of the four check boxes.
    void CB_En_ConClick(TComponent* Sender);
    void Btn_Check_UpdateClick(TComponent* Sender);
    void LL_Check_UpdateLinkClick(TComponent* Sender, const String& Link, TSysLinkType LinkType);
    // The click handler of Btn_Prev and Btn_Next.
    void Btn_NextClick(TComponent* Sender);
    // The click handler of the slots' pictures and names.
    void LangClick(TComponent* Sender);

    void Create_Lang_List();
    void Update_Lang_Page(int32_t Num_Page);
    void Update_CheckBox();
    void Set_Lang();
    // Asks the maker's server, through the main window's client, whether a
    // newer version exists; every failure means no.
    bool Check_Version() const;

    TPanel* P_Title = nullptr;
    TLabel* L_SW_Code = nullptr;
    TLabel* L_SW_Desc = nullptr;
    TPanel* P_Button = nullptr;
    TLbButton* Btn_OK = nullptr;
    TLbButton* Btn_Cancel = nullptr;
    TPageControl* PC_Options = nullptr;
    TTabSheet* TS_Language = nullptr;
    TTabSheet* TS_Con_Options = nullptr;
    TCheckBox* CB_En_Con = nullptr;
    TCheckBox* CB_Update = nullptr;
    TLbButton* Btn_Check_Update = nullptr;
    TLabel* L_Sel_Lang = nullptr;
    TLabel* L_Page_Lang = nullptr;
    TLbButton* Btn_Prev = nullptr;
    TLbButton* Btn_Next = nullptr;
    // The six language slots, I_L1 … I_L6 and L_L1 … L_L6.
    TImage* I_L[Lang_Slots] = {};
    TLabel* L_L[Lang_Slots] = {};
    TLinkLabel* LL_Check_Update = nullptr;
    TTabSheet* TS_Soft_Settings = nullptr;
    TCheckBox* CB_Soft_Set_Jump_Table = nullptr;
    TCheckBox* CB_DoubleClick_Auto_Size = nullptr;

    // The language page shown, from 1; 0 until the list is first built.
    int32_t Show_Page = 0;
    TStringList SL_Languages;
    // The language chosen in the dialog; the workspace takes it on OK.
    String Language_In_Use;

private:
    TTabSheet* New_Sheet(const char* name);
    TCheckBox* New_Check_Box(TTabSheet* sheet, const char* name, int32_t top);
    TLbButton* New_Button(TTabSheet* sheet, const char* name, int32_t left, int32_t top, int32_t width);
    void Create_Lang_Slots();
};

extern TFSoftOptions* FSoftOptions;
