#include "DeviceTest.h"

#include "device/UBoot_Job.h"
#include "device/USaveBincc.h"
#include "enocean/UEnOcean_Catalog.h"

using UpdateDeviceTest = DeviceTest;

namespace {

size_t Modal_Requests(const TScriptedUiServices& services)
{
    size_t count = 0;
    for (const TUiRequest& request : services.Requests())
        count += request.Kind == rkModal ? 1 : 0;
    return count;
}

} // namespace

TEST_F(UpdateDeviceTest, TheWholeRoadFromANewProjectToTheUpdaterRun)
{
    // Communication parameters, saved with OK.
    FServices.AnswerModal([](TForm& form) {
        auto& dialog = dynamic_cast<TFParGen&>(form);
        dialog.FormShow(&dialog);
        dialog.Key_Edit(pkDevice_Name)->SetText(QStringLiteral("gateway"));
        dialog.Key_Edit(pkIP1 + 3)->SetText(QStringLiteral("20"));
        dialog.Key_Edit(pkTimeout)->SetText(QStringLiteral("5"));
        dialog.Btn_OK->Click();
        return dialog.ModalResult();
    });
    FWindow->Btn_Prm_Gen->Click();
    ASSERT_TRUE(std::filesystem::exists(FExe.Native("PROJECTS/Plant/ParGen.xml")));
    FExe.Write("PROJECTS/Plant/NMEA_Rec_Frames.xml",
        R"(<Receive_NMEA_2000><row PGN="127250" SA="3" TP="N" FP="Y" TP_Start="2" TP_NByte="4" Delete="Y" Mnemonic=""/></Receive_NMEA_2000><!--SW_VERSION = 1.000-->)");
    Write_Updater("cp Ethernet_Update.xml seen.xml");
    TFake_Pinger& pinger = Fake_Pinger({ 64 });

    // Update Device UDP: the images, then the update dialog.
    FServices.AnswerModal([this](TForm& form) {
        auto& dialog = dynamic_cast<TFBoot&>(form);
        EXPECT_EQ(dialog.Form_Type, 1);
        EXPECT_TRUE(std::filesystem::exists(FExe.Native("PROJECTS/Plant/bin/bank1.bin")));
        dialog.FormShow(&dialog);
        Set_Octets("127", "0", "0", "1");
        dialog.CB_Update_Options->SetItemIndex(uoConfiguration);
        dialog.Btn_Update->Click();
        dialog.Btn_Cancel->Click();
        return dialog.ModalResult();
    });
    FWindow->Btn_CreateBin->Click();

    const std::string bank1 = FExe.Read("PROJECTS/Plant/bin/bank1.bin");
    const std::string bank2 = FExe.Read("PROJECTS/Plant/bin/bank2.bin");
    ASSERT_EQ(bank1.size(), 2048U);
    ASSERT_EQ(bank2.size(), 32776U);
    EXPECT_EQ(bank1.substr(0x028, 4), std::string("\xC0\xA8\x00\x14", 4));
    EXPECT_EQ(bank1.substr(0x514, 8), std::string("gateway\0", 8));
    EXPECT_EQ(bank2.substr(0, 12), std::string("\x03\x12\xF1\x01\xFF\xFF\xFF\xFF\x88\x13\x00\x00", 12));
    EXPECT_EQ(pinger.Addresses, (std::vector<uint32_t> { 0x7F000001, 0x7F000001 }));
    const std::string job = FExe.Read("Ethernet_Update.xml");
    EXPECT_NE(job.find("<IP_Address_Dev>127.0.0.1</IP_Address_Dev>"), std::string::npos);
    EXPECT_EQ(FExe.Read("seen.xml"), job);
    EXPECT_EQ(Device_IP, Str(u"127.0.0.1"));
    EXPECT_TRUE(FServices.Messages().empty());
    EXPECT_EQ(FServices.PendingAnswers(), 0U);
}

