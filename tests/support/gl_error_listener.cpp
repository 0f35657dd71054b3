#include "support/gl_error_listener.hpp"

#include <GL/glew.h>
#include <string>

namespace TestSupport {
namespace {

// GL keeps at most one flag for each kind of error, so this many reads find them all.
constexpr int errorKinds = 8;

std::string pendingErrors() {
    std::string errors;
    for (int kind = 0; kind < errorKinds; ++kind) {
        const GLenum error = glGetError();
        if (error == GL_NO_ERROR) {
            break;
        }
        errors += " " + std::to_string(error);
    }
    return errors;
}

} // namespace

void GlErrorListener::OnTestEnd(const testing::TestInfo&) {
    const std::string errors = pendingErrors();
    EXPECT_TRUE(errors.empty()) << "GL errors left pending at the end of the test:" << errors;
}

} // namespace TestSupport
