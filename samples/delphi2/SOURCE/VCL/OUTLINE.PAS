{*******************************************************}
{                                                       }
{       Quillmap 2 sample class library                 }
{       Outline unit: the outline control               }
{                                                       }
{*******************************************************}

unit Outline;

interface

uses SysUtils, Classes, Graphics, Menus, Controls, Forms, StdCtrls, Grids;

type
  OutlineError = class(TObject);
  EOutlineError = class(Exception);

  TOutlineNodeCompare = (ocLess, ocSame, ocGreater, ocInvalid);
  TAttachMode = (oaAdd, oaAddChild, oaInsert);
  TChangeRange = -1..1;
  TCustomOutline = class;

  TOutlineNode = class(TPersistent)
  private
    FList: TList;
    FText: string;
    FData: Pointer;
    FParent: TOutlineNode;
    FIndex: Longint;
    FState: Boolean;
    FOutline: TCustomOutline;
    FExpandCount: Longint;
    procedure ChangeExpandedCount(Value: Longint);
    procedure CloseNode;
    procedure Clear;
    procedure Error(const ErrorString: string);
    function GetExpandedNodeCount: Longint;
    function GetFullPath: string;
    function GetIndex: Longint;
    function GetLastIndex: Longint;
    function GetLevel: Cardinal;
    function GetList: TList;
    function GetMaxDisplayWidth(Value: Cardinal): Cardinal;
    function GetNode(Index: Longint): TOutlineNode;
    function GetTopItem: Longint;
    function GetVisibleParent: TOutlineNode;
    function HasChildren: Boolean;
    function HasVisibleParent: Boolean;
    function IsEqual(Value: TOutlineNode): Boolean;
    procedure ReIndex(StartNode, EndNode: TOutlineNode; NewIndex: Longint;
      IncludeStart: Boolean);
    procedure Repaint;
    function Resync(var NewIndex: Longint; EndNode: TOutlineNode): Boolean;
    procedure SetExpandedState(Value: Boolean);
    procedure SetGoodIndex;
    procedure SetHorzScrollBar;
    procedure SetLevel(Level: Cardinal);
    procedure SetText(const Value: string);
  protected
    constructor CreateNode(AOwner: TCustomOutline);
    function GetVisibleNode(TargetCount: Longint): TOutlineNode;
    function AddNode(Value: TOutlineNode): Longint;
    function InsertNode(Index: Longint; Value: TOutlineNode): Longint;
    function GetNodeAtIndex(TargetIndex: Longint): TOutlineNode;
    function GetDataItem(Value: Pointer): Longint;
    function GetTextItem(const Value: string): Longint;
    function HasAsParent(Value: TOutlineNode): Boolean;
    function GetRowOfNode(TargetNode: TOutlineNode;
      var RowCount: Longint): Boolean;
    procedure InternalRemove(Value: TOutlineNode; Index: Integer);
    procedure Remove(Value: TOutlineNode);
    procedure WriteNode(Buffer: PChar; Stream: TStream);
    property Outline: TCustomOutline read FOutline;
    property List: TList read GetList;
    property ExpandCount: Longint read FExpandCount;
    property Items[Index: Longint]: TOutlineNode read GetNode; default;
  public
    constructor Create(AOwner: TCustomOutline);
    destructor Destroy; override;
    procedure ChangeLevelBy(Value: TChangeRange);
    procedure Collapse;
    procedure Expand;
    procedure FullExpand;
    function GetDisplayWidth: Integer;
    function GetFirstChild: Longint;
    function GetLastChild: Longint;
    function GetNextChild(Value: Longint): Longint;
    function GetPrevChild(Value: Longint): Longint;
    procedure MoveTo(Destination: Longint; AttachMode: TAttachMode);
    property Parent: TOutlineNode read FParent;
    property Expanded: Boolean read FState write SetExpandedState;
    property Text: string read FText write SetText;
    property Data: Pointer read FData write FData;
    property Index: Longint read GetIndex;
    property Level: Cardinal read GetLevel write SetLevel;
    property HasItems: Boolean read HasChildren;
    property IsVisible: Boolean read HasVisibleParent;
    property TopItem: Longint read GetTopItem;
    property FullPath: string read GetFullPath;
  end;

  TBitmapArrayRange = 0..4;
  EOutlineChange = procedure(Sender: TObject; Index: Longint) of object;
  TOutlineStyle = (osText, osPlusMinusText, osPictureText,
    osPlusMinusPictureText, osTreeText, osTreePictureText);
  TOutlineBitmap = (obPlus, obMinus, obOpen, obClose, obLeaf);
  TOutlineBitmaps = set of TOutlineBitmap;
  TOutlineOption = (ooDrawTreeRoot, ooDrawFocusRect, ooStretchBitmaps);
  TOutlineOptions = set of TOutlineOption;
  TOutlineType = (otStandard, otOwnerDraw);

  TCustomOutline = class(TCustomGrid)
  private
    FBlockInsert: Boolean;
    FRootNode: TOutlineNode;
    FGoodNode: TOutlineNode;
    UpdateCount: Integer;
    FCurItem: TOutlineNode;
    FSeparator: string;
    FFontSize: Integer;
    FStrings: TStrings;
    FUserBitmaps: TOutlineBitmaps;
    FOldBitmaps: TOutlineBitmaps;
    FPicturePlus: TBitmap;
    FPictureMinus: TBitmap;
    FPictureOpen: TBitmap;
    FPictureClosed: TBitmap;
    FPictureLeaf: TBitmap;
    FOnExpand: EOutlineChange;
    FOnCollapse: EOutlineChange;
    FOutlineStyle: TOutlineStyle;
    FMaskColor: TColor;
    FItemHeight: Integer;
    FStyle: TOutlineType;
    FOptions: TOutlineOptions;
    FIgnoreScrollResize: Boolean;
    FSelectedItem: TOutlineNode;
    FOnDrawItem: TDrawItemEvent;
    FSettingWidth: Boolean;
    FSettingHeight: Boolean;
    FCanvasLock: Integer;
    procedure SetItemHeight(Value: Integer);
    procedure SetStyle(Value: TOutlineType);
    procedure SetOutlineOptions(Value: TOutlineOptions);
    function GetItemCount: Longint;
    function GetNodeFromIndex(Index: Longint): TOutlineNode;
    function GetSelectedItem: Longint;
    procedure SetSelectedItem(Value: Longint);
    procedure SetStrings(Value: TStrings);
    function GetStrings: TStrings;
    procedure SetPicture(Index: Integer; Value: TBitmap);
    function GetPicture(Index: Integer): TBitmap;
    procedure SetOutlineStyle(Value: TOutlineStyle);
    procedure SetMaskColor(Value: TColor);
    procedure SetSeparator(const Value: string);
    procedure CMFontChanged(var Message: TMessage); message CM_FONTCHANGED;
    procedure WMSize(var Message: TWMSize); message WM_SIZE;
  protected
    procedure Loaded; override;
    procedure Click; override;
    procedure DblClick; override;
    procedure KeyPress(var Key: Char); override;
    procedure KeyDown(var Key: Word; Shift: TShiftState); override;
    procedure MouseDown(Button: TMouseButton; Shift: TShiftState;
      X, Y: Integer); override;
    function SelectCell(ACol, ARow: Longint): Boolean; override;
    procedure DrawCell(ACol, ARow: Longint; ARect: TRect;
      AState: TGridDrawState); override;
    procedure DefineProperties(Filer: TFiler); override;
    procedure ReadBinaryData(Stream: TStream);
    procedure WriteBinaryData(Stream: TStream);
    procedure SetCurItem(Value: Longint);
    procedure Expand(Index: Longint); dynamic;
    procedure Collapse(Index: Longint); dynamic;
    property Lines: TStrings read GetStrings write SetStrings;
    property OutlineStyle: TOutlineStyle read FOutlineStyle write SetOutlineStyle default osTreePictureText;
    property OnExpand: EOutlineChange read FOnExpand write FOnExpand;
    property OnCollapse: EOutlineChange read FOnCollapse write FOnCollapse;
    property Options: TOutlineOptions read FOptions write SetOutlineOptions
      default [ooDrawTreeRoot, ooDrawFocusRect];
    property Style: TOutlineType read FStyle write SetStyle default otStandard;
    property ItemHeight: Integer read FItemHeight write SetItemHeight;
    property OnDrawItem: TDrawItemEvent read FOnDrawItem write FOnDrawItem;
    property ItemSeparator: string read FSeparator write SetSeparator;
    property PicturePlus: TBitmap index 0 read GetPicture write SetPicture;
    property PictureMinus: TBitmap index 1 read GetPicture write SetPicture;
    property PictureOpen: TBitmap index 2 read GetPicture write SetPicture;
    property PictureClosed: TBitmap index 3 read GetPicture write SetPicture;
    property PictureLeaf: TBitmap index 4 read GetPicture write SetPicture;
  public
    constructor Create(AOwner: TComponent); override;
    destructor Destroy; override;
    function Add(Index: Longint; const Text: string): Longint;
    function AddChild(Index: Longint; const Text: string): Longint;
    function AddChildObject(Index: Longint; const Text: string; const Data: Pointer): Longint;
    function AddObject(Index: Longint; const Text: string; const Data: Pointer): Longint;
    function Insert(Index: Longint; const Text: string): Longint;
    function InsertObject(Index: Longint; const Text: string; const Data: Pointer): Longint;
    procedure Delete(Index: Longint);
    function GetDataItem(Value: Pointer): Longint;
    function GetItem(X, Y: Integer): Longint;
    function GetNodeDisplayWidth(Node: TOutlineNode): Integer;
    function GetTextItem(const Value: string): Longint;
    function GetVisibleNode(Index: Longint): TOutlineNode;
    procedure FullExpand;
    procedure FullCollapse;
    procedure LoadFromFile(const FileName: string);
    procedure LoadFromStream(Stream: TStream);
    procedure SaveToFile(const FileName: string);
    procedure SaveToStream(Stream: TStream);
    procedure BeginUpdate;
    procedure EndUpdate;
    procedure SetUpdateState(Value: Boolean);
    procedure Clear;
    property ItemCount: Longint read GetItemCount;
    property Items[Index: Longint]: TOutlineNode read GetNodeFromIndex; default;
    property SelectedItem: Longint read GetSelectedItem write SetSelectedItem;
    property Row;
    property Canvas;
  end;

  TOutline = class(TCustomOutline)
  published
    property Lines;
    property OutlineStyle;
    property OnExpand;
    property OnCollapse;
    property Options;
    property Style;
    property ItemHeight;
    property OnDrawItem;
    property Align;
    property Enabled;
    property Font;
    property Color;
    property ParentColor;
    property ParentCtl3D;
    property Ctl3D;
    property TabOrder;
    property TabStop;
    property Visible;
    property OnClick;
    property DragMode;
    property DragCursor;
    property OnDragDrop;
    property OnDragOver;
    property OnEndDrag;
    property OnStartDrag;
    property OnEnter;
    property OnExit;
    property OnKeyDown;
    property OnKeyPress;
    property OnKeyUp;
    property OnMouseDown;
    property OnMouseMove;
    property OnMouseUp;
    property OnDblClick;
    property BorderStyle;
    property ItemSeparator;
    property PicturePlus;
    property PictureMinus;
    property PictureOpen;
    property PictureClosed;
    property PictureLeaf;
    property ParentFont;
    property ParentShowHint;
    property ShowHint;
    property PopupMenu;
    property ScrollBars;
  end;

  { Lines property of an outline, one string per node }
  TOutlineStrings = class(TStrings)
  private
    Outline: TCustomOutline;
    procedure ReadData(Reader: TReader);
    procedure WriteData(Writer: TWriter);
  protected
    procedure DefineProperties(Filer: TFiler); override;
    function Get(Index: Integer): string; override;
    function GetCount: Integer; override;
  public
    function Add(const S: string): Integer; override;
    function AddChild(Index: Integer; const S: string): Integer;
    procedure Clear; override;
    procedure Delete(Index: Integer); override;
    procedure Insert(Index: Integer; const S: string); override;
    procedure PutObject(Index: Integer; AObject: TObject); override;
    function GetObject(Index: Integer): TObject; override;
  end;

