#include "enocean/UEnOcean_Catalog.h"

#include "tests/app/TestFolder.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using TTexts = std::vector<std::string>;

TTexts Texts(const TStringList& list)
{
    TTexts texts;
    for (int32_t index = 0; index < list.Count(); ++index)
        texts.push_back(list[index].toStdString());
    return texts;
}

// A catalog read from the text given, written to a file of the test's own.
class CatalogTest : public testing::Test {
protected:
    bool Read(const std::string& xml)
    {
        FFolder.Write("eep.xml", xml);
        return FCatalog.Read_Cat_EnOcean_XML(FFolder.File("eep.xml"));
    }
    const TType& Type_At(size_t rorg, size_t func, size_t type) const
    {
        return *FCatalog.List_Rorg.at(rorg)->List_Func.at(func)->List_Type.at(type);
    }
    const TCase& Case_At(size_t rorg, size_t func, size_t type, size_t item) const { return *Type_At(rorg, func, type).List_Case.at(item); }

    TTestFolder FFolder;
    TCatalog_EnOcean FCatalog;
};

std::string Rorg(const std::string& number, const std::string& title, const std::string& body = "")
{
    return "<rorg><number>" + number + "</number><title>" + title + "</title>" + body + "</rorg>";
}
std::string Func(const std::string& number, const std::string& title, const std::string& body = "")
{
    return "<func><number>" + number + "</number><title>" + title + "</title>" + body + "</func>";
}
std::string Type(const std::string& number, const std::string& title, const std::string& body = "")
{
    return "<type><number>" + number + "</number><title>" + title + "</title>" + body + "</type>";
}
std::string Case(const std::string& title, const std::string& body = "") { return "<case><title>" + title + "</title>" + body + "</case>"; }
std::string Field(const std::string& data, int offset, int size)
{
    return "<datafield><data>" + data + "</data><shortcut>" + data.substr(0, 2) + "</shortcut><bitoffs>" + std::to_string(offset)
        + "</bitoffs><bitsize>" + std::to_string(size) + "</bitsize></datafield>";
}
std::string Status(const std::string& value, const std::string& offset, const std::string& size)
{
    std::string text = "<statusfield>";
    if (!value.empty())
        text += "<value>" + value + "</value>";
    if (!offset.empty())
        text += "<bitoffs>" + offset + "</bitoffs>";
    if (!size.empty())
        text += "<bitsize>" + size + "</bitsize>";
    return text + "</statusfield>";
}
std::string Profile(const std::string& body) { return "<profile>" + body + "</profile>"; }

} // namespace

TEST_F(CatalogTest, NumbersInEveryAcceptedFormShowAsUpperCaseHex)
{
    struct {
        const char* Number;
        const char* Shown;
    } const cases[] = {
        { "0xA5", "0xA5 : t" }, { "$D2", "0xD2 : t" }, { "xF6", "0xF6 : t" }, { "0XF6", "0xF6 : t" }, { " 12", "0x0C : t" },
        { "-1", "0xFFFFFFFF : t" }, { "abc", "0x00 : t" }, { "5", "0x05 : t" }, { "300", "0x12C : t" }, { "", "0x00 : t" },
        { "12 ", "0x00 : t" },
    };
    for (const auto& entry : cases) {
        SCOPED_TRACE(entry.Number);
        TCatalog_EnOcean catalog;
        FFolder.Write("one.xml", Profile(Rorg(entry.Number, "t", Func(entry.Number, "t", Type(entry.Number, "t")))));
        ASSERT_TRUE(catalog.Read_Cat_EnOcean_XML(FFolder.File("one.xml")));
        EXPECT_EQ(Texts(catalog.Rorg_SL), TTexts { entry.Shown });
        EXPECT_EQ(Texts(catalog.List_Rorg[0]->Func_SL), TTexts { entry.Shown });
        EXPECT_EQ(Texts(catalog.List_Rorg[0]->List_Func[0]->Type_SL), TTexts { entry.Shown });
    }
}

