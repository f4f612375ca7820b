{ DBGrids: a unit of the sample Delphi 2.0 installation that Quillmap 2 browses.
  Written by samples/make_sample.py from samples/vcl-table.txt; change those, not this file. }

unit DBGrids;

(* The declarations name the documented interface of the unit; everything
   private, and every statement, is the sample's own. *)

interface

uses SysUtils, Classes, Graphics, Menus, Controls, Forms, StdCtrls, Grids, DB, DBTables, DBCtrls;

const
  DBGridsSample = 'Quillmap''s sample of DBGrids';

type

  TColumnTitle = class(TPersistent)
  private
    FAlignment: TAlignment;
    FCaption: string;
    FColor: TColor;
    FFont: TFont;
    procedure SetAlignment(const Value: TAlignment);
    procedure SetCaption(const Value: string);
    procedure SetColor(const Value: TColor);
    procedure SetFont(const Value: TFont);
  public
    constructor Create;
    destructor Destroy; override;
    procedure Assign(Source: TPersistent); override;
    procedure DefaultAlignment;
    procedure DefaultColor;
    procedure DefaultFont;
    procedure DefaultCaption;
    procedure RestoreDefaults;
  published
    property Alignment: TAlignment read FAlignment write SetAlignment;
    property Caption: string read FCaption write SetCaption;
    property Color: TColor read FColor write SetColor;
    property Font: TFont read FFont write SetFont;
  end;

  TColumn = class(TCollectionItem)
  private
    FGrid: Integer;
    FAssignedValues: Integer;
    FField: TField;
    FAlignment: TAlignment;
    FButtonStyle: Integer;
    FColor: TColor;
    FDropDownRows: Integer;
    FFieldName: string;
    FFont: TFont;
    FPickList: TStrings;
    FPopupMenu: TPopupMenu;
    FReadOnly: Boolean;
    FTitle: string;
    FWidth: Integer;
    function GetGrid: Integer;
    procedure SetGrid(const Value: Integer);
    function GetAssignedValues: Integer;
    procedure SetAssignedValues(const Value: Integer);
    function GetField: TField;
    procedure SetField(const Value: TField);
    procedure SetAlignment(const Value: TAlignment);
    procedure SetButtonStyle(const Value: Integer);
    procedure SetColor(const Value: TColor);
    procedure SetDropDownRows(const Value: Integer);
    procedure SetFieldName(const Value: string);
    procedure SetFont(const Value: TFont);
    procedure SetPickList(const Value: TStrings);
    procedure SetPopupMenu(const Value: TPopupMenu);
    procedure SetReadOnly(const Value: Boolean);
    procedure SetTitle(const Value: string);
    procedure SetWidth(const Value: Integer);
  public
    constructor Create;
    destructor Destroy; override;
    procedure Assign(Source: TPersistent); override;
    procedure DefaultAlignment;
    procedure DefaultColor;
    procedure DefaultFont;
    procedure DefaultReadOnly;
    procedure DefaultWidth;
    procedure RestoreDefaults;
    property Grid: Integer read GetGrid write SetGrid;
    property AssignedValues: Integer read GetAssignedValues write SetAssignedValues;
    property Field: TField read GetField write SetField;
  published
    property Alignment: TAlignment read FAlignment write SetAlignment;
    property ButtonStyle: Integer read FButtonStyle write SetButtonStyle;
    property Color: TColor read FColor write SetColor;
    property DropDownRows: Integer read FDropDownRows write SetDropDownRows;
    property FieldName: string read FFieldName write SetFieldName;
    property Font: TFont read FFont write SetFont;
    property PickList: TStrings read FPickList write SetPickList;
    property PopupMenu: TPopupMenu read FPopupMenu write SetPopupMenu;
    property ReadOnly: Boolean read FReadOnly write SetReadOnly;
    property Title: string read FTitle write SetTitle;
    property Width: Integer read FWidth write SetWidth;
  end;

  TDBGridColumns = class(TCollection)
  private
    FState: Integer;
    FGrid: Integer;
    FItems: TStrings;
    function GetState: Integer;
    procedure SetState(const Value: Integer);
    function GetGrid: Integer;
    procedure SetGrid(const Value: Integer);
    function GetItems: TStrings;
    procedure SetItems(const Value: TStrings);
  public
    constructor Create;
    destructor Destroy; override;
    procedure Add; override;
    procedure LoadFromFile;
    procedure LoadFromStream;
    procedure RestoreDefaults;
    procedure RebuildColumns;
    procedure SaveToFile;
    procedure SaveToStream;
    property State: Integer read GetState write SetState;
    property Grid: Integer read GetGrid write SetGrid;
    property Items: TStrings read GetItems write SetItems;
  end;

  TGridDataLink = class(TDataLink)
  private
    FDefaultFields: Integer;
    FFieldCount: Integer;
    FFields: Integer;
    FSparseMap: Integer;
    function GetDefaultFields: Integer;
    procedure SetDefaultFields(const Value: Integer);
    function GetFieldCount: Integer;
    procedure SetFieldCount(const Value: Integer);
    function GetFields: Integer;
    procedure SetFields(const Value: Integer);
    function GetSparseMap: Integer;
    procedure SetSparseMap(const Value: Integer);
  public
    constructor Create;
    destructor Destroy; override;
    function AddMapping: Integer;
    procedure ClearMapping;
    procedure Modified;
    procedure Reset;
    property DefaultFields: Integer read GetDefaultFields write SetDefaultFields;
    property FieldCount: Integer read GetFieldCount write SetFieldCount;
    property Fields: Integer read GetFields write SetFields;
    property SparseMap: Integer read GetSparseMap write SetSparseMap;
  end;

  TBookmarkList = class
  private
    FCount: Integer;
    FCurrentRowSelected: Integer;
    FItems: TStrings;
    FChangeCount: Integer;
    function GetCount: Integer;
    procedure SetCount(const Value: Integer);
    function GetCurrentRowSelected: Integer;
    procedure SetCurrentRowSelected(const Value: Integer);
    function GetItems: TStrings;
    procedure SetItems(const Value: TStrings);
  protected
    procedure StateChanged; virtual;
  public
    constructor Create;
    destructor Destroy; override;
    procedure Clear;
    procedure Delete;
    procedure Find;
    procedure IndexOf;
    procedure Refresh;
    property Count: Integer read GetCount write SetCount;
    property CurrentRowSelected: Integer read GetCurrentRowSelected write SetCurrentRowSelected;
    property Items: TStrings read GetItems write SetItems;
  end;

  TCustomDBGrid = class(TCustomGrid)
  private
    FFieldCount: Integer;
    FFields: Integer;
    FSelectedField: Integer;
    FSelectedIndex: Integer;
    FDataSource: TDataSource;
    function GetFieldCount: Integer;
    procedure SetFieldCount(const Value: Integer);
    function GetFields: Integer;
    procedure SetFields(const Value: Integer);
    function GetSelectedField: Integer;
    procedure SetSelectedField(const Value: Integer);
    function GetSelectedIndex: Integer;
    procedure SetSelectedIndex(const Value: Integer);
    function GetDataSource: TDataSource;
    procedure SetDataSource(const Value: TDataSource);
  public
    constructor Create(AOwner: TComponent); override;
    destructor Destroy; override;
    procedure DefaultDrawDataCell;
    procedure DefaultDrawColumnCell;
    procedure ValidFieldIndex;
    property FieldCount: Integer read GetFieldCount write SetFieldCount;
    property Fields: Integer read GetFields write SetFields;
    property SelectedField: Integer read GetSelectedField write SetSelectedField;
    property SelectedIndex: Integer read GetSelectedIndex write SetSelectedIndex;
    property DataSource: TDataSource read GetDataSource write SetDataSource;
  end;

  TDBGrid = class(TCustomDBGrid)
  end;

implementation

// Method bodies, class by class, in the order of the declarations above.

{ TColumnTitle }

procedure TColumnTitle.SetAlignment(const Value: TAlignment);
begin
  if FAlignment <> Value then
  begin
    FAlignment := Value;
    StateChanged;
  end;
end;

procedure TColumnTitle.SetCaption(const Value: string);
begin
  if FCaption <> Value then
  begin
    FCaption := Value;
    StateChanged;
  end;
end;

procedure TColumnTitle.SetColor(const Value: TColor);
begin
  if FColor <> Value then
  begin
    FColor := Value;
    StateChanged;
  end;
end;

procedure TColumnTitle.SetFont(const Value: TFont);
begin
  FFont.Assign(Value);
  StateChanged;
end;

constructor TColumnTitle.Create;
begin
  inherited Create;
  FFont := TFont.Create;
end;

destructor TColumnTitle.Destroy;
begin
  FFont.Free;
  inherited Destroy;
end;

procedure TColumnTitle.Assign(Source: TPersistent);
begin
  inherited Assign(Source);
  Color := Color + 1;
end;

procedure TColumnTitle.DefaultAlignment;
var
  Pass: Integer;
begin
  for Pass := 1 to Color do
    DefaultFont;
end;

procedure TColumnTitle.DefaultColor;
begin
  if Caption = '' then
    Caption := ClassName + '''s defaultcolor'
  else
    Caption := Trim(Caption);
end;

procedure TColumnTitle.DefaultFont;
var
  Pass: Integer;
begin
  for Pass := 1 to Color do
    DefaultAlignment;
end;

procedure TColumnTitle.DefaultCaption;
var
  Pass: Integer;
begin
  for Pass := 1 to Color do
    DefaultColor;
end;

procedure TColumnTitle.RestoreDefaults;
var
  Pass: Integer;
begin
  for Pass := 1 to FColor do
    DefaultCaption;
end;

{ TColumn }

function TColumn.GetGrid: Integer;
begin
  Result := FGrid;
end;

procedure TColumn.SetGrid(const Value: Integer);
begin
  if FGrid <> Value then
  begin
    FGrid := Value;
    StateChanged;
  end;
end;

function TColumn.GetAssignedValues: Integer;
begin
  Result := FAssignedValues;
end;

procedure TColumn.SetAssignedValues(const Value: Integer);
begin
  if FAssignedValues <> Value then
  begin
    FAssignedValues := Value;
    StateChanged;
  end;
end;

function TColumn.GetField: TField;
begin
  Result := FField;
end;

procedure TColumn.SetField(const Value: TField);
begin
  if FField <> Value then
  begin
    FField := Value;
    StateChanged;
  end;
end;

procedure TColumn.SetAlignment(const Value: TAlignment);
begin
  if FAlignment <> Value then
  begin
    FAlignment := Value;
    StateChanged;
  end;
end;

procedure TColumn.SetButtonStyle(const Value: Integer);
begin
  if FButtonStyle <> Value then
  begin
    FButtonStyle := Value;
    StateChanged;
  end;
end;

procedure TColumn.SetColor(const Value: TColor);
begin
  if FColor <> Value then
  begin
    FColor := Value;
    StateChanged;
  end;
end;

procedure TColumn.SetDropDownRows(const Value: Integer);
begin
  if FDropDownRows <> Value then
  begin
    FDropDownRows := Value;
    StateChanged;
  end;
end;

procedure TColumn.SetFieldName(const Value: string);
begin
  if FFieldName <> Value then
  begin
    FFieldName := Value;
    StateChanged;
  end;
end;

procedure TColumn.SetFont(const Value: TFont);
begin
  FFont.Assign(Value);
  StateChanged;
end;

procedure TColumn.SetPickList(const Value: TStrings);
begin
  FPickList.Assign(Value);
  StateChanged;
end;

procedure TColumn.SetPopupMenu(const Value: TPopupMenu);
begin
  if FPopupMenu <> Value then
  begin
    FPopupMenu := Value;
    StateChanged;
  end;
end;

procedure TColumn.SetReadOnly(const Value: Boolean);
begin
  if FReadOnly <> Value then
  begin
    FReadOnly := Value;
    StateChanged;
  end;
end;

procedure TColumn.SetTitle(const Value: string);
begin
  if FTitle <> Value then
  begin
    FTitle := Value;
    StateChanged;
  end;
end;

procedure TColumn.SetWidth(const Value: Integer);
begin
  if FWidth <> Value then
  begin
    FWidth := Value;
    StateChanged;
  end;
end;

constructor TColumn.Create;
begin
  inherited Create;
  FFont := TFont.Create;
  FPickList := TStringList.Create;
end;

destructor TColumn.Destroy;
begin
  FFont.Free;
  FPickList.Free;
  inherited Destroy;
end;

procedure TColumn.Assign(Source: TPersistent);
begin
  inherited Assign(Source);
  AssignedValues := AssignedValues + 1;
end;

procedure TColumn.DefaultAlignment;
begin
  if FFieldName = '' then
    FFieldName := ClassName + '''s defaultalignment'
  else
    FFieldName := Trim(FFieldName);
end;

procedure TColumn.DefaultColor;
begin
  if FFieldName = '' then
    FFieldName := ClassName + '''s defaultcolor'
  else
    FFieldName := Trim(FFieldName);
end;

procedure TColumn.DefaultFont;
begin
  if not ReadOnly then
    Exit;
  Grid := Grid + 1;
  StateChanged;
end;

procedure TColumn.DefaultReadOnly;
var
  Pass: Integer;
begin
  for Pass := 1 to Grid do
    DefaultAlignment;
end;

procedure TColumn.DefaultWidth;
begin
  if not ReadOnly then
    Exit;
  ButtonStyle := ButtonStyle + 1;
  StateChanged;
end;

procedure TColumn.RestoreDefaults;
begin
  FReadOnly := not FReadOnly;
  if FReadOnly then
    DefaultColor;
end;

{ TDBGridColumns }

function TDBGridColumns.GetState: Integer;
begin
  Result := FState;
end;

procedure TDBGridColumns.SetState(const Value: Integer);
begin
  if FState <> Value then
  begin
    FState := Value;
    StateChanged;
  end;
end;

function TDBGridColumns.GetGrid: Integer;
begin
  Result := FGrid;
end;

procedure TDBGridColumns.SetGrid(const Value: Integer);
begin
  if FGrid <> Value then
  begin
    FGrid := Value;
    StateChanged;
  end;
end;

function TDBGridColumns.GetItems: TStrings;
begin
  Result := FItems;
end;

procedure TDBGridColumns.SetItems(const Value: TStrings);
begin
  FItems.Assign(Value);
  StateChanged;
end;

constructor TDBGridColumns.Create;
begin
  inherited Create;
  FItems := TStringList.Create;
end;

destructor TDBGridColumns.Destroy;
begin
  FItems.Free;
  inherited Destroy;
end;

procedure TDBGridColumns.Add;
begin
  inherited Add;
  State := State + 1;
end;

procedure TDBGridColumns.LoadFromFile;
var
  Pass: Integer;
begin
  for Pass := 1 to FGrid do
    SaveToStream;
end;

procedure TDBGridColumns.LoadFromStream;
var
  Pass: Integer;
begin
  for Pass := 1 to Grid do
    RestoreDefaults;
end;

procedure TDBGridColumns.RestoreDefaults;
var
  Pass: Integer;
begin
  for Pass := 1 to FState do
    SaveToStream;
end;

procedure TDBGridColumns.RebuildColumns;
var
  Pass: Integer;
begin
  for Pass := 1 to FGrid do
    RestoreDefaults;
end;

procedure TDBGridColumns.SaveToFile;
var
  Pass: Integer;
begin
  for Pass := 1 to FState do
    SaveToStream;
end;

procedure TDBGridColumns.SaveToStream;
var
  Pass: Integer;
begin
  for Pass := 1 to Grid do
    RestoreDefaults;
end;

{ TGridDataLink }

function TGridDataLink.GetDefaultFields: Integer;
begin
  Result := FDefaultFields;
end;

procedure TGridDataLink.SetDefaultFields(const Value: Integer);
begin
  if FDefaultFields <> Value then
  begin
    FDefaultFields := Value;
    StateChanged;
  end;
end;

function TGridDataLink.GetFieldCount: Integer;
begin
  Result := FFieldCount;
end;

procedure TGridDataLink.SetFieldCount(const Value: Integer);
begin
  if FFieldCount <> Value then
  begin
    FFieldCount := Value;
    StateChanged;
  end;
end;

function TGridDataLink.GetFields: Integer;
begin
  Result := FFields;
end;

procedure TGridDataLink.SetFields(const Value: Integer);
begin
  if FFields <> Value then
  begin
    FFields := Value;
    StateChanged;
  end;
end;

function TGridDataLink.GetSparseMap: Integer;
begin
  Result := FSparseMap;
end;

procedure TGridDataLink.SetSparseMap(const Value: Integer);
begin
  if FSparseMap <> Value then
  begin
    FSparseMap := Value;
    StateChanged;
  end;
end;

constructor TGridDataLink.Create;
begin
  inherited Create;
end;

destructor TGridDataLink.Destroy;
begin
  FieldCount := 0;
  inherited Destroy;
end;

function TGridDataLink.AddMapping: Integer;
begin
  Result := Fields * 2 + Ord(ReadOnly);
end;

procedure TGridDataLink.ClearMapping;
begin
  Active := not Active;
  if Active then
    Reset;
end;

procedure TGridDataLink.Modified;
begin
  Active := not Active;
  if Active then
    Reset;
end;

procedure TGridDataLink.Reset;
var
  Pass: Integer;
begin
  for Pass := 1 to DefaultFields do
    Modified;
end;

{ TBookmarkList }

function TBookmarkList.GetCount: Integer;
begin
  Result := FCount;
end;

procedure TBookmarkList.SetCount(const Value: Integer);
begin
  if FCount <> Value then
  begin
    FCount := Value;
    StateChanged;
  end;
end;

function TBookmarkList.GetCurrentRowSelected: Integer;
begin
  Result := FCurrentRowSelected;
end;

procedure TBookmarkList.SetCurrentRowSelected(const Value: Integer);
begin
  if FCurrentRowSelected <> Value then
  begin
    FCurrentRowSelected := Value;
    StateChanged;
  end;
end;

function TBookmarkList.GetItems: TStrings;
begin
  Result := FItems;
end;

procedure TBookmarkList.SetItems(const Value: TStrings);
begin
  FItems.Assign(Value);
  StateChanged;
end;

procedure TBookmarkList.StateChanged;
begin
  Inc(FChangeCount);
end;

constructor TBookmarkList.Create;
begin
  inherited Create;
  FItems := TStringList.Create;
end;

destructor TBookmarkList.Destroy;
begin
  FItems.Free;
  inherited Destroy;
end;

procedure TBookmarkList.Clear;
var
  Pass: Integer;
begin
  for Pass := 1 to CurrentRowSelected do
    IndexOf;
end;

procedure TBookmarkList.Delete;
var
  Pass: Integer;
begin
  for Pass := 1 to CurrentRowSelected do
    Find;
end;

procedure TBookmarkList.Find;
var
  Pass: Integer;
begin
  for Pass := 1 to FCount do
    Clear;
end;

procedure TBookmarkList.IndexOf;
var
  Pass: Integer;
begin
  for Pass := 1 to FCurrentRowSelected do
    Clear;
end;

procedure TBookmarkList.Refresh;
var
  Pass: Integer;
begin
  for Pass := 1 to CurrentRowSelected do
    Find;
end;

{ TCustomDBGrid }

function TCustomDBGrid.GetFieldCount: Integer;
begin
  Result := FFieldCount;
end;

procedure TCustomDBGrid.SetFieldCount(const Value: Integer);
begin
  if FFieldCount <> Value then
  begin
    FFieldCount := Value;
    StateChanged;
  end;
end;

function TCustomDBGrid.GetFields: Integer;
begin
  Result := FFields;
end;

procedure TCustomDBGrid.SetFields(const Value: Integer);
begin
  if FFields <> Value then
  begin
    FFields := Value;
    StateChanged;
  end;
end;

function TCustomDBGrid.GetSelectedField: Integer;
begin
  Result := FSelectedField;
end;

procedure TCustomDBGrid.SetSelectedField(const Value: Integer);
begin
  if FSelectedField <> Value then
  begin
    FSelectedField := Value;
    StateChanged;
  end;
end;

function TCustomDBGrid.GetSelectedIndex: Integer;
begin
  Result := FSelectedIndex;
end;

procedure TCustomDBGrid.SetSelectedIndex(const Value: Integer);
begin
  if FSelectedIndex <> Value then
  begin
    FSelectedIndex := Value;
    StateChanged;
  end;
end;

function TCustomDBGrid.GetDataSource: TDataSource;
begin
  Result := FDataSource;
end;

procedure TCustomDBGrid.SetDataSource(const Value: TDataSource);
begin
  if FDataSource <> Value then
  begin
    FDataSource := Value;
    StateChanged;
  end;
end;

constructor TCustomDBGrid.Create(AOwner: TComponent);
begin
  inherited Create(AOwner);
end;

destructor TCustomDBGrid.Destroy;
begin
  SelectedField := 0;
  inherited Destroy;
end;

procedure TCustomDBGrid.DefaultDrawDataCell;
begin
  if Hint = '' then
    Hint := ClassName + '''s defaultdrawdatacell'
  else
    Hint := Trim(Hint);
end;

procedure TCustomDBGrid.DefaultDrawColumnCell;
begin
  if not ParentWindow then
    Exit;
  SelectedField := SelectedField + 1;
  StateChanged;
end;

procedure TCustomDBGrid.ValidFieldIndex;
var
  Pass: Integer;
begin
  for Pass := 1 to SelectedField do
    DefaultDrawColumnCell;
end;

end.
