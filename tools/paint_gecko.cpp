// Paints the splash picture: a leopard gecko's head in profile, facing left, yellow with
// orange-brown spots, on a plain light grey background. Writes it as a 175 x 101, 24-bit,
// uncompressed, bottom-up Windows bitmap, or SCALE times larger for dense screens and
// icons. The output depends on nothing but this file, so the committed pictures can be
// checked byte for byte against a fresh run.
//
//   paint_gecko OUTPUT.bmp [SCALE]
#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <vector>

namespace {

constexpr int kWidth = 175;
constexpr int kHeight = 101;

struct Colour {
    double r, g, b;
};

Colour mix(Colour a, Colour b, double t) {
    t = std::clamp(t, 0.0, 1.0);
    return {a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t};
}

Colour scale(Colour c, double k) {
    return {c.r * k, c.g * k, c.b * k};
}

double smoothstep(double edge0, double edge1, double x) {
    const double t = std::clamp((x - edge0) / (edge1 - edge0), 0.0, 1.0);
    return t * t * (3 - 2 * t);
}

// A small deterministic generator, so that every run paints the same grain and spots.
class Random {
public:
    explicit Random(std::uint32_t seed) : state_(seed) {}
    double next() {  // in [0, 1)
        state_ ^= state_ << 13;
        state_ ^= state_ >> 17;
        state_ ^= state_ << 5;
        return (state_ & 0xFFFFFF) / double(0x1000000);
    }
    double between(double low, double high) { return low + (high - low) * next(); }

private:
    std::uint32_t state_;
};

// A smooth curve through control points (Catmull-Rom), as y for a given x.
template <std::size_t N>
double curve(const std::array<std::array<double, 2>, N>& points, double x) {
    std::size_t i = 1;
    while (i + 2 < N && x > points[i + 1][0])
        ++i;
    const auto& p0 = points[i - 1];
    const auto& p1 = points[i];
    const auto& p2 = points[i + 1];
    const auto& p3 = points[std::min(i + 2, N - 1)];
    const double t = std::clamp((x - p1[0]) / (p2[0] - p1[0]), 0.0, 1.0);
    const double t2 = t * t;
    const double t3 = t2 * t;
    return 0.5 *
           (2 * p1[1] + (-p0[1] + p2[1]) * t + (2 * p0[1] - 5 * p1[1] + 4 * p2[1] - p3[1]) * t2 +
            (-p0[1] + 3 * p1[1] - 3 * p2[1] + p3[1]) * t3);
}

// The outline: the upper edge rises from the blunt snout to the crown, dips at the neck
// and rises to the shoulder; the lower edge follows the jaw to the cheek, the throat and
// the chest.
constexpr std::array<std::array<double, 2>, 11> kUpperEdge{{
    {10, 50},
    {18, 47},
    {26, 37},
    {38, 29},
    {56, 22},
    {80, 18.5},
    {100, 20},
    {122, 27},
    {142, 28},
    {162, 25},
    {185, 23},
}};
constexpr std::array<std::array<double, 2>, 11> kLowerEdge{{
    {10, 64},
    {18, 66},
    {30, 69},
    {50, 73},
    {72, 78},
    {94, 83},
    {108, 84},
    {126, 80},
    {146, 84},
    {166, 90},
    {185, 93},
}};
// The mouth, from the snout tip to its corner behind the eye, turned up as in a smile.
constexpr std::array<std::array<double, 2>, 6> kMouth{{
    {12, 58},
    {20, 61},
    {45, 65.5},
    {72, 70},
    {86, 70.5},
    {94, 67},
}};

double upperEdge(double x) {
    return curve(kUpperEdge, x);
}
double lowerEdge(double x) {
    return curve(kLowerEdge, x);
}

constexpr double kSnoutTip = 13.0;
constexpr double kCapEnd = kSnoutTip + 9.0;

// Signed distance, roughly in pixels, from the outline: negative inside.
double headDistance(double x, double y) {
    if (x < kCapEnd) {
        // The blunt snout: the left half of an ellipse joining the two edges.
        const double top = upperEdge(kCapEnd);
        const double bottom = lowerEdge(kCapEnd);
        const double half = 0.5 * (bottom - top);
        const double dx = (x - kCapEnd) / (kCapEnd - kSnoutTip) * half;
        return std::hypot(dx, y - 0.5 * (top + bottom)) - half;
    }
    return std::max(upperEdge(x) - y, y - lowerEdge(x));
}

struct Spot {
    double x, y, rx, ry, darkness, lobes;
};

constexpr double kEyeX = 52.0;
constexpr double kEyeY = 39.0;
constexpr double kEyeRadius = 10.0;

std::vector<Spot> scatterSpots(Random& random) {
    std::vector<Spot> spots;
    while (spots.size() < 70) {
        const double x = random.between(20, 175);
        const double y = random.between(upperEdge(x) - 1, lowerEdge(x) - 4);
        // Leopard spotting is densest on the crown and the neck, sparse on the pale jaw.
        const double depth = (y - upperEdge(x)) / (lowerEdge(x) - upperEdge(x));
        if (depth > 0.6 || random.next() < depth * 1.2)
            continue;
        if (std::hypot(x - kEyeX, y - kEyeY) < kEyeRadius + 3)
            continue;
        const double size = x < 40 ? random.between(0.7, 1.4) : random.between(1.0, 3.4);
        spots.push_back({x, y, size * random.between(0.8, 1.4), size * random.between(0.7, 1.1),
                         random.between(0.7, 1.0), random.between(0, 6.28)});
    }
    return spots;
}

double spotCover(const Spot& spot, double x, double y) {
    const double dx = (x - spot.x) / spot.rx;
    const double dy = (y - spot.y) / spot.ry;
    // Irregular, not round: the radius wavers with the angle.
    const double angle = std::atan2(dy, dx);
    const double wobble =
        1 + 0.1 * std::sin(2 * angle + spot.lobes) + 0.07 * std::sin(5 * angle - spot.lobes);
    return spot.darkness * (1 - smoothstep(0.75 * wobble, 1.2 * wobble, std::hypot(dx, dy)));
}

Colour paintEye(Colour skin, double x, double y) {
    const Colour lid{226, 178, 60};
    const double r = std::hypot(x - kEyeX, y - kEyeY);
    // The raised lid, a little darker than the skin, with a shadowed crease.
    skin = mix(skin, lid, 1 - smoothstep(kEyeRadius + 0.8, kEyeRadius + 2.2, r));
    skin =
        mix(skin, {120, 90, 40}, 0.6 * (1 - smoothstep(0.4, 1.2, std::abs(r - kEyeRadius - 0.4))));
    // The iris: silvery grey, veined and darker at its rim.
    const double vein = 0.5 + 0.5 * std::sin(9 * std::atan2(y - kEyeY, x - kEyeX) + r);
    Colour iris = mix(Colour{150, 150, 140}, Colour{58, 58, 54}, smoothstep(2, kEyeRadius, r));
    iris = mix(iris, scale(iris, 0.7), 0.4 * vein);
    // The vertical slit pupil, widest at the middle.
    const double slitHalfWidth = 1.4 * std::sqrt(std::max(0.0, 1 - std::pow((y - kEyeY) / 8.6, 2)));
    iris = mix(iris, {10, 10, 10},
               1 - smoothstep(slitHalfWidth - 0.3, slitHalfWidth + 0.5, std::abs(x - kEyeX)));
    skin = mix(skin, iris, 1 - smoothstep(kEyeRadius - 0.8, kEyeRadius, r));
    // The catch light.
    return mix(skin, {250, 250, 245},
               1 - smoothstep(0.6, 1.5, std::hypot(x - kEyeX + 3.2, y - kEyeY + 3.4)));
}

Colour paintSkin(double x, double y, double d, const std::vector<Spot>& spots) {
    const Colour yellow{240, 198, 56};
    const Colour orange{232, 158, 52};
    const Colour paleThroat{246, 234, 200};
    const Colour spotBrown{138, 70, 22};
    const Colour rim{96, 70, 30};

    const double top = upperEdge(x);
    const double bottom = lowerEdge(x);
    const double depth = std::clamp((y - top) / (bottom - top), 0.0, 1.0);
    Colour skin = mix(yellow, orange, 0.35 * smoothstep(0.5, 0.0, depth) * smoothstep(60, 140, x));
    skin = mix(skin, paleThroat, smoothstep(0.58, 0.95, depth));
    // Light from above, and the roundness of the head darkening towards its edges.
    skin = scale(skin, 1.07 - 0.2 * depth * depth);
    skin = scale(skin, 0.8 + 0.2 * smoothstep(0.0, 6.0, -d));
    // Bumpy skin: small tubercles catching the light.
    const double bumps =
        std::sin(x * 1.7 + 2 * std::sin(y * 0.9)) * std::sin(y * 1.9 + 2 * std::sin(x * 0.8));
    skin = scale(skin, 1 + 0.05 * bumps);
    for (const Spot& spot : spots)
        skin = mix(skin, scale(spotBrown, 1.15 - 0.35 * spot.darkness), spotCover(spot, x, y));

    const double mouthY = curve(kMouth, x);
    if (x > kSnoutTip + 2 && x < 95) {
        const double closeness = 1 - smoothstep(0.3, 1.2, std::abs(y - mouthY));
        skin = mix(skin, rim, 0.85 * closeness * smoothstep(kSnoutTip + 2, kSnoutTip + 6, x));
        // The lip below the line catches the light.
        skin = mix(skin, paleThroat, 0.35 * (1 - smoothstep(0.5, 2.0, std::abs(y - mouthY - 1.8))));
    }
    // Nostril, and the ear opening behind the cheek.
    skin = mix(skin, {56, 36, 18}, 1 - smoothstep(0.8, 1.7, std::hypot(x - 20, y - 51.5)));
    const double ear = std::hypot((x - 113) / 3.6, (y - 55) / 5.0);
    skin = mix(skin, {70, 48, 26}, 0.9 * (1 - smoothstep(0.75, 1.05, ear)));
    skin = mix(skin, scale(skin, 0.8), 0.5 * (1 - smoothstep(1.05, 1.5, ear)));

    skin = paintEye(skin, x, y);
    // A dark rim where the outline meets the background.
    return mix(skin, rim, 0.5 * smoothstep(-1.5, 0.5, d));
}

Colour paintPixel(double x, double y, const std::vector<Spot>& spots) {
    const Colour background{198, 198, 196};
    // Plain grey, a touch lighter towards the top, with the head's soft shadow below it.
    Colour colour = mix(background, scale(background, 1.03), 1 - y / kHeight);
    colour = scale(colour, 1.0 - 0.16 * (1 - smoothstep(-4, 7, headDistance(x - 3, y - 6))));
    const double d = headDistance(x, y);
    if (d < 1.0)
        colour = mix(paintSkin(x, y, d, spots), colour, smoothstep(0.0, 1.0, d));
    return colour;
}

std::uint8_t channel(double value) {
    return static_cast<std::uint8_t>(std::clamp(std::lround(value), 0L, 255L));
}

void putLittleEndian(std::vector<std::uint8_t>& bytes, std::uint32_t value, int size) {
    for (int i = 0; i < size; ++i)
        bytes.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
}

std::vector<std::uint8_t> bitmapFile(const std::vector<Colour>& pixels, int width, int height) {
    const int rowBytes = (width * 3 + 3) / 4 * 4;
    constexpr int kHeaderBytes = 14 + 40;
    const int imageBytes = rowBytes * height;
    std::vector<std::uint8_t> bytes;
    bytes.push_back('B');
    bytes.push_back('M');
    putLittleEndian(bytes, kHeaderBytes + imageBytes, 4);
    putLittleEndian(bytes, 0, 4);             // reserved
    putLittleEndian(bytes, kHeaderBytes, 4);  // offset of the pixels
    putLittleEndian(bytes, 40, 4);            // BITMAPINFOHEADER
    putLittleEndian(bytes, width, 4);
    putLittleEndian(bytes, height, 4);  // positive: bottom-up rows
    putLittleEndian(bytes, 1, 2);       // planes
    putLittleEndian(bytes, 24, 2);      // bits per pixel
    putLittleEndian(bytes, 0, 4);       // no compression
    putLittleEndian(bytes, imageBytes, 4);
    putLittleEndian(bytes, 3780, 4);  // 96 dots per inch, in dots per metre
    putLittleEndian(bytes, 3780, 4);
    putLittleEndian(bytes, 0, 4);  // colours used
    putLittleEndian(bytes, 0, 4);  // important colours
    for (int row = height - 1; row >= 0; --row) {
        for (int x = 0; x < width; ++x) {
            const Colour& c = pixels[row * width + x];
            bytes.push_back(channel(c.b));
            bytes.push_back(channel(c.g));
            bytes.push_back(channel(c.r));
        }
        bytes.resize(bytes.size() + (rowBytes - width * 3), 0);
    }
    return bytes;
}

}  // namespace

