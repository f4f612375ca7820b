#include "placement.h"

#include <QWidget>

#include "registry.h"
#include "settings.h"
#include "windowplacement.h"

namespace qm {

namespace {

const std::string PlacementValue = "Placement";

}  // namespace

std::string PlacementKey(const QWidget& Window) {
    return SettingsKey() + "\\" + SettingsBytes(Window.objectName());
}

void SavePlacement(const QWidget& Window) {
    TRegistry registry = OpenSettingsKey();
    registry.WriteBinaryData(SettingsBytes(Window.objectName()), PlacementValue,
                             EncodePlacement(GetWindowPlacement(Window)));
}

bool RestorePlacement(QWidget& Window) {
    const TRegistry registry = OpenSettingsKey();
    const std::string section = SettingsBytes(Window.objectName());
    if (!registry.KeyExists(section)) return false;
    const std::optional<QByteArray> data = registry.ReadBinaryData(section, PlacementValue, PlacementSize);
    if (!data || data->size() < PlacementSize) return false;
    return SetWindowPlacement(Window, DecodePlacement(*data));
}

}  // namespace qm
