{*******************************************************}
{                                                       }
{       Quillmap 2 sample class library                 }
{       DBPWDlg unit: the table password dialog         }
{                                                       }
{*******************************************************}

unit DBPWDlg;

interface

uses SysUtils, Classes, Graphics, Controls, Forms, StdCtrls, ExtCtrls, DBTables;

type
  TPasswordDialog = class(TForm)
    GroupBox1: TGroupBox;
    Edit: TEdit;
    AddButton: TButton;
    RemoveButton: TButton;
    RemoveAllButton: TButton;
    OKButton: TButton;
    CancelButton: TButton;
    procedure EditChange(Sender: TObject);
    procedure AddButtonClick(Sender: TObject);
    procedure RemoveButtonClick(Sender: TObject);
    procedure RemoveAllButtonClick(Sender: TObject);
    procedure OKButtonClick(Sender: TObject);
  private
    PasswordAdded: Boolean;
    FSession: TSession;
  public
    property Session: TSession read FSession write FSession;
  end;

function PasswordDialog(ASession: TSession): Boolean;

implementation

function PasswordDialog(ASession: TSession): Boolean;
begin
  with TPasswordDialog.Create(Application) do
  try
    Session := ASession;
    Result := ShowModal = mrOk;
  finally
    Free;
  end;
end;

{ TPasswordDialog }

procedure TPasswordDialog.EditChange(Sender: TObject);
var
  HasText: Boolean;
begin
  HasText := Edit.Text <> '';
  AddButton.Enabled := HasText;
  RemoveButton.Enabled := HasText;
  OKButton.Enabled := HasText or PasswordAdded;
end;

procedure TPasswordDialog.AddButtonClick(Sender: TObject);
begin
  FSession.AddPassword(Edit.Text);
  PasswordAdded := True;
  Edit.Clear;
  Edit.SetFocus;
end;

procedure TPasswordDialog.RemoveButtonClick(Sender: TObject);
begin
  FSession.RemovePassword(Edit.Text);
  Edit.Clear;
  Edit.SetFocus;
end;

procedure TPasswordDialog.RemoveAllButtonClick(Sender: TObject);
begin
  FSession.RemoveAllPasswords;
  Edit.SetFocus;
end;

procedure TPasswordDialog.OKButtonClick(Sender: TObject);
begin
  FSession.AddPassword(Edit.Text);
end;

end.
