#pragma once

#include "platform/Color.h"
#include "platform/Event.h"
#include "platform/Picture.h"
#include "platform/UserControl.h"
#include "platform/VariantTraits.h"

#include <cstdint>
#include <string>
#include <vector>

namespace ov {

class Label;
class TypeRegistry;

enum class en_Alignment : int32_t { ovLeftJustify = 0, ovRightJustify = 1, ovCenter = 2 };
OV_ENUM(en_Alignment)

// A text label that can size itself to its caption and looks engraved while disabled. It is two labels
// with the same text: lblFront, and behind it lblBack, one pixel right and down in the 3D highlight
// colour, shown only while the control is disabled (the front text then turns button shadow). Both are
// transparent, so the surface colour shows through. With AutoSize the control takes lblFront's size
// plus one pixel each way, room for the engraving. ForeColor is the colour used while enabled: set
// while disabled it is remembered and shown when enabled again.
//
// Failures: the ForeColor and Font writers show "Error: <number>" CR LF <description> in a message box
// with the exclamation icon (style 48) and end normally, except 398, which is dropped silently; the
// MousePointer and MouseIcon writers drop every failure; the size change ignores failures; other
// members pass failures on.
class OvLabel : public UserControl {
    OV_OBJECT(OvLabel)
public:
    OvLabel();

    en_Alignment Alignment() const;
    void setAlignment(en_Alignment v);
    OleColor BackColor() const { return UserControl::BackColor(); }
    void setBackColor(OleColor v);
    OleColor ForeColor() const { return m_foreColor; }
    void setForeColor(OleColor v);
    FontRef Font() const;
    void setFont(FontRef v);
    bool AutoSize() const { return m_autoSize; }
    void setAutoSize(bool v);
    std::string Caption() const { return m_caption; }
    // Refits (with AutoSize) and notifies even when the caption is the same.
    void setCaption(const std::string& v);
    bool Enabled() const { return m_enabled; }
    void setEnabled(bool v);
    int16_t MousePointer() const { return m_mousePointer; }
    void setMousePointer(int16_t v);
    PictureRef MouseIcon() const;
    void setMouseIcon(PictureRef v);
    // The container's Visible of the control.
    bool Visible() const;
    void setVisible(bool v);

    Event<int16_t&, int16_t&, float&, float&> MouseDown;
    Event<> Click;
    Event<> DblClick;
    Event<int16_t&, int16_t&, float&, float&> MouseMove;
    Event<int16_t&, int16_t&, float&, float&> MouseUp;

    static void describe(ClassBuilder<OvLabel>& b);
    static void registerTypes(TypeRegistry& r);

protected:
    void onInitialize() override;
    void onInitProperties() override;
    void onReadProperties(PropertyBag& bag) override;
    void onWriteProperties(PropertyBag& bag) override;
    void onResize() override;

private:
    void fit();

    Label& m_back;
    Label& m_front;
    std::string m_caption;
    bool m_enabled = true;
    bool m_autoSize = false;
    bool m_fontChanging = false;
    int16_t m_mousePointer = 0;
    OleColor m_foreColor = 0;
    float m_pixelX = 15;
    float m_pixelY = 15;
    std::vector<ScopedConnection> m_frontLinks;
};

} // namespace ov
