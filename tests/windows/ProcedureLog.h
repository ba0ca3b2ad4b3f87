#pragma once

#include "platform/WindowTable.h"

#include <cstdio>
#include <string>
#include <vector>

namespace ovtest {

// A window procedure that writes "<window>:<message>[/<wParam>]" for each message it sees and passes
// it on to the procedure it replaced. Up to two windows, named as the test installs them.
class ProcedureLog {
public:
    static ProcedureLog& instance() {
        static ProcedureLog log;
        return log;
    }
    // Installs the recorder on `hwnd` (as SetWindowLongA does) and returns the procedure it replaced.
    ov::WindowProc install(ov::HWnd hwnd, const char* name) {
        Slot& s = m_slots[m_used++ % 2];
        s = {hwnd, name, nullptr};
        s.previous = ov::WindowTable::current().setWindowLong(hwnd, ov::win::GWL_WNDPROC, &record);
        return s.previous;
    }
    void reset() {
        m_used = 0;
        m_slots[0] = m_slots[1] = {};
        lines.clear();
    }
    std::vector<std::string> lines;

private:
    struct Slot {
        ov::HWnd hwnd = 0;
        const char* name = "";
        ov::WindowProc previous = nullptr;
    };
    static intptr_t record(ov::HWnd hwnd, uint32_t msg, uintptr_t wParam, intptr_t lParam) {
        ProcedureLog& log = instance();
        const Slot& s = log.m_slots[log.m_slots[0].hwnd == hwnd ? 0 : 1];
        char text[48];
        if (msg == ov::win::WM_SYSCOMMAND)
            std::snprintf(text, sizeof text, "%s:%04X/%04X", s.name, msg, static_cast<unsigned>(wParam));
        else
            std::snprintf(text, sizeof text, "%s:%04X", s.name, msg);
        log.lines.emplace_back(text);
        return ov::WindowTable::callWindowProc(s.previous, hwnd, msg, wParam, lParam);
    }
    Slot m_slots[2];
    size_t m_used = 0;
};

} // namespace ovtest
