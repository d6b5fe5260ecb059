#include "windows/form.h"

#include <algorithm>
#include <array>

#include "windows/runtime.h"
#include "windows/text.h"

namespace win {
namespace {

COLORREF toColorRef(design::Rgb colour) {
    return RGB(colour.red, colour.green, colour.blue);
}

struct FontFamily {
    std::string_view design;
    const wchar_t* windows;
};

// Fonts that every Windows 10 and 11 has. MS Sans Serif, a bitmap font, has its TrueType
// twin; Liberation Sans was made to the metrics of Arial. There is no narrow Arial without
// Office: the boxes take Arial and fit their captions to their room (fittedFont).
constexpr std::array<FontFamily, 3> kFontFamilies{{
    {"MS Sans Serif", L"Microsoft Sans Serif"},
    {"Liberation Sans", L"Arial"},
    {"Liberation Sans Narrow", L"Arial"},
}};

HFONT createFont(const design::FontDesign& font, int pixelHeight) {
    const auto family = std::find_if(kFontFamilies.begin(), kFontFamilies.end(),
                                     [&](const FontFamily& f) { return f.design == font.family; });
    return CreateFontW(-pixelHeight, 0, 0, 0, font.bold ? FW_BOLD : FW_NORMAL, FALSE, FALSE, FALSE,
                       DEFAULT_CHARSET, OUT_TT_PRECIS, CLIP_DEFAULT_PRECIS, CLEARTYPE_QUALITY,
                       DEFAULT_PITCH | FF_SWISS,
                       family != kFontFamilies.end() ? family->windows : L"Microsoft Sans Serif");
}

// The font of a check box, made smaller where its caption and the check would not fit in
// the box as the system draws them, whatever font the system gave for the one asked.
HFONT fittedFont(const design::FontDesign& font, int pixelHeight, HWND box, int width) {
    HFONT fitted = createFont(font, pixelHeight);
    HDC dc = GetDC(box);
    wchar_t text[64]{};
    GetWindowTextW(box, text, int(std::size(text)));
    const int room = width - GetSystemMetrics(SM_CXMENUCHECK) - GetSystemMetrics(SM_CXEDGE) * 2;
    for (int height = pixelHeight; height > 6; --height) {
        const HGDIOBJ previous = SelectObject(dc, fitted);
        SIZE extent{};
        GetTextExtentPoint32W(dc, text, int(wcslen(text)), &extent);
        SelectObject(dc, previous);
        if (extent.cx <= room)
            break;
        DeleteObject(fitted);
        fitted = createFont(font, height - 1);
    }
    ReleaseDC(box, dc);
    return fitted;
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
            return {L"BUTTON", BS_AUTOCHECKBOX | WS_TABSTOP};
        case ControlKind::CommandButton:
            return {L"BUTTON", BS_PUSHBUTTON | WS_TABSTOP};
        case ControlKind::Frame:
            return {L"BUTTON", BS_GROUPBOX};
        case ControlKind::Picture:
            return {L"STATIC", SS_BITMAP};
    }
    return {L"STATIC", 0};
}

int screenDotsPerInch() {
    HDC screen = GetDC(nullptr);
    const int dotsPerInch = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    return dotsPerInch;
}

}  // namespace

void Form::registerClass() {
    static const bool registered = [] {
        WNDCLASSEXW windowClass{};
        windowClass.cbSize = sizeof windowClass;
        windowClass.lpfnWndProc = &Form::windowProcedure;
        windowClass.hInstance = GetModuleHandleW(nullptr);
        windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
        windowClass.lpszClassName = kFormClass;
        return RegisterClassExW(&windowClass) != 0;
    }();
    (void)registered;
}

Form::Form(const design::WindowDesign& window, std::span<const design::ControlDesign> controls)
    : design_(window), controlDesigns_(controls) {
    registerClass();
    const int dotsPerInch = screenDotsPerInch();
    background_ = window.background ? CreateSolidBrush(toColorRef(*window.background))
                                    : GetSysColorBrush(COLOR_BTNFACE);
    constexpr DWORD kStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
    RECT frame{0, 0, design::twipsToPixels(window.clientWidth, dotsPerInch),
               design::twipsToPixels(window.clientHeight, dotsPerInch)};
    AdjustWindowRectEx(&frame, kStyle, FALSE, 0);
    window_ = CreateWindowExW(0, kFormClass, widened(window.caption).c_str(), kStyle, CW_USEDEFAULT,
                              CW_USEDEFAULT, frame.right - frame.left, frame.bottom - frame.top,
                              nullptr, nullptr, GetModuleHandleW(nullptr), this);
    createControls(dotsPerInch);
}

