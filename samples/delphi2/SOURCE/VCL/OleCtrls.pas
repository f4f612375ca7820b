{ OleCtrls: a unit of the sample Delphi 2.0 installation that Quillmap 2 browses.
  Written by samples/make_sample.py from samples/vcl-table.txt; change those, not this file. }

unit OleCtrls;

(* The declarations name the documented interface of the unit; everything
   private, and every statement, is the sample's own. *)

interface

uses SysUtils, Classes, Graphics, Menus, Controls, Forms, Ole2, OleCtl, OleAuto, OleCtnrs;

const
  OleCtrlsSample = 'Quillmap''s sample of OleCtrls';

type

  EOleCtrlError = class(Exception)
  end;

  TEventDispatch = class(IDispatch)
  public
    constructor Create;
    procedure QueryInterface; override;
    function AddRef: Integer; override;
    procedure Release; override;
    function GetTypeInfoCount: Integer; override;
    function GetTypeInfo: Integer; override;
    function GetIDsOfNames: Integer; override;
    procedure Invoke; override;
  end;

  TOleControlSite = class(IOleControlSite)
  public
    constructor Create;
    procedure QueryInterface; override;
    function AddRef: Integer; override;
    procedure Release; override;
    procedure OnControlInfoChanged; override;
    procedure LockInPlaceActive; override;
    function GetExtendedControl: Integer; override;
    procedure TransformCoords; override;
    procedure TranslateAccelerator; override;
    procedure OnFocus; override;
    procedure ShowPropertyFrame; override;
  end;

  TOleControl = class(TWinControl)
  private
    FOleObject: Integer;
    function GetOleObject: Integer;
    procedure SetOleObject(const Value: Integer);
  public
    constructor Create(AOwner: TComponent); override;
    destructor Destroy; override;
    procedure BrowseProperties;
    procedure DefaultHandler(var Message); override;
    procedure DoObjectVerbByName;
    function GetHelpContext: Integer;
    procedure SetBounds(ALeft, ATop, AWidth, AHeight: Integer); override;
    procedure ShowAboutBox;
    property OleObject: Integer read GetOleObject write SetOleObject;
  end;

  TSampleChartControl = class(TOleControl)
  private
    FChartTitle: Integer;
    FPointCount: Integer;
    FShowLegend: Boolean;
    FBackColor: TColor;
    FOnPointClick: TNotifyEvent;
    procedure SetChartTitle(const Value: Integer);
    procedure SetPointCount(const Value: Integer);
    procedure SetShowLegend(const Value: Boolean);
    procedure SetBackColor(const Value: TColor);
  protected
    procedure SignalPointClick; dynamic;
  public
    procedure Refresh; override;
  published
    property ChartTitle: Integer read FChartTitle write SetChartTitle;
    property PointCount: Integer read FPointCount write SetPointCount;
    property ShowLegend: Boolean read FShowLegend write SetShowLegend;
    property BackColor: TColor read FBackColor write SetBackColor;
    property OnPointClick: TNotifyEvent read FOnPointClick write FOnPointClick;
  end;

implementation

// Method bodies, class by class, in the order of the declarations above.

{ TEventDispatch }

constructor TEventDispatch.Create;
begin
  inherited Create;
end;

procedure TEventDispatch.QueryInterface;
begin
  inherited QueryInterface;
end;

function TEventDispatch.AddRef: Integer;
begin
  Result := inherited AddRef;
end;

procedure TEventDispatch.Release;
begin
  inherited Release;
end;

function TEventDispatch.GetTypeInfoCount: Integer;
begin
  Result := inherited GetTypeInfoCount;
end;

function TEventDispatch.GetTypeInfo: Integer;
begin
  Result := inherited GetTypeInfo;
end;

function TEventDispatch.GetIDsOfNames: Integer;
begin
  Result := inherited GetIDsOfNames;
end;

procedure TEventDispatch.Invoke;
begin
  inherited Invoke;
end;

{ TOleControlSite }

constructor TOleControlSite.Create;
begin
  inherited Create;
end;

procedure TOleControlSite.QueryInterface;
begin
  inherited QueryInterface;
end;

function TOleControlSite.AddRef: Integer;
begin
  Result := inherited AddRef;
end;

procedure TOleControlSite.Release;
begin
  inherited Release;
end;

procedure TOleControlSite.OnControlInfoChanged;
begin
  inherited OnControlInfoChanged;
end;

procedure TOleControlSite.LockInPlaceActive;
begin
  inherited LockInPlaceActive;
end;

function TOleControlSite.GetExtendedControl: Integer;
begin
  Result := inherited GetExtendedControl;
end;

procedure TOleControlSite.TransformCoords;
begin
  inherited TransformCoords;
end;

procedure TOleControlSite.TranslateAccelerator;
begin
  inherited TranslateAccelerator;
end;

procedure TOleControlSite.OnFocus;
begin
  inherited OnFocus;
end;

procedure TOleControlSite.ShowPropertyFrame;
begin
  inherited ShowPropertyFrame;
end;

{ TOleControl }

function TOleControl.GetOleObject: Integer;
begin
  Result := FOleObject;
end;

procedure TOleControl.SetOleObject(const Value: Integer);
begin
  if FOleObject <> Value then
  begin
    FOleObject := Value;
    StateChanged;
  end;
end;

constructor TOleControl.Create(AOwner: TComponent);
begin
  inherited Create(AOwner);
end;

destructor TOleControl.Destroy;
begin
  FOleObject := 0;
  inherited Destroy;
end;

procedure TOleControl.BrowseProperties;
begin
  ShowHint := not ShowHint;
  if ShowHint then
    ShowAboutBox;
end;

procedure TOleControl.DefaultHandler(var Message);
begin
  inherited DefaultHandler(Message);
  OleObject := OleObject + 1;
end;

procedure TOleControl.DoObjectVerbByName;
var
  Pass: Integer;
begin
  for Pass := 1 to FOleObject do
    ShowAboutBox;
end;

function TOleControl.GetHelpContext: Integer;
begin
  Result := ControlCount * 2 + Ord(ShowHint);
end;

procedure TOleControl.SetBounds(ALeft, ATop, AWidth, AHeight: Integer);
begin
  inherited SetBounds(ALeft, ATop, AWidth, AHeight);
  Handle := Handle + 1;
end;

procedure TOleControl.ShowAboutBox;
var
  Pass: Integer;
begin
  for Pass := 1 to OleObject do
    DoObjectVerbByName;
end;

{ TSampleChartControl }

procedure TSampleChartControl.SetChartTitle(const Value: Integer);
begin
  if FChartTitle <> Value then
  begin
    FChartTitle := Value;
    StateChanged;
  end;
end;

procedure TSampleChartControl.SetPointCount(const Value: Integer);
begin
  if FPointCount <> Value then
  begin
    FPointCount := Value;
    StateChanged;
  end;
end;

procedure TSampleChartControl.SetShowLegend(const Value: Boolean);
begin
  if FShowLegend <> Value then
  begin
    FShowLegend := Value;
    StateChanged;
  end;
end;

procedure TSampleChartControl.SetBackColor(const Value: TColor);
begin
  if FBackColor <> Value then
  begin
    FBackColor := Value;
    StateChanged;
  end;
end;

procedure TSampleChartControl.SignalPointClick;
begin
  if Assigned(FOnPointClick) then
    FOnPointClick(Self);
end;

procedure TSampleChartControl.Refresh;
begin
  inherited Refresh;
  PointCount := PointCount + 1;
end;

end.
