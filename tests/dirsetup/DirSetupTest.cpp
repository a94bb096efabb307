// The WAD directory dialog: typed and picked directories, OK, Cancel, the
// close box, Enter and Escape, with the real scans of real folders.
#include "dirsetup.h"

#include "Application.h"
#include "DirSetupControlIds.h"
#include "FolderTestTree.h"
#include "GameDataLists.h"
#include "ScriptedPrompts.h"
#include "Win32Platform.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace tarnwick {
namespace {

using forms::ScriptedPrompts;
using testing::FolderTestTree;

// The main window's two lists, as the dialog fills them.
class RecordedLists : public GameDataLists {
  public:
    void ShowIwads(const IwadList& list) override { iwads.push_back(list); }
    void ShowResourceCandidates(const std::vector<std::string>& names) override {
        resources.push_back(names);
    }
    std::vector<IwadList> iwads;
    std::vector<std::vector<std::string>> resources;
};

std::string Environment(const char* name) {
    char value[1024] = {};
    DWORD length = GetEnvironmentVariableA(name, value, sizeof value);
    return std::string(value, length);
}

std::string TextOf(HWND window) {
    char text[1024] = {};
    GetWindowTextA(window, text, sizeof text);
    return text;
}

bool Contains(const std::vector<std::string>& list, const std::string& item) {
    return std::find(list.begin(), list.end(), item) != list.end();
}

struct DirSetupFixture {
    DirSetupFixture() : tree("dirsetup") {
        auto scripted = std::make_unique<ScriptedPrompts>();
        prompts = scripted.get();
        application.SetPrompts(std::move(scripted));
        oldWads = tree.AddFolder("Old WADs");
        tree.AddFile("Old WADs\\TNT.WAD");
        tree.AddFile("Old WADs\\old.pk3");
        newWads = tree.AddFolder("New WADs");
        tree.AddFile("New WADs\\DOOM2.WAD");
        tree.AddFile("New WADs\\maps.pk3");
        folders.StartDir = tree.AddFolder("Start");
        tree.AddFile("Start\\local.wad");
        folders.WadDir = oldWads;
        SetEnvironmentVariableA("DOOMWADDIR", oldWads.c_str());
        form = std::make_unique<TfrmDirSetup>(application, platform, lists, folders);
    }

    HWND Control(int id) const { return GetDlgItem(form->Handle(), id); }
    void Type(const std::string& text) const {
        SendMessageA(Control(DirSetupId::leWADDIR), WM_SETTEXT, 0,
                     reinterpret_cast<LPARAM>(text.c_str()));
    }
    // Shows the dialog modally; `act` runs once it is active and acts on it
    // with posted messages, as input would arrive.
    forms::ModalResult ShowModal(std::function<void()> act) {
        auto formActivate = form->onActivate;
        form->onActivate = [this, formActivate, act] {
            formActivate();
            shownText = TextOf(Control(DirSetupId::leWADDIR));
            act();
        };
        forms::ModalResult result = form->ShowModal();
        form->onActivate = formActivate;
        return result;
    }

