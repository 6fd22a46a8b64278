#pragma once

#include "controls/LbButton.h"
#include "platform/ui/ExtCtrls.h"
#include "platform/ui/Forms.h"

// The about box: the software's identity and a link to the maker's home
// page. Its texts are not translated.
class TFAbout : public TForm {
public:
    explicit TFAbout(TComponent* owner);
    ~TFAbout() override;

    void FormShow(TComponent* Sender);
    void Label4Click(TComponent* Sender);

    TLbButton* LbButton1 = nullptr;
    TImage* Image2 = nullptr;
    TLabel* Label1 = nullptr;
    TLabel* Label2 = nullptr;
    TLabel* Label3 = nullptr;
    TLabel* Label4 = nullptr;
    TLabel* Label6 = nullptr;
    TLabel* Label8 = nullptr;
    TLabel* Label9 = nullptr;
    TLabel* Label10 = nullptr;
    TLabel* Label12 = nullptr;
};

extern TFAbout* FAbout;
