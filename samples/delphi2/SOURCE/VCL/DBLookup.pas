{*********************************************************}
{                                                         }
{       Quillmap 2 sample class library                   }
{       DBLookup unit: lookup combo and list, old style   }
{                                                         }
{*********************************************************}

unit DBLookup;

interface

uses SysUtils, Classes, Graphics, Menus, Controls, Forms, StdCtrls, Grids,
  DB, DBTables, DBCtrls, DBGrids, Buttons;

type
  TDBLookupCombo = class;
  TPopupGrid = class;

  TLookupComboDataLink = class(TDataLink)
  private
    FCombo: TDBLookupCombo;
  protected
    procedure ActiveChanged; override;
    procedure DataSetChanged; override;
  public
    constructor Create(ACombo: TDBLookupCombo);
  end;

  TDBLookupListOption = (loColLines, loRowLines, loTitles);
  TDBLookupListOptions = set of TDBLookupListOption;

  TDBLookupCombo = class(TCustomEdit)
  private
    FCanvas: TControlCanvas;
    FDropDownCount: Integer;
    FDropDownWidth: Integer;
    FTextMargin: Integer;
    FFieldLink: TFieldDataLink;
    FGrid: TPopupGrid;
    FButton: TSpeedButton;
    FBtnControl: TWinControl;
    FLookupField: string;
    FDisplayField: string;
    FOptions: TDBLookupListOptions;
    FOnDropDown: TNotifyEvent;
    function GetDataField: string;
    function GetDataSource: TDataSource;
    function GetLookupSource: TDataSource;
    function GetLookupDisplay: string;
    function GetLookupField: string;
    function GetReadOnly: Boolean;
    function GetValue: string;
    function GetDisplayValue: string;
    function GetMinHeight: Integer;
    procedure SetDataField(const Value: string);
    procedure SetDataSource(Value: TDataSource);
    procedure SetLookupSource(Value: TDataSource);
    procedure SetLookupDisplay(const Value: string);
    procedure SetLookupField(const Value: string);
    procedure SetValue(const NewValue: string);
    procedure SetDisplayValue(const NewValue: string);
    procedure SetReadOnly(Value: Boolean);
    procedure SetOptions(Value: TDBLookupListOptions);
    procedure DataChange(Sender: TObject);
    procedure EditingChange(Sender: TObject);
    procedure UpdateData(Sender: TObject);
    procedure WMPaint(var Message: TWMPaint); message WM_PAINT;
    procedure WMSize(var Message: TWMSize); message WM_SIZE;
    procedure CMExit(var Message: TCMExit); message CM_EXIT;
  protected
    procedure Change; override;
    procedure CreateParams(var Params: TCreateParams); override;
    procedure CreateWnd; override;
    procedure GridClick(Sender: TObject);
    procedure KeyDown(var Key: Word; Shift: TShiftState); override;
    procedure KeyPress(var Key: Char); override;
    procedure Notification(AComponent: TComponent;
      Operation: TOperation); override;
  public
    constructor Create(AOwner: TComponent); override;
    destructor Destroy; override;
    procedure DropDown; dynamic;
    procedure CloseUp; dynamic;
    property Value: string read GetValue write SetValue;
    property DisplayValue: string read GetDisplayValue write SetDisplayValue;
  published
    property DataField: string read GetDataField write SetDataField;
    property DataSource: TDataSource read GetDataSource write SetDataSource;
    property LookupSource: TDataSource read GetLookupSource write SetLookupSource;
    property LookupDisplay: string read GetLookupDisplay write SetLookupDisplay;
    property LookupField: string read GetLookupField write SetLookupField;
    property Options: TDBLookupListOptions read FOptions write SetOptions default [];
    property DropDownCount: Integer read FDropDownCount write FDropDownCount default 8;
    property DropDownWidth: Integer read FDropDownWidth write FDropDownWidth default 0;
    property ReadOnly: Boolean read GetReadOnly write SetReadOnly default False;
    property AutoSelect;
    property BorderStyle;
    property Color;
    property Ctl3D;
    property DragCursor;
    property DragMode;
    property Enabled;
    property Font;
    property MaxLength;
    property ParentColor;
    property ParentCtl3D;
    property ParentFont;
    property ParentShowHint;
    property PopupMenu;
    property ShowHint;
    property TabOrder;
    property TabStop;
    property Visible;
    property OnChange;
    property OnClick;
    property OnDblClick;
    property OnEnter;
    property OnExit;
    property OnKeyDown;
    property OnKeyPress;
    property OnKeyUp;
    property OnDropDown: TNotifyEvent read FOnDropDown write FOnDropDown;
  end;

  TDBLookupList = class(TCustomDBGrid)
  private
    FFieldLink: TFieldDataLink;
    FLookupField: string;
    FDisplayField: string;
    FValue: string;
    FDisplayValue: string;
    FOptions: TDBLookupListOptions;
    FTitleOffset: Integer;
    FFoundValue: Boolean;
    FInCellSelect: Boolean;
    FOnListClick: TNotifyEvent;
    function GetDataField: string;
    function GetDataSource: TDataSource;
    function GetLookupSource: TDataSource;
    function GetReadOnly: Boolean;
    procedure FieldLinkActive(Sender: TObject);
    procedure SetDataField(const Value: string);
    procedure SetDataSource(Value: TDataSource);
    procedure SetLookupSource(Value: TDataSource);
    procedure SetLookupDisplay(const Value: string);
    procedure SetLookupField(const Value: string);
    procedure SetValue(const Value: string);
    procedure SetDisplayValue(const Value: string);
    procedure SetReadOnly(Value: Boolean);
    procedure SetOptions(Value: TDBLookupListOptions);
    procedure UpdateData(Sender: TObject);
    procedure NewLayout;
    procedure DoLookup;
    procedure WMSize(var Message: TWMSize); message WM_SIZE;
  protected
    function HighlightCell(DataCol, DataRow: Integer; const Value: string;
      AState: TGridDrawState): Boolean; override;
    function CanGridAcceptKey(Key: Word; Shift: TShiftState): Boolean; override;
    procedure DefineFieldMap; override;
    procedure SetColumnAttributes; override;
    procedure InitFields(ShowError: Boolean);
    procedure CreateWnd; override;
    procedure KeyDown(var Key: Word; Shift: TShiftState); override;
    procedure LinkActive(Value: Boolean); override;
    procedure Paint; override;
    procedure Scroll(Distance: Integer); override;
    procedure ListClick; dynamic;
    procedure Loaded; override;
  public
    constructor Create(AOwner: TComponent); override;
    destructor Destroy; override;
    property Value: string read FValue write SetValue;
    property DisplayValue: string read FDisplayValue write SetDisplayValue;
  published
    property DataField: string read GetDataField write SetDataField;
    property DataSource: TDataSource read GetDataSource write SetDataSource;
    property LookupSource: TDataSource read GetLookupSource write SetLookupSource;
    property LookupDisplay: string read FDisplayField write SetLookupDisplay;
    property LookupField: string read FLookupField write SetLookupField;
    property Options: TDBLookupListOptions read FOptions write SetOptions default [];
    property OnClick: TNotifyEvent read FOnListClick write FOnListClick;
    property ReadOnly: Boolean read GetReadOnly write SetReadOnly default False;
    property Align;
    property BorderStyle;
    property Color;
    property Ctl3D;
    property DragCursor;
    property DragMode;
    property Enabled;
    property Font;
    property ParentColor;
    property ParentCtl3D;
    property ParentFont;
    property ParentShowHint;
    property PopupMenu;
    property ShowHint;
    property TabOrder;
    property TabStop;
    property Visible;
    property OnDblClick;
    property OnEnter;
    property OnExit;
    property OnKeyDown;
    property OnKeyPress;
    property OnKeyUp;
  end;

  TPopupGrid = class(TDBLookupList)
  private
    FCombo: TDBLookupCombo;
    procedure CMHintShow(var Message: TMessage); message CM_HINTSHOW;
  protected
    procedure CreateParams(var Params: TCreateParams); override;
    procedure CreateWnd; override;
    procedure MouseUp(Button: TMouseButton; Shift: TShiftState;
      X, Y: Integer); override;
    function CanEdit: Boolean;
    procedure LinkActive(Value: Boolean); override;
  public
    constructor Create(AOwner: TComponent); override;
  end;

