// The windows' placements under the program's settings key: value "Placement" of the sub-key named
// after the window's objectName ("ClassNav" for the main window).
#pragma once

#include <string>

class QWidget;

namespace qm {

// SettingsKey() + "\" + the window's objectName.
std::string PlacementKey(const QWidget& Window);
// Nothing is written to a store that cannot be read.
void SavePlacement(const QWidget& Window);
// False, changing nothing, when no usable placement is stored: no key, no "Placement" value, fewer
// than 44 bytes or a record that cannot be applied. A value that is not a byte block or is longer
// than 44 bytes is not used either, and that is told once (settingsnotice.h).
bool RestorePlacement(QWidget& Window);

}  // namespace qm
