// Moving a LaunchSettings into the main window's controls and back, as the
// binding column of the window's table says.
#include "TfrmMain.h"

#include "Binding.h"

// The binding column's words, as values for forms::ShowField and ReadField.
#define TARNWICK_BINDING_Unbound forms::Unbound()
#define TARNWICK_BINDING_Field(member) &LaunchSettings::member
#define TARNWICK_BINDING_StartsAt(member) forms::StartsAt(&LaunchSettings::member)

namespace tarnwick {

void TfrmMain::ShowSettings(const LaunchSettings& settings) {
#define CONTROL(Kind, name, parent, binding, ...)                                                  \
    forms::ShowField(name, settings, TARNWICK_BINDING_##binding);
#define DIALOG CONTROL
#include "MainForm.def.h"
}

LaunchSettings TfrmMain::Settings() const {
    LaunchSettings settings;
#define CONTROL(Kind, name, parent, binding, ...)                                                  \
    forms::ReadField(name, settings, TARNWICK_BINDING_##binding);
#define DIALOG CONTROL
#include "MainForm.def.h"
    return settings;
}

} // namespace tarnwick
