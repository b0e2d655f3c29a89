#include "ParamACLR.h"

#include "ParamSignalFactory.h"
#include "TagScanner.h"
#include "UnitText.h"

#include <cmath>

const QString ParamACLR::kLTE = QStringLiteral("LTE 4G");
const QString ParamACLR::kNR = QStringLiteral("NR 5G");
const QString ParamACLR::kCustom = QStringLiteral("CUSTOM");
const QString ParamACLR::kSingleCarrier = QStringLiteral("Single Carrier");
const QString ParamACLR::kMultiCarrier = QStringLiteral("Multi-Carrier");
const QString ParamACLR::kMultipleBand = QStringLiteral("Multiple Band");
const QString ParamACLR::kPresetChannels = QStringLiteral("Config");
const QString ParamACLR::kCustomChannels = QStringLiteral("Custom");

namespace {
constexpr double kHundredKHz = 1e5;
constexpr int kFixedModes[3] = {0, 2, 10};  // the last three mode integers, as the library expects them
}  // namespace

ParamACLR::ParamACLR() : ParamSource(ModeACLR)
{
    reset();
}

int ParamACLR::registerSet()
{
    ParamSignalFactory::registerCreator(ModeACLR, [] { return std::make_unique<ParamACLR>(); });
    return ModeACLR;
}

void ParamACLR::reset()
{
    ParamSource::reset();
    // A custom measurement starts as a 3.84 MHz carrier with channels 5 and 10 MHz away.
    m_items = {
        {QStringLiteral("Mode"), kCustom},
        {QStringLiteral("CarrierConfig"), kSingleCarrier},
        {QStringLiteral("Channels"), kPresetChannels},
        {QStringLiteral("BandwidthCarrier"), QStringLiteral("3.84 MHz")},
        {QStringLiteral("OffsetCC1_LTE"), QStringLiteral("0 MHz")},
        {QStringLiteral("OffsetCC2_LTE"), QStringLiteral("20 MHz")},
        {QStringLiteral("OffsetCC1_NR"), QStringLiteral("0 MHz")},
        {QStringLiteral("OffsetCC2_NR"), QStringLiteral("20 MHz")},
        {QStringLiteral("OffsetCC1_CUSTOM"), QStringLiteral("0 MHz")},
        {QStringLiteral("OffsetCC2_CUSTOM"), QStringLiteral("5 MHz")},
        {QStringLiteral("BandwidthCC1_LTE"), QStringLiteral("20 MHz")},
        {QStringLiteral("BandwidthCC2_LTE"), QStringLiteral("20 MHz")},
        {QStringLiteral("BandwidthCC1_NR"), QStringLiteral("20 MHz")},
        {QStringLiteral("BandwidthCC2_NR"), QStringLiteral("20 MHz")},
        {QStringLiteral("SCS_NR"), QStringLiteral("30 kHz")},
        {QStringLiteral("SCS_CC1_NR"), QStringLiteral("30 kHz")},
        {QStringLiteral("SCS_CC2_NR"), QStringLiteral("30 kHz")},
        {QStringLiteral("OffsetCh1"), QStringLiteral("5 MHz")},
        {QStringLiteral("OffsetCh2"), QStringLiteral("10 MHz")},
        {QStringLiteral("BandwidthCh1"), QStringLiteral("3.84 MHz")},
        {QStringLiteral("BandwidthCh2"), QStringLiteral("3.84 MHz")},
    };
}

QString ParamACLR::ownText(int form) const
{
    QString text = ParamSource::ownText(form);
    for (auto it = m_items.constBegin(); it != m_items.constEnd(); ++it)
        text += QLatin1Char('{') + it.key() + QLatin1Char(':') + it.value() + QLatin1Char('}');
    return text;
}

void ParamACLR::readHeader(const TagScanner &header)
{
    ParamSource::readHeader(header);
    for (auto it = m_items.begin(); it != m_items.end(); ++it) {
        const QString value = header.value(it.key().toUtf8() + ':');
        if (!value.isNull())
            it.value() = value;
    }
}

