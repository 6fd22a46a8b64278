#include "enocean/UEnOcean_Catalog.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// The catalog beside the executable, read from the source tree.
class ShippedCatalogTest : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(FCatalog.Read_Cat_EnOcean_XML(QStringLiteral(TRELVADOR_SOURCE_DIR "/resources/CAT_EnOcean/eep.xml")))
            << FCatalog.Read_Error().toStdString();
    }

    TCatalog_EnOcean FCatalog;
};

} // namespace

TEST_F(ShippedCatalogTest, TheRorgsComeInThePublicOrder)
{
    std::vector<int32_t> numbers;
    for (const auto& rorg : FCatalog.List_Rorg)
        numbers.push_back(rorg->Number());
    EXPECT_EQ(numbers, (std::vector<int32_t> { 0xF6, 0xD5, 0xA5, 0xD2 }));
}

TEST_F(ShippedCatalogTest, TheProfilesABuildingGatewayMeets)
{
    struct {
        int32_t Rorg, Func, Type;
        const char* Field;
        int32_t BitOffs, BitSize;
    } const profiles[] = {
        { 0xF6, 0x02, 0x01, "Energy Bow", 3, 1 }, { 0xF6, 0x02, 0x02, "Rocker 1st action", 0, 3 }, { 0xF6, 0x03, 0x01, "Rocker 2nd action", 4, 3 },
        { 0xF6, 0x10, 0x00, "Window handle", 0, 8 }, { 0xD5, 0x00, 0x01, "Contact", 7, 1 }, { 0xA5, 0x02, 0x05, "Temperature", 16, 8 },
        { 0xA5, 0x02, 0x30, "Temperature", 14, 10 }, { 0xA5, 0x04, 0x01, "Humidity", 8, 8 }, { 0xA5, 0x04, 0x01, "Temperature", 16, 8 },
        { 0xA5, 0x06, 0x01, "Illumination 1", 16, 8 }, { 0xA5, 0x07, 0x01, "PIR Status", 16, 8 }, { 0xA5, 0x09, 0x04, "Concentration", 8, 8 },
        { 0xA5, 0x10, 0x06, "Set point", 8, 8 }, { 0xA5, 0x12, 0x01, "Meter reading", 0, 24 }, { 0xA5, 0x38, 0x08, "Switching command", 31, 1 },
        { 0xD2, 0x01, 0x12, "Output value", 17, 7 }, { 0xD2, 0x04, 0x08, "Battery autonomy", 25, 3 }, { 0xD2, 0x05, 0x00, "Vertical position", 1, 7 },
        { 0xD2, 0x14, 0x41, "Contact", 67, 1 }, { 0xD2, 0x32, 0x02, "Channel 3", 32, 12 }, { 0xD2, 0xA0, 0x01, "Feedback", 6, 2 },
    };
    for (const auto& entry : profiles) {
        SCOPED_TRACE(FCatalog.Get_Type_Name_Str(entry.Rorg, entry.Func, entry.Type).toStdString() + " " + entry.Field);
        const TCase* found = FCatalog.Get_CaseObj(entry.Rorg, entry.Func, entry.Type, 0);
        ASSERT_NE(found, nullptr);
        const int32_t index = FCatalog.Get_DataField_Index(entry.Rorg, entry.Func, entry.Type, 0, String::fromUtf8(entry.Field));
        ASSERT_GE(index, 0);
        EXPECT_EQ(found->List_DataField[static_cast<size_t>(index)]->BitOffs(), entry.BitOffs);
        EXPECT_EQ(found->List_DataField[static_cast<size_t>(index)]->BitSize(), entry.BitSize);
    }
}

TEST_F(ShippedCatalogTest, RockerAndActuatorCasesAreTold)
{
    struct {
        int32_t Rorg, Func, Type, Case;
        int32_t Id, Offset, Size;
    } const cases[] = {
        { 0xF6, 0x02, 0x01, 0, 0x30, 0, 0 }, { 0xF6, 0x02, 0x01, 1, 0x20, 0, 0 }, { 0xF6, 0x10, 0x00, 0, 0x20, 0, 0 },
        { 0xD2, 0x01, 0x12, 0, 1, 4, 4 }, { 0xD2, 0x01, 0x12, 3, 4, 4, 4 }, { 0xD2, 0x05, 0x00, 0, 1, 28, 4 }, { 0xA5, 0x38, 0x08, 1, 0, 0, 0 },
    };
    for (const auto& entry : cases) {
        SCOPED_TRACE(FCatalog.Get_Case_Name_Str(entry.Rorg, entry.Func, entry.Type, entry.Case).toStdString());
        const TCase* found = FCatalog.Get_CaseObj(entry.Rorg, entry.Func, entry.Type, entry.Case);
        ASSERT_NE(found, nullptr);
        EXPECT_EQ(found->CaseId(), entry.Id);
        EXPECT_EQ(found->CaseIdOffset(), entry.Offset);
        EXPECT_EQ(found->CaseIdSize(), entry.Size);
    }
}

// Every case offers a data field to map, and every field lies inside the telegram's data.
TEST_F(ShippedCatalogTest, EveryCaseHasFieldsWithinItsTelegram)
{
    for (const auto& rorg : FCatalog.List_Rorg) {
        for (const auto& func : rorg->List_Func) {
            for (const auto& type : func->List_Type) {
                SCOPED_TRACE(FCatalog.Get_Type_Name_Str(rorg->Number(), func->Number(), type->Number()).toStdString());
                EXPECT_FALSE(type->List_Case.empty());
                for (const auto& item : type->List_Case) {
                    EXPECT_FALSE(item->List_DataField.empty());
                    for (const auto& field : item->List_DataField) {
                        EXPECT_GT(field->BitSize(), 0);
                        EXPECT_LE(field->BitOffs() + field->BitSize(), rorg->Number() == 0xD2 ? 112 : rorg->Number() == 0xA5 ? 32 : 8);
                    }
                }
            }
        }
    }
}
