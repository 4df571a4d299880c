#include "form/win32/live_region.hpp"

namespace {

// The live-setting property of UI Automation, which MinGW-w64 does not
// declare, and the value of its LiveSetting enumeration we want.
constexpr MSAAPROPID kLiveSettingProperty{0xc12bcd8e, 0x2a8e, 0x4950, {0x8a, 0xe7, 0x36, 0x25, 0x11, 0x1d, 0x58, 0xeb}};
constexpr LONG kPolite = 1;

}  // namespace

LiveRegion::LiveRegion(HWND control) : control_(control)
{
    IAccPropServices* services = nullptr;
    if (FAILED(CoCreateInstance(CLSID_AccPropServices, nullptr, CLSCTX_INPROC_SERVER, IID_IAccPropServices,
                                reinterpret_cast<void**>(&services)))) {
        return;
    }
    services_.reset(services);
    VARIANT polite{};
    polite.vt = VT_I4;
    polite.lVal = kPolite;
    services_->SetHwndProp(control_, static_cast<DWORD>(OBJID_CLIENT), CHILDID_SELF, kLiveSettingProperty, polite);
}

LiveRegion::~LiveRegion()
{
    // The property lives on the window; it is taken off before the window goes.
    if (services_) {
        services_->ClearHwndProps(control_, static_cast<DWORD>(OBJID_CLIENT), CHILDID_SELF, &kLiveSettingProperty, 1);
    }
}

void LiveRegion::announce() const
{
    NotifyWinEvent(EVENT_OBJECT_LIVEREGIONCHANGED, control_, OBJID_CLIENT, CHILDID_SELF);
}
