// Problems with the user's settings that the program works around instead of stopping: a value it
// cannot use, a store it cannot read. Each problem is told once, through the notice the program installs.
#pragma once

#include <functional>
#include <string>

namespace qm {

class TRegistry;

using TSettingsNotice = std::function<void(const std::string& Text)>;
// Installs Notice (an empty one drops what comes) and forgets which problems were told.
void SetSettingsNotice(TSettingsNotice Notice);

// Runs Read, which reads value Name of sub-key Section and raises ERegistryException for a value of
// another type. False when the store cannot be read or Read raised: the caller keeps its default, and
// the problem is told once. What says what the value must be ("a text").
bool ReadUsableSetting(const TRegistry& Registry, const std::string& Section, const std::string& Name,
                       const std::string& What, const std::function<void()>& Read);
// Tells once that value Name of sub-key Section holds Value, which is not What ("one of A, B"): the
// caller keeps its default. The value is quoted shortened, its control bytes escaped.
void TellValueNotUsed(const TRegistry& Registry, const std::string& Section, const std::string& Name,
                      const std::string& Value, const std::string& What);
// Runs Write unless the store cannot be read: what such a store holds was never seen and is not
// overwritten (the person has been told that settings are not kept).
void WriteUsableSetting(const TRegistry& Registry, const std::function<void()>& Write);

}  // namespace qm
