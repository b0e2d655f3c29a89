#include "CalculateDate.h"
#include "DisplayITime.h"
#include "DisplayFrequency.h"
#include "Graphic.h"
#include "GuiMenuMarkerData.h"
#include "LineConnection.h"
#include "LineVerticalZoom.h"
#include "ManagerSignal.h"
#include "MarkerMath.h"
#include "MarkerValue.h"
#include "MarkersInfo.h"
#include "ParamVectorAnalysis.h"
#include "TestEnvironment.h"
#include "UnitPrefix.h"
#include "autoLimitOY.h"

#include <QActionGroup>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QToolButton>
#include <QtTest>
#include <cmath>

namespace {
constexpr double kPi = 3.14159265358979323846;

// Two tones of equal amplitude would tie; these differ so the peak is unique:
// a full-scale tone at +Fs/8 and a weaker one at -Fs/4.
IQVector tones(int n)
{
    IQVector x(n);
    for (int k = 0; k < n; ++k)
        x[k] = std::polar(1.0, 2 * kPi * 0.125 * k) + std::polar(0.01, -2 * kPi * 0.25 * k);
    return x;
}

void deliver(ManagerSignal &hub, const IQVector &samples)
{
    static_cast<ParamVectorAnalysis *>(hub.param())->setAnalysisValue(QStringLiteral("SampleRate"), QStringLiteral("8 MHz"));
    hub.slotSetSignal(Signal(samples), QStringLiteral("test.owv"));
    hub.slotSetSignalReady(hub.sourceSignals());
    hub.slotChangeSizeSelection(samples.size(), false);
    hub.slotSelectAllSignal(0);
}

bool showAndWait(DisplayGraphicSignal &view)
{
    QSignalSpy shown(&view, &DisplayGraphicSignal::dataShown);
    view.graphic()->resize(900, 420);
    view.graphic()->show();
    view.slotRepaint();
    return shown.wait(10000);
}

bool nextFrame(DisplayGraphicSignal &view)
{
    QSignalSpy shown(&view, &DisplayGraphicSignal::dataShown);
    view.slotRepaint();
    return shown.wait(10000);
}

QAction *actionNamed(QMenu *menu, const QString &text)
{
    for (QAction *action : menu->actions()) {
        if (action->text() == text)
            return action;
        if (action->menu()) {
            if (QAction *inner = actionNamed(action->menu(), text))
                return inner;
        }
    }
    return nullptr;
}

// A left-button drag delivered to the widget itself (QTest::mouseMove moves the
// cursor, which offscreen platforms do not turn into events).
void drag(QWidget *widget, QPoint from, QPoint to, bool isReleased = true)
{
    QMouseEvent press(QEvent::MouseButtonPress, from, widget->mapToGlobal(from), Qt::LeftButton, Qt::LeftButton, {});
    QApplication::sendEvent(widget, &press);
    QMouseEvent move(QEvent::MouseMove, to, widget->mapToGlobal(to), Qt::NoButton, Qt::LeftButton, {});
    QApplication::sendEvent(widget, &move);
    if (!isReleased)
        return;
    QMouseEvent release(QEvent::MouseButtonRelease, to, widget->mapToGlobal(to), Qt::LeftButton, Qt::NoButton, {});
    QApplication::sendEvent(widget, &release);
}

// Three decimals without trailing zeros, written out here rather than by the code under test.
QString trimmed(double value)
{
    QString text = QString::number(value, 'f', 3);
    while (text.endsWith(QLatin1Char('0')))
        text.chop(1);
    if (text.endsWith(QLatin1Char('.')))
        text.chop(1);
    return text;
}

void saveShot(DisplayGraphicSignal &view, const char *name)
{
    // TW_MARKER_SHOTS=folder keeps pictures of the views for a look by eye.
    const QString folder = qEnvironmentVariable("TW_MARKER_SHOTS");
    if (folder.isEmpty())
        return;
    QTest::qWait(100);  // the chart lays out its new points from the event loop
    view.graphic()->grab().save(folder + QLatin1Char('/') + QLatin1String(name) + QStringLiteral(".png"));
}
}  // namespace

