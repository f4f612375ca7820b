// The target table. Delphi's figures are those of Delphi 12 (compiler version 36); Free Pascal's
// those of version 3.2.2, the one Debian installs.
#include "targets.h"

#include <algorithm>
#include <filesystem>
#include <mutex>
#include <unordered_map>

#include "asciitext.h"
#include "paths.h"

namespace qm {

namespace {

std::vector<TTarget> MakeTargets() {
    const std::vector<std::string_view> delphi = {"DCC", "CONDITIONALEXPRESSIONS", "UNICODE", "NATIVECODE",
                                                  "ASSEMBLER", "VER360", "MSWINDOWS", "UNDERSCOREIMPORTNAME"};
    const std::vector<std::pair<std::string_view, double>> delphiVersion = {{"COMPILERVERSION", 36.0},
                                                                            {"RTLVERSION", 36.0}};
    const std::vector<std::string_view> fpc = {"FPC", "VER3", "VER3_2", "VER3_2_2", "FPC_HAS_TYPE_EXTENDED",
                                               "ENDIAN_LITTLE", "FPC_LITTLE_ENDIAN", "CPU64", "CPUX86_64",
                                               "CPUAMD64", "CPUX64", "CPU64BITS"};
    const std::vector<std::pair<std::string_view, double>> fpcVersion = {{"FPC_FULLVERSION", 30202},
                                                                         {"FPC_VERSION", 3},
                                                                         {"FPC_RELEASE", 2},
                                                                         {"FPC_PATCH", 2}};
    auto with = [](std::vector<std::string_view> Base, std::initializer_list<std::string_view> More) {
        Base.insert(Base.end(), More);
        return Base;
    };
    return {
        {"delphi-win32", false, 4, with(delphi, {"WIN32", "CPU386", "CPUX86", "CPU32BITS"}), delphiVersion},
        {"delphi-win64", false, 8, with(delphi, {"WIN64", "CPUX64", "CPU64BITS"}), delphiVersion},
        {"fpc-linux64", true, 8, with(fpc, {"UNIX", "LINUX", "HASUNIX"}), fpcVersion},
        {"fpc-win64", true, 8, with(fpc, {"WINDOWS", "MSWINDOWS", "WIN64"}), fpcVersion},
    };
}

}  // namespace

bool TTarget::Predefines(std::string_view UpperName) const {
    return std::find(Symbols.begin(), Symbols.end(), UpperName) != Symbols.end();
}

std::optional<double> TTarget::Constant(std::string_view UpperName) const {
    for (const auto& [name, value] : Constants)
        if (name == UpperName) return value;
    return std::nullopt;
}

const std::vector<TTarget>& Targets() {
    static const std::vector<TTarget> targets = MakeTargets();
    return targets;
}

const TTarget* FindTarget(std::string_view Name) {
    for (const TTarget& target : Targets())
        if (SameText(target.Name, Name)) return &target;
    return nullptr;
}

std::string TargetNames() {
    std::string names;
    for (const TTarget& target : Targets()) names += (names.empty() ? "" : ", ") + std::string(target.Name);
    return names;
}

const TTarget& DefaultTarget(bool FreePascal) { return Targets()[FreePascal ? 2 : 0]; }

bool InFreePascalTree(const std::string& Path) {
    namespace fs = std::filesystem;
    const fs::path path(Path);
    const std::string extension = UpperCase(path.extension().string());
    if (extension == ".PP" || extension == ".LPR") return true;
    static std::mutex guard;
    static std::unordered_map<std::string, bool> answers;  // by the unit's folder
    const fs::path folder = fs::path(AbsolutePath(Path)).parent_path();
    std::lock_guard<std::mutex> lock(guard);
    if (auto known = answers.find(folder.string()); known != answers.end()) return known->second;
    std::error_code ec;
    auto holds = [&](const fs::path& Root, const char* A, const char* B) {
        return fs::is_directory(Root / A, ec) && fs::is_directory(Root / B, ec);
    };
    bool found = false;
    fs::path at = folder;
    for (int depth = 0; depth < 16 && !found && !at.empty(); ++depth) {
        found = holds(at, "rtl", "packages") || holds(at, "lcl", "components");
        if (at == at.parent_path()) break;
        at = at.parent_path();
    }
    answers.emplace(folder.string(), found);
    return found;
}

}  // namespace qm
