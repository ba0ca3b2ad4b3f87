#include "progress/OvProgressInfo.h"

#include "frame/ErrorReporting.h"
#include "platform/ClassBuilder.h"
#include "platform/EmbeddedControl.h"
#include "platform/Extender.h"
#include "platform/Font.h"
#include "platform/Frame.h"
#include "platform/Image.h"
#include "platform/ImageList.h"
#include "platform/Label.h"
#include "platform/PropertyBag.h"
#include "progress/FormatTime.h"
#include "progress/OvProgressBar.h"
#include "progress/StepStateIcons.h"

#include <array>

namespace ov {

namespace {

// The designed surface: the "Details" frame ends at 3555 twips, the bar's right edge at 7095.
constexpr float kSurfaceWidth = 7575, kSurfaceHeight = 3795;
// Step line i: icon at left 1200, text at 1560, both at top 780 + 240 i.
constexpr float kStepIconLeft = 1200, kStepTextLeft = 1560, kFirstStepTop = 780, kStepPitch = 240;
constexpr int16_t kRussianCharset = 204;

constexpr std::array<const char*, OvProgressInfo::kSteps> kStepKeys = {
    "StepDescription0", "StepDescription1", "StepDescription2", "StepDescription3", "StepDescription4"};

std::string defaultStepText(int32_t step) {
    return "Description of step " + std::to_string(step);
}

// A copy of `font` with the given boldness (fonts are shared and never changed in place).
FontRef withBold(const FontRef& font, bool bold) {
    Font::Attributes a = font ? font->attributes() : Font::standard()->attributes();
    if (a.bold == bold) return font;
    a.bold = bold;
    a.weight = bold ? 700 : 400;
    return Font::create(std::move(a));
}

} // namespace

const ClassInfo& OvProgressInfo::staticClass() {
    return buildClassInfo<OvProgressInfo>([](ClassInfo& i) {
        i.guid = "{6C2F91D8-3B7E-4A05-9E84-D15A7C3B2E60}";
        i.kind = ClassInfo::Kind::Control;
        i.creatable = true;
        i.interfaceName = "_OvProgressInfo";
        i.eventInterfaceName = "__OvProgressInfo";
        i.eventGuid = "{A83E5D07-4F19-4C6B-B2A1-7E09D4F6C358}";
        i.propertyPages = {"GeneralInfo", "CaptionsInfo"};
    });
}

void OvProgressInfo::describe(ClassBuilder<OvProgressInfo>& b) {
    using T = OvProgressInfo;
    b.property("Image", 0x6803002E, &T::Image).set(&T::setImage);
    b.property("Description", 0x6803002D, &T::Description, &T::setDescription);
    b.property("StepDescription0", 0x6803002C, &T::stepText<0>, &T::setStepText<0>);
    b.property("StepDescription1", 0x6803002B, &T::stepText<1>, &T::setStepText<1>);
    b.property("StepDescription2", 0x6803002A, &T::stepText<2>, &T::setStepText<2>);
    b.property("StepDescription3", 0x68030029, &T::stepText<3>, &T::setStepText<3>);
    b.property("StepDescription4", 0x68030028, &T::stepText<4>, &T::setStepText<4>);
    b.property("Status", 0x68030027, &T::Status, &T::setStatus);
    b.property("Progress", 0x68030026, &T::Progress, &T::setProgress);
    b.property("ProgressMax", 0x68030025, &T::ProgressMax, &T::setProgressMax);
    b.writeOnly("StepState", 0x68030024, &T::setStepState).params({"Step"});
    b.writeOnly("Total", 0x68030023, &T::setTotal);
    b.writeOnly("Processed", 0x68030022, &T::setProcessed);
    b.writeOnly("Errors", 0x68030021, &T::setErrors);
    b.writeOnly("ElapsedTime", 0x68030020, &T::setElapsedTime);
    b.writeOnly("EstimatedTime", 0x6803001F, &T::setEstimatedTime);
    b.method("SetCount", 0x60030033, &T::SetCount);
    b.property("DisplayEstimatedTime", 0x6803001E, &T::DisplayEstimatedTime, &T::setDisplayEstimatedTime);
    b.property("DisplayElapsedTime", 0x6803001D, &T::DisplayElapsedTime, &T::setDisplayElapsedTime);
    b.property("DisplayErrors", 0x6803001C, &T::DisplayErrors, &T::setDisplayErrors);
    b.property("DisplayProcessed", 0x6803001B, &T::DisplayProcessed, &T::setDisplayProcessed);
    b.property("DisplayTotal", 0x6803001A, &T::DisplayTotal, &T::setDisplayTotal);
    b.property("ShowPercentCompleted", 0x68030034, &T::ShowPercentCompleted, &T::setShowPercentCompleted);
}

OvProgressInfo::OvProgressInfo()
    : m_image(addChild<ov::Image>("imgDescription")), m_description(addChild<Label>("lblDescription")),
      m_status(addChild<Label>("lblStatus")), m_barHolder(addChild<EmbeddedControl>("axcProgress")),
      m_details(addChild<Frame>("frmAction")), m_processedLine(addChild<Label>("lblProcessed", &m_details)),
      m_errorsLine(addChild<Label>("lblErrors", &m_details)),
      m_elapsedLine(addChild<Label>("lblElapsedTime", &m_details)),
      m_estimatedLine(addChild<Label>("lblEstimatedTime", &m_details)),
      m_stateIcons(addChild<ImageList>("axcImageList")), m_stepLabels(*this, "lblStep"),
      m_stepIcons(*this, "imgStep") {
    setSize(kSurfaceWidth, kSurfaceHeight);
    m_image.Move(480, 180, 480, 480);
    m_description.Move(1200, 300, 6075, 435);
    m_description.setWordWrap(true);
    m_description.setCaption("Description");
    for (int32_t i = 0; i < kSteps; ++i) {
        const float top = kFirstStepTop + kStepPitch * static_cast<float>(i);
        auto& text = m_stepLabels.addDesigned<Label>(i);
        text.Move(kStepTextLeft, top, 5655, 195);
        text.setCaption("Step " + std::to_string(i + 1));
        m_stepIcons.addDesigned<ov::Image>(i).Move(kStepIconLeft, top, 180, 180);
    }
    m_status.Move(510, 2070, 6570, 195);
    m_status.setCaption("Status");
    m_barHolder.Move(480, 2310, 6615, 285);
    m_details.Move(480, 2640, 6615, 915);
    m_details.setCaption("Details");
    m_processedLine.Move(180, 300, 3675, 195);
    m_processedLine.setCaption("Processed: 0");
    m_errorsLine.Move(180, 540, 1695, 195);
    m_errorsLine.setCaption("Errors: 0");
    m_elapsedLine.Move(4260, 300, 2115, 195);
    m_elapsedLine.setCaption("Elapsed Time: 00:00:00");
    m_estimatedLine.Move(4380, 540, 1995, 195);
    m_estimatedLine.setCaption("Estimated Time: 00:00:00");
    m_stateIcons.setVisible(false);
    addStepStateIcons(m_stateIcons);
}

OvProgressInfo::~OvProgressInfo() = default;

OvProgressBar& OvProgressInfo::bar() const {
    auto* bar = m_barHolder.controlAs<OvProgressBar>();
    if (!bar) throw Failure(err::ObjectNotSet);
    return *bar;
}

Label& OvProgressInfo::stepLabel(int32_t step) const {
    return m_stepLabels.itemAs<Label>(step);
}

ov::Image& OvProgressInfo::stepIcon(int32_t step) const {
    return m_stepIcons.itemAs<ov::Image>(step);
}

// ---- Lifecycle ----

void OvProgressInfo::onInitialize() {
    // The bar as placed on the panel: every stored property at its default but the display font. It is
    // loaded here, once the panel is sited, since reading its font falls back on the form's.
    Font::Attributes arial;
    arial.name = "Arial";
    arial.charset = kRussianCharset;
    PropertyBag designed;
    designed.put("DisplayFont", VariantTraits<FontRef>::to(Font::create(arial)));
    m_barHolder.create("OvComCtl.OvProgressBar", &designed);
    bar().setAlign(CaptionAlign::arAlignCenter);
}

void OvProgressInfo::onInitProperties() {
    if (!ambientUserMode()) extender().setTabStop(false);
    setShowPercentCompleted(true);
}

void OvProgressInfo::onReadProperties(PropertyBag& bag) {
    // A stored picture that cannot be had leaves the picture empty: the one guarded statement.
    ignoreFailures([&] { m_image.setPicture(bag.readAs<PictureRef>("Image", nullptr)); });
    setDescription(bag.readAs<std::string>("Description", "Progress description"));
    setStatus(bag.readAs<std::string>("Status", "Status"));
    for (int32_t i = 0; i < kSteps; ++i)
        setStepDescription(i, bag.readAs<std::string>(kStepKeys[i], defaultStepText(i)));
    setDisplayElapsedTime(bag.readAs<bool>("DisplayElapsedTime", true));
    setDisplayEstimatedTime(bag.readAs<bool>("DisplayEstimatedTime", true));
    setDisplayProcessed(bag.readAs<bool>("DisplayProcessed", true));
    setDisplayErrors(bag.readAs<bool>("DisplayErrors", true));
    setDisplayTotal(bag.readAs<bool>("DisplayTotal", true));
    setShowPercentCompleted(bag.readAs<bool>("ShowPercentCompleted", true));
    setProgressMax(bag.readAs<int32_t>("ProgressMax", 100));
}

void OvProgressInfo::onWriteProperties(PropertyBag& bag) {
    bag.write("Image", ObjectRef(std::const_pointer_cast<Picture>(Image())), Variant());
    bag.write("Description", Description(), "Progress description");
    bag.write("Status", Status(), "Status");
    for (int32_t i = 0; i < kSteps; ++i)
        bag.write(kStepKeys[i], StepDescription(i), defaultStepText(i));
    bag.write("DisplayElapsedTime", DisplayElapsedTime(), true);
    bag.write("DisplayEstimatedTime", DisplayEstimatedTime(), true);
    bag.write("DisplayProcessed", DisplayProcessed(), true);
    bag.write("DisplayErrors", DisplayErrors(), true);
    bag.write("DisplayTotal", m_displayTotal, true);
    bag.write("ShowPercentCompleted", m_showPercent, true);
    bag.put("ProgressMax", ProgressMax()); // always stored
}

// ---- Texts ----

PictureRef OvProgressInfo::Image() const {
    return m_image.Picture();
}

void OvProgressInfo::setImage(PictureRef v) {
    m_image.setPicture(std::move(v));
}

std::string OvProgressInfo::Description() const {
    return m_description.Caption();
}

void OvProgressInfo::setDescription(const std::string& v) {
    m_description.setCaption(v);
}

std::string OvProgressInfo::StepDescription(int32_t step) const {
    return stepLabel(step).Caption();
}

void OvProgressInfo::setStepDescription(int32_t step, const std::string& v) {
    stepLabel(step).setCaption(v);
}

std::string OvProgressInfo::Status() const {
    return m_status.Caption();
}

void OvProgressInfo::setStatus(const std::string& v) {
    m_status.setCaption(v);
}

// ---- Progress ----

int32_t OvProgressInfo::Progress() const {
    return bar().Value();
}

void OvProgressInfo::setProgress(int32_t v) {
    // The bar refuses an out-of-range value itself; the caption is recomputed from it either way.
    bar().setValue(v);
    refreshCaption(true);
}

int32_t OvProgressInfo::ProgressMax() const {
    return bar().Max();
}

void OvProgressInfo::setProgressMax(int32_t v) {
    bar().setMax(v);
    refreshCaption(true);
    PropertyChanged("ProgressMax");
}

void OvProgressInfo::setShowPercentCompleted(bool v) {
    m_showPercent = v;
    PropertyChanged("ShowPercentCompleted");
    refreshCaption(false);
}

void OvProgressInfo::refreshCaption(bool toolTip) {
    if (!m_showPercent) {
        bar().setCaption("");
        return;
    }
    const std::string text = bar().PercentPosition() + " completed";
    bar().setCaption(text);
    if (toolTip) m_barHolder.setToolTipText(text);
}

// ---- Steps ----

void OvProgressInfo::setStepState(int32_t Step, STATES State) {
    if (Step < m_stepIcons.lBound() || Step > m_stepIcons.uBound()) return;
    ov::Image& icon = stepIcon(Step);
    const std::vector<std::string>& keys = m_stateIcons.keys();
    switch (State) {
    case STATES::ST_RUNNING:
    case STATES::ST_SKIPPED:
    case STATES::ST_PASSED:
        // Image n of the list is the icon of state n.
        icon.setPicture(m_stateIcons.Picture(keys.at(static_cast<size_t>(State) - 1)));
        break;
    default:
        icon.setPicture(nullptr);
        break;
    }
    // Another running step stays bold: any number of steps may run at once.
    setStepBold(Step, State == STATES::ST_RUNNING);
}

void OvProgressInfo::setStepBold(int32_t step, bool bold) {
    Label& text = stepLabel(step);
    text.setFont(withBold(text.Font(), bold));
}

// ---- Counters ----

void OvProgressInfo::setTotal(int32_t v) {
    m_total = v;
    SetCount();
}

void OvProgressInfo::setProcessed(int32_t v) {
    m_processed = v;
    SetCount();
}

void OvProgressInfo::SetCount() {
    std::string text = "Processed: " + std::to_string(m_processed);
    if (m_displayTotal) text += " item(s) out of " + std::to_string(m_total);
    m_processedLine.setCaption(text);
}

void OvProgressInfo::setErrors(int32_t v) {
    m_errors = v;
    m_errorsLine.setCaption("Errors: " + std::to_string(m_errors));
}

void OvProgressInfo::setElapsedTime(float seconds) {
    m_elapsedLine.setCaption("Elapsed Time: " + FormatTime(seconds));
}

void OvProgressInfo::setEstimatedTime(float seconds) {
    m_estimatedLine.setCaption("Estimated Time: " + FormatTime(seconds));
}

bool OvProgressInfo::DisplayEstimatedTime() const {
    return m_estimatedLine.Visible();
}

void OvProgressInfo::setDisplayEstimatedTime(bool v) {
    m_estimatedLine.setVisible(v);
}

bool OvProgressInfo::DisplayElapsedTime() const {
    return m_elapsedLine.Visible();
}

void OvProgressInfo::setDisplayElapsedTime(bool v) {
    m_elapsedLine.setVisible(v);
}

bool OvProgressInfo::DisplayErrors() const {
    return m_errorsLine.Visible();
}

void OvProgressInfo::setDisplayErrors(bool v) {
    m_errorsLine.setVisible(v);
}

bool OvProgressInfo::DisplayProcessed() const {
    return m_processedLine.Visible();
}

void OvProgressInfo::setDisplayProcessed(bool v) {
    m_processedLine.setVisible(v);
}

} // namespace ov
