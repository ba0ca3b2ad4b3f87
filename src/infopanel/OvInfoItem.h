#pragma once

#include "platform/Color.h"
#include "platform/UserControl.h"

#include <string>

namespace ov {

class Label;

// One line of the information panel: a bold name (lblAttribute) on the left and its value (lblValue)
// to the right. A value wider than the room left is cut, and the blue "Full info..." link (lblFullInfo,
// hand pointer) stands at the right end; an item narrower than the link shows the link alone.
// A click on the link opens the detail window (frmInfo::ShowInfo) with the name as its title and the
// whole value, line breaks included, owned by this item; the call returns when the window closes.
// Measuring uses lblCheck, an invisible auto-sized label holding the value on one line (each CR LF as
// two blanks).
//
// Library-internal: made by program id "OvComCtl.OvInfoItem" and reached by its DISPIDs, left out of
// the published type library. Every writer and the RequiredWidth reader end silently on a failure
// (the reader then answers 0); arranging ignores failures.
class OvInfoItem : public UserControl {
    OV_OBJECT(OvInfoItem)
public:
    OvInfoItem();

    OleColor TitleColor() const;
    // Notifies "TitleColor".
    void setTitleColor(OleColor v);
    OleColor ValueColor() const;
    void setValueColor(OleColor v);
    std::string AttributeName() const;
    // Re-arranges the value.
    void setAttributeName(const std::string& v);
    std::string Value() const;
    // Re-arranges the value.
    void setValue(const std::string& v);
    float Indentation() const { return m_indentation; }
    // Widens the name to indentation + 1695 and moves the value to indentation + 2070.
    void setIndentation(float v);
    // The narrowest item on which the link still fits: the value's left + the link's width + 3 pixels.
    float RequiredWidth() const;
    // Re-arranges the value.
    void Refresh();
    void setBackColor(OleColor v);

    static void describe(ClassBuilder<OvInfoItem>& b);

protected:
    void onReadProperties(PropertyBag& bag) override;
    void onWriteProperties(PropertyBag& bag) override;
    void onResize() override;

private:
    void arrange();

    Label& m_attribute;
    Label& m_value;
    Label& m_check;
    Label& m_fullInfo;
    ScopedConnection m_fullInfoClick;
    float m_indentation = 0;
};

} // namespace ov
