#include "FrameGraphicSignal.h"
#include "FrameSettingsPanel.h"
#include "GraphicCatalogue.h"
#include "GraphicFactory.h"
#include "LayoutFrames.h"
#include "ParamSignal.h"

#include <QFormLayout>
#include <QLabel>
#include <QToolButton>
#include <QMimeData>
#include <QtTest>

namespace {
// Shows a plain label for the time views, the spectrum and the power; every other graphic has no engine here.
class LabelFactory : public GraphicFactory
{
public:
    QWidget *create(GraphicCatalogue::Kind kind, GraphicSignal *host) override
    {
        if (!kinds().contains(kind))
            return nullptr;
        return new QLabel(GraphicCatalogue::nameOf(kind), host);
    }
    QVector<GraphicCatalogue::Kind> kinds() const override
    {
        return {GraphicCatalogue::KindITime, GraphicCatalogue::KindQTime, GraphicCatalogue::KindSpectrum,
                GraphicCatalogue::KindPower};
    }
};
LabelFactory labels;
GraphicFactory *const labelFactory = &labels;

QStringList frameNames(const LayoutFrames &layout)
{
    QStringList names;
    for (const FrameGraphicSignal *frame : layout.frames())
        names.append(frame->graphicName());
    return names;
}
}  // namespace

class tst_LayoutFrames : public QObject
{
    Q_OBJECT
private slots:
    void namesAndKinds();
    void gridTextRoundTrips();
    void twoOverOneLaysOutTwoFramesAboveOne();
    void textsThatAreNotGridsChangeNothing_data();
    void textsThatAreNotGridsChangeNothing();
    void equalLayoutTruncatesEachValue();
    void weightedLayoutKeepsProportionsAndMinimums();
    void removingAFrameGivesItsShareToItsRow();
    void removingALoneFrameGivesItsShareToTheNextRow();
    void formingAGridKeepsTheGraphicsInOrder();
    void emptyFramesAndGraphicsWithoutAnEngineShowNoData();
    void droppedNameReplacesTheGraphic();
    void separateWindowGoesAndComesBack();
    void settingsFitANarrowFrameWithTheirCaptionsAboveTheFields();
};

void tst_LayoutFrames::namesAndKinds()
{
    QCOMPARE(GraphicCatalogue::kindOf(QStringLiteral("Spectrum"), ParamSignal::ModeVA), 3);
    QCOMPARE(GraphicCatalogue::kindOf(QStringLiteral("spectrum"), ParamSignal::ModeVA), 3);
    QCOMPARE(GraphicCatalogue::kindOf(QStringLiteral("Error_Summary_Data"), ParamSignal::ModeDM), 8);
    QCOMPARE(GraphicCatalogue::kindOf(QStringLiteral("constellation diagram"), ParamSignal::Mode5G), 12);
    QCOMPARE(GraphicCatalogue::kindOf(QStringLiteral("constellation diagram"), ParamSignal::ModeDM), 6);
    QCOMPARE(GraphicCatalogue::kindOf(QStringLiteral("Result"), ParamSignal::ModeACLR), 16);
    QCOMPARE(GraphicCatalogue::kindOf(QStringLiteral("Result"), ParamSignal::ModeVA), -1);
    QCOMPARE(GraphicCatalogue::kindOf(QStringLiteral("No Data"), ParamSignal::ModeVA), -1);
    QCOMPARE(GraphicCatalogue::kindOf(QStringLiteral("banana"), ParamSignal::ModeVA), -1);
    QCOMPARE(GraphicCatalogue::effectOf(QStringLiteral("Sunset")), 1);
    QCOMPARE(GraphicCatalogue::effectOf(QStringLiteral("spectrogram")), 2);
    QCOMPARE(GraphicCatalogue::effectOf(QStringLiteral("No effect")), 0);
    QCOMPARE(GraphicCatalogue::gridName(QStringLiteral("i time")), QStringLiteral("I_Time"));
    QCOMPARE(GraphicCatalogue::gridName(QStringLiteral("error summary data")), QStringLiteral("Error_Summary_Data"));
}

void tst_LayoutFrames::gridTextRoundTrips()
{
    LayoutFrames layout(ParamSignal::ModeVA, labelFactory);
    QVERIFY(layout.setGrid(QStringLiteral("{GRID:Distribution(2,1) Spectrum(2,1) I_Time(1,1) Power(1,3) }")));
    const QString text = layout.gridText();
    QCOMPARE(text, QStringLiteral("{GRID:Distribution(2,1) Spectrum(2,1) I_Time(1,1) Power(1,3) }"));
    LayoutFrames again(ParamSignal::ModeVA, labelFactory);
    QVERIFY(again.setGrid(text));
    QCOMPARE(again.gridText(), text);
    // The compact form without a blank before "}" reads the same.
    QVERIFY(again.setGrid(QStringLiteral("{GRID:Distribution(1,1) Spectrum(1,1) Power(1,1)}")));
    QCOMPARE(again.gridText(), QStringLiteral("{GRID:Distribution(1,1) Spectrum(1,1) Power(1,1) }"));
}

