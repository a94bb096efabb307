// The main window, one row per control (ControlTable.h), in the order of
// creation, which is the tab order; each file dialog stands below the control
// whose file it picks. Included once per use, so without an include guard.
// binding: Unbound, the member of LaunchSettings that the control shows, or
// StartsAt(member) for a file dialog that starts at the value of a field that
// holds it. The group boxes are as tall as their rows (forms::RowsPlus), the
// ones side by side as the tallest of them; the window as its group boxes and
// 5 pixels more (MainLayout.h).
//
// clang-format off
//      kind         name            parent     binding                                place                                 the arguments after the place (or the owner)
CONTROL(GroupBox,    gbGeneral,      *this,     Unbound,                               (4, 4, 353, forms::RowsPlus{7}),      "General")
CONTROL(Label,       lbSource,       gbGeneral, Unbound,                               (12, 24, 59, 13),                     "Source Port:")
CONTROL(ComboBox,    cbSource,       gbGeneral, &LaunchSettings::sourcePort,           (92, 20, 249, 22),                    ComboKind::DropDownList, kListItemHeight, kSourceCaptions)
DIALOG( FileDialog,  odExecutable,   *this,     &LaunchSettings::customExecutable,                                           OpenOne("Select a custom executable", kExecutableFilter, "exe", "."))
CONTROL(Label,       lbSkill,        gbGeneral, Unbound,                               (12, 48, 47, 13),                     "Skill level:")
CONTROL(ComboBox,    cbSkill,        gbGeneral, &LaunchSettings::skill,                (92, 43, 249, 22),                    ComboKind::DropDownList, kListItemHeight, kSkillCaptions)
CONTROL(Label,       lbPlayers,      gbGeneral, Unbound,                               (12, 72, 37, 13),                     "Players:")
CONTROL(ComboBox,    cbMaxplayers,   gbGeneral, &LaunchSettings::players,              (92, 68, 89, 22),                     ComboKind::DropDownList, kListItemHeight, kPlayerCaptions)
CONTROL(Label,       lbPlayerclass,  gbGeneral, Unbound,                               (188, 72, 59, 13),                    LabelOf<fields::kPlayerClass>)
CONTROL(Edit,        edtPlayerClass, gbGeneral, &LaunchSettings::playerClass,          (252, 68, 85, 21))
CONTROL(Label,       lbWarp,         gbGeneral, Unbound,                               (12, 96, 63, 13),                     LabelOf<fields::kStartMap>)
CONTROL(Edit,        edtMap,         gbGeneral, &LaunchSettings::startMap,             (92, 92, 89, 21))
CONTROL(Label,       lbTeam,         gbGeneral, Unbound,                               (188, 96, 30, 13),                    "Team:")
CONTROL(ComboBox,    cbTeam,         gbGeneral, &LaunchSettings::team,                 (252, 92, 85, 22),                    ComboKind::DropDownList, kListItemHeight, kTeamCaptions)
CONTROL(Label,       lbDemo,         gbGeneral, Unbound,                               (12, 120, 69, 13),                    LabelOf<fields::kRecordDemo>)
CONTROL(Edit,        edtDemo,        gbGeneral, &LaunchSettings::recordDemo,           (92, 116, 221, 21))
CONTROL(SpeedButton, sbRecord,       gbGeneral, Unbound,                               (316, 116, 23, 22),                   "...")
DIALOG( FileDialog,  sdRecord,       *this,     StartsAt(&LaunchSettings::recordDemo),                                       {true, kRecordDemoTitle, "All files (*.*)|*.*", "", ".", false, false, ""})
CONTROL(Label,       lbPlay,         gbGeneral, Unbound,                               (12, 144, 54, 13),                    LabelOf<fields::kPlayDemo>)
CONTROL(Edit,        edtPlay,        gbGeneral, &LaunchSettings::playDemo,             (92, 140, 169, 21))
CONTROL(CheckBox,    cbFast,         gbGeneral, &LaunchSettings::fastDemo,             (268, 140, 41, 17),                   "Fast")
CONTROL(SpeedButton, sbDemo,         gbGeneral, Unbound,                               (316, 140, 23, 21),                   "...")
DIALOG( FileDialog,  odDemo,         *this,     StartsAt(&LaunchSettings::playDemo),                                         OpenOne(kPlayDemoTitle, kDemoFilter, "lmp", "."))
CONTROL(Label,       lbParams,       gbGeneral, Unbound,                               (12, 168, 56, 13),                    LabelOf<fields::kParameters>)
CONTROL(Edit,        edtParams,      gbGeneral, &LaunchSettings::parameters,           (92, 164, 249, 21))

