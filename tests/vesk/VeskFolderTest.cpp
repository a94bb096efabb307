// The folder browser with the real shell dialog. Each test drives the dialog
// from the browser's own events, with messages to the dialog and its
// controls; only the input box and the message box are scripted.
#include "VeskFolder.h"

#include "Application.h"
#include "AnsiText.h"
#include "CodePageNames.h"
#include "Dpi.h"
#include "FolderTestTree.h"
#include "ScriptedPrompts.h"
#include "Win32Error.h"

#include <shellapi.h>
#include <shlobj.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

namespace tarnwick::vesk {
namespace {

using forms::ScriptedPrompts;
using testing::FolderExists;
using testing::FolderTestTree;

// The dialog itself is not shown yet while it initializes: the button's own
// style says whether it will be.
bool HasVisibleStyle(HWND window) { return (GetWindowLongA(window, GWL_STYLE) & WS_VISIBLE) != 0; }

// What one run of the browser showed, opening by opening.
struct Opening {
    HWND dialog = nullptr;
    std::vector<std::string> selections; // the selection texts reported
    RECT window{};                       // after centring
    RECT client{};
    RECT button{}; // the New folder button, in client coordinates
    bool buttonVisible = false;
    bool buttonEnabled = false;
    std::string buttonText;
};

// Runs Execute; `act` is called at each opening (numbered from 0) and drives
// the dialog.
class BrowserRun {
  public:
    using Action = std::function<void(HWND dialog, int opening)>;

    BrowserRun(TVeskFolderDialog& browser, Action act) : browser_(browser), act_(std::move(act)) {
        browser_.OnInitialized = [this](TVeskFolderDialog& sender, HWND dialog) {
            EXPECT_EQ(&sender, &browser_);
            Opening opening;
            opening.dialog = dialog;
            GetWindowRect(dialog, &opening.window);
            GetClientRect(dialog, &opening.client);
            if (HWND button = GetDlgItem(dialog, TVeskFolderDialog::kNewFolderButtonId)) {
                GetWindowRect(button, &opening.button);
                MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&opening.button), 2);
                opening.buttonVisible = HasVisibleStyle(button);
                opening.buttonEnabled = IsWindowEnabled(button) != FALSE;
                char text[256] = {};
                GetWindowTextA(button, text, sizeof text);
                opening.buttonText = text;
            }
            // Selections reported while the dialog set itself up belong to
            // this opening too.
            opening.selections = std::move(pending_);
            pending_.clear();
            openings.push_back(opening);
            act_(dialog, static_cast<int>(openings.size()) - 1);
        };
        browser_.OnSelectionChanged = [this](TVeskFolderDialog&, HWND dialog, LPCITEMIDLIST,
                                             const std::string& folder) {
            if (!openings.empty() && openings.back().dialog == dialog)
                openings.back().selections.push_back(folder);
            else
                pending_.push_back(folder);
        };
    }
    ~BrowserRun() {
        browser_.OnInitialized = nullptr;
        browser_.OnSelectionChanged = nullptr;
    }
    BrowserRun(const BrowserRun&) = delete;
    BrowserRun& operator=(const BrowserRun&) = delete;

    bool Execute() { return browser_.Execute(); }

    std::vector<Opening> openings;

  private:
    TVeskFolderDialog& browser_;
    Action act_;
    std::vector<std::string> pending_;
};

void Post(HWND dialog, int command) {
    PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(command, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(dialog, command)));
}

void ClickNewFolder(HWND dialog) {
    PostMessageA(GetDlgItem(dialog, TVeskFolderDialog::kNewFolderButtonId), BM_CLICK, 0, 0);
}