void tst_LayoutFrames::twoOverOneLaysOutTwoFramesAboveOne()
{
    LayoutFrames layout(ParamSignal::ModeVA, labelFactory);
    QSignalSpy gridSpy(&layout, &LayoutFrames::sendCurrentGrid);
    layout.resize(900, 601);
    QVERIFY(layout.setGrid(QStringLiteral("{GRID:Distribution(2,1) Spectrum(1,1) Power(1,1) I_Time(1,1)}")));
    const auto frames = layout.frames();
    QCOMPARE(frames.size(), 3);
    QCOMPARE(frames.at(0)->geometry(), QRect(0, 0, 450, 300));
    QCOMPARE(frames.at(1)->geometry(), QRect(450, 0, 450, 300));
    QCOMPARE(frames.at(2)->geometry(), QRect(0, 300, 900, 300));
    QCOMPARE(gridSpy.last(), (QList<QVariant>{2, 2}));
}

void tst_LayoutFrames::textsThatAreNotGridsChangeNothing_data()
{
    QTest::addColumn<QString>("text");
    QTest::newRow("no grid tag") << "Distribution(1) Spectrum(1,1)}";
    QTest::newRow("empty") << "";
    QTest::newRow("no frames") << "{GRID:Distribution() }";
    QTest::newRow("rows do not add up") << "{GRID:Distribution(2,2) Spectrum(1,1) Power(1,1)}";
    QTest::newRow("letter in distribution") << "{GRID:Distribution(a) Spectrum(1,1)}";
    QTest::newRow("unclosed") << "{GRID:Distribution(1) Spectrum(1,1)";
}

void tst_LayoutFrames::textsThatAreNotGridsChangeNothing()
{
    QFETCH(QString, text);
    LayoutFrames layout(ParamSignal::ModeVA, labelFactory);
    QVERIFY(layout.setGrid(QStringLiteral("{GRID:Distribution(1) Spectrum(1,1)}")));
    const QString before = layout.gridText();
    QVERIFY(!layout.setGrid(text));
    QCOMPARE(layout.gridText(), before);
}

void tst_LayoutFrames::equalLayoutTruncatesEachValue()
{
    const QVector<QRect> rects = LayoutFrames::equalLayout({3, 1}, QSize(1000, 101));
    QCOMPARE(rects.size(), 4);
    QCOMPARE(rects.at(1), QRect(333, 0, 333, 50));
    QCOMPARE(rects.at(2), QRect(666, 0, 333, 50));
    QCOMPARE(rects.at(3), QRect(0, 50, 1000, 50));
    // A container lower than 3 pixels is treated as 3 pixels high.
    QCOMPARE(LayoutFrames::equalLayout({1}, QSize(10, 0)).first().height(), 3);
}

void tst_LayoutFrames::weightedLayoutKeepsProportionsAndMinimums()
{
    const QVector<QRect> rects = LayoutFrames::weightedLayout({2, 1}, {QPoint(3, 1), QPoint(1, 1), QPoint(1, 3)},
                                                              QSize(1200, 800));
    QCOMPARE(rects.at(0).width(), 900);
    QCOMPARE(rects.at(1).width(), 300);
    QCOMPARE(rects.at(0).height(), 200);
    QCOMPARE(rects.at(2).height(), 600);
    QCOMPARE(rects.at(2).top(), 200);
    // A tiny weight still gets a usable frame.
    const QVector<QRect> narrow = LayoutFrames::weightedLayout({2}, {QPoint(50, 1), QPoint(1, 1)}, QSize(1000, 400));
    QCOMPARE(narrow.at(1).width(), LayoutFrames::kMinFrameWidth);
    QCOMPARE(narrow.at(0).width() + narrow.at(1).width(), 1000);
}

void tst_LayoutFrames::removingAFrameGivesItsShareToItsRow()
{
    LayoutFrames layout(ParamSignal::ModeVA, labelFactory);
    layout.resize(900, 600);
    QVERIFY(layout.setGrid(QStringLiteral("{GRID:Distribution(3,1) Spectrum(1,1) Power(1,1) I_Time(1,1) Q_Time(1,1)}")));
    QSignalSpy delSpy(&layout, &LayoutFrames::delFrame);
    layout.removeFrame(layout.frames().at(1));
    QCOMPARE(delSpy.count(), 1);
    QCOMPARE(layout.gridText(), QStringLiteral("{GRID:Distribution(2,1) Spectrum(2,1) I_Time(2,1) Q_Time(1,1) }"));
    QCOMPARE(layout.frames().at(0)->width(), 450);
}

