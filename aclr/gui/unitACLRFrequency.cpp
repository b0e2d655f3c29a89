#include "unitACLRFrequency.h"

#include <QLabel>

namespace {
struct Style
{
    const char *band;
    const char *label;
};
// Translucent bands (alpha 128) with solid labels of the same colour.
const Style kStyles[] = {
    {"QWidget { background: rgba(40, 40, 40, 128) }",
     "QLabel { background: rgb(40, 40, 40); border: 2px solid black; color: white; font-size: 18px; }"},
    {"QWidget { background: rgba(140, 140, 140, 128) }",
     "QLabel { background: rgb(140, 140, 140); border: 2px solid black; color: white; font-size: 18px; }"},
    {"QWidget { background: rgba(179, 244, 167, 128) }",
     "QLabel { background: rgb(179, 244, 167); border: 2px solid black; color: black; font-size: 18px; }"},
    {"QWidget { background: rgba(255, 255, 0, 128) }",
     "QLabel { background: rgb(255, 255, 0); border: 2px solid black; color: black; font-size: 18px; }"},
};
}  // namespace

unitACLRFrequency::unitACLRFrequency(int style, QWidget *parent)
    : QWidget(parent), m_band(new QWidget(this)), m_label(new QLabel(parent))
{
    const Style &s = kStyles[style % styleCount()];
    setAttribute(Qt::WA_TransparentForMouseEvents);
    m_band->setAttribute(Qt::WA_StyledBackground);
    m_band->setStyleSheet(QString::fromLatin1(s.band));
    m_label->setStyleSheet(QString::fromLatin1(s.label));
    m_label->setAlignment(Qt::AlignCenter);
    m_label->setAttribute(Qt::WA_TransparentForMouseEvents);
}

unitACLRFrequency::~unitACLRFrequency()
{
    delete m_label.data();
}

void unitACLRFrequency::conceal()
{
    hide();
    m_label->hide();
}

int unitACLRFrequency::styleCount()
{
    return int(sizeof(kStyles) / sizeof(kStyles[0]));
}

void unitACLRFrequency::setText(const QString &name, const QString &value)
{
    m_label->setText(name + QStringLiteral("\n%1").arg(value));
    m_label->adjustSize();
}

void unitACLRFrequency::place(int left, int right, int top, int bottom)
{
    const int width = std::max(1, right - left);
    setGeometry(left, top, width, std::max(1, bottom - top));
    m_band->setGeometry(0, 0, width, std::max(1, bottom - top));
    m_label->move(left + (width - m_label->width()) / 2, top + 4);
    setVisible(true);
    m_label->setVisible(true);
    m_label->raise();
}
