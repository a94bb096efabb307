// The main window: every choice of LaunchSettings as a control, the four
// command buttons and the hidden Load button, and the six file dialogs, all
// said once in its table (MainForm.def.h).
#pragma once

#include "LaunchFolders.h"
#include "LaunchSettings.h"
#include "MainControlIds.h"
#include "MainDialogs.h"
#include "MainLayout.h"
#include "Platform.h"
#include "ReaderActions.h"

#include "Button.h"
#include "CheckBox.h"
#include "CloseButton.h"
#include "ComboBox.h"
#include "ControlTable.h"
#include "Edit.h"
#include "FileDialog.h"
#include "Form.h"
#include "GlyphButton.h"
#include "GroupBox.h"
#include "Label.h"
#include "ListBox.h"
#include "ScrollBar.h"
#include "SpeedButton.h"
#include "SpinEdit.h"
#include "StaticText.h"

namespace tarnwick {

class TfrmMain : public forms::Form, public ReaderActions {
  public:
    // platform, folders and dialogs are the program's; creating the window
    // sets folders.StartDir.
    TfrmMain(forms::Application& application, Platform& platform, LaunchFolders& folders,
             MainDialogs& dialogs, forms::Dpi dpi = forms::Dpi::OfScreen());

    // The window shows a LaunchSettings: these move one into the controls
    // (and the dialogs that hold the custom paths) and read it back.
    void ShowSettings(const LaunchSettings& settings);
    LaunchSettings Settings() const;

    // What reading the launch files back and the WAD directory dialog need
    // from this window.
    WadDirAnswer AskForNewWadDir(const std::string& message) override;
    void ShowWadDirDialog() override;
    void TellLostCharacters(const std::string& utf8Message) override;
    std::string SelectedIwad() override;
    void ShowIwads(const IwadList& list) override;
    void ShowResourceCandidates(const std::vector<std::string>& names) override;

  private:
    using Id = MainId;
    static constexpr const auto& kLayout = kMainLayout;

    void BindHandlers();
    void FormCreate();
    void FormActivate();
    void btnWaddirClick();
    void cbIWADChange();
    bool cbPWADSKeyDown(WORD key);
    void btnPwadsClick();
    void btnOdWadsClick();
    void btnClrPwadsClick();
    void btnRmWADClick();
    bool lbPwadsKeyDown(WORD key);
    void lbPwadsFilesDropped(const std::vector<std::string>& paths);
    void sbUpClick();
    void sbDownClick();
    void sbRecordClick();
    void sbDemoClick();
    void sbSaveClick();
    void cbSourceChange();
    void cbTeamChange();
    void sbAircontrolChange();
    void sbTeamDamageChange();
    void btnEDMFClick();
    void btnSaveClick();
    void btnRunClick();
    void btnResetClick();
    void btnLoadClick();
    void miLaunchCommandClick();

    // The start-up's words about the start folder: what a save cut short
    // left, or that the folder cannot be named.
    void CompleteWhatASaveLeft();
    void TellUnusableStartFolder();
    // Raises UnusableTextError, naming the field, for a field whose text has
    // characters that the ANSI code page lacks (typed or pasted). after:
    // what was not done.
    void RefuseTextBeyondCodePage(std::string_view after) const;

    // Adds the files that can be used; raises UnusablePathError naming the
    // others, after the rest are in.
    void AddFiles(const std::vector<std::string>& paths);
    // Before a Save where the window does not show the saved set (the
    // start could not complete a change cut short, or read the files):
    // true when it may be replaced by what the window shows.
    bool MayReplaceUnshownSet();
    // Runs a single-choice file dialog: true when a usable file was chosen. A
    // path that cannot be used raises UnusablePathError, and the dialog
    // keeps the file it had before.
    bool ChooseFile(forms::FileDialog& dialog, std::string_view what);

    Platform& platform_;
    LaunchFolders& folders_;
    MainDialogs& dialogs_;
    std::vector<std::string> offeredCandidates_; // what cbPWADS holds
    bool wadDirConfirmedAtStart_ = false;        // in the dialog the start showed
    bool recovered_ = false; // the last look completed what a change cut short left
    bool setShown_ = false;  // and Load read the saved set into the window
    bool wrote_ = false;     // the last Save wrote the launch files

    // Symbol fonts for the folder and arrow buttons, where "Wingdings" exists.
    forms::Font wingdingsLarge_;
    forms::Font wingdingsSmall_;

  public:
    // The controls and file dialogs, as the window's table has them.
#define CONTROL TARNWICK_FORM_MEMBER
#define DIALOG TARNWICK_DIALOG_MEMBER
#include "MainForm.def.h"
};

} // namespace tarnwick
