#pragma once

#include <QMap>
#include <QWidget>

class GuiACLRCustomSetting;
class GuiACLRMultiSetting;
class GuiACLRSingleSetting;
class ParamACLR;
class QLabel;
class QPushButton;

// The ACLR settings: the carrier page of the configuration (single carrier, or the
// two carriers of multi-carrier and multiple band), preset ("Config") or custom
// ("Custom") adjacent channels, and "Carrier Config", which asks for the
// configuration choice of the menu.
class GuiConfigACLR : public QWidget
{
    Q_OBJECT
public:
    explicit GuiConfigACLR(QWidget *parent = nullptr);

    // The keys and texts of everything the pages show, with "Channels" and "CarrierConfig".
    QMap<QString, QString> values() const;
    void setValues(const ParamACLR &param);

    GuiACLRSingleSetting *singleSetting() const { return m_single; }
    GuiACLRMultiSetting *multiSetting() const { return m_multi; }
    GuiACLRCustomSetting *customSetting() const { return m_custom; }
    QPushButton *presetButton() const { return m_butConfig; }
    QPushButton *customButton() const { return m_butCustom; }
    QPushButton *carrierConfigButton() const { return m_butCarrierConfig; }

signals:
    void changed();
    void carrierConfigRequested();

protected:
    void changeEvent(QEvent *event) override;

private:
    void retranslate();
    void showPages();

    QString m_standard;
    QString m_carrierConfig;
    QLabel *m_lblConfig;
    QPushButton *m_butConfig;
    QPushButton *m_butCustom;
    QPushButton *m_butCarrierConfig;
    GuiACLRSingleSetting *m_single;
    GuiACLRMultiSetting *m_multi;
    GuiACLRCustomSetting *m_custom;
};
