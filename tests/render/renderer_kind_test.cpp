#include "render/renderer_kind.hpp"
#include "support/scoped_environment.hpp"

#include "platform/console.hpp"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace Velmora {
namespace {

TEST(RendererKindTest, CpuRasterizersAreSoftwareWhateverWrapsThem) {
    for (const char* name :
         {"llvmpipe (LLVM 15.0.6, 256 bits)", "softpipe", "Software Rasterizer",
          "SWR (LLVM 12.0.0, 256 bits)", "virgl (LLVMPIPE (LLVM 15.0.6, 256 bits))",
          "D3D12 (Microsoft Basic Render Driver)", "zink (Lavapipe (LLVM 15.0.6, 256 bits))",
          "ANGLE (Google, Vulkan 1.3.0 (SwiftShader Device (Subzero) (0x0000C0DE)), SwiftShader driver)"}) {
        EXPECT_EQ(rendererKindOf(name), RendererKind::Software) << name;
    }
    // A card's name may carry the compiler Mesa builds its shaders with, or letters that spell "swr" inside a
    // word.
    for (const char* name : {"NVIDIA GeForce RTX 3060/PCIe/SSE2",
                             "AMD Radeon RX 6600 (navi23, LLVM 15.0.6, DRM 3.49, 6.1.0-18-amd64)",
                             "Mesa Intel(R) UHD Graphics 620 (KBL GT2)", "virgl",
                             "D3D12 (NVIDIA GeForce GTX 1660)", "ANSWRX Graphics", ""}) {
        EXPECT_EQ(rendererKindOf(name), RendererKind::Hardware) << name;
    }
}

TEST(RendererKindTest, OverrideNamesEitherKindInAnyCaseAndAnythingElseIsSaidAndLeavesTheName) {
    std::vector<std::string> lines;
    setLineListener([&](const std::string& line) { lines.push_back(line); });
    EXPECT_EQ(chosenRendererKind("Hardware", "llvmpipe (LLVM 15.0.6, 256 bits)"), RendererKind::Hardware);
    EXPECT_EQ(chosenRendererKind(" hardware\t", "llvmpipe (LLVM 15.0.6, 256 bits)"), RendererKind::Hardware);
    EXPECT_EQ(chosenRendererKind("SOFTWARE ", "NVIDIA GeForce RTX 3060/PCIe/SSE2"), RendererKind::Software);
    EXPECT_EQ(chosenRendererKind("", "llvmpipe (LLVM 15.0.6, 256 bits)"), RendererKind::Software);
    EXPECT_EQ(chosenRendererKind(nullptr, "NVIDIA GeForce RTX 3060/PCIe/SSE2"), RendererKind::Hardware);
    EXPECT_TRUE(lines.empty());
    for (const char* other : {"gpu", "hard ware", " "}) {
        EXPECT_EQ(chosenRendererKind(other, "llvmpipe (LLVM 15.0.6, 256 bits)"), RendererKind::Software)
            << other;
    }
    setLineListener(nullptr);
    EXPECT_EQ(
        lines,
        std::vector<std::string>(
            3, "VELMORA_RENDERER must be 'software' or 'hardware'; the renderer's name decides instead"));
    // The game reads the override itself, whatever its context's renderer; without a context the name is
    // empty.
    for (const RendererKind kind : {RendererKind::Software, RendererKind::Hardware}) {
        const TestSupport::ScopedEnvironment named("VELMORA_RENDERER", rendererKindName(kind));
        EXPECT_EQ(currentRendererKind(), kind);
    }
}

} // namespace
} // namespace Velmora
