#include "app/UTrelvadoreFirmWare.h"

#include "app/UAbout.h"
#include "app/UDialog_Title.h"
#include "app/UComon.h"
#include "app/UGlyphs.h"
#include "app/UNew_Project.h"
#include "app/UOpenConf.h"
#include "app/UProjects.h"
#include "app/USettings.h"
#include "app/USoftOptions.h"
#include "app/UVersion_Check.h"
#include "app/lang/ULanguage.h"
#include "device/UBoot.h"
#include "device/UParGen.h"
#include "device/USaveBincc.h"
#include "enocean/UEnOcean_Device.h"
#include "enocean/UEnOcean_SetAccess.h"
#include "enocean/UEnOcean_SetAccess2.h"
#include "enocean/UEnOcean_Variable.h"
#include "enocean/UEnOcean_Variable_SAck.h"
#include "platform/core/FileUtils.h"
#include "platform/ui/Timer.h"
#include "platform/ui/UiServices.h"
#include "tables/UBACnetSlaveSetAccess.h"
#include "tables/UBACnet_EDE_File.h"
#include "tables/UBACnet_Eng_Unit.h"
#include "tables/UKNXAccess.h"
#include "tables/UModbus_TCP_Master_Set_Access.h"
#include "tables/UMQTT_Set_Topic.h"
#include "tables/UProfibus_GSD.h"
#include "tables/UProfinetFileName.h"
#include "tables/UProfinetXML.h"
#include "tables/UTopicTemplate.h"
#include "tables/UReceiveNMEA.h"
#include "tables/UTransmitNMEA.h"

TFTrelvadoreFirmWare* FTrelvadoreFirmWare = nullptr;

namespace {

constexpr uint32_t First_Check_Interval = 60000;
constexpr uint32_t Next_Check_Interval = 7200000;
constexpr int32_t Step_Rows_Shown = 6;

// The step buttons: where this build shows them, and their texts.
struct TStep_Button {
    TLbButton* TFTrelvadoreFirmWare::*Field;
    const char* Name;
    int32_t Top, Left;
    int32_t Caption, Hint;
    TColor HotTrack;
    bool Shown;
};

const TStep_Button Step_Buttons[] = {
    { &TFTrelvadoreFirmWare::Btn_New, "Btn_New", 112, 80, 15, 22, clSkyBlue, true },
    { &TFTrelvadoreFirmWare::Btn_Open, "Btn_Open", 112, 258, 16, 23, clSkyBlue, true },
    { &TFTrelvadoreFirmWare::Btn_Prm_Gen, "Btn_Prm_Gen", 156, 80, 20, 24, clYellow, true },
    { &TFTrelvadoreFirmWare::Btn_EnOcean_Access, "Btn_EnOcean_Access", 200, 80, 21, 25, clYellow, true },
    { &TFTrelvadoreFirmWare::Btn_CAN_Rec_Frame, "Btn_CAN_Rec_Frame", 244, 80, 42, 48, clYellow, true },
    { &TFTrelvadoreFirmWare::Btn_CAN_Send_Frame, "Btn_CAN_Send_Frame", 288, 80, 43, 49, clYellow, true },
    { &TFTrelvadoreFirmWare::Btn_CreateBin, "Btn_CreateBin", 332, 80, 17, 26, clSkyBlue, true },
    { &TFTrelvadoreFirmWare::Btn_MQTT_Set_Topic, "Btn_MQTT_Set_Topic", 242, 80, 27, 28, clYellow, false },
    { &TFTrelvadoreFirmWare::Btn_Modbus_Set_Access, "Btn_Modbus_Set_Access", 242, 256, 40, 41, clYellow, false },
    { &TFTrelvadoreFirmWare::Btn_BACnet_SetAccess, "Btn_BACnet_SetAccess", 284, 80, 32, 33, clYellow, false },
    { &TFTrelvadoreFirmWare::Btn_KNX_Access, "Btn_KNX_Access", 368, 80, 38, 39, clYellow, false },
    { &TFTrelvadoreFirmWare::Btn_PROFINET_XML, "Btn_PROFINET_XML", 368, 256, 29, 30, clYellow, false },
    { &TFTrelvadoreFirmWare::Btn_BACnet_EDE_File, "Btn_BACnet_EDE_File", 503, 432, 34, 35, clYellow, false },
    { &TFTrelvadoreFirmWare::Btn_PROFIBUS_GSD, "Btn_PROFIBUS_GSD", 545, 432, 36, 37, clYellow, false },
};

struct TGlyph_Button {
    TLbButton* TFTrelvadoreFirmWare::*Field;
    const char* Name;
    int32_t Left;
    int32_t Hint;
    TGlyph_Kind Glyph;
};

const TGlyph_Button Glyph_Buttons[] = {
    { &TFTrelvadoreFirmWare::Btn_Info, "Btn_Info", 516, 12, gkInfo },
    { &TFTrelvadoreFirmWare::Btn_Opz, "Btn_Opz", 574, 13, gkOptions },
    { &TFTrelvadoreFirmWare::Btn_Close, "Btn_Close", 632, 14, gkClose },
};

TLabel* New_Label(TForm* form, const char* name, int32_t top, int32_t left)
{
    auto* label = new TLabel(form);
    label->SetName(QString::fromLatin1(name));
    label->SetParent(form);
    label->SetAutoSize(true);
    label->SetTransparent(true);
    label->SetTop(top);
    label->SetLeft(left);
    return label;
}


} // namespace

