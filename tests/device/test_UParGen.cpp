#include "DefaultParGenFile.h"
#include "DeviceTest.h"

#include "platform/ui/Messages.h"
#include "platform/ui/SystemMetrics.h"

namespace {

class ParGenTest : public DeviceTest {
protected:
    // Shows the dialog as the main window would and runs the script on it.
    void Show(const std::function<void(TFParGen&)>& script)
    {
        FServices.AnswerModal([script](TForm& form) {
            auto& dialog = dynamic_cast<TFParGen&>(form);
            dialog.SetModalResult(mrNone);
            dialog.FormShow(&dialog);
            script(dialog);
            return dialog.ModalResult();
        });
        FWindow->Btn_Click(FWindow->Btn_Prm_Gen);
    }
    std::string File() const { return FExe.Read("PROJECTS/Plant/ParGen.xml"); }
};

std::vector<String> Visible_Headings(const TFParGen& dialog)
{
    std::vector<String> headings;
    for (TCategoryPanel* panel : dialog.CPG->Panels())
        if (panel->Visible())
            headings.push_back(panel->Caption());
    return headings;
}


} // namespace

TEST_F(ParGenTest, ThisBuildShowsItsThreePanelsStackedAndNumbered)
{
    const TFParGen& dialog = *FParGen;
    EXPECT_EQ(Visible_Headings(dialog), (std::vector<String> { Str(u"1. Ethernet Connection"), Str(u"2. NMEA 2000"), Str(u"3. Ethernet") }));
    const TCategoryPanel* first = dialog.Category_Panel(cpEthernet_Connection);
    const TCategoryPanel* second = dialog.Category_Panel(cpNMEA2000);
    const TCategoryPanel* third = dialog.Category_Panel(cpEthernet);
    EXPECT_EQ(first->Top(), 0);
    EXPECT_EQ(second->Top(), first->Height());
    EXPECT_EQ(third->Top(), first->Height() + second->Height());
    EXPECT_EQ(first->TabOrder(), 0);
    EXPECT_EQ(second->TabOrder(), 1);
    EXPECT_EQ(third->TabOrder(), 2);
    EXPECT_EQ(dialog.ClientWidth(), 460);
    EXPECT_EQ(dialog.ClientHeight(), 700);
    for (const char* name : { "E_Ethernet_TCP_Port", "L_Ethernet_UDP_Port" })
        EXPECT_FALSE(dynamic_cast<TControl*>(dialog.FindComponent(String::fromLatin1(name)))->Visible()) << name;
    // The height rule: the panel closes 12 pixels below its last control.
    const TControl* closing = dialog.Key_Control(pkEN_GAT - 1);
    EXPECT_EQ(third->Height(), closing->Top() + closing->Height() + 12);
    EXPECT_EQ(dialog.Key_Control(pkIP1)->Left(), 191);
    EXPECT_EQ(dialog.Key_Control(pkIP1 + 3)->Left() + dialog.Key_Control(pkIP1 + 3)->Width(), 429);
}

TEST_F(ParGenTest, EveryModelHasItsPanels)
{
    const std::vector<std::vector<const char16_t*>> expected = {
        { u"1. Ethernet Connection", u"2. Serial", u"3. Ethernet" },
        { u"1. Ethernet Connection", u"2. Modbus Slave", u"3. Ethernet" },
        { u"1. Ethernet Connection", u"2. Modbus TCP Master" },
        { u"1. Ethernet Connection", u"2. Modbus TCP Slave" },
        { u"1. Ethernet Connection", u"2. BACnet Slave" },
        { u"1. Ethernet Connection", u"2. EtherNet/IP" },
        { u"1. Ethernet Connection", u"2. KNX", u"3. Ethernet" },
        { u"1. Ethernet Connection", u"2. MQTT ", u"3. Ethernet", u"4. TLS (Transport Layer Security)", u"5. NTP (Network Time Protocol)" },
        { u"1. Ethernet Connection", u"2. NMEA 2000", u"3. Ethernet" },
        { u"1. Ethernet Connection", u"2. PROFIBUS", u"3. Ethernet" },
        { u"1. Ethernet Connection", u"2. PROFINET" },
    };
    for (int32_t model = 0; model < Model_Count; ++model) {
        SCOPED_TRACE(model);
        TFParGen dialog(nullptr);
        dialog.Order_TAB_Panels(model);
        dialog.Move_GroupBoxs();
        std::vector<String> headings;
        for (const char16_t* heading : expected[model])
            headings.push_back(Str(heading));
        EXPECT_EQ(Visible_Headings(dialog), headings);
    }
}

