{***********************************************************}
{                                                           }
{       Quillmap 2 sample class library                     }
{       System unit: TObject and the basic types            }
{                                                           }
{       This unit is implicitly used by every other unit.   }
{       It also carries the small subset of Win32           }
{       types and message numbers the library needs.        }
{                                                           }
{***********************************************************}

unit System;

{$D-,L-,S-,Y-}

interface

const
  { Variant type codes }
  varEmpty    = $0000;
  varNull     = $0001;
  varSmallint = $0002;
  varInteger  = $0003;
  varSingle   = $0004;
  varDouble   = $0005;
  varCurrency = $0006;
  varDate     = $0007;
  varOleStr   = $0008;
  varDispatch = $0009;
  varError    = $000A;
  varBoolean  = $000B;
  varVariant  = $000C;
  varUnknown  = $000D;
  varByte     = $0011;
  varString   = $0100;
  varTypeMask = $0FFF;
  varArray    = $2000;
  varByRef    = $4000;

  { TVarRec.VType values }
  vtInteger    = 0;
  vtBoolean    = 1;
  vtChar       = 2;
  vtExtended   = 3;
  vtString     = 4;
  vtPointer    = 5;
  vtPChar      = 6;
  vtObject     = 7;
  vtClass      = 8;
  vtAnsiString = 11;
  vtCurrency   = 12;
  vtVariant    = 13;

  { Win32 message numbers used by the library }
  WM_NULL           = $0000;
  WM_CREATE         = $0001;
  WM_DESTROY        = $0002;
  WM_MOVE           = $0003;
  WM_SIZE           = $0005;
  WM_ACTIVATE       = $0006;
  WM_SETFOCUS       = $0007;
  WM_KILLFOCUS      = $0008;
  WM_ENABLE         = $000A;
  WM_SETTEXT        = $000C;
  WM_GETTEXT        = $000D;
  WM_PAINT          = $000F;
  WM_CLOSE          = $0010;
  WM_QUERYENDSESSION = $0011;
  WM_ERASEBKGND     = $0014;
  WM_SHOWWINDOW     = $0018;
  WM_ACTIVATEAPP    = $001C;
  WM_SETCURSOR      = $0020;
  WM_MOUSEACTIVATE  = $0021;
  WM_GETMINMAXINFO  = $0024;
  WM_DRAWITEM       = $002B;
  WM_MEASUREITEM    = $002C;
  WM_SETFONT        = $0030;
  WM_GETFONT        = $0031;
  WM_WINDOWPOSCHANGED = $0047;
  WM_NOTIFY         = $004E;
  WM_HELP           = $0053;
  WM_NCHITTEST      = $0084;
  WM_NCPAINT        = $0085;
  WM_GETDLGCODE     = $0087;
  WM_KEYDOWN        = $0100;
  WM_KEYUP          = $0101;
  WM_CHAR           = $0102;
  WM_SYSKEYDOWN     = $0104;
  WM_SYSCOMMAND     = $0112;
  WM_TIMER          = $0113;
  WM_HSCROLL        = $0114;
  WM_VSCROLL        = $0115;
  WM_INITMENUPOPUP  = $0117;
  WM_MENUSELECT     = $011F;
  WM_COMMAND        = $0111;
  WM_CTLCOLOR       = $0019;
  WM_MOUSEMOVE      = $0200;
  WM_LBUTTONDOWN    = $0201;
  WM_LBUTTONUP      = $0202;
  WM_LBUTTONDBLCLK  = $0203;
  WM_RBUTTONDOWN    = $0204;
  WM_RBUTTONUP      = $0205;
  WM_CANCELMODE     = $001F;
  WM_MDIACTIVATE    = $0222;
  WM_DROPFILES      = $0233;
  WM_CUT            = $0300;
  WM_COPY           = $0301;
  WM_PASTE          = $0302;
  WM_CLEAR          = $0303;
  WM_UNDO           = $0304;
  WM_DRAWCLIPBOARD  = $0308;
  WM_CHANGECBCHAIN  = $030D;
  WM_PALETTECHANGED = $0311;
  WM_QUERYNEWPALETTE = $030F;
  WM_USER           = $0400;

  MaxInt = 2147483647;
  MaxLongint = 2147483647;

