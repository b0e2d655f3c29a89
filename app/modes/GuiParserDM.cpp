#include "GuiParserDM.h"

#include "FSK_IQ_Table.h"
#include "FormCaptions.h"
#include "GuiSourceSetting.h"
#include "IQ_Table.h"
#include "ManagerSignal.h"
#include "ModulationCatalogue.h"
#include "ParamDigitalModulation.h"
#include "UnitLineEdit.h"
#include "UserFilter.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QToolButton>
#include <QVBoxLayout>

namespace {
constexpr double kMinSymbolRate = 1e-3;
constexpr double kMaxSymbolRate = 100e9;
constexpr double kMinFilterParameter = 0.05;
constexpr double kMaxFilterParameter = 1.0;

// The menu page that offers a scheme's family.
QString familyLevel(int id)
{
    const QString family = modulationFamily(id);
    if (family.startsWith(QLatin1String("QAM")))
        return QStringLiteral("Level_QAM");
    if (family == QLatin1String("FSK_User") || family == QLatin1String("FSK"))
        return QStringLiteral("Level_FSK");
    return QStringLiteral("Level_") + family;
}

// The filter menu says "R.Nyquist" where the stored descriptions say "Root Nyquist".
QString storedFilterName(const QString &name)
{
    const QString lower = name.trimmed().toLower();
    if (lower == QLatin1String("r.nyquist") || lower == QLatin1String("root nyquist"))
        return ParamDigitalModulation::kRootNyquist;
    for (const QString &known : GuiParserDM::filterNames()) {
        if (known.toLower() == lower)
            return known;
    }
    return QString();
}

void selectData(QComboBox *combo, const QString &data)
{
    const int index = combo->findData(data);
    if (index >= 0) {
        const QSignalBlocker blocker(combo);
        combo->setCurrentIndex(index);
    }
}
}  // namespace

namespace {
// Shown translated; the receiver and the stored descriptions use the English names.
const char *const kFilterNames[] = {
    QT_TRANSLATE_NOOP("GuiParserDM", "None"),     QT_TRANSLATE_NOOP("GuiParserDM", "Nyquist"),
    QT_TRANSLATE_NOOP("GuiParserDM", "Root Nyquist"), QT_TRANSLATE_NOOP("GuiParserDM", "Gaussian"),
    QT_TRANSLATE_NOOP("GuiParserDM", "Rectangle"), QT_TRANSLATE_NOOP("GuiParserDM", "User"),
    QT_TRANSLATE_NOOP("GuiParserDM", "Lowpass")};
}  // namespace

const QStringList &GuiParserDM::filterNames()
{
    static const QStringList names = [] {
        QStringList list;
        for (const char *name : kFilterNames)
            list << QLatin1String(name);
        return list;
    }();
    return names;
}

