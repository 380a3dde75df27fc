#pragma once
// The per-user settings store: plain text values under (application, section,
// key), one INI file per application in the user's configuration folder
// (Brindlecote.ini), one group per section. Every write is on disk before it
// returns; a write that cannot be stored is dropped silently, so the options
// keep working for the session.
#include <QString>
#include <cstdint>

#include "stats/Separators.h"

inline constexpr const char* kSettingsApplication = "Brindlecote";
inline constexpr const char* kSettingsSection = "Tallowmere";

// Read: the stored text, or `defaultText` when the key is absent.
QString GetSetting(const QString& application, const QString& section, const QString& key, const QString& defaultText);
// Write: stores the text under the key, creating or replacing it.
void SaveSetting(const QString& application, const QString& section, const QString& key, const QString& text);

// Readings of stored texts, numbers with the user's separators. A text that cannot be read as the type throws
// ArithmeticError("Type mismatch"); a number outside the 16-bit range
// ArithmeticError("Overflow").
// Boolean: "True" or "False" (any case), or the text of a number (zero reads
// as false, any other number as true).
bool ReadBoolean(const QString& text, const numtext::Separators& sep);
// Integer: the text of a number, rounded to the nearest integer (ties to
// even), within -32768..32767.
std::int16_t ReadInteger16(const QString& text, const numtext::Separators& sep);
