#include "design/colour.h"

#include <algorithm>
#include <cmath>

namespace design {
namespace {

double relativeLuminance(Rgb colour) {
    const auto linear = [](std::uint8_t channel) {
        const double v = channel / 255.0;
        return v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(colour.red) + 0.7152 * linear(colour.green) +
           0.0722 * linear(colour.blue);
}

// `from` moved `step` hundredths of the way to `to`.
Rgb mixed(Rgb from, Rgb to, int step) {
    const auto channel = [step](std::uint8_t a, std::uint8_t b) {
        return static_cast<std::uint8_t>(std::lround(a + (b - a) * step / 100.0));
    };
    return {channel(from.red, to.red), channel(from.green, to.green), channel(from.blue, to.blue)};
}

constexpr Rgb kBlack{0, 0, 0};
constexpr Rgb kWhite{255, 255, 255};

}  // namespace

double contrastRatio(Rgb first, Rgb second) {
    const double a = relativeLuminance(first) + 0.05;
    const double b = relativeLuminance(second) + 0.05;
    return std::max(a, b) / std::min(a, b);
}

Rgb readableOn(Rgb text, Rgb background) {
    for (Rgb extreme : {kBlack, kWhite})
        for (int step = 0; step <= 100; ++step)
            if (const Rgb shade = mixed(text, extreme, step);
                contrastRatio(shade, background) >= kReadableContrast)
                return shade;
    return contrastRatio(kBlack, background) >= contrastRatio(kWhite, background) ? kBlack : kWhite;
}

}  // namespace design
