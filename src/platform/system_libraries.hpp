#pragma once

namespace Velmora {

// Loads the system libraries that the window library loads and unloads itself and keeps them for the whole
// run: Windows' DirectInput and XInput leave threads of their own behind, which would crash the program as it
// ends once their code is gone. Called before the window library starts; nothing to do elsewhere.
void keepSystemLibrariesLoaded();

} // namespace Velmora
