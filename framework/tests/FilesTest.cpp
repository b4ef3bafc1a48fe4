#include <gtest/gtest.h>

#include <cstring>

#include "Framework.h"
#include "TempFolder.h"

namespace {

class FilesTest : public ::testing::Test {
protected:
    CString PathOf(LPCSTR name) const { return folder_.PathOf(name); }

    TempFolder folder_{"framework_files"};
};

}  // namespace

TEST_F(FilesTest, WriteReadSeekAndLength) {
    CString path = PathOf("data.bin");
    {
        CFile file(path, CFile::modeCreate | CFile::modeWrite);
        file.Write("hello world", 11);
        EXPECT_EQ(11u, file.GetLength());
        EXPECT_EQ(path, file.GetFilePath());
        EXPECT_STREQ("data.bin", file.GetFileName());
        EXPECT_STREQ("data", file.GetFileTitle());
    }
    CFile file;
    ASSERT_TRUE(file.Open(path, CFile::modeReadWrite));
    EXPECT_EQ(6u, file.Seek(6, CFile::begin));
    char buffer[16] = {};
    EXPECT_EQ(5u, file.Read(buffer, 15));  // only what is left
    EXPECT_STREQ("world", buffer);
    EXPECT_EQ(0u, file.Read(buffer, 15));
    file.SetLength(5);
    EXPECT_EQ(5u, file.GetLength());
    file.Close();
    EXPECT_FALSE(file.IsOpen());

    // modeNoTruncate keeps the contents.
    CFile again(path, CFile::modeCreate | CFile::modeNoTruncate | CFile::modeRead);
    EXPECT_EQ(5u, again.GetLength());
}

TEST_F(FilesTest, FailuresReportTheirCause) {
    CString missing = PathOf("missing.txt");
    CFile file;
    CFileException error;
    EXPECT_FALSE(file.Open(missing, CFile::modeRead, &error));
    EXPECT_EQ(CFileException::fileNotFound, error.m_cause);
    EXPECT_EQ(ERROR_FILE_NOT_FOUND, error.m_lOsError);
    char message[200];
    EXPECT_TRUE(error.GetErrorMessage(message, sizeof message));
    EXPECT_NE(nullptr, strstr(message, "missing.txt"));

    int cause = -1;
    try {
        CFile thrower(PathOf("nowhere\\x.txt"), CFile::modeRead);
    } catch (CFileException* e) {
        cause = e->m_cause;
        e->Delete();
    }
    EXPECT_EQ(CFileException::badPath, cause);

    cause = -1;
    TRY {
        CFile::Remove(missing);
    }
    CATCH(CFileException, e) {
        cause = e->m_cause;  // deleted at the end of the block
    }
    END_CATCH
    EXPECT_EQ(CFileException::fileNotFound, cause);
}

TEST_F(FilesTest, ExceptionsAreKindsOfCException) {
    const struct {
        void (*thrower)();
        CRuntimeClass* kind;
    } cases[] = {
        {[] { AfxThrowMemoryException(); }, RUNTIME_CLASS(CMemoryException)},
        {[] { AfxThrowResourceException(); }, RUNTIME_CLASS(CResourceException)},
        {[] { AfxThrowUserException(); }, RUNTIME_CLASS(CUserException)},
        {[] { AfxThrowNotSupportedException(); }, RUNTIME_CLASS(CNotSupportedException)},
        {[] { AfxThrowArchiveException(CArchiveException::endOfFile); },
         RUNTIME_CLASS(CArchiveException)},
    };
    for (const auto& c : cases) {
        CRuntimeClass* caught = nullptr;
        try {
            c.thrower();
        } catch (CException* e) {
            caught = e->GetRuntimeClass();
            e->Delete();
        }
        EXPECT_EQ(c.kind, caught);
    }
}

TEST_F(FilesTest, ThrowLastPassesTheExceptionOnAlive) {
    CResourceException* outer = nullptr;
    try {
        TRY {
            AfxThrowResourceException();
        }
        CATCH(CResourceException, e) {
            THROW_LAST();
        }
        END_CATCH
    } catch (CResourceException* e) {
        outer = e;
    }
    ASSERT_NE(nullptr, outer);
    EXPECT_TRUE(outer->IsKindOf(RUNTIME_CLASS(CException)));  // still alive
    outer->Delete();
}

