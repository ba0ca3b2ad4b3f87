#include "platform/FormFile.h"

#include "platform/Extender.h"
#include "platform/Failure.h"
#include "platform/FileAccess.h"
#include "platform/Form.h"
#include "platform/FormFileReader.h"
#include "platform/FormFileWriter.h"

#include <algorithm>

namespace ov {

bool FormFile::isName(std::string_view s) {
    auto letter = [](char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); };
    if (s.empty() || s.size() > 40 || !letter(s[0])) return false;
    return std::all_of(s.begin(), s.end(),
                       [&](char c) { return letter(c) || (c >= '0' && c <= '9') || c == '_'; });
}

const TypeRegistry::ClassEntry* FormFile::creatableClass(std::string_view progId) {
    const TypeRegistry::ClassEntry* e = TypeRegistry::instance().findProgId(progId);
    return e && e->factory && e->info->creatable ? e : nullptr;
}

std::string FormFile::write(Form& form, const std::string& path) {
    form.affirmUsable("write");
    return writeFormFile(form, path);
}

void FormFile::save(Form& form, const std::string& path) {
    FileAccess::replaceAtomically(path, write(form, path));
    form.markSaved();
}

FormRef FormFile::read(std::string_view text, const std::string& path, Mode mode) {
    FormFilePlan plan;
    readFormFile(text, path, plan);
    return build(plan, path, mode);
}

FormRef FormFile::load(const std::string& path, Mode mode) {
    return read(FileAccess::readRegularFile(path, kMaxFileBytes), path, mode);
}

FormRef FormFile::build(FormFilePlan& plan, const std::string& path, Mode mode) {
    // Everything in the file has been checked; what can still fail is a control refusing its values.
    // Should that happen, `form` is let go on the way out and takes the controls loaded so far with it.
    FormRef form = Form::create(plan.name, mode);
    Form& f = *form;
    // Set directly: no control is on the form yet, and several of these are design-time only.
    if (plan.caption) f.m_caption = *plan.caption;
    f.m_left = plan.left.value_or(f.m_left);
    f.m_top = plan.top.value_or(f.m_top);
    f.m_width = plan.width.value_or(f.m_width);
    f.m_height = plan.height.value_or(f.m_height);
    f.m_windowState = plan.windowState.value_or(f.m_windowState);
    f.m_borderStyle = plan.borderStyle.value_or(f.m_borderStyle);
    f.m_controlBox = plan.controlBox.value_or(f.m_controlBox);
    f.m_startUpPosition = plan.startUpPosition.value_or(f.m_startUpPosition);
    f.m_backColor = plan.backColor.value_or(f.m_backColor);
    if (plan.font) f.m_font = plan.font;
    f.m_keyPreview = plan.keyPreview.value_or(f.m_keyPreview);

    for (FormFilePlan::Control& c : plan.controls) {
        try {
            f.addLoaded(c.progId, c.name, c.bag, c.values);
        } catch (const Failure& e) {
            throw Failure(e.number(), path + ": control " + c.name + ": " + e.description(), e.source());
        }
        // A stored value the control could not take makes the file as broken as a value of the wrong
        // type in the file's own fields, whatever the control's failure handling made of it.
        if (const auto& r = c.bag.refusal()) {
            throw Failure(err::InvalidFileFormat, failureText(err::InvalidFileFormat) + ": " + path +
                                                      ": control " + c.name + ": property " + r->key + ": " +
                                                      r->problem);
        }
    }
    if (!plan.zOrder.empty()) {
        std::vector<Extender*> order;
        for (size_t at : plan.zOrder)
            order.push_back(f.m_controls[at].get());
        if (order != f.m_zOrder) {
            f.settleDocking();
            f.m_zOrder = std::move(order);
            try {
                f.layoutDocked();
            } catch (const Failure& e) {
                throw Failure(e.number(), path + ": " + e.description(), e.source());
            }
        }
    }
    f.markSaved();
    return form;
}

void Form::save(const std::string& path) {
    affirmUsable("save");
    FormFile::save(*this, path);
}

FormRef Form::load(const std::string& path, Mode mode) {
    return FormFile::load(path, mode);
}

} // namespace ov
