// The three launch files of a folder as bytes, to write a saved set before a
// start and to compare what the launcher wrote.
#pragma once

#include <initializer_list>
#include <string>

namespace tarnwick::e2e {

// Lines as the launcher writes them: each one ended by carriage return and
// line feed, the last one included.
std::string CrLfLines(std::initializer_list<std::string> lines);

struct LaunchFileSet {
    std::string rsp; // qorvex.rsp
    std::string cfg; // qorvex.cfg
    std::string bat; // qorvex.bat

    bool operator==(const LaunchFileSet&) const = default;
};

// What folder holds; a missing file reads as "<missing>".
LaunchFileSet ReadLaunchFileSet(const std::string& folder);
void WriteLaunchFileSet(const std::string& folder, const LaunchFileSet& files);
bool AnyLaunchFileExists(const std::string& folder);
// Creates or replaces the file with the bytes.
void WriteBytes(const std::string& path, const std::string& bytes);

} // namespace tarnwick::e2e
