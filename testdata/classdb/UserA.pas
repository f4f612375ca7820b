unit UserA;

interface

uses Classes;

type
  TMyBase = class(TComponent)
    procedure Work;
  end;

implementation

procedure TMyBase.Work;
begin
end;

end.
