// What reading the launch files back needs from the user interface. The main
// window implements it; tests answer without showing a window.
#pragma once

#include "GameDataLists.h"

#include <string>

namespace tarnwick {

enum class WadDirAnswer { Yes, No, None };

class ReaderActions : public GameDataLists {
  public:
    virtual ~ReaderActions() = default;

    // Plays the exclamation sound and asks the "Warning" question whether to
    // enter a new WAD directory. None: the box was closed without an answer.
    virtual WadDirAnswer AskForNewWadDir(const std::string& message) = 0;

    // Shows the WAD directory dialog modally, as the WADDIR button does. The
    // dialog may change the WAD directory (the variable the reader was given)
    // and refills the lists itself.
    virtual void ShowWadDirDialog() = 0;

    // Shows, as a warning, which values of the saved set lost characters in
    // their reading. The message is UTF-8 and shows the values as saved; as
    // ANSI it shows them as read, "?" for each lost character.
    virtual void TellLostCharacters(const std::string& utf8Message) = 0;

    // The text of the IWAD list's selected entry as it stands now.
    virtual std::string SelectedIwad() = 0;
};

} // namespace tarnwick
