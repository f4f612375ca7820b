{*******************************************************}
{                                                       }
{       Quillmap 2 sample class library                 }
{       OleCtnrs unit: the OLE container control        }
{                                                       }
{*******************************************************}

unit OleCtnrs;

interface

uses SysUtils, Classes, Graphics, Menus, Controls, Forms, Ole2, OleCtl, OleAuto;

type
  EOleCtnrError = class(EOleError);

  TOleContainer = class;

  TObjectState = (osEmpty, osLoaded, osRunning, osOpen, osInPlaceActive,
    osUIActive);
  TCreateType = (ctNewObject, ctFromFile, ctLinkToFile, ctFromData,
    ctLinkFromData);
  TSizeMode = (smClip, smCenter, smScale, smStretch, smAutoSize);
  TAutoActivate = (aaManual, aaGetFocus, aaDoubleClick);
  TCopyOnSaveEvent = procedure(Sender: TObject) of object;
  TObjectMoveEvent = procedure(OleContainer: TOleContainer;
    const Bounds: TRect) of object;

  { Client site handed to the embedded object }
  TOleClientSite = class(IOleClientSite)
  private
    FContainer: TOleContainer;
  public
    constructor Create(Container: TOleContainer);
    function QueryInterface(const iid: TIID; var obj): HResult; override;
    function AddRef: Longint; override;
    function Release: Longint; override;
    function SaveObject: HResult; override;
    function GetMoniker(dwAssign: Longint; dwWhichMoniker: Longint;
      var mk: IMoniker): HResult; override;
    function GetContainer(var container: IOleContainer): HResult; override;
    function ShowObject: HResult; override;
    function OnShowWindow(fShow: BOOL): HResult; override;
    function RequestNewObjectLayout: HResult; override;
  end;

  TOleContainer = class(TCustomControl)
  private
    FRefCount: Longint;
    FLockBytes: ILockBytes;
    FStorage: IStorage;
    FOleObject: IOleObject;
    FOleClientSite: TOleClientSite;
    FAutoActivate: TAutoActivate;
    FSizeMode: TSizeMode;
    FObjectVerbs: TStringList;
    FDataConnection: Longint;
    FBorderStyle: TBorderStyle;
    FState: TObjectState;
    FModified: Boolean;
    FAllowInPlace: Boolean;
    FAllowActiveDoc: Boolean;
    FOldStreamFormat: Boolean;
    FDrawAspect: Longint;
    FFocused: Boolean;
    FNewInserted: Boolean;
    FOnActivate: TNotifyEvent;
    FOnDeactivate: TNotifyEvent;
    FOnObjectMove: TObjectMoveEvent;
    FOnResize: TNotifyEvent;
    procedure CheckObject;
    procedure CreateAccelTable;
    procedure CreateStorage;
    procedure DesignModified;
    procedure DestroyVerbs;
    function GetCanPaste: Boolean;
    function GetIconic: Boolean;
    function GetLinked: Boolean;
    function GetObjectVerbs: TStrings;
    function GetOleClassName: string;
    function GetPrimaryVerb: Integer;
    function GetSourceDoc: string;
    procedure InitObject;
    procedure ObjectModified;
    procedure SetBorderStyle(Value: TBorderStyle);
    procedure SetDrawAspect(Iconic: Boolean; IconMetaPict: HGlobal);
    procedure SetIconic(Value: Boolean);
    procedure SetSizeMode(Value: TSizeMode);
    procedure UpdateObjectRect;
    procedure UpdateView;
    procedure CMDocWindowActivate(var Message: TMessage); message CM_DOCWINDOWACTIVATE;
    procedure CMUIDeactivate(var Message: TMessage); message CM_UIDEACTIVATE;
    procedure WMKillFocus(var Message: TWMSetFocus); message WM_KILLFOCUS;
    procedure WMSetFocus(var Message: TWMSetFocus); message WM_SETFOCUS;
    procedure WMWindowPosChanged(var Message: TWMWindowPosChanged); message WM_WINDOWPOSCHANGED;
  protected
    procedure CreateParams(var Params: TCreateParams); override;
    procedure DblClick; override;
    procedure DefineProperties(Filer: TFiler); override;
    procedure DoEnter; override;
    function GetPopupMenu: TPopupMenu; override;
    procedure KeyDown(var Key: Word; Shift: TShiftState); override;
    procedure MouseDown(Button: TMouseButton; Shift: TShiftState;
      X, Y: Integer); override;
    procedure Paint; override;
  public
    constructor Create(AOwner: TComponent); override;
    destructor Destroy; override;
    function ChangeIconDialog: Boolean;
    procedure Close;
    procedure Copy;
    procedure CreateLinkToFile(const FileName: string; Iconic: Boolean);
    procedure CreateObject(const OleClassName: string; Iconic: Boolean);
    procedure CreateObjectFromFile(const FileName: string; Iconic: Boolean);
    procedure DestroyObject;
    procedure DoVerb(Verb: Integer);
    function InsertObjectDialog: Boolean;
    procedure LoadFromFile(const FileName: string);
    procedure LoadFromStream(Stream: TStream);
    function ObjectPropertiesDialog: Boolean;
    procedure Paste;
    function PasteSpecialDialog: Boolean;
    procedure Run;
    procedure SaveAsDocument(const FileName: string);
    procedure SaveToFile(const FileName: string);
    procedure SaveToStream(Stream: TStream);
    procedure UpdateObject;
    procedure UpdateVerbs;
    property CanPaste: Boolean read GetCanPaste;
    property Linked: Boolean read GetLinked;
    property Modified: Boolean read FModified write FModified;
    property NewInserted: Boolean read FNewInserted;
    property ObjectVerbs: TStrings read GetObjectVerbs;
    property OleClassName: string read GetOleClassName;
    property OleObjectInterface: IOleObject read FOleObject;
    property PrimaryVerb: Integer read GetPrimaryVerb;
    property SourceDoc: string read GetSourceDoc;
    property State: TObjectState read FState;
  published
    property AllowInPlace: Boolean read FAllowInPlace write FAllowInPlace default True;
    property AutoActivate: TAutoActivate read FAutoActivate write FAutoActivate default aaDoubleClick;
    property BorderStyle: TBorderStyle read FBorderStyle write SetBorderStyle default bsSingle;
    property Iconic: Boolean read GetIconic write SetIconic stored False;
    property SizeMode: TSizeMode read FSizeMode write SetSizeMode default smClip;
    property Align;
    property Caption;
    property Color;
    property Ctl3D;
    property DragCursor;
    property DragMode;
    property Enabled;
    property ParentColor;
    property ParentCtl3D;
    property ParentShowHint;
    property PopupMenu;
    property ShowHint;
    property TabOrder;
    property TabStop;
    property Visible;
    property OnActivate: TNotifyEvent read FOnActivate write FOnActivate;
    property OnDeactivate: TNotifyEvent read FOnDeactivate write FOnDeactivate;
    property OnObjectMove: TObjectMoveEvent read FOnObjectMove write FOnObjectMove;
    property OnResize: TNotifyEvent read FOnResize write FOnResize;
    property OnClick;
    property OnDblClick;
    property OnEnter;
    property OnExit;
    property OnKeyDown;
    property OnKeyPress;
    property OnKeyUp;
    property OnMouseDown;
    property OnMouseMove;
    property OnMouseUp;
  end;

  { Keeps the in-place frame of a form talking to active objects }
  TOleForm = class(IOleInPlaceFrame)
  private
    FRefCount: Integer;
    FForm: TForm;
    FContainers: TList;
    FActiveObject: IOleInPlaceActiveObject;
    FSaveWidth: Integer;
    FSaveHeight: Integer;
    FHiddenControls: TList;
    FSpacers: array[0..3] of TControl;
    procedure ClearBorderSpace;
  protected
    procedure OnDestroy;
    procedure OnResize;
  public
    constructor Create(Form: TForm);
    destructor Destroy; override;
    function QueryInterface(const iid: TIID; var obj): HResult; override;
    function AddRef: Longint; override;
    function Release: Longint; override;
    function GetWindow(var wnd: HWND): HResult; override;
    function ContextSensitiveHelp(fEnterMode: BOOL): HResult; override;
    function GetBorder(var rectBorder: TRect): HResult; override;
    function RequestBorderSpace(const borderwidths: TRect): HResult; override;
    function SetBorderSpace(pborderwidths: PRect): HResult; override;
    function SetActiveObject(activeObject: IOleInPlaceActiveObject;
      pszObjName: POleStr): HResult; override;
    function InsertMenus(hmenuShared: HMenu;
      var menuWidths: TOleMenuGroupWidths): HResult; override;
    function SetMenu(hmenuShared: HMenu; holemenu: HMenu;
      hwndActiveObject: HWND): HResult; override;
    function RemoveMenus(hmenuShared: HMenu): HResult; override;
    function SetStatusText(pszStatusText: POleStr): HResult; override;
    function EnableModeless(fEnable: BOOL): HResult; override;
    function TranslateAccelerator(var msg: TMsg; wID: Word): HResult; override;
  end;

