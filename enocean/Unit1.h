#pragma once

#include "controls/LbButton.h"
#include "platform/ui/Forms.h"
#include "platform/ui/StdCtrls.h"

#include <memory>

class TCatalog_EnOcean;

// A small test form for the profile catalog: it reads the catalog into a
// catalog of its own and lists its RORGs, FUNCs and TYPEs. The program makes
// it at start and never shows it.
class TForm1 : public TForm {
public:
    explicit TForm1(TComponent* owner);
    ~TForm1() override;

    void FormCreate(TComponent* Sender);
    // Reads the catalog again, appending to what the form's catalog holds.
    void Button1Click(TComponent* Sender);
    void CB_RorgChange(TComponent* Sender);
    void CB_FuncChange(TComponent* Sender);
    void CB_TypeChange(TComponent* Sender);

    // The file the button reads.
    String Catalog_File() const;

    std::unique_ptr<TCatalog_EnOcean> Catalog_EnOcean;

    TLabel* L_Rorg = nullptr;
    TComboBox* CB_Rorg = nullptr;
    TLabel* L_Func = nullptr;
    TComboBox* CB_Func = nullptr;
    TLabel* L_Type = nullptr;
    TComboBox* CB_Type = nullptr;
    TLabel* L_DataField = nullptr;
    TComboBox* CB_DataField = nullptr;
    TLbButton* Button1 = nullptr;
};

extern TForm1* Form1;
