#pragma once

#include "platform/PropertyPage.h"

#include <array>
#include <vector>

namespace ov {

class TextBox;

// A wizard page's "Captions" page: the header texts in txtWaterMarkTitle ("WaterMarkTitle:",
// WatermarkTitle), txtWaterMarkRule ("WaterMarkRule:", WatermarkRule), txtWaterMarkDescription
// ("WaterMarkDescription:", WatermarkDescription), txtBannerTitle ("BannerTitle:", BannerTitle) and
// txtBannerDescription ("BannerDescription:", BannerDescription). Apply writes them in that order.
class Captions : public PropertyPage {
    OV_OBJECT(Captions)
public:
    Captions();

protected:
    void SelectionChanged() override;
    void ApplyChanges() override;

private:
    std::array<TextBox*, 5> m_fields{};
    std::vector<ScopedConnection> m_links;
};

} // namespace ov
