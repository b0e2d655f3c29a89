#include "MeasureCommand.h"

#include "CalculateDate.h"
#include "CliDisplayRequest.h"
#include "CliRecording.h"
#include "MarkerMath.h"
#include "UnitPrefix.h"
#include "UnitText.h"

#include <algorithm>
#include <cstdio>

namespace {
constexpr int kFrequencyDecimals = 6;

int usageError(const QString &reason)
{
    std::fprintf(stderr, "tarnwick-cli: error: %s (see tarnwick-cli --help)\n", qPrintable(reason));
    return 2;
}

QString hertz(double hz) { return UnitPrefix::formatLarge(hz, QStringLiteral("Hz"), kFrequencyDecimals); }

// The measurement flags, taken out of the arguments before the shared options are read.
struct Measurement
{
    QString name;  // "--peak", "--channel-power", "--obw" or "--rms"
    QStringList values;
    QString error;

    QStringList take(const QStringList &args)
    {
        QStringList rest;
        for (int i = 0; i < args.size(); ++i) {
            const QString &arg = args.at(i);
            const bool isFlag = arg == QLatin1String("--peak") || arg == QLatin1String("--obw")
                                || arg == QLatin1String("--rms") || arg == QLatin1String("--channel-power");
            if (!isFlag) {
                rest << arg;
                continue;
            }
            if (!name.isEmpty())
                error = QStringLiteral("give one measurement, not %1 and %2").arg(name, arg);
            name = arg;
            if (arg == QLatin1String("--channel-power")) {
                if (i + 2 >= args.size())
                    error = QStringLiteral("--channel-power needs two frequencies");
                else
                    values = args.mid(i + 1, 2);
                i += 2;
            }
        }
        if (name.isEmpty() && error.isEmpty())
            error = QStringLiteral("give one of --peak, --channel-power F1 F2, --obw, --rms");
        return rest;
    }
};
}  // namespace

int MeasureCommand::run(const QStringList &args)
{
    Measurement measurement;
    const QStringList rest = measurement.take(args);
    if (!measurement.error.isEmpty())
        return usageError(measurement.error);
    double f1 = 0.0, f2 = 0.0;
    if (measurement.name == QLatin1String("--channel-power")) {
        for (int k = 0; k < 2; ++k) {
            if (!CliRecording::parseHertz(measurement.values.at(k), k == 0 ? f1 : f2))
                return usageError(QStringLiteral("bad frequency for --channel-power: %1").arg(measurement.values.at(k)));
        }
    }
    CliDisplayRequest request;
    QString file;
    if (!request.parse(rest, {}, file))
        return usageError(request.error());
    if (file.isEmpty())
        return usageError(QStringLiteral("FILE is required"));

    CliRecording recording;
    if (!recording.load(file))
        return std::fprintf(stderr, "tarnwick-cli: error: %s\n", qPrintable(recording.error())), 1;
    if (!request.apply(recording))
        return usageError(request.error());

    QString line;
    if (measurement.name == QLatin1String("--rms")) {
        ManagerSignal &hub = recording.hub();
        const SignalSelection selection = hub.selection(request.layer());
        line = QStringLiteral("RMS: ") + MarkerMath::formatValue(MarkerMath::rmsPower(selection.first, selection.size()))
               + QStringLiteral(" dBm");
    } else {
        CalculateDate calculate(&recording.hub());
        calculate.setCarrierFreq(request.carrier());
        calculate.setThinning(false);  // markers measure on the full-resolution spectrum
        const QVector<QPointF> spectrum =
            calculate.requestSeries(request.layer(), CalculateDateSlot::KindSpectrum, 0, request.average());
        if (spectrum.isEmpty()) {
            const QString reason = calculate.spectrumError().isEmpty() ? QStringLiteral("no spectrum") : calculate.spectrumError();
            return std::fprintf(stderr, "tarnwick-cli: error: %s\n", qPrintable(reason)), 1;
        }
        const double unit = calculate.unitFactor();
        if (measurement.name == QLatin1String("--peak")) {
            const QPointF peak = spectrum.at(MarkerMath::peakIndex(spectrum));
            line = QStringLiteral("PEAK: ") + hertz(peak.x() * unit) + QStringLiteral(", ")
                   + MarkerMath::formatValue(peak.y()) + QStringLiteral(" dBm");
        } else if (measurement.name == QLatin1String("--obw")) {
            const QPair<double, double> band = MarkerMath::occupiedBand(spectrum);
            line = QStringLiteral("OBW: ") + hertz((band.second - band.first) * unit);
        } else {
            // The plot's x range: carrier ± half the sample rate.
            const double low = calculate.carrierFreq() - calculate.sampleRate() / 2.0;
            const double high = calculate.carrierFreq() + calculate.sampleRate() / 2.0;
            const double bandLow = std::min(f1, f2), bandHigh = std::max(f1, f2);
            const QString span = hertz(low) + QStringLiteral(" to ") + hertz(high);
            if (bandHigh < low || bandLow > high)
                return std::fprintf(stderr, "tarnwick-cli: error: the band %s to %s lies outside the span %s\n",
                                    qPrintable(hertz(bandLow)), qPrintable(hertz(bandHigh)), qPrintable(span)), 1;
            if (bandLow < low || bandHigh > high)
                std::fprintf(stderr, "tarnwick-cli: warning: the band reaches beyond the span %s; measured within it\n",
                             qPrintable(span));
            const double power = MarkerMath::channelPower(spectrum, f1 / unit, f2 / unit, low / unit, high / unit);
            line = QStringLiteral("POWER: ") + MarkerMath::formatValue(power) + QStringLiteral(" dBm");
        }
    }
    std::printf("%s\n", qPrintable(line));
    return 0;
}
