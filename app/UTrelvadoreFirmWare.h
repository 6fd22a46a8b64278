#pragma once

#include "app/UComon.h"
#include "controls/LbButton.h"
#include "platform/net/HttpClient.h"
#include "platform/ui/Dialogs.h"
#include "platform/ui/ExtCtrls.h"
#include "platform/ui/Forms.h"
#include "platform/xml/XMLDocument.h"

#include <cstdint>

class TTimer;

// The main window: prepares the workspace at start, leads through the
// numbered steps and opens the editors, runs the periodic version check and
// starts the external updater for the update dialog.
class TFTrelvadoreFirmWare : public TForm {
public:
    explicit TFTrelvadoreFirmWare(TComponent* owner);
    ~TFTrelvadoreFirmWare() override;

    void FormCreate(TComponent* Sender);
    // Saves the settings; a failure is reported and the program ends all the same.
    void FormClose(TComponent* Sender, TCloseAction& Action);
    // The one click handler of every button of the window.
    void Btn_Click(TComponent* Sender);
    void L_MorvaneClick(TComponent* Sender);
    void LL_UpdateLinkClick(TComponent* Sender, const String& Link, TSysLinkType LinkType);
    void Timer_UpdateTimer(TComponent* Sender);

    void Set_Lang();
    void Save_Setting();
    void Create_New_Project();
    void Open_Project();
    void Change_Language();
    // "Update Device UDP": builds and writes both images, then offers the
    // update; a project that cannot be built or written says why instead.
    void Update_Device();
    // "PROFINET XML": the file-name dialog, then the GSDML export.
    void PROFINET_XML();
    // "BACnet EDE File": asks for the file (".csv" added unless the name
    // ends so in any case), asks before an existing file is replaced and
    // exports only on Yes.
    void BACnet_EDE_File();
    // The BACnet_Type entry of the project's ParGen.xml; 0 when the file or
    // the entry is missing, unreadable or not an integer.
    int32_t Get_Type_BACnet();
    // Runs the external updater for the update dialog.
    TProgramRun Start_Program(const String& NomeSW, const String& Parameter, uint8_t tipo, uint32_t limitMs = Start_Program_Limit_Ms);

    TLabel* L_SW_Code = nullptr;
    TLabel* L_SW_Desc = nullptr;
    TShape* Shape2 = nullptr;
    TLabel* L_Name_Conf = nullptr;
    TLabel* L_Name_Conf_L2 = nullptr;
    TLabel* L_Begin = nullptr;
    TLabel* L_Step[8] = {};
    TShape* Shape1 = nullptr;
    TLbButton* Btn_CreateBin = nullptr;
    TLabel* L_Morvane = nullptr;
    TLbButton* Btn_New = nullptr;
    TLbButton* Btn_Open = nullptr;
    TLbButton* Btn_Prm_Gen = nullptr;
    TLbButton* Btn_EnOcean_Access = nullptr;
    TLinkLabel* LL_Update = nullptr;
    TLbButton* Btn_Info = nullptr;
    TLbButton* Btn_Opz = nullptr;
    TLbButton* Btn_Close = nullptr;
    TTimer* Timer_Update = nullptr;
    // The shared working document of the settings file, the image builder
    // and the exports; each loads or rebuilds it whole before use.
    TXMLDocument XML1;
    THttpClient HTTP1;
    TLbButton* Btn_MQTT_Set_Topic = nullptr;
    TLbButton* Btn_PROFINET_XML = nullptr;
    TLbButton* Btn_BACnet_SetAccess = nullptr;
    TLbButton* Btn_BACnet_EDE_File = nullptr;
    TSaveDialog* SD1 = nullptr;
    TLbButton* Btn_PROFIBUS_GSD = nullptr;
    TLbButton* Btn_KNX_Access = nullptr;
    TLbButton* Btn_Modbus_Set_Access = nullptr;
    TLbButton* Btn_CAN_Rec_Frame = nullptr;
    TLbButton* Btn_CAN_Send_Frame = nullptr;

private:
    void Create_Buttons();
    void Set_Project_Indicator();
    void Set_Update_Timer();
};

extern TFTrelvadoreFirmWare* FTrelvadoreFirmWare;
