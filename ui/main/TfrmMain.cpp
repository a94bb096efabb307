#include "TfrmMain.h"

#include "IwadCatalogue.h"
#include "MainGlyphs.h"
#include "SettingsTables.h"

#include <array>
#include <string>

namespace tarnwick {
namespace {

using forms::ComboKind;
using forms::FileDialogRequest;
using forms::Orientation;
using forms::Sorting;
using forms::Wrap;

constexpr int kListItemHeight = 16;     // the drop-down lists
constexpr int kEditableItemHeight = 13; // the resource candidates and the file list

constexpr std::array<std::string_view, kSourcePorts.size()> kSourceCaptions = [] {
    std::array<std::string_view, kSourcePorts.size()> captions{};
    for (std::size_t i = 0; i < kSourcePorts.size(); ++i)
        captions[i] = kSourcePorts[i].caption;
    return captions;
}();
constexpr std::array<std::string_view, 1> kIwadItems{kCustomIwadTitle};

// In the "Wingdings" symbol font: an open folder, a heavy up and down arrow.
constexpr char kOpenFolderSymbol[] = "1";
constexpr char kUpArrowSymbol[] = "\xE9";
constexpr char kDownArrowSymbol[] = "\xEA";

constexpr char kWadFilter[] = "War Allocation Daemon files (*.wad)|*.wad|All files (*.*)|*.*";
constexpr char kResourceFilter[] =
    "Resource files (*.wad;*.pk3;*.deh;*.bex)|*.wad;*.pk3;*.deh;*.bex|WAD files "
    "(*.wad)|*.wad|PK3 files (*.pk3)|*.pk3|DehackEd patches (*.deh)|*.deh|Boom Extended "
    "patches (*.bex)|*.bex|All files (*.*)|*.*";
constexpr char kDemoFilter[] = "Demo files (*.lmp;*.cld)|*.lmp;*.cld|All files (*.*)|*.*";
constexpr char kExecutableFilter[] = "Win32 Executables (*.exe)|*.exe|Scripts "
                                     "(*.bat;*.cmd;*.sh)|*.bat;*.cmd;*.sh|All Files (*.*)|*.*";
constexpr char kSaveFilter[] = "ZDoom Savegames (*.zds)|*.zds|All Files (*.*)|*.*";

FileDialogRequest OpenOne(const char* title, const char* filter, const char* ext,
                          const char* folder) {
    return {false, title, filter, ext, folder, false, false, ""};
}

} // namespace

// clang-format off
TfrmMain::TfrmMain(forms::Application& application, Platform& platform, LaunchFolders& folders,
                   MainDialogs& dialogs, forms::Dpi dpi)
    : Form(application, {"Tarnwick Pro", 723, 370, forms::FrameKind::Single}, dpi),
      platform_(platform), folders_(folders), dialogs_(dialogs),
      wingdingsLarge_("Wingdings", dpi.Scale(20), SYMBOL_CHARSET),
      wingdingsSmall_("Wingdings", dpi.Scale(11), SYMBOL_CHARSET),

      gbGeneral(*this, Id::gbGeneral, "General", {4, 4, 353, 193}),
      lbSource(gbGeneral, Id::lbSource, "Source Port:", {12, 24, 59, 13}),
      cbSource(gbGeneral, Id::cbSource, {92, 20, 249, 22}, ComboKind::DropDownList, kListItemHeight, kSourceCaptions),
      lbSkill(gbGeneral, Id::lbSkill, "Skill level:", {12, 48, 47, 13}),
      cbSkill(gbGeneral, Id::cbSkill, {92, 43, 249, 22}, ComboKind::DropDownList, kListItemHeight, kSkillCaptions),
      lbPlayers(gbGeneral, Id::lbPlayers, "Players:", {12, 72, 37, 13}),
      cbMaxplayers(gbGeneral, Id::cbMaxplayers, {92, 68, 89, 22}, ComboKind::DropDownList, kListItemHeight, kPlayerCaptions),
      lbPlayerclass(gbGeneral, Id::lbPlayerclass, "Player class:", {188, 72, 59, 13}),
      edtPlayerClass(gbGeneral, Id::edtPlayerClass, {252, 68, 85, 21}),
      lbWarp(gbGeneral, Id::lbWarp, "Start on map:", {12, 96, 63, 13}),
      edtMap(gbGeneral, Id::edtMap, {92, 92, 89, 21}),
      lbTeam(gbGeneral, Id::lbTeam, "Team:", {188, 96, 30, 13}),
      cbTeam(gbGeneral, Id::cbTeam, {252, 92, 85, 22}, ComboKind::DropDownList, kListItemHeight, kTeamCaptions),
      lbDemo(gbGeneral, Id::lbDemo, "Record Demo:", {12, 120, 69, 13}),
      edtDemo(gbGeneral, Id::edtDemo, {92, 116, 221, 21}),
      sbRecord(gbGeneral, Id::sbRecord, "...", {316, 116, 23, 22}),
      lbPlay(gbGeneral, Id::lbPlay, "Play Demo:", {12, 144, 54, 13}),
      edtPlay(gbGeneral, Id::edtPlay, {92, 140, 169, 21}),
      cbFast(gbGeneral, Id::cbFast, "Fast", {268, 140, 41, 17}),
      sbDemo(gbGeneral, Id::sbDemo, "...", {316, 140, 23, 21}),
      lbParams(gbGeneral, Id::lbParams, "Parameters:", {12, 168, 56, 13}),
      edtParams(gbGeneral, Id::edtParams, {92, 164, 249, 21}),

