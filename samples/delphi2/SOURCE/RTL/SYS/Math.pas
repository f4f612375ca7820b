{ Math: a unit of the sample Delphi 2.0 installation that Quillmap 2 browses.
  Written by samples/make_sample.py from samples/vcl-table.txt; change those, not this file. }

unit Math;

(* The declarations name the documented interface of the unit; everything
   private, and every statement, is the sample's own. *)

interface

uses SysUtils;

const
  MathSample = 'Quillmap''s sample of Math';

type

  EInvalidArgument = class(EMathError)
  end;

  TStatAccumulator = class
  private
    FCount: Integer;
    FMean: Integer;
    FVariance: Integer;
    FStdDev: Integer;
    FMinValue: string;
    FMaxValue: string;
    FChangeCount: Integer;
    function GetCount: Integer;
    procedure SetCount(const Value: Integer);
    function GetMean: Integer;
    procedure SetMean(const Value: Integer);
    function GetVariance: Integer;
    procedure SetVariance(const Value: Integer);
    function GetStdDev: Integer;
    procedure SetStdDev(const Value: Integer);
    function GetMinValue: string;
    procedure SetMinValue(const Value: string);
    function GetMaxValue: string;
    procedure SetMaxValue(const Value: string);
  protected
    procedure StateChanged; virtual;
  public
    constructor Create;
    procedure Add;
    function AddArray: Integer;
    procedure Reset;
    property Count: Integer read GetCount write SetCount;
    property Mean: Integer read GetMean write SetMean;
    property Variance: Integer read GetVariance write SetVariance;
    property StdDev: Integer read GetStdDev write SetStdDev;
    property MinValue: string read GetMinValue write SetMinValue;
    property MaxValue: string read GetMaxValue write SetMaxValue;
  end;

implementation

// Method bodies, class by class, in the order of the declarations above.

{ TStatAccumulator }

function TStatAccumulator.GetCount: Integer;
begin
  Result := FCount;
end;

procedure TStatAccumulator.SetCount(const Value: Integer);
begin
  if FCount <> Value then
  begin
    FCount := Value;
    StateChanged;
  end;
end;

function TStatAccumulator.GetMean: Integer;
begin
  Result := FMean;
end;

procedure TStatAccumulator.SetMean(const Value: Integer);
begin
  if FMean <> Value then
  begin
    FMean := Value;
    StateChanged;
  end;
end;

function TStatAccumulator.GetVariance: Integer;
begin
  Result := FVariance;
end;

procedure TStatAccumulator.SetVariance(const Value: Integer);
begin
  if FVariance <> Value then
  begin
    FVariance := Value;
    StateChanged;
  end;
end;

function TStatAccumulator.GetStdDev: Integer;
begin
  Result := FStdDev;
end;

procedure TStatAccumulator.SetStdDev(const Value: Integer);
begin
  if FStdDev <> Value then
  begin
    FStdDev := Value;
    StateChanged;
  end;
end;

function TStatAccumulator.GetMinValue: string;
begin
  Result := FMinValue;
end;

procedure TStatAccumulator.SetMinValue(const Value: string);
begin
  if FMinValue <> Value then
  begin
    FMinValue := Value;
    StateChanged;
  end;
end;

function TStatAccumulator.GetMaxValue: string;
begin
  Result := FMaxValue;
end;

procedure TStatAccumulator.SetMaxValue(const Value: string);
begin
  if FMaxValue <> Value then
  begin
    FMaxValue := Value;
    StateChanged;
  end;
end;

procedure TStatAccumulator.StateChanged;
begin
  Inc(FChangeCount);
end;

constructor TStatAccumulator.Create;
begin
  inherited Create;
end;

procedure TStatAccumulator.Add;
var
  Pass: Integer;
begin
  for Pass := 1 to StdDev do
    Reset;
end;

function TStatAccumulator.AddArray: Integer;
begin
  Result := Length(FMinValue);
end;

procedure TStatAccumulator.Reset;
var
  Pass: Integer;
begin
  for Pass := 1 to Variance do
    Add;
end;

end.
