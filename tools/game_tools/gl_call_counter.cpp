#include "gl_call_counter.hpp"

#include <GL/glew.h>

namespace {

bool counting = false;
Velmora::GlCallCounts counted;
PFNGLCLIENTWAITSYNCPROC realClientWaitSync = nullptr;
PFNGLDRAWELEMENTSINSTANCEDPROC realDrawElementsInstanced = nullptr;

GLenum GLAPIENTRY countedClientWaitSync(GLsync sync, GLbitfield flags, GLuint64 timeout) {
    ++counted.clientWaits;
    return realClientWaitSync(sync, flags, timeout);
}

void GLAPIENTRY countedDrawElementsInstanced(GLenum mode, GLsizei count, GLenum type, const void* indices,
                                             GLsizei instances) {
    ++counted.instancedDraws;
    realDrawElementsInstanced(mode, count, type, indices, instances);
}

} // namespace

extern "C" {

void GLAPIENTRY __real_glReadPixels(GLint x, GLint y, GLsizei width, GLsizei height, GLenum format,
                                    GLenum type, void* pixels);
void GLAPIENTRY __real_glFinish();

void GLAPIENTRY __wrap_glReadPixels(GLint x, GLint y, GLsizei width, GLsizei height, GLenum format,
                                    GLenum type, void* pixels) {
    counted.readBacks += counting ? 1 : 0;
    __real_glReadPixels(x, y, width, height, format, type, pixels);
}

void GLAPIENTRY __wrap_glFinish() {
    counted.finishes += counting ? 1 : 0;
    __real_glFinish();
}

} // extern "C"

namespace Velmora {

GlCallCounter::GlCallCounter() {
    realClientWaitSync = __glewClientWaitSync;
    realDrawElementsInstanced = __glewDrawElementsInstanced;
    __glewClientWaitSync = countedClientWaitSync;
    __glewDrawElementsInstanced = countedDrawElementsInstanced;
    counting = true;
    reset();
}

GlCallCounter::~GlCallCounter() {
    counting = false;
    __glewClientWaitSync = realClientWaitSync;
    __glewDrawElementsInstanced = realDrawElementsInstanced;
}

GlCallCounts GlCallCounter::counts() const {
    return counted;
}

void GlCallCounter::reset() {
    counted = GlCallCounts{};
}

} // namespace Velmora
