#pragma once

#include "platform/ControlArray.h"
#include "platform/Picture.h"
#include "platform/UserControl.h"
#include "progress/ProgressTypes.h"

#include <cstdint>
#include <string>

namespace ov {

class EmbeddedControl;
class Frame;
class Image;
class ImageList;
class Label;
class OvProgressBar;

// A fixed-layout panel showing a job of up to five named steps: a picture and a description, five
// step lines (imgStep(i), the state icon, beside lblStep(i)), a status line, the progress bar
// axcProgress (an OvProgressBar held as a library control, driven through its public members only)
// with a caption such as "45% completed", and the "Details" frame with four counters. The host drives
// it through properties; it raises no events and has no resize logic.
//
// Most values live in the constituent controls and are read back from them; the panel keeps only the
// counters, the show-percent and the display-total switches. A step's state is shown (icon, bold text)
// and not kept. Only ProgressMax and ShowPercentCompleted tell the container a property changed.
//
// Failures: the panel has no handlers of its own. A failure of a writer (a refusal of the bar is the
// bar's own business: it reports it in its message box and returns) reaches the caller; only reading
// the stored "Image" ignores failures. StepState outside steps 0 to 4 is ignored.
class OvProgressInfo : public UserControl {
    OV_OBJECT(OvProgressInfo)
public:
    static constexpr int32_t kSteps = 5;

    OvProgressInfo();
    ~OvProgressInfo() override;

    PictureRef Image() const;
    void setImage(PictureRef v);
    std::string Description() const;
    void setDescription(const std::string& v);
    // Step descriptions 0 to 4: the captions of lblStep(0) ... lblStep(4).
    std::string StepDescription(int32_t step) const;
    void setStepDescription(int32_t step, const std::string& v);
    std::string Status() const;
    void setStatus(const std::string& v);
    // The bar's Value and Max; writing either recomputes the bar's caption and tool tip.
    int32_t Progress() const;
    void setProgress(int32_t v);
    int32_t ProgressMax() const;
    void setProgressMax(int32_t v);
    // Icon 1 (running, the text bold), 2 (skipped), 3 (passed) or none for any other state.
    void setStepState(int32_t Step, STATES State);
    void setTotal(int32_t v);
    void setProcessed(int32_t v);
    // "Errors: n", also while the line is hidden.
    void setErrors(int32_t v);
    // "Elapsed Time: " / "Estimated Time: " followed by FormatTime(seconds).
    void setElapsedTime(float seconds);
    void setEstimatedTime(float seconds);
    // "Processed: n", or with DisplayTotal "Processed: n item(s) out of total".
    void SetCount();
    // The four display switches show or hide a counter line; the others keep their places.
    bool DisplayEstimatedTime() const;
    void setDisplayEstimatedTime(bool v);
    bool DisplayElapsedTime() const;
    void setDisplayElapsedTime(bool v);
    bool DisplayErrors() const;
    void setDisplayErrors(bool v);
    bool DisplayProcessed() const;
    void setDisplayProcessed(bool v);
    // Stored only: it takes effect at the next SetCount (Total and Processed run one).
    bool DisplayTotal() const { return m_displayTotal; }
    void setDisplayTotal(bool v) { m_displayTotal = v; }
    // Shows or empties the bar's caption at once; the tool tip waits for the next Progress.
    bool ShowPercentCompleted() const { return m_showPercent; }
    void setShowPercentCompleted(bool v);

    // Inside the library (tests, the demo): the constituents.
    OvProgressBar& bar() const;
    EmbeddedControl& barHolder() const { return m_barHolder; }
    Label& stepLabel(int32_t step) const;
    ov::Image& stepIcon(int32_t step) const;
    const ImageList& stateIcons() const { return m_stateIcons; }

    static void describe(ClassBuilder<OvProgressInfo>& b);

protected:
    void onInitialize() override;
    void onInitProperties() override;
    void onReadProperties(PropertyBag& bag) override;
    void onWriteProperties(PropertyBag& bag) override;

private:
    // The bar's caption from its position, or empty; with `toolTip` the holder's tool tip too.
    void refreshCaption(bool toolTip);
    void setStepBold(int32_t step, bool bold);
    // StepDescription0 ... StepDescription4 as published members of their own.
    template <int32_t N>
    std::string stepText() const {
        return StepDescription(N);
    }
    template <int32_t N>
    void setStepText(const std::string& v) {
        setStepDescription(N, v);
    }

    ov::Image& m_image;
    Label& m_description;
    Label& m_status;
    EmbeddedControl& m_barHolder;
    Frame& m_details;
    Label& m_processedLine;
    Label& m_errorsLine;
    Label& m_elapsedLine;
    Label& m_estimatedLine;
    ImageList& m_stateIcons;
    ControlArray m_stepLabels;
    ControlArray m_stepIcons;
    int32_t m_total = 0;
    int32_t m_processed = 0;
    int32_t m_errors = 0;
    bool m_showPercent = false;
    bool m_displayTotal = false;
};

} // namespace ov
