#pragma once

#include "platform/ClassBuilder.h"
#include "platform/Color.h"
#include "platform/Event.h"
#include "platform/Extender.h"
#include "platform/Font.h"
#include "platform/Forward.h"
#include "platform/Object.h"
#include "platform/Text.h"

#include <cstdint>
#include <exception>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace ov {

class CommandButton;

enum class Mode { Design, Run };

// The host form: it sites controls (wraps each in an Extender), keeps them in creation order and in a
// z-order, docks them, tracks the focus, routes keyboard and mouse input, and drives every control's
// life (see UserControl for the hook order). Headless and deterministic: a window host or a test
// delivers input through the input methods below.
//
// Size. Width and Height are the outer size in twips; ScaleWidth and ScaleHeight the inner (client)
// size: the outer size less a frame on each side and a title bar, in pixels of the current screen
// (converted with the runtime's twips per pixel):
//
//   BorderStyle             frame  title bar
//   0 none                    0        0
//   1 fixed single            3       19
//   2 sizable (default)       4       19
//   3 fixed dialog            3       19
//   4 fixed tool window       3       16
//   5 sizable tool window     4       16
//
// and no title bar either when Caption is empty and ControlBox is false. The scale is always twips
// (ScaleMode 1). A minimised or maximised form keeps the size it has when normal.
//
// Docking. Controls whose container is the form and whose extender Align is not 0 are docked, in
// z-order from back to front: each takes the whole free width (top 1, bottom 2) or height (left 3,
// right 4) and the free area shrinks by its height (width) from that edge. An invisible docked control
// is placed and sized the same way but takes no space. Docking is redone whenever the form's size, a
// docked control's size, visibility, Align or z-order changes, before the form raises Resize.
//
// Threads and runtimes. A form belongs to the thread that made it and to the runtime current there
// when it was made (Runtime::current()). On any other thread its operations that reach its controls
// (add, addLoaded, remove, findControl, control, Controls, show, hide, unload, showModal, focus and
// the input methods, save) and every call by name fail at once with err::WrongThread, naming the form,
// the operation and both threads, before anything is touched; the events of the form and of its
// controls refuse to be connected or raised there the same way. A runtime that ends while the form is
// still referenced ends the form first, under that runtime: the focus is dropped without events, every
// control hears onHide (when shown) and onTerminate, creation order, and is taken off the form, which
// is left empty and invisible (Unload is not raised: nothing can be cancelled). From then on the same
// operations fail with err::Disconnected ("... has disconnected ..."). The last reference to a live
// form must be dropped on its thread: dropped on another, the form cannot end its controls there and
// cannot report a failure from its destructor, so it writes the reason to standard error and aborts
// the process. A form that has ended with its runtime may be dropped on any thread.
//
// Input (run mode only, and only while the form is visible). Input reaches a target only when a user
// could reach it: its control is visible on the form and enabled, and a constituent target is visible
// and enabled through its containers. Methods return false when the input was dropped.
class Form : public Object {
    OV_OBJECT(Form)
public:
    static FormRef create(std::string name, Mode mode);
    ~Form() override;
    Form(const Form&) = delete;
    Form& operator=(const Form&) = delete;

    std::string Name() const { return m_name; }
    Mode mode() const { return m_mode; }
    // Ambient UserMode: false at design time.
    bool userMode() const { return m_mode == Mode::Run; }
    // False after unload() until a control is added or the form is shown again.
    bool isLoaded() const { return m_loaded; }

