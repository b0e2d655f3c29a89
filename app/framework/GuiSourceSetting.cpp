#include "GuiSourceSetting.h"

#include "FormCaptions.h"
#include "UnitLineEdit.h"
#include "UnitText.h"

#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QFileDialog>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QSpinBox>

namespace {
constexpr double kMaxRateHz = 100e9;
constexpr double kMaxCarrierHz = 1e12;
constexpr double kLevelLimitDbm = 1000.0;
constexpr double kMaxSyncHz = 1e9;

QWidget *row(QWidget *parent, std::initializer_list<QWidget *> widgets)
{
    auto *box = new QWidget(parent);
    auto *layout = new QHBoxLayout(box);
    layout->setContentsMargins(0, 0, 0, 0);
    for (QWidget *w : widgets) {
        w->setParent(box);
        layout->addWidget(w);
    }
    return box;
}
}  // namespace

GuiSourceSetting::GuiSourceSetting(QWidget *parent)
    : QWidget(parent),
      m_sampleRate(new UnitLineEdit(QStringLiteral("1 MHz"), 1e-3, kMaxRateHz, this)),
      m_carrier(new UnitLineEdit(QStringLiteral("0 GHz"), -kMaxCarrierHz, kMaxCarrierHz, this)),
      m_refLevel(new UnitLineEdit(QStringLiteral("0 dBm"), -kLevelLimitDbm, kLevelLimitDbm, this)),
      m_accuracy(new QComboBox(this)), m_source(new QComboBox(this)), m_butConnect(new QPushButton),
      m_butDisconnect(new QPushButton), m_state(new QLabel), m_deviceName(new QLabel(this)),
      m_points(new QSpinBox(this)), m_extSync(new QCheckBox), m_extSyncFreq(new UnitLineEdit(QStringLiteral("10 MHz"), 1.0, kMaxSyncHz)),
      m_compensPath(new QLineEdit), m_butCompens(new QPushButton), m_butReset(new QPushButton(this))
{
    m_sampleRate->setObjectName(QStringLiteral("sourceSet_InputSampleRate"));
    m_carrier->setObjectName(QStringLiteral("sourceSet_InputCarrier"));
    m_refLevel->setObjectName(QStringLiteral("sourceSet_InputRefLevel"));
    m_accuracy->setObjectName(QStringLiteral("sourceSet_ComboAccuracy"));
    m_accuracy->addItems({QString(), QString()});
    m_source->setObjectName(QStringLiteral("sourceSet_ComboSource"));
    m_source->addItem(QString(), int(SourceFile));
    m_source->addItem(QString(), int(SourceSignalAnalyzer));
    m_source->addItem(QString(), int(SourceVectorAnalysis));
    m_butConnect->setObjectName(QStringLiteral("sourceSet_ButConnect"));
    m_butDisconnect->setObjectName(QStringLiteral("sourceSet_ButDisconnect"));
    m_state->setObjectName(QStringLiteral("sourceSet_LblState"));
    m_deviceName->setObjectName(QStringLiteral("sourceSet_LblDevice"));
    m_points->setObjectName(QStringLiteral("sourceSet_InputPoints"));
    m_points->setRange(1, kMaxPoints);
    m_points->setValue(kDefaultPoints);
    m_points->setKeyboardTracking(false);
    m_extSync->setObjectName(QStringLiteral("sourceSet_CheckExtSync"));
    m_extSyncFreq->setObjectName(QStringLiteral("sourceSet_InputExtSync"));
    m_compensPath->setObjectName(QStringLiteral("sourceSet_InputCompens"));
    m_compensPath->setClearButtonEnabled(true);
    m_butCompens->setObjectName(QStringLiteral("sourceSet_ButCompens"));
    m_butCompens->setText(QStringLiteral("..."));
    m_butReset->setObjectName(QStringLiteral("sourceSet_ButReset"));
    m_connectRow = row(this, {m_butConnect, m_butDisconnect, m_state});
    QWidget *syncRow = row(this, {m_extSync, m_extSyncFreq});
    m_compensRow = row(this, {m_compensPath, m_butCompens});

    auto *layout = new QFormLayout(this);
    for (QWidget *field : std::initializer_list<QWidget *>{m_source, m_connectRow, m_deviceName, m_sampleRate,
                                                           m_carrier, m_refLevel, m_points, syncRow, m_compensRow,
                                                           m_accuracy, m_butReset})
        layout->addRow(new QLabel(this), field);
    setSourceOffered(SourceSignalAnalyzer, false);
    setSourceChoiceVisible(false);
    setConnected(false, QString());
    retranslate();
    connect(m_sampleRate, &UnitLineEdit::valueEdited, this, [this](double v) {
        emit sendSampleRate(v);
        emit changed();
    });
    connect(m_carrier, &UnitLineEdit::valueEdited, this, [this](double v) {
        emit sendCarrierFreq(v);
        emit changed();
    });
    connect(m_refLevel, &UnitLineEdit::valueEdited, this, [this](double v) {
        emit sendRefLevel(v);
        emit changed();
    });
    connect(m_points, qOverload<int>(&QSpinBox::valueChanged), this, &GuiSourceSetting::sendNumPts);
    connect(m_extSync, &QCheckBox::toggled, this, &GuiSourceSetting::sendExtSyncEnbl);
    connect(m_extSyncFreq, &UnitLineEdit::valueEdited, this, &GuiSourceSetting::sendExtSync);
    connect(m_butCompens, &QPushButton::clicked, this, &GuiSourceSetting::chooseCompensation);
    // A path typed in, or none: the compensation follows the field.
    connect(m_compensPath, &QLineEdit::editingFinished, this, [this] {
        if (m_compensPath->text() != m_lastCompensPath) {
            m_lastCompensPath = m_compensPath->text();
            emit sendPathCompens(m_lastCompensPath);
        }
    });
    connect(m_compensPath, &QLineEdit::textChanged, this, [this](const QString &text) {
        if (text.isEmpty() && !m_lastCompensPath.isEmpty()) {
            m_lastCompensPath.clear();
            emit sendPathCompens(QString());
        }
    });
    connect(m_butReset, &QPushButton::clicked, this, &GuiSourceSetting::askResetValues);
    connect(m_butConnect, &QPushButton::clicked, this, &GuiSourceSetting::sendConnect);
    connect(m_butDisconnect, &QPushButton::clicked, this, &GuiSourceSetting::sendDisconnect);
    connect(m_accuracy, qOverload<int>(&QComboBox::activated), this, [this](int index) { emit sendAccuracy(index == 0); });
    connect(m_source, qOverload<int>(&QComboBox::activated), this, [this] {
        updateRows();
        emit sendSource(source());
    });
}

