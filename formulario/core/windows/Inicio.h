#pragma once
// The program's start routine.

namespace korva {

// The program's start: it runs only beside the host's window titled "Orvane",
// only once per user, and only with the regional settings its dates and amounts
// need; then it shows the main window and returns, the program living on in the
// windows' events. Each refusal is told in a box and ends the program.
void Main();

}  // namespace korva
