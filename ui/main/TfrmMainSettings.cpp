// Moving a LaunchSettings into the main window's controls and back, as the
// binding column of the window's table says.
#include "TfrmMain.h"

#include "Binding.h"

#include <tuple>

namespace tarnwick {
namespace {

using forms::StartsAt;
using forms::Unbound;

// Each control and file dialog of the window with what it shows.
constexpr std::tuple kBindings{
#define CONTROL(...) TARNWICK_BINDING(TfrmMain, __VA_ARGS__)
#define DIALOG CONTROL
#include "MainForm.def.h"
};

} // namespace

void TfrmMain::ShowSettings(const LaunchSettings& settings) {
    forms::ShowFields(*this, settings, kBindings);
}

LaunchSettings TfrmMain::Settings() const {
    LaunchSettings settings;
    forms::ReadFields(*this, settings, kBindings);
    return settings;
}

} // namespace tarnwick
