// quillmap2-genlib: writes a deterministic synthetic class library of Pascal units for the
// benchmarks. Every ancestor is declared earlier (in an earlier unit or the same one) and no
// class repeats a member name, so the library also loads into the class database in unit order.
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <string>
#include <vector>

#include "vclunits.h"

namespace {

// A small generator with a fixed algorithm, so the same seed gives the same library everywhere.
class TRandom {
public:
    explicit TRandom(uint64_t Seed) : FState(Seed * 0x9E3779B97F4A7C15ull + 1) {}
    uint32_t Next() {
        FState ^= FState << 13;
        FState ^= FState >> 7;
        FState ^= FState << 17;
        return uint32_t(FState >> 11);
    }
    int Below(int N) { return int(Next() % uint32_t(N)); }
    bool Chance(int Percent) { return Below(100) < Percent; }
    template <class T>
    const T& Pick(const std::vector<T>& Items) { return Items[size_t(Below(int(Items.size())))]; }

private:
    uint64_t FState;
};

const std::vector<std::string> Verbs = {
    "Paint", "Update", "Changed", "Loaded", "Click", "DblClick", "Resize", "Notify", "Assign",
    "Clear", "Refresh", "Invalidate", "Realign", "Scroll", "Validate", "Execute", "Open", "Close",
    "Post", "Cancel", "Insert", "Delete", "Append", "Sort", "Exchange", "Move", "Reset", "Flush",
    "Read", "Write", "Seek", "Draw", "Measure", "Select", "Focus", "Enter", "Exit", "Activate",
    "Deactivate", "Show", "Hide", "Restore", "Minimize", "Store", "Fetch", "Encode", "Decode"};
const std::vector<std::string> Nouns = {
    "Caption", "Color", "Font", "Count", "Items", "Lines", "Text", "Width", "Height", "Left",
    "Top", "Align", "Visible", "Enabled", "Hint", "Tag", "Cursor", "Style", "State", "Kind",
    "Name", "Owner", "Parent", "Handle", "Canvas", "Brush", "Pen", "Index", "Capacity", "Sorted",
    "Duplicates", "Position", "Size", "Mode", "Options", "Margin", "Spacing", "Layout", "Glyph",
    "Images", "Checked", "Default", "Modified", "ReadOnly", "MaxLength", "Interval", "Active"};
const std::vector<std::string> Types = {"Integer", "Longint", "Boolean", "string", "TColor",
                                        "Word", "Cardinal", "TObject", "Pointer", "Double"};
const std::vector<std::string> Directives = {"virtual;", "dynamic;", "override;", "stdcall;",
                                             "virtual; abstract;", "register;"};

struct TClassInfo {
    std::string Name;
    int Unit;
    int Depth;  // 1 for TObject
};

// Real class libraries nest about a dozen levels deep at most.
constexpr int MaxDepth = 12;

class TLibraryWriter {
public:
    TLibraryWriter(std::filesystem::path Dir, uint64_t Seed) : FDir(std::move(Dir)), FRand(Seed) {}

    // With a Delphi tree, unit i is written where the VCL's unit i is read from (below
    // SOURCE, REPORT last), so that the VCL initialization loads the generated library.
    bool DelphiTree = false;

    // Writes units of about UnitBytes each until Units are written or TotalBytes is reached.
    void Write(int Units, size_t UnitBytes, size_t TotalBytes) {
        std::filesystem::create_directories(FDir);
        for (int u = 0; (Units == 0 || u < Units) && (TotalBytes == 0 || FTotal < TotalBytes); ++u)
            WriteUnit(u, UnitBytes);
    }
    size_t Total() const { return FTotal; }
    int Files() const { return FFiles; }

private:
    void WriteUnit(int U, size_t UnitBytes);
    std::string ClassText(const std::string& Name, const std::string& Ancestor, std::string& Impl);
    std::string Params();
    std::string Body();

