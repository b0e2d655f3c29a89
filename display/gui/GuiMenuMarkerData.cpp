#include "GuiMenuMarkerData.h"

#include "DisplayGraphicSignal.h"
#include "Graphic.h"
#include "LineConnection.h"
#include "MarkerValue.h"
#include "MarkersInfo.h"
#include "SizeHints.h"

#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QToolButton>

GuiMenuMarkerData::GuiMenuMarkerData(MarkersInfo *info, QWidget *parent)
    : QWidget(parent, Qt::Popup), m_info(info), m_markerRow(new QHBoxLayout), m_comboMode(new QComboBox(this)),
      m_butChannelPower(new QPushButton(this)), m_butRms(new QPushButton(this)),
      m_butSelectSignal(new QPushButton(this)), m_butAdd(new QPushButton(this)),
      m_captions{new QLabel(this), new QLabel(this), new QLabel(this)}
{
    setObjectName(QStringLiteral("menuMarkerData"));
    m_comboMode->setObjectName(QStringLiteral("menuMarkerComboMode"));
    m_comboMode->addItems({QString(), QString()});
    m_butChannelPower->setObjectName(QStringLiteral("menuMarkerButChannelPower"));
    m_butRms->setObjectName(QStringLiteral("menuMarkerButRms"));
    m_butSelectSignal->setObjectName(QStringLiteral("menuMarkerButSelectSignal"));
    m_butSelectSignal->setCheckable(true);
    m_butAdd->setObjectName(QStringLiteral("menuMarkerButAdd"));

    auto *view = new QHBoxLayout;
    view->addWidget(m_butChannelPower);
    view->addWidget(m_butRms);
    view->addWidget(m_butSelectSignal);
    m_markerRow->addWidget(m_butAdd);
    m_markerRow->addStretch(1);
    auto *layout = new QFormLayout(this);
    layout->addRow(m_captions[0], m_markerRow);
    layout->addRow(m_captions[1], m_comboMode);
    layout->addRow(m_captions[2], view);
    m_spectrumOnly[0] = m_comboMode;
    m_spectrumOnly[1] = m_captions[1];
    m_spectrumOnly[2] = m_butChannelPower;

    connect(m_butAdd, &QPushButton::clicked, this, [this] {
        const DisplayGraphicSignal *plot = qobject_cast<DisplayGraphicSignal *>(m_info->parent());
        m_info->addMarker(plot ? (plot->axisX()->min() + plot->axisX()->max()) / 2 : 0.0);
    });
    connect(m_comboMode, qOverload<int>(&QComboBox::activated), this,
            [this](int index) { m_info->setModeOBW(index == MarkersInfo::ModeOccupiedBandwidth); });
    connect(m_butChannelPower, &QPushButton::clicked, this, [this] { m_info->setChannelPower(!m_info->isChannelPower()); });
    connect(m_butRms, &QPushButton::clicked, this, [this] { m_info->setRms(!m_info->isRms()); });
    connect(m_butSelectSignal, &QPushButton::clicked, m_info, &MarkersInfo::setSelectSignal);
    connect(m_info, &MarkersInfo::signalUpdate, this, &GuiMenuMarkerData::updateMarkers);
    connect(m_info, &MarkersInfo::signalChangeMode, this, &GuiMenuMarkerData::updateView);
    retranslate();
}

void GuiMenuMarkerData::retranslate()
{
    m_captions[0]->setText(tr("Markers"));
    m_captions[1]->setText(tr("Mode"));
    m_captions[2]->setText(tr("View"));
    m_comboMode->setItemText(MarkersInfo::ModeStandard, tr("Standard"));
    m_comboMode->setItemText(MarkersInfo::ModeOccupiedBandwidth, tr("Occupied Bandwidth"));
    refitComboBox(m_comboMode);
    m_butAdd->setText(tr("Add Marker"));
    m_butSelectSignal->setText(tr("Select Signal"));
    updateView();
    if (isVisible())
        adjustSize();
}

void GuiMenuMarkerData::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QWidget::changeEvent(event);
}

void GuiMenuMarkerData::showEvent(QShowEvent *event)
{
    updateMarkers();
    updateView();
    QWidget::showEvent(event);
}

void GuiMenuMarkerData::updateMarkers()
{
    const QList<LineConnection *> markers = m_info->markers();
    bool isSame = markers.size() == m_markerButtons.size();
    for (int i = 0; isSame && i < markers.size(); ++i)
        isSame = m_markerButtons.at(i)->menu() == markers.at(i)->menu()->menu();
    if (isSame)
        return;
    // Later: a marker can be deleted from the menu of its own button.
    for (QToolButton *button : m_markerButtons) {
        button->hide();
        button->deleteLater();
    }
    m_markerButtons.clear();
    for (LineConnection *marker : markers) {
        auto *button = new QToolButton(this);
        button->setText(QStringLiteral("M%1").arg(marker->number()));
        button->setMenu(marker->menu()->menu());
        button->setPopupMode(QToolButton::InstantPopup);
        m_markerRow->insertWidget(m_markerButtons.size(), button);
        m_markerButtons << button;
    }
    if (isVisible())
        adjustSize();
}

void GuiMenuMarkerData::updateView()
{
    const bool isSpectrum = m_info->isSpectrum();
    for (QWidget *widget : m_spectrumOnly) {
        if (widget)
            widget->setVisible(isSpectrum);
    }
    m_comboMode->setCurrentIndex(m_info->mode());
    m_butChannelPower->setText(m_info->isChannelPower() ? tr("- Channel Power") : tr("+ Channel Power"));
    m_butRms->setText(m_info->isRms() ? tr("- RMS") : tr("+ RMS"));
    m_butSelectSignal->setChecked(m_info->isSelectSignal());
}
