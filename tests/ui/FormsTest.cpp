#include "AnsiText.h"
#include "Application.h"
#include "Button.h"
#include "CentreOnMonitor.h"
#include "ComboBox.h"
#include "Edit.h"
#include "ErrorText.h"
#include "FileDialog.h"
#include "FileDialogText.h"
#include "Font.h"
#include "Form.h"
#include "InputBoxForm.h"
#include "ListBox.h"
#include "ScriptedPrompts.h"
#include "ScrollBar.h"
#include "SpinEdit.h"
#include "TableLayout.h"
#include "WindowSubclass.h"

#include <gtest/gtest.h>

#include <array>
#include <optional>
#include <string>
#include <vector>
#include <stdexcept>

namespace tarnwick::forms {
namespace {

struct FormsTest : ::testing::Test {
    FormsTest() {
        auto script = std::make_unique<ScriptedPrompts>();
        prompts = script.get();
        app.SetPrompts(std::move(script));
    }

    Application app{"Tarnwick"};
    ScriptedPrompts* prompts = nullptr;
};

TEST(ErrorBoxText, AddsAFullStopAfterCharactersThatSortAfterIt) {
    EXPECT_EQ(ErrorBoxText("Disk full"), "Disk full.");
    EXPECT_EQ(ErrorBoxText("'x' is not a valid integer value"),
              "'x' is not a valid integer value.");
    EXPECT_EQ(ErrorBoxText("code 5"), "code 5.");
    EXPECT_EQ(ErrorBoxText("C:/"), "C:/.");         // "/" is the character after "."
    EXPECT_EQ(ErrorBoxText("caf\xE9"), "caf\xE9."); // bytes above 127 sort after "."
    EXPECT_EQ(ErrorBoxText("Done."), "Done.");
    EXPECT_EQ(ErrorBoxText("Stop!"), "Stop!");
    EXPECT_EQ(ErrorBoxText("blank "), "blank ");
    EXPECT_EQ(ErrorBoxText("(quoted)"), "(quoted)");
    EXPECT_EQ(ErrorBoxText("a-"), "a-");
    EXPECT_EQ(ErrorBoxText(""), "");

    // Where the ANSI code page has them (932, 936, 950): a message that ends
    // in a sentence end of the East Asian scripts gets none added, and one
    // that ends in another double-byte character gets one, whatever its
    // second byte (表 in 932, 功 in 950, 乗 in 936 end in "\").
    int doubleByte = 0;
    const std::pair<const wchar_t*, bool> ends[] = {
        {L"\u3002", true},  {L"\uFF0E", true},  {L"\uFF01", true}, {L"\uFF1F", true},
        {L"\u8868", false}, {L"\u529F", false}, {L"\u4E58", false}};
    for (const auto& [end, sentenceEnd] : ends) {
        bool lost = false;
        const std::string message = NarrowTo(std::wstring(L"x") + end, CP_ACP, lost);
        if (lost) continue;
        ++doubleByte;
        EXPECT_EQ(ErrorBoxText(message), sentenceEnd ? message : message + ".") << GetACP();
    }
    if (GetACP() == 932 || GetACP() == 936 || GetACP() == 950) {
        EXPECT_GE(doubleByte, 5);
    }
}

// A path too long for the folder list shows as much of its end as fits after
// "...": never more than the width, never less than fits, never half of a
// character outside the basic plane.
TEST(ComboBoxText, APathTooLongShowsItsEnd) {
    const Font font("MS Sans Serif", 11);
    const FontCanvas canvas(font.Handle());
    const auto width = [&](const std::wstring& text) {
        SIZE size{};
        GetTextExtentPoint32W(canvas.Get(), text.c_str(), int(text.size()), &size);
        return int(size.cx);
    };
    const std::wstring path = L"C:\\Games\\SteamLibrary\\steamapps\\common\\Doom 2\\base";
    EXPECT_EQ(EndThatFits(canvas.Get(), path, width(path)), 0u);
    for (const int room : {width(path) - 1, width(L"...\\Doom 2\\base"), 60, 20}) {
        const std::size_t start = EndThatFits(canvas.Get(), path, room);
        ASSERT_GT(start, 0u) << room;
        EXPECT_LE(width(L"..." + path.substr(start)), room);
        EXPECT_GT(width(L"..." + path.substr(start - 1)), room) << "more fits";
    }
    const std::wstring beyond = L"C:\\Games\\\xD83C\xDFAE\\base"; // a game controller
    for (int room = 0; room < width(beyond); ++room)
        EXPECT_NE(beyond[EndThatFits(canvas.Get(), beyond, room)], L'\xDFAE') << room;
}

// A group box within a group box is sized before the one it stands in, its
// rows count from both corners, and a parent made after its row, or one that
// holds nothing, is refused.
TEST(TableLayout, NestedGroupBoxesGrowOutwardsAndParentsComeFirst) {
    static constexpr auto layout =
        LayOut(200, RowsPlus{5},
               std::array{
                   TableRow{"GroupBox", "outer", "*this", "", 4, 4, 190, RowsPlus{6}},
                   TableRow{"GroupBox", "inner", "outer", "", 8, 16, 170, RowsPlus{4}},
                   TableRow{"Edit", "field", "inner", "", 8, 20, 50, 21},
                   TableRow{"Label", "early", "late", "", 8, 60, 50, 13},
                   TableRow{"GroupBox", "late", "*this", "", 4, 120, 190, 20},
                   TableRow{"Edit", "inLabel", "early", "", 8, 8, 50, 21},
               });
    EXPECT_EQ(layout.rows[1].place.height, 20 + 21 + 4);
    EXPECT_EQ(layout.rows[0].place.height, 16 + 45 + 6);
    EXPECT_EQ(layout.clientHeight, 120 + 20 + 5);
    EXPECT_EQ(layout.OriginOf(layout.rows[2]).left, 4 + 8);
    EXPECT_EQ(layout.OriginOf(layout.rows[2]).top, 4 + 16);
    EXPECT_TRUE(layout.ParentIsAbove("field"));
    EXPECT_FALSE(layout.ParentIsAbove("early"));
    EXPECT_FALSE(layout.ParentIsAbove("inLabel"));
}

TEST_F(FormsTest, AFailingHandlerShowsOneErrorBoxAndTheLoopGoesOn) {
    Form main(app, {"Main", 200, 100});
    Button fails(main, 101, {8, 8, 75, 25}, "Fail");
    Button works(main, 102, {8, 40, 75, 25}, "Work");
    fails.onClick = [] { throw std::runtime_error("Cannot create qorvex.rsp"); };
    int worked = 0;
    works.onClick = [&] { ++worked; };

    PostMessageA(fails.Handle(), BM_CLICK, 0, 0);
    PostMessageA(works.Handle(), BM_CLICK, 0, 0);
    PostMessageA(fails.Handle(), BM_CLICK, 0, 0);
    PostMessageA(main.Handle(), WM_CLOSE, 0, 0);
    app.Run();

    EXPECT_TRUE(app.Terminated());
    EXPECT_EQ(worked, 1);
    ASSERT_EQ(prompts->messages.size(), 2u);
    EXPECT_EQ(prompts->messages[0].text, "Cannot create qorvex.rsp.");
    EXPECT_EQ(prompts->messages[0].caption, "Tarnwick");
    EXPECT_EQ(prompts->messages[0].style, UINT(MB_OK | MB_ICONERROR));
    EXPECT_FALSE(main.Visible());
}

TEST_F(FormsTest, ChangeEventsFollowTheUserNotTheCode) {
    Form form(app, {"Controls", 300, 200});
    constexpr std::array<std::string_view, 3> kItems{"One", "Two", "Three"};
    ComboBox list(form, 101, {8, 8, 120, 22}, ComboKind::DropDownList, 16, kItems);
    ScrollBar bar(form, 102, {8, 40, 165, 13}, Orientation::Horizontal, {0, 256, 1, 1, 1});
    SpinEdit spin(form, 103, {8, 60, 53, 22}, {0, 999999999, 5, 9});
    ComboBox editable(form, 104, {8, 90, 120, 21}, ComboKind::Editable, 13);
    ListBox files(form, 105, {8, 120, 120, 60}, 13);
    form.Show();
    app.ProcessMessages();

    int choices = 0;
    list.onChange = [&] { ++choices; };
    list.SetSelectedIndex(1);
    EXPECT_EQ(choices, 0);
    list.Focus();
    SendMessageA(list.Handle(), WM_KEYDOWN, VK_DOWN, 0); // the user picks the next item
    EXPECT_EQ(list.SelectedIndex(), 2);
    EXPECT_EQ(choices, 1);

    int moves = 0;
    bar.onChange = [&] { ++moves; };
    bar.SetPosition(255);
    EXPECT_EQ(moves, 1);
    bar.SetPosition(255);
    EXPECT_EQ(moves, 1); // no change, no event
    bar.Focus();
    SendMessageA(bar.Handle(), WM_KEYDOWN, VK_RIGHT, 0);
    EXPECT_EQ(bar.Position(), 256);
    EXPECT_EQ(moves, 2);
    SendMessageA(bar.Handle(), WM_KEYDOWN, VK_RIGHT, 0);
    EXPECT_EQ(bar.Position(), 256);
    EXPECT_EQ(moves, 2);
    bar.SetPosition(-4);
    EXPECT_EQ(bar.Position(), 0);

    EXPECT_EQ(SendMessageA(spin.Handle(), EM_GETLIMITTEXT, 0, 0), 9);
    EXPECT_EQ(spin.Text(), "0");
    spin.Focus();
    SendMessageA(spin.Handle(), WM_KEYDOWN, VK_UP, 0); // the arrows step by 5
    EXPECT_EQ(spin.Value(), 5);
    spin.SetValue(999999999);
    EXPECT_EQ(spin.Text(), "999999999"); // no thousands separators
    SendMessageA(spin.Handle(), WM_KEYDOWN, VK_UP, 0);
    EXPECT_EQ(spin.Value(), 999999999);
    spin.SetText("12");
    EXPECT_EQ(spin.Value(), 12);
    spin.SetText("twelve");
    EXPECT_EQ(spin.Value(), 0);
    spin.SetText("-7");
    EXPECT_EQ(spin.Value(), 0);
    spin.SetText("1e3");
    EXPECT_EQ(spin.Value(), 0);

    // Enter in an editable box reaches its key-down event; the dialog
    // manager does not take it away.
    std::vector<WORD> keys;
    editable.onKeyDown = [&](WORD key) {
        keys.push_back(key);
        return false;
    };
    COMBOBOXINFO parts{};
    parts.cbSize = sizeof(parts);
    ASSERT_TRUE(GetComboBoxInfo(editable.Handle(), &parts));
    SetFocus(parts.hwndItem);
    PostMessageA(parts.hwndItem, WM_KEYDOWN, VK_RETURN, 0);
    app.ProcessMessages();
    EXPECT_EQ(keys, std::vector<WORD>{VK_RETURN});

    std::vector<WORD> listKeys;
    files.onKeyDown = [&](WORD key) {
        listKeys.push_back(key);
        return false;
    };
    files.SetItems({"a.wad", "b.wad"});
    files.Focus();
    PostMessageA(files.Handle(), WM_KEYDOWN, VK_DELETE, 0);
    app.ProcessMessages();
    EXPECT_EQ(listKeys, std::vector<WORD>{VK_DELETE});
    EXPECT_EQ(files.Items(), (std::vector<std::string>{"a.wad", "b.wad"}));
}

// A sorted box filled at once must hold its items in the order the box's own
// sorting gives them one by one: case ignored, the locale's rules for
// punctuation, digits and accented letters.
TEST_F(FormsTest, ASortedBoxFilledAtOnceKeepsItsOwnSortingOrder) {
    Form form(app, {"Sorting", 300, 200});
    ComboBox sorted(form, 101, {8, 8, 200, 21}, ComboKind::Editable, 13, {}, Sorting::Sorted);
    ComboBox unsorted(form, 102, {8, 40, 200, 21}, ComboKind::Editable, 13);
    std::vector<std::string> names{
        "b.wad",   "A.wad", "a-b.wad",   "ab.wad",   "a_b.wad",   "a'c.wad",  "10.wad",
        "9.wad",   "Z.pk3", "été.wad",   "ete.wad",  "f.WAD",     "~x.wad",   "[x].wad",
        "x y.wad", "",      "co-op.deh", "coop.deh", "MAP01.bex", "map1.bex", "zz.wad",
        "Zy.wad",  "1.wad", "Ärger.pk3", "Arg.pk3",  "#3.wad"};

    // Names whose sort keys are longer than usual.
    names.push_back(std::string(300, 'q') + ".wad");
    names.push_back(std::string(300, 'Q') + "-a.wad");

    sorted.SetItems(names);
    const std::vector<std::string> filled = sorted.Items();
    SendMessageA(sorted.Handle(), CB_RESETCONTENT, 0, 0);
    for (const std::string& name : names)
        SendMessageA(sorted.Handle(), CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(name.c_str()));
    EXPECT_EQ(filled, sorted.Items());
    EXPECT_NE(filled, names);

    // The same names in another order sort the same; a box that does not sort
    // keeps what it is given.
    std::vector<std::string> reversed(names.rbegin(), names.rend());
    sorted.SetItems(reversed);
    EXPECT_EQ(sorted.Items(), filled);
    unsorted.SetItems(reversed);
    EXPECT_EQ(unsorted.Items(), reversed);
    sorted.SetItems(std::vector<std::string>{});
    EXPECT_EQ(sorted.Count(), 0);
}

TEST_F(FormsTest, SubclassesSeeMessagesNewestFirstAndLeaveInAnyOrder) {
    Form main(app, {"Main", 300, 200});
    Edit field(main, 101, {8, 8, 150, 21});
    const HWND edit = field.Handle();
    const LONG_PTR own = GetWindowLongPtrA(edit, GWLP_WNDPROC);
    std::vector<std::string> seen;
    auto older = std::make_optional<WindowSubclass>(
        app, edit, [&](UINT message, WPARAM, LPARAM) -> std::optional<LRESULT> {
            if (message == WM_SETTEXT) seen.push_back("older");
            if (message == WM_USER) throw std::runtime_error("Cannot read qorvex.rsp");
            return std::nullopt;
        });
    std::optional<WindowSubclass> newer;
    newer.emplace(app, edit, [&](UINT message, WPARAM wParam, LPARAM) -> std::optional<LRESULT> {
        if (message == WM_SETTEXT) seen.push_back("newer");
        if (message == WM_CHAR && wParam == 'x') return 0; // swallowed
        if (message == WM_GETDLGCODE) return newer->CallNext(message, wParam, 0) | DLGC_WANTTAB;
        return std::nullopt;
    });

    // Unanswered messages reach every subclass, newest first, then the control.
    field.SetText("abc");
    EXPECT_EQ(seen, (std::vector<std::string>{"newer", "older"}));
    EXPECT_EQ(field.Text(), "abc");
    SendMessageA(edit, WM_CHAR, 'x', 0);
    EXPECT_EQ(field.Text(), "abc");
    // The control's own answer, read from below a subclass.
    EXPECT_EQ(SendMessageA(edit, WM_GETDLGCODE, 0, 0),
              CallWindowProcA(reinterpret_cast<WNDPROC>(own), edit, WM_GETDLGCODE, 0, 0) |
                  DLGC_WANTTAB);
    // A handler's exception is one error box; the message still reaches the control.
    SendMessageA(edit, WM_USER, 0, 0);
    ASSERT_EQ(prompts->messages.size(), 1u);
    EXPECT_EQ(prompts->messages[0].text, "Cannot read qorvex.rsp.");

    // Text passes as the window's own: a character outside the ANSI code page
    // stays.
    SendMessageW(edit, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"\x0416"));
    wchar_t back[4] = L"";
    GetWindowTextW(edit, back, 4);
    EXPECT_EQ(std::wstring(back), L"\x0416");

