unit Classes;

interface

uses System;

type
  TPersistent = class(TObject)
  protected
    procedure AssignTo(Dest: TPersistent); virtual;
  public
    procedure Assign(Source: TPersistent); virtual;
  end;

  TComponent = class(TPersistent)
  private
    FName: string;
    FOwner: TComponent;
  protected
    procedure Loaded; virtual;
  public
    constructor Create(AOwner: TComponent); virtual;
    property Owner: TComponent read FOwner;
  published
    property Name: string read FName write FName;
  end;

implementation

procedure TPersistent.AssignTo(Dest: TPersistent);
begin
end;

procedure TPersistent.Assign(Source: TPersistent);
begin
  Source.AssignTo(Self);
end;

procedure TComponent.Loaded;
begin
end;

constructor TComponent.Create(AOwner: TComponent);
begin
  FOwner := AOwner;
end;

end.
