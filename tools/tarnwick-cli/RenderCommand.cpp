#include "RenderCommand.h"

#include "CalculateDate.h"
#include "CliDemodulation.h"
#include "CliDisplayRequest.h"
#include "CliRecording.h"
#include "DisplayConstellationDiagramm.h"
#include "DisplayEvm.h"
#include "DisplayITime.h"
#include "DisplayPowerDiagram.h"
#include "DisplayQTime.h"
#include "DisplayWaterfall.h"
#include "DisplayFrequency.h"
#include "DisplayVectorDiagramm.h"
#include "Graphic.h"
#include "Spectrogram.h"

#include <QElapsedTimer>
#include <QEventLoop>
#include <QPixmap>
#include <QRegularExpression>
#include <QSaveFile>
#include <QTimer>
#include <cstdio>
#include <memory>

namespace {
constexpr int kQuietMs = 400;        // no new frame for this long: the view has settled
constexpr int kTimeoutMs = 30000;
constexpr int kMinWindow = 16;       // shortest spectrogram window, in samples
const QStringList kViews{"i", "q", "power", "spectrum", "spectrogram", "vector", "constellation", "evm"};
// Views of a demodulation's results alone.
const QStringList kDemodViews{"evm"};

// The value of --view, before the options are parsed.
QString viewAsked(const QStringList &args)
{
    const int at = args.indexOf(QStringLiteral("--view"));
    return at >= 0 ? args.value(at + 1) : QString();
}

int usageError(const QString &reason)
{
    std::fprintf(stderr, "tarnwick-cli: error: %s (see tarnwick-cli --help)\n", qPrintable(reason));
    return 2;
}

std::unique_ptr<DisplayGraphicSignal> makeView(const QString &name, ManagerSignal *hub, CalculateDate *calculate,
                                               int layer)
{
    if (name == QLatin1String("i"))
        return std::make_unique<DisplayITime>(hub, calculate, layer);
    if (name == QLatin1String("q"))
        return std::make_unique<DisplayQTime>(hub, calculate, layer);
    if (name == QLatin1String("power"))
        return std::make_unique<DisplayPowerDiagram>(hub, calculate, layer);
    if (name == QLatin1String("spectrum"))
        return std::make_unique<DisplayFrequency>(hub, calculate, layer);
    if (name == QLatin1String("spectrogram"))
        return std::make_unique<DisplayWaterfall>(hub, calculate, layer);
    if (name == QLatin1String("vector"))
        return std::make_unique<DisplayVectorDiagramm>(hub, calculate, layer);
    if (name == QLatin1String("constellation"))
        return std::make_unique<DisplayConstellationDiagramm>(hub, calculate, layer);
    if (name == QLatin1String("evm"))
        return std::make_unique<DisplayEvm>(hub, calculate, layer);
    return nullptr;
}

// Runs the event loop until the view has shown a frame and then stayed quiet.
bool waitUntilSettled(DisplayGraphicSignal *view)
{
    QEventLoop loop;
    QTimer quiet, timeout;
    quiet.setSingleShot(true);
    timeout.setSingleShot(true);
    bool isShown = false;
    QObject::connect(view, &DisplayGraphicSignal::dataShown, &loop, [&] { isShown = true; quiet.start(kQuietMs); });
    QObject::connect(&quiet, &QTimer::timeout, &loop, &QEventLoop::quit);
    QObject::connect(&timeout, &QTimer::timeout, &loop, &QEventLoop::quit);
    timeout.start(kTimeoutMs);
    loop.exec();
    return isShown;
}

// Plays the recording from --start as consecutive windows of --length samples,
// one per image row, through the hub's ready history, as a running recording
// would fill it. Without --length the selection is shared out over the rows.
void playWindows(ManagerSignal &hub, const CliDisplayRequest &request, DisplayWaterfall *view)
{
    const Signal layer = hub.sourceSignal(request.layer() - 1);
    const int imageRows = std::max(1, int(view->graphic()->plotRect().height()) / view->spectrogram()->rowHeight());
    const int window = request.isLengthGiven() ? request.length()
                                               : std::max(kMinWindow, request.length() / imageRows);
    const int rows = std::max(1, std::min(imageRows, (layer.size() - request.start()) / window));
    hub.setReadyHistoryCapacity(rows);
    for (int row = 0; row < rows; ++row) {
        const IQVector samples = layer.samples().mid(request.start() + row * window, window);
        hub.slotSetSignalReady(QVector<Signal>{Signal(samples)}, false);
    }
    hub.slotChangeSizeSelection(window, false);
    view->spectrogram()->requestRedraw();
    hub.slotSelectAllSignal(request.start() + (rows - 1) * window);
}

// Shows the view offscreen at `size` and lets its worker deliver; false when
// nothing was drawn.
bool drawOffscreen(DisplayGraphicSignal *view, const QSize &size, const CliDisplayRequest &request)
{
    view->graphic()->resize(size);
    view->graphic()->setAttribute(Qt::WA_DontShowOnScreen);
    view->graphic()->show();
    view->slotRepaint();
    bool isShown = waitUntilSettled(view);
    if (auto *spectrogram = qobject_cast<DisplayWaterfall *>(view)) {
        playWindows(*view->hub(), request, spectrogram);
        isShown = waitUntilSettled(view);
    }
    return isShown;
}

bool savePng(const QPixmap &pixmap, const QString &path)
{
    QSaveFile file(path);
    return file.open(QIODevice::WriteOnly) && pixmap.save(&file, "PNG") && file.commit();
}
}  // namespace

