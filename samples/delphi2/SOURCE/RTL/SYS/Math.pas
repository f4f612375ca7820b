{*******************************************************}
{                                                       }
{       Quillmap 2 sample class library                 }
{       Math unit: floating point routines              }
{                                                       }
{*******************************************************}

unit Math;

{$N+,S-}

interface

uses SysUtils;

const
  MinSingle   =  1.5e-45;
  MaxSingle   =  3.4e+38;
  MinDouble   =  5.0e-324;
  MaxDouble   =  1.7e+308;

type
  EInvalidArgument = class(EMathError);

  TPaymentTime = (ptEndOfPeriod, ptStartOfPeriod);

  { Collects a running mean and variance without storing the samples. }
  TStatAccumulator = class(TObject)
  private
    FCount: Integer;
    FMean: Extended;
    FSumSquares: Extended;
    FMin, FMax: Extended;
    function GetVariance: Extended;
    function GetStdDev: Extended;
  public
    constructor Create;
    procedure Add(Value: Extended);
    procedure AddArray(const Data: array of Double);
    procedure Reset;
    property Count: Integer read FCount;
    property Mean: Extended read FMean;
    property Variance: Extended read GetVariance;
    property StdDev: Extended read GetStdDev;
    property MinValue: Extended read FMin;
    property MaxValue: Extended read FMax;
  end;

{ Trigonometry }
function ArcCos(X: Extended): Extended;
function ArcSin(X: Extended): Extended;
function Tan(X: Extended): Extended;
function Cotan(X: Extended): Extended;
function Hypot(X, Y: Extended): Extended;
function DegToRad(Degrees: Extended): Extended;
function RadToDeg(Radians: Extended): Extended;

{ Hyperbolic functions }
function Cosh(X: Extended): Extended;
function Sinh(X: Extended): Extended;
function Tanh(X: Extended): Extended;

{ Logarithms and powers }
function Log10(X: Extended): Extended;
function Log2(X: Extended): Extended;
function LogN(Base, X: Extended): Extended;
function IntPower(Base: Extended; Exponent: Integer): Extended;
function Power(Base, Exponent: Extended): Extended;
function Ceil(X: Extended): Integer;
function Floor(X: Extended): Integer;

{ Statistics }
function Mean(const Data: array of Double): Extended;
function Sum(const Data: array of Double): Extended;
function SumOfSquares(const Data: array of Double): Extended;
function MinValue(const Data: array of Double): Double;
function MaxValue(const Data: array of Double): Double;
function StdDev(const Data: array of Double): Extended;

{ Finance }
function FutureValue(Rate: Extended; NPeriods: Integer; Payment, PresentValue: Extended;
  PaymentTime: TPaymentTime): Extended;
function Payment(Rate: Extended; NPeriods: Integer; PresentValue, FutureValue: Extended;
  PaymentTime: TPaymentTime): Extended;

implementation

procedure ArgError(const Msg: string);
begin
  raise EInvalidArgument.Create(Msg);
end;

function ArcTan2(Y, X: Extended): Extended;
begin
  if X = 0 then
  begin
    if Y > 0 then Result := Pi / 2
    else if Y < 0 then Result := -Pi / 2
    else Result := 0;
  end
  else
  begin
    Result := ArcTan(Y / X);
    if X < 0 then
      if Y < 0 then Result := Result - Pi else Result := Result + Pi;
  end;
end;

function ArcCos(X: Extended): Extended;
begin
  Result := ArcTan2(Sqrt(1 - X * X), X);
end;

function ArcSin(X: Extended): Extended;
begin
  Result := ArcTan2(X, Sqrt(1 - X * X));
end;

function Tan(X: Extended): Extended;
begin
  Result := Sin(X) / Cos(X);
end;

function Cotan(X: Extended): Extended;
begin
  Result := Cos(X) / Sin(X);
end;

function Hypot(X, Y: Extended): Extended;
begin
  Result := Sqrt(Sqr(X) + Sqr(Y));
end;

function DegToRad(Degrees: Extended): Extended;
begin
  Result := Degrees * (Pi / 180);
end;

function RadToDeg(Radians: Extended): Extended;
begin
  Result := Radians * (180 / Pi);
end;

function Cosh(X: Extended): Extended;
begin
  Result := (Exp(X) + Exp(-X)) / 2;
end;

function Sinh(X: Extended): Extended;
begin
  Result := (Exp(X) - Exp(-X)) / 2;
end;

function Tanh(X: Extended): Extended;
begin
  Result := Sinh(X) / Cosh(X);
end;

function Log10(X: Extended): Extended;
begin
  Result := Ln(X) / Ln(10);
end;

function Log2(X: Extended): Extended;
begin
  Result := Ln(X) / Ln(2);
end;

