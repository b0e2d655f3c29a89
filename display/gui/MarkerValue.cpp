#include "MarkerValue.h"

#include "LineConnection.h"

#include <QActionGroup>
#include <QLineEdit>
#include <QMenu>
#include <QRegularExpressionValidator>
#include <QWidgetAction>

MarkerValue::MarkerValue(LineConnection *marker) : QObject(marker), m_marker(marker), m_menu(new QMenu)
{
    m_colours = addChoices(m_menu->addMenu(tr("Color")), colourNames(),
                           {tr("Yellow"), tr("Red"), tr("Turquoise"), tr("Default")});
    m_modes = addChoices(m_menu->addMenu(tr("Mode")), modeNames(), {tr("Manual"), tr("Maximum"), tr("Minimum")});
    m_displays = addChoices(m_menu->addMenu(tr("Display")), displayNames(), {tr("Average"), tr("Maximum"), tr("Minimum")});
    addAccuracy();
    m_menu->addSeparator();
    m_hide = m_menu->addAction(tr("Hide"));
    m_hide->setCheckable(true);
    QAction *remove = m_menu->addAction(tr("Delete"));

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
    connect(remove, &QAction::triggered, this, &MarkerValue::signalDelete);
    syncChecks();
}

MarkerValue::~MarkerValue() = default;

QStringList MarkerValue::colourNames()
{
    return {QStringLiteral("Yellow"), QStringLiteral("Red"), QStringLiteral("Turquoise"), QStringLiteral("Default")};
}

QStringList MarkerValue::modeNames() { return {QStringLiteral("Manual"), QStringLiteral("Maximum"), QStringLiteral("Minimum")}; }

QStringList MarkerValue::displayNames()
{
    return {QStringLiteral("Average"), QStringLiteral("Maximum"), QStringLiteral("Minimum")};
}

QStringList MarkerValue::accuracyNames()
{
    return {QStringLiteral("1 Hz"), QStringLiteral("1 kHz"), QStringLiteral("1 MHz"), QStringLiteral("1 GHz")};
}

double MarkerValue::accuracyHz(int index)
{
    static const double kHz[] = {1.0, 1e3, 1e6, 1e9};
    return kHz[qBound(0, index, 3)];
}

QActionGroup *MarkerValue::addChoices(QMenu *submenu, const QStringList &names, const QStringList &shown)
{
    auto *group = new QActionGroup(m_menu.get());
    group->setExclusive(true);
    for (int i = 0; i < names.size(); ++i) {
        QAction *action = submenu->addAction(shown.at(i));
        action->setData(names.at(i));
        action->setCheckable(true);
        group->addAction(action);
    }
    return group;
}

void MarkerValue::addAccuracy()
{
    m_accuracyMenu = new QMenu(tr("Accuracy"), m_menu.get());
    m_accuracies = addChoices(m_accuracyMenu, accuracyNames(), accuracyNames());
    m_accuracyMenu->addSeparator();
    m_digits = new QLineEdit;
    m_digits->setObjectName(QStringLiteral("markerEditDigits"));
    m_digits->setPlaceholderText(tr("Digits"));
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
