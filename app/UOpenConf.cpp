#include "app/UOpenConf.h"

#include "app/UDialog_Title.h"
#include "app/UProjects.h"
#include "app/lang/ULanguage.h"

TFOpenConf* FOpenConf = nullptr;

TFOpenConf::TFOpenConf(TComponent* owner) : TForm(owner)
{
    Set_Window_Look(this, "FOpenConf");

    // The list comes first in the tab order, before the button band.
    Label1 = new TLabel(this);
    Label1->SetName(QStringLiteral("Label1"));
    Label1->SetParent(this);
    Label1->SetBounds(16, Title_Band_Height + 8, 345, 16);
    ListBox1 = new TListBox(this);
    ListBox1->SetName(QStringLiteral("ListBox1"));
    ListBox1->SetParent(this);
    ListBox1->SetBounds(16, Title_Band_Height + 26, 345, 351 - Button_Band_Height - Title_Band_Height - 34);
    ListBox1->SetShowHint(true);
    ListBox1->OnClick = [this](TComponent* sender) { ListBox1Click(sender); };
    ListBox1->OnKeyPress = [this](TComponent* sender, TChar& key) { ListBox1KeyPress(sender, key); };
    P_Title = New_Title_Band(this, L_SW_Code, L_SW_Desc);
    P_Button = New_Button_Band(this);
    P_Title->SetWidth(377);
    P_Button->SetWidth(377);
    Btn_OK = New_Band_Button(P_Button, "Btn_OK", 108, mrOk);
    Btn_Cancel = New_Band_Button(P_Button, "Btn_Cancel", 12, mrCancel);
    Btn_Cancel->SetCancel(true);

    OnCreate = [this](TComponent* sender) { FormCreate(sender); };
    OnShow = [this](TComponent* sender) { FormShow(sender); };
}

TFOpenConf::~TFOpenConf()
{
    if (FOpenConf == this)
        FOpenConf = nullptr;
}

void TFOpenConf::FormCreate(TComponent*)
{
    SetClientWidth(377);
    SetClientHeight(351);
    Set_Lang();
}

void TFOpenConf::FormShow(TComponent*)
{
    Load_Existing_Configuration();
    ListBox1->Items().Assign(SL);
    ListBox1->SetItemIndex(Preselect_Open_Conf(SL, Name_Conf));
    if (ListBox1->CanFocus())
        ListBox1->SetFocus();
}

void TFOpenConf::ListBox1Click(TComponent*)
{
    if (ListBox1->ItemIndex() >= 0)
        Name_Conf = ListBox1->Items()[ListBox1->ItemIndex()];
}

void TFOpenConf::ListBox1KeyPress(TComponent* Sender, TChar& Key)
{
    if (Key != 13)
        return;
    Key = 0;
    ListBox1Click(Sender);
    SetModalResult(mrOk);
}

void TFOpenConf::Load_Existing_Configuration() { ::Load_Existing_Configuration(SL); }

void TFOpenConf::Set_Lang()
{
    const TLang_Texts& texts = Lang_Texts();
    SetCaption(texts[200]);
    L_SW_Desc->SetCaption(texts[201]);
    Label1->SetCaption(texts[202]);
    Btn_OK->SetCaption(texts[203]);
    Btn_Cancel->SetCaption(texts[204]);
    ListBox1->SetHint(texts[205]);
    Btn_OK->SetHint(texts[206]);
    Btn_Cancel->SetHint(texts[207]);
}
