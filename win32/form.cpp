#include "win32/form.h"

#include <commctrl.h>

#include <algorithm>

#include "win32/accessibility.h"
#include "win32/check_box_drawing.h"
#include "win32/colour_theme.h"
#include "win32/fonts.h"
#include "win32/runtime.h"
#include "win32/text.h"

namespace win {
namespace {

COLORREF toColorRef(design::Rgb colour) {
    return RGB(colour.red, colour.green, colour.blue);
}

struct ControlClass {
    const wchar_t* name;
    DWORD style;
};

ControlClass classOf(const design::ControlDesign& control) {
    using design::ControlKind;
    const DWORD alignment = control.alignment == design::Alignment::TopCentre ? SS_CENTER : SS_LEFT;
    switch (control.kind) {
        case ControlKind::Label:
            return {L"STATIC", alignment | SS_NOPREFIX};
        case ControlKind::CheckBox:
            // Three states, for a Value that is neither 0 nor 1; a click ticks or unticks
            // (Form3), never leaves a box in the third.
            return {L"BUTTON", BS_3STATE | WS_TABSTOP};
        case ControlKind::CommandButton:
            return {L"BUTTON", BS_PUSHBUTTON | WS_TABSTOP};
        case ControlKind::Frame:
            return {L"BUTTON", BS_GROUPBOX};
        case ControlKind::Picture:
            return {L"STATIC", SS_BITMAP};
    }
    return {L"STATIC", 0};
}

// The picture's resource drawn at `scale` times its size: "gecko.bmp" -> "gecko@2x.bmp".
std::wstring resourceAtScale(std::string_view name, int scale) {
    if (scale == 1)
        return widened(name);
    const size_t dot = name.rfind('.');
    return widened(name.substr(0, dot)) + L"@" + std::to_wstring(scale) + L"x" +
           widened(name.substr(dot));
}

SIZE sizeOf(HBITMAP bitmap) {
    BITMAP facts{};
    GetObjectW(bitmap, sizeof facts, &facts);
    return {facts.bmWidth, facts.bmHeight};
}

// `picture` brought to `width` x `height` pixels, averaging where it shrinks.
HBITMAP resized(HBITMAP picture, int width, int height) {
    const SIZE size = sizeOf(picture);
    if (size.cx == width && size.cy == height)
        return picture;
    HDC screen = GetDC(nullptr);
    HDC from = CreateCompatibleDC(screen), to = CreateCompatibleDC(screen);
    HBITMAP result = CreateCompatibleBitmap(screen, width, height);
    const HGDIOBJ previousFrom = SelectObject(from, picture);
    const HGDIOBJ previousTo = SelectObject(to, result);
    SetStretchBltMode(to, HALFTONE);
    SetBrushOrgEx(to, 0, 0, nullptr);
    StretchBlt(to, 0, 0, width, height, from, 0, 0, size.cx, size.cy, SRCCOPY);
    SelectObject(from, previousFrom);
    SelectObject(to, previousTo);
    DeleteDC(from);
    DeleteDC(to);
    ReleaseDC(nullptr, screen);
    DeleteObject(picture);
    return result;
}

}  // namespace

void Form::registerClass() const {
    static const bool registered = [] {
        WNDCLASSEXW windowClass{};
        windowClass.cbSize = sizeof windowClass;
        windowClass.lpfnWndProc = &Form::windowProcedure;
        windowClass.hInstance = GetModuleHandleW(nullptr);
        // The program's icon (resource 1), each size drawn for its place rather than scaled.
        const auto icon = [](int sizeMetric) {
            const int side = GetSystemMetrics(sizeMetric);
            return static_cast<HICON>(LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(1),
                                                 IMAGE_ICON, side, side, LR_DEFAULTCOLOR));
        };
        windowClass.hIcon = icon(SM_CXICON);
        windowClass.hIconSm = icon(SM_CXSMICON);
        windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
        windowClass.lpszClassName = kFormClass;
        return RegisterClassExW(&windowClass) != 0;
    }();
    if (!registered)
        runTimeError(name_, "création de la fenêtre");
}

