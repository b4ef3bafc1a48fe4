// The persistent tree: values of every kind, binary text and its pieces
// (a shorter value written over a longer one replaces it whole; damaged
// pieces are refused), children, and whole trees saved and loaded through a
// recording storage and through the registry.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "PTNRegistryStrategy.h"
#include "PersistentTree.h"
#include "Registry.h"
#include "ScratchKey.h"

namespace {

std::vector<BYTE> Pattern(size_t length, int seed) {
    std::vector<BYTE> bytes(length);
    for (size_t i = 0; i < length; ++i) bytes[i] = static_cast<BYTE>(i * 31 + seed);
    return bytes;
}

// Reads a binary value into a vector; the result code is returned.
UINT ReadBinary(const SECPersistentTreeNode& node, const char* key, std::vector<BYTE>& bytes) {
    BYTE* data = nullptr;
    UINT length = 0;
    const UINT result = node.GetBinaryValue(key, &data, &length);
    bytes.assign(data, data + length);
    delete[] data;
    return result;
}

std::vector<std::string> Keys(const SECPersistentTreeNode& node) {
    std::vector<std::string> keys;
    for (INT_PTR i = 0; i < node.GetValueCount(); ++i) keys.push_back(node.GetPair(i).m_strKey.GetString());
    return keys;
}

class NodeTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_EQ(node_.Create("Root"), PTN_SUCCESS); }
    SECPersistentTreeNode node_;
};

TEST_F(NodeTest, CreationRules) {
    EXPECT_EQ(node_.Create("Again"), PTN_ALREADY_CREATED);
    SECPersistentTreeNode unnamed;
    EXPECT_EQ(unnamed.Create(""), PTN_NO_NAME);
    EXPECT_EQ(unnamed.Create(nullptr), PTN_NO_NAME);

    SECPTNFactory* factory = node_.GetFactory();
    SECPersistentTreeNode* first = factory->CreateNode("Child", &node_);
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(first->GetParent(), &node_);
    EXPECT_EQ(factory->CreateNode("Child", &node_), nullptr);  // names are unique
    EXPECT_EQ(factory->GetCount(), 1);
    SECPersistentTreeNode second;
    EXPECT_EQ(second.Create("Child", &node_), PTN_CHILD_EXISTS);
    EXPECT_NE(factory->CreateNode("child", &node_), nullptr);  // compared with case
    EXPECT_EQ(node_.FindChild("Child"), first);
    EXPECT_EQ(node_.FindChild(""), nullptr);

    // A parent that was never created refuses children.
    SECPersistentTreeNode orphanParent, orphan;
    EXPECT_EQ(orphan.Create("X", &orphanParent), PTN_FAILED);
    EXPECT_FALSE(orphan.IsCreated());

    CStringArray path;
    SECPersistentTreeNode* grandchild = first->GetFactory()->CreateNode("Leaf", first);
    ASSERT_NE(grandchild, nullptr);
    grandchild->GetPath(path);
    ASSERT_EQ(path.GetSize(), 3);
    EXPECT_STREQ(path[0], "Leaf");
    EXPECT_STREQ(path[2], "Root");

    // A child the caller owns leaves its parent's list when it goes.
    {
        SECPersistentTreeNode scoped;
        ASSERT_EQ(scoped.Create("Scoped", &node_), PTN_SUCCESS);
        EXPECT_EQ(node_.GetChildCount(), 3);
    }
    EXPECT_EQ(node_.GetChildCount(), 2);
}

