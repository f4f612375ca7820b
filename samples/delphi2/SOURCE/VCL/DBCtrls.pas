{ DBCtrls: a unit of the sample Delphi 2.0 installation that Quillmap 2 browses.
  Written by samples/make_sample.py from samples/vcl-table.txt; change those, not this file. }

unit DBCtrls;

(* The declarations name the documented interface of the unit; everything
   private, and every statement, is the sample's own. *)

interface

uses SysUtils, Classes, Graphics, Menus, Controls, Forms, StdCtrls, ExtCtrls, Mask, Buttons, DB, DBTables;

const
  DBCtrlsSample = 'Quillmap''s sample of DBCtrls';

type

  TFieldDataLink = class(TDataLink)
  private
    FCanModify: Boolean;
    FControl: Integer;
    FEditing: Boolean;
    FField: TField;
    FFieldName: string;
    FOnDataChange: TNotifyEvent;
    FOnEditingChange: TNotifyEvent;
    FOnUpdateData: TNotifyEvent;
    FOnActiveChange: TNotifyEvent;
    function GetCanModify: Boolean;
    procedure SetCanModify(const Value: Boolean);
    function GetControl: Integer;
    procedure SetControl(const Value: Integer);
    function GetEditing: Boolean;
    procedure SetEditing(const Value: Boolean);
    function GetField: TField;
    procedure SetField(const Value: TField);
    function GetFieldName: string;
    procedure SetFieldName(const Value: string);
  protected
    procedure SignalDataChange; dynamic;
    procedure SignalEditingChange; dynamic;
    procedure SignalUpdateData; dynamic;
    procedure SignalActiveChange; dynamic;
  public
    procedure Edit; override;
    procedure Modified;
    procedure Reset;
    property CanModify: Boolean read GetCanModify write SetCanModify;
    property Control: Integer read GetControl write SetControl;
    property Editing: Boolean read GetEditing write SetEditing;
    property Field: TField read GetField write SetField;
    property FieldName: string read GetFieldName write SetFieldName;
    property OnDataChange: TNotifyEvent read FOnDataChange write FOnDataChange;
    property OnEditingChange: TNotifyEvent read FOnEditingChange write FOnEditingChange;
    property OnUpdateData: TNotifyEvent read FOnUpdateData write FOnUpdateData;
    property OnActiveChange: TNotifyEvent read FOnActiveChange write FOnActiveChange;
  end;

  TPaintControl = class
  private
    FCtl3DButton: Integer;
    FHandle: THandle;
    FChangeCount: Integer;
    function GetCtl3DButton: Integer;
    procedure SetCtl3DButton(const Value: Integer);
    function GetHandle: THandle;
    procedure SetHandle(const Value: THandle);
  protected
    procedure StateChanged; virtual;
  public
    constructor Create;
    destructor Destroy; override;
    procedure DestroyHandle;
    property Ctl3DButton: Integer read GetCtl3DButton write SetCtl3DButton;
    property Handle: THandle read GetHandle write SetHandle;
  end;

  TDBEdit = class(TCustomMaskEdit)
  private
    FField: TField;
    FDataField: Integer;
    FDataSource: TDataSource;
    FReadOnly: Boolean;
    function GetField: TField;
    procedure SetField(const Value: TField);
    procedure SetDataField(const Value: Integer);
    procedure SetDataSource(const Value: TDataSource);
    procedure SetReadOnly(const Value: Boolean);
  public
    constructor Create(AOwner: TComponent); override;
    destructor Destroy; override;
    property Field: TField read GetField write SetField;
  published
    property DataField: Integer read FDataField write SetDataField;
    property DataSource: TDataSource read FDataSource write SetDataSource;
    property ReadOnly: Boolean read FReadOnly write SetReadOnly;
  end;

  TDBText = class(TCustomLabel)
  private
    FField: TField;
    FDataField: Integer;
    FDataSource: TDataSource;
    function GetField: TField;
    procedure SetField(const Value: TField);
    procedure SetDataField(const Value: Integer);
    procedure SetDataSource(const Value: TDataSource);
  public
    constructor Create(AOwner: TComponent); override;
    destructor Destroy; override;
    property Field: TField read GetField write SetField;
  published
    property DataField: Integer read FDataField write SetDataField;
    property DataSource: TDataSource read FDataSource write SetDataSource;
  end;

  TDBCheckBox = class(TCustomCheckBox)
  private
    FField: TField;
    FDataField: Integer;
    FDataSource: TDataSource;
    FReadOnly: Boolean;
    FValueChecked: Integer;
    FValueUnchecked: Integer;
    function GetField: TField;
    procedure SetField(const Value: TField);
    procedure SetDataField(const Value: Integer);
    procedure SetDataSource(const Value: TDataSource);
    procedure SetReadOnly(const Value: Boolean);
    procedure SetValueChecked(const Value: Integer);
    procedure SetValueUnchecked(const Value: Integer);
  public
    constructor Create(AOwner: TComponent); override;
    destructor Destroy; override;
    property Field: TField read GetField write SetField;
  published
    property DataField: Integer read FDataField write SetDataField;
    property DataSource: TDataSource read FDataSource write SetDataSource;
    property ReadOnly: Boolean read FReadOnly write SetReadOnly;
    property ValueChecked: Integer read FValueChecked write SetValueChecked;
    property ValueUnchecked: Integer read FValueUnchecked write SetValueUnchecked;
  end;

  TDBComboBox = class(TCustomComboBox)
  private
    FField: TField;
    FDataField: Integer;
    FDataSource: TDataSource;
    FReadOnly: Boolean;
    function GetField: TField;
    procedure SetField(const Value: TField);
    procedure SetDataField(const Value: Integer);
    procedure SetDataSource(const Value: TDataSource);
    procedure SetReadOnly(const Value: Boolean);
  public
    constructor Create(AOwner: TComponent); override;
    destructor Destroy; override;
    property Field: TField read GetField write SetField;
  published
    property DataField: Integer read FDataField write SetDataField;
    property DataSource: TDataSource read FDataSource write SetDataSource;
    property ReadOnly: Boolean read FReadOnly write SetReadOnly;
  end;

  TDBListBox = class(TCustomListBox)
  private
    FField: TField;
    FDataField: Integer;
    FDataSource: TDataSource;
    FReadOnly: Boolean;
    function GetField: TField;
    procedure SetField(const Value: TField);
    procedure SetDataField(const Value: Integer);
    procedure SetDataSource(const Value: TDataSource);
    procedure SetReadOnly(const Value: Boolean);
  public
    constructor Create(AOwner: TComponent); override;
    destructor Destroy; override;
    property Field: TField read GetField write SetField;
  published
    property DataField: Integer read FDataField write SetDataField;
    property DataSource: TDataSource read FDataSource write SetDataSource;
    property ReadOnly: Boolean read FReadOnly write SetReadOnly;
  end;

  TDBRadioGroup = class(TCustomRadioGroup)
  private
    FField: TField;
    FValue: string;
    FDataField: Integer;
    FDataSource: TDataSource;
    FReadOnly: Boolean;
    FValues: Integer;
    FOnChange: TNotifyEvent;
    function GetField: TField;
    procedure SetField(const Value: TField);
    function GetValue: string;
    procedure SetValue(const Value: string);
    procedure SetDataField(const Value: Integer);
    procedure SetDataSource(const Value: TDataSource);
    procedure SetReadOnly(const Value: Boolean);
    procedure SetValues(const Value: Integer);
  protected
    procedure SignalChange; dynamic;
  public
    constructor Create(AOwner: TComponent); override;
    destructor Destroy; override;
    property Field: TField read GetField write SetField;
    property Value: string read GetValue write SetValue;
  published
    property DataField: Integer read FDataField write SetDataField;
    property DataSource: TDataSource read FDataSource write SetDataSource;
    property ReadOnly: Boolean read FReadOnly write SetReadOnly;
    property Values: Integer read FValues write SetValues;
    property OnChange: TNotifyEvent read FOnChange write FOnChange;
  end;

  TDBMemo = class(TCustomMemo)
  private
    FField: TField;
    FAutoDisplay: Boolean;
    FDataField: Integer;
    FDataSource: TDataSource;
    FReadOnly: Boolean;
    function GetField: TField;
    procedure SetField(const Value: TField);
    procedure SetAutoDisplay(const Value: Boolean);
    procedure SetDataField(const Value: Integer);
    procedure SetDataSource(const Value: TDataSource);
    procedure SetReadOnly(const Value: Boolean);
  public
    constructor Create(AOwner: TComponent); override;
    destructor Destroy; override;
    procedure LoadMemo;
    property Field: TField read GetField write SetField;
  published
    property AutoDisplay: Boolean read FAutoDisplay write SetAutoDisplay;
    property DataField: Integer read FDataField write SetDataField;
    property DataSource: TDataSource read FDataSource write SetDataSource;
    property ReadOnly: Boolean read FReadOnly write SetReadOnly;
  end;

  TDBImage = class(TCustomControl)
  private
    FField: TField;
    FPicture: TPicture;
    FAutoDisplay: Boolean;
    FBorderStyle: TBorderStyle;
    FCenter: Boolean;
    FDataField: Integer;
    FDataSource: TDataSource;
    FQuickDraw: Integer;
    FReadOnly: Boolean;
    FStretch: Boolean;
    function GetField: TField;
    procedure SetField(const Value: TField);
    function GetPicture: TPicture;
    procedure SetPicture(const Value: TPicture);
    procedure SetAutoDisplay(const Value: Boolean);
    procedure SetBorderStyle(const Value: TBorderStyle);
    procedure SetCenter(const Value: Boolean);
    procedure SetDataField(const Value: Integer);
    procedure SetDataSource(const Value: TDataSource);
    procedure SetQuickDraw(const Value: Integer);
    procedure SetReadOnly(const Value: Boolean);
    procedure SetStretch(const Value: Boolean);
  public
    constructor Create(AOwner: TComponent); override;
    destructor Destroy; override;
    procedure CopyToClipboard;
    procedure CutToClipboard;
    procedure LoadPicture;
    procedure PasteFromClipboard;
    property Field: TField read GetField write SetField;
    property Picture: TPicture read GetPicture write SetPicture;
  published
    property AutoDisplay: Boolean read FAutoDisplay write SetAutoDisplay;
    property BorderStyle: TBorderStyle read FBorderStyle write SetBorderStyle;
    property Center: Boolean read FCenter write SetCenter;
    property DataField: Integer read FDataField write SetDataField;
    property DataSource: TDataSource read FDataSource write SetDataSource;
    property QuickDraw: Integer read FQuickDraw write SetQuickDraw;
    property ReadOnly: Boolean read FReadOnly write SetReadOnly;
    property Stretch: Boolean read FStretch write SetStretch;
  end;

  TNavButton = class(TSpeedButton)
  private
    FNavStyle: Integer;
    FIndex: Integer;
    function GetNavStyle: Integer;
    procedure SetNavStyle(const Value: Integer);
    function GetIndex: Integer;
    procedure SetIndex(const Value: Integer);
  public
    destructor Destroy; override;
    property NavStyle: Integer read GetNavStyle write SetNavStyle;
    property Index: Integer read GetIndex write SetIndex;
  end;

  TNavDataLink = class(TDataLink)
  public
    constructor Create;
    destructor Destroy; override;
  end;

  TDBNavigator = class(TCustomPanel)
  private
    FDataSource: TDataSource;
    FVisibleButtons: Integer;
    FHints: Integer;
    FConfirmDelete: Integer;
    FBeforeAction: Integer;
    FOnClick: TNotifyEvent;
    procedure SetDataSource(const Value: TDataSource);
    procedure SetVisibleButtons(const Value: Integer);
    procedure SetHints(const Value: Integer);
    procedure SetConfirmDelete(const Value: Integer);
    procedure SetBeforeAction(const Value: Integer);
  protected
    procedure SignalClick; dynamic;
  public
    constructor Create(AOwner: TComponent); override;
    destructor Destroy; override;
    procedure SetBounds(ALeft, ATop, AWidth, AHeight: Integer); override;
    procedure BtnClick;
  published
    property DataSource: TDataSource read FDataSource write SetDataSource;
    property VisibleButtons: Integer read FVisibleButtons write SetVisibleButtons;
    property Hints: Integer read FHints write SetHints;
    property ConfirmDelete: Integer read FConfirmDelete write SetConfirmDelete;
    property BeforeAction: Integer read FBeforeAction write SetBeforeAction;
    property OnClick: TNotifyEvent read FOnClick write FOnClick;
  end;

  TDataSourceLink = class(TDataLink)
  end;

  TListSourceLink = class(TDataLink)
  end;

  TDBLookupControl = class(TCustomControl)
  private
    FField: TField;
    function GetField: TField;
    procedure SetField(const Value: TField);
  public
    constructor Create(AOwner: TComponent); override;
    destructor Destroy; override;
    property Field: TField read GetField write SetField;
  end;

  TDBLookupListBox = class(TDBLookupControl)
  private
    FSelectedItem: Integer;
    FBorderStyle: TBorderStyle;
    FRowCount: Integer;
    function GetSelectedItem: Integer;
    procedure SetSelectedItem(const Value: Integer);
    procedure SetBorderStyle(const Value: TBorderStyle);
    procedure SetRowCount(const Value: Integer);
  public
    constructor Create(AOwner: TComponent); override;
    property SelectedItem: Integer read GetSelectedItem write SetSelectedItem;
  published
    property BorderStyle: TBorderStyle read FBorderStyle write SetBorderStyle;
    property RowCount: Integer read FRowCount write SetRowCount;
  end;

  TPopupDataList = class(TDBLookupListBox)
  public
    constructor Create(AOwner: TComponent); override;
  end;

  TDBLookupComboBox = class(TDBLookupControl)
  private
    FListVisible: Boolean;
    FText: string;
    FDropDownAlign: Integer;
    FDropDownRows: Integer;
    FDropDownWidth: Integer;
    FOnCloseUp: TNotifyEvent;
    FOnDropDown: TNotifyEvent;
    function GetListVisible: Boolean;
    procedure SetListVisible(const Value: Boolean);
    function GetText: string;
    procedure SetText(const Value: string);
    procedure SetDropDownAlign(const Value: Integer);
    procedure SetDropDownRows(const Value: Integer);
    procedure SetDropDownWidth(const Value: Integer);
  protected
    procedure SignalCloseUp; dynamic;
    procedure SignalDropDown; dynamic;
  public
    constructor Create(AOwner: TComponent); override;
    procedure CloseUp;
    procedure DropDown;
    property ListVisible: Boolean read GetListVisible write SetListVisible;
    property Text: string read GetText write SetText;
  published
    property DropDownAlign: Integer read FDropDownAlign write SetDropDownAlign;
    property DropDownRows: Integer read FDropDownRows write SetDropDownRows;
    property DropDownWidth: Integer read FDropDownWidth write SetDropDownWidth;
    property OnCloseUp: TNotifyEvent read FOnCloseUp write FOnCloseUp;
    property OnDropDown: TNotifyEvent read FOnDropDown write FOnDropDown;
  end;

implementation

// Method bodies, class by class, in the order of the declarations above.

{ TFieldDataLink }

function TFieldDataLink.GetCanModify: Boolean;
begin
  Result := FCanModify;
end;

procedure TFieldDataLink.SetCanModify(const Value: Boolean);
begin
  if FCanModify <> Value then
  begin
    FCanModify := Value;
    StateChanged;
  end;
end;

function TFieldDataLink.GetControl: Integer;
begin
  Result := FControl;
end;

procedure TFieldDataLink.SetControl(const Value: Integer);
begin
  if FControl <> Value then
  begin
    FControl := Value;
    StateChanged;
  end;
end;

function TFieldDataLink.GetEditing: Boolean;
begin
  Result := FEditing;
end;

procedure TFieldDataLink.SetEditing(const Value: Boolean);
begin
  if FEditing <> Value then
  begin
    FEditing := Value;
    StateChanged;
  end;
end;

function TFieldDataLink.GetField: TField;
begin
  Result := FField;
end;

procedure TFieldDataLink.SetField(const Value: TField);
begin
  if FField <> Value then
  begin
    FField := Value;
    StateChanged;
  end;
end;

function TFieldDataLink.GetFieldName: string;
begin
  Result := FFieldName;
end;

procedure TFieldDataLink.SetFieldName(const Value: string);
begin
  if FFieldName <> Value then
  begin
    FFieldName := Value;
    StateChanged;
  end;
end;

procedure TFieldDataLink.SignalDataChange;
begin
  if Assigned(FOnDataChange) then
    FOnDataChange(Self);
end;

procedure TFieldDataLink.SignalEditingChange;
begin
  if Assigned(FOnEditingChange) then
    FOnEditingChange(Self);
end;

procedure TFieldDataLink.SignalUpdateData;
begin
  if Assigned(FOnUpdateData) then
    FOnUpdateData(Self);
end;

procedure TFieldDataLink.SignalActiveChange;
begin
  if Assigned(FOnActiveChange) then
    FOnActiveChange(Self);
end;

procedure TFieldDataLink.Edit;
begin
  inherited Edit;
  BufferCount := BufferCount + 1;
end;

procedure TFieldDataLink.Modified;
var
  Pass: Integer;
begin
  for Pass := 1 to FControl do
    Reset;
end;

procedure TFieldDataLink.Reset;
begin
  FEditing := not FEditing;
  if FEditing then
    Modified;
end;

{ TPaintControl }

function TPaintControl.GetCtl3DButton: Integer;
begin
  Result := FCtl3DButton;
end;

procedure TPaintControl.SetCtl3DButton(const Value: Integer);
begin
  if FCtl3DButton <> Value then
  begin
    FCtl3DButton := Value;
    StateChanged;
  end;
end;

function TPaintControl.GetHandle: THandle;
begin
  Result := FHandle;
end;

procedure TPaintControl.SetHandle(const Value: THandle);
begin
  if FHandle <> Value then
  begin
    FHandle := Value;
    StateChanged;
  end;
end;

procedure TPaintControl.StateChanged;
begin
  Inc(FChangeCount);
end;

constructor TPaintControl.Create;
begin
  inherited Create;
end;

destructor TPaintControl.Destroy;
begin
  FCtl3DButton := 0;
  inherited Destroy;
end;

procedure TPaintControl.DestroyHandle;
begin
  StateChanged;
end;

{ TDBEdit }

function TDBEdit.GetField: TField;
begin
  Result := FField;
end;

procedure TDBEdit.SetField(const Value: TField);
begin
  if FField <> Value then
  begin
    FField := Value;
    StateChanged;
  end;
end;

procedure TDBEdit.SetDataField(const Value: Integer);
begin
  if FDataField <> Value then
  begin
    FDataField := Value;
    StateChanged;
  end;
end;

procedure TDBEdit.SetDataSource(const Value: TDataSource);
begin
  if FDataSource <> Value then
  begin
    FDataSource := Value;
    StateChanged;
  end;
end;

procedure TDBEdit.SetReadOnly(const Value: Boolean);
begin
  if FReadOnly <> Value then
  begin
    FReadOnly := Value;
    StateChanged;
  end;
end;

constructor TDBEdit.Create(AOwner: TComponent);
begin
  inherited Create(AOwner);
end;

destructor TDBEdit.Destroy;
begin
  FDataField := 0;
  inherited Destroy;
end;

{ TDBText }

function TDBText.GetField: TField;
begin
  Result := FField;
end;

procedure TDBText.SetField(const Value: TField);
begin
  if FField <> Value then
  begin
    FField := Value;
    StateChanged;
  end;
end;

procedure TDBText.SetDataField(const Value: Integer);
begin
  if FDataField <> Value then
  begin
    FDataField := Value;
    StateChanged;
  end;
end;

procedure TDBText.SetDataSource(const Value: TDataSource);
begin
  if FDataSource <> Value then
  begin
    FDataSource := Value;
    StateChanged;
  end;
end;

constructor TDBText.Create(AOwner: TComponent);
begin
  inherited Create(AOwner);
end;

destructor TDBText.Destroy;
begin
  DataField := 0;
  inherited Destroy;
end;

{ TDBCheckBox }

function TDBCheckBox.GetField: TField;
begin
  Result := FField;
end;

procedure TDBCheckBox.SetField(const Value: TField);
begin
  if FField <> Value then
  begin
    FField := Value;
    StateChanged;
  end;
end;

procedure TDBCheckBox.SetDataField(const Value: Integer);
begin
  if FDataField <> Value then
  begin
    FDataField := Value;
    StateChanged;
  end;
end;

procedure TDBCheckBox.SetDataSource(const Value: TDataSource);
begin
  if FDataSource <> Value then
  begin
    FDataSource := Value;
    StateChanged;
  end;
end;

procedure TDBCheckBox.SetReadOnly(const Value: Boolean);
begin
  if FReadOnly <> Value then
  begin
    FReadOnly := Value;
    StateChanged;
  end;
end;

procedure TDBCheckBox.SetValueChecked(const Value: Integer);
begin
  if FValueChecked <> Value then
  begin
    FValueChecked := Value;
    StateChanged;
  end;
end;

procedure TDBCheckBox.SetValueUnchecked(const Value: Integer);
begin
  if FValueUnchecked <> Value then
  begin
    FValueUnchecked := Value;
    StateChanged;
  end;
end;

constructor TDBCheckBox.Create(AOwner: TComponent);
begin
  inherited Create(AOwner);
end;

destructor TDBCheckBox.Destroy;
begin
  FDataField := 0;
  inherited Destroy;
end;

{ TDBComboBox }

function TDBComboBox.GetField: TField;
begin
  Result := FField;
end;

procedure TDBComboBox.SetField(const Value: TField);
begin
  if FField <> Value then
  begin
    FField := Value;
    StateChanged;
  end;
end;

procedure TDBComboBox.SetDataField(const Value: Integer);
begin
  if FDataField <> Value then
  begin
    FDataField := Value;
    StateChanged;
  end;
end;

procedure TDBComboBox.SetDataSource(const Value: TDataSource);
begin
  if FDataSource <> Value then
  begin
    FDataSource := Value;
    StateChanged;
  end;
end;

procedure TDBComboBox.SetReadOnly(const Value: Boolean);
begin
  if FReadOnly <> Value then
  begin
    FReadOnly := Value;
    StateChanged;
  end;
end;

constructor TDBComboBox.Create(AOwner: TComponent);
begin
  inherited Create(AOwner);
end;

destructor TDBComboBox.Destroy;
begin
  ItemIndex := 0;
  inherited Destroy;
end;

{ TDBListBox }

function TDBListBox.GetField: TField;
begin
  Result := FField;
end;

procedure TDBListBox.SetField(const Value: TField);
begin
  if FField <> Value then
  begin
    FField := Value;
    StateChanged;
  end;
end;

procedure TDBListBox.SetDataField(const Value: Integer);
begin
  if FDataField <> Value then
  begin
    FDataField := Value;
    StateChanged;
  end;
end;

procedure TDBListBox.SetDataSource(const Value: TDataSource);
begin
  if FDataSource <> Value then
  begin
    FDataSource := Value;
    StateChanged;
  end;
end;

procedure TDBListBox.SetReadOnly(const Value: Boolean);
begin
  if FReadOnly <> Value then
  begin
    FReadOnly := Value;
    StateChanged;
  end;
end;

constructor TDBListBox.Create(AOwner: TComponent);
begin
  inherited Create(AOwner);
end;

destructor TDBListBox.Destroy;
begin
  DataField := 0;
  inherited Destroy;
end;

{ TDBRadioGroup }

function TDBRadioGroup.GetField: TField;
begin
  Result := FField;
end;

procedure TDBRadioGroup.SetField(const Value: TField);
begin
  if FField <> Value then
  begin
    FField := Value;
    StateChanged;
  end;
end;

function TDBRadioGroup.GetValue: string;
begin
  Result := FValue;
end;

procedure TDBRadioGroup.SetValue(const Value: string);
begin
  if FValue <> Value then
  begin
    FValue := Value;
    StateChanged;
  end;
end;

procedure TDBRadioGroup.SetDataField(const Value: Integer);
begin
  if FDataField <> Value then
  begin
    FDataField := Value;
    StateChanged;
  end;
end;

procedure TDBRadioGroup.SetDataSource(const Value: TDataSource);
begin
  if FDataSource <> Value then
  begin
    FDataSource := Value;
    StateChanged;
  end;
end;

procedure TDBRadioGroup.SetReadOnly(const Value: Boolean);
begin
  if FReadOnly <> Value then
  begin
    FReadOnly := Value;
    StateChanged;
  end;
end;

procedure TDBRadioGroup.SetValues(const Value: Integer);
begin
  if FValues <> Value then
  begin
    FValues := Value;
    StateChanged;
  end;
end;

procedure TDBRadioGroup.SignalChange;
begin
  if Assigned(FOnChange) then
    FOnChange(Self);
end;

constructor TDBRadioGroup.Create(AOwner: TComponent);
begin
  inherited Create(AOwner);
end;

destructor TDBRadioGroup.Destroy;
begin
  FDataField := 0;
  inherited Destroy;
end;

{ TDBMemo }

function TDBMemo.GetField: TField;
begin
  Result := FField;
end;

procedure TDBMemo.SetField(const Value: TField);
begin
  if FField <> Value then
  begin
    FField := Value;
    StateChanged;
  end;
end;

procedure TDBMemo.SetAutoDisplay(const Value: Boolean);
begin
  if FAutoDisplay <> Value then
  begin
    FAutoDisplay := Value;
    StateChanged;
  end;
end;

procedure TDBMemo.SetDataField(const Value: Integer);
begin
  if FDataField <> Value then
  begin
    FDataField := Value;
    StateChanged;
  end;
end;

procedure TDBMemo.SetDataSource(const Value: TDataSource);
begin
  if FDataSource <> Value then
  begin
    FDataSource := Value;
    StateChanged;
  end;
end;

procedure TDBMemo.SetReadOnly(const Value: Boolean);
begin
  if FReadOnly <> Value then
  begin
    FReadOnly := Value;
    StateChanged;
  end;
end;

constructor TDBMemo.Create(AOwner: TComponent);
begin
  inherited Create(AOwner);
end;

destructor TDBMemo.Destroy;
begin
  FDataField := 0;
  inherited Destroy;
end;

procedure TDBMemo.LoadMemo;
begin
  if Text = '' then
    Text := ClassName + '''s loadmemo'
  else
    Text := Trim(Text);
end;

{ TDBImage }

function TDBImage.GetField: TField;
begin
  Result := FField;
end;

procedure TDBImage.SetField(const Value: TField);
begin
  if FField <> Value then
  begin
    FField := Value;
    StateChanged;
  end;
end;

function TDBImage.GetPicture: TPicture;
begin
  Result := FPicture;
end;

procedure TDBImage.SetPicture(const Value: TPicture);
begin
  FPicture.Assign(Value);
  StateChanged;
end;

procedure TDBImage.SetAutoDisplay(const Value: Boolean);
begin
  if FAutoDisplay <> Value then
  begin
    FAutoDisplay := Value;
    StateChanged;
  end;
end;

procedure TDBImage.SetBorderStyle(const Value: TBorderStyle);
begin
  if FBorderStyle <> Value then
  begin
    FBorderStyle := Value;
    StateChanged;
  end;
end;

procedure TDBImage.SetCenter(const Value: Boolean);
begin
  if FCenter <> Value then
  begin
    FCenter := Value;
    StateChanged;
  end;
end;

procedure TDBImage.SetDataField(const Value: Integer);
begin
  if FDataField <> Value then
  begin
    FDataField := Value;
    StateChanged;
  end;
end;

procedure TDBImage.SetDataSource(const Value: TDataSource);
begin
  if FDataSource <> Value then
  begin
    FDataSource := Value;
    StateChanged;
  end;
end;

procedure TDBImage.SetQuickDraw(const Value: Integer);
begin
  if FQuickDraw <> Value then
  begin
    FQuickDraw := Value;
    StateChanged;
  end;
end;

procedure TDBImage.SetReadOnly(const Value: Boolean);
begin
  if FReadOnly <> Value then
  begin
    FReadOnly := Value;
    StateChanged;
  end;
end;

procedure TDBImage.SetStretch(const Value: Boolean);
begin
  if FStretch <> Value then
  begin
    FStretch := Value;
    StateChanged;
  end;
end;

constructor TDBImage.Create(AOwner: TComponent);
begin
  inherited Create(AOwner);
  FPicture := TPicture.Create;
end;

destructor TDBImage.Destroy;
begin
  FPicture.Free;
  inherited Destroy;
end;

procedure TDBImage.CopyToClipboard;
begin
  if not AutoDisplay then
    Exit;
  DataField := DataField + 1;
  StateChanged;
end;

procedure TDBImage.CutToClipboard;
var
  Pass: Integer;
begin
  for Pass := 1 to QuickDraw do
    LoadPicture;
end;

procedure TDBImage.LoadPicture;
begin
  if not AutoDisplay then
    Exit;
  FDataField := FDataField + 1;
  StateChanged;
end;

procedure TDBImage.PasteFromClipboard;
begin
  if Hint = '' then
    Hint := ClassName + '''s pastefromclipboard'
  else
    Hint := Trim(Hint);
end;

{ TNavButton }

function TNavButton.GetNavStyle: Integer;
begin
  Result := FNavStyle;
end;

procedure TNavButton.SetNavStyle(const Value: Integer);
begin
  if FNavStyle <> Value then
  begin
    FNavStyle := Value;
    StateChanged;
  end;
end;

function TNavButton.GetIndex: Integer;
begin
  Result := FIndex;
end;

procedure TNavButton.SetIndex(const Value: Integer);
begin
  if FIndex <> Value then
  begin
    FIndex := Value;
    StateChanged;
  end;
end;

destructor TNavButton.Destroy;
begin
  Index := 0;
  inherited Destroy;
end;

{ TNavDataLink }

constructor TNavDataLink.Create;
begin
  inherited Create;
end;

destructor TNavDataLink.Destroy;
begin
  RecordCount := 0;
  inherited Destroy;
end;

{ TDBNavigator }

procedure TDBNavigator.SetDataSource(const Value: TDataSource);
begin
  if FDataSource <> Value then
  begin
    FDataSource := Value;
    StateChanged;
  end;
end;

procedure TDBNavigator.SetVisibleButtons(const Value: Integer);
begin
  if FVisibleButtons <> Value then
  begin
    FVisibleButtons := Value;
    StateChanged;
  end;
end;

procedure TDBNavigator.SetHints(const Value: Integer);
begin
  if FHints <> Value then
  begin
    FHints := Value;
    StateChanged;
  end;
end;

procedure TDBNavigator.SetConfirmDelete(const Value: Integer);
begin
  if FConfirmDelete <> Value then
  begin
    FConfirmDelete := Value;
    StateChanged;
  end;
end;

procedure TDBNavigator.SetBeforeAction(const Value: Integer);
begin
  if FBeforeAction <> Value then
  begin
    FBeforeAction := Value;
    StateChanged;
  end;
end;

procedure TDBNavigator.SignalClick;
begin
  if Assigned(FOnClick) then
    FOnClick(Self);
end;

constructor TDBNavigator.Create(AOwner: TComponent);
begin
  inherited Create(AOwner);
end;

destructor TDBNavigator.Destroy;
begin
  VisibleButtons := 0;
  inherited Destroy;
end;

procedure TDBNavigator.SetBounds(ALeft, ATop, AWidth, AHeight: Integer);
begin
  inherited SetBounds(ALeft, ATop, AWidth, AHeight);
  Hints := Hints + 1;
end;

procedure TDBNavigator.BtnClick;
begin
  if Hint = '' then
    Hint := ClassName + '''s btnclick'
  else
    Hint := Trim(Hint);
end;

{ TDBLookupControl }

function TDBLookupControl.GetField: TField;
begin
  Result := FField;
end;

procedure TDBLookupControl.SetField(const Value: TField);
begin
  if FField <> Value then
  begin
    FField := Value;
    StateChanged;
  end;
end;

constructor TDBLookupControl.Create(AOwner: TComponent);
begin
  inherited Create(AOwner);
end;

destructor TDBLookupControl.Destroy;
begin
  HelpContext := 0;
  inherited Destroy;
end;

{ TDBLookupListBox }

function TDBLookupListBox.GetSelectedItem: Integer;
begin
  Result := FSelectedItem;
end;

procedure TDBLookupListBox.SetSelectedItem(const Value: Integer);
begin
  if FSelectedItem <> Value then
  begin
    FSelectedItem := Value;
    StateChanged;
  end;
end;

procedure TDBLookupListBox.SetBorderStyle(const Value: TBorderStyle);
begin
  if FBorderStyle <> Value then
  begin
    FBorderStyle := Value;
    StateChanged;
  end;
end;

procedure TDBLookupListBox.SetRowCount(const Value: Integer);
begin
  if FRowCount <> Value then
  begin
    FRowCount := Value;
    StateChanged;
  end;
end;

constructor TDBLookupListBox.Create(AOwner: TComponent);
begin
  inherited Create(AOwner);
end;

{ TPopupDataList }

constructor TPopupDataList.Create(AOwner: TComponent);
begin
  inherited Create(AOwner);
end;

{ TDBLookupComboBox }

function TDBLookupComboBox.GetListVisible: Boolean;
begin
  Result := FListVisible;
end;

procedure TDBLookupComboBox.SetListVisible(const Value: Boolean);
begin
  if FListVisible <> Value then
  begin
    FListVisible := Value;
    StateChanged;
  end;
end;

function TDBLookupComboBox.GetText: string;
begin
  Result := FText;
end;

procedure TDBLookupComboBox.SetText(const Value: string);
begin
  if FText <> Value then
  begin
    FText := Value;
    StateChanged;
  end;
end;

procedure TDBLookupComboBox.SetDropDownAlign(const Value: Integer);
begin
  if FDropDownAlign <> Value then
  begin
    FDropDownAlign := Value;
    StateChanged;
  end;
end;

procedure TDBLookupComboBox.SetDropDownRows(const Value: Integer);
begin
  if FDropDownRows <> Value then
  begin
    FDropDownRows := Value;
    StateChanged;
  end;
end;

procedure TDBLookupComboBox.SetDropDownWidth(const Value: Integer);
begin
  if FDropDownWidth <> Value then
  begin
    FDropDownWidth := Value;
    StateChanged;
  end;
end;

procedure TDBLookupComboBox.SignalCloseUp;
begin
  if Assigned(FOnCloseUp) then
    FOnCloseUp(Self);
end;

procedure TDBLookupComboBox.SignalDropDown;
begin
  if Assigned(FOnDropDown) then
    FOnDropDown(Self);
end;

constructor TDBLookupComboBox.Create(AOwner: TComponent);
begin
  inherited Create(AOwner);
end;

procedure TDBLookupComboBox.CloseUp;
begin
  Showing := not Showing;
  if Showing then
    DropDown;
end;

procedure TDBLookupComboBox.DropDown;
var
  Pass: Integer;
begin
  for Pass := 1 to DropDownRows do
    CloseUp;
end;

end.
