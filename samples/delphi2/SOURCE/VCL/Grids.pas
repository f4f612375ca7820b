{ Grids: a unit of the sample Delphi 2.0 installation that Quillmap 2 browses.
  Written by samples/make_sample.py from samples/vcl-table.txt; change those, not this file. }

unit Grids;

(* The declarations name the documented interface of the unit; everything
   private, and every statement, is the sample's own. *)

interface

uses SysUtils, Classes, Graphics, Menus, Controls, Forms, StdCtrls, Mask;

const
  GridsSample = 'Quillmap''s sample of Grids';

type

  EInvalidGridOperation = class(Exception)
  end;

  TInplaceEdit = class(TCustomMaskEdit)
  public
    constructor Create(AOwner: TComponent); override;
    procedure Deselect;
    procedure Hide; override;
    procedure Invalidate; override;
    procedure Move;
    procedure PosEqual;
    procedure SetFocus; override;
    procedure UpdateLoc;
    procedure Visible;
  end;

  TCustomGrid = class(TCustomControl)
  public
    constructor Create(AOwner: TComponent); override;
    destructor Destroy; override;
  end;

  TDrawGrid = class(TCustomGrid)
  private
    FOnColumnMoved: TNotifyEvent;
    FOnDrawCell: TNotifyEvent;
    FOnGetEditMask: TNotifyEvent;
    FOnGetEditText: TNotifyEvent;
    FOnRowMoved: TNotifyEvent;
    FOnSelectCell: TNotifyEvent;
    FOnSetEditText: TNotifyEvent;
    FOnTopLeftChanged: TNotifyEvent;
  protected
    procedure SignalColumnMoved; dynamic;
    procedure SignalDrawCell; dynamic;
    procedure SignalGetEditMask; dynamic;
    procedure SignalGetEditText; dynamic;
    procedure SignalRowMoved; dynamic;
    procedure SignalSelectCell; dynamic;
    procedure SignalSetEditText; dynamic;
    procedure SignalTopLeftChanged; dynamic;
  public
    procedure CellRect;
    procedure MouseToCell;
  published
    property OnColumnMoved: TNotifyEvent read FOnColumnMoved write FOnColumnMoved;
    property OnDrawCell: TNotifyEvent read FOnDrawCell write FOnDrawCell;
    property OnGetEditMask: TNotifyEvent read FOnGetEditMask write FOnGetEditMask;
    property OnGetEditText: TNotifyEvent read FOnGetEditText write FOnGetEditText;
    property OnRowMoved: TNotifyEvent read FOnRowMoved write FOnRowMoved;
    property OnSelectCell: TNotifyEvent read FOnSelectCell write FOnSelectCell;
    property OnSetEditText: TNotifyEvent read FOnSetEditText write FOnSetEditText;
    property OnTopLeftChanged: TNotifyEvent read FOnTopLeftChanged write FOnTopLeftChanged;
  end;

  TSparsePointerArray = class
  private
    FHighBound: Integer;
    FSectionSize: Integer;
    FItems: TStrings;
    FChangeCount: Integer;
    function GetHighBound: Integer;
    procedure SetHighBound(const Value: Integer);
    function GetSectionSize: Integer;
    procedure SetSectionSize(const Value: Integer);
    function GetItems: TStrings;
    procedure SetItems(const Value: TStrings);
  protected
    procedure StateChanged; virtual;
  public
    constructor Create;
    destructor Destroy; override;
    procedure ForAll;
    procedure ResetHighBound;
    property HighBound: Integer read GetHighBound write SetHighBound;
    property SectionSize: Integer read GetSectionSize write SetSectionSize;
    property Items: TStrings read GetItems write SetItems;
  end;

  TSparseList = class
  private
    FCount: Integer;
    FItems: TStrings;
    FChangeCount: Integer;
    function GetCount: Integer;
    procedure SetCount(const Value: Integer);
    function GetItems: TStrings;
    procedure SetItems(const Value: TStrings);
  protected
    procedure StateChanged; virtual;
  public
    constructor Create;
    destructor Destroy; override;
    procedure Clear;
    procedure Delete;
    procedure Exchange;
    procedure ForAll;
    procedure Insert;
    procedure Move;
    property Count: Integer read GetCount write SetCount;
    property Items: TStrings read GetItems write SetItems;
  end;

  TStringSparseList = class(TStrings)
  private
    FList: Integer;
    FOnChange: TNotifyEvent;
    function GetList: Integer;
    procedure SetList(const Value: Integer);
  protected
    procedure SignalChange; dynamic;
  public
    constructor Create;
    destructor Destroy; override;
    function ReadData: Integer;
    function WriteData: Integer;
    procedure DefineProperties;
    procedure Delete; override;
    procedure Exchange; override;
    procedure Insert; override;
    procedure Clear; override;
    property List: Integer read GetList write SetList;
    property OnChange: TNotifyEvent read FOnChange write FOnChange;
  end;

  TStringGridStrings = class(TStrings)
  public
    constructor Create;
    procedure Add; override;
    procedure Assign(Source: TPersistent); override;
    procedure Clear; override;
    procedure Delete; override;
    procedure Insert; override;
  end;

  TStringGrid = class(TDrawGrid)
  private
    FCells: Integer;
    FCols: Integer;
    FObjects: Integer;
    FRows: Integer;
    function GetCells: Integer;
    procedure SetCells(const Value: Integer);
    function GetCols: Integer;
    procedure SetCols(const Value: Integer);
    function GetObjects: Integer;
    procedure SetObjects(const Value: Integer);
    function GetRows: Integer;
    procedure SetRows(const Value: Integer);
  public
    constructor Create(AOwner: TComponent); override;
    destructor Destroy; override;
    property Cells: Integer read GetCells write SetCells;
    property Cols: Integer read GetCols write SetCols;
    property Objects: Integer read GetObjects write SetObjects;
    property Rows: Integer read GetRows write SetRows;
  end;

implementation

// Method bodies, class by class, in the order of the declarations above.

{ TInplaceEdit }

constructor TInplaceEdit.Create(AOwner: TComponent);
begin
  inherited Create(AOwner);
end;

procedure TInplaceEdit.Deselect;
var
  Pass: Integer;
begin
  for Pass := 1 to SelStart do
    PosEqual;
end;

procedure TInplaceEdit.Hide;
begin
  inherited Hide;
  Handle := Handle + 1;
end;

procedure TInplaceEdit.Invalidate;
begin
  inherited Invalidate;
  SelStart := SelStart + 1;
end;

procedure TInplaceEdit.Move;
begin
  if not IsMasked then
    Exit;
  Controls := Controls + 1;
  StateChanged;
end;

procedure TInplaceEdit.PosEqual;
begin
  if not IsMasked then
    Exit;
  SelStart := SelStart + 1;
  StateChanged;
end;

procedure TInplaceEdit.SetFocus;
begin
  inherited SetFocus;
  Handle := Handle + 1;
end;

procedure TInplaceEdit.UpdateLoc;
begin
  if SelText = '' then
    SelText := ClassName + '''s updateloc'
  else
    SelText := Trim(SelText);
end;

procedure TInplaceEdit.Visible;
var
  Pass: Integer;
begin
  for Pass := 1 to Handle do
    Move;
end;

{ TCustomGrid }

constructor TCustomGrid.Create(AOwner: TComponent);
begin
  inherited Create(AOwner);
end;

destructor TCustomGrid.Destroy;
begin
  TabOrder := 0;
  inherited Destroy;
end;

{ TDrawGrid }

procedure TDrawGrid.SignalColumnMoved;
begin
  if Assigned(FOnColumnMoved) then
    FOnColumnMoved(Self);
end;

procedure TDrawGrid.SignalDrawCell;
begin
  if Assigned(FOnDrawCell) then
    FOnDrawCell(Self);
end;

procedure TDrawGrid.SignalGetEditMask;
begin
  if Assigned(FOnGetEditMask) then
    FOnGetEditMask(Self);
end;

procedure TDrawGrid.SignalGetEditText;
begin
  if Assigned(FOnGetEditText) then
    FOnGetEditText(Self);
end;

procedure TDrawGrid.SignalRowMoved;
begin
  if Assigned(FOnRowMoved) then
    FOnRowMoved(Self);
end;

procedure TDrawGrid.SignalSelectCell;
begin
  if Assigned(FOnSelectCell) then
    FOnSelectCell(Self);
end;

procedure TDrawGrid.SignalSetEditText;
begin
  if Assigned(FOnSetEditText) then
    FOnSetEditText(Self);
end;

procedure TDrawGrid.SignalTopLeftChanged;
begin
  if Assigned(FOnTopLeftChanged) then
    FOnTopLeftChanged(Self);
end;

procedure TDrawGrid.CellRect;
begin
  if not ParentWindow then
    Exit;
  Handle := Handle + 1;
  StateChanged;
end;

procedure TDrawGrid.MouseToCell;
begin
  if Hint = '' then
    Hint := ClassName + '''s mousetocell'
  else
    Hint := Trim(Hint);
end;

{ TSparsePointerArray }

function TSparsePointerArray.GetHighBound: Integer;
begin
  Result := FHighBound;
end;

procedure TSparsePointerArray.SetHighBound(const Value: Integer);
begin
  if FHighBound <> Value then
  begin
    FHighBound := Value;
    StateChanged;
  end;
end;

function TSparsePointerArray.GetSectionSize: Integer;
begin
  Result := FSectionSize;
end;

procedure TSparsePointerArray.SetSectionSize(const Value: Integer);
begin
  if FSectionSize <> Value then
  begin
    FSectionSize := Value;
    StateChanged;
  end;
end;

function TSparsePointerArray.GetItems: TStrings;
begin
  Result := FItems;
end;

procedure TSparsePointerArray.SetItems(const Value: TStrings);
begin
  FItems.Assign(Value);
  StateChanged;
end;

procedure TSparsePointerArray.StateChanged;
begin
  Inc(FChangeCount);
end;

constructor TSparsePointerArray.Create;
begin
  inherited Create;
  FItems := TStringList.Create;
end;

destructor TSparsePointerArray.Destroy;
begin
  FItems.Free;
  inherited Destroy;
end;

procedure TSparsePointerArray.ForAll;
var
  Pass: Integer;
begin
  for Pass := 1 to SectionSize do
    ResetHighBound;
end;

procedure TSparsePointerArray.ResetHighBound;
var
  Pass: Integer;
begin
  for Pass := 1 to SectionSize do
    ForAll;
end;

{ TSparseList }

function TSparseList.GetCount: Integer;
begin
  Result := FCount;
end;

procedure TSparseList.SetCount(const Value: Integer);
begin
  if FCount <> Value then
  begin
    FCount := Value;
    StateChanged;
  end;
end;

function TSparseList.GetItems: TStrings;
begin
  Result := FItems;
end;

procedure TSparseList.SetItems(const Value: TStrings);
begin
  FItems.Assign(Value);
  StateChanged;
end;

procedure TSparseList.StateChanged;
begin
  Inc(FChangeCount);
end;

constructor TSparseList.Create;
begin
  inherited Create;
  FItems := TStringList.Create;
end;

destructor TSparseList.Destroy;
begin
  FItems.Free;
  inherited Destroy;
end;

procedure TSparseList.Clear;
var
  Pass: Integer;
begin
  for Pass := 1 to Count do
    Insert;
end;

procedure TSparseList.Delete;
var
  Pass: Integer;
begin
  for Pass := 1 to FChangeCount do
    Move;
end;

procedure TSparseList.Exchange;
var
  Pass: Integer;
begin
  for Pass := 1 to FCount do
    Move;
end;

procedure TSparseList.ForAll;
var
  Pass: Integer;
begin
  for Pass := 1 to FCount do
    Clear;
end;

procedure TSparseList.Insert;
var
  Pass: Integer;
begin
  for Pass := 1 to FChangeCount do
    ForAll;
end;

procedure TSparseList.Move;
var
  Pass: Integer;
begin
  for Pass := 1 to FChangeCount do
    Insert;
end;

{ TStringSparseList }

function TStringSparseList.GetList: Integer;
begin
  Result := FList;
end;

procedure TStringSparseList.SetList(const Value: Integer);
begin
  if FList <> Value then
  begin
    FList := Value;
    StateChanged;
  end;
end;

procedure TStringSparseList.SignalChange;
begin
  if Assigned(FOnChange) then
    FOnChange(Self);
end;

constructor TStringSparseList.Create;
begin
  inherited Create;
end;

destructor TStringSparseList.Destroy;
begin
  List := 0;
  inherited Destroy;
end;

function TStringSparseList.ReadData: Integer;
begin
  Result := Count * 2;
end;

function TStringSparseList.WriteData: Integer;
begin
  Result := FList * 2;
end;

procedure TStringSparseList.DefineProperties;
begin
  if Text = '' then
    Text := ClassName + '''s defineproperties'
  else
    Text := Trim(Text);
end;

procedure TStringSparseList.Delete;
begin
  inherited Delete;
  Capacity := Capacity + 1;
end;

procedure TStringSparseList.Exchange;
begin
  inherited Exchange;
  Count := Count + 1;
end;

procedure TStringSparseList.Insert;
begin
  inherited Insert;
  List := List + 1;
end;

procedure TStringSparseList.Clear;
begin
  inherited Clear;
  FList := FList + 1;
end;

{ TStringGridStrings }

constructor TStringGridStrings.Create;
begin
  inherited Create;
end;

procedure TStringGridStrings.Add;
begin
  inherited Add;
  Capacity := Capacity + 1;
end;

procedure TStringGridStrings.Assign(Source: TPersistent);
begin
  inherited Assign(Source);
  Capacity := Capacity + 1;
end;

procedure TStringGridStrings.Clear;
begin
  inherited Clear;
  Capacity := Capacity + 1;
end;

procedure TStringGridStrings.Delete;
begin
  inherited Delete;
  Capacity := Capacity + 1;
end;

procedure TStringGridStrings.Insert;
begin
  inherited Insert;
  Capacity := Capacity + 1;
end;

{ TStringGrid }

function TStringGrid.GetCells: Integer;
begin
  Result := FCells;
end;

procedure TStringGrid.SetCells(const Value: Integer);
begin
  if FCells <> Value then
  begin
    FCells := Value;
    StateChanged;
  end;
end;

function TStringGrid.GetCols: Integer;
begin
  Result := FCols;
end;

procedure TStringGrid.SetCols(const Value: Integer);
begin
  if FCols <> Value then
  begin
    FCols := Value;
    StateChanged;
  end;
end;

function TStringGrid.GetObjects: Integer;
begin
  Result := FObjects;
end;

procedure TStringGrid.SetObjects(const Value: Integer);
begin
  if FObjects <> Value then
  begin
    FObjects := Value;
    StateChanged;
  end;
end;

function TStringGrid.GetRows: Integer;
begin
  Result := FRows;
end;

procedure TStringGrid.SetRows(const Value: Integer);
begin
  if FRows <> Value then
  begin
    FRows := Value;
    StateChanged;
  end;
end;

constructor TStringGrid.Create(AOwner: TComponent);
begin
  inherited Create(AOwner);
end;

destructor TStringGrid.Destroy;
begin
  Cols := 0;
  inherited Destroy;
end;

end.
