#pragma once

#include "GuiParserSignal.h"

class GuiAnalysisSetting;
class GuiSourceSetting;
class QGroupBox;

// Control panel of the vector-analysis mode: the file row, the source settings and
// the analysis settings, each kept in its group of the parameter set.
class GuiParserVecAnalysis : public GuiParserSignal
{
    Q_OBJECT
public:
    explicit GuiParserVecAnalysis(QWidget *parent = nullptr);

    GuiSourceSetting *sourceSetting() const override { return m_source; }
    GuiAnalysisSetting *analysisSetting() const { return m_analysis; }

signals:
    void sendSampleRate(double SR_Hz);
    void sendCarrierFreq(double value);
    void sendCorrectAll(bool isAll);

protected:
    void retranslate() override;

public slots:
    void setParams() override;
    void getParams() override;

private:
    GuiSourceSetting *m_source;
    GuiAnalysisSetting *m_analysis;
    QGroupBox *m_sourceBox;
    QGroupBox *m_analysisBox;
};