type
  { Scalar aliases }
  Cardinal = 0..MaxInt;
  LongWord = Cardinal;
  DWORD = Integer;
  UINT = Integer;
  BOOL = LongBool;
  PChar = ^Char;
  PInteger = ^Integer;
  PByte = ^Byte;
  PWord = ^Word;
  PPointer = ^Pointer;
  PShortString = ^ShortString;
  PString = ^string;
  PExtended = ^Extended;
  PCurrency = ^Currency;
  PVariant = ^Variant;
  TDateTime = type Double;
  HResult = type Longint;

  { Handles }
  THandle = Integer;
  HWND = type Integer;
  HDC = type Integer;
  HMENU = type Integer;
  HICON = type Integer;
  HBITMAP = type Integer;
  HPALETTE = type Integer;
  HFONT = type Integer;
  HPEN = type Integer;
  HBRUSH = type Integer;
  HRGN = type Integer;
  HCURSOR = type Integer;
  HINST = type Integer;
  HMODULE = HINST;
  HKEY = type Integer;
  HGLOBAL = THandle;
  HMETAFILE = type Integer;
  HENHMETAFILE = type Integer;
  HACCEL = type Integer;
  HHOOK = type Integer;
  WPARAM = Longint;
  LPARAM = Longint;
  LRESULT = Longint;

  PPoint = ^TPoint;
  TPoint = record
    X: Longint;
    Y: Longint;
  end;

  PRect = ^TRect;
  TRect = record
    Left, Top, Right, Bottom: Integer;
  end;

  PSize = ^TSize;
  TSize = record
    cx: Longint;
    cy: Longint;
  end;

  PMsg = ^TMsg;
  TMsg = record
    hwnd: HWND;
    message: UINT;
    wParam: WPARAM;
    lParam: LPARAM;
    time: DWORD;
    pt: TPoint;
  end;

  TSmallPoint = record
    X: Smallint;
    Y: Smallint;
  end;

  PGUID = ^TGUID;
  TGUID = record
    D1: Longint;
    D2: Word;
    D3: Word;
    D4: array[0..7] of Byte;
  end;

  PMessage = ^TMessage;
  TMessage = record
    Msg: Cardinal;
    WParam: Longint;
    LParam: Longint;
    Result: Longint;
  end;

  { Message records: typed views of TMessage for the handlers }
  TWMNoParams = record
    Msg: Cardinal;
    Unused: array[0..3] of Word;
    Result: Longint;
  end;

  TWMKey = record
    Msg: Cardinal;
    CharCode: Word;
    Unused: Word;
    KeyData: Longint;
    Result: Longint;
  end;

  TWMMouse = record
    Msg: Cardinal;
    Keys: Longint;
    XPos: Smallint;
    YPos: Smallint;
    Result: Longint;
  end;

  TWMSize = record
    Msg: Cardinal;
    SizeType: Longint;
    Width: Word;
    Height: Word;
    Result: Longint;
  end;

  TWMMove = record
    Msg: Cardinal;
    Unused: Integer;
    XPos: Smallint;
    YPos: Smallint;
    Result: Longint;
  end;

  TWMPaint = record
    Msg: Cardinal;
    DC: HDC;
    Unused: Longint;
    Result: Longint;
  end;

  TWMEraseBkgnd = record
    Msg: Cardinal;
    DC: HDC;
    Unused: Longint;
    Result: Longint;
  end;

  TWMSetFocus = record
    Msg: Cardinal;
    FocusedWnd: HWND;
    Unused: Longint;
    Result: Longint;
  end;

  TWMKillFocus = TWMSetFocus;

  TWMCommand = record
    Msg: Cardinal;
    ItemID: Word;
    NotifyCode: Word;
    Ctl: HWND;
    Result: Longint;
  end;

  TWMNotify = record
    Msg: Cardinal;
    IDCtrl: Longint;
    NMHdr: Pointer;
    Result: Longint;
  end;

  TWMSetCursor = record
    Msg: Cardinal;
    CursorWnd: HWND;
    HitTest: Word;
    MouseMsg: Word;
    Result: Longint;
  end;

  TWMNCHitTest = record
    Msg: Cardinal;
    Unused: Longint;
    XPos: Smallint;
    YPos: Smallint;
    Result: Longint;
  end;

  TWMWindowPosChanged = record
    Msg: Cardinal;
    Unused: Integer;
    WindowPos: Pointer;
    Result: Longint;
  end;

  TWMScroll = record
    Msg: Cardinal;
    ScrollCode: Smallint;
    Pos: Smallint;
    ScrollBar: HWND;
    Result: Longint;
  end;

  TWMDrawItem = record
    Msg: Cardinal;
    Ctl: HWND;
    DrawItemStruct: Pointer;
    Result: Longint;
  end;

  TWMMeasureItem = record
    Msg: Cardinal;
    IDCtl: HWND;
    MeasureItemStruct: Pointer;
    Result: Longint;
  end;

  TWMTimer = record
    Msg: Cardinal;
    TimerID: Longint;
    TimerProc: Pointer;
    Result: Longint;
  end;

  TWMSysCommand = record
    Msg: Cardinal;
    CmdType: Longint;
    XPos: Smallint;
    YPos: Smallint;
    Result: Longint;
  end;

  TWMActivate = record
    Msg: Cardinal;
    Active: Word;
    Minimized: WordBool;
    ActiveWindow: HWND;
    Result: Longint;
  end;

  TWMShowWindow = record
    Msg: Cardinal;
    Show: BOOL;
    Status: Longint;
    Result: Longint;
  end;

  TWMGetMinMaxInfo = record
    Msg: Cardinal;
    Unused: Integer;
    MinMaxInfo: Pointer;
    Result: Longint;
  end;

  TWMDropFiles = record
    Msg: Cardinal;
    Drop: THandle;
    Unused: Longint;
    Result: Longint;
  end;

  TWMCtlColor = record
    Msg: Cardinal;
    ChildDC: HDC;
    ChildWnd: HWND;
    Result: Longint;
  end;

  TWMQueryEndSession = record
    Msg: Cardinal;
    Source: Longint;
    Unused: Longint;
    Result: Longint;
  end;

  TWMEnable = record
    Msg: Cardinal;
    Enabled: LongBool;
    Unused: Longint;
    Result: Longint;
  end;

  TWMSetText = record
    Msg: Cardinal;
    Unused: Longint;
    Text: PChar;
    Result: Longint;
  end;

  TWMGetText = record
    Msg: Cardinal;
    TextMax: Integer;
    Text: PChar;
    Result: Longint;
  end;

  TWMSetFont = record
    Msg: Cardinal;
    Font: HFONT;
    Redraw: WordBool;
    Unused: Word;
    Result: Longint;
  end;

  TWMMouseActivate = record
    Msg: Cardinal;
    TopLevel: HWND;
    HitTestCode: Word;
    MouseMsg: Word;
    Result: Longint;
  end;

  TWMMenuSelect = record
    Msg: Cardinal;
    IDItem: Word;
    MenuFlag: Word;
    Menu: HMENU;
    Result: Longint;
  end;

  TWMInitMenuPopup = record
    Msg: Cardinal;
    MenuPopup: HMENU;
    Pos: Smallint;
    SystemMenu: WordBool;
    Result: Longint;
  end;

  TWMActivateApp = record
    Msg: Cardinal;
    Active: BOOL;
    ThreadId: Longint;
    Result: Longint;
  end;

  TWMNCPaint = record
    Msg: Cardinal;
    RGN: HRGN;
    Unused: Longint;
    Result: Longint;
  end;

  TWMPaletteChanged = record
    Msg: Cardinal;
    PalChg: HWND;
    Unused: Longint;
    Result: Longint;
  end;

  TWMChangeCBChain = record
    Msg: Cardinal;
    Remove: HWND;
    Next: HWND;
    Result: Longint;
  end;

  TWMHelp = record
    Msg: Cardinal;
    Unused: Integer;
    HelpInfo: Pointer;
    Result: Longint;
  end;

  TWMChar = TWMKey;
  TWMKeyDown = TWMKey;
  TWMKeyUp = TWMKey;
  TWMSysKeyDown = TWMKey;
  TWMLButtonDown = TWMMouse;
  TWMLButtonUp = TWMMouse;
  TWMLButtonDblClk = TWMMouse;
  TWMRButtonDown = TWMMouse;
  TWMRButtonUp = TWMMouse;
  TWMMouseMove = TWMMouse;
  TWMHScroll = TWMScroll;
  TWMVScroll = TWMScroll;
  TWMClose = TWMNoParams;
  TWMDestroy = TWMNoParams;
  TWMCancelMode = TWMNoParams;
  TWMGetDlgCode = TWMNoParams;
  TWMQueryNewPalette = TWMNoParams;
  TWMDrawClipboard = TWMNoParams;
  TWMCut = TWMNoParams;
  TWMCopy = TWMNoParams;
  TWMPaste = TWMNoParams;
  TWMClear = TWMNoParams;
  TWMUndo = TWMNoParams;

  PVarRec = ^TVarRec;
  TVarRec = record
    VType: Byte;
    VInteger: Integer;
    VPointer: Pointer;
  end;

  PVarData = ^TVarData;
  TVarData = record
    VType: Word;
    Reserved1, Reserved2, Reserved3: Word;
    VLong: Longint;
    VPointer: Pointer;
  end;

  TMethod = record
    Code, Data: Pointer;
  end;

  { The root of the class tree.  Every class without a named ancestor
    descends from TObject. }
  TObject = class;

  TClass = class of TObject;
  PClass = ^TClass;

  TMessageHandler = procedure(var Message) of object;

  PVmtHeader = ^TVmtHeader;
  TVmtHeader = record
    Parent: TClass;
    InstanceSize: Longint;
    ClassName: PShortString;
    MethodTable: Pointer;
    FieldTable: Pointer;
    DynamicTable: Pointer;
    TypeInfo: Pointer;
    InitTable: Pointer;
  end;

  TObject = class
    constructor Create;
    procedure Free;
    class function InitInstance(Instance: Pointer): TObject;
    procedure CleanupInstance;
    function ClassType: TClass;
    class function ClassName: ShortString;
    class function ClassNameIs(const Name: string): Boolean;
    class function ClassParent: TClass;
    class function ClassInfo: Pointer;
    class function InstanceSize: Longint;
    class function InheritsFrom(AClass: TClass): Boolean;
    procedure Dispatch(var Message);
    class function MethodAddress(const Name: ShortString): Pointer;
    class function MethodName(Address: Pointer): ShortString;
    function FieldAddress(const Name: ShortString): Pointer;
    procedure DefaultHandler(var Message); virtual;
    class function NewInstance: TObject; virtual;
    procedure FreeInstance; virtual;
    destructor Destroy; virtual;
  end;

  { Text file driver state, as seen by the I/O routines }
  PTextBuf = ^TTextBuf;
  TTextBuf = array[0..127] of Char;
  TTextRec = record
    Handle: Integer;
    Mode: Integer;
    BufSize: Cardinal;
    BufPos: Cardinal;
    BufEnd: Cardinal;
    BufPtr: PChar;
    OpenFunc: Pointer;
    InOutFunc: Pointer;
    FlushFunc: Pointer;
    CloseFunc: Pointer;
    UserData: array[1..32] of Byte;
    Name: array[0..259] of Char;
    Buffer: TTextBuf;
  end;

  { Memory manager hooks }
  PMemoryManager = ^TMemoryManager;
  TMemoryManager = record
    GetMem: Pointer;
    FreeMem: Pointer;
    ReallocMem: Pointer;
  end;

  THeapStatus = record
    TotalAddrSpace: Cardinal;
    TotalUncommitted: Cardinal;
    TotalCommitted: Cardinal;
    TotalAllocated: Cardinal;
    TotalFree: Cardinal;
    FreeSmall: Cardinal;
    FreeBig: Cardinal;
    Unused: Cardinal;
    Overhead: Cardinal;
    HeapErrorCode: Cardinal;
  end;

