#pragma once

#include "controls/LbButton.h"
#include "platform/ui/ExtCtrls.h"
#include "platform/ui/Forms.h"
#include "platform/ui/StdCtrls.h"

#include <cstdint>
#include <memory>
#include <vector>

class TDudColumnGrid;
class TRorFunTyp_SAck;
class TStrings;
class TVarEnOcean_SAck;

// Chooses a Smart ACK profile (restricted to one RORG and FUNC of the
// catalog), a case for IN and one for OUT, and lists the variables of each
// in a grid where the user enables them and gives their position and bit start.
class TFEnOcean_Variable_SAck : public TForm {
public:
    explicit TFEnOcean_Variable_SAck(TComponent* owner);
    ~TFEnOcean_Variable_SAck() override;

    void FormCreate(TComponent* Sender);
    void FormShow(TComponent* Sender);
    // Only the width may change.
    void FormCanResize(TComponent* Sender, int32_t& NewWidth, int32_t& NewHeight, bool& Resize);
    void CB_EEP_Var_Change(TComponent* Sender);
    void Clear_Table_IN();
    void Clear_Table_OUT();
    // One row per entry of List; an empty list leaves the grid as it is.
    void Table_Show_Vars(TDudColumnGrid* Grid, const TStrings& List);
    bool ISNewEEP(int32_t& Index) const;
    // True when the Smart ACK profile at EEP_Pos already maps a variable
    // enabled in either grid, with the case of that grid.
    bool Check_Var(int32_t EEP_Pos) const;
    bool Check_Data();
    // The chosen profile with one group: the two chosen cases and the
    // variables enabled in their grids. Null while the RORG, FUNC or TYPE
    // has no choice.
    std::unique_ptr<TRorFunTyp_SAck> Chosen_Profile() const;
    void Btn_OKClick(TComponent* Sender);
    // Its texts are its own and are not translated.
    void Set_Lang() { }

    int32_t EEP_Index = -1;
    int32_t Form_Height = 0;

    TPanel* P_Title = nullptr;
    TLabel* L_SW_Code = nullptr;
    TLabel* L_SW_Desc = nullptr;
    TLabel* L_EEP = nullptr;
    TLabel* L_EEP_RORG = nullptr;
    TComboBox* CB_EEP_Rorg = nullptr;
    TLabel* L_EEP_FUNC = nullptr;
    TComboBox* CB_EEP_Func = nullptr;
    TLabel* L_EEP_TYPE = nullptr;
    TComboBox* CB_EEP_Type = nullptr;
    TLabel* L_Vars_Case_IN = nullptr;
    TLabel* L_Var_Case_IN = nullptr;
    TComboBox* CB_Var_Case_IN = nullptr;
    TDudColumnGrid* ACG_Vars_Case_IN = nullptr;
    TLabel* L_Vars_Case_OUT = nullptr;
    TLabel* L_Var_Case_OUT = nullptr;
    TComboBox* CB_Var_Case_OUT = nullptr;
    TDudColumnGrid* ACG_Vars_Case_OUT = nullptr;
    TPanel* P_Button = nullptr;
    TLbButton* Btn_OK = nullptr;
    TLbButton* Btn_Cancel = nullptr;

private:
    // The enabled rows of a grid that still list the data fields of the case
    // chosen above it: a case without data fields leaves an earlier case's rows.
    void Read_Vars(const TDudColumnGrid& grid, TComboBox* caseList, std::vector<std::unique_ptr<TVarEnOcean_SAck>>& vars) const;
};

extern TFEnOcean_Variable_SAck* FEnOcean_Variable_SAck;
