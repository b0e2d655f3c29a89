#include "GuiParserVecAnalysis.h"

#include "GuiAnalysisSetting.h"
#include "GuiSourceSetting.h"
#include "ManagerSignal.h"
#include "ParamVectorAnalysis.h"

#include <QGroupBox>
#include <QVBoxLayout>

GuiParserVecAnalysis::GuiParserVecAnalysis(QWidget *parent)
    : GuiParserSignal(parent), m_source(new GuiSourceSetting), m_analysis(new GuiAnalysisSetting),
      m_sourceBox(new QGroupBox(this)), m_analysisBox(new QGroupBox(this))
{
    // Vector analysis reads files or the instrument, never another mode's signal.
    m_source->setSourceOffered(GuiSourceSetting::SourceVectorAnalysis, false);
    (new QVBoxLayout(m_sourceBox))->addWidget(m_source);
    (new QVBoxLayout(m_analysisBox))->addWidget(m_analysis);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(fileRow());
    layout->addWidget(m_sourceBox);
    layout->addWidget(m_analysisBox);
    retranslate();
    layout->addStretch();
    connect(m_source, &GuiSourceSetting::sendSampleRate, this, &GuiParserVecAnalysis::sendSampleRate);
    connect(m_source, &GuiSourceSetting::sendCarrierFreq, this, &GuiParserVecAnalysis::sendCarrierFreq);
    connect(m_analysis, &GuiAnalysisSetting::sendSampleRate, this, &GuiParserVecAnalysis::sendSampleRate);
    connect(m_analysis, &GuiAnalysisSetting::sendCarrierFreq, this, &GuiParserVecAnalysis::sendCarrierFreq);
    connect(m_analysis, &GuiAnalysisSetting::sendCorrectAll, this, &GuiParserVecAnalysis::sendCorrectAll);
    connect(m_source, &GuiSourceSetting::changed, this, &GuiParserSignal::slotChangeParam);
    connect(m_analysis, &GuiAnalysisSetting::changed, this, &GuiParserSignal::slotChangeParam);
}

void GuiParserVecAnalysis::retranslate()
{
    m_sourceBox->setTitle(tr("Source"));
    m_analysisBox->setTitle(tr("Analysis"));
}

void GuiParserVecAnalysis::setParams()
{
    auto *param = managerSignal() ? dynamic_cast<ParamVectorAnalysis *>(managerSignal()->param()) : nullptr;
    if (!param)
        return;
    param->setSource(m_source->values());
    param->setAnalysis(m_analysis->values());
}

void GuiParserVecAnalysis::getParams()
{
    auto *param = managerSignal() ? dynamic_cast<ParamVectorAnalysis *>(managerSignal()->param()) : nullptr;
    if (!param)
        return;
    m_source->setValues(param->source());
    m_analysis->setValues(param->analysis());
}
