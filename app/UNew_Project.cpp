#include "app/UNew_Project.h"

#include "app/UDialog_Title.h"
#include "app/UProjects.h"
#include "app/lang/ULanguage.h"
#include "platform/ui/UiServices.h"

TFNew_Project* FNew_Project = nullptr;

TFNew_Project::TFNew_Project(TComponent* owner) : TForm(owner)
{
    Set_Window_Look(this, "FNew_Project");

    P_Title = New_Title_Band(this, L_SW_Code, L_SW_Desc);
    P_Button = New_Button_Band(this);
    P_Title->SetWidth(331);
    P_Button->SetWidth(331);
    Btn_OK = New_Band_Button(P_Button, "Btn_OK", 108, mrNone);
    Btn_OK->OnClick = [this](TComponent* sender) { Btn_OKClick(sender); };
    Btn_Cancel = New_Band_Button(P_Button, "Btn_Cancel", 12, mrCancel);
    Btn_Cancel->SetCancel(true);
    Label1 = new TLabel(this);
    Label1->SetName(QStringLiteral("Label1"));
    Label1->SetParent(this);
    Label1->SetBounds(16, Title_Band_Height + 8, 299, 16);
    E_New_Proj = new TEdit(this);
    E_New_Proj->SetName(QStringLiteral("E_New_Proj"));
    E_New_Proj->SetParent(this);
    E_New_Proj->SetBounds(16, Title_Band_Height + 26, 299, 21);
    E_New_Proj->SetShowHint(true);
    E_New_Proj->OnKeyPress = [this](TComponent* sender, TChar& key) { E_New_ProjKeyPress(sender, key); };

    OnCreate = [this](TComponent* sender) { FormCreate(sender); };
    OnShow = [this](TComponent* sender) { FormShow(sender); };
}

TFNew_Project::~TFNew_Project()
{
    if (FNew_Project == this)
        FNew_Project = nullptr;
}

void TFNew_Project::FormCreate(TComponent*)
{
    SetClientWidth(331);
    SetClientHeight(162);
    Set_Lang();
}

void TFNew_Project::FormShow(TComponent*)
{
    E_New_Proj->SetText(String());
    if (E_New_Proj->CanFocus())
        E_New_Proj->SetFocus();
}

void TFNew_Project::Btn_OKClick(TComponent*)
{
    const int32_t refused = Create_Project(E_New_Proj->Text());
    if (refused != 0) {
        MessageDlg(Lang_Texts()[refused], mtError, mbOKOnly);
        return;
    }
    SetModalResult(mrOk);
}

void TFNew_Project::E_New_ProjKeyPress(TComponent* Sender, TChar& Key)
{
    if (Key == 13) {
        Key = 0;
        Btn_OKClick(Sender);
    }
}

void TFNew_Project::Set_Lang()
{
    const TLang_Texts& texts = Lang_Texts();
    SetCaption(texts[100]);
    L_SW_Desc->SetCaption(texts[101]);
    Label1->SetCaption(texts[102]);
    Btn_OK->SetCaption(texts[103]);
    Btn_Cancel->SetCaption(texts[104]);
    E_New_Proj->SetHint(texts[108]);
    Btn_OK->SetHint(texts[109]);
    Btn_Cancel->SetHint(texts[110]);
}