var
  ExceptProc: Pointer;
  ErrorProc: Pointer;
  ExceptClsProc: Pointer;
  ExceptObjProc: Pointer;
  ExitProc: Pointer;
  ErrorAddr: Pointer;
  RaiseList: Pointer;
  ExitCode: Integer;
  HInstance: Longint;
  HPrevInst: Longint;
  CmdShow: Integer;
  CmdLine: PChar;
  IsLibrary: Boolean;
  IsConsole: Boolean;
  IsMultiThread: Boolean;
  RandSeed: Longint;
  AllocMemCount: Integer;
  AllocMemSize: Integer;
  Input, Output: Text;
  FileMode: Byte;
  Test8086: Byte;

function ParamCount: Integer;
function ParamStr(Index: Integer): string;
procedure Randomize;
function Random(Range: Integer): Integer;
function UpCase(Ch: Char): Char;
function Unassigned: Variant;
function Null: Variant;
procedure GetMemoryManager(var MemMgr: TMemoryManager);
procedure SetMemoryManager(const MemMgr: TMemoryManager);
function GetHeapStatus: THeapStatus;
function StringOfChar(Ch: Char; Count: Integer): string;
procedure SetString(var S: string; Buffer: PChar; Len: Integer);
function VarType(const V: Variant): Integer;
function VarIsNull(const V: Variant): Boolean;
function VarIsEmpty(const V: Variant): Boolean;
procedure VarClear(var V: Variant);
procedure RunError(ErrorCode: Byte);
function IOResult: Integer;