TEST_F(NodeTest, ValuesKeepTheirOrderAndOverwriteRules) {
    EXPECT_EQ(node_.SetValue("B", "1"), PTN_SUCCESS);
    EXPECT_EQ(node_.SetValue("A", "2"), PTN_SUCCESS);
    EXPECT_EQ(node_.SetValue("C", "3"), PTN_SUCCESS);
    EXPECT_EQ(node_.SetValue("A", "changed", FALSE), PTN_KEY_EXISTS);
    CString value;
    EXPECT_EQ(node_.GetValue("A", value), PTN_SUCCESS);
    EXPECT_STREQ(value, "2");
    EXPECT_EQ(node_.SetValue("A", "changed"), PTN_SUCCESS);
    EXPECT_EQ(Keys(node_), (std::vector<std::string>{"B", "A", "C"}));
    EXPECT_EQ(node_.RemoveValue("B"), PTN_SUCCESS);
    EXPECT_EQ(node_.RemoveValue("B"), PTN_KEY_NOT_FOUND);
    EXPECT_EQ(Keys(node_), (std::vector<std::string>{"A", "C"}));
    EXPECT_EQ(node_.SetValue("", "x"), PTN_NO_KEY);
    EXPECT_EQ(node_.GetValue("Missing", value, "fallback"), PTN_KEY_NOT_FOUND);
    EXPECT_STREQ(value, "fallback");

    SECPersistentTreeNode uncreated;
    EXPECT_EQ(uncreated.SetValue("A", "1"), PTN_NOT_CREATED);
}

TEST_F(NodeTest, NumbersAndFlagsAsText) {
    struct NumberCase {
        const char* text;
        long value;
    };
    const NumberCase numbers[] = {{"42", 42}, {"-7", -7}, {"+5", 5}, {"12abc", 12}, {"abc", 0}, {"", 0}};
    for (const NumberCase& c : numbers) {
        SCOPED_TRACE(c.text);
        ASSERT_EQ(node_.SetValue("N", c.text), PTN_SUCCESS);
        int asInt = 99;
        long asLong = 99;
        EXPECT_EQ(node_.GetIntValue("N", asInt, 99), PTN_SUCCESS);
        EXPECT_EQ(asInt, c.value);
        EXPECT_EQ(node_.GetLongValue("N", asLong, 99), PTN_SUCCESS);
        EXPECT_EQ(asLong, c.value);
    }
    ASSERT_EQ(node_.SetIntValue("N", -123456), PTN_SUCCESS);
    CString text;
    node_.GetValue("N", text);
    EXPECT_STREQ(text, "-123456");
    UINT unsignedValue = 0;
    ASSERT_EQ(node_.SetValue("U", "4000000000"), PTN_SUCCESS);
    EXPECT_EQ(node_.GetUIntValue("U", unsignedValue), PTN_SUCCESS);
    EXPECT_EQ(unsignedValue, 4000000000u);
    int missing = 0;
    EXPECT_EQ(node_.GetIntValue("Missing", missing, 17), PTN_KEY_NOT_FOUND);
    EXPECT_EQ(missing, 17);

    struct FlagCase {
        const char* text;
        BOOL value;
    };
    const FlagCase flags[] = {{"true", TRUE}, {"TRUE", TRUE}, {"True", TRUE}, {"1", FALSE}, {"False", FALSE}, {"yes", FALSE}};
    for (const FlagCase& c : flags) {
        SCOPED_TRACE(c.text);
        ASSERT_EQ(node_.SetValue("F", c.text), PTN_SUCCESS);
        BOOL flag = !c.value;
        EXPECT_EQ(node_.GetBoolValue("F", flag, !c.value), PTN_SUCCESS);
        EXPECT_EQ(flag, c.value);
    }
    ASSERT_EQ(node_.SetBoolValue("F", TRUE), PTN_SUCCESS);
    node_.GetValue("F", text);
    EXPECT_STREQ(text, "True");
    ASSERT_EQ(node_.SetBoolValue("F", FALSE), PTN_SUCCESS);
    node_.GetValue("F", text);
    EXPECT_STREQ(text, "False");
}

TEST_F(NodeTest, BinaryTextIsLetterPairsLowNibbleFirst) {
    const BYTE one = 0x3C;
    ASSERT_EQ(node_.SetBinaryValue("B", &one, 1), PTN_SUCCESS);
    CString text;
    node_.GetValue("B", text);
    EXPECT_STREQ(text, "MD");

    std::vector<BYTE> all(256);
    for (int i = 0; i < 256; ++i) all[static_cast<size_t>(i)] = static_cast<BYTE>(i);
    ASSERT_EQ(node_.SetBinaryValue("All", all.data(), 256), PTN_SUCCESS);
    std::vector<BYTE> back;
    EXPECT_EQ(ReadBinary(node_, "All", back), PTN_SUCCESS);
    EXPECT_EQ(back, all);

    EXPECT_EQ(node_.SetBinaryValue("None", nullptr, 4), PTN_NO_DATA);
    EXPECT_EQ(node_.GetBinaryValue("All", nullptr, nullptr), PTN_NO_DATA);
    EXPECT_EQ(ReadBinary(node_, "Missing", back), PTN_KEY_NOT_FOUND);
}

