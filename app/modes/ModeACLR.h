#pragma once

#include "ACLRLibrary.h"
#include "ModeAnalysis.h"

class GuiParserACLR;
class ParserACLR;

// Adjacent-channel leakage ratio: each window of the recording is measured through
// aclr_core; the fixed grid shows the spectrum with the carrier and channel bands
// over it and the result table under it.
class ModeACLR : public ModeAnalysis
{
    Q_OBJECT
public:
    static const QString kGrid;
    // The window measured at first: long enough for a steady averaged spectrum.
    static constexpr int kDefaultWindow = 1 << 16;

    explicit ModeACLR(QWidget *parent = nullptr);

    QString defaultGrid() const override { return kGrid; }
    QString defaultProfileText() const override;
    bool restoreProfile(const QString &text) override;
    GuiParserACLR *aclrPanel() const;
    ParserACLR *aclrEngine() const;
    // The results of the last measurement, as the views and the table show them.
    const ACLRResults &results() const { return m_results; }
    // "LTE 4G", "NR 5G" or "CUSTOM".
    QString measurement() const;
    QString carrierConfig() const;

signals:
    void sendResults(ACLRResults results);
    // The panel's "Carrier Config": the menu should offer the configurations.
    void carrierConfigRequested();

public slots:
    // The menu's choice ("4G LTE ACLR", "5G NR ACLR", "CUSTOM") or a profile's "LTE 4G".
    void setMeasurement(const QString &measurement);
    // "Single Carrier", "Multi-Carrier" or "Multiple Band".
    void setCarrierConfig(const QString &config);

protected:
    void takeSignalParams() override;

private:
    void slotResults(const ACLRResults &results);
    void applyPanelChange();

    ACLRResults m_results;
};
