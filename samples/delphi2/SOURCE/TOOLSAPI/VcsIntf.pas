{ VcsIntf: a unit of the sample Delphi 2.0 installation that Quillmap 2 browses.
  Written by samples/make_sample.py from samples/vcl-table.txt; change those, not this file. }

unit VcsIntf;

(* The declarations name the documented interface of the unit; everything
   private, and every statement, is the sample's own. *)

interface

uses SysUtils, Classes, VirtIntf, ToolIntf;

const
  VcsIntfSample = 'Quillmap''s sample of VcsIntf';

type

  TIVCSClient = class(TInterface)
  public
    function GetIDString: Integer;
    procedure ExecuteVerb;
    function GetMenuName: Integer;
    function GetVerb: string;
    function GetVerbCount: Integer;
    function GetVerbState: Integer;
    procedure ProjectChange;
  end;

implementation

// Method bodies, class by class, in the order of the declarations above.

{ TIVCSClient }

function TIVCSClient.GetIDString: Integer;
begin
  Result := 0;
end;

procedure TIVCSClient.ExecuteVerb;
begin
  // A bare object keeps no state for ExecuteVerb to change.
end;

function TIVCSClient.GetMenuName: Integer;
begin
  Result := 0;
end;

function TIVCSClient.GetVerb: string;
begin
  Result := ClassName;
end;

function TIVCSClient.GetVerbCount: Integer;
begin
  Result := 0;
end;

function TIVCSClient.GetVerbState: Integer;
begin
  Result := 0;
end;

procedure TIVCSClient.ProjectChange;
begin
  // A bare object keeps no state for ProjectChange to change.
end;

end.
