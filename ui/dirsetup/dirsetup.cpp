#include "dirsetup.h"

#include "Application.h"
#include "StockGlyphs.h"

#include "GameDataLists.h"
#include "GameFolderSearch.h"
#include "LaunchErrors.h"
#include "LaunchFolders.h"
#include "PathRules.h"
#include "Platform.h"

namespace tarnwick {
namespace {

// The folders of the drop-down list, one line of the dialog font each.
constexpr int kFolderItemHeight = 13;

} // namespace

TfrmDirSetup::TfrmDirSetup(forms::Application& application, Platform& platform,
                           GameDataLists& lists, LaunchFolders& folders)
    : Form(application, {"Directory Setup", kLayout.clientWidth, kLayout.clientHeight,
                         forms::FrameKind::Dialog}),
      platform_(platform), lists_(lists), folders_(folders),
      browser_(application, [this] { return Handle(); })
#define CONTROL TARNWICK_CONTROL_MADE
#include "DirSetupForm.def.h"
{
    btnChWadDir.onClick = [this] { btnChWadDirClick(); };
    btnOk.onClick = [this] { btnOkClick(); };
    btnOk.SetModalResult(forms::ModalResult::Ok);
    btnCancel.onClick = [this] { btnCancelClick(); };
    btnCancel.SetModalResult(forms::ModalResult::Cancel);
    SetDefaultButton(btnOk);
    SetCancelButton(btnCancel);
    onActivate = [this] { FormActivate(); };
    FormCreate();
}

void TfrmDirSetup::FormCreate() {
    browser_.SetFlags({vesk::TBrowseInfoFlags::OnlyFileSystem, vesk::TBrowseInfoFlags::ShowPath});
}

void TfrmDirSetup::Offer(std::string_view folder) { offered_.assign(folder); }

void TfrmDirSetup::FormActivate() {
    // Looked for at each showing, over the named folders only: a game
    // installed meanwhile is offered too.
    const std::vector<std::string> found = FindGameFolders(platform_, folders_.StartDir);
    leWADDIR.SetItems(found);
    leWADDIR.WidenListToItems(); // a path is shown whole
    // Each showing starts from the stored directory: what was typed and not
    // confirmed last time is gone. Without one, the folder offered (the
    // saved set's) or else the one with the most games is one Enter away,
    // and typing replaces it.
    std::string offered;
    offered.swap(offered_);
    if (folders_.WadDir.empty() && (!offered.empty() || !found.empty())) {
        leWADDIR.SetText(offered.empty() ? found.front() : offered);
        leWADDIR.SelectAllText();
    } else {
        leWADDIR.SetText(folders_.WadDir);
    }
    browser_.SetFolder(folders_.WadDir);
}

namespace {

// A folder that the scans and the ports could not use is refused out loud;
// the dialog stays open with it.
void RefuseUnusableFolder(const AnsiCodePage& codePage, const std::string& folder) {
    if (const std::optional<std::string> problem = FolderProblem(codePage, "The folder", folder))
        throw UnusablePathError(*problem);
}

} // namespace

void TfrmDirSetup::btnChWadDirClick() {
    if (!browser_.Execute()) return;
    RefuseUnusableFolder(platform_.CodePage(), browser_.Folder());
    leWADDIR.SetText(browser_.Folder());
}

void TfrmDirSetup::btnOkClick() {
    // Taken as typed: an empty text or a missing folder is accepted; text
    // that this program cannot hold is not.
    if (const std::optional<std::string> typed = leWADDIR.TextBeyondCodePage())
        throw LostCharactersRefusal(platform_.CodePage(), "The folder", leWADDIR.Text(), *typed,
                                    "");
    RefuseUnusableFolder(platform_.CodePage(), leWADDIR.Text());
    SetWadDir(platform_, lists_, folders_, leWADDIR.Text());
}

void TfrmDirSetup::btnCancelClick() { RescanIwads(platform_, lists_, folders_); }

} // namespace tarnwick
