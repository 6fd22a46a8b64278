#include "app/UAbout.h"

#include "app/UDialog_Title.h"
#include "app/UGlyphs.h"
#include "app/UVersion_Check.h"
#include "platform/ui/UiServices.h"

TFAbout* FAbout = nullptr;

namespace {

struct TAbout_Label {
    TLabel* TFAbout::*Field;
    const char* Name;
    int32_t Top, Left;
    const char* Caption; // the fixed ones; the others are filled when shown
    bool Bold;
};

const TAbout_Label About_Labels[] = {
    { &TFAbout::Label1, "Label1", 12, 112, "Software Trelvador ", true },
    { &TFAbout::Label2, "Label2", 30, 112, "", false },
    { &TFAbout::Label6, "Label6", 54, 112, "Software Code : ", false },
    { &TFAbout::Label9, "Label9", 54, 232, "", true },
    { &TFAbout::Label3, "Label3", 72, 112, "Version :", false },
    { &TFAbout::Label10, "Label10", 72, 232, "", true },
    { &TFAbout::Label8, "Label8", 90, 112, "Document Code :", false },
    { &TFAbout::Label12, "Label12", 90, 232, "", true },
    { &TFAbout::Label4, "Label4", 118, 112, "", false },
};


} // namespace

TFAbout::TFAbout(TComponent* owner) : TForm(owner)
{
    Set_Window_Look(this, "FAbout");
    SetCaption(QStringLiteral("About"));

    Image2 = new TImage(this);
    Image2->SetName(QStringLiteral("Image2"));
    Image2->SetParent(this);
    Image2->SetBounds(16, 16, 81, 81);
    Image2->SetStretch(true);
    Draw_About_Picture(Image2->Picture().Bitmap());
    Set_Maker_Link(*Image2);
    Image2->OnClick = [this](TComponent* sender) { Label4Click(sender); };

    for (const TAbout_Label& entry : About_Labels) {
        auto* label = new TLabel(this);
        label->SetName(QString::fromLatin1(entry.Name));
        label->SetParent(this);
        label->SetAutoSize(true);
        label->SetTransparent(true);
        label->SetBounds(entry.Left, entry.Top, 0, 0);
        label->SetCaption(QString::fromLatin1(entry.Caption));
        if (entry.Bold) {
            label->SetParentFont(false);
            label->Font().SetName(QStringLiteral("Verdana"));
            label->Font().SetHeight(-11);
            label->Font().SetStyle({ fsBold });
        }
        this->*entry.Field = label;
    }
    Label4->SetCaption(Maker_Web_Address());
    Set_Maker_Link(*Label4);
    Label4->SetParentFont(false);
    Label4->Font().SetName(QStringLiteral("Verdana"));
    Label4->Font().SetHeight(-11);
    Label4->Font().SetColor(clBlue);
    Label4->Font().SetStyle({ fsUnderline });
    Label4->OnClick = [this](TComponent* sender) { Label4Click(sender); };

    LbButton1 = new TLbButton(this);
    LbButton1->SetName(QStringLiteral("LbButton1"));
    LbButton1->SetParent(this);
    LbButton1->SetBounds(325, 108, 84, 28);
    Set_Dialog_Button_Look(LbButton1);
    LbButton1->SetCaption(QStringLiteral("OK"));
    LbButton1->SetModalResult(mrOk);

    OnShow = [this](TComponent* sender) { FormShow(sender); };
}

TFAbout::~TFAbout()
{
    if (FAbout == this)
        FAbout = nullptr;
}

void TFAbout::FormShow(TComponent*)
{
    Label2->SetCaption(QStringLiteral("EnOcean / NMEA 2000 - Converter"));
    Label9->SetCaption(QStringLiteral("SC-TX209"));
    Label10->SetCaption(SW_Version);
    Label12->SetCaption(QStringLiteral("MC-TX209"));
    SetClientWidth(425);
    SetClientHeight(148);
}

void TFAbout::Label4Click(TComponent*) { Open_Maker_Page(Home_Page_Url()); }
