#include "app/UTrelvadoreFirmWare.h"

#include "app/UComon.h"
#include "app/USettings.h"
#include "app/UVersion_Check.h"
#include "app/lang/ULanguage.h"
#include "platform/ui/Timer.h"
#include "platform/ui/UiServices.h"

TFTrelvadoreFirmWare* FTrelvadoreFirmWare = nullptr;

namespace {

constexpr uint32_t First_Check_Interval = 60000;
constexpr uint32_t Next_Check_Interval = 7200000;

} // namespace

TFTrelvadoreFirmWare::TFTrelvadoreFirmWare(TComponent* owner) : TForm(owner)
{
    SetName(QStringLiteral("FTrelvadoreFirmWare"));
    SetBorderStyle(bsSingle);
    SetBorderIcons({ biSystemMenu });
    SetPosition(poScreenCenter);
    SetColor(RGB(248, 247, 237));
    Font().SetName(QStringLiteral("Verdana"));
    Font().SetHeight(-11);

    Timer_Update = new TTimer(this);
    Timer_Update->SetEnabled(false);
    Timer_Update->SetInterval(First_Check_Interval);
    Timer_Update->OnTimer = [this](TComponent* sender) { Timer_UpdateTimer(sender); };
    Setup_Version_Client(HTTP1);

    OnCreate = [this](TComponent* sender) { FormCreate(sender); };
    OnClose = [this](TComponent* sender, TCloseAction& action) { FormClose(sender, action); };
}

TFTrelvadoreFirmWare::~TFTrelvadoreFirmWare()
{
    if (FTrelvadoreFirmWare == this)
        FTrelvadoreFirmWare = nullptr;
}

void TFTrelvadoreFirmWare::FormCreate(TComponent*)
{
    Start_Workspace(Program_Folder, XML1);
    Set_Update_Timer();
    SetCaption(Main_Caption);
    SetClientWidth(694);
    SetClientHeight(484);
}

void TFTrelvadoreFirmWare::FormClose(TComponent*, TCloseAction&)
{
    try {
        Save_Setting();
    } catch (const Exception& error) {
        MessageDlg(error.Message(), mtError, mbOKOnly);
    }
}

void TFTrelvadoreFirmWare::Timer_UpdateTimer(TComponent*)
{
    Timer_Update->SetEnabled(false);
    Check_Version(HTTP1);
    Timer_Update->SetInterval(Next_Check_Interval);
    Timer_Update->SetEnabled(true);
}

void TFTrelvadoreFirmWare::Set_Files() { ::Set_Files(); }

void TFTrelvadoreFirmWare::Save_Setting() { ::Save_Setting(XML1, Settings_File()); }

void TFTrelvadoreFirmWare::Start_Program(const String& NomeSW, const String& Parameter, uint8_t tipo)
{
    ::Start_Program(NomeSW, Parameter, tipo);
}

void TFTrelvadoreFirmWare::Set_Update_Timer() { Timer_Update->SetEnabled(Update_Timer_Wanted()); }
