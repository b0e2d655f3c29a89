#pragma once

#include "ModeAnalysis.h"

class GuiParserPending;

// Common ground of the modes whose analysis is not built yet (DM, LTE, 5G, ACLR):
// they load and play recordings and show the views that need no analysis, with a
// panel that says so. Each keeps its mode number and default grid.
class ModePending : public ModeAnalysis
{
    Q_OBJECT
public:
    // analysisName: untranslated, marked with QT_TRANSLATE_NOOP("ModePending", ...).
    ModePending(int mode, const char *analysisName, const QString &grid, QWidget *parent = nullptr);

    QString defaultGrid() const override { return m_grid; }
    // The measurement travels in the profile as {Measurement:...} (DM) or {Mode:...}.
    QString profileText() override;
    bool restoreProfile(const QString &text) override;
    QString measurementKey() const;
    // The measurement a mode takes when a profile names none (empty for LTE).
    static QString defaultMeasurement(int mode);
    // The built-in profile carries the default measurement, so that a reset sets it.
    QString defaultProfileText() const override;
    QString measurement() const { return m_measurement; }
    GuiParserPending *pendingPanel() const;

public slots:
    void setMeasurement(const QString &measurement);
    // The DM mode's word for its measurement.
    void setModulation(const QString &modulation) { setMeasurement(modulation); }

signals:
    void sendMeasurement(QString measurement);
    void sendModulation(QString modulation);

protected:
    void takeSignalParams() override;

private:
    const QString m_grid;
    QString m_measurement;
};
