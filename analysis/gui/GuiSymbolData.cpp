#include "GuiSymbolData.h"

#include <QContextMenuEvent>
#include <QFileDialog>
#include <QMenu>
#include <QPainter>
#include <QSaveFile>
#include <QFileInfo>
#include <QDir>
#include <algorithm>

namespace {
constexpr int kMaxSmallIndex = 1000;  // symbols on a page that keep the index column narrow
constexpr int kLeftPad = 4;
}

GuiSymbolData::GuiSymbolData(QWidget *parent) : QLabel(parent), m_transfer(std::make_unique<TransferNumber>())
{
    setObjectName(QStringLiteral("GuiSymbolData"));
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setMinimumSize(60, 40);
    setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Ignored);
    m_chooser = [](QWidget *parent) {
        return QFileDialog::getSaveFileName(parent, tr("Save Symbols"), QString(),
                                            tr("Text files (*.txt);;CSV files (*.csv);;All files (*)"));
    };
}

void GuiSymbolData::setData(const QVector<int> &data, bool isSend)
{
    m_data = data;
    repaintTable();
    if (isSend)
        emit signalRepaint();
}

void GuiSymbolData::setFormat(const QString &formatName)
{
    m_transfer = TransferNumber::create(formatName);
    repaintTable();
}

void GuiSymbolData::setBitsPerSymbol(int bits)
{
    m_format.bitsPerSymbol = std::max(1, bits);
    repaintTable();
}

void GuiSymbolData::resizeEvent(QResizeEvent *event)
{
    QLabel::resizeEvent(event);
    repaintTable();
}

void GuiSymbolData::repaintTable()
{
    const QSize size = this->size().expandedTo(QSize(1, 1));
    m_pixmap = QPixmap(size);
    m_pixmap.fill(Qt::transparent);
    m_rows.clear();
    QPainter painter(&m_pixmap);
    QFont font(QStringLiteral("Arial"));
    font.setPointSize(kFontPoints);
    painter.setFont(font);
    painter.setPen(palette().color(QPalette::WindowText));
    const QFontMetrics metrics(font);
    // One symbol's cell: the widest text the format gives, and a blank.
    const int widest = std::max(1, m_format.bitsPerSymbol >= 31 ? 31 : (1 << m_format.bitsPerSymbol) - 1);
    const int blank = metrics.horizontalAdvance(QLatin1Char(' '));
    const int cell = metrics.horizontalAdvance(m_transfer->toText(m_format, widest)) + blank;
    const int rows = size.height() / kRowHeight;
    const int onPage = std::max(0, (rows - 1) * (size.width() - kPageMargin) / std::max(1, cell));
    m_indexWidth = onPage < kMaxSmallIndex + 1 ? kIndexWidth : kWideIndexWidth;
    const int perRow = std::max(1, (size.width() - m_indexWidth - kLeftPad) / std::max(1, cell));
    for (int first = 0, y = kRowHeight; first < m_data.size(); first += perRow, y += kRowHeight) {
        if (y > size.height())
            break;  // the next row would pass the bottom edge
        const QString index = QString::number(first) + QStringLiteral(": ");
        painter.drawText(kLeftPad, y - metrics.descent(), index);
        QString row = index;
        const int behind = std::min(m_data.size(), first + perRow);
        for (int k = first; k < behind; ++k) {
            const QString text = m_transfer->toText(m_format, m_data.at(k));
            // Right-aligned in its cell, so that decimal columns line up as in a table.
            const int right = kLeftPad + m_indexWidth + (k - first + 1) * cell - blank;
            painter.drawText(right - metrics.horizontalAdvance(text), y - metrics.descent(), text);
            row += text + (k + 1 < behind ? QStringLiteral(" ") : QString());
        }
        m_rows.append(row);
    }
    painter.end();
    setPixmap(m_pixmap);
}

QString GuiSymbolData::fileText(const QString &nameFile) const
{
    const QChar separator = nameFile.contains(QLatin1String("txt")) ? QLatin1Char(' ') : QLatin1Char(',');
    return TransferNumber::joined(m_data, *m_transfer, m_format, separator);
}

bool GuiSymbolData::saveData(const QString &nameFile)
{
    QSaveFile file(nameFile);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Text)) {
        emit sendMessage(tr("Save Symbols"), tr("Cannot write %1: %2")
                                                 .arg(QDir::toNativeSeparators(nameFile), file.errorString()));
        return false;
    }
    file.write(fileText(nameFile).toUtf8());
    if (!file.commit()) {
        emit sendMessage(tr("Save Symbols"), tr("Cannot write %1: %2")
                                                 .arg(QDir::toNativeSeparators(nameFile), file.errorString()));
        return false;
    }
    return true;
}

void GuiSymbolData::contextMenuEvent(QContextMenuEvent *event)
{
    QMenu menu(this);
    QAction *save = menu.addAction(tr("Save Symbols..."));
    save->setEnabled(!m_data.isEmpty());
    if (menu.exec(event->globalPos()) != save)
        return;
    const QString name = m_chooser(this);
    if (!name.isEmpty())
        saveData(name);
}
