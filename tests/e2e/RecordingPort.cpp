// A stand-in for a source port: records what it was started with (its
// working folder, DOOMWADDIR, whether its console window shows, the decimal
// separator of its regional settings, and its arguments) into port-record.txt in its working
// folder, so a test can see what Run really started.
#include <windows.h>

#include <cstdio>

int main(int argc, char** argv) {
    char folder[MAX_PATH] = "";
    GetCurrentDirectoryA(MAX_PATH, folder);
    char wadDir[4096] = "";
    const DWORD length = GetEnvironmentVariableA("DOOMWADDIR", wadDir, sizeof wadDir);
    std::FILE* record = std::fopen("port-record.txt", "wb");
    if (record == nullptr) return 1;
    std::fprintf(record, "folder=%s\r\n", folder);
    std::fprintf(record, "DOOMWADDIR=%s\r\n", length == 0 ? "<unset>" : wadDir);
    // Run starts the batch file hidden: the console it runs in must not show.
    const HWND console = GetConsoleWindow();
    std::fprintf(record, "console=%s\r\n",
                 console != nullptr && IsWindowVisible(console) ? "visible" : "not visible");
    char decimal[8] = "";
    GetLocaleInfoA(LOCALE_USER_DEFAULT, LOCALE_SDECIMAL, decimal, sizeof decimal);
    std::fprintf(record, "decimal=%s\r\n", decimal);
    for (int i = 1; i < argc; ++i)
        std::fprintf(record, "argument=%s\r\n", argv[i]);
    std::fclose(record);
    return 0;
}
