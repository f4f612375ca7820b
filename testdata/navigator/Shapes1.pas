unit Shapes1;
{ A class named like one in Shapes2: a double-click on the name must choose. }
interface
uses Classes;
type
  TShared = class(TComponent)
  public
    procedure Outline;
  end;
implementation
procedure TShared.Outline;
begin
  Tag := 1;
end;
end.
