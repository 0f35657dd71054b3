#include "app/game_state.hpp"

namespace Velmora {

GLFWwindow* window = nullptr;
int windowWidth = 800;
int windowHeight = 600;
double deltaTime = 0.0;
int asteroidSpawnRate = 0;
int asteroidSpawnDuration = 0;

Camera* camera = nullptr;
glm::vec3* sunDirection = nullptr;
ShadowMap* shadowMap = nullptr;
SceneFramebuffer* screenQuad = nullptr;
SkyCube* skyCube = nullptr;
Planet* planet = nullptr;
Player* player = nullptr;
DecorationItems* decorationItems = nullptr;
AsteroidSpawner* asteroids = nullptr;
Logicals::SpeedPowerUp* speedPowerUp = nullptr;
Logicals::LifePowerUp* lifePowerUp = nullptr;
Logicals::ShieldPowerUp* shieldPowerUp = nullptr;
HeartsDisplay* hearts = nullptr;
Bloom* bloom = nullptr;
EdgeDetection* edgeDetection = nullptr;
ShadowBlur* shadowBlur = nullptr;
RenderStepTimer* renderStepTimer = nullptr;
bool planetDepthFirst = true;

bool mipmappingEnabled = true;
bool transparencyEnabled = true;
bool sunMovementEnabled = true;
bool frustumCullingEnabled = true;
bool wireframeMode = false;
bool showFramerate = false;
bool gamePaused = false;
bool nearestSampling = false;
bool edgeMode = false;
bool printRenderedCount = false;
bool backfaceCulling = false;
bool asteroidsStarted = false;
bool gameLost = false;

} // namespace Velmora
