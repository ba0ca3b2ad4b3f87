#pragma once

#include "platform/PropertyPage.h"

#include <array>
#include <vector>

namespace ov {

class TextBox;

// The navigator's "Position" page: the text boxes txtButtonWidth, txtButtonHeight, txtButtonGapMiddle,
// txtButtonGapRight and txtButtonGapTop, labelled "ButtonWidth:" ... "ButtonGapTop:". Apply writes the
// five properties in that order through the navigator's writers (which ignore button sizes below 15).
class Position : public PropertyPage {
    OV_OBJECT(Position)
public:
    Position();

protected:
    void SelectionChanged() override;
    void ApplyChanges() override;

private:
    std::array<TextBox*, 5> m_fields{};
    std::vector<ScopedConnection> m_links;
};

} // namespace ov
