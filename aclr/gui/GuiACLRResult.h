#pragma once

#include "ACLRLibrary.h"

#include <QWidget>

class QTableWidget;

// The ACLR result table: one row per adjacent channel with its offset, bandwidth,
// filter, reference carrier and levels ("Channel", "Freq. Offset", "Bandwidth",
// "Filter Type", "Ref. Carrier", "ACP (dBc)", "ACP (dBm)").
class GuiACLRResult : public QWidget
{
    Q_OBJECT
public:
    static constexpr int kColumns = 7;

    explicit GuiACLRResult(QWidget *parent = nullptr);

    QTableWidget *table() const { return m_table; }
    // The text of a level cell: two decimals, or a note for a channel outside the recording.
    static QString levelText(double value);

public slots:
    void setRows(const QVector<ACLRChannelRow> &rows);

protected:
    void changeEvent(QEvent *event) override;

private:
    void retranslate();

    QTableWidget *m_table;  // child
    QVector<ACLRChannelRow> m_rows;
};