TEST_F(UpdateDeviceTest, AProjectThatCannotBeBuiltOrWrittenSaysWhyAndOffersNoUpdate)
{
    struct TCase {
        const char* Name;
        std::function<void(const TTestFolder&)> Prepare;
        std::vector<const char*> Words;
        const char* Untouched;
    };
    const TCase cases[] = {
        { "too many receive rows",
            [](const TTestFolder& exe) {
                std::string rows;
                for (int32_t row = 0; row < 513; ++row)
                    rows += "<row/>";
                exe.Write("PROJECTS/Plant/NMEA_Rec_Frames.xml", "<Receive_NMEA_2000>" + rows + "</Receive_NMEA_2000>");
            },
            { "NMEA_Rec_Frames.xml", "512" }, "PROJECTS/Plant/bin/bank1.bin" },
        { "a truncated parameter file",
            [](const TTestFolder& exe) { exe.Write("PROJECTS/Plant/ParGen.xml", "<Par_Gen><Ethernet_IP1>"); },
            { "ParGen.xml" }, "PROJECTS/Plant/bin/bank1.bin" },
        { "a bank that cannot be written",
            [](const TTestFolder& exe) {
                exe.Write("PROJECTS/Plant/bin/bank1.bin", "old");
                std::filesystem::create_directories(exe.Native("PROJECTS/Plant/bin/bank2.bin.new/x"));
            },
            { "bank2.bin" }, "PROJECTS/Plant/bin/bank1.bin" },
        { "a first bank that cannot be written names the reason",
            [](const TTestFolder& exe) { std::filesystem::create_directories(exe.Native("PROJECTS/Plant/bin/bank1.bin.new/x")); },
            { "bank1.bin\": ", "directory" }, "PROJECTS/Plant/bin/bank1.bin" },
        { "a bin that is a file",
            [](const TTestFolder& exe) {
                std::filesystem::remove_all(exe.Native("PROJECTS/Plant/bin"));
                exe.Write("PROJECTS/Plant/bin", "not a folder");
            },
            { "bin" }, "PROJECTS/Plant/bin" },
        // The program folder of the test holds no profile catalog.
        { "EnOcean variables without a catalog",
            [](const TTestFolder& exe) {
                exe.Write("PROJECTS/Plant/EnOcean.xml",
                    R"(<EnOcean><DevicesList><Device Id="5" Secure_Type="0" Key="" RollCode="" RollCodeAlg="0" RollCodeTx="0" CMACAlg="0" DataCript="0" PTM="0">)"
                    R"(<UnidirectionalList><RorgFuncType RorgNum="246" FuncNum="2" TypeNum="1"><VariablesList><Variable CaseInd="0" Data="Energy Bow" BitOffs="3" BitSize="1" Position="0" BitStart="0"/>)"
                    R"(</VariablesList></RorgFuncType></UnidirectionalList><SmartACKList/><Remote/></Device></DevicesList></EnOcean>)");
            },
            { "EnOcean.xml", "F6-02-01", "Energy Bow", "eep.xml" }, "PROJECTS/Plant/EnOcean.xml" },
    };
    for (const TCase& entry : cases) {
        SCOPED_TRACE(entry.Name);
        std::filesystem::remove_all(FExe.Native("PROJECTS/Plant"));
        std::filesystem::create_directories(FExe.Native("PROJECTS/Plant/bin"));
        entry.Prepare(FExe);
        const std::string before = FExe.Read(entry.Untouched);
        FServices.Clear();
        FWindow->Btn_CreateBin->Click();
        ASSERT_EQ(FServices.Messages().size(), 1U);
        for (const char* word : entry.Words)
            EXPECT_TRUE(FServices.Messages()[0].contains(QString::fromLatin1(word))) << FServices.Messages()[0].toStdString();
        EXPECT_EQ(Modal_Requests(FServices), 0U);
        EXPECT_EQ(FExe.Read(entry.Untouched), before);
        EXPECT_FALSE(std::filesystem::exists(FExe.Native("PROJECTS/Plant/bin/bank2.bin")));
    }
}

TEST_F(UpdateDeviceTest, TheImagesAreWrittenEvenWhenTheUpdateIsCancelled)
{
    std::filesystem::remove_all(FExe.Native("PROJECTS/Plant/bin"));
    FServices.Clear();
    FServices.AnswerModal(mrCancel);
    FWindow->Btn_CreateBin->Click();
    EXPECT_EQ(FExe.Read("PROJECTS/Plant/bin/bank1.bin").size(), 2048U);
    EXPECT_EQ(FExe.Read("PROJECTS/Plant/bin/bank2.bin").size(), 32776U);
    EXPECT_EQ(Modal_Requests(FServices), 1U);
}

TEST_F(UpdateDeviceTest, TheEnOceanDevicesGoIntoTheSecondImage)
{
    FExe.Write("CAT_EnOcean/eep.xml",
        "<profile><rorg><number>0xF6</number><title>RPS</title><func><number>0x02</number><title>Rocker</title><type><number>0x01</number>"
        "<title>Style 1</title><case><title>Pressed</title><datafield><data>Energy Bow</data><bitoffs>3</bitoffs><bitsize>1</bitsize></datafield>"
        "<condition><statusfield><value>1</value><bitoffs>2</bitoffs><bitsize>1</bitsize></statusfield></condition></case></type></func></rorg></profile>");
    ASSERT_TRUE(EEP_Catalog->Read_Cat_EnOcean_XML(FExe.File("CAT_EnOcean/eep.xml")));
    FExe.Write("PROJECTS/Plant/EnOcean.xml",
        R"(<EnOcean><DevicesList><Device Id="0x0180ABCD" Secure_Type="1" Key="abc" RollCode="" RollCodeAlg="0" RollCodeTx="0" CMACAlg="0" DataCript="0" PTM="0">)"
        R"(<UnidirectionalList><RorgFuncType RorgNum="246" FuncNum="2" TypeNum="1"><VariablesList><Variable CaseInd="0" Data="Energy Bow" BitOffs="3" BitSize="1" Position="7" BitStart="2"/>)"
        R"(</VariablesList></RorgFuncType></UnidirectionalList><SmartACKList/><Remote/></Device></DevicesList></EnOcean>)");
    FServices.Clear();
    FServices.AnswerModal(mrCancel);
    FWindow->Btn_CreateBin->Click();
    const std::string bank2 = FExe.Read("PROJECTS/Plant/bin/bank2.bin");
    ASSERT_EQ(bank2.size(), 0x8008U + 72 + 12 + 40 + 16);
    EXPECT_EQ(bank2.substr(0x8000, 16), std::string("\x01\0\0\0\x08\x80\x08\0\xCD\xAB\x80\x01\x01\0\0\0", 16));
    EXPECT_EQ(bank2.substr(0x8008 + 28, 4), "abc" + std::string(1, '\0'));
    // The case record: identified by status value 0x20, one variable.
    EXPECT_EQ(bank2.substr(0x8008 + 72 + 12, 16), std::string("\0\0\0\0\0\0\0\0\x20\0\0\0\x01\0\0\0", 16));
    EXPECT_EQ(bank2.substr(0x8008 + 72 + 12 + 40), std::string("\x01\0\0\0\x03\0\0\0\x07\0\0\0\x02\0\0\0", 16));
    EXPECT_TRUE(FServices.Messages().empty());
}