implementation

{ TOutlineNode }

procedure TOutlineNode.ChangeExpandedCount(Value: Longint);
begin
end;

procedure TOutlineNode.CloseNode;
begin
end;

procedure TOutlineNode.Clear;
begin
  FList.Clear;
end;

procedure TOutlineNode.Error(const ErrorString: string);
begin
  raise EOutlineError.Create(ErrorString);
end;

function TOutlineNode.GetExpandedNodeCount: Longint;
begin
  Result := 0;
end;

function TOutlineNode.GetFullPath: string;
begin
  if Parent <> nil then
    if Parent.Parent <> nil then
      Result := Parent.GetFullPath + Outline.ItemSeparator + Text
    else
      Result := Text
  else
    Result := '';
end;

function TOutlineNode.GetIndex: Longint;
begin
  Result := FIndex;
end;

function TOutlineNode.GetLastIndex: Longint;
begin
  Result := 0;
end;

function TOutlineNode.GetLevel: Cardinal;
var
  Node: TOutlineNode;
begin
  Result := 0;
  Node := Parent;
  while Node <> nil do
  begin
    Inc(Result);
    Node := Node.Parent;
  end;
end;

function TOutlineNode.GetList: TList;
begin
  if FList = nil then FList := TList.Create;
  Result := FList;