implementation

{ TLookupComboDataLink }

procedure TLookupComboDataLink.ActiveChanged;
begin
  inherited ActiveChanged;
end;

procedure TLookupComboDataLink.DataSetChanged;
begin
  inherited DataSetChanged;
end;

constructor TLookupComboDataLink.Create(ACombo: TDBLookupCombo);
begin
  inherited Create;
  FCombo := ACombo;
end;

{ TDBLookupCombo }

function TDBLookupCombo.GetDataField: string;
begin
  Result := '';
end;

function TDBLookupCombo.GetDataSource: TDataSource;
begin
  Result := nil;
end;

function TDBLookupCombo.GetLookupSource: TDataSource;
begin
  Result := nil;
end;

function TDBLookupCombo.GetLookupDisplay: string;
begin
  Result := '';
end;

function TDBLookupCombo.GetLookupField: string;
begin
  Result := FLookupField;
end;

function TDBLookupCombo.GetReadOnly: Boolean;
begin
  Result := False;
end;

function TDBLookupCombo.GetValue: string;
begin
  Result := '';
end;

function TDBLookupCombo.GetDisplayValue: string;
begin
  Result := '';
end;

function TDBLookupCombo.GetMinHeight: Integer;
begin
  Result := 0;
end;

procedure TDBLookupCombo.SetDataField(const Value: string);
begin
end;