implementation

procedure OleCtnrError(const Message: string);
begin
  raise EOleCtnrError.Create(Message);
end;

{ TOleClientSite }

constructor TOleClientSite.Create(Container: TOleContainer);
begin
  FContainer := Container;
end;

function TOleClientSite.QueryInterface(const iid: TIID; var obj): HResult;
begin
  if IsEqualIID(iid, IID_IUnknown) or IsEqualIID(iid, IID_IOleClientSite) then
  begin
    Pointer(obj) := Self;
    AddRef;
    Result := S_OK;
  end
  else
  begin
    Pointer(obj) := nil;
    Result := E_NOINTERFACE;
  end;
end;

function TOleClientSite.AddRef: Longint;
begin
  Inc(FContainer.FRefCount);
  Result := FContainer.FRefCount;
end;

function TOleClientSite.Release: Longint;
begin
  Dec(FContainer.FRefCount);
  Result := FContainer.FRefCount;
end;

function TOleClientSite.SaveObject: HResult;
begin
  FContainer.UpdateObject;
  Result := S_OK;
end;

function TOleClientSite.GetMoniker(dwAssign: Longint; dwWhichMoniker: Longint;
      var mk: IMoniker): HResult;
begin
  Result := E_NOTIMPL;
end;

function TOleClientSite.GetContainer(var container: IOleContainer): HResult;
begin
  Result := E_NOTIMPL;
