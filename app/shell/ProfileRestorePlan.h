#pragma once

#include <QString>

class ProfileStore;

// What opening a profile does, decided from the store alone: the mode to show,
// the measurement handed to it, the menu entry to mark and the signal source to
// select. The main window carries it out.
class ProfileRestorePlan
{
public:
    // Class names of the modes, compared with the stored mode name.
    static const QString kClassDM;
    static const QString kClassVecAnalysis;
    static const QString kClass4G;
    static const QString kClass5G;
    static const QString kClassACLR;
    // Defaults when a mode's text names no measurement.
    static const QString kDefaultModulation;
    static const QString kDefaultACLRMode;
    static const QString kDefault5GMode;
    // Position of the source selection in the device text's blank-separated fields.
    static constexpr int kSourceField = 3;

    static ProfileRestorePlan fromStore(const ProfileStore &store);
    // The device text of a fresh start: carrier in Hz, sample rate in Hz, reference level
    // in dBm, the signal source of the mode on screen, points per read, external sync
    // (0 or 1) and its frequency in Hz. A running program writes its instrument's values.
    static QString deviceText(int source);

    // The text between key and the next "}" of a mode text, or an empty text when
    // the item is missing. The key is looked up as a whole item ("{Mode:"), so
    // "{DuplexMode:FDD}" does not answer for "Mode:".
    static QString itemValue(const QString &modeText, const QString &key);

    int mode() const { return m_mode; }
    // "ModeVecAnalysis", "ModeDM", ...
    QString className() const { return m_className; }
    // Handed to the mode's switch slot; empty for vector analysis.
    QString measurement() const { return m_measurement; }
    // The menu entry marked before the switch ("STANDARD", "ACLR", "LTE",
    // "VectorAnalysis"), or empty for 5G whose entry follows its measurement.
    QString menuEntry() const { return m_menuEntry; }
    // Index of the signal source for the mode's source panel, or -1 to keep it.
    int sourceIndex() const { return m_sourceIndex; }

private:
    int m_mode = 0;
    QString m_className;
    QString m_measurement;
    QString m_menuEntry;
    int m_sourceIndex = -1;
};
