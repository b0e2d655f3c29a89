#include "GuiErrorData.h"

#include "ErrorSummaryHistory.h"
#include "PowerOffset.h"

#include <QCoreApplication>
#include <QEvent>
#include <QGridLayout>
#include <QLabel>

namespace {
using History = ErrorSummaryHistory;
const char *const kHeaders[] = {QT_TRANSLATE_NOOP("GuiErrorData", "Parameters"), QT_TRANSLATE_NOOP("GuiErrorData", "Curr"),
                                QT_TRANSLATE_NOOP("GuiErrorData", "Aver"), QT_TRANSLATE_NOOP("GuiErrorData", "Unit")};
// Row captions for the translation catalogue; the labels keep the English names.
const char *const kRowCaptions[] = {
    QT_TRANSLATE_NOOP("GuiErrorData", "EVM"),          QT_TRANSLATE_NOOP("GuiErrorData", "EVM Peak"),
    QT_TRANSLATE_NOOP("GuiErrorData", "Magnitude Error"), QT_TRANSLATE_NOOP("GuiErrorData", "Phase Error"),
    QT_TRANSLATE_NOOP("GuiErrorData", "Frequency Error"), QT_TRANSLATE_NOOP("GuiErrorData", "MER"),
    QT_TRANSLATE_NOOP("GuiErrorData", "IQ Offset"),    QT_TRANSLATE_NOOP("GuiErrorData", "Gain Imbalance"),
    QT_TRANSLATE_NOOP("GuiErrorData", "Quadrature Error"), QT_TRANSLATE_NOOP("GuiErrorData", "SNR"),
    QT_TRANSLATE_NOOP("GuiErrorData", "Symbol Rate"),  QT_TRANSLATE_NOOP("GuiErrorData", "Power"),
};
const QString kAverSuffix = QStringLiteral("A");
const QString kNoValue = QStringLiteral("- -");

QString formatted(double value) { return QString::number(value, 'f', 3); }
}  // namespace

GuiErrorData::GuiErrorData(QWidget *parent) : GuiInfoBase(parent)
{
    setObjectName(QStringLiteral("GuiErrorData"));
    for (int column = 0; column < 4; ++column) {
        const QString name = column == kAverColumn ? QStringLiteral("Aver") : QString();
        m_captions.append(addLabel(0, column, QString(), name));
    }
    int row = 1;
    for (const History::Row &entry : History::rows()) {
        const QString name = QString::fromLatin1(entry.name);
        m_captions.append(addLabel(row, 0, QString()));
        addLabel(row, 1, kNoValue, name)->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        addLabel(row, kAverColumn, kNoValue, name + kAverSuffix)->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        addLabel(row, 3, QString::fromLatin1(entry.unit));
        ++row;
    }
    grid()->setRowStretch(row, 1);
    grid()->setColumnStretch(4, 1);
    retranslate();
    showAver(false);
}

QStringList GuiErrorData::rowNames()
{
    QStringList names;
    for (const History::Row &row : History::rows())
        names.append(QString::fromLatin1(row.name));
    return names;
}

void GuiErrorData::retranslate()
{
    for (int i = 0; i < m_captions.size(); ++i) {
        const char *text = i < 4 ? kHeaders[i] : kRowCaptions[i - 4];
        m_captions[i]->setText(QCoreApplication::translate("GuiErrorData", text));
    }
}

void GuiErrorData::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    GuiInfoBase::changeEvent(event);
}

void GuiErrorData::setModulation(const QString &name)
{
    m_powerOffset = PowerOffset::offsetDb(name);
}

void GuiErrorData::setData(const DataAnalysis &data)
{
    ++m_analysesSeen;
    m_lastData = data;
    m_hasData = true;
    if (isVisible())
        showCurrent();
}

void GuiErrorData::showCurrent()
{
    for (const History::Row &row : History::rows())
        label(QString::fromLatin1(row.name))->setText(formatted(History::currentValue(row, m_lastData, m_powerOffset)));
}

void GuiErrorData::showEvent(QShowEvent *event)
{
    // A summary shown after the analysis (a frame switched to it while stopped) shows its figures at once.
    GuiInfoBase::showEvent(event);
    if (m_hasData)
        showCurrent();
    if (m_isAverShown)
        setDataAver();
}

void GuiErrorData::addDataAver(const DataAnalysis &data)
{
    History::instance().add(data);
}

void GuiErrorData::resetDataAver()
{
    History::instance().clear();
}

void GuiErrorData::setDataAver()
{
    if (!isVisible())
        return;
    const QMap<QString, double> averages = History::instance().averages(m_averageLength, m_powerOffset);
    for (const History::Row &row : History::rows()) {
        const QString name = QString::fromLatin1(row.name);
        const auto it = averages.constFind(name);
        label(name + kAverSuffix)->setText(it == averages.cend() ? kNoValue : formatted(*it));
    }
}

void GuiErrorData::setAverage(int count)
{
    m_averageLength = count > 1 ? count : 0;
    History::instance().setCount(m_averageLength);
    showAver(m_averageLength > 0);
    emit signalSetAver(m_averageLength, m_isAverShown);
}

void GuiErrorData::showAver(bool isShown)
{
    const bool isChange = isShown != m_isAverShown;
    m_isAverShown = isShown;
    label(QStringLiteral("Aver"))->setVisible(isShown);
    for (const QString &name : rowNames())
        label(name + kAverSuffix)->setVisible(isShown);
    grid()->setColumnMinimumWidth(kAverColumn, isShown ? kAverColumnWidth : 0);
    if (isShown)
        setDataAver();
    if (isChange)
        emit signalModeShowAll(isShown);
}
