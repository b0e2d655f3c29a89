#pragma once

#include "DataAnalysis.h"
#include "GuiInfoBase.h"

#include <QVector>

// "Error Summary Data": the statistics of each analysis (current column) and their
// averages over the last N analyses (averaged column, shown while averaging is on).
// The history behind the averages is shared by every error summary of the program.
class GuiErrorData : public GuiInfoBase
{
    Q_OBJECT
public:
    static constexpr int kAverColumn = 2;
    static constexpr int kAverColumnWidth = 75;

    explicit GuiErrorData(QWidget *parent = nullptr);

    int averageLength() const { return m_averageLength; }
    double powerOffset() const { return m_powerOffset; }
    int analysesSeen() const { return m_analysesSeen; }
    bool isAverShown() const { return m_isAverShown; }
    // The rows' captions in display order (the English names the labels carry).
    static QStringList rowNames();

signals:
    // The averaged column was shown (true) or hidden.
    void signalModeShowAll(bool isAll);
    // The averaging length changed; isUpdate: the averages were recomputed.
    void signalSetAver(int aver, bool isUpdate);

public slots:
    void addDataAver(const DataAnalysis &data);
    void resetDataAver();
    void setData(const DataAnalysis &data);
    void setDataAver();
    // The modulation now analysed: it sets the power offset of the "Power" row.
    void setModulation(const QString &name);
    // The frame's averaging: N analyses; 1 or less switches averaging off.
    void setAverage(int count);
    void showAver(bool isShown);

protected:
    void changeEvent(QEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    void retranslate();
    void showCurrent();

    DataAnalysis m_lastData;
    bool m_hasData = false;
    double m_powerOffset = 0.0;
    int m_averageLength = 0;
    int m_analysesSeen = 0;
    bool m_isAverShown = false;
    QVector<QLabel *> m_captions;  // row captions and headers, for the language
};