    // ---- Controls ----
    // Creates a control through TypeRegistry (429 for an unknown program id), sites it under `name`,
    // and runs onInitialize, onInitProperties and onResize, then onShow when the form is visible.
    // The name must be an identifier not used on the form (380). If a hook fails, the control is taken
    // off the form again (onHide and onTerminate run, their own failures ignored), the form's default
    // and cancel controls, size and needs-saving state are restored, and the failure is rethrown.
    // Changes the control made to other objects are undone only by its own onTerminate.
    ExtenderRef add(std::string_view progId, std::string_view name);
    ExtenderRef add(std::shared_ptr<UserControl> control, std::string_view name);
    // The same for a control loaded from a saved form: the extender values are applied first (their
    // container, if named, must already be on the form), then onInitialize, onReadProperties(bag),
    // onResize and onShow run. It either completes or leaves no trace, as add() does.
    ExtenderRef addLoaded(std::string_view progId, std::string_view name, PropertyBag& bag,
                          const ExtenderValues& values);
    ExtenderRef addLoaded(std::shared_ptr<UserControl> control, std::string_view name, PropertyBag& bag,
                          const ExtenderValues& values);
    // Letter case ignored. findControl gives null for an unknown name, control() fails with 730.
    ExtenderRef findControl(std::string_view name) const;
    ExtenderRef control(std::string_view name) const;
    // The control itself as a T: 730 for an unknown name, 13 when it is not a T.
    template <class T>
    std::shared_ptr<T> control(std::string_view name) const;
    // Takes a control (and the controls inside it, innermost first) off the form: onHide when shown,
    // then onTerminate. The control is removed even when a hook fails; the first failure is rethrown.
    void remove(std::string_view name);
    // In creation order.
    const std::vector<ExtenderRef>& controls() const { return m_controls; }
    // Back to front.
    const std::vector<Extender*>& zOrder() const { return m_zOrder; }
    // The late-bound controls collection: Count, and Item(index) with a 0-based position or a name.
    ObjectRef Controls();

    // ---- Properties ----
    std::string Caption() const { return m_caption; }
    void setCaption(const std::string& v);
    float Left() const { return m_left; }
    float Top() const { return m_top; }
    void setLeft(float v) { Move(v, m_top); }
    void setTop(float v) { Move(m_left, v); }
    float Width() const { return m_width; }
    float Height() const { return m_height; }
    // Negative sizes are 380. Docked controls are laid out again, then Resize is raised.
    void setWidth(float v) { Move(m_left, m_top, v, m_height); }
    void setHeight(float v) { Move(m_left, m_top, m_width, v); }
    void Move(float left, std::optional<float> top = {}, std::optional<float> width = {},
              std::optional<float> height = {});
    float ScaleWidth() const;
    float ScaleHeight() const;
    int16_t ScaleMode() const { return 1; }
    // Only 1 (twips) is accepted; other values are 380.
    void setScaleMode(int16_t v);
    // 0 normal, 1 minimised, 2 maximised; others are 380. A change raises Resize.
    int16_t WindowState() const { return m_windowState; }
    void setWindowState(int16_t v);
    // 0..5 as in the table above; others are 380. Design time only (382 at run time), as are
    // ControlBox and StartUpPosition (0 manual, 1 centre owner, 2 centre screen, 3 system default).
    int16_t BorderStyle() const { return m_borderStyle; }
    void setBorderStyle(int16_t v);
    bool ControlBox() const { return m_controlBox; }
    void setControlBox(bool v);
    int16_t StartUpPosition() const { return m_startUpPosition; }
    void setStartUpPosition(int16_t v);
    // The ambient back colour and font of the controls; a change raises onAmbientChanged("BackColor")
    // or onAmbientChanged("Font") on every control, in creation order.
    OleColor BackColor() const { return m_backColor; }
    void setBackColor(OleColor v);
    FontRef Font() const { return m_font; }
    // Nothing is 380.
    void setFont(FontRef v);
    bool Visible() const { return m_visible; }
    void setVisible(bool v) { v ? show() : hide(); }
    // When true the form hears key events before the control that has the focus.
    bool KeyPreview() const { return m_keyPreview; }
    void setKeyPreview(bool v) { m_keyPreview = v; }

    // ---- Showing and closing ----
    // Makes the form visible: every visible control hears onShow (creation order). At run time, when
    // nothing has the focus, the first control (creation order) whose TabStop is true and that can take
    // the focus gets it.
    void show();
    // Makes the form invisible: every shown control hears onHide (creation order).
    void hide();
    // Windows: a shown form has a window of the thread's WindowTable, owned by the application's owner
    // window; show() makes it on the first show and restores it (show command 9) before the controls
    // hear onShow, hide() hides it (0), and it is destroyed when the form unloads or ends.
    // Raises Unload(Cancel); when a handler sets Cancel the form stays and false is returned.
    // Otherwise: the focus is dropped (without events), every shown control hears onHide, then every
    // control hears onTerminate (both in creation order); the controls are unsited and the form is
    // empty and invisible. Failures of hooks do not stop the unload; the first is rethrown at its end.
    bool unload();
    // Shows the form modally and returns when it is hidden or unloaded. Headless, the modal hook of this
    // thread (setModalHook) receives the open form and plays the user: it clicks and types, and
    // normally ends by unloading or hiding the form. When the hook returns with the form still visible,
    // or when no hook is installed, the form is unloaded (as if its user closed it) and the call returns.
    void showModal();
    bool isModal() const { return m_modal; }
    // Installs the hook for modal forms of the calling thread (its runtime); returns the one before.
    static std::function<void(Form&)> setModalHook(std::function<void(Form&)> hook);
    // Late-bound Show([Modal]): 1 shows modally.
    void Show(std::optional<int16_t> modal = {});

