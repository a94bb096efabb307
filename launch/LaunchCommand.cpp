#include "LaunchCommand.h"

#include "AppendParts.h"
#include "CommandLineText.h"
#include "LaunchErrors.h"
#include "LaunchFileEncoding.h"
#include "LaunchFileNames.h"
#include "LaunchStart.h"
#include "LaunchWriter.h"
#include "PathRules.h"

namespace tarnwick {
namespace {

LaunchCommand Described(Platform& platform, const LaunchSettings& settings,
                        const LaunchFolders& folders, const LaunchFileSet& files) {
    const AnsiCodePage& codePage = platform.CodePage();
    const TextEncoding encoding = ResponseFileEncoding(settings);
    const LaunchStart start = PlanLaunchStart(platform, settings, folders);
    const std::string_view port = FileNameOf(codePage, start.executable);
    bool lost = false; // never: the files were made from ANSI text

    std::string command = ConsoleProgram(start.program.empty() ? start.executable : start.program);
    std::vector<std::string> arguments = start.direct.arguments;
    if (!StartsDirectly(start.line))
        for (const std::string& argument : ResponseFileArguments(files.responseFile, start.line))
            arguments.push_back(platform.ToAnsi(argument, encoding, lost));
    for (const std::string& argument : arguments)
        AppendParts(command, {" ", ConsoleArgument(argument)});

    LaunchCommand described;
    described.console = ConsoleSetLine(kWadDirVariable, folders.WadDir) + "\r\n" + command;
    std::string& text = described.text;
    AppendParts(text, {"Command line:\r\n", command, "\r\n"});
    if (start.problem) AppendParts(text, {*start.problem, "\r\n"});
    for (const std::string& value : start.direct.notPassed)
        AppendParts(text, {"Not passed to ", port, ": ", value, "\r\n"});
    if (StartsDirectly(start.line))
        AppendParts(text, {"Run starts ", port,
                           " itself, with these arguments, since it misreads qorvex.rsp; Save "
                           "writes the three files all the same.\r\n"});
    if (const std::size_t length = codePage.Characters(command); length > kLongestConsoleCommand) {
        described.tooLong = "The command line has " + std::to_string(length) +
                            " characters, more than the " + std::to_string(kLongestConsoleCommand) +
                            " that a Command Prompt takes: Copy gives none.";
        AppendParts(text, {described.tooLong, "\r\n"});
    }
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
