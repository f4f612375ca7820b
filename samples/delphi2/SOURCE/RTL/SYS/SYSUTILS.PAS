{********************************************************}
{                                                        }
{       Quillmap 2 sample class library                  }
{       SysUtils unit: exceptions and utility routines   }
{                                                        }
{********************************************************}

unit SysUtils;

{$H+}

interface

const
  { File open modes }
  fmOpenRead       = $0000;
  fmOpenWrite      = $0001;
  fmOpenReadWrite  = $0002;
  fmShareCompat    = $0000;
  fmShareExclusive = $0010;
  fmShareDenyWrite = $0020;
  fmShareDenyRead  = $0030;
  fmShareDenyNone  = $0040;

  { File attributes }
  faReadOnly  = $00000001;
  faHidden    = $00000002;
  faSysFile   = $00000004;
  faVolumeID  = $00000008;
  faDirectory = $00000010;
  faArchive   = $00000020;
  faAnyFile   = $0000003F;

  { Units of time }
  HoursPerDay   = 24;
  MinsPerDay    = HoursPerDay * 60;
  SecsPerDay    = MinsPerDay * 60;
  MSecsPerDay   = SecsPerDay * 1000;
  DateDelta = 693594;

  { Message texts }
  SInvalidInteger = '''%s'' is not a valid integer value';
  SInvalidFloat = '''%s'' is not a valid floating point value';
  SInvalidDate = '''%s'' is not a valid date';
  SInvalidTime = '''%s'' is not a valid time';
  SInvalidFormat = 'Format ''%s'' invalid or incompatible with argument';
  SOutOfMemory = 'Out of memory';
  SInOutError = 'I/O error %d';
  SFileNotFound = 'File not found';
  SDivByZero = 'Division by zero';
  SRangeError = 'Range check error';
  SIntOverflow = 'Integer overflow';
  SInvalidOp = 'Invalid floating point operation';
  SZeroDivide = 'Floating point division by zero';
  SOverflow = 'Floating point overflow';
  SUnderflow = 'Floating point underflow';
  SInvalidPointer = 'Invalid pointer operation';
  SInvalidCast = 'Invalid class typecast';
  SAccessViolation = 'Access violation at address %p. %s of address %p';
  SStackOverflow = 'Stack overflow';
  SControlC = 'Control-C hit';
  SPrivilege = 'Privileged instruction';
  SOperationAborted = 'Operation aborted';
  SException = 'Exception %s in module %s at %p.'#13#10'%s%s';
  SReadAccess = 'Read';
  SWriteAccess = 'Write';
  SAbstractError = 'Abstract Error';
  SVarTypeCastError = 'Invalid variant type conversion';
  SPropertyReadOnly = 'Property is read only; it cannot be assigned';
  SPropertyWriteOnly = 'Property is write only';

  ShortMonthNames: array[1..12] of string[3] = ('Jan', 'Feb', 'Mar', 'Apr',
    'May', 'Jun', 'Jul', 'Aug', 'Sep', 'Oct', 'Nov', 'Dec');
  LongDayNames: array[1..7] of string[9] = ('Sunday', 'Monday', 'Tuesday',
    'Wednesday', 'Thursday', 'Friday', 'Saturday');

