#include "DeviceTest.h"

#include "app/lang/ULanguage.h"
#include "platform/os/Clock.h"

using BootTest = DeviceTest;

TEST_F(BootTest, ShowingTakesTheStoredAddressAndChoices)
{
    struct TCase {
        const char* Device_IP;
        std::array<const char*, 4> Octets;
    };
    const TCase cases[] = {
        { "192.168.2.205", { "192", "168", "2", "205" } },
        { " 10 . 0 .0. 7 ", { "10", "0", "0", "7" } },
        { "abc", { "1", "2", "3", "4" } },
        { "1.2.3", { "1", "2", "3", "4" } },
        { "", { "1", "2", "3", "4" } },
    };
    for (const TCase& entry : cases) {
        SCOPED_TRACE(entry.Device_IP);
        Set_Octets("1", "2", "3", "4");
        Device_IP = String::fromLatin1(entry.Device_IP);
        Update_Option_Index = 2;
        Update_Read_Back = true;
        FBoot->Form_Type = 1;
        FBoot->FormShow(FBoot);
        for (int32_t octet = 0; octet < 4; ++octet)
            EXPECT_EQ(FBoot->E_IP[octet]->Text(), String::fromLatin1(entry.Octets[octet]));
        EXPECT_EQ(FBoot->CB_Update_Options->ItemIndex(), 2);
        EXPECT_TRUE(FBoot->CB_Update_Option_Read_Back->Checked());
        EXPECT_EQ(FBoot->Caption(), Str(u"Update Device by Ethernet (UDP)"));
        EXPECT_EQ(FBoot->ClientHeight(), 230);
        EXPECT_EQ(FBoot->ClientWidth(), 449);
        EXPECT_TRUE(FBoot->P_IP_Address->Visible());
        EXPECT_FALSE(FBoot->P_Eth_Search->Visible());
        EXPECT_FALSE(FBoot->P_Serial->Visible());
    }
}

TEST_F(BootTest, ADotMovesToTheNextOctetAndNeverEntersOne)
{
    FBoot->Form_Type = 1;
    FBoot->Show();
    Application->ProcessMessages();
    EXPECT_TRUE(FBoot->E_IP[0]->Focused());
    for (int32_t octet = 0; octet < 4; ++octet) {
        SCOPED_TRACE(octet);
        FBoot->E_IP[octet]->SetFocus();
        TChar key = u'.';
        FBoot->KeyPress(FBoot->E_IP[octet], key);
        Application->ProcessMessages();
        EXPECT_EQ(key, 0);
        EXPECT_TRUE(FBoot->E_IP[octet < 3 ? octet + 1 : 3]->Focused());
        TChar digit = u'7';
        FBoot->KeyPress(FBoot->E_IP[octet], digit);
        EXPECT_EQ(digit, u'7');
    }
    FBoot->Hide();
}

TEST_F(BootTest, AnAnsweringDeviceGetsTheJobFileAndTheUpdaterRuns)
{
    Write_Updater("cp Ethernet_Update.xml seen.xml");
    TFake_Pinger& pinger = Fake_Pinger({ 64 });
    FBoot->Form_Type = 1;
    FBoot->FormShow(FBoot);
    Set_Octets("127", "0", "0", "01");
    FBoot->CB_Update_Options->SetItemIndex(2);
    FBoot->CB_Update_Option_Read_Back->SetChecked(false);
    FBoot->Btn_Update->Click();

    EXPECT_EQ(pinger.Addresses, (std::vector<uint32_t> { 0x7F000001, 0x7F000001 }));
    EXPECT_EQ(Device_IP, Str(u"127.0.0.01"));
    EXPECT_EQ(Update_Option_Index, 2);
    EXPECT_FALSE(Update_Read_Back);
    const std::string job = FExe.Read("Ethernet_Update.xml");
    EXPECT_NE(job.find("<IP_Address_Dev>127.0.0.01</IP_Address_Dev>"), std::string::npos);
    EXPECT_NE(job.find("/PROJECTS/Plant/bin/bank2.bin"), std::string::npos);
    EXPECT_EQ(job.find("SimTX209"), std::string::npos);
    EXPECT_EQ(FExe.Read("seen.xml"), job);
    EXPECT_TRUE(FServices.Messages().empty());
    EXPECT_EQ(FBoot->ModalResult(), mrNone);
}

