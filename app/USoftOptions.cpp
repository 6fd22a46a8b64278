#include "app/USoftOptions.h"

#include "app/UComon.h"
#include "app/UDialog_Title.h"
#include "app/ULanguage_Pages.h"
#include "app/UTrelvadoreFirmWare.h"
#include "app/UVersion_Check.h"
#include "app/lang/ULanguage.h"
#include "platform/ui/Timer.h"
#include "platform/ui/UiServices.h"

TFSoftOptions* FSoftOptions = nullptr;

namespace {

constexpr int32_t Client_Width = 509;
constexpr int32_t Client_Height = 373;

// Where the six language slots stand on the language page: two columns of
// three, the flag at the left of its name.
struct TLang_Slot {
    int32_t Picture_Left, Picture_Top;
    int32_t Label_Left, Label_Top;
};

const TLang_Slot Lang_Slot_Places[TFSoftOptions::Lang_Slots] = {
    { 24, 40, 80, 56 },   { 25, 94, 80, 110 },   { 26, 148, 80, 164 },
    { 254, 40, 310, 56 }, { 254, 94, 310, 110 }, { 254, 148, 310, 164 },
};

constexpr int32_t Flag_Size = 48;

} // namespace

TFSoftOptions::TFSoftOptions(TComponent* owner) : TForm(owner)
{
    Set_Window_Look(this, "FSoftOptions");
    SetClientWidth(Client_Width);
    SetClientHeight(Client_Height);

    P_Title = New_Title_Band(this, L_SW_Code, L_SW_Desc);
    P_Button = New_Button_Band(this);
    P_Title->SetWidth(Client_Width);
    P_Button->SetWidth(Client_Width);
    Btn_OK = New_Band_Button(P_Button, "Btn_OK", 108, mrNone);
    Btn_OK->OnClick = [this](TComponent* sender) { Btn_OKClick(sender); };
    Btn_Cancel = New_Band_Button(P_Button, "Btn_Cancel", 12, mrCancel);
    Btn_Cancel->SetCancel(true);

    PC_Options = new TPageControl(this);
    PC_Options->SetName(QStringLiteral("PC_Options"));
    PC_Options->SetParent(this);
    PC_Options->SetBounds(0, Title_Band_Height, Client_Width, Client_Height - Title_Band_Height - Button_Band_Height);
    TS_Language = New_Sheet("TS_Language");
    TS_Con_Options = New_Sheet("TS_Con_Options");
    TS_Soft_Settings = New_Sheet("TS_Soft_Settings");

    const auto on_check = [this](TComponent* sender) { CB_En_ConClick(sender); };
    CB_En_Con = New_Check_Box(TS_Con_Options, "CB_En_Con", 24);
    CB_Update = New_Check_Box(TS_Con_Options, "CB_Update", 56);
    Btn_Check_Update = New_Button(TS_Con_Options, "Btn_Check_Update", 24, 96, 220);
    Btn_Check_Update->OnClick = [this](TComponent* sender) { Btn_Check_UpdateClick(sender); };
    LL_Check_Update = new TLinkLabel(this);
    LL_Check_Update->SetName(QStringLiteral("LL_Check_Update"));
    LL_Check_Update->SetParent(TS_Con_Options);
    LL_Check_Update->SetBounds(24, 140, 450, 20);
    LL_Check_Update->SetVisible(false);
    LL_Check_Update->OnLinkClick = [this](TComponent* sender, const String& link, TSysLinkType type) {
        LL_Check_UpdateLinkClick(sender, link, type);
    };
    CB_Soft_Set_Jump_Table = New_Check_Box(TS_Soft_Settings, "CB_Soft_Set_Jump_Table", 24);
    CB_DoubleClick_Auto_Size = New_Check_Box(TS_Soft_Settings, "CB_DoubleClick_Auto_Size", 56);
    for (TCheckBox* box : { CB_En_Con, CB_Update, CB_Soft_Set_Jump_Table, CB_DoubleClick_Auto_Size })
        box->OnClick = on_check;

    Create_Lang_Slots();

    OnCreate = [this](TComponent* sender) { FormCreate(sender); };
    OnShow = [this](TComponent* sender) { FormShow(sender); };
}

TFSoftOptions::~TFSoftOptions()
{
    if (FSoftOptions == this)
        FSoftOptions = nullptr;
}

TTabSheet* TFSoftOptions::New_Sheet(const char* name)
{
    auto* sheet = new TTabSheet(this);
    sheet->SetName(QString::fromLatin1(name));
    sheet->SetPageControl(PC_Options);
    return sheet;
}

TCheckBox* TFSoftOptions::New_Check_Box(TTabSheet* sheet, const char* name, int32_t top)
{
    auto* box = new TCheckBox(this);
    box->SetName(QString::fromLatin1(name));
    box->SetParent(sheet);
    box->SetBounds(24, top, 450, 17);
    return box;
}

