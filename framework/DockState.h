// The saved layout of a frame's control bars: CControlBarInfo is the record
// of one bar (or dock bar), CDockState the list of records with the screen
// size they were taken on. Records are written to the application profile
// (sections "<name>-Summary" and "<name>-Bar<n>") or to an archive, and the
// positions read back are scaled to the current screen.
//
// The keys of a record go through a BarStateWriter / BarStateReader, so that
// other stores (a persistent tree) take the same keys under the same rules.
// Whatever a store holds is bounded on reading: counts are capped, and a
// record that names no bar ends the list.
#pragma once

#include <windows.h>

#include <vector>

#include "Arrays.h"
#include "Geometry.h"
#include "ObjectModel.h"
#include "TextString.h"

class CArchive;
class CControlBar;
class CDockState;

// Where the keys of a record go.
class BarStateWriter {
public:
    virtual ~BarStateWriter() = default;
    virtual void WriteInt(LPCSTR key, int value) = 0;
    virtual void WriteBool(LPCSTR key, BOOL value) = 0;
    virtual void WriteString(LPCSTR key, LPCSTR value) = 0;
    virtual void WriteBinary(LPCSTR key, const BYTE* data, UINT size) = 0;
};

// Where they come from; missing keys give the default.
class BarStateReader {
public:
    virtual ~BarStateReader() = default;
    virtual BOOL Has(LPCSTR key) = 0;
    virtual int ReadInt(LPCSTR key, int defaultValue) = 0;
    virtual BOOL ReadBool(LPCSTR key, BOOL defaultValue) = 0;
    virtual CString ReadString(LPCSTR key, LPCSTR defaultValue) = 0;
    virtual BOOL ReadBinary(LPCSTR key, std::vector<BYTE>& data) = 0;
};

// The application profile's section as a store (ints for flags).
class ProfileBarStateStore : public BarStateWriter, public BarStateReader {
public:
    explicit ProfileBarStateStore(LPCSTR section) : m_strSection(section) {}
    void WriteInt(LPCSTR key, int value) override;
    void WriteBool(LPCSTR key, BOOL value) override { WriteInt(key, value ? 1 : 0); }
    void WriteString(LPCSTR key, LPCSTR value) override;
    void WriteBinary(LPCSTR key, const BYTE* data, UINT size) override;
    BOOL Has(LPCSTR key) override;
    int ReadInt(LPCSTR key, int defaultValue) override;
    BOOL ReadBool(LPCSTR key, BOOL defaultValue) override { return ReadInt(key, defaultValue) != 0; }
    CString ReadString(LPCSTR key, LPCSTR defaultValue) override;
    BOOL ReadBinary(LPCSTR key, std::vector<BYTE>& data) override;

private:
    CString m_strSection;
};

class CControlBarInfo {
public:
    // Entries of a dock bar's list read from a store, at most.
    static constexpr int kMaxBarIds = 1024;
    // A hidden bar's entry in a dock bar's list is its id plus this.
    static constexpr DWORD kHiddenBarFlag = 0x10000;

    CControlBarInfo();
    virtual ~CControlBarInfo() = default;

    // The record's keys; FALSE (nothing written) for a visible, docked,
    // empty dock bar at (-1, -1), which needs no record.
    virtual BOOL WriteKeys(BarStateWriter& store) const;
    virtual void ReadKeys(BarStateReader& store, CDockState* dockState);
    BOOL IsWorthSaving() const;

    // Profile section "<profileName>-Bar<index>".
    virtual BOOL SaveState(LPCSTR profileName, int index);
    virtual BOOL LoadState(LPCSTR profileName, int index, CDockState* dockState);
    // Archive form (throws the archive exception on a short archive).
    virtual void Serialize(CArchive& archive, CDockState* dockState);

    static CString SectionName(LPCSTR profileName, int index);

    UINT m_nBarID;
    BOOL m_bVisible;
    BOOL m_bFloating;
    BOOL m_bHorz;
    BOOL m_bDockBar;
    CPoint m_pointPos;
    int m_nMRUWidth;
    BOOL m_bDocking;
    UINT m_uMRUDockID;
    CRect m_rectMRUDockPos;
    DWORD m_dwMRUFloatStyle;
    CPoint m_ptMRUFloatPos;
    CDWordArray m_arrBarID;
    CControlBar* m_pBar;

protected:
    // The archive fields between the framework's and the bar-id list.
    virtual void SerializeExtra(CArchive& archive, CDockState* dockState);
};

class CDockState : public CObject {
    DECLARE_SERIAL(CDockState)

public:
    // Records read from a store, at most.
    static constexpr int kMaxBars = 4096;

    CDockState();
    ~CDockState() override;
    CDockState(const CDockState&) = delete;
    CDockState& operator=(const CDockState&) = delete;

    void Serialize(CArchive& archive) override;
    virtual void LoadState(LPCSTR profileName);
    virtual void SaveState(LPCSTR profileName);
    void Clear();

    // A new, empty record of the kind this state keeps.
    virtual CControlBarInfo* NewBarInfo() { return new CControlBarInfo; }

    INT_PTR GetCount() const { return static_cast<INT_PTR>(m_arrBarInfo.size()); }
    CControlBarInfo* GetBarInfo(INT_PTR index) const { return m_arrBarInfo[static_cast<size_t>(index)]; }
    void Add(CControlBarInfo* info) { m_arrBarInfo.push_back(info); }
    void RemoveAt(INT_PTR index);

    DWORD GetVersion() const { return m_dwVersion; }
    CSize GetScreenSize() const { return m_size; }
    void SetScreenSize(const CSize& size) { m_size = size; }
    static CSize CurrentScreenSize();
    // Positions read from a store move from the saved screen size to the
    // current one (in proportion, kept on the screen).
    void ScalePoint(CPoint& point) const;
    void ScaleRectPos(CRect& rect) const;

    static CString SummaryName(LPCSTR profileName);

protected:
    std::vector<CControlBarInfo*> m_arrBarInfo;
    CSize m_size;
    DWORD m_dwVersion;
};
