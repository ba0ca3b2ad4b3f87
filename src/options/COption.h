#pragma once

#include "options/OptionTypes.h"
#include "platform/ClassBuilder.h"
#include "platform/Object.h"

#include <cstdint>
#include <memory>
#include <string>

namespace ov {

// One item of an option tree: a container (a folder that groups items) or a property page (a leaf
// that stands for the option page whose PageIndex is iTabIndex). Six plain fields and no code; the
// accessors only give calls by name a way in.
class COption : public Object {
    OV_OBJECT(COption)
public:
    std::string strParentKey; // " " for a top-level item
    std::string strKey;       // unique, upper case: "_NAME" or "<parent key>\NAME"
    en_OptionType eOptionType = en_OptionType::Container;
    std::string strName;             // the text shown in the tree
    int16_t iTabIndex = 0;           // a property page's PageIndex
    std::string strSelectedProperty; // the page last made current under this item

    bool isPage() const { return eOptionType == en_OptionType::PropertyPage; }

    static void describe(ClassBuilder<COption>& b);

private:
    std::string parentKey() const { return strParentKey; }
    void setParentKey(const std::string& v) { strParentKey = v; }
    std::string key() const { return strKey; }
    void setKey(const std::string& v) { strKey = v; }
    en_OptionType optionType() const { return eOptionType; }
    void setOptionType(en_OptionType v) { eOptionType = v; }
    std::string name() const { return strName; }
    void setName(const std::string& v) { strName = v; }
    int16_t tabIndex() const { return iTabIndex; }
    void setTabIndex(int16_t v) { iTabIndex = v; }
    std::string selectedProperty() const { return strSelectedProperty; }
    void setSelectedProperty(const std::string& v) { strSelectedProperty = v; }
};

using COptionRef = std::shared_ptr<COption>;

} // namespace ov
