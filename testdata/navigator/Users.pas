unit Users;
interface
uses Classes, Shapes1;
type
  TUser = class(TShared)
  public
    procedure Outline; override;
  end;
  TOther = class(TComponent)
  public
    procedure Pick;
  end;
implementation
procedure TUser.Outline;
begin
  { the ancestor: TShared of Shapes1 }
  inherited Outline;
end;
procedure TOther.Pick;
begin
  { neither TShared is this class's ancestor: TShared asks }
  Tag := 3;
end;
end.
