#pragma once

#include <memory>

namespace ov {

class Variant;
class Failure;
class Object;
class ClassInfo;
class Font;
class Picture;
class Runtime;
class MessageBoxService;
class ScreenService;
class ApplicationService;
class MessagePumpService;
struct Args;
template <class T>
class ClassBuilder;
class Connection;
class PropertyBag;
class UserControl;
class Extender;
class Form;
class ConstituentControl;
class RegistryService;
class FileSystemService;
class LauncherService;
class TextMetricsService;

using ObjectRef = std::shared_ptr<Object>;
using FontRef = std::shared_ptr<const Font>;
using PictureRef = std::shared_ptr<const Picture>;
using ExtenderRef = std::shared_ptr<Extender>;
using FormRef = std::shared_ptr<Form>;

} // namespace ov
