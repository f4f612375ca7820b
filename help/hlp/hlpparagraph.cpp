// Strings and commands alternate: a string of the text, then the command that follows it,
// until the end command. Fonts switch the format; a hotspot command starts a jump that the
// hotspot end command closes.
#include "hlpparagraph.h"

#include "hlpbytes.h"
#include "hlpcharset.h"
#include "hlpformat.h"

namespace qm {

namespace {

class TParagraphBuilder {
public:
    TParagraphBuilder(const std::vector<uint8_t>& Fonts, std::vector<THlpParagraph>& Out)
        : FFonts(Fonts), FOut(Out) {}

    // Text in the file's character set.
    void Append(std::string_view Bytes) {
        if (Bytes.empty()) return;
        const std::string Text = Cp1252ToUtf8(Bytes);
        if (!FCurrent.Runs.empty()) {
            THlpRun& last = FCurrent.Runs.back();
            if (last.Bold == FRun.Bold && last.Italic == FRun.Italic && last.Underline == FRun.Underline &&
                last.Jump == FRun.Jump && last.JumpHash == FRun.JumpHash) {
                last.Text += Text;
                return;
            }
        }
        FCurrent.Runs.push_back(FRun);
        FCurrent.Runs.back().Text = std::string(Text);
    }
    void Font(int Number) {
        uint8_t attributes = Number >= 0 && size_t(Number) < FFonts.size() ? FFonts[size_t(Number)] : 0;
        FRun.Bold = attributes & HlpFontBold;
        FRun.Italic = attributes & HlpFontItalic;
        FRun.Underline = attributes & HlpFontUnderline;
    }
    void StartJump(bool Jump, uint32_t Hash) {
        FRun.Jump = Jump;
        FRun.JumpHash = Jump ? Hash : 0;
    }
    void EndParagraph() {
        FOut.push_back(std::move(FCurrent));
        FCurrent = {};
    }
    void EndRecord() {
        if (!FCurrent.Runs.empty()) EndParagraph();
    }

private:
    const std::vector<uint8_t>& FFonts;
    std::vector<THlpParagraph>& FOut;
    THlpParagraph FCurrent;
    THlpRun FRun;
};

void SkipParagraphAttributes(THlpBytes& In) {
    In.Skip(4);  // two bytes of unknown use, the paragraph's id
    unsigned bits = In.U16();
    if (bits & 0x0001) In.PackedI32();
    for (unsigned bit : {0x0002u, 0x0004u, 0x0008u, 0x0010u, 0x0020u, 0x0040u})
        if (bits & bit) In.PackedI16();  // spacing and indents
    if (bits & 0x0100) In.Skip(3);       // border
    if (bits & 0x0200) {                 // tab stops
        int count = In.PackedI16();
        if (count < 0) Damaged();
        for (int i = 0; i < count; ++i)
            if (In.PackedU16() & 0x4000) In.PackedU16();
    }
}

// The text's next string, taken off its front; an exhausted text gives empty strings.
std::string_view NextString(std::string_view& Text) {
    size_t end = Text.find('\0');
    std::string_view s = Text.substr(0, end);
    Text = end == std::string_view::npos ? std::string_view{} : Text.substr(end + 1);
    return s;
}

// Runs the commands of one paragraph group up to its end command.
void ReadCommands(THlpBytes& In, std::string_view& Text, TParagraphBuilder& Builder) {
    for (;;) {
        Builder.Append(NextString(Text));
        uint8_t command = In.U8();
        switch (command) {
            case HlpCmdEnd: Builder.EndRecord(); return;
            case 0x20: In.Skip(4); break;
            case 0x21: In.Skip(2); break;
            case HlpCmdFont: Builder.Font(In.I16()); break;
            case HlpCmdLineBreak: Builder.Append("\n"); break;
            case HlpCmdParagraphEnd: Builder.EndParagraph(); break;
            case HlpCmdTab: Builder.Append("\t"); break;
            case 0x86: case 0x87: case 0x88: {  // a picture
                uint8_t kind = In.U8();
                int32_t size = In.PackedI32();
                if (kind == 0x22) In.PackedU16();
                if (size < 0) Damaged();
                In.Skip(size_t(size));
                break;
            }
            case HlpCmdHotspotEnd: Builder.StartJump(false, 0); break;
            case 0x8B: Builder.Append(" "); break;
            case 0x8C: Builder.Append("-"); break;
            case 0xC8: case 0xCC: {  // a macro hotspot: no topic to jump to
                In.Skip(In.U16());
                Builder.StartJump(false, 0);
                break;
            }
            case 0xE0: case 0xE1: In.Skip(4); Builder.StartJump(false, 0); break;
            case 0xE2: case HlpCmdJump: case 0xE6: case 0xE7: Builder.StartJump(true, In.U32()); break;
            case 0xEA: case 0xEB: case 0xEE: case 0xEF: {
                // A jump with a window or another file: only a jump inside this file is followed.
                THlpBytes target(In.Take(In.U16()));
                uint8_t kind = target.U8();
                uint32_t hash = target.U32();
                Builder.StartJump(kind != 6, hash);
                break;
            }
            default: Damaged();
        }
    }
}

}  // namespace

uint16_t ParagraphTextLength(std::string_view Data1) {
    THlpBytes in(Data1);
    in.PackedI32();  // the size of the attributes and commands
    return in.PackedU16();
}

void ReadParagraphRecord(uint8_t Type, std::string_view Data1, std::string_view Text,
                         const std::vector<uint8_t>& FontAttributes, std::vector<THlpParagraph>& Out) {
    THlpBytes in(Data1);
    std::string_view text = Text;
    in.PackedI32();
    in.PackedU16();
    TParagraphBuilder builder(FontAttributes, Out);
    if (Type != HlpTableRecord) {
        SkipParagraphAttributes(in);
        ReadCommands(in, text, builder);
        return;
    }
    unsigned columns = in.U8();
    unsigned kind = in.U8();
    if (kind == 0 || kind == 2) in.Skip(2);  // the table's least width
    in.Skip(columns * 4);                    // gap and width of each column
    // Each cell: its column, two bytes of unknown use and a zero byte, then a paragraph group.
    for (;;) {
        if (in.I16() == -1) return;
        in.Skip(3);
        SkipParagraphAttributes(in);
        ReadCommands(in, text, builder);
    }
}

}  // namespace qm
