// Form3: the main window, built from its design table, holding the pairing board in its
// controls.
#include "win32/main_window.h"

#include <algorithm>
#include <array>

#include "design/box_navigation.h"
#include "design/main_window_design.h"
#include "design/spoken_texts.h"
#include "win32/accessibility.h"
#include "win32/runtime.h"
#include "win32/text.h"

namespace win {
namespace {

struct ArrowBinding {
    WPARAM key;
    design::ArrowKey arrow;
};

constexpr std::array<ArrowBinding, 4> kArrowBindings{{
    {VK_UP, design::ArrowKey::Up},
    {VK_DOWN, design::ArrowKey::Down},
    {VK_LEFT, design::ArrowKey::Left},
    {VK_RIGHT, design::ArrowKey::Right},
}};

std::string_view answerName() {
    return design::nameOf(design::kMainWindowControls, design::ControlRole::Answer);
}

}  // namespace

// The default frame of a window: it may be resized and maximised, the controls staying
// where they are.
Form3::Form3()
    : Form("Form3", WS_OVERLAPPEDWINDOW, design::kMainWindowDesign, design::kMainWindowControls) {}

LRESULT Form3::handleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_CREATE) {
        announcer_ = CreateWindowExW(0, L"STATIC", L"", WS_CHILD | WS_VISIBLE | SS_NOPREFIX, 0, 0,
                                     0, 0, handle(), nullptr, GetModuleHandleW(nullptr), nullptr);
        if (!announcer_)
            runTimeError("announcer", "création du contrôle");
        annotateControl(announcer_, {.name = "announcer", .liveRegion = true});
        return 0;
    }
    return Form::handleMessage(message, wParam, lParam);
}

HWND Form3::box(pairing::PhaseBox box, const char* operation) const {
    return control(pairing::boxName(box), operation);
}

pairing::BoxValue Form3::value(pairing::PhaseBox box) const {
    return static_cast<pairing::BoxValue>(
        SendMessageW(this->box(box, "lecture de Value"), BM_GETCHECK, 0, 0));
}

// A write that changes the Value runs the box's click handling inside it, as a click does.
void Form3::setValue(pairing::PhaseBox box, pairing::BoxValue value) {
    HWND handle = this->box(box, "écriture de Value");
    if (SendMessageW(handle, BM_GETCHECK, 0, 0) == value)
        return;
    SendMessageW(handle, BM_SETCHECK, WPARAM(value), 0);
    pairing::handleBoxClick(*this, box);
}

bool Form3::isEnabled(pairing::PhaseBox box) const {
    return IsWindowEnabled(this->box(box, "lecture de Enabled"));
}

void Form3::setEnabled(pairing::PhaseBox box, bool enabled) {
    EnableWindow(this->box(box, "écriture de Enabled"), enabled);
}

std::string Form3::answer() const {
    HWND handle = control(answerName(), "lecture de Caption");
    std::wstring text(size_t(GetWindowTextLengthW(handle)) + 1, L'\0');
    text.resize(size_t(GetWindowTextW(handle, text.data(), int(text.size()))));
    return narrowed(text);
}

void Form3::setAnswer(std::string_view text) {
    SetWindowTextW(control(answerName(), "écriture de Caption"), widened(text).c_str());
}

void Form3::onCommand(const design::ControlDesign& control, WORD code) {
    if (code != BN_CLICKED)
        return;
    const std::string answerBefore = answer();
    if (control.box) {
        // A click ticks a box that is not ticked, and unticks one that is.
        HWND handle = box(*control.box, "clic");
        const bool ticked = SendMessageW(handle, BM_GETCHECK, 0, 0) == BST_CHECKED;
        SendMessageW(handle, BM_SETCHECK, ticked ? BST_UNCHECKED : BST_CHECKED, 0);
        pairing::handleBoxClick(*this, *control.box);
        announce(design::announcementAfterClick(*this, *control.box, answerBefore));
    } else if (control.role == design::ControlRole::Reset) {
        Command3_Click();
        announce(design::announcementAfterReset());
    } else if (control.role == design::ControlRole::Close) {
        Command1_Click();
    }
}

// Once the handling is over, so that a Reset says one thing, not one per box: the answer,
// then what became of the choices, each from its own control.
void Form3::announce(const design::Announcement& announcement) {
    if (!announcement.answer.empty())
        announceChange(control(answerName(), "annonce du résultat"));
    if (!announcement.choices.empty()) {
        SetWindowTextW(announcer_, widened(announcement.choices).c_str());
        announceChange(announcer_);
    }
}

void Form3::Command3_Click() {
    pairing::resetBoard(*this);
}

void Form3::Command1_Click() {
    showMessage(handle(), design::thanksNote());
    endProgram();
}

bool Form3::moveAmongBoxes(WPARAM key) {
    const design::ControlDesign* focused = designOf(GetFocus());
    const auto binding = std::find_if(kArrowBindings.begin(), kArrowBindings.end(),
                                      [key](const ArrowBinding& b) { return b.key == key; });
    if (!focused || !focused->box || binding == kArrowBindings.end())
        return false;
    if (const auto reached = design::boxReachedBy(*this, *focused->box, binding->arrow))
        SetFocus(box(*reached, "déplacement du focus"));
    return true;  // at the edge the focus stays
}

}  // namespace win
