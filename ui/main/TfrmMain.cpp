#include "TfrmMain.h"

#include "FieldNames.h"
#include "IwadCatalogue.h"
#include "MainGlyphs.h"
#include "SettingsTables.h"

#include <array>
#include <string>

namespace tarnwick {
namespace {

using forms::ComboKind;
using forms::FileDialogRequest;
using forms::Orientation;
using forms::Sizing;
using forms::Sorting;
using forms::Wrap;

constexpr int kListItemHeight = 16;     // the drop-down lists
constexpr int kEditableItemHeight = 13; // the resource candidates and the file list

constexpr std::array<std::string_view, kSourcePorts.size()> kSourceCaptions = [] {
    std::array<std::string_view, kSourcePorts.size()> captions{};
    for (std::size_t i = 0; i < kSourcePorts.size(); ++i)
        captions[i] = kSourcePorts[i].caption;
    return captions;
}();
constexpr std::array<std::string_view, 1> kIwadItems{kCustomIwadTitle};

// In the "Wingdings" symbol font: an open folder, a heavy up and down arrow.
constexpr char kOpenFolderSymbol[] = "1";
constexpr char kUpArrowSymbol[] = "\xE9";
constexpr char kDownArrowSymbol[] = "\xEA";

constexpr char kWadFilter[] = "War Allocation Daemon files (*.wad)|*.wad|All files (*.*)|*.*";
constexpr char kResourceFilter[] =
    "Resource files (*.wad;*.pk3;*.deh;*.bex)|*.wad;*.pk3;*.deh;*.bex|WAD files "
    "(*.wad)|*.wad|PK3 files (*.pk3)|*.pk3|DehackEd patches (*.deh)|*.deh|Boom Extended "
    "patches (*.bex)|*.bex|All files (*.*)|*.*";
constexpr char kDemoFilter[] = "Demo files (*.lmp;*.cld)|*.lmp;*.cld|All files (*.*)|*.*";
constexpr char kExecutableFilter[] = "Win32 Executables (*.exe)|*.exe|Scripts "
                                     "(*.bat;*.cmd;*.sh)|*.bat;*.cmd;*.sh|All Files (*.*)|*.*";
constexpr char kSaveFilter[] = "ZDoom Savegames (*.zds)|*.zds|All Files (*.*)|*.*";

// Words that stand twice in the window: as the title of a file dialog and the
// name that a screen reader gives its button, or as a label and the name of
// the slider beside it.
constexpr char kRecordDemoTitle[] = "Record a demo...";
constexpr char kPlayDemoTitle[] = "Select a demo to play";
constexpr char kLoadGameTitle[] = "Load a saved game";
constexpr char kAddFilesTitle[] = "Select files to use";
constexpr char kAirControl[] = "AirControl";
constexpr char kFriendlyFire[] = "FriendlyFire";
constexpr char kNetworkTrafficFactor[] = "Network traffic factor";

// A label's caption: the name of the field beside it, and a colon, made when
// the program is compiled.
template <const auto& name>
constexpr auto kLabelChars = [] {
    constexpr std::string_view text(name);
    std::array<char, text.size() + 1> chars{};
    text.copy(chars.data(), text.size());
    chars.back() = ':';
    return chars;
}();
template <const auto& name>
constexpr std::string_view LabelOf{kLabelChars<name>.data(), kLabelChars<name>.size()};

FileDialogRequest OpenOne(const char* title, const char* filter, const char* ext,
                          const char* folder) {
    return {false, title, filter, ext, folder, false, false, ""};
}

} // namespace

TfrmMain::TfrmMain(forms::Application& application, Platform& platform, LaunchFolders& folders,
                   MainDialogs& dialogs, forms::Dpi dpi)
    : Form(application,
           {"Tarnwick Pro", kLayout.clientWidth, kLayout.clientHeight, forms::FrameKind::Single},
           dpi),
      platform_(platform), folders_(folders), dialogs_(dialogs),
      wingdingsLarge_("Wingdings", dpi.Scale(20), SYMBOL_CHARSET),
      wingdingsSmall_("Wingdings", dpi.Scale(11), SYMBOL_CHARSET)
#define CONTROL TARNWICK_CONTROL_MADE
#define DIALOG TARNWICK_DIALOG_MADE
#include "MainForm.def.h"
{
    btnLoad.SetVisible(false);

    if (forms::FontFamilyExists("Wingdings")) {
        btnOdWads.SetFont(wingdingsLarge_.Handle());
        sbUp.SetFont(wingdingsSmall_.Handle());
        sbDown.SetFont(wingdingsSmall_.Handle());
    } else {
        // Without the symbol font the characters would show as letters.
        btnOdWads.SetText("");
        sbUp.SetText("");
        sbDown.SetText("");
        btnOdWads.SetGlyph(kFolderGlyph);
        sbUp.SetGlyph(kUpGlyph);
        sbDown.SetGlyph(kDownGlyph);
    }

    // What a screen reader says for the controls whose caption is a symbol
    // or whose label, by the system's rule (the label just before it), is
    // another control's.
    lbPwads.SetAccessibleName("Files to load, in order");
    btnOdWads.SetAccessibleName(kAddFilesTitle);
    sbUp.SetAccessibleName("Move the selected file up");
    sbDown.SetAccessibleName("Move the selected file down");
    sbRecord.SetAccessibleName(kRecordDemoTitle);
    sbDemo.SetAccessibleName(kPlayDemoTitle);
    sbSave.SetAccessibleName(kLoadGameTitle);
    sbAircontrol.SetAccessibleName(kAirControl);
    sbTeamDamage.SetAccessibleName(kFriendlyFire);
    sbDup.SetAccessibleName(kNetworkTrafficFactor);

    AddSystemMenuItem("&Launch command...", [this] { miLaunchCommandClick(); });
    BindHandlers();
    // The controls are made empty, their scroll bars at the low end; what the
    // choices start as is said once, by the default record. Shown after
    // BindHandlers, so that the values beside the scroll bars follow them.
    ShowSettings(LaunchSettings{});
    FormCreate();
}

} // namespace tarnwick