implementation

const
  { The class tables sit just below the address a class reference points
    at; VmtOffset is the distance from there to the header. }
  VmtOffset = SizeOf(TVmtHeader);

  reInvalidPtr = 204;
  reAbstractError = 210;

type
  TErrorProc = procedure(ErrorCode: Integer; ErrorAddr: Pointer);

  PMethodEntry = ^TMethodEntry;
  TMethodEntry = record
    Size: Word;
    Code: Pointer;
    Name: ShortString;
  end;

  PFieldEntry = ^TFieldEntry;
  TFieldEntry = record
    Offset: Longint;
    Index: Word;
    Name: ShortString;
  end;

var
  MemoryManager: TMemoryManager;
  CommandLineArgs: array[0..31] of PChar;
  CommandLineCount: Integer;
  HeapStatus: THeapStatus;
  InOutRes: Integer;

function GetTickCount: DWORD; stdcall; external 'kernel32.dll' name 'GetTickCount';

function GetVmt(AClass: TClass): PVmtHeader;
begin
  Result := PVmtHeader(Longint(AClass) - VmtOffset);
end;

{ Message method tables: a count followed by pairs of ids and handlers. }
type
  PDynamicTable = ^TDynamicTable;
  TDynamicTable = record
    Count: Word;
    Ids: array[0..1023] of Word;
  end;

