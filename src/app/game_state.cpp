#include "app/game_state.hpp"

#include "app/best_time_store.hpp"
#include "app/message_panel.hpp"

#include "math/camera.hpp"
#include "postfx/bloom.hpp"
#include "postfx/edge_detection.hpp"
#include "postfx/scene_framebuffer.hpp"
#include "render/shadow_blur.hpp"
#include "render/shadow_map.hpp"
#include "render/text_overlay.hpp"
#include "world/asteroid_spawner.hpp"
#include "world/decoration_items.hpp"
#include "world/hearts_display.hpp"
#include "world/life_power_up.hpp"
#include "world/planet.hpp"
#include "world/player.hpp"
#include "world/shield_power_up.hpp"
#include "world/sky_cube.hpp"
#include "world/speed_power_up.hpp"

namespace Velmora {

GLFWwindow* window = nullptr;
int windowWidth = 800;
int windowHeight = 600;
double deltaTime = 0.0;
int asteroidSpawnRate = 0;
int asteroidSpawnDuration = 0;

std::unique_ptr<Camera> camera;
glm::vec3 sunDirection(0.0f, 0.0f, 1.0f);
std::unique_ptr<ShadowMap> shadowMap;
std::unique_ptr<SceneFramebuffer> screenQuad;
std::unique_ptr<SkyCube> skyCube;
std::unique_ptr<Planet> planet;
std::unique_ptr<Player> player;
std::unique_ptr<DecorationItems> decorationItems;
std::unique_ptr<AsteroidSpawner> asteroids;
std::unique_ptr<Logicals::SpeedPowerUp> speedPowerUp;
std::unique_ptr<Logicals::LifePowerUp> lifePowerUp;
std::unique_ptr<Logicals::ShieldPowerUp> shieldPowerUp;
std::unique_ptr<HeartsDisplay> hearts;
std::unique_ptr<TextOverlay> textOverlay;
std::unique_ptr<MessagePanel> messagePanel;
std::unique_ptr<BestTimeStore> bestTimes;

std::array<Logicals::PowerUp*, 3> powerUps() {
    return {speedPowerUp.get(), lifePowerUp.get(), shieldPowerUp.get()};
}

bool roundEnded() {
    return gameLost || gameSurvived;
}

std::vector<WorldEntry> worldObjects() {
    return {{skyCube.get(), "sky"},           {planet.get(), "planet"},
            {player.get(), "player"},         {decorationItems.get(), "houses and lanterns"},
            {asteroids.get(), "asteroids"},   {speedPowerUp.get(), "power-ups"},
            {lifePowerUp.get(), "power-ups"}, {shieldPowerUp.get(), "power-ups"}};
}

std::unique_ptr<Bloom> bloom;
std::unique_ptr<EdgeDetection> edgeDetection;
std::unique_ptr<ShadowBlur> shadowBlur;
RendererKind rendererKind = RendererKind::Software;
RenderStepTimer* renderStepTimer = nullptr;
bool planetDepthFirst = true;
bool skipHiddenRocks = true;

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
bool gameSurvived = false;
bool gamepadPlaying = false;
bool onScreenMessages = false;
bool controlsCardShown = false;

} // namespace Velmora