type
  { Type conversion records }
  WordRec = packed record
    Lo, Hi: Byte;
  end;

  LongRec = packed record
    Lo, Hi: Word;
  end;

  TSysCharSet = set of Char;
  TIntegerSet = set of 0..31;

  PByteArray = ^TByteArray;
  TByteArray = array[0..32767] of Byte;

  PWordArray = ^TWordArray;
  TWordArray = array[0..16383] of Word;

  TProcedure = procedure;
  TFileName = string;

  TSearchRec = record
    Time: Integer;
    Size: Integer;
    Attr: Integer;
    Name: TFileName;
    ExcludeAttr: Integer;
    FindHandle: THandle;
    FindData: array[0..317] of Byte;
  end;

  TFloatFormat = (ffGeneral, ffExponent, ffFixed, ffNumber, ffCurrency);

  TFloatRec = packed record
    Exponent: Smallint;
    Negative: Boolean;
    Digits: array[0..19] of Char;
  end;

  PExceptionRecord = ^TExceptionRecord;
  TExceptionRecord = record
    ExceptionCode: Cardinal;
    ExceptionFlags: Cardinal;
    ExceptionRecord: PExceptionRecord;
    ExceptionAddress: Pointer;
    NumberParameters: Cardinal;
    ExceptionInformation: array[0..14] of Cardinal;
  end;

  { The base of the exception hierarchy.  Raise an instance of a
    descendant; the handler that catches it frees it. }
  Exception = class(TObject)
  private
    FMessage: string;
    FHelpContext: Integer;
  public
    constructor Create(const Msg: string);
    constructor CreateFmt(const Msg: string; const Args: array of const);
    constructor CreateRes(Ident: Integer);
    constructor CreateResFmt(Ident: Integer; const Args: array of const);
    constructor CreateHelp(const Msg: string; AHelpContext: Integer);
    constructor CreateFmtHelp(const Msg: string; const Args: array of const;
      AHelpContext: Integer);
    constructor CreateResHelp(Ident: Integer; AHelpContext: Integer);
    constructor CreateResFmtHelp(Ident: Integer; const Args: array of const;
      AHelpContext: Integer);
    property HelpContext: Integer read FHelpContext write FHelpContext;
    property Message: string read FMessage write FMessage;
  end;

  ExceptClass = class of Exception;

  EAbort = class(Exception);

  EOutOfMemory = class(Exception)
  private
    FAllowFree: Boolean;
  public
    destructor Destroy; override;
    procedure FreeInstance; override;
  end;

  EInOutError = class(Exception)
  public
    ErrorCode: Integer;
  end;

  EIntError = class(Exception);
  EDivByZero = class(EIntError);
  ERangeError = class(EIntError);
  EIntOverflow = class(EIntError);

  EMathError = class(Exception);
  EInvalidOp = class(EMathError);
  EZeroDivide = class(EMathError);
  EOverflow = class(EMathError);
  EUnderflow = class(EMathError);

  EInvalidPointer = class(Exception);
  EInvalidCast = class(Exception);
  EConvertError = class(Exception);

  EExternal = class(Exception)
  public
    ExceptionRecord: PExceptionRecord;
  end;

  EAccessViolation = class(EExternal);
  EPrivilege = class(EExternal);
  EStackOverflow = class(EExternal);
  EControlC = class(EExternal);
  EExternalException = class(EExternal);

  EVariantError = class(Exception);
  EPropReadOnly = class(Exception);
  EPropWriteOnly = class(Exception);
  EAbstractError = class(Exception);

  EWin32Error = class(Exception)
  public
    ErrorCode: DWORD;
  end;

var
  { Formatting settings, filled from the locale at startup }
  CurrencyString: string;
  CurrencyFormat: Byte;
  CurrencyDecimals: Byte;
  DateSeparator: Char;
  ShortDateFormat: string;
  LongDateFormat: string;
  TimeSeparator: Char;
  TimeAMString: string;
  TimePMString: string;
  ShortTimeFormat: string;
  LongTimeFormat: string;
  ThousandSeparator: Char;
  DecimalSeparator: Char;
  Win32Platform: Integer;

{ Memory }
function AllocMem(Size: Cardinal): Pointer;
function NewStr(const S: string): PString;
procedure DisposeStr(P: PString);
procedure AssignStr(var P: PString; const S: string);

{ Strings }
function UpperCase(const S: string): string;
function LowerCase(const S: string): string;
function CompareStr(const S1, S2: string): Integer;
function CompareText(const S1, S2: string): Integer;
function AnsiUpperCase(const S: string): string;
function AnsiLowerCase(const S: string): string;
function AnsiCompareText(const S1, S2: string): Integer;
function Trim(const S: string): string;
function TrimLeft(const S: string): string;
function TrimRight(const S: string): string;
function QuotedStr(const S: string): string;
function AdjustLineBreaks(const S: string): string;
function IsValidIdent(const Ident: string): Boolean;
function IntToStr(Value: Integer): string;
function IntToHex(Value: Integer; Digits: Integer): string;
function StrToInt(const S: string): Integer;
function StrToIntDef(const S: string; Default: Integer): Integer;
function FloatToStr(Value: Extended): string;
function StrToFloat(const S: string): Extended;
function Format(const Format: string; const Args: array of const): string;
procedure FmtStr(var Result: string; const Format: string; const Args: array of const);
function LoadStr(Ident: Integer): string;
function FmtLoadStr(Ident: Integer; const Args: array of const): string;

