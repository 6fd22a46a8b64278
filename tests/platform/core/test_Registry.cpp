#include "platform/core/Registry.h"

#include "platform/core/FileUtils.h"
#include "platform/core/StringList.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

// Every test gets a store of its own in a temporary folder.
class RegistryTest : public testing::Test {
protected:
    void SetUp() override { TRegistry::SetStoreFile(FTemp.path() + "/sub/registry.json"); }
    void TearDown() override { TRegistry::SetStoreFile(FTemp.path() + "/unused.json"); }
    QTemporaryDir FTemp;
};

} // namespace

TEST_F(RegistryTest, ValuesPersistInTheStoreFile)
{
    {
        TRegistry registry;
        EXPECT_FALSE(registry.OpenKey("Software\\Office\\14.0\\Common", false));
        ASSERT_TRUE(registry.OpenKey("Software\\Office\\14.0\\Common", true));
        registry.WriteInteger("Theme", 3);
        registry.WriteString("Name", "Black");
    }
    TRegistry::SetStoreFile(FTemp.path() + "/sub/registry.json"); // forces a fresh read
    TRegistry registry;
    EXPECT_TRUE(registry.KeyExists("\\SOFTWARE\\office\\14.0"));
    ASSERT_TRUE(registry.OpenKeyReadOnly("Software\\Office\\14.0\\Common"));
    EXPECT_TRUE(registry.ValueExists("theme"));
    EXPECT_EQ(registry.ReadInteger("Theme"), 3);
    EXPECT_EQ(registry.ReadString("Name"), "Black");
    EXPECT_EQ(registry.ReadString("Missing"), "");
    EXPECT_THROW(registry.ReadInteger("Missing"), ERegistryException);
    EXPECT_THROW(registry.ReadInteger("Name"), ERegistryException);
    EXPECT_THROW(registry.WriteInteger("Theme", 4), ERegistryException);

    registry.SetRootKey(HKEY_LOCAL_MACHINE);
    EXPECT_FALSE(registry.KeyExists("Software"));
}

TEST_F(RegistryTest, DeleteKeyRemovesTheSubtree)
{
    TRegistry registry;
    ASSERT_TRUE(registry.OpenKey("\\Software\\App\\Grid", true));
    registry.WriteInteger("Col0", 64);
    registry.CloseKey();
    ASSERT_TRUE(registry.OpenKey("Software\\App", false));
    TStringList names;
    registry.GetKeyNames(names);
    EXPECT_EQ(names.CommaText(), "Grid");
    registry.CloseKey();
    EXPECT_TRUE(registry.DeleteKey("Software\\App"));
    EXPECT_FALSE(registry.KeyExists("Software\\App\\Grid"));
    EXPECT_TRUE(FileExists(TRegistry::StoreFile()));
}

TEST_F(RegistryTest, DamagedStoreReadsEmptyAndIsNotOverwritten)
{
    ForceDirectories(FTemp.path() + "/sub");
    const TBytes damaged = { '{', 'x' };
    WriteFileAtomic(TRegistry::StoreFile(), damaged);
    TRegistry::SetStoreFile(TRegistry::StoreFile());
    TRegistry registry;
    EXPECT_FALSE(registry.KeyExists("Software"));
    EXPECT_FALSE(registry.OpenKeyReadOnly("Software"));
    EXPECT_EQ(registry.ReadString("Name"), "");
    EXPECT_FALSE(registry.ValueExists("Name"));
    TRegistryIniFile ini("Software\\App");
    EXPECT_EQ(ini.ReadInteger("Layout", "Col0", 7), 7);
    try {
        registry.OpenKey("Software", true);
        ADD_FAILURE() << "no exception";
    } catch (const ERegistryException& error) {
        EXPECT_TRUE(error.Message().contains("damaged")) << error.what();
    }
    EXPECT_FALSE(registry.KeyExists("Software"));
    EXPECT_EQ(ReadFileBytes(TRegistry::StoreFile()), damaged);
}

TEST_F(RegistryTest, RegistryIniFileMapsSectionsToSubKeys)
{
    TRegistryIniFile ini("Software\\App\\Grid1");
    ini.WriteInteger("Layout", "Col0", 64);
    ini.WriteString("Layout", "Col1", "120");
    EXPECT_EQ(ini.ReadInteger("Layout", "Col0", -1), 64);
    EXPECT_EQ(ini.ReadInteger("Layout", "Col1", -1), 120);
    EXPECT_EQ(ini.ReadInteger("Layout", "Col2", -1), -1);
    EXPECT_EQ(ini.ReadString("Layout", "Col0", ""), "64");
    TStringList values;
    ini.ReadSectionValues("Layout", values);
    EXPECT_EQ(values.CommaText(), "Col0=64,Col1=120");
    ini.EraseSection("Layout");
    EXPECT_FALSE(ini.SectionExists("Layout"));
}