TEST_F(CatalogTest, ListsAndDisplayStringsFollowTheFileWithReservedFieldsLeftOut)
{
    ASSERT_TRUE(Read(Profile("<!-- profiles --><unknown/>"
        + Rorg("0xA5", "4BS Telegram",
            Func("0x02", "Temperature Sensors",
                Type("0x05", "Range 0 to +40",
                    Case("Temperature", Field("Temp", 16, 8) + "<datafield><reserved/><bitoffs>24</bitoffs></datafield>"
                            + Field("LRN Bit", 28, 1) + "<condition><statusfield><value>1</value></statusfield></condition>")
                        + Case("Nothing"))))
        + "<rorg><title>No number</title><number>0xD5</number></rorg>")));
    EXPECT_EQ(Texts(FCatalog.Rorg_SL), (TTexts { "0xA5 : 4BS Telegram", "0xD5 : No number" }));
    EXPECT_EQ(Texts(FCatalog.List_Rorg[0]->Func_SL), TTexts { "0x02 : Temperature Sensors" });
    EXPECT_EQ(Texts(Type_At(0, 0, 0).Case_SL), (TTexts { "1 -> Temperature", "2 -> Nothing" }));
    EXPECT_EQ(Texts(Case_At(0, 0, 0, 0).DataField_SL), (TTexts { "Temp : 16, 8", "LRN Bit : 28, 1" }));
    EXPECT_EQ(Case_At(0, 0, 0, 0).List_DataField.size(), 2U);
    EXPECT_EQ(Case_At(0, 0, 0, 0).List_DataField[1]->Shortcut(), QStringLiteral("LR"));
    EXPECT_TRUE(Case_At(0, 0, 0, 1).List_DataField.empty());
    EXPECT_EQ(Case_At(0, 0, 0, 1).DataField_SL.Count(), 0);
    // A condition outside RORG 246 and 210 identifies nothing.
    EXPECT_EQ(Case_At(0, 0, 0, 0).CaseId(), 0);
    EXPECT_EQ(Case_At(0, 0, 0, 0).CaseIdOffset(), 0);
    EXPECT_EQ(Case_At(0, 0, 0, 0).CaseIdSize(), 0);
}

TEST_F(CatalogTest, CaseIdentifiersOfStatusAndDataConditions)
{
    struct {
        const char* Name;
        const char* Rorg;
        std::string Conditions;
        int32_t Id, Offset, Size;
    } const cases[] = {
        { "two status fields", "0xF6", "<condition>" + Status("1", "2", "1") + Status("1", "3", "1") + "</condition>", 48, 0, 0 },
        { "value 0 and size 0 add nothing", "246", "<condition>" + Status("0", "2", "1") + Status("1", "2", "0") + Status("1", "7", "1") + "</condition>", 1, 0, 0 },
        { "value 257 adds as 1", "0xF6", "<condition>" + Status("257", "7", "1") + "</condition>", 1, 0, 0 },
        { "hex value", "0xF6", "<condition>" + Status("0x3", "6", "2") + "</condition>", 6, 0, 0 },
        { "offset past the byte wraps", "0xF6", "<condition>" + Status("1", "8", "1") + "</condition>", static_cast<int32_t>(0x80000000U), 0, 0 },
        // Each status field stands alone: what one lacks counts as 0, not as the field before.
        { "missing value is 0", "0xF6", "<condition>" + Status("1", "2", "1") + Status("", "3", "1") + "</condition>", 32, 0, 0 },
        { "missing offset is 0", "0xF6", "<condition>" + Status("1", "2", "1") + Status("1", "", "1") + "</condition>", 0x20 + 0x80, 0, 0 },
        { "missing size is 0", "0xF6", "<condition>" + Status("1", "2", "1") + Status("1", "3", "") + "</condition>", 32, 0, 0 },
        { "a later condition starts again", "0xF6", "<condition>" + Status("1", "2", "1") + "</condition><condition>" + Status("1", "3", "1") + "</condition>", 16, 0, 0 },
        { "data condition, last field wins", "0xD2",
            "<condition><datafield><value>4</value><bitoffs>8</bitoffs><bitsize>4</bitsize></datafield>"
            "<datafield><value>0x0A</value><bitoffs>4</bitoffs><bitsize>4</bitsize></datafield></condition>", 10, 4, 4 },
        { "absent element keeps the earlier value", "210",
            "<condition><datafield><value>-1</value><bitoffs>8</bitoffs><bitsize>4</bitsize></datafield><datafield><value>3</value></datafield></condition>", 3, 8, 4 },
        { "negative data value", "0xD2", "<condition><datafield><value>-1</value><bitoffs>$10</bitoffs><bitsize>32</bitsize></datafield></condition>", -1, 16, 32 },
        { "status fields under 210 are not read", "0xD2", "<condition>" + Status("1", "2", "1") + "</condition>", 0, 0, 0 },
        { "data fields under 246 are not read", "0xF6", "<condition><datafield><value>4</value><bitsize>1</bitsize></datafield></condition>", 0, 0, 0 },
        { "other RORG", "0xA5", "<condition>" + Status("1", "2", "1") + "<datafield><value>4</value></datafield></condition>", 0, 0, 0 },
    };
    for (const auto& entry : cases) {
        SCOPED_TRACE(entry.Name);
        TCatalog_EnOcean catalog;
        FFolder.Write("one.xml", Profile(Rorg(entry.Rorg, "r", Func("1", "f", Type("1", "t", Case("c", Field("D", 0, 1) + entry.Conditions))))));
        ASSERT_TRUE(catalog.Read_Cat_EnOcean_XML(FFolder.File("one.xml")));
        const TCase* found = catalog.Get_CaseObj(catalog.List_Rorg[0]->Number(), 1, 1, 0);
        ASSERT_NE(found, nullptr);
        EXPECT_EQ(found->CaseId(), entry.Id);
        EXPECT_EQ(found->CaseIdOffset(), entry.Offset);
        EXPECT_EQ(found->CaseIdSize(), entry.Size);
        EXPECT_EQ(found->List_DataField.size(), 1U);
    }
}

