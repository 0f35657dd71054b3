#version 330 core

in vec2 texel;
in vec4 textColor;

uniform sampler2D glyphAtlas;

out vec4 fragColor;

// Fetched texel for texel, so no filter softens the glyphs; their coverage is in every channel.
void main() {
    float coverage = texelFetch(glyphAtlas, ivec2(texel), 0).r;
    fragColor = vec4(textColor.rgb, textColor.a * coverage);
}
