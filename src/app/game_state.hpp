#pragma once

#include "render/renderer_kind.hpp"
#include <array>
#include <glm/glm.hpp>
#include <memory>
#include <vector>

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
class TextOverlay;
class MessagePanel;
class BestTimeStore;
class Bloom;
class EdgeDetection;
class ShadowBlur;
class RenderStepTimer;
class WorldObject;

namespace Logicals {
class PowerUp;
class SpeedPowerUp;
class LifePowerUp;
class ShieldPowerUp;
} // namespace Logicals

// The shared state of the one game: the window, the frame time, the game objects in creation order and the
// flags that the keys switch. Everything here lives on the main thread.
extern GLFWwindow* window;
extern int windowWidth;
extern int windowHeight;
extern double deltaTime;
extern int asteroidSpawnRate;
extern int asteroidSpawnDuration;

// The game's objects, created once by initializeGame in this order and released once by cleanUpGame in the
// same order.
extern std::unique_ptr<Camera> camera;
// From the planet's centre towards the sun; the frame's light vector.
extern glm::vec3 sunDirection;
extern std::unique_ptr<ShadowMap> shadowMap;
// The off-screen scene target and the quad that shows it on the window.
extern std::unique_ptr<SceneFramebuffer> screenQuad;
extern std::unique_ptr<SkyCube> skyCube;
extern std::unique_ptr<Planet> planet;
extern std::unique_ptr<Player> player;
// The houses and the lanterns, which are also the point lights.
extern std::unique_ptr<DecorationItems> decorationItems;
extern std::unique_ptr<AsteroidSpawner> asteroids;
extern std::unique_ptr<Logicals::SpeedPowerUp> speedPowerUp;
extern std::unique_ptr<Logicals::LifePowerUp> lifePowerUp;
extern std::unique_ptr<Logicals::ShieldPowerUp> shieldPowerUp;
// Speed, life, shield: the order of every pass over the power-ups.
std::array<Logicals::PowerUp*, 3> powerUps();
extern std::unique_ptr<HeartsDisplay> hearts;
// The text over the picture, after the hearts: the panel of messages under them and the controls card.
extern std::unique_ptr<TextOverlay> textOverlay;
extern std::unique_ptr<MessagePanel> messagePanel;
// With on-screen messages, the player's best round time for each shower, kept between runs.
extern std::unique_ptr<BestTimeStore> bestTimes;
extern std::unique_ptr<Bloom> bloom;
extern std::unique_ptr<EdgeDetection> edgeDetection;
extern std::unique_ptr<ShadowBlur> shadowBlur;
// A world object as the game's passes see it.
struct WorldEntry {
    WorldObject* object;
    // The render step its scene drawing is timed in, by the name the benchmark's figures give it; objects of
    // one step are registered one after another.
    const char* step;
};
// Every world object, registered once, in the order of every pass over the world: the lights, the per-step
// uniforms, the shadows, the scene (the order they are drawn in), the sampling keys. A new kind of object has
// its holder above, created and released with the others, and one line here.
std::vector<WorldEntry> worldObjects();

// Found once at set-up: what a frame may ask of the renderer (see RendererKind).
extern RendererKind rendererKind;
// Null in the game; a benchmark sets one to time the render steps.
extern RenderStepTimer* renderStepTimer;
// A ball inside the planet goes into the depth buffer before the sky (see the scene pass); off, the frame is
// drawn the longer way that must give the same picture.
extern bool planetDepthFirst;
// Rocks wholly hidden behind nearer rocks or the planet are left out of the draw; off, every rock in sight is
// drawn, which must give the same picture.
extern bool skipHiddenRocks;

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
// With on-screen messages, set when the whole shower has left play with lives to spare.
extern bool gameSurvived;
// Lost or survived: the world stands still until Enter starts a new round.
bool roundEnded();
// A gamepad plays, so the window names its buttons rather than the keys.
extern bool gamepadPlaying;
// lines of play also shown in the window
extern bool onScreenMessages;
// F1 shows the card of the controls over the picture, in any view.
extern bool controlsCardShown;

} // namespace Velmora
