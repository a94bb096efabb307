// Files dropped on a list box from a file manager.
#include "Application.h"
#include "Form.h"
#include "ListBox.h"

#include <gtest/gtest.h>

#include <shlobj.h>
#include <windows.h>

#include <cstring>

namespace tarnwick::forms {
namespace {

// What the shell hands a window on a drop: a DROPFILES header followed by
// the paths, each ended by a NUL, and one more NUL.
HGLOBAL MakeDrop(const std::vector<std::string>& paths) {
    std::string names;
    for (const std::string& path : paths)
        names += path + '\0';
    names += '\0';
    const HGLOBAL memory =
        GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, sizeof(DROPFILES) + names.size());
    auto* drop = static_cast<DROPFILES*>(GlobalLock(memory));
    drop->pFiles = sizeof(DROPFILES);
    drop->fWide = FALSE;
    std::memcpy(reinterpret_cast<char*>(drop) + sizeof(DROPFILES), names.data(), names.size());
    GlobalUnlock(memory);
    return memory;
}

TEST(ListBoxDrop, RaisesTheDroppedPathsInOrderOnlyOnceAccepted) {
    Application app("Tarnwick");
    Form form(app, {"Drop", 300, 200});
    ListBox files(form, 101, {8, 8, 200, 100}, 13);
    // As the main window does: the dropped files join the list.
    files.onFilesDropped = [&files](const std::vector<std::string>& paths) {
        for (const std::string& path : paths)
            files.Add(path);
    };
    const std::vector<std::string> paths = {"C:\\WADs\\maps.wad", "C:\\My Wads\\fix.deh"};

    // Not yet accepted: the list neither asks for drops nor takes one sent.
    EXPECT_EQ(GetWindowLongA(files.Handle(), GWL_EXSTYLE) & WS_EX_ACCEPTFILES, 0);
    const HGLOBAL early = MakeDrop(paths);
    SendMessageA(files.Handle(), WM_DROPFILES, reinterpret_cast<WPARAM>(early), 0);
    EXPECT_EQ(files.Items(), std::vector<std::string>{});
    GlobalFree(early);

    files.AcceptDroppedFiles();
    EXPECT_NE(GetWindowLongA(files.Handle(), GWL_EXSTYLE) & WS_EX_ACCEPTFILES, 0);
    SendMessageA(files.Handle(), WM_DROPFILES, reinterpret_cast<WPARAM>(MakeDrop(paths)), 0);
    EXPECT_EQ(files.Items(), paths);
}

} // namespace
} // namespace tarnwick::forms
