#pragma once

#include "platform/core/StringList.h"
#include "controls/LbButton.h"
#include "platform/ui/ExtCtrls.h"
#include "platform/ui/Forms.h"

// "Open Configuration": lists the project folders and lets the user choose one.
class TFOpenConf : public TForm {
public:
    explicit TFOpenConf(TComponent* owner);
    ~TFOpenConf() override;

    void FormCreate(TComponent* Sender);
    void FormShow(TComponent* Sender);
    void ListBox1Click(TComponent* Sender);
    // Enter chooses the selected line, as OK does.
    void ListBox1KeyPress(TComponent* Sender, TChar& Key);
    void Load_Existing_Configuration();
    void Set_Lang();

    TLabel* Label1 = nullptr;
    TListBox* ListBox1 = nullptr;
    TPanel* P_Title = nullptr;
    TLabel* L_SW_Code = nullptr;
    TLabel* L_SW_Desc = nullptr;
    TPanel* P_Button = nullptr;
    TLbButton* Btn_OK = nullptr;
    TLbButton* Btn_Cancel = nullptr;

    TStringList SL;
    // The chosen folder name, read by the main window after OK.
    String Name_Conf;
};

extern TFOpenConf* FOpenConf;
