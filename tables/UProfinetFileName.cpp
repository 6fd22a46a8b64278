#include "tables/UProfinetFileName.h"

#include "app/UDialog_Title.h"
#include "app/lang/ULanguage.h"
#include "platform/core/DateUtils.h"
#include "platform/core/SysUtils.h"
#include "platform/ui/UiServices.h"

TFProfinetFileName* FProfinetFileName = nullptr;

namespace {

constexpr int32_t Client_Width = 540;
constexpr int32_t Client_Height = 205;

TLabel* New_Label(TForm* form, const char* name, int32_t left, int32_t top)
{
    auto* label = new TLabel(form);
    label->SetName(QString::fromLatin1(name));
    label->SetParent(form);
    label->SetAutoSize(true);
    label->SetTransparent(true);
    label->SetBounds(left, top, 0, 0);
    return label;
}

} // namespace

bool Valid_GSDML_User_Part(const String& userPart)
{
    for (const QChar character : userPart)
        if (character.unicode() < u' ' || QStringLiteral("/\\:*?\"<>|").contains(character))
            return false;
    return true;
}

TFProfinetFileName::TFProfinetFileName(TComponent* owner) : TForm(owner)
{
    Set_Window_Look(this, "FProfinetFileName");

    P_Title = New_Title_Band(this, L_SW_Code, L_SW_Desc);
    P_Title->SetWidth(Client_Width);
    P_Button = New_Button_Band(this);
    P_Button->SetWidth(Client_Width);
    Btn_OK = New_Band_Button(P_Button, "Btn_OK", 108, mrNone);
    Btn_OK->OnClick = [this](TComponent* sender) { Btn_OKClick(sender); };
    Btn_Cancel = New_Band_Button(P_Button, "Btn_Cancel", 12, mrCancel);

    constexpr int32_t top = Title_Band_Height + 10;
    Label1 = New_Label(this, "Label1", 16, top);
    Label1->SetParentFont(false);
    Label1->Font().SetName(QStringLiteral("Verdana"));
    Label1->Font().SetHeight(-11);
    Label1->Font().SetStyle({ fsBold });
    Label2 = New_Label(this, "Label2", 16, top + 30);
    L_XML_Fix1 = New_Label(this, "L_XML_Fix1", 16, top + 52);
    Label4 = New_Label(this, "Label4", 232, top + 30);
    E_XML_User = new TEdit(this);
    E_XML_User->SetName(QStringLiteral("E_XML_User"));
    E_XML_User->SetParent(this);
    E_XML_User->SetBounds(232, top + 48, 170, 21);
    E_XML_User->SetShowHint(true);
    Label5 = New_Label(this, "Label5", 412, top + 30);
    L_XML_Fix2 = New_Label(this, "L_XML_Fix2", 412, top + 52);

    OnCreate = [this](TComponent* sender) { FormCreate(sender); };
}

TFProfinetFileName::~TFProfinetFileName()
{
    if (FProfinetFileName == this)
        FProfinetFileName = nullptr;
}

void TFProfinetFileName::FormCreate(TComponent*)
{
    SetClientWidth(Client_Width);
    SetClientHeight(Client_Height);
    L_XML_Fix1->SetCaption(QStringLiteral("GSDML-V2.31-Morvane-DV-TX211"));
    int year = 0, month = 0, day = 0;
    DecodeDate(Date(), year, month, day);
    L_XML_Fix2->SetCaption(QStringLiteral("-%1%2%3.xml")
                               .arg(year, 4, 10, QChar(u'0'))
                               .arg(month, 2, 10, QChar(u'0'))
                               .arg(day, 2, 10, QChar(u'0')));
    Set_Lang();
}

void TFProfinetFileName::Set_Lang()
{
    const TLang_Texts& texts = Lang_Texts();
    SetCaption(texts[1800]);
    L_SW_Desc->SetCaption(texts[1801]);
    Btn_OK->SetCaption(texts[1802]);
    Btn_Cancel->SetCaption(texts[1803]);
    Label1->SetCaption(texts[1804]);
    Label2->SetCaption(texts[1805]);
    Label4->SetCaption(texts[1806]);
    Label5->SetCaption(texts[1807]);
    E_XML_User->SetHint(texts[1808]);
    Btn_OK->SetHint(texts[1809]);
    Btn_Cancel->SetHint(texts[1810]);
}

void TFProfinetFileName::Btn_OKClick(TComponent*)
{
    const String userPart = E_XML_User->Text();
    if (!Valid_GSDML_User_Part(userPart)) {
        MessageDlg(Lang_Texts()[1812], mtError, mbOKOnly);
        return;
    }
    if (Trim(userPart).isEmpty())
        Name_File_XML = L_XML_Fix1->Caption() + L_XML_Fix2->Caption();
    else if (userPart.startsWith(u'_'))
        Name_File_XML = L_XML_Fix1->Caption() + userPart + L_XML_Fix2->Caption();
    else
        Name_File_XML = L_XML_Fix1->Caption() + u'_' + userPart + L_XML_Fix2->Caption();
    SetModalResult(mrOk);
}
