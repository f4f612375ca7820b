unit Picker;

interface

uses Shared2, Shared;

type
  TPick = class(TShared)
  end;

implementation

uses Shared2;

end.
