#include "placement.h"

#include <QWidget>

#include "registry.h"
#include "settings.h"
#include "settingsnotice.h"
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
    WriteUsableSetting(registry, [&] {
        registry.WriteBinaryData(SettingsBytes(Window.objectName()), PlacementValue,
                                 EncodePlacement(GetWindowPlacement(Window)));
    });
}

bool RestorePlacement(QWidget& Window) {
    const TRegistry registry = OpenSettingsKey();
    const std::string section = SettingsBytes(Window.objectName());
    if (!registry.KeyExists(section)) return false;
    std::optional<QByteArray> data;
    if (!ReadUsableSetting(registry, section, PlacementValue, "a window placement",
                           [&] { data = registry.ReadBinaryData(section, PlacementValue, PlacementSize); }))
        return false;
    if (!data || data->size() < PlacementSize) return false;
    return SetWindowPlacement(Window, DecodePlacement(*data));
}

}  // namespace qm
