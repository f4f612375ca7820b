{ OleAuto: a unit of the sample Delphi 2.0 installation that Quillmap 2 browses.
  Written by samples/make_sample.py from samples/vcl-table.txt; change those, not this file. }

unit OleAuto;

(* The declarations name the documented interface of the unit; everything
   private, and every statement, is the sample's own. *)

interface

uses SysUtils, Ole2, OleCtl, Classes, Forms;

const
  OleAutoSample = 'Quillmap''s sample of OleAuto';

type

  EOleError = class(Exception)
  end;

  EOleSysError = class(EOleError)
  private
    FErrorCode: Integer;
    function GetErrorCode: Integer;
    procedure SetErrorCode(const Value: Integer);
  public
    constructor Create(const Msg: string);
    property ErrorCode: Integer read GetErrorCode write SetErrorCode;
  end;

  EOleException = class(EOleError)
  private
    FErrorCode: Integer;
    FHelpFile: string;
    FSource: Integer;
    function GetErrorCode: Integer;
    procedure SetErrorCode(const Value: Integer);
    function GetHelpFile: string;
    procedure SetHelpFile(const Value: string);
    function GetSource: Integer;
    procedure SetSource(const Value: Integer);
  public
    constructor Create(const Msg: string);
    property ErrorCode: Integer read GetErrorCode write SetErrorCode;
    property HelpFile: string read GetHelpFile write SetHelpFile;
    property Source: Integer read GetSource write SetSource;
  end;

  TAutoDispatch = class(IDispatch)
  private
    FAutoObject: Boolean;
    FChangeCount: Integer;
    function GetAutoObjectValue: Boolean;
    procedure SetAutoObject(const Value: Boolean);
  protected
    procedure StateChanged; virtual;
  public
    constructor Create;
    procedure QueryInterface; override;
    function AddRef: Integer; override;
    procedure Release; override;
    function GetTypeInfoCount: Integer; override;
    function GetTypeInfo: Integer; override;
    function GetIDsOfNames: Integer; override;
    procedure Invoke; override;
    function GetAutoObject: Integer;
    property AutoObject: Boolean read GetAutoObjectValue write SetAutoObject;
  end;

  TAutoObject = class
  private
    FAutoDispatch: Boolean;
    FOleObject: Integer;
    FRefCount: Integer;
    FChangeCount: Integer;
    function GetAutoDispatch: Boolean;
    procedure SetAutoDispatch(const Value: Boolean);
    function GetOleObject: Integer;
    procedure SetOleObject(const Value: Integer);
    function GetRefCount: Integer;
    procedure SetRefCount(const Value: Integer);
  protected
    procedure StateChanged; virtual;
  public
    constructor Create;
    destructor Destroy; override;
    function AddRef: Integer;
    procedure Release;
    property AutoDispatch: Boolean read GetAutoDispatch write SetAutoDispatch;
    property OleObject: Integer read GetOleObject write SetOleObject;
    property RefCount: Integer read GetRefCount write SetRefCount;
  end;

  TAutoApplication = class(TAutoObject)
  private
    FCaption: string;
    FVisible: Boolean;
    function GetCaption: string;
    procedure SetCaption(const Value: string);
    function GetVisible: Boolean;
    procedure SetVisible(const Value: Boolean);
  automated
    procedure Quit;
    procedure Version;
    property Caption: string read GetCaption write SetCaption;
    property Visible: Boolean read GetVisible write SetVisible;
  end;

  TClassFactory = class(IClassFactory)
  public
    constructor Create;
    destructor Destroy; override;
    procedure QueryInterface; override;
    function AddRef: Integer; override;
    procedure Release; override;
    procedure CreateInstance; override;
    procedure LockServer; override;
    procedure RegisterObject;
    procedure RevokeObject;
  end;

  TAutomation = class
  private
    FAutoObjectCount: Boolean;
    FIsInprocServer: Boolean;
    FStartMode: Integer;
    FOnLastRelease: TNotifyEvent;
    FChangeCount: Integer;
    function GetAutoObjectCount: Boolean;
    procedure SetAutoObjectCount(const Value: Boolean);
    function GetIsInprocServer: Boolean;
    procedure SetIsInprocServer(const Value: Boolean);
    function GetStartMode: Integer;
    procedure SetStartMode(const Value: Integer);
  protected
    procedure SignalLastRelease; dynamic;
    procedure StateChanged; virtual;
  public
    constructor Create;
    destructor Destroy; override;
    procedure RegisterClass;
    procedure UpdateRegistry;
    property AutoObjectCount: Boolean read GetAutoObjectCount write SetAutoObjectCount;
    property IsInprocServer: Boolean read GetIsInprocServer write SetIsInprocServer;
    property StartMode: Integer read GetStartMode write SetStartMode;
    property OnLastRelease: TNotifyEvent read FOnLastRelease write FOnLastRelease;
  end;

implementation

// Method bodies, class by class, in the order of the declarations above.

{ EOleSysError }

function EOleSysError.GetErrorCode: Integer;
begin
  Result := FErrorCode;
end;

procedure EOleSysError.SetErrorCode(const Value: Integer);
begin
  if FErrorCode <> Value then
  begin
    FErrorCode := Value;
    StateChanged;
  end;
end;

constructor EOleSysError.Create(const Msg: string);
begin
  inherited Create(Msg);
end;

{ EOleException }

function EOleException.GetErrorCode: Integer;
begin
  Result := FErrorCode;
end;

procedure EOleException.SetErrorCode(const Value: Integer);
begin
  if FErrorCode <> Value then
  begin
    FErrorCode := Value;
    StateChanged;
  end;
end;

function EOleException.GetHelpFile: string;
begin
  Result := FHelpFile;
end;

procedure EOleException.SetHelpFile(const Value: string);
begin
  if FHelpFile <> Value then
  begin
    FHelpFile := Value;
    StateChanged;
  end;
end;

function EOleException.GetSource: Integer;
begin
  Result := FSource;
end;

procedure EOleException.SetSource(const Value: Integer);
begin
  if FSource <> Value then
  begin
    FSource := Value;
    StateChanged;
  end;
end;

constructor EOleException.Create(const Msg: string);
begin
  inherited Create(Msg);
  FHelpFile := Msg;
end;

{ TAutoDispatch }

function TAutoDispatch.GetAutoObjectValue: Boolean;
begin
  Result := FAutoObject;
end;

procedure TAutoDispatch.SetAutoObject(const Value: Boolean);
begin
  if FAutoObject <> Value then
  begin
    FAutoObject := Value;
    StateChanged;
  end;
end;

procedure TAutoDispatch.StateChanged;
begin
  Inc(FChangeCount);
end;

constructor TAutoDispatch.Create;
begin
  inherited Create;
end;

procedure TAutoDispatch.QueryInterface;
begin
  inherited QueryInterface;
  FChangeCount := FChangeCount + 1;
end;

function TAutoDispatch.AddRef: Integer;
begin
  Result := inherited AddRef;
end;

procedure TAutoDispatch.Release;
begin
  inherited Release;
  FChangeCount := FChangeCount + 1;
end;

function TAutoDispatch.GetTypeInfoCount: Integer;
begin
  Result := inherited GetTypeInfoCount;
end;

function TAutoDispatch.GetTypeInfo: Integer;
begin
  Result := inherited GetTypeInfo;
end;

function TAutoDispatch.GetIDsOfNames: Integer;
begin
  Result := inherited GetIDsOfNames;
end;

procedure TAutoDispatch.Invoke;
begin
  inherited Invoke;
  FChangeCount := FChangeCount + 1;
end;

function TAutoDispatch.GetAutoObject: Integer;
begin
  Result := FChangeCount * 2 + Ord(AutoObject);
end;

{ TAutoObject }

function TAutoObject.GetAutoDispatch: Boolean;
begin
  Result := FAutoDispatch;
end;

procedure TAutoObject.SetAutoDispatch(const Value: Boolean);
begin
  if FAutoDispatch <> Value then
  begin
    FAutoDispatch := Value;
    StateChanged;
  end;
end;

function TAutoObject.GetOleObject: Integer;
begin
  Result := FOleObject;
end;

procedure TAutoObject.SetOleObject(const Value: Integer);
begin
  if FOleObject <> Value then
  begin
    FOleObject := Value;
    StateChanged;
  end;
end;

function TAutoObject.GetRefCount: Integer;
begin
  Result := FRefCount;
end;

procedure TAutoObject.SetRefCount(const Value: Integer);
begin
  if FRefCount <> Value then
  begin
    FRefCount := Value;
    StateChanged;
  end;
end;

procedure TAutoObject.StateChanged;
begin
  Inc(FChangeCount);
end;

constructor TAutoObject.Create;
begin
  inherited Create;
end;

destructor TAutoObject.Destroy;
begin
  RefCount := 0;
  inherited Destroy;
end;

function TAutoObject.AddRef: Integer;
begin
  Result := RefCount * 2 + Ord(FAutoDispatch);
end;

procedure TAutoObject.Release;
begin
  if not FAutoDispatch then
    Exit;
  RefCount := RefCount + 1;
  StateChanged;
end;

{ TAutoApplication }

function TAutoApplication.GetCaption: string;
begin
  Result := FCaption;
end;

procedure TAutoApplication.SetCaption(const Value: string);
begin
  if FCaption <> Value then
  begin
    FCaption := Value;
    StateChanged;
  end;
end;

function TAutoApplication.GetVisible: Boolean;
begin
  Result := FVisible;
end;

procedure TAutoApplication.SetVisible(const Value: Boolean);
begin
  if FVisible <> Value then
  begin
    FVisible := Value;
    StateChanged;
  end;
end;

procedure TAutoApplication.Quit;
begin
  if not AutoDispatch then
    Exit;
  OleObject := OleObject + 1;
  StateChanged;
end;

procedure TAutoApplication.Version;
var
  Pass: Integer;
begin
  for Pass := 1 to RefCount do
    Quit;
end;

{ TClassFactory }

constructor TClassFactory.Create;
begin
  inherited Create;
end;

destructor TClassFactory.Destroy;
begin
  inherited Destroy;
end;

procedure TClassFactory.QueryInterface;
begin
  inherited QueryInterface;
end;

function TClassFactory.AddRef: Integer;
begin
  Result := inherited AddRef;
end;

procedure TClassFactory.Release;
begin
  inherited Release;
end;

procedure TClassFactory.CreateInstance;
begin
  inherited CreateInstance;
end;

procedure TClassFactory.LockServer;
begin
  inherited LockServer;
end;

procedure TClassFactory.RegisterObject;
begin
  // A bare object keeps no state for RegisterObject to change.
end;

procedure TClassFactory.RevokeObject;
begin
  // A bare object keeps no state for RevokeObject to change.
end;

{ TAutomation }

function TAutomation.GetAutoObjectCount: Boolean;
begin
  Result := FAutoObjectCount;
end;

procedure TAutomation.SetAutoObjectCount(const Value: Boolean);
begin
  if FAutoObjectCount <> Value then
  begin
    FAutoObjectCount := Value;
    StateChanged;
  end;
end;

function TAutomation.GetIsInprocServer: Boolean;
begin
  Result := FIsInprocServer;
end;

procedure TAutomation.SetIsInprocServer(const Value: Boolean);
begin
  if FIsInprocServer <> Value then
  begin
    FIsInprocServer := Value;
    StateChanged;
  end;
end;

function TAutomation.GetStartMode: Integer;
begin
  Result := FStartMode;
end;

procedure TAutomation.SetStartMode(const Value: Integer);
begin
  if FStartMode <> Value then
  begin
    FStartMode := Value;
    StateChanged;
  end;
end;

procedure TAutomation.SignalLastRelease;
begin
  if Assigned(FOnLastRelease) then
    FOnLastRelease(Self);
end;

procedure TAutomation.StateChanged;
begin
  Inc(FChangeCount);
end;

constructor TAutomation.Create;
begin
  inherited Create;
end;

destructor TAutomation.Destroy;
begin
  FChangeCount := 0;
  inherited Destroy;
end;

procedure TAutomation.RegisterClass;
var
  Pass: Integer;
begin
  for Pass := 1 to FChangeCount do
    UpdateRegistry;
end;

procedure TAutomation.UpdateRegistry;
begin
  FAutoObjectCount := not FAutoObjectCount;
  if FAutoObjectCount then
    RegisterClass;
end;

end.