TEST_F(ParGenTest, PanelRulesShowAndEnableRows)
{
    TFParGen dialog(nullptr);
    dialog.Order_TAB_Panels(TX208);
    const auto shown = [&](const char* name) { return dynamic_cast<TControl*>(dialog.FindComponent(String::fromLatin1(name)))->Visible(); };
    const auto box = [&](const char* name) { return dynamic_cast<TCheckBox*>(dialog.FindComponent(String::fromLatin1(name))); };
    dialog.Move_GroupBoxs();
    EXPECT_FALSE(shown("E_MQTT_Will_Topic"));
    EXPECT_FALSE(shown("E_MQTT_Send_Time"));
    const int32_t usernameWithoutWill = dynamic_cast<TControl*>(dialog.FindComponent(QStringLiteral("L_MQTT_Username")))->Top();
    box("CB_MQTT_WillFlag")->SetChecked(true);
    EXPECT_TRUE(shown("E_MQTT_Will_Topic"));
    EXPECT_EQ(dynamic_cast<TControl*>(dialog.FindComponent(QStringLiteral("L_MQTT_Username")))->Top(), usernameWithoutWill + 4 * Row_Step);
    EXPECT_FALSE(shown("CB_TLS_En_Server_Auth"));
    box("CB_TLS_Enable")->SetChecked(true);
    EXPECT_TRUE(shown("CB_TLS_En_Server_Auth"));
    EXPECT_FALSE(shown("E_TLS_Server_Cert"));
    box("CB_TLS_En_Client_Auth")->SetChecked(true);
    EXPECT_TRUE(shown("E_TLS_Client_Key_Password"));
    EXPECT_FALSE(shown("E_TLS_Server_Cert"));
    const auto top = [&](const char* name) { return dynamic_cast<TControl*>(dialog.FindComponent(String::fromLatin1(name)))->Top(); };
    EXPECT_EQ(top("CB_TLS_En_Client_Auth"), top("CB_TLS_En_Server_Auth") + Row_Step);
    box("CB_TLS_En_Server_Auth")->SetChecked(true);
    EXPECT_TRUE(shown("E_TLS_Server_Cert"));
    EXPECT_EQ(top("E_TLS_Server_Cert"), top("L_TLS_Server_Cert") - 3);
    EXPECT_EQ(top("CB_TLS_En_Client_Auth"), top("E_TLS_Server_Cert") + Row_Step);
    EXPECT_EQ(top("L_TLS_Client_Cert"), top("CB_TLS_En_Client_Auth") + Row_Step);

    // The BACnet type starts at BACnet/IP; any other entry is MS/TP.
    TFParGen bacnet(nullptr);
    bacnet.Order_TAB_Panels(TX205);
    bacnet.Move_GroupBoxs();
    TComboBox* type = dynamic_cast<TComboBox*>(bacnet.FindComponent(QStringLiteral("CB_BACnet_Slave_Type")));
    const auto bacnetShown = [&](const char* name) { return dynamic_cast<TControl*>(bacnet.FindComponent(String::fromLatin1(name)))->Visible(); };
    for (const int32_t entry : { 0, 1, 0 }) {
        SCOPED_TRACE(entry);
        type->SetItemIndex(entry);
        bacnet.Move_GroupBoxs();
        EXPECT_EQ(type->Text(), entry == 0 ? Str(u"BACnet/IP") : Str(u"BACnet MS/TP"));
        EXPECT_EQ(bacnetShown("E_BACnet_Slave_IP1"), entry == 0);
        EXPECT_EQ(bacnetShown("E_BACnet_Slave_MAC"), entry != 0);
        EXPECT_EQ(bacnet.Category_Panel(cpEthernet)->Visible(), entry != 0);
    }
}

