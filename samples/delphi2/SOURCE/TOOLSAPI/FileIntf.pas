{************************************************************}
{                                                            }
{       Quillmap 2 sample class library                      }
{       FileIntf unit: virtual file systems for the editor   }
{                                                            }
{************************************************************}

unit FileIntf;

interface

uses SysUtils, Classes, VirtIntf;

type
  TIVirtualFileSystem = class(TInterface)
  public
    function GetFileStream(const FileName: string; Mode: Integer): TIStream; virtual; stdcall; abstract;
    function FileAge(const FileName: string): Longint; virtual; stdcall; abstract;
    function RenameFile(const OldName, NewName: string): Boolean; virtual; stdcall; abstract;
    function IsReadonly(const FileName: string): Boolean; virtual; stdcall; abstract;
    function IsFileBased: Boolean; virtual; stdcall; abstract;
    function DeleteFile(const FileName: string): Boolean; virtual; stdcall; abstract;
    function FileExists(const FileName: string): Boolean; virtual; stdcall; abstract;
    function GetTempFileName(const FileName: string): string; virtual; stdcall; abstract;
    function GetBackupFileName(const FileName: string): string; virtual; stdcall; abstract;
    function GetIDString: string; virtual; stdcall; abstract;
  end;

  { A file system kept entirely in memory, handy for experts that
    generate source on the fly }
  TMemoryFileSystem = class(TIVirtualFileSystem)
  private
    FFiles: TStringList;
    FIDString: string;
  public
    constructor Create(const IDString: string);
    destructor Destroy; override;
    function GetFileStream(const FileName: string; Mode: Integer): TIStream; override;
    function FileAge(const FileName: string): Longint; override;
    function RenameFile(const OldName, NewName: string): Boolean; override;
    function IsReadonly(const FileName: string): Boolean; override;
    function IsFileBased: Boolean; override;
    function DeleteFile(const FileName: string): Boolean; override;
    function FileExists(const FileName: string): Boolean; override;
    function GetTempFileName(const FileName: string): string; override;
    function GetBackupFileName(const FileName: string): string; override;
    function GetIDString: string; override;
  end;

implementation

{ TMemoryFileSystem }

constructor TMemoryFileSystem.Create(const IDString: string);
begin
  inherited Create;
  FFiles := TStringList.Create;
  FFiles.Sorted := True;
  FIDString := IDString;
end;

destructor TMemoryFileSystem.Destroy;
var
  I: Integer;
begin
  for I := 0 to FFiles.Count - 1 do
    FFiles.Objects[I].Free;
  FFiles.Free;
  inherited Destroy;
end;

function TMemoryFileSystem.GetFileStream(const FileName: string;
  Mode: Integer): TIStream;
begin
  { the sample file system hands out no streams of its own }
  Result := nil;
end;

function TMemoryFileSystem.FileAge(const FileName: string): Longint;
begin
  if FileExists(FileName) then Result := DateTimeToFileDate(Now) else Result := -1;
end;

function TMemoryFileSystem.RenameFile(const OldName, NewName: string): Boolean;
var
  I: Integer;
begin
  I := FFiles.IndexOf(OldName);
  Result := (I >= 0) and (FFiles.IndexOf(NewName) < 0);
  if Result then
    FFiles.AddObject(NewName, FFiles.Objects[I]);
  if Result then
    FFiles.Delete(FFiles.IndexOf(OldName));
end;

function TMemoryFileSystem.IsReadonly(const FileName: string): Boolean;
begin
  Result := False;
end;

function TMemoryFileSystem.IsFileBased: Boolean;
begin
  Result := False;
end;

function TMemoryFileSystem.DeleteFile(const FileName: string): Boolean;
var
  I: Integer;
begin
  I := FFiles.IndexOf(FileName);
  Result := I >= 0;
  if Result then
  begin
    FFiles.Objects[I].Free;
    FFiles.Delete(I);
  end;
end;

function TMemoryFileSystem.FileExists(const FileName: string): Boolean;
begin
  Result := FFiles.IndexOf(FileName) >= 0;
end;

function TMemoryFileSystem.GetTempFileName(const FileName: string): string;
begin
  Result := ChangeFileExt(FileName, '.$$$');
end;

function TMemoryFileSystem.GetBackupFileName(const FileName: string): string;
begin
  Result := ChangeFileExt(FileName, '.~' + Copy(ExtractFileExt(FileName), 2, 2));
end;

function TMemoryFileSystem.GetIDString: string;
begin
  Result := FIDString;
end;

end.
