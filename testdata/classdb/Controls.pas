unit Controls;

interface

uses Classes;

type
  TControl = class(TComponent)
  private
    FCaption: string;
  protected
    procedure Click; dynamic;
  public
    procedure Assign(Source: TPersistent); override;
  published
    property Caption: string read FCaption write FCaption;
  automated
    procedure Refresh;
  end;

implementation

procedure TControl.Click;
begin
end;

procedure TControl.Assign(Source: TPersistent);
begin
  inherited Assign(Source);
end;

procedure TControl.refresh;
begin
end;

end.