function FindDynamic(AClass: TClass; Id: Word): Pointer;
var
  Table: PDynamicTable;
  I: Integer;
  Handlers: PPointer;
begin
  Result := nil;
  while AClass <> nil do
  begin
    Table := GetVmt(AClass)^.DynamicTable;
    if Table <> nil then
      for I := 0 to Table^.Count - 1 do
        if Table^.Ids[I] = Id then
        begin
          Handlers := PPointer(Longint(@Table^.Ids[Table^.Count]) + I * SizeOf(Pointer));
          Result := Handlers^;
          Exit;
        end;
    AClass := GetVmt(AClass)^.Parent;
  end;
end;

function SameShortText(const S1, S2: ShortString): Boolean;
var
  I: Integer;
begin
  Result := False;
  if Length(S1) <> Length(S2) then Exit;
  for I := 1 to Length(S1) do
    if UpCase(S1[I]) <> UpCase(S2[I]) then Exit;
  Result := True;
end;

{ Method tables hold a count followed by variable-sized entries. }
function FindPublishedMethod(AClass: TClass; const Name: ShortString): Pointer;
var
  Table: PWord;
  Entry: PMethodEntry;
  I: Integer;
begin
  while AClass <> nil do
  begin
    Table := GetVmt(AClass)^.MethodTable;
    if Table <> nil then
    begin
      Entry := PMethodEntry(Longint(Table) + SizeOf(Word));
      for I := 1 to Table^ do
      begin
        if SameShortText(Entry^.Name, Name) then
        begin
          Result := Entry^.Code;
          Exit;
        end;
        Entry := PMethodEntry(Longint(Entry) + Entry^.Size);
      end;
    end;
    AClass := GetVmt(AClass)^.Parent;
  end;
  Result := nil;
