{ DBInpReq: a unit of the sample Delphi 2.0 installation that Quillmap 2 browses.
  Written by samples/make_sample.py from samples/vcl-table.txt; change those, not this file. }

unit DBInpReq;

(* The declarations name the documented interface of the unit; everything
   private, and every statement, is the sample's own. *)

interface

uses SysUtils, Classes, Graphics, Controls, Forms, StdCtrls, ExtCtrls, DB;

const
  DBInpReqSample = 'Quillmap''s sample of DBInpReq';

type

  TInputReqDialog = class(TForm)
    OKButton: Integer;
    CancelButton: Boolean;
    MsgLabel: Integer;
    OptionGroup: Integer;
    procedure FormCreate;
  private
    FDefaultIndex: Integer;
    function GetDefaultIndex: Integer;
    procedure SetDefaultIndex(const Value: Integer);
  public
    procedure ExecuteInput;
    property DefaultIndex: Integer read GetDefaultIndex write SetDefaultIndex;
  end;

implementation

// Method bodies, class by class, in the order of the declarations above.

{ TInputReqDialog }

function TInputReqDialog.GetDefaultIndex: Integer;
begin
  Result := FDefaultIndex;
end;

procedure TInputReqDialog.SetDefaultIndex(const Value: Integer);
begin
  if FDefaultIndex <> Value then
  begin
    FDefaultIndex := Value;
    StateChanged;
  end;
end;

procedure TInputReqDialog.ExecuteInput;
var
  Pass: Integer;
begin
  for Pass := 1 to DefaultIndex do
    FormCreate;
end;

procedure TInputReqDialog.FormCreate;
var
  Pass: Integer;
begin
  for Pass := 1 to OKButton do
    ExecuteInput;
end;

end.
