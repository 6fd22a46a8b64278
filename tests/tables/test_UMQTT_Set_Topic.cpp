#include "TablesTest.h"

#include "tables/UMQTT_Set_Topic.h"
#include "tables/UTopicTemplate.h"

#include <algorithm>
#include <memory>

namespace {

class MQTTSetTopicTest : public TablesTest {
protected:
    void SetUp() override
    {
        TablesTest::SetUp();
        FTemplate = std::make_unique<TFTopicTemplate>(nullptr);
        FTemplate->DoCreate();
        FTopicTemplate = FTemplate.get();
        FEditor = Make<TFMQTT_Set_Topic>();
    }
    void TearDown() override { FTopicTemplate = nullptr; }

    // The shown column of a real one.
    static int32_t Display_Col(const TDudColumnGrid& grid, int32_t real)
    {
        for (int32_t col = 0; col < grid.ColCount(); ++col)
            if (grid.RealColIndex(col) == real)
                return col;
        return -1;
    }
    // A double click on a cell, made current as the mouse does.
    void Double_Click(TDudColumnGrid& grid, int32_t row, int32_t real)
    {
        const int32_t col = Display_Col(grid, real);
        grid.SetRow(row);
        grid.SetCol(col);
        FEditor->DblClickCell(&grid, row, col);
    }