Form::~Form() {
    if (IsWindow(window_)) {
        SetWindowLongPtrW(window_, GWLP_USERDATA, 0);
        DestroyWindow(window_);
    }
    for (HFONT font : fonts_)
        DeleteObject(font);
    for (HBITMAP picture : pictures_)
        DeleteObject(picture);
    for (HBRUSH brush : controlBackgrounds_)
        if (brush)
            DeleteObject(brush);
    if (design_.background)
        DeleteObject(background_);
}

void Form::createControls(int dotsPerInch) {
    const auto pixels = [dotsPerInch](int twips) {
        return design::twipsToPixels(twips, dotsPerInch);
    };
    for (const design::ControlDesign& control : controlDesigns_) {
        int left = control.left, top = control.top;
        if (!control.container.empty()) {
            const design::ControlDesign* container =
                design::controlNamed(controlDesigns_, control.container);
            if (!container)
                runTimeError(control.container, "recherche du conteneur");
            left += container->left;
            top += container->top;
        }
        const ControlClass kind = classOf(control);
        const std::wstring text =
            control.kind == design::ControlKind::Picture ? L"" : widened(control.text);
        HWND handle = CreateWindowExW(
            0, kind.name, text.c_str(), WS_CHILD | WS_VISIBLE | kind.style, pixels(left),
            pixels(top), pixels(control.width), pixels(control.height), window_,
            reinterpret_cast<HMENU>(controls_.size() + 1), GetModuleHandleW(nullptr), nullptr);
        controls_.push_back(handle);
        controlBackgrounds_.push_back(
            control.background ? CreateSolidBrush(toColorRef(*control.background)) : nullptr);

        const design::FontDesign& font =
            control.font.family.empty() ? design_.defaultFont : control.font;
        if (!font.family.empty()) {
            const int height = design::pointsToPixels(font.points, dotsPerInch);
            fonts_.push_back(control.kind == design::ControlKind::CheckBox
                                 ? fittedFont(font, height, handle, pixels(control.width))
                                 : createFont(font, height));
            SendMessageW(handle, WM_SETFONT, reinterpret_cast<WPARAM>(fonts_.back()), FALSE);
        }
        if (control.kind == design::ControlKind::Picture) {
            auto* picture = static_cast<HBITMAP>(LoadImageW(
                GetModuleHandleW(nullptr), widened(control.text).c_str(), IMAGE_BITMAP, 0, 0, 0));
            if (!picture)
                runTimeError(control.name, "chargement de l'image");
            pictures_.push_back(picture);
            SendMessageW(handle, STM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(picture));
        }
    }
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
    // The first control that takes the focus has it as the window opens.
    if (HWND first = GetNextDlgTabItem(window_, nullptr, FALSE))
        SetFocus(first);
}

void Form::hide() {
    ShowWindow(window_, SW_HIDE);
}

LRESULT Form::colours(HDC dc, HWND handle) {
    const design::ControlDesign* control = designOf(handle);
    if (!control)
        return reinterpret_cast<LRESULT>(background_);
    const std::optional<design::Rgb> background =
        control->background ? control->background : design_.background;
    SetBkColor(dc, background ? toColorRef(*background) : GetSysColor(COLOR_BTNFACE));
    if (!IsWindowEnabled(handle) && design_.disabledText)
        SetTextColor(dc, toColorRef(*design_.disabledText));
    else if (control->foreground)
        SetTextColor(dc, toColorRef(*control->foreground));
    const HBRUSH own = controlBackgrounds_[size_t(control - controlDesigns_.data())];
    return reinterpret_cast<LRESULT>(own ? own : background_);
}

LRESULT Form::handleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    return DefWindowProcW(window_, message, wParam, lParam);
}

LRESULT CALLBACK Form::windowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    // The form comes with the window's creation, and stays with the window.
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
        case WM_ERASEBKGND: {
            RECT client;
            GetClientRect(window, &client);
            FillRect(reinterpret_cast<HDC>(wParam), &client, form->background_);
            return 1;
        }
        case WM_CTLCOLORSTATIC:
        case WM_CTLCOLORBTN:
            return form->colours(reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam));
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
