#include "CalculateDate.h"
#include "DisplayFrequency.h"
#include "FilterCatalogue.h"
#include "FrameGraphicSignal.h"
#include "GuiParserPending.h"
#include "Graphic.h"
#include "IQ_Table.h"
#include "LanguageSwitcher.h"
#include "ManagerSignal.h"
#include "ParamSignal.h"
#include "RebornControllerGraphic.h"
#include "ShellResources.h"
#include "TestEnvironment.h"
#include "UnitPrefix.h"

#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QRegularExpression>
#include <QTableWidget>
#include <QTranslator>
#include <QXmlStreamReader>
#include <QtCharts/QChart>
#include <QtCharts/QValueAxis>
#include <QtTest>

namespace {
struct Message
{
    QString context;
    QString source;
    QString comment;
    QString translation;
    bool isFinished = true;
    bool isNumerus = false;
};

// The messages of a Qt Linguist catalogue; numerus forms are joined by "|".
QVector<Message> readCatalogue(const QString &path, QString *error)
{
    QVector<Message> messages;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        *error = file.errorString();
        return messages;
    }
    QXmlStreamReader xml(&file);
    QString context;
    Message message;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        const QStringRef name = xml.name();
        if (name == QLatin1String("name")) {
            context = xml.readElementText();
        } else if (name == QLatin1String("message")) {
            message = Message{context, QString(), QString(), QString(), true, false};
            message.isNumerus = xml.attributes().value(QLatin1String("numerus")) == QLatin1String("yes");
        } else if (name == QLatin1String("source")) {
            message.source = xml.readElementText();
        } else if (name == QLatin1String("comment")) {
            message.comment = xml.readElementText();
        } else if (name == QLatin1String("translation")) {
            message.isFinished = xml.attributes().value(QLatin1String("type")).isEmpty();
            if (message.isNumerus) {
                QStringList forms;
                while (xml.readNextStartElement())
                    forms << xml.readElementText();
                message.translation = forms.join(QLatin1Char('|'));
            } else {
                message.translation = xml.readElementText();
            }
            messages.append(message);
        }
    }
    if (xml.hasError())
        *error = xml.errorString();
    return messages;
}

QStringList placeholders(const QString &text)
{
    static const QRegularExpression marker(QStringLiteral("%\\d+"));
    QStringList found;
    for (auto it = marker.globalMatch(text); it.hasNext();)
        found << it.next().captured();
    found.sort();
    found.removeDuplicates();
    return found;
}

bool isCyrillic(const QString &text)
{
    static const QRegularExpression letter(QStringLiteral("[\\x{0400}-\\x{04FF}]"));
    return text.contains(letter);
}

QString lastSpaces(const QString &text)
{
    int n = 0;
    while (n < text.size() && text.at(text.size() - 1 - n) == QLatin1Char(' '))
        ++n;
    return text.right(n);
}

QString firstSpaces(const QString &text)
{
    int n = 0;
    while (n < text.size() && text.at(n) == QLatin1Char(' '))
        ++n;
    return text.left(n);
}
}  // namespace

class tst_Translation : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void catalogueIsCompleteAndCompiledIn();
    void framesShowRussianCaptionsAndPassEnglishChoices();
    void panelsRunBarAndTablesAreRussian();
    void spectrumReadoutsUseRussianUnits();
    void filterCaptionsLeadBackToTheirFilterInBothLanguages();

private:
    QScopedPointer<TestEnvironment> m_env;
    QScopedPointer<LanguageSwitcher> m_switcher;
};

void tst_Translation::init()
{
    m_env.reset(new TestEnvironment);
    m_switcher.reset(new LanguageSwitcher);
    QVERIFY(m_switcher->switchTo(QStringLiteral("russian")));
    UnitPrefix::setRussian(true);
}

void tst_Translation::cleanup()
{
    m_switcher.reset();
    UnitPrefix::setRussian(false);
}