// The texts of the dialog's static controls (the title and the status line).
std::vector<std::string> StaticTexts(HWND dialog) {
    std::vector<std::string> texts;
    for (HWND child = GetWindow(dialog, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        char className[32] = {};
        GetClassNameA(child, className, sizeof className);
        if (lstrcmpiA(className, "Static") != 0) continue;
        char text[512] = {};
        GetWindowTextA(child, text, sizeof text);
        texts.emplace_back(text);
    }
    return texts;
}

bool Contains(const std::vector<std::string>& texts, const std::string& text) {
    return std::find(texts.begin(), texts.end(), text) != texts.end();
}

HWND NoOwner() { return nullptr; }

// The browser as the program has it, in an application whose prompts the
// test answers.
struct ScriptedBrowser {
    static ScriptedPrompts& ScriptedIn(forms::Application& application) {
        auto prompts = std::make_unique<ScriptedPrompts>();
        ScriptedPrompts& scripted = *prompts;
        application.SetPrompts(std::move(prompts));
        return scripted;
    }

    forms::Application application{"Tarnwick"};
    ScriptedPrompts& prompts = ScriptedIn(application);
    TVeskFolderDialog browser{application, NoOwner};
};

// The flags and root folders the shell is given, as the Windows headers
// define them.
TEST(BrowseOptions, FlagsAndRootFoldersMapToTheShellValues) {
    using enum TBrowseInfoFlags;
    const std::pair<TBrowseInfoFlags, UINT> flags[] = {
        {OnlyComputers, BIF_BROWSEFORCOMPUTER}, {OnlyPrinters, BIF_BROWSEFORPRINTER},
        {OnlyDomains, BIF_DONTGOBELOWDOMAIN},   {OnlyAncestors, BIF_RETURNFSANCESTORS},
        {OnlyFileSystem, BIF_RETURNONLYFSDIRS}, {ShowPath, BIF_STATUSTEXT}};
    for (const auto& [member, value] : flags)
        EXPECT_EQ(ShellFlags({member}), value) << int(member);
    EXPECT_EQ(ShellFlags({}), 0u);
    EXPECT_EQ(ShellFlags({OnlyFileSystem, ShowPath}), UINT(BIF_RETURNONLYFSDIRS | BIF_STATUSTEXT));

    using enum TSHFolders;
    const std::pair<TSHFolders, int> roots[] = {{foDesktop, CSIDL_DESKTOP},
                                                {foPrograms, CSIDL_PROGRAMS},
                                                {foControlPanel, CSIDL_CONTROLS},
                                                {foPrinters, CSIDL_PRINTERS},
                                                {foPersonal, CSIDL_PERSONAL},
                                                {foFavorites, CSIDL_FAVORITES},
                                                {foStartup, CSIDL_STARTUP},
                                                {foRecent, CSIDL_RECENT},
                                                {foSendto, CSIDL_SENDTO},
                                                {foRecycleBin, CSIDL_BITBUCKET},
                                                {foStartMenu, CSIDL_STARTMENU},
                                                {foDesktopFolder, CSIDL_DESKTOPDIRECTORY},
                                                {foMyComputer, CSIDL_DRIVES},
                                                {foNetwork, CSIDL_NETWORK},
                                                {foNetworkNeighborhood, CSIDL_NETHOOD},
                                                {foFonts, CSIDL_FONTS},
                                                {foTemplates, CSIDL_TEMPLATES}};
    for (const auto& [root, value] : roots)
        EXPECT_EQ(SpecialFolderOf(root), value) << int(root);
    EXPECT_EQ(SpecialFolderOf(foDesktopExpanded), std::nullopt);
}

TEST(VeskFolderDialog, DefaultsAndCaptions) {
    ScriptedBrowser scripted;
    TVeskFolderDialog& browser = scripted.browser;
    EXPECT_EQ(browser.Folder(), "");
    EXPECT_EQ(browser.Flags(), TBrowseInfoFlagSet{TBrowseInfoFlags::ShowPath});
    EXPECT_EQ(browser.RootFolder(), TSHFolders::foDesktopExpanded);
    EXPECT_TRUE(browser.NewFolderVisible());
    EXPECT_TRUE(browser.NewFolderEnabled());
    EXPECT_FALSE(browser.OnInitialized);
    EXPECT_FALSE(browser.OnSelectionChanged);
    EXPECT_STREQ(TVeskFolderDialog::Version(), "3.00.00.00");
    EXPECT_EQ(browser.LabelCaptions().Entries().size(), 29u);
    EXPECT_EQ(browser.NewFolderCaptions().Entries().size(), 29u);
    EXPECT_TRUE(browser.LabelCaptionsAreDefault());
    EXPECT_TRUE(browser.NewFolderCaptionsAreDefault());

    // The captions follow the system's language, taken at construction.
    std::string language = LanguageCode(GetSystemDefaultLangID());
    EXPECT_EQ(browser.NewFolderCaption(), ResolveCaption(browser.NewFolderCaptions(), language));
    EXPECT_EQ(browser.LabelCaption(), ResolveCaption(browser.LabelCaptions(), language));

    browser.SetNewFolderCaptions(browser.NewFolderCaptions());
    EXPECT_TRUE(browser.NewFolderCaptionsAreDefault());
    browser.SetNewFolderCaptions(CaptionList({"Default=Make", language + "=Create"}));
    EXPECT_EQ(browser.NewFolderCaption(), "Create");
    EXPECT_FALSE(browser.NewFolderCaptionsAreDefault());
    browser.SetLabelCaptions(CaptionList({"9999=Elsewhere", "Default=Pick:"}));
    EXPECT_EQ(browser.LabelCaption(), "Pick:");
    EXPECT_FALSE(browser.LabelCaptionsAreDefault());
}

TEST(VeskFolderDialog, ExecuteSelectsFolderAndReturnsTheChoice) {
    FolderTestTree tree("vesk-choice");
    std::string start = tree.AddFolder("Start");
    std::string other = tree.AddFolder("Other place");
    ScriptedBrowser scripted;
    TVeskFolderDialog& browser = scripted.browser;
    browser.SetFlags({TBrowseInfoFlags::OnlyFileSystem, TBrowseInfoFlags::ShowPath});

    // Opens at Folder; OK gives it back.
    browser.SetFolder(start);
    BrowserRun keep(browser, [](HWND dialog, int) { Post(dialog, IDOK); });
    EXPECT_TRUE(keep.Execute());
    EXPECT_EQ(browser.Folder(), start);
    ASSERT_EQ(keep.openings.size(), 1u);
    const Opening& opening = keep.openings[0];
    ASSERT_FALSE(opening.selections.empty());
    EXPECT_EQ(opening.selections.back(), start);
    // Centred on the screen.
    int width = opening.window.right - opening.window.left;
    int height = opening.window.bottom - opening.window.top;
    EXPECT_EQ(opening.window.left, GetSystemMetrics(SM_CXSCREEN) / 2 - width / 2);
    EXPECT_EQ(opening.window.top, GetSystemMetrics(SM_CYSCREEN) / 2 - height / 2);

    // Another folder chosen in the tree.
    bool okEnabled = false;
    std::vector<std::string> statusTexts;
    BrowserRun choose(browser, [&](HWND dialog, int) {
        SendMessageA(dialog, BFFM_SETSELECTIONA, TRUE, reinterpret_cast<LPARAM>(other.c_str()));
        okEnabled = IsWindowEnabled(GetDlgItem(dialog, IDOK)) != FALSE;
        statusTexts = StaticTexts(dialog);
        Post(dialog, IDOK);
    });
    EXPECT_TRUE(choose.Execute());
    EXPECT_EQ(browser.Folder(), other);
    EXPECT_TRUE(okEnabled);
    EXPECT_TRUE(Contains(statusTexts, other)) << "status line";
    EXPECT_TRUE(Contains(statusTexts, browser.LabelCaption())) << "title";

    // Cancel: false, and Folder keeps what the run started with.
    BrowserRun cancel(browser, [&](HWND dialog, int) {
        SendMessageA(dialog, BFFM_SETSELECTIONA, TRUE, reinterpret_cast<LPARAM>(start.c_str()));
        Post(dialog, IDCANCEL);
    });
    EXPECT_FALSE(cancel.Execute());
    EXPECT_EQ(browser.Folder(), other);
}

TEST(VeskFolderDialog, StatusLineShowsTheShortenedPath) {
    FolderTestTree tree("vesk-status");
    tree.AddFolder("A folder with a rather long name");
    std::string deep = tree.AddFolder("A folder with a rather long name\\and one more below it");
    ASSERT_EQ(deep.size(), 84u);
    ScriptedBrowser scripted;
    TVeskFolderDialog& browser = scripted.browser;
    browser.SetFolder(deep);
    std::vector<std::string> statusTexts;
    BrowserRun run(browser, [&](HWND dialog, int) {
        statusTexts = StaticTexts(dialog);
        Post(dialog, IDCANCEL);
    });
    EXPECT_FALSE(run.Execute());
    // 84 characters: the drive, "...", and the last folders that fit in 50.
    EXPECT_TRUE(Contains(statusTexts, "C:\\...\\and one more below it")) << deep;
}

TEST(VeskFolderDialog, NewFolderButtonPlaceAndState) {
    ScriptedBrowser scripted;
    TVeskFolderDialog& browser = scripted.browser;
    browser.SetFolder("C:\\");
    BrowserRun plain(browser, [](HWND dialog, int) { Post(dialog, IDCANCEL); });
    EXPECT_FALSE(plain.Execute());
    ASSERT_EQ(plain.openings.size(), 1u);
    const Opening& first = plain.openings[0];
    int h = first.client.bottom;
    // 96 pixels per inch: 12, h - 36, 75 x 23 ("New folder" is narrower).
    EXPECT_EQ(first.button.left, 12);
    EXPECT_EQ(first.button.top, h - 36);
    EXPECT_EQ(first.button.right - first.button.left, 75);
    EXPECT_EQ(first.button.bottom - first.button.top, 23);
    EXPECT_TRUE(first.buttonVisible);
    EXPECT_TRUE(first.buttonEnabled);
    EXPECT_EQ(first.buttonText, browser.NewFolderCaption());

    // A long caption widens the button to its text plus 12.
    const std::string longCaption = "Make a brand new folder right here";
    browser.SetNewFolderCaptions(CaptionList({"Default=" + longCaption}));
    // Measured in the program's font ("MS Sans Serif", or on a double-byte
    // system that system's own).
    const forms::Font font = forms::Font::Ui(forms::Dpi::OfScreen());
    HDC screen = GetDC(nullptr);
    HGDIOBJ previous = SelectObject(screen, font.Handle());
    SIZE text{};
    GetTextExtentPoint32A(screen, longCaption.c_str(), static_cast<int>(longCaption.size()), &text);
    SelectObject(screen, previous);
    ReleaseDC(nullptr, screen);
    ASSERT_GT(text.cx + 12, 75);
    BrowserRun wide(browser, [](HWND dialog, int) { Post(dialog, IDCANCEL); });
    EXPECT_FALSE(wide.Execute());
    ASSERT_EQ(wide.openings.size(), 1u);
    EXPECT_EQ(wide.openings[0].button.right - wide.openings[0].button.left, text.cx + 12);
    EXPECT_EQ(wide.openings[0].button.left, 12);
    EXPECT_EQ(wide.openings[0].buttonText, longCaption);

    // Hidden, disabled, and relabelled and shown again while the dialog runs.
    browser.SetNewFolderVisible(false);
    browser.SetNewFolderEnabled(false);
    bool shownAgain = false;
    bool enabledAgain = false;
    std::string relabelled;
    BrowserRun changed(browser, [&](HWND dialog, int) {
        HWND button = GetDlgItem(dialog, TVeskFolderDialog::kNewFolderButtonId);
        browser.SetNewFolderVisible(true);
        browser.SetNewFolderEnabled(true);
        browser.SetNewFolderCaptions(CaptionList({"Default=Another"}));
        shownAgain = HasVisibleStyle(button);
        enabledAgain = IsWindowEnabled(button) != FALSE;
        char caption[64] = {};
        GetWindowTextA(button, caption, sizeof caption);
        relabelled = caption;
        Post(dialog, IDCANCEL);
    });
    EXPECT_FALSE(changed.Execute());
    ASSERT_EQ(changed.openings.size(), 1u);
    EXPECT_FALSE(changed.openings[0].buttonVisible);
    EXPECT_FALSE(changed.openings[0].buttonEnabled);
    EXPECT_TRUE(shownAgain);
    EXPECT_TRUE(enabledAgain);
    EXPECT_EQ(relabelled, "Another");
}

TEST(VeskFolderDialog, NewFolderCreatesTheFolderAndReopensOnIt) {
    FolderTestTree tree("vesk-new");
    std::string start = tree.AddFolder("WADs");
    ScriptedBrowser scripted;
    ScriptedPrompts& prompts = scripted.prompts;
    TVeskFolderDialog& browser = scripted.browser;
    browser.SetFlags({TBrowseInfoFlags::OnlyFileSystem, TBrowseInfoFlags::ShowPath});

    auto newFolderThenOk = [](HWND dialog, int opening) {
        if (opening == 0)
            ClickNewFolder(dialog);
        else
            Post(dialog, IDOK);
    };

    // One level.
    browser.SetFolder(start);
    prompts.inputAnswers = {"Maps"};
    BrowserRun one(browser, newFolderThenOk);
    EXPECT_TRUE(one.Execute());
    EXPECT_TRUE(FolderExists(start + "\\Maps"));
    EXPECT_EQ(browser.Folder(), start + "\\Maps");
    ASSERT_EQ(one.openings.size(), 2u);
    ASSERT_FALSE(one.openings[1].selections.empty());
    EXPECT_EQ(one.openings[1].selections.back(), start + "\\Maps");
    ASSERT_EQ(prompts.inputs.size(), 1u);
    EXPECT_EQ(prompts.inputs[0].owner, one.openings[0].dialog);
    EXPECT_EQ(prompts.inputs[0].title, browser.NewFolderCaption());
    EXPECT_EQ(prompts.inputs[0].prompt, "");
    EXPECT_EQ(prompts.inputs[0].initialText, "");
    EXPECT_TRUE(prompts.messages.empty());

    // Two levels at once, the answer beginning with a separator.
    browser.SetFolder(start);
    prompts.inputAnswers = {"\\Episodes\\One"};
    BrowserRun two(browser, newFolderThenOk);
    EXPECT_TRUE(two.Execute());
    EXPECT_TRUE(FolderExists(start + "\\Episodes\\One"));
    EXPECT_EQ(browser.Folder(), start + "\\Episodes\\One");
    EXPECT_EQ(two.openings.size(), 2u);

    // Cancel in the input box: nothing made, the dialog stays open.
    browser.SetFolder(start);
    prompts.inputAnswers.clear();
    BrowserRun cancelled(browser, [](HWND dialog, int) {
        ClickNewFolder(dialog);
        Post(dialog, IDCANCEL);
    });
    EXPECT_FALSE(cancelled.Execute());
    EXPECT_EQ(cancelled.openings.size(), 1u);
    EXPECT_EQ(prompts.inputs.size(), 3u);
    EXPECT_EQ(browser.Folder(), start);

    // Cancelling the reopened browser: false, with Folder at the new folder.
    browser.SetFolder(start);
    prompts.inputAnswers = {"Demos"};
    BrowserRun thenCancel(browser, [](HWND dialog, int opening) {
        if (opening == 0)
            ClickNewFolder(dialog);
        else
            Post(dialog, IDCANCEL);
    });
    EXPECT_FALSE(thenCancel.Execute());
    EXPECT_EQ(thenCancel.openings.size(), 2u);
    EXPECT_EQ(browser.Folder(), start + "\\Demos");
    EXPECT_TRUE(prompts.messages.empty());

    // Names of the system's code page: under a folder that ends in a
    // character whose second byte is "\" on a double-byte system, a typed
    // name that ends in one too is one folder below it; the status line
    // counts characters.
    const testing::CodePageNames& names = testing::NamesOfThisCodePage();
    tree.AddFolder(names.word + names.word);
    const std::string local = tree.AddFolder(names.word + names.word + "\\" + names.trail);
    browser.SetFolder(local);
    prompts.inputAnswers = {names.name};
    std::vector<std::string> statusTexts;
    BrowserRun codePage(browser, [&](HWND dialog, int opening) {
        if (opening == 0) return ClickNewFolder(dialog);
        statusTexts = StaticTexts(dialog);
        Post(dialog, IDOK);
    });
    EXPECT_TRUE(codePage.Execute());
    const std::string made = local + "\\" + names.name;
    EXPECT_TRUE(FolderExists(made));
    EXPECT_EQ(browser.Folder(), made);
    EXPECT_FALSE(FolderExists(local + names.name)) << "a sibling";
    EXPECT_FALSE(
        FolderExists(local + "\\" + names.name.substr(0, names.name.size() - names.trail.size())))
        << "half of the typed name";
    ASSERT_LE(WideFromAnsi(made).size(), 50u);
    EXPECT_TRUE(Contains(statusTexts, made)) << "shortened, though it fits in 50 characters";
    EXPECT_TRUE(prompts.messages.empty());
}

TEST(VeskFolderDialog, NewFolderThatCannotBeMadeWarnsAndKeepsTheSelection) {
    FolderTestTree tree("vesk-blocked");
    std::string start = tree.AddFolder("WADs");
    tree.AddFile("WADs\\Taken");
    ScriptedBrowser scripted;
    ScriptedPrompts& prompts = scripted.prompts;
    TVeskFolderDialog& browser = scripted.browser;
    browser.SetFlags({TBrowseInfoFlags::OnlyFileSystem, TBrowseInfoFlags::ShowPath});
    browser.SetFolder(start);
    prompts.inputAnswers = {"Taken\\Below"};
    BrowserRun run(browser, [](HWND dialog, int opening) {
        if (opening == 0)
            ClickNewFolder(dialog);
        else
            Post(dialog, IDOK);
    });
    EXPECT_TRUE(run.Execute());
    EXPECT_EQ(browser.Folder(), start);
    ASSERT_EQ(run.openings.size(), 2u);
    ASSERT_EQ(prompts.messages.size(), 1u);
    const auto& warning = prompts.messages[0];
    EXPECT_EQ(warning.owner, run.openings[0].dialog);
    EXPECT_EQ(warning.text, SystemMessage(ERROR_CANNOT_MAKE));
    EXPECT_FALSE(warning.text.empty());
    EXPECT_EQ(warning.caption, browser.NewFolderCaption());
    EXPECT_EQ(warning.style, static_cast<UINT>(MB_ICONWARNING | MB_OK));
    EXPECT_FALSE(FolderExists(start + "\\Taken\\Below"));
}

TEST(VeskFolderDialog, ItemWithoutPathShowsItsDisplayName) {
    ScriptedBrowser scripted;
    ScriptedPrompts& prompts = scripted.prompts;
    TVeskFolderDialog& browser = scripted.browser;
    browser.SetFlags({TBrowseInfoFlags::OnlyFileSystem, TBrowseInfoFlags::ShowPath});
    browser.SetFolder("C:\\");
    ITEMIDLIST* computer = nullptr;
    ASSERT_TRUE(SUCCEEDED(SHGetSpecialFolderLocation(nullptr, CSIDL_DRIVES, &computer)));
    ItemIdList owned(computer);
    SHFILEINFOA info{};
    ASSERT_NE(SHGetFileInfoA(reinterpret_cast<LPCSTR>(computer), 0, &info, sizeof info,
                             SHGFI_PIDL | SHGFI_DISPLAYNAME),
              0u);
    const std::string displayName = info.szDisplayName;
    ASSERT_FALSE(displayName.empty());

    std::string reported;
    std::vector<std::string> statusTexts;
    bool okEnabled = false;
    bool newFolderEnabled = false;
    prompts.inputAnswers = {"Maps"};
    BrowserRun run(browser, [&](HWND dialog, int opening) {
        if (opening == 0) {
            SendMessageA(dialog, BFFM_SETSELECTIONA, FALSE, reinterpret_cast<LPARAM>(computer));
            statusTexts = StaticTexts(dialog);
            ClickNewFolder(dialog);
        } else {
            Post(dialog, IDOK);
        }
    });
    // Wine applies its own rule for OK after the notice (no path, no OK):
    // what the browser sets is seen while the notice runs.
    auto recordSelection = browser.OnSelectionChanged;
    browser.OnSelectionChanged = [&](TVeskFolderDialog& sender, HWND dialog, LPCITEMIDLIST item,
                                     const std::string& folder) {
        recordSelection(sender, dialog, item, folder);
        okEnabled = IsWindowEnabled(GetDlgItem(dialog, IDOK)) != FALSE;
        newFolderEnabled =
            IsWindowEnabled(GetDlgItem(dialog, TVeskFolderDialog::kNewFolderButtonId)) != FALSE;
    };
    EXPECT_TRUE(run.Execute());
    ASSERT_EQ(run.openings.size(), 2u);
    ASSERT_FALSE(run.openings[0].selections.empty());
    EXPECT_EQ(run.openings[0].selections.back(), displayName);
    EXPECT_TRUE(Contains(statusTexts, displayName));
    EXPECT_TRUE(okEnabled);
    EXPECT_TRUE(newFolderEnabled);
    // The display name is no place on disk: nothing is made, the warning
    // shows, and the browser reopens on the same item, which has no path.
    ASSERT_EQ(prompts.messages.size(), 1u);
    EXPECT_EQ(prompts.messages[0].text, SystemMessage(ERROR_CANNOT_MAKE));
    char current[MAX_PATH] = {};
    GetCurrentDirectoryA(MAX_PATH, current);
    EXPECT_FALSE(FolderExists(std::string(current) + "\\" + displayName));
    EXPECT_EQ(browser.Folder(), "");
}

TEST(VeskFolderDialog, AnErrorInAnEventEndsTheDialogAndReachesTheCaller) {
    ScriptedBrowser scripted;
    TVeskFolderDialog& browser = scripted.browser;
    browser.SetFolder("C:\\");
    browser.OnInitialized = [](TVeskFolderDialog&, HWND) {
        throw std::runtime_error("from the handler");
    };
    EXPECT_THROW(browser.Execute(), std::runtime_error);
    // The browser is usable again afterwards.
    browser.OnInitialized = [](TVeskFolderDialog&, HWND dialog) { Post(dialog, IDOK); };
    EXPECT_TRUE(browser.Execute());
    EXPECT_EQ(browser.Folder(), "C:\\");
}

} // namespace
} // namespace tarnwick::vesk