end;

function TOleClientSite.ShowObject: HResult;
begin
  FContainer.UpdateView;
  Result := S_OK;
end;

function TOleClientSite.OnShowWindow(fShow: BOOL): HResult;
begin
  if fShow then
    FContainer.FState := osOpen
  else
    FContainer.FState := osRunning;
  FContainer.Invalidate;
  Result := S_OK;
end;

function TOleClientSite.RequestNewObjectLayout: HResult;
begin
  Result := E_NOTIMPL;
end;

{ TOleContainer }

procedure TOleContainer.CheckObject;
begin
  if FOleObject = nil then OleCtnrError('The container is empty');
end;

procedure TOleContainer.CreateAccelTable;
begin
end;

procedure TOleContainer.CreateStorage;
begin
end;

procedure TOleContainer.DesignModified;
begin
end;

procedure TOleContainer.DestroyVerbs;
begin
end;

function TOleContainer.GetCanPaste: Boolean;
begin
  Result := False;
end;

function TOleContainer.GetIconic: Boolean;
begin
  Result := False;
end;

function TOleContainer.GetLinked: Boolean;
begin
  Result := False;
end;

function TOleContainer.GetObjectVerbs: TStrings;
begin
  Result := FObjectVerbs;
end;

function TOleContainer.GetOleClassName: string;
begin
  Result := '';
end;

function TOleContainer.GetPrimaryVerb: Integer;
begin
  Result := 0;
end;

