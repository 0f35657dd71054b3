#pragma once

#include <glm/glm.hpp>

struct GLFWwindow;

namespace Velmora {

class Camera;
class ShadowMap;
class SceneFramebuffer;
class SkyCube;
class Planet;
class Player;
class DecorationItems;
class AsteroidSpawner;
class HeartsDisplay;
class Bloom;
class EdgeDetection;
class ShadowBlur;
class RenderStepTimer;

namespace Logicals {
class SpeedPowerUp;
class LifePowerUp;
class ShieldPowerUp;
} // namespace Logicals

// The shared state of the one game: the window, the frame time, the game objects in creation order and the
// flags that the keys switch. The object pointers own what they point to: created once by initializeGame,
// deleted once by cleanUpGame. Everything here lives on the main thread.
extern GLFWwindow* window;
extern int windowWidth;
extern int windowHeight;
extern double deltaTime;
extern int asteroidSpawnRate;
extern int asteroidSpawnDuration;

extern Camera* camera;
extern glm::vec3* sunDirection;
extern ShadowMap* shadowMap;
extern SceneFramebuffer* screenQuad;
extern SkyCube* skyCube;
extern Planet* planet;
extern Player* player;
extern DecorationItems* decorationItems;
extern AsteroidSpawner* asteroids;
extern Logicals::SpeedPowerUp* speedPowerUp;
extern Logicals::LifePowerUp* lifePowerUp;
extern Logicals::ShieldPowerUp* shieldPowerUp;
extern HeartsDisplay* hearts;
extern Bloom* bloom;
extern EdgeDetection* edgeDetection;
extern ShadowBlur* shadowBlur;
// Null in the game; a benchmark sets one to time the render steps.
extern RenderStepTimer* renderStepTimer;
// A ball inside the planet goes into the depth buffer before the sky (see the scene pass); off, the frame is
// drawn the longer way that must give the same picture.
extern bool planetDepthFirst;

extern bool mipmappingEnabled;
extern bool transparencyEnabled;
extern bool sunMovementEnabled;
extern bool frustumCullingEnabled;
extern bool wireframeMode;
extern bool showFramerate;
extern bool gamePaused;
extern bool nearestSampling;
extern bool edgeMode;
extern bool printRenderedCount;
extern bool backfaceCulling;
extern bool asteroidsStarted;
extern bool gameLost;

} // namespace Velmora
