#include "DmSettings.h"

#include "ModulationCatalogue.h"

namespace {

constexpr double kDefaultRollOff = 0.35;

// The stored descriptions call the root-raised-cosine "Root Nyquist"; the filter menu
// calls it "R.Nyquist". Both, and anything else saying "root", select it.
DmSettings::Pulse pulseOf(const QString &filter)
{
    const QString name = filter.trimmed().toLower();
    if (name.contains(QLatin1String("root")) || name.contains(QLatin1String("r.nyquist"))
        || name.contains(QLatin1String("sqr")))
        return DmSettings::Pulse::RootRaisedCosine;
    if (name.contains(QLatin1String("nyquist")))
        return DmSettings::Pulse::RaisedCosine;
    if (name.contains(QLatin1String("gauss")))
        return DmSettings::Pulse::Gaussian;
    return DmSettings::Pulse::None;
}

} // namespace

DmSettings DmSettings::parse(const QString &modulation, const QString &filter, double filterParameter,
                             double sampleRate, double symbolRate)
{
    DmSettings settings;
    settings.modulationId = ::modulationId(modulation.trimmed());
    settings.pulse = pulseOf(filter);
    settings.filterParameter = filterParameter;
    settings.sampleRate = sampleRate;
    settings.symbolRate = symbolRate;
    return settings;
}

bool DmSettings::isFrequencyKeyed() const
{
    return modulationFamily(modulationId) == QLatin1String("FSK") || modulationId == ModFSKUser;
}

double DmSettings::rollOff() const
{
    const bool nyquist = pulse == Pulse::RootRaisedCosine || pulse == Pulse::RaisedCosine;
    if (nyquist && filterParameter > 0.0 && filterParameter <= 1.0)
        return filterParameter;
    return kDefaultRollOff;
}
