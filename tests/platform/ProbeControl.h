#pragma once

#include "platform/ClassBuilder.h"
#include "platform/CommandButton.h"
#include "platform/Label.h"
#include "platform/PictureBox.h"
#include "platform/UserControl.h"

#include <string>
#include <vector>

namespace ovtest {

// A small control for the host-runtime tests, registered as "OvComCtlTest.Probe". Every hook writes
// "<name> <hook>" into the shared journal, where <name> is the display name it has at that moment.
// It has two command buttons (cmdOK, the default button, and cmdCancel, the cancel button), a label
// and a picture box; its persisted properties are Caption ("Probe") and Count (0).
class Probe : public ov::UserControl {
    OV_OBJECT(Probe)
public:
    static constexpr const char* kProgId = "OvComCtlTest.Probe";
    static void registerOnce();
    static std::vector<std::string>& journal();

    Probe();

    std::string Caption() const { return m_caption; }
    void setCaption(const std::string& v) {
        m_caption = v;
        PropertyChanged("Caption");
    }
    int32_t Count() const { return m_count; }
    void setCount(int32_t v) {
        m_count = v;
        PropertyChanged("Count");
    }
    // Shadowed by the extender's own Tag.
    std::string Tag() const { return "probe's own tag"; }
    void Bump(int32_t& value) { value += m_count; }

    ov::Event<int32_t&> Ping;

    // Failure 5 is thrown from the hook of this name ("InitProperties", "Hide", ...).
    std::string failIn;
    // When set, InitProperties docks the probe to the bottom and its Resize hook holds the form at
    // this width.
    float holdFormWidth = 0;
    // When set, InitProperties makes the probe the form's default control.
    bool takeDefault = false;
    // When set, every resize is logged with the size.
    bool logSizes = false;

    ov::CommandButton& ok() { return child<ov::CommandButton>("cmdOK"); }
    ov::CommandButton& cancel() { return child<ov::CommandButton>("cmdCancel"); }
    ov::Label& info() { return child<ov::Label>("lblInfo"); }
    ov::PictureBox& area() { return child<ov::PictureBox>("picArea"); }

    static void describe(ov::ClassBuilder<Probe>& b);

protected:
    void onInitialize() override;
    void onInitProperties() override;
    void onReadProperties(ov::PropertyBag& bag) override;
    void onWriteProperties(ov::PropertyBag& bag) override;
    void onShow() override { note("Show"); }
    void onHide() override { note("Hide"); }
    void onResize() override;
    void onAmbientChanged(const std::string& name) override { note("AmbientChanged " + name); }
    void onTerminate() override { note("Terminate"); }

private:
    void note(const std::string& hook);

    std::string m_caption = "Probe";
    int32_t m_count = 0;
};

} // namespace ovtest
