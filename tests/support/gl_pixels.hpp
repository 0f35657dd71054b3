#pragma once

#include <GL/glew.h>
#include <array>
#include <string>
#include <vector>

namespace TestSupport {

using Rgb = std::array<int, 3>;

// Reads an RGB rectangle of the framebuffer bound for reading, rows bottom-up as GL stores them.
std::vector<unsigned char> readPixels(GLuint framebuffer, int x, int y, int width, int height);
Rgb pixelAt(GLuint framebuffer, int x, int y);
// Mean colour of a rectangle; comparisons of rendered pictures use means and tolerances, never exact bytes.
Rgb meanColor(GLuint framebuffer, int x, int y, int width, int height);
int brightness(const Rgb& color);
// Reads back a whole colour texture (RGB, level 0).
std::vector<unsigned char> readTexture(GLuint texture, int width, int height);
// The 2D texture bound on unit 0, which stays active afterwards.
GLint textureOnUnitZero();
// A picture with a different colour in neighbouring texels, so that a shift or a blend between texels would
// show, and no part brighter than a white cloud.
std::vector<unsigned char> patternedPicture(int width, int height);
// The largest difference between two pictures of the same size, in levels of one channel.
int largestDifference(const std::vector<unsigned char>& first, const std::vector<unsigned char>& second);
// The share of channel values, 0 to 1, that differ by more than the given levels between two pictures:
// rounding moves a few values by a level or two, a changed look moves many.
double shareDifferingBy(const std::vector<unsigned char>& first, const std::vector<unsigned char>& second,
                        int levels);
// Keeps a picture as PNG for a person to look at, e.g. the rendered test scene.
void savePng(const std::string& path, const std::vector<unsigned char>& rgb, int width, int height);

} // namespace TestSupport