    // ---- Design state ----
    // True after anything a saved form records changed at design time: a control added, removed or
    // renamed, an extender property or a control's size set, a form property set, or PropertyChanged
    // from a control (in either mode).
    bool needsSaving() const { return m_dirty; }
    // What a form saver calls after writing the form: clears needsSaving and every site's changed keys.
    void markSaved();
    // Writes the form and its controls to a form file, atomically, then marks it saved; see FormFile.
    void save(const std::string& path);
    // A new form in `mode` read from a form file; a broken file is refused and nothing is created.
    static FormRef load(const std::string& path, Mode mode);

    // ---- Focus and input ----
    // The control that has the focus (null when none), and the constituent control inside it that has
    // it (null when its surface has it).
    Extender* activeControl() const { return m_focusControl.get(); }
    ConstituentControl* focusedChild() const { return m_focusChild.get(); }
    ObjectRef ActiveControl() const { return m_focusControl; }
    // Moves the focus to a constituent control of `control` (null: the surface). Raises, in order:
    // LostFocus of what had it; ExitFocus of its control's surface and the old extender's LostFocus
    // when the control changes; EnterFocus of the new control's surface and its extender's GotFocus;
    // GotFocus of the target. A handler that moves the focus again ends this sequence and the newer
    // move raises what is still untold, so each event is raised once. Failure 5 when the target
    // cannot take the focus. When a text box has the focus, its Validate(Cancel) comes first: Cancel
    // (or a handler that moves the focus itself) ends the move there.
    void focus(Extender& control, ConstituentControl* child);
    // Drops the focus without events. The form does this itself when the control or constituent
    // control that has the focus is hidden, disabled, moved to another container or removed.
    void clearFocus();

    // A key press: key down, the character it types (if any), key up. Tab and Shift+Tab move the focus
    // along the tab order (see TabOrder.h) and go nowhere else. Enter and Escape first go to the
    // command buttons: Enter clicks the focused command button, or else the default button (Default
    // true, visible and enabled) of the control that has the focus, or else of the form's default
    // control (extender Default); Escape clicks the cancel button found the same way (extender
    // Cancel). A key so used goes nowhere else. Other keys go to the form when KeyPreview is set or
    // nothing has the focus, then to the surface of the focused control when its KeyPreview is set or
    // it has the focus itself, then to the focused constituent control; a handler that sets KeyCode
    // (KeyAscii) to 0 stops the delivery of that event. The space key also clicks a focused command
    // button, after key up. Typed characters: letters (lower case unless shift bit 1 is set), the
    // digits and punctuation of a US keyboard with and without Shift (keys 48-57, 186-192, 219-222),
    // the keypad's operators (106, 107, 109, 110, 111), space, Enter (13), Escape (27), Backspace
    // (8); Ctrl (shift bit 2) with a letter types its control character
    // (Ctrl+C is 3); a key with Alt (shift bit 4) types nothing. A focused text box acts on the key
    // after its own KeyDown and KeyPress handlers (see TextBox).
    // Access keys: Alt with a letter or digit (letter case ignored) presses the visible, enabled
    // command button whose caption marks that character with "&" ("&Next >" answers Alt+N; "&&" is
    // a plain "&"), looked for first in the control that has the focus, then in every control in
    // creation order (within a control, the lowest TabIndex wins). Pressing it is a click without
    // the mouse: the focus moves to the button, then it raises Click. A key so used goes nowhere
    // else; an Alt key that presses nothing is delivered as any other key.
    bool pressKey(int16_t keyCode, int16_t shift = 0);
    // Types `text` key by key through pressKey, each character with the key (and shift) that types it
    // on a US keyboard; CR LF is one Enter. Failure 5 for a character no key types. False when a key
    // was dropped.
    bool typeText(std::string_view text);
    // A mouse click on a constituent control or on a control's surface: the focus moves to it when it
    // can take it, then MouseDown, MouseUp (left button, no shift, at x, y) and Click.
    bool click(ConstituentControl& target, float x = 0, float y = 0);
    bool click(Extender& target, float x = 0, float y = 0);
    // A double click: the click above, then DblClick and a second MouseUp, as the host reports one.
    bool doubleClick(ConstituentControl& target, float x = 0, float y = 0);
    bool doubleClick(Extender& target, float x = 0, float y = 0);
    bool mouseDown(ConstituentControl& target, int16_t button, int16_t shift, float x, float y);
    bool mouseMove(ConstituentControl& target, int16_t button, int16_t shift, float x, float y);
    bool mouseUp(ConstituentControl& target, int16_t button, int16_t shift, float x, float y);
    bool mouseDown(Extender& target, int16_t button, int16_t shift, float x, float y);
    bool mouseMove(Extender& target, int16_t button, int16_t shift, float x, float y);
    bool mouseUp(Extender& target, int16_t button, int16_t shift, float x, float y);

