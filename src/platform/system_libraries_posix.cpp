#include "platform/system_libraries.hpp"

namespace Velmora {

void keepSystemLibrariesLoaded() {}

} // namespace Velmora
