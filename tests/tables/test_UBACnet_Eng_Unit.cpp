#include "tables/UBACnet_Eng_Unit.h"

#include "ExportTest.h"
#include "tables/UBACnet_Eng_Unit_Names.h"

#include <memory>
#include <set>

namespace {

TEST(Desc_Unit, NamesEveryCodeAsThisProgramWritesIt)
{
    const struct {
        int32_t Code;
        const char* Name;
    } cases[] = {
        { 0, "square-meters" }, { 19, "kilowatt-hours" }, { 51, "housepower" }, { 62, "degrees-Celsius" },
        { 63, "degrees-Kelvin" }, { 77, "feet-per-meters" }, { 89, "us-gallons-per-minute" }, { 95, "no-units" },
        { 103, "radiants" }, { 105, "currency1" }, { 114, "currency10" }, { 128, "btus-per-kilogram-degree-Kelvin" },
        { 139, "megajoules-hours-per-square-meter" }, { 140, "megajoules-hours-per-square-foot" },
        { 141, "watts-per-square-meter-degree-kelvin" }, { 172, "ohm-meters" }, { 185, "square-meters-per-Newton" },
        { 189, "watts-per-meter-per-degree-Kelvin" }, { 190, "microsiemens" }, { 207, "per-mille" }, { 234, "pH" },
        { 236, "minutes-per-degree-kelvin" }, { -1, "unknown" }, { 237, "unknown" }, { 65535, "unknown" },
    };
    for (const auto& entry : cases) {
        SCOPED_TRACE(entry.Code);
        EXPECT_EQ(Desc_Unit(entry.Code), QString::fromLatin1(entry.Name));
    }
    std::set<String> names;
    for (int32_t code = 0; code < Eng_Unit_Count; ++code)
        names.insert(Desc_Unit(code));
    EXPECT_EQ(names.size(), size_t(Eng_Unit_Count)) << "no two codes share a name";
}

TEST(Desc_Unit, EveryCodeIsListedInExactlyOneCategory)
{
    std::vector<int32_t> listed(Eng_Unit_Count, 0);
    for (const TEng_Unit_Category& category : Eng_Unit_Categories)
        for (int32_t unit = 0; unit < category.Count; ++unit) {
            ASSERT_GE(category.Codes[unit], 0);
            ASSERT_LT(category.Codes[unit], Eng_Unit_Count);
            ++listed[static_cast<size_t>(category.Codes[unit])];
        }
    for (int32_t code = 0; code < Eng_Unit_Count; ++code) {
        SCOPED_TRACE(code);
        EXPECT_EQ(listed[static_cast<size_t>(code)], 1);
    }
}

class EngUnitTest : public ExportTest {
protected:
    void SetUp() override
    {
        ExportTest::SetUp();
        SW_Code = QStringLiteral("SC-TX209");
        FDialog = std::make_unique<TFBACnet_Eng_Unit>(nullptr);
        FDialog->DoCreate();
    }
    void Pick(const char* category, const char* unit)
    {
        FDialog->CB_Select_Type->SetItemIndex(FDialog->CB_Select_Type->Items().IndexOf(QString::fromLatin1(category)));
        FDialog->CB_Select_TypeSelect(FDialog->CB_Select_Type);
        const int32_t index = FDialog->CB_Select_Unit->Items().IndexOf(QString::fromLatin1(unit));
        ASSERT_GE(index, 0) << unit;
        FDialog->CB_Select_Unit->SetItemIndex(index);
        FDialog->Btn_Select_Eng_Unit->Click();
    }

    std::unique_ptr<TFBACnet_Eng_Unit> FDialog;
};

TEST_F(EngUnitTest, CreatedWithItsTextsAndTheFirstCategory)
{
    EXPECT_EQ(FDialog->ClientWidth(), 548);
    EXPECT_EQ(FDialog->ClientHeight(), 306);
    EXPECT_EQ(FDialog->Caption(), u"Select the BACnet Engineering Unit");
    EXPECT_EQ(FDialog->Label2->Caption(), u"Select a New BACnet Engineering Unit");
    EXPECT_EQ(FDialog->Btn_Select_Eng_Unit->Caption(), u"Select Engineering Unit");
    EXPECT_EQ(FDialog->Btn_OK->ModalResult(), mrOk);
    EXPECT_EQ(FDialog->Btn_Cancel->ModalResult(), mrCancel);
    ASSERT_EQ(FDialog->CB_Select_Type->Items().Count(), 23);
    EXPECT_EQ(FDialog->CB_Select_Type->Items()[22], u"Other");
    EXPECT_EQ(FDialog->CB_Select_Type->ItemIndex(), 0);
    EXPECT_EQ(FDialog->CB_Select_Type->Style(), csDropDownList);
}

TEST_F(EngUnitTest, SelectingAUnitWritesItsCodeAndName)
{
    const struct {
        const char* Category;
        const char* Unit;
        const char* Code;
        const char* Label;
    } cases[] = {
        { "Temperature", "degrees-Celsius", "62", "-> degrees-Celsius" },
        { "Other", "per-mille", "207", "-> per-mille" },
        { "Electrical", "ohms-meters", "172", "-> ohm-meters" },
        { "Other", "megajoules-per-square-foot", "140", "-> megajoules-hours-per-square-foot" },
        { "Acceleration", "meters-per-second-per-second", "166", "-> meters-per-second-per-second" },
    };
    for (const auto& entry : cases) {
        SCOPED_TRACE(entry.Unit);
        Pick(entry.Category, entry.Unit);
        EXPECT_EQ(FDialog->E_Selected_EU->Text(), QString::fromLatin1(entry.Code));
        EXPECT_EQ(FDialog->Label5->Caption(), QString::fromLatin1(entry.Label));
    }
}

TEST_F(EngUnitTest, TheCategoryChoiceSurvivesToTheNextShowing)
{
    Pick("Power", "watts");
    FDialog->E_Selected_EU->SetText(QStringLiteral("62"));
    FDialog->FormShow(FDialog.get());
    EXPECT_EQ(FDialog->CB_Select_Type->Items()[FDialog->CB_Select_Type->ItemIndex()], u"Power");
    ASSERT_EQ(FDialog->CB_Select_Unit->Items().Count(), 8);
    EXPECT_EQ(FDialog->CB_Select_Unit->ItemIndex(), 0);
    EXPECT_EQ(FDialog->CB_Select_Unit->Items()[0], u"milliwatts");
    EXPECT_EQ(FDialog->E_Selected_EU->Text(), u"62") << "the edit keeps the caller's code";
}

} // namespace