// A failing entry costs itself alone: its parents and the rest of the file stay.
TEST_F(CatalogTest, AnUnreadableEntryIsDroppedAloneAndTheReadSucceeds)
{
    ASSERT_TRUE(Read(Profile(
        Rorg("<x/>", "bad rorg") + Rorg("0xD5", "1BS", Func("<x/>1", "bad func") + Func("0x00", "Contacts"))
        + Rorg("0xF6", "RPS",
            Func("0x02", "Rocker",
                Type("0x01", "<b>bold</b>", Case("lost")) + Type("0x02", "Light and Blind",
                    Case("first", Field("Energy", 3, 1)
                        + "<datafield><data>D</data><description>a <b>b</b></description><info>plain</info><bitoffs>1</bitoffs><bitsize>2</bitsize></datafield>"
                        + "<datafield><data><i>x</i></data><bitoffs>5</bitoffs><bitsize>1</bitsize></datafield>")
                    + Case("bad condition", "<condition>" + Status("<v/>", "1", "1") + "</condition>")))))));
    EXPECT_EQ(Texts(FCatalog.Rorg_SL), (TTexts { "0xD5 : 1BS", "0xF6 : RPS" }));
    EXPECT_EQ(Texts(FCatalog.List_Rorg[0]->Func_SL), TTexts { "0x00 : Contacts" });
    EXPECT_EQ(Texts(FCatalog.List_Rorg[1]->List_Func[0]->Type_SL), (TTexts { "0x01 : ", "0x02 : Light and Blind" }));
    EXPECT_TRUE(Type_At(1, 0, 0).List_Case.empty());
    EXPECT_EQ(Texts(Type_At(1, 0, 1).Case_SL), TTexts { "1 -> first" });
    const TCase& first = Case_At(1, 0, 1, 0);
    EXPECT_EQ(Texts(first.DataField_SL), (TTexts { "Energy : 3, 1", "D : 1, 2" }));
    EXPECT_EQ(first.List_DataField[1]->Description(), String());
    EXPECT_EQ(first.List_DataField[1]->Info(), QStringLiteral("plain"));
}

TEST_F(CatalogTest, FilesThatCannotBeReadGiveAnEmptyCatalogAndSayWhy)
{
    EXPECT_FALSE(FCatalog.Read_Cat_EnOcean_XML(FFolder.File("missing.xml")));
    EXPECT_TRUE(FCatalog.Read_Error().contains(QStringLiteral("missing.xml")));
    EXPECT_FALSE(Read("<profile><rorg><number>1</number></profile>"));
    EXPECT_FALSE(FCatalog.Read_Error().isEmpty());
    EXPECT_TRUE(FCatalog.List_Rorg.empty());
    EXPECT_EQ(FCatalog.Rorg_SL.Count(), 0);
    EXPECT_TRUE(Read("<profiles>" + Rorg("1", "r") + "</profiles>"));
    EXPECT_TRUE(FCatalog.Read_Error().isEmpty());
    EXPECT_TRUE(FCatalog.List_Rorg.empty());
}

