#pragma once

#include "controls/LbButton.h"
#include "enocean/UEnOcean_Form_Controls.h"
#include "platform/ui/ExtCtrls.h"
#include "platform/ui/Forms.h"
#include "platform/ui/StdCtrls.h"

#include <cstdint>
#include <memory>
#include <vector>

class TCase;
class TDataField;
class TDevice_EnOcean;
class TFunc;
class TRorFunTyp;
class TRorg;
class TType;

// Chooses an EnOcean Equipment Profile of the catalog and one variable of it
// (case, data field, position, bit start) for the device selected in the
// EnOcean editor. OK checks the device's profile limit and duplicates; the
// editor then reads the choices and changes the device itself.
class TFEnOcean_Variable : public TForm {
public:
    explicit TFEnOcean_Variable(TComponent* owner);
    ~TFEnOcean_Variable() override;

    void FormCreate(TComponent* Sender);
    void FormShow(TComponent* Sender);
    void Set_Lang();
    // The one change handler of the five lists: each fills the next level
    // and empties the ones below it.
    void CB_EEP_Var_Change(TComponent* Sender);
    void ShowData_Uni_Add_Var(int32_t Device_Index, int32_t EEP_Ind, int32_t Var_Ind);
    void ShowData_SAck_Add_Var(int32_t Device_Index, int32_t EEP_Ind, int32_t Var_Ind);
    // True when the chosen profile is not among the device's profiles of the
    // current kind; otherwise false with its position in Index.
    bool ISNewEEP(int32_t& Index) const;
    // True when the profile at EEP_Pos already maps the chosen case and data field.
    bool Check_Var(int32_t EEP_Pos) const;
    bool Check_Data();
    void Btn_OKClick(TComponent* Sender);

    // The catalog entries chosen in the lists; null while a list has no choice.
    const TRorg* Chosen_Rorg() const;
    const TFunc* Chosen_Func() const;
    const TType* Chosen_Type() const;
    const TCase* Chosen_Case() const;
    const TDataField* Chosen_DataField() const;
    // The position text as an integer, 0 when it is not one.
    int32_t Chosen_Position() const;

    int32_t Uni_SAck = 0; // 0 Unidirectional, 1 Smart ACK
    int32_t Mode = 0; // 0 add, 1 modify
    int32_t Modify_EEP_Var = 0; // in modify mode: 0 the profile, 1 a variable
    // In modify mode, the profile and the variable being modified: they are
    // not counted against themselves by the checks.
    int32_t Modified_EEP = -1;
    int32_t Modified_Var = -1;
    // After OK: the chosen profile's position among the device's profiles, -1 when new.
    int32_t EEP_Index = -1;

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
    TLabel* L_Variable = nullptr;
    TLabel* L_Var_CASE = nullptr;
    TComboBox* CB_Var_Case = nullptr;
    TLabel* L_Var_Variable = nullptr;
    TComboBox* CB_Var_Variable = nullptr;
    TLabel* L_Var_Position = nullptr;
    TEdit* E_Var_Position = nullptr;
    TLabel* L_Var_BitStart = nullptr;
    TComboBox* CB_Var_BitStart = nullptr;
    TPanel* P_Button = nullptr;
    TLbButton* Btn_OK = nullptr;
    TLbButton* Btn_Cancel = nullptr;

private:
    TCatalog_Lists Lists() const;
    // The profiles of the current kind of the device selected in the editor, or null.
    const std::vector<std::unique_ptr<TRorFunTyp>>* Kind_List() const;
    void Clear_Variable_Choice();
    // Sets a list to the position and runs the cascade from it; false (and the
    // levels below emptied) when the position is not in the list.
    bool Preload(TComboBox* list, int32_t position);
    void Preload_Variable(const TRorFunTyp& eep, int32_t Var_Ind);
};

extern TFEnOcean_Variable* FEnOcean_Variable;

// The catalog positions the Smart ACK profiles are restricted to.
inline constexpr int32_t SAck_Rorg_Position = 3;
inline constexpr int32_t SAck_Func_Position = 9;
