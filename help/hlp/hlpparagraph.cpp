// Strings and commands alternate: a string of the text, then the command that follows it,
// until the end command. Fonts switch the format; a hotspot command starts a jump that the
// hotspot end command closes.
#include "hlpparagraph.h"

#include <algorithm>

#include "hlpbytes.h"
#include "hlpcharset.h"
#include "hlpformat.h"

namespace qm {

namespace {

class TParagraphBuilder {
public:
    TParagraphBuilder(const THlpParagraphContext& Context, THlpTopic& Out)
        : FFonts(Context.Fonts), FCodePage(Context.CodePage), FSource(Context.Pictures), FNumberHash(Context.NumberHash),
          FOut(Out.Paragraphs), FPictures(Out.Pictures) {}

    // A picture as a run of its own, inside the hotspot around it.
    void Picture(THlpPicture Picture, uint8_t Align) {
        THlpRun run;
        run.Jump = FRun.Jump, run.JumpHash = FRun.JumpHash, run.Popup = FRun.Popup, run.JumpFile = FRun.JumpFile;
        run.Picture = int(FPictures.size());
        run.PictureAlign = Align;
        FPictures.push_back(std::move(Picture));
        FCurrent.Runs.push_back(std::move(run));
    }
    THlpPicture Stored(int Number) const { return FSource ? FSource(Number) : THlpPicture{}; }
    // A jump of a version 3.0 file to the topic of that number: through the topic's context
    // string like any other; no jump when the topic has none.
    void StartJumpToNumber(uint32_t Number, bool Popup) {
        const uint32_t hash = FNumberHash ? FNumberHash(Number) : 0;
        StartJump(hash != 0, hash, Popup);
    }

    // Text in its font's character set, or the file's.
    void Append(std::string_view Bytes) {
        if (Bytes.empty()) return;
        const std::string Text = HelpTextToUtf8(Bytes, FRun.Charset ? CodePageOfCharset(FRun.Charset) : FCodePage);
        if (!FCurrent.Runs.empty() && FCurrent.Runs.back().SameFormat(FRun)) {
            FCurrent.Runs.back().Text += Text;
            return;
        }
        FCurrent.Runs.push_back(FRun);
        FCurrent.Runs.back().Text = std::string(Text);
    }
    void Font(int Number) {
        FRun.SetFont(Number >= 0 && size_t(Number) < FFonts.size() ? FFonts[size_t(Number)] : THlpFont{});
    }
    void StartJump(bool Jump, uint32_t Hash, bool Popup = false, std::string File = {}) {
        FRun.Jump = Jump;
        FRun.JumpHash = Jump ? Hash : 0;
        FRun.Popup = Jump && Popup;
        FRun.JumpFile = Jump ? std::move(File) : std::string();
    }
    // The paragraphs that follow are the cells of a table.
    void Cell(int Table, int Row, int Column, const std::vector<int>& Widths) {
        FCurrent.Table = Table, FCurrent.Row = Row, FCurrent.Column = Column, FCurrent.ColumnWidths = Widths;
        FCellStart = FOut.size();
    }
    void EndParagraph() {
        THlpParagraph next;
        next.Table = FCurrent.Table, next.Row = FCurrent.Row, next.Column = FCurrent.Column;
        next.ColumnWidths = FCurrent.ColumnWidths;
        FOut.push_back(std::move(FCurrent));
        FCurrent = std::move(next);
    }
    void EndRecord() {
        // A table's cell stays, empty or not, so that the cells after it keep their places.
        if (!FCurrent.Runs.empty() || (FCurrent.Table > 0 && FOut.size() == FCellStart)) EndParagraph();
    }

private:
    const std::vector<THlpFont>& FFonts;
    unsigned FCodePage;
    const THlpPictureSource& FSource;
    const THlpTopicNumberHash& FNumberHash;
    std::vector<THlpPicture>& FPictures;
    size_t FCellStart = 0;
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
            case HlpCmdPictureInLine: case HlpCmdPictureLeft: case HlpCmdPictureRight: {
                uint8_t kind = In.U8();
                int32_t size = In.PackedI32();
                if (kind == HlpPictureWithHotspots) In.PackedU16();
                if (size < 0) Damaged();
                THlpBytes data(In.Take(size_t(size)));
                if (kind != HlpPicture && kind != HlpPictureWithHotspots) break;  // a window of a program
                const bool embedded = data.I16() != 0;
                // Inside the topic: the picture follows the flag, or the flag and a number.
                std::string_view rest = data.Take(data.Remaining());
                const std::string_view magic = rest.substr(0, 2);
                if (embedded && magic != "\x6C\x50" && magic != "\x6C\x70") rest = rest.substr(std::min<size_t>(2, rest.size()));
                THlpPicture picture = embedded ? ReadPicture(rest) : Builder.Stored(THlpBytes(rest).I16());
                Builder.Picture(std::move(picture), uint8_t(command - HlpCmdPictureInLine));
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
            case HlpCmdPopup30: case HlpCmdJump30: Builder.StartJumpToNumber(In.U32(), command == HlpCmdPopup30); break;
            case HlpCmdPopup: case 0xE6: Builder.StartJump(true, In.U32(), true); break;
            case HlpCmdJump: case 0xE7: Builder.StartJump(true, In.U32()); break;
            case HlpCmdPopupElsewhere: case 0xEB: case HlpCmdJumpElsewhere: case 0xEF: {
                // A jump into a window (which this viewer does not have) or into another file.
                THlpBytes target(In.Take(In.U16()));
                uint8_t kind = target.U8();
                uint32_t hash = target.U32();
                std::string file;
                if (kind == 1) target.U8();  // the window's number
                else if (kind == 4 || kind == 6) file = target.CString();
                Builder.StartJump(true, hash, command == HlpCmdPopupElsewhere || command == 0xEB, file);
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
                         const THlpParagraphContext& Context, THlpTopic& Topic) {
    THlpBytes in(Data1);
    std::string_view text = Text;
    in.PackedI32();
    in.PackedU16();
    TParagraphBuilder builder(Context, Topic);
    std::vector<THlpParagraph>& Out = Topic.Paragraphs;
    if (Type != HlpTableRecord) {
        SkipParagraphAttributes(in);
        ReadCommands(in, text, builder);
        return;
    }
    int table = 1;
    for (auto p = Out.rbegin(); p != Out.rend(); ++p)
        if (p->Table > 0) {
            table = p->Table + 1;
            break;
        }
    unsigned columns = in.U8();
    unsigned kind = in.U8();
    if (kind == 0 || kind == 2) in.Skip(2);  // the table's least width
    std::vector<int> widths;
    for (unsigned c = 0; c < columns; ++c) {
        in.I16();  // the gap before it
        widths.push_back(in.I16());
    }
    // Each cell: its column, two bytes of unknown use and a zero byte, then a paragraph group; a
    // column that is not right of the one before begins a row.
    int row = -1, last = 0;
    for (;;) {
        int column = in.I16();
        if (column == -1) return;
        if (column < 0 || unsigned(column) >= columns) Damaged();
        if (row < 0 || column <= last) ++row;
        last = column;
        in.Skip(3);
        builder.Cell(table, row, column, widths);
        SkipParagraphAttributes(in);
        ReadCommands(in, text, builder);
    }
}

}  // namespace qm
