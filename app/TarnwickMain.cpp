// The program: start, message loop and end.
#include "Application.h"
#include "MainDirs.h"
#include "dirsetup.h"
#include "TfrmFlags.h"
#include "TfrmMain.h"

#include <windows.h>

#include <clocale>
#include <exception>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    // Numbers with a fraction use "." whatever the regional settings: the
    // program runs in the C library's classic locale and never asks for the
    // user's.
    std::setlocale(LC_ALL, "C");

    try {
        tarnwick::forms::Application application("Tarnwick");
        tarnwick::TfrmMain frmMain(application); // the first form: the main window
        tarnwick::dirsetup::TfrmDirSetup frmDirSetup(application, frmMain.System(), frmMain,
                                                     tarnwick::WadDir, tarnwick::StartDir);
        frmMain.SetDirSetupDialog(frmDirSetup);
        tarnwick::TfrmFlags frmFlags(application);
        frmMain.SetFlagsDialog(frmFlags);

        application.Run();
        return 0; // the forms are destroyed in the reverse order of creation
    } catch (const std::exception& error) {
        // Only start-up can get here (a window that cannot be created); every
        // handler's error is shown by the message loop.
        MessageBoxA(nullptr, error.what(), "Tarnwick", MB_OK | MB_ICONERROR);
        return 1;
    }
}