int RenderCommand::run(const QStringList &args)
{
    // With a symbol rate (and always for the error-vector view) the window is
    // demodulated and the views show the corrected frame, as the DM mode does.
    const bool isDemod = CliDemodulation::isRequested(args) || kDemodViews.contains(viewAsked(args));
    CliDemodulation demodulation;
    QStringList rest = args;
    if (isDemod && !demodulation.take(rest))
        return usageError(demodulation.error());
    CliDisplayRequest request;
    QString file, viewName, png, modulation, sizeText = QStringLiteral("900x500");
    if (!request.parse(rest, {{"--view", &viewName}, {"--png", &png}, {"--size", &sizeText}, {"--modulation", &modulation}},
                       file))
        return usageError(request.error());
    if (file.isEmpty() || png.isEmpty() || viewName.isEmpty())
        return usageError(QStringLiteral("FILE, --view and --png are required"));
    if (!kViews.contains(viewName))
        return usageError(QStringLiteral("unknown view %1").arg(viewName));
    const QRegularExpressionMatch size = QRegularExpression(QStringLiteral("^(\\d{2,5})x(\\d{2,5})$")).match(sizeText);
    if (!size.hasMatch())
        return usageError(QStringLiteral("bad --size %1 (want WxH, e.g. 900x500)").arg(sizeText));

    CliRecording recording;
    if (!recording.load(file))
        return std::fprintf(stderr, "tarnwick-cli: error: %s\n", qPrintable(recording.error())), 1;
    if (!request.apply(recording))
        return usageError(request.error());
    if (isDemod && !demodulation.run(recording)) {
        if (demodulation.isUsageError())
            return usageError(demodulation.error());
        return std::fprintf(stderr, "tarnwick-cli: error: %s\n", qPrintable(demodulation.error())), 1;
    }
    ManagerSignal &hub = isDemod ? demodulation.hub() : recording.hub();
    CalculateDate calculate(&hub);
    calculate.setCarrierFreq(request.carrier());
    if (isDemod) {
        modulation = demodulation.modulation();
        calculate.setStrobe(demodulation.time4Sampling(), demodulation.oversampling());
        calculate.setFrameRate(demodulation.frameRate());
    }
    std::unique_ptr<DisplayGraphicSignal> view = makeView(viewName, &hub, &calculate, request.layer());
    if (auto *spectrum = qobject_cast<DisplayFrequency *>(view.get()))
        spectrum->slotSetAverageSpectrum(request.average());
    if (auto *diagram = qobject_cast<DisplayVectorDiagramm *>(view.get())) {
        if (!modulation.isEmpty() && DisplayVectorDiagramm::referencePoints(modulation).isEmpty())
            return usageError(QStringLiteral("no ideal points for --modulation %1").arg(modulation));
        diagram->setModulation(modulation);
    }

    if (!drawOffscreen(view.get(), QSize(size.captured(1).toInt(), size.captured(2).toInt()), request)) {
        const QString reason = calculate.spectrumError().isEmpty() ? QStringLiteral("nothing to draw")
                                                                   : calculate.spectrumError();
        std::fprintf(stderr, "tarnwick-cli: warning: %s\n", qPrintable(reason));
    }
    if (!savePng(view->graphic()->grab(), png))
        return std::fprintf(stderr, "tarnwick-cli: error: cannot write %s\n", qPrintable(png)), 1;
    return 0;
}