GuiParserDM::GuiParserDM(QWidget *parent)
    : GuiParserSignal(parent), m_source(new GuiSourceSetting), m_notice(new QLabel(this)),
      m_demodBox(new QGroupBox(this)), m_sourceBox(new QGroupBox(this)), m_modulation(new QComboBox),
      m_coding(new QComboBox), m_filter(new QComboBox), m_filterParameter(new QDoubleSpinBox),
      m_symbolRate(new UnitLineEdit(QStringLiteral("1 MHz"), kMinSymbolRate, kMaxSymbolRate)),
      m_average(new QCheckBox), m_butModulationMenu(new QToolButton), m_butCodingMenu(new QToolButton),
      m_butFilterMenu(new QToolButton), m_userTable(new IQ_Table), m_fskTable(new FSK_IQ_Table),
      m_userFilter(new UserFilter), m_userTableNotice(new QLabel(this)), m_userFilterNotice(new QLabel(this)),
      m_status(new QLabel(this))
{
    m_notice->setObjectName(QStringLiteral("lblDemodulationUnavailable"));
    m_notice->setWordWrap(true);
    m_notice->hide();
    m_userTableNotice->setObjectName(QStringLiteral("dmSet_LblUserTableNotice"));
    m_userFilterNotice->setObjectName(QStringLiteral("dmSet_LblUserFilterNotice"));
    for (QLabel *notice : {m_userTableNotice, m_userFilterNotice})
        notice->setWordWrap(true);
    m_status->setObjectName(QStringLiteral("lblDemodulationStatus"));
    m_status->setWordWrap(true);
    m_status->setTextInteractionFlags(Qt::TextSelectableByMouse);
    (new QVBoxLayout(m_demodBox))->addWidget(buildDemodulation());
    (new QVBoxLayout(m_sourceBox))->addWidget(m_source);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(fileRow());
    layout->addWidget(m_notice);
    layout->addWidget(m_demodBox);
    for (QWidget *table : std::initializer_list<QWidget *>{m_userTableNotice, m_userTable, m_fskTable,
                                                             m_userFilterNotice, m_userFilter})
        layout->addWidget(table);
    layout->addWidget(m_sourceBox);
    layout->addWidget(m_status);
    layout->addStretch();
    m_source->setSourceChoiceVisible(true);
    retranslate();
    fillCoding();
    showTables();

    connect(m_source, &GuiSourceSetting::changed, this, &GuiParserSignal::slotChangeParam);
    connect(m_modulation, qOverload<int>(&QComboBox::currentIndexChanged), this, [this] {
        fillCoding();
        showTables();
        slotChangeParam();
    });
    for (QComboBox *combo : {m_coding, m_filter}) {
        connect(combo, qOverload<int>(&QComboBox::currentIndexChanged), this, [this] {
            showTables();
            slotChangeParam();
        });
    }
    connect(m_filterParameter, qOverload<double>(&QDoubleSpinBox::valueChanged), this, &GuiParserSignal::slotChangeParam);
    connect(m_symbolRate, &UnitLineEdit::valueEdited, this, &GuiParserSignal::slotChangeParam);
    connect(m_average, &QCheckBox::toggled, this, &GuiParserDM::sendAveraging);
    connect(m_butModulationMenu, &QToolButton::clicked, this,
            [this] { emit sendOpenMenuLevel(familyLevel(modulationId(modulation()))); });
    connect(m_butCodingMenu, &QToolButton::clicked, this, [this] { emit sendOpenMenuLevel(QStringLiteral("Level_encoding")); });
    connect(m_butFilterMenu, &QToolButton::clicked, this, [this] { emit sendOpenMenuLevel(QStringLiteral("Level_filter")); });
    connect(m_fskTable, &IQ_Table::tableChanged, this, &GuiParserSignal::slotChangeParam);
}

QWidget *GuiParserDM::buildDemodulation()
{
    m_modulation->setObjectName(QStringLiteral("dmSet_ComboModulation"));
    m_coding->setObjectName(QStringLiteral("dmSet_ComboCoding"));
    m_filter->setObjectName(QStringLiteral("dmSet_ComboFilter"));
    m_filterParameter->setObjectName(QStringLiteral("dmSet_SpinFilterParameter"));
    m_symbolRate->setObjectName(QStringLiteral("dmSet_InputSymbolRate"));
    m_average->setObjectName(QStringLiteral("dmSet_CheckAverage"));
    m_butModulationMenu->setObjectName(QStringLiteral("dmSet_ButModulationMenu"));
    m_butCodingMenu->setObjectName(QStringLiteral("dmSet_ButCodingMenu"));
    m_butFilterMenu->setObjectName(QStringLiteral("dmSet_ButFilterMenu"));
    for (int id = 1; id <= kLastModulationId; ++id)
        m_modulation->addItem(modulationName(id), modulationName(id));
    selectData(m_modulation, ParamDigitalModulation::kDefaultModulation);
    m_filterParameter->setRange(kMinFilterParameter, kMaxFilterParameter);
    m_filterParameter->setSingleStep(0.01);
    m_filterParameter->setDecimals(2);
    m_filterParameter->setValue(kDefaultFilterParameter);
    m_filterParameter->setKeyboardTracking(false);
    auto *box = new QWidget;
    auto *form = new QFormLayout(box);
    form->addRow(new QLabel, withMenuButton(m_modulation, m_butModulationMenu));
    form->addRow(new QLabel, withMenuButton(m_coding, m_butCodingMenu));
    form->addRow(new QLabel, withMenuButton(m_filter, m_butFilterMenu));
    form->addRow(new QLabel, m_filterParameter);
    form->addRow(new QLabel, m_symbolRate);
    form->addRow(m_average);
    return box;
}

