unit Shared;

interface

uses Classes;

type
  TShared = class(TComponent)
  end;

implementation

end.