TLbButton* TFSoftOptions::New_Button(TTabSheet* sheet, const char* name, int32_t left, int32_t top, int32_t width)
{
    auto* button = new TLbButton(this);
    button->SetName(QString::fromLatin1(name));
    button->SetParent(sheet);
    Set_Dialog_Button_Look(button);
    button->SetBounds(left, top, width, 26);
    return button;
}

void TFSoftOptions::Create_Lang_Slots()
{
    L_Sel_Lang = new TLabel(this);
    L_Sel_Lang->SetName(QStringLiteral("L_Sel_Lang"));
    L_Sel_Lang->SetParent(TS_Language);
    L_Sel_Lang->SetAutoSize(true);
    L_Sel_Lang->SetTransparent(true);
    L_Sel_Lang->SetBounds(24, 12, 0, 0);
    L_Sel_Lang->SetParentFont(false);
    L_Sel_Lang->Font().SetName(QStringLiteral("Verdana"));
    L_Sel_Lang->Font().SetHeight(-11);
    L_Sel_Lang->Font().SetStyle({ fsBold });

    const auto on_lang = [this](TComponent* sender) { LangClick(sender); };
    for (int32_t slot = 0; slot < Lang_Slots; ++slot) {
        const TLang_Slot& place = Lang_Slot_Places[slot];
        I_L[slot] = new TImage(this);
        I_L[slot]->SetName(QStringLiteral("I_L%1").arg(slot + 1));
        I_L[slot]->SetParent(TS_Language);
        I_L[slot]->SetBounds(place.Picture_Left, place.Picture_Top, Flag_Size, Flag_Size);
        I_L[slot]->SetStretch(true);
        I_L[slot]->SetCursor(crHandPoint);
        I_L[slot]->OnClick = on_lang;
        L_L[slot] = new TLabel(this);
        L_L[slot]->SetName(QStringLiteral("L_L%1").arg(slot + 1));
        L_L[slot]->SetParent(TS_Language);
        L_L[slot]->SetAutoSize(true);
        L_L[slot]->SetTransparent(true);
        L_L[slot]->SetBounds(place.Label_Left, place.Label_Top, 0, 0);
        L_L[slot]->SetCursor(crHandPoint);
        L_L[slot]->OnClick = on_lang;
    }

    const int32_t bottom = PC_Options->DisplayRect().Height() - 32;
    Btn_Prev = New_Button(TS_Language, "Btn_Prev", 24, bottom, 90);
    Btn_Next = New_Button(TS_Language, "Btn_Next", PC_Options->DisplayRect().Width() - 24 - 90, bottom, 90);
    for (TLbButton* button : { Btn_Prev, Btn_Next })
        button->OnClick = [this](TComponent* sender) { Btn_NextClick(sender); };
    L_Page_Lang = new TLabel(this);
    L_Page_Lang->SetName(QStringLiteral("L_Page_Lang"));
    L_Page_Lang->SetParent(TS_Language);
    L_Page_Lang->SetAutoSize(false);
    L_Page_Lang->SetAlignment(taCenter);
    L_Page_Lang->SetTransparent(true);
    L_Page_Lang->SetBounds(130, bottom + 6, PC_Options->DisplayRect().Width() - 260, 16);
}

void TFSoftOptions::FormCreate(TComponent*)
{
    L_SW_Code->SetCaption(SW_Code);
    TS_Con_Options->SetTabVisible(true);
    Set_Lang();
}

void TFSoftOptions::FormShow(TComponent*)
{
    Language_In_Use = Language_Name;
    Create_Lang_List();
    LL_Check_Update->Hide();
    PC_Options->SetActivePage(TS_Language);
    CB_En_Con->SetChecked(Opt_Enable_Internet);
    CB_Update->SetChecked(Opt_Enable_Update);
    CB_Soft_Set_Jump_Table->SetChecked(Opt_Jump_Field_Tables);
    CB_DoubleClick_Auto_Size->SetChecked(Opt_Double_Click_Auto_Size);
    Update_CheckBox();
}

void TFSoftOptions::Create_Lang_List()
{
    ::Create_Lang_List(Language_Path, SL_Languages);
    Show_Page = 1;
    Update_Lang_Page(1);
}

