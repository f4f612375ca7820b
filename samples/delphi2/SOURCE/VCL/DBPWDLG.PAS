{ DBPwDlg: a unit of the sample Delphi 2.0 installation that Quillmap 2 browses.
  Written by samples/make_sample.py from samples/vcl-table.txt; change those, not this file. }

unit DBPwDlg;

(* The declarations name the documented interface of the unit; everything
   private, and every statement, is the sample's own. *)

interface

uses SysUtils, Classes, Graphics, Controls, Forms, StdCtrls, ExtCtrls, DBTables;

const
  DBPwDlgSample = 'Quillmap''s sample of DBPwDlg';

type

  TPasswordDialog = class(TForm)
    GroupBox1: Integer;
    Edit: Integer;
    AddButton: Integer;
    RemoveButton: Integer;
    RemoveAllButton: Integer;
    OKButton: Integer;
    CancelButton: Boolean;
    procedure EditChange;
    function AddButtonClick: Integer;
    procedure RemoveButtonClick;
    procedure RemoveAllButtonClick;
    procedure OKButtonClick;
  private
    FSession: Integer;
    function GetSession: Integer;
    procedure SetSession(const Value: Integer);
  public
    property Session: Integer read GetSession write SetSession;
  end;

implementation

// Method bodies, class by class, in the order of the declarations above.

{ TPasswordDialog }

function TPasswordDialog.GetSession: Integer;
begin
  Result := FSession;
end;

procedure TPasswordDialog.SetSession(const Value: Integer);
begin
  if FSession <> Value then
  begin
    FSession := Value;
    StateChanged;
  end;
end;

procedure TPasswordDialog.EditChange;
var
  Pass: Integer;
begin
  for Pass := 1 to RemoveButton do
    RemoveButtonClick;
end;

function TPasswordDialog.AddButtonClick: Integer;
begin
  Result := RemoveButton * 2 + Ord(KeyPreview);
end;

procedure TPasswordDialog.RemoveButtonClick;
var
  Pass: Integer;
begin
  for Pass := 1 to RemoveButton do
    EditChange;
end;

procedure TPasswordDialog.RemoveAllButtonClick;
begin
  if Hint = '' then
    Hint := ClassName + '''s removeallbuttonclick'
  else
    Hint := Trim(Hint);
end;

procedure TPasswordDialog.OKButtonClick;
var
  Pass: Integer;
begin
  for Pass := 1 to GroupBox1 do
    RemoveAllButtonClick;
end;

end.
