#pragma once

#include "platform/ConstituentControl.h"
#include "platform/Picture.h"

namespace ov {

// A text label. With AutoSize it sizes itself to its caption through the runtime's text metrics:
// without WordWrap it takes the width of the widest line and the height of all lines; with WordWrap
// it keeps its width and takes the height of the caption wrapped to that width
// (TextMetricsService::wrap). Its left and top edges stay where they are. The size follows every
// change of Caption, Font, AutoSize, WordWrap and, when wrapping, Width; it is measured when its
// size is next read, so a label whose caption and font change several times is measured once.
class Label : public ConstituentControl {
    OV_OBJECT(Label)
public:
    Label();

    std::string Caption() const { return m_caption; }
    void setCaption(const std::string& v);
    bool AutoSize() const { return m_autoSize; }
    void setAutoSize(bool v);
    bool WordWrap() const { return m_wordWrap; }
    void setWordWrap(bool v);
    // 0 left, 1 right, 2 centre; others are 380.
    int16_t Alignment() const { return m_alignment; }
    void setAlignment(int16_t v);
    // 0 transparent, 1 opaque; others are 380.
    int16_t BackStyle() const { return m_backStyle; }
    void setBackStyle(int16_t v);
    // 0 none, 1 fixed single; others are 380.
    int16_t BorderStyle() const { return m_borderStyle; }
    void setBorderStyle(int16_t v);

    // The pointer shown over the label: 0 default ... 15 size all, 99 custom (MouseIcon); others are 380.
    int16_t MousePointer() const { return m_mousePointer; }
    void setMousePointer(int16_t v);
    // The custom pointer's picture, shown while MousePointer is 99 (nothing: the default pointer).
    PictureRef MouseIcon() const { return m_mouseIcon; }
    void setMouseIcon(PictureRef v) { m_mouseIcon = std::move(v); }

    // The caption as drawn: its lines after wrapping (WordWrap) or at its own line breaks.
    std::vector<std::string> lines() const;

    static void describe(ClassBuilder<Label>& b);

protected:
    void boundsChanged(float oldLeft, float oldTop, float oldWidth, float oldHeight) override;
    void fontChanged() override { fit(); }
    void fitDeferredSize() override;

private:
    void fit();

    std::string m_caption;
    bool m_autoSize = false;
    bool m_wordWrap = false;
    int16_t m_alignment = 0;
    int16_t m_backStyle = 1;
    int16_t m_borderStyle = 0;
    int16_t m_mousePointer = 0;
    PictureRef m_mouseIcon;
};

} // namespace ov