TEST_F(CatalogTest, ReadingTwiceListsEveryEntryTwice)
{
    const std::string text = Profile(Rorg("0xF6", "RPS") + Rorg("0xA5", "4BS"));
    ASSERT_TRUE(Read(text));
    ASSERT_TRUE(Read(text));
    EXPECT_EQ(Texts(FCatalog.Rorg_SL), (TTexts { "0xF6 : RPS", "0xA5 : 4BS", "0xF6 : RPS", "0xA5 : 4BS" }));
}

// Descriptions and infos come back as read, however many and however long,
// after the catalog read another file.
TEST_F(CatalogTest, LongTextsComeBackAsRead)
{
    struct TExpected {
        std::string Description;
        std::string Info;
    };
    std::vector<TExpected> expected;
    std::string fields;
    for (int index = 0; index < 120; ++index) {
        const size_t length = index == 7 ? 100000 : static_cast<size_t>(index * 997 % 5000) + 1;
        expected.push_back({ std::string(length, static_cast<char>('a' + index % 26)), "i" + std::to_string(index) + " \xC3\xA9 <&>" });
        const std::string description = index % 3 == 0 ? "<![CDATA[" + expected.back().Description + "]]>" : expected.back().Description;
        fields += "<datafield><data>F" + std::to_string(index) + "</data><description>" + description + "</description><info>i"
            + std::to_string(index) + " \xC3\xA9 &lt;&amp;></info><bitoffs>1</bitoffs><bitsize>1</bitsize></datafield>";
    }
    ASSERT_TRUE(Read(Profile(Rorg("0xA5", "4BS", Func("0x02", "Temp", Type("0x05", "t", Case("c", fields)))))));
    ASSERT_TRUE(Read(Profile(Rorg("0xF6", "RPS"))));
    const TCase& item = Case_At(0, 0, 0, 0);
    ASSERT_EQ(item.List_DataField.size(), expected.size());
    for (size_t index = 0; index < expected.size(); ++index) {
        SCOPED_TRACE(index);
        EXPECT_EQ(item.List_DataField[index]->Description().toStdString(), expected[index].Description);
        EXPECT_EQ(item.List_DataField[index]->Info(), String::fromStdString(expected[index].Info));
    }
}

