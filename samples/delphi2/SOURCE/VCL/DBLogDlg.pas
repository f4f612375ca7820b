{ DBLogDlg: a unit of the sample Delphi 2.0 installation that Quillmap 2 browses.
  Written by samples/make_sample.py from samples/vcl-table.txt; change those, not this file. }

unit DBLogDlg;

(* The declarations name the documented interface of the unit; everything
   private, and every statement, is the sample's own. *)

interface

uses SysUtils, Classes, Graphics, Controls, Forms, StdCtrls, ExtCtrls;

const
  DBLogDlgSample = 'Quillmap''s sample of DBLogDlg';

type

  TLoginDialog = class(TForm)
    Panel: Integer;
    Bevel: Integer;
    DatabaseName: string;
    OKButton: Integer;
    CancelButton: Boolean;
    Panel1: Integer;
    Label1: Integer;
    Label2: Integer;
    Label3: Integer;
    Password: Integer;
    UserName: string;
    procedure FormShow;
  end;

implementation

// Method bodies, class by class, in the order of the declarations above.

{ TLoginDialog }

procedure TLoginDialog.FormShow;
begin
  if UserName = '' then
    UserName := ClassName + '''s formshow'
  else
    UserName := Trim(UserName);
end;

end.