CONTROL(GroupBox,    gbFiles,        *this,     Unbound,                               (360, 4, 357, forms::RowsPlus{7}),    "Files")
CONTROL(Label,       lbIWAD,         gbFiles,   Unbound,                               (16, 24, 32, 13),                     "IWAD:")
// An IWAD by its title: one that the list does not offer leaves nothing selected.
CONTROL(ComboBox,    cbIWAD,         gbFiles,   &LaunchSettings::iwad,                 (76, 20, 269, 22),                    ComboKind::DropDownList, kListItemHeight, kIwadItems)
DIALOG( FileDialog,  odIWAD,         *this,     &LaunchSettings::customIwad,                                                 OpenOne("Select a custom IWAD", kWadFilter, "wad", "%DOOMWADDIR%"))
CONTROL(Label,       lblPWADS,       gbFiles,   Unbound,                               (16, 52, 24, 13),                     LabelOf<fields::kFiles>)
// Sorted from the start: it is empty until the resource scan fills it.
CONTROL(ComboBox,    cbPWADS,        gbFiles,   Unbound,                               (76, 48, 201, 21),                    ComboKind::Editable, kEditableItemHeight, {}, Sorting::Sorted)
CONTROL(Button,      btnPwads,       gbFiles,   Unbound,                               (284, 48, 61, 21),                    "Add")
CONTROL(Button,      btnOdWads,      gbFiles,   Unbound,                               (16, 80, 53, 25),                     kOpenFolderSymbol)
DIALOG( FileDialog,  odPWAD,         *this,     Unbound,                                                                     {false, kAddFilesTitle, kResourceFilter, "wad", "%DOOMWADDIR%", true, true, ""})
CONTROL(Button,      btnWaddir,      gbFiles,   Unbound,                               (16, 108, 53, 25),                    "WADDIR")
CONTROL(Button,      btnClrPwads,    gbFiles,   Unbound,                               (16, 136, 53, 21),                    "Clear")
CONTROL(ListBox,     lbPwads,        gbFiles,   &LaunchSettings::files,                (76, 80, 201, 77),                    kEditableItemHeight)
CONTROL(Button,      btnRmWAD,       gbFiles,   Unbound,                               (284, 80, 61, 21),                    "Remove")
CONTROL(SpeedButton, sbUp,           gbFiles,   Unbound,                               (284, 108, 61, 22),                   kUpArrowSymbol)
CONTROL(SpeedButton, sbDown,         gbFiles,   Unbound,                               (284, 132, 61, 22),                   kDownArrowSymbol)
CONTROL(Label,       lbLoadGame,     gbFiles,   Unbound,                               (12, 168, 58, 13),                    LabelOf<fields::kLoadGame>)
CONTROL(Edit,        edtSave,        gbFiles,   &LaunchSettings::loadGame,             (76, 164, 241, 21))
CONTROL(SpeedButton, sbSave,         gbFiles,   Unbound,                               (324, 164, 23, 22),                   "...")
DIALOG( FileDialog,  odSave,         *this,     StartsAt(&LaunchSettings::loadGame),                                         OpenOne(kLoadGameTitle, kSaveFilter, "zds", "."))

CONTROL(GroupBox,    gbOptions,      *this,     Unbound,                               (8, 200, 217, forms::RowsPlus{16}),   "Gameplay")
CONTROL(Label,       lbGravity,      gbOptions, Unbound,                               (8, 24, 36, 13),                      LabelOf<fields::kGravity>)
CONTROL(Edit,        edtGravity,     gbOptions, &LaunchSettings::gravity,              (52, 20, 153, 21),                    "", kGravityMaxLength)
CONTROL(Label,       lbAircontrol,   gbOptions, Unbound,                               (8, 44, 48, 13),                      LabelOf<kAirControl>)
CONTROL(ScrollBar,   sbAircontrol,   gbOptions, &LaunchSettings::airControl,           (8, 60, 165, 13),                     Orientation::Horizontal, {0, kAirControlMax, 0, 1, 1})
CONTROL(StaticText,  stAircontrol,   gbOptions, Unbound,                               (178, 59, 10, 17),                    "0", Sizing::ToText)
CONTROL(Label,       lbTeamdamage,   gbOptions, Unbound,                               (8, 80, 56, 13),                      LabelOf<kFriendlyFire>)
CONTROL(ScrollBar,   sbTeamDamage,   gbOptions, &LaunchSettings::friendlyFire,         (8, 96, 165, 13),                     Orientation::Horizontal, {0, kFriendlyFireMax, 0, 1, 1})
CONTROL(StaticText,  stTeamDamage,   gbOptions, Unbound,                               (176, 96, 21, 13),                    "0", Sizing::Fixed, "100")
CONTROL(Label,       lbPercent,      gbOptions, Unbound,                               (196, 96, 8, 13),                     "%")
CONTROL(Button,      btnEDMF,        gbOptions, Unbound,                               (8, 124, 197, 25),                    "Configure DMFLAGS")

