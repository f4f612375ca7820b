unit Forms;

interface

uses Classes, Controls;

type
  TForm = class(TControl)
  protected
    procedure Click; override;
  end;

  TApplication = class(TComponent)
  public
    procedure Run;
  end;

implementation

procedure TForm.Click;
begin
  inherited Click;
end;

procedure TApplication.Run;
begin
  { the message loop }
end;

end.