    FolderTestTree tree;
    forms::Application application{"Tarnwick"};
    ScriptedPrompts* prompts = nullptr;
    Win32Platform platform;
    RecordedLists lists;
    std::string oldWads, newWads;
    LaunchFolders folders;
    std::string shownText;
    std::unique_ptr<TfrmDirSetup> form;
};

void PostClick(HWND button) { PostMessageA(button, BM_CLICK, 0, 0); }

void PostKey(HWND window, WORD key) {
    PostMessageA(window, WM_KEYDOWN, key, 1);
    PostMessageA(window, WM_KEYUP, key, static_cast<LPARAM>(0xC0000001u));
}

RECT ClientRectOf(HWND control) {
    RECT rect{};
    GetWindowRect(control, &rect);
    MapWindowPoints(nullptr, GetParent(control), reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

TEST(DirSetup, LayoutAtNinetySixDpi) {
    DirSetupFixture f;
    HWND window = f.form->Handle();
    EXPECT_EQ(TextOf(window), "Directory Setup");
    RECT client{};
    GetClientRect(window, &client);
    EXPECT_EQ(client.right, 426);
    EXPECT_EQ(client.bottom, 109);
    EXPECT_EQ(GetWindowLongA(window, GWL_STYLE) & (WS_THICKFRAME | WS_MAXIMIZEBOX | WS_MINIMIZEBOX),
              0);

    struct Expected {
        int id;
        RECT rect;
        const char* text;
    };
    // OK and Cancel are where tools look for them: IDOK and IDCANCEL.
    for (const Expected& e : {Expected{DirSetupId::leWADDIR, {8, 24, 329, 45}, ""},
                              Expected{DirSetupId::btnChWadDir, {336, 24, 411, 49}, "Change..."},
                              Expected{IDOK, {224, 64, 315, 97}, "OK"},
                              Expected{IDCANCEL, {324, 64, 415, 97}, "Cancel"}}) {
        HWND control = f.Control(e.id);
        ASSERT_NE(control, nullptr) << e.id;
        RECT rect = ClientRectOf(control);
        EXPECT_EQ(rect.left, e.rect.left) << e.id;
        EXPECT_EQ(rect.top, e.rect.top) << e.id;
        EXPECT_EQ(rect.right, e.rect.right) << e.id;
        EXPECT_EQ(rect.bottom, e.rect.bottom) << e.id;
        EXPECT_EQ(TextOf(control), e.text) << e.id;
    }
    EXPECT_EQ(TextOf(f.Control(DirSetupId::lblWADDIR)), "WADs Directory:");
    // Tab order: the edit, "Change...", OK, Cancel.
    EXPECT_EQ(GetNextDlgTabItem(window, f.Control(DirSetupId::leWADDIR), FALSE),
              f.Control(DirSetupId::btnChWadDir));
    EXPECT_EQ(GetNextDlgTabItem(window, f.Control(DirSetupId::btnChWadDir), FALSE),
              f.Control(DirSetupId::btnOk));
    EXPECT_EQ(GetNextDlgTabItem(window, f.Control(DirSetupId::btnOk), FALSE),
              f.Control(DirSetupId::btnCancel));

    // The browser it owns: the file system only, with the path shown.
    EXPECT_EQ(f.form->FolderBrowser().Flags(),
              (vesk::TBrowseInfoFlagSet{vesk::TBrowseInfoFlags::OnlyFileSystem,
                                        vesk::TBrowseInfoFlags::ShowPath}));
    EXPECT_EQ(f.form->FolderBrowser().RootFolder(), vesk::TSHFolders::foDesktopExpanded);
    EXPECT_TRUE(f.form->FolderBrowser().NewFolderVisible());
}

TEST(DirSetup, OkStoresTheTypedDirectoryAndRescansBothLists) {
    DirSetupFixture f;
    auto result = f.ShowModal([&] {
        f.Type(f.newWads);
        PostClick(f.Control(DirSetupId::btnOk));
    });
    EXPECT_EQ(result, forms::ModalResult::Ok);
    EXPECT_EQ(f.shownText, f.oldWads);
    EXPECT_EQ(f.folders.WadDir, f.newWads);
    EXPECT_EQ(Environment("DOOMWADDIR"), f.newWads);
    ASSERT_EQ(f.lists.iwads.size(), 1u);
    EXPECT_TRUE(Contains(f.lists.iwads[0].titles, "DOOM 2: Hell on Earth"));
    EXPECT_FALSE(Contains(f.lists.iwads[0].titles, "TNT: Evilution"));
    EXPECT_EQ(f.lists.iwads[0].selected, 0);
    ASSERT_EQ(f.lists.resources.size(), 1u);
    EXPECT_EQ(f.lists.resources[0],
              (std::vector<std::string>{"local.wad", "DOOM2.WAD", "maps.pk3"}));
    EXPECT_FALSE(f.form->Visible());

    // An empty text is taken as it is.
    f.lists = {};
    result = f.ShowModal([&] {
        EXPECT_EQ(f.shownText, f.newWads);
        f.Type("");
        PostClick(f.Control(DirSetupId::btnOk));
    });
    EXPECT_EQ(result, forms::ModalResult::Ok);
    EXPECT_EQ(f.folders.WadDir, "");
    EXPECT_EQ(Environment("DOOMWADDIR"), "");
    EXPECT_EQ(f.lists.iwads.size(), 1u);
    EXPECT_EQ(f.lists.resources.size(), 1u);

    // Enter in the edit presses OK.
    f.lists = {};
    result = f.ShowModal([&] {
        f.Type(f.oldWads);
        PostKey(f.Control(DirSetupId::leWADDIR), VK_RETURN);
    });
    EXPECT_EQ(result, forms::ModalResult::Ok);
    EXPECT_EQ(f.folders.WadDir, f.oldWads);
    EXPECT_EQ(Environment("DOOMWADDIR"), f.oldWads);
    EXPECT_EQ(f.lists.resources.size(), 1u);

    // A folder that the scans could not list (a letter lost to the code
    // page, or too long) is refused out loud; the dialog stays open with it.
    const std::string tooLong = f.tree.Root() + "\\" + std::string(257 - f.tree.Root().size(), 'w');
    ASSERT_EQ(tooLong.size(), 258u);
    for (const std::string& unusable : {std::string("C:\\Jeux\\????"), tooLong}) {
        f.lists = {};
        f.prompts->messages.clear();
        std::string textAfterOk;
        result = f.ShowModal([&] {
            f.Type(unusable);
            PostClick(f.Control(DirSetupId::btnOk));
            f.prompts->whileMessageShown = [&] {
                textAfterOk = TextOf(f.Control(DirSetupId::leWADDIR));
                PostClick(f.Control(DirSetupId::btnCancel));
            };
        });
        f.prompts->whileMessageShown = nullptr;
        EXPECT_EQ(result, forms::ModalResult::Cancel) << unusable;
        ASSERT_EQ(f.prompts->messages.size(), 1u) << unusable;
        EXPECT_EQ(f.prompts->messages[0].text.rfind("The folder\n" + unusable + "\n", 0), 0u)
            << f.prompts->messages[0].text;
        EXPECT_EQ(textAfterOk, unusable);
        EXPECT_EQ(f.folders.WadDir, f.oldWads);
        EXPECT_EQ(Environment("DOOMWADDIR"), f.oldWads);
        EXPECT_TRUE(f.lists.resources.empty());
    }
}

TEST(DirSetup, CancelAndCloseKeepTheDirectory) {
    DirSetupFixture f;
    // Cancel: the typed text is dropped; only the IWAD list is rebuilt.
    auto result = f.ShowModal([&] {
        f.Type(f.newWads);
        PostClick(f.Control(DirSetupId::btnCancel));
    });
    EXPECT_EQ(result, forms::ModalResult::Cancel);
    EXPECT_EQ(f.folders.WadDir, f.oldWads);
    EXPECT_EQ(Environment("DOOMWADDIR"), f.oldWads);
    ASSERT_EQ(f.lists.iwads.size(), 1u);
    EXPECT_TRUE(Contains(f.lists.iwads[0].titles, "TNT: Evilution"));
    EXPECT_EQ(f.lists.iwads[0].selected, 0);
    EXPECT_TRUE(f.lists.resources.empty());

    // Escape presses Cancel.
    f.lists = {};
    result = f.ShowModal([&] {
        EXPECT_EQ(f.shownText, f.oldWads); // the typed text did not survive
        f.Type(f.newWads);
        PostKey(f.Control(DirSetupId::leWADDIR), VK_ESCAPE);
    });
    EXPECT_EQ(result, forms::ModalResult::Cancel);
    EXPECT_EQ(f.folders.WadDir, f.oldWads);
    EXPECT_EQ(f.lists.iwads.size(), 1u);
    EXPECT_TRUE(f.lists.resources.empty());

    // The close box: nothing stored, nothing rescanned.
    f.lists = {};
    result = f.ShowModal([&] {
        f.Type(f.newWads);
        PostMessageA(f.form->Handle(), WM_SYSCOMMAND, SC_CLOSE, 0);
    });
    EXPECT_EQ(result, forms::ModalResult::Cancel);
    EXPECT_EQ(f.folders.WadDir, f.oldWads);
    EXPECT_EQ(Environment("DOOMWADDIR"), f.oldWads);
    EXPECT_TRUE(f.lists.iwads.empty());
    EXPECT_TRUE(f.lists.resources.empty());
}

TEST(DirSetup, ChangeOpensTheBrowserAtTheDirectory) {
    DirSetupFixture f;
    auto& browser = f.form->FolderBrowser();
    std::vector<std::string> selections;
    browser.OnSelectionChanged = [&](vesk::TVeskFolderDialog&, HWND, LPCITEMIDLIST,
                                     const std::string& folder) { selections.push_back(folder); };
    // In the browser: pick `pick` (or cancel when empty), then press `then` in
    // the WAD directory dialog once the browser has closed.
    std::string pick;
    int then = 0;
    std::string openedAt;
    browser.OnInitialized = [&](vesk::TVeskFolderDialog&, HWND dialog) {
        openedAt = selections.empty() ? "" : selections.back();
        if (pick.empty()) {
            PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
        } else {
            SendMessageA(dialog, BFFM_SETSELECTIONA, TRUE, reinterpret_cast<LPARAM>(pick.c_str()));
            PostMessageA(dialog, WM_COMMAND, IDOK, 0);
        }
        // The browser's loop ends on its own command before it reads this.
        PostClick(f.Control(then));
    };

    // Picked, then Cancel in the dialog: WadDir waits for OK.
    pick = f.newWads;
    then = DirSetupId::btnCancel;
    auto result = f.ShowModal([&] { PostClick(f.Control(DirSetupId::btnChWadDir)); });
    EXPECT_EQ(result, forms::ModalResult::Cancel);
    EXPECT_EQ(openedAt, f.oldWads);
    EXPECT_EQ(browser.Folder(), f.newWads);
    EXPECT_EQ(f.folders.WadDir, f.oldWads);

    // Picked, then OK: the picked folder went into the edit and is stored.
    then = DirSetupId::btnOk;
    result = f.ShowModal([&] { PostClick(f.Control(DirSetupId::btnChWadDir)); });
    EXPECT_EQ(result, forms::ModalResult::Ok);
    EXPECT_EQ(openedAt, f.oldWads);
    EXPECT_EQ(f.folders.WadDir, f.newWads);

    // Cancelled in the browser: the edit keeps what was typed.
    pick.clear();
    result = f.ShowModal([&] {
        f.Type(f.oldWads);
        PostClick(f.Control(DirSetupId::btnChWadDir));
    });
    EXPECT_EQ(result, forms::ModalResult::Ok);
    EXPECT_EQ(openedAt, f.newWads);
    EXPECT_EQ(f.folders.WadDir, f.oldWads);
}

} // namespace
} // namespace tarnwick