      gbFiles(*this, Id::gbFiles, "Files", {360, 4, 357, 193}),
      lbIWAD(gbFiles, Id::lbIWAD, "IWAD:", {16, 24, 32, 13}),
      cbIWAD(gbFiles, Id::cbIWAD, {76, 20, 269, 22}, ComboKind::DropDownList, kListItemHeight, kIwadItems),
      lblPWADS(gbFiles, Id::lblPWADS, "Files:", {16, 52, 24, 13}),
      // Sorted from the start: it is empty until the resource scan fills it.
      cbPWADS(gbFiles, Id::cbPWADS, {76, 48, 201, 21}, ComboKind::Editable, kEditableItemHeight, {}, Sorting::Sorted),
      btnPwads(gbFiles, Id::btnPwads, "Add", {284, 48, 61, 21}),
      btnOdWads(gbFiles, Id::btnOdWads, kOpenFolderSymbol, {16, 80, 53, 25}),
      btnWaddir(gbFiles, Id::btnWaddir, "WADDIR", {16, 108, 53, 25}),
      btnClrPwads(gbFiles, Id::btnClrPwads, "Clear", {16, 136, 53, 21}),
      lbPwads(gbFiles, Id::lbPwads, {76, 80, 201, 77}, kEditableItemHeight),
      btnRmWAD(gbFiles, Id::btnRmWAD, "Remove", {284, 80, 61, 21}),
      sbUp(gbFiles, Id::sbUp, kUpArrowSymbol, {284, 108, 61, 22}),
      sbDown(gbFiles, Id::sbDown, kDownArrowSymbol, {284, 132, 61, 22}),
      lbLoadGame(gbFiles, Id::lbLoadGame, "Load Game:", {12, 168, 58, 13}),
      edtSave(gbFiles, Id::edtSave, {76, 164, 241, 21}),
      sbSave(gbFiles, Id::sbSave, "...", {324, 164, 23, 22}),

      gbOptions(*this, Id::gbOptions, "Gameplay", {8, 200, 217, 165}),
      lbGravity(gbOptions, Id::lbGravity, "Gravity:", {8, 24, 36, 13}),
      edtGravity(gbOptions, Id::edtGravity, {52, 20, 153, 21}, "", kGravityMaxLength),
      lbAircontrol(gbOptions, Id::lbAircontrol, "AirControl:", {8, 44, 48, 13}),
      sbAircontrol(gbOptions, Id::sbAircontrol, {8, 60, 165, 13}, Orientation::Horizontal, {0, kAirControlMax, 0, 1, 1}),
      stAircontrol(gbOptions, Id::stAircontrol, "0", {178, 59, 10, 17}, forms::Sizing::ToText),
      lbTeamdamage(gbOptions, Id::lbTeamdamage, "FriendlyFire:", {8, 80, 56, 13}),
      sbTeamDamage(gbOptions, Id::sbTeamDamage, {8, 96, 165, 13}, Orientation::Horizontal, {0, kFriendlyFireMax, 0, 1, 1}),
      stTeamDamage(gbOptions, Id::stTeamDamage, "0", {176, 96, 21, 13}),
      lbPercent(gbOptions, Id::lbPercent, "%", {196, 96, 8, 13}),
      btnEDMF(gbOptions, Id::btnEDMF, "Configure DMFLAGS", {8, 124, 197, 25}),

