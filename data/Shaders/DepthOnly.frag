#version 330 core

// Only the depth that the rasteriser writes is wanted; no colour goes out.
void main() {
}