TEST_F(BootTest, AFailedPingSaysWhyAndChangesNothing)
{
    struct TCase {
        const char* Name;
        std::array<const char*, 4> Octets;
        std::vector<int32_t> Replies;
        bool Refuse;
        const char16_t* Message;
        size_t Pings;
    };
    const TCase cases[] = {
        { "no answer", { "10", "0", "0", "2" }, { 0 }, false, u"Device Not Found!", 13 },
        { "an octet out of range is never pinged", { "300", "0", "0", "2" }, { 64 }, false, u"Error!!! Check the Ip Address", 0 },
        { "a name is never looked up", { "host", "0", "0", "2" }, { 64 }, false, u"Error!!! Check the Ip Address", 0 },
        { "an empty octet", { "10", "", "0", "2" }, { 64 }, false, u"Error!!! Check the Ip Address", 0 },
        { "the echo cannot be sent", { "10", "0", "0", "2" }, { 64 }, true, u"Error!!! Check the Ip Address", 1 },
    };
    Write_Updater("touch ran");
    for (const TCase& entry : cases) {
        SCOPED_TRACE(entry.Name);
        FServices.Clear();
        const TClockScope scope(FPingClock);
        TFake_Pinger& pinger = Fake_Pinger(entry.Replies);
        pinger.Refuse = entry.Refuse;
        Device_IP = Str(u"1.1.1.1");
        Update_Option_Index = 0;
        FBoot->Form_Type = 1;
        FBoot->FormShow(FBoot);
        Set_Octets(entry.Octets[0], entry.Octets[1], entry.Octets[2], entry.Octets[3]);
        FBoot->CB_Update_Options->SetItemIndex(1);
        FBoot->Btn_Update->Click();
        EXPECT_EQ(FServices.Messages(), std::vector<String> { Str(entry.Message) });
        EXPECT_EQ(pinger.Addresses.size(), entry.Pings);
        EXPECT_EQ(Device_IP, Str(u"1.1.1.1"));
        EXPECT_EQ(Update_Option_Index, 0);
        EXPECT_FALSE(std::filesystem::exists(FExe.Native("Ethernet_Update.xml")));
        EXPECT_FALSE(std::filesystem::exists(FExe.Native("ran")));
    }
}

TEST_F(BootTest, WhilePingingUpdateIsDisabledAndACloseWaitsAndCancelsTheUpdate)
{
    Write_Updater("touch ran");
    TFake_Pinger& pinger = Fake_Pinger({ 64 });
    FBoot->Form_Type = 1;
    FBoot->FormShow(FBoot);
    Set_Octets("10", "0", "0", "2");
    int32_t echoes = 0;
    pinger.OnEcho = [&] {
        ++echoes;
        EXPECT_FALSE(FBoot->Btn_Update->Enabled());
        EXPECT_FALSE(FBoot->P_IP_Address->Enabled());
        EXPECT_FALSE(FBoot->P_Options->Enabled());
        EXPECT_FALSE(FBoot->CloseQuery());
        FBoot->Btn_Update->Click();
        FBoot->Btn_Cancel->Click();
    };
    FBoot->Btn_Update->Click();
    EXPECT_EQ(echoes, 2);
    EXPECT_TRUE(FBoot->Btn_Update->Enabled());
    EXPECT_TRUE(FBoot->P_IP_Address->Enabled());
    EXPECT_TRUE(FBoot->CloseQuery());
    EXPECT_EQ(FBoot->ModalResult(), mrCancel);
    EXPECT_FALSE(std::filesystem::exists(FExe.Native("Ethernet_Update.xml")));
    EXPECT_FALSE(std::filesystem::exists(FExe.Native("ran")));
}

