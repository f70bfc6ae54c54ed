#pragma once

namespace qc {

struct Controls;

// Connects every bound event of the window's controls to its handler.
void WireEvents(Controls& ui);

// The handler of the window's created event: runs once, before the window is first shown.
void InitialiseWindow(Controls& ui);

}  // namespace qc
