#include "LaunchStart.h"

#include "CommandLineText.h"
#include "LaunchErrors.h"
#include "LaunchFileFormat.h"
#include "LaunchFileNames.h"
#include "LaunchWriter.h"
#include "ProgramSearch.h"

namespace tarnwick {

LaunchStart PlanLaunchStart(Platform& platform, const LaunchSettings& settings,
                            const LaunchFolders& folders) {
    const AnsiCodePage& codePage = platform.CodePage();
    LaunchStart start;
    start.executable = SourcePortExecutable(settings);
    start.line = LineOf(codePage, start.executable);
    start.program = FindProgram(platform, folders.StartDir, start.executable);
    start.direct =
        ArgumentsInPortSpelling(codePage, settings, folders.StartDir, [&](const std::string& name) {
            return NamedFileExists(platform, folders.StartDir, name);
        });
    if (start.executable.empty())
        start.problem = "No program is chosen for the source port \"Custom...\": Run would start "
                        "no game.";
    else if (start.program.empty())
        start.problem = "cmd finds no file \"" + start.executable +
                        "\" in the working folder or along PATH: Run would start no game.";
    else if (IwadFileName(settings).empty())
        start.problem = "No file is chosen for the IWAD \"Custom...\": Run would start no game.";
    return start;
}

LaunchStart PlanRun(Platform& platform, const LaunchSettings& settings,
                    const LaunchFolders& folders) {
    LaunchFilesToSave(platform, settings, folders.WadDir, folders.StartDir);
    LaunchStart start = PlanLaunchStart(platform, settings, folders);
    if (start.problem)
        throw UnstartableLaunchError(*start.problem + "\nNothing was saved or started.");
    return start;
}

void StartLaunch(Platform& platform, const LaunchStart& start, const LaunchFolders& folders) {
    if (!StartsDirectly(start.line)) return StartLaunchFiles(platform);
    platform.StartProgram(start.program, CommandLine(start.program, start.direct.arguments),
                          folders.StartDir, std::string(kWadDirVariable), folders.WadDir);
}

} // namespace tarnwick