end;

function FindPublishedMethodName(AClass: TClass; Address: Pointer): ShortString;
var
  Table: PWord;
  Entry: PMethodEntry;
  I: Integer;
begin
  while AClass <> nil do
  begin
    Table := GetVmt(AClass)^.MethodTable;
    if Table <> nil then
    begin
      Entry := PMethodEntry(Longint(Table) + SizeOf(Word));
      for I := 1 to Table^ do
      begin
        if Entry^.Code = Address then
        begin
          Result := Entry^.Name;
          Exit;
        end;
        Entry := PMethodEntry(Longint(Entry) + Entry^.Size);
      end;
    end;
    AClass := GetVmt(AClass)^.Parent;
  end;
  Result := '';
end;

function FindPublishedField(AClass: TClass; const Name: ShortString): Integer;
var
  Table: PWord;
  Entry: PFieldEntry;
  I: Integer;
begin
  while AClass <> nil do
  begin
    Table := GetVmt(AClass)^.FieldTable;
    if Table <> nil then
    begin
      { the count is followed by a pointer to the field class table }
      Entry := PFieldEntry(Longint(Table) + SizeOf(Word) + SizeOf(Pointer));
      for I := 1 to Table^ do
      begin
        if SameShortText(Entry^.Name, Name) then
        begin
          Result := Entry^.Offset;
          Exit;
        end;
        Entry := PFieldEntry(Longint(Entry) + 7 + Length(Entry^.Name));
      end;
    end;
    AClass := GetVmt(AClass)^.Parent;
  end;
  Result := -1;
end;

function ParamCount: Integer;
begin
  Result := CommandLineCount - 1;
end;

function ParamStr(Index: Integer): string;
var
  P: PChar;
begin
  Result := '';
  if (Index >= 0) and (Index < CommandLineCount) then
  begin
    P := CommandLineArgs[Index];
    while P^ <> #0 do
    begin
      Result := Result + P^;
      Inc(P);
    end;
  end;
end;

procedure Randomize;
begin
  RandSeed := GetTickCount;
end;

function Random(Range: Integer): Integer;
begin
  { a linear congruential generator: RandSeed * 134775813 + 1 }
  RandSeed := RandSeed * 134775813 + 1;
  if Range > 0 then
    Result := (RandSeed shr 1) mod Range
  else
    Result := 0;
end;

function UpCase(Ch: Char): Char;
begin
  Result := Ch;
  if Result in ['a'..'z'] then
    Dec(Result, Ord('a') - Ord('A'));
end;

function Unassigned: Variant;
begin
  TVarData(Result).VType := varEmpty;
end;

function Null: Variant;
begin
  TVarData(Result).VType := varNull;
end;

procedure GetMemoryManager(var MemMgr: TMemoryManager);
begin
  MemMgr := MemoryManager;
end;

procedure SetMemoryManager(const MemMgr: TMemoryManager);
begin
  MemoryManager := MemMgr;
end;

function GetHeapStatus: THeapStatus;
begin
  Result := HeapStatus;
  Result.TotalAllocated := AllocMemSize;
end;

function StringOfChar(Ch: Char; Count: Integer): string;
var
  I: Integer;
begin
  SetLength(Result, Count);
  for I := 1 to Count do
    Result[I] := Ch;
end;