end;

function TOutlineNode.GetMaxDisplayWidth(Value: Cardinal): Cardinal;
begin
  Result := 0;
end;

function TOutlineNode.GetNode(Index: Longint): TOutlineNode;
begin
  Result := nil;
end;

function TOutlineNode.GetTopItem: Longint;
begin
  Result := 0;
end;

function TOutlineNode.GetVisibleParent: TOutlineNode;
begin
  Result := nil;
end;

function TOutlineNode.HasChildren: Boolean;
begin
  Result := (FList <> nil) and (FList.Count > 0);
end;

function TOutlineNode.HasVisibleParent: Boolean;
begin
  Result := False;
end;

function TOutlineNode.IsEqual(Value: TOutlineNode): Boolean;
begin
  Result := False;
end;

procedure TOutlineNode.ReIndex(StartNode, EndNode: TOutlineNode; NewIndex: Longint;
      IncludeStart: Boolean);
begin
end;

procedure TOutlineNode.Repaint;
begin
end;

function TOutlineNode.Resync(var NewIndex: Longint; EndNode: TOutlineNode): Boolean;
begin
  Result := False;
end;

procedure TOutlineNode.SetExpandedState(Value: Boolean);
begin
  FState := Value;
end;

procedure TOutlineNode.SetGoodIndex;
begin
end;