{ Null-terminated strings }
function StrLen(Str: PChar): Cardinal;
function StrEnd(Str: PChar): PChar;
function StrCopy(Dest, Source: PChar): PChar;
function StrLCopy(Dest, Source: PChar; MaxLen: Cardinal): PChar;
function StrPCopy(Dest: PChar; const Source: string): PChar;
function StrComp(Str1, Str2: PChar): Integer;
function StrScan(Str: PChar; Chr: Char): PChar;
function StrPas(Str: PChar): string;

{ Files }
function FileOpen(const FileName: string; Mode: Integer): Integer;
function FileCreate(const FileName: string): Integer;
function FileRead(Handle: Integer; var Buffer; Count: Integer): Integer;
function FileWrite(Handle: Integer; const Buffer; Count: Integer): Integer;
function FileSeek(Handle, Offset, Origin: Integer): Integer;
procedure FileClose(Handle: Integer);
function FileAge(const FileName: string): Integer;
function FileExists(const FileName: string): Boolean;
function FindFirst(const Path: string; Attr: Integer; var F: TSearchRec): Integer;
function FindNext(var F: TSearchRec): Integer;
procedure FindClose(var F: TSearchRec);
function DeleteFile(const FileName: string): Boolean;
function RenameFile(const OldName, NewName: string): Boolean;
function ChangeFileExt(const FileName, Extension: string): string;
function ExtractFilePath(const FileName: string): string;
function ExtractFileName(const FileName: string): string;
function ExtractFileExt(const FileName: string): string;
function ExpandFileName(const FileName: string): string;
function GetCurrentDir: string;
function SetCurrentDir(const Dir: string): Boolean;

{ Dates and times }
function EncodeDate(Year, Month, Day: Word): TDateTime;
function EncodeTime(Hour, Min, Sec, MSec: Word): TDateTime;
procedure DecodeDate(Date: TDateTime; var Year, Month, Day: Word);
procedure DecodeTime(Time: TDateTime; var Hour, Min, Sec, MSec: Word);
function IsLeapYear(Year: Word): Boolean;
function DayOfWeek(Date: TDateTime): Integer;
function Date: TDateTime;
function Time: TDateTime;
function Now: TDateTime;
function DateToStr(Date: TDateTime): string;
function TimeToStr(Time: TDateTime): string;
function DateTimeToStr(DateTime: TDateTime): string;

{ Exceptions and the rest }
procedure Abort;
procedure OutOfMemoryError;
procedure Beep;
function ExceptObject: TObject;
function ExceptAddr: Pointer;
procedure ShowException(ExceptObject: TObject; ExceptAddr: Pointer);
function SysErrorMessage(ErrorCode: Integer): string;
procedure RaiseLastWin32Error;

implementation

type
  TSystemTime = record
    wYear: Word;
    wMonth: Word;
    wDayOfWeek: Word;
    wDay: Word;
    wHour: Word;
    wMinute: Word;
    wSecond: Word;
    wMilliseconds: Word;
  end;

  PRaiseFrame = ^TRaiseFrame;
  TRaiseFrame = record
    NextRaise: PRaiseFrame;
    ExceptAddr: Pointer;
    ExceptObject: TObject;
    ExceptionRecord: PExceptionRecord;
  end;

const
  kernel32 = 'kernel32.dll';
  user32 = 'user32.dll';
  INVALID_HANDLE_VALUE = -1;
  MonthDays: array[Boolean, 1..12] of Word =
    ((31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31),
     (31, 29, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31));

{$IFDEF WIN32}
procedure GetLocalTime(var SystemTime: TSystemTime); stdcall; external kernel32 name 'GetLocalTime';
{$ELSE}
procedure GetLocalTime(var SystemTime: TSystemTime); far; external 'SYSTIME';
{$ENDIF}
function GetLastError: DWORD; stdcall; external kernel32 name 'GetLastError';
function MessageBeep(uType: UINT): BOOL; stdcall; external user32 name 'MessageBeep';
function CreateFileA(FileName: PChar; Access, Share: DWORD; Security: Pointer;
  Disposition, Flags: DWORD; Template: THandle): THandle; stdcall; external kernel32 name 'CreateFileA';
function ReadFile(hFile: THandle; var Buffer; Count: DWORD; var Done: DWORD;
  Overlapped: Pointer): BOOL; stdcall; external kernel32 name 'ReadFile';
function WriteFile(hFile: THandle; const Buffer; Count: DWORD; var Done: DWORD;
  Overlapped: Pointer): BOOL; stdcall; external kernel32 name 'WriteFile';
