{ DBCGrids: a unit of the sample Delphi 2.0 installation that Quillmap 2 browses.
  Written by samples/make_sample.py from samples/vcl-table.txt; change those, not this file. }

unit DBCGrids;

(* The declarations name the documented interface of the unit; everything
   private, and every statement, is the sample's own. *)

interface

uses SysUtils, Classes, Graphics, Controls, Forms, DB;

const
  DBCGridsSample = 'Quillmap''s sample of DBCGrids';

type

  TDBCtrlGridLink = class(TDataLink)
  public
    constructor Create;
  end;

  TDBCtrlPanel = class(TWinControl)
  public
    procedure CreateLinked;
  end;

  TDBCtrlGrid = class(TWinControl)
  private
    FCanvas: Boolean;
    FEditMode: Integer;
    FPanelCount: Integer;
    FPanelIndex: Integer;
    FAllowDelete: Integer;
    FAllowInsert: Integer;
    FColCount: Integer;
    FDataSource: TDataSource;
    FOrientation: Integer;
    FPanelBorder: Integer;
    FPanelHeight: Integer;
    FPanelWidth: Integer;
    FRowCount: Integer;
    FSelectedColor: TColor;
    FShowFocus: Boolean;
    FOnPaintPanel: TNotifyEvent;
    function GetCanvas: Boolean;
    procedure SetCanvas(const Value: Boolean);
    function GetEditMode: Integer;
    procedure SetEditMode(const Value: Integer);
    function GetPanelCount: Integer;
    procedure SetPanelCount(const Value: Integer);
    function GetPanelIndex: Integer;
    procedure SetPanelIndex(const Value: Integer);
    procedure SetAllowDelete(const Value: Integer);
    procedure SetAllowInsert(const Value: Integer);
    procedure SetColCount(const Value: Integer);
    procedure SetDataSource(const Value: TDataSource);
    procedure SetOrientation(const Value: Integer);
    procedure SetPanelBorder(const Value: Integer);
    procedure SetPanelHeight(const Value: Integer);
    procedure SetPanelWidth(const Value: Integer);
    procedure SetRowCount(const Value: Integer);
    procedure SetSelectedColor(const Value: TColor);
    procedure SetShowFocus(const Value: Boolean);
  protected
    procedure SignalPaintPanel; dynamic;
  public
    constructor Create(AOwner: TComponent); override;
    destructor Destroy; override;
    procedure DoKey;
    procedure ExecuteAction;
    function GetTabOrderList: Integer; override;
    procedure KeyToDataSetKey;
    property Canvas: Boolean read GetCanvas write SetCanvas;
    property EditMode: Integer read GetEditMode write SetEditMode;
    property PanelCount: Integer read GetPanelCount write SetPanelCount;
    property PanelIndex: Integer read GetPanelIndex write SetPanelIndex;
  published
    property AllowDelete: Integer read FAllowDelete write SetAllowDelete;
    property AllowInsert: Integer read FAllowInsert write SetAllowInsert;
    property ColCount: Integer read FColCount write SetColCount;
    property DataSource: TDataSource read FDataSource write SetDataSource;
    property Orientation: Integer read FOrientation write SetOrientation;
    property PanelBorder: Integer read FPanelBorder write SetPanelBorder;
    property PanelHeight: Integer read FPanelHeight write SetPanelHeight;
    property PanelWidth: Integer read FPanelWidth write SetPanelWidth;
    property RowCount: Integer read FRowCount write SetRowCount;
    property SelectedColor: TColor read FSelectedColor write SetSelectedColor;
    property ShowFocus: Boolean read FShowFocus write SetShowFocus;
    property OnPaintPanel: TNotifyEvent read FOnPaintPanel write FOnPaintPanel;
  end;

implementation

// Method bodies, class by class, in the order of the declarations above.

{ TDBCtrlGridLink }

constructor TDBCtrlGridLink.Create;
begin
  inherited Create;
end;

{ TDBCtrlPanel }

procedure TDBCtrlPanel.CreateLinked;
begin
  if Hint = '' then
    Hint := ClassName + '''s createlinked'
  else
    Hint := Trim(Hint);
end;

{ TDBCtrlGrid }

function TDBCtrlGrid.GetCanvas: Boolean;
begin
  Result := FCanvas;
end;

procedure TDBCtrlGrid.SetCanvas(const Value: Boolean);
begin
  if FCanvas <> Value then
  begin
    FCanvas := Value;
    StateChanged;
  end;
end;

function TDBCtrlGrid.GetEditMode: Integer;
begin
  Result := FEditMode;
end;

procedure TDBCtrlGrid.SetEditMode(const Value: Integer);
begin
  if FEditMode <> Value then
  begin
    FEditMode := Value;
    StateChanged;
  end;
end;

function TDBCtrlGrid.GetPanelCount: Integer;
begin
  Result := FPanelCount;
end;

procedure TDBCtrlGrid.SetPanelCount(const Value: Integer);
begin
  if FPanelCount <> Value then
  begin
    FPanelCount := Value;
    StateChanged;
  end;
end;

function TDBCtrlGrid.GetPanelIndex: Integer;
begin
  Result := FPanelIndex;
end;

procedure TDBCtrlGrid.SetPanelIndex(const Value: Integer);
begin
  if FPanelIndex <> Value then
  begin
    FPanelIndex := Value;
    StateChanged;
  end;
end;

procedure TDBCtrlGrid.SetAllowDelete(const Value: Integer);
begin
  if FAllowDelete <> Value then
  begin
    FAllowDelete := Value;
    StateChanged;
  end;
end;

procedure TDBCtrlGrid.SetAllowInsert(const Value: Integer);
begin
  if FAllowInsert <> Value then
  begin
    FAllowInsert := Value;
    StateChanged;
  end;
end;

procedure TDBCtrlGrid.SetColCount(const Value: Integer);
begin
  if FColCount <> Value then
  begin
    FColCount := Value;
    StateChanged;
  end;
end;

procedure TDBCtrlGrid.SetDataSource(const Value: TDataSource);
begin
  if FDataSource <> Value then
  begin
    FDataSource := Value;
    StateChanged;
  end;
end;

procedure TDBCtrlGrid.SetOrientation(const Value: Integer);
begin
  if FOrientation <> Value then
  begin
    FOrientation := Value;
    StateChanged;
  end;
end;

procedure TDBCtrlGrid.SetPanelBorder(const Value: Integer);
begin
  if FPanelBorder <> Value then
  begin
    FPanelBorder := Value;
    StateChanged;
  end;
end;

procedure TDBCtrlGrid.SetPanelHeight(const Value: Integer);
begin
  if FPanelHeight <> Value then
  begin
    FPanelHeight := Value;
    StateChanged;
  end;
end;

procedure TDBCtrlGrid.SetPanelWidth(const Value: Integer);
begin
  if FPanelWidth <> Value then
  begin
    FPanelWidth := Value;
    StateChanged;
  end;
end;

procedure TDBCtrlGrid.SetRowCount(const Value: Integer);
begin
  if FRowCount <> Value then
  begin
    FRowCount := Value;
    StateChanged;
  end;
end;

procedure TDBCtrlGrid.SetSelectedColor(const Value: TColor);
begin
  if FSelectedColor <> Value then
  begin
    FSelectedColor := Value;
    StateChanged;
  end;
end;

procedure TDBCtrlGrid.SetShowFocus(const Value: Boolean);
begin
  if FShowFocus <> Value then
  begin
    FShowFocus := Value;
    StateChanged;
  end;
end;

procedure TDBCtrlGrid.SignalPaintPanel;
begin
  if Assigned(FOnPaintPanel) then
    FOnPaintPanel(Self);
end;

constructor TDBCtrlGrid.Create(AOwner: TComponent);
begin
  inherited Create(AOwner);
end;

destructor TDBCtrlGrid.Destroy;
begin
  EditMode := 0;
  inherited Destroy;
end;

procedure TDBCtrlGrid.DoKey;
begin
  FShowFocus := not FShowFocus;
  if FShowFocus then
    KeyToDataSetKey;
end;

procedure TDBCtrlGrid.ExecuteAction;
var
  Pass: Integer;
begin
  for Pass := 1 to PanelIndex do
    KeyToDataSetKey;
end;

function TDBCtrlGrid.GetTabOrderList: Integer;
begin
  Result := inherited GetTabOrderList;
end;

procedure TDBCtrlGrid.KeyToDataSetKey;
begin
  if not Canvas then
    Exit;
  EditMode := EditMode + 1;
  StateChanged;
end;

end.