TEST_F(FilesTest, StdioFileReadsAndWritesLines) {
    CString path = PathOf("lines.txt");
    {
        CStdioFile file(path, CFile::modeCreate | CFile::modeWrite | CFile::typeText);
        file.WriteString("first line\n");
        file.WriteString(CString('x', 600) + "\n");
        file.WriteString("last without end");
    }
    CStdioFile file;
    ASSERT_TRUE(file.Open(path, CFile::modeRead | CFile::typeText));
    CString line;
    ASSERT_TRUE(file.ReadString(line));
    EXPECT_STREQ("first line", line);
    ASSERT_TRUE(file.ReadString(line));
    EXPECT_EQ(600, line.GetLength());
    ASSERT_TRUE(file.ReadString(line));
    EXPECT_STREQ("last without end", line);
    EXPECT_FALSE(file.ReadString(line));
    EXPECT_TRUE(line.IsEmpty());
    file.Close();

    // Text mode writes CR LF line ends to the disk.
    CFile raw(path, CFile::modeRead);
    char start[12] = {};
    raw.Read(start, 11);
    EXPECT_STREQ("first line\r", start);
}

TEST_F(FilesTest, FileFindWalksEveryMatch) {
    for (const char* name : {"a.cam", "b.cam", "c.flw"}) {
        CFile file(PathOf(name), CFile::modeCreate | CFile::modeWrite);
        file.Write("12345", 5);
    }
    CFileFind finder;
    EXPECT_FALSE(finder.FindFile(PathOf("*.none")));
    ASSERT_TRUE(finder.FindFile(PathOf("*.cam")));
    EXPECT_EQ(folder_.Path(), finder.GetRoot());
    int found = 0;
    BOOL more = TRUE;
    while (more) {
        more = finder.FindNextFile();
        ++found;
        EXPECT_EQ(PathOf(finder.GetFileName()), finder.GetFilePath());
        EXPECT_EQ(5u, finder.GetLength());
        EXPECT_FALSE(finder.IsDirectory());
        EXPECT_EQ(".cam", finder.GetFileName().Right(4));
    }
    EXPECT_EQ(2, found);

    int dots = 0, files = 0;
    more = finder.FindFile(PathOf("*.*"));
    while (more) {
        more = finder.FindNextFile();
        (finder.IsDots() ? dots : files)++;
    }
    EXPECT_EQ(2, dots);
    EXPECT_EQ(3, files);
}

TEST_F(FilesTest, ArchiveRoundTripsInLittleEndian) {
    CString path = PathOf("archive.bin");
    CString longText('L', 300);
    {
        CFile file(path, CFile::modeCreate | CFile::modeWrite);
        CArchive archive(&file, CArchive::store);
        EXPECT_TRUE(archive.IsStoring());
        archive << DWORD(0x01020304) << WORD(0xA0B0) << BYTE(7) << -2 << 1.5 << 0.25f
                << CString("short") << longText << CString();
    }
    {
        CFile file(path, CFile::modeRead);
        BYTE head[6];
        ASSERT_EQ(6u, file.Read(head, 6));
        const BYTE expected[6] = {0x04, 0x03, 0x02, 0x01, 0xB0, 0xA0};
        EXPECT_EQ(0, memcmp(expected, head, 6));
    }
    CFile file(path, CFile::modeRead);
    CArchive archive(&file, CArchive::load);
    DWORD dword;
    WORD word;
    BYTE byte;
    int number;
    double real;
    float single;
    CString text, text2, empty("x");
    archive >> dword >> word >> byte >> number >> real >> single >> text >> text2 >> empty;
    EXPECT_EQ(0x01020304u, dword);
    EXPECT_EQ(0xA0B0, word);
    EXPECT_EQ(7, byte);
    EXPECT_EQ(-2, number);
    EXPECT_EQ(1.5, real);
    EXPECT_EQ(0.25f, single);
    EXPECT_STREQ("short", text);
    EXPECT_EQ(longText, text2);
    EXPECT_TRUE(empty.IsEmpty());

    int cause = -1;
    try {
        archive >> number;
    } catch (CArchiveException* e) {
        cause = e->m_cause;
        e->Delete();
    }
    EXPECT_EQ(CArchiveException::endOfFile, cause);
}
