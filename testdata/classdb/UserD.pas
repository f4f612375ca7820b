unit UserD;

interface

uses Classes, UserA;

type
  TOnlyUses = class(TComponent)
  end;

implementation

end.