int main(int argc, char* argv[]) {
    const int scale = argc == 3 ? std::atoi(argv[2]) : 1;
    if (argc < 2 || argc > 3 || scale < 1 || scale > 16) {
        std::fprintf(stderr, "usage: %s OUTPUT.bmp [SCALE]\n", argv[0]);
        return 2;
    }
    const int width = kWidth * scale;
    const int height = kHeight * scale;
    Random random(0x6ECC0);
    const std::vector<Spot> spots = scatterSpots(random);
    Random grain(0x1EE7);
    std::vector<Colour> pixels;
    pixels.reserve(std::size_t(width) * std::size_t(height));
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            // Four samples a pixel smooth the outline as a lens would.
            Colour sum{0, 0, 0};
            for (double dy : {0.25, 0.75}) {
                for (double dx : {0.25, 0.75}) {
                    const Colour c = paintPixel((x + dx) / scale, (y + dy) / scale, spots);
                    sum = {sum.r + c.r / 4, sum.g + c.g / 4, sum.b + c.b / 4};
                }
            }
            // Photographic grain.
            const double noise = (grain.next() - 0.5) * 7;
            pixels.push_back({sum.r + noise, sum.g + noise, sum.b + noise});
        }
    }
    std::ofstream out(argv[1], std::ios::binary);
    const std::vector<std::uint8_t> bytes = bitmapFile(pixels, width, height);
    out.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
    return out ? 0 : 1;
}