procedure TDBLookupCombo.SetDataSource(Value: TDataSource);
begin
end;

procedure TDBLookupCombo.SetLookupSource(Value: TDataSource);
begin
end;

procedure TDBLookupCombo.SetLookupDisplay(const Value: string);
begin
end;

procedure TDBLookupCombo.SetLookupField(const Value: string);
begin
  if FLookupField <> Value then
  begin
    FLookupField := Value;
    Invalidate;
  end;
end;

procedure TDBLookupCombo.SetValue(const NewValue: string);
begin
end;

procedure TDBLookupCombo.SetDisplayValue(const NewValue: string);
begin
end;

procedure TDBLookupCombo.SetReadOnly(Value: Boolean);
begin
end;

procedure TDBLookupCombo.SetOptions(Value: TDBLookupListOptions);
begin
  if FOptions <> Value then
  begin
    FOptions := Value;
    Invalidate;
  end;
end;

procedure TDBLookupCombo.DataChange(Sender: TObject);
begin
end;

procedure TDBLookupCombo.EditingChange(Sender: TObject);
begin
end;

procedure TDBLookupCombo.UpdateData(Sender: TObject);
begin
end;

procedure TDBLookupCombo.WMPaint(var Message: TWMPaint);
begin
  inherited;
end;

procedure TDBLookupCombo.WMSize(var Message: TWMSize);
begin
  inherited;
end;

procedure TDBLookupCombo.CMExit(var Message: TCMExit);
begin
  inherited;
end;

procedure TDBLookupCombo.Change;
begin
  inherited Change;
end;

procedure TDBLookupCombo.CreateParams(var Params: TCreateParams);
begin
  inherited CreateParams(Params);
end;

procedure TDBLookupCombo.CreateWnd;
begin
  inherited CreateWnd;
end;

procedure TDBLookupCombo.GridClick(Sender: TObject);
begin
end;

procedure TDBLookupCombo.KeyDown(var Key: Word; Shift: TShiftState);
begin
  inherited KeyDown(Key, Shift);
end;

procedure TDBLookupCombo.KeyPress(var Key: Char);
begin
  inherited KeyPress(Key);
end;

procedure TDBLookupCombo.Notification(AComponent: TComponent;
      Operation: TOperation);
begin
  inherited Notification(AComponent, Operation);
  if Operation = opRemove then
  begin
    if AComponent = FGrid then FGrid := nil;
    if AComponent = FButton then FButton := nil;
    if AComponent = FBtnControl then FBtnControl := nil;
  end;
end;

constructor TDBLookupCombo.Create(AOwner: TComponent);
begin
  inherited Create(AOwner);
  AutoSize := False;
  FFieldLink := TFieldDataLink.Create;
  FFieldLink.Control := Self;
  FFieldLink.OnDataChange := DataChange;
  FFieldLink.OnEditingChange := EditingChange;
  FFieldLink.OnUpdateData := UpdateData;
  FBtnControl := TWinControl.Create(Self);
  FBtnControl.Width := 17;
  FBtnControl.Height := 17;
  FBtnControl.Visible := True;
  FBtnControl.Parent := Self;
  FButton := TSpeedButton.Create(Self);
  FButton.SetBounds(0, 0, FBtnControl.Width, FBtnControl.Height);
  FButton.Visible := True;
  FButton.Parent := FBtnControl;
  FGrid := TPopupGrid.Create(Self);
  FGrid.FCombo := Self;
  FGrid.Parent := Self;
  FGrid.Visible := False;
  FGrid.OnClick := GridClick;
  Height := 25;
  FDropDownCount := 8;
end;

destructor TDBLookupCombo.Destroy;
begin
  FFieldLink.OnDataChange := nil;
  FFieldLink.Free;
  FFieldLink := nil;
  inherited Destroy;
end;

procedure TDBLookupCombo.DropDown;
begin
  if Assigned(FOnDropDown) then FOnDropDown(Self);
  FGrid.Show;
end;

procedure TDBLookupCombo.CloseUp;
begin
  FGrid.Hide;
end;

{ TDBLookupList }

function TDBLookupList.GetDataField: string;
begin
  Result := '';
end;

function TDBLookupList.GetDataSource: TDataSource;
begin
  Result := nil;
end;

function TDBLookupList.GetLookupSource: TDataSource;
begin
  Result := nil;
end;

