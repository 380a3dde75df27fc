#pragma once
// The method and decimal options: what each change handler stores, and the
// check made when the user leaves the decimal places. The window owns the
// controls and calls these from its handlers.
#include <QString>

#include "core/Translation.h"
#include "numtext/Separators.h"

namespace tallowmere::platform {
class SettingsStore;
}

namespace tallowmere::results {

inline constexpr const char* kMustBeNumericMessage = QT_TRANSLATE_NOOP("Options", "Must be a numeric entry.");
// The text of Combo1 before anything is stored, and after "Show all decimals"
// is unticked.
inline constexpr const char* kDefaultDecimalPlaces = "3";
// The text of the disabled Combo1 while "Show all decimals" is ticked.
inline constexpr const char* kAllDecimalPlaces = "10";

// Option1_Click and Option2_Click: "Option1" then "Option2", as "True" or
// "False".
void StoreMethod(platform::SettingsStore& store, bool option1Selected, bool option2Selected);
// Check1_Click: "Check1" as the check box's value, "1" or "0".
void StoreShowAllDecimals(platform::SettingsStore& store, bool checked);
// Combo1_Change and Combo1_Click: "Combo1" as shown, whatever it is.
void StoreDecimalPlaces(platform::SettingsStore& store, const QString& text);

// Combo1_LostFocus: an empty text or one that reads as a number under the
// user's number rules passes; anything else earns "Must be a numeric entry.".
bool DecimalPlacesAcceptable(const QString& text, const numtext::Separators& sep);

// The settings texts of a boolean.
QString BooleanText(bool value);

}  // namespace tallowmere::results
