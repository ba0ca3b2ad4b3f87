#pragma once

#include "platform/ConstituentControl.h"

namespace ov {

// A frame: a captioned border that holds other constituent controls. It does not take the focus.
class Frame : public ConstituentControl {
    OV_OBJECT(Frame)
public:
    Frame();

    std::string Caption() const { return m_caption; }
    void setCaption(const std::string& v) { m_caption = v; }
    // 0 none, 1 fixed single; others are 380.
    int16_t BorderStyle() const { return m_borderStyle; }
    void setBorderStyle(int16_t v);

    bool holdsControls() const override { return true; }

    static void describe(ClassBuilder<Frame>& b);

private:
    std::string m_caption;
    int16_t m_borderStyle = 1;
};

} // namespace ov
