#include "settingsnotice.h"

#include <set>

#include "format.h"
#include "recordtext.h"
#include "registry.h"

namespace qm {

namespace {

struct TNoticeState {
    TSettingsNotice Notice;
    std::set<std::string> Told;
};

TNoticeState& State() {
    static TNoticeState state;
    return state;
}

void Tell(const std::string& Text) {
    TNoticeState& state = State();
    if (state.Told.insert(Text).second && state.Notice) state.Notice(Text);
}

void TellUnreadable(const TRegistry& Registry) {
    Tell(Format("Settings cannot be read from %s: the defaults are used and settings will not be kept",
                {Registry.Location()}));
}

}  // namespace

void SetSettingsNotice(TSettingsNotice Notice) {
    State().Notice = std::move(Notice);
    State().Told.clear();
}

bool ReadUsableSetting(const TRegistry& Registry, const std::string& Section, const std::string& Name,
                       const std::string& What, const std::function<void()>& Read) {
    if (!Registry.Readable()) {
        TellUnreadable(Registry);
        return false;
    }
    try {
        Read();
        return true;
    } catch (const ERegistryException&) {
        Tell(Format("The setting %s in section %s of %s is not used: it is not %s",
                    {Name, Section, Registry.Location(), What}));
        return false;
    }
}

void TellValueNotUsed(const TRegistry& Registry, const std::string& Section, const std::string& Name,
                      const std::string& Value, const std::string& What) {
    std::string quoted = Record({Shortened(Value)});
    quoted.pop_back();  // the record's line end
    Tell(Format("The setting %s in section %s of %s is not used: \"%s\" is not %s",
                {Name, Section, Registry.Location(), quoted, What}));
}

void WriteUsableSetting(const TRegistry& Registry, const std::function<void()>& Write) {
    if (Registry.Readable()) Write();
    else TellUnreadable(Registry);
}

}  // namespace qm
