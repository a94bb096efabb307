// Feeds arbitrary bytes to the reader as the three launch files. The reader
// may raise only its two errors; it must never crash, hang, read out of
// bounds, or leave a field outside its range.
//
// Input: one control byte, then the batch file, the response file and the
// console script, separated by the line "----" (LF before and after).
//   bits 0-1: the answer to the missing-IWAD question (Yes, No, none)
//   bits 2-3: the file that cannot be read (none, batch, response, script)
//   bit 4:    whether doom2.wad and maps.wad exist
//   bit 5:    a double-byte ANSI code page (Japanese 932) instead of a
//             single-byte one

#include "DoubleByteCodePage.h"
#include "LaunchErrors.h"
#include "LaunchFileNames.h"
#include "LaunchReader.h"
#include "MemoryPlatform.h"
#include "SettingsTables.h"

#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

namespace tarnwick {
namespace {

class FuzzActions : public ReaderActions {
  public:
    FuzzActions(WadDirAnswer answer, LaunchFolders& folders) : answer_(answer), folders_(folders) {}

    void ShowIwads(const IwadList& list) override {
        if (list.titles.empty() || list.selected < 0 ||
            static_cast<std::size_t>(list.selected) >= list.titles.size())
            std::abort();
        selected_ = list.titles[static_cast<std::size_t>(list.selected)];
    }
    void ShowResourceCandidates(const std::vector<std::string>&) override {}
    WadDirAnswer AskForNewWadDir(const std::string& message) override {
        if (message.empty()) std::abort();
        return answer_;
    }
    void ShowWadDirDialog() override { folders_.WadDir = "C:\\CHOSEN"; }
    void TellLostCharacters(const std::string& utf8Message) override {
        if (utf8Message.empty()) std::abort();
    }
    std::string SelectedIwad() override { return selected_; }

  private:
    WadDirAnswer answer_;
    LaunchFolders& folders_;
    std::string selected_;
};

bool InRange(int value, int low, int high) { return value >= low && value <= high; }

void CheckRanges(const LaunchSettings& s) {
    const bool valid =
        InRange(s.sourcePort, 0, static_cast<int>(kSourcePorts.size()) - 1) &&
        InRange(s.skill, kNoSelection, static_cast<int>(kSkillCaptions.size()) - 1) &&
        InRange(s.players, kNoSelection, static_cast<int>(kPlayerCaptions.size()) - 1) &&
        InRange(s.team, kNoSelection, static_cast<int>(kTeamCaptions.size()) - 1) &&
        InRange(s.airControl, 0, kAirControlMax) && InRange(s.friendlyFire, 0, kFriendlyFireMax) &&
        InRange(s.fragLimit, 0, kLimitMax) && InRange(s.timeLimit, 0, kLimitMax) &&
        InRange(s.networkDup, kDupMin, kDupMax);
    if (!valid) std::abort();
}

std::string_view TakePart(std::string_view& input) {
    constexpr std::string_view kSeparator = "\n----\n";
    const std::size_t end = input.find(kSeparator);
    const std::string_view part = input.substr(0, end);
    input =
        end == std::string_view::npos ? std::string_view() : input.substr(end + kSeparator.size());
    return part;
}

} // namespace
} // namespace tarnwick

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace tarnwick;
    if (size == 0) return 0;
    const std::uint8_t control = data[0];
    std::string_view input(reinterpret_cast<const char*>(data + 1), size - 1);

    MemoryPlatform platform;
    const std::string names[] = {std::string(kBatchFileName), std::string(kResponseFileName),
                                 std::string(kConsoleScriptName)};
    for (const std::string& name : names)
        platform.files[name] = std::string(TakePart(input));
    if (const int unreadable = (control >> 2) & 3; unreadable != 0)
        platform.unreadable.insert(names[unreadable - 1]);
    if ((control & 0x10) != 0) {
        platform.files["doom2.wad"] = "IWAD";
        platform.files["maps.wad"] = "PWAD";
    }
    if ((control & 0x20) != 0) platform.codePage = testing::JapaneseCodePage();

    const WadDirAnswer answers[] = {WadDirAnswer::Yes, WadDirAnswer::No, WadDirAnswer::None,
                                    WadDirAnswer::None};
    LaunchFolders folders{"C:\\WADS", platform.currentDirectory};
    FuzzActions actions(answers[control & 3], folders);
    LaunchSettings settings;
    try {
        ReadLaunchFiles(platform, actions, settings, folders);
    } catch (const IoError&) {
    } catch (const ConversionError&) {
    }
    CheckRanges(settings);
    return 0;
}
