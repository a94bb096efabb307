// TfrmDirSetup, the WAD directory dialog: shows the WAD directory, lets the
// person type it or pick it with the folder browser, and on OK stores it,
// publishes it as DOOMWADDIR and rescans the game data.
#pragma once

#include "Button.h"
#include "Edit.h"
#include "Form.h"
#include "GlyphButton.h"
#include "Label.h"
#include "VeskFolder.h"

#include <string>

namespace tarnwick {
class GameDataLists;
class Platform;
} // namespace tarnwick

namespace tarnwick::dirsetup {

class TfrmDirSetup : public forms::Form {
  public:
    // wadDir and startDir are the main window's; lists receives the rescans.
    TfrmDirSetup(forms::Application& application, Platform& platform, GameDataLists& lists,
                 std::string& wadDir, const std::string& startDir);

    vesk::TVeskFolderDialog& FolderBrowser() { return browser_; }

  private:
    void FormCreate();
    void FormActivate();
    void btnChWadDirClick();
    void btnOkClick();
    void btnCancelClick();

    Platform& platform_;
    GameDataLists& lists_;
    std::string& wadDir_;
    const std::string& startDir_;

    forms::Label lblWADDIR_;
    forms::Edit leWADDIR_;
    forms::Button btnChWadDir_;
    forms::GlyphButton btnOk_;
    forms::GlyphButton btnCancel_;
    vesk::TVeskFolderDialog browser_;
};

} // namespace tarnwick::dirsetup