procedure TOutlineNode.SetHorzScrollBar;
begin
end;

procedure TOutlineNode.SetLevel(Level: Cardinal);
begin
end;

procedure TOutlineNode.SetText(const Value: string);
begin
  FText := Value;
end;

constructor TOutlineNode.CreateNode(AOwner: TCustomOutline);
begin
  inherited Create;
  FList := TList.Create;
end;

function TOutlineNode.GetVisibleNode(TargetCount: Longint): TOutlineNode;
begin
  Result := nil;
end;

function TOutlineNode.AddNode(Value: TOutlineNode): Longint;
begin
  Result := 0;
end;

function TOutlineNode.InsertNode(Index: Longint; Value: TOutlineNode): Longint;
begin
  Result := 0;
end;

function TOutlineNode.GetNodeAtIndex(TargetIndex: Longint): TOutlineNode;
begin
  Result := nil;
end;

function TOutlineNode.GetDataItem(Value: Pointer): Longint;
begin
  Result := 0;
end;

function TOutlineNode.GetTextItem(const Value: string): Longint;
begin
  Result := 0;
end;

function TOutlineNode.HasAsParent(Value: TOutlineNode): Boolean;
begin
  Result := False;
end;

function TOutlineNode.GetRowOfNode(TargetNode: TOutlineNode;
      var RowCount: Longint): Boolean;
begin
  Result := False;
end;

procedure TOutlineNode.InternalRemove(Value: TOutlineNode; Index: Integer);
begin
end;

procedure TOutlineNode.Remove(Value: TOutlineNode);
begin
end;

procedure TOutlineNode.WriteNode(Buffer: PChar; Stream: TStream);
begin
end;

constructor TOutlineNode.Create(AOwner: TCustomOutline);
begin
  FOutline := AOwner;
end;

destructor TOutlineNode.Destroy;
begin
  if FList <> nil then Clear;
  FList.Free;
  inherited Destroy;
end;

procedure TOutlineNode.ChangeLevelBy(Value: TChangeRange);
begin
end;

procedure TOutlineNode.Collapse;
begin
  Expanded := False;
end;

procedure TOutlineNode.Expand;
begin
  Expanded := True;
end;

procedure TOutlineNode.FullExpand;
begin
end;

function TOutlineNode.GetDisplayWidth: Integer;
begin
  Result := 0;
end;

function TOutlineNode.GetFirstChild: Longint;
begin
  Result := 0;
end;

function TOutlineNode.GetLastChild: Longint;
begin
  Result := 0;
end;

function TOutlineNode.GetNextChild(Value: Longint): Longint;
begin
  Result := 0;
