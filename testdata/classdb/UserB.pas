unit UserB;

interface

uses UserA;

type
  TMyDerived = class(TMyBase)
  end;

  TUnrelated = class(TObject)
  end;

implementation

end.
