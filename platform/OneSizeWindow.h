#pragma once
// Windows of one fixed size (the main window, the message boxes), also where
// the window system offers to make them larger anyway. On Wayland the program
// draws its own title bars, which always have a maximise button; the
// compositor then insists that the window commits exactly the maximised size,
// and ends the connection (and the program) at the first repaint of any other
// size. So such a window may take the larger size for a moment and then asks
// to be normal again, back at its one size.
class QApplication;

namespace tallowmere::platform {

// Watches every top-level window of the application as it is shown.
void KeepFixedSizeWindowsInShape(QApplication& app);

}  // namespace tallowmere::platform