    // ---- Events ----
    Event<> Resize;
    Event<int16_t&> Unload; // Cancel
    Event<int16_t&, int16_t&> KeyDown;
    Event<int16_t&> KeyPress;
    Event<int16_t&, int16_t&> KeyUp;

    static void describe(ClassBuilder<Form>& b);

    Form(std::string name, Mode mode); // use create()

protected:
    void affirmUse(std::string_view member) const override { affirmUsable(member); }
    std::string subject(std::string_view use) const override;

private:
    friend class Extender;
    friend class UserControl;
    friend class ConstituentControl;
    friend class FormFile;
    friend class Runtime;

    // What each operation on the form checks first: the calling thread owns it (err::WrongThread) and
    // its runtime has not ended (err::Disconnected). `use` names the operation in the description.
    void affirmUsable(std::string_view use) const {
        affirmThread(use);
        if (!m_runtime) [[unlikely]]
            throwDisconnected(use);
    }
    [[noreturn]] void throwDisconnected(std::string_view use) const;
    // The runtime is ending: end every control and forget the runtime (see above).
    void endWithRuntime() noexcept;
    // Ends every control: hide, terminate and unsite each (creation order), first failure in `first`.
    void endControls(std::exception_ptr& first);
    // Destroys the form's window (see WindowTable), made when the form was first shown.
    void dropWindow() noexcept;
    [[noreturn]] void droppedOnAnotherThread() const noexcept;

    struct Snapshot;
    enum class Input { Down, Move, Up };

    ExtenderRef addControl(std::shared_ptr<UserControl> control, std::string_view name, PropertyBag* bag,
                           const ExtenderValues* values);
    void rollback(const ExtenderRef& ext, const Snapshot& snap);
    void checkNewName(std::string_view name, const Extender* except) const;
    void applyValues(Extender& ext, const ExtenderValues& values);
    void terminate(const ExtenderRef& ext, std::exception_ptr& firstFailure);
    void unsite(const ExtenderRef& ext);
    // Takes every control off the form at once (the form closing): unsited, as unsite does.
    void unsiteAll();
    static void releaseSite(Extender& ext);

    struct Placement {
        Extender* ext;
        float left, top, width, height;
    };
    // Plans the docked controls from z-order position `from` on, starting with the free area `space`;
    // records each one's free area on its extender (Extender::m_dockSpace).
    std::vector<Placement> planDocked(size_t from, DockSpace space);
    // Places one docked control in `space` and takes from it what the control uses.
    static Placement placeDocked(Extender& e, DockSpace& space);
    DockSpace clientSpace() const;
    // Docks the controls again: all of them, or, when only `changed` (a docked control) changed its
    // size or visibility or came to the front, it and the controls in front of it.
    void layoutDocked(const Extender* changed = nullptr);
    // Where `ext` is in m_zOrder (0 is the back); m_zOrder.size() when it is not there.
    size_t zOrderPosition(const Extender& ext) const;
    // `onlyFirstChanged`: the docked control at `from` is the only one whose docking changed.
    // `mayDefer`: the controls in front of it may be left to settleDocking (see there).
    void layoutDockedFrom(size_t from, DockSpace space, bool onlyFirstChanged = false, bool mayDefer = false);
    // Docks the controls whose docking was put off, if any. Docking is put off only where it moves
    // controls without resizing them (no side-docked control, the same free width), so nothing is
    // raised by it; what reads or changes a docked control's place or the z-order settles it first.
    void settleDocking();
    bool mayDeferDocking(const DockSpace& before, const DockSpace& after);
    void constrainDockedSize(const Extender& ext, float& width, float& height);
    void reorder(Extender& ext, bool toFront);
    // Tells the controls that appeared or disappeared: every control, or only `root` and the controls
    // inside it (what a change of its visibility or container can reach).
    void updateShown();
    void updateShown(Extender& root);
    bool reportShown(Extender& ext);
    void setDefaultControl(Extender* ext, bool cancel);
    void unindex(const Extender& ext);
    void designChanged();
    void controlLostReach(Extender& ext);
    void raiseResize();
    void sizeChanged();