void tst_Translation::catalogueIsCompleteAndCompiledIn()
{
    const QString path = QStringLiteral(TW_TRANSLATION_SOURCE);
    QString error;
    const QVector<Message> messages = readCatalogue(path, &error);
    QVERIFY2(error.isEmpty(), qPrintable(error));
    QVERIFY(messages.size() > 100);

    ShellResources::init();
    QTranslator compiled;
    QVERIFY(compiled.load(QStringLiteral("translate_ru"), QStringLiteral(":/Translation")));
    for (const Message &m : messages) {
        const QString where = m.context + QStringLiteral(": ") + m.source;
        QVERIFY2(m.isFinished && !m.translation.isEmpty(), qPrintable(QStringLiteral("unfinished: ") + where));
        // A lost %1 would leave .arg() nothing to fill; lost blanks would glue readouts to their values.
        QVERIFY2(placeholders(m.source) == placeholders(m.translation), qPrintable(QStringLiteral("markers: ") + where));
        QVERIFY2(firstSpaces(m.source) == firstSpaces(m.translation) && lastSpaces(m.source) == lastSpaces(m.translation),
                 qPrintable(QStringLiteral("blanks: ") + where));
        const QByteArray context = m.context.toUtf8(), source = m.source.toUtf8(), comment = m.comment.toUtf8();
        const char *disambiguation = m.comment.isEmpty() ? nullptr : comment.constData();
        if (m.isNumerus)
            QVERIFY2(!compiled.translate(context.constData(), source.constData(), disambiguation, 2).isEmpty(),
                     qPrintable(where));
        else
            QCOMPARE(compiled.translate(context.constData(), source.constData(), disambiguation), m.translation);
    }

    // Texts of the frames, readouts and messages are in the catalogue (not left out of tr()).
    const QVector<QPair<const char *, const char *>> samples{
        {"GraphicCatalogue", "Spectrum"},        {"FrameSettingsPanel", "Spectrogram"},
        {"FrameGraphicSignal", "Change Graphic"}, {"DisplayFrequency", "Frequency (%1Hz)"},
        {"DisplayGraphicSignal", "Time (ms)"},    {"IOSignal", "Warning"},
        {"IQ_Table", "Add a row"},               {"UserTableFile", "\"%1\" holds no values."},
        {"ModeAnalysis", "Error Connection"},    {"FilterChain", "UserFilter"}};
    for (const auto &sample : samples)
        QVERIFY2(isCyrillic(compiled.translate(sample.first, sample.second)), sample.second);
}

void tst_Translation::framesShowRussianCaptionsAndPassEnglishChoices()
{
    FrameGraphicSignal frame(ParamSignal::ModeVA, {});
    auto *title = frame.findChild<QLabel *>(QStringLiteral("lblFrameTitle"));
    QVERIFY(title);
    QCOMPARE(title->text(), QStringLiteral("Нет данных"));
    frame.setGraphic(QStringLiteral("Error_Vector_Time"));
    QCOMPARE(title->text(), QStringLiteral("Вектор ошибки от времени"));
    // Without a view for it the frame says why, naming the graphic as the title does.
    auto *empty = frame.findChild<QLabel *>(QStringLiteral("lblNoData"));
    QVERIFY(empty && empty->text().contains(QStringLiteral("«Вектор ошибки от времени»")));
    // The grid text and the drag data keep the catalogue name.
    QCOMPARE(frame.graphic()->name(), QStringLiteral("error vector time"));

    auto *effect = frame.findChild<QComboBox *>(QStringLiteral("comboEffect"));
    auto *format = frame.findChild<QComboBox *>(QStringLiteral("comboFormat"));
    auto *colour = frame.findChild<QComboBox *>(QStringLiteral("comboColour"));
    QVERIFY(effect && format && colour);
    QCOMPARE(effect->itemText(1), QStringLiteral("Затухание"));
    QCOMPARE(effect->itemText(2), QStringLiteral("Спектрограмма"));
    QCOMPARE(colour->itemText(0), QStringLiteral("Жёлтый"));
    QSignalSpy effects(frame.graphic(), &GraphicSignal::signalSetEffect);
    QSignalSpy formats(frame.graphic(), &GraphicSignal::signalSetFormat);
    emit effect->activated(2);
    emit format->activated(2);
    QCOMPARE(effects.count(), 1);
    QCOMPARE(effects.at(0).at(0).toString(), QStringLiteral("Spectrogram"));
    QCOMPARE(formats.at(0).at(0).toString(), QStringLiteral("Binary"));
}