class TestMarkers : public QObject
{
    Q_OBJECT
private slots:
    // 40000 samples give a spectrum of 40001 points, thinned for drawing: the
    // markers must measure on the cache's full series, not on what is drawn.
    void markersMeasureOnTheFullSeriesAndFollowTheirMode()
    {
        TestEnvironment env;
        ManagerSignal hub(ParamSignal::ModeVA);
        deliver(hub, tones(40000));
        CalculateDate calc(&hub);
        DisplayFrequency view(&hub, &calc);
        QVERIFY(showAndWait(view));
        if (view.lineSeries()->count() == 0)
            QSKIP("FFTW is not available");
        const QVector<QPointF> full = calc.fullSeries(1, CalculateDateSlot::KindSpectrum);
        QCOMPARE(full.size(), 40001);
        QVERIFY(view.lineSeries()->count() < full.size());

        emit view.signalAddMarker(QPointF(-2.0, 0.0));
        QCOMPARE(view.markers()->markers().size(), 1);
        LineConnection *marker = view.markers()->markers().first();
        QCOMPARE(marker->series().size(), full.size());
        QCOMPARE(marker->x(), -2.0);
        // On a spectrum the highest point under the pixel is read, so that peaks read as peaks.
        QCOMPARE(marker->displayRule(), int(MarkerMath::RuleMaximum));
        QCOMPARE(marker->textY(), MarkerMath::readout(MarkerMath::valueAt(full, -2.0, view.graphic()->plotRect().width(),
                                                                          MarkerMath::RuleMaximum), "dBm"));
        // Accuracy "1 kHz" on a MHz axis: three decimals.
        QCOMPARE(marker->textX(), QStringLiteral("-2.000 MHz"));
        QVERIFY(marker->isShown() && !marker->markerRect().isEmpty());

        // "Maximum" from the marker's menu: it jumps to the tone at +Fs/8 = 1 MHz.
        actionNamed(marker->menu()->menu(), "Maximum")->trigger();
        QCOMPARE(marker->mode(), int(MarkerMath::ModeMaximum));
        QCOMPARE(marker->x(), full.at(MarkerMath::peakIndex(full)).x());
        QVERIFY(std::abs(marker->x() - 1.0) < 1e-9);
        QCOMPARE(hub.marker().mode, int(MarkerMath::ModeMaximum));  // the hub knows the current marker

        // A new frame with the tone elsewhere: the marker follows it.
        IQVector moved(40000);
        for (int k = 0; k < moved.size(); ++k)
            moved[k] = std::polar(1.0, -2 * kPi * 0.375 * k);
        deliver(hub, moved);
        QVERIFY(nextFrame(view));
        // A frame requested before the new selection may still arrive first.
        QTRY_VERIFY2_WITH_TIMEOUT(std::abs(marker->x() + 3.0) < 1e-9, qPrintable(QString::number(marker->x())), 10000);
        saveShot(view, "maximum");

        // "Minimum", then "Hide": a hidden marker neither shows nor moves.
        actionNamed(marker->menu()->menu(), "Minimum")->trigger();
        QCOMPARE(marker->x(), full.isEmpty() ? 0.0 : calc.fullSeries(1, 3).at(MarkerMath::minimumIndex(calc.fullSeries(1, 3))).x());
        actionNamed(marker->menu()->menu(), "Hide")->trigger();
        QVERIFY(!marker->isShown());
        QVERIFY(marker->markerRect().isEmpty());
    }

