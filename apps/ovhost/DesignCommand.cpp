// ovhost design FORMFILE CONTROL: the property dialog of one control of a saved form, in a window.
#include "Commands.h"

#include <iostream>

#if OVHOST_HAVE_GTK
#include "gtk/MessageBoxWindow.h"
#include "gtk/PropertyDialogWindow.h"
#include "gtk/WindowHost.h"
#include "platform/ClassInfo.h"
#include "platform/Extender.h"
#include "platform/Failure.h"
#include "platform/Form.h"
#include "platform/FormFile.h"
#include "platform/PropertyDialog.h"
#include "platform/Runtime.h"
#include "platform/UserControl.h"

#include <map>
#include <memory>
#endif

namespace ovhost {

#if OVHOST_HAVE_GTK
namespace {

// The readable properties of a control and its extender (Left, Width...) as texts, by name: what the
// dialog changed is told by comparing them before and after. A property that cannot be read or shown as
// text (an object) is left out.
std::map<std::string, std::string> propertyTexts(ov::Extender& control) {
    std::map<std::string, std::string> texts;
    for (const ov::ClassInfo* cls : {&control.classInfo(), &control.control().classInfo()}) {
        for (const ov::MemberInfo& m : cls->members()) {
            if (!m.get || !m.params.empty() || m.call) continue;
            try {
                texts[m.name] = control.get(m.name).toString();
            } catch (const ov::Failure&) {
            }
        }
    }
    return texts;
}

} // namespace

// Loads the form at design time and opens the named control's property pages in a window. After OK,
// when the form has changes to keep (from OK or an earlier Apply), it is saved back over the file
// (atomically, FormFile::save) and each changed property is printed as "<control>.<property> = <value>";
// Cancel (or closing the window) leaves the file as it was, whatever Apply did.
int designCommand(const Arguments& args) {
    if (args.size() != 2) {
        std::cerr << "usage: ovhost design FORMFILE CONTROL\n";
        return 2;
    }
    const std::string& path = args[0];
    ov::Runtime runtime;
    runtime.application().title = "ovhost";
    ov::gtk::WindowHost host; // before the form is loaded: it sets the screen's scale and the text metrics
    runtime.setMessageBox(std::make_unique<ov::gtk::MessageBoxWindow>(host));
    auto form = ov::FormFile::load(path, ov::Mode::Design);
    ov::ExtenderRef control = form->control(args[1]);
    const auto before = propertyTexts(*control);
    ov::PropertyDialog dialog;
    dialog.open({control});
    ov::gtk::PropertyDialogWindow window(host, dialog);
    if (window.run() != ov::gtk::PropertyDialogWindow::Result::Ok || !form->needsSaving()) {
        std::cout << "not saved: " << path << "\n";
        return 0;
    }
    ov::FormFile::save(*form, path);
    std::cout << "saved " << path << "\n";
    for (const auto& [name, text] : propertyTexts(*control)) {
        if (auto old = before.find(name); old == before.end() || old->second != text)
            std::cout << "  " << control->Name() << "." << name << " = " << text << "\n";
    }
    return 0;
}
#else
int designCommand(const Arguments&) {
    std::cerr << "ovhost: design needs GTK 4, which this build was made without (Debian: libgtk-4-dev)\n";
    return 2;
}
#endif

} // namespace ovhost