void tst_LayoutFrames::removingALoneFrameGivesItsShareToTheNextRow()
{
    LayoutFrames layout(ParamSignal::ModeVA, labelFactory);
    layout.resize(900, 600);
    QVERIFY(layout.setGrid(QStringLiteral("{GRID:Distribution(1,2) Spectrum(1,1) Power(1,1) I_Time(1,1)}")));
    layout.removeFrame(layout.frames().at(0));
    QCOMPARE(layout.gridText(), QStringLiteral("{GRID:Distribution(2) Power(1,2) I_Time(1,2) }"));
    QCOMPARE(layout.frames().at(0)->height(), 600);
}

void tst_LayoutFrames::formingAGridKeepsTheGraphicsInOrder()
{
    LayoutFrames layout(ParamSignal::ModeVA, labelFactory);
    QVERIFY(layout.setGrid(QStringLiteral("{GRID:Distribution(1,1) Spectrum(1,1) Power(1,1)}")));
    layout.formFrames(2, 2);
    QCOMPARE(layout.distribution(), (QVector<int>{2, 2}));
    QCOMPARE(frameNames(layout), (QStringList{QStringLiteral("spectrum"), QStringLiteral("power"),
                                              QStringLiteral("NoGraph"), QStringLiteral("NoGraph")}));
}

void tst_LayoutFrames::emptyFramesAndGraphicsWithoutAnEngineShowNoData()
{
    LayoutFrames layout(ParamSignal::ModeVA, labelFactory);
    QVERIFY(layout.setGrid(QStringLiteral("{GRID:Distribution(2) NoGraph(1,1) Vector_Diagram(1,1)}")));
    for (FrameGraphicSignal *frame : layout.frames()) {
        QVERIFY(frame->graphic()->isEmpty());
        auto *label = frame->findChild<QLabel *>(QStringLiteral("lblNoData"));
        QVERIFY(label && label->text().startsWith(QLatin1String("No Data")));
    }
    // The grid text keeps what the user asked for, shown or not.
    QCOMPARE(layout.gridText(), QStringLiteral("{GRID:Distribution(2) NoGraph(1,1) Vector_Diagram(1,1) }"));
}

void tst_LayoutFrames::droppedNameReplacesTheGraphic()
{
    LayoutFrames layout(ParamSignal::ModeVA, labelFactory);
    QVERIFY(layout.setGrid(QStringLiteral("{GRID:Distribution(1) NoGraph(1,1)}")));
    FrameGraphicSignal *frame = layout.frames().first();
    QMimeData mime;
    mime.setText(QStringLiteral("Spectrum"));
    QDropEvent drop(QPointF(5, 5), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    // Straight to the frame: outside a real drag the application does not deliver drops.
    static_cast<QObject *>(frame)->event(&drop);
    QCOMPARE(frame->graphicName(), QStringLiteral("spectrum"));
    QVERIFY(!frame->graphic()->isEmpty());
}

void tst_LayoutFrames::separateWindowGoesAndComesBack()
{
    LayoutFrames layout(ParamSignal::ModeVA, labelFactory);
    layout.resize(800, 600);
    QVERIFY(layout.setGrid(QStringLiteral("{GRID:Distribution(1,1) Spectrum(1,1) Power(1,1)}")));
    FrameGraphicSignal *frame = layout.frames().first();
    emit frame->separateWindow(frame);
    QTRY_VERIFY(frame->isSeparate());
    QVERIFY(frame->isWindow());
    QCOMPARE(layout.frames().size(), 1);
    QSignalSpy restore(&layout, &LayoutFrames::sendRestore);
    frame->close();  // closing the window puts the frame back
    QTRY_COMPARE(restore.count(), 1);
    QVERIFY(!frame->isWindow());
    QCOMPARE(layout.frames().size(), 2);
}

void tst_LayoutFrames::settingsFitANarrowFrameWithTheirCaptionsAboveTheFields()
{
    FrameGraphicSignal frame(ParamSignal::ModeVA, labelFactory);
    frame.setGraphic(QStringLiteral("Spectrum"));
    for (QToolButton *button : frame.findChildren<QToolButton *>()) {
        if (button->isCheckable())
            button->setChecked(true);  // the settings
    }
    auto *form = frame.findChild<QFormLayout *>();
    auto *settings = frame.findChild<FrameSettingsPanel *>();
    QVERIFY(form && settings);
    frame.resize(1400, 600);
    frame.show();
    QTRY_COMPARE(form->rowWrapPolicy(), QFormLayout::DontWrapRows);  // captions beside their fields
    // Too narrow for that: the captions go above, and the fields stay whole.
    frame.resize(260, 600);
    QTRY_COMPARE(form->rowWrapPolicy(), QFormLayout::WrapAllRows);
    QTRY_VERIFY(settings->width() >= settings->sizeHint().width());
    frame.resize(1400, 600);
    QTRY_COMPARE(form->rowWrapPolicy(), QFormLayout::DontWrapRows);
}

QTEST_MAIN(tst_LayoutFrames)
#include "tst_LayoutFrames.moc"