end;

function TOutlineNode.GetPrevChild(Value: Longint): Longint;
begin
  Result := 0;
end;

procedure TOutlineNode.MoveTo(Destination: Longint; AttachMode: TAttachMode);
begin
end;

{ TCustomOutline }

procedure TCustomOutline.SetItemHeight(Value: Integer);
begin
  if FItemHeight <> Value then
  begin
    FItemHeight := Value;
    Invalidate;
  end;
end;

procedure TCustomOutline.SetStyle(Value: TOutlineType);
begin
  if FStyle <> Value then
  begin
    FStyle := Value;
    RecreateWnd;
  end;
end;

procedure TCustomOutline.SetOutlineOptions(Value: TOutlineOptions);
begin
  if FOptions <> Value then
  begin
    FOptions := Value;
    Invalidate;
  end;
end;

function TCustomOutline.GetItemCount: Longint;
begin
  Result := 0;
end;

function TCustomOutline.GetNodeFromIndex(Index: Longint): TOutlineNode;
begin
  Result := nil;
end;

function TCustomOutline.GetSelectedItem: Longint;
begin
  Result := FSelectedItem;
end;

procedure TCustomOutline.SetSelectedItem(Value: Longint);
begin
  FSelectedItem := Value;
end;

procedure TCustomOutline.SetStrings(Value: TStrings);
begin
  FStrings.Assign(Value);
end;

function TCustomOutline.GetStrings: TStrings;
begin
  Result := FStrings;
end;

procedure TCustomOutline.SetPicture(Index: Integer; Value: TBitmap);
begin
end;

function TCustomOutline.GetPicture(Index: Integer): TBitmap;
begin
  Result := nil;
end;

procedure TCustomOutline.SetOutlineStyle(Value: TOutlineStyle);
begin
  if FOutlineStyle <> Value then
  begin
    FOutlineStyle := Value;
    Invalidate;
  end;
end;

procedure TCustomOutline.SetMaskColor(Value: TColor);
begin
  if FMaskColor <> Value then
  begin
    FMaskColor := Value;
    Invalidate;
  end;
end;

procedure TCustomOutline.SetSeparator(const Value: string);
begin
  if FSeparator <> Value then
  begin
    FSeparator := Value;
    Invalidate;
  end;
end;

procedure TCustomOutline.CMFontChanged(var Message: TMessage);
begin
  inherited;
  Invalidate;
end;

procedure TCustomOutline.WMSize(var Message: TWMSize);
begin
  inherited;
end;

procedure TCustomOutline.Loaded;
begin
  inherited Loaded;
end;

procedure TCustomOutline.Click;
begin
  inherited Click;
end;

procedure TCustomOutline.DblClick;
begin
  inherited DblClick;
end;

procedure TCustomOutline.KeyPress(var Key: Char);
begin
  inherited KeyPress(Key);
end;

procedure TCustomOutline.KeyDown(var Key: Word; Shift: TShiftState);
begin
  inherited KeyDown(Key, Shift);
end;

procedure TCustomOutline.MouseDown(Button: TMouseButton; Shift: TShiftState;
      X, Y: Integer);
begin
  inherited MouseDown(Button, Shift, X, Y);
end;

function TCustomOutline.SelectCell(ACol, ARow: Longint): Boolean;
begin
  Result := inherited SelectCell(ACol, ARow);
end;

procedure TCustomOutline.DrawCell(ACol, ARow: Longint; ARect: TRect;
      AState: TGridDrawState);
begin
end;

procedure TCustomOutline.DefineProperties(Filer: TFiler);
begin
  inherited DefineProperties(Filer);
end;

procedure TCustomOutline.ReadBinaryData(Stream: TStream);
begin
end;

procedure TCustomOutline.WriteBinaryData(Stream: TStream);
begin
end;

procedure TCustomOutline.SetCurItem(Value: Longint);
begin
  FCurItem.Assign(Value);
end;

procedure TCustomOutline.Expand(Index: Longint);
begin
  if Assigned(FOnExpand) then FOnExpand(Self, Index);
end;

procedure TCustomOutline.Collapse(Index: Longint);
begin
  if Assigned(FOnCollapse) then FOnCollapse(Self, Index);
end;

