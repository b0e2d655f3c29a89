#pragma once

#include <QString>
#include <QStringList>

#include <memory>

class Modulation;

// Identifiers of the 30 schemes of the digital-modulation mode (0 is "None").
enum ModulationKind : int {
    ModNone = 0,
    ModASK, Mod2ASK, Mod4ASK, Mod8ASK,
    ModQAM16, ModQAM32, ModQAM64, ModQAM128, ModQAM256, ModQAM512, ModQAM1024, ModQAMUser,
    ModBPSK, ModQPSK, ModQPSKOffset, ModOQPSK, ModQPSKEdge, ModPi4QPSK, ModPi2DBPSK,
    ModPi4DQPSK, ModPi8D8PSK, Mod8PSK, Mod8PSKEdge, ModD8PSK, Mod16PSK,
    ModMSK, Mod2FSK, Mod4FSK, Mod8FSK, ModFSKUser,
};
constexpr int kLastModulationId = ModFSKUser;

// Id of a scheme by name, case-insensitive. Most keys must match the whole name;
// the π-schemes and "QPSK π/4 offset" match by a characteristic part. Keys are
// tried in id order, so "qpsk" alone is QPSK. Unknown names give ModNone.
int modulationId(const QString &name);
// Display name ("QAM16", "π/4-DQPSK"); ids outside 1…30 give "None".
QString modulationName(int id);
// "ASK", "QAM", "QAM_User", "PSK", "FSK", or "FSK_User" for every other id
// (FSK User and None included).
QString modulationFamily(int id);
// Bits per symbol as listed in the catalogue (0 for None).
int modulationBitsPerSymbol(int id);

// A new scheme object owned by the caller: ASK, QAM (with its built-in table), PSK
// or FSK by id; a plain Modulation with id 0 and no table for anything else.
std::unique_ptr<Modulation> createModulation(int id);
std::unique_ptr<Modulation> createModulation(const QString &name);

// Symbol-coding choices offered for a scheme, in menu order.
QStringList codingOptions(int id);