void TFSoftOptions::Update_Lang_Page(int32_t Num_Page)
{
    const int32_t count = SL_Languages.Count();
    const int32_t pages = Lang_Page_Count(count);
    L_Sel_Lang->SetCaption(Lang_Texts()[304] + Language_In_Use);
    L_Page_Lang->SetCaption(Lang_Page_Caption(Num_Page, pages));
    Btn_Prev->SetVisible(Num_Page != 1);
    Btn_Next->SetVisible(Num_Page != pages);
    const int32_t shown = Lang_Slots_On_Page(count, Num_Page);
    for (int32_t slot = 0; slot < Lang_Slots; ++slot) {
        L_L[slot]->SetVisible(slot < shown);
        I_L[slot]->SetVisible(false);
        if (slot >= shown)
            continue;
        const String name = Lang_Name_At(SL_Languages, Num_Page, slot);
        L_L[slot]->SetCaption(name);
        const String flag = Lang_Flag_File(Language_Path, name);
        if (flag.isEmpty())
            continue;
        // A flag that cannot be read leaves the slot with its name alone.
        try {
            I_L[slot]->Picture().LoadFromFile(flag);
            I_L[slot]->Invalidate();
            I_L[slot]->Show();
        } catch (const Exception&) {
        }
    }
}

void TFSoftOptions::Btn_NextClick(TComponent* Sender)
{
    const int32_t pages = Lang_Page_Count(SL_Languages.Count());
    if (Sender == Btn_Next && Show_Page + 1 <= pages)
        ++Show_Page;
    else if (Sender == Btn_Prev && Show_Page - 1 > 0)
        --Show_Page;
    Update_Lang_Page(Show_Page);
}

void TFSoftOptions::LangClick(TComponent* Sender)
{
    for (int32_t slot = 0; slot < Lang_Slots; ++slot) {
        if (Sender != I_L[slot] && Sender != L_L[slot])
            continue;
        const String name = Lang_Name_At(SL_Languages, Show_Page, slot);
        if (MessageDlg(Change_Language_Question(Language_In_Use, name), mtConfirmation, mbYesNo) != mrYes)
            return;
        Language_In_Use = name;
        Load_Language_Texts(name);
        if (FTrelvadoreFirmWare)
            FTrelvadoreFirmWare->Change_Language();
        else
            Set_Lang();
        L_Sel_Lang->SetCaption(Lang_Texts()[304] + Language_In_Use);
        return;
    }
}

void TFSoftOptions::CB_En_ConClick(TComponent*) { Update_CheckBox(); }

void TFSoftOptions::Update_CheckBox()
{
    CB_Update->SetEnabled(CB_En_Con->Checked());
    Btn_Check_Update->SetEnabled(CB_Update->Enabled() && CB_Update->Checked() && Maker_Server_Known());
}

void TFSoftOptions::Btn_OKClick(TComponent*)
{
    Language_Name = Language_In_Use;
    Opt_Enable_Internet = CB_En_Con->Checked();
    Opt_Enable_Update = CB_Update->Checked();
    if (FTrelvadoreFirmWare)
        FTrelvadoreFirmWare->Timer_Update->SetEnabled(Update_Timer_Wanted());
    Opt_Jump_Field_Tables = CB_Soft_Set_Jump_Table->Checked();
    Opt_Double_Click_Auto_Size = CB_DoubleClick_Auto_Size->Checked();
    SetModalResult(mrOk);
}

void TFSoftOptions::Btn_Check_UpdateClick(TComponent*)
{
    LL_Check_Update->SetCaption(Check_Version() ? Update_Link_Caption(Lang_Texts()[314]) : Lang_Texts()[315]);
    LL_Check_Update->Show();
}

void TFSoftOptions::LL_Check_UpdateLinkClick(TComponent*, const String& Link, TSysLinkType)
{
    UiServices().OpenLink(Link);
}

bool TFSoftOptions::Check_Version() const
{
    return FTrelvadoreFirmWare && ::Check_Version(FTrelvadoreFirmWare->HTTP1);
}

void TFSoftOptions::Set_Lang()
{
    const TLang_Texts& texts = Lang_Texts();
    SetCaption(texts[300]);
    L_SW_Desc->SetCaption(texts[301]);
    TS_Language->SetCaption(texts[302]);
    TS_Con_Options->SetCaption(texts[303]);
    L_Sel_Lang->SetCaption(texts[304] + Language_In_Use);
    // Before the first showing there is no list yet; afterwards the label
    // keeps telling the page shown.
    L_Page_Lang->SetCaption(Show_Page == 0 ? Lang_Page_Caption(1, 1)
                                           : Lang_Page_Caption(Show_Page, Lang_Page_Count(SL_Languages.Count())));
    Btn_Prev->SetCaption(texts[307]);
    Btn_Next->SetCaption(texts[308]);
    CB_En_Con->SetCaption(texts[309]);
    CB_Update->SetCaption(texts[310]);
    Btn_Check_Update->SetCaption(texts[311]);
    Btn_OK->SetCaption(texts[312]);
    Btn_Cancel->SetCaption(texts[313]);
    TS_Soft_Settings->SetCaption(texts[319]);
    CB_Soft_Set_Jump_Table->SetCaption(texts[320]);
    CB_DoubleClick_Auto_Size->SetCaption(texts[321]);
}
