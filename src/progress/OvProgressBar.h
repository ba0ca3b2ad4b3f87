#pragma once

#include "platform/Event.h"
#include "platform/Font.h"
#include "platform/UserControl.h"
#include "progress/ProgressTypes.h"

#include <cstdint>
#include <string>

namespace ov {

class PictureBox;

// A horizontal progress bar with a caption drawn across it in two colours. The bar is two picture
// boxes: picBase (button face, button text) and picFill inside it (highlight, highlight text), whose
// width shows Value. The caption is printed on both at the same place, so the part of the text over
// the fill shows in the fill's colours and the rest in the bar's. The bar raises no events and does not
// dock (its Align is the caption's).
//
// Value, Min and Max are checked as they arrive: Value must lie in Min..Max, Min in 0..Max-1, Max above
// Min. A refused value changes nothing; with ErrorsNotify on it is reported (380 for Value and Min, 5 for
// Max). Every writer reports its own failures in a message box and returns normally (see
// MessageBoxFailures.h), so a caller never sees a refusal. An accepted write tells the container the
// property changed under its own name.
//
// Measures are twips. The fill's width is step × (Value − Min), with step = (bar width − 2 × fill
// left) / (Max − Min); a resize recomputes step but keeps the fill's width until the next Value. The fill
// is visible only while Value is at least 1.
class OvProgressBar : public UserControl {
    OV_OBJECT(OvProgressBar)
public:
    OvProgressBar();
    ~OvProgressBar() override;

    // The completed share, floor((Value − Min) / (Max − Min) × 100) followed by "%" ("45%"). Failure 11
    // when Max equals Min (only a stored bar can have that); it reaches the caller.
    std::string PercentPosition();

    // Stored as given; 1 draws the caption right-aligned, 2 centred, anything else left.
    CaptionAlign Align() const { return m_align; }
    void setAlign(CaptionAlign value);
    int32_t Value() const { return m_value; }
    void setValue(int32_t value);
    int32_t Min() const { return m_min; }
    void setMin(int32_t value);
    int32_t Max() const { return m_max; }
    void setMax(int32_t value);
    std::string Caption() const { return m_caption; }
    void setCaption(const std::string& value);
    // The border of picBase; values other than 0 and 1 are reported as 380.
    En_BorderStyle BorderStyle() const;
    void setBorderStyle(En_BorderStyle value);
    bool ErrorsNotify() const { return m_errorsNotify; }
    void setErrorsNotify(bool value);
    // The font of picBase; setting it sets picFill's too. Nothing is reported as 380.
    FontRef DisplayFont() const;
    void setDisplayFont(FontRef value);
    // The window handle of the control surface. This runtime's surfaces have no window of their own,
    // so it answers 0, as the property does whenever the handle cannot be had.
    int32_t hWnd() const { return 0; }

    static void describe(ClassBuilder<OvProgressBar>& b);

protected:
    void onInitialize() override;
    void onInitProperties() override;
    void onReadProperties(PropertyBag& bag) override;
    void onWriteProperties(PropertyBag& bag) override;
    void onResize() override;

private:
    PictureBox& base() const { return *m_base; }
    PictureBox& fill() const { return *m_fill; }
    // Refuses a value out of range: reported as `number` while ErrorsNotify is on, silent otherwise.
    void refuse(int32_t number) const;
    void recomputeStep();
    void placeFill();
    void sizeChange();
    void drawCaption(const std::string& text);
    void fillResized();

    PictureBox* m_base = nullptr;
    PictureBox* m_fill = nullptr;
    ScopedConnection m_fillResize;
    int32_t m_value = 0;
    int32_t m_min = 0;
    int32_t m_max = 100;
    std::string m_caption;
    double m_step = 0;
    std::string m_percentText;
    CaptionAlign m_align = CaptionAlign::arAlignLeft;
    int32_t m_barWidth = 0;
    int32_t m_barHeight = 0;
    int32_t m_fillLeft = 0;
    bool m_errorsNotify = false;
    int32_t m_range = 0;
    int32_t m_inset3 = 0;
    int32_t m_inset5 = 0;
};

} // namespace ov
