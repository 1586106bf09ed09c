#include "framework/win32/Registry.h"

#include "framework/win32/TestRegistryKey.h"

#include <gtest/gtest.h>

#include <algorithm>

using namespace tav;
using tav::test::TestRegistryKey;

namespace {

std::vector<std::string> Sorted(std::vector<std::string> names) {
    std::sort(names.begin(), names.end());
    return names;
}

} // namespace

TEST(Registry, OpensAbsoluteAndRelativePaths) {
    TestRegistryKey key;
    TRegistry registry;
    EXPECT_EQ(registry.RootKey(), HKEY_CURRENT_USER);
    EXPECT_FALSE(registry.OpenKey(key.Path(), false));
    EXPECT_EQ(registry.CurrentKey(), nullptr);

    ASSERT_TRUE(registry.OpenKey(key.Path() + "\\", true));
    EXPECT_EQ(registry.CurrentPath(), key.Path().substr(1));
    ASSERT_TRUE(registry.OpenKey("Inner\\Deeper", true)); // relative to the open key
    EXPECT_EQ(registry.CurrentPath(), key.Path("Inner\\Deeper").substr(1));
    EXPECT_TRUE(key.Exists("Inner\\Deeper"));

    EXPECT_FALSE(registry.OpenKey("Missing", false)); // the open key stays current
    EXPECT_EQ(registry.CurrentPath(), key.Path("Inner\\Deeper").substr(1));
    EXPECT_TRUE(registry.KeyExists(key.Path("Inner")));
    EXPECT_FALSE(registry.KeyExists("Inner")); // relative to Inner\Deeper

    ASSERT_TRUE(registry.OpenKey(key.Path("Inner"), false));
    EXPECT_TRUE(registry.KeyExists("Deeper"));
    registry.CloseKey();
    EXPECT_EQ(registry.CurrentKey(), nullptr);
    EXPECT_TRUE(registry.CurrentPath().empty());
}

TEST(Registry, ReadsAndWritesTypedValues) {
    TestRegistryKey key;
    TRegistry registry;
    ASSERT_TRUE(registry.OpenKey(key.Path(), true));
    registry.WriteString("Name", "caf\xE9");
    registry.WriteInteger("Count", -5);
    registry.WriteBool("Flag", true);
    registry.WriteString("", "default");
    EXPECT_EQ(key.TypeOf("Name"), REG_SZ);
    EXPECT_EQ(key.TypeOf("Count"), REG_DWORD);
    EXPECT_EQ(key.TypeOf("Flag"), REG_DWORD);
    EXPECT_EQ(registry.ReadString("name"), "caf\xE9");
    EXPECT_EQ(registry.ReadInteger("COUNT"), -5);
    EXPECT_TRUE(registry.ReadBool("Flag"));
    EXPECT_EQ(registry.ReadInteger("Flag"), 1);
    EXPECT_EQ(registry.ReadString(""), "default");
    EXPECT_TRUE(registry.ValueExists("nAmE"));
    EXPECT_FALSE(registry.ValueExists("Other"));
    EXPECT_EQ(Sorted(registry.GetValueNames()),
              (std::vector<std::string>{"", "Count", "Flag", "Name"}));

    EXPECT_TRUE(registry.DeleteValue("Name"));
    EXPECT_FALSE(registry.DeleteValue("Name"));
    EXPECT_FALSE(registry.ValueExists("Name"));
}

TEST(Registry, WrongTypesAndMissingValuesRaise) {
    TestRegistryKey key;
    key.PutString("Short", "12");
    key.PutString("Long", "a longer text");
    key.PutBinary("Bytes", std::string("\x01\x02\x03\x04", 4));
    key.PutDword("Number", 7);
    TRegistry registry;
    ASSERT_TRUE(registry.OpenKey(key.Path(), false));
    EXPECT_THROW(registry.ReadInteger("Short"), ERegistryException);
    EXPECT_THROW(registry.ReadInteger("Long"), ERegistryException);
    EXPECT_THROW(registry.ReadInteger("Bytes"), ERegistryException);
    EXPECT_THROW(registry.ReadString("Bytes"), ERegistryException);
    EXPECT_THROW(registry.ReadString("Number"), ERegistryException);
    EXPECT_THROW(registry.ReadString("Absent"), ERegistryException);
    EXPECT_THROW(registry.ReadInteger("Absent"), ERegistryException);
    EXPECT_EQ(registry.ReadString("Short"), "12");
}

TEST(Registry, ValueOperationsNeedAnOpenKey) {
    TestRegistryKey key;
    TRegistry registry;
    EXPECT_THROW(registry.WriteString("Name", "x"), ERegistryException);
    EXPECT_THROW(registry.WriteInteger("Name", 1), ERegistryException);
    EXPECT_THROW(registry.ValueExists("Name"), ERegistryException);
    EXPECT_THROW(registry.GetValueNames(), ERegistryException);
    // Nothing landed in the root key.
    HKEY root = nullptr;
    ASSERT_EQ(RegOpenKeyExA(HKEY_CURRENT_USER, "", 0, KEY_READ, &root), ERROR_SUCCESS);
    EXPECT_NE(RegQueryValueExA(root, "Name", nullptr, nullptr, nullptr, nullptr), ERROR_SUCCESS);
    RegCloseKey(root);
}

TEST(Registry, ListsAndDeletesKeysWithEverythingBelow) {
    TestRegistryKey key;
    key.PutString("Leaf", "x", "A\\B");
    key.PutString("Leaf", "y", "C");
    TRegistry registry;
    ASSERT_TRUE(registry.OpenKey(key.Path(), false));
    EXPECT_EQ(Sorted(registry.GetKeyNames()), (std::vector<std::string>{"A", "C"}));

    EXPECT_FALSE(registry.DeleteKey(""));   // never the open key itself
    EXPECT_FALSE(registry.DeleteKey("\\")); // nor the root
    EXPECT_TRUE(key.Exists("A"));
    EXPECT_TRUE(registry.DeleteKey("A"));
    EXPECT_FALSE(key.Exists("A"));
    EXPECT_FALSE(registry.DeleteKey("A"));
    EXPECT_TRUE(registry.DeleteKey(key.Path("C")));
    EXPECT_TRUE(registry.GetKeyNames().empty());
}

TEST(Registry, ChangingTheRootClosesTheOpenKey) {
    TestRegistryKey key;
    TRegistry registry;
    ASSERT_TRUE(registry.OpenKey(key.Path(), true));
    registry.SetRootKey(HKEY_LOCAL_MACHINE);
    EXPECT_EQ(registry.CurrentKey(), nullptr);
    EXPECT_EQ(registry.RootKey(), HKEY_LOCAL_MACHINE);
    EXPECT_FALSE(registry.KeyExists(key.Path()));
}