TFTrelvadoreFirmWare::TFTrelvadoreFirmWare(TComponent* owner) : TForm(owner)
{
    Set_Window_Look(this, "FTrelvadoreFirmWare");

    L_SW_Code = New_Label(this, "L_SW_Code", 8, 16);
    L_SW_Code->SetParentFont(false);
    L_SW_Code->Font().SetName(QStringLiteral("Verdana"));
    L_SW_Code->Font().SetHeight(-32);
    L_SW_Code->Font().SetColor(clGray);
    L_SW_Desc = New_Label(this, "L_SW_Desc", 42, 16);
    L_SW_Desc->SetParentFont(false);
    L_SW_Desc->Font().SetName(QStringLiteral("Verdana"));
    L_SW_Desc->Font().SetHeight(-11);
    L_SW_Desc->Font().SetStyle({ fsBold });

    Shape2 = new TShape(this);
    Shape2->SetName(QStringLiteral("Shape2"));
    Shape2->SetParent(this);
    Shape2->SetBounds(80, 70, 460, 34);
    Shape2->Pen().SetColor(clSilver);
    Shape2->Brush().SetStyle(bsClear);
    L_Name_Conf = New_Label(this, "L_Name_Conf", 75, 87);
    L_Name_Conf_L2 = New_Label(this, "L_Name_Conf_L2", 88, 87);
    L_Name_Conf_L2->SetParentFont(false);
    L_Name_Conf_L2->Font().SetName(QStringLiteral("Verdana"));
    L_Name_Conf_L2->Font().SetHeight(-11);
    L_Name_Conf_L2->Font().SetStyle({ fsBold });
    L_Begin = New_Label(this, "L_Begin", 84, 16);

    for (int32_t step = 0; step < 8; ++step) {
        L_Step[step] = New_Label(this, "", 128 + 44 * step, 16);
        L_Step[step]->SetName(QStringLiteral("L_Step_%1").arg(step + 1));
        L_Step[step]->SetVisible(step < Step_Rows_Shown);
    }

    Shape1 = new TShape(this);
    Shape1->SetName(QStringLiteral("Shape1"));
    Shape1->SetParent(this);
    Shape1->SetBounds(10, 332 + 51, 674, 1);
    Shape1->Pen().SetColor(clSilver);

    L_Morvane = New_Label(this, "L_Morvane", L_Step[Step_Rows_Shown - 1]->Top(), 565);
    Set_Maker_Link(*L_Morvane);
    L_Morvane->SetParentFont(false);
    L_Morvane->Font().SetName(QStringLiteral("Verdana"));
    L_Morvane->Font().SetHeight(-11);
    L_Morvane->Font().SetColor(clBlue);
    L_Morvane->Font().SetStyle({ fsUnderline });
    L_Morvane->SetCaption(Maker_Web_Address());
    L_Morvane->OnClick = [this](TComponent* sender) { L_MorvaneClick(sender); };

    LL_Update = new TLinkLabel(this);
    LL_Update->SetName(QStringLiteral("LL_Update"));
    LL_Update->SetParent(this);
    LL_Update->SetBounds(200, 16, 300, 20);
    LL_Update->SetVisible(false);
    LL_Update->OnLinkClick = [this](TComponent* sender, const String& link, TSysLinkType type) {
        LL_UpdateLinkClick(sender, link, type);
    };

    Create_Buttons();

    SD1 = new TSaveDialog(this);
    SD1->SetName(QStringLiteral("SD1"));
    SD1->SetFilter(QStringLiteral("CSV (MS-DOS) (*.csv)|*.csv"));

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

void TFTrelvadoreFirmWare::Create_Buttons()
{
    const auto new_button = [this](const char* name) {
        auto* button = new TLbButton(this);
        button->SetName(QString::fromLatin1(name));
        button->SetParent(this);
        button->SetShowHint(true);
        button->SetStyle(bsEncarta);
        button->SetColor(Window_Color);
        button->SetColorWhenDown(33023);
        button->SetLightColor(clGray);
        button->OnClick = [this](TComponent* sender) { Btn_Click(sender); };
        return button;
    };
    for (const TStep_Button& step : Step_Buttons) {
        TLbButton* button = new_button(step.Name);
        button->SetBounds(step.Left, step.Top, 170, 36);
        button->SetAlignment(taLeftJustify);
        button->SetHotTrackColor(step.HotTrack);
        button->SetVisible(step.Shown);
        this->*step.Field = button;
    }
    for (const TGlyph_Button& entry : Glyph_Buttons) {
        TLbButton* button = new_button(entry.Name);
        button->SetBounds(entry.Left, 8, 50, 50);
        button->SetHotTrackColor(clYellow);
        TBitmap glyph;
        Draw_Glyph(entry.Glyph, glyph);
        button->SetGlyph(&glyph);
        this->*entry.Field = button;
    }
}

void TFTrelvadoreFirmWare::FormCreate(TComponent*)
{
    Start_Workspace(Program_Folder, XML1);
    Set_Update_Timer();
    SetCaption(Main_Caption);
    L_SW_Code->SetCaption(SW_Code);
    L_SW_Desc->SetCaption(SW_Desc);
    SetClientWidth(694);
    SetClientHeight(332 + 152);
    Set_Lang();
}

void TFTrelvadoreFirmWare::FormClose(TComponent*, TCloseAction&)
{
    try {
        Save_Setting();
    } catch (const Exception& error) {
        MessageDlg(error.Message(), mtError, mbOKOnly);
    }
}

void TFTrelvadoreFirmWare::Btn_Click(TComponent* Sender)
{
    if (Sender == Btn_New) {
        Create_New_Project();
    } else if (Sender == Btn_Open) {
        Open_Project();
    } else if (Sender == Btn_Close) {
        Close();
    } else if (Sender == Btn_Info) {
        UiServices().ShowModal(*FAbout);
    } else if (Sender == Btn_Opz) {
        if (UiServices().ShowModal(*FSoftOptions) == mrOk) {
            Save_Setting();
            Set_Update_Timer();
        }
    } else if (!Project_Is_Open()) {
        MessageDlg(Lang_Texts()[18], mtError, mbOKOnly);
    } else if (Sender == Btn_Prm_Gen) {
        UiServices().ShowModal(*FParGen);
    } else if (Sender == Btn_EnOcean_Access) {
        UiServices().ShowModal(*FEnOcean_SetAccess2);
    } else if (Sender == Btn_PROFINET_XML) {
        PROFINET_XML();
    } else if (Sender == Btn_BACnet_SetAccess) {
        UiServices().ShowModal(*FBACnetSlaveSetAccess);
    } else if (Sender == Btn_BACnet_EDE_File) {
        BACnet_EDE_File();
    } else if (Sender == Btn_PROFIBUS_GSD) {
        Create_GSD_File();
    } else if (Sender == Btn_CAN_Rec_Frame) {
        UiServices().ShowModal(*FReceiveNMEA);
    } else if (Sender == Btn_CAN_Send_Frame) {
        UiServices().ShowModal(*FTransmitNMEA);
    } else if (Sender == Btn_KNX_Access) {
        UiServices().ShowModal(*FKNXAccess);
    } else if (Sender == Btn_Modbus_Set_Access) {
        UiServices().ShowModal(*FModbus_TCP_Master_Set_Access);
    } else if (Sender == Btn_MQTT_Set_Topic) {
        UiServices().ShowModal(*FMQTT_Set_Topic);
    } else if (Sender == Btn_CreateBin) {
        Update_Device();
    }
    // The other editors and exporters open here as each is built.
}

void TFTrelvadoreFirmWare::Update_Device()
{
    try {
        Bin_Builder().Compile_Bin_Files(XML1, { File_ParGen, File_NMEA_Rec_Frames, File_NMEA_Send_Frames, File_EnOcean }, *EEP_Catalog);
        Bin_Builder().Save_Bin_Files(Project_Path);
    } catch (const Exception& error) {
        MessageDlg(error.Message(), mtError, mbOKOnly);
        return;
    }
    FBoot->Form_Type = 1;
    UiServices().ShowModal(*FBoot);
}

void TFTrelvadoreFirmWare::PROFINET_XML()
{
    if (UiServices().ShowModal(*FProfinetFileName) == mrOk)
        Save_GSDML_File(FProfinetFileName->Name_File_XML);
}

void TFTrelvadoreFirmWare::BACnet_EDE_File()
{
    SD1->SetInitialDir(Project_Path);
    if (!SD1->Execute())
        return;
    String fileName = SD1->FileName();
    if (UpperCase(fileName.right(4)) != u".CSV")
        fileName += QStringLiteral(".csv");
    if (FileExists(fileName) && MessageDlg(Lang_Texts()[31], mtConfirmation, mbYesNoCancel) != mrYes)
        return;
    BACnet_EDE_Export(XML1, fileName);
}

int32_t TFTrelvadoreFirmWare::Get_Type_BACnet()
{
    if (!FileExists(File_ParGen))
        return 0;
    try {
        XML1.LoadFromFile(File_ParGen);
    } catch (const EXMLError&) {
        return 0;
    }
    return StrToIntDef(XML1.FirstNode().ChildNode(QStringLiteral("BACnet_Type")).Text(), 0);
}

void TFTrelvadoreFirmWare::L_MorvaneClick(TComponent*) { Open_Maker_Page(Home_Page_Url()); }

void TFTrelvadoreFirmWare::LL_UpdateLinkClick(TComponent*, const String& Link, TSysLinkType)
{
    UiServices().OpenLink(Link);
}

void TFTrelvadoreFirmWare::Timer_UpdateTimer(TComponent*)
{
    Timer_Update->SetEnabled(false);
    if (FSoftOptions->Check_Version()) {
        LL_Update->SetCaption(Update_Link_Caption(Lang_Texts()[19]));
        LL_Update->Show();
    } else {
        LL_Update->Hide();
    }
    Timer_Update->SetInterval(Next_Check_Interval);
    Timer_Update->SetEnabled(true);
}

void TFTrelvadoreFirmWare::Set_Lang()
{
    const TLang_Texts& texts = Lang_Texts();
    L_Begin->SetCaption(texts[0]);
    for (int32_t step = 0; step < 8; ++step)
        L_Step[step]->SetCaption(texts[1 + step]);
    Set_Project_Indicator();
    for (const TStep_Button& step : Step_Buttons) {
        (this->*step.Field)->SetCaption(texts[step.Caption]);
        (this->*step.Field)->SetHint(texts[step.Hint]);
    }
    for (const TGlyph_Button& entry : Glyph_Buttons)
        (this->*entry.Field)->SetHint(texts[entry.Hint]);
}

void TFTrelvadoreFirmWare::Set_Project_Indicator()
{
    String firstLine, secondLine;
    Project_Indicator(firstLine, secondLine);
    L_Name_Conf->SetCaption(firstLine);
    L_Name_Conf_L2->SetCaption(secondLine);
}

void TFTrelvadoreFirmWare::Save_Setting() { ::Save_Setting(XML1, Settings_File()); }

void TFTrelvadoreFirmWare::Create_New_Project()
{
    if (UiServices().ShowModal(*FNew_Project) == mrOk)
        Set_Project_Indicator();
}

void TFTrelvadoreFirmWare::Open_Project()
{
    if (UiServices().ShowModal(*FOpenConf) != mrOk)
        return;
    Open_Project_Named(FOpenConf->Name_Conf);
    Set_Project_Indicator();
}

void TFTrelvadoreFirmWare::Change_Language()
{
    Set_Lang();
    FNew_Project->Set_Lang();
    FOpenConf->Set_Lang();
    FSoftOptions->Set_Lang();
    FBoot->Set_Lang();
    FParGen->Set_Lang();
    FEnOcean_SetAccess->Set_Lang();
    FProfinetFileName->Set_Lang();
    FTopicTemplate->Set_Lang();
    FBACnet_Eng_Unit->Set_Lang();
    FBACnetSlaveSetAccess->Set_Lang();
    FKNXAccess->Set_Lang();
    FModbus_TCP_Master_Set_Access->Set_Lang();
    FMQTT_Set_Topic->Set_Lang();
    FReceiveNMEA->Set_Lang();
    FTransmitNMEA->Set_Lang();
    // The other EnOcean dialogs are relabelled too, not only at the next start.
    FEnOcean_SetAccess2->Set_Lang();
    FEnOcean_Device->Set_Lang();
    FEnOcean_Variable->Set_Lang();
    FEnOcean_Variable_SAck->Set_Lang();
}

TProgramRun TFTrelvadoreFirmWare::Start_Program(const String& NomeSW, const String& Parameter, uint8_t tipo, uint32_t limitMs)
{
    return ::Start_Program(NomeSW, Parameter, tipo, limitMs);
}

void TFTrelvadoreFirmWare::Set_Update_Timer() { Timer_Update->SetEnabled(Update_Timer_Wanted()); }
