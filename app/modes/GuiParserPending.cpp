#include "GuiParserPending.h"

#include "GuiSourceSetting.h"
#include "ManagerSignal.h"
#include "ParamSource.h"

#include <QCoreApplication>
#include <QGroupBox>
#include <QLabel>
#include <QRegularExpression>
#include <QVBoxLayout>

GuiParserPending::GuiParserPending(const char *analysisName, QWidget *parent)
    : GuiParserSignal(parent), m_analysisName(analysisName), m_source(new GuiSourceSetting),
      m_notice(new QLabel(this)), m_measurement(new QLabel(this)), m_sourceBox(new QGroupBox(this))
{
    m_notice->setObjectName(QStringLiteral("lblAnalysisNotAvailable"));
    m_notice->setWordWrap(true);
    m_measurement->setObjectName(QStringLiteral("lblMeasurement"));
    (new QVBoxLayout(m_sourceBox))->addWidget(m_source);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(fileRow());
    layout->addWidget(m_notice);
    layout->addWidget(m_measurement);
    layout->addWidget(m_sourceBox);
    layout->addStretch();
    connect(m_source, &GuiSourceSetting::changed, this, &GuiParserSignal::slotChangeParam);
    m_source->setSourceChoiceVisible(true);
    retranslate();
}

void GuiParserPending::retranslate()
{
    m_notice->setText(tr("The %1 analysis is not available yet. This mode shows the recording's "
                         "time, power and spectrum views and its file information only.")
                          .arg(QCoreApplication::translate("ModePending", m_analysisName)));
    m_sourceBox->setTitle(tr("Source"));
}

QString GuiParserPending::noticeText() const
{
    return m_notice->text();
}

void GuiParserPending::setMeasurement(const QString &measurement)
{
    // The measurement arrives as the menu's untranslated caption, or as the menu level
    // of a modulation family ("Level_PSK"); it is shown as the menu shows it.
    static const QRegularExpression levelPrefix(QStringLiteral("^Level_"));
    QString shown = QString(measurement).remove(levelPrefix);
    shown = QCoreApplication::translate("VerticalMenu", shown.toUtf8().constData());
    shown.replace(QLatin1Char('\n'), QLatin1Char(' '));
    m_measurement->setText(measurement.isEmpty() ? QString() : tr("Measurement: %1").arg(shown));
}

void GuiParserPending::setParams()
{
    if (!managerSignal())
        return;
    const auto values = m_source->values();
    managerSignal()->param()->parseText(QStringLiteral("{CLOCK:%1}{FREQUENCY:%2}")
                                            .arg(values.value(QStringLiteral("CLOCK")),
                                                 values.value(QStringLiteral("FREQUENCY"))),
                                        false);
}

void GuiParserPending::getParams()
{
    auto *param = managerSignal() ? dynamic_cast<ParamSource *>(managerSignal()->param()) : nullptr;
    if (!param)
        return;
    m_source->setValues({{QStringLiteral("CLOCK"), param->value(QStringLiteral("CLOCK"))},
                         {QStringLiteral("FREQUENCY"), param->value(QStringLiteral("FREQUENCY"))}});
}
