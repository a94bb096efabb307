#include "AnsiText.h"
#include "Application.h"
#include "CodePageNames.h"
#include "LayoutProbe.h"
#include "MainControlIds.h"
#include "MainLayout.h"
#include "ScriptedDialogs.h"
#include "ScriptedPrompts.h"
#include "Win32Platform.h"
#include "TfrmMain.h"

#include <gtest/gtest.h>

#include <commctrl.h>

#include <map>
#include <string_view>
#include <vector>

namespace tarnwick {
namespace {

using forms::Dpi;

// Each row's identifier, by the name that the window's table gives it.
const std::map<std::string_view, int> kIdOf{
#define CONTROL(Kind, name, ...) {#name, MainId::name},
#define DIALOG(...)
#include "MainForm.def.h"
};

int IdOf(std::string_view name) { return kIdOf.at(name); }

// The places that the table does not say but works out from its rows, as
// designed: the group boxes' heights (and the client area's, checked below).
const std::pair<int, forms::Bounds> kDesignedGroupBoxes[] = {
    {MainId::gbGeneral, {4, 4, 353, 193}},     {MainId::gbFiles, {360, 4, 357, 193}},
    {MainId::gbOptions, {8, 200, 217, 165}},   {MainId::gbMulti, {228, 200, 285, 165}},
    {MainId::gbControl, {516, 200, 201, 165}},
};

// The captions made from other names (the launch files' field names, words
// that stand twice in the window), as designed.
const std::pair<int, const char*> kMadeCaptions[] = {
    {MainId::lbPlayerclass, "Player class:"},
    {MainId::lbWarp, "Start on map:"},
    {MainId::lbDemo, "Record Demo:"},
    {MainId::lbPlay, "Play Demo:"},
    {MainId::lbParams, "Parameters:"},
    {MainId::lblPWADS, "Files:"},
    {MainId::lbLoadGame, "Load Game:"},
    {MainId::lbGravity, "Gravity:"},
    {MainId::lbAircontrol, "AirControl:"},
    {MainId::lbTeamdamage, "FriendlyFire:"},
    {MainId::lbUDP, "Local Port:"},
    {MainId::lbRemote, "Remote host:"},
    {MainId::Label1, "Network traffic factor"},
};

// Labels, static texts and speed buttons never take the focus; Tab goes
// through the other controls in the table's order, but for the hidden Load
// button.
bool TabStop(const forms::TableRow& row) {
    return row.kind != "GroupBox" && row.kind != "Label" && row.kind != "StaticText" &&
           row.kind != "SpeedButton";
}
bool Hidden(const forms::TableRow& row) { return row.name == "btnLoad"; }

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
    for (const forms::TableRow& row : kMainLayout.rows) {
        SCOPED_TRACE(std::string(row.name));
        HWND child = GetDlgItem(form, IdOf(row.name));
        ASSERT_NE(child, nullptr);

        const forms::Bounds origin = kMainLayout.OriginOf(row);
        const RECT expected = forms::Scaled(dpi, origin.left, origin.top, row.place.left,
                                            row.place.top, row.place.width, row.place.height);
        const RECT actual = BoundsOf(child);
        // The font of a double-byte system may widen a caption at 96 dpi too;
        // a label that grew into the field after it on its row moves it right,
        // and the field keeps its right edge.
        const bool designed = dpi.Value() == Dpi::kDesign && !uiFont.doubleByte;
        const HWND before =
            &row == kMainLayout.rows.data() ? nullptr : GetDlgItem(form, IdOf((&row - 1)->name));
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
        EXPECT_EQ(forms::HasStyle(child, WS_TABSTOP), TabStop(row));
        EXPECT_EQ(forms::HasStyle(child, WS_VISIBLE), !Hidden(row));

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
        const bool symbol =
            symbols && (row.name == "btnOdWads" || row.name == "sbUp" || row.name == "sbDown");
        EXPECT_STREQ(font.lfFaceName, symbol ? "Wingdings" : uiFont.face.c_str());
        if (!symbol) {
            EXPECT_EQ(font.lfHeight, -dpi.Scale(uiFont.height));
            EXPECT_TRUE(DrawsEveryCharacter(handle, namesText)) << "boxes for the system's names";
        }
    }
    EXPECT_EQ(forms::TextOf(GetDlgItem(form, MainId::btnOdWads)), symbols ? "1" : "");
    EXPECT_EQ(forms::TextOf(GetDlgItem(form, MainId::sbUp)), symbols ? "\xE9" : "");

    for (const auto& [id, place] : kDesignedGroupBoxes) {
        EXPECT_EQ(forms::Describe(forms::PlaceOf(GetDlgItem(form, id))),
                  forms::Describe(
                      forms::Scaled(dpi, 0, 0, place.left, place.top, place.width, place.height)));
    }
    for (const auto& [id, caption] : kMadeCaptions)
        EXPECT_EQ(forms::TextOf(GetDlgItem(form, id)), caption);
    std::vector<int> tabOrder;
    for (const forms::TableRow& row : kMainLayout.rows)
        if (TabStop(row) && !Hidden(row)) tabOrder.push_back(IdOf(row.name));
    EXPECT_EQ(forms::TabOrderOf(form), tabOrder);
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
    SendMessageA(frmMain.edtGravity.Handle(), EM_SETSEL, 0, -1); // and pasting over it
    SendMessageA(frmMain.edtGravity.Handle(), EM_REPLACESEL, TRUE,
                 reinterpret_cast<LPARAM>("1234567890123456789012345"));
    EXPECT_EQ(frmMain.edtGravity.Text(), "12345678901234567890");
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