constructor TCustomOutline.Create(AOwner: TComponent);
begin
  inherited Create(AOwner);
  FGoodNode := TOutlineNode.Create(Self);
  FCurItem := TOutlineNode.Create(Self);
  FStrings := TStringList.Create;
  FPicturePlus := TBitmap.Create;
  FPictureMinus := TBitmap.Create;
  FPictureOpen := TBitmap.Create;
  FPictureClosed := TBitmap.Create;
  FPictureLeaf := TBitmap.Create;
  FOutlineStyle := osTreePictureText;
  FOptions := [ooDrawTreeRoot,ooDrawFocusRect];
  FStyle := otStandard;
end;

destructor TCustomOutline.Destroy;
begin
  FPictureLeaf.Free;
  FPictureClosed.Free;
  FPictureOpen.Free;
  FPictureMinus.Free;
  FPicturePlus.Free;
  FStrings.Free;
  FCurItem.Free;
  FGoodNode.Free;
  inherited Destroy;
end;

function TCustomOutline.Add(Index: Longint; const Text: string): Longint;
begin
  Result := AddObject(Index, Text, nil);
end;

function TCustomOutline.AddChild(Index: Longint; const Text: string): Longint;
begin
  Result := AddChildObject(Index, Text, nil);
end;

function TCustomOutline.AddChildObject(Index: Longint; const Text: string; const Data: Pointer): Longint;
begin
  Result := 0;
end;

function TCustomOutline.AddObject(Index: Longint; const Text: string; const Data: Pointer): Longint;
begin
  Result := 0;
end;

function TCustomOutline.Insert(Index: Longint; const Text: string): Longint;
begin
  Result := InsertObject(Index, Text, nil);
end;

function TCustomOutline.InsertObject(Index: Longint; const Text: string; const Data: Pointer): Longint;
begin
  Result := 0;
end;

procedure TCustomOutline.Delete(Index: Longint);
begin
end;

function TCustomOutline.GetDataItem(Value: Pointer): Longint;
begin
  Result := 0;
end;

function TCustomOutline.GetItem(X, Y: Integer): Longint;
begin
  Result := 0;
end;

function TCustomOutline.GetNodeDisplayWidth(Node: TOutlineNode): Integer;
begin
  Result := 0;
end;

function TCustomOutline.GetTextItem(const Value: string): Longint;
begin
  Result := 0;
end;

function TCustomOutline.GetVisibleNode(Index: Longint): TOutlineNode;
begin
  Result := nil;
end;

procedure TCustomOutline.FullExpand;
begin
end;

procedure TCustomOutline.FullCollapse;
begin
end;

procedure TCustomOutline.LoadFromFile(const FileName: string);
begin
end;

procedure TCustomOutline.LoadFromStream(Stream: TStream);
begin
end;

procedure TCustomOutline.SaveToFile(const FileName: string);
begin
end;

procedure TCustomOutline.SaveToStream(Stream: TStream);
begin
end;

procedure TCustomOutline.BeginUpdate;
begin
  if UpdateCount = 0 then SetUpdateState(True);
  Inc(UpdateCount);
end;

procedure TCustomOutline.EndUpdate;
begin
  Dec(UpdateCount);
  if UpdateCount = 0 then SetUpdateState(False);
end;

procedure TCustomOutline.SetUpdateState(Value: Boolean);
begin
end;

procedure TCustomOutline.Clear;
begin
end;

{ TOutlineStrings }

procedure TOutlineStrings.ReadData(Reader: TReader);
begin
end;

procedure TOutlineStrings.WriteData(Writer: TWriter);
begin
end;

procedure TOutlineStrings.DefineProperties(Filer: TFiler);
begin
  inherited DefineProperties(Filer);
end;

function TOutlineStrings.Get(Index: Integer): string;
begin
  Result := '';
end;

function TOutlineStrings.GetCount: Integer;
begin
  Result := 0;
end;

function TOutlineStrings.Add(const S: string): Integer;
begin
  Result := inherited Add(S);
end;

function TOutlineStrings.AddChild(Index: Integer; const S: string): Integer;
begin
  Result := 0;
end;

procedure TOutlineStrings.Clear;
begin
end;

procedure TOutlineStrings.Delete(Index: Integer);
begin
end;

procedure TOutlineStrings.Insert(Index: Integer; const S: string);
begin
end;

procedure TOutlineStrings.PutObject(Index: Integer; AObject: TObject);
begin
  inherited PutObject(Index, AObject);
end;

function TOutlineStrings.GetObject(Index: Integer): TObject;
begin
  Result := inherited GetObject(Index);
end;

end.
