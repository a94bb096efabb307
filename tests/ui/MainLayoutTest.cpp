#include "AnsiText.h"
#include "Application.h"
#include "CodePageNames.h"
#include "LayoutProbe.h"
#include "MainControlIds.h"
#include "ScriptedDialogs.h"
#include "ScriptedPrompts.h"
#include "Win32Platform.h"
#include "TfrmMain.h"

#include <gtest/gtest.h>

#include <commctrl.h>

#include <vector>

namespace tarnwick {
namespace {

using forms::Dpi;

// The main window as designed: every child with its class, caption, the group
// box it stands in (0: the window), its place in that group box, and whether
// it is a tab stop and visible.
struct Expected {
    int id;
    const char* windowClass;
    const char* text;
    int group;
    int left, top, width, height;
    bool tabStop;
    bool visible = true;
};

const std::vector<Expected>& Design() {
    static const std::vector<Expected> design{
        {MainId::gbGeneral, "Button", "General", 0, 4, 4, 353, 193, false},
        {MainId::lbSource, "Static", "Source Port:", MainId::gbGeneral, 12, 24, 59, 13, false},
        {MainId::cbSource, "ComboBox", "GZDoom", MainId::gbGeneral, 92, 20, 249, 22, true},
        {MainId::lbSkill, "Static", "Skill level:", MainId::gbGeneral, 12, 48, 47, 13, false},
        {MainId::cbSkill, "ComboBox", "3: Ultra-violence", MainId::gbGeneral, 92, 43, 249, 22,
         true},
        {MainId::lbPlayers, "Static", "Players:", MainId::gbGeneral, 12, 72, 37, 13, false},
        {MainId::cbMaxplayers, "ComboBox", "Single", MainId::gbGeneral, 92, 68, 89, 22, true},
        {MainId::lbPlayerclass, "Static", "Player class:", MainId::gbGeneral, 188, 72, 59, 13,
         false},
        {MainId::edtPlayerClass, "Edit", "", MainId::gbGeneral, 252, 68, 85, 21, true},
        {MainId::lbWarp, "Static", "Start on map:", MainId::gbGeneral, 12, 96, 63, 13, false},
        {MainId::edtMap, "Edit", "", MainId::gbGeneral, 92, 92, 89, 21, true},
        {MainId::lbTeam, "Static", "Team:", MainId::gbGeneral, 188, 96, 30, 13, false},
        {MainId::cbTeam, "ComboBox", "", MainId::gbGeneral, 252, 92, 85, 22, true},
        {MainId::lbDemo, "Static", "Record Demo:", MainId::gbGeneral, 12, 120, 69, 13, false},
        {MainId::edtDemo, "Edit", "", MainId::gbGeneral, 92, 116, 221, 21, true},
        {MainId::sbRecord, "Button", "...", MainId::gbGeneral, 316, 116, 23, 22, false},
        {MainId::lbPlay, "Static", "Play Demo:", MainId::gbGeneral, 12, 144, 54, 13, false},
        {MainId::edtPlay, "Edit", "", MainId::gbGeneral, 92, 140, 169, 21, true},
        {MainId::cbFast, "Button", "Fast", MainId::gbGeneral, 268, 140, 41, 17, true},
        {MainId::sbDemo, "Button", "...", MainId::gbGeneral, 316, 140, 23, 21, false},
        {MainId::lbParams, "Static", "Parameters:", MainId::gbGeneral, 12, 168, 56, 13, false},
        {MainId::edtParams, "Edit", "", MainId::gbGeneral, 92, 164, 249, 21, true},

        {MainId::gbFiles, "Button", "Files", 0, 360, 4, 357, 193, false},
        {MainId::lbIWAD, "Static", "IWAD:", MainId::gbFiles, 16, 24, 32, 13, false},
        {MainId::cbIWAD, "ComboBox", "", MainId::gbFiles, 76, 20, 269, 22, true},
        {MainId::lblPWADS, "Static", "Files:", MainId::gbFiles, 16, 52, 24, 13, false},
        {MainId::cbPWADS, "ComboBox", "", MainId::gbFiles, 76, 48, 201, 21, true},
        {MainId::btnPwads, "Button", "Add", MainId::gbFiles, 284, 48, 61, 21, true},
        {MainId::btnOdWads, "Button", nullptr, MainId::gbFiles, 16, 80, 53, 25, true},
        {MainId::btnWaddir, "Button", "WADDIR", MainId::gbFiles, 16, 108, 53, 25, true},
        {MainId::btnClrPwads, "Button", "Clear", MainId::gbFiles, 16, 136, 53, 21, true},
        {MainId::lbPwads, "ListBox", "", MainId::gbFiles, 76, 80, 201, 77, true},
        {MainId::btnRmWAD, "Button", "Remove", MainId::gbFiles, 284, 80, 61, 21, true},
        {MainId::sbUp, "Button", nullptr, MainId::gbFiles, 284, 108, 61, 22, false},
        {MainId::sbDown, "Button", nullptr, MainId::gbFiles, 284, 132, 61, 22, false},
        {MainId::lbLoadGame, "Static", "Load Game:", MainId::gbFiles, 12, 168, 58, 13, false},
        {MainId::edtSave, "Edit", "", MainId::gbFiles, 76, 164, 241, 21, true},
        {MainId::sbSave, "Button", "...", MainId::gbFiles, 324, 164, 23, 22, false},

        {MainId::gbOptions, "Button", "Gameplay", 0, 8, 200, 217, 165, false},
        {MainId::lbGravity, "Static", "Gravity:", MainId::gbOptions, 8, 24, 36, 13, false},
        {MainId::edtGravity, "Edit", "800.00", MainId::gbOptions, 52, 20, 153, 21, true},
        {MainId::lbAircontrol, "Static", "AirControl:", MainId::gbOptions, 8, 44, 48, 13, false},
        {MainId::sbAircontrol, "ScrollBar", "", MainId::gbOptions, 8, 60, 165, 13, true},
        {MainId::stAircontrol, "Static", "1", MainId::gbOptions, 178, 59, 10, 17, false},
        {MainId::lbTeamdamage, "Static", "FriendlyFire:", MainId::gbOptions, 8, 80, 56, 13, false},
        {MainId::sbTeamDamage, "ScrollBar", "", MainId::gbOptions, 8, 96, 165, 13, true},
        {MainId::stTeamDamage, "Static", "0", MainId::gbOptions, 176, 96, 21, 13, false},
        {MainId::lbPercent, "Static", "%", MainId::gbOptions, 196, 96, 8, 13, false},
        {MainId::btnEDMF, "Button", "Configure DMFLAGS", MainId::gbOptions, 8, 124, 197, 25, true},

        {MainId::gbMulti, "Button", "Multiplayer", 0, 228, 200, 285, 165, false},
        {MainId::cbDeathmatch, "Button", "DeathMatch", MainId::gbMulti, 12, 20, 125, 17, true},
        {MainId::cbTeamplay, "Button", "Teamplay", MainId::gbMulti, 12, 36, 125, 17, true},
        {MainId::cbp2p, "Button", "Peer-to-peer", MainId::gbMulti, 12, 52, 125, 17, true},
        {MainId::cbBackup, "Button", "Backup packets", MainId::gbMulti, 12, 68, 125, 17, true},
        {MainId::lbUDP, "Static", "Local Port:", MainId::gbMulti, 12, 96, 51, 13, false},
        {MainId::edtUDP, "Edit", "5029", MainId::gbMulti, 80, 92, 61, 21, true},
        {MainId::lbRemote, "Static", "Remote host:", MainId::gbMulti, 12, 132, 63, 13, false},
        {MainId::edtRemote, "Edit", "", MainId::gbMulti, 80, 128, 129, 21, true},
        {MainId::lbFraglimit, "Static", "FragLimit:", MainId::gbMulti, 160, 20, 45, 13, false},
        {MainId::seFraglimit, "Edit", "0", MainId::gbMulti, 224, 16, 53, 22, true},
        {MainId::lbTimelimit, "Static", "TimeLimit:", MainId::gbMulti, 160, 48, 47, 13, false},
        {MainId::seTimelimit, "Edit", "0", MainId::gbMulti, 224, 44, 53, 22, true},
        {MainId::Label1, "Static", "Network traffic factor", MainId::gbMulti, 176, 76, 45, 41,
         false},
        {MainId::Label4, "Static", "Full", MainId::gbMulti, 232, 72, 16, 13, false},
        {MainId::sbDup, "ScrollBar", "", MainId::gbMulti, 256, 72, 17, 73, true},
        {MainId::Label5, "Static", "Min", MainId::gbMulti, 232, 132, 17, 13, false},

        {MainId::gbControl, "Button", "Control", 0, 516, 200, 201, 165, false},
        {MainId::btnRun, "Button", "Run", MainId::gbControl, 16, 36, 81, 37, true},
        {MainId::btnSave, "Button", "Save", MainId::gbControl, 108, 36, 81, 37, true},
        {MainId::btnReset, "Button", "Reset", MainId::gbControl, 16, 96, 81, 37, true},
        {MainId::btnExit, "Button", "Exit", MainId::gbControl, 108, 96, 81, 37, true},

        {MainId::btnLoad, "Button", "Load", 0, 12, 396, 109, 37, true, false},
    };
    return design;
}

// Tab goes through the group boxes in order and through each one's controls
// in its own order; it never reaches the hidden Load button.
const std::vector<int> kTabOrder{
    MainId::cbSource,     MainId::cbSkill,      MainId::cbMaxplayers, MainId::edtPlayerClass,
    MainId::edtMap,       MainId::cbTeam,       MainId::edtDemo,      MainId::edtPlay,
    MainId::cbFast,       MainId::edtParams,    MainId::cbIWAD,       MainId::cbPWADS,
    MainId::btnPwads,     MainId::btnOdWads,    MainId::btnWaddir,    MainId::btnClrPwads,
    MainId::lbPwads,      MainId::btnRmWAD,     MainId::edtSave,      MainId::edtGravity,
    MainId::sbAircontrol, MainId::sbTeamDamage, MainId::btnEDMF,      MainId::cbDeathmatch,
    MainId::cbTeamplay,   MainId::cbp2p,        MainId::cbBackup,     MainId::edtUDP,
    MainId::edtRemote,    MainId::seFraglimit,  MainId::seTimelimit,  MainId::sbDup,
    MainId::btnRun,       MainId::btnSave,      MainId::btnReset,     MainId::btnExit,
};

struct MainWindowTest : ::testing::Test {
    MainWindowTest() {
        auto script = std::make_unique<forms::ScriptedPrompts>();
        prompts = script.get();
        app.SetPrompts(std::move(script));
    }