TEST_F(BootTest, TheUpdaterIsGivenUpOnAtItsTimeLimit)
{
    Write_Updater("sleep 3\ncd \"$(dirname \"$0\")\" 2>/dev/null && touch late");
    Fake_Pinger({ 64 });
    TFakeClock clock(5000);
    const TClockScope scope(clock);
    FBoot->Form_Type = 1;
    FBoot->FormShow(FBoot);
    Set_Octets("10", "0", "0", "2");
    EXPECT_EQ(FBoot->Updater_Limit_Ms, 150000U);
    FBoot->Updater_Limit_Ms = 1000;
    FBoot->Btn_Update->Click();
    const uint32_t elapsed = clock.TickCount() - 5000;
    EXPECT_GE(elapsed, 1000U);
    EXPECT_LT(elapsed, 1100U);
    EXPECT_FALSE(std::filesystem::exists(FExe.Native("late")));
    ASSERT_EQ(FServices.Messages().size(), 1U);
    EXPECT_TRUE(FServices.Messages()[0].contains(QStringLiteral("\"Ethernet_Update\" in \"") + FExe.Path() + u'"'));
    EXPECT_TRUE(FServices.Messages()[0].contains(u"still running after 1 s"));
}

TEST_F(BootTest, AnUpdaterThatCannotBeStartedIsNamedWithTheReason)
{
    struct TCase {
        const char* Name;
        bool Present; // there, but without the right to run it
        const char16_t* Reason;
    };
    const TCase cases[] = {
        { "missing", false, u"No such file or directory" },
        { "not executable", true, u"Permission denied" },
    };
    for (const TCase& entry : cases) {
        SCOPED_TRACE(entry.Name);
        std::filesystem::remove(FExe.Native("Ethernet_Update"));
        std::filesystem::remove(FExe.Native("Ethernet_Update.xml"));
        if (entry.Present) {
            Write_Updater("touch ran");
            std::filesystem::permissions(FExe.Native("Ethernet_Update"),
                std::filesystem::perms::owner_read | std::filesystem::perms::owner_write);
        }
        FServices.Clear();
        Fake_Pinger({ 64 });
        FBoot->Form_Type = 1;
        FBoot->FormShow(FBoot);
        Set_Octets("127", "0", "0", "1");
        FBoot->Btn_Update->Click();
        ASSERT_EQ(FServices.Messages().size(), 1U);
        const String message = FServices.Messages()[0];
        EXPECT_TRUE(message.contains(QStringLiteral("\"Ethernet_Update\" in \"") + FExe.Path() + u'"')) << message.toStdString();
        EXPECT_TRUE(message.contains(Str(entry.Reason))) << message.toStdString();
        EXPECT_TRUE(std::filesystem::exists(FExe.Native("Ethernet_Update.xml")));
        EXPECT_FALSE(std::filesystem::exists(FExe.Native("ran")));
        EXPECT_EQ(FBoot->ModalResult(), mrNone);
    }
}

TEST_F(BootTest, AJobFileThatCannotBeWrittenStartsNoUpdater)
{
    Write_Updater("touch ran");
    Fake_Pinger({ 64 });
    std::filesystem::create_directories(FExe.Native("Ethernet_Update.xml/x"));
    FBoot->Form_Type = 1;
    FBoot->FormShow(FBoot);
    Set_Octets("10", "0", "0", "2");
    EXPECT_THROW(FBoot->Btn_UpdateClick(FBoot->Btn_Update), Exception);
    EXPECT_FALSE(std::filesystem::exists(FExe.Native("ran")));
    EXPECT_TRUE(FBoot->Btn_Update->Enabled());
}

