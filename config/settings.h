// The program's own settings key, named after the maker and the application title, and its
// section "General" of named strings kept between runs.
#pragma once

#include <string>
#include <string_view>

#include "registry.h"
#include "settingsstore.h"

namespace qm {

// Title when it is not empty, otherwise the executable's file name up to its first ".".
std::string ApplicationName(std::string_view Title, std::string_view ExeFileName);
// The rule above for the running program: the title is QCoreApplication's application name when one
// was set. Without an application object the name is Quillmap 2's own.
std::string ApplicationName();
// "\Software\Brindlewood\" and ApplicationName().
std::string SettingsKey();
// The current user's store under SettingsKey(). Opening creates nothing; the first write does.
TRegistry OpenSettingsKey();

// Value Name of sub-key Section: Default when it is missing or cannot be used (a value that is not a
// text, a store that cannot be read; told once, see settingsnotice.h). Reading creates nothing.
std::string ReadSettingText(const TRegistry& Registry, const std::string& Section, const std::string& Name,
                            const std::string& Default);
// Creates the sub-key when missing and writes the value, unless the store cannot be read.
void WriteSettingText(TRegistry& Registry, const std::string& Section, const std::string& Name,
                      const std::string& Value);

// The same in section "General".
std::string ReadSetting(const std::string& Name, const std::string& Default);
void WriteSetting(const std::string& Name, const std::string& Value);

// The same two operations for the layers that take a settings store.
class TRegistrySettings : public TSettingsStore {
public:
    std::string ReadSetting(const std::string& Name, const std::string& Default) override;
    void WriteSetting(const std::string& Name, const std::string& Value) override;
};

}  // namespace qm
