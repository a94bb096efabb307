// The main window, one row per control (ControlTable.h), in the order of
// creation, which is the tab order; each file dialog stands below the control
// whose file it picks. Included once per use, so without an include guard.
// binding: Unbound, Field(member) of LaunchSettings, or StartsAt(member) for
// a file dialog that starts at the value of a field that holds it.
//
// clang-format off
//      kind          name            parent     binding                   the arguments after the id (or the owner)
CONTROL(GroupBox,     gbGeneral,      *this,     Unbound,                  "General", {4, 4, 353, 193})
CONTROL(Label,        lbSource,       gbGeneral, Unbound,                  "Source Port:", {12, 24, 59, 13})
CONTROL(ComboBox,     cbSource,       gbGeneral, Field(sourcePort),        {92, 20, 249, 22}, ComboKind::DropDownList, kListItemHeight, kSourceCaptions)
DIALOG(FileDialog,    odExecutable,   *this,     Field(customExecutable),  OpenOne("Select a custom executable", kExecutableFilter, "exe", "."))
CONTROL(Label,        lbSkill,        gbGeneral, Unbound,                  "Skill level:", {12, 48, 47, 13})
CONTROL(ComboBox,     cbSkill,        gbGeneral, Field(skill),             {92, 43, 249, 22}, ComboKind::DropDownList, kListItemHeight, kSkillCaptions)
CONTROL(Label,        lbPlayers,      gbGeneral, Unbound,                  "Players:", {12, 72, 37, 13})
CONTROL(ComboBox,     cbMaxplayers,   gbGeneral, Field(players),           {92, 68, 89, 22}, ComboKind::DropDownList, kListItemHeight, kPlayerCaptions)
CONTROL(Label,        lbPlayerclass,  gbGeneral, Unbound,                  LabelOf<fields::kPlayerClass>, {188, 72, 59, 13})
CONTROL(Edit,         edtPlayerClass, gbGeneral, Field(playerClass),       {252, 68, 85, 21})
CONTROL(Label,        lbWarp,         gbGeneral, Unbound,                  LabelOf<fields::kStartMap>, {12, 96, 63, 13})
CONTROL(Edit,         edtMap,         gbGeneral, Field(startMap),          {92, 92, 89, 21})
CONTROL(Label,        lbTeam,         gbGeneral, Unbound,                  "Team:", {188, 96, 30, 13})
CONTROL(ComboBox,     cbTeam,         gbGeneral, Field(team),              {252, 92, 85, 22}, ComboKind::DropDownList, kListItemHeight, kTeamCaptions)
CONTROL(Label,        lbDemo,         gbGeneral, Unbound,                  LabelOf<fields::kRecordDemo>, {12, 120, 69, 13})
CONTROL(Edit,         edtDemo,        gbGeneral, Field(recordDemo),        {92, 116, 221, 21})
CONTROL(SpeedButton,  sbRecord,       gbGeneral, Unbound,                  "...", {316, 116, 23, 22})
DIALOG(FileDialog,    sdRecord,       *this,     StartsAt(recordDemo),     {true, kRecordDemoTitle, "All files (*.*)|*.*", "", ".", false, false, ""})
CONTROL(Label,        lbPlay,         gbGeneral, Unbound,                  LabelOf<fields::kPlayDemo>, {12, 144, 54, 13})
CONTROL(Edit,         edtPlay,        gbGeneral, Field(playDemo),          {92, 140, 169, 21})
CONTROL(CheckBox,     cbFast,         gbGeneral, Field(fastDemo),          "Fast", {268, 140, 41, 17})
CONTROL(SpeedButton,  sbDemo,         gbGeneral, Unbound,                  "...", {316, 140, 23, 21})
DIALOG(FileDialog,    odDemo,         *this,     StartsAt(playDemo),       OpenOne(kPlayDemoTitle, kDemoFilter, "lmp", "."))
CONTROL(Label,        lbParams,       gbGeneral, Unbound,                  LabelOf<fields::kParameters>, {12, 168, 56, 13})
CONTROL(Edit,         edtParams,      gbGeneral, Field(parameters),        {92, 164, 249, 21})