CONTROL(GroupBox,    gbMulti,        *this,     Unbound,                               (228, 200, 285, forms::RowsPlus{16}), "Multiplayer")
CONTROL(CheckBox,    cbDeathmatch,   gbMulti,   &LaunchSettings::deathmatch,           (12, 20, 125, 17),                    "DeathMatch")
CONTROL(CheckBox,    cbTeamplay,     gbMulti,   &LaunchSettings::teamplay,             (12, 36, 125, 17),                    "Teamplay")
CONTROL(CheckBox,    cbp2p,          gbMulti,   &LaunchSettings::peerToPeer,           (12, 52, 125, 17),                    "Peer-to-peer")
CONTROL(CheckBox,    cbBackup,       gbMulti,   &LaunchSettings::backupPackets,        (12, 68, 125, 17),                    "Backup packets")
CONTROL(Label,       lbUDP,          gbMulti,   Unbound,                               (12, 96, 51, 13),                     LabelOf<fields::kLocalPort>)
CONTROL(Edit,        edtUDP,         gbMulti,   &LaunchSettings::localPort,            (80, 92, 61, 21))
CONTROL(Label,       lbRemote,       gbMulti,   Unbound,                               (12, 132, 63, 13),                    LabelOf<fields::kRemoteHost>)
CONTROL(Edit,        edtRemote,      gbMulti,   &LaunchSettings::remoteHost,           (80, 128, 129, 21))
CONTROL(Label,       lbFraglimit,    gbMulti,   Unbound,                               (160, 20, 45, 13),                    "FragLimit:")
CONTROL(SpinEdit,    seFraglimit,    gbMulti,   &LaunchSettings::fragLimit,            (224, 16, 53, 22),                    {0, kLimitMax, 5, kLimitMaxLength})
CONTROL(Label,       lbTimelimit,    gbMulti,   Unbound,                               (160, 48, 47, 13),                    "TimeLimit:")
CONTROL(SpinEdit,    seTimelimit,    gbMulti,   &LaunchSettings::timeLimit,            (224, 44, 53, 22),                    {0, kLimitMax, 3, kLimitMaxLength})
CONTROL(Label,       Label1,         gbMulti,   Unbound,                               (176, 76, 45, 41),                    kNetworkTrafficFactor, Wrap::Words)
CONTROL(Label,       Label4,         gbMulti,   Unbound,                               (232, 72, 16, 13),                    "Full")
CONTROL(ScrollBar,   sbDup,          gbMulti,   &LaunchSettings::networkDup,           (256, 72, 17, 73),                    Orientation::Vertical, {kDupMin, kDupMax, kDupMin, 1, 1})
CONTROL(Label,       Label5,         gbMulti,   Unbound,                               (232, 132, 17, 13),                   "Min")

CONTROL(GroupBox,    gbControl,      *this,     Unbound,                               (516, 200, 201, forms::RowsPlus{16}), "Control")
CONTROL(GlyphButton, btnRun,         gbControl, Unbound,                               (16, 36, 81, 37),                     "Run", kRunGlyph)
CONTROL(GlyphButton, btnSave,        gbControl, Unbound,                               (108, 36, 81, 37),                    "Save", kSaveGlyph)
CONTROL(GlyphButton, btnReset,       gbControl, Unbound,                               (16, 96, 81, 37),                     "Reset", kResetGlyph)
CONTROL(CloseButton, btnExit,        gbControl, Unbound,                               (108, 96, 81, 37),                    "Exit")

// Below the client area and never shown: the start-up sequence clicks it.
CONTROL(GlyphButton, btnLoad,        *this,     Unbound,                               (12, 396, 109, 37),                   "Load", kLoadGlyph)
// clang-format on

#undef CONTROL
#undef DIALOG
