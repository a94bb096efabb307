// Editing the list of resource files: adding by name, removing, moving and
// clearing, and what Save then writes.
#include "AnsiText.h"
#include "Examples.h"
#include "RunningLauncher.h"
#include "ScenarioFolders.h"
#include "SystemLetters.h"

#include <gtest/gtest.h>

namespace tarnwick::e2e {
namespace {

constexpr char kNotReady[] = "the start-up sequence never gave the focus to cbSource";
using Items = std::vector<std::string>;

class ResourceList : public ::testing::Test {
  protected:
    void SetUp() override {
        folders_.AddToStart("DOOM2.WAD");
        folders_.AddToStart("a.wad");
        folders_.AddToWads("b.pk3");
        folders_.AddToWads("c.deh");
        launcher_.emplace(folders_.start, Environment{{"DOOMWADDIR", folders_.wads}});
        ASSERT_TRUE(launcher_->WaitReady()) << kNotReady;
    }

    RemoteControl operator[](int id) const { return (*launcher_)[id]; }
    Items List() const { return (*this)[MainId::lbPwads].Items(); }
    void Settle() const { ASSERT_TRUE(launcher_->Settle()) << "the launcher does not answer"; }

    // A name typed into the files field, then Enter.
    void Add(const std::string& name) const {
        (*this)[MainId::cbPWADS].Type(name);
        (*this)[MainId::cbPWADS].PressKey(VK_RETURN);
        Settle();
    }
    void Select(int index) const {
        (*this)[MainId::lbPwads].SelectListItem(index);
        Settle();
    }
    void Click(int id) const {
        (*this)[id].Click();
        Settle();
    }

    ScenarioFolders folders_;
    std::optional<RunningLauncher> launcher_;
};

TEST_F(ResourceList, AddsNamesThatExistInEitherFolderAsTyped) {
    Add("a.wad"); // start folder
    Add("b.pk3"); // WAD folder
    Add("nothere.wad");
    Add("a.wad"); // again: a name may stand in the list twice
    (*this)[MainId::cbPWADS].Type("c.deh");
    Click(MainId::btnPwads); // the Add button does what Enter does
    EXPECT_EQ(List(), (Items{"a.wad", "b.pk3", "a.wad", "c.deh"}));
    EXPECT_EQ((*this)[MainId::cbPWADS].Text(), "c.deh") << "typed text stays";
}

TEST_F(ResourceList, RemovesTheSelectedItemByButtonAndByDeleteKey) {
    for (const char* name : {"a.wad", "b.pk3", "c.deh"})
        Add(name);
    Click(MainId::btnRmWAD); // nothing selected: nothing happens
    EXPECT_EQ(List(), (Items{"a.wad", "b.pk3", "c.deh"}));

    Select(1);
    Click(MainId::btnRmWAD);
    EXPECT_EQ(List(), (Items{"a.wad", "c.deh"}));
    EXPECT_EQ((*this)[MainId::lbPwads].ListSelected(), -1);

    Select(0);
    (*this)[MainId::lbPwads].PressKey(VK_DELETE);
    Settle();
    EXPECT_EQ(List(), Items{"c.deh"});
    EXPECT_EQ((*this)[MainId::lbPwads].ListSelected(), -1);
}

TEST_F(ResourceList, MovesTheSelectedItemUpAndDown) {
    for (const char* name : {"a.wad", "b.pk3", "c.deh"})
        Add(name);
    Select(2);
    Click(MainId::sbUp);
    EXPECT_EQ(List(), (Items{"a.wad", "c.deh", "b.pk3"}));
    EXPECT_EQ((*this)[MainId::lbPwads].ListSelected(), 1) << "the selection follows";
    Click(MainId::sbUp);
    Click(MainId::sbUp); // at the top: nothing happens
    EXPECT_EQ(List(), (Items{"c.deh", "a.wad", "b.pk3"}));
    EXPECT_EQ((*this)[MainId::lbPwads].ListSelected(), 0);

    Click(MainId::sbDown);
    EXPECT_EQ(List(), (Items{"a.wad", "c.deh", "b.pk3"}));
    EXPECT_EQ((*this)[MainId::lbPwads].ListSelected(), 1);
    Click(MainId::sbDown);
    Click(MainId::sbDown); // at the bottom: nothing happens
    EXPECT_EQ(List(), (Items{"a.wad", "b.pk3", "c.deh"}));
    EXPECT_EQ((*this)[MainId::lbPwads].ListSelected(), 2);

    // Save writes the list in its order, patches on their own line.
    Click(MainId::btnSave);
    EXPECT_EQ(
        ReadLaunchFileSet(folders_.start).rsp,
        CrLfLines({"-iwad \"doom2.wad\"", "-file a.wad b.pk3", "-deh c.deh", "+exec qorvex.cfg"}));
}

// A dropped name that the ANSI code page cannot hold is refused out loud;
// the others of the drop are added.
TEST_F(ResourceList, FilesDroppedFromAFileManagerAreAppendedWithTheirPaths) {
    Add("a.wad");
    const std::vector<std::string> paths = {folders_.wads + "\\b.pk3", folders_.wads + "\\c.deh"};
    // (Where the ANSI code page is UTF-8, it holds every name.)
    const std::wstring outside = testing::LetterOutsideTheCodePage();
    std::vector<std::string> dropped = paths;
    bool lost = false;
    if (!outside.empty())
        dropped.insert(dropped.begin() + 1,
                       folders_.wads + "\\" + NarrowTo(outside, CP_UTF8, lost) + ".wad");
    {
        const DroppedFiles drop(launcher_->process().handle(), (*this)[MainId::lbPwads].hwnd(),
                                dropped);
        if (!outside.empty()) {
            const HWND box = launcher_->WaitForOwnWindow("Tarnwick");
            ASSERT_NE(box, nullptr) << "the name was passed over without a word";
            const std::string text = MessageBoxText(box);
            EXPECT_TRUE(text.starts_with("The file\n" + folders_.wads +
                                         "\\?.wad\nholds characters that the system's code page"))
                << text;
            EXPECT_TRUE(text.ends_with("\nIt was not added.")) << text;
            PressDialogButton(box, IDOK);
        }
        Settle();
    }
    EXPECT_EQ(List(), (Items{"a.wad", paths[0], paths[1]}));

    Click(MainId::btnSave);
    EXPECT_EQ(ReadLaunchFileSet(folders_.start).rsp,
              CrLfLines({"-iwad \"doom2.wad\"", "-file a.wad " + paths[0], "-deh " + paths[1],
                         "+exec qorvex.cfg"}));
}

TEST_F(ResourceList, ClearEmptiesTheListAndTheFieldButKeepsTheCandidates) {
    const Items candidates = (*this)[MainId::cbPWADS].Items();
    EXPECT_EQ(candidates, (Items{"a.wad", "b.pk3", "c.deh", "DOOM2.WAD"}));
    Add("a.wad");
    Add("b.pk3");
    (*this)[MainId::cbPWADS].Type("typed");
    Click(MainId::btnClrPwads);
    EXPECT_EQ(List(), Items{});
    EXPECT_EQ((*this)[MainId::cbPWADS].Text(), "");
    EXPECT_EQ((*this)[MainId::cbPWADS].Items(), candidates);

    Click(MainId::btnSave);
    EXPECT_EQ(ReadLaunchFileSet(folders_.start).rsp,
              CrLfLines({"-iwad \"doom2.wad\"", "+exec qorvex.cfg"}));
}

} // namespace
} // namespace tarnwick::e2e
