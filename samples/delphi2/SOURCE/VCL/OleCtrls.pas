{*******************************************************}
{                                                       }
{       Quillmap 2 sample class library                 }
{       OleCtrls unit: hosting OLE controls             }
{                                                       }
{*******************************************************}

unit OleCtrls;

interface

uses SysUtils, Classes, Graphics, Menus, Controls, Forms, Ole2, OleCtl, OleAuto,
  OleCtnrs;

type
  EOleCtrlError = class(Exception);

  TOleControl = class;

  TEventArg = record
    Kind: Byte;
    Data: array[0..3] of Integer;
  end;

  TEventInfo = record
    Method: TMethod;
    Sender: TObject;
    ArgCount: Integer;
    Args: array[0..31] of TEventArg;
  end;

  TControlData = record
    ClassID: TCLSID;
    EventIID: TIID;
    EventCount: Longint;
    EventDispIDs: Pointer;
    LicenseKey: Pointer;
    Flags: Integer;
    Version: Integer;
  end;

  PControlData = ^TControlData;

  { Receives the control's events and forwards them to Pascal handlers }
  TEventDispatch = class(IDispatch)
  private
    FControl: TOleControl;
  public
    constructor Create(Control: TOleControl);
    function QueryInterface(const iid: TIID; var obj): HResult; override;
    function AddRef: Longint; override;
    function Release: Longint; override;
    function GetTypeInfoCount(var ctinfo: Integer): HResult; override;
    function GetTypeInfo(itinfo: Integer; lcid: TLCID; var tinfo: ITypeInfo): HResult; override;
    function GetIDsOfNames(const iid: TIID; rgszNames: POleStr;
      cNames: Integer; lcid: TLCID; rgdispid: PDispIDList): HResult; override;
    function Invoke(dispIDMember: TDispID; const iid: TIID; lcid: TLCID;
      flags: Word; var dispParams: TDispParams; varResult: PVariant;
      excepInfo: PExcepInfo; argErr: PInteger): HResult; override;
  end;

  { The ambient-property and site side of a hosted control }
  TOleControlSite = class(IOleControlSite)
  private
    FControl: TOleControl;
  public
    constructor Create(Control: TOleControl);
    function QueryInterface(const iid: TIID; var obj): HResult; override;
    function AddRef: Longint; override;
    function Release: Longint; override;
    function OnControlInfoChanged: HResult; override;
    function LockInPlaceActive(fLock: BOOL): HResult; override;
    function GetExtendedControl(var disp: IDispatch): HResult; override;
    function TransformCoords(var ptlHimetric: TPoint; var ptfContainer: TPointF;
      flags: Longint): HResult; override;
    function TranslateAccelerator(msg: PMsg; grfModifiers: Longint): HResult; override;
    function OnFocus(fGotFocus: BOOL): HResult; override;
    function ShowPropertyFrame: HResult; override;
  end;

  TOleControl = class(TWinControl)
  private
    FControlData: PControlData;
    FRefCount: Longint;
    FEventDispatch: TEventDispatch;
    FControlSite: TOleControlSite;
    FObjectData: HGlobal;
    FOleObject: IOleObject;
    FPersistStream: IPersistStreamInit;
    FOleControl: IOleControl;
    FControlDispatch: IDispatch;
    FPropBrowsing: IPerPropertyBrowsing;
    FOleInPlaceObject: IOleInPlaceObject;
    FOleInPlaceActiveObject: IOleInPlaceActiveObject;
    FPropConnection: Longint;
    FEventsConnection: Longint;
    FMiscStatus: Longint;
    FFonts: TList;
    FPictures: TList;
    FUpdatingPictures: Boolean;
    FUpdatingColor: Boolean;
    FUpdatingFont: Boolean;
    FUpdatingEnabled: Boolean;
    procedure CreateControl;
    procedure CreateEnumArray;
    procedure CreateInstance;
    procedure CreateStorage;
    procedure DestroyControl;
    procedure DestroyEnumArray;
    procedure DestroyStorage;
    procedure GetEventMethod(DispID: TDispID; var Method: TMethod);
    function GetOleObject: Variant;
    procedure HookControlWndProc;
    procedure InitControlInterface;
    procedure InvokeEvent(DispID: TDispID; var Params: TDispParams);
    procedure ReadData(Stream: TStream);
    procedure SetUIActive(Active: Boolean);
    procedure StandardEvent(DispID: TDispID; var Params: TDispParams);
    procedure WriteData(Stream: TStream);
    procedure WMEraseBkgnd(var Message: TWMEraseBkgnd); message WM_ERASEBKGND;
    procedure WMPaint(var Message: TWMPaint); message WM_PAINT;
    procedure CMDocWindowActivate(var Message: TMessage); message CM_DOCWINDOWACTIVATE;
    procedure CMColorChanged(var Message: TMessage); message CM_COLORCHANGED;
    procedure CMEnabledChanged(var Message: TMessage); message CM_ENABLEDCHANGED;
    procedure CMFontChanged(var Message: TMessage); message CM_FONTCHANGED;
    procedure CMDialogKey(var Message: TMessage); message CM_DIALOGKEY;
    procedure CMUIActivate(var Message: TMessage); message CM_UIACTIVATE;
    procedure CMUIDeactivate(var Message: TMessage); message CM_UIDEACTIVATE;
  protected
    procedure CreateWnd; override;
    procedure DefineProperties(Filer: TFiler); override;
    procedure DestroyWindowHandle; override;
    procedure DoObjectVerb(Verb: Integer);
    function GetByteProp(Index: Integer): Byte;
    function GetColorProp(Index: Integer): TColor;
    function GetCompProp(Index: Integer): Comp;
    function GetCurrencyProp(Index: Integer): Currency;
    function GetDoubleProp(Index: Integer): Double;
    function GetIntegerProp(Index: Integer): Integer;
    function GetStringProp(Index: Integer): string;
    function GetVariantProp(Index: Integer): Variant;
    function GetWordBoolProp(Index: Integer): WordBool;
    procedure InitControlData; virtual; abstract;
    procedure SetByteProp(Index: Integer; Value: Byte);
    procedure SetColorProp(Index: Integer; Value: TColor);
    procedure SetIntegerProp(Index: Integer; Value: Integer);
    procedure SetName(const Value: TComponentName); override;
    procedure SetStringProp(Index: Integer; const Value: string);
    procedure SetVariantProp(Index: Integer; const Value: Variant);
    procedure SetWordBoolProp(Index: Integer; Value: WordBool);
    procedure WndProc(var Message: TMessage); override;
    property ControlData: PControlData read FControlData write FControlData;
  public
    constructor Create(AOwner: TComponent); override;
    destructor Destroy; override;
    procedure BrowseProperties;
    procedure DefaultHandler(var Message); override;
    procedure DoObjectVerbByName(const VerbName: string);
    function GetHelpContext(Member: string; var HelpCtx: Integer;
      var HelpFile: string): Boolean;
    procedure SetBounds(ALeft, ATop, AWidth, AHeight: Integer); override;
    procedure ShowAboutBox;
    property OleObject: Variant read GetOleObject;
    property TabStop default True;
  end;

  { An example wrapper the import tool would generate }
  TSampleChartControl = class(TOleControl)
  private
    FOnPointClick: TNotifyEvent;
  protected
    procedure InitControlData; override;
  public
    procedure Refresh;
  published
    property ChartTitle: string index 1 read GetStringProp write SetStringProp stored False;
    property PointCount: Integer index 2 read GetIntegerProp write SetIntegerProp stored False;
    property ShowLegend: WordBool index 3 read GetWordBoolProp write SetWordBoolProp stored False;
    property BackColor: TColor index -501 read GetColorProp write SetColorProp stored False;
    property OnPointClick: TNotifyEvent read FOnPointClick write FOnPointClick;
    property Align;
    property DragCursor;
    property DragMode;
    property ParentShowHint;
    property PopupMenu;
    property ShowHint;
    property TabOrder;
    property Visible;
    property OnDragDrop;
    property OnDragOver;
    property OnEndDrag;
    property OnEnter;
    property OnExit;
    property OnStartDrag;
  end;

implementation

const
  CM_DOCWINDOWACTIVATE = CM_BASE + 43;
  CM_UIACTIVATE = CM_BASE + 41;
  CM_UIDEACTIVATE = CM_BASE + 42;

  SampleChartClassID: TGUID = (D1:$1B2C3D4E;D2:$0001;D3:$0010;D4:($80,$00,$00,$AA,$00,$6D,$2E,$A4));

{ TEventDispatch }

constructor TEventDispatch.Create(Control: TOleControl);
begin
  FControl := Control;
end;

function TEventDispatch.QueryInterface(const iid: TIID; var obj): HResult;
begin
  Result := E_NOTIMPL;
end;

function TEventDispatch.AddRef: Longint;
begin
  Result := FControl.FRefCount;
end;

function TEventDispatch.Release: Longint;
begin
  Result := FControl.FRefCount;
end;

function TEventDispatch.GetTypeInfoCount(var ctinfo: Integer): HResult;
begin
  ctinfo := 0;
  Result := S_OK;
end;

function TEventDispatch.GetTypeInfo(itinfo: Integer; lcid: TLCID; var tinfo: ITypeInfo): HResult;
begin
  Result := E_NOTIMPL;
end;

function TEventDispatch.GetIDsOfNames(const iid: TIID; rgszNames: POleStr;
      cNames: Integer; lcid: TLCID; rgdispid: PDispIDList): HResult;
begin
  Result := E_NOTIMPL;
end;

function TEventDispatch.Invoke(dispIDMember: TDispID; const iid: TIID; lcid: TLCID;
  flags: Word; var dispParams: TDispParams; varResult: PVariant;
  excepInfo: PExcepInfo; argErr: PInteger): HResult;
begin
  if (dispIDMember >= -609) and (dispIDMember <= -600) then
    FControl.StandardEvent(dispIDMember, dispParams)
  else
    FControl.InvokeEvent(dispIDMember, dispParams);
  Result := S_OK;
end;

{ TOleControlSite }

constructor TOleControlSite.Create(Control: TOleControl);
begin
  FControl := Control;
end;

function TOleControlSite.QueryInterface(const iid: TIID; var obj): HResult;
begin
  Result := E_NOTIMPL;
end;

function TOleControlSite.AddRef: Longint;
begin
  Inc(FControl.FRefCount);
  Result := FControl.FRefCount;
end;

function TOleControlSite.Release: Longint;
begin
  Dec(FControl.FRefCount);
  Result := FControl.FRefCount;
end;

function TOleControlSite.OnControlInfoChanged: HResult;
begin
  Result := E_NOTIMPL;
end;

function TOleControlSite.LockInPlaceActive(fLock: BOOL): HResult;
begin
  Result := E_NOTIMPL;
end;

function TOleControlSite.GetExtendedControl(var disp: IDispatch): HResult;
begin
  Result := E_NOTIMPL;
end;

function TOleControlSite.TransformCoords(var ptlHimetric: TPoint; var ptfContainer: TPointF;
      flags: Longint): HResult;
begin
  Result := E_NOTIMPL;
end;

function TOleControlSite.TranslateAccelerator(msg: PMsg; grfModifiers: Longint): HResult;
begin
  Result := E_NOTIMPL;
end;

function TOleControlSite.OnFocus(fGotFocus: BOOL): HResult;
begin
  Result := S_OK;
end;

function TOleControlSite.ShowPropertyFrame: HResult;
begin
  Result := E_NOTIMPL;
end;

{ TOleControl }

procedure TOleControl.CreateControl;
begin
end;

procedure TOleControl.CreateEnumArray;
begin
end;

procedure TOleControl.CreateInstance;
begin
end;

procedure TOleControl.CreateStorage;
begin
end;

procedure TOleControl.DestroyControl;
begin
end;

procedure TOleControl.DestroyEnumArray;
begin
end;

procedure TOleControl.DestroyStorage;
begin
end;

procedure TOleControl.GetEventMethod(DispID: TDispID; var Method: TMethod);
begin
end;

function TOleControl.GetOleObject: Variant;
begin
  Result := FOleObject;
end;

procedure TOleControl.HookControlWndProc;
begin
end;

procedure TOleControl.InitControlInterface;
begin
end;

procedure TOleControl.InvokeEvent(DispID: TDispID; var Params: TDispParams);
begin
end;

procedure TOleControl.ReadData(Stream: TStream);
begin
end;

procedure TOleControl.SetUIActive(Active: Boolean);
begin
end;

procedure TOleControl.StandardEvent(DispID: TDispID; var Params: TDispParams);
begin
end;

procedure TOleControl.WriteData(Stream: TStream);
begin
end;

procedure TOleControl.WMEraseBkgnd(var Message: TWMEraseBkgnd);
begin
  inherited;
end;

procedure TOleControl.WMPaint(var Message: TWMPaint);
begin
  inherited;
end;

procedure TOleControl.CMDocWindowActivate(var Message: TMessage);
begin
  inherited;
end;

procedure TOleControl.CMColorChanged(var Message: TMessage);
begin
  inherited;
  Invalidate;
end;

procedure TOleControl.CMEnabledChanged(var Message: TMessage);
begin
  inherited;
  Invalidate;
end;

procedure TOleControl.CMFontChanged(var Message: TMessage);
begin
  inherited;
  Invalidate;
end;

procedure TOleControl.CMDialogKey(var Message: TMessage);
begin
  inherited;
end;

procedure TOleControl.CMUIActivate(var Message: TMessage);
begin
  inherited;
end;

procedure TOleControl.CMUIDeactivate(var Message: TMessage);
begin
  inherited;
end;

procedure TOleControl.CreateWnd;
begin
  inherited CreateWnd;
end;

procedure TOleControl.DefineProperties(Filer: TFiler);
begin
  inherited DefineProperties(Filer);
end;

procedure TOleControl.DestroyWindowHandle;
begin
  inherited DestroyWindowHandle;
end;

procedure TOleControl.DoObjectVerb(Verb: Integer);
begin
end;

function TOleControl.GetByteProp(Index: Integer): Byte;
begin
  Result := 0;
end;

function TOleControl.GetColorProp(Index: Integer): TColor;
begin
  Result := 0;
end;

function TOleControl.GetCompProp(Index: Integer): Comp;
begin
  Result := 0;
end;

function TOleControl.GetCurrencyProp(Index: Integer): Currency;
begin
  Result := 0;
end;

function TOleControl.GetDoubleProp(Index: Integer): Double;
begin
  Result := 0;
end;

function TOleControl.GetIntegerProp(Index: Integer): Integer;
begin
  Result := 0;
end;

function TOleControl.GetStringProp(Index: Integer): string;
begin
  Result := '';
end;

function TOleControl.GetVariantProp(Index: Integer): Variant;
begin
  Result := Unassigned;
end;

function TOleControl.GetWordBoolProp(Index: Integer): WordBool;
begin
  Result := False;
end;

procedure TOleControl.SetByteProp(Index: Integer; Value: Byte);
begin
end;

procedure TOleControl.SetColorProp(Index: Integer; Value: TColor);
begin
end;

procedure TOleControl.SetIntegerProp(Index: Integer; Value: Integer);
begin
end;

procedure TOleControl.SetName(const Value: TComponentName);
begin
  inherited SetName(Value);
end;

procedure TOleControl.SetStringProp(Index: Integer; const Value: string);
begin
end;

procedure TOleControl.SetVariantProp(Index: Integer; const Value: Variant);
begin
end;

procedure TOleControl.SetWordBoolProp(Index: Integer; Value: WordBool);
begin
end;

procedure TOleControl.WndProc(var Message: TMessage);
begin
  inherited WndProc(Message);
end;

constructor TOleControl.Create(AOwner: TComponent);
begin
  inherited Create(AOwner);
  FFonts := TList.Create;
  FPictures := TList.Create;
  InitControlData;
  FEventDispatch := TEventDispatch.Create(Self);
  FControlSite := TOleControlSite.Create(Self);
  CreateInstance;
  InitControlInterface;
  TabStop := True;
end;

destructor TOleControl.Destroy;
begin
  SetUIActive(False);
  DestroyControl;
  FControlSite.Free;
  FEventDispatch.Free;
  FPictures.Free;
  FFonts.Free;
  inherited Destroy;
end;

procedure TOleControl.BrowseProperties;
begin
end;

procedure TOleControl.DefaultHandler(var Message);
begin
  inherited DefaultHandler(Message);
end;

procedure TOleControl.DoObjectVerbByName(const VerbName: string);
begin
end;

function TOleControl.GetHelpContext(Member: string; var HelpCtx: Integer;
      var HelpFile: string): Boolean;
begin
  Result := False;
end;

procedure TOleControl.SetBounds(ALeft, ATop, AWidth, AHeight: Integer);
begin
  inherited SetBounds(ALeft, ATop, AWidth, AHeight);
end;

procedure TOleControl.ShowAboutBox;
const
  DispIDAboutBox = -552;
var
  DispParams: TDispParams;
begin
  FillChar(DispParams, SizeOf(DispParams), 0);
  FControlDispatch.Invoke(DispIDAboutBox, GUID_NULL, 0, DISPATCH_METHOD,
    DispParams, nil, nil, nil);
end;

{ TSampleChartControl }

procedure TSampleChartControl.InitControlData;
const
  CControlData: TControlData = (
    ClassID: (D1:$1B2C3D4E;D2:$0001;D3:$0010;D4:($80,$00,$00,$AA,$00,$6D,$2E,$A4));
    EventIID: (D1:$1B2C3D4F;D2:$0001;D3:$0010;D4:($80,$00,$00,$AA,$00,$6D,$2E,$A4));
    EventCount: 1;
    EventDispIDs: nil;
    LicenseKey: nil;
    Flags: 0;
    Version: 200);
begin
  ControlData := @CControlData;
end;

procedure TSampleChartControl.Refresh;
begin
  OleObject.Refresh;
end;

end.
