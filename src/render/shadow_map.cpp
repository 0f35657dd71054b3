#include "render/shadow_map.hpp"

#include "render/framebuffer_setup.hpp"

#include <glm/gtc/matrix_transform.hpp>

namespace Velmora {

ShadowMap::ShadowMap() {
    biasMatrix[0][0] = 0.5f;
    biasMatrix[1][1] = 0.5f;
    biasMatrix[2][2] = 0.5f;
    biasMatrix[3] = glm::vec4(0.5f, 0.5f, 0.5f, 1.0f);

    framebuffer = GlFramebuffer::generate();
    glBindFramebuffer(GL_FRAMEBUFFER, framebuffer);
    depthTexture = GlTexture::generate();
    glBindTexture(GL_TEXTURE_2D, depthTexture);
    glTexImage2D(GL_TEXTURE_2D, 0, GL_DEPTH_COMPONENT24, size, size, 0, GL_DEPTH_COMPONENT, GL_UNSIGNED_BYTE,
                 nullptr);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_NEAREST);
    glFramebufferTexture2D(GL_FRAMEBUFFER, GL_DEPTH_ATTACHMENT, GL_TEXTURE_2D, depthTexture, 0);
    // Without a colour attachment the framebuffer is complete only if nothing is drawn to or read from
    // colour.
    glDrawBuffer(GL_NONE);
    glReadBuffer(GL_NONE);
    requireCompleteFramebuffer();
    glBindTexture(GL_TEXTURE_2D, 0);
    glBindFramebuffer(GL_FRAMEBUFFER, 0);
}

glm::mat4 ShadowMap::computeLightMVP(glm::vec3 lightVector, bool bias, glm::mat4 model) const {
    // Wide enough for the planet and everything on it, deep enough for casters between the planet and the
    // sun.
    const glm::mat4 lightProjection =
        glm::ortho(-boxHalfWidth, boxHalfWidth, -boxHalfWidth, boxHalfWidth, -1.5f, 3.5f);
    const glm::mat4 lightView = glm::lookAt(lightVector, glm::vec3(0.0f), glm::vec3(0.0f, 1.0f, 0.0f));
    return bias ? biasMatrix * lightProjection * lightView * model : lightProjection * lightView * model;
}

void ShadowMap::bindCleared() const {
    glBindFramebuffer(GL_FRAMEBUFFER, framebuffer);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glViewport(0, 0, size, size);
}

} // namespace Velmora
