#pragma once

#include "DataAnalysis.h"
#include "GuiParserSignal.h"

class FSK_IQ_Table;
class GuiSourceSetting;
class IQ_Table;
class QCheckBox;
class QComboBox;
class QDoubleSpinBox;
class QGroupBox;
class QLabel;
class QToolButton;
class UnitLineEdit;
class UserFilter;

// Control panel of the digital-modulation mode: the file row, the demodulation
// settings (modulation, symbol coding, shaping filter and its parameter, symbol rate,
// averaging), the user tables of the user-defined schemes and filter, the source
// settings, and a plain line with the last analysis or the reason there is none.
class GuiParserDM : public GuiParserSignal
{
    Q_OBJECT
public:
    // The filter names as the receiver and the stored descriptions know them, in menu order.
    static const QStringList &filterNames();
    static constexpr double kDefaultFilterParameter = 0.35;

    explicit GuiParserDM(QWidget *parent = nullptr);

    GuiSourceSetting *sourceSetting() const override { return m_source; }
    QString modulation() const;
    QString coding() const;
    QString filter() const;
    QString statusText() const;
    QString noticeText() const;
    IQ_Table *userTable() const { return m_userTable; }
    FSK_IQ_Table *fskTable() const { return m_fskTable; }
    UserFilter *userFilter() const { return m_userFilter; }
    // What the demodulator does instead of the shown user table or user filter; empty when neither shows.
    QString userTableNoticeText() const;
    QString userFilterNoticeText() const;

signals:
    // The panel's button asks the menu to show one of its pages ("Level_PSK", "Level_encoding" ...).
    void sendOpenMenuLevel(QString level);
    void sendAveraging(bool isOn);

public slots:
    void setParams() override;
    void getParams() override;
    // Shows a choice from the menu or a profile; names unknown to the catalogue are ignored.
    void setModulation(const QString &name);
    void setCoding(const QString &coding);
    void setFilter(const QString &filter);
    // Why demodulation cannot run at all (a missing library); empty hides the notice.
    void setUnavailable(const QString &text);
    void showStatistics(const DataAnalysis &data);
    void showError(const QString &text);

protected:
    void retranslate() override;

private:
    QWidget *buildDemodulation();
    QWidget *withMenuButton(QWidget *field, QToolButton *button);
    void fillCoding();
    void showTables();
    void refreshStatus();

    GuiSourceSetting *m_source;
    QLabel *m_notice;
    QGroupBox *m_demodBox;
    QGroupBox *m_sourceBox;
    QComboBox *m_modulation;
    QComboBox *m_coding;
    QComboBox *m_filter;
    QDoubleSpinBox *m_filterParameter;
    UnitLineEdit *m_symbolRate;
    QCheckBox *m_average;
    QToolButton *m_butModulationMenu;
    QToolButton *m_butCodingMenu;
    QToolButton *m_butFilterMenu;
    IQ_Table *m_userTable;
    FSK_IQ_Table *m_fskTable;
    UserFilter *m_userFilter;
    // The demodulation library is told only the scheme's and the filter's names, so
    // these say plainly beside the editors that it does not demodulate with their content.
    QLabel *m_userTableNotice;
    QLabel *m_userFilterNotice;
    QLabel *m_status;
    // The status line is rebuilt in a new language from what it shows.
    bool m_hasStatistics = false;
    DataAnalysis m_statistics;
    QString m_error;
};
