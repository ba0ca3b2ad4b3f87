#pragma once

#include "platform/Forward.h"

#include <string>

namespace ov {

// The form file text of `form` (see FormFile for the format and for what cannot be saved). Runs every
// control's onWriteProperties. `path` only names the file in failures.
std::string writeFormFile(Form& form, const std::string& path);

} // namespace ov