    std::unique_ptr<TFTopicTemplate> FTemplate;
    std::unique_ptr<TFMQTT_Set_Topic> FEditor;
};

TEST_F(MQTTSetTopicTest, ShowingLaysOutTheColumnsAndFixesTheLimits)
{
    FEditor->ACG_Pub->UnHideColumn(7);
    FEditor->PageControl1->SetActivePage(FEditor->TS_MQTT_Subscribe);
    Show(*FEditor);
    EXPECT_EQ(FEditor->ClientWidth(), 1100);
    EXPECT_EQ(FEditor->ClientHeight(), 337);
    EXPECT_EQ(FEditor->Working_Mode, 1);
    EXPECT_EQ(FEditor->Byte_IN, 1440);
    EXPECT_EQ(FEditor->Byte_OUT, 1440);
    EXPECT_EQ(FEditor->ACG_Pub->RowCount(), 1025);
    EXPECT_EQ(FEditor->ACG_Sub->RowCount(), 1025);
    EXPECT_EQ(FEditor->PageControl1->ActivePage(), FEditor->TS_MQTT_Publish);
    const struct {
        TDudColumnGrid* Grid;
        std::vector<int32_t> Hidden;
        int32_t Columns;
    } cases[] = {
        { FEditor->ACG_Pub, { 7, 8, 14, 15, 16 }, 18 },
        { FEditor->ACG_Sub, { 2, 7, 8, 9, 10, 12, 13 }, 15 },
    };
    for (const auto& entry : cases) {
        SCOPED_TRACE(entry.Grid->Name().toStdString());
        EXPECT_EQ(entry.Grid->ColCount() + entry.Grid->NumHiddenColumns(), entry.Columns);
        for (int32_t col = 1; col < entry.Columns; ++col)
            EXPECT_EQ(entry.Grid->IsHiddenColumn(col), std::find(entry.Hidden.begin(), entry.Hidden.end(), col) != entry.Hidden.end())
                << "column " << col;
    }
}

TEST_F(MQTTSetTopicTest, HiddenColumnsSurviveALoadAndSave)
{
    Write_File(File_MQTT_Set_Topic,
        "<MQTT_Set_Topic><MQTT_Publish>"
        "<row Topic=\"a/b\" Retained=\"N\" QoS=\"0\" DataType=\"Int\" Dimension=\"2\" Position=\"0\" IPAddress=\"10.0.0.1\" "
        "InputTemplate=\"$IN$\" Template=\"$VALUE$\" OnChange=\"Y\" OnCMD=\"N\" OnTimer=\"N\" Time=\"\" Mnemonic=\"ab\"/>"
        "<row Topic=\"c\" Retained=\"Y\" QoS=\"1\" Mnemonic=\"c\"/>"
        "</MQTT_Publish><MQTT_Subscribe>"
        "<row Topic=\"s\" Retained=\"Y\" QoS=\"2\" DataType=\"Float\" Dimension=\"4\" Position=\"8\" IPAddress=\"10.0.0.2\" "
        "Port=\"502\" EthType=\"UDP\" InputTemplate=\"\" Mnemonic=\"s\"/>"
        "</MQTT_Subscribe></MQTT_Set_Topic>");
    Show(*FEditor);
    EXPECT_TRUE(FServices.Messages().empty());
    EXPECT_EQ(Row_Texts(*FEditor->ACG_Pub, 1),
        std::vector<String>({ "a/b", "N", "0", "Int", "2", "0", "10.0.0.1", "$IN$", "$VALUE$", "Y", "N", "N", "", "", "N",
            "N", "ab" }));
    EXPECT_EQ(Row_Texts(*FEditor->ACG_Pub, 2),
        std::vector<String>({ "c", "Y", "1", "", "", "", "", "", "", "N", "N", "N", "", "", "N", "N", "c" }));
    EXPECT_EQ(Row_Texts(*FEditor->ACG_Sub, 1),
        std::vector<String>({ "s", "Y", "2", "Float", "4", "8", "10.0.0.2", "502", "UDP", "", "", "N", "N", "s" }));

    // The second publish row has no data slice: give it one, then save.
    FEditor->ACG_Pub->SetCellEx(4, 2, QStringLiteral("String"));
    FEditor->ACG_Pub->SetCellEx(5, 2, QStringLiteral("16"));
    FEditor->ACG_Pub->SetCellEx(6, 2, QStringLiteral("16"));
    FEditor->ACG_Pub->SetCellEx(15, 1, QStringLiteral("Y"));
    FEditor->Btn_OK->Click();
    EXPECT_TRUE(FServices.Messages().empty());
    EXPECT_EQ(FEditor->ModalResult(), mrOk);
    const std::string saved = File_Bytes(File_MQTT_Set_Topic);
    const std::string expected[] = {
        "<row Topic=\"a/b\" Retained=\"N\" QoS=\"0\" DataType=\"Int\" Dimension=\"2\" Position=\"0\" IPAddress=\"10.0.0.1\" "
        "InputTemplate=\"$IN$\" Template=\"$VALUE$\" OnChange=\"Y\" OnCMD=\"N\" OnTimer=\"N\" Time=\"\" Mnemonic=\"ab\"",
        "<row Topic=\"s\" Retained=\"Y\" QoS=\"2\" DataType=\"Float\" Dimension=\"4\" Position=\"8\" IPAddress=\"10.0.0.2\" "
        "Port=\"502\" EthType=\"UDP\" InputTemplate=\"\" Template=\"\" Mnemonic=\"s\"",
        "<!--SW_VERSION = 1.001-->",
    };
    for (const std::string& part : expected)
        EXPECT_NE(saved.find(part), std::string::npos) << part << "\nin\n" << saved;
    EXPECT_LT(saved.find("<MQTT_Publish>"), saved.find("<MQTT_Subscribe>"));
    // Channel, Swap and Swap Word are never written.
    EXPECT_EQ(saved.find("Swap"), std::string::npos);
    EXPECT_EQ(saved.find("Channel"), std::string::npos);
}

TEST_F(MQTTSetTopicTest, DoubleClickOnATemplateEditsItInTheTemplateDialog)
{
    Show(*FEditor);
    const struct {
        const char* Name;
        TDudColumnGrid* Grid;
        int32_t Col;
        int32_t Pub_Sub;
        TModalResult Answer;
        const char* Cell;
    } cases[] = {
        { "publish, OK", FEditor->ACG_Pub, 9, 0, mrOk, "{\"t\":$VALUE$}" },
        { "publish, Cancel", FEditor->ACG_Pub, 9, 0, mrCancel, "$VALUE$" },
        { "subscribe, OK", FEditor->ACG_Sub, 11, 1, mrOk, "{\"t\":$VALUE$}" },
    };
    for (const auto& entry : cases) {
        SCOPED_TRACE(entry.Name);
        entry.Grid->SetCellEx(entry.Col, 3, QStringLiteral("$VALUE$"));
        FServices.AnswerModal([&entry](TForm& form) {
            auto& dialog = dynamic_cast<TFTopicTemplate&>(form);
            EXPECT_EQ(dialog.TopicTemplate, 1);
            EXPECT_EQ(dialog.Working_Mode, 1);
            EXPECT_EQ(dialog.Pub_Sub, entry.Pub_Sub);
            EXPECT_EQ(dialog.RE_TopicTemplate->Text(), QStringLiteral("$VALUE$"));
            dialog.RE_TopicTemplate->SetText(QStringLiteral("{\"t\":$VALUE$}"));
            return entry.Answer;
        });
        Double_Click(*entry.Grid, 3, entry.Col);
        EXPECT_EQ(FServices.PendingAnswers(), 0U);
        EXPECT_EQ(entry.Grid->GetCellEx(entry.Col, 3), QString::fromUtf8(entry.Cell));
    }
    // Any other cell opens nothing.
    FServices.AnswerModal([](TForm&) { return mrOk; });
    Double_Click(*FEditor->ACG_Pub, 3, 1);
    EXPECT_EQ(FServices.PendingAnswers(), 1U);
}

TEST_F(MQTTSetTopicTest, HintsFollowTheRealColumn)
{
    Show(*FEditor);
    const struct {
        TDudColumnGrid* Grid;
        int32_t Col;
        int32_t Hint;
    } cases[] = {
        { FEditor->ACG_Pub, 9, 1436 },
        { FEditor->ACG_Pub, 17, 1422 },
        { FEditor->ACG_Sub, 3, 1431 },
        { FEditor->ACG_Sub, 14, 1432 },
    };
    for (const auto& entry : cases) {
        SCOPED_TRACE(entry.Col);
        String hint = QStringLiteral("grid's own");
        FEditor->GridHint(entry.Grid, 0, Display_Col(*entry.Grid, entry.Col), hint);
        EXPECT_EQ(hint, Text(entry.Hint));
    }
    // Outside the titles the grid's own text stays.
    String hint = QStringLiteral("grid's own");
    FEditor->GridHint(FEditor->ACG_Pub, 2, 1, hint);
    EXPECT_EQ(hint, QStringLiteral("grid's own"));
    EXPECT_FALSE(FEditor->ACG_Pub->OnClickCell);
    EXPECT_TRUE(FEditor->ACG_Sub->OnGridHint);
}

TEST_F(MQTTSetTopicTest, TemplateMarksComeInPairs)
{
    const struct {
        const char* Text;
        bool Wrong;
    } cases[] = { { "", false }, { "$VALUE$", false }, { "$A$$B$", false }, { "$", true }, { "a$b$c$", true } };
    for (const auto& entry : cases) {
        SCOPED_TRACE(entry.Text);
        EXPECT_EQ(TFMQTT_Set_Topic::Error_In_Topic_Template(QString::fromUtf8(entry.Text)), entry.Wrong);
    }
}

} // namespace
