// The two dialogs that the main window's buttons open. The program owns them
// and makes each when it is first shown.
#pragma once

namespace tarnwick {

class MainDialogs {
  public:
    virtual ~MainDialogs() = default;
    // The WAD directory dialog, modally: returns when it is closed.
    virtual void ShowDirSetup() = 0;
    // The DMFLAGS dialog, modally.
    virtual void ShowFlags() = 0;
};

} // namespace tarnwick
