// The lines of a launch file as the reader sees them.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace tarnwick {

// Walks the bytes of one file line by line. A line ends at a line feed; every
// carriage return is dropped from the text (the one before the line feed is
// part of the line end); a Ctrl-Z ends the line's text where it stands.
// The text is a view, so it must outlive the walker.
class LaunchFileLines {
  public:
    explicit LaunchFileLines(std::string_view bytes) : rest_(bytes) {}

    // The next line's text, or nothing at the end of the file.
    std::optional<std::string> Next();

    // Whether the line last returned began with a Ctrl-Z: the response file
    // and the console script end there.
    bool LastBeganWithEndOfFile() const { return lastBeganWithEndOfFile_; }

  private:
    std::string_view rest_;
    bool lastBeganWithEndOfFile_ = false;
};

} // namespace tarnwick
