{ Shapes: a small drawing unit used by the parser's tests. }
unit Shapes;

interface

uses
  Windows, Messages, SysUtils, Classes, Graphics;

const
  DefaultPenWidth = 1;
  ShapeNames: array[0..2] of string = ('Box', 'Ellipse (round)', 'It''s a line');

type
  TShapeKind = (skBox, skEllipse, skLine);
  TShapeKinds = set of TShapeKind;

  TShape = class;
  TShapeClass = class of TShape;

  TShapeEvent = procedure(Sender: TObject; Shape: TShape) of object;

  EShapeError = class(Exception);

  { TShape is the root of every figure. }
  TShape = class(TPersistent)
  private
    FLeft, FTop,
    FWidth, FHeight: Integer;
    FPen: TPen;
    FOnChange: TNotifyEvent;
    procedure SetPen(Value: TPen);
    function GetBounds: TRect;
  protected
    procedure Changed; dynamic;
    procedure Paint(Canvas: TCanvas); virtual; abstract;
    procedure WMPaint(var Message: TWMPaint); message WM_PAINT;
  public
    constructor Create; virtual;
    destructor Destroy; override;
    class function KindName: string;
    property Bounds: TRect read GetBounds;
  published
    property Left: Integer read FLeft write FLeft default 0;
    property Pen: TPen read FPen write SetPen;
    property OnChange: TNotifyEvent read FOnChange write FOnChange;
  end;

  TBox = class(TShape)
  protected
    procedure Paint(Canvas: TCanvas); override;
  published
    property Left;
  end;

  TPolygon = class(TShape)
  private
    FPoints: TList;
    function GetPoint(Index: Integer): TPoint;
    procedure SetPoint(Index: Integer; const Value: TPoint);
  public
    property Points[Index: Integer]: TPoint read GetPoint write SetPoint; default;
    property Kinds: TShapeKinds read FKinds write FKinds default [skBox, skLine];
  end;

  (* A drawing keeps its shapes in order. *)
  TDrawing = class
    FShapes: TList;
{$IFDEF DEBUG}
    FTrace: TStrings;
{$ENDIF}
    function Add(AClass: TShapeClass): TShape;
    procedure Draw(Canvas: TCanvas); register;
  end;

implementation

{ TShape }

constructor TShape.Create;
begin
  FPen := TPen.Create;
  FWidth := DefaultPenWidth; // not the real default
end;

destructor TShape.Destroy;
begin
  FPen.Free;
  inherited Destroy;
end;

procedure TShape.SetPen(Value: TPen);
begin
  FPen.Assign(Value);
  Changed;
end;

function TShape.GetBounds: TRect;
begin
  Result := Rect(FLeft, FTop, FLeft + FWidth, FTop + FHeight);
end;

procedure TShape.Changed;
begin
  if Assigned(FOnChange) then FOnChange(Self);
end;

procedure TShape.WMPaint(var Message: TWMPaint);
begin
  { nothing to do (yet) }
end;

class function TShape.KindName: string;
begin
  Result := 'Shape (abstract)';
end;

procedure TBox.Paint(Canvas: TCanvas);
begin
  Canvas.Rectangle(Left, Top, Left + 10, Top + 10);
end;

function TPolygon.GetPoint(Index: Integer): TPoint;
begin
  Result := PPoint(FPoints[Index])^;
end;

procedure TPolygon.SetPoint(Index: Integer; const Value: TPoint);
begin
  PPoint(FPoints[Index])^ := Value;
end;

function TDrawing.Add(AClass: TShapeClass): TShape;
begin
  Result := AClass.Create;
  FShapes.Add(Result);
end;

procedure TDrawing.Draw(Canvas: TCanvas);
var
  I: Integer;
begin
  for I := 0 to FShapes.Count - 1 do
    TShape(FShapes[I]).Paint(Canvas);
end;

end.
