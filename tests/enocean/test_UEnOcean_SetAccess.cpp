#include "EnOceanTest.h"

#include "controls/SlantTabs.h"
#include "enocean/UEnOcean_SetAccess.h"
#include "enocean/Unit1.h"
#include "platform/xml/XMLDocument.h"

namespace {

class FirstEditorTest : public EnOceanTest {
protected:
    TFEnOcean_SetAccess& Editor() { return *FEnOcean_SetAccess; }
    // The editor shown, a device added with the identifier and selected.
    void Show_With_Device(const char* id)
    {
        TFEnOcean_SetAccess& editor = Editor();
        editor.FormShow(&editor);
        editor.E_DevEnOcean_ID->SetText(String::fromLatin1(id));
        editor.Btn_Add_Device->Click();
        Click_Item(editor.LB_ID_Devices_List, editor.LB_ID_Devices_List->Items().Count() - 1);
        editor.CT_ID_Data->SetActiveTabIndex(1);
    }
    // Adds the profile of the catalog numbers as a user does; the messages it gave.
    std::vector<String> Add_EEP(int32_t rorg, int32_t func, int32_t type)
    {
        FServices.Clear();
        TEEP_Var_Page& page = Editor().Uni;
        const TCatalog_EnOcean& catalog = *EEP_Catalog;
        Choose(page.CB_EEP_Rorg, catalog.Get_RorgNum_Index(rorg));
        Choose(page.CB_EEP_Func, catalog.Get_FuncNum_Index(rorg, func));
        Choose(page.CB_EEP_Type, catalog.Get_TypeNum_Index(rorg, func, type));
        page.Btn_EEP_Add->Click();
        return FServices.Messages();
    }
};

TEST_F(FirstEditorTest, TheTabsSwitchThePanels)
{
    TFEnOcean_SetAccess& editor = Editor();
    EXPECT_TRUE(editor.PEnOcean_DefID_IDSec->Visible());
    EXPECT_FALSE(editor.PEnOcean_DefID_DataEx->Visible());
    editor.CT_ID_Data->SetActiveTabIndex(1);
    EXPECT_FALSE(editor.PEnOcean_DefID_IDSec->Visible());
    EXPECT_TRUE(editor.PEnOcean_DefID_DataEx->Visible());
    editor.Uni.CT_EEP_Var->SetActiveTabIndex(1);
    EXPECT_TRUE(editor.Uni.P_Var->Visible());
    EXPECT_FALSE(editor.Uni.P_EEP->Visible());
    editor.CT_Uni_Smart_Remote->SetActiveTabIndex(1);
    EXPECT_TRUE(editor.Smart.Panel->Visible());
    EXPECT_FALSE(editor.Uni.Panel->Visible());
    EXPECT_FALSE(editor.CT_Uni_Smart_Remote->Tabs()[2]->Visible());
    EXPECT_EQ(editor.ClientWidth(), 1150);
    EXPECT_EQ(editor.ClientHeight(), 650);
    EXPECT_EQ(editor.CT_ID_Data->Tabs()[0]->Caption(), Str(u"ID & Security"));
    EXPECT_EQ(editor.Uni.Btn_Var_Delete->Caption(), Str(u"Delete Variable"));
}

TEST_F(FirstEditorTest, TheDeviceButtonsFollowTheLastVisibleLabel)
{
    TFEnOcean_SetAccess& editor = Editor();
    editor.FormShow(&editor);
    for (const auto& [type, label] : { std::pair { 0, editor.L_DevEnOcean_SecType }, std::pair { 1, editor.L_DevEnOcean_Secure_Key },
             std::pair { 2, editor.L_DevEnOcean_Secure_PTM } }) {
        SCOPED_TRACE(type);
        Choose(editor.CB_DevEnOcean_SecType, type);
        EXPECT_EQ(editor.Btn_Add_Device->Top(), label->Top() + 33);
        EXPECT_EQ(editor.Btn_Modify_Device->Top(), label->Top() + 33);
        EXPECT_EQ(editor.Btn_Delete_Device->Top(), label->Top() + 67);
        EXPECT_EQ(editor.E_DevEnOcean_Secure_RollCode->Visible(), type == 2);
    }
    // A refused identifier adds nothing and says nothing.
    editor.E_DevEnOcean_ID->SetText(QStringLiteral("4294967297"));
    editor.Btn_Add_Device->Click();
    EXPECT_EQ(editor.LB_ID_Devices_List->Items().Count(), 0);
    EXPECT_TRUE(FServices.Messages().empty());
    editor.E_DevEnOcean_ID->SetText(QStringLiteral("0x1A"));
    editor.Btn_Add_Device->Click();
    EXPECT_EQ(editor.LB_ID_Devices_List->Items()[0], Str(u"ID 0x1A"));
}

TEST_F(FirstEditorTest, ProfilesAreLimitedToFourAndNotRepeated)
{
    Show_With_Device("3");
    EXPECT_TRUE(Add_EEP(0xF6, 0x02, 0x01).empty());
    EXPECT_EQ(Add_EEP(0xF6, 0x02, 0x01), std::vector<String> { Str(u"Error!! EEP already present") });
    EXPECT_TRUE(Add_EEP(0xF6, 0x02, 0x02).empty());
    EXPECT_TRUE(Add_EEP(0xD5, 0x00, 0x01).empty());
    EXPECT_TRUE(Add_EEP(0xA5, 0x04, 0x01).empty());
    // The limit is tested before the repetition.
    EXPECT_EQ(Add_EEP(0xF6, 0x02, 0x01), std::vector<String> { Str(u"Error!! No more space for EEP") });
    ASSERT_EQ(Editor().DevList[0]->UnidirectionalList.size(), 4u);
    // The new profile's node is selected.
    EXPECT_EQ(Editor().Uni.Tree->Selected()->Text(), Str(u"EEP - RORG : 0xA5 FUNC : 0x04 TYPE : 0x01"));
}

TEST_F(FirstEditorTest, AVariablePositionRunsFrom0To1999)
{
    Show_With_Device("3");
    ASSERT_TRUE(Add_EEP(0xA5, 0x04, 0x01).empty());
    TEEP_Var_Page& page = Editor().Uni;
    Editor().TW_UniSmart_EEPClick(page.Tree);
    ASSERT_EQ(Editor().Ind_EEP, 0);
    const struct {
        const char* position;
        bool accepted;
    } cases[] = { { "2000", false }, { "-1", false }, { "x", false }, { "1999", true }, { "0", true } };
    page.CT_EEP_Var->SetActiveTabIndex(1);
    for (const auto& entry : cases) {
        SCOPED_TRACE(entry.position);
        FServices.Clear();
        Click_Node(page.Tree, page.Tree->Items().GetFirstNode()->Item(0));
        Choose(page.CB_Var_Case, 0);
        Choose(page.CB_Var_DataField, 1);
        page.E_Var_Position->SetText(String::fromLatin1(entry.position));
        page.Btn_Var_Add->Click();
        EXPECT_EQ(FServices.Messages(),
            entry.accepted ? std::vector<String> {} : std::vector<String> { Str(u"Error!! Position must be between 0 and 1999") });
    }
    const TRorFunTyp& eep = *Editor().DevList[0]->UnidirectionalList[0];
    ASSERT_EQ(eep.VariableList.size(), 2u);
    EXPECT_EQ(eep.VariableList[0]->Position(), 1999);
    EXPECT_EQ(eep.VariableList[1]->Data(), Str(u"Temperature"));
    EXPECT_EQ(eep.VariableList[1]->BitOffs(), 16);
    // Without a data field the variable is refused.
    FServices.Clear();
    Click_Node(page.Tree, page.Tree->Items().GetFirstNode()->Item(0));
    Choose(page.CB_Var_Case, 0);
    page.Btn_Var_Add->Click();
    EXPECT_EQ(FServices.Messages(), std::vector<String> { Str(u"Error!! Select a Variable before add") });
}

// This form keeps no Smart ACK profiles: it loads a file without them, and
// its save writes every SmartACKList empty, once the user agrees to lose them.
TEST_F(FirstEditorTest, SmartAckEntriesAreNotLoadedAndSavedEmptyOnlyOnYes)
{
    const std::string file = "<EnOcean><DevicesList><Device Id=\"1\" Secure_Type=\"0\" Key=\"\" RollCode=\"\" RollCodeAlg=\"0\" RollCodeTx=\"0\" "
                             "CMACAlg=\"0\" DataCript=\"0\" PTM=\"0\"><UnidirectionalList>"
                             "<RorgFuncType RorgNum=\"246\" FuncNum=\"2\" TypeNum=\"1\"><VariablesList/></RorgFuncType>"
                             "</UnidirectionalList><SmartACKList>"
                             "<RorgFuncType RorgNum=\"210\" FuncNum=\"9\" TypeNum=\"1\"><VariablesList/></RorgFuncType>"
                             "<RorgFuncType RorgNum=\"210\" FuncNum=\"9\" TypeNum=\"2\"/>"
                             "</SmartACKList><Remote/></Device></DevicesList></EnOcean><!--SW_VERSION = 1.000-->";
    for (const TModalResult answer : { mrNo, mrYes }) {
        SCOPED_TRACE(answer);
        Write_Project_File(file);
        TFEnOcean_SetAccess& editor = Editor();
        FServices.Clear();
        editor.FormShow(&editor);
        // A Smart ACK entry without its variable list is not read, so it ends no load.
        EXPECT_TRUE(FServices.Messages().empty());
        ASSERT_EQ(editor.DevList.size(), 1u);
        EXPECT_TRUE(editor.DevList[0]->SmartACKList.empty());
        EXPECT_EQ(editor.DevList[0]->UnidirectionalList.size(), 1u);
        FServices.AnswerMessage(answer);
        editor.SetModalResult(mrNone);
        editor.Btn_OK->Click();
        const auto asked = FServices.Requests();
        ASSERT_EQ(asked.size(), 1u);
        EXPECT_EQ(asked[0].Type, mtConfirmation);
        EXPECT_EQ(asked[0].Text,
            Str(u"EnOcean.xml holds Smart ACK profiles that this editor does not keep: saving removes them. Save anyway? Profiles removed: 2"));
        if (answer == mrNo) {
            EXPECT_EQ(editor.ModalResult(), mrNone);
            EXPECT_EQ(Project_File(), file);
            continue;
        }
        EXPECT_EQ(editor.ModalResult(), mrOk);
        const std::string saved = Project_File();
        EXPECT_NE(saved.find("<SmartACKList/>"), std::string::npos) << saved;
        EXPECT_EQ(saved.find("FuncNum=\"9\""), std::string::npos) << saved;
        EXPECT_NE(saved.find("RorgNum=\"246\""), std::string::npos) << saved;
        // Saved again, there is nothing left to ask about.
        FServices.Clear();
        editor.SetModalResult(mrNone);
        editor.Btn_OK->Click();
        EXPECT_TRUE(FServices.Requests().empty());
        EXPECT_EQ(editor.ModalResult(), mrOk);
    }
}

TEST_F(FirstEditorTest, TheCatalogTestFormAppendsEachRead)
{
    TForm1& form = *Form1;
    EXPECT_EQ(form.CB_Rorg->Items().Count(), 0);
    for (int32_t reads = 1; reads <= 2; ++reads) {
        FServices.Clear();
        form.Button1->Click();
        EXPECT_EQ(FServices.Messages(), std::vector<String> { Str(u"OK") });
        EXPECT_EQ(form.CB_Rorg->Items().Count(), 4 * reads);
    }
    EXPECT_EQ(form.CB_Rorg->Items()[4], Str(u"0xF6 : RPS Telegram"));
    Choose(form.CB_Rorg, 2);
    EXPECT_EQ(form.CB_Func->Items().Count(), 2);
    Choose(form.CB_Func, 1);
    EXPECT_EQ(form.CB_Type->Items()[0], Str(u"0x01 : Range 0 to 40 and 0 to 100"));
    std::filesystem::remove(FExe.Native("CAT_EnOcean/eep.xml"));
    FServices.Clear();
    form.Button1->Click();
    EXPECT_EQ(FServices.Messages(), std::vector<String> { Str(u"Error") });
}

} // namespace