CONTROL(GroupBox,     gbFiles,        *this,     Unbound,                  "Files", {360, 4, 357, 193})
CONTROL(Label,        lbIWAD,         gbFiles,   Unbound,                  "IWAD:", {16, 24, 32, 13})
// An IWAD by its title: one that the list does not offer leaves nothing selected.
CONTROL(ComboBox,     cbIWAD,         gbFiles,   Field(iwad),              {76, 20, 269, 22}, ComboKind::DropDownList, kListItemHeight, kIwadItems)
DIALOG(FileDialog,    odIWAD,         *this,     Field(customIwad),        OpenOne("Select a custom IWAD", kWadFilter, "wad", "%DOOMWADDIR%"))
CONTROL(Label,        lblPWADS,       gbFiles,   Unbound,                  LabelOf<fields::kFiles>, {16, 52, 24, 13})
// Sorted from the start: it is empty until the resource scan fills it.
CONTROL(ComboBox,     cbPWADS,        gbFiles,   Unbound,                  {76, 48, 201, 21}, ComboKind::Editable, kEditableItemHeight, {}, Sorting::Sorted)
CONTROL(Button,       btnPwads,       gbFiles,   Unbound,                  "Add", {284, 48, 61, 21})
CONTROL(Button,       btnOdWads,      gbFiles,   Unbound,                  kOpenFolderSymbol, {16, 80, 53, 25})
DIALOG(FileDialog,    odPWAD,         *this,     Unbound,                  {false, kAddFilesTitle, kResourceFilter, "wad", "%DOOMWADDIR%", true, true, ""})
CONTROL(Button,       btnWaddir,      gbFiles,   Unbound,                  "WADDIR", {16, 108, 53, 25})
CONTROL(Button,       btnClrPwads,    gbFiles,   Unbound,                  "Clear", {16, 136, 53, 21})
CONTROL(ListBox,      lbPwads,        gbFiles,   Field(files),             {76, 80, 201, 77}, kEditableItemHeight)
CONTROL(Button,       btnRmWAD,       gbFiles,   Unbound,                  "Remove", {284, 80, 61, 21})
CONTROL(SpeedButton,  sbUp,           gbFiles,   Unbound,                  kUpArrowSymbol, {284, 108, 61, 22})
CONTROL(SpeedButton,  sbDown,         gbFiles,   Unbound,                  kDownArrowSymbol, {284, 132, 61, 22})
CONTROL(Label,        lbLoadGame,     gbFiles,   Unbound,                  LabelOf<fields::kLoadGame>, {12, 168, 58, 13})
CONTROL(Edit,         edtSave,        gbFiles,   Field(loadGame),          {76, 164, 241, 21})
CONTROL(SpeedButton,  sbSave,         gbFiles,   Unbound,                  "...", {324, 164, 23, 22})
DIALOG(FileDialog,    odSave,         *this,     StartsAt(loadGame),       OpenOne(kLoadGameTitle, kSaveFilter, "zds", "."))

CONTROL(GroupBox,     gbOptions,      *this,     Unbound,                  "Gameplay", {8, 200, 217, 165})
CONTROL(Label,        lbGravity,      gbOptions, Unbound,                  LabelOf<fields::kGravity>, {8, 24, 36, 13})
CONTROL(Edit,         edtGravity,     gbOptions, Field(gravity),           {52, 20, 153, 21}, "", kGravityMaxLength)
CONTROL(Label,        lbAircontrol,   gbOptions, Unbound,                  LabelOf<kAirControl>, {8, 44, 48, 13})
CONTROL(ScrollBar,    sbAircontrol,   gbOptions, Field(airControl),        {8, 60, 165, 13}, Orientation::Horizontal, {0, kAirControlMax, 0, 1, 1})
CONTROL(StaticText,   stAircontrol,   gbOptions, Unbound,                  "0", {178, 59, 10, 17}, Sizing::ToText)
CONTROL(Label,        lbTeamdamage,   gbOptions, Unbound,                  LabelOf<kFriendlyFire>, {8, 80, 56, 13})
CONTROL(ScrollBar,    sbTeamDamage,   gbOptions, Field(friendlyFire),      {8, 96, 165, 13}, Orientation::Horizontal, {0, kFriendlyFireMax, 0, 1, 1})
CONTROL(StaticText,   stTeamDamage,   gbOptions, Unbound,                  "0", {176, 96, 21, 13}, Sizing::Fixed, "100")
CONTROL(Label,        lbPercent,      gbOptions, Unbound,                  "%", {196, 96, 8, 13})
CONTROL(Button,       btnEDMF,        gbOptions, Unbound,                  "Configure DMFLAGS", {8, 124, 197, 25})