function SetFilePointer(hFile: THandle; Distance: Longint; High: Pointer;
  Method: DWORD): DWORD; stdcall; external kernel32 name 'SetFilePointer';
function CloseHandle(hObject: THandle): BOOL; stdcall; external kernel32 name 'CloseHandle';
function DeleteFileA(FileName: PChar): BOOL; stdcall; external kernel32 name 'DeleteFileA';
function MoveFileA(Existing, NewName: PChar): BOOL; stdcall; external kernel32 name 'MoveFileA';
function GetFileAttributesA(FileName: PChar): DWORD; stdcall; external kernel32 name 'GetFileAttributesA';
function GetCurrentDirectoryA(Len: DWORD; Buffer: PChar): DWORD; stdcall; external kernel32 name 'GetCurrentDirectoryA';
function SetCurrentDirectoryA(PathName: PChar): BOOL; stdcall; external kernel32 name 'SetCurrentDirectoryA';
function FindFirstFileA(FileName: PChar; var FindData): THandle; stdcall; external kernel32 name 'FindFirstFileA';
function FindNextFileA(hFind: THandle; var FindData): BOOL; stdcall; external kernel32 name 'FindNextFileA';
function FindCloseHandle(hFind: THandle): BOOL; stdcall; external kernel32 name 'FindClose';

var
  OutOfMemory: EOutOfMemory;

{ Memory }

function AllocMem(Size: Cardinal): Pointer;
begin
  GetMem(Result, Size);
  FillChar(Result^, Size, 0);
end;

function NewStr(const S: string): PString;
begin
  if S = '' then
    Result := nil
  else
  begin
    New(Result);
    Result^ := S;
  end;
end;

procedure DisposeStr(P: PString);
begin
  if P <> nil then Dispose(P);
end;

procedure AssignStr(var P: PString; const S: string);
begin
  DisposeStr(P);
  P := NewStr(S);
end;

{ Strings }

function UpperCase(const S: string): string;
var
  I: Integer;
begin
  Result := S;
  for I := 1 to Length(Result) do
    if Result[I] in ['a'..'z'] then
      Dec(Result[I], 32);
end;

function LowerCase(const S: string): string;
var
  I: Integer;
begin
  Result := S;
  for I := 1 to Length(Result) do
    if Result[I] in ['A'..'Z'] then
      Inc(Result[I], 32);
end;

function CompareStr(const S1, S2: string): Integer;
var
  I, L: Integer;
begin
  L := Length(S1);
  if Length(S2) < L then L := Length(S2);
  for I := 1 to L do
    if S1[I] <> S2[I] then
    begin
      Result := Ord(S1[I]) - Ord(S2[I]);
      Exit;
    end;
  Result := Length(S1) - Length(S2);
end;

function CompareText(const S1, S2: string): Integer;
begin
  Result := CompareStr(UpperCase(S1), UpperCase(S2));
end;

function AnsiUpperCase(const S: string): string;
begin
  { the sample library treats the ANSI set like ASCII }
  Result := UpperCase(S);
end;

function AnsiLowerCase(const S: string): string;
begin
  Result := LowerCase(S);
end;

function AnsiCompareText(const S1, S2: string): Integer;
begin
  Result := CompareText(S1, S2);
end;

function Trim(const S: string): string;
begin
  Result := TrimLeft(TrimRight(S));
end;

function TrimLeft(const S: string): string;
var
  I: Integer;
begin
  I := 1;
  while (I <= Length(S)) and (S[I] <= ' ') do Inc(I);
  Result := Copy(S, I, MaxInt);
end;

function TrimRight(const S: string): string;
var
  I: Integer;
begin
  I := Length(S);
  while (I > 0) and (S[I] <= ' ') do Dec(I);
  Result := Copy(S, 1, I);
end;

function QuotedStr(const S: string): string;
var
  I: Integer;
begin
  Result := S;
  for I := Length(Result) downto 1 do
    if Result[I] = '''' then Insert('''', Result, I);
  Result := '''' + Result + '''';
end;

function AdjustLineBreaks(const S: string): string;
var
  I: Integer;
