// The cam-file search over a tree of .cam files written by the cam's own
// writer: name, phrase and event-range criteria, unreadable files, Stop, and
// a folder link that leads back up the tree; first without windows, then
// through the cam manager's search page.
#include <gtest/gtest.h>

#include <windows.h>

#include <cstdio>
#include <set>
#include <string>

#include "HostCommand.h"
#include "ModalDriver.h"
#include "torvane/components/tests/CamTestSupport.h"
#include "torvane/document/tests/TorvaneDocTestSupport.h"
#include "WindowHelpers.h"
#include "common/ProgramFolder.h"
#include "torvane/res/CamSheetResources.h"
#include "torvane/ui/CamSearch.h"
#include "torvane/ui/tests/CamSheetTestSupport.h"
#include "torvane/ui/tests/DialogTestSupport.h"

using testing_harness::ModalDriver;
using namespace torvane;

namespace {

void WriteText(const std::string& path, const char* text) {
    FILE* file = std::fopen(path.c_str(), "wt");
    ASSERT_NE(nullptr, file) << path;
    std::fputs(text, file);
    std::fclose(file);
}

// root\a_b.CAM       seat-to-seat only, IVO 20
// root\street.cam    0.050-inch IVO 4, and a seat-to-seat set with IVO 30; "Hydraulic Flat Tappet"
// root\sub\race.cam  0.050-inch only, IVO 12; "Solid Grind"
// root\sub\old.cam   a version the program does not know
// root\sub\notes.txt mentions a hydraulic flat tappet too
// root\sub\loop      a link to root
class CamSearchTest : public TorvaneDocTest {
protected:
    void SetUp() override {
        const std::string unixRoot = testing_harness::HostScratchDir() + "/cam_search_tree";
        ASSERT_TRUE(testing_harness::RunHostCommand("rm -rf '" + unixRoot + "' && mkdir -p '" + unixRoot +
                                                    "/sub'")
                        .Succeeded());
        root_ = testing_harness::WindowsPathOf(unixRoot);

        CTorvaneDoc doc;
        BuildChevy350(doc);
        Cam seatToSeat = doc.cam;
        SetEvents(seatToSeat.primary, 20.0f, 60.0f, 64.0f, 24.0f);
        seatToSeat.alternate.method.Clear();
        ASSERT_TRUE(seatToSeat.SaveToFile((root_ + "\\a_b.CAM").c_str()));

        Cam street = seatToSeat;
        SetEvents(street.primary, 30.0f, 70.0f, 74.0f, 34.0f);
        street.alternate = street.primary;
        street.SetTiming050Inch();
        street.Set050InchLimits();
        SetEvents(street.primary, 4.0f, 30.0f, 40.0f, 2.0f);
        street.SetText(0, "Hydraulic Flat Tappet");
        ASSERT_TRUE(street.SaveToFile((root_ + "\\street.cam").c_str()));

        Cam race = street;
        SetEvents(race.primary, 12.0f, 40.0f, 50.0f, 10.0f);
        race.alternate.method.Clear();
        for (CFloatPtSpec* event : {&race.alternate.ivo, &race.alternate.ivc, &race.alternate.evo, &race.alternate.evc})
            event->Clear();
        race.SetText(0, "Solid grind");
        ASSERT_TRUE(race.SaveToFile((root_ + "\\sub\\race.cam").c_str()));

        WriteText(root_ + "\\sub\\old.cam", "9.99\n0\n");
        WriteText(root_ + "\\sub\\notes.txt", "a hydraulic flat tappet\n");
        ASSERT_TRUE(testing_harness::RunHostCommand("ln -s '" + unixRoot + "' '" + unixRoot + "/sub/loop'")
                        .Succeeded());
        unixRoot_ = unixRoot;
    }
    void TearDown() override { testing_harness::RunHostCommand("rm -rf '" + unixRoot_ + "'"); }

