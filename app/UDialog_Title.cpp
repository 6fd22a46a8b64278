#include "app/UDialog_Title.h"

#include "app/UComon.h"

namespace {

TLabel* New_Band_Label(TPanel* band, const char* name, int32_t top, int32_t height, TColor color)
{
    auto* label = new TLabel(band->Owner());
    label->SetName(QString::fromLatin1(name));
    label->SetParent(band);
    label->SetAutoSize(true);
    label->SetTransparent(true);
    label->SetParentFont(false);
    label->Font().SetName(QStringLiteral("Verdana"));
    label->Font().SetHeight(height);
    label->Font().SetColor(color);
    label->Font().SetStyle({ fsBold });
    label->SetBounds(12, top, 0, 0);
    return label;
}

TPanel* New_Band(TWinControl* parent, const char* name, TAlign align, int32_t height, TColor color)
{
    auto* band = new TPanel(parent);
    band->SetName(QString::fromLatin1(name));
    band->SetParent(parent);
    band->SetAlign(align);
    band->SetHeight(height);
    band->SetBevelOuter(bvNone);
    band->SetParentColor(false);
    band->SetColor(color);
    return band;
}

} // namespace

TPanel* New_Title_Band(TWinControl* parent, TLabel*& L_SW_Code, TLabel*& L_SW_Desc)
{
    TPanel* band = New_Band(parent, "P_Title", alTop, Title_Band_Height, clWhite);
    L_SW_Code = New_Band_Label(band, "L_SW_Code", 6, -24, clGray);
    L_SW_Code->SetCaption(SW_Code);
    L_SW_Desc = New_Band_Label(band, "L_SW_Desc", 40, -13, clBlack);
    return band;
}

void Set_Dialog_Button_Look(TLbButton* button)
{
    button->SetStyle(bsEncarta);
    button->SetColor(Window_Color);
    button->SetColorWhenDown(33023);
    button->SetLightColor(clGray);
    button->SetHotTrackColor(clYellow);
}

TLbButton* New_Band_Button(TPanel* band, const char* name, int32_t right, int32_t modalResult)
{
    auto* button = new TLbButton(band->Owner());
    button->SetName(QString::fromLatin1(name));
    button->SetParent(band);
    button->SetShowHint(true);
    Set_Dialog_Button_Look(button);
    button->SetModalResult(modalResult);
    button->SetBounds(band->Width() - right - 90, 6, 90, 28);
    return button;
}

TPanel* New_Button_Band(TWinControl* parent)
{
    return New_Band(parent, "P_Button", alBottom, Button_Band_Height, Window_Color);
}

void Set_Window_Look(TForm* form, const char* name)
{
    form->SetName(QString::fromLatin1(name));
    form->SetBorderStyle(bsSingle);
    form->SetBorderIcons({ biSystemMenu });
    form->SetPosition(poScreenCenter);
    form->SetColor(Window_Color);
    form->Font().SetName(QStringLiteral("Verdana"));
    form->Font().SetHeight(-11);
}
