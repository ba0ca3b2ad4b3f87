#pragma once

#include <cstdint>

namespace ov {

// A window handle of the window table (WindowTable); 0 is no window.
using HWnd = uint32_t;

// A window procedure: handle, message, wParam, lParam; returns the message's result. A plain function
// so that installing one allocates nothing and the previous one can be compared and called.
using WindowProc = intptr_t (*)(HWnd hwnd, uint32_t msg, uintptr_t wParam, intptr_t lParam);

// The messages, commands and slots the library's window code uses, with the values hosts know.
namespace win {

inline constexpr uint32_t WM_PAINT = 0x000F;
inline constexpr uint32_t WM_NCPAINT = 0x0085;
inline constexpr uint32_t WM_SYSCOMMAND = 0x0112;
inline constexpr uintptr_t SC_MINIMIZE = 0xF020;
inline constexpr uintptr_t SC_RESTORE = 0xF120;

// ShowWindow commands.
inline constexpr int32_t SW_HIDE = 0;
inline constexpr int32_t SW_MINIMIZE = 6;
inline constexpr int32_t SW_RESTORE = 9;

// GetWindow: the owner window. SetWindowLongA: the window procedure slot.
inline constexpr int32_t GW_OWNER = 4;
inline constexpr int32_t GWL_WNDPROC = -4;

} // namespace win

} // namespace ov
