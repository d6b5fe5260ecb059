#include "tests/win32/recorded_annotations.h"

#include <initguid.h>
#include <oleacc.h>

#include "win32/text.h"

namespace test {
namespace {

// UI Automation's live setting, as the program gives it.
DEFINE_GUID(kLiveSetting, 0xc12bcd8e, 0x2a8e, 0x4950, 0x8a, 0xe7, 0x36, 0x25, 0x11, 0x1d, 0x58,
            0xeb);

std::map<HWND, Annotations> given;

// One service for the whole process, never freed: its reference count is not kept.
class RecordingService final : public IAccPropServices, public IClassFactory {
public:
    // IUnknown, for both interfaces.
    HRESULT WINAPI QueryInterface(REFIID id, void** object) override {
        if (id == IID_IUnknown || id == IID_IAccPropServices)
            *object = static_cast<IAccPropServices*>(this);
        else if (id == IID_IClassFactory)
            *object = static_cast<IClassFactory*>(this);
        else
            return *object = nullptr, E_NOINTERFACE;
        return S_OK;
    }
    ULONG WINAPI AddRef() override { return 2; }
    ULONG WINAPI Release() override { return 1; }

    // IClassFactory: the one service, whoever asks.
    HRESULT WINAPI CreateInstance(IUnknown* outer, REFIID id, void** object) override {
        return outer ? CLASS_E_NOAGGREGATION : QueryInterface(id, object);
    }
    HRESULT WINAPI LockServer(BOOL) override { return S_OK; }

    // What the program uses of the service.
    HRESULT WINAPI SetHwndPropStr(HWND window, DWORD, DWORD, MSAAPROPID property,
                                  LPCWSTR text) override {
        if (property == PROPID_ACC_NAME)
            given[window].name = win::narrowed(text);
        else if (property == PROPID_ACC_DESCRIPTION)
            given[window].description = win::narrowed(text);
        return S_OK;
    }
    HRESULT WINAPI SetHwndProp(HWND window, DWORD, DWORD, MSAAPROPID property,
                               VARIANT value) override {
        if (property == kLiveSetting)
            given[window].liveRegion = value.vt == VT_I4 && value.lVal != 0;
        return S_OK;
    }
    HRESULT WINAPI ClearHwndProps(HWND window, DWORD, DWORD, const MSAAPROPID*, int) override {
        given.erase(window);
        return S_OK;
    }

    // What it does not.
    HRESULT WINAPI SetPropValue(const BYTE*, DWORD, MSAAPROPID, VARIANT) override {
        return E_NOTIMPL;
    }
    HRESULT WINAPI SetPropServer(const BYTE*, DWORD, const MSAAPROPID*, int, IAccPropServer*,
                                 AnnoScope) override {
        return E_NOTIMPL;
    }
    HRESULT WINAPI ClearProps(const BYTE*, DWORD, const MSAAPROPID*, int) override {
        return E_NOTIMPL;
    }
    HRESULT WINAPI SetHwndPropServer(HWND, DWORD, DWORD, const MSAAPROPID*, int, IAccPropServer*,
                                     AnnoScope) override {
        return E_NOTIMPL;
    }
    HRESULT WINAPI ComposeHwndIdentityString(HWND, DWORD, DWORD, BYTE**, DWORD*) override {
        return E_NOTIMPL;
    }
    HRESULT WINAPI DecomposeHwndIdentityString(const BYTE*, DWORD, HWND*, DWORD*, DWORD*) override {
        return E_NOTIMPL;
    }
    HRESULT WINAPI SetHmenuProp(HMENU, DWORD, MSAAPROPID, VARIANT) override { return E_NOTIMPL; }
    HRESULT WINAPI SetHmenuPropStr(HMENU, DWORD, MSAAPROPID, LPCWSTR) override { return E_NOTIMPL; }
    HRESULT WINAPI SetHmenuPropServer(HMENU, DWORD, const MSAAPROPID*, int, IAccPropServer*,
                                      AnnoScope) override {
        return E_NOTIMPL;
    }
    HRESULT WINAPI ClearHmenuProps(HMENU, DWORD, const MSAAPROPID*, int) override {
        return E_NOTIMPL;
    }
    HRESULT WINAPI ComposeHmenuIdentityString(HMENU, DWORD, BYTE**, DWORD*) override {
        return E_NOTIMPL;
    }
    HRESULT WINAPI DecomposeHmenuIdentityString(const BYTE*, DWORD, HMENU*, DWORD*) override {
        return E_NOTIMPL;
    }
};

}  // namespace

void recordAnnotations() {
    static RecordingService service;
    DWORD registration = 0;
    CoRegisterClassObject(CLSID_AccPropServices, static_cast<IClassFactory*>(&service),
                          CLSCTX_INPROC_SERVER, REGCLS_MULTIPLEUSE, &registration);
}

Annotations annotationsOf(HWND window) {
    const auto found = given.find(window);
    return found == given.end() ? Annotations{} : found->second;
}

}  // namespace test
