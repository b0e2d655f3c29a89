#include "GuiParserSignal.h"

#include "GuiRawRatesDialog.h"
#include "IOSignal.h"
#include "SignalFileKind.h"
#include "ManagerSignal.h"

#include <QEvent>
#include <QFileDialog>
#include <QRegularExpression>
#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>

GuiParserSignal::GuiParserSignal(QWidget *parent)
    : QWidget(parent), m_fileRow(new QWidget(this)), m_butOpen(new QPushButton(m_fileRow)),
      m_lblFile(new QLabel(m_fileRow)), m_progress(new QProgressBar(m_fileRow)), m_butCancel(new QPushButton(m_fileRow)),
      m_butSave(new QPushButton(m_fileRow)), m_rawRatesAsker(&GuiRawRatesDialog::ask)
{
    m_butOpen->setObjectName(QStringLiteral("butOpenFile"));
    m_butSave->setObjectName(QStringLiteral("butSaveFile"));
    m_lblFile->setObjectName(QStringLiteral("lblFileName"));
    m_lblFile->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_progress->setRange(0, 100);
    m_progress->setVisible(false);
    m_butCancel->setVisible(false);
    auto *layout = new QHBoxLayout(m_fileRow);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_butOpen);
    layout->addWidget(m_lblFile, 1);
    layout->addWidget(m_butSave);
    layout->addWidget(m_progress, 1);
    layout->addWidget(m_butCancel);
    connect(m_butOpen, &QPushButton::clicked, this, [this] { openSignal(); });
    connect(m_butCancel, &QPushButton::clicked, this, &GuiParserSignal::cancelLoad);
    connect(m_butSave, &QPushButton::clicked, this, &GuiParserSignal::saveSignal);
    retranslateFileRow();
}

void GuiParserSignal::retranslateFileRow()
{
    m_butOpen->setText(tr("&Open File..."));
    m_butCancel->setText(tr("Cancel"));
    m_butSave->setText(tr("&Save As..."));
    showFileName();
}

void GuiParserSignal::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange) {
        retranslateFileRow();
        retranslate();
    }
    QWidget::changeEvent(event);
}

void GuiParserSignal::setManagerSignal(ManagerSignal *managerSignal)
{
    m_hub = managerSignal;
    getParams();
}

bool GuiParserSignal::isLoading() const
{
    return !m_progress->isHidden();
}

void GuiParserSignal::setProgress(int percent)
{
    m_progress->setValue(percent);
}

void GuiParserSignal::openSignal(QString nameFile)
{
    if (nameFile.isEmpty()) {
        nameFile = QFileDialog::getOpenFileName(this, tr("Open Signal"), QString(), IOSignal::openDialogFilter());
        if (nameFile.isEmpty())
            return;
    }
    // A raw file's bytes say nothing of its rate: its name may, else the user does.
    if (IOSignal::needsRawRates(nameFile)) {
        double rate = 0.0, frequency = 0.0;
        if (!m_rawRatesAsker(this, nameFile, rate, frequency))
            return;
        emit rawRatesChosen(rate, frequency);
    }
    showLoadProgress();
    emit openFile(nameFile);
}

void GuiParserSignal::saveSignal()
{
    if (!m_hub || m_hub->countSourceSignals() == 0)
        return;
    QString filter;
    QString nameFile = QFileDialog::getSaveFileName(this, tr("Save Signal"), QString(), IOSignal::saveDialogFilter(), &filter);
    if (nameFile.isEmpty())
        return;
    // A name typed without a suffix takes the chosen filter's.
    static const QRegularExpression filterSuffix(QStringLiteral("\\*\\.([A-Za-z0-9-]+)"));
    const QRegularExpressionMatch match = filterSuffix.match(filter);
    if (SignalFileKind::of(nameFile) == SignalFileKind::Other && match.hasMatch())
        nameFile += QLatin1Char('.') + match.captured(1);
    emit saveFile(nameFile, filter);
}

void GuiParserSignal::showLoadProgress()
{
    m_progress->setValue(0);
    m_progress->setVisible(true);
    m_butCancel->setVisible(true);
    m_lblFile->setVisible(false);
    m_butOpen->setEnabled(false);
    m_butSave->setEnabled(false);
}

void GuiParserSignal::slotLoadStopped()
{
    m_progress->setVisible(false);
    m_butCancel->setVisible(false);
    m_lblFile->setVisible(true);
    m_butOpen->setEnabled(true);
    m_butSave->setEnabled(true);
}

void GuiParserSignal::slotLoadFile()
{
    slotLoadStopped();
    getParams();
    showFileName();
}

void GuiParserSignal::showFileName()
{
    m_lblFile->setText(m_hub && !m_hub->profile().isEmpty() ? m_hub->profile() : tr("No file"));
}

void GuiParserSignal::slotChangeParam()
{
    setParams();
    emit signalChangeParams();
}

void GuiParserSignal::slotChangeExternParams()
{
    getParams();
    showFileName();
}
