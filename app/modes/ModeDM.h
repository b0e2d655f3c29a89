#pragma once

#include "DataAnalysis.h"
#include "ModeAnalysis.h"

class GraphicSignal;
class GuiErrorData;
class GuiParserDM;
class GuiSymbolData;
class ParamDigitalModulation;
class ParserDigitalModulation;

// Custom digital modulation: the recording is demodulated window by window by the
// dm_core receiver with the modulation, coding, filter and symbol rate of the panel
// and the menu. The run bar's window length is the number of symbols; the views
// show the corrected signal with symbols on their x axes.
class ModeDM : public ModeAnalysis
{
    Q_OBJECT
public:
    static const QString kGrid;
    // Analyses averaged by the error summary when the panel's averaging is on and
    // the frame asks for no particular number.
    static constexpr int kDefaultAverage = 10;

    explicit ModeDM(QWidget *parent = nullptr);

    QString defaultGrid() const override { return kGrid; }
    void firstModeHook() override;
    void connectPanel() override;
    void startMode() override;
    // The modulation travels in the profile as {Measurement:...}.
    QString profileText() override;
    QString defaultProfileText() const override;

    GuiParserDM *dmPanel() const;
    ParserDigitalModulation *dmEngine() const;
    ParamDigitalModulation *dmParam() const;
    QString modulation() const;
    // The modulation the menu's family entry picks when the current one is of another family.
    static QString familyDefault(const QString &level);
    bool isAveraging() const { return m_isAveraging; }

signals:
    // The modulation changed (the main window marks its family in the menu).
    void sendModulation(QString modulation);
    // The panel asks the menu to show one of its pages.
    void sendOpenMenuLevel(QString level);
    // The statistics of an analysis, after they entered the averaging history (GUI thread).
    void sendStatistics(DataAnalysis data);
    // The panel's averaging was switched.
    void sendAveragingChanged(bool isOn);

public slots:
    // A catalogue name, or a family's menu page ("Level_PSK") from the menu's family entries.
    void setModulation(const QString &modulation);
    void setCoding(const QString &coding);
    // A filter name as the menu gives it ("R.Nyquist") or as stored ("Root Nyquist").
    void setFilter(const QString &filter);
    void slotMaxSymbols(int max);

protected:
    // The panel's notice of a missing library is the engine's text: said again in the new language.
    void changeEvent(QEvent *event) override;
    void takeSignalParams() override;
    int windowLimit() const override;
    // The whole corrected frame: its length follows the symbol count and the oversampling.
    int shownFrameLength() const override;
    // The corrected frame is scaled to the constellation: clipping is looked for in the recording's frame.
    bool isFrameOverloaded() const override;

private:
    // Statistics, symbols and errors of the engine reach the panel, the display
    // calculator and the result tables of the frames.
    void connectResults();
    void takeStatistics(const DataAnalysis &data);
    // The result tables the frames build for the error summary and the symbols.
    void registerTables();
    GuiErrorData *createErrorSummary(GraphicSignal *host, QWidget *container);
    GuiSymbolData *createSymbolTable(GraphicSignal *host, QWidget *container);
    int bitsPerSymbol() const;
    void setAveraging(bool isOn);
    void applyChoice();

    int m_maxSymbols = 0;
    bool m_isAveraging = false;
    bool m_hasStatistics = false;
    DataAnalysis m_lastStatistics;
    QVector<int> m_lastSymbols;
};