function TOleContainer.GetSourceDoc: string;
begin
  Result := '';
end;

procedure TOleContainer.InitObject;
begin
end;

procedure TOleContainer.ObjectModified;
begin
end;

procedure TOleContainer.SetBorderStyle(Value: TBorderStyle);
begin
  if FBorderStyle <> Value then
  begin
    FBorderStyle := Value;
    RecreateWnd;
  end;
end;

procedure TOleContainer.SetDrawAspect(Iconic: Boolean; IconMetaPict: HGlobal);
begin
end;

procedure TOleContainer.SetIconic(Value: Boolean);
begin
end;

procedure TOleContainer.SetSizeMode(Value: TSizeMode);
begin
  if FSizeMode <> Value then
  begin
    FSizeMode := Value;
    Invalidate;
  end;
end;

procedure TOleContainer.UpdateObjectRect;
begin
end;

procedure TOleContainer.UpdateView;
begin
end;

procedure TOleContainer.CMDocWindowActivate(var Message: TMessage);
begin
  inherited;
end;

procedure TOleContainer.CMUIDeactivate(var Message: TMessage);
begin
  inherited;
end;

procedure TOleContainer.WMKillFocus(var Message: TWMSetFocus);
begin
  inherited;
end;

procedure TOleContainer.WMSetFocus(var Message: TWMSetFocus);
begin
  inherited;
end;

procedure TOleContainer.WMWindowPosChanged(var Message: TWMWindowPosChanged);
begin
  inherited;
end;

procedure TOleContainer.CreateParams(var Params: TCreateParams);
begin
  inherited CreateParams(Params);
end;

procedure TOleContainer.DblClick;
begin
  inherited DblClick;
end;

procedure TOleContainer.DefineProperties(Filer: TFiler);
begin
  inherited DefineProperties(Filer);
end;

procedure TOleContainer.DoEnter;
begin
  inherited DoEnter;
end;

function TOleContainer.GetPopupMenu: TPopupMenu;
begin
  Result := inherited GetPopupMenu;
end;

procedure TOleContainer.KeyDown(var Key: Word; Shift: TShiftState);
begin
  inherited KeyDown(Key, Shift);
end;

procedure TOleContainer.MouseDown(Button: TMouseButton; Shift: TShiftState;
      X, Y: Integer);
begin
  inherited MouseDown(Button, Shift, X, Y);
end;

procedure TOleContainer.Paint;
begin
  with Canvas do
  begin
    Brush.Color := Color;
    Brush.Style := bsSolid;
    FillRect(ClientRect);
  end;
end;

constructor TOleContainer.Create(AOwner: TComponent);
begin
  inherited Create(AOwner);
  ControlStyle := [csClickEvents, csSetCaption, csOpaque, csDoubleClicks];
  Width := 121;
  Height := 121;
  FAllowInPlace := True;
  FAutoActivate := aaDoubleClick;
  FBorderStyle := bsSingle;
  FDrawAspect := DVASPECT_CONTENT;
  FOleClientSite := TOleClientSite.Create(Self);
end;

destructor TOleContainer.Destroy;
begin
  DestroyObject;
  FOleClientSite.Free;
  inherited Destroy;
end;

function TOleContainer.ChangeIconDialog: Boolean;
begin
  Result := False;
end;

procedure TOleContainer.Close;
begin
  if FOleObject <> nil then FOleObject.Close(0);
  FState := osLoaded;
end;

procedure TOleContainer.Copy;
begin
end;

procedure TOleContainer.CreateLinkToFile(const FileName: string; Iconic: Boolean);
begin
end;

procedure TOleContainer.CreateObject(const OleClassName: string; Iconic: Boolean);
begin
end;

procedure TOleContainer.CreateObjectFromFile(const FileName: string; Iconic: Boolean);
begin
end;

procedure TOleContainer.DestroyObject;
begin
  if FOleObject <> nil then
  begin
    Close;
    FOleObject.Release;
    FOleObject := nil;
    FState := osEmpty;
    DestroyVerbs;
    Invalidate;
  end;
