#pragma once

#include <QWidget>
#include <functional>

class GuiSourceSetting;
class ManagerSignal;
class QLabel;
class QProgressBar;
class QPushButton;

// Base of every mode's control panel: opens files (with a cancellable progress bar
// while the reader works) and moves values between the panel and the hub's
// parameter set through the setParams/getParams hooks.
class GuiParserSignal : public QWidget
{
    Q_OBJECT
public:
    explicit GuiParserSignal(QWidget *parent = nullptr);

    ManagerSignal *managerSignal() const { return m_hub; }
    bool isLoading() const;
    // The recording's source settings, where the panel has them.
    virtual GuiSourceSetting *sourceSetting() const { return nullptr; }

    // Asks for a raw file's sample rate and centre frequency (Hz); false when the
    // user cancels. The dialog by default; tests put their own answer in.
    using RawRatesAsker = std::function<bool(QWidget *parent, const QString &path, double &rate, double &frequency)>;
    void setRawRatesAsker(RawRatesAsker asker) { m_rawRatesAsker = std::move(asker); }

signals:
    void openFile(QString nameFile);
    // The rate and centre frequency of the raw file about to be opened, emitted just before openFile.
    void rawRatesChosen(double rate, double frequency);
    void signalChangeParams();
    void signalResetParam();
    void cancelLoad();
    // The user chose where to save the recording, and in which format (the save
    // dialog's filter, which also says the precision).
    void saveFile(QString nameFile, QString filter);

public slots:
    void setManagerSignal(ManagerSignal *managerSignal);
    void setProgress(int percent);
    // An empty name asks the user with the open dialog.
    void openSignal(QString nameFile = QString());
    // Asks where to save the recording with the save dialog.
    void saveSignal();
    // The progress bar of a read that the mode started itself (a re-read).
    void showLoadProgress();
    void slotLoadFile();
    void slotLoadStopped();
    // Panel -> parameter set.
    virtual void setParams() {}
    // Parameter set -> panel.
    virtual void getParams() {}
    void slotChangeParam();
    void slotChangeExternParams();
    void startAnimLeft() {}
    void startAnimRight() {}
    void stopAnim() {}

protected:
    void changeEvent(QEvent *event) override;
    // Subclasses put their own texts in the interface language here.
    virtual void retranslate() {}
    // The row with the open button, the file name and the load progress, for subclasses to place.
    QWidget *fileRow() const { return m_fileRow; }
    void showFileName();

private:
    void retranslateFileRow();

    ManagerSignal *m_hub = nullptr;  // not owned
    QWidget *m_fileRow;
    QPushButton *m_butOpen;
    QLabel *m_lblFile;
    QProgressBar *m_progress;
    QPushButton *m_butCancel;
    QPushButton *m_butSave;
    RawRatesAsker m_rawRatesAsker;
};