    // The chart view either belongs to the view or to a frame widget, and either may
    // go first: no event reaches the markers' filter from a half-destroyed widget, and
    // the markers' widgets never outlive the markers (run under the sanitizers).
    void markersLetGoOfTheViewInEitherOrderOfDestruction()
    {
        TestEnvironment env;
        ManagerSignal hub(ParamSignal::ModeVA);
        deliver(hub, tones(4096));
        CalculateDate calc(&hub);
        const auto markUp = [](DisplayGraphicSignal &view) {
            QVERIFY(showAndWait(view));
            emit view.signalAddMarker(QPointF(-1.0, 0.0));
            emit view.signalAddMarker(QPointF(1.0, 0.0));
            view.markers()->setRms(true);
            view.markers()->setSelectSignal(true);
            view.markers()->showPanel();
            QTest::mouseMove(view.graphic()->viewport(), QPoint(100, 100));
            QCOMPARE(view.markers()->markers().size(), 2);
        };
        {
            DisplayFrequency view(&hub, &calc);  // owns its chart view
            markUp(view);
        }
        {
            auto *frame = new QWidget;  // the view and its chart view go with their frame
            auto *view = new DisplayFrequency(&hub, &calc, 1, frame);
            markUp(*view);
            const QPointer<MarkersInfo> markers = view->markers();
            delete frame;
            QVERIFY(!markers);
        }
        {
            QWidget frame;
            auto *view = new DisplayFrequency(&hub, &calc, 1, &frame);
            markUp(*view);
            const QPointer<QWidget> panel = view->markers()->panel();
            const QPointer<QFrame> selection = view->markers()->wgtSelectSignal();
            QWidget *viewport = view->graphic()->viewport();
            delete view;  // the chart view stays in its frame; the markers' widgets go
            QVERIFY(!panel && !selection);
            QMouseEvent press(QEvent::MouseButtonPress, QPointF(50, 50), Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
            QApplication::sendEvent(viewport, &press);
        }
    }

    void draggingAndTypingMoveAMarkerByHand()
    {
        TestEnvironment env;
        ManagerSignal hub(ParamSignal::ModeVA);
        deliver(hub, tones(4000));
        CalculateDate calc(&hub);
        DisplayITime view(&hub, &calc);
        QVERIFY(showAndWait(view));
        LineConnection *marker = view.markers()->addMarker(1000.0);
        marker->setMode(MarkerMath::ModeMaximum);
        const int startPixel = marker->pixelX();
        // Grabbed a few pixels beside its line, low in the plot, below the readouts.
        QWidget *plot = view.graphic()->viewport();
        const int y = int(view.graphic()->plotRect().bottom()) - 10;
        QCOMPARE(marker->hitTest(QPoint(startPixel + 3, y)), LineConnection::HitLine);
        drag(plot, QPoint(startPixel + 3, y), QPoint(startPixel + 103, y));
        QCOMPARE(marker->mode(), int(MarkerMath::ModeManual));  // dragged by hand: it stays put
        QVERIFY2(std::abs(marker->pixelX() - (startPixel + 100)) <= 1,
                 qPrintable(QStringLiteral("%1 -> %2").arg(startPixel).arg(marker->pixelX())));
        // A dragged marker stands on a point (here a whole sample), not between two.
        QCOMPARE(marker->x(), std::round(marker->x()));
        QVERIFY(!marker->textX().contains(QLatin1Char('.')));
        // Time axes have no accuracy choice; readouts carry the axis' unit ("V").
        QVERIFY(!actionNamed(marker->menu()->menu(), "Accuracy")->isVisible());
        QVERIFY(marker->textY().endsWith(QLatin1String(" V")));

        marker->enterPosition(123.0);
        QCOMPARE(marker->x(), 123.0);
        // 4000 points on about 800 pixels: the mean of the points of one pixel left of x.
        const QVector<QPointF> full = calc.fullSeries(1, CalculateDateSlot::KindI);
        QCOMPARE(marker->reading().y, MarkerMath::valueAt(full, 123.0, view.graphic()->plotRect().width(), 0).y);
        QTest::keyClick(view.graphic(), Qt::Key_Right);
        QCOMPARE(marker->x(), 124.0);  // one point further (x advances by W/N = 1)

        // Deleting from the menu removes it.
        actionNamed(marker->menu()->menu(), "Delete")->trigger();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(view.markers()->markers().isEmpty());
        QVERIFY(!hub.marker().isSet);
    }

    void accuracyAndDigitsSetTheXReadout()
    {
        TestEnvironment env;
        ManagerSignal hub(ParamSignal::ModeVA);
        deliver(hub, tones(1000));
        CalculateDate calc(&hub);
        DisplayFrequency view(&hub, &calc);
        QVERIFY(showAndWait(view));
        LineConnection *marker = view.markers()->addMarker(0.0);
        marker->enterPosition(1.2345678);  // typed: taken as it is
        actionNamed(marker->menu()->menu(), "1 Hz")->trigger();
        QCOMPARE(marker->textX(), QStringLiteral("1.234568 MHz"));
        actionNamed(marker->menu()->menu(), "1 MHz")->trigger();
        QCOMPARE(marker->textX(), QStringLiteral("1 MHz"));
        QLineEdit *digits = marker->menu()->digitsEdit();
        int position = 0;
        QString text = QStringLiteral("2a");
        QCOMPARE(digits->validator()->validate(text, position), QValidator::Invalid);
        digits->setText(QStringLiteral(" 2"));
        emit digits->editingFinished();
        QCOMPARE(marker->textX(), QStringLiteral("1.23 MHz"));
    }

    void channelPowerAndOccupiedBandwidthOnTheSpectrum()
    {
        TestEnvironment env;
        ManagerSignal hub(ParamSignal::ModeVA);
        deliver(hub, tones(2000));
        CalculateDate calc(&hub);
        DisplayFrequency view(&hub, &calc);
        QVERIFY(showAndWait(view));
        MarkersInfo *info = view.markers();
        GuiMenuMarkerData *panel = info->panel();
        QCOMPARE(panel->butChannelPower()->text(), QStringLiteral("+ Channel Power"));
        panel->butChannelPower()->click();
        QCOMPARE(panel->butChannelPower()->text(), QStringLiteral("- Channel Power"));
        // Two markers appear to delimit the band; they can be dragged anywhere.
        QCOMPARE(info->markers().size(), 2);
        info->markers().at(0)->enterPosition(0.5);
        info->markers().at(1)->enterPosition(1.5);
        const QVector<QPointF> full = calc.fullSeries(1, CalculateDateSlot::KindSpectrum);
        const double power = MarkerMath::channelPower(full, 0.5, 1.5, view.axisX()->min(), view.axisX()->max());
        QCOMPARE(info->channelPower(), power);
        QVERIFY(!info->infoRect().isEmpty());
        QCOMPARE(info->infoText(), QStringLiteral("POWER: ") + MarkerMath::formatValue(power) + QStringLiteral(" dBm"));

        panel->comboMode()->setCurrentIndex(MarkersInfo::ModeOccupiedBandwidth);
        emit panel->comboMode()->activated(MarkersInfo::ModeOccupiedBandwidth);
        QCOMPARE(info->mode(), int(MarkersInfo::ModeOccupiedBandwidth));
        QCOMPARE(info->bandLines().size(), 2);
        QCOMPARE(info->occupiedBand(), MarkerMath::occupiedBand(full));
        QCOMPARE(info->bandLines().at(1)->x(), info->occupiedBand().second);
        QVERIFY(info->infoText().endsWith(QStringLiteral("OBW: ")
                                          + UnitPrefix::formatLarge((info->occupiedBand().second - info->occupiedBand().first) * 1e6,
                                                                    QStringLiteral("Hz"), MarkerMath::kDecimals)));
        info->markers().at(1)->setMode(MarkerMath::ModeMaximum);
        QVERIFY(nextFrame(view));
        saveShot(view, "measurements");
        info->showPanel();
        QCOMPARE(panel->markerButtons().size(), 2);
        QCOMPARE(panel->markerButtons().at(1)->text(), QStringLiteral("M2"));
        if (!qEnvironmentVariableIsEmpty("TW_MARKER_SHOTS"))
            panel->grab().save(qEnvironmentVariable("TW_MARKER_SHOTS") + QStringLiteral("/panel.png"));
        panel->hide();
        info->setModeOBW(false);
        QVERIFY(info->bandLines().isEmpty());
    }

    // In a frame of a 2x2 grid on a small screen the readouts stacked from the top would
    // cover the measurement box and each other: those that do not fit give way.
    void readoutsGiveWayInASmallSpectrum()
    {
        TestEnvironment env;
        ManagerSignal hub(ParamSignal::ModeVA);
        deliver(hub, tones(2000));
        CalculateDate calc(&hub);
        DisplayFrequency view(&hub, &calc);
        QVERIFY(showAndWait(view));
        MarkersInfo *info = view.markers();
        info->panel()->butChannelPower()->click();
        info->panel()->butRms()->click();
        info->addMarker(-2.5);
        view.graphic()->resize(600, 260);
        QVERIFY(nextFrame(view));
        QTest::qWait(50);
        const QRect plot = view.graphic()->plotRect().toRect();
        QVector<QRect> drawn{info->infoRect()};
        QVERIFY(!info->infoRect().isEmpty());
        for (LineConnection *marker : info->markers()) {
            const QRect readout = marker->markerRect();
            if (readout.isEmpty())
                continue;
            QVERIFY2(readout.left() >= plot.left() && readout.bottom() <= plot.bottom() + 1,
                     "a readout runs off the plot");
            for (const QRect &other : drawn)
                QVERIFY2(!other.intersects(readout), "two readouts overlap");
            drawn.append(readout);
        }
        QVERIFY2(drawn.size() >= 2, "no marker kept its readout");
        view.graphic()->resize(900, 420);
        QVERIFY(nextFrame(view));
        for (LineConnection *marker : info->markers())
            QVERIFY2(!marker->markerRect().isEmpty(), "a readout stays hidden in a large plot");
    }

    void occupiedBandwidthTakesThePrefixOfTheWidth()
    {
        // About 2 MHz occupied around a 1 GHz carrier: the axis is in GHz, the width is not.
        TestEnvironment env;
        ManagerSignal hub(ParamSignal::ModeVA);
        deliver(hub, tones(2000));
        CalculateDate calc(&hub);
        calc.setCarrierFreq(1e9);
        DisplayFrequency view(&hub, &calc);
        QVERIFY(showAndWait(view));
        QCOMPARE(view.axisX()->titleText(), QStringLiteral("Frequency (GHz)"));
        GuiMenuMarkerData *panel = view.markers()->panel();
        panel->comboMode()->setCurrentIndex(MarkersInfo::ModeOccupiedBandwidth);
        emit panel->comboMode()->activated(MarkersInfo::ModeOccupiedBandwidth);
        const QPair<double, double> band = view.markers()->occupiedBand();
        const double widthHz = (band.second - band.first) * 1e9;
        QVERIFY2(widthHz > 1e6 && widthHz < 8e6, qPrintable(QString::number(widthHz)));
        QCOMPARE(view.markers()->infoText(),
                 QStringLiteral("OBW: ") + trimmed(widthHz / 1e6)
                     + QStringLiteral(" MHz"));
    }

    void rmsOfTheSelectedStretch()
    {
        TestEnvironment env;
        ManagerSignal hub(ParamSignal::ModeVA);
        IQVector samples(1000);
        for (int k = 0; k < samples.size(); ++k)  // full scale in the first half, silent after it
            samples[k] = k < 500 ? std::polar(1.0, 0.3 * k) : IQ(0.0, 0.0);
        deliver(hub, samples);
        CalculateDate calc(&hub);
        DisplayITime view(&hub, &calc);
        QVERIFY(showAndWait(view));
        MarkersInfo *info = view.markers();
        info->panel()->butRms()->click();
        QCOMPARE(info->panel()->butRms()->text(), QStringLiteral("- RMS"));
        QVERIFY(std::abs(info->rms() - 10 * std::log10(0.5)) < 1e-12);  // the whole selection
        info->panel()->butSelectSignal()->click();
        QVERIFY(info->wgtSelectSignal()->isVisible());
        info->setRmsRange(0.1, 0.4);
        QCOMPARE(info->infoText(), QStringLiteral("RMS: 0 dBm"));
        info->setRmsRange(0.6, 0.9);
        QCOMPARE(info->rms(), -200.0);
        // Dragging the stretch by its body moves it back over the tone.
        QFrame *selection = info->wgtSelectSignal();
        const int shift = -int(0.5 * view.graphic()->plotRect().width());
        const QPoint middle(selection->width() / 2, 20);
        drag(selection, middle, middle + QPoint(shift, 0));
        QVERIFY2(info->rmsRange().second < 0.5, qPrintable(QString::number(info->rmsRange().second)));
        QCOMPARE(info->rms(), 0.0);
        saveShot(view, "rms");
    }

    void verticalZoomDragsTheLimits()
    {
        TestEnvironment env;
        ManagerSignal hub(ParamSignal::ModeVA);
        CalculateDate calc(&hub);
        DisplayITime view(&hub, &calc);
        view.graphic()->resize(600, 400);
        view.graphic()->show();
        QVERIFY(QTest::qWaitForWindowExposed(view.graphic()));
        LineVerticalZoom *zoom = view.verticalZoom();
        QCOMPARE(zoom->objectName(), QStringLiteral("wgtVertZoom"));
        view.autoLimit()->setAutoMax(true);
        const double span = view.axisY()->max() - view.axisY()->min();
        const double perPixel = span / zoom->height();
        // 20 px down in the upper half lowers the maximum by 20 px worth of axis.
        drag(zoom, QPoint(4, 10), QPoint(4, 30));
        QVERIFY2(std::abs(view.axisY()->max() - (1.1 - 20 * perPixel)) < 1e-9, qPrintable(QString::number(view.axisY()->max())));
        QVERIFY(!view.autoLimit()->isAutoMax());  // set by hand: automatic scaling lets go
        // The lower half moves the minimum, and never past the maximum.
        drag(zoom, QPoint(4, zoom->height() - 5), QPoint(4, zoom->height() - 5 - 10 * zoom->height()));
        QCOMPARE(view.axisY()->min(), -1.1);
        const double newPerPixel = (view.axisY()->max() - view.axisY()->min()) / zoom->height();
        drag(zoom, QPoint(4, zoom->height() - 5), QPoint(4, zoom->height() + 15));
        QVERIFY(std::abs(view.axisY()->min() - (-1.1 - 20 * newPerPixel)) < 1e-9);
    }
};

QTEST_MAIN(TestMarkers)
#include "tst_Markers.moc"
