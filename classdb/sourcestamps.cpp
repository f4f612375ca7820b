// Stamping a load's files as the parser reads them.
#include "sourcestamps.h"

namespace qm {

std::string ReadStampedSource(const std::string& Path, TFileStamp& Stamp) {
    if (!StatOf(Path, Stamp)) Stamp = {};
    std::string bytes = ReadSourceFile(Path);
    Stamp.Hash = ContentHash(bytes);
    ForgetRecentTime(Stamp);
    return bytes;
}

TIncludeReader StampingIncludeReader(TIncludeReader Reader, std::vector<TReadInclude>& Read) {
    return [Reader = std::move(Reader), &Read](const std::string& Path, std::string& FoundPath, std::string& Text) {
        // Taken before the read where the reader finds the file as named (the file system's does).
        const std::string named = ResolvePath(Path);
        TFileStamp stamp;
        const bool statted = StatOf(named, stamp);
        if (!Reader(Path, FoundPath, Text)) return false;
        if ((!statted || named != FoundPath) && !StatOf(FoundPath, stamp)) stamp = {};
        stamp.Hash = ContentHash(Text);
        ForgetRecentTime(stamp);
        for (const TReadInclude& known : Read)
            if (known.Path == FoundPath) return true;
        Read.push_back({FoundPath, stamp});
        return true;
    };
}

TFileStamp IncludeStamp(const std::vector<TReadInclude>& Read, const std::string& Path) {
    for (const TReadInclude& file : Read)
        if (file.Path == Path) return file.Stamp;
    return {};
}

}  // namespace qm
