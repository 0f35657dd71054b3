#include "platform/system_libraries.hpp"

#include <initializer_list>
#include <windows.h>

namespace Velmora {

// Never freed: the window library's own load and free then leave them in place.
void keepSystemLibrariesLoaded() {
    for (const wchar_t* library : {L"dinput8.dll", L"xinput1_4.dll", L"xinput1_3.dll", L"xinput9_1_0.dll"}) {
        LoadLibraryW(library);
    }
}

} // namespace Velmora
