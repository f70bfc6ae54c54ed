#pragma once

class QWidget;

namespace qc {

struct Controls;

// Creates the 26 controls of the window definition inside `window`, stacked as the definition
// says, and fills `controls` with them.
void BuildControls(QWidget* window, Controls& controls);

}  // namespace qc