void tst_Translation::panelsRunBarAndTablesAreRussian()
{
    RebornControllerGraphic bar;
    bar.setLayerCount(2);
    auto *layers = bar.findChild<QComboBox *>(QStringLiteral("comboLayer"));
    QVERIFY(layers);
    QCOMPARE(layers->itemText(0), QStringLiteral("Слой 1"));
    QCOMPARE(layers->itemText(2), QStringLiteral("Все слои"));
    QCOMPARE(layers->itemData(2).toInt(), 0);

    // The pending modes name their measurement as the menu does, not by its key.
    GuiParserPending panel("LTE");
    auto *measurement = panel.findChild<QLabel *>(QStringLiteral("lblMeasurement"));
    QVERIFY(measurement);
    panel.setMeasurement(QStringLiteral("Level_PSK"));
    QCOMPARE(measurement->text(), QStringLiteral("Измерение: PSK"));
    panel.setMeasurement(QStringLiteral("Downlink"));
    QCOMPARE(measurement->text(), QStringLiteral("Измерение: Нисходящий"));
    QVERIFY(panel.noticeText().startsWith(QStringLiteral("Анализ LTE пока недоступен.")));

    IQ_Table table;
    QCOMPARE(table.tableWidget()->horizontalHeaderItem(0)->text(), QStringLiteral("Символ"));
    QCOMPARE(table.tableWidget()->horizontalHeaderItem(1)->text(), QStringLiteral("I"));
}

void tst_Translation::spectrumReadoutsUseRussianUnits()
{
    ManagerSignal hub(ParamSignal::ModeVA);
    CalculateDate calculate(&hub);
    DisplayFrequency view(&hub, &calculate);
    QCOMPARE(view.chart()->title(), QStringLiteral("Спектр"));
    QCOMPARE(view.axisY()->titleText(), QStringLiteral("Амплитуда (дБм)"));
    QCOMPARE(view.axisX()->titleText(), QStringLiteral("Частота (МГц)"));
    // 1 MHz span over the default 2000-sample window.
    QCOMPARE(view.lblRBW()->text(), QStringLiteral("ПРФ: 850 Гц"));
    QCOMPARE(view.lblSpan()->text(), QStringLiteral("Обзор: 1 МГц"));
    view.updateAxes();
    QVERIFY2(view.axisX()->titleText().startsWith(QStringLiteral("Частота (")) &&
                 view.axisX()->titleText().endsWith(QStringLiteral("Гц)")),
             qPrintable(view.axisX()->titleText()));
}

void tst_Translation::filterCaptionsLeadBackToTheirFilterInBothLanguages()
{
    const QVector<QPair<int, const char *>> captions{{FilterNyquist, "Nyquist"},     {FilterRootNyquist, "R.Nyquist"},
                                                     {FilterGauss, "Gaussian"},      {FilterRectangle, "Rectangle"},
                                                     {FilterLowpass, "Lowpass"},     {FilterUser, "UserFilter"}};
    for (const auto &caption : captions) {
        const QString shown = filterName(caption.first);
        QVERIFY2(isCyrillic(shown), caption.second);
        QCOMPARE(filterType(shown), caption.first);
        // A name saved under the English interface still names its filter.
        QCOMPARE(filterType(QLatin1String(caption.second)), caption.first);
    }
    QCOMPARE(filterType(QStringLiteral("Bessel")), int(FilterNone));

    QVERIFY(m_switcher->switchTo(QStringLiteral("english")));
    for (const auto &caption : captions) {
        QCOMPARE(filterName(caption.first), QLatin1String(caption.second));
        QCOMPARE(filterType(filterName(caption.first)), caption.first);
    }
}

QTEST_MAIN(tst_Translation)
#include "tst_Translation.moc"