    forms::Application app{"Tarnwick"};
    forms::ScriptedPrompts* prompts = nullptr;
    Win32Platform platform;
    LaunchFolders folders;
    testing::ScriptedDialogs dialogs;
};

// A spin edit's bounds hold its field and the arrows beside it.
RECT BoundsOf(HWND window) {
    RECT place = forms::PlaceOf(window);
    if (HWND arrows =
            GetDlgItem(GetParent(window), GetDlgCtrlID(window) + forms::SpinEdit::kArrowsIdOffset))
        place.right = forms::PlaceOf(arrows).right;
    return place;
}

// The font the windows should have: "MS Sans Serif" 8 point; on a
// double-byte system the system's own user-interface font, 9 point.
struct UiFontExpected {
    bool doubleByte = GetSystemMetrics(SM_DBCSENABLED) != 0;
    std::string face = doubleByte ? SystemGuiFace() : "MS Sans Serif";
    int height = doubleByte ? 12 : 11; // at 96 dpi

    static std::string SystemGuiFace() {
        LOGFONTA font{};
        GetObjectA(GetStockObject(DEFAULT_GUI_FONT), sizeof font, &font);
        return font.lfFaceName;
    }
};

// Whether the font has a glyph for every character of the text.
bool DrawsEveryCharacter(HFONT font, const std::wstring& text) {
    HDC dc = CreateCompatibleDC(nullptr);
    const HGDIOBJ previous = SelectObject(dc, font);
    std::vector<WORD> glyphs(text.size());
    const bool read = GetGlyphIndicesW(dc, text.c_str(), int(text.size()), glyphs.data(),
                                       GGI_MARK_NONEXISTING_GLYPHS) != GDI_ERROR;
    SelectObject(dc, previous);
    DeleteDC(dc);
    return read && std::find(glyphs.begin(), glyphs.end(), WORD(0xFFFF)) == glyphs.end();
}

void ExpectDesignedLayout(const TfrmMain& window, const Dpi& dpi) {
    HWND form = window.Handle();
    RECT client{};
    GetClientRect(form, &client);
    EXPECT_EQ(client.right, dpi.Scale(723));
    EXPECT_EQ(client.bottom, dpi.Scale(370));
    EXPECT_EQ(forms::TextOf(form), "Tarnwick Pro");
    EXPECT_TRUE(forms::HasStyle(form, WS_MINIMIZEBOX | WS_SYSMENU | WS_CAPTION));
    EXPECT_FALSE(forms::HasStyle(form, WS_MAXIMIZEBOX));
    EXPECT_FALSE(forms::HasStyle(form, WS_THICKFRAME));

    const bool symbols = forms::FontFamilyExists("Wingdings");
    const UiFontExpected uiFont;
    // Names as the system's code page has them: Japanese on 932, Cyrillic on
    // 1251, accented letters on 1252.
    const testing::CodePageNames& names = testing::NamesOfThisCodePage();
    const std::wstring namesText = WideFromAnsi(names.word + names.name + names.trail);
    for (const Expected& control : Design()) {
        SCOPED_TRACE("control " + std::to_string(control.id));
        HWND child = GetDlgItem(form, control.id);
        ASSERT_NE(child, nullptr);
        EXPECT_STRCASEEQ(forms::ClassOf(child).c_str(), control.windowClass);
        if (control.text) {
            EXPECT_EQ(forms::TextOf(child), control.text);
        }

        int originLeft = 0, originTop = 0;
        if (control.group) {
            const auto group =
                std::find_if(Design().begin(), Design().end(),
                             [&](const Expected& e) { return e.id == control.group; });
            originLeft = group->left;
            originTop = group->top;
        }
        const RECT expected = forms::Scaled(dpi, originLeft, originTop, control.left, control.top,
                                            control.width, control.height);
        const RECT actual = BoundsOf(child);
        // The font of a double-byte system may widen a caption at 96 dpi too;
        // a label that grew into the field after it on its row moves it right,
        // and the field keeps its right edge.
        const bool designed = dpi.Value() == Dpi::kDesign && !uiFont.doubleByte;
        const HWND before =
            &control == Design().data() ? nullptr : GetDlgItem(form, (&control - 1)->id);
        const RECT label = before ? forms::PlaceOf(before) : RECT{};
        const bool madeRoom = !designed && forms::ClassOf(before) == "Static" &&
                              label.right > expected.left && actual.left > label.right &&
                              actual.left <= label.right + dpi.Scale(8) &&
                              actual.right == expected.right && actual.top == expected.top &&
                              actual.bottom == expected.bottom;
        if (designed || (!forms::HoldsCaption(child) && !madeRoom)) {
            EXPECT_EQ(forms::Describe(actual), forms::Describe(expected));
        } else if (madeRoom) {
            EXPECT_GT(actual.right - actual.left, (expected.right - expected.left) / 2)
                << "the field after a label is left too narrow";
        } else {
            // A caption's control may grow from its scaled place, never shrink.
            RECT both{};
            UnionRect(&both, &actual, &expected);
            EXPECT_TRUE(EqualRect(&both, &actual))
                << forms::Describe(actual) << " does not hold " << forms::Describe(expected);
        }
        EXPECT_EQ(forms::HasStyle(child, WS_TABSTOP), control.tabStop);
        EXPECT_EQ(forms::HasStyle(child, WS_VISIBLE), control.visible);

        if (forms::HoldsCaption(child)) {
            EXPECT_TRUE(forms::CaptionFits(child))
                << forms::TextOf(child) << " is cut short at " << dpi.Value() << " dpi";
        }
        // A label shows whole as drawn, and no field covers it.
        if (forms::HoldsCaption(child) && forms::ClassOf(child) == "Static") {
            const auto [shown, whole] = forms::CaptionInk(child);
            EXPECT_EQ(shown, whole) << forms::TextOf(child) << " is drawn cut short";
            for (HWND other = GetWindow(form, GW_CHILD); other;
                 other = GetWindow(other, GW_HWNDNEXT)) {
                RECT overlap{};
                const RECT place = forms::PlaceOf(other);
                if (forms::ClassOf(other) != "Static" && !forms::HasStyle(other, BS_GROUPBOX) &&
                    IntersectRect(&overlap, &actual, &place))
                    ADD_FAILURE() << forms::TextOf(child) << " is covered by control "
                                  << GetDlgCtrlID(other);
            }
        }
        if (forms::ClassOf(child) == "ScrollBar") continue; // a scroll bar has no font
        LOGFONTA font{};
        const auto handle = reinterpret_cast<HFONT>(SendMessageA(child, WM_GETFONT, 0, 0));
        GetObjectA(handle, sizeof(font), &font);
        const bool symbol = symbols && (control.id == MainId::btnOdWads ||
                                        control.id == MainId::sbUp || control.id == MainId::sbDown);
        EXPECT_STREQ(font.lfFaceName, symbol ? "Wingdings" : uiFont.face.c_str());
        if (!symbol) {
            EXPECT_EQ(font.lfHeight, -dpi.Scale(uiFont.height));
            EXPECT_TRUE(DrawsEveryCharacter(handle, namesText)) << "boxes for the system's names";
        }
    }
    EXPECT_EQ(forms::TextOf(GetDlgItem(form, MainId::btnOdWads)), symbols ? "1" : "");
    EXPECT_EQ(forms::TextOf(GetDlgItem(form, MainId::sbUp)), symbols ? "\xE9" : "");

    const std::vector<int> tabOrder = forms::TabOrderOf(form);
    EXPECT_EQ(tabOrder, kTabOrder);
}

// At 96 dpi exactly as designed; at larger scales each caption also fits the
// font the system gave for it.
TEST_F(MainWindowTest, HasTheDesignedLayoutAndEveryCaptionFitsAt96120And144Dpi) {
    for (const int dotsPerInch : {96, 120, 144}) {
        SCOPED_TRACE(std::to_string(dotsPerInch) + " dpi");
        TfrmMain frmMain(app, platform, folders, dialogs, Dpi(dotsPerInch));
        ExpectDesignedLayout(frmMain, Dpi(dotsPerInch));
    }
}

// A glyph's first image as its button draws it, on a background of one colour:
// how many of its pixels match a test.
template <class PixelTest> int GlyphPixels(HWND button, COLORREF background, PixelTest test) {
    BUTTON_IMAGELIST images{};
    SendMessageA(button, BCM_GETIMAGELIST, 0, reinterpret_cast<LPARAM>(&images));
    int width = 0, height = 0;
    if (!images.himl || !ImageList_GetIconSize(images.himl, &width, &height)) return -1;
    BITMAPINFO format{};
    format.bmiHeader = {sizeof format.bmiHeader, width, -height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    void* bits = nullptr;
    HBITMAP canvas = CreateDIBSection(nullptr, &format, DIB_RGB_COLORS, &bits, nullptr, 0);
    HDC dc = CreateCompatibleDC(nullptr);
    const HGDIOBJ previous = SelectObject(dc, canvas);
    HBRUSH brush = CreateSolidBrush(background);
    const RECT all{0, 0, width, height};
    FillRect(dc, &all, brush);
    ImageList_Draw(images.himl, 0, dc, 0, 0, ILD_TRANSPARENT);
    GdiFlush();
    int count = 0;
    for (int i = 0; i < width * height; ++i) {
        const DWORD pixel = static_cast<const DWORD*>(bits)[i];
        if (test(int((pixel >> 16) & 0xFF), int((pixel >> 8) & 0xFF), int(pixel & 0xFF))) ++count;
    }
    SelectObject(dc, previous);
    DeleteObject(brush);
    DeleteDC(dc);
    DeleteObject(canvas);
    return count;
}

// Scaled, a glyph shows none of its transparent magenta (a smoothing stretch
// blends it into the edges); the arrows, drawn where "Wingdings" is missing,
// take the button text colour and so show on a black button face too.
TEST_F(MainWindowTest, GlyphsScaleWithoutTheirTransparentColourAndShowOnAnyFace) {
    const auto magenta = [](int r, int g, int b) { return r > g + 64 && b > g + 64; };
    // The folder and the arrows are glyphs only where "Wingdings" is missing.
    std::vector<int> glyphButtons{MainId::btnRun, MainId::btnSave, MainId::btnReset,
                                  MainId::btnExit};
    if (!forms::FontFamilyExists("Wingdings"))
        glyphButtons.insert(glyphButtons.end(), {MainId::sbUp, MainId::btnOdWads});
    for (const int dotsPerInch : {96, 120, 144, 192}) {
        TfrmMain frmMain(app, platform, folders, dialogs, Dpi(dotsPerInch));
        for (const int id : glyphButtons)
            EXPECT_EQ(GlyphPixels(GetDlgItem(frmMain.Handle(), id), RGB(255, 255, 255), magenta), 0)
                << "magenta pixels in glyph " << id << " at " << dotsPerInch << " dpi";
    }
    if (forms::FontFamilyExists("Wingdings")) GTEST_SKIP() << "the arrows are font characters";

    const int elements[] = {COLOR_BTNFACE, COLOR_BTNTEXT};
    const COLORREF earlier[] = {GetSysColor(COLOR_BTNFACE), GetSysColor(COLOR_BTNTEXT)};
    const COLORREF highContrast[] = {RGB(0, 0, 0), RGB(255, 255, 255)};
    SetSysColors(2, elements, highContrast);
    {
        TfrmMain frmMain(app, platform, folders, dialogs, Dpi(144));
        const auto white = [](int r, int g, int b) { return r == 255 && g == 255 && b == 255; };
        for (const int id : {MainId::sbUp, MainId::sbDown})
            EXPECT_GT(GlyphPixels(GetDlgItem(frmMain.Handle(), id), RGB(0, 0, 0), white), 20)
                << "the arrow of " << id << " does not show on a black face";
    }
    SetSysColors(2, elements, earlier);
}

// The controls whose caption is a symbol, or whose label by the system's rule
// (the static text just before it in z-order) is another control's, name
// themselves; their captions stay as they are.
TEST_F(MainWindowTest, ControlsWithoutTheirOwnLabelTellScreenReadersTheirNames) {
    ASSERT_TRUE(SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)));
    {
        TfrmMain frmMain(app, platform, folders, dialogs, Dpi(96));
        const std::pair<int, const char*> names[] = {
            {MainId::lbPwads, "Files to load, in order"},
            {MainId::btnOdWads, "Select files to use"},
            {MainId::sbUp, "Move the selected file up"},
            {MainId::sbDown, "Move the selected file down"},
            {MainId::sbRecord, "Record a demo..."},
            {MainId::sbDemo, "Select a demo to play"},
            {MainId::sbSave, "Load a saved game"},
            {MainId::sbAircontrol, "AirControl"},
            {MainId::sbTeamDamage, "FriendlyFire"},
            {MainId::sbDup, "Network traffic factor"},
        };
        for (const auto& [id, name] : names)
            EXPECT_EQ(forms::AccessibleNameOf(GetDlgItem(frmMain.Handle(), id)), name) << id;
        EXPECT_EQ(forms::TextOf(GetDlgItem(frmMain.Handle(), MainId::sbRecord)), "...");
    }
    CoUninitialize();
}

TEST_F(MainWindowTest, StartsWithTheDefaultsAndTheDesignedLimits) {
    SetCurrentDirectoryA("C:\\windows");
    TfrmMain frmMain(app, platform, folders, dialogs, Dpi(96));
    EXPECT_STRCASEEQ(folders.StartDir.c_str(), "C:\\windows");
    EXPECT_EQ(frmMain.Settings(), LaunchSettings{});

    EXPECT_EQ(frmMain.cbIWAD.Items(), std::vector<std::string>{"Custom..."});
    EXPECT_EQ(frmMain.cbIWAD.SelectedIndex(), -1);
    EXPECT_EQ(frmMain.cbPWADS.Count(), 0);
    EXPECT_EQ(frmMain.cbPWADS.Text(), "");
    EXPECT_EQ(frmMain.lbPwads.Count(), 0);
    EXPECT_EQ(frmMain.lbPwads.SelectedIndex(), -1);
    EXPECT_EQ(frmMain.cbTeam.SelectedIndex(), -1);
    EXPECT_EQ(frmMain.cbTeam.Text(), "");
    EXPECT_EQ(frmMain.cbTeam.Count(), 9);
    EXPECT_EQ(frmMain.cbSource.Items(),
              (std::vector<std::string>{"GZDoom", "ZDoom", "SkullTag", "Custom..."}));
    EXPECT_EQ(frmMain.cbMaxplayers.Count(), 9);
    EXPECT_EQ(frmMain.cbSkill.Item(4), "4: Nightmare!");

    // The gravity takes 20 characters and no more; the spin fields 9.
    frmMain.edtGravity.Focus();
    SendMessageA(frmMain.edtGravity.Handle(), EM_SETSEL, 6, 6);
    for (int i = 0; i < 25; ++i)
        SendMessageA(frmMain.edtGravity.Handle(), WM_CHAR, '7', 0);
    EXPECT_EQ(frmMain.edtGravity.Text(), "800.0077777777777777");
    EXPECT_EQ(frmMain.edtGravity.MaxLength(), 20);
    frmMain.seFraglimit.SetText("");
    frmMain.seFraglimit.Focus();
    for (int i = 0; i < 12; ++i)
        SendMessageA(frmMain.seFraglimit.Handle(), WM_CHAR, '9', 0);
    EXPECT_EQ(frmMain.seFraglimit.Text(), "999999999");
    EXPECT_EQ(frmMain.seFraglimit.Value(), 999999999);
    SendMessageA(frmMain.seFraglimit.Handle(), WM_KEYDOWN, VK_UP, 0);
    EXPECT_EQ(frmMain.seFraglimit.Value(), 999999999);
    EXPECT_EQ(SendMessageA(frmMain.seTimelimit.Handle(), EM_GETLIMITTEXT, 0, 0), 9);
    frmMain.seTimelimit.SetText("soon");
    EXPECT_EQ(frmMain.seTimelimit.Value(), 0);

    // The network traffic factor: 1 at the top by "Full", 9 at the bottom by "Min".
    EXPECT_EQ(frmMain.sbDup.Min(), 1);
    EXPECT_EQ(frmMain.sbDup.Max(), 9);
    EXPECT_EQ(frmMain.sbDup.Position(), 1);
    frmMain.sbDup.Focus();
    SendMessageA(frmMain.sbDup.Handle(), WM_KEYDOWN, VK_END, 0);
    EXPECT_EQ(frmMain.sbDup.Position(), 9);
    SendMessageA(frmMain.sbDup.Handle(), WM_KEYDOWN, VK_HOME, 0);
    EXPECT_EQ(frmMain.sbDup.Position(), 1);
    SCROLLINFO range{};
    range.cbSize = sizeof(range);
    range.fMask = SIF_ALL;
    GetScrollInfo(frmMain.sbDup.Handle(), SB_CTL, &range);
    EXPECT_EQ(range.nPage, 0u);
    EXPECT_EQ(range.nPos, 1);

    // The sliders' values follow them, also to their right ends. The air
    // control's value grows and shrinks with its text; the friendly fire's
    // keeps its size, made for "100" in whatever face the system gave.
    frmMain.sbAircontrol.Focus();
    SendMessageA(frmMain.sbAircontrol.Handle(), WM_KEYDOWN, VK_END, 0);
    EXPECT_EQ(frmMain.stAircontrol.Text(), "256");
    EXPECT_TRUE(forms::CaptionFits(frmMain.stAircontrol.Handle()));
    SendMessageA(frmMain.sbAircontrol.Handle(), WM_KEYDOWN, VK_HOME, 0);
    EXPECT_EQ(frmMain.stAircontrol.Text(), "0");
    // As designed; on a double-byte system, in its font, as large as the text.
    const bool designed = !UiFontExpected().doubleByte;
    if (designed) {
        EXPECT_EQ(forms::Describe(forms::PlaceOf(frmMain.stAircontrol.Handle())), "186,259 10x17");
    }
    EXPECT_TRUE(forms::CaptionFits(frmMain.stAircontrol.Handle()));
    frmMain.sbTeamDamage.Focus();
    SendMessageA(frmMain.sbTeamDamage.Handle(), WM_KEYDOWN, VK_END, 0);
    EXPECT_EQ(frmMain.stTeamDamage.Text(), "100");
    EXPECT_TRUE(forms::CaptionFits(frmMain.stTeamDamage.Handle()));
    // A wider face widens it to the left: the "%" after it stays clear.
    EXPECT_EQ(forms::PlaceOf(frmMain.stTeamDamage.Handle()).right, 184 + 21);
    if (designed) {
        EXPECT_EQ(forms::Describe(forms::PlaceOf(frmMain.stTeamDamage.Handle())), "184,296 21x13");
    }
    SendMessageA(frmMain.sbTeamDamage.Handle(), WM_KEYDOWN, VK_LEFT, 0);
    EXPECT_EQ(frmMain.stTeamDamage.Text(), "99");
}

TEST_F(MainWindowTest, ShowsAndReadsBackASettingsRecord) {
    TfrmMain frmMain(app, platform, folders, dialogs, Dpi(96));
    LaunchSettings settings;
    settings.sourcePort = 3;
    settings.customExecutable = "C:\\ports\\my port.exe";
    settings.skill = 4;
    settings.players = 0;
    settings.playerClass = "Cleric";
    settings.startMap = "MAP07";
    settings.team = 7;
    settings.recordDemo = "run.lmp";
    settings.playDemo = "C:\\demos\\old.lmp";
    settings.fastDemo = true;
    settings.parameters = "-nomusic -width 640";
    settings.iwad = "Custom...";
    settings.customIwad = "C:\\wads\\freedoom.wad";
    settings.files = {"maps.wad", "C:\\x\\sounds.pk3", "maps.wad"};
    settings.loadGame = "save0.zds";
    settings.gravity = "low";
    settings.airControl = 200;
    settings.friendlyFire = 50;
    settings.deathmatch = true;
    settings.teamplay = true;
    settings.peerToPeer = true;
    settings.backupPackets = true;
    settings.localPort = "5030";
    settings.remoteHost = "192.168.0.2";
    settings.fragLimit = 20;
    settings.timeLimit = 15;
    settings.networkDup = 7;

    frmMain.ShowSettings(settings);
    EXPECT_EQ(frmMain.Settings(), settings);
    EXPECT_EQ(frmMain.stAircontrol.Text(), "200");
    EXPECT_EQ(frmMain.stTeamDamage.Text(), "50");
    EXPECT_EQ(frmMain.cbTeam.Text(), "Purple");
    EXPECT_EQ(frmMain.seFraglimit.Text(), "20");
    EXPECT_EQ(frmMain.sdRecord.FileName(), "run.lmp");
    EXPECT_EQ(frmMain.odDemo.FileName(), "C:\\demos\\old.lmp");
    EXPECT_EQ(frmMain.odSave.FileName(), "save0.zds");
    // Setting the lists from code opened no file dialog.
    EXPECT_TRUE(prompts->fileRequests.empty());
    // A typed file is read from its field, not from the dialog that starts at it.
    for (forms::Edit* field : {&frmMain.edtDemo, &frmMain.edtPlay, &frmMain.edtSave})
        field->SetText("typed");
    const LaunchSettings typed = frmMain.Settings();
    EXPECT_EQ((std::vector{typed.recordDemo, typed.playDemo, typed.loadGame}),
              std::vector<std::string>(3, "typed"));

    // An IWAD title that the list does not hold leaves nothing selected.
    settings.iwad = "DOOM 2: Hell on Earth";
    frmMain.ShowSettings(settings);
    EXPECT_EQ(frmMain.cbIWAD.SelectedIndex(), -1);
    EXPECT_EQ(frmMain.Settings().iwad, "");

    frmMain.ShowSettings(LaunchSettings{});
    EXPECT_EQ(frmMain.Settings(), LaunchSettings{});
    EXPECT_EQ(frmMain.stAircontrol.Text(), "1");
}

} // namespace
} // namespace tarnwick
