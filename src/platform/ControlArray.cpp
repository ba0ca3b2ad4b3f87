#include "platform/ControlArray.h"

#include "platform/EmbeddedControl.h"
#include "platform/Extender.h"
#include "platform/Label.h"
#include "platform/PropertyBag.h"
#include "platform/Shape.h"

namespace ov {

namespace {

constexpr int32_t kMaxIndex = 32767;
constexpr int32_t kElementMissing = 340;
constexpr int32_t kAlreadyLoaded = 360;
constexpr int32_t kDesignedElement = 362;

void copyCommon(const ConstituentControl& from, ConstituentControl& to) {
    to.Move(from.Left(), from.Top(), from.Width(), from.Height());
    to.setEnabled(from.Enabled());
    to.setTabStop(from.TabStop());
    to.setTag(from.Tag());
    to.setToolTipText(from.ToolTipText());
    to.setFont(from.Font());
    to.setForeColor(from.ForeColor());
    to.setBackColor(from.BackColor());
}

void copyLabel(const Label& from, Label& to) {
    copyCommon(from, to);
    to.setAlignment(from.Alignment());
    to.setBackStyle(from.BackStyle());
    to.setBorderStyle(from.BorderStyle());
    to.setWordWrap(from.WordWrap());
    to.setMousePointer(from.MousePointer());
    to.setMouseIcon(from.MouseIcon());
    to.setCaption(from.Caption());
    to.setAutoSize(from.AutoSize());
}

void copyShape(const Shape& from, Shape& to) {
    copyCommon(from, to);
    to.setBorderColor(from.BorderColor());
    to.setBorderStyle(from.BorderStyle());
    to.setBorderWidth(from.BorderWidth());
    to.setBackStyle(from.BackStyle());
}

// Every value property `from` has (a reader and a value writer, no index), in declaration order.
void copyValueProperties(UserControl& from, UserControl& to) {
    for (const MemberInfo& m : from.classInfo().members()) {
        const unsigned both = access::Get | access::Let;
        if ((m.access & both) != both || !m.params.empty()) continue;
        Args none;
        const Variant value = m.get(from, none);
        m.let(to, none, value);
    }
}

} // namespace

std::string ControlArray::elementName(int32_t index) const {
    return m_name + "(" + std::to_string(index) + ")";
}

void ControlArray::missing(int32_t index) const {
    throw Failure(kElementMissing, "Control array element '" + std::to_string(index) + "' doesn't exist");
}

void ControlArray::checkFree(int32_t index) const {
    if (index < 0 || index > kMaxIndex) missing(index);
    if (m_elements.contains(index)) throw Failure(kAlreadyLoaded, "Object already loaded");
}

ConstituentControl* ControlArray::find(int32_t index) const {
    auto it = m_elements.find(index);
    return it == m_elements.end() ? nullptr : it->second;
}

ConstituentControl& ControlArray::item(int32_t index) const {
    ConstituentControl* c = find(index);
    if (!c) missing(index);
    return *c;
}

ConstituentControl& ControlArray::load(int32_t index) {
    checkFree(index);
    const ConstituentControl* first = find(0);
    if (!first) throw Failure(kDesignedElement, "Can't load " + elementName(index) + " without element 0");
    const std::string name = elementName(index);
    ConstituentControl* made = nullptr;
    // The element is adopted first and filled after, so a failure while filling must take it off again.
    try {
        if (const auto* holder = dynamic_cast<const EmbeddedControl*>(first)) {
            auto& copy = m_owner.addChild<EmbeddedControl>(name, first->container());
            made = &copy;
            copy.setVisible(false);
            copy.Move(first->Left(), first->Top(), first->Width(), first->Height());
            copy.setTag(holder->Tag());
            copy.setToolTipText(holder->ToolTipText());
            PropertyBag bag;
            if (holder->control()) {
                Extender& site = holder->control()->extender();
                site.writeProperties(bag);
            }
            if (!holder->progId().empty()) {
                copy.create(holder->progId(), &bag);
                copyValueProperties(*holder->control(), *copy.control());
            }
        } else if (const auto* label = dynamic_cast<const Label*>(first)) {
            auto& copy = m_owner.addChild<Label>(name, first->container());
            made = &copy;
            copy.setVisible(false);
            copyLabel(*label, copy);
        } else if (const auto* shape = dynamic_cast<const Shape*>(first)) {
            auto& copy = m_owner.addChild<Shape>(name, first->container());
            made = &copy;
            copy.setVisible(false);
            copyShape(*shape, copy);
        } else {
            throw Failure(err::InvalidProcedureCall, failureText(err::InvalidProcedureCall) + " (" + name +
                                                         ": a " + first->typeName() + " cannot be copied)");
        }
    } catch (...) {
        if (made) m_owner.removeChild(name);
        throw;
    }
    m_elements.emplace(index, made);
    return *made;
}

void ControlArray::unload(int32_t index) {
    ConstituentControl& c = item(index);
    if (m_designed.contains(index))
        throw Failure(kDesignedElement, "Can't unload controls created at design time");
    m_elements.erase(index);
    // Off the owner first: the element is gone even when its inner control's end fails.
    auto keep = c.shared_from_this();
    m_owner.removeChild(elementName(index));
    if (auto* holder = dynamic_cast<EmbeddedControl*>(&c)) holder->unload();
}

} // namespace ov