TEST_F(NodeTest, LongBinaryIsStoredInPiecesOf250Characters) {
    const std::vector<BYTE> fits = Pattern(125, 1);
    ASSERT_EQ(node_.SetBinaryValue("Fits", fits.data(), 125), PTN_SUCCESS);
    EXPECT_EQ(Keys(node_), (std::vector<std::string>{"Fits"}));

    const std::vector<BYTE> over = Pattern(126, 2);
    ASSERT_EQ(node_.SetBinaryValue("Over", over.data(), 126), PTN_SUCCESS);
    EXPECT_EQ(Keys(node_), (std::vector<std::string>{"Fits", "Over_BinVal0", "Over_BinVal1", "Over_BinCount"}));
    CString text;
    node_.GetValue("Over_BinCount", text);
    EXPECT_STREQ(text, "2");
    node_.GetValue("Over_BinVal0", text);
    EXPECT_EQ(text.GetLength(), 250);
    node_.GetValue("Over_BinVal1", text);
    EXPECT_EQ(text.GetLength(), 2);

    std::vector<BYTE> back;
    EXPECT_EQ(ReadBinary(node_, "Over", back), PTN_SUCCESS);
    EXPECT_EQ(back, over);
    EXPECT_EQ(ReadBinary(node_, "Fits", back), PTN_SUCCESS);
    EXPECT_EQ(back, fits);
}

// A shorter value written over a longer one (a shrunk button list, say)
// reads back as written, and no piece of the old value stays behind.
TEST_F(NodeTest, AShorterBinaryValueReplacesALongerOneWhole) {
    struct Step {
        size_t length;
        std::vector<std::string> keys;
    };
    const Step steps[] = {
        {600, {"V_BinVal0", "V_BinVal1", "V_BinVal2", "V_BinVal3", "V_BinVal4", "V_BinCount"}},
        {10, {"V"}},
        {300, {"V_BinVal0", "V_BinVal1", "V_BinVal2", "V_BinCount"}},
        {130, {"V_BinVal0", "V_BinVal1", "V_BinCount"}},
        {125, {"V"}},
    };
    int seed = 0;
    for (const Step& step : steps) {
        SCOPED_TRACE(step.length);
        const std::vector<BYTE> bytes = Pattern(step.length, ++seed);
        ASSERT_EQ(node_.SetBinaryValue("V", bytes.data(), static_cast<UINT>(bytes.size())), PTN_SUCCESS);
        std::vector<BYTE> back;
        EXPECT_EQ(ReadBinary(node_, "V", back), PTN_SUCCESS);
        EXPECT_EQ(back, bytes);
        std::vector<std::string> keys = Keys(node_);
        std::sort(keys.begin(), keys.end());
        std::vector<std::string> expected = step.keys;
        std::sort(expected.begin(), expected.end());
        EXPECT_EQ(keys, expected);
    }
    const std::vector<BYTE> bytes = Pattern(10, 9);
    EXPECT_EQ(node_.SetBinaryValue("V", bytes.data(), 10, FALSE), PTN_KEY_EXISTS);
}

