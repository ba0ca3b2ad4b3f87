#pragma once

#include "platform/ClassBuilder.h"
#include "platform/Label.h"
#include "platform/UserControl.h"

#include <string>

namespace ov {

// The host's own label, placed on a form (or inside a container control such as a wizard page) like any
// control and saved in form files under the program id "OvHost.Label". It is the runtime's, not the
// library's: it is left out of the type library and the registration entry points. Its text is one
// constituent Label ("lblText") that fills it; with AutoSize the control takes the label's size (with
// WordWrap the height only). Properties, each stored under its own name with the default shown:
//
//   Caption ""  Alignment 0 (left; 1 right, 2 centre)  AutoSize false  WordWrap false
//   BackColor &H8000000F (button face)  ForeColor &H80000012 (button text)  BorderStyle 0 (none, 1 fixed
//   single)  Font (the form's font when the label is placed; always stored)
//
// Setters follow one shape: check (the constituent label refuses what it cannot take, 380), store, apply
// to the surface, notify PropertyChanged with the property's name.
class HostLabel : public UserControl {
    OV_OBJECT(Label)
public:
    static constexpr const char* kProgId = "OvHost.Label";

    HostLabel();

    std::string Caption() const { return text().Caption(); }
    void setCaption(const std::string& v);
    int16_t Alignment() const { return text().Alignment(); }
    void setAlignment(int16_t v);
    bool AutoSize() const { return text().AutoSize(); }
    void setAutoSize(bool v);
    bool WordWrap() const { return text().WordWrap(); }
    void setWordWrap(bool v);
    OleColor BackColor() const { return text().BackColor(); }
    void setBackColor(OleColor v);
    OleColor ForeColor() const { return text().ForeColor(); }
    void setForeColor(OleColor v);
    int16_t BorderStyle() const { return text().BorderStyle(); }
    void setBorderStyle(int16_t v);
    FontRef Font() const { return text().Font(); }
    void setFont(FontRef v);

    static void describe(ClassBuilder<HostLabel>& b);

protected:
    void onInitProperties() override;
    void onReadProperties(PropertyBag& bag) override;
    void onWriteProperties(PropertyBag& bag) override;
    void onResize() override;

private:
    Label& text() const { return *m_text; }
    void fit();

    Label* m_text;
};

} // namespace ov
