#include "options/OvMinimized.h"

#include "options/OvMinimizedIcon.h"
#include "platform/ClassBuilder.h"
#include "platform/Color.h"
#include "platform/Extender.h"
#include "platform/Form.h"
#include "platform/Image.h"
#include "platform/Line.h"
#include "platform/Runtime.h"
#include "platform/WindowTable.h"

namespace ov {

namespace {

// The hook state of one thread: one hooked form at a time.
struct MinimizedHooks {
    HWnd formWindow = 0;
    WindowProc formPrevious = nullptr;
    HWnd ownerWindow = 0;
    WindowProc ownerPrevious = nullptr;
    bool minimized = false;
};

MinimizedHooks& hooks() {
    return Runtime::current().threadState<MinimizedHooks>();
}

intptr_t formProcedure(HWnd hwnd, uint32_t msg, uintptr_t wParam, intptr_t lParam) {
    MinimizedHooks& s = hooks();
    WindowTable& windows = WindowTable::current();
    switch (msg) {
    case win::WM_SYSCOMMAND:
        if (wParam == win::SC_MINIMIZE) {
            windows.showWindow(s.ownerWindow, win::SW_MINIMIZE);
            s.minimized = true;
        }
        break;
    case win::WM_NCPAINT:
        // The form's own minimizing ends in a frame paint: the moment to take it off the screen.
        if (s.minimized) {
            windows.showWindow(s.formWindow, win::SW_HIDE);
            return 0;
        }
        break;
    case win::WM_PAINT:
        if (s.minimized) return 0;
        break;
    default:
        break;
    }
    return WindowTable::callWindowProc(s.formPrevious, hwnd, msg, wParam, lParam);
}

intptr_t ownerProcedure(HWnd hwnd, uint32_t msg, uintptr_t wParam, intptr_t lParam) {
    MinimizedHooks& s = hooks();
    if (msg == win::WM_SYSCOMMAND && wParam == win::SC_RESTORE) {
        WindowTable& windows = WindowTable::current();
        windows.showWindow(s.ownerWindow, win::SW_RESTORE);
        s.minimized = false;
        windows.showWindow(s.formWindow, win::SW_RESTORE);
    }
    return WindowTable::callWindowProc(s.ownerPrevious, hwnd, msg, wParam, lParam);
}

// The design-time frame around the icon, in pixels: light edges at 0, dark ones at 25, each line
// ending at 26 (the last pixel a line covers is the one before its end); the control is 28 wide.
struct FrameLine {
    const char* name;
    int x1, y1, x2, y2;
    OleColor color;
};
constexpr FrameLine kFrame[] = {
    {"Line1", 0, 0, 26, 0, sysColor::ButtonHighlight},
    {"Line2", 0, 0, 0, 26, sysColor::ButtonHighlight},
    {"Line3", 25, 0, 25, 26, sysColor::ButtonShadow},
    {"Line4", 0, 25, 26, 25, sysColor::ButtonShadow},
};
constexpr int kDesignPixels = 28;
constexpr int kIconOffset = 1;

} // namespace

const ClassInfo& OvMinimized::staticClass() {
    return buildClassInfo<OvMinimized>([](ClassInfo& i) {
        i.guid = "{5F0A3C1E-8B7D-4E29-9C41-2D6B8E7A1F35}";
        i.kind = ClassInfo::Kind::Control;
        i.creatable = true;
        i.interfaceName = "_OvMinimized";
        i.eventInterfaceName = "__OvMinimized";
        i.eventGuid = "{A83E52D4-61C9-4B0F-8E17-3C9F04D2B6A8}";
    });
}

void OvMinimized::describe(ClassBuilder<OvMinimized>&) {}

WindowProc OvMinimized::procedureA() {
    return &formProcedure;
}

WindowProc OvMinimized::procedureB() {
    return &ownerProcedure;
}

OvMinimized::OvMinimized() {
    const Runtime& rt = Runtime::current();
    const float px = static_cast<float>(rt.twipsPerPixelX());
    const float py = static_cast<float>(rt.twipsPerPixelY());
    auto& img = addChild<Image>("img");
    img.setPicture(minimizedIcon());
    img.Move(kIconOffset * px, kIconOffset * py);
    for (const FrameLine& f : kFrame) {
        auto& line = addChild<Line>(f.name);
        line.setBorderColor(f.color);
        line.setEnds(f.x1 * px, f.y1 * py, f.x2 * px, f.y2 * py);
    }
}

void OvMinimized::onInitProperties() {
    // Several would fight over the one set of hooks per thread.
    const std::string self = ambientDisplayName();
    for (const ExtenderRef& ext : parentForm().controls()) {
        if (ext->typeName() == classInfo().name && ext->Name() != self)
            throw Failure(kAlreadyExists, "Control already exists.", "SystemMenu");
    }
}

void OvMinimized::onShow() {
    if (m_hooked) return;
    if (ambientUserMode()) installHooks();
    m_hooked = true;
}

void OvMinimized::installHooks() {
    WindowTable& windows = WindowTable::current();
    MinimizedHooks& s = hooks();
    const HWnd own = windows.controlWindow(*this);
    s.formWindow = windows.parent(own);
    s.formPrevious = windows.setWindowLong(s.formWindow, win::GWL_WNDPROC, &formProcedure);
    m_ownerWindow = windows.window(s.formWindow, win::GW_OWNER);
    s.ownerWindow = m_ownerWindow;
    const WindowProc replaced = windows.setWindowLong(m_ownerWindow, win::GWL_WNDPROC, &ownerProcedure);
    // A second hooked form finds procedure B already there: passing on to itself would never end.
    if (replaced != &ownerProcedure) s.ownerPrevious = replaced;
}

void OvMinimized::onResize() {
    const bool design = !ambientUserMode();
    for (const auto& child : children())
        child->setVisible(design);
    const Runtime& rt = Runtime::current();
    const float side = design ? kDesignPixels : 0;
    setSize(side * static_cast<float>(rt.twipsPerPixelX()), side * static_cast<float>(rt.twipsPerPixelY()));
}

void OvMinimized::onTerminate() {
    WindowTable& windows = WindowTable::current();
    if (m_ownerWindow) windows.setWindowLong(m_ownerWindow, win::GWL_WNDPROC, hooks().ownerPrevious);
    windows.releaseControlWindow(*this);
}

} // namespace ov
