{ VirtIntf: a unit of the sample Delphi 2.0 installation that Quillmap 2 browses.
  Written by samples/make_sample.py from samples/vcl-table.txt; change those, not this file. }

unit VirtIntf;

(* The declarations name the documented interface of the unit; everything
   private, and every statement, is the sample's own. *)

interface

uses SysUtils, Classes;

const
  VirtIntfSample = 'Quillmap''s sample of VirtIntf';

type

  TInterface = class
  public
    constructor Create;
    procedure Free; override;
    function AddRef: Integer;
    procedure Release;
    function GetVersion: Integer;
  end;

  TIStream = class(TInterface)
  public
    procedure Read; virtual;
    procedure Write; virtual;
    function Seek: Longint; virtual;
    function GetModifyTime: Integer; virtual;
    procedure SetModifyTime; virtual;
    procedure Flush; virtual;
  end;

implementation

// Method bodies, class by class, in the order of the declarations above.

{ TInterface }

constructor TInterface.Create;
begin
  inherited Create;
end;

procedure TInterface.Free;
begin
  inherited Free;
end;

function TInterface.AddRef: Integer;
begin
  Result := 0;
end;

procedure TInterface.Release;
begin
  // A bare object keeps no state for Release to change.
end;

function TInterface.GetVersion: Integer;
begin
  Result := 0;
end;

{ TIStream }

procedure TIStream.Read;
begin
  // A bare object keeps no state for Read to change.
end;

procedure TIStream.Write;
begin
  // A bare object keeps no state for Write to change.
end;

function TIStream.Seek: Longint;
begin
  Result := 0;
end;

function TIStream.GetModifyTime: Integer;
begin
  Result := 0;
end;

procedure TIStream.SetModifyTime;
begin
  // A bare object keeps no state for SetModifyTime to change.
end;

procedure TIStream.Flush;
begin
  // A bare object keeps no state for Flush to change.
end;

end.
