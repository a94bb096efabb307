// Reader actions that answer without a window: the question's answer and what
// the WAD directory dialog would do are set by the test beforehand.
#pragma once

#include "GameDataLists.h"
#include "LaunchFolders.h"
#include "Platform.h"
#include "ReaderActions.h"

#include <string>
#include <vector>

namespace tarnwick::testing {

class ScriptedReaderActions : public ReaderActions {
  public:
    ScriptedReaderActions(Platform& platform, LaunchFolders& folders)
        : platform_(platform), folders_(folders) {}

    WadDirAnswer answer = WadDirAnswer::No;
    std::string folderChosenInDialog; // the WAD directory the dialog's OK sets

    std::vector<std::string> questions;
    std::vector<std::string> lostCharacterMessages; // in UTF-8
    std::vector<IwadList> iwadLists;
    std::vector<std::vector<std::string>> candidateLists;
    int dialogsShown = 0;

    void ShowIwads(const IwadList& list) override { iwadLists.push_back(list); }
    void ShowResourceCandidates(const std::vector<std::string>& names) override {
        candidateLists.push_back(names);
    }
    WadDirAnswer AskForNewWadDir(const std::string& message) override {
        questions.push_back(message);
        return answer;
    }
    // As the dialog's OK does: sets the directory and the variable, rescans.
    void ShowWadDirDialog() override {
        ++dialogsShown;
        folders_.WadDir = folderChosenInDialog;
        platform_.SetEnvironment("DOOMWADDIR", folders_.WadDir);
        RescanGameData(platform_, *this, folders_);
    }
    void TellLostCharacters(const std::string& utf8Message) override {
        lostCharacterMessages.push_back(utf8Message);
    }
    std::string SelectedIwad() override {
        if (iwadLists.empty()) return {};
        const IwadList& list = iwadLists.back();
        return list.titles[static_cast<std::size_t>(list.selected)];
    }

  private:
    Platform& platform_;
    LaunchFolders& folders_;
};

} // namespace tarnwick::testing