      gbMulti(*this, Id::gbMulti, "Multiplayer", {228, 200, 285, 165}),
      cbDeathmatch(gbMulti, Id::cbDeathmatch, "DeathMatch", {12, 20, 125, 17}),
      cbTeamplay(gbMulti, Id::cbTeamplay, "Teamplay", {12, 36, 125, 17}),
      cbp2p(gbMulti, Id::cbp2p, "Peer-to-peer", {12, 52, 125, 17}),
      cbBackup(gbMulti, Id::cbBackup, "Backup packets", {12, 68, 125, 17}),
      lbUDP(gbMulti, Id::lbUDP, "Local Port:", {12, 96, 51, 13}),
      edtUDP(gbMulti, Id::edtUDP, {80, 92, 61, 21}),
      lbRemote(gbMulti, Id::lbRemote, "Remote host:", {12, 132, 63, 13}),
      edtRemote(gbMulti, Id::edtRemote, {80, 128, 129, 21}),
      lbFraglimit(gbMulti, Id::lbFraglimit, "FragLimit:", {160, 20, 45, 13}),
      seFraglimit(gbMulti, Id::seFraglimit, {224, 16, 53, 22}, {0, kLimitMax, 5, kLimitMaxLength}),
      lbTimelimit(gbMulti, Id::lbTimelimit, "TimeLimit:", {160, 48, 47, 13}),
      seTimelimit(gbMulti, Id::seTimelimit, {224, 44, 53, 22}, {0, kLimitMax, 3, kLimitMaxLength}),
      Label1(gbMulti, Id::Label1, "Network traffic factor", {176, 76, 45, 41}, Wrap::Words),
      Label4(gbMulti, Id::Label4, "Full", {232, 72, 16, 13}),
      sbDup(gbMulti, Id::sbDup, {256, 72, 17, 73}, Orientation::Vertical, {kDupMin, kDupMax, kDupMin, 1, 1}),
      Label5(gbMulti, Id::Label5, "Min", {232, 132, 17, 13}),

      gbControl(*this, Id::gbControl, "Control", {516, 200, 201, 165}),
      btnRun(gbControl, Id::btnRun, "Run", {16, 36, 81, 37}, kRunGlyph),
      btnSave(gbControl, Id::btnSave, "Save", {108, 36, 81, 37}, kSaveGlyph),
      btnReset(gbControl, Id::btnReset, "Reset", {16, 96, 81, 37}, kResetGlyph),
      btnExit(gbControl, Id::btnExit, "Exit", {108, 96, 81, 37}),

      // Below the client area and never shown: the start-up sequence clicks it.
      btnLoad(*this, Id::btnLoad, "Load", {12, 396, 109, 37}, kLoadGlyph),

      odIWAD(*this, OpenOne("Select a custom IWAD", kWadFilter, "wad", "%DOOMWADDIR%")),
      odPWAD(*this, {false, "Select files to use", kResourceFilter, "wad", "%DOOMWADDIR%", true, true, ""}),
      odDemo(*this, OpenOne("Select a demo to play", kDemoFilter, "lmp", ".")),
      odExecutable(*this, OpenOne("Select a custom executable", kExecutableFilter, "exe", ".")),
      odSave(*this, OpenOne("Load a saved game", kSaveFilter, "zds", ".")),
      sdRecord(*this, {true, "Record a demo...", "All files (*.*)|*.*", "", ".", false, false, ""}) {
    // clang-format on
    btnLoad.SetVisible(false);

    if (forms::FontFamilyExists("Wingdings")) {
        btnOdWads.SetFont(wingdingsLarge_.Handle());
        sbUp.SetFont(wingdingsSmall_.Handle());
        sbDown.SetFont(wingdingsSmall_.Handle());
    } else {
        // Without the symbol font the characters would show as letters.
        btnOdWads.SetText("");
        sbUp.SetText("");
        sbDown.SetText("");
        btnOdWads.SetGlyph(kFolderGlyph);
        sbUp.SetGlyph(kUpGlyph);
        sbDown.SetGlyph(kDownGlyph);
    }

    // What a screen reader says for the controls whose caption is a symbol
    // or whose label, by the system's rule (the label just before it), is
    // another control's.
    lbPwads.SetAccessibleName("Files to load, in order");
    btnOdWads.SetAccessibleName("Select files to use");
    sbUp.SetAccessibleName("Move the selected file up");
    sbDown.SetAccessibleName("Move the selected file down");
    sbRecord.SetAccessibleName("Record a demo...");
    sbDemo.SetAccessibleName("Select a demo to play");
    sbSave.SetAccessibleName("Load a saved game");
    sbAircontrol.SetAccessibleName("AirControl");
    sbTeamDamage.SetAccessibleName("FriendlyFire");
    sbDup.SetAccessibleName("Network traffic factor");

    AddSystemMenuItem("&Launch command...", [this] { miLaunchCommandClick(); });
    BindHandlers();
    // The controls are made empty, their scroll bars at the low end; what the
    // choices start as is said once, by the default record. Shown after
    // BindHandlers, so that the values beside the scroll bars follow them.
    ShowSettings(LaunchSettings{});
    FormCreate();
}

} // namespace tarnwick
