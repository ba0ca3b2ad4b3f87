#pragma once

#include "platform/ClassInfo.h"
#include "platform/FailureCapture.h"

#include <array>
#include <functional>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace ovtest {

// A call and what it must raise: "0" (nothing), "<number>" (that failure), or "<number> <description>"
// (that failure with exactly that text).
struct Refusal {
    std::function<void()> call;
    std::string expected;
};

// Runs the calls in order; a failing row is traced by its position (from 1) and its expectation.
inline void expectRefusals(const std::vector<Refusal>& rows) {
    for (size_t i = 0; i < rows.size(); ++i) {
        SCOPED_TRACE("row " + std::to_string(i + 1) + ": " + rows[i].expected);
        if (rows[i].expected.find(' ') == std::string::npos)
            EXPECT_EQ(std::to_string(ov::test::failureNumber(rows[i].call)), rows[i].expected);
        else
            EXPECT_EQ(ov::test::failureText(rows[i].call), rows[i].expected);
    }
}

// Left, top, width and height of anything placed.
using Box = std::array<float, 4>;
template <class T>
Box box(const T& c) {
    return {c.Left(), c.Top(), c.Width(), c.Height()};
}

// Parameters as a declaration reads them: "Text As String, [Width As Integer], ByRef First As Long".
inline std::string signature(const std::vector<ov::ParamInfo>& params) {
    std::string out;
    for (const auto& p : params) {
        const std::string one = (p.byRef ? "ByRef " : "") + p.name + " As " + p.type;
        out += (out.empty() ? "" : ", ") + (p.optional ? "[" + one + "]" : one);
    }
    return out;
}

} // namespace ovtest
