#include "FrameSettingsPanel.h"

#include "GraphicSignal.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QSpinBox>

namespace {
constexpr int kMaxAverage = 1000;
constexpr int kMaxLayer = 255;
constexpr double kLimitRange = 1e6;

// The choices' English names travel with each item as its data, since the graphic
// compares them; the user sees the caption in the interface language.
const char *const kColours[] = {QT_TRANSLATE_NOOP("FrameSettingsPanel", "Yellow"),
                                QT_TRANSLATE_NOOP("FrameSettingsPanel", "Turquoise"),
                                QT_TRANSLATE_NOOP("FrameSettingsPanel", "Red"),
                                QT_TRANSLATE_NOOP("FrameSettingsPanel", "Green"),
                                QT_TRANSLATE_NOOP("FrameSettingsPanel", "White"),
                                QT_TRANSLATE_NOOP("FrameSettingsPanel", "Orange")};
const char *const kEffects[] = {QT_TRANSLATE_NOOP("FrameSettingsPanel", "No effect"),
                                QT_TRANSLATE_NOOP("FrameSettingsPanel", "Spectrogram")};
const char *const kFormats[] = {QT_TRANSLATE_NOOP("FrameSettingsPanel", "Decimal"),
                                QT_TRANSLATE_NOOP("FrameSettingsPanel", "Hexadecimal"),
                                QT_TRANSLATE_NOOP("FrameSettingsPanel", "Binary")};
}  // namespace

QStringList FrameSettingsPanel::colourNames()
{
    QStringList names;
    for (const char *name : kColours)
        names.append(QString::fromLatin1(name));
    return names;
}

FrameSettingsPanel::FrameSettingsPanel(GraphicSignal *graphic, QWidget *parent)
    : QWidget(parent), m_graphic(graphic), m_colour(new QComboBox(this)), m_effect(new QComboBox(this)),
      m_average(new QSpinBox(this)), m_min(new QDoubleSpinBox(this)), m_max(new QDoubleSpinBox(this)),
      m_autoMin(new QCheckBox(tr("Auto"), this)), m_autoMax(new QCheckBox(tr("Auto"), this)),
      m_layer(new QSpinBox(this)), m_format(new QComboBox(this))
{
    m_colour->setObjectName(QStringLiteral("comboColour"));
    m_effect->setObjectName(QStringLiteral("comboEffect"));
    m_format->setObjectName(QStringLiteral("comboFormat"));
    const QStringList qtColours{QStringLiteral("#f0d000"), QStringLiteral("#30d5c8"), QStringLiteral("#e03030"),
                                QStringLiteral("#40c040"), QStringLiteral("#f0f0f0"), QStringLiteral("#ff9020")};
    for (int i = 0; i < qtColours.size(); ++i)
        m_colour->addItem(tr(kColours[i]), qtColours.at(i));
    // The spectrogram is the effect the views offer; the spectrum draws it.
    for (const char *effect : kEffects)
        m_effect->addItem(tr(effect), QString::fromLatin1(effect));
    m_average->setRange(1, kMaxAverage);
    for (QDoubleSpinBox *limit : {m_min, m_max}) {
        limit->setRange(-kLimitRange, kLimitRange);
        limit->setDecimals(3);
        limit->setKeyboardTracking(false);
    }
    m_min->setValue(-100.0);
    m_max->setValue(10.0);
    m_autoMin->setChecked(true);
    m_autoMax->setChecked(true);
    m_layer->setRange(1, kMaxLayer);
    for (const char *format : kFormats)
        m_format->addItem(tr(format), QString::fromLatin1(format));

    auto rowOf = [this](QWidget *a, QWidget *b) {
        auto *row = new QWidget(this);
        auto *layout = new QHBoxLayout(row);
        layout->setContentsMargins(0, 0, 0, 0);
        layout->addWidget(a, 1);
        layout->addWidget(b);
        return row;
    };
    auto *form = new QFormLayout(this);
    form->addRow(tr("Colour"), m_colour);
    form->addRow(tr("Effect"), m_effect);
    form->addRow(tr("Averaging"), m_average);
    form->addRow(tr("Y Maximum"), rowOf(m_max, m_autoMax));
    form->addRow(tr("Y Minimum"), rowOf(m_min, m_autoMin));
    form->addRow(tr("Layer"), m_layer);
    form->addRow(tr("Format"), m_format);

    connect(m_colour, qOverload<int>(&QComboBox::activated), this,
            [this](int index) { emit m_graphic->signalSetColor(QColor(m_colour->itemData(index).toString())); });
    connect(m_effect, qOverload<int>(&QComboBox::activated), this,
            [this](int index) { m_graphic->setEffect(m_effect->itemData(index).toString()); });
    connect(m_average, qOverload<int>(&QSpinBox::valueChanged), this, [this](int value) {
        emit m_graphic->signalSetAverage(value);
        emit m_graphic->signalSendAverSpectrum(value);
    });
    connect(m_min, qOverload<double>(&QDoubleSpinBox::valueChanged), this, &FrameSettingsPanel::sendLimits);
    connect(m_max, qOverload<double>(&QDoubleSpinBox::valueChanged), this, &FrameSettingsPanel::sendLimits);
    connect(m_autoMin, &QCheckBox::toggled, m_graphic, &GraphicSignal::signalSendAutoMin);
    connect(m_autoMax, &QCheckBox::toggled, m_graphic, &GraphicSignal::signalSendAutoMax);
    connect(m_layer, qOverload<int>(&QSpinBox::valueChanged), m_graphic, &GraphicSignal::signalSetLayer);
    connect(m_format, qOverload<int>(&QComboBox::activated), this,
            [this](int index) { emit m_graphic->signalSetFormat(m_format->itemData(index).toString()); });
}

void FrameSettingsPanel::sendLimits()
{
    // A maximum below the minimum would turn the plot upside down: keep them ordered.
    if (m_max->value() <= m_min->value()) {
        const QSignalBlocker blocker(m_max);
        m_max->setValue(m_min->value() + 1.0);
    }
    m_autoMin->setChecked(false);
    m_autoMax->setChecked(false);
    emit m_graphic->signalSendMin(m_min->value());
    emit m_graphic->signalSendMax(m_max->value());
}
