#pragma once

#include "platform/Event.h"
#include "wizard/WizardTypes.h"

#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace ov {

class CheckBox;
class ComboBox;
class CommandButton;
class ConstituentControl;
class Frame;
class Line;
class PropertyPage;
class TextBox;

// The rule names of a rule list, in ovEn_Button_Rule order: the list index is the rule.
inline constexpr std::array<const char*, 7> kButtonRuleNames{"None", "Back", "Next",  "Cancel",
                                                             "Help", "Exit", "Finish"};

// The editor of four button positions that NavigatorButonSet and ButtonsSet share: for each position
// (prefixes LB, LMB, RMB, RB) a caption box txt<P>Caption, a rule list cbo<P>Rule, the check boxes
// chk<P>Enabled, chk<P>Visible, chk<P>Default and chk<P>Cancel, and a preview button (LeftButton,
// LeftMiddleButton, RightMiddleButton, RightButton) framed by four lines one screen pixel outside its
// edges. The previews sit in a row like the navigator's buttons (a gap, the middle pair close together,
// a gap); each position's fields stand in a column under its preview, with the row labels "Caption"
// and "Rule:" on the left.
//
// The editing rules hold among the four columns:
// - a rule other than "None" chosen in one list resets every other list that shows the same rule to
//   "None", so a rule is on one position at most;
// - ticking a Default box clears the other three Default boxes; the same among the Cancel boxes;
// - the preview button takes the caption typed and the Enabled box (and the Visible box when
//   previewShowsVisible).
// Each edit then calls `edited` (the page marks itself changed), except choosing "None" when
// noneIsEdit is false. Nothing reacts while a column is being loaded.
class ButtonColumns {
public:
    struct Options {
        bool previewShowsVisible = true;
        bool noneIsEdit = true;
    };
    struct Column {
        TextBox* caption = nullptr;
        ComboBox* rule = nullptr;
        CheckBox* enabled = nullptr;
        CheckBox* visible = nullptr;
        CheckBox* isDefault = nullptr;
        CheckBox* isCancel = nullptr;
        CommandButton* preview = nullptr;
        std::array<Line*, 4> frame{}; // top, bottom, left, right
    };

    // Builds the columns into `container` (a frame of `page`), their top-left corner at (left, top).
    ButtonColumns(PropertyPage& page, Frame& container, float left, float top, Options options,
                  std::function<void()> edited);
    ButtonColumns(const ButtonColumns&) = delete;
    ButtonColumns& operator=(const ButtonColumns&) = delete;

    // Fills a column (and its preview) from a button record; Position is not used.
    void load(ovEn_Button_Position position, const PageButtons& button);
    // The column as a record: Caption, Visible, Enabled, Rule, Default and Cancel, Position set.
    PageButtons read(ovEn_Button_Position position) const;
    // The position (1..4) whose Default (Cancel) box is ticked, 0 when none is.
    int32_t defaultPosition() const;
    int32_t cancelPosition() const;

    const Column& column(ovEn_Button_Position position) const { return m_columns[buttonSlot(position)]; }
    // The bottom edge of the lowest field, in the container's coordinates.
    float bottom() const { return m_bottom; }

private:
    // While a Loading lives the edit rules and `edited` are off: fields are filled as they are given.
    class Loading {
    public:
        explicit Loading(ButtonColumns& c) : m_c(c) { m_c.m_loading = true; }
        ~Loading() { m_c.m_loading = false; }
        Loading(const Loading&) = delete;
        Loading& operator=(const Loading&) = delete;

    private:
        ButtonColumns& m_c;
    };

    void build(PropertyPage& page, Frame& container, float left, float top);
    void placeFrame(Column& c);
    void onRule(size_t slot);
    void onRole(size_t slot, CheckBox* Column::*box);
    void onCaption(size_t slot);
    void onEnabled(size_t slot);
    void onVisible(size_t slot);
    void edit(const std::function<void()>& work, bool isEdit = true);

    Options m_options;
    std::function<void()> m_edited;
    std::array<Column, 4> m_columns;
    bool m_loading = false;
    float m_bottom = 0;
    std::vector<ScopedConnection> m_links;
};

} // namespace ov
