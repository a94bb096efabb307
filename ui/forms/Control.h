// The base of every control: a child window of a form, created at its place
// with the form's font. A control object is a non-copyable handle that owns
// its window: one that goes before its form takes its window with it. The
// form routes notifications to it by its window.
#pragma once

#include "Bounds.h"
#include "Container.h"

#include <windows.h>

#include <memory>
#include <optional>
#include <string>
#include <string_view>

namespace tarnwick::forms {

class AccessibleName;
class Form;
class FormWindow;

// Which edges of its form a side of a control keeps its distance to as the
// form is resized: the start (left or top), the end, or both, so that the
// control grows with the form.
enum class Follow { Start, End, Both };

class Control {
  public:
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;
    virtual ~Control();

    HWND Handle() const noexcept { return window_; }
    int Id() const noexcept { return GetDlgCtrlID(window_); }
    FormWindow& OwnerForm() const noexcept { return form_; }

    // The text as ANSI, "?" for each character that the ANSI code page
    // lacks (never a look-alike): read wide and narrowed without best fit.
    std::string Text() const;
    // Where the text holds such characters (typed or pasted into a control
    // that holds any text): the text whole, in UTF-8; nothing otherwise.
    std::optional<std::string> TextBeyondCodePage() const;
    void SetText(std::string_view text);
    bool Enabled() const { return IsWindowEnabled(window_) != FALSE; }
    void SetEnabled(bool enabled) { EnableWindow(window_, enabled); }
    bool Visible() const { return IsWindowVisible(window_) != FALSE; }
    void SetVisible(bool visible) { ShowWindow(window_, visible ? SW_SHOWNA : SW_HIDE); }
    void Focus() { SetFocus(window_); }
    // A font other than the form's; the caller keeps it alive.
    void SetFont(HFONT font) { SendMessageA(window_, WM_SETFONT, WPARAM(font), TRUE); }
    // The name a screen reader gives the control where neither its caption
    // nor the label before it says what it is. The caption stays.
    void SetAccessibleName(std::string name);
    // Keeps the control's distances to the edges of the form it follows, from
    // the place where it stands now, as laid out.
    void Anchor(Follow horizontal, Follow vertical);

  protected:
    // How a control grows to fit its caption: to the right (left-aligned
    // text), as much to either side (centred text), or to the left (where
    // its right neighbour must stay where it is).
    enum class Growth { Right, BothWays, Left };
    // Grows the control, never shrinks it, until its caption fits in the
    // form's font, which it gets when it is made: at another scale the system
    // may give a face whose text is wider than the 96-dpi one scaled. room:
    // what the control's own parts take beside the text (a check box's box, a
    // button's edges), at 96 dpi. True when it grew wider.
    bool FitCaption(SIZE room, Growth growth, bool wraps = false);

    struct WindowKind {
        const char* windowClass;
        DWORD style;
        DWORD exStyle = 0;
        // A field that takes names: a Unicode window, which holds what is
        // typed or pasted whole, also characters that the ANSI code page
        // lacks, so that they are known rather than replaced by look-alikes.
        bool holdsAnyText = false;
    };
    // Every control is visible and a group of its own, so that the arrow keys
    // never wander to a neighbour; Tab follows the order of creation.
    Control(Container& parent, int id, std::string_view text, Bounds bounds, WindowKind kind);

  private:
    friend class Form;
    // After SetText: a control sized to its text fits itself to the new one.
    virtual void TextChanged() {}
    // A WM_COMMAND notification from this control's window.
    virtual void Command(WORD) {}
    // A WM_HSCROLL or WM_VSCROLL request from this control's window.
    virtual void Scroll(WORD) {}
    // A WM_DRAWITEM request for an item of this owner-drawn control.
    virtual void DrawItem(const DRAWITEMSTRUCT&) {}
    // The form's client area is wider and higher than as laid out by that.
    void FollowSize(int wider, int higher);
    // After a label that grew beyond its place: where its text now runs into
    // this control, on its row, this control starts after it.
    void MakeRoomAfter(HWND label);

    FormWindow& form_;
    HWND window_ = nullptr;
    std::unique_ptr<AccessibleName> accessibleName_;
    RECT laidOut_{}; // in the form's client area
    Follow horizontal_ = Follow::Start;
    Follow vertical_ = Follow::Start;
};

} // namespace tarnwick::forms
