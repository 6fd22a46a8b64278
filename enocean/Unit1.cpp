#include "enocean/Unit1.h"

#include "app/UComon.h"
#include "app/UDialog_Title.h"
#include "enocean/UEnOcean_Catalog.h"
#include "enocean/UEnOcean_Form_Controls.h"
#include "platform/ui/UiServices.h"

TForm1* Form1 = nullptr;

namespace {

constexpr int32_t Row_Step = 48;

} // namespace

TForm1::TForm1(TComponent* owner) : TForm(owner)
{
    Set_Window_Look(this, "Form1");
    SetCaption(QStringLiteral("Form1"));
    SetClientWidth(480);
    SetClientHeight(4 * Row_Step + 56);
    const auto row = [this](int32_t index, const char* labelName, const char* caption, TLabel*& label, const char* name) {
        label = New_EnOcean_Control<TLabel>(this, labelName, 16, 12 + index * Row_Step, 200, 16);
        label->SetCaption(QString::fromLatin1(caption));
        return New_EnOcean_List(this, name, 16, 30 + index * Row_Step, 448, {});
    };
    CB_Rorg = row(0, "L_Rorg", "RORG", L_Rorg, "CB_Rorg");
    CB_Func = row(1, "L_Func", "FUNC", L_Func, "CB_Func");
    CB_Type = row(2, "L_Type", "TYPE", L_Type, "CB_Type");
    CB_DataField = row(3, "L_DataField", "DATAFIELD", L_DataField, "CB_DataField");
    CB_Rorg->OnChange = [this](TComponent* sender) { CB_RorgChange(sender); };
    CB_Func->OnChange = [this](TComponent* sender) { CB_FuncChange(sender); };
    CB_Type->OnChange = [this](TComponent* sender) { CB_TypeChange(sender); };
    Button1 = New_EnOcean_Control<TLbButton>(this, "Button1", 16, 12 + 4 * Row_Step, 120, 28);
    Set_Dialog_Button_Look(Button1);
    Button1->SetCaption(QStringLiteral("Carica XML"));
    Button1->OnClick = [this](TComponent* sender) { Button1Click(sender); };

    OnCreate = [this](TComponent* sender) { FormCreate(sender); };
}

TForm1::~TForm1()
{
    if (Form1 == this)
        Form1 = nullptr;
}

void TForm1::FormCreate(TComponent*) { Catalog_EnOcean = std::make_unique<TCatalog_EnOcean>(); }

String TForm1::Catalog_File() const { return Cat_EnOcean_Path + QStringLiteral("/eep.xml"); }

void TForm1::Button1Click(TComponent*)
{
    if (!Catalog_EnOcean)
        Catalog_EnOcean = std::make_unique<TCatalog_EnOcean>();
    ShowMessage(Catalog_EnOcean->Read_Cat_EnOcean_XML(Catalog_File()) ? QStringLiteral("OK") : QStringLiteral("Error"));
    Set_List_Items(CB_Rorg, &Catalog_EnOcean->Rorg_SL);
}

void TForm1::CB_RorgChange(TComponent* Sender) { Catalog_Cascade(*Catalog_EnOcean, { CB_Rorg, CB_Func }, Sender); }

void TForm1::CB_FuncChange(TComponent* Sender) { Catalog_Cascade(*Catalog_EnOcean, { CB_Rorg, CB_Func, CB_Type }, Sender); }

// The data fields of a TYPE belong to its cases, which this form does not list.
void TForm1::CB_TypeChange(TComponent*) { }
