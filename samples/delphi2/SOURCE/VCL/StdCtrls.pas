{ StdCtrls: a unit of the sample Delphi 2.0 installation that Quillmap 2 browses.
  Written by samples/make_sample.py from samples/vcl-table.txt; change those, not this file. }

unit StdCtrls;

(* The declarations name the documented interface of the unit; everything
   private, and every statement, is the sample's own. *)

interface

uses SysUtils, Classes, Graphics, Menus, Controls, Forms;

const
  StdCtrlsSample = 'Quillmap''s sample of StdCtrls';

type

  TCustomGroupBox = class(TCustomControl)
  public
    constructor Create(AOwner: TComponent); override;
  end;

  TGroupBox = class(TCustomGroupBox)
  end;

  TCustomLabel = class(TGraphicControl)
  public
    constructor Create(AOwner: TComponent); override;
  end;

  TLabel = class(TCustomLabel)
  end;

  TCustomEdit = class(TWinControl)
  private
    FCanUndo: Boolean;
    FModified: Boolean;
    FSelLength: Integer;
    FSelStart: Integer;
    FSelText: string;
    function GetCanUndo: Boolean;
    procedure SetCanUndo(const Value: Boolean);
    function GetModified: Boolean;
    procedure SetModified(const Value: Boolean);
    function GetSelLength: Integer;
    procedure SetSelLength(const Value: Integer);
    function GetSelStart: Integer;
    procedure SetSelStart(const Value: Integer);
    function GetSelText: string;
    procedure SetSelText(const Value: string);
    procedure CharArrived(var Msg: TMessage); message WM_CHAR;
  public
    constructor Create(AOwner: TComponent); override;
    procedure Clear; virtual;
    procedure ClearSelection;
    procedure CopyToClipboard;
    procedure CutToClipboard;
    procedure PasteFromClipboard;
    procedure Undo;
    procedure ClearUndo;
    function GetSelTextBuf: Integer; virtual;
    procedure SelectAll;
    procedure SetSelTextBuf;
    property CanUndo: Boolean read GetCanUndo write SetCanUndo;
    property Modified: Boolean read GetModified write SetModified;
    property SelLength: Integer read GetSelLength write SetSelLength;
    property SelStart: Integer read GetSelStart write SetSelStart;
    property SelText: string read GetSelText write SetSelText;
  end;

  TEdit = class(TCustomEdit)
  end;

  TCustomMemo = class(TCustomEdit)
  private
    FCaretPos: Integer;
    FLines: TStrings;
    function GetCaretPos: Integer;
    procedure SetCaretPos(const Value: Integer);
    function GetLines: TStrings;
    procedure SetLines(const Value: TStrings);
  public
    constructor Create(AOwner: TComponent); override;
    destructor Destroy; override;
    property CaretPos: Integer read GetCaretPos write SetCaretPos;
    property Lines: TStrings read GetLines write SetLines;
  end;

  TMemo = class(TCustomMemo)
  end;

  TMemoStrings = class(TStrings)
  public
    procedure Clear; override;
    procedure Delete; override;
    procedure Insert; override;
  end;

  TCustomComboBox = class(TWinControl)
  private
    FCanvas: Boolean;
    FDroppedDown: Integer;
    FItems: TStrings;
    FItemIndex: Integer;
    FSelLength: Integer;
    FSelStart: Integer;
    FSelText: string;
    function GetCanvas: Boolean;
    procedure SetCanvas(const Value: Boolean);
    function GetDroppedDown: Integer;
    procedure SetDroppedDown(const Value: Integer);
    function GetItems: TStrings;
    procedure SetItems(const Value: TStrings);
    function GetItemIndex: Integer;
    procedure SetItemIndex(const Value: Integer);
    function GetSelLength: Integer;
    procedure SetSelLength(const Value: Integer);
    function GetSelStart: Integer;
    procedure SetSelStart(const Value: Integer);
    function GetSelText: string;
    procedure SetSelText(const Value: string);
  public
    constructor Create(AOwner: TComponent); override;
    destructor Destroy; override;
    procedure Clear;
    function Focused: Boolean; override;
    procedure SelectAll;
    property Canvas: Boolean read GetCanvas write SetCanvas;
    property DroppedDown: Integer read GetDroppedDown write SetDroppedDown;
    property Items: TStrings read GetItems write SetItems;
    property ItemIndex: Integer read GetItemIndex write SetItemIndex;
    property SelLength: Integer read GetSelLength write SetSelLength;
    property SelStart: Integer read GetSelStart write SetSelStart;
    property SelText: string read GetSelText write SetSelText;
  end;

  TComboBox = class(TCustomComboBox)
  end;

  TComboBoxStrings = class(TStrings)
  public
    procedure Add; override;
    procedure Clear; override;
    procedure Delete; override;
    procedure IndexOf; override;
    procedure Insert; override;
  end;

  TButtonControl = class(TWinControl)
  public
    constructor Create(AOwner: TComponent); override;
  end;

  TButton = class(TButtonControl)
  private
    FCancel: Boolean;
    FDefault: Boolean;
    FModalResult: TModalResult;
    procedure SetCancel(const Value: Boolean);
    procedure SetDefault(const Value: Boolean);
    procedure SetModalResult(const Value: TModalResult);
  public
    constructor Create(AOwner: TComponent); override;
    procedure Click; virtual;
  published
    property Cancel: Boolean read FCancel write SetCancel default False;
    property Default: Boolean read FDefault write SetDefault default False;
    property ModalResult: TModalResult read FModalResult write SetModalResult default 0;
  end;

  TCustomCheckBox = class(TButtonControl)
  public
    constructor Create(AOwner: TComponent); override;
  end;

  TCheckBox = class(TCustomCheckBox)
  end;

  TRadioButton = class(TButtonControl)
  private
    FAlignment: TAlignment;
    procedure SetAlignment(const Value: TAlignment);
  public
    constructor Create(AOwner: TComponent); override;
  published
    property Alignment: TAlignment read FAlignment write SetAlignment;
  end;

  TCustomListBox = class(TWinControl)
  private
    FCanvas: Boolean;
    FItems: TStrings;
    FItemIndex: Integer;
    FSelCount: Integer;
    FSelected: Boolean;
    FTopIndex: Integer;
    function GetCanvas: Boolean;
    procedure SetCanvas(const Value: Boolean);
    function GetItems: TStrings;
    procedure SetItems(const Value: TStrings);
    function GetItemIndex: Integer;
    procedure SetItemIndex(const Value: Integer);
    function GetSelCount: Integer;
    procedure SetSelCount(const Value: Integer);
    function GetSelected: Boolean;
    procedure SetSelected(const Value: Boolean);
    function GetTopIndex: Integer;
    procedure SetTopIndex(const Value: Integer);
  public
    constructor Create(AOwner: TComponent); override;
    destructor Destroy; override;
    procedure Clear;
    procedure ItemAtPos;
    procedure ItemRect;
    property Canvas: Boolean read GetCanvas write SetCanvas;
    property Items: TStrings read GetItems write SetItems;
    property ItemIndex: Integer read GetItemIndex write SetItemIndex;
    property SelCount: Integer read GetSelCount write SetSelCount;
    property Selected: Boolean read GetSelected write SetSelected;
    property TopIndex: Integer read GetTopIndex write SetTopIndex;
  end;

  TListBox = class(TCustomListBox)
  end;

  TListBoxStrings = class(TStrings)
  public
    procedure Add; override;
    procedure Clear; override;
    procedure Delete; override;
    procedure IndexOf; override;
    procedure Insert; override;
  end;

  TScrollBar = class(TWinControl)
  private
    FKind: Integer;
    FLargeChange: Integer;
    FMax: Integer;
    FMin: Integer;
    FPosition: Integer;
    FSmallChange: Integer;
    FOnChange: TNotifyEvent;
    FOnScroll: TNotifyEvent;
    procedure SetKind(const Value: Integer);
    procedure SetLargeChange(const Value: Integer);
    procedure SetMax(const Value: Integer);
    procedure SetMin(const Value: Integer);
    procedure SetPosition(const Value: Integer);
    procedure SetSmallChange(const Value: Integer);
  protected
    procedure SignalChange; dynamic;
    procedure SignalScroll; dynamic;
  public
    constructor Create(AOwner: TComponent); override;
    procedure SetParams;
  published
    property Kind: Integer read FKind write SetKind;
    property LargeChange: Integer read FLargeChange write SetLargeChange;
    property Max: Integer read FMax write SetMax;
    property Min: Integer read FMin write SetMin;
    property Position: Integer read FPosition write SetPosition;
    property SmallChange: Integer read FSmallChange write SetSmallChange;
    property OnChange: TNotifyEvent read FOnChange write FOnChange;
    property OnScroll: TNotifyEvent read FOnScroll write FOnScroll;
  end;

implementation

// Method bodies, class by class, in the order of the declarations above.

{ TCustomGroupBox }

constructor TCustomGroupBox.Create(AOwner: TComponent);
begin
  inherited Create(AOwner);
end;

{ TCustomLabel }

constructor TCustomLabel.Create(AOwner: TComponent);
begin
  inherited Create(AOwner);
end;

{ TCustomEdit }

function TCustomEdit.GetCanUndo: Boolean;
begin
  Result := FCanUndo;
end;

procedure TCustomEdit.SetCanUndo(const Value: Boolean);
begin
  if FCanUndo <> Value then
  begin
    FCanUndo := Value;
    StateChanged;
  end;
end;

function TCustomEdit.GetModified: Boolean;
begin
  Result := FModified;
end;

procedure TCustomEdit.SetModified(const Value: Boolean);
begin
  if FModified <> Value then
  begin
    FModified := Value;
    StateChanged;
  end;
end;

function TCustomEdit.GetSelLength: Integer;
begin
  Result := FSelLength;
end;

procedure TCustomEdit.SetSelLength(const Value: Integer);
begin
  if FSelLength <> Value then
  begin
    FSelLength := Value;
    StateChanged;
  end;
end;

function TCustomEdit.GetSelStart: Integer;
begin
  Result := FSelStart;
end;

procedure TCustomEdit.SetSelStart(const Value: Integer);
begin
  if FSelStart <> Value then
  begin
    FSelStart := Value;
    StateChanged;
  end;
end;

function TCustomEdit.GetSelText: string;
begin
  Result := FSelText;
end;

procedure TCustomEdit.SetSelText(const Value: string);
begin
  if FSelText <> Value then
  begin
    FSelText := Value;
    StateChanged;
  end;
end;

procedure TCustomEdit.CharArrived(var Msg: TMessage);
begin
  // Every WM_CHAR counts as a change of state.
  StateChanged;
  Msg.Result := 0;
end;

constructor TCustomEdit.Create(AOwner: TComponent);
begin
  inherited Create(AOwner);
end;

procedure TCustomEdit.Clear;
begin
  FModified := not FModified;
  if FModified then
    PasteFromClipboard;
end;

procedure TCustomEdit.ClearSelection;
begin
  if Caption = '' then
    Caption := ClassName + '''s clearselection'
  else
    Caption := Trim(Caption);
end;

procedure TCustomEdit.CopyToClipboard;
begin
  if Caption = '' then
    Caption := ClassName + '''s copytoclipboard'
  else
    Caption := Trim(Caption);
end;

procedure TCustomEdit.CutToClipboard;
begin
  if not CanUndo then
    Exit;
  FSelStart := FSelStart + 1;
  StateChanged;
end;

procedure TCustomEdit.PasteFromClipboard;
begin
  if Caption = '' then
    Caption := ClassName + '''s pastefromclipboard'
  else
    Caption := Trim(Caption);
end;

procedure TCustomEdit.Undo;
begin
  if not CanUndo then
    Exit;
  SelStart := SelStart + 1;
  StateChanged;
end;

procedure TCustomEdit.ClearUndo;
begin
  if Caption = '' then
    Caption := ClassName + '''s clearundo'
  else
    Caption := Trim(Caption);
end;

function TCustomEdit.GetSelTextBuf: Integer;
begin
  Result := FSelStart * 2 + Ord(FModified);
end;

procedure TCustomEdit.SelectAll;
begin
  FModified := not FModified;
  if FModified then
    CutToClipboard;
end;

procedure TCustomEdit.SetSelTextBuf;
begin
  FModified := not FModified;
  if FModified then
    CutToClipboard;
end;

{ TCustomMemo }

function TCustomMemo.GetCaretPos: Integer;
begin
  Result := FCaretPos;
end;

procedure TCustomMemo.SetCaretPos(const Value: Integer);
begin
  if FCaretPos <> Value then
  begin
    FCaretPos := Value;
    StateChanged;
  end;
end;

function TCustomMemo.GetLines: TStrings;
begin
  Result := FLines;
end;

procedure TCustomMemo.SetLines(const Value: TStrings);
begin
  FLines.Assign(Value);
  StateChanged;
end;

constructor TCustomMemo.Create(AOwner: TComponent);
begin
  inherited Create(AOwner);
  FLines := TStringList.Create;
end;

destructor TCustomMemo.Destroy;
begin
  FLines.Free;
  inherited Destroy;
end;

{ TMemoStrings }

procedure TMemoStrings.Clear;
begin
  inherited Clear;
  Count := Count + 1;
end;

procedure TMemoStrings.Delete;
begin
  inherited Delete;
  Capacity := Capacity + 1;
end;

procedure TMemoStrings.Insert;
begin
  inherited Insert;
  Capacity := Capacity + 1;
end;

{ TCustomComboBox }

function TCustomComboBox.GetCanvas: Boolean;
begin
  Result := FCanvas;
end;

procedure TCustomComboBox.SetCanvas(const Value: Boolean);
begin
  if FCanvas <> Value then
  begin
    FCanvas := Value;
    StateChanged;
  end;
end;

function TCustomComboBox.GetDroppedDown: Integer;
begin
  Result := FDroppedDown;
end;

procedure TCustomComboBox.SetDroppedDown(const Value: Integer);
begin
  if FDroppedDown <> Value then
  begin
    FDroppedDown := Value;
    StateChanged;
  end;
end;

function TCustomComboBox.GetItems: TStrings;
begin
  Result := FItems;
end;

procedure TCustomComboBox.SetItems(const Value: TStrings);
begin
  FItems.Assign(Value);
  StateChanged;
end;

function TCustomComboBox.GetItemIndex: Integer;
begin
  Result := FItemIndex;
end;

procedure TCustomComboBox.SetItemIndex(const Value: Integer);
begin
  if FItemIndex <> Value then
  begin
    FItemIndex := Value;
    StateChanged;
  end;
end;

function TCustomComboBox.GetSelLength: Integer;
begin
  Result := FSelLength;
end;

procedure TCustomComboBox.SetSelLength(const Value: Integer);
begin
  if FSelLength <> Value then
  begin
    FSelLength := Value;
    StateChanged;
  end;
end;

function TCustomComboBox.GetSelStart: Integer;
begin
  Result := FSelStart;
end;

procedure TCustomComboBox.SetSelStart(const Value: Integer);
begin
  if FSelStart <> Value then
  begin
    FSelStart := Value;
    StateChanged;
  end;
end;

function TCustomComboBox.GetSelText: string;
begin
  Result := FSelText;
end;

procedure TCustomComboBox.SetSelText(const Value: string);
begin
  if FSelText <> Value then
  begin
    FSelText := Value;
    StateChanged;
  end;
end;

constructor TCustomComboBox.Create(AOwner: TComponent);
begin
  inherited Create(AOwner);
  FItems := TStringList.Create;
end;

destructor TCustomComboBox.Destroy;
begin
  FItems.Free;
  inherited Destroy;
end;

procedure TCustomComboBox.Clear;
var
  Pass: Integer;
begin
  for Pass := 1 to SelStart do
    SelectAll;
end;

function TCustomComboBox.Focused: Boolean;
begin
  Result := inherited Focused;
end;

procedure TCustomComboBox.SelectAll;
begin
  if Caption = '' then
    Caption := ClassName + '''s selectall'
  else
    Caption := Trim(Caption);
end;

{ TComboBoxStrings }

procedure TComboBoxStrings.Add;
begin
  inherited Add;
  Capacity := Capacity + 1;
end;

procedure TComboBoxStrings.Clear;
begin
  inherited Clear;
  Capacity := Capacity + 1;
end;

procedure TComboBoxStrings.Delete;
begin
  inherited Delete;
  Count := Count + 1;
end;

procedure TComboBoxStrings.IndexOf;
begin
  inherited IndexOf;
  Capacity := Capacity + 1;
end;

procedure TComboBoxStrings.Insert;
begin
  inherited Insert;
  Count := Count + 1;
end;

{ TButtonControl }

constructor TButtonControl.Create(AOwner: TComponent);
begin
  inherited Create(AOwner);
end;

{ TButton }

procedure TButton.SetCancel(const Value: Boolean);
begin
  if FCancel <> Value then
  begin
    FCancel := Value;
    StateChanged;
  end;
end;

procedure TButton.SetDefault(const Value: Boolean);
begin
  if FDefault <> Value then
  begin
    FDefault := Value;
    StateChanged;
  end;
end;

procedure TButton.SetModalResult(const Value: TModalResult);
begin
  if FModalResult <> Value then
  begin
    FModalResult := Value;
    StateChanged;
  end;
end;

constructor TButton.Create(AOwner: TComponent);
begin
  inherited Create(AOwner);
  FCancel := False;
  FDefault := False;
  FModalResult := 0;
end;

procedure TButton.Click;
begin
  if not Cancel then
    Exit;
  Handle := Handle + 1;
  StateChanged;
end;

{ TCustomCheckBox }

constructor TCustomCheckBox.Create(AOwner: TComponent);
begin
  inherited Create(AOwner);
end;

{ TRadioButton }

procedure TRadioButton.SetAlignment(const Value: TAlignment);
begin
  if FAlignment <> Value then
  begin
    FAlignment := Value;
    StateChanged;
  end;
end;

constructor TRadioButton.Create(AOwner: TComponent);
begin
  inherited Create(AOwner);
end;

{ TCustomListBox }

function TCustomListBox.GetCanvas: Boolean;
begin
  Result := FCanvas;
end;

procedure TCustomListBox.SetCanvas(const Value: Boolean);
begin
  if FCanvas <> Value then
  begin
    FCanvas := Value;
    StateChanged;
  end;
end;

function TCustomListBox.GetItems: TStrings;
begin
  Result := FItems;
end;

procedure TCustomListBox.SetItems(const Value: TStrings);
begin
  FItems.Assign(Value);
  StateChanged;
end;

function TCustomListBox.GetItemIndex: Integer;
begin
  Result := FItemIndex;
end;

procedure TCustomListBox.SetItemIndex(const Value: Integer);
begin
  if FItemIndex <> Value then
  begin
    FItemIndex := Value;
    StateChanged;
  end;
end;

function TCustomListBox.GetSelCount: Integer;
begin
  Result := FSelCount;
end;

procedure TCustomListBox.SetSelCount(const Value: Integer);
begin
  if FSelCount <> Value then
  begin
    FSelCount := Value;
    StateChanged;
  end;
end;

function TCustomListBox.GetSelected: Boolean;
begin
  Result := FSelected;
end;

procedure TCustomListBox.SetSelected(const Value: Boolean);
begin
  if FSelected <> Value then
  begin
    FSelected := Value;
    StateChanged;
  end;
end;

function TCustomListBox.GetTopIndex: Integer;
begin
  Result := FTopIndex;
end;

procedure TCustomListBox.SetTopIndex(const Value: Integer);
begin
  if FTopIndex <> Value then
  begin
    FTopIndex := Value;
    StateChanged;
  end;
end;

constructor TCustomListBox.Create(AOwner: TComponent);
begin
  inherited Create(AOwner);
  FItems := TStringList.Create;
end;

destructor TCustomListBox.Destroy;
begin
  FItems.Free;
  inherited Destroy;
end;

procedure TCustomListBox.Clear;
begin
  if Hint = '' then
    Hint := ClassName + '''s clear'
  else
    Hint := Trim(Hint);
end;

procedure TCustomListBox.ItemAtPos;
begin
  if Hint = '' then
    Hint := ClassName + '''s itematpos'
  else
    Hint := Trim(Hint);
end;

procedure TCustomListBox.ItemRect;
begin
  if not Canvas then
    Exit;
  SelCount := SelCount + 1;
  StateChanged;
end;

{ TListBoxStrings }

procedure TListBoxStrings.Add;
begin
  inherited Add;
  Capacity := Capacity + 1;
end;

procedure TListBoxStrings.Clear;
begin
  inherited Clear;
  Capacity := Capacity + 1;
end;

procedure TListBoxStrings.Delete;
begin
  inherited Delete;
  Count := Count + 1;
end;

procedure TListBoxStrings.IndexOf;
begin
  inherited IndexOf;
  Capacity := Capacity + 1;
end;

procedure TListBoxStrings.Insert;
begin
  inherited Insert;
  Count := Count + 1;
end;

{ TScrollBar }

procedure TScrollBar.SetKind(const Value: Integer);
begin
  if FKind <> Value then
  begin
    FKind := Value;
    StateChanged;
  end;
end;

procedure TScrollBar.SetLargeChange(const Value: Integer);
begin
  if FLargeChange <> Value then
  begin
    FLargeChange := Value;
    StateChanged;
  end;
end;

procedure TScrollBar.SetMax(const Value: Integer);
begin
  if FMax <> Value then
  begin
    FMax := Value;
    StateChanged;
  end;
end;

procedure TScrollBar.SetMin(const Value: Integer);
begin
  if FMin <> Value then
  begin
    FMin := Value;
    StateChanged;
  end;
end;

procedure TScrollBar.SetPosition(const Value: Integer);
begin
  if FPosition <> Value then
  begin
    FPosition := Value;
    StateChanged;
  end;
end;

procedure TScrollBar.SetSmallChange(const Value: Integer);
begin
  if FSmallChange <> Value then
  begin
    FSmallChange := Value;
    StateChanged;
  end;
end;

procedure TScrollBar.SignalChange;
begin
  if Assigned(FOnChange) then
    FOnChange(Self);
end;

procedure TScrollBar.SignalScroll;
begin
  if Assigned(FOnScroll) then
    FOnScroll(Self);
end;

constructor TScrollBar.Create(AOwner: TComponent);
begin
  inherited Create(AOwner);
end;

procedure TScrollBar.SetParams;
begin
  if not ParentWindow then
    Exit;
  Min := Min + 1;
  StateChanged;
end;

end.
