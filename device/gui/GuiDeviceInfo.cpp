#include "GuiDeviceInfo.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {
constexpr int kAddressColumn = 2;
}

GuiDeviceInfo::GuiDeviceInfo(QWidget *parent)
    : QDialog(parent), m_table(new QTableWidget(0, 4, this)), m_status(new QLabel(this)),
      m_butRefresh(new QPushButton(this)), m_butChoose(new QPushButton(this)), m_butClose(new QPushButton(this))
{
    setObjectName(QStringLiteral("GuiDeviceInfo"));
    m_table->setObjectName(QStringLiteral("deviceInfoTable"));
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->setSelectionMode(QAbstractItemView::SingleSelection);
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->verticalHeader()->hide();
    // The address, the longest text, takes what the other columns leave of the table's width.
    m_table->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    m_table->horizontalHeader()->setSectionResizeMode(kAddressColumn, QHeaderView::Stretch);
    m_butRefresh->setObjectName(QStringLiteral("deviceInfoButRefresh"));
    m_butChoose->setObjectName(QStringLiteral("deviceInfoButChoose"));
    m_butChoose->setDefault(true);
    m_butClose->setObjectName(QStringLiteral("deviceInfoButClose"));
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(m_butRefresh);
    buttons->addStretch();
    buttons->addWidget(m_butChoose);
    buttons->addWidget(m_butClose);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_table);
    layout->addWidget(m_status);
    layout->addLayout(buttons);
    resize(640, 280);
    retranslate();
    connect(m_table, &QTableWidget::cellClicked, this, &GuiDeviceInfo::tableRowClicked);
    connect(m_table, &QTableWidget::cellActivated, this, &GuiDeviceInfo::tableRowClicked);
    connect(m_butChoose, &QPushButton::clicked, this, &GuiDeviceInfo::tableChooseClicked);
    connect(m_butClose, &QPushButton::clicked, this, &GuiDeviceInfo::closeFrame);
    connect(m_butRefresh, &QPushButton::clicked, this, [this] {
        m_status->setText(tr("Searching..."));
        emit sendRefresh(true);
    });
}

void GuiDeviceInfo::retranslate()
{
    setWindowTitle(tr("Device List"));
    m_table->setHorizontalHeaderLabels({tr("Type"), tr("Serial number"), tr("Address"), tr("State")});
    m_butRefresh->setText(tr("Refresh"));
    m_butChoose->setText(tr("Choose"));
    m_butClose->setText(tr("Close"));
    showDeviceData(m_list);
}

void GuiDeviceInfo::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QDialog::changeEvent(event);
}

int GuiDeviceInfo::rowCount() const
{
    return m_table->rowCount();
}

QString GuiDeviceInfo::cellText(int row, int column) const
{
    const QTableWidgetItem *item = m_table->item(row, column);
    return item ? item->text() : QString();
}

void GuiDeviceInfo::showDeviceData(std::vector<DeviceData> list)
{
    m_list = std::move(list);
    const int chosen = std::max(0, m_table->currentRow());
    m_table->setRowCount(int(m_list.size()));
    for (int row = 0; row < int(m_list.size()); ++row) {
        const DeviceData &d = m_list[size_t(row)];
        const QString texts[] = {QString::fromStdString(d.type), QString::fromStdString(d.serial),
                                 QString::fromStdString(d.addressText()), d.busy ? tr("Busy") : tr("Free")};
        for (int column = 0; column < 4; ++column)
            m_table->setItem(row, column, new QTableWidgetItem(texts[column]));
    }
    if (!m_list.empty())
        m_table->setCurrentCell(std::min(chosen, int(m_list.size()) - 1), 0);
    m_butChoose->setEnabled(!m_list.empty());
    m_status->setText(m_list.empty() ? tr("No instrument found.") : QString());
}

void GuiDeviceInfo::setBlurWindow(bool isBlured)
{
    QWidget *window = m_dimmedWindow ? m_dimmedWindow.data() : (parentWidget() ? parentWidget()->window() : nullptr);
    if (isBlured && window && !m_shade) {
        m_shade = new QWidget(window);
        m_shade->setObjectName(QStringLiteral("deviceInfoShade"));
        m_shade->setAttribute(Qt::WA_TransparentForMouseEvents);
        m_shade->setStyleSheet(QStringLiteral("background-color: rgba(0, 0, 0, 110);"));
        m_shade->setGeometry(window->rect());
        m_shade->show();
        m_shade->raise();
    } else if (!isBlured && m_shade) {
        m_shade->deleteLater();
        m_shade = nullptr;
    }
    if (isBlured && !isVisible()) {
        show();
        raise();
        activateWindow();
    }
}

void GuiDeviceInfo::tableRowClicked(int rowIndex, int columnIndex)
{
    Q_UNUSED(columnIndex)
    if (rowIndex < 0 || rowIndex >= int(m_list.size()))
        return;
    m_status->setText(tr("Connecting to %1 %2...")
                          .arg(QString::fromStdString(m_list[size_t(rowIndex)].type),
                               QString::fromStdString(m_list[size_t(rowIndex)].serial)));
    emit sendDeviceID(rowIndex);
}

void GuiDeviceInfo::tableChooseClicked()
{
    tableRowClicked(m_table->currentRow(), 0);
}

void GuiDeviceInfo::closeFrame()
{
    close();
}

void GuiDeviceInfo::done(int result)
{
    setBlurWindow(false);
    QDialog::done(result);
}
