// Writes a single-precision .owv whose header gives the clock and the carrier, as a
// recording made elsewhere would, for tests that open it through the program.
#pragma once

#include "IOSignal.h"
#include "ManagerSignal.h"
#include "ParamVectorAnalysis.h"
#include "TestEnvironment.h"

inline QString writeRecording(const TestEnvironment &env, const QString &name, const QString &clock,
                              const QString &carrier, const IQVector &samples)
{
    ManagerSignal hub(ParamSignal::ModeVA);
    auto *param = static_cast<ParamVectorAnalysis *>(hub.param());
    param->setAnalysisValue(QStringLiteral("SampleRate"), clock);
    param->setAnalysisValue(QStringLiteral("Freq"), carrier);
    IOSignal io(&hub, env.path());
    Signal record(samples);
    const QString path = env.filePath(name);
    return io.writeFile(path, {&record}) ? path : QString();
}
