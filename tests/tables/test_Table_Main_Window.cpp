#include "tests/support/OpenProjectTest.h"

#include "app/lang/ULanguage.h"
#include "device/USaveBincc.h"

#include <functional>

namespace {

// The editors reached from the main window of a program with a project open.
using TablesMainWindowTest = OpenProjectTest;

uint32_t U32(const std::string& bytes, size_t offset)
{
    uint32_t value = 0;
    for (size_t index = 0; index < 4; ++index)
        value |= static_cast<uint32_t>(static_cast<uint8_t>(bytes[offset + index])) << (8 * index);
    return value;
}
uint16_t U16(const std::string& bytes, size_t offset)
{
    return static_cast<uint16_t>(static_cast<uint8_t>(bytes[offset]) | static_cast<uint8_t>(bytes[offset + 1]) << 8);
}

TEST_F(TablesMainWindowTest, EachStepButtonOpensItsEditor)
{
    struct Case {
        TLbButton* TFTrelvadoreFirmWare::*Button;
        TForm* Editor;
    };
    const Case cases[] = {
        { &TFTrelvadoreFirmWare::Btn_CAN_Rec_Frame, FReceiveNMEA },
        { &TFTrelvadoreFirmWare::Btn_CAN_Send_Frame, FTransmitNMEA },
        { &TFTrelvadoreFirmWare::Btn_KNX_Access, FKNXAccess },
        { &TFTrelvadoreFirmWare::Btn_Modbus_Set_Access, FModbus_TCP_Master_Set_Access },
        { &TFTrelvadoreFirmWare::Btn_BACnet_SetAccess, FBACnetSlaveSetAccess },
        { &TFTrelvadoreFirmWare::Btn_MQTT_Set_Topic, FMQTT_Set_Topic },
    };
    for (const Case& entry : cases) {
        SCOPED_TRACE((FWindow.get()->*entry.Button)->Name().toStdString());
        TForm* shown = nullptr;
        FServices.AnswerModal([&shown](TForm& form) {
            shown = &form;
            return mrOk;
        });
        // The hidden buttons are reached through the handler they share.
        FWindow->Btn_Click(FWindow.get()->*entry.Button);
        EXPECT_EQ(shown, entry.Editor);
        EXPECT_TRUE(FServices.Messages().empty());
    }
    EXPECT_TRUE(FWindow->Btn_CAN_Rec_Frame->Visible());
    EXPECT_TRUE(FWindow->Btn_CAN_Send_Frame->Visible());
    EXPECT_FALSE(FWindow->Btn_KNX_Access->Visible());
    EXPECT_FALSE(FWindow->Btn_Modbus_Set_Access->Visible());
    EXPECT_FALSE(FWindow->Btn_MQTT_Set_Topic->Visible());
}

TEST_F(TablesMainWindowTest, WithoutAProjectTheEditorsStayClosed)
{
    Project_Path.clear();
    FWindow->Btn_CAN_Rec_Frame->Click();
    EXPECT_EQ(FServices.Messages(), std::vector<String> { Lang_Texts()[18] });
    EXPECT_EQ(FServices.PendingAnswers(), 0U);
}

TEST_F(TablesMainWindowTest, TypedReceiveFramesReachTheImage)
{
    const std::vector<std::vector<String>> rows = {
        { "127250", "1", "N", "N", "", "", "Y", "Heading" },
        { "0x1F805", "2", "N", "Y", "4", "20", "N", "Position" },
        { "126992", "3", "Y", "N", "10", "100", "N", "Time" },
    };
    FServices.AnswerModal([&rows](TForm& form) {
        auto& editor = dynamic_cast<TFReceiveNMEA&>(form);
        editor.FormShow(&editor);
        for (size_t row = 0; row < rows.size(); ++row)
            for (size_t col = 0; col < rows[row].size(); ++col)
                editor.sga->SetCellEx(static_cast<int32_t>(col) + 1, static_cast<int32_t>(row) + 1, rows[row][col]);
        editor.Btn_OK->Click();
        return editor.ModalResult();
    });
    FWindow->Btn_CAN_Rec_Frame->Click();
    ASSERT_TRUE(FServices.Messages().empty());
    FServices.AnswerModal(mrCancel); // the update dialog
    FWindow->Btn_CreateBin->Click();
    ASSERT_TRUE(FServices.Messages().empty());

    const std::string bank2 = Project_File("bin/bank2.bin");
    ASSERT_GE(bank2.size(), 4 * NMEA_Row_Size);
    struct Expected {
        uint32_t Key;
        uint16_t Offset, Start, Count;
        uint8_t Flags;
    };
    const Expected expected[] = {
        { 127250U * 256 + 1, 0, 0, 8, 0 },
        { 0x1F805U * 256 + 2, 8, 4, 20, 4 },
        { 126992U * 256 + 3, 28, 10, 100, 2 },
    };
    for (size_t row = 0; row < std::size(expected); ++row) {
        SCOPED_TRACE(row + 1);
        const size_t at = row * NMEA_Row_Size;
        EXPECT_EQ(U32(bank2, at), expected[row].Key);
        EXPECT_EQ(U16(bank2, at + 0x0C), expected[row].Offset);
        EXPECT_EQ(U16(bank2, at + 0x0E), expected[row].Start);
        EXPECT_EQ(U16(bank2, at + 0x10), expected[row].Count);
        EXPECT_EQ(static_cast<uint8_t>(bank2[at + 0x1E]), expected[row].Flags);
    }
    EXPECT_EQ(U32(bank2, 3 * NMEA_Row_Size), 0xFFFFFFFFU);
}

TEST_F(TablesMainWindowTest, ChangeLanguageRelabelsTheEditors)
{
    Lang_Texts().Read_Lang_Text(QStringLiteral("STR3200 = Trames\nSTR3300 = Envoi\nSTR2100 = KNX!\nSTR3000 = Modbus!\nSTR1900 = BACnet!\nSTR1400 = Sujets\nSTR1433 = Publier"));
    FWindow->Change_Language();
    EXPECT_EQ(FReceiveNMEA->Caption(), QStringLiteral("Trames"));
    EXPECT_EQ(FTransmitNMEA->Caption(), QStringLiteral("Envoi"));
    EXPECT_EQ(FKNXAccess->Caption(), QStringLiteral("KNX!"));
    EXPECT_EQ(FModbus_TCP_Master_Set_Access->Caption(), QStringLiteral("Modbus!"));
    EXPECT_EQ(FBACnetSlaveSetAccess->Caption(), QStringLiteral("BACnet!"));
    EXPECT_EQ(FMQTT_Set_Topic->Caption(), QStringLiteral("Sujets"));
    EXPECT_EQ(FMQTT_Set_Topic->TS_MQTT_Publish->Caption(), QStringLiteral("Publier"));
}

} // namespace