TEST_F(BootTest, TheSerialLayoutStoresTheChoicesAndRunsNothing)
{
    Write_Updater("touch ran");
    TFake_Pinger& pinger = Fake_Pinger({ 64 });
    FBoot->Form_Type = 0;
    FBoot->FormShow(FBoot);
    EXPECT_EQ(FBoot->Caption(), Str(u"Update Device by Serial"));
    EXPECT_EQ(FBoot->ClientHeight(), 232);
    EXPECT_TRUE(FBoot->P_Serial->Visible());
    EXPECT_FALSE(FBoot->P_IP_Address->Visible());
    const std::unique_ptr<TStringList> ports = Get_ComPort_List();
    ASSERT_EQ(FBoot->CB_COM_Port->Items().Count(), ports->Count());
    for (int32_t index = 0; index < ports->Count(); ++index)
        EXPECT_EQ(FBoot->CB_COM_Port->Items()[index], QStringLiteral("COM") + (*ports)[index]);
    FBoot->CB_Update_Options->SetItemIndex(1);
    FBoot->CB_Update_Option_Read_Back->SetChecked(false);
    FBoot->Btn_Update->Click();
    EXPECT_EQ(Update_Option_Index, 1);
    EXPECT_FALSE(Update_Read_Back);
    EXPECT_TRUE(pinger.Addresses.empty());
    EXPECT_FALSE(std::filesystem::exists(FExe.Native("Ethernet_Update.xml")));
    EXPECT_FALSE(std::filesystem::exists(FExe.Native("ran")));
}

TEST_F(BootTest, ALanguageChangeRelabelsBothDialogsButNotThePanelHeadings)
{
    FExe.Write("LANGUAGE/Italiano.lng", "STR400 = Comunicazione\nSTR465 = Rete\nSTR466 = Indirizzo IP\nSTR920 = Aggiorna\n");
    ASSERT_TRUE(Lang_Texts().Read_Lang_File(FExe.File("LANGUAGE/Italiano.lng")));
    FWindow->Change_Language();
    EXPECT_EQ(FParGen->Caption(), Str(u"Comunicazione"));
    EXPECT_EQ(dynamic_cast<TLabel*>(FParGen->FindComponent(QStringLiteral("L_Ethernet_IP")))->Caption(), Str(u"Indirizzo IP"));
    EXPECT_EQ(FParGen->Category_Panel(cpEthernet)->Caption(), Str(u"3. Ethernet"));
    EXPECT_EQ(FBoot->Btn_Update->Caption(), Str(u"Aggiorna"));
    Lang_Texts().Load_Default_Texts();
}

TEST_F(BootTest, TheHiddenSearchPanelHoldsTheDeviceListWithItsTitles)
{
    struct TCase {
        const char* Language_File; // nullptr: the defaults
        const char16_t* Titles[2];
        const char16_t* Hint;
    };
    const TCase cases[] = {
        { nullptr, { u"IP Address", u"MAC Address" }, u"Select a device in the list" },
        { "STR911 = Indirizzo\nSTR912 = MAC\nSTR930 = Scegli un dispositivo\n", { u"Indirizzo", u"MAC" }, u"Scegli un dispositivo" },
    };
    for (const TCase& entry : cases) {
        SCOPED_TRACE(entry.Language_File ? "translated" : "defaults");
        if (entry.Language_File) {
            FExe.Write("LANGUAGE/Italiano.lng", entry.Language_File);
            ASSERT_TRUE(Lang_Texts().Read_Lang_File(FExe.File("LANGUAGE/Italiano.lng")));
            FWindow->Change_Language();
        }
        FBoot->Form_Type = 1;
        FBoot->FormShow(FBoot);
        TDudColumnGrid* grid = FBoot->ACG_List_Devices;
        ASSERT_NE(grid, nullptr);
        EXPECT_EQ(grid->Parent(), FBoot->P_Eth_Search);
        EXPECT_FALSE(FBoot->P_Eth_Search->Visible());
        ASSERT_EQ(grid->ColCount(), 2);
        for (int32_t column = 0; column < 2; ++column) {
            EXPECT_EQ(grid->Columns().Items(column)->Header(), Str(entry.Titles[column]));
            EXPECT_EQ(grid->Columns().Items(column)->Width(), 180);
        }
        EXPECT_EQ(grid->Hint(), Str(entry.Hint));
    }
    Lang_Texts().Load_Default_Texts();
}
