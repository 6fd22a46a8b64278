#include "tables/UTopicTemplate.h"

#include "app/UDialog_Title.h"
#include "app/lang/ULanguage.h"
#include "platform/core/StringList.h"

TFTopicTemplate* FTopicTemplate = nullptr;

namespace {

constexpr int32_t Client_Width = 635;
constexpr int32_t Client_Height = 396;
constexpr int32_t Legend_Height = 108;

} // namespace

TFTopicTemplate::TFTopicTemplate(TComponent* owner) : TForm(owner)
{
    Set_Window_Look(this, "FTopicTemplate");

    P_Title = New_Title_Band(this, L_SW_Code, L_SW_Desc);
    P_Title->SetWidth(Client_Width);
    P_Button = New_Button_Band(this);
    P_Button->SetWidth(Client_Width);
    Btn_OK = New_Band_Button(P_Button, "Btn_OK", 108, mrOk);
    Btn_Cancel = New_Band_Button(P_Button, "Btn_Cancel", 12, mrCancel);

    P_Legend = new TPanel(this);
    P_Legend->SetName(QStringLiteral("P_Legend"));
    P_Legend->SetParent(this);
    P_Legend->SetAlign(alBottom);
    P_Legend->SetHeight(Legend_Height);
    P_Legend->SetBevelOuter(bvNone);
    L_List_Keywords = new TLabel(this);
    L_List_Keywords->SetName(QStringLiteral("L_List_Keywords"));
    L_List_Keywords->SetParent(P_Legend);
    L_List_Keywords->SetAutoSize(true);
    L_List_Keywords->SetBounds(8, 4, 0, 0);
    ZUZ_Keywords = new TDudStringGrid(this);
    ZUZ_Keywords->SetName(QStringLiteral("ZUZ_Keywords"));
    ZUZ_Keywords->SetParent(P_Legend);
    ZUZ_Keywords->SetBounds(8, 22, Client_Width - 16, Legend_Height - 28);
    ZUZ_Keywords->SetColCount(2);
    ZUZ_Keywords->SetRowCount(2);
    ZUZ_Keywords->SetFixedCols(0);
    ZUZ_Keywords->SetFixedRows(1);
    ZUZ_Keywords->SetColWidths(0, 200);
    ZUZ_Keywords->SetColWidths(1, 380);
    ZUZ_Keywords->SetOptions(ZUZ_Keywords->Options() << goEditing);

    Splitter1 = new TSplitter(this);
    Splitter1->SetName(QStringLiteral("Splitter1"));
    Splitter1->SetParent(this);
    Splitter1->SetAlign(alBottom);

    Panel1 = new TPanel(this);
    Panel1->SetName(QStringLiteral("Panel1"));
    Panel1->SetParent(this);
    Panel1->SetAlign(alClient);
    Panel1->SetBevelOuter(bvNone);
    RE_TopicTemplate = new TRichEdit(this);
    RE_TopicTemplate->SetName(QStringLiteral("RE_TopicTemplate"));
    RE_TopicTemplate->SetParent(Panel1);
    RE_TopicTemplate->SetAlign(alClient);

    OnCreate = [this](TComponent* sender) { FormCreate(sender); };
    OnShow = [this](TComponent* sender) { FormShow(sender); };
}

TFTopicTemplate::~TFTopicTemplate()
{
    if (FTopicTemplate == this)
        FTopicTemplate = nullptr;
}

void TFTopicTemplate::FormCreate(TComponent*)
{
    SetClientWidth(Client_Width);
    SetClientHeight(Client_Height);
    Set_Lang();
}

void TFTopicTemplate::Set_Lang()
{
    const TLang_Texts& texts = Lang_Texts();
    SetCaption(texts[1600]);
    L_SW_Desc->SetCaption(texts[1602]);
    L_List_Keywords->SetCaption(texts[1604]);
    ZUZ_Keywords->SetCells(0, 0, texts[1605]);
    ZUZ_Keywords->SetCells(1, 0, texts[1606]);
    Btn_OK->SetCaption(texts[1607]);
    Btn_Cancel->SetCaption(texts[1608]);
}

void TFTopicTemplate::FormShow(TComponent*)
{
    const TLang_Texts& texts = Lang_Texts();
    SetCaption(texts[TopicTemplate != 0 ? 1601 : 1600]);
    L_SW_Desc->SetCaption(texts[TopicTemplate != 0 ? 1603 : 1602]);
    Laod_Keywords();
    if (RE_TopicTemplate->CanFocus())
        RE_TopicTemplate->SetFocus();
}

void TFTopicTemplate::Laod_Keywords()
{
    // The program offers no keyword list yet ("$VALUE$" is the one keyword,
    // offered by the Template columns themselves).
    TStringList keywords;
    TStringList descriptions;
    const int32_t rows = std::max<int32_t>(keywords.Count(), 1);
    ZUZ_Keywords->SetRowCount(rows + 1);
    for (int32_t row = 1; row <= rows; ++row) {
        const bool listed = row - 1 < keywords.Count();
        ZUZ_Keywords->SetCells(0, row, listed ? keywords[row - 1] : String());
        ZUZ_Keywords->SetCells(1, row, listed ? descriptions[row - 1] : String());
        ZUZ_Keywords->SetReadOnly(0, row, false);
        ZUZ_Keywords->SetReadOnly(1, row, true);
    }
}
