// The program's entry.
#include "Program.h"

#include <windows.h>

#include <clocale>
#include <exception>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    // Numbers with a fraction use "." whatever the regional settings: the
    // program runs in the C library's classic locale and never asks for the
    // user's.
    std::setlocale(LC_ALL, "C");

    try {
        tarnwick::Program program;
        program.Run();
        return 0;
    } catch (const std::exception& error) {
        // Only start-up can get here (a window that cannot be created); every
        // handler's error is shown by the message loop.
        MessageBoxA(nullptr, error.what(), "Tarnwick", MB_OK | MB_ICONERROR);
        return 1;
    }
}