CONTROL(GroupBox,     gbMulti,        *this,     Unbound,                  "Multiplayer", {228, 200, 285, 165})
CONTROL(CheckBox,     cbDeathmatch,   gbMulti,   Field(deathmatch),        "DeathMatch", {12, 20, 125, 17})
CONTROL(CheckBox,     cbTeamplay,     gbMulti,   Field(teamplay),          "Teamplay", {12, 36, 125, 17})
CONTROL(CheckBox,     cbp2p,          gbMulti,   Field(peerToPeer),        "Peer-to-peer", {12, 52, 125, 17})
CONTROL(CheckBox,     cbBackup,       gbMulti,   Field(backupPackets),     "Backup packets", {12, 68, 125, 17})
CONTROL(Label,        lbUDP,          gbMulti,   Unbound,                  LabelOf<fields::kLocalPort>, {12, 96, 51, 13})
CONTROL(Edit,         edtUDP,         gbMulti,   Field(localPort),         {80, 92, 61, 21})
CONTROL(Label,        lbRemote,       gbMulti,   Unbound,                  LabelOf<fields::kRemoteHost>, {12, 132, 63, 13})
CONTROL(Edit,         edtRemote,      gbMulti,   Field(remoteHost),        {80, 128, 129, 21})
CONTROL(Label,        lbFraglimit,    gbMulti,   Unbound,                  "FragLimit:", {160, 20, 45, 13})
CONTROL(SpinEdit,     seFraglimit,    gbMulti,   Field(fragLimit),         {224, 16, 53, 22}, {0, kLimitMax, 5, kLimitMaxLength})
CONTROL(Label,        lbTimelimit,    gbMulti,   Unbound,                  "TimeLimit:", {160, 48, 47, 13})
CONTROL(SpinEdit,     seTimelimit,    gbMulti,   Field(timeLimit),         {224, 44, 53, 22}, {0, kLimitMax, 3, kLimitMaxLength})
CONTROL(Label,        Label1,         gbMulti,   Unbound,                  kNetworkTrafficFactor, {176, 76, 45, 41}, Wrap::Words)
CONTROL(Label,        Label4,         gbMulti,   Unbound,                  "Full", {232, 72, 16, 13})
CONTROL(ScrollBar,    sbDup,          gbMulti,   Field(networkDup),        {256, 72, 17, 73}, Orientation::Vertical, {kDupMin, kDupMax, kDupMin, 1, 1})
CONTROL(Label,        Label5,         gbMulti,   Unbound,                  "Min", {232, 132, 17, 13})

CONTROL(GroupBox,     gbControl,      *this,     Unbound,                  "Control", {516, 200, 201, 165})
CONTROL(GlyphButton,  btnRun,         gbControl, Unbound,                  "Run", {16, 36, 81, 37}, kRunGlyph)
CONTROL(GlyphButton,  btnSave,        gbControl, Unbound,                  "Save", {108, 36, 81, 37}, kSaveGlyph)
CONTROL(GlyphButton,  btnReset,       gbControl, Unbound,                  "Reset", {16, 96, 81, 37}, kResetGlyph)
CONTROL(CloseButton,  btnExit,        gbControl, Unbound,                  "Exit", {108, 96, 81, 37})

// Below the client area and never shown: the start-up sequence clicks it.
CONTROL(GlyphButton,  btnLoad,        *this,     Unbound,                  "Load", {12, 396, 109, 37}, kLoadGlyph)
// clang-format on

#undef CONTROL
#undef DIALOG