procedure SetString(var S: string; Buffer: PChar; Len: Integer);
begin
  SetLength(S, Len);
  if (Buffer <> nil) and (Len > 0) then
    Move(Buffer^, Pointer(S)^, Len);
end;

function VarType(const V: Variant): Integer;
begin
  Result := TVarData(V).VType;
end;

function VarIsNull(const V: Variant): Boolean;
begin
  Result := TVarData(V).VType = varNull;
end;

function VarIsEmpty(const V: Variant): Boolean;
begin
  Result := TVarData(V).VType = varEmpty;
end;

procedure VarClear(var V: Variant);
begin
  if TVarData(V).VType = varString then
    string(TVarData(V).VPointer) := '';
  TVarData(V).VType := varEmpty;
end;

procedure RunError(ErrorCode: Byte);
begin
  ExitCode := ErrorCode;
  if ErrorProc <> nil then
    TErrorProc(ErrorProc)(ErrorCode, nil);
  Halt(ErrorCode);
end;

function IOResult: Integer;
begin
  Result := InOutRes;
  InOutRes := 0;
end;

{ TObject }

constructor TObject.Create;
begin
end;

procedure TObject.Free;
begin
  if Self <> nil then
    Destroy;
end;

class function TObject.InitInstance(Instance: Pointer): TObject;
begin
  FillChar(Instance^, InstanceSize, 0);
  PClass(Instance)^ := Self;
  Result := TObject(Instance);
end;

procedure TObject.CleanupInstance;
begin
  { long strings and variants are finalized by the compiler-generated
    table walk; nothing is left to do for a plain object }
end;

function TObject.ClassType: TClass;
asm
        MOV     EAX,[EAX]
end;

class function TObject.ClassName: ShortString;
begin
  Result := GetVmt(Self)^.ClassName^;
end;

class function TObject.ClassNameIs(const Name: string): Boolean;
begin
  Result := SameShortText(ClassName, Name);
end;

class function TObject.ClassParent: TClass;
begin
  Result := GetVmt(Self)^.Parent;
end;

class function TObject.ClassInfo: Pointer;
begin
  Result := GetVmt(Self)^.TypeInfo;
end;

class function TObject.InstanceSize: Longint;
begin
  Result := GetVmt(Self)^.InstanceSize;
end;

class function TObject.InheritsFrom(AClass: TClass): Boolean;
var
  C: TClass;
begin
  C := Self;
  while (C <> nil) and (C <> AClass) do
    C := GetVmt(C)^.Parent;
  Result := C = AClass;
end;

procedure TObject.Dispatch(var Message);
var
  Handler: Pointer;
  Method: TMethod;
begin
  Handler := FindDynamic(ClassType, TMessage(Message).Msg);
  if Handler <> nil then
  begin
    Method.Code := Handler;
    Method.Data := Self;
    TMessageHandler(Method)(Message);
  end
  else
    DefaultHandler(Message);
end;

class function TObject.MethodAddress(const Name: ShortString): Pointer;
begin
  { published methods are looked up through the method table of each
    class in turn, starting with this one }
  Result := FindPublishedMethod(Self, Name);
end;

class function TObject.MethodName(Address: Pointer): ShortString;
begin
  Result := FindPublishedMethodName(Self, Address);
end;

function TObject.FieldAddress(const Name: ShortString): Pointer;
var
  Offset: Integer;
begin
  Offset := FindPublishedField(ClassType, Name);
  if Offset >= 0 then
    Result := Pointer(Longint(Self) + Offset)
  else
    Result := nil;
end;

procedure TObject.DefaultHandler(var Message);
begin
end;

class function TObject.NewInstance: TObject;
var
  Instance: Pointer;
begin
  GetMem(Instance, InstanceSize);
  Result := InitInstance(Instance);
end;

procedure TObject.FreeInstance;
begin
  CleanupInstance;
  FreeMem(Pointer(Self), InstanceSize);
end;

destructor TObject.Destroy;
begin
end;

initialization
  FileMode := 2;
  Test8086 := 2;
  IsConsole := False;
end.
