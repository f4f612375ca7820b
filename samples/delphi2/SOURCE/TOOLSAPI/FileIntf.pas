{ FileIntf: a unit of the sample Delphi 2.0 installation that Quillmap 2 browses.
  Written by samples/make_sample.py from samples/vcl-table.txt; change those, not this file. }

unit FileIntf;

(* The declarations name the documented interface of the unit; everything
   private, and every statement, is the sample's own. *)

interface

uses SysUtils, Classes, VirtIntf;

const
  FileIntfSample = 'Quillmap''s sample of FileIntf';

type

  TIVirtualFileSystem = class(TInterface)
  public
    function GetFileStream: Integer; virtual;
    procedure FileAge; virtual;
    procedure RenameFile; virtual;
    function IsReadonly: Boolean; virtual;
    function IsFileBased: Boolean; virtual;
    procedure DeleteFile; virtual;
    function FileExists: Boolean; virtual;
    function GetTempFileName: Integer; virtual;
    function GetBackupFileName: Integer; virtual;
    function GetIDString: Integer; virtual;
  end;

  TMemoryFileSystem = class(TIVirtualFileSystem)
  public
    constructor Create;
    destructor Destroy; override;
    function GetFileStream: Integer; override;
    procedure FileAge; override;
    procedure RenameFile; override;
    function IsReadonly: Boolean; override;
    function IsFileBased: Boolean; override;
    procedure DeleteFile; override;
    function FileExists: Boolean; override;
    function GetTempFileName: Integer; override;
    function GetBackupFileName: Integer; override;
    function GetIDString: Integer; override;
  end;

implementation

// Method bodies, class by class, in the order of the declarations above.

{ TIVirtualFileSystem }

function TIVirtualFileSystem.GetFileStream: Integer;
begin
  Result := 0;
end;

procedure TIVirtualFileSystem.FileAge;
begin
  // A bare object keeps no state for FileAge to change.
end;

procedure TIVirtualFileSystem.RenameFile;
begin
  // A bare object keeps no state for RenameFile to change.
end;

function TIVirtualFileSystem.IsReadonly: Boolean;
begin
  Result := Self <> nil;
end;

function TIVirtualFileSystem.IsFileBased: Boolean;
begin
  Result := Self <> nil;
end;

procedure TIVirtualFileSystem.DeleteFile;
begin
  // A bare object keeps no state for DeleteFile to change.
end;

function TIVirtualFileSystem.FileExists: Boolean;
begin
  Result := Self <> nil;
end;

function TIVirtualFileSystem.GetTempFileName: Integer;
begin
  Result := 0;
end;

function TIVirtualFileSystem.GetBackupFileName: Integer;
begin
  Result := 0;
end;

function TIVirtualFileSystem.GetIDString: Integer;
begin
  Result := 0;
end;

{ TMemoryFileSystem }

constructor TMemoryFileSystem.Create;
begin
  inherited Create;
end;

destructor TMemoryFileSystem.Destroy;
begin
  inherited Destroy;
end;

function TMemoryFileSystem.GetFileStream: Integer;
begin
  Result := inherited GetFileStream;
end;

procedure TMemoryFileSystem.FileAge;
begin
  inherited FileAge;
end;

procedure TMemoryFileSystem.RenameFile;
begin
  inherited RenameFile;
end;

function TMemoryFileSystem.IsReadonly: Boolean;
begin
  Result := inherited IsReadonly;
end;

function TMemoryFileSystem.IsFileBased: Boolean;
begin
  Result := inherited IsFileBased;
end;

procedure TMemoryFileSystem.DeleteFile;
begin
  inherited DeleteFile;
end;

function TMemoryFileSystem.FileExists: Boolean;
begin
  Result := inherited FileExists;
end;

function TMemoryFileSystem.GetTempFileName: Integer;
begin
  Result := inherited GetTempFileName;
end;

function TMemoryFileSystem.GetBackupFileName: Integer;
begin
  Result := inherited GetBackupFileName;
end;

function TMemoryFileSystem.GetIDString: Integer;
begin
  Result := inherited GetIDString;
end;

end.
