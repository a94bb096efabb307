// Reader actions that answer without a window: the question's answer and what
// the WAD directory dialog would do are set by the test beforehand.
#pragma once

#include "GameDataScan.h"
#include "Platform.h"
#include "ReaderActions.h"

#include <string>
#include <vector>

namespace tarnwick::testing {

class ScriptedReaderActions : public ReaderActions {
  public:
    ScriptedReaderActions(Platform& platform, std::string& wadDir, std::string startDir)
        : platform_(platform), wadDir_(wadDir), startDir_(std::move(startDir)) {}

    WadDirAnswer answer = WadDirAnswer::No;
    std::string folderChosenInDialog; // the WAD directory the dialog's OK sets

    std::vector<std::string> questions;
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
        wadDir_ = folderChosenInDialog;
        platform_.SetEnvironment("DOOMWADDIR", wadDir_);
        ShowIwads(ScanIwads(platform_, wadDir_));
        ShowResourceCandidates(ScanResourceCandidates(platform_, startDir_, wadDir_));
    }
    std::string SelectedIwad() override {
        if (iwadLists.empty()) return {};
        const IwadList& list = iwadLists.back();
        return list.titles[static_cast<std::size_t>(list.selected)];
    }

  private:
    Platform& platform_;
    std::string& wadDir_;
    std::string startDir_;
};

} // namespace tarnwick::testing
