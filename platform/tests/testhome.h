// Test programs that start Qt keep the user's folders out of reach: home, settings, data, cache
// and Delphi's installation entry all lie in one temporary directory, and windows are offscreen
// (unless QT_QPA_PLATFORM asks for xcb: the suite that runs on a real X display).
#pragma once

class QTemporaryDir;

namespace qm {

// Points the environment at Home (its "system" folder for XDG_CONFIG_DIRS) and selects the
// offscreen platform. With Widgets, Qt's own dialogs are used instead of the desktop's. Call it
// before the application object exists; false when Home could not be made.
bool PrepareTestHome(const QTemporaryDir& Home, bool Widgets);

}  // namespace qm
