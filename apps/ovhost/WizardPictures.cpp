#include "WizardPictures.h"

#include "platform/Form.h"
#include "render/Renderer.h"

namespace ovhost {

void renderWizardPage(ov::Form& form, const std::filesystem::path& folder, const std::string& fileName,
                      std::ostream& log) {
    const auto path = folder / fileName;
    ov::renderFormToPng(form, path.string());
    log << "  rendered " << path.string() << "\n";
}

} // namespace ovhost
