#pragma once

#include <windows.h>

#include <oleacc.h>

#include <memory>

// A control whose changes screen readers read out as they happen, without
// moving the focus: a polite live region. Where the accessibility property
// service is missing, the control stays as it was and the announcements are
// still raised.
class LiveRegion {
public:
    explicit LiveRegion(HWND control);
    ~LiveRegion();
    LiveRegion(const LiveRegion&) = delete;
    LiveRegion& operator=(const LiveRegion&) = delete;
    LiveRegion(LiveRegion&&) = delete;
    LiveRegion& operator=(LiveRegion&&) = delete;

    // Tells screen readers that the control's text changed, even to the
    // same text again.
    void announce() const;

private:
    struct Release {
        void operator()(IAccPropServices* services) const { services->Release(); }
    };

    HWND control_;
    std::unique_ptr<IAccPropServices, Release> services_;
};
