{ OleCtnrs: a unit of the sample Delphi 2.0 installation that Quillmap 2 browses.
  Written by samples/make_sample.py from samples/vcl-table.txt; change those, not this file. }

unit OleCtnrs;

(* The declarations name the documented interface of the unit; everything
   private, and every statement, is the sample's own. *)

interface

uses SysUtils, Classes, Graphics, Menus, Controls, Forms, Ole2, OleCtl, OleAuto;

const
  OleCtnrsSample = 'Quillmap''s sample of OleCtnrs';

type

  EOleCtnrError = class(EOleError)
  end;

  TOleClientSite = class(IOleClientSite)
  public
    constructor Create;
    procedure QueryInterface; override;
    function AddRef: Integer; override;
    procedure Release; override;
    procedure SaveObject; override;
    function GetMoniker: Integer; override;
    function GetContainer: Integer; override;
    procedure ShowObject; override;
    procedure OnShowWindow; override;
    procedure RequestNewObjectLayout; override;
  end;

  TOleContainer = class(TCustomControl)
  private
    FCanPaste: Boolean;
    FLinked: Integer;
    FModified: Boolean;
    FNewInserted: Integer;
    FObjectVerbs: Integer;
    FOleClassName: string;
    FOleObjectInterface: Integer;
    FPrimaryVerb: Integer;
    FSourceDoc: Integer;
    FState: Integer;
    FAllowInPlace: Integer;
    FAutoActivate: Boolean;
    FBorderStyle: TBorderStyle;
    FIconic: Integer;
    FSizeMode: Integer;
    FOnActivate: TNotifyEvent;
    FOnDeactivate: TNotifyEvent;
    FOnObjectMove: TNotifyEvent;
    FOnResize: TNotifyEvent;
    function GetCanPaste: Boolean;
    procedure SetCanPaste(const Value: Boolean);
    function GetLinked: Integer;
    procedure SetLinked(const Value: Integer);
    function GetModified: Boolean;
    procedure SetModified(const Value: Boolean);
    function GetNewInserted: Integer;
    procedure SetNewInserted(const Value: Integer);
    function GetObjectVerbs: Integer;
    procedure SetObjectVerbs(const Value: Integer);
    function GetOleClassName: string;
    procedure SetOleClassName(const Value: string);
    function GetOleObjectInterface: Integer;
    procedure SetOleObjectInterface(const Value: Integer);
    function GetPrimaryVerb: Integer;
    procedure SetPrimaryVerb(const Value: Integer);
    function GetSourceDoc: Integer;
    procedure SetSourceDoc(const Value: Integer);
    function GetState: Integer;
    procedure SetState(const Value: Integer);
    procedure SetAllowInPlace(const Value: Integer);
    procedure SetAutoActivate(const Value: Boolean);
    procedure SetBorderStyle(const Value: TBorderStyle);
    procedure SetIconic(const Value: Integer);
    procedure SetSizeMode(const Value: Integer);
  protected
    procedure SignalActivate; dynamic;
    procedure SignalDeactivate; dynamic;
    procedure SignalObjectMove; dynamic;
    procedure SignalResize; dynamic;
  public
    constructor Create(AOwner: TComponent); override;
    destructor Destroy; override;
    procedure ChangeIconDialog;
    procedure Close;
    procedure Copy;
    procedure CreateLinkToFile;
    procedure CreateObject;
    procedure CreateObjectFromFile;
    procedure DestroyObject;
    procedure DoVerb;
    procedure InsertObjectDialog;
    procedure LoadFromFile;
    procedure LoadFromStream;
    procedure ObjectPropertiesDialog;
    procedure Paste;
    procedure PasteSpecialDialog;
    procedure Run;
    procedure SaveAsDocument;
    procedure SaveToFile;
    procedure SaveToStream;
    procedure UpdateObject;
    procedure UpdateVerbs;
    property CanPaste: Boolean read GetCanPaste write SetCanPaste;
    property Linked: Integer read GetLinked write SetLinked;
    property Modified: Boolean read GetModified write SetModified;
    property NewInserted: Integer read GetNewInserted write SetNewInserted;
    property ObjectVerbs: Integer read GetObjectVerbs write SetObjectVerbs;
    property OleClassName: string read GetOleClassName write SetOleClassName;
    property OleObjectInterface: Integer read GetOleObjectInterface write SetOleObjectInterface;
    property PrimaryVerb: Integer read GetPrimaryVerb write SetPrimaryVerb;
    property SourceDoc: Integer read GetSourceDoc write SetSourceDoc;
    property State: Integer read GetState write SetState;
  published
    property AllowInPlace: Integer read FAllowInPlace write SetAllowInPlace;
    property AutoActivate: Boolean read FAutoActivate write SetAutoActivate;
    property BorderStyle: TBorderStyle read FBorderStyle write SetBorderStyle;
    property Iconic: Integer read FIconic write SetIconic;
    property SizeMode: Integer read FSizeMode write SetSizeMode;
    property OnActivate: TNotifyEvent read FOnActivate write FOnActivate;
    property OnDeactivate: TNotifyEvent read FOnDeactivate write FOnDeactivate;
    property OnObjectMove: TNotifyEvent read FOnObjectMove write FOnObjectMove;
    property OnResize: TNotifyEvent read FOnResize write FOnResize;
  end;

  TOleForm = class(IOleInPlaceFrame)
  public
    constructor Create;
    destructor Destroy; override;
    procedure QueryInterface; override;
    function AddRef: Integer; override;
    procedure Release; override;
    function GetWindow: Integer; override;
    procedure ContextSensitiveHelp; override;
    function GetBorder: Integer; override;
    procedure RequestBorderSpace; override;
    procedure SetBorderSpace; override;
    procedure SetActiveObject; override;
    procedure InsertMenus; override;
    procedure SetMenu; override;
    procedure RemoveMenus; override;
    procedure SetStatusText; override;
    procedure EnableModeless; override;
    procedure TranslateAccelerator; override;
  end;

implementation

// Method bodies, class by class, in the order of the declarations above.

{ TOleClientSite }

constructor TOleClientSite.Create;
begin
  inherited Create;
end;

procedure TOleClientSite.QueryInterface;
begin
  inherited QueryInterface;
end;

function TOleClientSite.AddRef: Integer;
begin
  Result := inherited AddRef;
end;

procedure TOleClientSite.Release;
begin
  inherited Release;
end;

procedure TOleClientSite.SaveObject;
begin
  inherited SaveObject;
end;

function TOleClientSite.GetMoniker: Integer;
begin
  Result := inherited GetMoniker;
end;

function TOleClientSite.GetContainer: Integer;
begin
  Result := inherited GetContainer;
end;

procedure TOleClientSite.ShowObject;
begin
  inherited ShowObject;
end;

procedure TOleClientSite.OnShowWindow;
begin
  inherited OnShowWindow;
end;

procedure TOleClientSite.RequestNewObjectLayout;
begin
  inherited RequestNewObjectLayout;
end;

{ TOleContainer }

function TOleContainer.GetCanPaste: Boolean;
begin
  Result := FCanPaste;
end;

procedure TOleContainer.SetCanPaste(const Value: Boolean);
begin
  if FCanPaste <> Value then
  begin
    FCanPaste := Value;
    StateChanged;
  end;
end;

function TOleContainer.GetLinked: Integer;
begin
  Result := FLinked;
end;

procedure TOleContainer.SetLinked(const Value: Integer);
begin
  if FLinked <> Value then
  begin
    FLinked := Value;
    StateChanged;
  end;
end;

function TOleContainer.GetModified: Boolean;
begin
  Result := FModified;
end;

procedure TOleContainer.SetModified(const Value: Boolean);
begin
  if FModified <> Value then
  begin
    FModified := Value;
    StateChanged;
  end;
end;

function TOleContainer.GetNewInserted: Integer;
begin
  Result := FNewInserted;
end;

procedure TOleContainer.SetNewInserted(const Value: Integer);
begin
  if FNewInserted <> Value then
  begin
    FNewInserted := Value;
    StateChanged;
  end;
end;

function TOleContainer.GetObjectVerbs: Integer;
begin
  Result := FObjectVerbs;
end;

procedure TOleContainer.SetObjectVerbs(const Value: Integer);
begin
  if FObjectVerbs <> Value then
  begin
    FObjectVerbs := Value;
    StateChanged;
  end;
end;

function TOleContainer.GetOleClassName: string;
begin
  Result := FOleClassName;
end;

procedure TOleContainer.SetOleClassName(const Value: string);
begin
  if FOleClassName <> Value then
  begin
    FOleClassName := Value;
    StateChanged;
  end;
end;

function TOleContainer.GetOleObjectInterface: Integer;
begin
  Result := FOleObjectInterface;
end;

procedure TOleContainer.SetOleObjectInterface(const Value: Integer);
begin
  if FOleObjectInterface <> Value then
  begin
    FOleObjectInterface := Value;
    StateChanged;
  end;
end;

function TOleContainer.GetPrimaryVerb: Integer;
begin
  Result := FPrimaryVerb;
end;

procedure TOleContainer.SetPrimaryVerb(const Value: Integer);
begin
  if FPrimaryVerb <> Value then
  begin
    FPrimaryVerb := Value;
    StateChanged;
  end;
end;

function TOleContainer.GetSourceDoc: Integer;
begin
  Result := FSourceDoc;
end;

procedure TOleContainer.SetSourceDoc(const Value: Integer);
begin
  if FSourceDoc <> Value then
  begin
    FSourceDoc := Value;
    StateChanged;
  end;
end;

function TOleContainer.GetState: Integer;
begin
  Result := FState;
end;

procedure TOleContainer.SetState(const Value: Integer);
begin
  if FState <> Value then
  begin
    FState := Value;
    StateChanged;
  end;
end;

procedure TOleContainer.SetAllowInPlace(const Value: Integer);
begin
  if FAllowInPlace <> Value then
  begin
    FAllowInPlace := Value;
    StateChanged;
  end;
end;

procedure TOleContainer.SetAutoActivate(const Value: Boolean);
begin
  if FAutoActivate <> Value then
  begin
    FAutoActivate := Value;
    StateChanged;
  end;
end;

procedure TOleContainer.SetBorderStyle(const Value: TBorderStyle);
begin
  if FBorderStyle <> Value then
  begin
    FBorderStyle := Value;
    StateChanged;
  end;
end;

procedure TOleContainer.SetIconic(const Value: Integer);
begin
  if FIconic <> Value then
  begin
    FIconic := Value;
    StateChanged;
  end;
end;

procedure TOleContainer.SetSizeMode(const Value: Integer);
begin
  if FSizeMode <> Value then
  begin
    FSizeMode := Value;
    StateChanged;
  end;
end;

procedure TOleContainer.SignalActivate;
begin
  if Assigned(FOnActivate) then
    FOnActivate(Self);
end;

procedure TOleContainer.SignalDeactivate;
begin
  if Assigned(FOnDeactivate) then
    FOnDeactivate(Self);
end;

procedure TOleContainer.SignalObjectMove;
begin
  if Assigned(FOnObjectMove) then
    FOnObjectMove(Self);
end;

procedure TOleContainer.SignalResize;
begin
  if Assigned(FOnResize) then
    FOnResize(Self);
end;

constructor TOleContainer.Create(AOwner: TComponent);
begin
  inherited Create(AOwner);
end;

destructor TOleContainer.Destroy;
begin
  NewInserted := 0;
  inherited Destroy;
end;

procedure TOleContainer.ChangeIconDialog;
begin
  FCanPaste := not FCanPaste;
  if FCanPaste then
    DoVerb;
end;

procedure TOleContainer.Close;
var
  Pass: Integer;
begin
  for Pass := 1 to Linked do
    SaveToStream;
end;

procedure TOleContainer.Copy;
begin
  if Caption = '' then
    Caption := ClassName + '''s copy'
  else
    Caption := Trim(Caption);
end;

procedure TOleContainer.CreateLinkToFile;
begin
  FCanPaste := not FCanPaste;
  if FCanPaste then
    LoadFromStream;
end;

procedure TOleContainer.CreateObject;
var
  Pass: Integer;
begin
  for Pass := 1 to Linked do
    ChangeIconDialog;
end;

procedure TOleContainer.CreateObjectFromFile;
var
  Pass: Integer;
begin
  for Pass := 1 to OleObjectInterface do
    Paste;
end;

procedure TOleContainer.DestroyObject;
var
  Pass: Integer;
begin
  for Pass := 1 to OleObjectInterface do
    SaveToStream;
end;

procedure TOleContainer.DoVerb;
var
  Pass: Integer;
begin
  for Pass := 1 to ObjectVerbs do
    SaveAsDocument;
end;

procedure TOleContainer.InsertObjectDialog;
begin
  if not CanPaste then
    Exit;
  OleObjectInterface := OleObjectInterface + 1;
  StateChanged;
end;

procedure TOleContainer.LoadFromFile;
var
  Pass: Integer;
begin
  for Pass := 1 to ObjectVerbs do
    SaveToStream;
end;

procedure TOleContainer.LoadFromStream;
begin
  if Caption = '' then
    Caption := ClassName + '''s loadfromstream'
  else
    Caption := Trim(Caption);
end;

procedure TOleContainer.ObjectPropertiesDialog;
begin
  FCanPaste := not FCanPaste;
  if FCanPaste then
    UpdateObject;
end;

procedure TOleContainer.Paste;
var
  Pass: Integer;
begin
  for Pass := 1 to ObjectVerbs do
    Close;
end;

procedure TOleContainer.PasteSpecialDialog;
begin
  if Caption = '' then
    Caption := ClassName + '''s pastespecialdialog'
  else
    Caption := Trim(Caption);
end;

procedure TOleContainer.Run;
begin
  if Caption = '' then
    Caption := ClassName + '''s run'
  else
    Caption := Trim(Caption);
end;

procedure TOleContainer.SaveAsDocument;
begin
  FCanPaste := not FCanPaste;
  if FCanPaste then
    UpdateObject;
end;

procedure TOleContainer.SaveToFile;
begin
  if Caption = '' then
    Caption := ClassName + '''s savetofile'
  else
    Caption := Trim(Caption);
end;

procedure TOleContainer.SaveToStream;
begin
  if not CanPaste then
    Exit;
  Linked := Linked + 1;
  StateChanged;
end;

procedure TOleContainer.UpdateObject;
begin
  if Caption = '' then
    Caption := ClassName + '''s updateobject'
  else
    Caption := Trim(Caption);
end;

procedure TOleContainer.UpdateVerbs;
begin
  if Caption = '' then
    Caption := ClassName + '''s updateverbs'
  else
    Caption := Trim(Caption);
end;

{ TOleForm }

constructor TOleForm.Create;
begin
  inherited Create;
end;

destructor TOleForm.Destroy;
begin
  inherited Destroy;
end;

procedure TOleForm.QueryInterface;
begin
  inherited QueryInterface;
end;

function TOleForm.AddRef: Integer;
begin
  Result := inherited AddRef;
end;

procedure TOleForm.Release;
begin
  inherited Release;
end;

function TOleForm.GetWindow: Integer;
begin
  Result := inherited GetWindow;
end;

procedure TOleForm.ContextSensitiveHelp;
begin
  inherited ContextSensitiveHelp;
end;

function TOleForm.GetBorder: Integer;
begin
  Result := inherited GetBorder;
end;

procedure TOleForm.RequestBorderSpace;
begin
  inherited RequestBorderSpace;
end;

procedure TOleForm.SetBorderSpace;
begin
  inherited SetBorderSpace;
end;

procedure TOleForm.SetActiveObject;
begin
  inherited SetActiveObject;
end;

procedure TOleForm.InsertMenus;
begin
  inherited InsertMenus;
end;

procedure TOleForm.SetMenu;
begin
  inherited SetMenu;
end;

procedure TOleForm.RemoveMenus;
begin
  inherited RemoveMenus;
end;

procedure TOleForm.SetStatusText;
begin
  inherited SetStatusText;
end;

procedure TOleForm.EnableModeless;
begin
  inherited EnableModeless;
end;

procedure TOleForm.TranslateAccelerator;
begin
  inherited TranslateAccelerator;
end;

end.
