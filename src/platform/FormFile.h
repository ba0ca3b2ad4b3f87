#pragma once

#include "platform/Forward.h"
#include "platform/TypeRegistry.h"

#include <cstddef>
#include <string>
#include <string_view>

namespace ov {

enum class Mode;
struct FormFilePlan;

// Form files: a form and its controls as JSON text (UTF-8). Form::save and Form::load are the usual
// way in; the functions here also work on text in memory.
//
//   {
//     "format": "OvComCtl.Form", "version": 1, "name": "frmSetup",
//     "properties": { "Caption": "Setup", "Left": 0, "Top": 0, "Width": 4800, "Height": 3600,
//                     "WindowState": 0, "BorderStyle": 2, "ControlBox": true, "StartUpPosition": 3,
//                     "BackColor": -2147483633, "Font": { ...a font... }, "KeyPreview": false },
//     "controls": [
//       { "progId": "OvComCtl.OvWizardTab", "name": "Step1",
//         "extender": { "Width": 7200, "Height": 900, "Align": 1, "TabStop": false },
//         "properties": [ { "key": "BannerTitle", "type": "String", "value": "Choose a folder" } ] }
//     ],
//     "zOrder": [ "Step1", "Nav" ]
//   }
//
// Controls are listed in creation order, except that a control sitting in a container control comes
// after its container. "extender" holds Width and Height always, and of Left, Top, Visible, Tag,
// HelpContextID, Align, TabStop, ToolTipText, Default, Cancel and Container (the container control's
// name) only what differs from a new control's value. "properties" holds the control's property-bag
// entries in the order it wrote them; each entry is { "key", "type", "value" } with type:
//
//   Empty, Null, Nothing   no value
//   Boolean                true / false
//   Integer, Long          a whole number within 16 / 32 bits (colours are Longs, as the bag has them)
//   Single, Double         a number, or the text "NaN", "Infinity" or "-Infinity"
//   String                 text
//   Font                   { "name", "size", "bold", "italic", "underline", "strikethrough", "weight",
//                            "charset" }; absent fields are the standard font's; a weight decides
//                            boldness (600 and up), "bold" counts only without one
//   Picture                the PNG bytes as base64 text
//   Object                 an object of a Persistable library class: "progId" names its class and
//                          "value" is the list of entries the object wrote into its own bag (the same
//                          entry shape; objects nest at most kMaxNesting deep)
//
// "zOrder" (the control names, back to front) is present only when the z-order differs from the order
// of "controls". Measures are twips.
//
// Loading. Names of keys and of types are matched without letter case; keys this library does not know
// are ignored. A file is refused with failure 321 ("Invalid file format: <file>: control <name>:
// <problem>") when it is not JSON, not a form file or of a newer version, when a value has the wrong
// type or is out of range (sizes must be from 0 to kMaxTwips, positions within ±kMaxPosition), when a
// control name is not an identifier or is used twice (letter case ignored), when a program id names no
// creatable class, when a container is not a control listed before, or when zOrder does not name every
// control once. The same holds inside the controls: a stored value that its property cannot take — one
// that does not convert to the property's type as a by-name write converts it (the text "abc" for a
// whole number, NaN or 2^31 for a Long, a font for a picture) or lies outside the range the property
// declares (a button size above kMaxTwips) — refuses the load with 321 ("Invalid file format: <file>:
// control <name>: property <key>: <problem>"), however the control's own failure handling would have
// taken it: the control reads its bag with PropertyBag::readAs, the bag keeps the refusal, and the
// load ends as below; nothing is shown. A failure of a control while it loads (onReadProperties, or
// the form refusing its extender values) keeps its number and gets the file and control names in
// front of its description.
// A load either returns a complete new form or creates nothing lasting: a form made so far is let go
// and its controls end their lives (onHide, onTerminate) as with any form. After a load the form does
// not need saving.
//
// Saving runs every control's onWriteProperties and builds the whole text first; a control that fails,
// or a value that cannot be stored (a record, an object of a class that is not Persistable or has no
// program id, text that is not UTF-8, a measure or font outside the ranges a loader accepts), fails
// before the disk is touched (380 for a value, the control's own number for its failure; the
// description names the file and control). The same holds inside the controls, as the mirror of the
// load rule above: a control writes each key with the range its property declares
// (PropertyBag::write), and a stored value outside it — a navigator ButtonWidth of 2000000 that a host
// set, which its writer takes and lays out — refuses the save with 380 ("Invalid property value:
// <file>: control <name>: property <key>: <problem>", the problem as a load would word it), so that a
// form that saves always loads again. The text is then written to a new file in the target's
// folder, flushed to the disk and renamed over the target, so the target holds either the old or the
// new form, never a part; failure 75 ("Path/File access error: <file>: <why>") otherwise, and the old
// file is left as it was. Only after success is the form marked saved (Form::markSaved). The new file
// keeps the permissions of the one it replaces; a symbolic link at the target is replaced, not
// followed. A read-only target (no write permission) is refused with 75 ("...: the file is
// read-only"), as editors refuse it, even when its folder would allow replacing it; so is a target
// that is a folder, FIFO or device.
//
// Reading a file (load) takes regular files only (a symbolic link to one is followed), of at most
// kMaxFileBytes (32 MiB; a thousand-page wizard is about 2 MB): a folder, a FIFO, a device such as
// /dev/zero, a symbolic-link loop or a larger file is refused with 75 ("Path/File access error:
// <file>: larger than the limit of 33554432 bytes", "...: a FIFO, not a regular file") before
// anything is read; a missing file is 53 ("File not found: <file>"). Text (from a file or not) that
// holds more than kMaxValues JSON values is refused with 321 while it is parsed.
class FormFile {
public:
    static constexpr const char* kFormat = "OvComCtl.Form";
    static constexpr int kVersion = 1;
    static constexpr double kMaxTwips = 1e6; // sizes
    // Positions: docked controls stack up far below their form (500 wizard pages reach 2.3e6).
    static constexpr double kMaxPosition = 1e9;
    static constexpr double kMaxFontSize = 2048; // points; fonts are from 1 to this
    static constexpr int kMaxNesting = 16;
    static constexpr size_t kMaxFileBytes = size_t{32} << 20; // what load() reads at most
    // JSON values (objects, lists, numbers, texts...) a form file may hold; a page takes about 80.
    static constexpr size_t kMaxValues = size_t{1} << 21;

    // The form file text for `form`. `path` only names the file in failures.
    static std::string write(Form& form, const std::string& path);
    // Writes `form` to `path` atomically and marks it saved.
    static void save(Form& form, const std::string& path);
    // A new form in `mode` from form file text; `path` only names the file in failures.
    static FormRef read(std::string_view text, const std::string& path, Mode mode);
    // A new form from the file at `path`; 53 when there is none, 75 when it cannot be read or is not a
    // regular file of at most kMaxFileBytes.
    static FormRef load(const std::string& path, Mode mode);

    // Whether `name` can name a form or control: a letter, then letters, digits or "_", at most 40
    // characters. The one rule for names: a form refuses any other control name, and files are
    // checked with it before any control exists.
    static bool isName(std::string_view name);
    // The registered class that a loader can create from `progId`, or null.
    static const TypeRegistry::ClassEntry* creatableClass(std::string_view progId);

private:
    static FormRef build(FormFilePlan& plan, const std::string& path, Mode mode);
};

} // namespace ov
