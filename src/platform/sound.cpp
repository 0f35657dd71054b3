#include "platform/sound.hpp"

namespace Velmora {

void playSound(const std::string&) {}

} // namespace Velmora
