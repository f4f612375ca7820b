unit Order;

interface

uses Classes;

type
  TB = class(TA)
    FB: Integer;
  end;

  TA = class(TComponent)
    FA: Integer;
  end;

implementation

end.