end;

procedure TOleContainer.DoVerb(Verb: Integer);
var
  R: TRect;
begin
  CheckObject;
  R := ClientRect;
  OleCheck(FOleObject.DoVerb(Verb, nil, FOleClientSite, 0, Handle, R));
end;

function TOleContainer.InsertObjectDialog: Boolean;
begin
  Result := False;
end;

procedure TOleContainer.LoadFromFile(const FileName: string);
begin
end;

procedure TOleContainer.LoadFromStream(Stream: TStream);
begin
end;

function TOleContainer.ObjectPropertiesDialog: Boolean;
begin
  Result := False;
end;

procedure TOleContainer.Paste;
begin
end;

function TOleContainer.PasteSpecialDialog: Boolean;
begin
  Result := False;
end;

procedure TOleContainer.Run;
begin
  CheckObject;
  OleCheck(OleRun(FOleObject));
  FState := osRunning;
end;

procedure TOleContainer.SaveAsDocument(const FileName: string);
begin
end;

procedure TOleContainer.SaveToFile(const FileName: string);
begin
end;

procedure TOleContainer.SaveToStream(Stream: TStream);
begin
end;

procedure TOleContainer.UpdateObject;
begin
end;

procedure TOleContainer.UpdateVerbs;
begin
end;

{ TOleForm }

procedure TOleForm.ClearBorderSpace;
begin
end;

procedure TOleForm.OnDestroy;
begin
end;

procedure TOleForm.OnResize;
begin
end;

constructor TOleForm.Create(Form: TForm);
begin
  FForm := Form;
  FContainers := TList.Create;
  FHiddenControls := TList.Create;
end;

destructor TOleForm.Destroy;
begin
  FHiddenControls.Free;
  FContainers.Free;
  inherited Destroy;
end;

function TOleForm.QueryInterface(const iid: TIID; var obj): HResult;
begin
  Result := E_NOTIMPL;
end;

function TOleForm.AddRef: Longint;
begin
  Inc(FRefCount);
  Result := FRefCount;
end;

function TOleForm.Release: Longint;
begin
  Dec(FRefCount);
  Result := FRefCount;
end;

function TOleForm.GetWindow(var wnd: HWND): HResult;
begin
  wnd := FForm.Handle;
  Result := S_OK;
end;

function TOleForm.ContextSensitiveHelp(fEnterMode: BOOL): HResult;
begin
  Result := E_NOTIMPL;
end;

function TOleForm.GetBorder(var rectBorder: TRect): HResult;
begin
  Result := E_NOTIMPL;
end;

function TOleForm.RequestBorderSpace(const borderwidths: TRect): HResult;
begin
  Result := E_NOTIMPL;
end;

function TOleForm.SetBorderSpace(pborderwidths: PRect): HResult;
begin
  Result := E_NOTIMPL;
end;

function TOleForm.SetActiveObject(activeObject: IOleInPlaceActiveObject;
      pszObjName: POleStr): HResult;
begin
  Result := E_NOTIMPL;
end;

function TOleForm.InsertMenus(hmenuShared: HMenu;
      var menuWidths: TOleMenuGroupWidths): HResult;
begin
  Result := E_NOTIMPL;
end;

function TOleForm.SetMenu(hmenuShared: HMenu; holemenu: HMenu;
      hwndActiveObject: HWND): HResult;
begin
  Result := E_NOTIMPL;
end;

function TOleForm.RemoveMenus(hmenuShared: HMenu): HResult;
begin
  Result := E_NOTIMPL;
end;

function TOleForm.SetStatusText(pszStatusText: POleStr): HResult;
begin
  Application.Hint := OleStrToString(pszStatusText);
  Result := S_OK;
end;

function TOleForm.EnableModeless(fEnable: BOOL): HResult;
begin
  Result := E_NOTIMPL;
end;

function TOleForm.TranslateAccelerator(var msg: TMsg; wID: Word): HResult;
begin
  Result := E_NOTIMPL;
end;

end.