// RORG A5 twice, FUNC 02 twice in the first: the index lookups stay below the
// first of a number, the object and name lookups go on to the later ones.
TEST_F(CatalogTest, LookupsOverRepeatedNumbers)
{
    ASSERT_TRUE(Read(Profile(
        Rorg("0xF6", "RPS", Func("0x02", "Rocker", Type("0x01", "Light", Case("one", Field("R1", 0, 3)) + Case("two", Field("R2", 0, 3)))))
        + Rorg("0xA5", "4BS",
            Func("0x02", "Temp", Type("0x05", "0 to 40", Case("temp", Field("Temp", 16, 8))))
            + Func("0x02", "Temp again", Type("0x06", "10 to 50", Case("temp", Field("Temp", 16, 8))))
            + Func("0x04", "Temp and Humidity", Type("0x01", "short", "") + Type("0x01", "long", Case("th", Field("Hum", 8, 8) + Field("Temp", 16, 8)))))
        + Rorg("0xA5", "4BS again", Func("0x07", "Occupancy", Type("0x01", "occ", Case("occ", Field("PIRS", 24, 8))))))));

    struct {
        const char* Name;
        int32_t Actual, Expected;
    } const indexes[] = {
        { "rorg", FCatalog.Get_RorgNum_Index(0xA5), 1 },
        { "rorg absent", FCatalog.Get_RorgNum_Index(0xD2), -1 },
        { "func", FCatalog.Get_FuncNum_Index(0xA5, 4), 2 },
        { "repeated func: first", FCatalog.Get_FuncNum_Index(0xA5, 2), 0 },
        { "func only in the second rorg", FCatalog.Get_FuncNum_Index(0xA5, 7), -1 },
        { "type in the first func", FCatalog.Get_TypeNum_Index(0xA5, 2, 5), 0 },
        { "type only in the second func", FCatalog.Get_TypeNum_Index(0xA5, 2, 6), -1 },
        { "type repeated", FCatalog.Get_TypeNum_Index(0xA5, 4, 1), 0 },
        { "data field of the first type holding the case", FCatalog.Get_DataField_Index(0xA5, 4, 1, 0, QStringLiteral("Temp")), 1 },
        { "data name is case-sensitive", FCatalog.Get_DataField_Index(0xA5, 4, 1, 0, QStringLiteral("temp")), -1 },
        { "data field of the second case", FCatalog.Get_DataField_Index(0xF6, 2, 1, 1, QStringLiteral("R2")), 0 },
        { "data field case out of range", FCatalog.Get_DataField_Index(0xF6, 2, 1, 2, QStringLiteral("R2")), -1 },
        { "data field negative case", FCatalog.Get_DataField_Index(0xF6, 2, 1, -1, QStringLiteral("R1")), -1 },
        { "data field in the second rorg", FCatalog.Get_DataField_Index(0xA5, 7, 1, 0, QStringLiteral("PIRS")), -1 },
    };
    for (const auto& entry : indexes) {
        SCOPED_TRACE(entry.Name);
        EXPECT_EQ(entry.Actual, entry.Expected);
    }

    struct {
        const char* Name;
        String Actual;
        const char* Expected;
    } const names[] = {
        { "rorg", FCatalog.Get_Rorg_Name_Str(0xA5), "0xA5 : 4BS" },
        { "rorg absent", FCatalog.Get_Rorg_Name_Str(0xD5), "" },
        { "func in the second rorg", FCatalog.Get_Func_Name_Str(0xA5, 7), "0x07 : Occupancy" },
        { "repeated func", FCatalog.Get_Func_Name_Str(0xA5, 2), "0x02 : Temp" },
        { "type in the second func", FCatalog.Get_Type_Name_Str(0xA5, 2, 6), "0x06 : 10 to 50" },
        { "type absent", FCatalog.Get_Type_Name_Str(0xA5, 2, 7), "" },
        { "first case", FCatalog.Get_Case_Name_Str(0xF6, 2, 1, 0), "1 -> one" },
        { "second case", FCatalog.Get_Case_Name_Str(0xF6, 2, 1, 1), "2 -> two" },
        { "case index = count", FCatalog.Get_Case_Name_Str(0xF6, 2, 1, 2), "" },
        { "case of the later type of a number", FCatalog.Get_Case_Name_Str(0xA5, 4, 1, 0), "1 -> th" },
        { "case in the second rorg", FCatalog.Get_Case_Name_Str(0xA5, 7, 1, 0), "1 -> occ" },
    };
    for (const auto& entry : names) {
        SCOPED_TRACE(entry.Name);
        EXPECT_EQ(entry.Actual.toStdString(), entry.Expected);
    }

    EXPECT_EQ(FCatalog.Get_CaseObj(0xA5, 7, 1, 0), FCatalog.List_Rorg[2]->List_Func[0]->List_Type[0]->List_Case[0].get());
    EXPECT_EQ(FCatalog.Get_CaseObj(0xA5, 2, 6, 0), FCatalog.List_Rorg[1]->List_Func[1]->List_Type[0]->List_Case[0].get());
    EXPECT_EQ(FCatalog.Get_CaseObj(0xA5, 4, 1, 0), FCatalog.List_Rorg[1]->List_Func[2]->List_Type[1]->List_Case[0].get());
    EXPECT_EQ(FCatalog.Get_CaseObj(0xF6, 2, 1, 2), nullptr);
    EXPECT_EQ(FCatalog.Get_CaseObj(0xF6, 2, 1, -1), nullptr);
    EXPECT_EQ(FCatalog.Get_CaseObj(0xD2, 1, 1, 0), nullptr);
}

namespace {

// Everything a read leaves in a catalog, as one text.
std::string Dump(const TCatalog_EnOcean& catalog)
{
    std::string text;
    const auto list = [&text](const TStringList& strings) {
        for (const std::string& line : Texts(strings))
            text += line + "|";
        text += "\n";
    };
    list(catalog.Rorg_SL);
    for (const auto& rorg : catalog.List_Rorg) {
        text += "R" + std::to_string(rorg->Number()) + rorg->Title().toStdString() + "\n";
        list(rorg->Func_SL);
        for (const auto& func : rorg->List_Func) {
            text += " F" + std::to_string(func->Number()) + func->Title().toStdString() + "\n";
            list(func->Type_SL);
            for (const auto& type : func->List_Type) {
                text += "  T" + std::to_string(type->Number()) + type->Title().toStdString() + "\n";
                list(type->Case_SL);
                for (const auto& item : type->List_Case) {
                    text += "   C" + item->Title().toStdString() + " " + std::to_string(item->CaseId()) + " " + std::to_string(item->CaseIdOffset()) + " "
                        + std::to_string(item->CaseIdSize()) + "\n";
                    list(item->DataField_SL);
                    for (const auto& field : item->List_DataField)
                        text += "    D" + field->Data().toStdString() + "/" + field->Shortcut().toStdString() + "/" + field->Description().toStdString() + "/"
                            + field->Info().toStdString() + "/" + std::to_string(field->BitOffs()) + "/" + std::to_string(field->BitSize()) + "\n";
                }
            }
        }
    }
    return text + catalog.Read_Error().section(QStringLiteral(" (line"), 0, 0).toStdString();
}

} // namespace

