unit Shapes2;
interface
uses Classes;
type
  TShared = class(TComponent)
  public
    procedure Fill;
  end;
implementation
procedure TShared.Fill;
begin
  Tag := 2;
end;
end.
