#pragma once

#include "GuiParserSignal.h"

class GuiSourceSetting;
class QGroupBox;
class QLabel;

// Control panel of a mode whose analysis is not built yet: it opens recordings,
// edits their clock and carrier, and says plainly that the analysis itself is not
// available, so that nothing on screen pretends to analyse.
class GuiParserPending : public GuiParserSignal
{
    Q_OBJECT
public:
    // analysisName: untranslated, in the "ModePending" context (QT_TRANSLATE_NOOP).
    explicit GuiParserPending(const char *analysisName, QWidget *parent = nullptr);

    QString noticeText() const;
    GuiSourceSetting *sourceSetting() const override { return m_source; }

public slots:
    void setParams() override;
    void getParams() override;
    void setMeasurement(const QString &measurement);

protected:
    void retranslate() override;

private:
    const char *m_analysisName;
    GuiSourceSetting *m_source;
    QLabel *m_notice;
    QLabel *m_measurement;
    QGroupBox *m_sourceBox;
};
