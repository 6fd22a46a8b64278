#include "EnOceanTest.h"

#include "enocean/UEnOcean_Variable_SAck.h"
#include "grid/DudCGrid.h"

namespace {

// A profile of a device in EnOcean.xml with its variables ("case:data" each).
std::string Profile(int rorg, int func, int type, std::initializer_list<std::pair<int, const char*>> variables = {})
{
    std::string text = "<RorgFuncType RorgNum=\"" + std::to_string(rorg) + "\" FuncNum=\"" + std::to_string(func) + "\" TypeNum=\""
        + std::to_string(type) + "\"><VariablesList>";
    for (const auto& [caseIndex, data] : variables)
        text += "<Variable CaseInd=\"" + std::to_string(caseIndex) + "\" Data=\"" + data + "\" BitOffs=\"0\" BitSize=\"1\" Position=\"0\" BitStart=\"0\"/>";
    return text + "</VariablesList></RorgFuncType>";
}

std::string Project(const std::string& unidirectional, const std::string& smartAck = {})
{
    return "<EnOcean><DevicesList><Device Id=\"1\" Secure_Type=\"0\" Key=\"\" RollCode=\"\" RollCodeAlg=\"0\" RollCodeTx=\"0\" "
           "CMACAlg=\"0\" DataCript=\"0\" PTM=\"0\"><UnidirectionalList>"
        + unidirectional + "</UnidirectionalList><SmartACKList>" + smartAck + "</SmartACKList><Remote/></Device></DevicesList></EnOcean>";
}

class VariableDialogTest : public EnOceanTest {
protected:
    // The editor shown on the project, its only device selected.
    void Show_Editor(const std::string& project)
    {
        Write_Project_File(project);
        TFEnOcean_SetAccess2& editor = *FEnOcean_SetAccess2;
        editor.FormShow(&editor);
        Click_Item(editor.LB_ID_Devices_List, 0);
    }
    // The dialog shown in a mode, the choice made and OK pressed; the messages it gave.
    std::vector<String> Press_OK(int32_t mode, int32_t modifyEEPVar, const TChoice& choice, int32_t eep = -1, int32_t variable = -1)
    {
        FServices.Clear();
        TFEnOcean_Variable& dialog = Dialog();
        dialog.Uni_SAck = 0;
        dialog.Mode = mode;
        dialog.Modify_EEP_Var = modifyEEPVar;
        dialog.Modified_EEP = eep;
        dialog.Modified_Var = variable;
        dialog.SetModalResult(mrNone);
        dialog.FormShow(&dialog);
        Make_Choice(dialog, choice);
        dialog.Btn_OK->Click();
        return FServices.Messages();
    }
    TFEnOcean_Variable& Dialog() { return *FEnOcean_Variable; }
    static std::vector<String> Items(const TComboBox* box)
    {
        std::vector<String> items;
        for (int32_t index = 0; index < box->Items().Count(); ++index)
            items.push_back(box->Items()[index]);
        return items;
    }
};

TEST_F(VariableDialogTest, EachListFillsTheNextAndEmptiesTheOnesBelow)
{
    Show_Editor(Project(""));
    TFEnOcean_Variable& dialog = Dialog();
    dialog.FormShow(&dialog);
    const TCatalog_EnOcean& catalog = *EEP_Catalog;
    ASSERT_EQ(Items(dialog.CB_EEP_Rorg), (std::vector<String> { Str(u"0xF6 : RPS Telegram"), Str(u"0xD5 : 1BS Telegram"), Str(u"0xA5 : 4BS Telegram"), Str(u"0xD2 : VLD Telegram") }));
    Make_Choice(dialog, { 0xA5, 0x04, 0x01, 0, 1, "7", 6 });
    EXPECT_EQ(dialog.E_Var_Position->Text(), Str(u"7"));
    EXPECT_EQ(dialog.CB_Var_BitStart->ItemIndex(), 6);

    struct Case {
        const char* name;
        TComboBox* list;
        int32_t index;
        const TStrings* func;
        const TStrings* type;
        const TStrings* cases;
        const TStrings* fields;
    };
    const TRorg& rps = *catalog.List_Rorg[0];
    const TFunc& rocker = *rps.List_Func[0];
    const TType& style1 = *rocker.List_Type[0];
    const TStringList empty;
    const Case cases[] = {
        { "a RORG lists its FUNCs only", dialog.CB_EEP_Rorg, 0, &rps.Func_SL, &empty, &empty, &empty },
        { "a FUNC lists its TYPEs", dialog.CB_EEP_Func, 0, &rps.Func_SL, &rocker.Type_SL, &empty, &empty },
        { "a TYPE lists its cases", dialog.CB_EEP_Type, 0, &rps.Func_SL, &rocker.Type_SL, &style1.Case_SL, &empty },
        { "a case lists its data fields", dialog.CB_Var_Case, 1, &rps.Func_SL, &rocker.Type_SL, &style1.Case_SL, &style1.List_Case[1]->DataField_SL },
    };
    for (const Case& entry : cases) {
        SCOPED_TRACE(entry.name);
        dialog.E_Var_Position->SetText(QStringLiteral("9"));
        Choose(dialog.CB_Var_BitStart, 5);
        Choose(entry.list, entry.index);
        const std::pair<const TComboBox*, const TStrings*> lists[] = {
            { dialog.CB_EEP_Func, entry.func }, { dialog.CB_EEP_Type, entry.type }, { dialog.CB_Var_Case, entry.cases }, { dialog.CB_Var_Variable, entry.fields },
        };
        for (const auto& [list, expected] : lists) {
            if (!expected)
                continue;
            std::vector<String> items;
            for (int32_t index = 0; index < expected->Count(); ++index)
                items.push_back((*expected)[index]);
            EXPECT_EQ(Items(list), items) << list->Name().toStdString();
        }
        EXPECT_EQ(dialog.E_Var_Position->Text(), String());
        EXPECT_EQ(dialog.CB_Var_BitStart->ItemIndex(), 0);
    }
    // The last list changes nothing.
    dialog.E_Var_Position->SetText(QStringLiteral("4"));
    Choose(dialog.CB_Var_Variable, 0);
    EXPECT_EQ(dialog.E_Var_Position->Text(), Str(u"4"));
    EXPECT_EQ(Items(dialog.CB_Var_Variable), std::vector<String> { Str(u"Number of buttons : 0, 3") });
}

TEST_F(VariableDialogTest, OKWithoutACompleteChoiceIsRefusedWithItsText)
{
    Show_Editor(Project(""));
    const struct {
        const char* name;
        TChoice choice;
        const char16_t* text;
    } cases[] = {
        { "nothing chosen yet", {}, u"Error!! Select a RORG before add an EEP" },
        { "nothing below the RORG", { 0xA5 }, u"Error!! Select a FUNC before add an EEP" },
        { "no TYPE", { 0xA5, 0x04 }, u"Error!! Select a TYPE before add an EEP" },
        { "no case", { 0xA5, 0x04, 0x01 }, u"Error!! Select a Variable before add" },
        { "no data field", { 0xA5, 0x04, 0x01, 0 }, u"Error!! Select a Variable before add" },
        { "everything", { 0xA5, 0x04, 0x01, 0, 0 }, nullptr },
    };
    for (const auto& entry : cases) {
        SCOPED_TRACE(entry.name);
        const std::vector<String> messages = Press_OK(0, 0, entry.choice);
        EXPECT_EQ(messages, entry.text ? std::vector<String> { Str(entry.text) } : std::vector<String> {});
        EXPECT_EQ(Dialog().ModalResult(), entry.text ? mrNone : mrOk);
    }
}

TEST_F(VariableDialogTest, ADeviceHoldsFourProfilesOverBothListsAndNoRepeatedVariable)
{
    Show_Editor(Project(Profile(0xF6, 2, 1, { { 0, "Energy Bow" } }) + Profile(0xD5, 0, 1) + Profile(0xA5, 2, 5), Profile(0xD2, 9, 1)));
    const struct {
        const char* name;
        TChoice choice;
        const char16_t* refusal;
        int32_t eepIndex;
    } cases[] = {
        { "a fifth profile", { 0xA5, 0x04, 0x01, 0, 0, "0", 0 }, u"Error!! No more space for EEP", -1 },
        { "another variable of a profile it has", { 0xF6, 0x02, 0x01, 0, 0, "1", 0 }, nullptr, 0 },
        { "the same case and data field again", { 0xF6, 0x02, 0x01, 0, 1, "5", 7 }, u"Error!! Variable already inserted in EEP", 0 },
        { "the same data field of another case", { 0xF6, 0x02, 0x01, 1, 0, "5", 7 }, nullptr, 0 },
        { "a variable of its third profile", { 0xA5, 0x02, 0x05, 0, 0 }, nullptr, 2 },
    };
    for (const auto& entry : cases) {
        SCOPED_TRACE(entry.name);
        const std::vector<String> messages = Press_OK(0, 0, entry.choice);
        EXPECT_EQ(messages, entry.refusal ? std::vector<String> { Str(entry.refusal) } : std::vector<String> {});
        EXPECT_EQ(Dialog().ModalResult(), entry.refusal ? mrNone : mrOk);
        EXPECT_EQ(Dialog().EEP_Index, entry.eepIndex);
    }
}

// The entry under modification does not count against itself.
TEST_F(VariableDialogTest, ModifyingLeavesTheModifiedEntryOutOfItsChecks)
{
    Show_Editor(Project(Profile(0xF6, 2, 1, { { 0, "Energy Bow" }, { 0, "Rocker 1st action" } }) + Profile(0xD5, 0, 1) + Profile(0xA5, 2, 5)
        + Profile(0xA5, 4, 1)));
    const struct {
        const char* name;
        int32_t modifyEEPVar;
        int32_t eep, variable;
        TChoice choice;
        const char16_t* refusal;
    } cases[] = {
        { "a variable keeping its case and data field", 1, 0, 0, { -1, -1, -1, 0, 1, "8", 2 }, nullptr },
        { "a variable taking another's data field", 1, 0, 0, { -1, -1, -1, 0, 0, "8", 2 }, u"Error!! Variable already inserted in EEP" },
        { "a profile of a full device made new", 0, 2, -1, { 0xD2, 0x01, 0x01 }, nullptr },
        { "a profile keeping its numbers", 0, 2, -1, { 0xA5, 0x02, 0x05 }, nullptr },
        { "a profile taking another's numbers", 0, 2, -1, { 0xA5, 0x04, 0x01 }, u"Error!! EEP already present" },
    };
    for (const auto& entry : cases) {
        SCOPED_TRACE(entry.name);
        TFEnOcean_Variable& dialog = Dialog();
        dialog.ShowData_Uni_Add_Var(0, entry.eep, entry.variable);
        const std::vector<String> messages = Press_OK(1, entry.modifyEEPVar, entry.choice, entry.eep, entry.variable);
        EXPECT_EQ(messages, entry.refusal ? std::vector<String> { Str(entry.refusal) } : std::vector<String> {});
        EXPECT_EQ(dialog.ModalResult(), entry.refusal ? mrNone : mrOk);
    }
}

TEST_F(VariableDialogTest, TheModesSetTitlesAndWhatCanBeChosen)
{
    Show_Editor(Project(Profile(0xF6, 2, 1, { { 1, "Number of buttons" } })));
    TFEnOcean_Variable& dialog = Dialog();
    dialog.ShowData_Uni_Add_Var(0, 0, 0);
    EXPECT_EQ(dialog.CB_EEP_Type->Text(), Str(u"0x01 : Light and Blind Control 1"));
    EXPECT_EQ(dialog.CB_Var_Case->ItemIndex(), 1);
    EXPECT_EQ(dialog.CB_Var_Variable->ItemIndex(), 0);
    const struct {
        int32_t mode, modifyEEPVar;
        const char16_t* caption;
        bool profile, variable;
    } cases[] = {
        { 0, 0, u"Add EnOcean Variable", true, true },
        { 1, 1, u"Modify EnOcean Variable", false, true },
        { 1, 0, u"Modify EnOcean EEP", true, false },
    };
    for (const auto& entry : cases) {
        SCOPED_TRACE(entry.mode * 10 + entry.modifyEEPVar);
        dialog.Uni_SAck = 0;
        dialog.Mode = entry.mode;
        dialog.Modify_EEP_Var = entry.modifyEEPVar;
        dialog.FormShow(&dialog);
        EXPECT_EQ(dialog.Caption(), Str(entry.caption));
        EXPECT_EQ(dialog.L_SW_Desc->Caption(), Str(entry.caption));
        EXPECT_EQ(dialog.CB_EEP_Type->Enabled(), entry.profile);
        EXPECT_EQ(dialog.CB_Var_Variable->Enabled(), entry.variable);
        EXPECT_EQ(dialog.E_Var_Position->Enabled(), entry.variable);
    }
    EXPECT_EQ(dialog.CB_Var_Case->ItemIndex(), -1);
    EXPECT_EQ(dialog.CB_Var_BitStart->ItemIndex(), 0);
}

TEST_F(VariableDialogTest, TheSmartAckDialogOffersTheFourthRorgsTenthFunc)
{
    Show_Editor(Project(""));
    TFEnOcean_Variable_SAck& dialog = *FEnOcean_Variable_SAck;
    dialog.FormShow(&dialog);
    EXPECT_FALSE(dialog.CB_EEP_Rorg->Enabled());
    EXPECT_EQ(dialog.CB_EEP_Rorg->Text(), Str(u"0xD2 : VLD Telegram"));
    EXPECT_EQ(dialog.CB_EEP_Func->Text(), Str(u"0x09 : VLD 9"));
    Choose(dialog.CB_EEP_Type, 0);
    EXPECT_EQ(Items(dialog.CB_Var_Case_IN), (std::vector<String> { Str(u"1 -> Status"), Str(u"2 -> Command") }));
    EXPECT_EQ(Items(dialog.CB_Var_Case_OUT), Items(dialog.CB_Var_Case_IN));
    Choose(dialog.CB_Var_Case_IN, 0);
    const TDudColumnGrid& grid = *dialog.ACG_Vars_Case_IN;
    ASSERT_EQ(grid.RowCount(), 4);
    const char16_t* rows[][4] = {
        { u"Output : 0, 7", u"Y", u"", u"0" },
        { u"Error : 8, 1", u"Y", u"", u"0" },
        { u"Channel : 11, 5", u"Y", u"", u"0" },
    };
    for (int32_t row = 0; row < 3; ++row)
        for (int32_t col = 0; col < 4; ++col)
            EXPECT_EQ(grid.Cells(col, row + 1), Str(rows[row][col])) << row << ' ' << col;
    EXPECT_EQ(grid.Cells(1, 0), Str(u"Enable"));
    EXPECT_EQ(dialog.ACG_Vars_Case_OUT->RowCount(), 2);
    dialog.SetModalResult(mrNone);
    dialog.Btn_OK->Click();
    EXPECT_EQ(dialog.ModalResult(), mrOk);
    // Showing it again runs the cascade from the RORG: both grids keep one empty row.
    dialog.FormShow(&dialog);
    EXPECT_EQ(grid.RowCount(), 2);
    EXPECT_EQ(grid.Cells(0, 1), String());
    EXPECT_EQ(dialog.CB_Var_Case_IN->Items().Count(), 0);
    // Only the width can change.
    const int32_t height = dialog.Height();
    dialog.SetBounds(dialog.Left(), dialog.Top(), dialog.Width() + 40, height + 100);
    EXPECT_EQ(dialog.Height(), height);
}

class SmallCatalogTest : public VariableDialogTest {
protected:
    void SetUp() override
    {
        MainWindowTest::SetUp();
        Start(Test_Catalog(false));
    }
};

TEST_F(SmallCatalogTest, WithoutTheTenthFuncTheSmartAckDialogStaysEmptyAndRefusesOK)
{
    Show_Editor(Project(""));
    TFEnOcean_Variable_SAck& dialog = *FEnOcean_Variable_SAck;
    dialog.FormShow(&dialog);
    EXPECT_EQ(dialog.CB_EEP_Func->ItemIndex(), -1);
    EXPECT_EQ(dialog.CB_EEP_Type->Items().Count(), 0);
    EXPECT_EQ(dialog.CB_Var_Case_IN->Items().Count(), 0);
    dialog.SetModalResult(mrNone);
    dialog.Btn_OK->Click();
    EXPECT_EQ(dialog.ModalResult(), mrNone);
    EXPECT_EQ(FServices.Messages(), std::vector<String> { Str(u"Error!! Select a FUNC before add an EEP") });
    // The Unidirectional dialog in Smart ACK mode is as careful.
    FServices.Clear();
    EXPECT_EQ(Press_OK(0, 0, {}), std::vector<String> { Str(u"Error!! Select a RORG before add an EEP") });
    TFEnOcean_Variable& uni = Dialog();
    uni.Uni_SAck = 1;
    uni.FormShow(&uni);
    uni.Btn_OK->Click();
    EXPECT_EQ(uni.ModalResult(), mrNone);
}


} // namespace
