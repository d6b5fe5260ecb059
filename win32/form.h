// A window built from its design in one pass, on plain Win32 controls: BUTTON check boxes,
// push buttons and group box, STATIC labels and picture. Places, sizes and fonts are the
// design's twips and points at the dots per inch of the screen the window is on, laid out
// again when it moves to a screen of another density. Controls are reached by their design
// names; a name the window lacks is a run-time error.
//
// A form's life follows its window's: the window is made by create(), once the form is whole,
// so that a derived form handles its window's first messages (WM_CREATE) too; the form is
// bound to it at WM_NCCREATE and let go at WM_NCDESTROY; what it gave the window and its
// controls (annotations, fonts, pictures) is taken back as the window goes, however it goes.
#pragma once

#include <windows.h>

#include <optional>
#include <span>
#include <string_view>
#include <vector>

#include "design/form_design.h"
#include "win32/gdi_object.h"

namespace win {

// The window class of every form: how other programs, and the end of this one, find them.
inline constexpr wchar_t kFormClass[] = L"MorvaneForm";

// The identifier of the control at `index` of its window's design: clear of IDOK and
// IDCANCEL, which the dialog manager sends for Return and Escape.
constexpr int controlId(size_t index) {
    return 100 + int(index);
}

class Form {
public:
    // `name` names the window in run-time errors; `style`, its frame.
    Form(std::string_view name, DWORD style, const design::WindowDesign& window,
         std::span<const design::ControlDesign> controls);
    virtual ~Form();
    Form(const Form&) = delete;
    Form& operator=(const Form&) = delete;

    // Makes the window, hidden, and its controls; a window that cannot be made is a run-time
    // error.
    void create();
    // The window; null before create() and once the window is gone.
    HWND handle() const { return window_; }
    int dotsPerInch() const { return dotsPerInch_; }
    // The control called `name`, for `operation`.
    HWND control(std::string_view name, const char* operation) const;
    // The design of the control `handle`, if it is one of this window's.
    const design::ControlDesign* designOf(HWND handle) const;

    // Shows a hidden window with the focus on its first control; a visible one stays as it is.
    void show();
    void hide();

protected:
    // What the window does beyond what every form does; unhandled, DefWindowProc. Its
    // controls exist when it handles WM_CREATE.
    virtual LRESULT handleMessage(UINT message, WPARAM wParam, LPARAM lParam);
    // A control told of an event (WM_COMMAND): a click, mostly.
    virtual void onCommand(const design::ControlDesign&, WORD) {}
    // Gives a control the form made beyond its design what `design` says to screen readers,
    // taken back as the window goes.
    void annotateControl(HWND control, const design::ControlDesign& design);

private:
    void registerClass() const;
    static LRESULT CALLBACK windowProcedure(HWND, UINT, WPARAM, LPARAM);
    void createControls();
    // WM_DESTROY: what screen readers were told goes. WM_NCDESTROY: the fonts and pictures,
    // and the window's handles.
    void destroying();
    void gone();
    // Places and sizes the window and its controls, with their fonts and pictures, at
    // `dotsPerInch`; the window goes to the top left corner of `frame` when given.
    void layOut(int dotsPerInch, const RECT* frame = nullptr);
    RECT placeOf(const design::ControlDesign& control) const;
    HFONT fontFor(const design::ControlDesign& control) const;
    HBITMAP pictureFor(const design::ControlDesign& control) const;

    // The design's colours, or, while the user has a contrast theme on, the system's: read
    // again, and the window painted again, when the theme changes.
    void followColourTheme();
    COLORREF colourOr(const std::optional<design::Rgb>& designed, int systemColour) const;
    // The colours of a control: its own or its container's background, its text colour.
    HBRUSH windowBackground() const;
    HBRUSH backgroundOf(const design::ControlDesign& control) const;
    COLORREF backgroundColourOf(const design::ControlDesign& control) const;
    COLORREF textColourOf(const design::ControlDesign& control, HWND handle) const;
    LRESULT colours(HDC dc, HWND control);
    LRESULT notified(const NMHDR& notification);

    std::string_view name_;
    DWORD style_;
    const design::WindowDesign& design_;
    std::span<const design::ControlDesign> controlDesigns_;
    HWND window_{nullptr};
    std::vector<HWND> annotated_{};  // the window, its controls and the form's own
    int dotsPerInch_{96};
    // In design order, a place for each control; null where it has none of its own.
    std::vector<HWND> controls_{};
    std::vector<GdiObject<HFONT>> fonts_{};
    std::vector<GdiObject<HBITMAP>> pictures_{};
    std::vector<GdiObject<HBRUSH>> controlBackgrounds_{};  // null: the window's
    GdiObject<HBRUSH> windowBackground_{};                 // null: the system's
    bool contrast_{false};
};

}  // namespace win