TEST_F(ParGenTest, ThePickListsOfTheOtherModelsOfferTheirEntriesFromTheFirst)
{
    const struct {
        const char* Name;
        std::vector<const char*> Entries;
    } cases[] = {
        { "CB_Serial_Serial", { "RS232", "RS485" } },
        { "CB_ModbusSlave_Parity", { "None", "Even", "Odd" } },
        { "CB_ModbusMaster_StopBits", { "1", "2" } },
        { "CB_BACnet_Slave_Type", { "BACnet/IP", "BACnet MS/TP" } },
        { "CB_MQTT_Will_QoS", { "0", "1", "2" } },
        { "CB_PROFIBUS_Baudrate", { "AutoBaudrate" } },
    };
    TFParGen& dialog = *FParGen;
    for (const auto& entry : cases) {
        SCOPED_TRACE(entry.Name);
        const auto* combo = dynamic_cast<TComboBox*>(dialog.FindComponent(String::fromLatin1(entry.Name)));
        ASSERT_NE(combo, nullptr);
        std::vector<String> expected;
        for (const char* text : entry.Entries)
            expected.push_back(String::fromLatin1(text));
        std::vector<String> items;
        for (int32_t index = 0; index < combo->Items().Count(); ++index)
            items.push_back(combo->Items()[index]);
        EXPECT_EQ(items, expected);
        EXPECT_EQ(combo->ItemIndex(), 0);
    }
    // No pick list of any panel is left empty.
    for (int32_t panel = 0; panel < Panel_Count; ++panel)
        for (const TRow_Info& row : Panel_Info(panel).Rows)
            if (row.Kind == TRow_Kind::Combo) {
                const auto* combo = dynamic_cast<TComboBox*>(dialog.FindComponent(String::fromLatin1(row.Input)));
                EXPECT_GT(combo->Items().Count(), 0) << row.Input;
                if (combo != dialog.CB_NMEA2000_Baudrate) {
                    EXPECT_EQ(combo->ItemIndex(), 0) << row.Input;
                }
            }
    EXPECT_FALSE(dialog.Is_Change);
}

TEST_F(ParGenTest, DHCPDisablesTheAddressWhateverTheGatewayBox)
{
    TFParGen& dialog = *FParGen;
    const auto enabled = [&] {
        std::vector<bool> states;
        for (int32_t key = pkIP1; key <= pkEN_GAT; ++key)
            states.push_back(dialog.Key_Control(key)->Enabled());
        return states;
    };
    dialog.Key_Box(pkEN_GAT)->SetChecked(false);
    dialog.Key_Box(pkDHCP_Cable)->SetChecked(true);
    EXPECT_EQ(enabled(), std::vector<bool>(13, false));
    for (const char* label : { "L_Ethernet_IP", "L_Ethernet_SM" })
        EXPECT_TRUE(dynamic_cast<TControl*>(dialog.FindComponent(String::fromLatin1(label)))->Enabled()) << label;
    dialog.Key_Box(pkDHCP_Cable)->SetChecked(false);
    EXPECT_EQ(enabled(), std::vector<bool>(13, true));
    EXPECT_FALSE(dialog.Key_Box(pkDHCP_WiFi)->Enabled());
}

TEST_F(ParGenTest, WithoutAFileTheDefaultsShowAndOKWritesThem)
{
    Show([](TFParGen& dialog) {
        EXPECT_EQ(dialog.Key_Edit(pkIP1 + 3)->Text(), Str(u"10"));
        EXPECT_EQ(dialog.CB_NMEA2000_Baudrate->Text(), Str(u"250K"));
        EXPECT_FALSE(dialog.Is_Change);
        dialog.Btn_OK->Click();
        EXPECT_EQ(dialog.ModalResult(), mrOk);
    });
    EXPECT_EQ(File(), Default_ParGen_File);
}

