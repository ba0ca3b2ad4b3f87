#pragma once

#include "platform/WindowTable.h"

#include <cstdio>
#include <string>
#include <vector>

namespace ovtest {

// A window procedure installed on up to two windows: it writes "<name>:<message>[/<wParam>]" (hex)
// for each message and passes it on to the procedure it replaced there.
struct ProcedureLog {
    struct Slot {
        ov::HWnd hwnd = 0;
        std::string name;
        ov::WindowProc previous = nullptr;
    };
    Slot slots[2];
    std::vector<std::string> lines;

    static ProcedureLog& instance() {
        static ProcedureLog log;
        return log;
    }
    // Installs the recorder on `hwnd` and returns the procedure it replaced.
    ov::WindowProc install(ov::HWnd hwnd, std::string name) {
        Slot& s = slots[slots[0].hwnd ? 1 : 0];
        s = {hwnd, std::move(name),
             ov::WindowTable::current().setWindowLong(hwnd, ov::win::GWL_WNDPROC, &record)};
        return s.previous;
    }
    void reset() { instance() = {}; }

    static intptr_t record(ov::HWnd hwnd, uint32_t msg, uintptr_t wParam, intptr_t lParam) {
        ProcedureLog& log = instance();
        const Slot& s = log.slots[log.slots[0].hwnd == hwnd ? 0 : 1];
        auto hex = [](uintptr_t v) {
            char text[8];
            std::snprintf(text, sizeof text, "%04X", static_cast<unsigned>(v));
            return std::string(text);
        };
        log.lines.push_back(s.name + ":" + hex(msg) +
                            (msg == ov::win::WM_SYSCOMMAND ? "/" + hex(wParam) : ""));
        return ov::WindowTable::callWindowProc(s.previous, hwnd, msg, wParam, lParam);
    }
};

} // namespace ovtest
