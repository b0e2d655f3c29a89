#include "GuiParserVecAnalysis.h"

#include "GuiAnalysisSetting.h"
#include "GuiSourceSetting.h"
#include "ManagerSignal.h"
#include "ParamVectorAnalysis.h"

#include <QGroupBox>
#include <QVBoxLayout>

GuiParserVecAnalysis::GuiParserVecAnalysis(QWidget *parent)
    : GuiParserSignal(parent), m_source(new GuiSourceSetting), m_analysis(new GuiAnalysisSetting)
{
    auto *sourceBox = new QGroupBox(tr("Source"), this);
    (new QVBoxLayout(sourceBox))->addWidget(m_source);
    auto *analysisBox = new QGroupBox(tr("Analysis"), this);
    (new QVBoxLayout(analysisBox))->addWidget(m_analysis);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(fileRow());
    layout->addWidget(sourceBox);
    layout->addWidget(analysisBox);
    layout->addStretch();
    connect(m_source, &GuiSourceSetting::sendSampleRate, this, &GuiParserVecAnalysis::sendSampleRate);
    connect(m_source, &GuiSourceSetting::sendCarrierFreq, this, &GuiParserVecAnalysis::sendCarrierFreq);
    connect(m_analysis, &GuiAnalysisSetting::sendSampleRate, this, &GuiParserVecAnalysis::sendSampleRate);
    connect(m_analysis, &GuiAnalysisSetting::sendCarrierFreq, this, &GuiParserVecAnalysis::sendCarrierFreq);
    connect(m_analysis, &GuiAnalysisSetting::sendCorrectAll, this, &GuiParserVecAnalysis::sendCorrectAll);
    connect(m_source, &GuiSourceSetting::changed, this, &GuiParserSignal::slotChangeParam);
    connect(m_analysis, &GuiAnalysisSetting::changed, this, &GuiParserSignal::slotChangeParam);
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