TEST_F(ParGenTest, TheFileIsReadAndWrittenBackWithOnlyItsKeys)
{
    FExe.Write("PROJECTS/Plant/ParGen.xml", "<Par_Gen><PROFINET_NB_IN>7</PROFINET_NB_IN><Ethernet_IP1>007</Ethernet_IP1>"
                                            "<NMEA2000_BAUDRATE>12</NMEA2000_BAUDRATE><Eth_Conn_Device_Name>gw</Eth_Conn_Device_Name></Par_Gen>");
    Show([](TFParGen& dialog) {
        EXPECT_EQ(dialog.Key_Edit(pkIP1)->Text(), Str(u"007"));
        EXPECT_EQ(dialog.CB_NMEA2000_Baudrate->ItemIndex(), -1);
        dialog.Btn_OK->Click();
    });
    const std::string file = File();
    EXPECT_EQ(file.find("PROFINET_NB_IN"), std::string::npos);
    EXPECT_NE(file.find("<Ethernet_IP1>007</Ethernet_IP1>"), std::string::npos);
    EXPECT_NE(file.find("<NMEA2000_BAUDRATE>-1</NMEA2000_BAUDRATE>"), std::string::npos);
    EXPECT_NE(file.find("<Eth_Conn_Device_Name>gw</Eth_Conn_Device_Name>"), std::string::npos);
}

TEST_F(ParGenTest, AnUnreadableFileShowsItsErrorThenTheDefaultsNeverTheLastValues)
{
    Show([](TFParGen& dialog) { dialog.Key_Edit(pkIP1)->SetText(QStringLiteral("77")); });
    FExe.Write("PROJECTS/Plant/ParGen.xml", "<Par_Gen><Ethernet_IP1>1</Ethe");
    FServices.Clear();
    Show([](TFParGen& dialog) {
        EXPECT_EQ(dialog.Key_Edit(pkIP1)->Text(), Str(u"192"));
        EXPECT_FALSE(dialog.Is_Change);
    });
    ASSERT_EQ(FServices.Messages().size(), 1U);
    EXPECT_TRUE(FServices.Messages()[0].contains(QStringLiteral("ParGen.xml")));
}

TEST_F(ParGenTest, ControlloDatiShowsTheFirstFailureInTheOrderOfTheChecks)
{
    struct TCase {
        std::vector<std::pair<int32_t, const char*>> Values;
        const char16_t* Message; // nullptr: passes
    };
    const TCase cases[] = {
        { {}, nullptr },
        { { { pkIP1, "256" } }, u"Error Ethernet!! IP Address 1 must be between 0 and 255" },
        { { { pkIP1 + 2, "" } }, u"Error Ethernet!! IP Address 3 must be between 0 and 255" },
        { { { pkIP1 + 3, "x" } }, u"Error Ethernet!! IP Address 4 must be between 0 and 255" },
        { { { pkIP1, "007" } }, nullptr },
        { { { pkSM1 + 1, "-1" }, { pkTimeout, "-5" } }, u"Error Ethernet!! SubNet Mask 2 must be between 0 and 255" },
        { { { pkSecondary_DNS1 + 3, "300" } }, nullptr },
        { { { pkEnable_DNS, "1" }, { pkSecondary_DNS1 + 3, "300" } }, u"Error Secondary DNS!! DNS 4 must be between 0 and 255" },
        { { { pkEnable_DNS, "1" }, { pkSecondary_DNS1, "300" }, { pkPrimary_DNS1 + 1, "a" } },
            u"Error Primary DNS!! DNS 2 must be between 0 and 255" },
        { { { pkEnable_DNS, "1" }, { pkIP1, "999" } }, u"Error Ethernet!! IP Address 1 must be between 0 and 255" },
        { { { pkGAT1, "999" } }, nullptr },
        { { { pkEN_GAT, "1" }, { pkGAT1, "999" } }, u"Error Ethernet!! GATEWAY IP 1 must be between 0 and 255" },
        { { { pkEN_GAT, "1" }, { pkGAT1, "999" }, { pkSM1, "256" } }, u"Error Ethernet!! SubNet Mask 1 must be between 0 and 255" },
        { { { pkTimeout, "100000" } }, nullptr },
        { { { pkTimeout, "100001" } }, u"Error NMEA 2000!! TimeOut must be between 0 and 100000s" },
        { { { pkDHCP_Cable, "1" }, { pkIP1, "256" } }, u"Error Ethernet!! IP Address 1 must be between 0 and 255" },
    };
    for (const TCase& entry : cases) {
        SCOPED_TRACE(entry.Message ? QString::fromUtf16(entry.Message).toStdString() : "passes");
        FServices.Clear();
        TParGen_Values values = Default_ParGen_Values();
        for (const auto& [key, text] : entry.Values)
            values[key] = String::fromLatin1(text);
        FParGen->Set_Values(values);
        EXPECT_EQ(FParGen->Controllo_Dati(), entry.Message == nullptr);
        EXPECT_EQ(FServices.Messages(), entry.Message ? std::vector<String> { Str(entry.Message) } : std::vector<String> {});
    }
}

