#include "win32/accessibility.h"

#include <initguid.h>
#include <oleacc.h>

#include <array>

#include "win32/text.h"

namespace win {
namespace {

// UI Automation's live setting, which oleacc's annotations carry too; mingw-w64's headers
// lack its identifier.
DEFINE_GUID(kLiveSettingProperty, 0xc12bcd8e, 0x2a8e, 0x4950, 0x8a, 0xe7, 0x36, 0x25, 0x11, 0x1d,
            0x58, 0xeb);
constexpr int kPolite = 1;

// The annotation service, made on first use and kept until released; null where the system
// has none (or COM is not there), and then the controls say only what they show.
IAccPropServices* serviceInstance = nullptr;
bool serviceAsked = false;

IAccPropServices* service() {
    if (!serviceAsked) {
        serviceAsked = true;
        if (FAILED(CoCreateInstance(CLSID_AccPropServices, nullptr, CLSCTX_INPROC_SERVER,
                                    IID_IAccPropServices,
                                    reinterpret_cast<void**>(&serviceInstance))))
            serviceInstance = nullptr;
    }
    return serviceInstance;
}

void setText(HWND window, const MSAAPROPID& property, std::string_view text) {
    if (IAccPropServices* annotations = service(); annotations && !text.empty()) {
        std::wstring wide = widened(text);
        annotations->SetHwndPropStr(window, OBJID_CLIENT, CHILDID_SELF, property, wide.data());
    }
}

}  // namespace

void annotate(HWND control, const design::ControlDesign& design) {
    setText(control, PROPID_ACC_NAME, design.spokenName);
    setText(control, PROPID_ACC_DESCRIPTION, design.description);
    if (IAccPropServices* annotations = service(); annotations && design.liveRegion) {
        VARIANT polite{};
        polite.vt = VT_I4;
        polite.lVal = kPolite;
        annotations->SetHwndProp(control, OBJID_CLIENT, CHILDID_SELF, kLiveSettingProperty, polite);
    }
}

void describe(HWND window, std::string_view description) {
    setText(window, PROPID_ACC_DESCRIPTION, description);
}

void forgetAnnotations(HWND window) {
    if (IAccPropServices* annotations = service()) {
        std::array<MSAAPROPID, 3> given{PROPID_ACC_NAME, PROPID_ACC_DESCRIPTION,
                                        kLiveSettingProperty};
        annotations->ClearHwndProps(window, OBJID_CLIENT, CHILDID_SELF, given.data(),
                                    int(given.size()));
    }
}

void releaseAnnotationService() {
    if (serviceInstance)
        serviceInstance->Release();
    serviceInstance = nullptr;
    serviceAsked = false;
}

void announceChange(HWND control) {
    NotifyWinEvent(EVENT_OBJECT_LIVEREGIONCHANGED, control, OBJID_CLIENT, CHILDID_SELF);
}

}  // namespace win
