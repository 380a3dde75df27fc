#pragma once
// The main window's size as the settings store keeps it between runs, under
// "WindowSize" in the window's settings group: "WIDTHxHEIGHT" in pixels.
#include <QSize>
#include <QString>
#include <optional>

namespace tallowmere::app {

inline constexpr const char* kWindowSizeKey = "WindowSize";

QString WindowSizeText(QSize size);

// The size to open with, from the stored `text`: never smaller than `minimum`
// nor larger than `room` (the screen's free area) where the minimum allows.
// Nothing for a text that is not such a size (absent, damaged, not positive).
std::optional<QSize> RememberedWindowSize(const QString& text, QSize minimum, QSize room);

}  // namespace tallowmere::app
