#include "ModulationCatalogue.h"

#include "ASK.h"
#include "FSK.h"
#include "PSK.h"
#include "QAM.h"

#include <QChar>

namespace {

const QChar kPi(0x03C0);

enum class Match { Whole, Part };

struct CatalogueEntry
{
    Match match;
    const char *key;
    const char *otherKey; // a second accepted part, or nullptr
    const char *namePrefix;
    bool piInName;        // the name is prefix + π + suffix
    const char *nameSuffix;
    int bitsPerSymbol;
};

// Rows in id order starting with id 1; matching runs through them in this order.
const CatalogueEntry kCatalogue[kLastModulationId] = {
    {Match::Whole, "ask", nullptr, "ASK", false, "", 1},
    {Match::Whole, "2ask", nullptr, "2ASK", false, "", 1},
    {Match::Whole, "4ask", nullptr, "4ASK", false, "", 2},
    {Match::Whole, "8ask", nullptr, "8ASK", false, "", 3},
    {Match::Whole, "qam16", nullptr, "QAM16", false, "", 4},
    {Match::Whole, "qam32", nullptr, "QAM32", false, "", 5},
    {Match::Whole, "qam64", nullptr, "QAM64", false, "", 6},
    {Match::Whole, "qam128", nullptr, "QAM128", false, "", 7},
    {Match::Whole, "qam256", nullptr, "QAM256", false, "", 8},
    {Match::Whole, "qam512", nullptr, "QAM512", false, "", 9},
    {Match::Whole, "qam1024", nullptr, "QAM1024", false, "", 10},
    {Match::Whole, "qam user", nullptr, "QAM User", false, "", 3},
    {Match::Whole, "bpsk", nullptr, "BPSK", false, "", 1},
    {Match::Whole, "qpsk", nullptr, "QPSK", false, "", 2},
    {Match::Part, "qpsk 45", "4 offset", "QPSK ", true, "/4 offset", 2},
    {Match::Whole, "oqpsk", nullptr, "OQPSK", false, "", 2},
    {Match::Whole, "qpsk edge", nullptr, "QPSK EDGE", false, "", 2},
    {Match::Part, "4-qpsk", nullptr, "", true, "/4-QPSK", 2},
    {Match::Part, "2-dbpsk", nullptr, "", true, "/2-DBPSK", 1},
    {Match::Part, "4-dqpsk", nullptr, "", true, "/4-DQPSK", 2},
    {Match::Part, "8-d8psk", nullptr, "", true, "/8-D8PSK", 3},
    {Match::Whole, "8psk", nullptr, "8PSK", false, "", 3},
    {Match::Whole, "8psk edge", nullptr, "8PSK EDGE", false, "", 3},
    {Match::Whole, "d8psk", nullptr, "D8PSK", false, "", 3},
    {Match::Whole, "16psk", nullptr, "16PSK", false, "", 4},
    {Match::Whole, "msk", nullptr, "MSK", false, "", 1},
    {Match::Whole, "2fsk", nullptr, "2FSK", false, "", 1},
    {Match::Whole, "4fsk", nullptr, "4FSK", false, "", 2},
    {Match::Whole, "8fsk", nullptr, "8FSK", false, "", 3},
    {Match::Whole, "fsk user", nullptr, "FSK User", false, "", 3},
};

bool isCatalogued(int id)
{
    return id >= 1 && id <= kLastModulationId;
}

const CatalogueEntry &entry(int id)
{
    return kCatalogue[id - 1];
}

bool matches(const CatalogueEntry &e, const QString &lowerName)
{
    if (e.match == Match::Whole)
        return lowerName == QLatin1String(e.key);
    return lowerName.contains(QLatin1String(e.key))
        || (e.otherKey && lowerName.contains(QLatin1String(e.otherKey)));
}

bool isBetween(int id, int first, int last)
{
    return id >= first && id <= last;
}

} // namespace

int modulationId(const QString &name)
{
    const QString lower = name.toLower();
    for (int id = 1; id <= kLastModulationId; ++id) {
        if (matches(entry(id), lower))
            return id;
    }
    return ModNone;
}

QString modulationName(int id)
{
    if (!isCatalogued(id))
        return QStringLiteral("None");
    const CatalogueEntry &e = entry(id);
    QString name = QLatin1String(e.namePrefix);
    if (e.piInName)
        name += kPi;
    return name + QLatin1String(e.nameSuffix);
}

QString modulationFamily(int id)
{
    if (isBetween(id, ModASK, Mod8ASK))
        return QStringLiteral("ASK");
    if (isBetween(id, ModQAM16, ModQAM1024))
        return QStringLiteral("QAM");
    if (id == ModQAMUser)
        return QStringLiteral("QAM_User");
    if (isBetween(id, ModBPSK, Mod16PSK))
        return QStringLiteral("PSK");
    if (isBetween(id, ModMSK, Mod8FSK))
        return QStringLiteral("FSK");
    return QStringLiteral("FSK_User");
}

int modulationBitsPerSymbol(int id)
{
    return isCatalogued(id) ? entry(id).bitsPerSymbol : 0;
}

std::unique_ptr<Modulation> createModulation(int id)
{
    if (isBetween(id, ModASK, Mod8ASK))
        return std::make_unique<ASK>(id);
    if (isBetween(id, ModQAM16, ModQAMUser))
        return std::make_unique<QAM>(id);
    if (isBetween(id, ModBPSK, Mod16PSK))
        return std::make_unique<PSK>(id);
    if (isBetween(id, ModMSK, ModFSKUser))
        return std::make_unique<FSK>(id);
    return std::make_unique<Modulation>(ModNone);
}

std::unique_ptr<Modulation> createModulation(const QString &name)
{
    return createModulation(modulationId(name));
}

QStringList codingOptions(int id)
{
    const QStringList basic{QStringLiteral("None"), QStringLiteral("Gray")};
    const QStringList differential = basic + QStringList{QStringLiteral("Differential"),
                                                         QStringLiteral("Diff.+Gray")};
    switch (id) {
    case ModPi2DBPSK:
    case ModPi8D8PSK:
    case ModD8PSK:
        return basic;
    case ModPi4DQPSK:
        return basic + QStringList{QStringLiteral("NADC"), QStringLiteral("PDC"), QStringLiteral("PHS"),
                                   QStringLiteral("TETRA"), QStringLiteral("TFTS")};
    case Mod8PSK:
        return differential + QStringList{QStringLiteral("VDL")};
    case Mod8PSKEdge:
        return {QStringLiteral("None")};
    case ModMSK:
        return differential + QStringList{QStringLiteral("GSM")};
    default:
        return differential;
    }
}
