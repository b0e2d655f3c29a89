#pragma once

#include "ACLRLibrary.h"
#include "ParserVectorAnalysis.h"

#include <memory>

// The ACLR engine: walks the recording frame by frame as vector analysis does
// (the frames go to the hub unchanged, for the time views) and measures the
// frame of the hub's first signal through aclr_core. Each measurement rewrites
// "logACLR.txt" in the home folder with the parameter block it used.
class ParserACLR : public ParserVectorAnalysis
{
    Q_OBJECT
public:
    static constexpr int kMaxSamples = kACLRMaxSamples;

    ParserACLR();
    // The thread ends before the library wrapper goes: a measurement may be under way.
    ~ParserACLR() override;

    IQVector parseLayer(int num, int layer) override;
    bool isLibraryLoaded() const { return m_library->isLoaded(); }

    // The panel's line about a measurement of `samples` samples: a missing library,
    // a shortened block, channels outside the recorded band; empty when all went well.
    static QString statusText(const ACLRResults &results, int samples, const QString &libraryError);
    // The log's text: the rate and the five mode integers, a line break, then the
    // carrier bandwidth, offsets, bandwidth codes, spacings and the four channel values.
    static QString logText(const ACLRParameterBlock &block);
    static QString logPath();

signals:
    void sendResults(ACLRResults results);
    void sendStatus(QString text);

private:
    void measureFrame();
    static void writeLog(const ACLRParameterBlock &block);

    std::unique_ptr<ACLRLibrary> m_library;  // used in the engine's thread only
};
