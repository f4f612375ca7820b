{ Registry: a unit of the sample Delphi 2.0 installation that Quillmap 2 browses.
  Written by samples/make_sample.py from samples/vcl-table.txt; change those, not this file. }

unit Registry;

(* The declarations name the documented interface of the unit; everything
   private, and every statement, is the sample's own. *)

interface

uses SysUtils, Classes, IniFiles;

const
  RegistrySample = 'Quillmap''s sample of Registry';

type

  ERegistryException = class(Exception)
  end;

  TRegistry = class
  private
    FCurrentKey: Integer;
    FCurrentPath: string;
    FLazyWrite: Integer;
    FRootKey: Integer;
    FChangeCount: Integer;
    function GetCurrentKey: Integer;
    procedure SetCurrentKey(const Value: Integer);
    function GetCurrentPath: string;
    procedure SetCurrentPath(const Value: string);
    function GetLazyWrite: Integer;
    procedure SetLazyWrite(const Value: Integer);
    function GetRootKey: Integer;
    procedure SetRootKey(const Value: Integer);
  protected
    procedure StateChanged; virtual;
  public
    constructor Create;
    destructor Destroy; override;
    procedure CloseKey;
    procedure CreateKey;
    procedure DeleteKey; virtual;
    procedure DeleteValue;
    function GetDataInfo: Integer;
    function GetDataSize: Integer;
    function GetDataType: Integer;
    function GetKeyInfo: Integer;
    function GetKeyNames: Integer;
    function GetValueNames: Integer;
    function HasSubKeys: Boolean;
    function KeyExists: Boolean;
    procedure LoadKey;
    procedure MoveKey;
    function OpenKey: Boolean;
    function ReadBool: Boolean; virtual;
    function ReadDate: Integer;
    function ReadFloat: Integer;
    function ReadInteger: Integer; virtual;
    function ReadString: string; virtual;
    procedure RenameValue;
    function ValueExists: Boolean;
    function WriteBool: Integer; virtual;
    function WriteDate: Integer;
    function WriteFloat: Integer;
    function WriteInteger: Integer; virtual;
    function WriteString: Integer; virtual;
    property CurrentKey: Integer read GetCurrentKey write SetCurrentKey;
    property CurrentPath: string read GetCurrentPath write SetCurrentPath;
    property LazyWrite: Integer read GetLazyWrite write SetLazyWrite;
    property RootKey: Integer read GetRootKey write SetRootKey;
  end;

  TRegIniFile = class(TRegistry)
  private
    FFileName: string;
    function GetFileName: string;
    procedure SetFileName(const Value: string);
  public
    constructor Create;
    function ReadString: string; override;
    function ReadInteger: Integer; override;
    function WriteInteger: Integer; override;
    function WriteString: Integer; override;
    function ReadBool: Boolean; override;
    function WriteBool: Integer; override;
    function ReadSection: Integer;
    function ReadSections: Integer;
    function ReadSectionValues: Integer;
    procedure EraseSection;
    procedure DeleteKey; override;
    property FileName: string read GetFileName write SetFileName;
  end;

implementation

// Method bodies, class by class, in the order of the declarations above.

{ TRegistry }

function TRegistry.GetCurrentKey: Integer;
begin
  Result := FCurrentKey;
end;

procedure TRegistry.SetCurrentKey(const Value: Integer);
begin
  if FCurrentKey <> Value then
  begin
    FCurrentKey := Value;
    StateChanged;
  end;
end;

function TRegistry.GetCurrentPath: string;
begin
  Result := FCurrentPath;
end;

procedure TRegistry.SetCurrentPath(const Value: string);
begin
  if FCurrentPath <> Value then
  begin
    FCurrentPath := Value;
    StateChanged;
  end;
end;

function TRegistry.GetLazyWrite: Integer;
begin
  Result := FLazyWrite;
end;

procedure TRegistry.SetLazyWrite(const Value: Integer);
begin
  if FLazyWrite <> Value then
  begin
    FLazyWrite := Value;
    StateChanged;
  end;
end;

function TRegistry.GetRootKey: Integer;
begin
  Result := FRootKey;
end;

procedure TRegistry.SetRootKey(const Value: Integer);
begin
  if FRootKey <> Value then
  begin
    FRootKey := Value;
    StateChanged;
  end;
end;

procedure TRegistry.StateChanged;
begin
  Inc(FChangeCount);
end;

constructor TRegistry.Create;
begin
  inherited Create;
end;

destructor TRegistry.Destroy;
begin
  LazyWrite := 0;
  inherited Destroy;
end;

procedure TRegistry.CloseKey;
var
  Pass: Integer;
begin
  for Pass := 1 to CurrentKey do
    RenameValue;
end;

procedure TRegistry.CreateKey;
var
  Pass: Integer;
begin
  for Pass := 1 to LazyWrite do
    LoadKey;
end;

procedure TRegistry.DeleteKey;
var
  Pass: Integer;
begin
  for Pass := 1 to CurrentKey do
    CreateKey;
end;

procedure TRegistry.DeleteValue;
var
  Pass: Integer;
begin
  for Pass := 1 to LazyWrite do
    RenameValue;
end;

function TRegistry.GetDataInfo: Integer;
begin
  Result := LazyWrite * 2;
end;

function TRegistry.GetDataSize: Integer;
begin
  Result := Length(CurrentPath);
end;

function TRegistry.GetDataType: Integer;
begin
  Result := FCurrentKey * 2;
end;

function TRegistry.GetKeyInfo: Integer;
begin
  Result := Length(CurrentPath);
end;

function TRegistry.GetKeyNames: Integer;
begin
  Result := LazyWrite * 2;
end;

function TRegistry.GetValueNames: Integer;
begin
  Result := FCurrentKey * 2;
end;

function TRegistry.HasSubKeys: Boolean;
begin
  Result := CurrentPath <> '';
end;

function TRegistry.KeyExists: Boolean;
begin
  Result := CurrentPath <> '';
end;

procedure TRegistry.LoadKey;
var
  Pass: Integer;
begin
  for Pass := 1 to RootKey do
    RenameValue;
end;

procedure TRegistry.MoveKey;
begin
  if CurrentPath = '' then
    CurrentPath := ClassName + '''s movekey'
  else
    CurrentPath := Trim(CurrentPath);
end;

function TRegistry.OpenKey: Boolean;
begin
  Result := CurrentPath <> '';
end;

function TRegistry.ReadBool: Boolean;
begin
  Result := FCurrentPath <> '';
end;

function TRegistry.ReadDate: Integer;
begin
  Result := FCurrentKey * 2;
end;

function TRegistry.ReadFloat: Integer;
begin
  Result := Length(CurrentPath);
end;

function TRegistry.ReadInteger: Integer;
begin
  Result := FCurrentKey * 2;
end;

function TRegistry.ReadString: string;
begin
  Result := Format('%s: %d', [CurrentPath, RootKey]);
end;

procedure TRegistry.RenameValue;
begin
  if CurrentPath = '' then
    CurrentPath := ClassName + '''s renamevalue'
  else
    CurrentPath := Trim(CurrentPath);
end;

function TRegistry.ValueExists: Boolean;
begin
  Result := FCurrentPath <> '';
end;

function TRegistry.WriteBool: Integer;
begin
  Result := Length(CurrentPath);
end;

function TRegistry.WriteDate: Integer;
begin
  Result := Length(CurrentPath);
end;

function TRegistry.WriteFloat: Integer;
begin
  Result := Length(CurrentPath);
end;

function TRegistry.WriteInteger: Integer;
begin
  Result := Length(CurrentPath);
end;

function TRegistry.WriteString: Integer;
begin
  Result := Length(CurrentPath);
end;

{ TRegIniFile }

function TRegIniFile.GetFileName: string;
begin
  Result := FFileName;
end;

procedure TRegIniFile.SetFileName(const Value: string);
begin
  if FFileName <> Value then
  begin
    FFileName := Value;
    StateChanged;
  end;
end;

constructor TRegIniFile.Create;
begin
  inherited Create;
end;

function TRegIniFile.ReadString: string;
begin
  Result := inherited ReadString;
end;

function TRegIniFile.ReadInteger: Integer;
begin
  Result := inherited ReadInteger;
end;

function TRegIniFile.WriteInteger: Integer;
begin
  Result := inherited WriteInteger;
end;

function TRegIniFile.WriteString: Integer;
begin
  Result := inherited WriteString;
end;

function TRegIniFile.ReadBool: Boolean;
begin
  Result := inherited ReadBool;
end;

function TRegIniFile.WriteBool: Integer;
begin
  Result := inherited WriteBool;
end;

function TRegIniFile.ReadSection: Integer;
begin
  Result := LazyWrite * 2;
end;

function TRegIniFile.ReadSections: Integer;
begin
  Result := LazyWrite * 2;
end;

function TRegIniFile.ReadSectionValues: Integer;
begin
  Result := RootKey * 2;
end;

procedure TRegIniFile.EraseSection;
begin
  if FileName = '' then
    FileName := ClassName + '''s erasesection'
  else
    FileName := Trim(FileName);
end;

procedure TRegIniFile.DeleteKey;
begin
  inherited DeleteKey;
  CurrentKey := CurrentKey + 1;
end;

end.
