#include "FrameSettingsPanel.h"

#include "GraphicSignal.h"
#include "SizeHints.h"

#include <QCheckBox>
#include <algorithm>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QEvent>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <iterator>
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
                                QT_TRANSLATE_NOOP("FrameSettingsPanel", "Sunset"),
                                QT_TRANSLATE_NOOP("FrameSettingsPanel", "Spectrogram")};
const char *const kFormats[] = {QT_TRANSLATE_NOOP("FrameSettingsPanel", "Decimal"),
                                QT_TRANSLATE_NOOP("FrameSettingsPanel", "Hexadecimal"),
                                QT_TRANSLATE_NOOP("FrameSettingsPanel", "Binary")};
const char *const kCaptions[] = {QT_TRANSLATE_NOOP("FrameSettingsPanel", "Colour"),
                                 QT_TRANSLATE_NOOP("FrameSettingsPanel", "Effect"),
                                 QT_TRANSLATE_NOOP("FrameSettingsPanel", "Averaging"),
                                 QT_TRANSLATE_NOOP("FrameSettingsPanel", "Y Maximum"),
                                 QT_TRANSLATE_NOOP("FrameSettingsPanel", "Y Minimum"),
                                 QT_TRANSLATE_NOOP("FrameSettingsPanel", "Layer"),
                                 QT_TRANSLATE_NOOP("FrameSettingsPanel", "Format")};
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
      m_autoMin(new QCheckBox(this)), m_autoMax(new QCheckBox(this)),
      m_layer(new QSpinBox(this)), m_format(new QComboBox(this))
{
    m_colour->setObjectName(QStringLiteral("comboColour"));
    m_effect->setObjectName(QStringLiteral("comboEffect"));
    m_format->setObjectName(QStringLiteral("comboFormat"));
    m_min->setObjectName(QStringLiteral("spinMinimum"));
    m_max->setObjectName(QStringLiteral("spinMaximum"));
    m_average->setObjectName(QStringLiteral("spinAverage"));
    m_layer->setObjectName(QStringLiteral("spinLayer"));
    const QStringList qtColours{QStringLiteral("#f0d000"), QStringLiteral("#30d5c8"), QStringLiteral("#e03030"),
                                QStringLiteral("#40c040"), QStringLiteral("#f0f0f0"), QStringLiteral("#ff9020")};
    for (int i = 0; i < qtColours.size(); ++i)
        m_colour->addItem(QString(), qtColours.at(i));
    // Sunset fades earlier traces out in every plot; the spectrum also draws as a spectrogram.
    for (const char *effect : kEffects)
        m_effect->addItem(QString(), QString::fromLatin1(effect));
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
        m_format->addItem(QString(), QString::fromLatin1(format));

    auto rowOf = [this](QWidget *a, QWidget *b) {
        auto *row = new QWidget(this);
        auto *layout = new QHBoxLayout(row);
        layout->setContentsMargins(0, 0, 0, 0);
        layout->addWidget(a, 1);
        layout->addWidget(b);
        return row;
    };
    const QList<QWidget *> rows{m_colour, m_effect, m_average, rowOf(m_max, m_autoMax), rowOf(m_min, m_autoMin),
                                m_layer, m_format};
    auto *form = new QFormLayout(this);
    for (int i = 0; i < rows.size(); ++i) {
        m_rows[i] = rows.at(i);
        form->addRow(new QLabel(this), m_rows[i]);
    }
    retranslate();

    connect(m_colour, qOverload<int>(&QComboBox::activated), this,
            [this](int index) { emit m_graphic->signalSetColor(QColor(m_colour->itemData(index).toString())); });
    connect(m_effect, qOverload<int>(&QComboBox::activated), this,
            [this](int index) { m_graphic->setEffect(m_effect->itemData(index).toString()); });
    connect(m_average, qOverload<int>(&QSpinBox::valueChanged), this, [this](int value) {
        emit m_graphic->signalSetAverage(value);
        emit m_graphic->signalSendAverSpectrum(value);
    });
    connect(m_graphic, &GraphicSignal::signalMaxAverage, m_average, &QSpinBox::setMaximum);
    connect(m_min, qOverload<double>(&QDoubleSpinBox::valueChanged), this, &FrameSettingsPanel::sendLimits);
    connect(m_max, qOverload<double>(&QDoubleSpinBox::valueChanged), this, &FrameSettingsPanel::sendLimits);
    connect(m_graphic, &GraphicSignal::limitsShown, this, &FrameSettingsPanel::showLimits);
    connect(m_autoMin, &QCheckBox::toggled, m_graphic, &GraphicSignal::signalSendAutoMin);
    connect(m_autoMax, &QCheckBox::toggled, m_graphic, &GraphicSignal::signalSendAutoMax);
    connect(m_layer, qOverload<int>(&QSpinBox::valueChanged), m_graphic, &GraphicSignal::signalSetLayer);
    // A layer the recording does not hold cannot be chosen, nor stay chosen from an earlier one.
    connect(m_graphic, &GraphicSignal::signalLayerCount, m_layer,
            [this](int count) { m_layer->setMaximum(std::clamp(count, 1, kMaxLayer)); });
    connect(m_format, qOverload<int>(&QComboBox::activated), this,
            [this](int index) { emit m_graphic->signalSetFormat(m_format->itemData(index).toString()); });
}

void FrameSettingsPanel::setCompact(bool isCompact)
{
    auto *form = static_cast<QFormLayout *>(layout());
    const auto policy = isCompact ? QFormLayout::WrapAllRows : QFormLayout::DontWrapRows;
    if (form->rowWrapPolicy() != policy)
        form->setRowWrapPolicy(policy);
}

void FrameSettingsPanel::retranslate()
{
    m_autoMin->setText(tr("Auto"));
    m_autoMax->setText(tr("Auto"));
    for (int i = 0; i < m_colour->count(); ++i)
        m_colour->setItemText(i, tr(kColours[i]));
    for (int i = 0; i < m_effect->count(); ++i)
        m_effect->setItemText(i, tr(kEffects[i]));
    for (int i = 0; i < m_format->count(); ++i)
        m_format->setItemText(i, tr(kFormats[i]));
    for (QComboBox *combo : {m_colour, m_effect, m_format})
        refitComboBox(combo);
    auto *form = static_cast<QFormLayout *>(layout());
    for (int i = 0; i < int(std::size(m_rows)); ++i) {
        if (auto *caption = qobject_cast<QLabel *>(form->labelForField(m_rows[i])))
            caption->setText(tr(kCaptions[i]));
    }
}

void FrameSettingsPanel::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QWidget::changeEvent(event);
}

double FrameSettingsPanel::shownMin() const { return m_min->value(); }

double FrameSettingsPanel::shownMax() const { return m_max->value(); }

void FrameSettingsPanel::showLimits(double min, double max)
{
    const QSignalBlocker blockMin(m_min);
    const QSignalBlocker blockMax(m_max);
    m_min->setValue(min);
    m_max->setValue(max);
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
