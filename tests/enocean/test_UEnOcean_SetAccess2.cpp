#include "EnOceanTest.h"

#include "controls/SlantTabs.h"
#include "enocean/UEnOcean_Variable_SAck.h"
#include "grid/DudCGrid.h"
#include "grid/DudOder.h"
#include "app/lang/ULanguage.h"
#include "platform/xml/XMLDocument.h"

namespace {

class EditorTest : public EnOceanTest {
protected:
    // The devices of EnOcean.xml as the program reads them.
    TDevice_List Saved_Devices()
    {
        TDevice_List devices;
        TXMLDocument document;
        EXPECT_TRUE(Load_Configuration(document, devices, FExe.File("PROJECTS/Plant/EnOcean.xml")).Complete);
        return devices;
    }
};

// What a user does first: a device with a pre-shared key, a rocker and a
// temperature and humidity sensor with two variables each, then OK.
TEST_F(EditorTest, AUserAddsADeviceWithTwoProfilesAndTheirVariables)
{
    Open_Editor([this](TFEnOcean_SetAccess2& editor) {
        Answer_Device("0x0180A1B2", 1, "00112233AABBCCDD");
        editor.Btn_Add_Device->Click();
        ASSERT_EQ(editor.LB_ID_Devices_List->Items().Count(), 1);
        Click_Item(editor.LB_ID_Devices_List, 0);
        Answer_Variable({ 0xF6, 0x02, 0x01, 0, 0, "0", 0 });
        editor.Btn_Add_Variable->Click();
        Click_Node(editor.TW_UniSmart_EEP, Node(editor, 0));
        Answer_Variable({ -1, -1, -1, 0, 1, "0", 3 });
        editor.Btn_Add_Variable->Click();
        Click_Item(editor.LB_ID_Devices_List, 0);
        Answer_Variable({ 0xA5, 0x04, 0x01, 0, 0, "2", 0 });
        editor.Btn_Add_Variable->Click();
        Click_Node(editor.TW_UniSmart_EEP, Node(editor, 1));
        Answer_Variable({ -1, -1, -1, 0, 1, "3", 0 });
        editor.Btn_Add_Variable->Click();
        EXPECT_EQ(Node(editor, 1)->Text(), Str(u"EEP - RORG : 0xA5 FUNC : 0x04 TYPE : 0x01"));
        EXPECT_EQ(Node(editor, 1, 1)->Text(), Str(u"Variable - Temperature"));
        editor.Btn_OK->Click();
    });
    EXPECT_TRUE(FServices.Messages().empty());
    const TDevice_List devices = Saved_Devices();
    ASSERT_EQ(devices.size(), 1u);
    const TDevice_EnOcean& device = *devices[0];
    EXPECT_EQ(device.Id(), Str(u"0x0180A1B2"));
    EXPECT_EQ(device.Secure_Type(), 1);
    EXPECT_EQ(device.Key(), Str(u"00112233AABBCCDD"));
    ASSERT_EQ(device.UnidirectionalList.size(), 2u);
    struct Expected {
        int32_t rorg, func, type;
        const char16_t* data[2];
        int32_t offsets[2];
        int32_t positions[2];
        int32_t bitStarts[2];
    };
    const Expected expected[] = {
        { 0xF6, 0x02, 0x01, { u"Rocker 1st action", u"Energy Bow" }, { 0, 3 }, { 0, 0 }, { 0, 3 } },
        { 0xA5, 0x04, 0x01, { u"Humidity", u"Temperature" }, { 8, 16 }, { 2, 3 }, { 0, 0 } },
    };
    for (size_t index = 0; index < std::size(expected); ++index) {
        SCOPED_TRACE(index);
        const TRorFunTyp& eep = *device.UnidirectionalList[index];
        EXPECT_EQ(eep.RorgNum(), expected[index].rorg);
        EXPECT_EQ(eep.FuncNum(), expected[index].func);
        EXPECT_EQ(eep.TypeNum(), expected[index].type);
        ASSERT_EQ(eep.VariableList.size(), 2u);
        for (size_t var = 0; var < 2; ++var) {
            EXPECT_EQ(eep.VariableList[var]->Data(), Str(expected[index].data[var]));
            EXPECT_EQ(eep.VariableList[var]->BitOffs(), expected[index].offsets[var]);
            EXPECT_EQ(eep.VariableList[var]->Position(), expected[index].positions[var]);
            EXPECT_EQ(eep.VariableList[var]->BitStart(), expected[index].bitStarts[var]);
            EXPECT_EQ(eep.VariableList[var]->CaseIndex(), 0);
        }
    }
}

TEST_F(EditorTest, TheTableShowsTheSelectedProfileAndVariable)
{
    Open_Editor([this](TFEnOcean_SetAccess2& editor) {
        Answer_Device("17");
        editor.Btn_Add_Device->Click();
        Click_Item(editor.LB_ID_Devices_List, 0);
        Answer_Variable({ 0xF6, 0x02, 0x01, 1, 0, "12", 5 });
        editor.Btn_Add_Variable->Click();
        TDudStringGrid& table = *editor.ZUZ_EEP_Var;
        EXPECT_EQ(table.Cells(0, 0), Str(u"EEP"));
        EXPECT_EQ(table.Cells(0, 4), Str(u"Variable"));
        EXPECT_EQ(table.CellProperties(0, 0)->BrushColor(), TColor(15780518));
        EXPECT_EQ(table.CellProperties(0, 8)->BrushColor(), TColor(12639424));
        Click_Node(editor.TW_UniSmart_EEP, Node(editor, 0, 0));
        const char16_t* expected[] = { u"0xF6 : RPS Telegram", u"0x02 : Rocker Switch, 2 Rocker", u"0x01 : Light and Blind Control 1",
            u"2 -> Released", u"Number of buttons", u"12", u"5" };
        const int32_t rows[] = { 1, 2, 3, 5, 6, 7, 8 };
        for (size_t index = 0; index < std::size(rows); ++index)
            EXPECT_EQ(table.Cells(1, rows[index]), Str(expected[index])) << rows[index];
        Click_Node(editor.TW_UniSmart_EEP, Node(editor, 0));
        EXPECT_EQ(table.Cells(1, 1), Str(u"0xF6 : RPS Telegram"));
        EXPECT_EQ(table.Cells(1, 5), String());
        EXPECT_EQ(table.Cells(1, 8), String());
    });
}

TEST_F(EditorTest, RemovalsAskAndActOnYesOnly)
{
    Open_Editor([this](TFEnOcean_SetAccess2& editor) {
        for (const char* id : { "1", "2" }) {
            Answer_Device(id);
            editor.Btn_Add_Device->Click();
        }
        Click_Item(editor.LB_ID_Devices_List, 0);
        Answer_Variable({ 0xF6, 0x02, 0x01, 0, 0, "0", 0 });
        editor.Btn_Add_Variable->Click();
        Answer_Variable({ 0xD5, 0x00, 0x01, 0, 0, "1", 0 });
        editor.Btn_Add_Variable->Click();

        struct Case {
            const char* name;
            int32_t eep, variable;
            TModalResult answer;
            size_t eeps, variablesOfFirst;
        };
        const Case cases[] = {
            { "variable, No", 0, 0, mrNo, 2, 1 },
            { "variable, Cancel", 0, 0, mrCancel, 2, 1 },
            { "variable, Yes", 0, 0, mrYes, 2, 0 },
            { "profile without variables, Yes", 0, -1, mrYes, 1, 1 },
        };
        for (const Case& entry : cases) {
            SCOPED_TRACE(entry.name);
            FServices.Clear();
            Click_Node(editor.TW_UniSmart_EEP, Node(editor, entry.eep, entry.variable));
            FServices.AnswerMessage(entry.answer);
            editor.Btn_Remove_Variable->Click();
            const TDevice_EnOcean& device = *editor.DevList[0];
            EXPECT_EQ(device.UnidirectionalList.size(), entry.eeps);
            EXPECT_EQ(device.UnidirectionalList[0]->VariableList.size(), entry.variablesOfFirst);
        }
        EXPECT_EQ(FServices.Messages(), std::vector<String> { Str(u"Do you really want to remove the selected EEP?") });

        FServices.Clear();
        FServices.AnswerMessage(mrNo);
        editor.Btn_Remove_Device->Click();
        EXPECT_EQ(editor.DevList.size(), 2u);
        Click_Item(editor.LB_ID_Devices_List, 1);
        FServices.AnswerMessage(mrYes);
        editor.Btn_Remove_Device->Click();
        ASSERT_EQ(editor.DevList.size(), 1u);
        EXPECT_EQ(editor.DevList[0]->Id(), Str(u"1"));
        EXPECT_EQ(FServices.Messages(), std::vector<String>(2, Str(u"Are you sure to cancel the Device EnOcean?")));
        // No device is selected after the removal.
        FServices.Clear();
        editor.Btn_Add_Variable->Click();
        EXPECT_EQ(FServices.Messages(), std::vector<String> { Str(u"Error!! Insert or select one EnOcean Device") });
        EXPECT_EQ(editor.TW_UniSmart_EEP->Items().Count(), 0);
    });
}

TEST_F(EditorTest, AddingADeviceKeepsTheDialogsOtherFieldsAndModifyingFillsThemAll)
{
    Open_Editor([this](TFEnOcean_SetAccess2& editor) {
        Answer_Device("5", 2, "KEYKEYKEY");
        editor.Btn_Add_Device->Click();
        // Adding empties only the identifier and the security type.
        FServices.AnswerModal([](TForm& form) {
            auto& dialog = dynamic_cast<TFEnOcean_Device&>(form);
            EXPECT_EQ(dialog.E_DevEnOcean_ID->Text(), String());
            EXPECT_EQ(dialog.CB_DevEnOcean_SecType->ItemIndex(), 0);
            EXPECT_EQ(dialog.E_DevEnOcean_Secure_Key->Text(), Str(u"KEYKEYKEY"));
            return mrCancel;
        });
        editor.Btn_Add_Device->Click();
        EXPECT_EQ(editor.DevList.size(), 1u);
        FServices.Clear();
        FServices.AnswerModal([](TForm& form) {
            auto& dialog = dynamic_cast<TFEnOcean_Device&>(form);
            dialog.SetModalResult(mrNone);
            dialog.FormShow(&dialog);
            EXPECT_EQ(dialog.Caption(), Str(u"Modify EnOcean Device"));
            EXPECT_EQ(dialog.L_SW_Desc->Caption(), Str(u"Modify EnOcean Device"));
            EXPECT_EQ(dialog.E_DevEnOcean_ID->Text(), Str(u"5"));
            EXPECT_EQ(dialog.E_DevEnOcean_Secure_Key->Text(), Str(u"KEYKEYKEY"));
            EXPECT_EQ(dialog.ClientHeight(), 409);
            dialog.E_DevEnOcean_ID->SetText(QStringLiteral("0005"));
            dialog.Btn_OK->Click();
            return dialog.ModalResult();
        });
        Click_Item(editor.LB_ID_Devices_List, 0);
        editor.LB_ID_Devices_ListDblClick(editor.LB_ID_Devices_List);
        EXPECT_EQ(editor.LB_ID_Devices_List->Items()[0], Str(u"0005"));
        editor.Btn_Cancel->Click();
    });
    // Cancel writes nothing.
    EXPECT_EQ(Project_File(), std::string());
}

TEST_F(EditorTest, TheDeviceMenuAddsRemovesAndModifies)
{
    Open_Editor([this](TFEnOcean_SetAccess2& editor) {
        Answer_Device("40");
        editor.AddEnOceanDevice1->Click();
        ASSERT_EQ(editor.DevList.size(), 1u);
        Click_Item(editor.LB_ID_Devices_List, 0);
        FServices.AnswerMessage(mrYes);
        editor.RemoveEnOceanDevice1->Click();
        EXPECT_TRUE(editor.DevList.empty());
    });
}

TEST_F(EditorTest, AnEditorWithoutAProjectFileWritesAnEmptyOne)
{
    Open_Editor([](TFEnOcean_SetAccess2& editor) {
        EXPECT_EQ(editor.LB_ID_Devices_List->Items().Count(), 0);
        editor.Btn_OK->Click();
        EXPECT_EQ(editor.ModalResult(), mrOk);
    });
    EXPECT_NE(Project_File().find("<DevicesList"), std::string::npos);
    EXPECT_TRUE(Saved_Devices().empty());
}

// A profile, case or data field the catalog does not hold stays in the project.
TEST_F(EditorTest, VariablesTheCatalogCannotPlaceOpenAndAreKept)
{
    const std::string file = "<EnOcean><DevicesList>"
                             "<Device Id=\"9\" Secure_Type=\"0\" Key=\"\" RollCode=\"\" RollCodeAlg=\"0\" RollCodeTx=\"0\" CMACAlg=\"0\" DataCript=\"0\" PTM=\"0\">"
                             "<UnidirectionalList>"
                             "<RorgFuncType RorgNum=\"246\" FuncNum=\"127\" TypeNum=\"51\"><VariablesList>"
                             "<Variable CaseInd=\"5\" Data=\"Ghost\" BitOffs=\"1\" BitSize=\"2\" Position=\"3\" BitStart=\"4\"/>"
                             "</VariablesList></RorgFuncType>"
                             "<RorgFuncType RorgNum=\"246\" FuncNum=\"2\" TypeNum=\"1\"><VariablesList>"
                             "<Variable CaseInd=\"9\" Data=\"Gone\" BitOffs=\"0\" BitSize=\"1\" Position=\"0\" BitStart=\"0\"/>"
                             "</VariablesList></RorgFuncType>"
                             "</UnidirectionalList><SmartACKList/><Remote/></Device></DevicesList></EnOcean>";
    Write_Project_File(file);
    Open_Editor([this](TFEnOcean_SetAccess2& editor) {
        Click_Item(editor.LB_ID_Devices_List, 0);
        EXPECT_EQ(Node(editor, 0)->Text(), Str(u"EEP - RORG : 0xF6 FUNC : 0x7F TYPE : 0x33"));
        Click_Node(editor.TW_UniSmart_EEP, Node(editor, 0, 0));
        EXPECT_EQ(editor.ZUZ_EEP_Var->Cells(1, 1), Str(u"0xF6 : RPS Telegram"));
        EXPECT_EQ(editor.ZUZ_EEP_Var->Cells(1, 2), String());
        EXPECT_EQ(editor.ZUZ_EEP_Var->Cells(1, 5), String());
        EXPECT_EQ(editor.ZUZ_EEP_Var->Cells(1, 6), Str(u"Ghost"));
        // The dialog opens on what it can place and refuses an OK without a profile.
        for (const auto& [eep, variable] : { std::pair { 0, 0 }, std::pair { 1, 0 } }) {
            Click_Node(editor.TW_UniSmart_EEP, Node(editor, eep, variable));
            FServices.AnswerModal([](TForm& form) {
                auto& dialog = dynamic_cast<TFEnOcean_Variable&>(form);
                dialog.SetModalResult(mrNone);
                dialog.FormShow(&dialog);
                dialog.Btn_OK->Click();
                return dialog.ModalResult() == mrOk ? mrOk : mrCancel;
            });
            editor.Btn_Modify_Variable->Click();
        }
        editor.Btn_OK->Click();
    });
    EXPECT_EQ(FServices.Messages(), (std::vector<String> { Str(u"Error!! Select a FUNC before add an EEP"), Str(u"Error!! Select a Variable before add") }));
    const TDevice_List devices = Saved_Devices();
    ASSERT_EQ(devices.size(), 1u);
    ASSERT_EQ(devices[0]->UnidirectionalList.size(), 2u);
    const TVarEnOcean& ghost = *devices[0]->UnidirectionalList[0]->VariableList.at(0);
    EXPECT_EQ(ghost.Data(), Str(u"Ghost"));
    EXPECT_EQ(ghost.CaseIndex(), 5);
    EXPECT_EQ(ghost.BitStart(), 4);
    EXPECT_EQ(devices[0]->UnidirectionalList[1]->VariableList.at(0)->CaseIndex(), 9);
}

TEST_F(EditorTest, APartlyUnreadableFileIsReportedAndReplacedOnlyWhenTheUserSaysSo)
{
    const std::string device = "<Device Id=\"%1\" Secure_Type=\"0\" Key=\"\" RollCode=\"\" RollCodeAlg=\"0\" RollCodeTx=\"0\" CMACAlg=\"0\" DataCript=\"0\"%2>"
                               "<UnidirectionalList/><SmartACKList/><Remote/></Device>";
    const std::string file = "<EnOcean><DevicesList>" + QString::fromStdString(device).arg("1", " PTM=\"0\"").toStdString()
        + QString::fromStdString(device).arg("2", "").toStdString() + "</DevicesList></EnOcean>";
    Write_Project_File(file);
    for (const TModalResult answer : { mrNo, mrYes }) {
        SCOPED_TRACE(answer);
        FServices.Clear();
        Open_Editor([this, answer](TFEnOcean_SetAccess2& editor) {
            EXPECT_EQ(editor.LB_ID_Devices_List->Items().Count(), 1);
            FServices.AnswerMessage(answer);
            editor.Btn_OK->Click();
            EXPECT_EQ(editor.ModalResult(), answer == mrYes ? mrOk : mrNone);
        });
        const std::vector<TUiRequest>& asked = FServices.Requests();
        ASSERT_EQ(asked.size(), 3u);
        EXPECT_EQ(asked[1].Type, mtWarning);
        EXPECT_TRUE(asked[1].Text.startsWith(Str(u"Warning!! EnOcean.xml could not be read completely"))) << asked[1].Text.toStdString();
        EXPECT_EQ(asked[2].Type, mtConfirmation);
        if (answer == mrNo) {
            EXPECT_EQ(Project_File(), file);
        }
    }
    EXPECT_EQ(Saved_Devices().size(), 1u);
}

TEST_F(EditorTest, SmartAckStaysHiddenAndTheRemoteTabToo)
{
    const TSlantTabsList& tabs = FEnOcean_SetAccess2->CT_Uni_Smart_Remote->Tabs();
    EXPECT_TRUE(tabs[0]->Visible());
    EXPECT_FALSE(tabs[1]->Visible());
    EXPECT_FALSE(tabs[2]->Visible());
    EXPECT_EQ(FEnOcean_SetAccess2->CT_Uni_Smart_Remote->ActiveTabIndex(), 0);
    EXPECT_EQ(FEnOcean_SetAccess2->ClientWidth(), 1150);
    EXPECT_EQ(FEnOcean_SetAccess2->ClientHeight(), 410);
}

TEST_F(EditorTest, ALanguageChangeRelabelsTheEnOceanDialogs)
{
    FExe.Write("LANGUAGE/Test.lng", "STR1200 = Editor\nSTR1000 = Device\nSTR1100 = Variable\nSTR800 = First\n");
    ASSERT_TRUE(Lang_Texts().Read_Lang_File(FExe.File("LANGUAGE/Test.lng")));
    FWindow->Change_Language();
    EXPECT_EQ(FEnOcean_SetAccess2->Caption(), Str(u"Editor"));
    EXPECT_EQ(FEnOcean_Device->Caption(), Str(u"Device"));
    EXPECT_EQ(FEnOcean_Variable->Caption(), Str(u"Variable"));
    EXPECT_EQ(FEnOcean_SetAccess->Caption(), Str(u"First"));
    Lang_Texts().Load_Default_Texts();
}

// A Smart ACK group chosen in its dialog: the TYPE, the IN case with the rows
// whose Enable the user switches off by Space, the OUT case; OK pressed.
struct TSAck_Group {
    int32_t CaseIn = -1;
    std::vector<int32_t> Disabled_In;
    const char* Position_Row1 = nullptr;
    int32_t CaseOut = -1;
};

class SmartAckEditorTest : public EditorTest {
protected:
    void Answer_SAck(const TSAck_Group& group)
    {
        FServices.AnswerModal([group](TForm& form) {
            auto& dialog = dynamic_cast<TFEnOcean_Variable_SAck&>(form);
            dialog.SetModalResult(mrNone);
            dialog.FormShow(&dialog);
            Choose(dialog.CB_EEP_Type, 0);
            if (group.CaseIn >= 0)
                Choose(dialog.CB_Var_Case_IN, group.CaseIn);
            TDudColumnGrid& in = *dialog.ACG_Vars_Case_IN;
            for (const int32_t row : group.Disabled_In) {
                in.SetCol(1);
                in.SetRow(row);
                in.Perform(WM_KEYDOWN, VK_SPACE, 0);
                in.Perform(WM_KEYUP, VK_SPACE, 0);
            }
            if (group.Position_Row1)
                in.SetCells(2, 1, String::fromLatin1(group.Position_Row1));
            if (group.CaseOut >= 0)
                Choose(dialog.CB_Var_Case_OUT, group.CaseOut);
            dialog.Btn_OK->Click();
            return dialog.ModalResult() == mrOk ? mrOk : mrCancel;
        });
    }
    static void Show_Smart_Ack(TFEnOcean_SetAccess2& editor)
    {
        editor.CT_Uni_Smart_Remote->Tabs()[1]->SetVisible(true);
        editor.CT_Uni_Smart_Remote->SetActiveTabIndex(1);
    }
    static std::vector<String> Tree_Texts(TFEnOcean_SetAccess2& editor)
    {
        std::vector<String> texts;
        for (TTreeNode* node = editor.TW_UniSmart_EEP->Items().GetFirstNode(); node; node = node->GetNext())
            texts.push_back(node->Text());
        return texts;
    }
};

// The Smart ACK road behind its hidden tab: a group of IN and OUT variables
// becomes a Smart ACK profile with their cases, repeats and empty groups are
// refused, and OK writes it to EnOcean.xml.
TEST_F(SmartAckEditorTest, AGroupStoresItsEnabledVariablesWithTheirCases)
{
    Open_Editor([this](TFEnOcean_SetAccess2& editor) {
        Answer_Device("7");
        editor.Btn_Add_Device->Click();
        Click_Item(editor.LB_ID_Devices_List, 0);
        Show_Smart_Ack(editor);
        Answer_SAck({ 0, { 2 }, "4", 1 });
        editor.Btn_Add_Variable->Click();
        EXPECT_TRUE(FServices.Messages().empty());
        EXPECT_EQ(Tree_Texts(editor),
            (std::vector<String> { Str(u"Smart ACK - EEP List"), Str(u"EEP - RORG : 0xD2 FUNC : 0x09 TYPE : 0x01"), Str(u"Variable - Output"),
                Str(u"Variable - Channel"), Str(u"Variable - Command") }));

        const struct {
            TSAck_Group group;
            const char16_t* message;
        } refused[] = {
            { { 0, { 2, 3 }, nullptr, -1 }, u"Error!! Variable already inserted in EEP" },
            { { -1, {}, nullptr, 1 }, u"Error!! Variable already inserted in EEP" },
            { { 0, { 1, 2, 3 }, nullptr, -1 }, u"Error!! Select a Variable before add" },
            { { -1, {}, nullptr, -1 }, u"Error!! Select a Variable before add" },
        };
        for (const auto& entry : refused) {
            SCOPED_TRACE(Str(entry.message).toStdString());
            FServices.Clear();
            Click_Item(editor.LB_ID_Devices_List, 0);
            Answer_SAck(entry.group);
            editor.Btn_Add_Variable->Click();
            EXPECT_EQ(FServices.Messages(), std::vector<String> { Str(entry.message) });
            EXPECT_EQ(Tree_Texts(editor).size(), 5u);
        }
        editor.Btn_OK->Click();
    });
    const TDevice_List devices = Saved_Devices();
    ASSERT_EQ(devices.size(), 1u);
    EXPECT_TRUE(devices[0]->UnidirectionalList.empty());
    ASSERT_EQ(devices[0]->SmartACKList.size(), 1u);
    const TRorFunTyp& eep = *devices[0]->SmartACKList[0];
    EXPECT_EQ(eep.RorgNum(), 0xD2);
    EXPECT_EQ(eep.FuncNum(), 9);
    EXPECT_EQ(eep.TypeNum(), 1);
    const struct {
        int32_t caseIndex;
        const char16_t* data;
        int32_t offset, size, position;
    } expected[] = { { 0, u"Output", 0, 7, 4 }, { 0, u"Channel", 11, 5, 0 }, { 1, u"Command", 4, 4, 0 } };
    ASSERT_EQ(eep.VariableList.size(), std::size(expected));
    for (size_t index = 0; index < std::size(expected); ++index) {
        SCOPED_TRACE(index);
        const TVarEnOcean& variable = *eep.VariableList[index];
        EXPECT_EQ(variable.CaseIndex(), expected[index].caseIndex);
        EXPECT_EQ(variable.Data(), Str(expected[index].data));
        EXPECT_EQ(variable.BitOffs(), expected[index].offset);
        EXPECT_EQ(variable.BitSize(), expected[index].size);
        EXPECT_EQ(variable.Position(), expected[index].position);
        EXPECT_EQ(variable.BitStart(), 0);
    }
}

// The same case for IN and OUT with a variable enabled in both would map it twice.
TEST_F(SmartAckEditorTest, OneCaseForInAndOutCannotMapAVariableTwice)
{
    Open_Editor([this](TFEnOcean_SetAccess2& editor) {
        Answer_Device("8");
        editor.Btn_Add_Device->Click();
        Click_Item(editor.LB_ID_Devices_List, 0);
        Show_Smart_Ack(editor);
        Answer_SAck({ 1, {}, nullptr, 1 });
        editor.Btn_Add_Variable->Click();
        EXPECT_EQ(FServices.Messages(), std::vector<String> { Str(u"Error!! Variable already inserted in EEP") });
        EXPECT_EQ(Tree_Texts(editor), std::vector<String> { Str(u"Smart ACK - EEP List") });
        editor.Btn_Cancel->Click();
    });
}

} // namespace