TEST_F(NodeTest, DamagedBinaryTextIsRefused) {
    const std::vector<BYTE> bytes = Pattern(700, 3);  // 1400 characters: 6 pieces
    struct Damage {
        const char* what;
        void (*apply)(SECPersistentTreeNode&);
    };
    const Damage damages[] = {
        {"a middle piece missing", [](SECPersistentTreeNode& n) { n.RemoveValue("D_BinVal2"); }},
        {"the last piece missing", [](SECPersistentTreeNode& n) { n.RemoveValue("D_BinVal5"); }},
        {"a middle piece short", [](SECPersistentTreeNode& n) { n.SetValue("D_BinVal1", "ABAB"); }},
        {"a piece too long", [](SECPersistentTreeNode& n) { n.SetValue("D_BinVal5", CString('A', 252)); }},
        {"a count that is no number", [](SECPersistentTreeNode& n) { n.SetValue("D_BinCount", "six"); }},
        {"a count of zero", [](SECPersistentTreeNode& n) { n.SetValue("D_BinCount", "0"); }},
        {"a count past the pieces", [](SECPersistentTreeNode& n) { n.SetValue("D_BinCount", "7"); }},
        {"a letter past P", [](SECPersistentTreeNode& n) { n.SetValue("D_BinVal5", CString('Z', 150)); }},
        {"an odd length", [](SECPersistentTreeNode& n) { n.SetValue("D_BinVal5", CString('A', 149)); }},
    };
    for (const Damage& damage : damages) {
        SCOPED_TRACE(damage.what);
        ASSERT_EQ(node_.SetBinaryValue("D", bytes.data(), 700), PTN_SUCCESS);
        damage.apply(node_);
        std::vector<BYTE> back;
        EXPECT_EQ(ReadBinary(node_, "D", back), PTN_FAILED);
        EXPECT_TRUE(back.empty());
    }
    ASSERT_EQ(node_.SetValue("Single", "ABC"), PTN_SUCCESS);
    std::vector<BYTE> back;
    EXPECT_EQ(ReadBinary(node_, "Single", back), PTN_FAILED);
    ASSERT_EQ(node_.SetValue("Single", ""), PTN_SUCCESS);
    EXPECT_EQ(ReadBinary(node_, "Single", back), PTN_FAILED);
}

// Records what the tree tells its storage, and plays a recorded tree back.
class MemoryStorage : public SECPTNStrategy {
public:
    struct Node {
        std::vector<std::pair<std::string, std::string>> values;
        std::vector<std::string> children;
    };

    BOOL BeginNode(const CStringArray& path) override {
        log.push_back("begin " + Key(path));
        nodes[Key(path)] = Node();
        return TRUE;
    }
    BOOL WriteValue(const CStringArray& path, LPCSTR key, LPCSTR value) override {
        log.push_back("value " + std::string(key));
        nodes[Key(path)].values.emplace_back(key, value);
        return TRUE;
    }
    BOOL EndNode(const CStringArray& path, const CStringArray& childNames) override {
        log.push_back("end " + Key(path));
        for (INT_PTR i = 0; i < childNames.GetSize(); ++i) nodes[Key(path)].children.push_back(childNames[i].GetString());
        return TRUE;
    }
    BOOL ReadNode(const CStringArray& path, CStringArray& childNames, CStringArray& keys,
                  CStringArray& values) override {
        auto found = nodes.find(Key(path));
        if (found == nodes.end()) return FALSE;
        for (const auto& child : found->second.children) childNames.Add(child.c_str());
        for (const auto& pair : found->second.values) keys.Add(pair.first.c_str()), values.Add(pair.second.c_str());
        return TRUE;
    }

    static std::string Key(const CStringArray& path) {
        std::string key;
        for (INT_PTR i = path.GetUpperBound(); i >= 0; --i) key += "/" + std::string(path[i].GetString());
        return key;
    }

    std::map<std::string, Node> nodes;
    std::vector<std::string> log;
};

// Builds Root {Title, Bars: {Count} {Bar-0 {Buttons}} {Bar-1}}.
void BuildSample(SECPersistentTreeNode& root, size_t buttonBytes) {
    ASSERT_EQ(root.Create("Root"), PTN_SUCCESS);
    root.SetValue("Title", "Main toolbar");
    root.SetBoolValue("Visible", TRUE);
    SECPersistentTreeNode* bars = root.GetFactory()->CreateNode("Bars", &root);
    ASSERT_NE(bars, nullptr);
    bars->SetIntValue("Count", 2);
    SECPersistentTreeNode* first = bars->GetFactory()->CreateNode("Bar-0", bars);
    ASSERT_NE(first, nullptr);
    const std::vector<BYTE> buttons = Pattern(buttonBytes, 5);
    first->SetBinaryValue("Buttons", buttons.data(), static_cast<UINT>(buttons.size()));
    ASSERT_NE(bars->GetFactory()->CreateNode("Bar-1", bars), nullptr);
}

