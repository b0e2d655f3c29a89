#pragma once

#include <complex>
#include <string>
#include <vector>

// What lies at the simulated analyser's input: tones and QPSK carriers at absolute
// frequencies with their levels in dBm. Rendered as the complex baseband that an
// analyser tuned to a carrier sees at its sample rate.
class SimScene
{
public:
    struct Component
    {
        enum Kind { Tone, Qpsk } kind = Tone;
        double frequency = 0.0;   // Hz
        double levelDbm = 0.0;    // mean power
        double symbolRate = 0.0;  // Qpsk only
    };

    // A reference tone near DC, and around 1 GHz a QPSK carrier with a tone beside it and a spur.
    static SimScene standard();
    // "tone FREQ LEVEL; qpsk FREQ LEVEL SYMBOLRATE; ..." (Hz, dBm); false for a text it cannot read.
    static bool parse(const std::string &text, SimScene &scene);

    const std::vector<Component> &components() const { return m_components; }
    void add(const Component &component) { m_components.push_back(component); }

    // Adds to out[0 .. n) the components that fall into the band carrier +- rate/2,
    // for the samples taken from firstSample on (sample k lies at time k / rate).
    void render(std::complex<double> *out, int n, double carrier, double rate, long long firstSample) const;

private:
    static void addTone(std::complex<double> *out, int n, double amplitude, double offset, double rate,
                        long long firstSample);
    static void addQpsk(std::complex<double> *out, int n, const Component &c, double offset, double rate,
                        long long firstSample);

    std::vector<Component> m_components;
};
