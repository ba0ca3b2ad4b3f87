#include "platform/ProbeControl.h"

#include "platform/Extender.h"
#include "platform/Form.h"
#include "platform/PropertyBag.h"
#include "platform/TypeRegistry.h"

#include <mutex>

namespace ovtest {

using namespace ov;

const ClassInfo& Probe::staticClass() {
    return buildClassInfo<Probe>([](ClassInfo& i) {
        i.kind = ClassInfo::Kind::Control;
        i.creatable = true;
        i.published = false;
        i.progIdPrefix = "OvComCtlTest";
    });
}

void Probe::describe(ClassBuilder<Probe>& b) {
    b.property("Caption", 0, &Probe::Caption, &Probe::setCaption);
    b.property("Count", 1, &Probe::Count, &Probe::setCount);
    b.property("Tag", 2, &Probe::Tag);
    b.method("Bump", 3, &Probe::Bump, {"Value"});
    b.event("Ping", 1, &Probe::Ping, {"Value"});
}

void Probe::registerOnce() {
    static std::once_flag once;
    std::call_once(once, [] {
        TypeRegistry::instance().addClass(staticClass(), [] { return std::make_shared<Probe>(); });
    });
}

std::vector<std::string>& Probe::journal() {
    static std::vector<std::string> log;
    return log;
}

Probe::Probe() {
    auto& ok = addChild<CommandButton>("cmdOK");
    ok.setCaption("OK");
    ok.setDefault(true);
    ok.setTabIndex(1);
    auto& cancel = addChild<CommandButton>("cmdCancel");
    cancel.setCaption("Cancel");
    cancel.setCancel(true);
    cancel.setTabIndex(2);
    addChild<Label>("lblInfo");
    auto& area = addChild<PictureBox>("picArea");
    area.setTabIndex(3);
}

void Probe::note(const std::string& hook) {
    std::string name = isSited() ? ambientDisplayName() : "(unsited)";
    journal().push_back(name + " " + hook);
    if (failIn == hook) throw Failure(err::InvalidProcedureCall, "probe fails in " + hook);
}

void Probe::onInitialize() {
    const Extender& e = extender();
    journal().push_back(e.Name() + " Initialize at " + std::to_string(int(e.Left())) + "," +
                        std::to_string(int(e.Top())) + " size " + std::to_string(int(Width())) + "x" +
                        std::to_string(int(Height())));
    if (failIn == "Initialize") throw Failure(err::InvalidProcedureCall, "probe fails in Initialize");
}

void Probe::onInitProperties() {
    if (holdFormWidth > 0) extender().setAlign(2);
    if (takeDefault) extender().setDefault(true);
    note("InitProperties");
}

void Probe::onReadProperties(PropertyBag& bag) {
    m_caption = bag.read("Caption", "Probe").toString();
    m_count = bag.read("Count", int32_t{0}).toInt32();
    note("ReadProperties Caption=" + m_caption);
}

void Probe::onWriteProperties(PropertyBag& bag) {
    bag.write("Caption", m_caption, "Probe");
    bag.write("Count", m_count, int32_t{0});
    note("WriteProperties");
}

void Probe::onResize() {
    if (logSizes)
        note("Resize " + std::to_string(int(Width())) + "x" + std::to_string(int(Height())));
    else
        note("Resize");
    if (holdFormWidth > 0 && isSited()) parentForm().setWidth(holdFormWidth);
}

} // namespace ovtest