Form::Form(std::string_view name, DWORD style, const design::WindowDesign& window,
           std::span<const design::ControlDesign> controls)
    : name_(name),
      style_(style),
      design_(window),
      controlDesigns_(controls),
      controls_(controls.size()),
      fonts_(controls.size()),
      pictures_(controls.size()),
      controlBackgrounds_(controls.size()) {
    followColourTheme();
}

Form::~Form() {
    // Still there: it goes now, and takes back what it was given on its way.
    if (window_)
        DestroyWindow(window_);
}

void Form::followColourTheme() {
    contrast_ = contrastThemeIsOn();
    const auto ownBrush = [this](const std::optional<design::Rgb>& colour) {
        return GdiObject<HBRUSH>(colour && !contrast_ ? CreateSolidBrush(toColorRef(*colour))
                                                      : nullptr);
    };
    windowBackground_ = ownBrush(design_.background);
    for (size_t i = 0; i < controlDesigns_.size(); ++i)
        controlBackgrounds_[i] = ownBrush(controlDesigns_[i].background);
    if (window_)
        RedrawWindow(window_, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

void Form::create() {
    registerClass();
    if (!CreateWindowExW(0, kFormClass, widened(design_.caption).c_str(), style_, CW_USEDEFAULT,
                         CW_USEDEFAULT, 0, 0, nullptr, nullptr, GetModuleHandleW(nullptr), this))
        runTimeError(name_, "création de la fenêtre");
    if (const design::ControlDesign* describing =
            design::controlNamed(controlDesigns_, design_.describedBy)) {
        describe(window_, describing->text);
        annotated_.push_back(window_);
    }
    layOut(int(GetDpiForWindow(window_)));
}

void Form::annotateControl(HWND control, const design::ControlDesign& design) {
    annotate(control, design);
    annotated_.push_back(control);
}

void Form::destroying() {
    for (HWND annotatedWindow : annotated_)
        forgetAnnotations(annotatedWindow);
    annotated_.clear();
    // A picture control may show a copy of the picture it was given, which is then ours.
    for (size_t i = 0; i < controls_.size(); ++i) {
        if (!pictures_[i])
            continue;
        auto* shown =
            reinterpret_cast<HBITMAP>(SendMessageW(controls_[i], STM_SETIMAGE, IMAGE_BITMAP, 0));
        if (shown && shown != pictures_[i].get())
            DeleteObject(shown);
    }
}

void Form::gone() {
    for (auto& font : fonts_)
        font.reset();
    for (auto& picture : pictures_)
        picture.reset();
    std::fill(controls_.begin(), controls_.end(), nullptr);
    window_ = nullptr;
}

void Form::createControls() {
    for (size_t i = 0; i < controlDesigns_.size(); ++i) {
        const design::ControlDesign& control = controlDesigns_[i];
        if (!control.container.empty() && !design::controlNamed(controlDesigns_, control.container))
            runTimeError(control.container, "recherche du conteneur");
        const ControlClass kind = classOf(control);
        const std::wstring text =
            control.kind == design::ControlKind::Picture ? L"" : widened(control.text);
        controls_[i] = CreateWindowExW(
            0, kind.name, text.c_str(), WS_CHILD | WS_VISIBLE | kind.style, 0, 0, 0, 0, window_,
            reinterpret_cast<HMENU>(INT_PTR(controlId(i))), GetModuleHandleW(nullptr), nullptr);
        if (!controls_[i])
            runTimeError(control.name, "création du contrôle");
        annotateControl(controls_[i], control);
    }
}

RECT Form::placeOf(const design::ControlDesign& control) const {
    int left = control.left, top = control.top;
    if (const design::ControlDesign* container =
            design::controlNamed(controlDesigns_, control.container)) {
        left += container->left;
        top += container->top;
    }
    const auto pixels = [this](int twips) { return design::twipsToPixels(twips, dotsPerInch_); };
    return {pixels(left), pixels(top), pixels(left) + pixels(control.width),
            pixels(top) + pixels(control.height)};
}

HFONT Form::fontFor(const design::ControlDesign& control) const {
    const design::FontDesign& font =
        control.font.family.empty() ? design_.defaultFont : control.font;
    if (font.family.empty())
        return nullptr;
    const int height = design::pointsToPixels(font.points, dotsPerInch_);
    if (control.kind != design::ControlKind::CheckBox)
        return createFont(font, height);
    const RECT place = placeOf(control);
    const int room = place.right - place.left - checkGlyphRoom(dotsPerInch_);
    return fittedFont(font, height, widened(control.text), room);
}

// The design's picture at the control's size: drawn from the one twice as large where the
// screen is dense, so that it is shrunk, never stretched.
HBITMAP Form::pictureFor(const design::ControlDesign& control) const {
    const RECT place = placeOf(control);
    const int width = place.right - place.left, height = place.bottom - place.top;
    const int scale = width > design::twipsToPixels(control.width) ? 2 : 1;
    auto* picture = static_cast<HBITMAP>(LoadImageW(GetModuleHandleW(nullptr),
                                                    resourceAtScale(control.text, scale).c_str(),
                                                    IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
    if (!picture)
        runTimeError(control.name, "chargement de l'image");
    return resized(picture, width, height);
}

void Form::layOut(int dotsPerInch, const RECT* frame) {
    dotsPerInch_ = dotsPerInch;
    for (size_t i = 0; i < controlDesigns_.size(); ++i) {
        const design::ControlDesign& control = controlDesigns_[i];
        HWND handle = controls_[i];
        if (HFONT font = fontFor(control)) {
            SendMessageW(handle, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
            fonts_[i].reset(font);
        }
        if (control.kind == design::ControlKind::Picture) {
            HBITMAP picture = pictureFor(control);
            // The control hands back what it showed: the picture before, or a copy of it
            // that it had made, which is then ours too.
            auto* shown = reinterpret_cast<HBITMAP>(SendMessageW(
                handle, STM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(picture)));
            if (shown && shown != pictures_[i].get())
                DeleteObject(shown);
            pictures_[i].reset(picture);
        }
        const RECT place = placeOf(control);
        SetWindowPos(handle, nullptr, place.left, place.top, place.right - place.left,
                     place.bottom - place.top, SWP_NOZORDER | SWP_NOACTIVATE);
    }
    const int width = design::twipsToPixels(design_.clientWidth, dotsPerInch);
    const int height = design::twipsToPixels(design_.clientHeight, dotsPerInch);
    RECT outer{0, 0, width, height};
    AdjustWindowRectExForDpi(&outer, style_, FALSE, 0, UINT(dotsPerInch));
    const POINT corner = frame ? POINT{frame->left, frame->top} : POINT{};
    SetWindowPos(window_, nullptr, corner.x, corner.y, outer.right - outer.left,
                 outer.bottom - outer.top,
                 SWP_NOZORDER | SWP_NOACTIVATE | (frame ? 0 : SWP_NOMOVE));
    // Where the frame is not drawn at the new density (Wine's is not), the client area
    // still gets the design's size.
    RECT client{};
    GetClientRect(window_, &client);
    GetWindowRect(window_, &outer);
    if (client.right != width || client.bottom != height)
        SetWindowPos(window_, nullptr, 0, 0, outer.right - outer.left + width - client.right,
                     outer.bottom - outer.top + height - client.bottom,
                     SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    InvalidateRect(window_, nullptr, TRUE);
}

HWND Form::control(std::string_view name, const char* operation) const {
    for (size_t i = 0; i < controlDesigns_.size(); ++i)
        if (controlDesigns_[i].name == name && IsWindow(controls_[i]))
            return controls_[i];
    runTimeError(name, operation);
}

const design::ControlDesign* Form::designOf(HWND handle) const {
    const auto found = std::find(controls_.begin(), controls_.end(), handle);
    return found == controls_.end() ? nullptr : &controlDesigns_[size_t(found - controls_.begin())];
}

void Form::show() {
    if (IsWindowVisible(window_))
        return;
    ShowWindow(window_, SW_SHOW);
    if (const design::ControlDesign* first = design::initialFocus(controlDesigns_))
        SetFocus(control(first->name, "prise du focus"));
}

void Form::hide() {
    ShowWindow(window_, SW_HIDE);
}

COLORREF Form::colourOr(const std::optional<design::Rgb>& designed, int systemColour) const {
    return designed && !contrast_ ? toColorRef(*designed) : GetSysColor(systemColour);
}

HBRUSH Form::windowBackground() const {
    return windowBackground_ ? windowBackground_.get() : GetSysColorBrush(COLOR_BTNFACE);
}

HBRUSH Form::backgroundOf(const design::ControlDesign& control) const {
    const auto& own = controlBackgrounds_[size_t(&control - controlDesigns_.data())];
    return own ? own.get() : windowBackground();
}

COLORREF Form::backgroundColourOf(const design::ControlDesign& control) const {
    return colourOr(control.background ? control.background : design_.background, COLOR_BTNFACE);
}

COLORREF Form::textColourOf(const design::ControlDesign& control, HWND handle) const {
    if (!IsWindowEnabled(handle))
        return colourOr(design_.disabledText, COLOR_GRAYTEXT);
    return colourOr(control.foreground, COLOR_BTNTEXT);
}

LRESULT Form::colours(HDC dc, HWND handle) {
    const design::ControlDesign* control = designOf(handle);
    if (!control)
        return reinterpret_cast<LRESULT>(windowBackground());
    SetBkColor(dc, backgroundColourOf(*control));
    SetTextColor(dc, textColourOf(*control, handle));
    return reinterpret_cast<LRESULT>(backgroundOf(*control));
}

// The check boxes are painted by the form, in their design's colours.
LRESULT Form::notified(const NMHDR& notification) {
    const design::ControlDesign* control = designOf(notification.hwndFrom);
    if (notification.code != NM_CUSTOMDRAW || !control ||
        control->kind != design::ControlKind::CheckBox)
        return 0;
    const auto& draw = reinterpret_cast<const NMCUSTOMDRAW&>(notification);
    if (draw.dwDrawStage != CDDS_PREPAINT)
        return CDRF_DODEFAULT;
    drawCheckBox(draw, textColourOf(*control, notification.hwndFrom), backgroundOf(*control),
                 dotsPerInch_);
    return CDRF_SKIPDEFAULT;
}

LRESULT Form::handleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    return DefWindowProcW(window_, message, wParam, lParam);
}

LRESULT CALLBACK Form::windowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    // The form comes with the window's creation, and stays with the window until it is gone.
    if (message == WM_NCCREATE) {
        auto* creation = reinterpret_cast<CREATESTRUCTW*>(lParam);
        auto* created = static_cast<Form*>(creation->lpCreateParams);
        created->window_ = window;
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(created));
    }
    auto* form = reinterpret_cast<Form*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (!form)
        return DefWindowProcW(window, message, wParam, lParam);
    switch (message) {
        case WM_CREATE:
            form->createControls();
            return form->handleMessage(message, wParam, lParam);
        case WM_DESTROY:
            form->destroying();
            return form->handleMessage(message, wParam, lParam);
        case WM_NCDESTROY:
            form->gone();
            SetWindowLongPtrW(window, GWLP_USERDATA, 0);
            return DefWindowProcW(window, message, wParam, lParam);
        case WM_ERASEBKGND: {
            RECT client;
            GetClientRect(window, &client);
            FillRect(reinterpret_cast<HDC>(wParam), &client, form->windowBackground());
            return 1;
        }
        case WM_SETTINGCHANGE:
            if (wParam == SPI_SETHIGHCONTRAST)
                form->followColourTheme();
            return form->handleMessage(message, wParam, lParam);
        case WM_SYSCOLORCHANGE:
            // The controls are told too: only top-level windows hear of it.
            for (HWND control : form->controls_)
                SendMessageW(control, WM_SYSCOLORCHANGE, wParam, lParam);
            form->followColourTheme();
            return form->handleMessage(message, wParam, lParam);
        case WM_CTLCOLORSTATIC:
        case WM_CTLCOLORBTN:
            return form->colours(reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam));
        case WM_NOTIFY:
            return form->notified(*reinterpret_cast<const NMHDR*>(lParam));
        case WM_DPICHANGED:
            form->layOut(LOWORD(wParam), reinterpret_cast<const RECT*>(lParam));
            return 0;
        case WM_COMMAND:
            if (const design::ControlDesign* control =
                    form->designOf(reinterpret_cast<HWND>(lParam)))
                form->onCommand(*control, HIWORD(wParam));
            return 0;
        default:
            return form->handleMessage(message, wParam, lParam);
    }
}

}  // namespace win