void ExpectSample(SECPersistentTreeNode& root, size_t buttonBytes) {
    CString text;
    EXPECT_EQ(root.GetValue("Title", text), PTN_SUCCESS);
    EXPECT_STREQ(text, "Main toolbar");
    EXPECT_EQ(Keys(root), (std::vector<std::string>{"Title", "Visible"}));
    SECPersistentTreeNode* bars = root.FindChild("Bars");
    ASSERT_NE(bars, nullptr);
    int count = 0;
    EXPECT_EQ(bars->GetIntValue("Count", count), PTN_SUCCESS);
    EXPECT_EQ(count, 2);
    ASSERT_EQ(bars->GetChildCount(), 2);
    EXPECT_STREQ(bars->GetChild(0)->GetName(), "Bar-0");
    EXPECT_STREQ(bars->GetChild(1)->GetName(), "Bar-1");
    std::vector<BYTE> back;
    EXPECT_EQ(ReadBinary(*bars->GetChild(0), "Buttons", back), PTN_SUCCESS);
    EXPECT_EQ(back, Pattern(buttonBytes, 5));
}

TEST(PersistentTree, SavesEachNodeThenItsChildrenInOrder) {
    SECPersistentTreeNode root;
    BuildSample(root, 20);
    MemoryStorage storage;
    ASSERT_TRUE(root.SaveTree(&storage));
    EXPECT_EQ(storage.log, (std::vector<std::string>{"begin /Root", "value Title", "value Visible", "end /Root",
                                                     "begin /Root/Bars", "value Count", "end /Root/Bars",
                                                     "begin /Root/Bars/Bar-0", "value Buttons", "end /Root/Bars/Bar-0",
                                                     "begin /Root/Bars/Bar-1", "end /Root/Bars/Bar-1"}));
    SECPersistentTreeNode loaded;
    ASSERT_EQ(loaded.Create("Root"), PTN_SUCCESS);
    ASSERT_TRUE(loaded.LoadTree(&storage));
    ExpectSample(loaded, 20);

    SECPersistentTreeNode uncreated;
    EXPECT_FALSE(uncreated.SaveTree(&storage));
    EXPECT_FALSE(root.SaveTree(nullptr));
    EXPECT_FALSE(root.LoadTree(nullptr));
}

// Loading into a tree that already has children of the stored names fills
// those children instead of dropping the stored ones.
TEST(PersistentTree, LoadsIntoExistingChildren) {
    SECPersistentTreeNode stored;
    BuildSample(stored, 40);
    MemoryStorage storage;
    ASSERT_TRUE(stored.SaveTree(&storage));

    SECPersistentTreeNode target;
    ASSERT_EQ(target.Create("Root"), PTN_SUCCESS);
    SECPersistentTreeNode* bars = target.GetFactory()->CreateNode("Bars", &target);
    ASSERT_NE(bars, nullptr);
    bars->SetIntValue("Count", 9);
    bars->SetValue("Extra", "kept");
    ASSERT_TRUE(target.LoadTree(&storage));
    ExpectSample(target, 40);
    EXPECT_EQ(target.GetChildCount(), 1);
    CString extra;
    EXPECT_EQ(bars->GetValue("Extra", extra), PTN_SUCCESS);

    // A stored child missing from the storage makes the load fail.
    storage.nodes.erase("/Root/Bars/Bar-1");
    SECPersistentTreeNode partial;
    ASSERT_EQ(partial.Create("Root"), PTN_SUCCESS);
    EXPECT_FALSE(partial.LoadTree(&storage));
}

class RegistryTreeTest : public ::testing::Test {
protected:
    RegistryTreeTest() : scratch_("PersistentTree"), storage_(HKEY_CURRENT_USER, scratch_.Sub("Tree").c_str()) {}
    ScratchKey scratch_;
    SECPTNRegistryStrategy storage_;
};

