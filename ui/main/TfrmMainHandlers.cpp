// What the main window does: the start-up sequence, editing the resource
// list, the file pickers, and the buttons that act on the launch files.
#include "TfrmMain.h"

#include "AnsiText.h"
#include "Application.h"
#include "FieldNames.h"
#include "GameDataLists.h"
#include "IwadCatalogue.h"
#include "LaunchCommand.h"
#include "LaunchErrors.h"
#include "LaunchReader.h"
#include "LaunchStart.h"
#include "LaunchWriter.h"
#include "PathRules.h"
#include "SettingsTables.h"
#include "ShownValue.h"
#include "UserPrompts.h"

namespace tarnwick {
namespace {

constexpr WORD kEnterKey = VK_RETURN;
constexpr WORD kDeleteKey = VK_DELETE;

bool Held(int modifierKey) { return GetKeyState(modifierKey) < 0; }

// The keys that open a field's drop-down in Windows, F4 and Alt+Down, open
// the dialog of a field's "..." button; Alt+F4 stays the window's.
bool OpensDialog(WORD key) {
    return (key == VK_F4 && !Held(VK_MENU)) || (key == VK_DOWN && Held(VK_MENU));
}

// Runs an action when the scope ends, also when an error ends it.
template <class Action> class AtScopeEnd {
  public:
    explicit AtScopeEnd(Action action) : action_(std::move(action)) {}
    AtScopeEnd(const AtScopeEnd&) = delete;
    AtScopeEnd& operator=(const AtScopeEnd&) = delete;
    ~AtScopeEnd() noexcept(false) {
        // Leaving because of an error: that error is the one to report.
        if (std::uncaught_exceptions() > exceptions_) {
            try {
                action_();
            } catch (...) {
            }
        } else {
            action_();
        }
    }

  private:
    Action action_;
    int exceptions_ = std::uncaught_exceptions();
};

} // namespace

void TfrmMain::BindHandlers() {
    onActivate = [this] { FormActivate(); };
    btnWaddir.onClick = [this] { btnWaddirClick(); };
    cbIWAD.onChange = [this] { cbIWADChange(); };
    cbPWADS.onKeyDown = [this](WORD key) { return cbPWADSKeyDown(key); };
    btnPwads.onClick = [this] { btnPwadsClick(); };
    btnOdWads.onClick = [this] { btnOdWadsClick(); };
    btnClrPwads.onClick = [this] { btnClrPwadsClick(); };
    btnRmWAD.onClick = [this] { btnRmWADClick(); };
    lbPwads.onKeyDown = [this](WORD key) { return lbPwadsKeyDown(key); };
    lbPwads.onFilesDropped = [this](const std::vector<std::string>& paths) {
        lbPwadsFilesDropped(paths);
    };
    lbPwads.AcceptDroppedFiles();
    sbUp.onClick = [this] { sbUpClick(); };
    sbDown.onClick = [this] { sbDownClick(); };
    sbRecord.onClick = [this] { sbRecordClick(); };
    sbDemo.onClick = [this] { sbDemoClick(); };
    sbSave.onClick = [this] { sbSaveClick(); };
    // The "..." buttons take no focus, so their fields open them by key.
    for (auto [field, button] : {std::pair{&edtDemo, &sbRecord}, std::pair{&edtPlay, &sbDemo},
                                 std::pair{&edtSave, &sbSave}}) {
        field->onKeyDown = [button](WORD key) {
            if (!OpensDialog(key)) return false;
            button->Click();
            return true;
        };
    }
    cbSource.onChange = [this] { cbSourceChange(); };
    cbTeam.onChange = [this] { cbTeamChange(); };
    sbAircontrol.onChange = [this] { sbAircontrolChange(); };
    sbTeamDamage.onChange = [this] { sbTeamDamageChange(); };
    btnEDMF.onClick = [this] { btnEDMFClick(); };
    btnSave.onClick = [this] { btnSaveClick(); };
    btnRun.onClick = [this] { btnRunClick(); };
    btnReset.onClick = [this] { btnResetClick(); };
    btnLoad.onClick = [this] { btnLoadClick(); };
}

void TfrmMain::FormCreate() { folders_.StartDir = platform_.CurrentDirectory(); }

// Raised once, when the window is first shown and active: the form raises its
// activation once per showing, and the main window is shown once.
void TfrmMain::FormActivate() {
    // The launch files live in the start folder: one that this program
    // cannot name is said once, and neither read nor written.
    const bool startFolderUsable = !HasLostCharacter(folders_.StartDir);
    if (!startFolderUsable) TellUnusableStartFolder();
    // What a save cut short left is settled before anything reads the set.
    // Where that fails, the box says so and the start goes on without the
    // set, which Save then does not write over unseen.
    const auto settle = [this] {
        CompleteWhatASaveLeft();
        return true;
    };
    const bool settled = startFolderUsable && App().Guarded(settle, false);
    folders_.WadDir = ReadWadDirFromEnvironment(platform_);
    const std::optional<std::string> problem = FolderProblem(
        platform_.CodePage(), std::string(fields::kTheWadDirectory) += " that DOOMWADDIR gives,",
        folders_.WadDir);
    if (problem) App().Prompts().ShowMessage(Handle(), *problem, "Warning", MB_OK | MB_ICONWARNING);
    if (!folders_.WadDir.empty() && !problem) {
        RescanIwads(platform_, *this, folders_);
    } else {
        // Its OK and Cancel rescan. The saved set's folder is offered first;
        // one that the person confirms stands after Load.
        const std::string saved = settled ? ReadSavedWadDir(platform_).value_or("") : std::string();
        wadDirConfirmedAtStart_ = dialogs_.ShowDirSetup(saved);
    }
    RescanResourceCandidates(platform_, *this, folders_);
    if (settled) btnLoad.Click();
    cbSource.Focus();
}

void TfrmMain::CompleteWhatASaveLeft() {
    // A save or a Reset cut short is completed or undone before the files are
    // read; where that decided which set stands, the user hears it once.
    const Recovered recovered = RecoverLaunchFiles(platform_, folders_.StartDir);
    recovered_ = true;
    const bool decided = recovered.recovery == Recovery::NewSetKept ||
                         recovered.recovery == Recovery::EarlierSetKept;
    if (!recovered.words.empty())
        App().Prompts().ShowMessage(Handle(), recovered.words, App().Title(),
                                    MB_OK | (decided ? MB_ICONINFORMATION : MB_ICONWARNING));
}

void TfrmMain::TellUnusableStartFolder() {
    // Not long-path aware, the process's folder is shorter than MAX_PATH.
    wchar_t folder[MAX_PATH] = L"";
    GetCurrentDirectoryW(MAX_PATH, folder);
    bool lost = false;
    const std::string utf8 = NarrowTo(folder, CP_UTF8, lost);
    constexpr std::string_view before =
        "Tarnwick was started in a folder whose name holds characters that the system's code "
        "page for programs that are not Unicode lacks:";
    constexpr std::string_view after =
        "It cannot name that folder, so it neither reads nor saves its launch files there: the "
        "window starts with the defaults, and Save and Run refuse. Everything else works. To "
        "keep your choices, start Tarnwick in a folder whose name has letters of that code "
        "page only (for a shortcut, its \"Start in\" folder).";
    App().Prompts().ShowUtf8Message(Handle(),
                                    ShowingValue(AnsiCodePage::Utf8(), before, utf8, after),
                                    "Warning", MB_OK | MB_ICONWARNING);
}

void TfrmMain::btnWaddirClick() { dialogs_.ShowDirSetup({}); }

void TfrmMain::cbIWADChange() {
    if (SelectedIwad() == kCustomIwadTitle) ChooseFile(odIWAD, fields::kTheCustomIwad);
}

bool TfrmMain::cbPWADSKeyDown(WORD key) {
    if (key == kEnterKey) btnPwads.Click();
    return false;
}

void TfrmMain::btnPwadsClick() {
    const std::string name = cbPWADS.Text();
    if (const std::optional<std::string> typed = cbPWADS.TextBeyondCodePage())
        throw LostCharactersRefusal(platform_.CodePage(), "The file", name, *typed,
                                    "\nIt was not added.");
    if (HasLostCharacter(name))
        throw UnusablePathError(*FilePathProblem(platform_.CodePage(), "The file", name));
    if (FileInStartOrWadDir(platform_, folders_, name)) {
        lbPwads.Add(name);
    } else if (!name.empty()) {
        // Where the path is too long the system cannot look: say so rather
        // than pass over it.
        if (const std::optional<std::string> problem =
                FilePathProblem(platform_.CodePage(), "The file in the WAD directory",
                                InFolder(platform_.CodePage(), folders_.WadDir, name)))
            throw UnusablePathError(*problem);
    }
    // No item stays selected. Clearing the selection also empties the field,
    // which is right for a picked item; text typed by hand must stay.
    const int picked = cbPWADS.SelectedIndex();
    const bool typed = picked < 0 || cbPWADS.Item(picked) != name;
    cbPWADS.SetSelectedIndex(-1);
    if (typed) cbPWADS.SetText(name);
}

void TfrmMain::btnOdWadsClick() {
    if (odPWAD.Execute()) AddFiles(odPWAD.Files());
}

void TfrmMain::btnClrPwadsClick() {
    lbPwads.Clear();
    cbPWADS.SetText("");
}

void TfrmMain::btnRmWADClick() {
    const int selected = lbPwads.SelectedIndex();
    if (selected < 0) return;
    lbPwads.Remove(selected);
    lbPwads.SetSelectedIndex(-1);
}

bool TfrmMain::lbPwadsKeyDown(WORD key) {
    if (key == kDeleteKey) btnRmWADClick();
    // The up and down buttons take no focus: Ctrl with an arrow does what
    // they do, and the list does not move its selection as well.
    if (!Held(VK_CONTROL) || Held(VK_MENU)) return false;
    if (key == VK_UP) sbUpClick();
    if (key == VK_DOWN) sbDownClick();
    return key == VK_UP || key == VK_DOWN;
}

void TfrmMain::lbPwadsFilesDropped(const std::vector<std::string>& paths) { AddFiles(paths); }

void TfrmMain::AddFiles(const std::vector<std::string>& paths) {
    constexpr int kShownAtMost = 3; // a box for a drop of hundreds still fits the screen
    std::string refused;
    int count = 0;
    for (const std::string& path : paths) {
        const std::optional<std::string> problem =
            FilePathProblem(platform_.CodePage(), "The file", path);
        if (!problem) {
            lbPwads.Add(path);
        } else if (++count <= kShownAtMost) {
            refused += (count > 1 ? "\n\n" : "") + *problem;
        }
    }
    if (count == 0) return;
    if (count > kShownAtMost)
        refused += "\n\n... and " + std::to_string(count - kShownAtMost) + " more such files.";
    throw UnusablePathError(refused +
                            (count == 1 ? "\nIt was not added." : "\nThey were not added."));
}

bool TfrmMain::ChooseFile(forms::FileDialog& dialog, std::string_view what) {
    const std::string earlier = dialog.FileName();
    if (!dialog.Execute()) return false;
    if (const std::optional<std::string> problem =
            FilePathProblem(platform_.CodePage(), what, dialog.FileName())) {
        dialog.SetFileName(earlier);
        throw UnusablePathError(*problem);
    }
    return true;
}

void TfrmMain::sbUpClick() {
    const int selected = lbPwads.SelectedIndex();
    if (selected <= 0) return;
    const std::string item = lbPwads.Item(selected);
    lbPwads.Remove(selected);
    lbPwads.Insert(selected - 1, item);
    lbPwads.SetSelectedIndex(selected - 1);
}

void TfrmMain::sbDownClick() {
    const int selected = lbPwads.SelectedIndex();
    if (selected < 0 || selected > lbPwads.Count() - 2) return;
    const std::string item = lbPwads.Item(selected);
    lbPwads.Remove(selected);
    lbPwads.Insert(selected + 1, item);
    lbPwads.SetSelectedIndex(selected + 1);
}

void TfrmMain::sbRecordClick() {
    if (ChooseFile(sdRecord, "The demo to record")) edtDemo.SetText(sdRecord.FileName());
}

void TfrmMain::sbDemoClick() {
    if (ChooseFile(odDemo, "The demo to play")) edtPlay.SetText(odDemo.FileName());
}

void TfrmMain::sbSaveClick() {
    if (ChooseFile(odSave, "The saved game")) edtSave.SetText(odSave.FileName());
}

void TfrmMain::cbSourceChange() {
    if (cbSource.SelectedIndex() == kCustomSourcePort)
        ChooseFile(odExecutable, fields::kTheCustomSourcePort);
}

void TfrmMain::cbTeamChange() {
    if (cbTeam.SelectedIndex() == kTeamNoneEntry) cbTeam.SetSelectedIndex(kNoSelection);
}

void TfrmMain::sbAircontrolChange() {
    stAircontrol.SetText(std::to_string(sbAircontrol.Position()));
}

void TfrmMain::sbTeamDamageChange() {
    stTeamDamage.SetText(std::to_string(sbTeamDamage.Position()));
}

void TfrmMain::btnEDMFClick() { dialogs_.ShowFlags(); }

void TfrmMain::RefuseTextBeyondCodePage(std::string_view after) const {
    static constexpr std::pair<forms::Edit TfrmMain::*, std::string_view> kNamed[] = {
        {&TfrmMain::edtPlayerClass, fields::kPlayerClass}, {&TfrmMain::edtMap, fields::kStartMap},
        {&TfrmMain::edtDemo, fields::kRecordDemo},         {&TfrmMain::edtPlay, fields::kPlayDemo},
        {&TfrmMain::edtParams, fields::kParameters},       {&TfrmMain::edtSave, fields::kLoadGame},
        {&TfrmMain::edtGravity, fields::kGravity},         {&TfrmMain::edtUDP, fields::kLocalPort},
        {&TfrmMain::edtRemote, fields::kRemoteHost},
    };
    for (const auto& [field, name] : kNamed)
        if (const std::optional<std::string> typed = (this->*field).TextBeyondCodePage())
            throw LostCharactersRefusal(platform_.CodePage(), fields::Field(name),
                                        (this->*field).Text(), *typed, after);
}

void TfrmMain::btnSaveClick() {
    wrote_ = false;
    RefuseTextBeyondCodePage("\nNothing was saved.");
    if (!setShown_ && !MayReplaceUnshownSet()) return;
    const std::string stays =
        WriteLaunchFiles(platform_, Settings(), folders_.WadDir, folders_.StartDir);
    wrote_ = setShown_ = true;
    if (!stays.empty())
        App().Prompts().ShowMessage(Handle(), stays, App().Title(), MB_OK | MB_ICONWARNING);
}

// What the window shows is not the saved set, and saving it would replace
// that set unseen. Once the set can be read it is shown instead, as at the
// start, and the person saves again; while it cannot be read, the person
// decides.
bool TfrmMain::MayReplaceUnshownSet() {
    // A start folder that the program cannot name holds no set it could
    // show: Save's own refusal of that folder says why.
    if (HasLostCharacter(folders_.StartDir)) return true;
    const LaunchSettings shown = Settings();
    const std::string wadDir = folders_.WadDir;
    try {
        LaunchSettings start; // what the window held when the start read the set
        start.iwad = SelectedIwad();
        ShowSettings(start);
        recovered_ = false;
        platform_.ChangeDirectory(folders_.StartDir); // a file dialog may have left another
        CompleteWhatASaveLeft();
        btnLoadClick();
    } catch (const ProgramError& error) {
        SetWadDir(platform_, *this, folders_, wadDir);
        ShowSettings(shown);
        if (!recovered_) throw; // nothing is saved over a change cut short
        return App().Prompts().ShowMessage(
                   Handle(),
                   "The saved launch files cannot be read, so the window does not show them:\n\n" +
                       std::string(error.what()) +
                       "\n\nReplace them with the settings the window shows?",
                   "Warning", MB_YESNO | MB_ICONWARNING | MB_DEFBUTTON2) == IDYES;
    }
    App().Prompts().ShowMessage(Handle(),
                                "The launch files could be read now: the window shows them instead "
                                "of the changes made since the start, which are not saved. Make "
                                "them again, then save.",
                                App().Title(), MB_OK | MB_ICONINFORMATION);
    return false;
}

void TfrmMain::btnRunClick() {
    // Nothing is saved or started for a value that Save refuses or a launch
    // that would start no game.
    const LaunchStart start = PlanRun(platform_, Settings(), folders_);
    btnSave.Click();     // an error here ends Run: nothing is started
    if (!wrote_) return; // Save showed the saved set again, or the person kept it
    StartLaunch(platform_, start, folders_);
    Close();
}

void TfrmMain::btnResetClick() {
    const std::string stays = DeleteLaunchFiles(platform_, folders_.StartDir);
    if (!stays.empty())
        App().Prompts().ShowMessage(Handle(), stays, App().Title(), MB_OK | MB_ICONWARNING);
    App().Terminate();
}

void TfrmMain::btnLoadClick() {
    setShown_ = false;
    LaunchSettings settings = Settings();
    // What was read before an error stays: the window shows it either way.
    const AtScopeEnd show([this, &settings] { ShowSettings(settings); });
    ReadLaunchFiles(platform_, *this, settings, folders_,
                    wadDirConfirmedAtStart_ ? StartWadDir::Confirmed : StartWadDir::FromSavedSet);
    setShown_ = true;
}

void TfrmMain::miLaunchCommandClick() {
    RefuseTextBeyondCodePage("");
    dialogs_.ShowLaunchCommand(DescribeLaunch(platform_, Settings(), folders_));
}

WadDirAnswer TfrmMain::AskForNewWadDir(const std::string& message) {
    forms::UserPrompts& prompts = App().Prompts();
    prompts.PlaySound(MB_ICONEXCLAMATION);
    switch (prompts.ShowMessage(Handle(), message, "Warning",
                                MB_YESNO | MB_ICONWARNING | MB_DEFBUTTON1)) {
    case IDYES:
        return WadDirAnswer::Yes;
    case IDNO:
        return WadDirAnswer::No;
    default:
        return WadDirAnswer::None;
    }
}

void TfrmMain::ShowWadDirDialog() { btnWaddir.Click(); }

void TfrmMain::TellLostCharacters(const std::string& utf8Message) {
    App().Prompts().ShowUtf8Message(Handle(), utf8Message, "Warning", MB_OK | MB_ICONWARNING);
}

std::string TfrmMain::SelectedIwad() {
    const int selected = cbIWAD.SelectedIndex();
    return selected < 0 ? std::string() : cbIWAD.Item(selected);
}

void TfrmMain::ShowIwads(const IwadList& list) {
    cbIWAD.SetItems(list.titles);
    cbIWAD.SetSelectedIndex(list.selected);
}

void TfrmMain::ShowResourceCandidates(const std::vector<std::string>& names) {
    // Load rescans right after the start-up's own scan; refilling a sorted
    // box with the same thousands of names would only cost time. The folders
    // are still listed afresh every time; only the box is left as it is.
    if (names != offeredCandidates_) {
        cbPWADS.SetItems(names); // the box keeps them sorted
        offeredCandidates_ = names;
    } else {
        cbPWADS.SetSelectedIndex(-1); // as a refill would leave it: no selection, no text
        cbPWADS.SetText("");
    }
}

} // namespace tarnwick
