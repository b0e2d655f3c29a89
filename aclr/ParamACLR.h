#pragma once

#include "ACLRRecords.h"
#include "ParamSource.h"

#include <QMap>
#include <QStringList>

// The ACLR mode's parameter set: the recording's CLOCK and FREQUENCY, the standard
// ("Mode": "LTE 4G", "NR 5G" or "CUSTOM"), the carrier configuration, each
// standard's carrier offsets and bandwidths, the NR subcarrier spacings, and the
// adjacent channels, preset by the standard ("Channels": "Config") or given
// ("Channels": "Custom"). Values are texts with units ("20 MHz", "30 kHz").
class ParamACLR : public ParamSource
{
public:
    static const QString kLTE;     // "LTE 4G"
    static const QString kNR;      // "NR 5G"
    static const QString kCustom;  // "CUSTOM"
    static const QString kSingleCarrier, kMultiCarrier, kMultipleBand;
    static const QString kPresetChannels, kCustomChannels;  // "Config", "Custom"

    ParamACLR();

    // Registers this set as the ACLR mode's with the parameter-set factory; returns
    // the mode number, so that a mode can call it on its way to its base class.
    static int registerSet();

    void reset() override;
    QString ownText(int form) const override;
    void readHeader(const TagScanner &header) override;
    void setItems(const QStringList &items) override;

    QString item(const QString &key) const { return m_items.value(key); }
    // Only keys of this set are taken; false for any other.
    bool setItem(const QString &key, const QString &value);

    QString standard() const { return item(QStringLiteral("Mode")); }
    // The standard from a text: the menu's captions ("4G LTE ACLR") or the set's own names.
    static QString standardOf(const QString &text);
    // "LTE", "NR" or "CUSTOM": the suffix of the standard's own keys.
    QString standardSuffix() const;
    int standardCode() const;
    int carrierConfigCode() const;
    bool isPresetChannels() const;

    // The LTE channel bandwidths, NR spacings and NR channel bandwidths offered.
    static QStringList lteBandwidths();
    static QStringList nrSpacings();
    static QStringList nrBandwidths();

    // The block handed to the library, every field zero before it is filled.
    ACLRParameterBlock parameterBlock() const;

private:
    double number(const QString &key) const;
    QMap<QString, QString> m_items;
};
