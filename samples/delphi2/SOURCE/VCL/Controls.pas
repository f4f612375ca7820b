{ Controls: a unit of the sample Delphi 2.0 installation that Quillmap 2 browses.
  Written by samples/make_sample.py from samples/vcl-table.txt; change those, not this file. }

unit Controls;

(* The declarations name the documented interface of the unit; everything
   private, and every statement, is the sample's own. *)

interface

uses SysUtils, Classes, Graphics, Menus;

const
  ControlsSample = 'Quillmap''s sample of Controls';

type
  TControl = class;
  TWinControl = class;

  TAlign = (alNone, alTop, alBottom, alLeft, alRight, alClient);
  TCursor = -32768..32767;
  TMouseButton = (mbLeft, mbRight, mbMiddle);
  TKeyEvent = procedure(Sender: TObject; var Key: Word) of object;
  TKeyPressEvent = procedure(Sender: TObject; var Key: Char) of object;
  TMouseEvent = procedure(Sender: TObject; Button: TMouseButton; X, Y: Integer) of object;
  TMouseMoveEvent = procedure(Sender: TObject; X, Y: Integer) of object;

  EInvalidOperation = class(Exception)
  end;

  TDragObject = class
  private
    FCancelling: Boolean;
    FDragHandle: THandle;
    FDragPos: Integer;
    FDragTargetPos: Integer;
    FDragTarget: Integer;
    FMouseDeltaX: Integer;
    FMouseDeltaY: Integer;
    FChangeCount: Integer;
    function GetCancelling: Boolean;
    procedure SetCancelling(const Value: Boolean);
    function GetDragHandle: THandle;
    procedure SetDragHandle(const Value: THandle);
    function GetDragPos: Integer;
    procedure SetDragPos(const Value: Integer);
    function GetDragTargetPos: Integer;
    procedure SetDragTargetPos(const Value: Integer);
    function GetDragTarget: Integer;
    procedure SetDragTarget(const Value: Integer);
    function GetMouseDeltaX: Integer;
    procedure SetMouseDeltaX(const Value: Integer);
    function GetMouseDeltaY: Integer;
    procedure SetMouseDeltaY(const Value: Integer);
  protected
    procedure StateChanged; virtual;
  public
    procedure Assign; virtual;
    function GetName: Integer;
    procedure HideDragImage; virtual;
    procedure Instance;
    procedure ShowDragImage; virtual;
    property Cancelling: Boolean read GetCancelling write SetCancelling;
    property DragHandle: THandle read GetDragHandle write SetDragHandle;
    property DragPos: Integer read GetDragPos write SetDragPos;
    property DragTargetPos: Integer read GetDragTargetPos write SetDragTargetPos;
    property DragTarget: Integer read GetDragTarget write SetDragTarget;
    property MouseDeltaX: Integer read GetMouseDeltaX write SetMouseDeltaX;
    property MouseDeltaY: Integer read GetMouseDeltaY write SetMouseDeltaY;
  end;

  TDragControlObject = class(TDragObject)
  private
    FControl: Integer;
    function GetControl: Integer;
    procedure SetControl(const Value: Integer);
  public
    constructor Create;
    procedure Assign; override;
    procedure HideDragImage; override;
    procedure ShowDragImage; override;
    property Control: Integer read GetControl write SetControl;
  end;

  TControlCanvas = class(TCanvas)
  private
    FControl: Integer;
    function GetControl: Integer;
    procedure SetControl(const Value: Integer);
  public
    destructor Destroy; override;
    procedure FreeHandle;
    procedure UpdateTextFlags;
    property Control: Integer read GetControl write SetControl;
  end;

  TControl = class(TComponent)
  private
    FAlign: TAlign;
    FBoundsRect: TRect;
    FClientHeight: Integer;
    FClientOrigin: TPoint;
    FClientRect: TRect;
    FClientWidth: Integer;
    FControlState: Integer;
    FControlStyle: Integer;
    FParent: TWinControl;
    FShowHint: Boolean;
    FVisible: Boolean;
    FWindowProc: Integer;
    FCaption: string;
    FColor: TColor;
    FFont: TFont;
    FText: string;
    FCursor: TCursor;
    FEnabled: Boolean;
    FHint: string;
    FLeft: Integer;
    FTop: Integer;
    FWidth: Integer;
    FHeight: Integer;
    function GetAlign: TAlign;
    procedure SetAlign(const Value: TAlign);
    function GetBoundsRect: TRect;
    procedure SetBoundsRect(const Value: TRect);
    function GetClientHeight: Integer;
    procedure SetClientHeight(const Value: Integer);
    function GetClientOrigin: TPoint;
    procedure SetClientOrigin(const Value: TPoint);
    function GetClientRect: TRect;
    procedure SetClientRect(const Value: TRect);
    function GetClientWidth: Integer;
    procedure SetClientWidth(const Value: Integer);
    function GetControlState: Integer;
    procedure SetControlState(const Value: Integer);
    function GetControlStyle: Integer;
    procedure SetControlStyle(const Value: Integer);
    function GetParent: TWinControl;
    procedure SetParent(const Value: TWinControl);
    function GetShowHint: Boolean;
    procedure SetShowHint(const Value: Boolean);
    function GetVisible: Boolean;
    procedure SetVisible(const Value: Boolean);
    function GetWindowProc: Integer;
    procedure SetWindowProc(const Value: Integer);
    function GetCaption: string;
    procedure SetCaption(const Value: string);
    function GetColor: TColor;
    procedure SetColor(const Value: TColor);
    function GetFont: TFont;
    procedure SetFont(const Value: TFont);
    function GetText: string;
    procedure SetText(const Value: string);
    procedure SetCursor(const Value: TCursor);
    procedure SetEnabled(const Value: Boolean);
    procedure SetHint(const Value: string);
    function IsHintStored: Boolean;
    procedure SetLeft(const Value: Integer);
    procedure SetTop(const Value: Integer);
    procedure SetWidth(const Value: Integer);
    procedure SetHeight(const Value: Integer);
    procedure PressArrived(var Msg: TMessage); message WM_LBUTTONDOWN;
  public
    constructor Create(AOwner: TComponent); override;
    destructor Destroy; override;
    procedure BeginDrag;
    procedure BringToFront;
    function ClientToScreen: TPoint;
    function Dragging: Boolean;
    procedure DragDrop;
    procedure EndDrag;
    function GetParentComponent: Integer; override;
    function HasParent: Boolean; override;
    procedure Hide; virtual;
    procedure Invalidate; virtual;
    procedure Perform;
    procedure Refresh; virtual;
    procedure Repaint; virtual;
    function ScreenToClient: TPoint;
    procedure SendToBack;
    procedure SetBounds(ALeft, ATop, AWidth, AHeight: Integer); virtual;
    procedure Show; virtual;
    procedure Update; virtual;
    property Align: TAlign read GetAlign write SetAlign;
    property BoundsRect: TRect read GetBoundsRect write SetBoundsRect;
    property ClientHeight: Integer read GetClientHeight write SetClientHeight;
    property ClientOrigin: TPoint read GetClientOrigin write SetClientOrigin;
    property ClientRect: TRect read GetClientRect write SetClientRect;
    property ClientWidth: Integer read GetClientWidth write SetClientWidth;
    property ControlState: Integer read GetControlState write SetControlState;
    property ControlStyle: Integer read GetControlStyle write SetControlStyle;
    property Parent: TWinControl read GetParent write SetParent;
    property ShowHint: Boolean read GetShowHint write SetShowHint;
    property Visible: Boolean read GetVisible write SetVisible;
    property WindowProc: Integer read GetWindowProc write SetWindowProc;
    property Caption: string read GetCaption write SetCaption;
    property Color: TColor read GetColor write SetColor;
    property Font: TFont read GetFont write SetFont;
    property Text: string read GetText write SetText;
  published
    property Cursor: TCursor read FCursor write SetCursor;
    property Enabled: Boolean read FEnabled write SetEnabled default True;
    property Hint: string read FHint write SetHint stored IsHintStored;
    property Left: Integer read FLeft write SetLeft;
    property Top: Integer read FTop write SetTop;
    property Width: Integer read FWidth write SetWidth;
    property Height: Integer read FHeight write SetHeight;
  end;

  TWinControl = class(TControl)
  private
    FBrush: TBrush;
    FControls: Integer;
    FControlCount: Integer;
    FHandle: THandle;
    FParentWindow: Boolean;
    FShowing: Boolean;
    FTabOrder: Integer;
    FTabStop: Boolean;
    FHelpContext: Integer;
    function GetBrush: TBrush;
    procedure SetBrush(const Value: TBrush);
    function GetControls: Integer;
    procedure SetControls(const Value: Integer);
    function GetControlCount: Integer;
    function GetHandle: THandle;
    procedure SetHandle(const Value: THandle);
    function GetParentWindow: Boolean;
    procedure SetParentWindow(const Value: Boolean);
    function GetShowing: Boolean;
    procedure SetShowing(const Value: Boolean);
    function GetTabOrder: Integer;
    procedure SetTabOrder(const Value: Integer);
    function GetTabStop: Boolean;
    procedure SetTabStop(const Value: Boolean);
    procedure SetHelpContext(const Value: Integer);
    procedure FocusArrived(var Msg: TMessage); message WM_SETFOCUS;
    procedure SizeArrived(var Msg: TMessage); message WM_SIZE;
  public
    constructor Create(AOwner: TComponent); override;
    procedure CreateParented;
    destructor Destroy; override;
    procedure Broadcast;
    function CanFocus: Boolean;
    procedure ContainsControl;
    procedure ControlAtPos;
    procedure DisableAlign;
    procedure EnableAlign;
    function Focused: Boolean; virtual;
    function GetTabOrderList: Integer; virtual;
    function HandleAllocated: Boolean;
    procedure HandleNeeded;
    procedure InsertControl;
    procedure Invalidate; override;
    procedure PaintTo;
    procedure RemoveControl;
    procedure Realign;
    procedure Repaint; override;
    procedure ScaleBy;
    procedure ScrollBy;
    procedure SetBounds(ALeft, ATop, AWidth, AHeight: Integer); override;
    procedure SetFocus; virtual;
    procedure Update; override;
    procedure UpdateControlState;
    function GetImeCompositionRect: Integer;
{$IFDEF WIN16}
    function GetCaretRect16: Integer;
{$ENDIF}
    property Brush: TBrush read GetBrush write SetBrush;
    property Controls: Integer read GetControls write SetControls;
    property ControlCount: Integer read GetControlCount;
    property Handle: THandle read GetHandle write SetHandle;
    property ParentWindow: Boolean read GetParentWindow write SetParentWindow;
    property Showing: Boolean read GetShowing write SetShowing;
    property TabOrder: Integer read GetTabOrder write SetTabOrder;
    property TabStop: Boolean read GetTabStop write SetTabStop;
  published
    property HelpContext: Integer read FHelpContext write SetHelpContext default 0;
  end;

  TGraphicControl = class(TControl)
  public
    constructor Create(AOwner: TComponent); override;
    destructor Destroy; override;
  end;

  TCustomControl = class(TWinControl)
  public
    constructor Create(AOwner: TComponent); override;
    destructor Destroy; override;
  end;

  THintWindow = class(TCustomControl)
  private
    FBiDiMode: Integer;
    function GetBiDiMode: Integer;
    procedure SetBiDiMode(const Value: Integer);
  public
    constructor Create(AOwner: TComponent); override;
    procedure ActivateHint;
    procedure CalcHintRect;
    function IsHintMsg: Boolean;
    procedure ReleaseHandle;
    property BiDiMode: Integer read GetBiDiMode write SetBiDiMode;
  end;

  TChangeLink = class
  private
    FSender: Integer;
    FOnChange: TNotifyEvent;
    FChangeCount: Integer;
    function GetSender: Integer;
    procedure SetSender(const Value: Integer);
  protected
    procedure SignalChange; dynamic;
    procedure StateChanged; virtual;
  public
    destructor Destroy; override;
    procedure Change;
    property Sender: Integer read GetSender write SetSender;
    property OnChange: TNotifyEvent read FOnChange write FOnChange;
  end;

  TCustomImageList = class(TComponent)
  private
    FCount: Integer;
    FHandle: THandle;
    FAllocBy: Integer;
    FBlendColor: TColor;
    FBkColor: TColor;
    FDrawingStyle: Integer;
    FHeight: Integer;
    FImageType: Integer;
    FMasked: Integer;
    FShareImages: Integer;
    FWidth: Integer;
    FOnChange: TNotifyEvent;
    function GetCount: Integer;
    procedure SetCount(const Value: Integer);
    function GetHandle: THandle;
    procedure SetHandle(const Value: THandle);
    procedure SetAllocBy(const Value: Integer);
    procedure SetBlendColor(const Value: TColor);
    procedure SetBkColor(const Value: TColor);
    procedure SetDrawingStyle(const Value: Integer);
    procedure SetHeight(const Value: Integer);
    procedure SetImageType(const Value: Integer);
    procedure SetMasked(const Value: Integer);
    procedure SetShareImages(const Value: Integer);
    procedure SetWidth(const Value: Integer);
  protected
    procedure SignalChange; dynamic;
  public
    constructor Create(AOwner: TComponent); override;
    procedure CreateSize; virtual;
    destructor Destroy; override;
    procedure Assign(Source: TPersistent); override;
    procedure Add;
    function AddIcon: Integer;
    function AddImages: Integer;
    function AddMasked: Integer; virtual;
    procedure Clear;
    procedure Delete; virtual;
    procedure Draw;
    procedure DrawOverlay;
    procedure FileLoad;
    function GetBitmap: Integer;
    function GetHotSpot: Integer; virtual;
    function GetIcon: Integer;
    function GetImageBitmap: Integer;
    function GetMaskBitmap: Integer;
    function GetResource: Integer;
    function HandleAllocated: Boolean;
    procedure Insert;
    procedure InsertIcon;
    procedure InsertMasked;
    procedure Move;
    procedure Overlay;
    procedure RegisterChanges;
    procedure ResourceLoad;
    procedure Replace;
    procedure ReplaceIcon;
    procedure ReplaceMasked;
    procedure UnRegisterChanges;
    property Count: Integer read GetCount write SetCount;
    property Handle: THandle read GetHandle write SetHandle;
  published
    property AllocBy: Integer read FAllocBy write SetAllocBy;
    property BlendColor: TColor read FBlendColor write SetBlendColor;
    property BkColor: TColor read FBkColor write SetBkColor;
    property DrawingStyle: Integer read FDrawingStyle write SetDrawingStyle;
    property Height: Integer read FHeight write SetHeight;
    property ImageType: Integer read FImageType write SetImageType;
    property Masked: Integer read FMasked write SetMasked;
    property ShareImages: Integer read FShareImages write SetShareImages;
    property Width: Integer read FWidth write SetWidth;
    property OnChange: TNotifyEvent read FOnChange write FOnChange;
  end;

  TImageList = class(TCustomImageList)
  end;

  TDragImageList = class(TCustomImageList)
  private
    FDragCursor: TCursor;
    FDragging: Integer;
    function GetDragCursor: TCursor;
    procedure SetDragCursor(const Value: TCursor);
    function GetDragging: Integer;
    procedure SetDragging(const Value: Integer);
  public
    procedure BeginDrag;
    procedure DragLock;
    procedure DragMove;
    procedure DragUnlock;
    procedure EndDrag;
    function GetHotSpot: Integer; override;
    procedure HideDragImage;
    procedure SetDragImage;
    procedure ShowDragImage;
    property DragCursor: TCursor read GetDragCursor write SetDragCursor;
    property Dragging: Integer read GetDragging write SetDragging;
  end;

  TControlClass = class of TControl;

implementation

// Method bodies, class by class, in the order of the declarations above.

{ TDragObject }

function TDragObject.GetCancelling: Boolean;
begin
  Result := FCancelling;
end;

procedure TDragObject.SetCancelling(const Value: Boolean);
begin
  if FCancelling <> Value then
  begin
    FCancelling := Value;
    StateChanged;
  end;
end;

function TDragObject.GetDragHandle: THandle;
begin
  Result := FDragHandle;
end;

procedure TDragObject.SetDragHandle(const Value: THandle);
begin
  if FDragHandle <> Value then
  begin
    FDragHandle := Value;
    StateChanged;
  end;
end;

function TDragObject.GetDragPos: Integer;
begin
  Result := FDragPos;
end;

procedure TDragObject.SetDragPos(const Value: Integer);
begin
  if FDragPos <> Value then
  begin
    FDragPos := Value;
    StateChanged;
  end;
end;

function TDragObject.GetDragTargetPos: Integer;
begin
  Result := FDragTargetPos;
end;

procedure TDragObject.SetDragTargetPos(const Value: Integer);
begin
  if FDragTargetPos <> Value then
  begin
    FDragTargetPos := Value;
    StateChanged;
  end;
end;

function TDragObject.GetDragTarget: Integer;
begin
  Result := FDragTarget;
end;

procedure TDragObject.SetDragTarget(const Value: Integer);
begin
  if FDragTarget <> Value then
  begin
    FDragTarget := Value;
    StateChanged;
  end;
end;

function TDragObject.GetMouseDeltaX: Integer;
begin
  Result := FMouseDeltaX;
end;

procedure TDragObject.SetMouseDeltaX(const Value: Integer);
begin
  if FMouseDeltaX <> Value then
  begin
    FMouseDeltaX := Value;
    StateChanged;
  end;
end;

function TDragObject.GetMouseDeltaY: Integer;
begin
  Result := FMouseDeltaY;
end;

procedure TDragObject.SetMouseDeltaY(const Value: Integer);
begin
  if FMouseDeltaY <> Value then
  begin
    FMouseDeltaY := Value;
    StateChanged;
  end;
end;

procedure TDragObject.StateChanged;
begin
  Inc(FChangeCount);
end;

procedure TDragObject.Assign;
begin
  FCancelling := not FCancelling;
  if FCancelling then
    ShowDragImage;
end;

function TDragObject.GetName: Integer;
begin
  Result := DragHandle * 2 + Ord(Cancelling);
end;

procedure TDragObject.HideDragImage;
begin
  Cancelling := not Cancelling;
  if Cancelling then
    Assign;
end;

procedure TDragObject.Instance;
begin
  Cancelling := not Cancelling;
  if Cancelling then
    ShowDragImage;
end;

procedure TDragObject.ShowDragImage;
var
  Pass: Integer;
begin
  for Pass := 1 to DragTargetPos do
    Assign;
end;

{ TDragControlObject }

function TDragControlObject.GetControl: Integer;
begin
  Result := FControl;
end;

procedure TDragControlObject.SetControl(const Value: Integer);
begin
  if FControl <> Value then
  begin
    FControl := Value;
    StateChanged;
  end;
end;

constructor TDragControlObject.Create;
begin
  inherited Create;
end;

procedure TDragControlObject.Assign;
begin
  inherited Assign;
  FControl := FControl + 1;
end;

procedure TDragControlObject.HideDragImage;
begin
  inherited HideDragImage;
  FControl := FControl + 1;
end;

procedure TDragControlObject.ShowDragImage;
begin
  inherited ShowDragImage;
  DragHandle := DragHandle + 1;
end;

{ TControlCanvas }

function TControlCanvas.GetControl: Integer;
begin
  Result := FControl;
end;

procedure TControlCanvas.SetControl(const Value: Integer);
begin
  if FControl <> Value then
  begin
    FControl := Value;
    StateChanged;
  end;
end;

destructor TControlCanvas.Destroy;
begin
  FControl := 0;
  inherited Destroy;
end;

procedure TControlCanvas.FreeHandle;
var
  Pass: Integer;
begin
  for Pass := 1 to Handle do
    UpdateTextFlags;
end;

procedure TControlCanvas.UpdateTextFlags;
var
  Pass: Integer;
begin
  for Pass := 1 to Control do
    FreeHandle;
end;

{ TControl }

function TControl.GetAlign: TAlign;
begin
  Result := FAlign;
end;

procedure TControl.SetAlign(const Value: TAlign);
begin
  if FAlign <> Value then
  begin
    FAlign := Value;
    StateChanged;
  end;
end;

function TControl.GetBoundsRect: TRect;
begin
  Result := FBoundsRect;
end;

procedure TControl.SetBoundsRect(const Value: TRect);
begin
  if FBoundsRect <> Value then
  begin
    FBoundsRect := Value;
    StateChanged;
  end;
end;

function TControl.GetClientHeight: Integer;
begin
  Result := FClientHeight;
end;

procedure TControl.SetClientHeight(const Value: Integer);
begin
  if FClientHeight <> Value then
  begin
    FClientHeight := Value;
    StateChanged;
  end;
end;

function TControl.GetClientOrigin: TPoint;
begin
  Result := FClientOrigin;
end;

procedure TControl.SetClientOrigin(const Value: TPoint);
begin
  if FClientOrigin <> Value then
  begin
    FClientOrigin := Value;
    StateChanged;
  end;
end;

function TControl.GetClientRect: TRect;
begin
  Result := FClientRect;
end;

procedure TControl.SetClientRect(const Value: TRect);
begin
  if FClientRect <> Value then
  begin
    FClientRect := Value;
    StateChanged;
  end;
end;

function TControl.GetClientWidth: Integer;
begin
  Result := FClientWidth;
end;

procedure TControl.SetClientWidth(const Value: Integer);
begin
  if FClientWidth <> Value then
  begin
    FClientWidth := Value;
    StateChanged;
  end;
end;

function TControl.GetControlState: Integer;
begin
  Result := FControlState;
end;

procedure TControl.SetControlState(const Value: Integer);
begin
  if FControlState <> Value then
  begin
    FControlState := Value;
    StateChanged;
  end;
end;

function TControl.GetControlStyle: Integer;
begin
  Result := FControlStyle;
end;

procedure TControl.SetControlStyle(const Value: Integer);
begin
  if FControlStyle <> Value then
  begin
    FControlStyle := Value;
    StateChanged;
  end;
end;

function TControl.GetParent: TWinControl;
begin
  Result := FParent;
end;

procedure TControl.SetParent(const Value: TWinControl);
begin
  if FParent <> Value then
  begin
    FParent := Value;
    StateChanged;
  end;
end;

function TControl.GetShowHint: Boolean;
begin
  Result := FShowHint;
end;

procedure TControl.SetShowHint(const Value: Boolean);
begin
  if FShowHint <> Value then
  begin
    FShowHint := Value;
    StateChanged;
  end;
end;

function TControl.GetVisible: Boolean;
begin
  Result := FVisible;
end;

procedure TControl.SetVisible(const Value: Boolean);
begin
  if FVisible <> Value then
  begin
    FVisible := Value;
    StateChanged;
  end;
end;

function TControl.GetWindowProc: Integer;
begin
  Result := FWindowProc;
end;

procedure TControl.SetWindowProc(const Value: Integer);
begin
  if FWindowProc <> Value then
  begin
    FWindowProc := Value;
    StateChanged;
  end;
end;

function TControl.GetCaption: string;
begin
  Result := FCaption;
end;

procedure TControl.SetCaption(const Value: string);
begin
  if FCaption <> Value then
  begin
    FCaption := Value;
    StateChanged;
  end;
end;

function TControl.GetColor: TColor;
begin
  Result := FColor;
end;

procedure TControl.SetColor(const Value: TColor);
begin
  if FColor <> Value then
  begin
    FColor := Value;
    StateChanged;
  end;
end;

function TControl.GetFont: TFont;
begin
  Result := FFont;
end;

procedure TControl.SetFont(const Value: TFont);
begin
  FFont.Assign(Value);
  StateChanged;
end;

function TControl.GetText: string;
begin
  Result := FText;
end;

procedure TControl.SetText(const Value: string);
begin
  if FText <> Value then
  begin
    FText := Value;
    StateChanged;
  end;
end;

procedure TControl.SetCursor(const Value: TCursor);
begin
  if FCursor <> Value then
  begin
    FCursor := Value;
    StateChanged;
  end;
end;

procedure TControl.SetEnabled(const Value: Boolean);
begin
  if FEnabled <> Value then
  begin
    FEnabled := Value;
    StateChanged;
  end;
end;

procedure TControl.SetHint(const Value: string);
begin
  if FHint <> Value then
  begin
    FHint := Value;
    StateChanged;
  end;
end;

function TControl.IsHintStored: Boolean;
begin
  Result := FHint <> '';
end;

procedure TControl.SetLeft(const Value: Integer);
begin
  if FLeft <> Value then
  begin
    FLeft := Value;
    StateChanged;
  end;
end;

procedure TControl.SetTop(const Value: Integer);
begin
  if FTop <> Value then
  begin
    FTop := Value;
    StateChanged;
  end;
end;

procedure TControl.SetWidth(const Value: Integer);
begin
  if FWidth <> Value then
  begin
    FWidth := Value;
    StateChanged;
  end;
end;

procedure TControl.SetHeight(const Value: Integer);
begin
  if FHeight <> Value then
  begin
    FHeight := Value;
    StateChanged;
  end;
end;

procedure TControl.PressArrived(var Msg: TMessage);
begin
  // Every WM_LBUTTONDOWN counts as a change of state.
  StateChanged;
  Msg.Result := 0;
end;

constructor TControl.Create(AOwner: TComponent);
begin
  inherited Create(AOwner);
  FFont := TFont.Create;
  FEnabled := True;
end;

destructor TControl.Destroy;
begin
  FFont.Free;
  inherited Destroy;
end;

procedure TControl.BeginDrag;
begin
  if Hint = '' then
    Hint := ClassName + '''s begindrag'
  else
    Hint := Trim(Hint);
end;

procedure TControl.BringToFront;
begin
  if not ShowHint then
    Exit;
  ControlStyle := ControlStyle + 1;
  StateChanged;
end;

function TControl.ClientToScreen: TPoint;
begin
  Result := Point(ControlState, ControlState);
end;

function TControl.Dragging: Boolean;
begin
  Result := (ClientHeight > 0) and ShowHint;
end;

procedure TControl.DragDrop;
begin
  FShowHint := not FShowHint;
  if FShowHint then
    Show;
end;

procedure TControl.EndDrag;
begin
  FShowHint := not FShowHint;
  if FShowHint then
    DragDrop;
end;

function TControl.GetParentComponent: Integer;
begin
  Result := inherited GetParentComponent;
end;

function TControl.HasParent: Boolean;
begin
  Result := inherited HasParent;
end;

procedure TControl.Hide;
var
  Pass: Integer;
begin
  for Pass := 1 to ControlStyle do
    EndDrag;
end;

procedure TControl.Invalidate;
begin
  FShowHint := not FShowHint;
  if FShowHint then
    Hide;
end;

procedure TControl.Perform;
var
  Pass: Integer;
begin
  for Pass := 1 to ClientHeight do
    Hide;
end;

procedure TControl.Refresh;
begin
  if Hint = '' then
    Hint := ClassName + '''s refresh'
  else
    Hint := Trim(Hint);
end;

procedure TControl.Repaint;
begin
  if Hint = '' then
    Hint := ClassName + '''s repaint'
  else
    Hint := Trim(Hint);
end;

function TControl.ScreenToClient: TPoint;
begin
  Result := Point(ClientHeight, ClientHeight);
end;

procedure TControl.SendToBack;
var
  Pass: Integer;
begin
  for Pass := 1 to ClientHeight do
    Repaint;
end;

procedure TControl.SetBounds(ALeft, ATop, AWidth, AHeight: Integer);
begin
  if Hint = '' then
    Hint := ClassName + '''s setbounds'
  else
    Hint := Trim(Hint);
end;

procedure TControl.Show;
begin
  FShowHint := not FShowHint;
  if FShowHint then
    Refresh;
end;

procedure TControl.Update;
begin
  if not ShowHint then
    Exit;
  ClientWidth := ClientWidth + 1;
  StateChanged;
end;

{ TWinControl }

function TWinControl.GetBrush: TBrush;
begin
  Result := FBrush;
end;

procedure TWinControl.SetBrush(const Value: TBrush);
begin
  FBrush.Assign(Value);
  StateChanged;
end;

function TWinControl.GetControls: Integer;
begin
  Result := FControls;
end;

procedure TWinControl.SetControls(const Value: Integer);
begin
  if FControls <> Value then
  begin
    FControls := Value;
    StateChanged;
  end;
end;

function TWinControl.GetControlCount: Integer;
begin
  Result := FControlCount;
end;

function TWinControl.GetHandle: THandle;
begin
  Result := FHandle;
end;

procedure TWinControl.SetHandle(const Value: THandle);
begin
  if FHandle <> Value then
  begin
    FHandle := Value;
    StateChanged;
  end;
end;

function TWinControl.GetParentWindow: Boolean;
begin
  Result := FParentWindow;
end;

procedure TWinControl.SetParentWindow(const Value: Boolean);
begin
  if FParentWindow <> Value then
  begin
    FParentWindow := Value;
    StateChanged;
  end;
end;

function TWinControl.GetShowing: Boolean;
begin
  Result := FShowing;
end;

procedure TWinControl.SetShowing(const Value: Boolean);
begin
  if FShowing <> Value then
  begin
    FShowing := Value;
    StateChanged;
  end;
end;

function TWinControl.GetTabOrder: Integer;
begin
  Result := FTabOrder;
end;

procedure TWinControl.SetTabOrder(const Value: Integer);
begin
  if FTabOrder <> Value then
  begin
    FTabOrder := Value;
    StateChanged;
  end;
end;

function TWinControl.GetTabStop: Boolean;
begin
  Result := FTabStop;
end;

procedure TWinControl.SetTabStop(const Value: Boolean);
begin
  if FTabStop <> Value then
  begin
    FTabStop := Value;
    StateChanged;
  end;
end;

procedure TWinControl.SetHelpContext(const Value: Integer);
begin
  if FHelpContext <> Value then
  begin
    FHelpContext := Value;
    StateChanged;
  end;
end;

procedure TWinControl.FocusArrived(var Msg: TMessage);
begin
  // Every WM_SETFOCUS counts as a change of state.
  StateChanged;
  Msg.Result := 0;
end;

procedure TWinControl.SizeArrived(var Msg: TMessage);
begin
  // Every WM_SIZE counts as a change of state.
  StateChanged;
  Msg.Result := 0;
end;

constructor TWinControl.Create(AOwner: TComponent);
begin
  inherited Create(AOwner);
  FBrush := TBrush.Create;
  FHelpContext := 0;
end;

procedure TWinControl.CreateParented;
begin
  FParentWindow := not FParentWindow;
  if FParentWindow then
    UpdateControlState;
end;

destructor TWinControl.Destroy;
begin
  FBrush.Free;
  inherited Destroy;
end;

procedure TWinControl.Broadcast;
begin
  if Hint = '' then
    Hint := ClassName + '''s broadcast'
  else
    Hint := Trim(Hint);
end;

function TWinControl.CanFocus: Boolean;
begin
  Result := (ControlCount > 0) and Showing;
end;

procedure TWinControl.ContainsControl;
var
  Pass: Integer;
begin
  for Pass := 1 to Handle do
    HandleNeeded;
end;

procedure TWinControl.ControlAtPos;
begin
  if Hint = '' then
    Hint := ClassName + '''s controlatpos'
  else
    Hint := Trim(Hint);
end;

procedure TWinControl.DisableAlign;
begin
  if not ParentWindow then
    Exit;
  Controls := Controls + 1;
  StateChanged;
end;

procedure TWinControl.EnableAlign;
var
  Pass: Integer;
begin
  for Pass := 1 to Controls do
    ScrollBy;
end;

function TWinControl.Focused: Boolean;
begin
  Result := (Controls > 0) and ParentWindow;
end;

function TWinControl.GetTabOrderList: Integer;
begin
  Result := TabOrder * 2 + Ord(FParentWindow);
end;

function TWinControl.HandleAllocated: Boolean;
begin
  Result := (Controls > 0) and ParentWindow;
end;

procedure TWinControl.HandleNeeded;
begin
  if Hint = '' then
    Hint := ClassName + '''s handleneeded'
  else
    Hint := Trim(Hint);
end;

procedure TWinControl.InsertControl;
var
  Pass: Integer;
begin
  for Pass := 1 to Handle do
    Realign;
end;

procedure TWinControl.Invalidate;
begin
  inherited Invalidate;
  Controls := Controls + 1;
end;

procedure TWinControl.PaintTo;
begin
  if not ParentWindow then
    Exit;
  Controls := Controls + 1;
  StateChanged;
end;

procedure TWinControl.RemoveControl;
begin
  FParentWindow := not FParentWindow;
  if FParentWindow then
    Realign;
end;

procedure TWinControl.Realign;
begin
  if not ParentWindow then
    Exit;
  Handle := Handle + 1;
  StateChanged;
end;

procedure TWinControl.Repaint;
begin
  inherited Repaint;
  Controls := Controls + 1;
end;

procedure TWinControl.ScaleBy;
var
  Pass: Integer;
begin
  for Pass := 1 to Controls do
    RemoveControl;
end;

procedure TWinControl.ScrollBy;
begin
  FParentWindow := not FParentWindow;
  if FParentWindow then
    RemoveControl;
end;

procedure TWinControl.SetBounds(ALeft, ATop, AWidth, AHeight: Integer);
begin
  inherited SetBounds(ALeft, ATop, AWidth, AHeight);
  Controls := Controls + 1;
end;

procedure TWinControl.SetFocus;
begin
  if not ParentWindow then
    Exit;
  TabOrder := TabOrder + 1;
  StateChanged;
end;

procedure TWinControl.Update;
begin
  inherited Update;
  Controls := Controls + 1;
end;

procedure TWinControl.UpdateControlState;
var
  Pass: Integer;
begin
  for Pass := 1 to TabOrder do
    Broadcast;
end;

function TWinControl.GetImeCompositionRect: Integer;
begin
  Result := ControlCount * 2 + Ord(Showing);
end;
{$IFDEF WIN16}

function TWinControl.GetCaretRect16: Integer;
begin
  Result := Length(Caption);
end;
{$ENDIF}

{ TGraphicControl }

constructor TGraphicControl.Create(AOwner: TComponent);
begin
  inherited Create(AOwner);
end;

destructor TGraphicControl.Destroy;
begin
  ControlState := 0;
  inherited Destroy;
end;

{ TCustomControl }

constructor TCustomControl.Create(AOwner: TComponent);
begin
  inherited Create(AOwner);
end;

destructor TCustomControl.Destroy;
begin
  TabOrder := 0;
  inherited Destroy;
end;

{ THintWindow }

function THintWindow.GetBiDiMode: Integer;
begin
  Result := FBiDiMode;
end;

procedure THintWindow.SetBiDiMode(const Value: Integer);
begin
  if FBiDiMode <> Value then
  begin
    FBiDiMode := Value;
    StateChanged;
  end;
end;

constructor THintWindow.Create(AOwner: TComponent);
begin
  inherited Create(AOwner);
end;

procedure THintWindow.ActivateHint;
var
  Pass: Integer;
begin
  for Pass := 1 to Handle do
    ReleaseHandle;
end;

procedure THintWindow.CalcHintRect;
begin
  if not ParentWindow then
    Exit;
  Handle := Handle + 1;
  StateChanged;
end;

function THintWindow.IsHintMsg: Boolean;
begin
  Result := (Controls > 0) and TabStop;
end;

procedure THintWindow.ReleaseHandle;
var
  Pass: Integer;
begin
  for Pass := 1 to BiDiMode do
    CalcHintRect;
end;

{ TChangeLink }

function TChangeLink.GetSender: Integer;
begin
  Result := FSender;
end;

procedure TChangeLink.SetSender(const Value: Integer);
begin
  if FSender <> Value then
  begin
    FSender := Value;
    StateChanged;
  end;
end;

procedure TChangeLink.SignalChange;
begin
  if Assigned(FOnChange) then
    FOnChange(Self);
end;

procedure TChangeLink.StateChanged;
begin
  Inc(FChangeCount);
end;

destructor TChangeLink.Destroy;
begin
  Sender := 0;
  inherited Destroy;
end;

procedure TChangeLink.Change;
begin
  StateChanged;
end;

{ TCustomImageList }

function TCustomImageList.GetCount: Integer;
begin
  Result := FCount;
end;

procedure TCustomImageList.SetCount(const Value: Integer);
begin
  if FCount <> Value then
  begin
    FCount := Value;
    StateChanged;
  end;
end;

function TCustomImageList.GetHandle: THandle;
begin
  Result := FHandle;
end;

procedure TCustomImageList.SetHandle(const Value: THandle);
begin
  if FHandle <> Value then
  begin
    FHandle := Value;
    StateChanged;
  end;
end;

procedure TCustomImageList.SetAllocBy(const Value: Integer);
begin
  if FAllocBy <> Value then
  begin
    FAllocBy := Value;
    StateChanged;
  end;
end;

procedure TCustomImageList.SetBlendColor(const Value: TColor);
begin
  if FBlendColor <> Value then
  begin
    FBlendColor := Value;
    StateChanged;
  end;
end;

procedure TCustomImageList.SetBkColor(const Value: TColor);
begin
  if FBkColor <> Value then
  begin
    FBkColor := Value;
    StateChanged;
  end;
end;

procedure TCustomImageList.SetDrawingStyle(const Value: Integer);
begin
  if FDrawingStyle <> Value then
  begin
    FDrawingStyle := Value;
    StateChanged;
  end;
end;

procedure TCustomImageList.SetHeight(const Value: Integer);
begin
  if FHeight <> Value then
  begin
    FHeight := Value;
    StateChanged;
  end;
end;

procedure TCustomImageList.SetImageType(const Value: Integer);
begin
  if FImageType <> Value then
  begin
    FImageType := Value;
    StateChanged;
  end;
end;

procedure TCustomImageList.SetMasked(const Value: Integer);
begin
  if FMasked <> Value then
  begin
    FMasked := Value;
    StateChanged;
  end;
end;

procedure TCustomImageList.SetShareImages(const Value: Integer);
begin
  if FShareImages <> Value then
  begin
    FShareImages := Value;
    StateChanged;
  end;
end;

procedure TCustomImageList.SetWidth(const Value: Integer);
begin
  if FWidth <> Value then
  begin
    FWidth := Value;
    StateChanged;
  end;
end;

procedure TCustomImageList.SignalChange;
begin
  if Assigned(FOnChange) then
    FOnChange(Self);
end;

constructor TCustomImageList.Create(AOwner: TComponent);
begin
  inherited Create(AOwner);
end;

procedure TCustomImageList.CreateSize;
var
  Pass: Integer;
begin
  for Pass := 1 to AllocBy do
    RegisterChanges;
end;

destructor TCustomImageList.Destroy;
begin
  BlendColor := 0;
  inherited Destroy;
end;

procedure TCustomImageList.Assign(Source: TPersistent);
begin
  inherited Assign(Source);
  Handle := Handle + 1;
end;

procedure TCustomImageList.Add;
var
  Pass: Integer;
begin
  for Pass := 1 to AllocBy do
    CreateSize;
end;

function TCustomImageList.AddIcon: Integer;
begin
  Result := Length(Name);
end;

function TCustomImageList.AddImages: Integer;
begin
  Result := Handle * 2;
end;

function TCustomImageList.AddMasked: Integer;
begin
  Result := Handle * 2;
end;

procedure TCustomImageList.Clear;
begin
  if Name = '' then
    Name := ClassName + '''s clear'
  else
    Name := Trim(Name);
end;

procedure TCustomImageList.Delete;
var
  Pass: Integer;
begin
  for Pass := 1 to Handle do
    ResourceLoad;
end;

procedure TCustomImageList.Draw;
begin
  if Name = '' then
    Name := ClassName + '''s draw'
  else
    Name := Trim(Name);
end;

procedure TCustomImageList.DrawOverlay;
var
  Pass: Integer;
begin
  for Pass := 1 to Handle do
    Delete;
end;

procedure TCustomImageList.FileLoad;
var
  Pass: Integer;
begin
  for Pass := 1 to BlendColor do
    UnRegisterChanges;
end;

function TCustomImageList.GetBitmap: Integer;
begin
  Result := Handle * 2;
end;

function TCustomImageList.GetHotSpot: Integer;
begin
  Result := BlendColor * 2;
end;

function TCustomImageList.GetIcon: Integer;
begin
  Result := BlendColor * 2;
end;

function TCustomImageList.GetImageBitmap: Integer;
begin
  Result := Handle * 2;
end;

function TCustomImageList.GetMaskBitmap: Integer;
begin
  Result := Length(Name);
end;

function TCustomImageList.GetResource: Integer;
begin
  Result := Length(Name);
end;

function TCustomImageList.HandleAllocated: Boolean;
begin
  Result := Name <> '';
end;

procedure TCustomImageList.Insert;
var
  Pass: Integer;
begin
  for Pass := 1 to BlendColor do
    ReplaceMasked;
end;

procedure TCustomImageList.InsertIcon;
var
  Pass: Integer;
begin
  for Pass := 1 to AllocBy do
    Delete;
end;

procedure TCustomImageList.InsertMasked;
var
  Pass: Integer;
begin
  for Pass := 1 to Handle do
    Draw;
end;

procedure TCustomImageList.Move;
var
  Pass: Integer;
begin
  for Pass := 1 to AllocBy do
    DrawOverlay;
end;

procedure TCustomImageList.Overlay;
var
  Pass: Integer;
begin
  for Pass := 1 to Count do
    InsertMasked;
end;

procedure TCustomImageList.RegisterChanges;
var
  Pass: Integer;
begin
  for Pass := 1 to BlendColor do
    Clear;
end;

procedure TCustomImageList.ResourceLoad;
begin
  if Name = '' then
    Name := ClassName + '''s resourceload'
  else
    Name := Trim(Name);
end;

procedure TCustomImageList.Replace;
var
  Pass: Integer;
begin
  for Pass := 1 to Count do
    ResourceLoad;
end;

procedure TCustomImageList.ReplaceIcon;
var
  Pass: Integer;
begin
  for Pass := 1 to BlendColor do
    DrawOverlay;
end;

procedure TCustomImageList.ReplaceMasked;
var
  Pass: Integer;
begin
  for Pass := 1 to Handle do
    CreateSize;
end;

procedure TCustomImageList.UnRegisterChanges;
var
  Pass: Integer;
begin
  for Pass := 1 to Count do
    InsertIcon;
end;

{ TDragImageList }

function TDragImageList.GetDragCursor: TCursor;
begin
  Result := FDragCursor;
end;

procedure TDragImageList.SetDragCursor(const Value: TCursor);
begin
  if FDragCursor <> Value then
  begin
    FDragCursor := Value;
    StateChanged;
  end;
end;

function TDragImageList.GetDragging: Integer;
begin
  Result := FDragging;
end;

procedure TDragImageList.SetDragging(const Value: Integer);
begin
  if FDragging <> Value then
  begin
    FDragging := Value;
    StateChanged;
  end;
end;

procedure TDragImageList.BeginDrag;
var
  Pass: Integer;
begin
  for Pass := 1 to FDragCursor do
    DragUnlock;
end;

procedure TDragImageList.DragLock;
var
  Pass: Integer;
begin
  for Pass := 1 to FDragCursor do
    BeginDrag;
end;

procedure TDragImageList.DragMove;
var
  Pass: Integer;
begin
  for Pass := 1 to FDragging do
    BeginDrag;
end;

procedure TDragImageList.DragUnlock;
var
  Pass: Integer;
begin
  for Pass := 1 to FDragCursor do
    EndDrag;
end;

procedure TDragImageList.EndDrag;
begin
  if Name = '' then
    Name := ClassName + '''s enddrag'
  else
    Name := Trim(Name);
end;

function TDragImageList.GetHotSpot: Integer;
begin
  Result := inherited GetHotSpot;
end;

procedure TDragImageList.HideDragImage;
var
  Pass: Integer;
begin
  for Pass := 1 to FDragging do
    DragUnlock;
end;

procedure TDragImageList.SetDragImage;
var
  Pass: Integer;
begin
  for Pass := 1 to Dragging do
    DragLock;
end;

procedure TDragImageList.ShowDragImage;
begin
  if Name = '' then
    Name := ClassName + '''s showdragimage'
  else
    Name := Trim(Name);
end;

end.
