#include "GraphicSignal.h"

#include "GraphicFactory.h"

#include <QEvent>
#include <QLabel>
#include <QStackedLayout>

GraphicSignal::GraphicSignal(int mode, GraphicFactory *factory, QWidget *parent)
    : QWidget(parent), m_mode(mode), m_factory(factory), m_stack(new QStackedLayout(this)),
      m_empty(new QLabel(this))
{
    m_empty->setAlignment(Qt::AlignCenter);
    m_empty->setWordWrap(true);
    m_empty->setObjectName(QStringLiteral("lblNoData"));
    m_stack->addWidget(m_empty);
    showEmpty(QString());
    connect(this, &GraphicSignal::signalSetLayer, this, [this](int layer) { m_layer = layer; });
}

void GraphicSignal::showEmpty(const QString &unavailableName)
{
    m_unavailableName = unavailableName;
    retranslateEmpty();
    m_stack->setCurrentWidget(m_empty);
}

void GraphicSignal::retranslateEmpty()
{
    if (m_unavailableName.isEmpty()) {
        m_empty->setText(tr("No Data"));
        return;
    }
    m_empty->setText(tr("No Data") + QStringLiteral("\n\n")
                     + tr("\"%1\" needs an analysis that this mode does not offer yet.")
                           .arg(GraphicCatalogue::title(m_unavailableName)));
}

void GraphicSignal::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslateEmpty();
    QWidget::changeEvent(event);
}

void GraphicSignal::setGraphic(const QString &name)
{
    const GraphicCatalogue::Kind kind = GraphicCatalogue::kindOf(name, m_mode);
    if (m_content && kind == m_kind)
        return;
    rebuild(kind, name);
}

void GraphicSignal::rebuild(GraphicCatalogue::Kind kind, const QString &name)
{
    delete m_content;
    m_kind = kind;
    m_name = kind == GraphicCatalogue::kNoGraphic ? QStringLiteral("NoGraph") : GraphicCatalogue::nameOf(kind);
    QWidget *content = kind == GraphicCatalogue::kNoGraphic || !m_factory ? nullptr : m_factory->create(kind, this);
    if (content) {
        m_content = content;
        m_stack->addWidget(content);
        m_stack->setCurrentWidget(content);
    } else if (kind != GraphicCatalogue::kNoGraphic) {
        showEmpty(name);
    } else {
        showEmpty(QString());
    }
    emit graphicChanged(m_name);
}

void GraphicSignal::setEffect(const QString &effect)
{
    const int chosen = GraphicCatalogue::effectOf(effect);
    if (chosen == m_effect)
        return;
    m_effect = chosen;
    // The effect decides which view draws the graphic: build it anew.
    if (m_kind != GraphicCatalogue::kNoGraphic)
        rebuild(m_kind, m_name);
    emit signalSetEffect(effect);
}
