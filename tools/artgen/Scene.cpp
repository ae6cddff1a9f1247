#include "Scene.h"

#include <cmath>
#include <numbers>
#include <optional>

#include "Noise.h"

namespace artgen {
namespace {

struct Vec3 {
  float x = 0, y = 0, z = 0;
};
Vec3 operator+(Vec3 a, Vec3 b) { return {a.x + b.x, a.y + b.y, a.z + b.z}; }
Vec3 operator-(Vec3 a, Vec3 b) { return {a.x - b.x, a.y - b.y, a.z - b.z}; }
Vec3 operator*(Vec3 a, float k) { return {a.x * k, a.y * k, a.z * k}; }
float Dot(Vec3 a, Vec3 b) { return a.x * b.x + a.y * b.y + a.z * b.z; }
float Length(Vec3 a) { return std::sqrt(Dot(a, a)); }
Vec3 Normalize(Vec3 a) { return a * (1.0f / Length(a)); }

float Radians(float degrees) { return degrees * std::numbers::pi_v<float> / 180.0f; }

// The scene in metres: y up, ground at y = 0, the aircraft flying towards +x, its wing
// spanning z (the right wing towards +z).
constexpr float kEyeHeight = 4.0f;
constexpr float kWingHeight = kEyeHeight + 1.0f;
constexpr float kLeadingEdge = 0.95f, kTrailingEdge = -0.85f;  // chord along x
constexpr float kWingTip = 5.4f;                              // half span along z
constexpr float kTileSize = 56.0f;                            // one texture tile on the ground

struct Strut {
  Vec3 a, b;
  float radius;
};
// Lift struts from the bottom of the pod to the middle of each wing.
const Strut kStruts[] = {
    {{0.35f, kEyeHeight - 0.7f, 0.45f}, {0.45f, kWingHeight, 2.9f}, 0.025f},
    {{0.35f, kEyeHeight - 0.7f, -0.45f}, {0.45f, kWingHeight, -2.9f}, 0.025f},
};
// Tail boom from the pod to the tail plane.
const Strut kBoom = {{-0.8f, kWingHeight - 0.25f, 0.0f}, {-4.6f, kWingHeight - 0.25f, 0.0f}, 0.07f};

// Sun low behind the viewer, so the aircraft's shadow falls ahead on the grass.
const Vec3 kToSun = Normalize({-0.38f, 0.5f, -0.8f});

struct Camera {
  // Behind the wing and a little above the pilot's seat, looking out forward along the right wing.
  Vec3 eye{-1.7f, kEyeHeight + 0.25f, 0.3f};
  Vec3 forward, right, up;
  float tanX = 0, tanY = 0;
};

Camera MakeCamera(const ViewOptions& options) {
  Camera c;
  // A wide lens, slightly down: the wing across the top, the horizon high, the shadow ahead.
  float yaw = Radians(27), pitch = Radians(-5), halfFov = Radians(46);
  c.forward = {std::cos(pitch) * std::sin(yaw), std::sin(pitch), std::cos(pitch) * std::cos(yaw)};
  c.right = {-std::cos(yaw), 0, std::sin(yaw)};
  c.up = {-std::sin(pitch) * std::sin(yaw), std::cos(pitch), -std::sin(pitch) * std::cos(yaw)};
  c.tanX = std::tan(halfFov);
  c.tanY = c.tanX * float(options.height) / float(options.width);
  return c;
}

bool InsideWing(float x, float z) {
  if (x < kTrailingEdge || x > kLeadingEdge || std::abs(z) > kWingTip) return false;
  // Rounded tips: a quarter circle at each corner.
  const float round = 0.6f;
  float dz = std::abs(z) - (kWingTip - round);
  if (dz <= 0) return true;
  float mid = (kLeadingEdge + kTrailingEdge) / 2, half = (kLeadingEdge - kTrailingEdge) / 2;
  float dx = std::max(std::abs(x - mid) - (half - round), 0.0f);
  return dx * dx + dz * dz <= round * round;
}

bool InsideTailPlane(float x, float z) { return x < -4.1f && x > -4.9f + 0.3f * std::abs(z) && std::abs(z) < 1.3f; }

// Distance along the ray to where it passes within `radius` of the segment, if it does.
std::optional<float> HitStrut(Vec3 origin, Vec3 dir, const Strut& s) {
  Vec3 axis = s.b - s.a;
  float len = Length(axis);
  Vec3 w = axis * (1.0f / len);
  Vec3 o = origin - s.a;
  float dw = Dot(dir, w), ow = Dot(o, w), dd = Dot(dir, dir);
  float denom = dd - dw * dw;
  if (denom < 1e-8f) return std::nullopt;
  float t = (dw * ow - Dot(dir, o)) / denom;
  float along = ow + t * dw;
  if (t <= 0 || along < 0 || along > len) return std::nullopt;
  Vec3 closest = o + dir * t - w * along;
  if (Length(closest) > s.radius) return std::nullopt;
  return t;
}

bool InShadow(Vec3 ground) {
  auto onPlane = [&](float height) { return ground + kToSun * ((height - ground.y) / kToSun.y); };
  Vec3 q = onPlane(kWingHeight);
  if (InsideWing(q.x, q.z)) return true;
  Vec3 tail = onPlane(kBoom.a.y);
  if (InsideTailPlane(tail.x, tail.z)) return true;
  for (const Strut& s : kStruts)
    if (HitStrut(ground, kToSun, s)) return true;
  if (HitStrut(ground, kToSun, kBoom)) return true;
  // The cockpit pod and engine: an ellipsoid under the wing.
  Vec3 c{0.1f, kEyeHeight - 0.1f, 0.0f};
  Vec3 radii{1.4f, 0.75f, 0.5f};
  Vec3 o = ground - c;
  Vec3 os{o.x / radii.x, o.y / radii.y, o.z / radii.z}, ds{kToSun.x / radii.x, kToSun.y / radii.y, kToSun.z / radii.z};
  float a = Dot(ds, ds), b = Dot(os, ds), k = Dot(os, os) - 1;
  return b * b - a * k >= 0;
}

Color Sky(Vec3 dir) {
  float elevation = std::max(dir.y, 0.0f);
  Color sky = Mix(Rgb8(206, 218, 228), Rgb8(88, 136, 200), std::pow(elevation, 0.6f));
  // Clouds on a plane high above, tiled by periodic noise.
  if (dir.y > 0.01f) {
    float t = 1500.0f / dir.y;
    float u = dir.x * t / 6000.0f, v = dir.z * t / 6000.0f;
    float n = Fbm(u - std::floor(u), v - std::floor(v), {.period = 4, .octaves = 5, .gain = 0.5f, .seed = 77});
    float cloud = Smoothstep(0.05f, 0.45f, n) * Smoothstep(0.01f, 0.12f, dir.y);
    sky = Mix(sky, Rgb8(246, 246, 244), cloud * 0.85f);
  }
  // A distant tree line just over the horizon.
  float azimuth = std::atan2(dir.x, dir.z) / (2 * std::numbers::pi_v<float>) + 0.5f;
  float trees = 0.012f + 0.008f * Fbm(azimuth, 0.5f, {.period = 24, .octaves = 4, .gain = 0.6f, .seed = 91});
  if (dir.y < trees) sky = Mix(Rgb8(70, 96, 72), Rgb8(176, 192, 204), 0.55f);
  return sky;
}

Color WingUnderside(float x, float z) {
  // Sunlight on the upper surface shows through the pale fabric: each panel between two ribs
  // glows in its middle and darkens where the fabric is sewn to the ribs.
  const float ribSpacing = 0.45f;
  float across = std::fmod(std::abs(z), ribSpacing) / ribSpacing;  // 0..1 between two ribs
  float sag = std::sin(across * 3.1415926f);
  float chord = (x - kTrailingEdge) / (kLeadingEdge - kTrailingEdge);  // 0 trailing .. 1 leading
  Color fabric = Mix(Rgb8(150, 150, 146), Rgb8(232, 228, 212), 0.35f + 0.45f * sag * (1.0f - 0.5f * chord));
  if (across < 0.05f || across > 0.95f) fabric = fabric * 0.72f;  // the rib itself
  // Red trim along the leading edge, the aluminium leading-edge tube, and the trailing-edge hem.
  if (chord > 0.72f && chord < 0.86f) fabric = Mix(Rgb8(150, 28, 30), Rgb8(196, 44, 40), sag);
  if (chord >= 0.86f) fabric = Mix(Rgb8(150, 152, 158), Rgb8(196, 198, 204), chord > 0.95f ? 1.0f : 0.4f);
  if (chord < 0.03f) fabric = fabric * 0.8f;
  // Light bounced from the grass tints the underside; the pod shades the root.
  fabric = fabric * Color{0.96f, 1.0f, 0.94f};
  return fabric * (0.78f + 0.22f * Smoothstep(0.3f, 1.8f, std::abs(z)));
}

// Painted aluminium tube: lit by the low sun behind the viewer, with a soft highlight.
Color StrutShade(const Strut& s, Vec3 p) {
  Vec3 w = Normalize(s.b - s.a);
  Vec3 onAxis = s.a + w * Dot(p - s.a, w);
  Vec3 normal = Normalize(p - onAxis);
  float diffuse = std::max(Dot(normal, kToSun), 0.0f);
  float sky = 0.5f + 0.5f * normal.y;
  float shine = std::pow(diffuse, 12.0f);
  return Rgb8(196, 200, 208) * (0.35f + 0.25f * sky + 0.45f * diffuse) + Color{1, 1, 1} * (0.35f * shine);
}

Color Trace(const MipChain& ground, const Camera& cam, Vec3 dir, float sampleAngle) {
  float nearest = 1e30f;
  std::optional<Color> hit;
  for (const Strut& s : kStruts)
    if (auto t = HitStrut(cam.eye, dir, s); t && *t < nearest) {
      nearest = *t;
      hit = StrutShade(s, cam.eye + dir * *t);
    }
  if (dir.y > 0) {
    float t = (kWingHeight - cam.eye.y) / dir.y;
    Vec3 p = cam.eye + dir * t;
    if (t < nearest && InsideWing(p.x, p.z)) return WingUnderside(p.x, p.z);
  }
  if (hit) return *hit;
  if (dir.y >= -0.002f) return Sky(dir);

  float t = -cam.eye.y / dir.y;
  Vec3 p = cam.eye + dir * t;
  // Sampled area: the sample's cone, stretched by the glancing angle (geometric mean of both axes).
  float footprint = t * sampleAngle / std::sqrt(-dir.y / Length(dir)) / kTileSize;
  // Texture rows run away from the viewer, so the test grid's labels read upright.
  Color c = ground.Sample(-p.x / kTileSize, -p.z / kTileSize, footprint);
  if (InShadow(p)) c = c * Color{0.42f, 0.45f, 0.52f};
  float haze = 1.0f - std::exp(-t * Length(dir) / 1400.0f);
  return Mix(c, Rgb8(184, 198, 210), haze);
}

}  // namespace

FloatImage RenderFlightView(const MipChain& ground, const ViewOptions& options) {
  const Camera cam = MakeCamera(options);
  FloatImage image(options.width, options.height);
  const int n = options.samples;
  const float sampleAngle = 2.0f * cam.tanX / float(options.width * n);
  for (int y = 0; y < options.height; ++y)
    for (int x = 0; x < options.width; ++x) {
      Color sum;
      for (int j = 0; j < n; ++j)
        for (int i = 0; i < n; ++i) {
          float sx = ((x + (i + 0.5f) / n) / options.width) * 2 - 1;
          float sy = 1 - ((y + (j + 0.5f) / n) / options.height) * 2;
          Vec3 dir = cam.forward + cam.right * (sx * cam.tanX) + cam.up * (sy * cam.tanY);
          sum = sum + Trace(ground, cam, dir, sampleAngle);
        }
      image.At(x, y) = sum * (1.0f / float(n * n));
    }
  return image;
}

}  // namespace artgen
