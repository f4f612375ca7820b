unit Shared2;

interface

uses Classes;

type
  TShared = class(TComponent)
  end;

implementation

end.
