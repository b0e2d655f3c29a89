#include "ProfileRestorePlan.h"

#include "ModePending.h"
#include "ParamSignal.h"
#include "ProfileStore.h"

#include <QStringList>

const QString ProfileRestorePlan::kClassDM = QStringLiteral("ModeDM");
const QString ProfileRestorePlan::kClassVecAnalysis = QStringLiteral("ModeVecAnalysis");
const QString ProfileRestorePlan::kClass4G = QStringLiteral("Mode4G");
const QString ProfileRestorePlan::kClass5G = QStringLiteral("Mode5G");
const QString ProfileRestorePlan::kClassACLR = QStringLiteral("ModeACLR");
const QString ProfileRestorePlan::kDefaultModulation = ModePending::defaultMeasurement(ParamSignal::ModeDM);
const QString ProfileRestorePlan::kDefaultACLRMode = ModePending::defaultMeasurement(ParamSignal::ModeACLR);
const QString ProfileRestorePlan::kDefault5GMode = ModePending::defaultMeasurement(ParamSignal::Mode5G);

QString ProfileRestorePlan::itemValue(const QString &modeText, const QString &key)
{
    const QString item = QLatin1Char('{') + key;
    const int at = modeText.indexOf(item);
    if (at < 0)
        return QString();
    const int begin = at + item.size();
    const int end = modeText.indexOf(QLatin1Char('}'), begin);
    return end < 0 ? modeText.mid(begin) : modeText.mid(begin, end - begin);
}

QString ProfileRestorePlan::deviceText(int source)
{
    return QStringLiteral("0 1000000 0 %1 10000 0 10000000").arg(source);
}

ProfileRestorePlan ProfileRestorePlan::fromStore(const ProfileStore &store)
{
    ProfileRestorePlan plan;
    const QString name = store.modeName();
    auto valueOr = [](const QString &value, const QString &fallback) { return value.isEmpty() ? fallback : value; };
    if (name == kClass5G) {
        plan.m_mode = ParamSignal::Mode5G;
        plan.m_className = kClass5G;
        plan.m_measurement = valueOr(itemValue(store.modeText(plan.m_mode), QStringLiteral("Mode:")), kDefault5GMode);
    } else if (name == kClassDM) {
        plan.m_mode = ParamSignal::ModeDM;
        plan.m_className = kClassDM;
        plan.m_menuEntry = QStringLiteral("STANDARD");
        plan.m_measurement =
            valueOr(itemValue(store.modeText(plan.m_mode), QStringLiteral("Measurement:")), kDefaultModulation);
    } else if (name == kClass4G) {
        plan.m_mode = ParamSignal::Mode4G;
        plan.m_className = kClass4G;
        plan.m_menuEntry = QStringLiteral("LTE");
        plan.m_measurement = itemValue(store.modeText(plan.m_mode), QStringLiteral("Mode:"));
    } else if (name == kClassACLR) {
        plan.m_mode = ParamSignal::ModeACLR;
        plan.m_className = kClassACLR;
        plan.m_menuEntry = QStringLiteral("ACLR");
        plan.m_measurement = valueOr(itemValue(store.modeText(plan.m_mode), QStringLiteral("Mode:")), kDefaultACLRMode);
    } else {
        plan.m_mode = ParamSignal::ModeVA;
        plan.m_className = kClassVecAnalysis;
        plan.m_menuEntry = QStringLiteral("VectorAnalysis");
    }
    const QStringList fields = store.deviceText().split(QLatin1Char(' '), Qt::SkipEmptyParts);
    if (fields.size() > kSourceField) {
        bool isNumber = false;
        const int index = fields.at(kSourceField).toInt(&isNumber);
        if (isNumber)
            plan.m_sourceIndex = index;
    }
    return plan;
}
