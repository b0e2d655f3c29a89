#pragma once

#include "DisplayGraphicSignal.h"

#include <QScatterSeries>

// "Vector Diagram": Q against I of every sample of the selection (data kind 2),
// the trajectory between the symbols, with the ideal points of the modulation
// analysed. Its menu switches between the full diagram and the reference points
// alone. Both axes span the same symmetric range, fitted to the signal.
class DisplayVectorDiagramm : public DisplayGraphicSignal
{
    Q_OBJECT
public:
    static constexpr double kDefaultLimit = 1.5;  // ideal points have a peak amplitude of 1
    static constexpr double kLimitStep = 0.25;    // fitted ranges end on a multiple of this
    static constexpr double kLimitMargin = 1.1;
    // Beyond this many samples the chart stops being responsive: a longer selection
    // draws its first ones (the analysed windows of a demodulation are far shorter).
    static constexpr int kMaxTrajectoryPoints = 20000;

    DisplayVectorDiagramm(ManagerSignal *hub, CalculateDate *calculate, int signalIndex = 1,
                          QWidget *parent = nullptr);

    bool isFullMode() const { return m_isFullMode; }
    QScatterSeries *referenceSeries() const { return m_reference; }
    QString modulation() const { return m_modulation; }
    // The menu action's text for the current mode.
    QString modeActionText() const;
    // The ideal points of a modulation as the diagram draws them: every symbol
    // value once, twice in a row for the PSK schemes that rotate odd symbols (the
    // unrotated and the rotated point). Empty for a name the catalogue does not know.
    static QVector<QPointF> referencePoints(const QString &modulation);

public slots:
    void switchEnabledGraphic();
    // The modulation whose ideal points are drawn; empty draws none.
    void setModulation(const QString &name);
    void slotChangeValueOY();
    void slotSetData(const QVector<QPointF> &data) override;
    void updateAxes() override;
    void retranslate() override;

protected:
    // kind: 2 for the trajectory here, 6 for the points at the symbol strobes.
    DisplayVectorDiagramm(ManagerSignal *hub, CalculateDate *calculate, unsigned kind, int signalIndex,
                          QWidget *parent);
    void showContextMenu(const QPoint &pos) override;
    virtual void applyTitles();
    // The series that draws the signal (the line here; dots in the constellation).
    virtual QXYSeries *signalSeries() const { return lineSeries(); }
    virtual int maxPoints() const { return kMaxTrajectoryPoints; }

private:
    void fitRange(const QVector<QPointF> &data);

    QScatterSeries *m_reference;  // owned by the chart
    QString m_modulation;
    bool m_isFullMode = true;
    bool m_isFollowingY = false;  // x is being set to follow y
};
