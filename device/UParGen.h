#pragma once

#include "controls/LbButton.h"
#include "device/UParGen_File.h"
#include "device/UParGen_Panels.h"
#include "platform/ui/CategoryPanels.h"
#include "platform/ui/ExtCtrls.h"
#include "platform/ui/Forms.h"
#include "platform/ui/StdCtrls.h"
#include "platform/xml/XMLDocument.h"

#include <array>
#include <vector>

// The communication parameters of the open project: the device's name and
// addresses and the NMEA 2000 bus, kept in ParGen.xml. The dialog carries a
// category panel for every protocol of the model family and shows those of
// the model this build configures.
class TFParGen : public TForm {
public:
    struct TPanel_Row {
        const TRow_Info* Info = nullptr;
        TControl* Label = nullptr; // label or check box
        std::vector<TWinControl*> Inputs;
        std::vector<TLabel*> Dots;
        bool Shown = true;
    };
    struct TCategory {
        const TPanel_Info* Info = nullptr;
        TCategoryPanel* Panel = nullptr;
        std::vector<TPanel_Row> Rows;
    };

    explicit TFParGen(TComponent* owner);
    ~TFParGen() override;

    void FormCreate(TComponent* Sender);
    void FormShow(TComponent* Sender);
    void Btn_OKClick(TComponent* Sender);
    void Btn_CancelClick(TComponent* Sender);
    bool Controllo_Dati();
    void On_Change(TComponent* Sender);
    void On_Click(TComponent* Sender);
    // "." never enters an address octet; in the DNS octets it moves on.
    void KeyPress(TComponent* Sender, TChar& Key);
    void FormMouseWheel(TComponent* Sender, TShiftState Shift, int32_t WheelDelta, TPoint MousePos, bool& Handled);
    void FormResize(TComponent* Sender);
    void Set_Lang();

    // Shows, stacks, heads and orders the panels of a model.
    void Order_TAB_Panels(int32_t model = Built_Model);
    // Heights, and the showing, placing and enabling of the rows, of the
    // panels of that model.
    void Move_GroupBoxs();

    // The control of a ParGen.xml key.
    TWinControl* Key_Control(int32_t key) const { return FKey_Controls[key]; }
    TEdit* Key_Edit(int32_t key) const { return dynamic_cast<TEdit*>(FKey_Controls[key]); }
    TCheckBox* Key_Box(int32_t key) const { return dynamic_cast<TCheckBox*>(FKey_Controls[key]); }
    TCategoryPanel* Category_Panel(int32_t panel) const { return FPanels[panel].Panel; }
    const TCategory& Category(int32_t panel) const { return FPanels[panel]; }

    TParGen_Values Values() const;
    void Set_Values(const TParGen_Values& values);

    bool Is_Change = false;

    TPanel* P_Title = nullptr;
    TLabel* L_SW_Code = nullptr;
    TLabel* L_SW_Desc = nullptr;
    TCategoryPanelGroup* CPG = nullptr;
    TPanel* P_Button = nullptr;
    TLbButton* Btn_OK = nullptr;
    TLbButton* Btn_Cancel = nullptr;
    TComboBox* CB_NMEA2000_Baudrate = nullptr;
    TXMLDocument XML1;

private:
    void Create_Panel(int32_t panel);
    void Apply_Rule(TCategory& category);
    void Reflow(TCategory& category);
    TCheckBox* Box(const char* name) const;
    TComboBox* Combo(const char* name) const;

    std::array<TCategory, Panel_Count> FPanels;
    std::array<TWinControl*, ParGen_Key_Count> FKey_Controls {};
    std::vector<TEdit*> FDNS_Octets;
    int32_t FModel = Built_Model;
};

extern TFParGen* FParGen;
