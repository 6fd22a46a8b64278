#include "TablesTest.h"

#include "tables/UBACnetSlaveSetAccess.h"
#include "tables/UBACnet_Eng_Unit.h"

namespace {

class BACnetObjectsTest : public TablesTest {
protected:
    void SetUp() override
    {
        TablesTest::SetUp();
        FEditor = Make<TFBACnetSlaveSetAccess>();
    }

    // count objects from row 1 on, each its own byte.
    static void Fill_Objects(TDudColumnGrid& grid, const char* type, int32_t count)
    {
        for (int32_t row = 1; row <= count; ++row)
            Fill_Row(grid, row, { QString::fromLatin1(type), "0", QString::number(row % 1500), "0", "1", "N", "x" });
    }

    std::unique_ptr<TFBACnetSlaveSetAccess> FEditor;
};

TEST_F(BACnetObjectsTest, TheObjectLimitFollowsTheDescriptionLength)
{
    struct Case {
        const char* Name;
        const char* ParGen; // nullptr: no file
        int32_t Read, Write;
        int32_t Rows;
        int32_t Limit; // 0: the tables pass
    };
    const Case cases[] = {
        { "2000 objects pass without ParGen.xml", nullptr, 1500, 500, 2001, 0 },
        { "2001 objects fail without ParGen.xml", nullptr, 1500, 501, 2001, 2000 },
        { "only the read table counts too", nullptr, 2000, 0, 2001, 0 },
        { "another limit text keeps 2000", "<ParGen><BACnet_Desc_Chars_Limit>2</BACnet_Desc_Chars_Limit></ParGen>", 1500,
            501, 2001, 2000 },
        { "an unreadable ParGen.xml keeps 2000", "<ParGen><BACnet_Desc", 1500, 500, 2001, 0 },
        { "the long descriptions allow 1000", "<ParGen><BACnet_Desc_Chars_Limit>1</BACnet_Desc_Chars_Limit></ParGen>",
            600, 400, 1001, 0 },
        { "the long descriptions refuse 1001", "<ParGen><BACnet_Desc_Chars_Limit>1</BACnet_Desc_Chars_Limit></ParGen>",
            600, 401, 1001, 1000 },
        { "the write table alone is counted", "<ParGen><BACnet_Desc_Chars_Limit>1</BACnet_Desc_Chars_Limit></ParGen>",
            0, 1000, 1001, 0 },
    };
    for (const Case& entry : cases) {
        SCOPED_TRACE(entry.Name);
        Remove_File(File_ParGen);
        Remove_File(File_BACnet_Slave);
        if (entry.ParGen)
            Write_File(File_ParGen, entry.ParGen);
        Show(*FEditor);
        EXPECT_EQ(FEditor->ACG_BACnet_in_Read->RowCount(), entry.Rows);
        EXPECT_EQ(FEditor->ACG_BACnet_in_Write->RowCount(), entry.Rows);
        Fill_Objects(*FEditor->ACG_BACnet_in_Read, "Analog Input", entry.Read);
        Fill_Objects(*FEditor->ACG_BACnet_in_Write, "Analog Out", entry.Write);
        FServices.Clear();
        FEditor->Btn_OK->Click();
        if (entry.Limit) {
            EXPECT_EQ(FServices.Messages(), std::vector<String> { Total_Error(1959, entry.Limit) });
            EXPECT_NE(FEditor->ModalResult(), mrOk);
        } else {
            EXPECT_EQ(FServices.Messages(), std::vector<String> {});
            EXPECT_EQ(FEditor->ModalResult(), mrOk);
        }
    }
}

TEST_F(BACnetObjectsTest, AChosenWriteTypeSetsItsLength)
{
    Show(*FEditor);
    TDudColumnGrid& write = *FEditor->ACG_BACnet_in_Write;
    TDudColumnGrid& read = *FEditor->ACG_BACnet_in_Read;
    struct Case {
        const char* Chosen;
        int32_t Col;
        const char* Length;
    };
    const Case cases[] = {
        { "Large Analog Value", 1, "8" }, { "Binary Out", 1, "1" }, { "Binary Value", 1, "1" },
        { "Access Door", 1, "1" }, { "Analog Out", 1, "4" }, { "Analog Value", 1, "4" },
        { "Positive Integer Value", 1, "4" }, { "Integer Value", 1, "4" }, { "Multi State Output", 1, "4" },
        { "Multi State Value", 1, "4" }, { "octet string", 1, "1" }, { "Accumulator", 1, "7" },
        { "Large Analog Value", 3, "7" },
    };
    for (const Case& entry : cases) {
        SCOPED_TRACE(std::string(entry.Chosen) + " in column " + std::to_string(entry.Col));
        write.SetCellEx(5, 1, QStringLiteral("7"));
        write.OnComboChange(&write, entry.Col, 1, 0, QString::fromLatin1(entry.Chosen));
        EXPECT_EQ(write.GetCellEx(5, 1), QString::fromLatin1(entry.Length));
    }
    // The read grid keeps the length typed.
    read.SetCellEx(5, 1, QStringLiteral("7"));
    read.OnComboChange(&read, 1, 1, 0, QStringLiteral("Large Analog Value"));
    EXPECT_EQ(read.GetCellEx(5, 1), QStringLiteral("7"));
}

TEST_F(BACnetObjectsTest, DoubleClickOnAnEngUnitOpensThePicker)
{
    auto picker = std::make_unique<TFBACnet_Eng_Unit>(nullptr);
    picker->DoCreate();
    FBACnet_Eng_Unit = picker.get();
    Show(*FEditor);
    struct Case {
        int32_t Grid;
        TModalResult Result;
        const char* Chosen;
        const char* After;
    };
    const Case cases[] = { { 0, mrCancel, "95", "62" }, { 0, mrOk, "95", "95" }, { 1, mrOk, "3", "3" } };
    for (const Case& entry : cases) {
        SCOPED_TRACE(entry.Grid * 10 + entry.Result);
        TDudColumnGrid& grid = FEditor->Grid(entry.Grid);
        grid.SetCellEx(2, 1, QStringLiteral("62"));
        String edit, label;
        FServices.AnswerModal([&](TForm& form) {
            auto& dialog = dynamic_cast<TFBACnet_Eng_Unit&>(form);
            edit = dialog.E_Selected_EU->Text();
            label = dialog.Label5->Caption();
            dialog.E_Selected_EU->SetText(QString::fromLatin1(entry.Chosen));
            return entry.Result;
        });
        grid.OnDblClickCell(&grid, 1, 2);
        EXPECT_EQ(edit, QStringLiteral("62"));
        EXPECT_EQ(label, QStringLiteral("-> degrees-Celsius"));
        EXPECT_EQ(grid.GetCellEx(2, 1), QString::fromLatin1(entry.After));
    }
    // Other columns, and the title of this one, only fit their width.
    FServices.Clear();
    FEditor->ACG_BACnet_in_Read->OnDblClickCell(FEditor->ACG_BACnet_in_Read, 1, 3);
    EXPECT_EQ(FServices.PendingAnswers(), 0U);
    TDudColumnGrid& read = *FEditor->ACG_BACnet_in_Read;
    const String title = read.GetCellEx(2, 0);
    FServices.AnswerModal([](TForm& form) {
        dynamic_cast<TFBACnet_Eng_Unit&>(form).E_Selected_EU->SetText(QStringLiteral("95"));
        return mrOk;
    });
    read.OnDblClickCell(&read, 0, 2);
    EXPECT_EQ(FServices.PendingAnswers(), 1U);
    EXPECT_EQ(read.GetCellEx(2, 0), title);
    FServices.Clear();
    FBACnet_Eng_Unit = nullptr;
}

TEST_F(BACnetObjectsTest, SavedFileHoldsBothSectionsAndTheSwapDefaults)
{
    Write_File(File_BACnet_Slave,
        "<BACnet_to_Modbus><BACnet_in_Read><row Data_Type=\"Analog Input\" Eng_Unit=\"62\" Position=\"0\" Bit=\"\" "
        "Length=\"4\" Mnemonic=\"T\"/></BACnet_in_Read><BACnet_in_Write/></BACnet_to_Modbus>");
    Show(*FEditor);
    EXPECT_EQ(Row_Texts(*FEditor->ACG_BACnet_in_Read, 1),
        (std::vector<String> { "Analog Input", "62", "0", "", "4", "N", "T" }));
    Fill_Row(*FEditor->ACG_BACnet_in_Write, 1, { "Binary Out", "3", "10", "5", "", "Y", "Pump" });
    FServices.Clear();
    FEditor->bitbtn1Click(FEditor.get());
    EXPECT_EQ(FServices.Messages(), std::vector<String> {});
    EXPECT_EQ(FEditor->ModalResult(), mrOk);
    EXPECT_EQ(File_Bytes(File_BACnet_Slave),
        "<BACnet_to_Modbus><BACnet_in_Read><row Data_Type=\"Analog Input\" Eng_Unit=\"62\" Position=\"0\" Bit=\"\" "
        "Length=\"4\" Swap=\"N\" Mnemonic=\"T\"/></BACnet_in_Read><BACnet_in_Write><row Data_Type=\"Binary Out\" "
        "Eng_Unit=\"3\" Position=\"10\" Bit=\"5\" Length=\"\" Swap=\"Y\" Mnemonic=\"Pump\"/></BACnet_in_Write>"
        "</BACnet_to_Modbus><!--SW_VERSION = 1.001-->");
}

} // namespace