QWidget *GuiParserDM::withMenuButton(QWidget *field, QToolButton *button)
{
    auto *row = new QWidget;
    auto *layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(field, 1);
    layout->addWidget(button);
    button->setText(QStringLiteral("…"));
    return row;
}

void GuiParserDM::retranslate()
{
    auto *form = static_cast<QFormLayout *>(m_demodBox->layout()->itemAt(0)->widget()->layout());
    FormCaptions::apply(form, {{m_modulation->parentWidget(), tr("Modulation")},
                               {m_coding->parentWidget(), tr("Symbol Coding")},
                               {m_filter->parentWidget(), tr("Filter")},
                               {m_filterParameter, tr("Filter Parameter (α, BT)")},
                               {m_symbolRate, tr("Symbol Rate")}});
    m_average->setText(tr("Average the statistics"));
    m_butModulationMenu->setToolTip(tr("Choose the modulation in the menu"));
    m_butCodingMenu->setToolTip(tr("Choose the symbol coding in the menu"));
    m_butFilterMenu->setToolTip(tr("Choose the filter in the menu"));
    m_demodBox->setTitle(tr("Demodulation"));
    m_sourceBox->setTitle(tr("Source"));
    const QString chosenFilter = filter();
    {
        const QSignalBlocker blocker(m_filter);
        m_filter->clear();
        for (const char *name : kFilterNames)
            m_filter->addItem(tr(name), QLatin1String(name));
    }
    selectData(m_filter, chosenFilter.isEmpty() ? ParamDigitalModulation::kNoFilter : chosenFilter);
    showTables();
    refreshStatus();
}

QString GuiParserDM::modulation() const
{
    return m_modulation->currentData().toString();
}

QString GuiParserDM::coding() const
{
    return m_coding->currentText();
}

QString GuiParserDM::filter() const
{
    return m_filter->currentData().toString();
}

QString GuiParserDM::statusText() const
{
    return m_status->text();
}

QString GuiParserDM::noticeText() const
{
    return m_notice->isHidden() ? QString() : m_notice->text();
}

void GuiParserDM::fillCoding()
{
    const QString chosen = coding();
    const QSignalBlocker blocker(m_coding);
    m_coding->clear();
    m_coding->addItems(codingOptions(modulationId(modulation())));
    const int index = m_coding->findText(chosen);
    m_coding->setCurrentIndex(index >= 0 ? index : 0);
}

void GuiParserDM::showTables()
{
    const int id = modulationId(modulation());
    const bool userFilter = filter() == QLatin1String("User");
    m_userTable->setVisible(id == ModQAMUser);
    m_fskTable->setVisible(id == ModFSKUser);
    m_userFilter->setVisible(userFilter);
    if (id == ModQAMUser) {
        m_userTableNotice->setText(tr("The demodulator is told only the modulation's name, not this table: "
                                      "it decides QAM User symbols against the built-in eight points."));
    } else if (id == ModFSKUser) {
        m_userTableNotice->setText(tr("The demodulator is told only the modulation's name, not this table: "
                                      "it demodulates FSK User as eight evenly spaced frequencies."));
    }
    m_userTableNotice->setVisible(id == ModQAMUser || id == ModFSKUser);
    m_userFilterNotice->setText(tr("The demodulator is told only the filter's name, not these coefficients: "
                                   "for the User filter it uses a plain lowpass over the signal band."));
    m_userFilterNotice->setVisible(userFilter);
}

