{ IniFiles: a unit of the sample Delphi 2.0 installation that Quillmap 2 browses.
  Written by samples/make_sample.py from samples/vcl-table.txt; change those, not this file. }

unit IniFiles;

(* The declarations name the documented interface of the unit; everything
   private, and every statement, is the sample's own. *)

interface

uses SysUtils, Classes;

const
  IniFilesSample = 'Quillmap''s sample of IniFiles';

type

  EIniFileException = class(Exception)
  end;

  TIniFile = class
  private
    FFileName: string;
    FChangeCount: Integer;
    function GetFileName: string;
    procedure SetFileName(const Value: string);
  protected
    procedure StateChanged; virtual;
  public
    constructor Create;
    function ReadString: string;
    function WriteString: Integer;
    function ReadInteger: Integer;
    function WriteInteger: Integer;
    function ReadBool: Boolean;
    function WriteBool: Integer;
    function ReadSection: Integer;
    function ReadSections: Integer;
    function ReadSectionValues: Integer;
    procedure EraseSection;
    procedure DeleteKey;
    function SectionExists: Boolean;
    function ValueExists: Boolean;
    procedure UpdateFile;
    property FileName: string read GetFileName write SetFileName;
  end;

implementation

// Method bodies, class by class, in the order of the declarations above.

{ TIniFile }

function TIniFile.GetFileName: string;
begin
  Result := FFileName;
end;

procedure TIniFile.SetFileName(const Value: string);
begin
  if FFileName <> Value then
  begin
    FFileName := Value;
    StateChanged;
  end;
end;

procedure TIniFile.StateChanged;
begin
  Inc(FChangeCount);
end;

constructor TIniFile.Create;
begin
  inherited Create;
end;

function TIniFile.ReadString: string;
begin
  Result := Format('%s: %d', [FileName, FChangeCount]);
end;

function TIniFile.WriteString: Integer;
begin
  Result := Length(FileName);
end;

function TIniFile.ReadInteger: Integer;
begin
  Result := FChangeCount * 2;
end;

function TIniFile.WriteInteger: Integer;
begin
  Result := FChangeCount * 2;
end;

function TIniFile.ReadBool: Boolean;
begin
  Result := FileName <> '';
end;

function TIniFile.WriteBool: Integer;
begin
  Result := FChangeCount * 2;
end;

function TIniFile.ReadSection: Integer;
begin
  Result := FChangeCount * 2;
end;

function TIniFile.ReadSections: Integer;
begin
  Result := FChangeCount * 2;
end;

function TIniFile.ReadSectionValues: Integer;
begin
  Result := Length(FileName);
end;

procedure TIniFile.EraseSection;
var
  Pass: Integer;
begin
  for Pass := 1 to FChangeCount do
    UpdateFile;
end;

procedure TIniFile.DeleteKey;
begin
  if FileName = '' then
    FileName := ClassName + '''s deletekey'
  else
    FileName := Trim(FileName);
end;

function TIniFile.SectionExists: Boolean;
begin
  Result := FileName <> '';
end;

function TIniFile.ValueExists: Boolean;
begin
  Result := FFileName <> '';
end;

procedure TIniFile.UpdateFile;
var
  Pass: Integer;
begin
  for Pass := 1 to FChangeCount do
    EraseSection;
end;

end.