    bool canReceive(const Extender& ext) const;
    bool canReceive(const ConstituentControl& child) const;
    bool canFocus(const Extender& ext, const ConstituentControl* child) const;
    ConstituentControl* firstFocusableChild(const Extender& ext) const;
    bool focusFirst();
    CommandButton* buttonFor(bool cancel) const;
    static bool isAccessKey(int16_t keyCode);
    CommandButton* accessKeyButton(char key) const;
    void pressAccessKey(CommandButton& button);
    void clickButton(CommandButton& button);
    bool deliverMouse(ConstituentControl& target, Input kind, int16_t button, int16_t shift, float x,
                      float y);
    bool deliverMouse(Extender& target, Input kind, int16_t button, int16_t shift, float x, float y);

    Runtime* m_runtime; // null once the runtime has ended
    std::string m_name;
    Mode m_mode;
    bool m_loaded = true;
    bool m_visible = false;
    bool m_modal = false;
    bool m_dirty = false;
    std::string m_caption;
    float m_left = 0, m_top = 0;
    float m_width = 4800, m_height = 3600;
    int16_t m_windowState = 0;
    int16_t m_borderStyle = 2;
    bool m_controlBox = true;
    int16_t m_startUpPosition = 3;
    OleColor m_backColor = sysColor::ButtonFace;
    FontRef m_font;
    bool m_keyPreview = false;

    std::vector<ExtenderRef> m_controls;
    std::vector<Extender*> m_zOrder;
    // The controls by name (letter case ignored); the keys view the extenders' names.
    std::unordered_map<std::string_view, Extender*, NoCaseHash, NoCaseEqual> m_byName;
    // The controls whose extender Default (Cancel) is true; at most one each.
    Extender* m_defaultControl = nullptr;
    Extender* m_cancelControl = nullptr;
    // Whether every docked control's free area (m_dockSpace) is that of the last complete docking,
    // made for a client area of m_dockClient; a partial docking starts from there only then.
    bool m_dockSettled = false;
    DockSpace m_dockClient;
    DockSpace m_dockRemaining; // what the last docking left free, in front of every docked control
    // A docking put off: the docked controls from z-order position m_dockDeferFrom on dock again from
    // m_dockDeferSpace (none: kNoDeferral). Their m_dockSpace and m_dockRemaining are still those of
    // the last docking, which was complete: a control that comes to the front from just behind them
    // finds them in place when the area it leaves is the one they were docked from (see reorder).
    static constexpr size_t kNoDeferral = static_cast<size_t>(-1);
    size_t m_dockDeferFrom = kNoDeferral;
    DockSpace m_dockDeferSpace;
    int m_sideDocked = -1; // controls with Align 3 or 4 (-1: not counted since the last whole docking)
    std::shared_ptr<Extender> m_focusControl;
    std::shared_ptr<ConstituentControl> m_focusChild;
    // What the focus events have told so far (the focus itself may already be elsewhere).
    struct Heard {
        std::shared_ptr<Extender> control; // heard EnterFocus
        bool extender = false;             // its extender raised GotFocus
        std::shared_ptr<ConstituentControl> child;
        bool surface = false;
    } m_heard;
    uint64_t m_focusGeneration = 0;
    uint64_t m_layoutGeneration = 0;
    int m_layoutDepth = 0;
};

template <class T>
std::shared_ptr<T> Form::control(std::string_view name) const {
    ExtenderRef ext = control(name);
    auto t = ext->controlAs<T>();
    if (!t) {
        throw Failure(err::TypeMismatch, failureText(err::TypeMismatch) + " (" + ext->Name() + " is a " +
                                             ext->typeName() + ", not a " + T::kClassName + ")");
    }
    return t;
}

} // namespace ov
