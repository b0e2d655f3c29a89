#pragma once

#include "GuiParserSignal.h"

class GuiSourceSetting;
class QLabel;

// Control panel of a mode whose analysis is not built yet: it opens recordings,
// edits their clock and carrier, and says plainly that the analysis itself is not
// available, so that nothing on screen pretends to analyse.
class GuiParserPending : public GuiParserSignal
{
    Q_OBJECT
public:
    explicit GuiParserPending(const QString &analysisName, QWidget *parent = nullptr);

    QString noticeText() const;
    GuiSourceSetting *sourceSetting() const { return m_source; }

public slots:
    void setParams() override;
    void getParams() override;
    void setMeasurement(const QString &measurement);

private:
    GuiSourceSetting *m_source;
    QLabel *m_notice;
    QLabel *m_measurement;
};
