#pragma once

#include "app/UComon.h"
#include "controls/LbButton.h"
#include "grid/DudCGrid.h"
#include "platform/ui/ExtCtrls.h"
#include "platform/ui/Forms.h"
#include "platform/ui/StdCtrls.h"
#include "platform/xml/XMLDocument.h"

#include <array>
#include <memory>

#include "platform/net/Pinger.h"

// The last step of an update: the user checks the device's address and what
// to load; the dialog makes sure the device answers, writes the updater's job
// file beside the program and runs the updater.
class TFBoot : public TForm {
public:
    explicit TFBoot(TComponent* owner);
    ~TFBoot() override;

    void FormShow(TComponent* Sender);
    void Set_Lang();
    void Btn_UpdateClick(TComponent* Sender);
    bool Send_Ping();
    void Compile_XML_Parameter_New_Boot();
    // "." never enters an octet; in the first three it moves on to the next.
    void KeyPress(TComponent* Sender, TChar& Key);
    void Btn_COM_ListClick(TComponent* Sender);
    void update_ComPort();

    // The echo client; tests put a fake one.
    void Set_Pinger(std::unique_ptr<TPinger> pinger) { Ping = std::move(pinger); }
    bool Pinging() const { return FPinging; }

    int32_t Form_Type = 0; // 0 serial, 1 Ethernet
    int32_t ping_res = 0;
    // How long the updater may run before the dialog stops waiting for it.
    uint32_t Updater_Limit_Ms = Start_Program_Limit_Ms;

    TPanel* P_Title = nullptr;
    TLabel* L_SW_Code = nullptr;
    TLabel* L_SW_Desc = nullptr;
    TPanel* P_IP_Address = nullptr;
    TLabel* L_IP_Address = nullptr;
    std::array<TEdit*, 4> E_IP {};
    TPanel* P_Eth_Search = nullptr;
    TLabel* L_List_Device = nullptr;
    TLbButton* Btn_Search = nullptr;
    TDudColumnGrid* ACG_List_Devices = nullptr;
    TCheckBox* CB_Find_All_MRV = nullptr;
    TPanel* P_Options = nullptr;
    TLabel* L_Update_Option = nullptr;
    TComboBox* CB_Update_Options = nullptr;
    TCheckBox* CB_Update_Option_Read_Back = nullptr;
    TPanel* P_Serial = nullptr;
    TLabel* L_COM_Port = nullptr;
    TComboBox* CB_COM_Port = nullptr;
    TLbButton* Btn_COM_List = nullptr;
    TPanel* P_Button = nullptr;
    TLbButton* Btn_Cancel = nullptr;
    TLbButton* Btn_Update = nullptr;
    TXMLDocument XML1;

private:
    void Show_Layout(TPanel* first, std::vector<TPanel*> tabOrder);
    void Ethernet_Update();
    void Report_Updater_Run(const String& updater, const TProgramRun& run) const;
    String Typed_Address() const;

    std::unique_ptr<TPinger> Ping;
    bool FPinging = false;
};

extern TFBoot* FBoot;
