// A stand-in for a source port: records what it was started with (its own
// path, its working folder, DOOMWADDIR, whether its console window shows, the
// decimal separator of its regional settings, and its arguments) into
// port-record.txt in its working folder, so a test can see what Run really
// started. Everything is read wide and written as UTF-8, so that a name
// reaches the record exactly as the system gave it.
#include <windows.h>

#include <shellapi.h>

#include <cstdio>
#include <string>

namespace {

std::string Utf8(const wchar_t* text) {
    const int length = WideCharToMultiByte(CP_UTF8, 0, text, -1, nullptr, 0, nullptr, nullptr);
    std::string utf8(static_cast<std::size_t>(length > 0 ? length : 1), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text, -1, utf8.data(), length, nullptr, nullptr);
    utf8.resize(utf8.size() - 1);
    return utf8;
}

} // namespace

int main() {
    wchar_t program[4096] = L"";
    GetModuleFileNameW(nullptr, program, 4096);
    wchar_t folder[4096] = L"";
    GetCurrentDirectoryW(4096, folder);
    wchar_t wadDir[4096] = L"";
    const DWORD length = GetEnvironmentVariableW(L"DOOMWADDIR", wadDir, 4096);
    std::FILE* record = _wfopen(L"port-record.txt", L"wb");
    if (record == nullptr) return 1;
    std::fprintf(record, "program=%s\r\n", Utf8(program).c_str());
    std::fprintf(record, "folder=%s\r\n", Utf8(folder).c_str());
    std::fprintf(record, "DOOMWADDIR=%s\r\n", length == 0 ? "<unset>" : Utf8(wadDir).c_str());
    // Run starts the batch file hidden: the console it runs in must not show.
    const HWND console = GetConsoleWindow();
    std::fprintf(record, "console=%s\r\n",
                 console != nullptr && IsWindowVisible(console) ? "visible" : "not visible");
    char decimal[8] = "";
    GetLocaleInfoA(LOCALE_USER_DEFAULT, LOCALE_SDECIMAL, decimal, sizeof decimal);
    std::fprintf(record, "decimal=%s\r\n", decimal);
    int argc = 0;
    wchar_t** argv = CommandLineToArgvW(GetCommandLineW(), &argc);
    for (int i = 1; argv != nullptr && i < argc; ++i)
        std::fprintf(record, "argument=%s\r\n", Utf8(argv[i]).c_str());
    LocalFree(argv);
    std::fclose(record);
    return 0;
}
