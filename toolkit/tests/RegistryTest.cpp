// The registry wrapper on a scratch key of the current user: every value
// kind written and read back (also with the plain platform calls), reads
// sized from the value itself, enumeration that does not report truncated
// output as success, and key deletion.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

#include "Registry.h"
#include "ScratchKey.h"

namespace {

class RegistryTest : public ::testing::Test {
protected:
    RegistryTest() : scratch_("Registry") {}

    // A wrapper with the scratch key created (not merely opened), so that
    // the key query it made saw an empty key.
    void CreateScratch(SECRegistry& reg) {
        ASSERT_TRUE(reg.Connect(HKEY_CURRENT_USER, nullptr, FALSE));
        ASSERT_TRUE(reg.Create(scratch_.Path().c_str()));
    }

    // The value as the platform returns it: type and bytes.
    std::vector<BYTE> RawValue(const char* name, DWORD& type) {
        HKEY key = nullptr;
        std::vector<BYTE> bytes;
        if (::RegOpenKeyExA(HKEY_CURRENT_USER, scratch_.Path().c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS)
            return bytes;
        DWORD size = 0;
        if (::RegQueryValueExA(key, name, nullptr, &type, nullptr, &size) == ERROR_SUCCESS) {
            bytes.resize(size);
            ::RegQueryValueExA(key, name, nullptr, &type, bytes.data(), &size);
        }
        ::RegCloseKey(key);
        return bytes;
    }

    ScratchKey scratch_;
};

TEST(RegistryRoots, PredefinedRootsAreNamedByTheirSignExtendedValue) {
    struct Case {
        HKEY root;
        const char* name;
    };
    const Case cases[] = {
        {HKEY_CLASSES_ROOT, "HKEY_CLASSES_ROOT"}, {HKEY_CURRENT_USER, "HKEY_CURRENT_USER"},
        {HKEY_LOCAL_MACHINE, "HKEY_LOCAL_MACHINE"}, {HKEY_USERS, "HKEY_USERS"},
        {HKEY_CURRENT_CONFIG, "HKEY_CURRENT_CONFIG"}, {HKEY_DYN_DATA, "HKEY_DYN_DATA"},
        {HKEY_PERFORMANCE_DATA, nullptr},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name ? c.name : "performance data");
        LPCSTR name = SECRegistry::RootName(c.root);
        if (c.name == nullptr) {
            EXPECT_EQ(name, nullptr);
        } else {
            ASSERT_NE(name, nullptr);
            EXPECT_STREQ(name, c.name);
        }
    }
    // On 64-bit Windows the roots are the 32-bit values sign-extended; the
    // same bits zero-extended are an ordinary (invalid) handle, not a root.
    if (sizeof(HKEY) == 8) {
        EXPECT_EQ(reinterpret_cast<ULONG_PTR>(HKEY_CURRENT_USER), static_cast<ULONG_PTR>(0xFFFFFFFF80000001ull));
        const HKEY zeroExtended = reinterpret_cast<HKEY>(static_cast<ULONG_PTR>(0x80000001u));
        EXPECT_EQ(SECRegistry::RootName(zeroExtended), nullptr);
        EXPECT_FALSE(SECRegistry::IsPredefinedRoot(zeroExtended));
    }
    EXPECT_TRUE(SECRegistry::IsPredefinedRoot(HKEY_CLASSES_ROOT));
}

TEST(RegistryRoots, PathsLoseOneTrailingBackslashAndJoinWithOne) {
    EXPECT_STREQ(SECRegistry::NormalizePath("A\\B\\"), "A\\B");
    EXPECT_STREQ(SECRegistry::NormalizePath("A\\B\\\\"), "A\\B\\");
    EXPECT_STREQ(SECRegistry::NormalizePath("\\A\\", TRUE), "A");
    EXPECT_STREQ(SECRegistry::NormalizePath("\\A"), "\\A");
    EXPECT_STREQ(SECRegistry::JoinPath("A\\", "\\B\\"), "A\\B");
    EXPECT_STREQ(SECRegistry::JoinPath("", "B"), "B");
}

TEST_F(RegistryTest, ConnectsLocallyAndRefusesTheCurrentUserOfAnotherMachine) {
    SECRegistry reg;
    ASSERT_TRUE(reg.Connect(HKEY_CURRENT_USER, nullptr, FALSE));
    EXPECT_EQ(reg.GetRoot(), HKEY_CURRENT_USER);
    EXPECT_EQ(reg.GetKey(), HKEY_CURRENT_USER);
    EXPECT_STREQ(reg.GetRootName(), "HKEY_CURRENT_USER");
    EXPECT_FALSE(reg.IsRemote());
    char computer[MAX_PATH + 1] = {};
    DWORD size = sizeof computer;
    ASSERT_TRUE(::GetComputerNameA(computer, &size));
    EXPECT_STREQ(reg.GetMachineName(), computer);

    // Remote current user: error 6, and the close-root setting of before.
    EXPECT_FALSE(reg.Connect(HKEY_CURRENT_USER, "ANOTHERBOX", TRUE));
    EXPECT_EQ(reg.GetErrorCode(), ERROR_INVALID_HANDLE);
    EXPECT_FALSE(reg.GetCloseRoot());
    SECRegistry other;
    other.Initialize();
    ASSERT_TRUE(other.Connect(HKEY_CURRENT_USER, nullptr, FALSE));
    other.Close();
    EXPECT_FALSE(other.Connect(HKEY_CLASSES_ROOT, "ANOTHERBOX", FALSE));
    EXPECT_EQ(other.GetErrorCode(), ERROR_INVALID_HANDLE);
    EXPECT_TRUE(other.GetCloseRoot());

    // The local machine root goes through the platform's connection.
    SECRegistry machine;
    ASSERT_TRUE(machine.Connect(HKEY_LOCAL_MACHINE));
    EXPECT_STREQ(machine.GetRootName(), "HKEY_LOCAL_MACHINE");
    ASSERT_TRUE(machine.Open("Software", KEY_READ));
    EXPECT_TRUE(machine.Close());
    EXPECT_EQ(machine.GetKey(), nullptr);
}

TEST_F(RegistryTest, CreatesAndOpensPathsWithATrailingBackslash) {
    SECRegistry reg;
    ASSERT_TRUE(reg.Connect(HKEY_CURRENT_USER, nullptr, FALSE));
    DWORD disposition = 0;
    ASSERT_TRUE(reg.Create((scratch_.Sub("Made") + "\\").c_str(), nullptr, REG_OPTION_NON_VOLATILE,
                           SECRegistry::kDefaultAccess, nullptr, &disposition));
    EXPECT_EQ(disposition, static_cast<DWORD>(REG_CREATED_NEW_KEY));
    EXPECT_STREQ(reg.GetKeyPath(), scratch_.Sub("Made").c_str());
    ASSERT_TRUE(reg.SetValue("Width", DWORD(640)));
    ASSERT_TRUE(reg.Create(scratch_.Sub("Made").c_str(), nullptr, REG_OPTION_NON_VOLATILE,
                           SECRegistry::kDefaultAccess, nullptr, &disposition));
    EXPECT_EQ(disposition, static_cast<DWORD>(REG_OPENED_EXISTING_KEY));

    ASSERT_TRUE(reg.Open((scratch_.Sub("Made") + "\\").c_str()));
    EXPECT_STREQ(reg.GetKeyPath(), scratch_.Sub("Made").c_str());
    EXPECT_EQ(reg.GetValueCount(), 1u);
    EXPECT_EQ(reg.GetSubkeyCount(), 0u);
    DWORD width = 0;
    EXPECT_TRUE(reg.GetDoubleWordValue("Width", width));
    EXPECT_EQ(width, 640u);
}

TEST_F(RegistryTest, EveryValueKindRoundTrips) {
    SECRegistry reg;
    CreateScratch(reg);

    ASSERT_TRUE(reg.SetValue("Text", "Engine \"A\" 5.7 l"));
    ASSERT_TRUE(reg.SetValue("Number", DWORD(0xCAFEF00D)));
    CStringArray lines;
    lines.Add("first");
    lines.Add("second line");
    lines.Add("x");
    ASSERT_TRUE(reg.SetValue("Lines", lines));
    CStringArray none;
    ASSERT_TRUE(reg.SetValue("NoLines", none));
    CByteArray bytes;
    for (int i = 0; i < 300; ++i) bytes.Add(static_cast<BYTE>(i * 7));
    ASSERT_TRUE(reg.SetValue("Bytes", bytes));

    CString text;
    EXPECT_TRUE(reg.QueryValue("Text", text));
    EXPECT_STREQ(text, "Engine \"A\" 5.7 l");
    DWORD number = 0;
    EXPECT_TRUE(reg.QueryValue("Number", number));
    EXPECT_EQ(number, 0xCAFEF00Du);
    CStringArray readLines;
    EXPECT_TRUE(reg.QueryValue("Lines", readLines));
    ASSERT_EQ(readLines.GetSize(), 3);
    EXPECT_STREQ(readLines[1], "second line");
    EXPECT_STREQ(readLines[2], "x");
    EXPECT_TRUE(reg.QueryValue("NoLines", readLines));
    EXPECT_EQ(readLines.GetSize(), 0);
    CByteArray readBytes;
    EXPECT_TRUE(reg.QueryValue("Bytes", readBytes));
    ASSERT_EQ(readBytes.GetSize(), 300);
    EXPECT_EQ(std::memcmp(readBytes.GetData(), bytes.GetData(), 300), 0);

    // As the platform stores them.
    DWORD type = 0;
    std::vector<BYTE> raw = RawValue("Text", type);
    EXPECT_EQ(type, static_cast<DWORD>(REG_SZ));
    EXPECT_EQ(raw.size(), std::strlen("Engine \"A\" 5.7 l") + 1);
    raw = RawValue("Number", type);
    EXPECT_EQ(type, static_cast<DWORD>(REG_DWORD));
    EXPECT_EQ(raw, (std::vector<BYTE>{0x0D, 0xF0, 0xFE, 0xCA}));
    raw = RawValue("Lines", type);
    EXPECT_EQ(type, static_cast<DWORD>(REG_MULTI_SZ));
    EXPECT_EQ(std::string(raw.begin(), raw.end()), std::string("first\0second line\0x\0\0", 21));
    raw = RawValue("NoLines", type);  // no strings: a single zero byte
    EXPECT_EQ(raw, std::vector<BYTE>{0});
    raw = RawValue("Bytes", type);
    EXPECT_EQ(type, static_cast<DWORD>(REG_BINARY));
    EXPECT_EQ(raw.size(), 300u);

    // A value of another type is not read as a string or a number.
    EXPECT_FALSE(reg.GetStringValue("Number", text));
    EXPECT_TRUE(text.IsEmpty());
    EXPECT_FALSE(reg.GetDoubleWordValue("Text", number));

    ASSERT_TRUE(reg.DeleteValue("Text"));
    EXPECT_FALSE(reg.GetStringValue("Text", text));
    EXPECT_EQ(reg.GetErrorCode(), ERROR_FILE_NOT_FOUND);
}

// The key query ran when the key was created empty: reads are sized from
// the value itself, so a long value written afterwards reads back whole.
TEST_F(RegistryTest, ValuesWrittenAfterTheKeyQueryReadBackWhole) {
    SECRegistry reg;
    CreateScratch(reg);
    EXPECT_EQ(reg.GetMaxValueDataLength(), 0u);

    CByteArray bytes;
    for (int i = 0; i < 5000; ++i) bytes.Add(static_cast<BYTE>(i % 251));
    ASSERT_TRUE(reg.SetBinaryValue("Long", bytes));
    CByteArray back;
    ASSERT_TRUE(reg.GetBinaryValue("Long", back));
    ASSERT_EQ(back.GetSize(), 5000);
    EXPECT_EQ(std::memcmp(back.GetData(), bytes.GetData(), 5000), 0);

    CStringArray lines;
    for (int i = 0; i < 200; ++i) lines.Add(CString('a' + static_cast<char>(i % 26), 20 + i % 7));
    ASSERT_TRUE(reg.SetStringArrayValue("Lines", lines));
    CStringArray backLines;
    ASSERT_TRUE(reg.GetStringArrayValue("Lines", backLines));
    ASSERT_EQ(backLines.GetSize(), 200);
    EXPECT_STREQ(backLines[199], lines[199]);

    const CString longText('q', 3000);  // longer than any fixed read buffer of 2048
    ASSERT_TRUE(reg.SetStringValue("LongText", longText));
    CString backText;
    ASSERT_TRUE(reg.GetStringValue("LongText", backText));
    EXPECT_EQ(backText.GetLength(), 3000);
}

// Stored data need not end in terminators: reads stop at the data's end.
TEST_F(RegistryTest, StringsWithoutTerminatorsReadOnlyTheirBytes) {
    SECRegistry reg;
    CreateScratch(reg);
    // Bytes after the value's end in the platform's buffer are not zero.
    const char text[] = "abcXXXXXXXXXXXXXXXX";
    ASSERT_TRUE(reg.SetValueRaw("Bare", REG_SZ, reinterpret_cast<const BYTE*>(text), 3));
    CString value;
    ASSERT_TRUE(reg.GetStringValue("Bare", value));
    EXPECT_STREQ(value, "abc");

    const char lines[] = "one\0two";  // neither the last terminator nor the list's
    ASSERT_TRUE(reg.SetValueRaw("BareLines", REG_MULTI_SZ, reinterpret_cast<const BYTE*>(lines), 7));
    CStringArray read;
    ASSERT_TRUE(reg.GetStringArrayValue("BareLines", read));
    ASSERT_EQ(read.GetSize(), 2);
    EXPECT_STREQ(read[0], "one");
    EXPECT_STREQ(read[1], "two");

    // A number stored in fewer than four bytes is not a number.
    const BYTE two[2] = {1, 2};
    ASSERT_TRUE(reg.SetValueRaw("Short", REG_DWORD, two, 2));
    DWORD number = 77;
    EXPECT_FALSE(reg.GetDoubleWordValue("Short", number));

    // A list with an empty string cannot be stored: the rest would be lost.
    CStringArray withEmpty;
    withEmpty.Add("a");
    withEmpty.Add("");
    withEmpty.Add("b");
    EXPECT_FALSE(reg.SetStringArrayValue("Gap", withEmpty));
    EXPECT_EQ(reg.GetErrorCode(), ERROR_INVALID_PARAMETER);
}

TEST_F(RegistryTest, EnumerationReportsTruncationAsFailure) {
    SECRegistry reg;
    CreateScratch(reg);
    for (const char* name : {"Beta", "Alpha", "Gamma"}) {
        SECRegistry child;
        ASSERT_TRUE(child.Connect(HKEY_CURRENT_USER, nullptr, FALSE));
        ASSERT_TRUE(child.Create(scratch_.Sub(name).c_str(), "Kind"));
    }
    ASSERT_TRUE(reg.SetValue("Long", "a value of twenty-eight bytes"));
    ASSERT_TRUE(reg.QueryInfo());
    EXPECT_EQ(reg.GetSubkeyCount(), 3u);

    std::vector<std::string> names;
    CString name, className;
    for (DWORD i = 0; reg.EnumerateKeys(i, name, className); ++i) {
        names.push_back(name.GetString());
        EXPECT_STREQ(className, "Kind");
    }
    EXPECT_EQ(reg.GetErrorCode(), ERROR_NO_MORE_ITEMS);
    std::sort(names.begin(), names.end());
    EXPECT_EQ(names, (std::vector<std::string>{"Alpha", "Beta", "Gamma"}));

    DWORD type = 0;
    BYTE small[4];
    DWORD size = sizeof small;
    EXPECT_FALSE(reg.EnumerateValuesRaw(0, name, type, small, &size));
    EXPECT_EQ(reg.GetErrorCode(), ERROR_MORE_DATA);
    BYTE enough[64];
    size = sizeof enough;
    ASSERT_TRUE(reg.EnumerateValuesRaw(0, name, type, enough, &size));
    EXPECT_STREQ(name, "Long");
    EXPECT_EQ(type, static_cast<DWORD>(REG_SZ));
    EXPECT_STREQ(reinterpret_cast<const char*>(enough), "a value of twenty-eight bytes");
    EXPECT_TRUE(reg.EnumerateValues(0, name, type));
    EXPECT_FALSE(reg.EnumerateValues(1, name));
    EXPECT_EQ(reg.GetErrorCode(), ERROR_NO_MORE_ITEMS);
}

// A failed open leaves no key open: later writes fail instead of going to
// the key that was open before.
TEST_F(RegistryTest, AFailedOpenLeavesNoKey) {
    SECRegistry reg;
    CreateScratch(reg);
    EXPECT_FALSE(reg.Open(scratch_.Sub("Missing").c_str()));
    EXPECT_EQ(reg.GetErrorCode(), ERROR_FILE_NOT_FOUND);
    EXPECT_EQ(reg.GetKey(), nullptr);
    EXPECT_TRUE(reg.GetKeyPath().IsEmpty());
    EXPECT_FALSE(reg.SetValue("Stray", DWORD(1)));
    EXPECT_EQ(reg.GetErrorCode(), ERROR_INVALID_HANDLE);
    DWORD type = 0;
    EXPECT_TRUE(RawValue("Stray", type).empty());
}

TEST_F(RegistryTest, NullArgumentsFailWithInvalidParameter) {
    SECRegistry reg;
    CreateScratch(reg);
    CString text;
    DWORD number = 0;
    CByteArray bytes;
    const std::vector<std::pair<const char*, BOOL>> calls = {
        {"Open", reg.Open(nullptr)},
        {"Create", reg.Create(nullptr)},
        {"DeleteKey", reg.DeleteKey(nullptr)},
        {"DeleteValue", reg.DeleteValue(nullptr)},
        {"GetStringValue", reg.GetStringValue(nullptr, text)},
        {"GetDoubleWordValue", reg.GetDoubleWordValue(nullptr, number)},
        {"SetStringValue", reg.SetStringValue("Name", nullptr)},
        {"SetBinaryValue", reg.SetBinaryValue(nullptr, bytes)},
        {"Save", reg.Save(nullptr)},
        {"Load", reg.Load("Hive", nullptr)},
    };
    for (const auto& call : calls) {
        SCOPED_TRACE(call.first);
        EXPECT_FALSE(call.second);
    }
    EXPECT_EQ(reg.GetErrorCode(), ERROR_INVALID_PARAMETER);
    EXPECT_FALSE(reg.Save(nullptr));
    EXPECT_EQ(reg.GetErrorCode(), ERROR_INVALID_PARAMETER);
}

TEST_F(RegistryTest, DeletesKeysRelativelyAbsolutelyAndRecursively) {
    SECRegistry reg;
    ASSERT_TRUE(reg.Connect(HKEY_CURRENT_USER, nullptr, FALSE));
    for (const char* path : {"Tree\\A\\A1", "Tree\\A\\A2\\Deep", "Tree\\B", "Flat", "Other\\Leaf"}) {
        SECRegistry maker;
        ASSERT_TRUE(maker.Connect(HKEY_CURRENT_USER, nullptr, FALSE));
        ASSERT_TRUE(maker.Create(scratch_.Sub(path).c_str()));
        ASSERT_TRUE(maker.SetValue("V", DWORD(1)));
    }
    ASSERT_TRUE(reg.Open(scratch_.Path().c_str()));

    // Relative to the open key, a whole subtree.
    EXPECT_TRUE(reg.DeleteKey("Tree", TRUE));
    EXPECT_FALSE(scratch_.Exists(scratch_.Sub("Tree")));
    // Relative, a leaf.
    EXPECT_TRUE(reg.DeleteKey("Flat"));
    EXPECT_FALSE(scratch_.Exists(scratch_.Sub("Flat")));
    // Absolute from the root; the open key stays usable.
    EXPECT_TRUE(reg.DeleteKey(("\\" + scratch_.Sub("Other\\Leaf")).c_str()));
    EXPECT_FALSE(scratch_.Exists(scratch_.Sub("Other\\Leaf")));
    EXPECT_TRUE(scratch_.Exists(scratch_.Sub("Other")));
    EXPECT_TRUE(reg.SetValue("StillOpen", DWORD(2)));
    // A key that is not there.
    EXPECT_FALSE(reg.DeleteKey("Nowhere"));
    EXPECT_EQ(reg.GetErrorCode(), ERROR_FILE_NOT_FOUND);

    // Never the whole root.
    SECRegistry root;
    ASSERT_TRUE(root.Connect(HKEY_CURRENT_USER, nullptr, FALSE));
    EXPECT_FALSE(root.DeleteKey("", TRUE));
    EXPECT_EQ(root.GetErrorCode(), ERROR_INVALID_PARAMETER);
    EXPECT_TRUE(scratch_.Exists(scratch_.Path()));
}

TEST_F(RegistryTest, NotifiesAChangeOfTheKey) {
    SECRegistry watcher;
    CreateScratch(watcher);
    HANDLE event = ::CreateEventA(nullptr, TRUE, FALSE, nullptr);
    ASSERT_NE(event, nullptr);
    ASSERT_TRUE(watcher.NotifyChange(event, REG_NOTIFY_CHANGE_LAST_SET, FALSE, TRUE));
    EXPECT_EQ(::WaitForSingleObject(event, 0), static_cast<DWORD>(WAIT_TIMEOUT));
    SECRegistry writer;
    CreateScratch(writer);
    ASSERT_TRUE(writer.SetValue("Changed", DWORD(1)));
    EXPECT_EQ(::WaitForSingleObject(event, 5000), static_cast<DWORD>(WAIT_OBJECT_0));
    ::CloseHandle(event);
    EXPECT_TRUE(watcher.Flush());
}

}  // namespace
