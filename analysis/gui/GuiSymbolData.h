#pragma once

#include "SymbolFormat.h"
#include "TransferNumber.h"

#include <QLabel>
#include <QPixmap>
#include <QVector>
#include <functional>
#include <memory>

// "Symbol Data": the demodulated symbol values of the last analysis, painted as a
// table (the index of each row's first symbol, then the symbols side by side) in
// decimal, hexadecimal or binary, and saved to a text file from its context menu.
class GuiSymbolData : public QLabel
{
    Q_OBJECT
public:
    static constexpr int kRowHeight = 20;
    static constexpr int kFontPoints = 13;
    static constexpr int kIndexWidth = 53;       // the index column while fewer than 1001 symbols fit
    static constexpr int kWideIndexWidth = 63;   // four-digit indexes and more
    static constexpr int kPageMargin = 60;

    explicit GuiSymbolData(QWidget *parent = nullptr);

    QVector<int> data() const { return m_data; }
    const TransferNumber &transfer() const { return *m_transfer; }
    SymbolFormat format() const { return m_format; }
    // The texts of the rows painted last: "0: 1 3 2 ...".
    QStringList paintedRows() const { return m_rows; }
    int indexWidth() const { return m_indexWidth; }
    // The text saveData writes for a file of that name (blanks for a .txt name, commas otherwise).
    QString fileText(const QString &nameFile) const;
    // The chooser of the context menu's "Save Symbols..." (replaceable in tests).
    void setFileChooser(std::function<QString(QWidget *)> chooser) { m_chooser = std::move(chooser); }

signals:
    void signalRepaint();
    // saveData could not write the file (the reason, naming the file).
    void sendMessage(QString title, QString text);

public slots:
    void setData(const QVector<int> &data, bool isSend = true);
    // Writes the whole list as one line, or nothing when the file cannot be written.
    bool saveData(const QString &nameFile);
    // "Decimal", "Hexadecimal" or "Binary" (the frame's number format).
    void setFormat(const QString &formatName);
    void setBitsPerSymbol(int bits);
    void repaintTable();

protected:
    void resizeEvent(QResizeEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;

private:
    QVector<int> m_data;
    std::unique_ptr<TransferNumber> m_transfer;
    SymbolFormat m_format;
    QPixmap m_pixmap;
    QStringList m_rows;
    int m_indexWidth = kIndexWidth;
    std::function<QString(QWidget *)> m_chooser;
};
