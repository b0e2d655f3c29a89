#pragma once

#include "DataAnalysis.h"
#include "LibraryLoader.h"
#include "ParserSignal.h"

#include <QMutex>
#include <QString>
#include <QVector>
#include <atomic>

class ParamDigitalModulation;

// The digital-modulation engine: drives the dm_core receiver library. Each pass cuts
// the frame of the recording that starts at the requested sample and is long enough
// for the requested number of symbols, hands it to the library (only when it or the
// settings changed) and demodulates that many symbols from its start. Statistics,
// decided symbols and errors go out as signals; the per-symbol EVM is left in the
// parameter set.
class ParserDigitalModulation : public ParserSignal
{
    Q_OBJECT
public:
    // The library's exports, in the order they are resolved.
    using SetSignalFn = void (*)(const QVector<std::complex<double>> *, double, double, const QString *, int,
                                 const QString *, double);
    using AnalysisFn = QVector<std::complex<double>> (*)(int);
    using StatisticFn = DataAnalysis (*)();
    using SetAverageFn = void (*)(int);
    using SymbolsFn = QVector<int> (*)();
    using IntFn = int (*)();
    using EvmFn = QVector<double> (*)();

    static const char *const kExportNames[12];
    // Symbols read beyond the requested ones on both sides of a frame (matched filter
    // and timing search), and the room left for a symbol-clock error.
    static constexpr double kFrameMarginSymbols = 48.0;
    static constexpr double kFrameClockRoom = 1.01;

    // library: the bare name of the library in the program's library folder; empty
    // means "dm_core".
    explicit ParserDigitalModulation(const QString &library = QString());
    ~ParserDigitalModulation() override;

    // The program's library folder (tests point it at the build's program folder);
    // only an absolute folder is taken.
    static void setLibraryFolder(const QString &folder);

    int engineType() const override { return 1; }
    void prepareSource() override;
    IQVector parseLayer(int num, int layer) override;
    // In the hub's thread, before a pass: the parameter set is never read from the engine's.
    void captureSettings() override;
    void setFrameLength(int num) override;
    void advanceFrame() override;
    void rewindFrame() override;
    void setFrameStart(int start) override;
    int lastFrameStart() const override { return m_lastFrameStart; }
    int frameLength() const override { return m_frameLength; }

    // True when the library loaded and every export it needs resolved.
    bool isAvailable() const { return m_missing.isEmpty() && m_library.isLoaded(); }
    // Says plainly why demodulation is unavailable; empty when it is available.
    QString unavailableText() const;
    // Names of the exports that did not resolve.
    QStringList missingExports() const { return m_missing; }

    void setAveraging(bool on);
    void resetAveraging();
    bool isAveraging() const { return m_isAveraging; }
    int getOversampling();
    int getTime4Sampling();
    // Samples per symbol and first symbol index of the last analysed frame.
    int lastOversampling() const { return m_lastOversampling; }
    int lastTime4Sampling() const { return m_lastTime4Sampling; }
    // The sample rate of the last corrected frame: its samples per symbol on the
    // symbol clock the receiver found (the recording's rate plays no part).
    double lastFrameRate() const { return m_lastFrameRate; }
    // The largest symbol count the whole recording allows, as last announced.
    int maxSymbols() const { return m_maxSymbols; }

    // The message for a library error code, translated.
    static QString errorText(int code);

signals:
    void sendDemodSymbols(QVector<int> symbols);
    void sendAverData(DataAnalysis data);
    void sendData(DataAnalysis data);
    void sendMaxSymbols(int max);

private:
    struct Settings {
        QString modulation;
        QString filter;
        double filterParameter = 0.0;
        double sampleRate = 0.0;
        double symbolRate = 0.0;
        bool operator==(const Settings &o) const
        {
            return modulation == o.modulation && filter == o.filter && filterParameter == o.filterParameter
                   && sampleRate == o.sampleRate && symbolRate == o.symbolRate;
        }
    };

    void resolveExports();
    // The engine's thread reads only this copy, taken in the hub's thread.
    Settings readSettings() const;
    ParamDigitalModulation *dmParam() const;
    mutable QMutex m_settingsMutex;
    Settings m_settings;  // guarded by m_settingsMutex
    // Gives the library the whole first layer and announces how many symbols it allows.
    void takeRecording(const Settings &settings);
    void giveSignal(const IQVector &samples, const Settings &settings);
    // Samples a frame of num symbols needs at the current rates.
    int frameSamples(int num, const Settings &settings) const;
    void reportError(int code);
    void emitResults(const Settings &settings);

    LibraryLoader m_library;
    QStringList m_missing;
    SetSignalFn m_setSignal = nullptr;
    AnalysisFn m_analysis = nullptr;
    StatisticFn m_getCurrStatistic = nullptr;
    StatisticFn m_getAverStatistic = nullptr;
    SetAverageFn m_setAverage = nullptr;
    SymbolsFn m_getDemodSymbols = nullptr;
    IntFn m_getOversampling = nullptr;
    IntFn m_getTime4Sampling = nullptr;
    IntFn m_getStartPoint = nullptr;  // resolved only
    IntFn m_getErrorCode = nullptr;
    IntFn m_getMaxNumOfSymb = nullptr;
    EvmFn m_getEVMvsSymb = nullptr;

    // The library keeps one signal and is not reentrant: every call holds this, and
    // it guards what the library was last given (the fields below).
    static constexpr int kNothingReported = -1;
    QMutex m_libraryMutex;
    Settings m_given;
    int m_givenLayer = -1;
    int m_givenStart = -1;
    int m_givenLength = -1;
    int m_lastReportedError = kNothingReported;

    std::atomic<bool> m_isAveraging{false};
    std::atomic<int> m_symbols{0};
    std::atomic<int> m_frameStart{0};
    std::atomic<int> m_frameLength{0};
    std::atomic<int> m_lastFrameStart{0};
    std::atomic<int> m_lastOversampling{1};
    std::atomic<int> m_lastTime4Sampling{0};
    std::atomic<double> m_lastFrameRate{0.0};
    std::atomic<int> m_maxSymbols{0};
};
