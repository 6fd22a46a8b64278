#pragma once

#include "controls/LbButton.h"
#include "platform/ui/ExtCtrls.h"
#include "platform/ui/Forms.h"
#include "platform/ui/StdCtrls.h"

// "PROFINET XML File Name": composes the name of the GSDML file from its
// fixed parts and the part the user types.
class TFProfinetFileName : public TForm {
public:
    explicit TFProfinetFileName(TComponent* owner);
    ~TFProfinetFileName() override;

    // The date part is the day the dialog was created: the program's start.
    void FormCreate(TComponent* Sender);
    void Set_Lang();
    // Composes Name_File_XML and closes with OK; a user part that could name
    // another folder, or a name no file system takes, is refused and the
    // dialog stays open.
    void Btn_OKClick(TComponent* Sender);

    TPanel* P_Title = nullptr;
    TLabel* L_SW_Code = nullptr;
    TLabel* L_SW_Desc = nullptr;
    TLabel* Label1 = nullptr;
    TLabel* Label2 = nullptr;
    TLabel* L_XML_Fix1 = nullptr;
    TLabel* Label4 = nullptr;
    TEdit* E_XML_User = nullptr;
    TLabel* Label5 = nullptr;
    TLabel* L_XML_Fix2 = nullptr;
    TPanel* P_Button = nullptr;
    TLbButton* Btn_OK = nullptr;
    TLbButton* Btn_Cancel = nullptr;

    String Name_File_XML;
};

extern TFProfinetFileName* FProfinetFileName;

// The characters a user part cannot hold: path separators, the characters
// Windows refuses in a file name, and control characters.
bool Valid_GSDML_User_Part(const String& userPart);
