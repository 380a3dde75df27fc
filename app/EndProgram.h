#pragma once

namespace tallowmere::app {

// How the program ends when its window closes.

class Form1;

// Every setting was stored when it changed. When the window closes in the
// middle of a command that lets window events run, nothing of that command
// may run on: the process ends at once (status 0). Otherwise the event loop
// is told to return normally, so the clipboard can be handed over on the way
// out.
void EndProgram(const Form1& form);

}  // namespace tallowmere::app