TEST_F(ParGenTest, AFailedCheckKeepsTheDialogOpenAndTheFileUntouched)
{
    struct TCase {
        const char* Name;
        const char* Address;
        bool File_Is_A_Folder;
        const char16_t* Word; // of the one message
    };
    const TCase cases[] = {
        { "a value out of range", "256", false, u"IP Address 1 must be between 0 and 255" },
        { "a file that cannot be written", "10", true, u"ParGen.xml" },
    };
    for (const TCase& entry : cases) {
        SCOPED_TRACE(entry.Name);
        FServices.Clear();
        std::filesystem::remove_all(FExe.Native("PROJECTS/Plant/ParGen.xml"));
        if (entry.File_Is_A_Folder)
            std::filesystem::create_directories(FExe.Native("PROJECTS/Plant/ParGen.xml/x"));
        Show([&](TFParGen& dialog) {
            dialog.Key_Edit(pkIP1)->SetText(String::fromLatin1(entry.Address));
            dialog.Btn_OK->Click();
            EXPECT_EQ(dialog.ModalResult(), mrNone);
        });
        ASSERT_EQ(FServices.Messages().size(), 1U);
        EXPECT_TRUE(FServices.Messages()[0].contains(Str(entry.Word))) << FServices.Messages()[0].toStdString();
        EXPECT_EQ(std::filesystem::is_directory(FExe.Native("PROJECTS/Plant/ParGen.xml")), entry.File_Is_A_Folder);
        EXPECT_FALSE(std::filesystem::is_regular_file(FExe.Native("PROJECTS/Plant/ParGen.xml")));
    }
}

TEST_F(ParGenTest, CancelAsksOnlyWhenSomethingChanged)
{
    struct TCase {
        bool Edit;
        TModalResult Answer;
        size_t Questions;
        TModalResult Result;
    };
    const TCase cases[] = {
        { false, mrYes, 0, mrCancel },
        { true, mrNo, 1, mrNone },
        { true, mrYes, 1, mrCancel },
    };
    for (const TCase& entry : cases) {
        SCOPED_TRACE(entry.Answer);
        FServices.Clear();
        Show([&](TFParGen& dialog) {
            if (entry.Edit)
                dialog.Key_Edit(pkTimeout)->SetText(QStringLiteral("5"));
            if (entry.Questions > 0)
                FServices.AnswerMessage(entry.Answer);
            dialog.Btn_Cancel->Click();
            EXPECT_EQ(dialog.ModalResult(), entry.Result);
        });
        EXPECT_EQ(FServices.Messages().size(), entry.Questions);
        EXPECT_FALSE(std::filesystem::exists(FExe.Native("PROJECTS/Plant/ParGen.xml")));
    }
}

