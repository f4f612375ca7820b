{ Tabs: a unit of the sample Delphi 2.0 installation that Quillmap 2 browses.
  Written by samples/make_sample.py from samples/vcl-table.txt; change those, not this file. }

unit Tabs;

(* The declarations name the documented interface of the unit; everything
   private, and every statement, is the sample's own. *)

interface

uses SysUtils, Classes, Graphics, Controls, Forms, StdCtrls, ExtCtrls;

const
  TabsSample = 'Quillmap''s sample of Tabs';

type

  TScroller = class(TCustomControl)
  private
    FMin: Integer;
    FMax: Integer;
    FPosition: Integer;
    FChange: Integer;
    FOnClick: TNotifyEvent;
    procedure SetMin(const Value: Integer);
    procedure SetMax(const Value: Integer);
    procedure SetPosition(const Value: Integer);
    procedure SetChange(const Value: Integer);
  protected
    procedure SignalClick; dynamic;
  public
    constructor Create(AOwner: TComponent); override;
    destructor Destroy; override;
  published
    property Min: Integer read FMin write SetMin;
    property Max: Integer read FMax write SetMax;
    property Position: Integer read FPosition write SetPosition;
    property Change: Integer read FChange write SetChange;
    property OnClick: TNotifyEvent read FOnClick write FOnClick;
  end;

  TTabList = class(TStringList)
  public
    procedure Insert; override;
    procedure Delete; override;
    procedure Add; override;
    procedure Put;
    procedure Clear; override;
    function AddStrings: Integer; override;
  end;

  TTabSet = class(TCustomControl)
  private
    FFirstIndex: Integer;
    FAutoScroll: Boolean;
    FBackgroundColor: TColor;
    FDitherBackground: Integer;
    FEndMargin: Integer;
    FStartMargin: Integer;
    FSelectedColor: TColor;
    FStyle: Integer;
    FTabHeight: Integer;
    FTabs: Integer;
    FTabIndex: Integer;
    FUnselectedColor: TColor;
    FVisibleTabs: Integer;
    FOnClick: TNotifyEvent;
    FOnChange: TNotifyEvent;
    FOnDrawTab: TNotifyEvent;
    FOnMeasureTab: TNotifyEvent;
    function GetFirstIndex: Integer;
    procedure SetFirstIndex(const Value: Integer);
    procedure SetAutoScroll(const Value: Boolean);
    procedure SetBackgroundColor(const Value: TColor);
    procedure SetDitherBackground(const Value: Integer);
    procedure SetEndMargin(const Value: Integer);
    procedure SetStartMargin(const Value: Integer);
    procedure SetSelectedColor(const Value: TColor);
    procedure SetStyle(const Value: Integer);
    procedure SetTabHeight(const Value: Integer);
    procedure SetTabs(const Value: Integer);
    procedure SetTabIndexValue(const Value: Integer);
    procedure SetUnselectedColor(const Value: TColor);
    procedure SetVisibleTabs(const Value: Integer);
  protected
    procedure SignalClick; dynamic;
    procedure SignalChange; dynamic;
    procedure SignalDrawTab; dynamic;
    procedure SignalMeasureTab; dynamic;
  public
    constructor Create(AOwner: TComponent); override;
    destructor Destroy; override;
    procedure ItemAtPos;
    procedure ItemRect;
    procedure SelectNext;
    procedure SetTabIndex;
    property FirstIndex: Integer read GetFirstIndex write SetFirstIndex;
  published
    property AutoScroll: Boolean read FAutoScroll write SetAutoScroll;
    property BackgroundColor: TColor read FBackgroundColor write SetBackgroundColor;
    property DitherBackground: Integer read FDitherBackground write SetDitherBackground;
    property EndMargin: Integer read FEndMargin write SetEndMargin;
    property StartMargin: Integer read FStartMargin write SetStartMargin;
    property SelectedColor: TColor read FSelectedColor write SetSelectedColor;
    property Style: Integer read FStyle write SetStyle;
    property TabHeight: Integer read FTabHeight write SetTabHeight;
    property Tabs: Integer read FTabs write SetTabs;
    property TabIndex: Integer read FTabIndex write SetTabIndexValue;
    property UnselectedColor: TColor read FUnselectedColor write SetUnselectedColor;
    property VisibleTabs: Integer read FVisibleTabs write SetVisibleTabs;
    property OnClick: TNotifyEvent read FOnClick write FOnClick;
    property OnChange: TNotifyEvent read FOnChange write FOnChange;
    property OnDrawTab: TNotifyEvent read FOnDrawTab write FOnDrawTab;
    property OnMeasureTab: TNotifyEvent read FOnMeasureTab write FOnMeasureTab;
  end;

implementation

// Method bodies, class by class, in the order of the declarations above.

{ TScroller }

procedure TScroller.SetMin(const Value: Integer);
begin
  if FMin <> Value then
  begin
    FMin := Value;
    StateChanged;
  end;
end;

procedure TScroller.SetMax(const Value: Integer);
begin
  if FMax <> Value then
  begin
    FMax := Value;
    StateChanged;
  end;
end;

procedure TScroller.SetPosition(const Value: Integer);
begin
  if FPosition <> Value then
  begin
    FPosition := Value;
    StateChanged;
  end;
end;

procedure TScroller.SetChange(const Value: Integer);
begin
  if FChange <> Value then
  begin
    FChange := Value;
    StateChanged;
  end;
end;

procedure TScroller.SignalClick;
begin
  if Assigned(FOnClick) then
    FOnClick(Self);
end;

constructor TScroller.Create(AOwner: TComponent);
begin
  inherited Create(AOwner);
end;

destructor TScroller.Destroy;
begin
  Position := 0;
  inherited Destroy;
end;

{ TTabList }

procedure TTabList.Insert;
begin
  inherited Insert;
  Count := Count + 1;
end;

procedure TTabList.Delete;
begin
  inherited Delete;
  Duplicates := Duplicates + 1;
end;

procedure TTabList.Add;
begin
  inherited Add;
  Capacity := Capacity + 1;
end;

procedure TTabList.Put;
begin
  if Text = '' then
    Text := ClassName + '''s put'
  else
    Text := Trim(Text);
end;

procedure TTabList.Clear;
begin
  inherited Clear;
  Count := Count + 1;
end;

function TTabList.AddStrings: Integer;
begin
  Result := inherited AddStrings;
end;

{ TTabSet }

function TTabSet.GetFirstIndex: Integer;
begin
  Result := FFirstIndex;
end;

procedure TTabSet.SetFirstIndex(const Value: Integer);
begin
  if FFirstIndex <> Value then
  begin
    FFirstIndex := Value;
    StateChanged;
  end;
end;

procedure TTabSet.SetAutoScroll(const Value: Boolean);
begin
  if FAutoScroll <> Value then
  begin
    FAutoScroll := Value;
    StateChanged;
  end;
end;

procedure TTabSet.SetBackgroundColor(const Value: TColor);
begin
  if FBackgroundColor <> Value then
  begin
    FBackgroundColor := Value;
    StateChanged;
  end;
end;

procedure TTabSet.SetDitherBackground(const Value: Integer);
begin
  if FDitherBackground <> Value then
  begin
    FDitherBackground := Value;
    StateChanged;
  end;
end;

procedure TTabSet.SetEndMargin(const Value: Integer);
begin
  if FEndMargin <> Value then
  begin
    FEndMargin := Value;
    StateChanged;
  end;
end;

procedure TTabSet.SetStartMargin(const Value: Integer);
begin
  if FStartMargin <> Value then
  begin
    FStartMargin := Value;
    StateChanged;
  end;
end;

procedure TTabSet.SetSelectedColor(const Value: TColor);
begin
  if FSelectedColor <> Value then
  begin
    FSelectedColor := Value;
    StateChanged;
  end;
end;

procedure TTabSet.SetStyle(const Value: Integer);
begin
  if FStyle <> Value then
  begin
    FStyle := Value;
    StateChanged;
  end;
end;

procedure TTabSet.SetTabHeight(const Value: Integer);
begin
  if FTabHeight <> Value then
  begin
    FTabHeight := Value;
    StateChanged;
  end;
end;

procedure TTabSet.SetTabs(const Value: Integer);
begin
  if FTabs <> Value then
  begin
    FTabs := Value;
    StateChanged;
  end;
end;

procedure TTabSet.SetTabIndexValue(const Value: Integer);
begin
  if FTabIndex <> Value then
  begin
    FTabIndex := Value;
    StateChanged;
  end;
end;

procedure TTabSet.SetUnselectedColor(const Value: TColor);
begin
  if FUnselectedColor <> Value then
  begin
    FUnselectedColor := Value;
    StateChanged;
  end;
end;

procedure TTabSet.SetVisibleTabs(const Value: Integer);
begin
  if FVisibleTabs <> Value then
  begin
    FVisibleTabs := Value;
    StateChanged;
  end;
end;

procedure TTabSet.SignalClick;
begin
  if Assigned(FOnClick) then
    FOnClick(Self);
end;

procedure TTabSet.SignalChange;
begin
  if Assigned(FOnChange) then
    FOnChange(Self);
end;

procedure TTabSet.SignalDrawTab;
begin
  if Assigned(FOnDrawTab) then
    FOnDrawTab(Self);
end;

procedure TTabSet.SignalMeasureTab;
begin
  if Assigned(FOnMeasureTab) then
    FOnMeasureTab(Self);
end;

constructor TTabSet.Create(AOwner: TComponent);
begin
  inherited Create(AOwner);
end;

destructor TTabSet.Destroy;
begin
  FirstIndex := 0;
  inherited Destroy;
end;

procedure TTabSet.ItemAtPos;
begin
  if Hint = '' then
    Hint := ClassName + '''s itematpos'
  else
    Hint := Trim(Hint);
end;

procedure TTabSet.ItemRect;
begin
  if not AutoScroll then
    Exit;
  BackgroundColor := BackgroundColor + 1;
  StateChanged;
end;

procedure TTabSet.SelectNext;
begin
  Showing := not Showing;
  if Showing then
    ItemRect;
end;

procedure TTabSet.SetTabIndex;
begin
  Showing := not Showing;
  if Showing then
    ItemRect;
end;

end.
