// Windows that open in the middle of the screen each time they are shown, wherever they were before.
#pragma once

class QWidget;

namespace qm {

// Moves Window so that it stands in the middle of its screen (the primary screen when it has none):
// left = (screen width - window width) / 2, top likewise.
void CentreOnScreen(QWidget& Window);
// From now on every show of Window centres it first.
void CentreOnShow(QWidget& Window);

}  // namespace qm
