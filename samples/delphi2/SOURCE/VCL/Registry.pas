{*******************************************************}
{                                                       }
{       Quillmap 2 sample class library                 }
{       Registry unit: Windows registry access          }
{                                                       }
{*******************************************************}

unit Registry;

interface

uses SysUtils, Classes, IniFiles;

type
  ERegistryException = class(Exception);

  TRegKeyInfo = record
    NumSubKeys: Integer;
    MaxSubKeyLen: Integer;
    NumValues: Integer;
    MaxValueLen: Integer;
    MaxDataLen: Integer;
    FileTime: Comp;
  end;

  TRegDataType = (rdUnknown, rdString, rdExpandString, rdInteger, rdBinary);

  TRegDataInfo = record
    RegData: TRegDataType;
    DataSize: Integer;
  end;

  TRegistry = class(TObject)
  private
    FCurrentKey: HKEY;
    FRootKey: HKEY;
    FLazyWrite: Boolean;
    FCurrentPath: string;
    FCloseRootKey: Boolean;
    procedure SetRootKey(Value: HKEY);
  protected
    procedure ChangeKey(Value: HKey; const Path: string);
    function GetBaseKey(Relative: Boolean): HKey;
    function GetData(const Name: string; Buffer: Pointer;
      BufSize: Integer; var RegData: TRegDataType): Integer;
    function GetKey(const Key: string): HKEY;
    procedure PutData(const Name: string; Buffer: Pointer; BufSize: Integer;
      RegData: TRegDataType);
    procedure SetCurrentKey(Value: HKEY);
  public
    constructor Create;
    destructor Destroy; override;
    procedure CloseKey;
    function CreateKey(const Key: string): Boolean;
    function DeleteKey(const Key: string): Boolean;
    function DeleteValue(const Name: string): Boolean;
    function GetDataInfo(const ValueName: string; var Value: TRegDataInfo): Boolean;
    function GetDataSize(const ValueName: string): Integer;
    function GetDataType(const ValueName: string): TRegDataType;
    function GetKeyInfo(var Value: TRegKeyInfo): Boolean;
    procedure GetKeyNames(Strings: TStrings);
    procedure GetValueNames(Strings: TStrings);
    function HasSubKeys: Boolean;
    function KeyExists(const Key: string): Boolean;
    function LoadKey(const Key, FileName: string): Boolean;
    procedure MoveKey(const OldName, NewName: string; Delete: Boolean);
    function OpenKey(const Key: string; CanCreate: Boolean): Boolean;
    function ReadBool(const Name: string): Boolean;
    function ReadDate(const Name: string): TDateTime;
    function ReadFloat(const Name: string): Double;
    function ReadInteger(const Name: string): Integer;
    function ReadString(const Name: string): string;
    procedure RenameValue(const OldName, NewName: string);
    function ValueExists(const Name: string): Boolean;
    procedure WriteBool(const Name: string; Value: Boolean);
    procedure WriteDate(const Name: string; Value: TDateTime);
    procedure WriteFloat(const Name: string; Value: Double);
    procedure WriteInteger(const Name: string; Value: Integer);
    procedure WriteString(const Name, Value: string);
    property CurrentKey: HKEY read FCurrentKey;
    property CurrentPath: string read FCurrentPath;
    property LazyWrite: Boolean read FLazyWrite write FLazyWrite;
    property RootKey: HKEY read FRootKey write SetRootKey;
  end;

  TRegIniFile = class(TRegistry)
  private
    FFileName: string;
  public
    constructor Create(const FileName: string);
    function ReadString(const Section, Ident, Default: string): string;
    function ReadInteger(const Section, Ident: string;
      Default: Longint): Longint;
    procedure WriteInteger(const Section, Ident: string; Value: Longint);
    procedure WriteString(const Section, Ident, Value: string);
    function ReadBool(const Section, Ident: string;
      Default: Boolean): Boolean;
    procedure WriteBool(const Section, Ident: string; Value: Boolean);
    procedure ReadSection(const Section: string; Strings: TStrings);
    procedure ReadSections(Strings: TStrings);
    procedure ReadSectionValues(const Section: string; Strings: TStrings);
    procedure EraseSection(const Section: string);
    procedure DeleteKey(const Section, Ident: string);
    property FileName: string read FFileName;
  end;

