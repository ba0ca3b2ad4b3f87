#pragma once

#include "infopanel/InfoItems.h"
#include "platform/Color.h"
#include "platform/ControlArray.h"
#include "platform/Event.h"
#include "platform/UserControl.h"

#include <cstdint>
#include <memory>
#include <string>

namespace ov {

class EmbeddedControl;
class Label;
class Line;
class OvInfoItem;
class Shape;

// A titled, framed list of name/value lines that the host fills at run time by name. Each line is an
// OvInfoItem made as a copy of the hidden template ctlInfoItem(0) (a control array of library
// controls); beside the lines the panel keeps one InfoItem record per line, keyed by name without
// regard to letter case.
//
// Line n stands at left 3 pixels and top H0 + title height + 1.3 × H0 × (n − 1), H0 being the
// template's height; it is made W − 23 pixels wide (W the inner width) and widened to W − 10 pixels
// by the next size change. With Redraw on, a line that ends lower than 5 pixels above the panel's
// bottom grows the panel to the line's bottom + 5 pixels, the frame with it, and raises Resize; with
// Redraw off new lines stay hidden until Redraw is switched on, which sizes the panel to the last line
// and shows them all.
//
// Failures: AddInfoLabel answers the number of the failure that stopped it (0 on success): a blank
// name is -2147221503 (source "TvrInfoCtrl.TvrInfoPanel", "Invalid InfoLabel Name"), a name in use
// 457. ChangeValue, ClearInfoLabels, GetItemTop, MinRecomendedWidth and the writers of Title,
// InfoBorderColor, Redraw, AutoRedraw, Indentation and BackColor end silently on a failure (readers
// answering 0). The TitleColor and ValueColor writers and the other readers pass failures on.
class TvrInfoPanel : public UserControl {
    OV_OBJECT(TvrInfoPanel)
public:
    static constexpr int32_t kInvalidNameNumber = static_cast<int32_t>(0x80040001);
    static constexpr const char* kSource = "TvrInfoCtrl.TvrInfoPanel";

    TvrInfoPanel();
    ~TvrInfoPanel() override;

    OleColor TitleColor() const;
    // Title, rule and every line (the template too); notifies "TitleColor".
    void setTitleColor(OleColor v);
    OleColor ValueColor() const;
    // Every line (the template too); notifies "ValueColor".
    void setValueColor(OleColor v);
    std::string Title() const;
    // The title label takes the width of its text.
    void setTitle(const std::string& v);
    OleColor InfoBorderColor() const;
    void setInfoBorderColor(OleColor v);
    bool Redraw() const { return m_redraw; }
    void setRedraw(bool v);
    bool AutoRedraw() const { return UserControl::AutoRedraw(); }
    void setAutoRedraw(bool v);
    float Indentation() const { return m_indentation; }
    void setIndentation(float v);
    OleColor BackColor() const { return UserControl::BackColor(); }
    // The surface, then every constituent that has a back colour (title, frame, lines).
    void setBackColor(OleColor v);

    int32_t AddInfoLabel(const std::string& sName, const std::string& sValue);
    void ChangeValue(const std::string& sName, const std::string& sValue);
    void ClearInfoLabels();
    // The top of the named line in the panel; 0 when there is none.
    float GetItemTop(const std::string& sName);
    // The template's left + its RequiredWidth: the narrowest panel whose lines still show their link.
    float MinRecomendedWidth();

    // Inside the library: the records and the lines (element n shows the record whose Index is n).
    const InfoItems& items() const { return *m_items; }
    const ControlArray& lines() const { return m_lines; }
    OvInfoItem& line(int32_t index) const;

    Event<> Resize;
    Event<int16_t&, int16_t&, float&, float&> MouseMove;

    static void describe(ClassBuilder<TvrInfoPanel>& b);

protected:
    void onInitProperties() override;
    void onReadProperties(PropertyBag& bag) override;
    void onWriteProperties(PropertyBag& bag) override;
    void onResize() override;

private:
    EmbeddedControl& holder(int32_t index) const;
    OvInfoItem& templateLine() const;
    // The bottom of the last line, the frame to the new height; the caller raises Resize.
    void growTo(float height);
    void widenLines();
    template <class F>
    void forEachLine(F f) const;

    std::shared_ptr<InfoItems> m_items;
    Label& m_title;
    Line& m_separator;
    Shape& m_border;
    ControlArray m_lines;
    bool m_redraw = true;
    float m_indentation = 0;
    // Lines 1 .. m_widenedUpTo were last widened for the inner width m_widenedFor; a size change that
    // keeps the width widens only the lines after them (see widenLines).
    float m_widenedFor = -1;
    int32_t m_widenedUpTo = 0;
    ScopedConnection m_mouseLink;
};

} // namespace ov