TEST_F(RegistryTreeTest, ATreeRoundTripsThroughTheRegistry) {
    SECPersistentTreeNode root;
    BuildSample(root, 700);
    SECPersistentTreeNode* odd = root.GetFactory()->CreateNode("Back\\slash and case", &root);
    ASSERT_NE(odd, nullptr);
    ASSERT_NE(root.GetFactory()->CreateNode("back\\slash AND case", &root), nullptr);
    odd->SetValue("Empty", "");
    ASSERT_TRUE(root.SaveTree(&storage_));

    SECPersistentTreeNode loaded;
    ASSERT_EQ(loaded.Create("Root"), PTN_SUCCESS);
    ASSERT_TRUE(loaded.LoadTree(&storage_));
    ExpectSample(loaded, 700);
    ASSERT_EQ(loaded.GetChildCount(), 3);
    EXPECT_STREQ(loaded.GetChild(1)->GetName(), "Back\\slash and case");
    EXPECT_STREQ(loaded.GetChild(2)->GetName(), "back\\slash AND case");
    CString empty("x");
    EXPECT_EQ(loaded.GetChild(1)->GetValue("Empty", empty), PTN_SUCCESS);
    EXPECT_TRUE(empty.IsEmpty());

    // The stored form, read with the wrapper.
    SECRegistry reg;
    ASSERT_TRUE(reg.Connect(HKEY_CURRENT_USER, nullptr, FALSE));
    ASSERT_TRUE(reg.Open(scratch_.Sub("Tree\\0").c_str(), KEY_READ));
    CString name;
    EXPECT_TRUE(reg.GetStringValue("Name", name));
    EXPECT_STREQ(name, "Bars");
}

// Saving a smaller tree over a larger one leaves nothing of the larger.
TEST_F(RegistryTreeTest, ASmallerTreeReplacesALargerOne) {
    SECPersistentTreeNode large;
    BuildSample(large, 900);
    ASSERT_TRUE(large.SaveTree(&storage_));

    SECPersistentTreeNode small;
    ASSERT_EQ(small.Create("Root"), PTN_SUCCESS);
    small.SetValue("Title", "Short");
    SECPersistentTreeNode* bars = small.GetFactory()->CreateNode("Bars", &small);
    ASSERT_NE(bars, nullptr);
    const std::vector<BYTE> few = Pattern(6, 1);
    ASSERT_EQ(bars->SetBinaryValue("Buttons", few.data(), 6), PTN_SUCCESS);
    ASSERT_TRUE(small.SaveTree(&storage_));

    SECPersistentTreeNode loaded;
    ASSERT_EQ(loaded.Create("Root"), PTN_SUCCESS);
    ASSERT_TRUE(loaded.LoadTree(&storage_));
    EXPECT_EQ(Keys(loaded), (std::vector<std::string>{"Title"}));
    ASSERT_EQ(loaded.GetChildCount(), 1);
    EXPECT_EQ(loaded.GetChild(0)->GetChildCount(), 0);
    std::vector<BYTE> back;
    EXPECT_EQ(ReadBinary(*loaded.GetChild(0), "Buttons", back), PTN_SUCCESS);
    EXPECT_EQ(back, few);
    EXPECT_FALSE(scratch_.Exists(scratch_.Sub("Tree\\0\\0")));
}

TEST_F(RegistryTreeTest, DamagedOrForeignStoresAreRefused) {
    SECPersistentTreeNode root;
    BuildSample(root, 30);
    ASSERT_TRUE(root.SaveTree(&storage_));

    SECPersistentTreeNode otherName;  // the stored root is named "Root"
    ASSERT_EQ(otherName.Create("Settings"), PTN_SUCCESS);
    EXPECT_FALSE(otherName.LoadTree(&storage_));
    EXPECT_EQ(otherName.GetValueCount(), 0);

    SECRegistry reg;
    ASSERT_TRUE(reg.Connect(HKEY_CURRENT_USER, nullptr, FALSE));
    ASSERT_TRUE(reg.Open(scratch_.Sub("Tree\\0").c_str()));
    ASSERT_TRUE(reg.DeleteValue("Key0"));  // a pair whose key is gone
    SECPersistentTreeNode loaded;
    ASSERT_EQ(loaded.Create("Root"), PTN_SUCCESS);
    EXPECT_FALSE(loaded.LoadTree(&storage_));

    SECPTNRegistryStrategy nowhere(HKEY_CURRENT_USER, scratch_.Sub("Nothing").c_str());
    SECPersistentTreeNode none;
    ASSERT_EQ(none.Create("Root"), PTN_SUCCESS);
    EXPECT_FALSE(none.LoadTree(&nowhere));
    EXPECT_EQ(nowhere.GetErrorCode(), ERROR_FILE_NOT_FOUND);
}

}  // namespace
