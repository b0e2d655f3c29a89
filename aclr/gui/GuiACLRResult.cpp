#include "GuiACLRResult.h"

#include "UnitPrefix.h"

#include <QEvent>
#include <QHeaderView>
#include <QTableWidget>
#include <QVBoxLayout>
#include <cmath>

namespace {
constexpr int kLevelDecimals = 2;
}

GuiACLRResult::GuiACLRResult(QWidget *parent) : QWidget(parent), m_table(new QTableWidget(0, kColumns, this))
{
    setObjectName(QStringLiteral("aclrResult"));
    m_table->setObjectName(QStringLiteral("aclrResultTable"));
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->verticalHeader()->hide();
    m_table->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_table);
    retranslate();
}

QString GuiACLRResult::levelText(double value)
{
    return std::isfinite(value) ? QString::number(value, 'f', kLevelDecimals) : tr("outside band");
}

void GuiACLRResult::setRows(const QVector<ACLRChannelRow> &rows)
{
    m_rows = rows;
    m_table->setRowCount(rows.size());
    for (int r = 0; r < rows.size(); ++r) {
        const ACLRChannelRow &row = rows.at(r);
        const QStringList cells{row.name,
                                UnitPrefix::formatLarge(row.offset, tr("Hz")),
                                UnitPrefix::formatLarge(row.bandwidth, tr("Hz")),
                                tr("Square"),
                                row.reference,
                                levelText(row.dbc),
                                levelText(row.dbm)};
        for (int c = 0; c < kColumns; ++c) {
            QTableWidgetItem *item = m_table->item(r, c);
            if (!item) {
                item = new QTableWidgetItem;
                item->setTextAlignment(Qt::AlignCenter);
                m_table->setItem(r, c, item);
            }
            item->setText(cells.at(c));
        }
    }
}

void GuiACLRResult::retranslate()
{
    m_table->setHorizontalHeaderLabels({tr("Channel"), tr("Freq. Offset"), tr("Bandwidth"), tr("Filter Type"),
                                        tr("Ref. Carrier"), tr("ACP (dBc)"), tr("ACP (dBm)")});
    setRows(m_rows);
}

void GuiACLRResult::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QWidget::changeEvent(event);
}
