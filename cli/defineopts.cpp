#include "defineopts.h"

#include "targets.h"

namespace qm {

int TDefineOptions::Take(const std::vector<std::string>& Args, size_t& I, const char* Command, std::ostream& Err) {
    const bool target = Args[I] == "--target";
    if (!target && Args[I] != "--define") return 0;
    if (I + 1 == Args.size() || Args[I + 1].empty()) {
        Err << Command << ": " << Args[I] << " needs a " << (target ? "target" : "symbol") << '\n';
        return 2;
    }
    const std::string& name = Args[++I];
    if (!target) {
        Symbols.push_back(name);
        return 1;
    }
    Target = FindTarget(name);
    if (!Target) {
        Err << Command << ": no target " << name << " (the targets: " << TargetNames() << ")\n";
        return 2;
    }
    return 1;
}

std::shared_ptr<const TDefineSet> TDefineOptions::Set() const {
    auto set = std::make_shared<TDefineSet>(Target);
    for (const std::string& symbol : Symbols) set->Define(symbol);
    return set;
}

}  // namespace qm