    // The older one leaves first: the newer one and the control go on.
    older.reset();
    seen.clear();
    field.SetText("def");
    EXPECT_EQ(seen, std::vector<std::string>{"newer"});
    EXPECT_EQ(field.Text(), "def");
    newer.reset();
    SendMessageA(edit, WM_CHAR, 'x', 0);
    EXPECT_EQ(field.Text(), "xdef"); // typed where setting the text left the caret

    // Alone, it gives the window back its own procedure; it may also outlive
    // its window.
    const HWND other = CreateWindowExA(0, "EDIT", "", WS_CHILD, 0, 0, 10, 10, main.Handle(),
                                       nullptr, nullptr, nullptr);
    const LONG_PTR othersOwn = GetWindowLongPtrA(other, GWLP_WNDPROC);
    const auto passOn = [](UINT, WPARAM, LPARAM) { return std::optional<LRESULT>{}; };
    std::make_optional<WindowSubclass>(app, other, passOn).reset();
    EXPECT_EQ(GetWindowLongPtrA(other, GWLP_WNDPROC), othersOwn);
    {
        const WindowSubclass outliving(app, other, passOn);
        DestroyWindow(other);
    }
    EXPECT_EQ(prompts->messages.size(), 1u);

    // As Wine's own subclass tests do it: a handler sends to its window again
    // (nested), ends the subclass below it and its own, or destroys the window;
    // the window and the rest of the chain go on, and nothing freed is read
    // (the test runs with the heap checked).
    const HWND target = CreateWindowExA(0, "EDIT", "", WS_CHILD, 0, 0, 10, 10, main.Handle(),
                                        nullptr, nullptr, nullptr);
    std::optional<WindowSubclass> below;
    std::optional<WindowSubclass> self;
    int belowSeen = 0;
    int depth = 0;
    below.emplace(app, target, [&](UINT message, WPARAM, LPARAM) {
        if (message == WM_SETTEXT) ++belowSeen;
        return std::optional<LRESULT>{};
    });
    self.emplace(app, target, [&](UINT message, WPARAM, LPARAM) -> std::optional<LRESULT> {
        if (message == WM_USER + 1 && depth++ < 3) SendMessageA(target, WM_USER + 1, 0, 0);
        if (message == WM_USER + 2) {
            below.reset();
            self.reset();
            SetWindowTextA(target, "inside"); // on its way past both
        }
        return std::nullopt;
    });
    SendMessageA(target, WM_USER + 1, 0, 0);
    EXPECT_EQ(depth, 4);
    SendMessageA(target, WM_USER + 2, 0, 0);
    EXPECT_EQ(belowSeen, 0);
    SetWindowTextA(target, "after");
    EXPECT_EQ(belowSeen, 0) << "an ended subclass still sees messages";
    char text[16] = "";
    GetWindowTextA(target, text, sizeof text);
    EXPECT_STREQ(text, "after");
    std::optional<WindowSubclass> destroyer;
    destroyer.emplace(app, target, [&](UINT message, WPARAM, LPARAM) {
        if (message == WM_USER + 3) DestroyWindow(target);
        return std::optional<LRESULT>{};
    });
    SendMessageA(target, WM_USER + 3, 0, 0);
    EXPECT_FALSE(IsWindow(target));
    destroyer.reset();
    EXPECT_EQ(prompts->messages.size(), 1u);
}

TEST_F(FormsTest, ActivationIsRaisedOncePerShowing) {
    Form main(app, {"Main", 300, 200});
    // A window appears in the middle of the screen; one larger than the work
    // area (a large scale on a small screen) at its top left, title bar and all.
    Form large(app, {"Large", 4000, 3000});
    large.Show();
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    GetMonitorInfoA(MonitorFromWindow(large.Handle(), MONITOR_DEFAULTTOPRIMARY), &monitor);
    RECT frame{};
    GetWindowRect(large.Handle(), &frame);
    EXPECT_EQ(frame.left, monitor.rcWork.left);
    EXPECT_EQ(frame.top, monitor.rcWork.top);
    large.Hide();
    Form dialog(app, {"Dialog", 200, 100, FrameKind::Dialog});
    Edit field(dialog, 101, {8, 8, 150, 21});
    Button ok(dialog, 102, {8, 60, 75, 25}, "OK");
    Button cancel(dialog, 103, {90, 60, 75, 25}, "Cancel");
    ComboBox suggestions(dialog, 104, {8, 34, 150, 21}, ComboKind::Editable, 13);
    ok.SetModalResult(ModalResult::Ok);
    cancel.SetModalResult(ModalResult::Cancel);
    dialog.SetDefaultButton(ok);
    dialog.SetCancelButton(cancel);

    int mainActivations = 0;
    main.onActivate = [&] { ++mainActivations; };
    main.Show();
    app.ProcessMessages();
    EXPECT_EQ(mainActivations, 1);
    GetWindowRect(main.Handle(), &frame);
    EXPECT_EQ(frame.left, GetSystemMetrics(SM_CXSCREEN) / 2 - (frame.right - frame.left) / 2);
    EXPECT_EQ(frame.top, GetSystemMetrics(SM_CYSCREEN) / 2 - (frame.bottom - frame.top) / 2);
    // Wine shows one monitor; on a second one, right or left of the primary,
    // a window is centred on that monitor, within its work area.
    const auto place = [](RECT screen, RECT work, SIZE size) {
        const POINT at = CentredPlace(screen, work, size);
        return std::pair{at.x, at.y};
    };
    EXPECT_EQ(place({1920, 0, 3840, 1080}, {1920, 0, 3840, 1040}, {400, 300}),
              std::pair(2680L, 390L));
    EXPECT_EQ(place({-1280, 0, 0, 1024}, {-1280, 0, 0, 984}, {600, 500}), std::pair(-940L, 262L));
    EXPECT_EQ(place({1920, 0, 3840, 1080}, {1920, 0, 3840, 1040}, {4000, 3000}),
              std::pair(1920L, 0L));
    EXPECT_EQ(place({0, 0, 1024, 768}, {0, 40, 1024, 768}, {1000, 760}), std::pair(12L, 40L));

    // The dialog's activation shows a box; dismissing it does not raise the
    // activation again, and closing the dialog does not raise the main form's.
    int dialogActivations = 0;
    dialog.onActivate = [&] {
        ++dialogActivations;
        EXPECT_FALSE(IsWindowEnabled(main.Handle()));
        app.Prompts().ShowMessage(dialog.Handle(), "Under Construction!", app.Title(), MB_OK);
    };
    prompts->whileMessageShown = [&] { PostMessageA(dialog.Handle(), WM_CLOSE, 0, 0); };
    EXPECT_EQ(dialog.ShowModal(), ModalResult::Cancel);
    EXPECT_EQ(dialogActivations, 1);
    EXPECT_FALSE(dialog.Visible());
    EXPECT_TRUE(IsWindowEnabled(main.Handle()));
    app.ProcessMessages();
    EXPECT_EQ(mainActivations, 1);

    EXPECT_EQ(dialog.ShowModal(), ModalResult::Cancel);
    EXPECT_EQ(dialogActivations, 2);
    EXPECT_EQ(prompts->messages.size(), 2u);
    prompts->whileMessageShown = nullptr;

    // Enter in the field presses the default button, Escape the cancel button;
    // the field's key event, once set, sees the other keys.
    int okClicks = 0;
    ok.onClick = [&] { ++okClicks; };
    std::vector<WORD> fieldKeys;
    field.onKeyDown = [&](WORD key) {
        fieldKeys.push_back(key);
        return false;
    };
    dialog.onActivate = [&] {
        field.Focus();
        PostMessageA(field.Handle(), WM_KEYDOWN, VK_F4, 0);
        PostMessageA(field.Handle(), WM_KEYDOWN, VK_RETURN, 0);
    };
    EXPECT_EQ(dialog.ShowModal(), ModalResult::Ok);
    EXPECT_EQ(okClicks, 1);
    EXPECT_EQ(fieldKeys, std::vector<WORD>{VK_F4});
    dialog.onActivate = [&] {
        field.Focus();
        PostMessageA(field.Handle(), WM_KEYDOWN, VK_ESCAPE, 0);
    };
    EXPECT_EQ(dialog.ShowModal(), ModalResult::Cancel);
    EXPECT_EQ(okClicks, 1);

    // An editable box leaves Enter to the default button while nobody
    // listens to its keys, and gives it to its key event once one does.
    COMBOBOXINFO parts{};
    parts.cbSize = sizeof(parts);
    ASSERT_TRUE(GetComboBoxInfo(suggestions.Handle(), &parts));
    const auto pressInBox = [&](std::initializer_list<WORD> keys) {
        dialog.onActivate = [&, keys] {
            SetFocus(parts.hwndItem);
            for (const WORD key : keys)
                PostMessageA(parts.hwndItem, WM_KEYDOWN, key, 0);
        };
        return dialog.ShowModal();
    };
    EXPECT_EQ(pressInBox({VK_RETURN}), ModalResult::Ok);
    EXPECT_EQ(okClicks, 2);
    std::vector<WORD> boxKeys;
    suggestions.onKeyDown = [&](WORD key) {
        boxKeys.push_back(key);
        return false;
    };
    EXPECT_EQ(pressInBox({VK_RETURN, VK_ESCAPE}), ModalResult::Cancel);
    EXPECT_EQ(okClicks, 2);
    EXPECT_EQ(boxKeys, std::vector<WORD>{VK_RETURN});
    app.ProcessMessages();
    EXPECT_EQ(mainActivations, 1);
}

// A control that goes before its form takes its window with it (a spin
// edit its arrows too), and the form never presses a default button gone.
TEST_F(FormsTest, AControlThatGoesBeforeItsFormTakesItsWindowWithIt) {
    Form dialog(app, {"Dialog", 200, 100, FrameKind::Dialog});
    Edit field(dialog, 101, {8, 8, 150, 21});
    auto spin = std::make_optional<SpinEdit>(dialog, 102, Bounds{8, 34, 53, 22}, SpinRange{0, 9});
    auto ok = std::make_optional<Button>(dialog, 103, Bounds{8, 60, 75, 25}, "OK");
    int clicks = 0;
    ok->onClick = [&] { ++clicks; };
    ok->SetModalResult(ModalResult::Ok);
    dialog.SetDefaultButton(*ok);
    const HWND spinField = spin->Handle();
    const HWND arrows = GetDlgItem(dialog.Handle(), 102 + SpinEdit::kArrowsIdOffset);
    const HWND button = ok->Handle();
    ASSERT_NE(arrows, nullptr);

    spin.reset();
    ok.reset();
    EXPECT_FALSE(IsWindow(spinField));
    EXPECT_FALSE(IsWindow(arrows));
    EXPECT_FALSE(IsWindow(button));
    dialog.onActivate = [&] {
        field.Focus();
        PostMessageA(field.Handle(), WM_KEYDOWN, VK_RETURN, 0);
        PostMessageA(dialog.Handle(), WM_CLOSE, 0, 0);
    };
    EXPECT_EQ(dialog.ShowModal(), ModalResult::Cancel);
    EXPECT_EQ(clicks, 0);
    EXPECT_TRUE(prompts->messages.empty());
}

TEST_F(FormsTest, TheInputBoxGivesTheTypedTextOnOkAndTheInitialTextOnCancel) {
    Form main(app, {"Main", 300, 200});
    {
        InputBoxForm box(app, nullptr, "Player", "Name:", "Marine");
        HWND field = GetDlgItem(box.Handle(), 101);
        EXPECT_EQ(SendMessageA(field, EM_GETLIMITTEXT, 0, 0), 255);
        SetWindowTextA(field, "Doomguy");
        PostMessageA(field, WM_KEYDOWN, VK_RETURN, 0);
        EXPECT_EQ(box.Ask(), "Doomguy");
    }
    {
        InputBoxForm box(app, nullptr, "Player", "Name:", "Marine");
        HWND field = GetDlgItem(box.Handle(), 101);
        SetWindowTextA(field, "Doomguy");
        PostMessageA(field, WM_KEYDOWN, VK_ESCAPE, 0);
        EXPECT_EQ(box.Ask(), "Marine");
    }
}

TEST_F(FormsTest, FileDialogsRememberTheLastFileAndReadTheDialogsAnswer) {
    constexpr wchar_t kFilter[] = L"Demo files (*.lmp)\0*.lmp\0All files (*.*)\0*.*\0\0";
    EXPECT_EQ(DialogFilter(L"Demo files (*.lmp)|*.lmp|All files (*.*)|*.*"),
              std::wstring(kFilter, std::size(kFilter) - 1));
    using Paths = std::vector<std::wstring>;
    // A shorter name written over a longer one: the tail after its NUL is
    // not a second file, in a single- or a multiple-choice dialog.
    constexpr std::wstring_view kOverLonger(L"C:\\tw\\d.lmp\0mo1.lmp\0", 20);
    EXPECT_EQ(ChosenFiles(kOverLonger, 6, false), Paths{L"C:\\tw\\d.lmp"});
    EXPECT_EQ(ChosenFiles(kOverLonger, 6, true), Paths{L"C:\\tw\\d.lmp"});
    EXPECT_EQ(ChosenFiles(std::wstring_view(L"C:\\my wads\0a b.wad\0c.pk3\0\0", 26), 11, true),
              (Paths{L"C:\\my wads\\a b.wad", L"C:\\my wads\\c.pk3"}));
    EXPECT_EQ(ChosenFiles(std::wstring_view(L"C:\\\0a.wad\0b.deh\0\0", 17), 4, true),
              (Paths{L"C:\\a.wad", L"C:\\b.deh"}));
    EXPECT_TRUE(ChosenFiles(std::wstring_view(L"\0\0", 2), 0, true).empty());

    Form form(app, {"Main", 300, 200});
    FileDialog dialog(form, {false, "Select a demo to play", "Demo files (*.lmp)|*.lmp", "lmp", ".",
                             false, false, ""});
    prompts->fileAnswers.push_back({"C:\\demos\\one.lmp"});
    EXPECT_TRUE(dialog.Execute());
    EXPECT_EQ(dialog.FileName(), "C:\\demos\\one.lmp");
    EXPECT_FALSE(dialog.Execute()); // cancelled
    EXPECT_EQ(dialog.FileName(), "C:\\demos\\one.lmp");
    ASSERT_EQ(prompts->fileRequests.size(), 2u);
    EXPECT_EQ(prompts->fileRequests[0].fileName, "");
    EXPECT_EQ(prompts->fileRequests[1].fileName, "C:\\demos\\one.lmp");
    EXPECT_EQ(prompts->fileRequests[1].title, "Select a demo to play");
}

} // namespace
} // namespace tarnwick::forms