function LogN(Base, X: Extended): Extended;
begin
  if (Base <= 0) or (Base = 1) then
    ArgError('Invalid logarithm base');
  Result := Ln(X) / Ln(Base);
end;

function IntPower(Base: Extended; Exponent: Integer): Extended;
var
  E: Integer;
begin
  Result := 1;
  E := Abs(Exponent);
  while E > 0 do
  begin
    if Odd(E) then Result := Result * Base;
    Base := Sqr(Base);
    E := E shr 1;
  end;
  if Exponent < 0 then Result := 1 / Result;
end;

function Power(Base, Exponent: Extended): Extended;
begin
  if Exponent = 0 then
    Result := 1
  else if (Frac(Exponent) = 0) and (Abs(Exponent) <= MaxInt) then
    Result := IntPower(Base, Trunc(Exponent))
  else if Base > 0 then
    Result := Exp(Exponent * Ln(Base))
  else
  begin
    ArgError('Power of a negative base');
    Result := 0;
  end;
end;

function Ceil(X: Extended): Integer;
begin
  Result := Trunc(X);
  if Frac(X) > 0 then Inc(Result);
end;

function Floor(X: Extended): Integer;
begin
  Result := Trunc(X);
  if Frac(X) < 0 then Dec(Result);
end;

function Sum(const Data: array of Double): Extended;
var
  I: Integer;
begin
  Result := 0;
  for I := Low(Data) to High(Data) do
    Result := Result + Data[I];
end;

function SumOfSquares(const Data: array of Double): Extended;
var
  I: Integer;
begin
  Result := 0;
  for I := Low(Data) to High(Data) do
    Result := Result + Sqr(Data[I]);
end;

function Mean(const Data: array of Double): Extended;
begin
  if High(Data) < 0 then ArgError('Mean of an empty array');
  Result := Sum(Data) / (High(Data) - Low(Data) + 1);
end;

function MinValue(const Data: array of Double): Double;
var
  I: Integer;
begin
  Result := Data[Low(Data)];
  for I := Low(Data) + 1 to High(Data) do
    if Data[I] < Result then Result := Data[I];
end;

function MaxValue(const Data: array of Double): Double;
var
  I: Integer;
begin
  Result := Data[Low(Data)];
  for I := Low(Data) + 1 to High(Data) do
    if Data[I] > Result then Result := Data[I];
end;

function StdDev(const Data: array of Double): Extended;
var
  Acc: TStatAccumulator;
begin
  Acc := TStatAccumulator.Create;
  try
    Acc.AddArray(Data);
    Result := Acc.StdDev;
  finally
    Acc.Free;
  end;
end;

function FutureValue(Rate: Extended; NPeriods: Integer; Payment, PresentValue: Extended;
  PaymentTime: TPaymentTime): Extended;
var
  Growth: Extended;
begin
  if Rate = 0 then
    Result := -PresentValue - Payment * NPeriods
  else
  begin
    Growth := IntPower(1 + Rate, NPeriods);
    Result := -PresentValue * Growth -
      Payment * (1 + Rate * Ord(PaymentTime)) * (Growth - 1) / Rate;
  end;
end;

function Payment(Rate: Extended; NPeriods: Integer; PresentValue, FutureValue: Extended;
  PaymentTime: TPaymentTime): Extended;
var
  Growth: Extended;
begin
  if Rate = 0 then
    Result := -(PresentValue + FutureValue) / NPeriods
  else
  begin
    Growth := IntPower(1 + Rate, NPeriods);
    Result := -(FutureValue + PresentValue * Growth) * Rate /
      ((1 + Rate * Ord(PaymentTime)) * (Growth - 1));
  end;
end;

{ TStatAccumulator }

function TStatAccumulator.GetVariance: Extended;
begin
  if FCount < 2 then
    Result := 0
  else
    Result := FSumSquares / (FCount - 1);
end;

function TStatAccumulator.GetStdDev: Extended;
begin
  Result := Sqrt(GetVariance);
end;

constructor TStatAccumulator.Create;
begin
  inherited Create;
  Reset;
end;

procedure TStatAccumulator.Add(Value: Extended);
var
  Delta: Extended;
begin
  Inc(FCount);
  Delta := Value - FMean;
  FMean := FMean + Delta / FCount;
  FSumSquares := FSumSquares + Delta * (Value - FMean);
  if (FCount = 1) or (Value < FMin) then FMin := Value;
  if (FCount = 1) or (Value > FMax) then FMax := Value;
end;

procedure TStatAccumulator.AddArray(const Data: array of Double);
var
  I: Integer;
begin
  for I := Low(Data) to High(Data) do
    Add(Data[I]);
end;

procedure TStatAccumulator.Reset;
begin
  FCount := 0;
  FMean := 0;
  FSumSquares := 0;
  FMin := 0;
  FMax := 0;
end;

end.
