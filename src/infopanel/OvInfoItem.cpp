#include "infopanel/OvInfoItem.h"

#include "frame/ErrorReporting.h"
#include "infopanel/frmInfo.h"
#include "platform/Font.h"
#include "platform/Label.h"
#include "platform/Picture.h"
#include "platform/PropertyBag.h"
#include "platform/Runtime.h"
#include "platform/VariantTraits.h"

#include <array>
#include <cstdint>
#include <vector>

namespace ov {

namespace {

constexpr float kNameWidth = 1695;
constexpr float kValueLeft = 2070;
constexpr OleColor kLinkBlue = 0x00FF0000;
constexpr int16_t kCustomPointer = 99;

// A pointing hand, 16 x 16: '#' outline, '.' white inside, ' ' transparent.
constexpr std::array<const char*, 16> kHand{
    "     ##         ", "    #..#        ", "    #..#        ", "    #..#        ",
    "    #..###      ", "    #..#..###   ", "    #..#..#..## ", " ## #..#..#..#.#",
    "#..##........#.#", "#...#..........#", " #.............#", "  #............#",
    "  #...........# ", "   #..........# ", "    #........#  ", "    ##########  "};

PictureRef handPointer() {
    static const PictureRef hand = [] {
        std::vector<uint8_t> rgba;
        for (const char* row : kHand) {
            for (int x = 0; x < 16; ++x) {
                const char c = row[x];
                const uint8_t v = c == '.' ? 255 : 0;
                rgba.insert(rgba.end(), {v, v, v, static_cast<uint8_t>(c == ' ' ? 0 : 255)});
            }
        }
        return Picture::fromPixels(16, 16, PixelFormat::Rgba32, rgba);
    }();
    return hand;
}

FontRef itemFont(bool bold) {
    return Font::create("Arial Unicode MS", 8.25f, bold);
}

Label& makeLabel(UserControl& owner, const char* name, float left, float top, float width, float height) {
    Label& l = owner.addChild<Label>(name);
    l.Move(left, top, width, height);
    l.setBackStyle(0);
    l.setForeColor(sysColor::WindowText);
    return l;
}

float tx() {
    return static_cast<float>(Runtime::current().twipsPerPixelX());
}

// The value as lblCheck measures it: on one line, each CR LF pair as two blanks.
std::string oneLine(const std::string& value) {
    std::string out;
    out.reserve(value.size());
    for (size_t i = 0; i < value.size(); ++i) {
        if (value[i] == '\r' && i + 1 < value.size() && value[i + 1] == '\n') {
            out += "  ";
            ++i;
        } else {
            out += value[i];
        }
    }
    return out;
}

} // namespace

const ClassInfo& OvInfoItem::staticClass() {
    return buildClassInfo<OvInfoItem>([](ClassInfo& i) {
        i.guid = "{5B0B8B0E-2F7C-4D55-9C6A-3E1D4C7A9F21}";
        i.kind = ClassInfo::Kind::Control;
        i.creatable = true;
        i.published = false;
        i.interfaceName = "_OvInfoItem";
    });
}

void OvInfoItem::describe(ClassBuilder<OvInfoItem>& b) {
    using T = OvInfoItem;
    b.property("TitleColor", 0x68030006, &T::TitleColor, &T::setTitleColor);
    b.property("ValueColor", 0x68030005, &T::ValueColor, &T::setValueColor);
    b.property("AttributeName", 0x68030004, &T::AttributeName, &T::setAttributeName);
    b.property("Value", 0x68030003, &T::Value, &T::setValue);
    b.property("Indentation", 0x68030002, &T::Indentation, &T::setIndentation);
    b.property("RequiredWidth", 0x68030001, &T::RequiredWidth);
    b.method("Refresh", 0x6003000B, &T::Refresh);
    b.property("BackColor", -501, &T::BackColor, &T::setBackColor);
}

OvInfoItem::OvInfoItem()
    : m_attribute(makeLabel(*this, "lblAttribute", 0, 0, kNameWidth, 225)),
      m_value(makeLabel(*this, "lblValue", kValueLeft, 0, 675, 225)),
      m_check(makeLabel(*this, "lblCheck", 2040, 150, 0, 0)),
      m_fullInfo(makeLabel(*this, "lblFullInfo", 4470, 0, 690, 225)) {
    setSize(5295, 255);
    m_attribute.setFont(itemFont(true));
    m_value.setFont(itemFont(false));
    m_check.setFont(itemFont(false));
    m_check.setVisible(false);
    m_check.setAutoSize(true);
    m_fullInfo.setFont(itemFont(false));
    m_fullInfo.setCaption("Full info...");
    m_fullInfo.setForeColor(kLinkBlue);
    m_fullInfo.setMouseIcon(handPointer());
    m_fullInfo.setMousePointer(kCustomPointer);
    m_fullInfoClick = m_fullInfo.Click().connect(
        [this] { frmInfo::ShowInfo(m_attribute.Caption(), m_value.Caption(), shared_from_this()); });
}

OleColor OvInfoItem::TitleColor() const {
    return m_attribute.ForeColor();
}

void OvInfoItem::setTitleColor(OleColor v) {
    ignoreFailures([&] {
        m_attribute.setForeColor(v);
        PropertyChanged("TitleColor");
    });
}

OleColor OvInfoItem::ValueColor() const {
    return m_value.ForeColor();
}

void OvInfoItem::setValueColor(OleColor v) {
    ignoreFailures([&] { m_value.setForeColor(v); });
}

std::string OvInfoItem::AttributeName() const {
    return m_attribute.Caption();
}

void OvInfoItem::setAttributeName(const std::string& v) {
    ignoreFailures([&] {
        m_attribute.setCaption(v);
        arrange();
    });
}

std::string OvInfoItem::Value() const {
    return m_value.Caption();
}

void OvInfoItem::setValue(const std::string& v) {
    ignoreFailures([&] {
        m_value.setCaption(v);
        m_check.setCaption(oneLine(v));
        arrange();
    });
}

void OvInfoItem::setIndentation(float v) {
    ignoreFailures([&] {
        m_indentation = v;
        m_attribute.setWidth(v + kNameWidth);
        m_value.setLeft(v + kValueLeft);
    });
}

float OvInfoItem::RequiredWidth() const {
    float width = 0;
    ignoreFailures([&] { width = m_value.Left() + m_fullInfo.Width() + 3 * tx(); });
    return width;
}

void OvInfoItem::Refresh() {
    arrange();
}

void OvInfoItem::setBackColor(OleColor v) {
    ignoreFailures([&] { UserControl::setBackColor(v); });
}

void OvInfoItem::onResize() {
    arrange();
}

void OvInfoItem::arrange() {
    ignoreFailures([&] {
        const float px = tx();
        const float available = ScaleWidth() - m_value.Left() - 3 * px;
        const float link = m_fullInfo.Width();
        if (available > link) {
            if (available < m_check.Width()) {
                m_value.setWidth(available - link - 6 * px);
                m_fullInfo.setLeft(m_value.Left() + available - link - 3 * px);
                m_fullInfo.setVisible(true);
            } else {
                m_fullInfo.setVisible(false);
                m_value.setWidth(available);
            }
        } else if (available > 0) {
            m_fullInfo.setLeft(m_value.Left());
            m_fullInfo.setVisible(true);
            m_value.setWidth(0);
        }
    });
}

void OvInfoItem::onReadProperties(PropertyBag& bag) {
    setTitleColor(bag.readAs<OleColor>("TitleColor", sysColor::WindowText));
    // The background is the container's, never stored.
    setBackColor(ambientBackColor());
}

void OvInfoItem::onWriteProperties(PropertyBag& bag) {
    using C = VariantTraits<OleColor>;
    bag.write("TitleColor", C::to(TitleColor()), C::to(sysColor::WindowText));
}

} // namespace ov