void ParamACLR::setItems(const QStringList &items)
{
    ParamSource::setItems(items);
    for (const QString &text : items) {
        const auto keyValue = splitItem(text);
        setItem(keyValue.first, keyValue.second);
    }
}

bool ParamACLR::setItem(const QString &key, const QString &value)
{
    auto it = m_items.find(key);
    if (it == m_items.end())
        return false;
    it.value() = key == QLatin1String("Mode") ? standardOf(value) : value;
    return true;
}

QString ParamACLR::standardOf(const QString &text)
{
    if (text.contains(QLatin1String("LTE")) || text.contains(QLatin1String("4G")))
        return kLTE;
    if (text.contains(QLatin1String("NR")) || text.contains(QLatin1String("5G")))
        return kNR;
    return kCustom;
}

QString ParamACLR::standardSuffix() const
{
    const QString s = standard();
    return s == kLTE ? QStringLiteral("LTE") : s == kNR ? QStringLiteral("NR") : QStringLiteral("CUSTOM");
}

int ParamACLR::standardCode() const
{
    const QString s = standard();
    return s == kNR ? ACLRStandardNR : s == kLTE ? ACLRStandardLTE : ACLRStandardCustom;
}

int ParamACLR::carrierConfigCode() const
{
    const QString config = item(QStringLiteral("CarrierConfig"));
    return config == kMultipleBand ? ACLRMultipleBand : config == kMultiCarrier ? ACLRMultiCarrier : ACLRSingleCarrier;
}

bool ParamACLR::isPresetChannels() const
{
    return standardCode() != ACLRStandardCustom && item(QStringLiteral("Channels")) != kCustomChannels;
}

QStringList ParamACLR::lteBandwidths()
{
    return {QStringLiteral("1.4 MHz"), QStringLiteral("3 MHz"), QStringLiteral("5 MHz"),
            QStringLiteral("10 MHz"), QStringLiteral("15 MHz"), QStringLiteral("20 MHz")};
}

QStringList ParamACLR::nrSpacings()
{
    return {QStringLiteral("15 kHz"), QStringLiteral("30 kHz"), QStringLiteral("60 kHz")};
}

QStringList ParamACLR::nrBandwidths()
{
    QStringList list;
    for (int mhz : {5, 10, 15, 20, 25, 30, 35, 40, 45, 50, 60, 70, 80, 90, 100})
        list << QStringLiteral("%1 MHz").arg(mhz);
    return list;
}

double ParamACLR::number(const QString &key) const
{
    const double value = UnitText::toDouble(item(key));
    return std::isfinite(value) ? value : 0.0;
}

ACLRParameterBlock ParamACLR::parameterBlock() const
{
    ACLRParameterBlock block;  // all zero
    const QString suffix = standardSuffix();
    const int config = carrierConfigCode();
    block.sampleRate = sampleRate();
    block.modes[0] = standardCode();
    block.modes[1] = config;
    for (int n = 0; n < 3; ++n)
        block.modes[2 + n] = kFixedModes[n];
    block.carrierBandwidth = number(QStringLiteral("BandwidthCarrier"));
    for (int c = 0; c < 2; ++c) {
        const QString carrier = QStringLiteral("CC%1").arg(c + 1);
        block.carrierOffsets[c] = number(QStringLiteral("Offset%1_%2").arg(carrier, suffix));
        if (block.modes[0] == ACLRStandardCustom)
            continue;
        block.bandwidthCodes[c] = int16_t(std::lround(number(QStringLiteral("Bandwidth%1_%2").arg(carrier, suffix)) / kHundredKHz));
        if (block.modes[0] == ACLRStandardNR) {
            const QString spacingKey = config == ACLRSingleCarrier ? QStringLiteral("SCS_NR")
                                                                   : QStringLiteral("SCS_%1_NR").arg(carrier);
            block.spacings[c] = int16_t(std::lround(number(spacingKey) / 1e3));
        }
    }
    if (!isPresetChannels()) {
        const char *keys[4] = {"OffsetCh1", "OffsetCh2", "BandwidthCh1", "BandwidthCh2"};
        for (int n = 0; n < 4; ++n)
            block.channels[n] = number(QString::fromLatin1(keys[n]));
    }
    return block;
}