// A catalog in the plain form is read in one pass, any other form through
// the document: both give the same catalog, whatever order, damage or
// oddity its entries have. A processing instruction after the root leaves a
// file to the document without changing what it holds.
TEST_F(CatalogTest, PlainAndOtherFormsOfAFileReadTheSameCatalog)
{
    const std::string fields = Field("Energy", 3, 1) + "<datafield><data>A &amp; B</data><description>d &lt; 1</description><info>i</info><bitoffs>0x10</bitoffs>"
                               "<bitsize>-2</bitsize></datafield><datafield><reserved/><data>R</data></datafield>"
                               "<datafield><data>x<!-- c --></data></datafield><datafield><bitsize>1<b/></bitsize></datafield>"
                               "<datafield><bitoffs>$1F</bitoffs><data/><shortcut> s </shortcut><bitoffs>9</bitoffs></datafield>";
    const char* const cases[] = {
        "<profile/>",
        "<profiles><rorg><number>1</number><title>r</title></rorg></profiles>",
        "<profile><rorg><number>1</number></profile>",
        "<profile><rorg><number>1</number><title>r</title></rorg>",
        "<profile><rorg><func/></rorg></profile>",
        "<profile><rorg><title>after</title><number>0xF6</number><func><number>1</number><title>f</title></func></rorg></profile>",
        "<profile><!-- c --><rorg><number>0xF6</number><func><type><case><title>t</title><condition><statusfield><value>1</value><bitoffs>2</bitoffs>"
        "<bitsize>1</bitsize></statusfield></condition></case></type><title>late</title><number>2</number></func><title>r</title></rorg>x</profile>",
    };
    std::vector<std::string> files(std::begin(cases), std::end(cases));
    for (const std::string rorg : { "0xF6", "246", "0xD2", "210", "0xA5", "-1", "<x/>", "", "1<!--c-->" }) {
        files.push_back(Profile(Rorg(rorg, "R &gt; 1",
            Func("0x02", "F", Type("1", "T", Case("c1", fields) + Case("c2", "<condition>" + Status("1", "2", "1") + Status("0", "<x/>", "") + Status("2", "", "3")
                                                  + "</condition>" + Field("After", 1, 1)))
                                  + Type("<x/>", "lost", Case("c")) + Type("2", "<x/>", Case("c")) + Type("3", "", "<case><datafield/><title>late</title></case>")
                                  + Case("stray"))
                + Func("", "", Type("4", "T4", Case("bad", "<condition>" + Status("1", "<x/>", "1") + "</condition>" + Field("F", 0, 1))
                                              + Case("data", "<condition><datafield><value>-1</value><bitoffs>4</bitoffs><bitsize>4</bitsize></datafield>"
                                                             "<datafield><value>3</value></datafield><statusfield><value>1</value></statusfield></condition>")
                                              + Case("bad data", "<condition><datafield><bitsize><x/></bitsize></datafield></condition>")
                                              + "<case><title/><title>second</title><condition/></case>"))
                + Func("<x/>", "lost"))));
    }
    for (const std::string& file : files) {
        SCOPED_TRACE(file);
        TCatalog_EnOcean plain;
        FFolder.Write("same.xml", file);
        const bool plainRead = plain.Read_Cat_EnOcean_XML(FFolder.File("same.xml"));
        TCatalog_EnOcean other;
        FFolder.Write("same.xml", file + "<?end?>");
        EXPECT_EQ(plainRead, other.Read_Cat_EnOcean_XML(FFolder.File("same.xml")));
        EXPECT_EQ(Dump(plain), Dump(other));
    }
}