function TDBLookupList.GetReadOnly: Boolean;
begin
  Result := False;
end;

procedure TDBLookupList.FieldLinkActive(Sender: TObject);
begin
end;

procedure TDBLookupList.SetDataField(const Value: string);
begin
end;

procedure TDBLookupList.SetDataSource(Value: TDataSource);
begin
end;

procedure TDBLookupList.SetLookupSource(Value: TDataSource);
begin
end;

procedure TDBLookupList.SetLookupDisplay(const Value: string);
begin
  if FDisplayField <> Value then
  begin
    FDisplayField := Value;
    Invalidate;
  end;
end;

procedure TDBLookupList.SetLookupField(const Value: string);
begin
  if FLookupField <> Value then
  begin
    FLookupField := Value;
    Invalidate;
  end;
end;

procedure TDBLookupList.SetValue(const Value: string);
begin
  if FValue <> Value then
  begin
    FValue := Value;
    Invalidate;
  end;
end;

procedure TDBLookupList.SetDisplayValue(const Value: string);
begin
  if FDisplayValue <> Value then
  begin
    FDisplayValue := Value;
    Invalidate;
  end;
end;

procedure TDBLookupList.SetReadOnly(Value: Boolean);
begin
end;

procedure TDBLookupList.SetOptions(Value: TDBLookupListOptions);
begin
  if FOptions <> Value then
  begin
    FOptions := Value;
    Invalidate;
  end;
end;

procedure TDBLookupList.UpdateData(Sender: TObject);
begin
end;

procedure TDBLookupList.NewLayout;
begin
end;

procedure TDBLookupList.DoLookup;
begin
end;

procedure TDBLookupList.WMSize(var Message: TWMSize);
begin
  inherited;
end;

function TDBLookupList.HighlightCell(DataCol, DataRow: Integer; const Value: string;
      AState: TGridDrawState): Boolean;
begin
  Result := inherited HighlightCell(DataCol, DataRow, Value, AState);
end;

function TDBLookupList.CanGridAcceptKey(Key: Word; Shift: TShiftState): Boolean;
begin
  Result := inherited CanGridAcceptKey(Key, Shift);
end;

procedure TDBLookupList.DefineFieldMap;
begin
  inherited DefineFieldMap;
end;

procedure TDBLookupList.SetColumnAttributes;
begin
  inherited SetColumnAttributes;
end;

procedure TDBLookupList.InitFields(ShowError: Boolean);
begin
end;

procedure TDBLookupList.CreateWnd;
begin
  inherited CreateWnd;
end;

procedure TDBLookupList.KeyDown(var Key: Word; Shift: TShiftState);
begin
  inherited KeyDown(Key, Shift);
end;

procedure TDBLookupList.LinkActive(Value: Boolean);
begin
  inherited LinkActive(Value);
end;

procedure TDBLookupList.Paint;
begin
  with Canvas do
  begin
    Brush.Color := Color;
    Brush.Style := bsSolid;
    FillRect(ClientRect);
  end;
end;

procedure TDBLookupList.Scroll(Distance: Integer);
begin
  inherited Scroll(Distance);
end;

procedure TDBLookupList.ListClick;
begin
  if Assigned(FOnListClick) then FOnListClick(Self);
end;

procedure TDBLookupList.Loaded;
begin
  inherited Loaded;
end;

constructor TDBLookupList.Create(AOwner: TComponent);
begin
  inherited Create(AOwner);
  FFieldLink := TFieldDataLink.Create;
  FFieldLink.Control := Self;
  FFieldLink.OnUpdateData := UpdateData;
  FTitleOffset := 0;
  FOptions := [];
  ReadOnly := True;
end;

destructor TDBLookupList.Destroy;
begin
  FFieldLink.Free;
  FFieldLink := nil;
  inherited Destroy;
end;

{ TPopupGrid }

procedure TPopupGrid.CMHintShow(var Message: TMessage);
begin
  inherited;
end;

procedure TPopupGrid.CreateParams(var Params: TCreateParams);
begin
  inherited CreateParams(Params);
end;

procedure TPopupGrid.CreateWnd;
begin
  inherited CreateWnd;
end;

procedure TPopupGrid.MouseUp(Button: TMouseButton; Shift: TShiftState;
      X, Y: Integer);
begin
  inherited MouseUp(Button, Shift, X, Y);
end;

function TPopupGrid.CanEdit: Boolean;
begin
  Result := False;
end;

procedure TPopupGrid.LinkActive(Value: Boolean);
begin
  inherited LinkActive(Value);
end;

constructor TPopupGrid.Create(AOwner: TComponent);
begin
  inherited Create(AOwner);
  FAcquireFocus := False;
  TabStop := False;
end;

end.