void GuiSourceSetting::updateRows()
{
    auto *form = static_cast<QFormLayout *>(layout());
    const bool isInstrument = source() == SourceSignalAnalyzer;
    const auto show = [form](QWidget *field, bool isVisible) {
        field->setVisible(isVisible);
        if (QWidget *label = form->labelForField(field))
            label->setVisible(isVisible);
    };
    show(m_source, m_isChoiceVisible);
    show(m_connectRow, isInstrument);
    show(m_deviceName, isInstrument);
    show(m_points, isInstrument);
    show(m_extSync->parentWidget(), isInstrument);
    show(m_compensRow, isInstrument);
    show(m_accuracy, !isInstrument);
    if (isInstrument)
        emit sendShowConnect();
    else
        emit sendHideConnect();
}

void GuiSourceSetting::setSourceChoiceVisible(bool isVisible)
{
    m_isChoiceVisible = isVisible;
    updateRows();
}

void GuiSourceSetting::setSourceOffered(int source, bool isOffered)
{
    const int index = m_source->findData(source);
    if (isOffered && index < 0) {
        // The sources keep their order: file, signal analyser, vector analysis.
        int at = 0;
        while (at < m_source->count() && m_source->itemData(at).toInt() < source)
            ++at;
        m_source->insertItem(at, QString(), source);
        retranslate();
    } else if (!isOffered && index >= 0) {
        const bool wasChosen = m_source->currentIndex() == index;
        m_source->removeItem(index);
        if (wasChosen)
            setSource(SourceFile);
    }
    updateRows();
}

int GuiSourceSetting::source() const
{
    return m_source->currentData().toInt();
}

void GuiSourceSetting::setSource(int source)
{
    const int index = m_source->findData(source);
    if (index >= 0)
        m_source->setCurrentIndex(index);
    updateRows();
}

