// TfrmDirSetup, the WAD directory dialog: shows the WAD directory, lets the
// person type it, choose one of the folders that hold games, or pick it with
// the folder browser, and on OK stores it, publishes it as DOOMWADDIR and
// rescans the game data.
#pragma once

#include "DirSetupControlIds.h"
#include "DirSetupLayout.h"
#include "GameDataLists.h"
#include "LaunchFolders.h"
#include "Platform.h"

#include "Button.h"
#include "ComboBox.h"
#include "ControlTable.h"
#include "Form.h"
#include "GlyphButton.h"
#include "Label.h"
#include "VeskFolder.h"

namespace tarnwick {

class TfrmDirSetup : public forms::Form {
  public:
    // folders: the program's; OK changes its WAD directory. lists receives
    // the rescans.
    TfrmDirSetup(forms::Application& application, Platform& platform, GameDataLists& lists,
                 LaunchFolders& folders);

    vesk::TVeskFolderDialog& FolderBrowser() { return browser_; }
    // A folder for the field to offer at the next showing, where there is no
    // WAD directory yet: the saved set's, at a start.
    void Offer(std::string_view folder);

  private:
    using Id = DirSetupId;
    static constexpr const auto& kLayout = kDirSetupLayout;

    void FormCreate();
    void FormActivate();
    void btnChWadDirClick();
    void btnOkClick();
    void btnCancelClick();

    Platform& platform_;
    GameDataLists& lists_;
    LaunchFolders& folders_;
    vesk::TVeskFolderDialog browser_;
    std::string offered_;

  public:
    // The controls, as the dialog's table has them. leWADDIR is typed, or one
    // of the folders that hold games.
#define CONTROL TARNWICK_FORM_MEMBER
#include "DirSetupForm.def.h"
};

} // namespace tarnwick
