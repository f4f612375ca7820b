{*******************************************************}
{                                                       }
{       Quillmap 2 sample class library                 }
{       DBLogDlg unit: the database login dialog        }
{                                                       }
{*******************************************************}

unit DBLogDlg;

interface

uses SysUtils, Classes, Graphics, Controls, Forms, StdCtrls, ExtCtrls;

type
  TLoginDialog = class(TForm)
    Panel: TPanel;
    Bevel: TBevel;
    DatabaseName: TLabel;
    OKButton: TButton;
    CancelButton: TButton;
    Panel1: TPanel;
    Label1: TLabel;
    Label2: TLabel;
    Label3: TLabel;
    Password: TEdit;
    UserName: TEdit;
    procedure FormShow(Sender: TObject);
  end;

function LoginDialog(const ADatabaseName: string;
  var AUserName, APassword: string): Boolean;
function LoginDialogEx(const ADatabaseName: string;
  var AUserName, APassword: string; NameReadOnly: Boolean): Boolean;

implementation

function LoginDialogEx(const ADatabaseName: string;
  var AUserName, APassword: string; NameReadOnly: Boolean): Boolean;
begin
  with TLoginDialog.Create(Application) do
  try
    DatabaseName.Caption := ADatabaseName;
    UserName.Text := AUserName;
    UserName.ReadOnly := NameReadOnly;
    Result := False;
    if ShowModal = mrOk then
    begin
      AUserName := UserName.Text;
      APassword := Password.Text;
      Result := True;
    end;
  finally
    Free;
  end;
end;

function LoginDialog(const ADatabaseName: string;
  var AUserName, APassword: string): Boolean;
begin
  Result := LoginDialogEx(ADatabaseName, AUserName, APassword, False);
end;

{ TLoginDialog }

procedure TLoginDialog.FormShow(Sender: TObject);
begin
  if UserName.Text = '' then
    UserName.SetFocus
  else
    Password.SetFocus;
end;

end.