void GuiSourceSetting::retranslate()
{
    FormCaptions::apply(static_cast<QFormLayout *>(layout()), {
                                               {m_sampleRate, tr("Sample Rate")},
                                               {m_carrier, tr("Carrier Frequency")},
                                               {m_refLevel, tr("Reference Level")},
                                               {m_accuracy, tr("Read Samples As")},
                                               {m_source, tr("Signal Source")},
                                               {m_connectRow, tr("Instrument")},
                                               {m_deviceName, tr("Device")},
                                               {m_points, tr("Number of Points")},
                                               {m_extSync->parentWidget(), tr("External Sync")},
                                               {m_compensRow, tr("Input Compensation")},
                                               {m_butReset, QString()}});
    const QPair<int, QString> sources[] = {{SourceFile, tr("File")},
                                           {SourceSignalAnalyzer, tr("Signal Analyzer")},
                                           {SourceVectorAnalysis, tr("Vector Analysis")}};
    for (const auto &item : sources) {
        const int index = m_source->findData(item.first);
        if (index >= 0)
            m_source->setItemText(index, item.second);
    }
    m_accuracy->setItemText(0, tr("16-bit (single)"));
    m_accuracy->setItemText(1, tr("64-bit float (double)"));
    m_butConnect->setText(tr("Connect"));
    m_butDisconnect->setText(tr("Disconnect"));
    m_extSync->setText(tr("On"));
    m_butReset->setText(tr("Reset Values"));
    m_butCompens->setToolTip(tr("Open s2p file"));
    m_state->setText(m_isConnected ? tr("Connected") : QString());
}

void GuiSourceSetting::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QWidget::changeEvent(event);
}

QMap<QString, QString> GuiSourceSetting::values() const
{
    return {{QStringLiteral("CLOCK"), m_sampleRate->valueText()},
            {QStringLiteral("FREQUENCY"), m_carrier->valueText()},
            {QStringLiteral("POWER"), m_refLevel->valueText()}};
}

void GuiSourceSetting::setValues(const QMap<QString, QString> &values)
{
    m_sampleRate->setValueText(values.value(QStringLiteral("CLOCK"), m_sampleRate->text()));
    m_carrier->setValueText(values.value(QStringLiteral("FREQUENCY"), m_carrier->text()));
    m_refLevel->setValueText(values.value(QStringLiteral("POWER"), m_refLevel->text()));
}

int GuiSourceSetting::points() const
{
    return m_points->value();
}

bool GuiSourceSetting::isExtSync() const
{
    return m_extSync->isChecked();
}

double GuiSourceSetting::extSyncFrequency() const
{
    return m_extSyncFreq->value();
}

QString GuiSourceSetting::compensationPath() const
{
    return m_compensPath->text();
}

void GuiSourceSetting::setRefLvlMinMax(int min, int max)
{
    m_refLevel->setRange(min, max);
    m_refLevel->setToolTip(tr("From %1 dBm to %2 dBm").arg(min).arg(max));
}

void GuiSourceSetting::setConnected(bool isConnected, const QString &deviceName)
{
    m_isConnected = isConnected;
    m_butConnect->setEnabled(!isConnected);
    m_butDisconnect->setEnabled(isConnected);
    m_state->setText(isConnected ? tr("Connected") : QString());
    m_deviceName->setText(deviceName.isEmpty() ? tr("Disconnected") : deviceName);
}

void GuiSourceSetting::setDeviceValues(double carrier, double sampleRate, double refLevel, int points)
{
    m_carrier->setValueText(UnitText::format(carrier, QStringLiteral("Hz")));
    m_sampleRate->setValueText(UnitText::format(sampleRate, QStringLiteral("Hz")));
    m_refLevel->setValueText(QString::number(refLevel, 'g', 6) + QStringLiteral(" dBm"));
    setPoints(points);
}

void GuiSourceSetting::setPoints(int points)
{
    const QSignalBlocker blocker(m_points);
    m_points->setValue(points);
}

void GuiSourceSetting::setCompensationPath(const QString &path)
{
    m_lastCompensPath = path;
    m_compensPath->setText(path);
}

void GuiSourceSetting::askResetValues()
{
    const auto answer = QMessageBox::question(
        this, tr("Reset Values"),
        tr("Are you sure you want to reset your values to source file settings? If there are no settings in source "
           "file, the default values will be set."));
    if (answer == QMessageBox::Yes)
        emit sendResetValues();
}

void GuiSourceSetting::chooseCompensation()
{
    const QString path = QFileDialog::getOpenFileName(this, tr("Open s2p file"), QString(),
                                                      tr("Touchstone S2P file(*.s2p);;CSV file(*.csv)"));
    if (path.isEmpty())
        return;
    m_compensPath->setText(path);
    m_lastCompensPath = path;
    emit sendPathCompens(path);
}
