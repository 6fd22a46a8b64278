#pragma once

#include "controls/LbButton.h"
#include "platform/ui/ExtCtrls.h"
#include "platform/ui/Forms.h"

// "Create New Configuration": asks for the name of a new project and creates
// its folder.
class TFNew_Project : public TForm {
public:
    explicit TFNew_Project(TComponent* owner);
    ~TFNew_Project() override;

    void FormCreate(TComponent* Sender);
    void FormShow(TComponent* Sender);
    // Creates the project and closes with OK, or says why the name is refused
    // and stays open.
    void Btn_OKClick(TComponent* Sender);
    void E_New_ProjKeyPress(TComponent* Sender, TChar& Key);
    void Set_Lang();

    TLabel* Label1 = nullptr;
    TEdit* E_New_Proj = nullptr;
    TPanel* P_Title = nullptr;
    TLabel* L_SW_Code = nullptr;
    TLabel* L_SW_Desc = nullptr;
    TPanel* P_Button = nullptr;
    TLbButton* Btn_OK = nullptr;
    TLbButton* Btn_Cancel = nullptr;
};

extern TFNew_Project* FNew_Project;