    // Runs the search and gives the names found.
    std::set<std::string> Found(CCamSearch& search) {
        std::set<std::string> names;
        search.onMatch = [&names](const CString& name, const CString&) { names.insert(name.GetString()); };
        search.Run(root_.c_str());
        return names;
    }

    std::string root_, unixRoot_;
};

TEST_F(CamSearchTest, EveryCamOnceThroughSubfoldersAndPastALinkBackUp) {
    CCamSearch search;
    std::set<std::string> folders;
    search.onMatch = [&folders](const CString&, const CString& folder) { folders.insert(folder.GetString()); };
    int entries = 0;
    search.onEntry = [&entries, &search] {
        // A walk that went round the link would never end: stop it anyway.
        if (++entries > 200) search.Stop();
    };
    search.Run(root_.c_str());
    EXPECT_LT(entries, 200);
    EXPECT_EQ(5, search.GetFilesSearched());
    EXPECT_EQ(4, search.GetMatchesFound());
    EXPECT_EQ((std::set<std::string>{root_, root_ + "\\sub"}), folders);
    EXPECT_FALSE(search.IsRunning());
}

TEST_F(CamSearchTest, NameAndPhraseCriteriaMatchEveryWordInAnyOrderAndCase) {
    struct Case {
        const char* pattern;
        const char* phrase;
        std::set<std::string> found;
    };
    const Case cases[] = {
        {"b a", "", {"a_b.CAM"}},
        {"  STREET ", "", {"street.cam"}},
        {"street race", "", {}},
        {"", "flat HYDRAULIC", {"street.cam"}},
        {"", "GRIND", {"race.cam"}},
        {"cam", "tappet", {"street.cam"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.pattern) + " / " + c.phrase);
        CCamSearch search;
        search.namePattern = c.pattern;
        search.phrase = c.phrase;
        EXPECT_EQ(c.found, Found(search));
        EXPECT_EQ(5, search.GetFilesSearched());
    }
}

TEST_F(CamSearchTest, EventRangesUseTheSetOfTheirTimingMethod) {
    struct Case {
        int type;
        float minimum, maximum;
        std::set<std::string> found;
    };
    const Case cases[] = {
        {1, 18.0f, 22.0f, {"a_b.CAM"}},     // seat-to-seat IVO 20
        {1, 28.0f, 32.0f, {"street.cam"}},  // its second set; race.cam has none
        {5, 2.0f, 14.0f, {"street.cam", "race.cam"}},
        {5, 12.0f, 12.0f, {"race.cam"}},
        {8, 9.0f, 11.0f, {"race.cam"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.type);
        CCamSearch search;
        search.specsOn = true;
        search.criteria[0].SetType(c.type, nullptr);
        search.criteria[0].minimum.SetValue(c.minimum);
        search.criteria[0].maximum.SetValue(c.maximum);
        ModalDriver::Instance().Answer("", IDOK);  // the unreadable file: go on
        EXPECT_EQ(c.found, Found(search));
        EXPECT_EQ(5, search.GetFilesSearched());
        EXPECT_EQ(0u, ModalDriver::Instance().PendingScripts());
        ASSERT_FALSE(ModalDriver::Instance().Boxes().empty());
        EXPECT_NE(std::string::npos, ModalDriver::Instance().Boxes().back().text.find("old.cam"));
        ModalDriver::Instance().Reset();
    }
    // Ranges are ignored while the specs box is off.
    CCamSearch off;
    off.criteria[0].SetType(1, nullptr);
    EXPECT_EQ(4u, Found(off).size());
}

TEST_F(CamSearchTest, CancelOnAnUnreadableFileOrStopEndsTheWalk) {
    CCamSearch search;
    search.specsOn = true;
    search.criteria[0].SetType(5, nullptr);
    search.criteria[0].minimum.SetValue(-25.0f);
    search.criteria[0].maximum.SetValue(50.0f);
    ModalDriver::Instance().Answer("", IDCANCEL);
    Found(search);
    EXPECT_TRUE(search.IsStopped());
    EXPECT_LT(search.GetFilesSearched(), 5 + 1);
    EXPECT_EQ(1u, ModalDriver::Instance().Boxes().size());

    // Stop from the entry hook ends the walk after that entry; the matches stay.
    CCamSearch stopped;
    int matches = 0;
    stopped.onMatch = [&](const CString&, const CString&) { ++matches; };
    stopped.onEntry = [&] {
        if (stopped.GetMatchesFound() == 1) stopped.Stop();
    };
    stopped.Run(root_.c_str());
    EXPECT_EQ(1, stopped.GetMatchesFound());
    EXPECT_EQ(1, matches);
    EXPECT_LT(stopped.GetFilesSearched(), 5);
    EXPECT_FALSE(stopped.IsRunning());
}

TEST(CamSearchCriteria, WordMatchTable) {
    struct Case {
        const char* pattern;
        const char* text;
        bool matches;
    };
    const std::string longPattern = std::string(255, 'a') + " zzz";
    const std::string longText(300, 'a');
    const Case cases[] = {
        {"b a", "a_b.cam", true},   {"a b", "a_b.cam", true},   {"ab", "a_b.cam", false},
        {"", "a_b.cam", false},     {"   ", "a_b.cam", false},  {"CAM", "a_b.cam", true},
        {"x", "a_b.cam", false},    {longPattern.c_str(), longText.c_str(), true},
    };
    for (const Case& c : cases) EXPECT_EQ(c.matches, CCamSearch::WordMatch(c.pattern, c.text)) << c.pattern;
}

TEST_F(CamSearchTest, PresetsStayWithinTheLimitsAndCriteriaAreChecked) {
    struct Case {
        int type;
        float event;
        float minimum, maximum;
    };
    // Events at or near the ends of their fields' limits.
    const Case cases[] = {
        {1, 0.0f, 0.0f, 2.0f},      {1, 1.0f, 0.0f, 3.0f},     {4, 79.0f, 77.0f, 80.0f},
        {4, 80.0f, 78.0f, 80.0f},   {5, -25.0f, -25.0f, -23.0f}, {5, -24.0f, -25.0f, -22.0f},
        {7, 104.5f, 102.5f, 105.0f}, {2, 60.0f, 58.0f, 62.0f},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.type * 1000 + c.event);
        CFloatPtSpec event("event", kUnitDegree, -100.0f, 200.0f, kUnitDegree, 1.0f);
        event.SetValue(c.event);
        CamRangeCriterion criterion;
        criterion.SetType(c.type, &event);
        EXPECT_FLOAT_EQ(c.minimum, criterion.minimum.GetValue());
        EXPECT_FLOAT_EQ(c.maximum, criterion.maximum.GetValue());
    }
    CamRangeCriterion named;
    named.SetType(3, nullptr);
    EXPECT_STREQ("Minimum Exhaust Valve Opening (Seat-to-Seat)", named.minimum.GetName());
    EXPECT_STREQ("Maximum Exhaust Valve Opening (Seat-to-Seat)", named.maximum.GetName());
    EXPECT_FALSE(named.minimum.IsSet());
    EXPECT_STREQ("EVO (SeatToSeat)", CamRangeCriterion::ListText(3));
    named.SetType(0, nullptr);
    EXPECT_STREQ("Min Value", named.minimum.GetName());

    CCamSearch search;
    unsigned short code = 0;
    EXPECT_FALSE(search.Validate("", code));
    EXPECT_EQ(102, code);
    search.criteria[1].SetType(2, nullptr);
    EXPECT_TRUE(search.Validate("C:\\", code));  // specs off: ranges not checked
    search.specsOn = true;
    EXPECT_FALSE(search.Validate("C:\\", code));
    EXPECT_EQ(103, code);
    search.criteria[1].minimum.SetValue(50.0f);
    search.criteria[1].maximum.SetValue(40.0f);
    EXPECT_FALSE(search.Validate("C:\\", code));
    EXPECT_EQ(104, code);
    search.criteria[1].maximum.SetValue(50.0f);
    EXPECT_TRUE(search.Validate("C:\\", code));
}

// ---- The search page in a real window.

bool Enabled(HWND page, int id) { return ::IsWindowEnabled(testing_harness::FindControl(page, id)) != FALSE; }

std::string ListText(HWND page, int item, int column) {
    char text[MAX_PATH] = "";
    LVITEMA row = {};
    row.iSubItem = column;
    row.pszText = text;
    row.cchTextMax = MAX_PATH;
    ::SendMessageA(testing_harness::FindControl(page, IDC_SR_RESULTS), LVM_GETITEMTEXTA, static_cast<WPARAM>(item),
                   reinterpret_cast<LPARAM>(&row));
    return text;
}

int ListCount(HWND page) {
    return static_cast<int>(::SendMessageA(testing_harness::FindControl(page, IDC_SR_RESULTS), LVM_GETITEMCOUNT, 0, 0));
}

// A click on a check box: the focus, the toggled check and the notification.
void ToggleCheck(HWND page, int id) {
    HWND box = testing_harness::FindControl(page, id);
    ::SetFocus(box);
    const LRESULT checked = ::SendMessageA(box, BM_GETCHECK, 0, 0);
    ::SendMessageA(box, BM_SETCHECK, checked == BST_CHECKED ? BST_UNCHECKED : BST_CHECKED, 0);
    ::SendMessageA(page, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(box));
    testing_harness::PumpPending();
}

// A click on a button: the focus moves there first, ending any entry.
void Click(HWND page, int id) {
    FocusOn(page, id);
    ModalDriver::PressButton(page, id);
    testing_harness::PumpPending();
}

// Picks a row's type from its list as the user does.
void ChooseType(HWND page, int listId, int type) {
    HWND list = testing_harness::FindControl(page, listId);
    ::SendMessageA(list, CB_SETCURSEL, static_cast<WPARAM>(type), 0);
    ::SendMessageA(page, WM_COMMAND, MAKEWPARAM(listId, CBN_SELCHANGE), reinterpret_cast<LPARAM>(list));
}

// Seat-to-seat events 20/60/64/24 and 0.050-inch events `fifty`.
Cam OwnerCam(float seatIvo = 20.0f, float seatEvc = 24.0f, float fiftyIvo = 4.0f) {
    Cam cam;
    cam.Clear();
    cam.SetTiming050Inch();
    cam.Set050InchLimits();
    SetEvents(cam.primary, fiftyIvo, 30.0f, 40.0f, 2.0f);
    cam.alternate = cam.primary;
    cam.SetTimingSeatToSeat();
    cam.SetSeatToSeatLimits();
    SetEvents(cam.primary, seatIvo, 60.0f, 64.0f, seatEvc);
    return cam;
}

TEST_F(CamSearchTest, SearchPageListsTheMatchesAndLoadsTheChosenCam) {
    TestCamOwner owner(OwnerCam());
    owner.Show([&](HWND dialog) {
        HWND page = owner.Page(owner.sheet.GetSearchPage());
        ASSERT_NE(nullptr, page);
        owner.sheet.SetActivePage(2);
        testing_harness::PumpPending();
        // The four seat-to-seat rows, idle while the specs box is off.
        const int lists[] = {IDC_SR_TYPE_1, IDC_SR_TYPE_2, IDC_SR_TYPE_3, IDC_SR_TYPE_4};
        const char* const types[] = {"IVO (SeatToSeat)", "IVC (SeatToSeat)", "EVO (SeatToSeat)", "EVC (SeatToSeat)"};
        for (int row = 0; row < 4; ++row) {
            EXPECT_EQ(types[row], TextOf(page, lists[row]));
            EXPECT_FALSE(Enabled(page, lists[row]));
            EXPECT_FALSE(Enabled(page, IDC_SR_FROM_FIRST + row));
        }
        CString programFolder;
        ProgramFolderGet(programFolder);
        EXPECT_EQ(std::string(programFolder) + "\\CamFiles (.CAM)", TextOf(page, IDC_SR_FOLDER));
        EXPECT_EQ("Search", TextOf(page, IDC_SR_SEARCH));
        EXPECT_EQ("0", TextOf(page, IDC_SR_FILES_SEARCHED));

        // No criteria: every .cam file below the folder.
        TypeInto(page, IDC_SR_FOLDER, root_);
        Click(page, IDC_SR_SEARCH);
        EXPECT_EQ("5", TextOf(page, IDC_SR_FILES_SEARCHED));
        EXPECT_EQ("4", TextOf(page, IDC_SR_MATCHES_FOUND));
        EXPECT_EQ(4, ListCount(page));
        EXPECT_EQ("Search", TextOf(page, IDC_SR_SEARCH));

        // Two words of the name in either order.
        TypeInto(page, IDC_SR_NAME, "  B a ");
        Click(page, IDC_SR_SEARCH);
        ASSERT_EQ(1, ListCount(page));
        EXPECT_EQ("a_b.CAM", ListText(page, 0, 0));
        EXPECT_EQ(root_, ListText(page, 0, 1));

        // Choosing a match loads it into the dialog's copies.
        TypeInto(page, IDC_SR_NAME, "street");
        Click(page, IDC_SR_SEARCH);
        ASSERT_EQ(1, ListCount(page));
        LVITEMA select = {};
        select.stateMask = select.state = LVIS_SELECTED | LVIS_FOCUSED;
        ::SendMessageA(testing_harness::FindControl(page, IDC_SR_RESULTS), LVM_SETITEMSTATE, 0,
                       reinterpret_cast<LPARAM>(&select));
        testing_harness::PumpPending();
        ASSERT_EQ(1u, owner.loaded.size());
        EXPECT_EQ(root_ + "\\street.cam", owner.loaded[0]);
        EXPECT_FLOAT_EQ(30.0f, owner.seatToSeat.primary.ivo.GetValue());
        EXPECT_FLOAT_EQ(4.0f, owner.fiftyThou.primary.ivo.GetValue());

        // The rows were preset from the dialog's cam when the page opened, 2
        // degrees either side; the specs box switches them on.
        TypeInto(page, IDC_SR_NAME, " ");
        ToggleCheck(page, IDC_SR_SPECS);
        const CCamSearch& search = owner.sheet.GetSearchPage().GetSearch();
        const float seatEvents[] = {20.0f, 60.0f, 64.0f, 24.0f};
        for (int row = 0; row < 4; ++row) {
            EXPECT_TRUE(Enabled(page, lists[row]));
            EXPECT_TRUE(Enabled(page, IDC_SR_TO_FIRST + row));
            EXPECT_FLOAT_EQ(seatEvents[row] - 2.0f, search.criteria[row].minimum.GetValue());
            EXPECT_FLOAT_EQ(seatEvents[row] + 2.0f, search.criteria[row].maximum.GetValue());
            CString shown;
            search.criteria[row].maximum.FormatValue(shown);
            EXPECT_EQ(std::string(shown), TextOf(page, IDC_SR_TO_FIRST + row));
        }
        // The ranges find that cam's file only; the unreadable file is
        // reported on the way.
        ModalDriver::Instance().Answer("Cam Search Error", IDOK);
        Click(page, IDC_SR_SEARCH);
        EXPECT_EQ("5", TextOf(page, IDC_SR_FILES_SEARCHED));
        EXPECT_EQ("1", TextOf(page, IDC_SR_MATCHES_FOUND));
        EXPECT_EQ("a_b.CAM", ListText(page, 0, 0));
        EXPECT_NE(std::string::npos, ModalDriver::Instance().Boxes().back().text.find("old.cam"));
        SaveScreenshot(dialog, "cam_search_page.png");
    });
}

TEST_F(CamSearchTest, SearchPageRefusesIncompleteRangesAndStopsBetweenEntries) {
    Cam seatToSeatOnly = OwnerCam();
    seatToSeatOnly.alternate = CamTimingSet();
    TestCamOwner owner(seatToSeatOnly);
    owner.Show([&](HWND) {
        HWND page = owner.Page(owner.sheet.GetSearchPage());
        owner.sheet.SetActivePage(2);
        testing_harness::PumpPending();

        TypeInto(page, IDC_SR_FOLDER, "   ");
        ModalDriver::Instance().Answer("Cam Search Error", IDOK);
        Click(page, IDC_SR_SEARCH);
        EXPECT_NE(std::string::npos, ModalDriver::Instance().Boxes().back().text.find("starting search folder"));

        // A 0.050-inch row without such events in the cam stays empty: 103;
        // a reversed range: 104. Neither starts the search.
        TypeInto(page, IDC_SR_FOLDER, root_);
        ToggleCheck(page, IDC_SR_SPECS);
        ChooseType(page, IDC_SR_TYPE_2, 5);
        EXPECT_EQ("", TextOf(page, IDC_SR_FROM_FIRST + 1));
        ModalDriver::Instance().Answer("Cam Search Error", IDOK);
        Click(page, IDC_SR_SEARCH);
        EXPECT_NE(std::string::npos, ModalDriver::Instance().Boxes().back().text.find("incomplete"));
        // With a cam that has such events, switching the specs on again
        // refills the incomplete row only.
        ASSERT_TRUE(owner.LoadCamFile("street.cam", root_.c_str()));
        ToggleCheck(page, IDC_SR_SPECS);
        ToggleCheck(page, IDC_SR_SPECS);
        const CCamSearch& search = owner.sheet.GetSearchPage().GetSearch();
        EXPECT_FLOAT_EQ(2.0f, search.criteria[1].minimum.GetValue());
        EXPECT_FLOAT_EQ(6.0f, search.criteria[1].maximum.GetValue());
        EXPECT_FLOAT_EQ(18.0f, search.criteria[0].minimum.GetValue());  // complete: kept
        TypeInto(page, IDC_SR_FROM_FIRST + 1, "10");
        TypeInto(page, IDC_SR_TO_FIRST + 1, "5");
        FocusOn(page, IDC_SR_NAME);
        ModalDriver::Instance().Answer("Cam Search Error", IDOK);
        Click(page, IDC_SR_SEARCH);
        EXPECT_NE(std::string::npos, ModalDriver::Instance().Boxes().back().text.find("incorrectly specified"));
        EXPECT_EQ("0", TextOf(page, IDC_SR_FILES_SEARCHED));

        // A value beyond the limits is refused: the focus comes back.
        TypeInto(page, IDC_SR_TO_FIRST + 1, "999");
        FocusOn(page, IDC_SR_NAME);
        EXPECT_EQ(testing_harness::FindControl(page, IDC_SR_TO_FIRST + 1), ::GetFocus());
        EXPECT_FALSE(owner.sheet.IsEntryAccepted());
        TypeInto(page, IDC_SR_TO_FIRST + 1, "12");
        FocusOn(page, IDC_SR_NAME);
        EXPECT_TRUE(owner.sheet.IsEntryAccepted());

        // While the walk runs only "Stop" is enabled; Stop ends it after the
        // current entry, and the matches found so far stay listed.
        ToggleCheck(page, IDC_SR_SPECS);
        std::vector<BOOL> enables;
        owner.onEnable = [&](BOOL enable) {
            enables.push_back(enable);
            if (enable) return;
            EXPECT_EQ("Stop", TextOf(page, IDC_SR_SEARCH));
            EXPECT_TRUE(Enabled(page, IDC_SR_SEARCH));
            for (int id : {IDC_SR_NAME, IDC_SR_PHRASE, IDC_SR_FOLDER, IDC_SR_BROWSE, IDC_SR_SPECS, IDC_SR_RESULTS,
                           IDC_SR_TYPE_1})
                EXPECT_FALSE(Enabled(page, id)) << id;
        };
        ModalDriver::PressButton(page, IDC_SR_SEARCH);  // Search
        ModalDriver::PressButton(page, IDC_SR_SEARCH);  // Stop, waiting in the queue
        testing_harness::PumpPending();
        EXPECT_EQ((std::vector<BOOL>{FALSE, TRUE}), enables);
        EXPECT_TRUE(search.IsStopped());
        EXPECT_LT(search.GetFilesSearched(), 5);
        EXPECT_EQ(search.GetMatchesFound(), ListCount(page));
        EXPECT_EQ("Search", TextOf(page, IDC_SR_SEARCH));
        EXPECT_TRUE(Enabled(page, IDC_SR_NAME));
        EXPECT_FALSE(Enabled(page, IDC_SR_TYPE_1));  // the specs box is off again
    });
}

TEST_F(CamSearchTest, SearchPagePresetsStayWithinTheFieldsForEventsAtTheirLimits) {
    // Opening the page presets every row; events at the ends of their limits
    // give windows cut at those limits.
    TestCamOwner owner(OwnerCam(0.0f, 80.0f, -25.0f));
    owner.Show([&](HWND) {
        HWND page = owner.Page(owner.sheet.GetSearchPage());
        owner.sheet.SetActivePage(2);
        testing_harness::PumpPending();
        ToggleCheck(page, IDC_SR_SPECS);
        ChooseType(page, IDC_SR_TYPE_2, 5);
        const CCamSearch& search = owner.sheet.GetSearchPage().GetSearch();
        const struct {
            int row;
            float minimum, maximum;
        } expected[] = {{0, 0.0f, 2.0f}, {1, -25.0f, -23.0f}, {3, 78.0f, 80.0f}};
        for (const auto& e : expected) {
            SCOPED_TRACE(e.row);
            EXPECT_FLOAT_EQ(e.minimum, search.criteria[e.row].minimum.GetValue());
            EXPECT_FLOAT_EQ(e.maximum, search.criteria[e.row].maximum.GetValue());
            EXPECT_NE("", TextOf(page, IDC_SR_FROM_FIRST + e.row));
        }
    });
}

TEST_F(CamSearchTest, SearchPageBrowseCancelledKeepsTheFolderAndAQuitEndsTheWalk) {
    TestCamOwner owner(OwnerCam());
    owner.Show([&](HWND) {
        HWND page = owner.Page(owner.sheet.GetSearchPage());
        owner.sheet.SetActivePage(2);
        testing_harness::PumpPending();
        TypeInto(page, IDC_SR_FOLDER, root_);
        ModalDriver::Instance().Answer("", IDCANCEL);
        Click(page, IDC_SR_BROWSE);
        EXPECT_EQ(0u, ModalDriver::Instance().PendingScripts());
        EXPECT_EQ(root_, TextOf(page, IDC_SR_FOLDER));

        // The program told to quit while the walk runs: the walk ends and the
        // quit is left for the program's own loop.
        ::PostQuitMessage(3);
        ::SendMessageA(page, WM_COMMAND, MAKEWPARAM(IDC_SR_SEARCH, BN_CLICKED),
                       reinterpret_cast<LPARAM>(testing_harness::FindControl(page, IDC_SR_SEARCH)));
        MSG quit = {};
        EXPECT_TRUE(::PeekMessageA(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
        EXPECT_EQ(3u, quit.wParam);
        const CCamSearch& search = owner.sheet.GetSearchPage().GetSearch();
        EXPECT_TRUE(search.IsStopped());
        EXPECT_LT(search.GetFilesSearched(), 5);
        EXPECT_EQ("Search", TextOf(page, IDC_SR_SEARCH));
    });
}

}  // namespace
