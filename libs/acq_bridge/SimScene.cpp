#include "SimScene.h"

#include <cmath>
#include <cstdint>
#include <sstream>

namespace {
constexpr double kPi = 3.14159265358979323846;
constexpr int kPulseSpan = 6;          // symbols on each side of the pulse's centre
constexpr int kPulseResolution = 256;  // table points per symbol
constexpr double kRollOff = 0.35;

// Root-raised-cosine pulse at t symbols from its centre.
double rootRaisedCosine(double t)
{
    const double b = kRollOff;
    if (std::abs(t) < 1e-9)
        return 1.0 - b + 4.0 * b / kPi;
    if (std::abs(std::abs(t) - 1.0 / (4.0 * b)) < 1e-9)
        return b / std::sqrt(2.0) * ((1 + 2 / kPi) * std::sin(kPi / (4 * b)) + (1 - 2 / kPi) * std::cos(kPi / (4 * b)));
    const double num = std::sin(kPi * t * (1 - b)) + 4 * b * t * std::cos(kPi * t * (1 + b));
    const double den = kPi * t * (1 - (4 * b * t) * (4 * b * t));
    return num / den;
}

struct PulseTable
{
    std::vector<double> values;  // from -kPulseSpan to +kPulseSpan symbols
    double meanPower = 0.0;      // (1/T) * integral of p^2, per unit-energy symbol
    PulseTable()
    {
        const int size = 2 * kPulseSpan * kPulseResolution + 1;
        values.resize(size_t(size) + 1, 0.0);
        for (int i = 0; i < size; ++i) {
            values[size_t(i)] = rootRaisedCosine(double(i) / kPulseResolution - kPulseSpan);
            meanPower += values[size_t(i)] * values[size_t(i)];
        }
        meanPower /= kPulseResolution;
    }
    double at(double t) const
    {
        const double x = (t + kPulseSpan) * kPulseResolution;
        if (x < 0.0 || x >= double(values.size() - 2))
            return 0.0;
        const size_t i = size_t(x);
        const double f = x - double(i);
        return values[i] + f * (values[i + 1] - values[i]);
    }
};

const PulseTable &pulse()
{
    static const PulseTable table;
    return table;
}

// The same symbol for the same index in every block: the carrier runs on across reads.
std::complex<double> qpskSymbol(long long index, double seed)
{
    uint64_t z = uint64_t(index) + uint64_t(seed) * 0x9E3779B97F4A7C15ULL;
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
    z ^= z >> 31;
    const double s = 1.0 / std::sqrt(2.0);
    return {(z & 1) ? s : -s, (z & 2) ? s : -s};
}

double amplitudeOf(double levelDbm)
{
    return std::pow(10.0, levelDbm / 20.0);
}
}  // namespace

SimScene SimScene::standard()
{
    SimScene scene;
    scene.add({Component::Tone, 100e3, -30.0, 0.0});
    scene.add({Component::Qpsk, 1e9, -20.0, 250e3});
    scene.add({Component::Tone, 1.0003e9, -25.0, 0.0});
    scene.add({Component::Tone, 999.65e6, -45.0, 0.0});
    return scene;
}

bool SimScene::parse(const std::string &text, SimScene &scene)
{
    SimScene parsed;
    std::istringstream items(text);
    std::string item;
    while (std::getline(items, item, ';')) {
        std::istringstream fields(item);
        std::string kind;
        if (!(fields >> kind))
            continue;
        Component c;
        if (kind == "tone" && fields >> c.frequency >> c.levelDbm) {
            c.kind = Component::Tone;
        } else if (kind == "qpsk" && fields >> c.frequency >> c.levelDbm >> c.symbolRate && c.symbolRate > 0) {
            c.kind = Component::Qpsk;
        } else {
            return false;
        }
        parsed.add(c);
    }
    scene = parsed;
    return true;
}

void SimScene::render(std::complex<double> *out, int n, double carrier, double rate, long long firstSample) const
{
    for (const Component &c : m_components) {
        const double offset = c.frequency - carrier;
        if (std::abs(offset) >= rate / 2.0)
            continue;  // outside the analyser's band
        if (c.kind == Component::Tone)
            addTone(out, n, amplitudeOf(c.levelDbm), offset, rate, firstSample);
        else
            addQpsk(out, n, c, offset, rate, firstSample);
    }
}

void SimScene::addTone(std::complex<double> *out, int n, double amplitude, double offset, double rate,
                       long long firstSample)
{
    // The phase of the first sample from the whole-cycle remainder, so that it stays exact after hours.
    const double cycles = std::fmod(offset / rate * double(firstSample), 1.0);
    const double step = 2.0 * kPi * offset / rate;
    for (int k = 0; k < n; ++k) {
        const double phase = 2.0 * kPi * cycles + step * k;
        out[k] += std::polar(amplitude, phase);
    }
}

void SimScene::addQpsk(std::complex<double> *out, int n, const Component &c, double offset, double rate,
                       long long firstSample)
{
    const PulseTable &table = pulse();
    const double gain = amplitudeOf(c.levelDbm) / std::sqrt(table.meanPower);
    const double symbolsPerSample = c.symbolRate / rate;
    const double cycles = std::fmod(offset / rate * double(firstSample), 1.0);
    const double step = 2.0 * kPi * offset / rate;
    for (int k = 0; k < n; ++k) {
        const double u = double(firstSample + k) * symbolsPerSample;  // time in symbols
        const long long centre = (long long)std::floor(u);
        std::complex<double> s(0.0, 0.0);
        for (long long m = centre - kPulseSpan + 1; m <= centre + kPulseSpan; ++m)
            s += qpskSymbol(m, c.frequency) * table.at(u - double(m));
        out[k] += gain * s * std::polar(1.0, 2.0 * kPi * cycles + step * k);
    }
}
