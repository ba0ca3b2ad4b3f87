#pragma once

#include "platform/Forward.h"

#include <filesystem>
#include <ostream>
#include <string>

namespace ovhost {

// Renders the page now shown by the wizard on `form` into `folder`/`fileName` and names the file in the
// log. The form must have been built or loaded while an ov::Renderer lived, so text is measured as drawn.
void renderWizardPage(ov::Form& form, const std::filesystem::path& folder, const std::string& fileName,
                      std::ostream& log);

} // namespace ovhost
