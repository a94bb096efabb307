#include "LaunchCommand.h"

#include "AppendParts.h"
#include "LaunchErrors.h"
#include "LaunchFileEncoding.h"
#include "LaunchFileNames.h"
#include "LaunchWriter.h"
#include "PortReadings.h"
#include "ProgramSearch.h"

namespace tarnwick {

std::string ConsoleArgument(std::string_view argument) {
    if (!argument.empty() && argument.find_first_of(" \t\"&|<>^") == std::string_view::npos)
        return std::string(argument);
    std::string quoted = "\"";
    std::size_t backslashes = 0;
    for (const char c : argument) {
        // Backslashes count only before a double quote: there each stands
        // for half of itself.
        if (c == '"') quoted.append(backslashes + 1, '\\');
        backslashes = c == '\\' ? backslashes + 1 : 0;
        quoted += c;
    }
    return quoted.append(backslashes, '\\') += '"';
}

namespace {

LaunchCommand Described(Platform& platform, const LaunchSettings& settings,
                        const LaunchFolders& folders, const LaunchFileSet& files) {
    const AnsiCodePage& codePage = platform.CodePage();
    const TextEncoding encoding = ResponseFileEncoding(settings);
    const std::string executable = SourcePortExecutable(settings);
    const std::string program = FindProgram(platform, folders.StartDir, executable);

    // The console's text ends with the command line, which the person's
    // text begins with.
    LaunchCommand described;
    std::string& console = described.console;
    AppendParts(console, {"set \"", kWadDirVariable, "=", folders.WadDir, "\"\r\n"});
    const std::size_t line = console.size();
    console += ConsoleArgument(program.empty() ? executable : program);
    bool lost = false; // never: the files were made from ANSI text
    for (const std::string& argument :
         ResponseFileArguments(files.responseFile, ReadingOf(codePage, executable)))
        AppendParts(console, {" ", ConsoleArgument(platform.ToAnsi(argument, encoding, lost))});

    std::string& text = described.text;
    AppendParts(text, {"Command line:\r\n", std::string_view(console).substr(line), "\r\n"});
    if (program.empty())
        AppendParts(text, {"cmd finds no file \"", executable,
                           "\" in the working folder or along PATH: Run would start no game.\r\n"});
    if (const std::string note = PortReadingNote(codePage, executable); !note.empty())
        AppendParts(text, {note, "\r\n"});
    AppendParts(text,
                {"\r\nWorking folder: ", folders.StartDir, "\r\nDOOMWADDIR: ",
                 folders.WadDir.empty() ? std::string_view("not set") : folders.WadDir, "\r\n\r\n",
                 kBatchFileName, ":\r\n", platform.ToAnsi(files.batchFile, TextEncoding::Oem, lost),
                 "\r\n", kResponseFileName, ":\r\n",
                 platform.ToAnsi(files.responseFile, encoding, lost), "\r\n", kConsoleScriptName,
                 ":\r\n", files.consoleScript});
    return described;
}

} // namespace

LaunchCommand DescribeLaunch(Platform& platform, const LaunchSettings& settings,
                             const LaunchFolders& folders) try {
    return Described(platform, settings, folders,
                     LaunchFilesToSave(platform, settings, folders.WadDir, folders.StartDir));
} catch (const UnsavableValueError& refusal) {
    LaunchCommand refused;
    for (const char* c = refusal.what(); *c != '\0'; ++c)
        (*c == '\n' ? refused.text += "\r\n" : refused.text += *c);
    return refused;
}

} // namespace tarnwick
