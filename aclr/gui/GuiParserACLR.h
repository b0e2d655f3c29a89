#pragma once

#include "GuiParserSignal.h"

class GuiConfigACLR;
class GuiSourceSetting;
class QGroupBox;
class QLabel;

// The ACLR mode's control panel: the recording and its source settings, the
// measurement chosen in the menu, the carrier and channel settings, and a line
// that says what the last measurement left out (a missing library, a shortened
// window, channels outside the recorded band).
class GuiParserACLR : public GuiParserSignal
{
    Q_OBJECT
public:
    explicit GuiParserACLR(QWidget *parent = nullptr);

    GuiSourceSetting *sourceSetting() const override { return m_source; }
    GuiConfigACLR *config() const { return m_config; }
    QString statusText() const;

signals:
    // "Carrier Config" was pressed: the menu offers the configurations.
    void carrierConfigRequested();

public slots:
    void setParams() override;
    void getParams() override;
    void setStatus(const QString &text);

protected:
    void retranslate() override;

private:
    GuiSourceSetting *m_source;
    GuiConfigACLR *m_config;
    QLabel *m_measurement;
    QLabel *m_status;
    QGroupBox *m_sourceBox;
    QGroupBox *m_configBox;
    QString m_standard;
};
