unit System;

interface

type
  TObject = class
    constructor Create;
    procedure Free;
    function ClassName: string; virtual;
  end;

implementation

constructor TObject.Create;
begin
end;

procedure TObject.Free;
begin
  Destroy;
end;

function TObject.ClassName: string;
begin
  Result := '';
end;

end.
