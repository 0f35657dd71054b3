#pragma once

#include <string>

namespace Velmora {

// Where the GL renderer draws. A software renderer draws on the CPU: every triangle costs, and reading the
// depth buffer back or waiting for it costs a copy. A graphics card draws far ahead of the CPU: a read-back,
// a glFinish or a client wait in the middle of a frame drains its queue and leaves it idle.
enum class RendererKind { Software, Hardware };

// From the renderer's name as GL_RENDERER gives it. Software when the name holds one of the CPU rasterizers
// (llvmpipe, softpipe, swrast, SWR, lavapipe, SwiftShader, Windows' WARP), also where a virtual GPU or a
// layer over another API names the renderer under it ("virgl (LLVMPIPE (...))", "D3D12 (Microsoft Basic
// Render Driver)"); hardware for every other name, a bare "virgl" included: its host draws on whatever card
// it has, and a read-back there crosses the virtual machine's boundary as well.
RendererKind rendererKindOf(const std::string& rendererName);
// "software" or "hardware" as the override names it, in any case and with spaces around, else the kind the
// name gives: for a player whose driver is misjudged, and for tests. Any other override that is not empty is
// named as ignored in one line.
RendererKind chosenRendererKind(const char* override, const std::string& rendererName);
// The current context's kind, with VELMORA_RENDERER as its override.
RendererKind currentRendererKind();
const char* rendererKindName(RendererKind kind);

} // namespace Velmora