begin
  Result := '';
  I := 1;
  while I <= Length(S) do
  begin
    case S[I] of
      #10:
        Result := Result + #13#10;
      #13:
        begin
          Result := Result + #13#10;
          if (I < Length(S)) and (S[I + 1] = #10) then Inc(I);
        end;
    else
      Result := Result + S[I];
    end;
    Inc(I);
  end;
end;

function IsValidIdent(const Ident: string): Boolean;
const
  Alpha = ['A'..'Z', 'a'..'z', '_'];
  AlphaNumeric = Alpha + ['0'..'9'];
var
  I: Integer;
begin
  Result := False;
  if (Length(Ident) = 0) or not (Ident[1] in Alpha) then Exit;
  for I := 2 to Length(Ident) do
    if not (Ident[I] in AlphaNumeric) then Exit;
  Result := True;
end;

function IntToStr(Value: Integer): string;
var
  Neg: Boolean;
  V: Cardinal;
begin
  Result := '';
  Neg := Value < 0;
  V := Abs(Value);
  repeat
    Result := Chr(Ord('0') + V mod 10) + Result;
    V := V div 10;
  until V = 0;
  if Neg then Result := '-' + Result;
end;

function IntToHex(Value: Integer; Digits: Integer): string;
const
  HexDigits: array[0..15] of Char = '0123456789ABCDEF';
begin
  Result := '';
  repeat
    Result := HexDigits[Value and 15] + Result;
    Value := Cardinal(Value) shr 4;
  until Value = 0;
  while Length(Result) < Digits do
    Result := '0' + Result;
end;

function StrToIntDef(const S: string; Default: Integer): Integer;
var
  E: Integer;
begin
  Val(S, Result, E);
  if E <> 0 then Result := Default;
end;

function StrToInt(const S: string): Integer;
var
  E: Integer;
begin
  Val(S, Result, E);
  if E <> 0 then
    raise EConvertError.CreateFmt(SInvalidInteger, [S]);
end;

function FloatToStr(Value: Extended): string;
begin
  Str(Value:0:6, Result);
  while (Length(Result) > 1) and (Result[Length(Result)] = '0') do
    SetLength(Result, Length(Result) - 1);
  if Result[Length(Result)] = '.' then
    SetLength(Result, Length(Result) - 1);
end;

function StrToFloat(const S: string): Extended;
var
  E: Integer;
begin
  Val(S, Result, E);
  if E <> 0 then
    raise EConvertError.CreateFmt(SInvalidFloat, [S]);
end;

function ArgToStr(const Arg: TVarRec; Conv: Char): string;
begin
  case Arg.VType of
    vtInteger:
      if Conv = 'x' then
        Result := IntToHex(Arg.VInteger, 0)
      else
        Result := IntToStr(Arg.VInteger);
    vtBoolean:
      if Arg.VInteger <> 0 then Result := 'True' else Result := 'False';
    vtChar:
      Result := Chr(Arg.VInteger);
    vtExtended:
      Result := FloatToStr(PExtended(Arg.VPointer)^);
    vtString:
      Result := PShortString(Arg.VPointer)^;
    vtPChar:
      Result := StrPas(Arg.VPointer);
    vtAnsiString:
      Result := string(Arg.VPointer);
    vtPointer, vtObject, vtClass:
      Result := IntToHex(Longint(Arg.VPointer), 8);
  else
    raise EConvertError.CreateFmt(SInvalidFormat, [Conv]);
  end;
end;

function Format(const Format: string; const Args: array of const): string;
var
  I, ArgIndex: Integer;
begin
  Result := '';
  ArgIndex := 0;
  I := 1;
  while I <= Length(Format) do
  begin
    if (Format[I] = '%') and (I < Length(Format)) then
    begin
      Inc(I);
      if Format[I] = '%' then
        Result := Result + '%'
      else
      begin
        if ArgIndex > High(Args) then
          raise EConvertError.CreateFmt(SInvalidFormat, [Format]);
        Result := Result + ArgToStr(Args[ArgIndex], Format[I]);
        Inc(ArgIndex);
      end;
    end
    else
      Result := Result + Format[I];
    Inc(I);
  end;
end;

procedure FmtStr(var Result: string; const Format: string; const Args: array of const);
begin
  Result := SysUtils.Format(Format, Args);
end;

function LoadStr(Ident: Integer): string;
begin
  { string tables are not linked into the sample library }
  Result := '';
end;

function FmtLoadStr(Ident: Integer; const Args: array of const): string;
begin
  Result := Format(LoadStr(Ident), Args);
end;

{ Null-terminated strings }

function StrLen(Str: PChar): Cardinal;
begin
  Result := 0;
  while Str[Result] <> #0 do Inc(Result);
end;

function StrEnd(Str: PChar): PChar;
begin
  Result := Str + StrLen(Str);
end;

function StrCopy(Dest, Source: PChar): PChar;
begin
  Move(Source^, Dest^, StrLen(Source) + 1);
  Result := Dest;
end;

function StrLCopy(Dest, Source: PChar; MaxLen: Cardinal): PChar;
var
  L: Cardinal;
begin
  L := StrLen(Source);
  if L > MaxLen then L := MaxLen;
  Move(Source^, Dest^, L);
  Dest[L] := #0;
  Result := Dest;
end;

function StrPCopy(Dest: PChar; const Source: string): PChar;
begin
  Result := StrLCopy(Dest, PChar(Source), Length(Source));
end;

function StrComp(Str1, Str2: PChar): Integer;
begin
  while (Str1^ <> #0) and (Str1^ = Str2^) do
  begin
    Inc(Str1);
    Inc(Str2);
  end;
  Result := Ord(Str1^) - Ord(Str2^);
end;

function StrScan(Str: PChar; Chr: Char): PChar;
begin
  Result := Str;
  while Result^ <> Chr do
  begin
    if Result^ = #0 then
    begin
      Result := nil;
      Exit;
    end;
    Inc(Result);
  end;
end;

function StrPas(Str: PChar): string;
begin
  SetString(Result, Str, StrLen(Str));
end;

{ Files }

function FileOpen(const FileName: string; Mode: Integer): Integer;
const
  AccessMode: array[0..2] of DWORD = ($80000000, $40000000, $C0000000);
  ShareMode: array[0..4] of DWORD = (0, 0, 1, 2, 3);
begin
  Result := CreateFileA(PChar(FileName), AccessMode[Mode and 3],
    ShareMode[(Mode and $F0) shr 4], nil, 3, $80, 0);
end;

function FileCreate(const FileName: string): Integer;
begin
  Result := CreateFileA(PChar(FileName), $C0000000, 0, nil, 2, $80, 0);
end;

function FileRead(Handle: Integer; var Buffer; Count: Integer): Integer;
var
  Done: DWORD;
begin
  if not ReadFile(Handle, Buffer, Count, Done, nil) then
    Result := -1
  else
    Result := Done;
end;

function FileWrite(Handle: Integer; const Buffer; Count: Integer): Integer;
var
  Done: DWORD;
begin
  if not WriteFile(Handle, Buffer, Count, Done, nil) then
    Result := -1
  else
    Result := Done;
end;

function FileSeek(Handle, Offset, Origin: Integer): Integer;
begin
  Result := SetFilePointer(Handle, Offset, nil, Origin);
end;

procedure FileClose(Handle: Integer);
begin
  CloseHandle(Handle);
end;

function FileAge(const FileName: string): Integer;
var
  F: TSearchRec;
begin
  if FindFirst(FileName, faAnyFile, F) = 0 then
  begin
    Result := F.Time;
    FindClose(F);
  end
  else
    Result := -1;
end;

function FileExists(const FileName: string): Boolean;
begin
  Result := FileAge(FileName) <> -1;
end;

function FindMatching(var F: TSearchRec): Integer;
begin
  { the attribute filter is applied by the caller in this sample }
  F.Attr := PInteger(@F.FindData[0])^;
  F.Size := PInteger(@F.FindData[32])^;
  F.Name := StrPas(@F.FindData[44]);
  Result := 0;
end;

function FindFirst(const Path: string; Attr: Integer; var F: TSearchRec): Integer;
begin
  F.ExcludeAttr := not Attr and (faHidden or faSysFile or faVolumeID or faDirectory);
  F.FindHandle := FindFirstFileA(PChar(Path), F.FindData);
  if F.FindHandle <> INVALID_HANDLE_VALUE then
    Result := FindMatching(F)
  else
    Result := GetLastError;
end;

function FindNext(var F: TSearchRec): Integer;
begin
  if FindNextFileA(F.FindHandle, F.FindData) then
    Result := FindMatching(F)
  else
    Result := GetLastError;
end;

procedure FindClose(var F: TSearchRec);
begin
  if F.FindHandle <> INVALID_HANDLE_VALUE then
    FindCloseHandle(F.FindHandle);
end;

function DeleteFile(const FileName: string): Boolean;
begin
  Result := DeleteFileA(PChar(FileName));
end;

function RenameFile(const OldName, NewName: string): Boolean;
begin
  Result := MoveFileA(PChar(OldName), PChar(NewName));
end;

function LastDelimiter(const Delimiters, S: string): Integer;
begin
  Result := Length(S);
  while (Result > 0) and (Pos(S[Result], Delimiters) = 0) do
    Dec(Result);
end;

function ChangeFileExt(const FileName, Extension: string): string;
var
  I: Integer;
begin
  I := LastDelimiter('.\:', FileName);
  if (I = 0) or (FileName[I] <> '.') then I := MaxInt;
  Result := Copy(FileName, 1, I - 1) + Extension;
end;

function ExtractFilePath(const FileName: string): string;
begin
  Result := Copy(FileName, 1, LastDelimiter('\:', FileName));
end;

function ExtractFileName(const FileName: string): string;
begin
  Result := Copy(FileName, LastDelimiter('\:', FileName) + 1, MaxInt);
end;

function ExtractFileExt(const FileName: string): string;
var
  I: Integer;
begin
  I := LastDelimiter('.\:', FileName);
  if (I > 0) and (FileName[I] = '.') then
    Result := Copy(FileName, I, MaxInt)
  else
    Result := '';
end;

function ExpandFileName(const FileName: string): string;
begin
  if (Length(FileName) > 1) and ((FileName[2] = ':') or (FileName[1] = '\')) then
    Result := FileName
  else
    Result := GetCurrentDir + '\' + FileName;
end;

function GetCurrentDir: string;
var
  Buffer: array[0..259] of Char;
begin
  GetCurrentDirectoryA(SizeOf(Buffer), Buffer);
  Result := StrPas(Buffer);
end;

function SetCurrentDir(const Dir: string): Boolean;
begin
  Result := SetCurrentDirectoryA(PChar(Dir));
end;

{ Dates and times }

function IsLeapYear(Year: Word): Boolean;
begin
  Result := (Year mod 4 = 0) and ((Year mod 100 <> 0) or (Year mod 400 = 0));
end;

function EncodeDate(Year, Month, Day: Word): TDateTime;
var
  I, DayCount: Integer;
begin
  if (Year < 1) or (Year > 9999) or (Month < 1) or (Month > 12) or (Day < 1) or
    (Day > MonthDays[IsLeapYear(Year), Month]) then
    raise EConvertError.Create('Invalid argument to date encode');
  DayCount := Day;
  for I := 1 to Month - 1 do
    Inc(DayCount, MonthDays[IsLeapYear(Year), I]);
  I := Year - 1;
  Result := I * 365 + I div 4 - I div 100 + I div 400 + DayCount - DateDelta;
end;

function EncodeTime(Hour, Min, Sec, MSec: Word): TDateTime;
begin
  if (Hour >= 24) or (Min >= 60) or (Sec >= 60) or (MSec >= 1000) then
    raise EConvertError.Create('Invalid argument to time encode');
  Result := (Hour * 3600000 + Min * 60000 + Sec * 1000 + MSec) / MSecsPerDay;
end;

procedure DecodeDate(Date: TDateTime; var Year, Month, Day: Word);
var
  Days: Integer;
  Leap: Boolean;
begin
  Days := Trunc(Date) + DateDelta;
  Year := 1;
  while Days > 365 + Ord(IsLeapYear(Year)) do
  begin
    Dec(Days, 365 + Ord(IsLeapYear(Year)));
    Inc(Year);
  end;
  Leap := IsLeapYear(Year);
  Month := 1;
  while Days > MonthDays[Leap, Month] do
  begin
    Dec(Days, MonthDays[Leap, Month]);
    Inc(Month);
  end;
  Day := Days;
end;

procedure DecodeTime(Time: TDateTime; var Hour, Min, Sec, MSec: Word);
var
  MS: Integer;
begin
  MS := Round(Frac(Time) * MSecsPerDay);
  Hour := MS div 3600000;
  MS := MS mod 3600000;
  Min := MS div 60000;
  MS := MS mod 60000;
  Sec := MS div 1000;
  MSec := MS mod 1000;
end;

function DayOfWeek(Date: TDateTime): Integer;
begin
  Result := (Trunc(Date) - 1) mod 7 + 1;
end;

function Date: TDateTime;
var
  T: TSystemTime;
begin
  GetLocalTime(T);
  Result := EncodeDate(T.wYear, T.wMonth, T.wDay);
end;

function Time: TDateTime;
var
  T: TSystemTime;
begin
  GetLocalTime(T);
  Result := EncodeTime(T.wHour, T.wMinute, T.wSecond, T.wMilliseconds);
end;

function Now: TDateTime;
begin
  Result := Date + Time;
end;

function Pad2(Value: Word): string;
begin
  Result := IntToStr(Value);
  if Length(Result) < 2 then Result := '0' + Result;
end;

function DateToStr(Date: TDateTime): string;
var
  Y, M, D: Word;
begin
  DecodeDate(Date, Y, M, D);
  Result := IntToStr(M) + DateSeparator + IntToStr(D) + DateSeparator + IntToStr(Y);
end;

function TimeToStr(Time: TDateTime): string;
var
  H, M, S, MS: Word;
begin
  DecodeTime(Time, H, M, S, MS);
  Result := IntToStr(H) + TimeSeparator + Pad2(M) + TimeSeparator + Pad2(S);
end;

function DateTimeToStr(DateTime: TDateTime): string;
begin
  Result := DateToStr(DateTime);
  if Frac(DateTime) <> 0 then
    Result := Result + ' ' + TimeToStr(DateTime);
end;

{ Exceptions and the rest }

procedure Abort;
begin
  raise EAbort.Create(SOperationAborted);
end;

procedure OutOfMemoryError;
begin
  raise OutOfMemory;
end;

procedure Beep;
begin
  MessageBeep(0);
end;

function ExceptObject: TObject;
begin
  if RaiseList <> nil then
    Result := PRaiseFrame(RaiseList)^.ExceptObject
  else
    Result := nil;
end;

function ExceptAddr: Pointer;
begin
  if RaiseList <> nil then
    Result := PRaiseFrame(RaiseList)^.ExceptAddr
  else
    Result := nil;
end;

procedure ShowException(ExceptObject: TObject; ExceptAddr: Pointer);
var
  Msg: string;
begin
  if ExceptObject is Exception then
    Msg := Exception(ExceptObject).Message
  else
    Msg := ExceptObject.ClassName;
  if IsConsole then
    WriteLn(Output, 'Exception ', ExceptObject.ClassName, ': ', Msg);
end;

function SysErrorMessage(ErrorCode: Integer): string;
begin
  Result := Format('System error %d', [ErrorCode]);
end;

procedure RaiseLastWin32Error;
var
  Code: DWORD;
  Error: EWin32Error;
begin
  Code := GetLastError;
  Error := EWin32Error.Create(SysErrorMessage(Code));
  Error.ErrorCode := Code;
  raise Error;
end;

{ Exception }

constructor Exception.Create(const Msg: string);
begin
  FMessage := Msg;
end;

constructor Exception.CreateFmt(const Msg: string; const Args: array of const);
begin
  FMessage := Format(Msg, Args);
end;

constructor Exception.CreateRes(Ident: Integer);
begin
  FMessage := LoadStr(Ident);
end;

constructor Exception.CreateResFmt(Ident: Integer; const Args: array of const);
begin
  FMessage := Format(LoadStr(Ident), Args);
end;

constructor Exception.CreateHelp(const Msg: string; AHelpContext: Integer);
begin
  FMessage := Msg;
  FHelpContext := AHelpContext;
end;

constructor Exception.CreateFmtHelp(const Msg: string; const Args: array of const;
  AHelpContext: Integer);
begin
  FMessage := Format(Msg, Args);
  FHelpContext := AHelpContext;
end;

constructor Exception.CreateResHelp(Ident: Integer; AHelpContext: Integer);
begin
  FMessage := LoadStr(Ident);
  FHelpContext := AHelpContext;
end;

constructor Exception.CreateResFmtHelp(Ident: Integer; const Args: array of const;
  AHelpContext: Integer);
begin
  FMessage := Format(LoadStr(Ident), Args);
  FHelpContext := AHelpContext;
end;

{ EOutOfMemory }

destructor EOutOfMemory.Destroy;
begin
  { the preallocated instance is never destroyed while the program runs }
  if FAllowFree then
    inherited Destroy;
end;

procedure EOutOfMemory.FreeInstance;
begin
  if FAllowFree then
    inherited FreeInstance;
end;

initialization
  OutOfMemory := EOutOfMemory.Create(SOutOfMemory);
  DateSeparator := '/';
  TimeSeparator := ':';
  DecimalSeparator := '.';
  ThousandSeparator := ',';
  ShortDateFormat := 'm/d/yy';
  LongTimeFormat := 'h:mm:ss AMPM';
  CurrencyString := '$';
finalization
  OutOfMemory.FAllowFree := True;
  OutOfMemory.Free;
end.
