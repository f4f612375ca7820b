unit UserC;

interface

uses UserB;

type
  TMyLeaf = class(TUnrelated)
  end;

implementation

end.