TEST_F(ParGenTest, ADotNeverEntersAnOctetAndMovesAlongTheDNSOctets)
{
    TFParGen& dialog = *FParGen;
    dialog.Show();
    Application->ProcessMessages();
    const int32_t chain[] = { pkPrimary_DNS1, pkPrimary_DNS1 + 1, pkPrimary_DNS1 + 2, pkPrimary_DNS1 + 3, pkSecondary_DNS1,
        pkSecondary_DNS1 + 1, pkSecondary_DNS1 + 2, pkSecondary_DNS1 + 3, pkSecondary_DNS1 + 3 };
    for (size_t index = 0; index + 1 < std::size(chain); ++index) {
        SCOPED_TRACE(index);
        dialog.Key_Edit(chain[index])->SetFocus();
        TChar key = u'.';
        dialog.KeyPress(dialog.Key_Edit(chain[index]), key);
        Application->ProcessMessages();
        EXPECT_EQ(key, 0);
        EXPECT_TRUE(dialog.Key_Edit(chain[index + 1])->Focused());
    }
    dialog.Key_Edit(pkIP1)->SetFocus();
    TChar key = u'.';
    dialog.KeyPress(dialog.Key_Edit(pkIP1), key);
    Application->ProcessMessages();
    EXPECT_EQ(key, 0);
    EXPECT_TRUE(dialog.Key_Edit(pkIP1)->Focused());
    dialog.Hide();
}

TEST_F(ParGenTest, TheWheelScrollsThePanelsOnlyOverThemByTheSystemsLines)
{
    TFParGen& dialog = *FParGen;
    dialog.SetClientHeight(200);
    uint32_t saved = 0;
    SystemParametersInfo(SPI_GETWHEELSCROLLLINES, 0, &saved, 0);
    const TPoint inside = dialog.CPG->ClientToScreen(TPoint { 20, 20 });
    const TPoint outside = dialog.P_Button->ClientToScreen(TPoint { 5, 5 });
    const auto scrolled = [&](uint32_t lines, int32_t delta, TPoint where, bool& handled) {
        SystemParametersInfo(SPI_SETWHEELSCROLLLINES, lines, nullptr, 0);
        dialog.CPG->SetVertScrollPosition(0);
        handled = false;
        dialog.FormMouseWheel(&dialog, {}, delta, where, handled);
        return dialog.CPG->VertScrollPosition();
    };
    bool handled = false;
    const int32_t one = scrolled(1, -120, inside, handled);
    EXPECT_TRUE(handled);
    EXPECT_GT(one, 0);
    EXPECT_EQ(scrolled(3, -120, inside, handled), 3 * one);
    EXPECT_EQ(scrolled(0, -120, inside, handled), 0);
    EXPECT_TRUE(handled);
    EXPECT_EQ(scrolled(WHEEL_PAGESCROLL, -120, inside, handled), 0);
    EXPECT_EQ(scrolled(3, -120, outside, handled), 0);
    EXPECT_FALSE(handled);
    SystemParametersInfo(SPI_SETWHEELSCROLLLINES, 3, nullptr, 0);
    dialog.CPG->SetVertScrollPosition(3 * one);
    dialog.FormMouseWheel(&dialog, {}, 120, inside, handled);
    EXPECT_EQ(dialog.CPG->VertScrollPosition(), 0);
    SystemParametersInfo(SPI_SETWHEELSCROLLLINES, saved, nullptr, 0);
}

TEST_F(ParGenTest, TheWidthStaysWhateverTheResize)
{
    FParGen->SetClientWidth(600);
    FParGen->SetClientHeight(500);
    EXPECT_EQ(FParGen->ClientWidth(), 460);
    EXPECT_EQ(FParGen->ClientHeight(), 500);
}
