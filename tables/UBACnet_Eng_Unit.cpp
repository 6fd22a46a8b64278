#include "tables/UBACnet_Eng_Unit.h"

#include "app/UDialog_Title.h"
#include "app/lang/ULanguage.h"
#include "platform/core/SysUtils.h"
#include "tables/UBACnet_Eng_Unit_Names.h"

TFBACnet_Eng_Unit* FBACnet_Eng_Unit = nullptr;

namespace {

constexpr int32_t Client_Width = 548;
constexpr int32_t Client_Height = 306;

template <typename T>
T* New_Control(TForm* form, const char* name, int32_t left, int32_t top, int32_t width, int32_t height)
{
    auto* control = new T(form);
    control->SetName(QString::fromLatin1(name));
    control->SetParent(form);
    control->SetBounds(left, top, width, height);
    return control;
}

TLabel* New_Label(TForm* form, const char* name, int32_t left, int32_t top)
{
    auto* label = New_Control<TLabel>(form, name, left, top, 0, 0);
    label->SetAutoSize(true);
    label->SetTransparent(true);
    return label;
}

TShape* New_Line(TForm* form, const char* name, int32_t top)
{
    auto* line = New_Control<TShape>(form, name, 10, top, Client_Width - 20, 1);
    line->Pen().SetColor(clSilver);
    return line;
}

} // namespace

String Desc_Unit(int32_t Code)
{
    if (Code < 0 || Code >= Eng_Unit_Count)
        return QStringLiteral("unknown");
    return QString::fromLatin1(Eng_Unit_Names[Code]);
}

TFBACnet_Eng_Unit::TFBACnet_Eng_Unit(TComponent* owner) : TForm(owner)
{
    Set_Window_Look(this, "FBACnet_Eng_Unit");

    P_Title = New_Title_Band(this, L_SW_Code, L_SW_Desc);
    P_Title->SetWidth(Client_Width);
    P_Button = New_Button_Band(this);
    P_Button->SetWidth(Client_Width);
    Btn_OK = New_Band_Button(P_Button, "Btn_OK", 108, mrOk);
    Btn_Cancel = New_Band_Button(P_Button, "Btn_Cancel", 12, mrCancel);

    constexpr int32_t top = Title_Band_Height;
    Label1 = New_Label(this, "Label1", 16, top + 10);
    E_Selected_EU = New_Control<TEdit>(this, "E_Selected_EU", 16, top + 28, 100, 21);
    Label5 = New_Label(this, "Label5", 128, top + 31);
    Shape1 = New_Line(this, "Shape1", top + 60);
    Label2 = New_Label(this, "Label2", 16, top + 68);
    Label3 = New_Label(this, "Label3", 16, top + 90);
    CB_Select_Type = New_Control<TComboBox>(this, "CB_Select_Type", 16, top + 106, 250, 21);
    CB_Select_Type->SetStyle(csDropDownList);
    for (const TEng_Unit_Category& category : Eng_Unit_Categories)
        CB_Select_Type->Items().Add(QString::fromLatin1(category.Name));
    CB_Select_Type->SetItemIndex(0);
    CB_Select_Type->OnSelect = [this](TComponent* sender) { CB_Select_TypeSelect(sender); };
    Label4 = New_Label(this, "Label4", 280, top + 90);
    CB_Select_Unit = New_Control<TComboBox>(this, "CB_Select_Unit", 280, top + 106, 250, 21);
    CB_Select_Unit->SetStyle(csDropDownList);
    Btn_Select_Eng_Unit = new TLbButton(this);
    Btn_Select_Eng_Unit->SetName(QStringLiteral("Btn_Select_Eng_Unit"));
    Btn_Select_Eng_Unit->SetParent(this);
    Btn_Select_Eng_Unit->SetBounds(16, top + 138, 200, 28);
    Set_Dialog_Button_Look(Btn_Select_Eng_Unit);
    Btn_Select_Eng_Unit->OnClick = [this](TComponent* sender) { Btn_Select_Eng_UnitClick(sender); };
    Shape2 = New_Line(this, "Shape2", top + 178);

    OnCreate = [this](TComponent* sender) { FormCreate(sender); };
    OnShow = [this](TComponent* sender) { FormShow(sender); };
}

TFBACnet_Eng_Unit::~TFBACnet_Eng_Unit()
{
    if (FBACnet_Eng_Unit == this)
        FBACnet_Eng_Unit = nullptr;
}

void TFBACnet_Eng_Unit::FormCreate(TComponent*)
{
    SetClientWidth(Client_Width);
    SetClientHeight(Client_Height);
    Set_Lang();
}

void TFBACnet_Eng_Unit::FormShow(TComponent* Sender) { CB_Select_TypeSelect(Sender); }

void TFBACnet_Eng_Unit::Set_Lang()
{
    const TLang_Texts& texts = Lang_Texts();
    SetCaption(texts[2000]);
    L_SW_Desc->SetCaption(texts[2001]);
    Btn_OK->SetCaption(texts[2002]);
    Btn_Cancel->SetCaption(texts[2003]);
    Label1->SetCaption(texts[2004]);
    Label2->SetCaption(texts[2005]);
    Label3->SetCaption(texts[2006]);
    Label4->SetCaption(texts[2007]);
    Btn_Select_Eng_Unit->SetCaption(texts[2008]);
}

void TFBACnet_Eng_Unit::CB_Select_TypeSelect(TComponent*)
{
    CB_Select_Unit->Clear();
    const int32_t index = CB_Select_Type->ItemIndex();
    if (index < 0 || index >= Eng_Unit_Category_Count)
        return;
    const TEng_Unit_Category& category = Eng_Unit_Categories[index];
    for (int32_t unit = 0; unit < category.Count; ++unit)
        CB_Select_Unit->Items().Add(QString::fromLatin1(Eng_Unit_List_Name(category.Codes[unit])));
    CB_Select_Unit->SetItemIndex(0);
}

void TFBACnet_Eng_Unit::Btn_Select_Eng_UnitClick(TComponent*)
{
    int32_t code = 0;
    const int32_t category = CB_Select_Type->ItemIndex();
    const int32_t unit = CB_Select_Unit->ItemIndex();
    if (category >= 0 && category < Eng_Unit_Category_Count && unit >= 0 && unit < Eng_Unit_Categories[category].Count)
        code = Eng_Unit_Categories[category].Codes[unit];
    E_Selected_EU->SetText(IntToStr(code));
    Label5->SetCaption(QStringLiteral("-> ") + Desc_Unit(code));
}