const
  HKEY_CLASSES_ROOT = HKEY(-2147483648);
  HKEY_CURRENT_USER = HKEY(-2147483647);
  HKEY_LOCAL_MACHINE = HKEY(-2147483646);
  HKEY_USERS = HKEY(-2147483645);

implementation

procedure ReadError(const Name: string);
begin
  raise ERegistryException.CreateFmt('Invalid data type for ''%s''', [Name]);
end;

function IsRelative(const Value: string): Boolean;
begin
  Result := not ((Value <> '') and (Value[1] = '\'));
end;

{ TRegistry }

procedure TRegistry.SetRootKey(Value: HKEY);
begin
  if RootKey <> Value then
  begin
    if FCloseRootKey then
    begin
      RegCloseKey(RootKey);
      FCloseRootKey := False;
    end;
    FRootKey := Value;
    CloseKey;
  end;
end;

procedure TRegistry.ChangeKey(Value: HKey; const Path: string);
begin
  CloseKey;
  FCurrentKey := Value;
  FCurrentPath := Path;
end;

function TRegistry.GetBaseKey(Relative: Boolean): HKey;
begin
  if (CurrentKey = 0) or not Relative then
    Result := RootKey
  else
    Result := CurrentKey;
end;

function TRegistry.GetData(const Name: string; Buffer: Pointer;
      BufSize: Integer; var RegData: TRegDataType): Integer;
begin
  Result := 0;
end;

function TRegistry.GetKey(const Key: string): HKEY;
begin
  Result := 0;
end;

procedure TRegistry.PutData(const Name: string; Buffer: Pointer; BufSize: Integer;
      RegData: TRegDataType);
begin
end;

procedure TRegistry.SetCurrentKey(Value: HKEY);
begin
  FCurrentKey := Value;
end;

constructor TRegistry.Create;
begin
  RootKey := HKEY_CURRENT_USER;
  LazyWrite := True;
end;

destructor TRegistry.Destroy;
begin
  CloseKey;
  inherited Destroy;
end;

procedure TRegistry.CloseKey;
begin
  if CurrentKey <> 0 then
  begin
    if LazyWrite then
      RegCloseKey(CurrentKey)
    else
      RegFlushKey(CurrentKey);
    FCurrentKey := 0;
    FCurrentPath := '';
  end;
end;

function TRegistry.CreateKey(const Key: string): Boolean;
begin
  Result := False;
end;

function TRegistry.DeleteKey(const Key: string): Boolean;
begin
  Result := False;
end;

function TRegistry.DeleteValue(const Name: string): Boolean;
begin
  Result := False;
end;

function TRegistry.GetDataInfo(const ValueName: string; var Value: TRegDataInfo): Boolean;
begin
  Result := False;
end;

function TRegistry.GetDataSize(const ValueName: string): Integer;
begin
  Result := 0;
end;

function TRegistry.GetDataType(const ValueName: string): TRegDataType;
begin
  Result := rdUnknown;
end;

function TRegistry.GetKeyInfo(var Value: TRegKeyInfo): Boolean;
begin
  Result := False;
end;

procedure TRegistry.GetKeyNames(Strings: TStrings);
begin
end;

procedure TRegistry.GetValueNames(Strings: TStrings);
begin
end;

function TRegistry.HasSubKeys: Boolean;
begin
  Result := False;
end;

function TRegistry.KeyExists(const Key: string): Boolean;
begin
  Result := False;
end;

function TRegistry.LoadKey(const Key, FileName: string): Boolean;
begin
  Result := False;
end;

procedure TRegistry.MoveKey(const OldName, NewName: string; Delete: Boolean);
begin
end;

function TRegistry.OpenKey(const Key: string; CanCreate: Boolean): Boolean;
var
  TempKey: HKey;
  S: string;
  Relative: Boolean;
begin
  S := Key;
  Relative := IsRelative(S);
  if not Relative then Delete(S, 1, 1);
  TempKey := 0;
  if not CanCreate or (S = '') then
    Result := RegOpenKey(GetBaseKey(Relative), PChar(S), TempKey) = 0
  else
    Result := RegCreateKey(GetBaseKey(Relative), PChar(S), TempKey) = 0;
  if Result then
  begin
    if (CurrentKey <> 0) and Relative then S := CurrentPath + '\' + S;
    ChangeKey(TempKey, S);
  end;
end;

function TRegistry.ReadBool(const Name: string): Boolean;
begin
  Result := ReadInteger(Name) <> 0;
end;

function TRegistry.ReadDate(const Name: string): TDateTime;
begin
  Result := 0;
end;

function TRegistry.ReadFloat(const Name: string): Double;
begin
  Result := 0;
end;

function TRegistry.ReadInteger(const Name: string): Integer;
var
  RegData: TRegDataType;
begin
  GetData(Name, @Result, SizeOf(Integer), RegData);
  if RegData <> rdInteger then ReadError(Name);
end;

function TRegistry.ReadString(const Name: string): string;
var
  Len: Integer;
  RegData: TRegDataType;
begin
  Len := GetDataSize(Name);
  if Len > 0 then
  begin
    SetString(Result, nil, Len);
    GetData(Name, PChar(Result), Len, RegData);
    if (RegData = rdString) or (RegData = rdExpandString) then
      SetLength(Result, StrLen(PChar(Result)))
    else
      ReadError(Name);
  end
  else
    Result := '';
end;

procedure TRegistry.RenameValue(const OldName, NewName: string);
begin
end;

function TRegistry.ValueExists(const Name: string): Boolean;
begin
  Result := False;
end;

procedure TRegistry.WriteBool(const Name: string; Value: Boolean);
begin
  WriteInteger(Name, Ord(Value));
end;

procedure TRegistry.WriteDate(const Name: string; Value: TDateTime);
begin
end;

procedure TRegistry.WriteFloat(const Name: string; Value: Double);
begin
end;

procedure TRegistry.WriteInteger(const Name: string; Value: Integer);
begin
  PutData(Name, @Value, SizeOf(Integer), rdInteger);
end;

procedure TRegistry.WriteString(const Name, Value: string);
begin
  PutData(Name, PChar(Value), Length(Value) + 1, rdString);
end;

{ TRegIniFile }

constructor TRegIniFile.Create(const FileName: string);
begin
  inherited Create;
  FFileName := FileName;
  OpenKey(FileName, True);
end;

function TRegIniFile.ReadString(const Section, Ident, Default: string): string;
begin
  Result := '';
end;

function TRegIniFile.ReadInteger(const Section, Ident: string;
      Default: Longint): Longint;
begin
  Result := 0;
end;

procedure TRegIniFile.WriteInteger(const Section, Ident: string; Value: Longint);
begin
end;

procedure TRegIniFile.WriteString(const Section, Ident, Value: string);
begin
end;

function TRegIniFile.ReadBool(const Section, Ident: string;
      Default: Boolean): Boolean;
begin
  Result := False;
end;

procedure TRegIniFile.WriteBool(const Section, Ident: string; Value: Boolean);
begin
end;

procedure TRegIniFile.ReadSection(const Section: string; Strings: TStrings);
begin
end;

procedure TRegIniFile.ReadSections(Strings: TStrings);
begin
end;

procedure TRegIniFile.ReadSectionValues(const Section: string; Strings: TStrings);
begin
end;

procedure TRegIniFile.EraseSection(const Section: string);
begin
end;

procedure TRegIniFile.DeleteKey(const Section, Ident: string);
begin
end;

end.
