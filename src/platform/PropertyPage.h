#pragma once

#include "platform/ClassBuilder.h"
#include "platform/TypeRegistry.h"
#include "platform/UserControl.h"

#include <memory>
#include <string>
#include <vector>

namespace ov {

// A design-time property page: a UserControl surface holding constituent controls (created with
// addChild, in the constructor, like any control's), plus what the property dialog (PropertyDialog)
// talks to it with:
//
// - Caption: the text of the page's tab ("General").
// - SelectedControls: the objects being edited, normally the extenders of controls on a designed form.
//   A page reads and writes only the first (firstSelected()), late bound: get/let/set/call by name.
// - Changed: true once the user edited a field; every edit handler of a page sets it. The dialog
//   applies only changed pages and clears the flag after a page applied.
// - Initialize(): runs once, after the dialog created and sited the page, before the first
//   SelectionChanged (list filling that needs the page sited).
// - SelectionChanged(): the selection was given or changed; the page loads its fields from the first
//   selected control. Fields set by code raise their Change/Click handlers, which set Changed: the
//   dialog clears Changed once SelectionChanged returns, so a freshly loaded page is unchanged.
// - ApplyChanges(): runs on apply when Changed is true; the page writes its fields back to the first
//   selected control. A page that refuses (a field fails its check: it shows its message and puts the
//   focus back) calls refuseApply(): it stays changed, the dialog applies no later page and does not
//   close. A failure thrown from ApplyChanges does the same and reaches the dialog's caller.
//
// A page class is declared like a control: OV_OBJECT(Name), staticClass() made with
// propertyPageClass<T>(guid), and registered with registerPropertyPage<T>(registry). Its by-name
// members are PropertyPage::describe's (Caption, Changed; internal, so the type library lists the page
// class with its GUID only); a page that publishes more declares describe(ClassBuilder<T>&) itself and
// calls PropertyPage::describe(b) first.
class PropertyPage : public UserControl {
public:
    std::string Caption() const { return m_caption; }
    void setCaption(const std::string& v) { m_caption = v; }

    const std::vector<ObjectRef>& SelectedControls() const { return m_selection; }
    // The first selected object; failure 91 while nothing is selected.
    Object& firstSelected() const;

    bool Changed() const { return m_changed; }
    void setChanged(bool v) { m_changed = v; }

    virtual void Initialize() {}
    virtual void SelectionChanged() {}
    virtual void ApplyChanges() {}

    template <class T>
    static void describe(ClassBuilder<T>& b) {
        b.property("Caption", 0x100, &PropertyPage::Caption, &PropertyPage::setCaption).internal();
        b.property("Changed", 0x101, &PropertyPage::Changed, &PropertyPage::setChanged).internal();
    }

protected:
    explicit PropertyPage(std::string caption = {});

    // Called from ApplyChanges: this apply stops here (see above).
    void refuseApply() { m_refused = true; }

private:
    friend class PropertyDialog;

    // The dialog's side: gives the selection and runs SelectionChanged, then clears Changed.
    void select(std::vector<ObjectRef> selection);
    // Runs ApplyChanges; true when the page applied (Changed is then false).
    bool apply();

    std::string m_caption;
    std::vector<ObjectRef> m_selection;
    bool m_changed = false;
    bool m_refused = false;
};

// The class of a selected object as a property page sees it: for an extender, its control's class.
const ClassInfo& selectedClassOf(const Object& selected);

// The class descriptor of property page class T (see PropertyPage): published, creatable, program id
// "OvComCtl.<name>", with a GUID that never changes once chosen.
template <class T>
const ClassInfo& propertyPageClass(const char* guid) {
    return buildClassInfo<T>([guid](ClassInfo& i) {
        i.guid = guid;
        i.kind = ClassInfo::Kind::PropertyPage;
        i.creatable = true;
    });
}

// Registers property page class T, so that a property dialog can create it by its class name.
template <class T>
void registerPropertyPage(TypeRegistry& r) {
    r.addClass(T::staticClass(), [] { return std::make_shared<T>(); });
}

} // namespace ov
