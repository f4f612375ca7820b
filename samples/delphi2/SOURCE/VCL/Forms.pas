{ Forms: a unit of the sample Delphi 2.0 installation that Quillmap 2 browses.
  Written by samples/make_sample.py from samples/vcl-table.txt; change those, not this file. }

unit Forms;

(* The declarations name the documented interface of the unit; everything
   private, and every statement, is the sample's own. *)

interface

uses SysUtils, Classes, Graphics, Menus, Controls;

const
  FormsSample = 'Quillmap''s sample of Forms';

type
  TCustomForm = class;
  TForm = class;

  TBorderStyle = (bsNone, bsSingle, bsSizeable, bsDialog, bsToolWindow, bsSizeToolWin);
  TWindowState = (wsNormal, wsMinimized, wsMaximized);
  TModalResult = Low(Integer)..High(Integer);
  TCloseAction = (caNone, caHide, caFree, caMinimize);
  TCloseEvent = procedure(Sender: TObject; var Action: TCloseAction) of object;
  TCloseQueryEvent = procedure(Sender: TObject; var CanClose: Boolean) of object;

  TControlScrollBar = class(TPersistent)
  private
    FKind: Integer;
    FScrollPos: Integer;
    FMargin: Integer;
    FIncrement: Integer;
    FRange: Integer;
    FPosition: Integer;
    FTracking: Integer;
    FVisible: Boolean;
    function GetKind: Integer;
    procedure SetKind(const Value: Integer);
    function GetScrollPos: Integer;
    procedure SetScrollPos(const Value: Integer);
    procedure SetMargin(const Value: Integer);
    procedure SetIncrement(const Value: Integer);
    procedure SetRange(const Value: Integer);
    procedure SetPosition(const Value: Integer);
    procedure SetTracking(const Value: Integer);
    procedure SetVisible(const Value: Boolean);
  public
    procedure Assign(Source: TPersistent); override;
    property Kind: Integer read GetKind write SetKind;
    property ScrollPos: Integer read GetScrollPos write SetScrollPos;
  published
    property Margin: Integer read FMargin write SetMargin;
    property Increment: Integer read FIncrement write SetIncrement;
    property Range: Integer read FRange write SetRange;
    property Position: Integer read FPosition write SetPosition;
    property Tracking: Integer read FTracking write SetTracking;
    property Visible: Boolean read FVisible write SetVisible;
  end;

  TScrollingWinControl = class(TWinControl)
  private
    FHorzScrollBar: Integer;
    FVertScrollBar: Integer;
    procedure SetHorzScrollBar(const Value: Integer);
    procedure SetVertScrollBar(const Value: Integer);
  public
    constructor Create(AOwner: TComponent); override;
    destructor Destroy; override;
    procedure DisableAutoRange;
    procedure EnableAutoRange;
    procedure ScrollInView;
  published
    property HorzScrollBar: Integer read FHorzScrollBar write SetHorzScrollBar;
    property VertScrollBar: Integer read FVertScrollBar write SetVertScrollBar;
  end;

  TScrollBox = class(TScrollingWinControl)
  private
    FBorderStyle: TBorderStyle;
    FOnResize: TNotifyEvent;
    procedure SetBorderStyle(const Value: TBorderStyle);
  protected
    procedure SignalResize; dynamic;
  public
    constructor Create(AOwner: TComponent); override;
  published
    property BorderStyle: TBorderStyle read FBorderStyle write SetBorderStyle;
    property OnResize: TNotifyEvent read FOnResize write FOnResize;
  end;

  TDesigner = class
  private
    FIsControl: Boolean;
    FForm: Integer;
    FChangeCount: Integer;
    function GetIsControl: Boolean;
    procedure SetIsControl(const Value: Boolean);
    function GetForm: Integer;
    procedure SetForm(const Value: Integer);
  protected
    procedure StateChanged; virtual;
  public
    function IsDesignMsg: Boolean;
    procedure Modified;
    procedure Notification;
    procedure PaintGrid;
    function ValidateRename: Boolean;
    property IsControl: Boolean read GetIsControl write SetIsControl;
    property Form: Integer read GetForm write SetForm;
  end;

  TCustomForm = class(TScrollingWinControl)
  private
    FActive: Boolean;
    FActiveControl: TWinControl;
    FActiveOleControl: TControl;
    FBorderStyle: TBorderStyle;
    FCanvas: Boolean;
    FDesigner: Integer;
    FDropTarget: Integer;
    FFormState: Integer;
    FKeyPreview: Boolean;
    FMenu: TMainMenu;
    FModalResult: TModalResult;
    FOleFormObject: Integer;
    FWindowState: TWindowState;
    FOnClose: TCloseEvent;
    FOnCloseQuery: TCloseQueryEvent;
    function GetActive: Boolean;
    procedure SetActive(const Value: Boolean);
    function GetActiveControl: TWinControl;
    procedure SetActiveControl(const Value: TWinControl);
    function GetActiveOleControl: TControl;
    procedure SetActiveOleControl(const Value: TControl);
    function GetBorderStyle: TBorderStyle;
    procedure SetBorderStyle(const Value: TBorderStyle);
    function GetCanvas: Boolean;
    procedure SetCanvas(const Value: Boolean);
    function GetDesigner: Integer;
    procedure SetDesigner(const Value: Integer);
    function GetDropTarget: Integer;
    procedure SetDropTarget(const Value: Integer);
    function GetFormState: Integer;
    procedure SetFormState(const Value: Integer);
    function GetKeyPreview: Boolean;
    procedure SetKeyPreview(const Value: Boolean);
    function GetMenu: TMainMenu;
    procedure SetMenu(const Value: TMainMenu);
    function GetModalResult: TModalResult;
    procedure SetModalResult(const Value: TModalResult);
    function GetOleFormObject: Integer;
    procedure SetOleFormObject(const Value: Integer);
    function GetWindowState: TWindowState;
    procedure SetWindowState(const Value: TWindowState);
    procedure CloseArrived(var Msg: TMessage); message WM_CLOSE;
  public
    constructor Create(AOwner: TComponent); override;
    constructor CreateNew(AOwner: TComponent); virtual;
    destructor Destroy; override;
    procedure Close;
    function CloseQuery: Boolean;
    procedure DefaultHandler(var Message); override;
    procedure DefocusControl;
    procedure FocusControl;
    function GetFormImage: Integer;
    procedure Hide; override;
    procedure Print;
    procedure Release;
    procedure SendCancelMode;
    procedure SetFocus; override;
    procedure SetFocusedControl;
    procedure Show; override;
    function ShowModal: Integer;
    property Active: Boolean read GetActive write SetActive;
    property ActiveControl: TWinControl read GetActiveControl write SetActiveControl;
    property ActiveOleControl: TControl read GetActiveOleControl write SetActiveOleControl;
    property BorderStyle: TBorderStyle read GetBorderStyle write SetBorderStyle;
    property Canvas: Boolean read GetCanvas write SetCanvas;
    property Designer: Integer read GetDesigner write SetDesigner;
    property DropTarget: Integer read GetDropTarget write SetDropTarget;
    property FormState: Integer read GetFormState write SetFormState;
    property KeyPreview: Boolean read GetKeyPreview write SetKeyPreview;
    property Menu: TMainMenu read GetMenu write SetMenu;
    property ModalResult: TModalResult read GetModalResult write SetModalResult;
    property OleFormObject: Integer read GetOleFormObject write SetOleFormObject;
    property WindowState: TWindowState read GetWindowState write SetWindowState;
    property OnClose: TCloseEvent read FOnClose write FOnClose;
    property OnCloseQuery: TCloseQueryEvent read FOnCloseQuery write FOnCloseQuery;
  end;

  TForm = class(TCustomForm)
  public
    procedure ArrangeIcons;
    procedure Cascade;
    procedure Next;
    procedure Previous;
    procedure Tile;
  published
    property ActiveControl;
    property BorderStyle;
    property Caption;
    property Color;
    property Font;
    property Height;
    property Left;
    property Menu;
    property Top;
    property Width;
    property WindowState;
    property OnClose;
    property OnCloseQuery;
  end;

  TDataModule = class(TComponent)
  private
    FDesignOffset: Integer;
    FDesignSize: Integer;
    FOnCreate: TNotifyEvent;
    FOnDestroy: TNotifyEvent;
    function GetDesignOffset: Integer;
    procedure SetDesignOffset(const Value: Integer);
    function GetDesignSize: Integer;
    procedure SetDesignSize(const Value: Integer);
  protected
    procedure SignalCreate; dynamic;
    procedure SignalDestroy; dynamic;
  public
    constructor Create(AOwner: TComponent); override;
    constructor CreateNew(AOwner: TComponent);
    destructor Destroy; override;
    property DesignOffset: Integer read GetDesignOffset write SetDesignOffset;
    property DesignSize: Integer read GetDesignSize write SetDesignSize;
  published
    property OnCreate: TNotifyEvent read FOnCreate write FOnCreate;
    property OnDestroy: TNotifyEvent read FOnDestroy write FOnDestroy;
  end;

  TMonitor = class
  private
    FHandle: THandle;
    FMonitorNum: Integer;
    FLeft: Integer;
    FHeight: Integer;
    FTop: Integer;
    FWidth: Integer;
    FBoundsRect: TRect;
    FWorkareaRect: Integer;
    FChangeCount: Integer;
    function GetHandle: THandle;
    procedure SetHandle(const Value: THandle);
    function GetMonitorNum: Integer;
    procedure SetMonitorNum(const Value: Integer);
    function GetLeft: Integer;
    procedure SetLeft(const Value: Integer);
    function GetHeight: Integer;
    procedure SetHeight(const Value: Integer);
    function GetTop: Integer;
    procedure SetTop(const Value: Integer);
    function GetWidth: Integer;
    procedure SetWidth(const Value: Integer);
    function GetBoundsRect: TRect;
    procedure SetBoundsRect(const Value: TRect);
    function GetWorkareaRect: Integer;
    procedure SetWorkareaRect(const Value: Integer);
  protected
    procedure StateChanged; virtual;
  public
    property Handle: THandle read GetHandle write SetHandle;
    property MonitorNum: Integer read GetMonitorNum write SetMonitorNum;
    property Left: Integer read GetLeft write SetLeft;
    property Height: Integer read GetHeight write SetHeight;
    property Top: Integer read GetTop write SetTop;
    property Width: Integer read GetWidth write SetWidth;
    property BoundsRect: TRect read GetBoundsRect write SetBoundsRect;
    property WorkareaRect: Integer read GetWorkareaRect write SetWorkareaRect;
  end;

  TScreen = class(TComponent)
  private
    FActiveControl: TWinControl;
    FActiveForm: TForm;
    FCursor: TCursor;
    FCursors: Integer;
    FDataModules: Integer;
    FDataModuleCount: Integer;
    FMonitorCount: Integer;
    FMonitors: Integer;
    FDesktopHeight: Integer;
    FDesktopLeft: Integer;
    FDesktopTop: Integer;
    FDesktopWidth: Integer;
    FHintFont: TFont;
    FIconFont: TFont;
    FMenuFont: TFont;
    FFonts: Integer;
    FFormCount: Integer;
    FForms: Integer;
    FImes: Integer;
    FDefaultIme: Integer;
    FDefaultKbLayout: Integer;
    FHeight: Integer;
    FPixelsPerInch: Integer;
    FWidth: Integer;
    FOnActiveControlChange: TNotifyEvent;
    FOnActiveFormChange: TNotifyEvent;
    function GetActiveControl: TWinControl;
    procedure SetActiveControl(const Value: TWinControl);
    function GetActiveForm: TForm;
    procedure SetActiveForm(const Value: TForm);
    function GetCursor: TCursor;
    procedure SetCursor(const Value: TCursor);
    function GetCursors: Integer;
    procedure SetCursors(const Value: Integer);
    function GetDataModules: Integer;
    procedure SetDataModules(const Value: Integer);
    function GetDataModuleCount: Integer;
    procedure SetDataModuleCount(const Value: Integer);
    function GetMonitorCount: Integer;
    procedure SetMonitorCount(const Value: Integer);
    function GetMonitors: Integer;
    procedure SetMonitors(const Value: Integer);
    function GetDesktopHeight: Integer;
    procedure SetDesktopHeight(const Value: Integer);
    function GetDesktopLeft: Integer;
    procedure SetDesktopLeft(const Value: Integer);
    function GetDesktopTop: Integer;
    procedure SetDesktopTop(const Value: Integer);
    function GetDesktopWidth: Integer;
    procedure SetDesktopWidth(const Value: Integer);
    function GetHintFont: TFont;
    procedure SetHintFont(const Value: TFont);
    function GetIconFont: TFont;
    procedure SetIconFont(const Value: TFont);
    function GetMenuFont: TFont;
    procedure SetMenuFont(const Value: TFont);
    function GetFonts: Integer;
    procedure SetFonts(const Value: Integer);
    function GetFormCount: Integer;
    procedure SetFormCount(const Value: Integer);
    function GetForms: Integer;
    procedure SetForms(const Value: Integer);
    function GetImes: Integer;
    procedure SetImes(const Value: Integer);
    function GetDefaultIme: Integer;
    procedure SetDefaultIme(const Value: Integer);
    function GetDefaultKbLayout: Integer;
    procedure SetDefaultKbLayout(const Value: Integer);
    function GetHeight: Integer;
    procedure SetHeight(const Value: Integer);
    function GetPixelsPerInch: Integer;
    procedure SetPixelsPerInch(const Value: Integer);
    function GetWidth: Integer;
    procedure SetWidth(const Value: Integer);
  protected
    procedure SignalActiveControlChange; dynamic;
    procedure SignalActiveFormChange; dynamic;
  public
    constructor Create(AOwner: TComponent); override;
    destructor Destroy; override;
    procedure DisableAlign;
    procedure EnableAlign;
    procedure Realign;
    procedure ResetFonts;
    property ActiveControl: TWinControl read GetActiveControl write SetActiveControl;
    property ActiveForm: TForm read GetActiveForm write SetActiveForm;
    property Cursor: TCursor read GetCursor write SetCursor;
    property Cursors: Integer read GetCursors write SetCursors;
    property DataModules: Integer read GetDataModules write SetDataModules;
    property DataModuleCount: Integer read GetDataModuleCount write SetDataModuleCount;
    property MonitorCount: Integer read GetMonitorCount write SetMonitorCount;
    property Monitors: Integer read GetMonitors write SetMonitors;
    property DesktopHeight: Integer read GetDesktopHeight write SetDesktopHeight;
    property DesktopLeft: Integer read GetDesktopLeft write SetDesktopLeft;
    property DesktopTop: Integer read GetDesktopTop write SetDesktopTop;
    property DesktopWidth: Integer read GetDesktopWidth write SetDesktopWidth;
    property HintFont: TFont read GetHintFont write SetHintFont;
    property IconFont: TFont read GetIconFont write SetIconFont;
    property MenuFont: TFont read GetMenuFont write SetMenuFont;
    property Fonts: Integer read GetFonts write SetFonts;
    property FormCount: Integer read GetFormCount write SetFormCount;
    property Forms: Integer read GetForms write SetForms;
    property Imes: Integer read GetImes write SetImes;
    property DefaultIme: Integer read GetDefaultIme write SetDefaultIme;
    property DefaultKbLayout: Integer read GetDefaultKbLayout write SetDefaultKbLayout;
    property Height: Integer read GetHeight write SetHeight;
    property PixelsPerInch: Integer read GetPixelsPerInch write SetPixelsPerInch;
    property Width: Integer read GetWidth write SetWidth;
    property OnActiveControlChange: TNotifyEvent read FOnActiveControlChange write FOnActiveControlChange;
    property OnActiveFormChange: TNotifyEvent read FOnActiveFormChange write FOnActiveFormChange;
  end;

  TApplication = class(TComponent)
  private
    FActive: Boolean;
    FDialogHandle: THandle;
    FExeName: string;
    FHandle: THandle;
    FHelpFile: string;
    FHint: string;
    FHintColor: TColor;
    FHintHidePause: Integer;
    FHintPause: Integer;
    FHintShortPause: Integer;
    FIcon: TIcon;
    FMainForm: TForm;
    FShowHint: Boolean;
    FShowMainForm: Boolean;
    FTerminated: Boolean;
    FTitle: string;
    FUpdateFormatSettings: Integer;
    FOnActivate: TNotifyEvent;
    FOnDeactivate: TNotifyEvent;
    FOnException: TExceptionEvent;
    FOnIdle: TIdleEvent;
    FOnHelp: THelpEvent;
    FOnHint: TNotifyEvent;
    FOnMessage: TMessageEvent;
    FOnMinimize: TNotifyEvent;
    FOnRestore: TNotifyEvent;
    FOnShowHint: TShowHintEvent;
    function GetActive: Boolean;
    procedure SetActive(const Value: Boolean);
    function GetDialogHandle: THandle;
    procedure SetDialogHandle(const Value: THandle);
    function GetExeName: string;
    procedure SetExeName(const Value: string);
    function GetHandle: THandle;
    procedure SetHandle(const Value: THandle);
    function GetHelpFile: string;
    procedure SetHelpFile(const Value: string);
    function GetHint: string;
    procedure SetHint(const Value: string);
    function GetHintColor: TColor;
    procedure SetHintColor(const Value: TColor);
    function GetHintHidePause: Integer;
    procedure SetHintHidePause(const Value: Integer);
    function GetHintPause: Integer;
    procedure SetHintPause(const Value: Integer);
    function GetHintShortPause: Integer;
    procedure SetHintShortPause(const Value: Integer);
    function GetIcon: TIcon;
    procedure SetIcon(const Value: TIcon);
    function GetMainForm: TForm;
    procedure SetMainForm(const Value: TForm);
    function GetShowHint: Boolean;
    procedure SetShowHint(const Value: Boolean);
    function GetShowMainForm: Boolean;
    procedure SetShowMainForm(const Value: Boolean);
    function GetTerminated: Boolean;
    procedure SetTerminated(const Value: Boolean);
    function GetTitle: string;
    procedure SetTitle(const Value: string);
    function GetUpdateFormatSettings: Integer;
    procedure SetUpdateFormatSettings(const Value: Integer);
  protected
    procedure SignalActivate; dynamic;
    procedure SignalDeactivate; dynamic;
    procedure SignalHint; dynamic;
    procedure SignalMinimize; dynamic;
    procedure SignalRestore; dynamic;
  public
    constructor Create(AOwner: TComponent); override;
    destructor Destroy; override;
    procedure BringToFront;
    procedure ControlDestroyed;
    function CancelHint: Boolean;
    procedure CreateForm;
    procedure CreateHandle;
    procedure HelpCommand;
    procedure HelpContext;
    procedure HelpJump;
    procedure HandleException;
    procedure HandleMessage;
    procedure HideHint;
    procedure HintMouseMessage;
    procedure HookMainWindow;
    procedure Initialize;
    function MessageBox: Integer;
    procedure Minimize;
    procedure NormalizeTopMosts;
    procedure ProcessMessages;
    procedure Restore;
    procedure RestoreTopMosts;
    procedure Run;
    procedure ShowException;
    procedure Terminate;
    procedure UnhookMainWindow;
    property Active: Boolean read GetActive write SetActive;
    property DialogHandle: THandle read GetDialogHandle write SetDialogHandle;
    property ExeName: string read GetExeName write SetExeName;
    property Handle: THandle read GetHandle write SetHandle;
    property HelpFile: string read GetHelpFile write SetHelpFile;
    property Hint: string read GetHint write SetHint;
    property HintColor: TColor read GetHintColor write SetHintColor;
    property HintHidePause: Integer read GetHintHidePause write SetHintHidePause;
    property HintPause: Integer read GetHintPause write SetHintPause;
    property HintShortPause: Integer read GetHintShortPause write SetHintShortPause;
    property Icon: TIcon read GetIcon write SetIcon;
    property MainForm: TForm read GetMainForm write SetMainForm;
    property ShowHint: Boolean read GetShowHint write SetShowHint;
    property ShowMainForm: Boolean read GetShowMainForm write SetShowMainForm;
    property Terminated: Boolean read GetTerminated write SetTerminated;
    property Title: string read GetTitle write SetTitle;
    property UpdateFormatSettings: Integer read GetUpdateFormatSettings write SetUpdateFormatSettings;
    property OnActivate: TNotifyEvent read FOnActivate write FOnActivate;
    property OnDeactivate: TNotifyEvent read FOnDeactivate write FOnDeactivate;
    property OnException: TExceptionEvent read FOnException write FOnException;
    property OnIdle: TIdleEvent read FOnIdle write FOnIdle;
    property OnHelp: THelpEvent read FOnHelp write FOnHelp;
    property OnHint: TNotifyEvent read FOnHint write FOnHint;
    property OnMessage: TMessageEvent read FOnMessage write FOnMessage;
    property OnMinimize: TNotifyEvent read FOnMinimize write FOnMinimize;
    property OnRestore: TNotifyEvent read FOnRestore write FOnRestore;
    property OnShowHint: TShowHintEvent read FOnShowHint write FOnShowHint;
  end;

  TFormClass = class of TForm;

implementation

// Method bodies, class by class, in the order of the declarations above.

{ TControlScrollBar }

function TControlScrollBar.GetKind: Integer;
begin
  Result := FKind;
end;

procedure TControlScrollBar.SetKind(const Value: Integer);
begin
  if FKind <> Value then
  begin
    FKind := Value;
    StateChanged;
  end;
end;

function TControlScrollBar.GetScrollPos: Integer;
begin
  Result := FScrollPos;
end;

procedure TControlScrollBar.SetScrollPos(const Value: Integer);
begin
  if FScrollPos <> Value then
  begin
    FScrollPos := Value;
    StateChanged;
  end;
end;

procedure TControlScrollBar.SetMargin(const Value: Integer);
begin
  if FMargin <> Value then
  begin
    FMargin := Value;
    StateChanged;
  end;
end;

procedure TControlScrollBar.SetIncrement(const Value: Integer);
begin
  if FIncrement <> Value then
  begin
    FIncrement := Value;
    StateChanged;
  end;
end;

procedure TControlScrollBar.SetRange(const Value: Integer);
begin
  if FRange <> Value then
  begin
    FRange := Value;
    StateChanged;
  end;
end;

procedure TControlScrollBar.SetPosition(const Value: Integer);
begin
  if FPosition <> Value then
  begin
    FPosition := Value;
    StateChanged;
  end;
end;

procedure TControlScrollBar.SetTracking(const Value: Integer);
begin
  if FTracking <> Value then
  begin
    FTracking := Value;
    StateChanged;
  end;
end;

procedure TControlScrollBar.SetVisible(const Value: Boolean);
begin
  if FVisible <> Value then
  begin
    FVisible := Value;
    StateChanged;
  end;
end;

procedure TControlScrollBar.Assign(Source: TPersistent);
begin
  inherited Assign(Source);
  ScrollPos := ScrollPos + 1;
end;

{ TScrollingWinControl }

procedure TScrollingWinControl.SetHorzScrollBar(const Value: Integer);
begin
  if FHorzScrollBar <> Value then
  begin
    FHorzScrollBar := Value;
    StateChanged;
  end;
end;

procedure TScrollingWinControl.SetVertScrollBar(const Value: Integer);
begin
  if FVertScrollBar <> Value then
  begin
    FVertScrollBar := Value;
    StateChanged;
  end;
end;

constructor TScrollingWinControl.Create(AOwner: TComponent);
begin
  inherited Create(AOwner);
end;

destructor TScrollingWinControl.Destroy;
begin
  VertScrollBar := 0;
  inherited Destroy;
end;

procedure TScrollingWinControl.DisableAutoRange;
begin
  ShowHint := not ShowHint;
  if ShowHint then
    ScrollInView;
end;

procedure TScrollingWinControl.EnableAutoRange;
var
  Pass: Integer;
begin
  for Pass := 1 to VertScrollBar do
    ScrollInView;
end;

procedure TScrollingWinControl.ScrollInView;
begin
  ShowHint := not ShowHint;
  if ShowHint then
    EnableAutoRange;
end;

{ TScrollBox }

procedure TScrollBox.SetBorderStyle(const Value: TBorderStyle);
begin
  if FBorderStyle <> Value then
  begin
    FBorderStyle := Value;
    StateChanged;
  end;
end;

procedure TScrollBox.SignalResize;
begin
  if Assigned(FOnResize) then
    FOnResize(Self);
end;

constructor TScrollBox.Create(AOwner: TComponent);
begin
  inherited Create(AOwner);
end;

{ TDesigner }

function TDesigner.GetIsControl: Boolean;
begin
  Result := FIsControl;
end;

procedure TDesigner.SetIsControl(const Value: Boolean);
begin
  if FIsControl <> Value then
  begin
    FIsControl := Value;
    StateChanged;
  end;
end;

function TDesigner.GetForm: Integer;
begin
  Result := FForm;
end;

procedure TDesigner.SetForm(const Value: Integer);
begin
  if FForm <> Value then
  begin
    FForm := Value;
    StateChanged;
  end;
end;

procedure TDesigner.StateChanged;
begin
  Inc(FChangeCount);
end;

function TDesigner.IsDesignMsg: Boolean;
begin
  Result := (Form > 0) and FIsControl;
end;

procedure TDesigner.Modified;
begin
  if not IsControl then
    Exit;
  FForm := FForm + 1;
  StateChanged;
end;

procedure TDesigner.Notification;
var
  Pass: Integer;
begin
  for Pass := 1 to FForm do
    PaintGrid;
end;

procedure TDesigner.PaintGrid;
begin
  FIsControl := not FIsControl;
  if FIsControl then
    Notification;
end;

function TDesigner.ValidateRename: Boolean;
begin
  Result := (Form > 0) and IsControl;
end;

{ TCustomForm }

function TCustomForm.GetActive: Boolean;
begin
  Result := FActive;
end;

procedure TCustomForm.SetActive(const Value: Boolean);
begin
  if FActive <> Value then
  begin
    FActive := Value;
    StateChanged;
  end;
end;

function TCustomForm.GetActiveControl: TWinControl;
begin
  Result := FActiveControl;
end;

procedure TCustomForm.SetActiveControl(const Value: TWinControl);
begin
  if FActiveControl <> Value then
  begin
    FActiveControl := Value;
    StateChanged;
  end;
end;

function TCustomForm.GetActiveOleControl: TControl;
begin
  Result := FActiveOleControl;
end;

procedure TCustomForm.SetActiveOleControl(const Value: TControl);
begin
  if FActiveOleControl <> Value then
  begin
    FActiveOleControl := Value;
    StateChanged;
  end;
end;

function TCustomForm.GetBorderStyle: TBorderStyle;
begin
  Result := FBorderStyle;
end;

procedure TCustomForm.SetBorderStyle(const Value: TBorderStyle);
begin
  if FBorderStyle <> Value then
  begin
    FBorderStyle := Value;
    StateChanged;
  end;
end;

function TCustomForm.GetCanvas: Boolean;
begin
  Result := FCanvas;
end;

procedure TCustomForm.SetCanvas(const Value: Boolean);
begin
  if FCanvas <> Value then
  begin
    FCanvas := Value;
    StateChanged;
  end;
end;

function TCustomForm.GetDesigner: Integer;
begin
  Result := FDesigner;
end;

procedure TCustomForm.SetDesigner(const Value: Integer);
begin
  if FDesigner <> Value then
  begin
    FDesigner := Value;
    StateChanged;
  end;
end;

function TCustomForm.GetDropTarget: Integer;
begin
  Result := FDropTarget;
end;

procedure TCustomForm.SetDropTarget(const Value: Integer);
begin
  if FDropTarget <> Value then
  begin
    FDropTarget := Value;
    StateChanged;
  end;
end;

function TCustomForm.GetFormState: Integer;
begin
  Result := FFormState;
end;

procedure TCustomForm.SetFormState(const Value: Integer);
begin
  if FFormState <> Value then
  begin
    FFormState := Value;
    StateChanged;
  end;
end;

function TCustomForm.GetKeyPreview: Boolean;
begin
  Result := FKeyPreview;
end;

procedure TCustomForm.SetKeyPreview(const Value: Boolean);
begin
  if FKeyPreview <> Value then
  begin
    FKeyPreview := Value;
    StateChanged;
  end;
end;

function TCustomForm.GetMenu: TMainMenu;
begin
  Result := FMenu;
end;

procedure TCustomForm.SetMenu(const Value: TMainMenu);
begin
  if FMenu <> Value then
  begin
    FMenu := Value;
    StateChanged;
  end;
end;

function TCustomForm.GetModalResult: TModalResult;
begin
  Result := FModalResult;
end;

procedure TCustomForm.SetModalResult(const Value: TModalResult);
begin
  if FModalResult <> Value then
  begin
    FModalResult := Value;
    StateChanged;
  end;
end;

function TCustomForm.GetOleFormObject: Integer;
begin
  Result := FOleFormObject;
end;

procedure TCustomForm.SetOleFormObject(const Value: Integer);
begin
  if FOleFormObject <> Value then
  begin
    FOleFormObject := Value;
    StateChanged;
  end;
end;

function TCustomForm.GetWindowState: TWindowState;
begin
  Result := FWindowState;
end;

procedure TCustomForm.SetWindowState(const Value: TWindowState);
begin
  if FWindowState <> Value then
  begin
    FWindowState := Value;
    StateChanged;
  end;
end;

procedure TCustomForm.CloseArrived(var Msg: TMessage);
begin
  // Every WM_CLOSE counts as a change of state.
  StateChanged;
  Msg.Result := 0;
end;

constructor TCustomForm.Create(AOwner: TComponent);
begin
  inherited Create(AOwner);
end;

constructor TCustomForm.CreateNew(AOwner: TComponent);
begin
  inherited Create(AOwner);
end;

destructor TCustomForm.Destroy;
begin
  Width := 0;
  inherited Destroy;
end;

procedure TCustomForm.Close;
begin
  Visible := not Visible;
  if Visible then
    SetFocusedControl;
end;

function TCustomForm.CloseQuery: Boolean;
begin
  Result := (Width > 0) and Visible;
end;

procedure TCustomForm.DefaultHandler(var Message);
begin
  inherited DefaultHandler(Message);
  Width := Width + 1;
end;

procedure TCustomForm.DefocusControl;
begin
  if not Visible then
    Exit;
  Width := Width + 1;
  StateChanged;
end;

procedure TCustomForm.FocusControl;
begin
  Visible := not Visible;
  if Visible then
    SetFocusedControl;
end;

function TCustomForm.GetFormImage: Integer;
begin
  Result := Width * 2 + Ord(Visible);
end;

procedure TCustomForm.Hide;
begin
  inherited Hide;
  Width := Width + 1;
end;

procedure TCustomForm.Print;
var
  Pass: Integer;
begin
  for Pass := 1 to Width do
    SetFocusedControl;
end;

procedure TCustomForm.Release;
begin
  if Caption = '' then
    Caption := ClassName + '''s release'
  else
    Caption := Trim(Caption);
end;

procedure TCustomForm.SendCancelMode;
begin
  if not Visible then
    Exit;
  Width := Width + 1;
  StateChanged;
end;

procedure TCustomForm.SetFocus;
begin
  inherited SetFocus;
  Width := Width + 1;
end;

procedure TCustomForm.SetFocusedControl;
var
  Pass: Integer;
begin
  for Pass := 1 to Width do
    Print;
end;

procedure TCustomForm.Show;
begin
  inherited Show;
  Width := Width + 1;
end;

function TCustomForm.ShowModal: Integer;
begin
  Result := Length(Caption);
end;

{ TForm }

procedure TForm.ArrangeIcons;
var
  Pass: Integer;
begin
  for Pass := 1 to Width do
    Tile;
end;

procedure TForm.Cascade;
var
  Pass: Integer;
begin
  for Pass := 1 to Width do
    Tile;
end;

procedure TForm.Next;
var
  Pass: Integer;
begin
  for Pass := 1 to Height do
    Tile;
end;

procedure TForm.Previous;
begin
  if Caption = '' then
    Caption := ClassName + '''s previous'
  else
    Caption := Trim(Caption);
end;

procedure TForm.Tile;
var
  Pass: Integer;
begin
  for Pass := 1 to Left do
    Previous;
end;

{ TDataModule }

function TDataModule.GetDesignOffset: Integer;
begin
  Result := FDesignOffset;
end;

procedure TDataModule.SetDesignOffset(const Value: Integer);
begin
  if FDesignOffset <> Value then
  begin
    FDesignOffset := Value;
    StateChanged;
  end;
end;

function TDataModule.GetDesignSize: Integer;
begin
  Result := FDesignSize;
end;

procedure TDataModule.SetDesignSize(const Value: Integer);
begin
  if FDesignSize <> Value then
  begin
    FDesignSize := Value;
    StateChanged;
  end;
end;

procedure TDataModule.SignalCreate;
begin
  if Assigned(FOnCreate) then
    FOnCreate(Self);
end;

procedure TDataModule.SignalDestroy;
begin
  if Assigned(FOnDestroy) then
    FOnDestroy(Self);
end;

constructor TDataModule.Create(AOwner: TComponent);
begin
  inherited Create(AOwner);
end;

constructor TDataModule.CreateNew(AOwner: TComponent);
begin
  inherited Create(AOwner);
end;

destructor TDataModule.Destroy;
begin
  DesignSize := 0;
  inherited Destroy;
end;

{ TMonitor }

function TMonitor.GetHandle: THandle;
begin
  Result := FHandle;
end;

procedure TMonitor.SetHandle(const Value: THandle);
begin
  if FHandle <> Value then
  begin
    FHandle := Value;
    StateChanged;
  end;
end;

function TMonitor.GetMonitorNum: Integer;
begin
  Result := FMonitorNum;
end;

procedure TMonitor.SetMonitorNum(const Value: Integer);
begin
  if FMonitorNum <> Value then
  begin
    FMonitorNum := Value;
    StateChanged;
  end;
end;

function TMonitor.GetLeft: Integer;
begin
  Result := FLeft;
end;

procedure TMonitor.SetLeft(const Value: Integer);
begin
  if FLeft <> Value then
  begin
    FLeft := Value;
    StateChanged;
  end;
end;

function TMonitor.GetHeight: Integer;
begin
  Result := FHeight;
end;

procedure TMonitor.SetHeight(const Value: Integer);
begin
  if FHeight <> Value then
  begin
    FHeight := Value;
    StateChanged;
  end;
end;

function TMonitor.GetTop: Integer;
begin
  Result := FTop;
end;

procedure TMonitor.SetTop(const Value: Integer);
begin
  if FTop <> Value then
  begin
    FTop := Value;
    StateChanged;
  end;
end;

function TMonitor.GetWidth: Integer;
begin
  Result := FWidth;
end;

procedure TMonitor.SetWidth(const Value: Integer);
begin
  if FWidth <> Value then
  begin
    FWidth := Value;
    StateChanged;
  end;
end;

function TMonitor.GetBoundsRect: TRect;
begin
  Result := FBoundsRect;
end;

procedure TMonitor.SetBoundsRect(const Value: TRect);
begin
  if FBoundsRect <> Value then
  begin
    FBoundsRect := Value;
    StateChanged;
  end;
end;

function TMonitor.GetWorkareaRect: Integer;
begin
  Result := FWorkareaRect;
end;

procedure TMonitor.SetWorkareaRect(const Value: Integer);
begin
  if FWorkareaRect <> Value then
  begin
    FWorkareaRect := Value;
    StateChanged;
  end;
end;

procedure TMonitor.StateChanged;
begin
  Inc(FChangeCount);
end;

{ TScreen }

function TScreen.GetActiveControl: TWinControl;
begin
  Result := FActiveControl;
end;

procedure TScreen.SetActiveControl(const Value: TWinControl);
begin
  if FActiveControl <> Value then
  begin
    FActiveControl := Value;
    StateChanged;
  end;
end;

function TScreen.GetActiveForm: TForm;
begin
  Result := FActiveForm;
end;

procedure TScreen.SetActiveForm(const Value: TForm);
begin
  if FActiveForm <> Value then
  begin
    FActiveForm := Value;
    StateChanged;
  end;
end;

function TScreen.GetCursor: TCursor;
begin
  Result := FCursor;
end;

procedure TScreen.SetCursor(const Value: TCursor);
begin
  if FCursor <> Value then
  begin
    FCursor := Value;
    StateChanged;
  end;
end;

function TScreen.GetCursors: Integer;
begin
  Result := FCursors;
end;

procedure TScreen.SetCursors(const Value: Integer);
begin
  if FCursors <> Value then
  begin
    FCursors := Value;
    StateChanged;
  end;
end;

function TScreen.GetDataModules: Integer;
begin
  Result := FDataModules;
end;

procedure TScreen.SetDataModules(const Value: Integer);
begin
  if FDataModules <> Value then
  begin
    FDataModules := Value;
    StateChanged;
  end;
end;

function TScreen.GetDataModuleCount: Integer;
begin
  Result := FDataModuleCount;
end;

procedure TScreen.SetDataModuleCount(const Value: Integer);
begin
  if FDataModuleCount <> Value then
  begin
    FDataModuleCount := Value;
    StateChanged;
  end;
end;

function TScreen.GetMonitorCount: Integer;
begin
  Result := FMonitorCount;
end;

procedure TScreen.SetMonitorCount(const Value: Integer);
begin
  if FMonitorCount <> Value then
  begin
    FMonitorCount := Value;
    StateChanged;
  end;
end;

function TScreen.GetMonitors: Integer;
begin
  Result := FMonitors;
end;

procedure TScreen.SetMonitors(const Value: Integer);
begin
  if FMonitors <> Value then
  begin
    FMonitors := Value;
    StateChanged;
  end;
end;

function TScreen.GetDesktopHeight: Integer;
begin
  Result := FDesktopHeight;
end;

procedure TScreen.SetDesktopHeight(const Value: Integer);
begin
  if FDesktopHeight <> Value then
  begin
    FDesktopHeight := Value;
    StateChanged;
  end;
end;

function TScreen.GetDesktopLeft: Integer;
begin
  Result := FDesktopLeft;
end;

procedure TScreen.SetDesktopLeft(const Value: Integer);
begin
  if FDesktopLeft <> Value then
  begin
    FDesktopLeft := Value;
    StateChanged;
  end;
end;

function TScreen.GetDesktopTop: Integer;
begin
  Result := FDesktopTop;
end;

procedure TScreen.SetDesktopTop(const Value: Integer);
begin
  if FDesktopTop <> Value then
  begin
    FDesktopTop := Value;
    StateChanged;
  end;
end;

function TScreen.GetDesktopWidth: Integer;
begin
  Result := FDesktopWidth;
end;

procedure TScreen.SetDesktopWidth(const Value: Integer);
begin
  if FDesktopWidth <> Value then
  begin
    FDesktopWidth := Value;
    StateChanged;
  end;
end;

function TScreen.GetHintFont: TFont;
begin
  Result := FHintFont;
end;

procedure TScreen.SetHintFont(const Value: TFont);
begin
  FHintFont.Assign(Value);
  StateChanged;
end;

function TScreen.GetIconFont: TFont;
begin
  Result := FIconFont;
end;

procedure TScreen.SetIconFont(const Value: TFont);
begin
  FIconFont.Assign(Value);
  StateChanged;
end;

function TScreen.GetMenuFont: TFont;
begin
  Result := FMenuFont;
end;

procedure TScreen.SetMenuFont(const Value: TFont);
begin
  FMenuFont.Assign(Value);
  StateChanged;
end;

function TScreen.GetFonts: Integer;
begin
  Result := FFonts;
end;

procedure TScreen.SetFonts(const Value: Integer);
begin
  if FFonts <> Value then
  begin
    FFonts := Value;
    StateChanged;
  end;
end;

function TScreen.GetFormCount: Integer;
begin
  Result := FFormCount;
end;

procedure TScreen.SetFormCount(const Value: Integer);
begin
  if FFormCount <> Value then
  begin
    FFormCount := Value;
    StateChanged;
  end;
end;

function TScreen.GetForms: Integer;
begin
  Result := FForms;
end;

procedure TScreen.SetForms(const Value: Integer);
begin
  if FForms <> Value then
  begin
    FForms := Value;
    StateChanged;
  end;
end;

function TScreen.GetImes: Integer;
begin
  Result := FImes;
end;

procedure TScreen.SetImes(const Value: Integer);
begin
  if FImes <> Value then
  begin
    FImes := Value;
    StateChanged;
  end;
end;

function TScreen.GetDefaultIme: Integer;
begin
  Result := FDefaultIme;
end;

procedure TScreen.SetDefaultIme(const Value: Integer);
begin
  if FDefaultIme <> Value then
  begin
    FDefaultIme := Value;
    StateChanged;
  end;
end;

function TScreen.GetDefaultKbLayout: Integer;
begin
  Result := FDefaultKbLayout;
end;

procedure TScreen.SetDefaultKbLayout(const Value: Integer);
begin
  if FDefaultKbLayout <> Value then
  begin
    FDefaultKbLayout := Value;
    StateChanged;
  end;
end;

function TScreen.GetHeight: Integer;
begin
  Result := FHeight;
end;

procedure TScreen.SetHeight(const Value: Integer);
begin
  if FHeight <> Value then
  begin
    FHeight := Value;
    StateChanged;
  end;
end;

function TScreen.GetPixelsPerInch: Integer;
begin
  Result := FPixelsPerInch;
end;

procedure TScreen.SetPixelsPerInch(const Value: Integer);
begin
  if FPixelsPerInch <> Value then
  begin
    FPixelsPerInch := Value;
    StateChanged;
  end;
end;

function TScreen.GetWidth: Integer;
begin
  Result := FWidth;
end;

procedure TScreen.SetWidth(const Value: Integer);
begin
  if FWidth <> Value then
  begin
    FWidth := Value;
    StateChanged;
  end;
end;

procedure TScreen.SignalActiveControlChange;
begin
  if Assigned(FOnActiveControlChange) then
    FOnActiveControlChange(Self);
end;

procedure TScreen.SignalActiveFormChange;
begin
  if Assigned(FOnActiveFormChange) then
    FOnActiveFormChange(Self);
end;

constructor TScreen.Create(AOwner: TComponent);
begin
  inherited Create(AOwner);
  FHintFont := TFont.Create;
  FIconFont := TFont.Create;
  FMenuFont := TFont.Create;
end;

destructor TScreen.Destroy;
begin
  FHintFont.Free;
  FIconFont.Free;
  FMenuFont.Free;
  inherited Destroy;
end;

procedure TScreen.DisableAlign;
var
  Pass: Integer;
begin
  for Pass := 1 to Cursors do
    EnableAlign;
end;

procedure TScreen.EnableAlign;
var
  Pass: Integer;
begin
  for Pass := 1 to Cursors do
    DisableAlign;
end;

procedure TScreen.Realign;
begin
  if Name = '' then
    Name := ClassName + '''s realign'
  else
    Name := Trim(Name);
end;

procedure TScreen.ResetFonts;
begin
  if Name = '' then
    Name := ClassName + '''s resetfonts'
  else
    Name := Trim(Name);
end;

{ TApplication }

function TApplication.GetActive: Boolean;
begin
  Result := FActive;
end;

procedure TApplication.SetActive(const Value: Boolean);
begin
  if FActive <> Value then
  begin
    FActive := Value;
    StateChanged;
  end;
end;

function TApplication.GetDialogHandle: THandle;
begin
  Result := FDialogHandle;
end;

procedure TApplication.SetDialogHandle(const Value: THandle);
begin
  if FDialogHandle <> Value then
  begin
    FDialogHandle := Value;
    StateChanged;
  end;
end;

function TApplication.GetExeName: string;
begin
  Result := FExeName;
end;

procedure TApplication.SetExeName(const Value: string);
begin
  if FExeName <> Value then
  begin
    FExeName := Value;
    StateChanged;
  end;
end;

function TApplication.GetHandle: THandle;
begin
  Result := FHandle;
end;

procedure TApplication.SetHandle(const Value: THandle);
begin
  if FHandle <> Value then
  begin
    FHandle := Value;
    StateChanged;
  end;
end;

function TApplication.GetHelpFile: string;
begin
  Result := FHelpFile;
end;

procedure TApplication.SetHelpFile(const Value: string);
begin
  if FHelpFile <> Value then
  begin
    FHelpFile := Value;
    StateChanged;
  end;
end;

function TApplication.GetHint: string;
begin
  Result := FHint;
end;

procedure TApplication.SetHint(const Value: string);
begin
  if FHint <> Value then
  begin
    FHint := Value;
    StateChanged;
  end;
end;

function TApplication.GetHintColor: TColor;
begin
  Result := FHintColor;
end;

procedure TApplication.SetHintColor(const Value: TColor);
begin
  if FHintColor <> Value then
  begin
    FHintColor := Value;
    StateChanged;
  end;
end;

function TApplication.GetHintHidePause: Integer;
begin
  Result := FHintHidePause;
end;

procedure TApplication.SetHintHidePause(const Value: Integer);
begin
  if FHintHidePause <> Value then
  begin
    FHintHidePause := Value;
    StateChanged;
  end;
end;

function TApplication.GetHintPause: Integer;
begin
  Result := FHintPause;
end;

procedure TApplication.SetHintPause(const Value: Integer);
begin
  if FHintPause <> Value then
  begin
    FHintPause := Value;
    StateChanged;
  end;
end;

function TApplication.GetHintShortPause: Integer;
begin
  Result := FHintShortPause;
end;

procedure TApplication.SetHintShortPause(const Value: Integer);
begin
  if FHintShortPause <> Value then
  begin
    FHintShortPause := Value;
    StateChanged;
  end;
end;

function TApplication.GetIcon: TIcon;
begin
  Result := FIcon;
end;

procedure TApplication.SetIcon(const Value: TIcon);
begin
  FIcon.Assign(Value);
  StateChanged;
end;

function TApplication.GetMainForm: TForm;
begin
  Result := FMainForm;
end;

procedure TApplication.SetMainForm(const Value: TForm);
begin
  if FMainForm <> Value then
  begin
    FMainForm := Value;
    StateChanged;
  end;
end;

function TApplication.GetShowHint: Boolean;
begin
  Result := FShowHint;
end;

procedure TApplication.SetShowHint(const Value: Boolean);
begin
  if FShowHint <> Value then
  begin
    FShowHint := Value;
    StateChanged;
  end;
end;

function TApplication.GetShowMainForm: Boolean;
begin
  Result := FShowMainForm;
end;

procedure TApplication.SetShowMainForm(const Value: Boolean);
begin
  if FShowMainForm <> Value then
  begin
    FShowMainForm := Value;
    StateChanged;
  end;
end;

function TApplication.GetTerminated: Boolean;
begin
  Result := FTerminated;
end;

procedure TApplication.SetTerminated(const Value: Boolean);
begin
  if FTerminated <> Value then
  begin
    FTerminated := Value;
    StateChanged;
  end;
end;

function TApplication.GetTitle: string;
begin
  Result := FTitle;
end;

procedure TApplication.SetTitle(const Value: string);
begin
  if FTitle <> Value then
  begin
    FTitle := Value;
    StateChanged;
  end;
end;

function TApplication.GetUpdateFormatSettings: Integer;
begin
  Result := FUpdateFormatSettings;
end;

procedure TApplication.SetUpdateFormatSettings(const Value: Integer);
begin
  if FUpdateFormatSettings <> Value then
  begin
    FUpdateFormatSettings := Value;
    StateChanged;
  end;
end;

procedure TApplication.SignalActivate;
begin
  if Assigned(FOnActivate) then
    FOnActivate(Self);
end;

procedure TApplication.SignalDeactivate;
begin
  if Assigned(FOnDeactivate) then
    FOnDeactivate(Self);
end;

procedure TApplication.SignalHint;
begin
  if Assigned(FOnHint) then
    FOnHint(Self);
end;

procedure TApplication.SignalMinimize;
begin
  if Assigned(FOnMinimize) then
    FOnMinimize(Self);
end;

procedure TApplication.SignalRestore;
begin
  if Assigned(FOnRestore) then
    FOnRestore(Self);
end;

constructor TApplication.Create(AOwner: TComponent);
begin
  inherited Create(AOwner);
  FIcon := TIcon.Create;
end;

destructor TApplication.Destroy;
begin
  FIcon.Free;
  inherited Destroy;
end;

procedure TApplication.BringToFront;
var
  Pass: Integer;
begin
  for Pass := 1 to HintHidePause do
    HintMouseMessage;
end;

procedure TApplication.ControlDestroyed;
begin
  Terminated := not Terminated;
  if Terminated then
    HelpJump;
end;

function TApplication.CancelHint: Boolean;
begin
  Result := (DialogHandle > 0) and Active;
end;

procedure TApplication.CreateForm;
begin
  if not Active then
    Exit;
  DialogHandle := DialogHandle + 1;
  StateChanged;
end;

procedure TApplication.CreateHandle;
begin
  Terminated := not Terminated;
  if Terminated then
    BringToFront;
end;

procedure TApplication.HelpCommand;
begin
  if Hint = '' then
    Hint := ClassName + '''s helpcommand'
  else
    Hint := Trim(Hint);
end;

procedure TApplication.HelpContext;
begin
  if not Active then
    Exit;
  HintHidePause := HintHidePause + 1;
  StateChanged;
end;

procedure TApplication.HelpJump;
begin
  Terminated := not Terminated;
  if Terminated then
    Terminate;
end;

procedure TApplication.HandleException;
begin
  if Hint = '' then
    Hint := ClassName + '''s handleexception'
  else
    Hint := Trim(Hint);
end;

procedure TApplication.HandleMessage;
var
  Pass: Integer;
begin
  for Pass := 1 to HintColor do
    HideHint;
end;

procedure TApplication.HideHint;
var
  Pass: Integer;
begin
  for Pass := 1 to HintHidePause do
    Run;
end;

procedure TApplication.HintMouseMessage;
begin
  if Hint = '' then
    Hint := ClassName + '''s hintmousemessage'
  else
    Hint := Trim(Hint);
end;

procedure TApplication.HookMainWindow;
begin
  if not Active then
    Exit;
  DialogHandle := DialogHandle + 1;
  StateChanged;
end;

procedure TApplication.Initialize;
var
  Pass: Integer;
begin
  for Pass := 1 to DialogHandle do
    BringToFront;
end;

function TApplication.MessageBox: Integer;
begin
  Result := Length(ExeName);
end;

procedure TApplication.Minimize;
var
  Pass: Integer;
begin
  for Pass := 1 to Handle do
    Run;
end;

procedure TApplication.NormalizeTopMosts;
begin
  Terminated := not Terminated;
  if Terminated then
    HelpContext;
end;

procedure TApplication.ProcessMessages;
begin
  if not Active then
    Exit;
  DialogHandle := DialogHandle + 1;
  StateChanged;
end;

procedure TApplication.Restore;
begin
  if Hint = '' then
    Hint := ClassName + '''s restore'
  else
    Hint := Trim(Hint);
end;

procedure TApplication.RestoreTopMosts;
begin
  if Hint = '' then
    Hint := ClassName + '''s restoretopmosts'
  else
    Hint := Trim(Hint);
end;

procedure TApplication.Run;
begin
  if Hint = '' then
    Hint := ClassName + '''s run'
  else
    Hint := Trim(Hint);
end;

procedure TApplication.ShowException;
begin
  if not Active then
    Exit;
  DialogHandle := DialogHandle + 1;
  StateChanged;
end;

procedure TApplication.Terminate;
var
  Pass: Integer;
begin
  for Pass := 1 to DialogHandle do
    Minimize;
end;

procedure TApplication.UnhookMainWindow;
begin
  if not Active then
    Exit;
  Handle := Handle + 1;
  StateChanged;
end;

end.