QString GuiParserDM::userTableNoticeText() const
{
    return m_userTableNotice->isHidden() ? QString() : m_userTableNotice->text();
}

QString GuiParserDM::userFilterNoticeText() const
{
    return m_userFilterNotice->isHidden() ? QString() : m_userFilterNotice->text();
}

void GuiParserDM::setModulation(const QString &name)
{
    const int id = modulationId(name);
    if (id == ModNone)
        return;
    selectData(m_modulation, modulationName(id));
    fillCoding();
    showTables();
}

void GuiParserDM::setCoding(const QString &coding)
{
    const int index = m_coding->findText(coding);
    if (index < 0)
        return;
    const QSignalBlocker blocker(m_coding);
    m_coding->setCurrentIndex(index);
}

void GuiParserDM::setFilter(const QString &filter)
{
    const QString stored = storedFilterName(filter);
    if (stored.isEmpty())
        return;
    selectData(m_filter, stored);
    showTables();
}

void GuiParserDM::setParams()
{
    auto *param = managerSignal() ? dynamic_cast<ParamDigitalModulation *>(managerSignal()->param()) : nullptr;
    if (!param)
        return;
    const auto source = m_source->values();
    param->setValue(QStringLiteral("CLOCK"), source.value(QStringLiteral("CLOCK")));
    param->setValue(QStringLiteral("FREQUENCY"), source.value(QStringLiteral("FREQUENCY")));
    param->setModulation(modulation());
    param->setValue(QStringLiteral("CODING"), coding());
    param->setValue(QStringLiteral("FILTER"), filter());
    param->setValue(QStringLiteral("FPARAMETER"), QString::number(m_filterParameter->value()));
    param->setValue(QStringLiteral("SYMBOLRATE"), m_symbolRate->valueText());
}

void GuiParserDM::getParams()
{
    auto *param = managerSignal() ? dynamic_cast<ParamDigitalModulation *>(managerSignal()->param()) : nullptr;
    if (!param)
        return;
    m_source->setValues({{QStringLiteral("CLOCK"), param->value(QStringLiteral("CLOCK"))},
                         {QStringLiteral("FREQUENCY"), param->value(QStringLiteral("FREQUENCY"))}});
    setModulation(param->modulation());
    setCoding(param->value(QStringLiteral("CODING")));
    setFilter(param->filter());
    const double parameter = param->filterParameter();
    {
        const QSignalBlocker blocker(m_filterParameter);
        m_filterParameter->setValue(parameter > 0.0 ? parameter : kDefaultFilterParameter);
    }
    m_symbolRate->setValueText(param->value(QStringLiteral("SYMBOLRATE")));
}

void GuiParserDM::setUnavailable(const QString &text)
{
    m_notice->setText(text);
    m_notice->setVisible(!text.isEmpty());
}

void GuiParserDM::showStatistics(const DataAnalysis &data)
{
    m_statistics = data;
    m_hasStatistics = true;
    m_error.clear();
    refreshStatus();
}

void GuiParserDM::showError(const QString &text)
{
    m_error = text;
    refreshStatus();
}

void GuiParserDM::refreshStatus()
{
    if (!m_error.isEmpty()) {
        m_status->setText(m_error);
        return;
    }
    if (!m_hasStatistics) {
        m_status->clear();
        return;
    }
    const DataAnalysis &d = m_statistics;
    m_status->setText(tr("EVM %1 % (peak %2 %), MER %3 dB, frequency error %4 Hz, symbol rate %5 Hz")
                          .arg(d.evm, 0, 'f', 2)
                          .arg(d.evmPeak, 0, 'f', 2)
                          .arg(d.mer, 0, 'f', 1)
                          .arg(d.freqError, 0, 'f', 1)
                          .arg(d.symbolRate, 0, 'f', 1));
}