    std::filesystem::path FDir;
    TRandom FRand;
    std::vector<TClassInfo> FClasses;
    size_t FTotal = 0;
    int FFiles = 0;
};

std::string UnitName(int U) {
    char buf[16];
    std::snprintf(buf, sizeof buf, "Gen%04d", U);
    return buf;
}

std::string TLibraryWriter::Params() {
    static const std::vector<std::string> names = {"Sender", "Value", "Index", "AOwner", "Rect",
                                                   "Msg", "Count", "Data", "Source", "Flags"};
    int n = FRand.Below(4);
    std::string s;
    for (int i = 0; i < n; ++i) {
        if (i) s += "; ";
        if (FRand.Chance(25)) s += FRand.Chance(50) ? "var " : "const ";
        s += names[size_t(i * 3 + FRand.Below(3)) % names.size()] + std::to_string(i) + ": " +
             FRand.Pick(Types);
    }
    return n ? "(" + s + ")" : "";
}

std::string TLibraryWriter::Body() {
    static const std::vector<std::string> lines = {
        "  inherited;\n",
        "  FCount := FCount + 1; // keep the count (and the cache) in step\n",
        "  if (Index >= 0) and (Index < Count) then Result := Items[Index];\n",
        "  Caption := 'It''s done (really)';\n",
        "  { refresh only when visible }\n  if Visible then Invalidate;\n",
        "  for I := 0 to Count - 1 do\n    Notify(Items[I], opRemove);\n",
        "  case Kind of\n    0: Width := 10;\n    1: Height := (Width * 3) div 4;\n  end;\n",
        "  (* the old code drew twice *)\n  Draw(Canvas, Rect(0, 0, Width, Height));\n",
        "  raise EInvalidOperation.Create('Cannot ''close'' (busy); try again');\n",
        "  with Canvas do\n  begin\n    Brush.Color := clBtnFace;\n    FillRect(ClipRect);\n  end;\n"};
    std::string s = "var\n  I: Integer;\nbegin\n";
    for (int i = 1 + FRand.Below(5); i > 0; --i) s += FRand.Pick(lines);
    return s + "end;\n\n";
}

std::string TLibraryWriter::ClassText(const std::string& Name, const std::string& Ancestor,
                                      std::string& Impl) {
    // Member names come from the pools without repetition, so no class repeats a name.
    std::vector<std::string> verbs = Verbs, nouns = Nouns;
    auto take = [&](std::vector<std::string>& pool) {
        size_t i = size_t(FRand.Below(int(pool.size())));
        std::string n = pool[i];
        pool.erase(pool.begin() + long(i));
        return n;
    };
    static const char* sections[] = {"private", "protected", "public", "published"};
    std::string s = "  { " + Name + " adds its own state to " + Ancestor + ". }\n";
    s += "  " + Name + " = class(" + Ancestor + ")\n";
    for (const char* section : sections) {
        s += "  " + std::string(section) + "\n";
        for (int i = FRand.Below(4); i > 0 && nouns.size() > 2; --i) {
            if (FRand.Chance(30)) {
                std::string a = take(nouns), b = take(nouns);
                s += "    F" + a + ", F" + b + ": " + FRand.Pick(Types) + ";\n";
            } else {
                s += "    F" + take(nouns) + ": " + FRand.Pick(Types) + "; // stored value\n";
            }
        }
        for (int i = FRand.Below(5); i > 0 && verbs.size() > 1; --i) {
            std::string m = take(verbs), p = Params();
            bool isFunction = FRand.Chance(40);
            std::string head = isFunction ? "function " : "procedure ";
            std::string result = isFunction ? ": " + FRand.Pick(Types) : "";
            std::string dir = FRand.Chance(50) ? " " + FRand.Pick(Directives) : "";
            if (FRand.Chance(10)) dir = " message WM_USER;";
            s += "    " + head + m + p + result + ";" + dir + "\n";
            if (dir.find("abstract") == std::string::npos)
                Impl += head + Name + "." + m + p + result + ";\n" + Body();
        }
        for (int i = FRand.Below(4); i > 0 && nouns.size() > 1; --i) {
            std::string p = take(nouns), t = FRand.Pick(Types);
            if (FRand.Chance(15)) {
                s += "    property " + p + "[Index: Integer]: " + t + " read Get" + p + " write Set" + p +
                     "; default;\n";
            } else {
                s += "    property " + p + ": " + t + " read F" + p + " write F" + p;
                if (FRand.Chance(30)) s += " default 0";
                if (FRand.Chance(15)) s += " stored Is" + p + "Stored";
                s += ";\n";
            }
        }
    }
    return s + "  end;\n\n";
}

void TLibraryWriter::WriteUnit(int U, size_t UnitBytes) {
    std::string name = UnitName(U);
    std::string types, impl;
    std::vector<int> used;
    if (U == 0) {
        types += "  TObject = class\n  public\n    constructor Create;\n    procedure Free;\n  end;\n\n";
        FClasses.push_back({"TObject", 0, 1});
    }
    for (int c = 0; types.size() + impl.size() < UnitBytes; ++c) {
        // Mostly a recent class, so that chains grow deep as in a real library, but never
        // deeper than MaxDepth; the root when no recent class qualifies.
        int back = FRand.Below(int(std::min<size_t>(FClasses.size(), 40)));
        TClassInfo ancestor = FClasses[FClasses.size() - 1 - size_t(back)];
        if (ancestor.Depth >= MaxDepth) ancestor = FClasses.front();
        if (ancestor.Unit != U) used.push_back(ancestor.Unit);
        std::string cls = "T" + FRand.Pick(Nouns) + name.substr(3) + "_" + std::to_string(c);
        types += ClassText(cls, ancestor.Name, impl);
        FClasses.push_back({cls, U, ancestor.Depth + 1});
    }

    std::string text = "{ " + name + ": generated class library unit. }\nunit " + name +
                       ";\n\ninterface\n\n";
    if (!used.empty()) {
        std::sort(used.begin(), used.end());
        used.erase(std::unique(used.begin(), used.end()), used.end());
        text += "uses\n  Windows, Messages";
        for (int u : used) text += ", " + UnitName(u);
        text += ";\n\n";
    }
    text += "const\n  " + name + "Title = 'Unit (" + name + ")';\n\ntype\n" + types;
    text += "implementation\n\n" + impl + "initialization\nend.\n";
    std::filesystem::path file = FDir / (name + ".pas");
    if (DelphiTree) {
        const std::string source = (FDir / "SOURCE").string() + qm::PathDelim;
        file = size_t(U) < qm::VCLUnitNames.size() ? qm::VCLUnitPath(source, qm::VCLUnitNames[size_t(U)])
                                                   : qm::VCLReportPath(source);
        std::filesystem::create_directories(file.parent_path());
    }
    std::ofstream(file, std::ios::binary) << text;
    FTotal += text.size();
    ++FFiles;
}

int Usage() {
    std::cerr << "usage: quillmap2-genlib OUTDIR [--megabytes N] [--units N] [--unit-kb N] [--seed N] [--delphi-tree]\n"
                 "  --delphi-tree: the 49 units of an installation tree OUTDIR/SOURCE/..., as the VCL is laid out\n";
    return 2;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) return Usage();
    size_t megabytes = 0, unitKb = 60;
    int units = 0;
    uint64_t seed = 1;
    bool delphiTree = false;
    for (int i = 2; i < argc; i += 2) {
        std::string opt = argv[i];
        if (opt == "--delphi-tree") {
            delphiTree = true;
            --i;
            continue;
        }
        if (i + 1 == argc) return Usage();
        unsigned long long value = std::stoull(argv[i + 1]);
        if (opt == "--megabytes") megabytes = value;
        else if (opt == "--units") units = int(value);
        else if (opt == "--unit-kb") unitKb = value;
        else if (opt == "--seed") seed = value;
        else return Usage();
    }
    if (megabytes == 0 && units == 0) megabytes = 50;
    if (delphiTree) units = int(qm::VCLUnitNames.size()) + 1;
    TLibraryWriter writer(argv[1], seed);
    writer.DelphiTree = delphiTree;
    writer.Write(units, unitKb * 1024, megabytes * 1024 * 1024);
    std::cout << writer.Files() << " units, " << writer.Total() << " bytes in " << argv[1] << '\n';
    return 0;
}
