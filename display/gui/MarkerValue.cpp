#include "MarkerValue.h"

#include "LineConnection.h"

#include <QActionGroup>
#include <QEvent>
#include <QLineEdit>
#include <QMenu>
#include <QRegularExpressionValidator>
#include <QWidgetAction>

namespace {
// The choices' English names are their data; the entries show their translation.
const char *const kColourNames[] = {QT_TRANSLATE_NOOP("MarkerValue", "Yellow"), QT_TRANSLATE_NOOP("MarkerValue", "Red"),
                                    QT_TRANSLATE_NOOP("MarkerValue", "Turquoise"),
                                    QT_TRANSLATE_NOOP("MarkerValue", "Default")};
const char *const kModeNames[] = {QT_TRANSLATE_NOOP("MarkerValue", "Manual"), QT_TRANSLATE_NOOP("MarkerValue", "Maximum"),
                                  QT_TRANSLATE_NOOP("MarkerValue", "Minimum")};
const char *const kDisplayNames[] = {QT_TRANSLATE_NOOP("MarkerValue", "Average"),
                                     QT_TRANSLATE_NOOP("MarkerValue", "Maximum"),
                                     QT_TRANSLATE_NOOP("MarkerValue", "Minimum")};
const char *const kAccuracyNames[] = {QT_TRANSLATE_NOOP("MarkerValue", "1 Hz"), QT_TRANSLATE_NOOP("MarkerValue", "1 kHz"),
                                      QT_TRANSLATE_NOOP("MarkerValue", "1 MHz"), QT_TRANSLATE_NOOP("MarkerValue", "1 GHz")};

template <std::size_t N>
QStringList namesOf(const char *const (&names)[N])
{
    QStringList list;
    for (const char *name : names)
        list << QString::fromLatin1(name);
    return list;
}
}  // namespace

MarkerValue::MarkerValue(LineConnection *marker) : QObject(marker), m_marker(marker), m_menu(new QMenu)
{
    m_colourMenu = m_menu->addMenu(QString());
    m_colours = addChoices(m_colourMenu, colourNames());
    m_modeMenu = m_menu->addMenu(QString());
    m_modes = addChoices(m_modeMenu, modeNames());
    m_displayMenu = m_menu->addMenu(QString());
    m_displays = addChoices(m_displayMenu, displayNames());
    addAccuracy();
    m_menu->addSeparator();
    m_hide = m_menu->addAction(QString());
    m_hide->setCheckable(true);
    m_remove = m_menu->addAction(QString());
    // The menu has no parent widget: it hears the language change as a window of its own.
    m_menu->installEventFilter(this);
    retranslate();

    connect(m_colours, &QActionGroup::triggered, this, [this](QAction *action) {
        m_marker->setColourName(action->data().toString());
        emit signalChanged();
    });
    connect(m_modes, &QActionGroup::triggered, this, [this](QAction *action) {
        m_marker->setMode(m_modes->actions().indexOf(action));
        emit signalChanged();
    });
    connect(m_displays, &QActionGroup::triggered, this, [this](QAction *action) {
        m_marker->setDisplayRule(m_displays->actions().indexOf(action));
        emit signalChanged();
    });
    connect(m_accuracies, &QActionGroup::triggered, this, [this](QAction *action) {
        m_marker->setAccuracy(accuracyHz(m_accuracies->actions().indexOf(action)));
        m_digits->clear();
        emit signalChanged();
    });
    connect(m_hide, &QAction::triggered, this, [this](bool isHidden) {
        m_marker->setHidden(isHidden);
        emit signalChanged();
    });
    connect(m_remove, &QAction::triggered, this, &MarkerValue::signalDelete);
    syncChecks();
}

MarkerValue::~MarkerValue() = default;

QStringList MarkerValue::colourNames() { return namesOf(kColourNames); }
QStringList MarkerValue::modeNames() { return namesOf(kModeNames); }
QStringList MarkerValue::displayNames() { return namesOf(kDisplayNames); }
QStringList MarkerValue::accuracyNames() { return namesOf(kAccuracyNames); }

void MarkerValue::retranslate()
{
    m_colourMenu->setTitle(tr("Color"));
    m_modeMenu->setTitle(tr("Mode"));
    m_displayMenu->setTitle(tr("Display"));
    m_accuracyMenu->setTitle(tr("Accuracy"));
    m_digits->setPlaceholderText(tr("Digits"));
    m_hide->setText(tr("Hide"));
    m_remove->setText(tr("Delete"));
    for (QActionGroup *group : {m_colours, m_modes, m_displays, m_accuracies}) {
        for (QAction *action : group->actions())
            action->setText(tr(action->data().toString().toLatin1().constData()));
    }
}

bool MarkerValue::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_menu.get() && event->type() == QEvent::LanguageChange)
        retranslate();
    return QObject::eventFilter(watched, event);
}

double MarkerValue::accuracyHz(int index)
{
    static const double kHz[] = {1.0, 1e3, 1e6, 1e9};
    return kHz[qBound(0, index, 3)];
}

QActionGroup *MarkerValue::addChoices(QMenu *submenu, const QStringList &names)
{
    auto *group = new QActionGroup(m_menu.get());
    group->setExclusive(true);
    for (int i = 0; i < names.size(); ++i) {
        QAction *action = submenu->addAction(QString());
        action->setData(names.at(i));
        action->setCheckable(true);
        group->addAction(action);
    }
    return group;
}

void MarkerValue::addAccuracy()
{
    m_accuracyMenu = new QMenu(m_menu.get());
    m_accuracies = addChoices(m_accuracyMenu, accuracyNames());
    m_accuracyMenu->addSeparator();
    m_digits = new QLineEdit;
    m_digits->setObjectName(QStringLiteral("markerEditDigits"));
    m_digits->setValidator(new QRegularExpressionValidator(QRegularExpression(digitsPattern()), m_digits));
    auto *field = new QWidgetAction(m_accuracyMenu);
    field->setDefaultWidget(m_digits);
    m_accuracyMenu->addAction(field);
    connect(m_digits, &QLineEdit::editingFinished, this, &MarkerValue::applyDigits);
    m_accuracyAction = m_menu->addMenu(m_accuracyMenu);
    m_accuracyAction->setVisible(false);
}

void MarkerValue::applyDigits()
{
    const QString digits = m_digits->text().remove(QLatin1Char(' '));
    m_marker->setXDecimals(digits.isEmpty() ? LineConnection::kXDecimalsByRule : digits.toInt());
    emit signalChanged();
}

void MarkerValue::setAccuracyOffered(bool isOffered) { m_accuracyAction->setVisible(isOffered); }

void MarkerValue::syncChecks()
{
    const auto check = [](QActionGroup *group, int index) {
        const QList<QAction *> actions = group->actions();
        if (index >= 0 && index < actions.size())
            actions.at(index)->setChecked(true);
        else if (group->checkedAction())
            group->checkedAction()->setChecked(false);
    };
    check(m_colours, colourNames().indexOf(m_marker->colourName()));
    check(m_modes, m_marker->mode());
    check(m_displays, m_marker->displayRule() == 1 || m_marker->displayRule() == 2 ? m_marker->displayRule() : 0);
    int accuracy = -1;
    for (int i = 0; i < 4; ++i) {
        if (accuracyHz(i) == m_marker->accuracy())
            accuracy = i;
    }
    check(m_accuracies, accuracy);
    m_hide->setChecked(m_marker->isHidden());
}
