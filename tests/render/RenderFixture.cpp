#include "render/RenderFixture.h"

#include "platform/TypeRegistry.h"

#include <algorithm>
#include <mutex>

namespace ovtest {

using namespace ov;

const ClassInfo& Sketch::staticClass() {
    return buildClassInfo<Sketch>([](ClassInfo& i) {
        i.kind = ClassInfo::Kind::Control;
        i.creatable = true;
        i.published = false;
        i.progIdPrefix = "OvComCtlRenderTest";
    });
}

void Sketch::registerOnce() {
    static std::once_flag once;
    std::call_once(once, [] {
        TypeRegistry::instance().addClass(staticClass(), [] { return std::make_shared<Sketch>(); });
    });
}

void RenderFixture::SetUp() {
    Sketch::registerOnce();
    form = Form::create("frmRender", Mode::Design);
    form->setBorderStyle(0);
    form->Move(0, 0, px(300), px(200));
    form->setBackColor(rgb(255, 255, 255));
}

std::shared_ptr<Sketch> RenderFixture::addSketch(const std::string& name, int left, int top, int width,
                                                 int height) {
    ExtenderRef ext = form->add(Sketch::kProgId, name);
    ext->Move(px(left), px(top), px(width), px(height));
    return ext->controlAs<Sketch>();
}

template <class Keep>
static Ink inkWhere(const Bitmap& b, int x, int y, int w, int h, Keep keep) {
    Ink ink{x + w, y + h, x, y, 0};
    for (int j = y; j < y + h; ++j) {
        for (int i = x; i < x + w; ++i) {
            if (!keep(b.pixel(i, j))) continue;
            ++ink.count;
            ink.left = std::min(ink.left, i);
            ink.top = std::min(ink.top, j);
            ink.right = std::max(ink.right, i + 1);
            ink.bottom = std::max(ink.bottom, j + 1);
        }
    }
    if (ink.count == 0) ink = Ink{};
    return ink;
}

Ink inkIn(const Bitmap& b, int x, int y, int w, int h, Rgb background) {
    return inkWhere(b, x, y, w, h, [&](Rgb p) { return p != background; });
}

Ink inkOf(const Bitmap& b, int x, int y, int w, int h, Rgb color) {
    return inkWhere(b, x, y, w, h, [&](Rgb p) { return p == color; });
}

template <class Keep>
static int countWhere(const Bitmap& b, int x, int y, int w, int h, Keep keep) {
    int n = 0;
    for (int j = y; j < y + h; ++j) {
        for (int i = x; i < x + w; ++i)
            n += keep(b.pixel(i, j));
    }
    return n;
}

int countIn(const Bitmap& b, int x, int y, int w, int h, Rgb color) {
    return countWhere(b, x, y, w, h, [&](Rgb p) { return p == color; });
}

int darkIn(const Bitmap& b, int x, int y, int w, int h, int darkerThan) {
    return countWhere(b, x, y, w, h, [&](Rgb p) { return p.r < darkerThan; });
}

std::string RenderFixture::solidPng(int w, int h, Rgb color) {
    Bitmap b(w, h);
    const uint32_t argb = 0xFF000000u | (uint32_t(color.r) << 16) | (uint32_t(color.g) << 8) | color.b;
    std::fill(b.pixels().begin(), b.pixels().end(), argb);
    return b.encodePng();
}

} // namespace ovtest
