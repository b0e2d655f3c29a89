#include "DisplayFileInfo.h"

#include "ManagerSignal.h"
#include "UnitPrefix.h"

#include <QEvent>
#include <QHeaderView>
#include <QTableWidget>
#include <QVBoxLayout>

DisplayFileInfo::DisplayFileInfo(ManagerSignal *hub, QWidget *parent)
    : QWidget(parent), m_hub(hub), m_table(new QTableWidget(this))
{
    m_table->setColumnCount(2);
    m_table->horizontalHeader()->setStretchLastSection(true);
    m_table->verticalHeader()->setVisible(false);
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_table);
    connect(hub, &ManagerSignal::sendNewSourceSignal, this, &DisplayFileInfo::updateInfo);
    updateInfo();
}

QVector<QPair<QString, QString>> DisplayFileInfo::rows() const
{
    QVector<QPair<QString, QString>> rows;
    rows.append({tr("Source"), m_hub->profile().isEmpty() ? tr("none") : m_hub->profile()});
    rows.append({tr("Layers"), QString::number(m_hub->countSourceSignals())});
    if (m_hub->countSourceSignals() > 0) {
        const IQVector first = m_hub->sourceSignal(0).samples();
        rows.append({tr("Samples per layer"), QString::number(first.size())});
        rows.append({tr("Peak"), QString::number(SignalInformation::peak(first), 'f', 6)});
        rows.append({tr("RMS"), QString::number(SignalInformation::rmsDbfs(first), 'f', 2) + QStringLiteral(" dBFS")});
    }
    rows.append({tr("Sample rate"), UnitPrefix::formatLarge(m_hub->param()->sampleRate(), tr("Hz"))});
    for (const QString &key : SignalInformation::infoKeys()) {
        const QString value = m_hub->fileInformation().tag(key);
        if (!value.isEmpty())
            rows.append({key, value});
    }
    return rows;
}

void DisplayFileInfo::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        updateInfo();
    QWidget::changeEvent(event);
}

void DisplayFileInfo::updateInfo()
{
    m_table->setHorizontalHeaderLabels({tr("Property"), tr("Value")});
    const auto shown = rows();
    m_table->setRowCount(shown.size());
    for (int r = 0; r < shown.size(); ++r) {
        m_table->setItem(r, 0, new QTableWidgetItem(shown.at(r).first));
        m_table->setItem(r, 1, new QTableWidgetItem(shown.at(r).second));
    }
    // Property names are never cut short; the values take what is left.
    m_table->resizeColumnToContents(0);
}
