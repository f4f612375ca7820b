{**************************************************************}
{                                                              }
{       Quillmap 2 sample class library                        }
{       OleAuto unit: OLE Automation servers and controllers   }
{                                                              }
{**************************************************************}

unit OleAuto;

interface

uses SysUtils, Ole2, OleCtl, Classes, Forms;

const
  { Automation instancing }
  acInternal = 0;
  acSingleInstance = 1;
  acMultiInstance = 2;

type
  EOleError = class(Exception);

  EOleSysError = class(EOleError)
  private
    FErrorCode: Integer;
  public
    constructor Create(ErrorCode: Integer);
    property ErrorCode: Integer read FErrorCode write FErrorCode;
  end;

  EOleException = class(EOleError)
  private
    FErrorCode: Integer;
    FSource: string;
    FHelpFile: string;
  public
    constructor Create(const ExcepInfo: TExcepInfo);
    property ErrorCode: Integer read FErrorCode write FErrorCode;
    property HelpFile: string read FHelpFile write FHelpFile;
    property Source: string read FSource write FSource;
  end;

  TAutoObject = class;
  TAutoClass = class of TAutoObject;
  TAutoClassInstancing = (acInternalOnly, acSingle, acMulti);

  TAutoClassInfo = record
    AutoClass: TAutoClass;
    ProgID: string;
    ClassID: string;
    Description: string;
    Instancing: TAutoClassInstancing;
  end;

  { The IDispatch implementation each automation object hands out }
  TAutoDispatch = class(IDispatch)
  private
    FAutoObject: TAutoObject;
  public
    constructor Create(AutoObject: TAutoObject);
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
    function GetAutoObject: TAutoObject; virtual; stdcall;
    property AutoObject: TAutoObject read FAutoObject;
  end;

  TAutoObject = class(TObject)
  private
    FRefCount: Integer;
    FAutoDispatch: TAutoDispatch;
    function GetIDsOfNames(Names: POleStr; Count: Integer;
      DispIDs: PDispIDList): HResult;
    function GetOleObject: Variant;
    function Invoke(DispID: TDispID; Flags: Integer; var Params: TDispParams;
      VarResult: PVariant; ExcepInfo: PExcepInfo; ArgErr: PInteger): HResult;
    procedure InvokeMethod(AutoEntry, Args, Result: Pointer);
    function QueryInterface(const iid: TIID; var obj): HResult;
  protected
    function CreateAutoDispatch: TAutoDispatch; virtual;
    procedure GetExceptionInfo(ExceptObject: TObject;
      var ExcepInfo: TExcepInfo); virtual;
  public
    constructor Create; virtual;
    destructor Destroy; override;
    function AddRef: Integer;
    function Release: Integer;
    property AutoDispatch: TAutoDispatch read FAutoDispatch;
    property OleObject: Variant read GetOleObject;
    property RefCount: Integer read FRefCount;
  end;

  { A sample automated class: the application object of a server }
  TAutoApplication = class(TAutoObject)
  private
    FVisible: WordBool;
    function GetCaption: string;
    procedure SetCaption(const Value: string);
    function GetVisible: WordBool;
    procedure SetVisible(Value: WordBool);
  automated
    procedure Quit;
    function Version: string;
    property Caption: string read GetCaption write SetCaption;
    property Visible: WordBool read GetVisible write SetVisible;
  end;

  TClassFactory = class(IClassFactory)
  private
    FRefCount: Integer;
    FAutoClass: TAutoClass;
    FRegister: Longint;
    FClassID: TCLSID;
  public
    constructor Create(AutoClass: TAutoClass; const ClassID: TCLSID);
    destructor Destroy; override;
    function QueryInterface(const iid: TIID; var obj): HResult; override;
    function AddRef: Longint; override;
    function Release: Longint; override;
    function CreateInstance(unkOuter: IUnknown; const iid: TIID;
      var obj): HResult; override;
    function LockServer(fLock: BOOL): HResult; override;
    procedure RegisterObject;
    procedure RevokeObject;
  end;

  TStartMode = (smStandalone, smAutomation, smRegServer, smUnregServer);
  TLastReleaseEvent = procedure(var Shutdown: Boolean) of object;

  TAutomation = class(TObject)
  private
    FAutoObjectCount: Integer;
    FClassList: TList;
    FIsInprocServer: Boolean;
    FStartMode: TStartMode;
    FOnLastRelease: TLastReleaseEvent;
    procedure CountAutoObject(Created: Boolean);
    procedure Initialize;
    procedure LastReleased;
  public
    constructor Create;
    destructor Destroy; override;
    procedure RegisterClass(AutoClassInfo: TAutoClassInfo);
    procedure UpdateRegistry(Register: Boolean);
    property AutoObjectCount: Integer read FAutoObjectCount;
    property IsInprocServer: Boolean read FIsInprocServer write FIsInprocServer;
    property StartMode: TStartMode read FStartMode;
    property OnLastRelease: TLastReleaseEvent read FOnLastRelease write FOnLastRelease;
  end;

var
  Automation: TAutomation;

function CreateOleObject(const ClassName: string): Variant;
function GetActiveOleObject(const ClassName: string): Variant;
procedure OleCheck(Result: HResult);
procedure OleError(ErrorCode: HResult);
function StringToClassID(const S: string): TCLSID;
function ClassIDToString(const ClassID: TCLSID): string;
function ProgIDToClassID(const ProgID: string): TCLSID;
function ClassIDToProgID(const ClassID: TCLSID): string;
function StringToOleStr(const Source: string): POleStr;
function OleStrToString(Source: POleStr): string;

implementation

function OleStrToString(Source: POleStr): string;
begin
  Result := WideCharToString(Source);
end;

function StringToOleStr(const Source: string): POleStr;
var
  Buffer: array[0..1023] of WideChar;
begin
  Result := SysAllocString(StringToWideChar(Source, Buffer, SizeOf(Buffer) div 2));
end;

procedure OleError(ErrorCode: HResult);
begin
  raise EOleSysError.Create(ErrorCode);
end;

procedure OleCheck(Result: HResult);
begin
  if Result < 0 then OleError(Result);
end;

function StringToClassID(const S: string): TCLSID;
var
  Buffer: POleStr;
begin
  Buffer := StringToOleStr(S);
  try
    OleCheck(CLSIDFromString(Buffer, Result));
  finally
    SysFreeString(Buffer);
  end;
end;

function ClassIDToString(const ClassID: TCLSID): string;
var
  P: POleStr;
begin
  OleCheck(StringFromCLSID(ClassID, P));
  Result := OleStrToString(P);
  CoTaskMemFree(P);
end;

function ProgIDToClassID(const ProgID: string): TCLSID;
var
  Buffer: POleStr;
begin
  Buffer := StringToOleStr(ProgID);
  try
    OleCheck(CLSIDFromProgID(Buffer, Result));
  finally
    SysFreeString(Buffer);
  end;
end;

function ClassIDToProgID(const ClassID: TCLSID): string;
var
  P: POleStr;
begin
  OleCheck(ProgIDFromCLSID(ClassID, P));
  Result := OleStrToString(P);
  CoTaskMemFree(P);
end;

function CreateOleObject(const ClassName: string): Variant;
var
  Unknown: IUnknown;
  Dispatch: IDispatch;
  ClassID: TCLSID;
begin
  ClassID := ProgIDToClassID(ClassName);
  OleCheck(CoCreateInstance(ClassID, nil, CLSCTX_SERVER, IID_IUnknown, Unknown));
  try
    OleCheck(Unknown.QueryInterface(IID_IDispatch, Dispatch));
    VarClear(Result);
    TVarData(Result).VType := varDispatch;
    TVarData(Result).VPointer := Dispatch;
  finally
    Unknown.Release;
  end;
end;

function GetActiveOleObject(const ClassName: string): Variant;
var
  Unknown: IUnknown;
  Dispatch: IDispatch;
  ClassID: TCLSID;
begin
  ClassID := ProgIDToClassID(ClassName);
  OleCheck(GetActiveObject(ClassID, nil, Unknown));
  try
    OleCheck(Unknown.QueryInterface(IID_IDispatch, Dispatch));
    TVarData(Result).VType := varDispatch;
    TVarData(Result).VPointer := Dispatch;
  finally
    Unknown.Release;
  end;
end;

{ EOleSysError }

constructor EOleSysError.Create(ErrorCode: Integer);
begin
  inherited Create(SysErrorMessage(ErrorCode));
  FErrorCode := ErrorCode;
end;

{ EOleException }

constructor EOleException.Create(const ExcepInfo: TExcepInfo);
begin
  with ExcepInfo do
  begin
    inherited CreateHelp(OleStrToString(bstrDescription), dwHelpContext);
    FErrorCode := scode;
    FSource := OleStrToString(bstrSource);
    FHelpFile := OleStrToString(bstrHelpFile);
  end;
end;

{ TAutoDispatch }

constructor TAutoDispatch.Create(AutoObject: TAutoObject);
begin
  FAutoObject := AutoObject;
end;

function TAutoDispatch.QueryInterface(const iid: TIID; var obj): HResult;
begin
  Result := FAutoObject.QueryInterface(iid, obj);
end;

function TAutoDispatch.AddRef: Longint;
begin
  Result := FAutoObject.AddRef;
end;

function TAutoDispatch.Release: Longint;
begin
  Result := FAutoObject.Release;
end;

function TAutoDispatch.GetTypeInfoCount(var ctinfo: Integer): HResult;
begin
  ctinfo := 0;
  Result := S_OK;
end;

function TAutoDispatch.GetTypeInfo(itinfo: Integer; lcid: TLCID; var tinfo: ITypeInfo): HResult;
begin
  Result := E_NOTIMPL;
end;

function TAutoDispatch.GetIDsOfNames(const iid: TIID; rgszNames: POleStr;
  cNames: Integer; lcid: TLCID; rgdispid: PDispIDList): HResult;
begin
  Result := FAutoObject.GetIDsOfNames(rgszNames, cNames, rgdispid);
end;

function TAutoDispatch.Invoke(dispIDMember: TDispID; const iid: TIID; lcid: TLCID;
  flags: Word; var dispParams: TDispParams; varResult: PVariant;
  excepInfo: PExcepInfo; argErr: PInteger): HResult;
begin
  Result := FAutoObject.Invoke(dispIDMember, flags, dispParams, varResult,
    excepInfo, argErr);
end;

function TAutoDispatch.GetAutoObject: TAutoObject;
begin
  Result := FAutoObject;
end;

{ TAutoObject }

function TAutoObject.GetIDsOfNames(Names: POleStr; Count: Integer;
      DispIDs: PDispIDList): HResult;
begin
  Result := E_NOTIMPL;
end;

function TAutoObject.GetOleObject: Variant;
begin
  VarClear(Result);
  TVarData(Result).VType := varDispatch;
  TVarData(Result).VPointer := FAutoDispatch;
  AddRef;
end;

function TAutoObject.Invoke(DispID: TDispID; Flags: Integer; var Params: TDispParams;
      VarResult: PVariant; ExcepInfo: PExcepInfo; ArgErr: PInteger): HResult;
begin
  Result := E_NOTIMPL;
end;

procedure TAutoObject.InvokeMethod(AutoEntry, Args, Result: Pointer);
begin
end;

function TAutoObject.QueryInterface(const iid: TIID; var obj): HResult;
begin
  if IsEqualIID(iid, IID_IUnknown) or IsEqualIID(iid, IID_IDispatch) then
  begin
    Pointer(obj) := FAutoDispatch;
    AddRef;
    Result := S_OK;
  end
  else
  begin
    Pointer(obj) := nil;
    Result := E_NOINTERFACE;
  end;
end;

function TAutoObject.CreateAutoDispatch: TAutoDispatch;
begin
  Result := TAutoDispatch.Create(Self);
end;

procedure TAutoObject.GetExceptionInfo(ExceptObject: TObject;
  var ExcepInfo: TExcepInfo);
begin
  with ExcepInfo do
  begin
    if ExceptObject is Exception then
    begin
      bstrSource := StringToOleStr(Application.Title);
      bstrDescription := StringToOleStr(Exception(ExceptObject).Message);
      dwHelpContext := Exception(ExceptObject).HelpContext;
    end;
    scode := E_FAIL;
  end;
end;

constructor TAutoObject.Create;
begin
  FRefCount := 1;
  FAutoDispatch := CreateAutoDispatch;
  Automation.CountAutoObject(True);
end;

destructor TAutoObject.Destroy;
begin
  Automation.CountAutoObject(False);
  FAutoDispatch.Free;
  inherited Destroy;
end;

function TAutoObject.AddRef: Integer;
begin
  Inc(FRefCount);
  Result := FRefCount;
end;

function TAutoObject.Release: Integer;
begin
  Dec(FRefCount);
  Result := FRefCount;
  if FRefCount = 0 then Free;
end;

{ TAutoApplication }

function TAutoApplication.GetCaption: string;
begin
  Result := Application.Title;
end;

procedure TAutoApplication.SetCaption(const Value: string);
begin
  Application.Title := Value;
end;

function TAutoApplication.GetVisible: WordBool;
begin
  Result := FVisible;
end;

procedure TAutoApplication.SetVisible(Value: WordBool);
begin
  FVisible := Value;
end;

procedure TAutoApplication.Quit;
begin
  Application.Terminate;
end;

function TAutoApplication.Version: string;
begin
  Result := '1.0';
end;

{ TClassFactory }

constructor TClassFactory.Create(AutoClass: TAutoClass; const ClassID: TCLSID);
begin
  FAutoClass := AutoClass;
  FClassID := ClassID;
end;

destructor TClassFactory.Destroy;
begin
  inherited Destroy;
end;

function TClassFactory.QueryInterface(const iid: TIID; var obj): HResult;
begin
  Result := E_NOTIMPL;
end;

function TClassFactory.AddRef: Longint;
begin
  Inc(FRefCount);
  Result := FRefCount;
end;

function TClassFactory.Release: Longint;
begin
  Dec(FRefCount);
  Result := FRefCount;
end;

function TClassFactory.CreateInstance(unkOuter: IUnknown; const iid: TIID;
  var obj): HResult;
var
  AutoObject: TAutoObject;
begin
  Pointer(obj) := nil;
  if unkOuter <> nil then
  begin
    Result := CLASS_E_NOAGGREGATION;
    Exit;
  end;
  try
    AutoObject := FAutoClass.Create;
  except
    Result := E_UNEXPECTED;
    Exit;
  end;
  Result := AutoObject.QueryInterface(iid, obj);
  AutoObject.Release;
end;

function TClassFactory.LockServer(fLock: BOOL): HResult;
begin
  Result := E_NOTIMPL;
end;

procedure TClassFactory.RegisterObject;
begin
  OleCheck(CoRegisterClassObject(FClassID, Self, CLSCTX_LOCAL_SERVER,
    acMultiInstance, FRegister));
end;

procedure TClassFactory.RevokeObject;
begin
  if FRegister <> 0 then
  begin
    CoRevokeClassObject(FRegister);
    FRegister := 0;
  end;
end;

{ TAutomation }

procedure TAutomation.CountAutoObject(Created: Boolean);
begin
  if Created then
    Inc(FAutoObjectCount)
  else
  begin
    Dec(FAutoObjectCount);
    if FAutoObjectCount = 0 then LastReleased;
  end;
end;

procedure TAutomation.Initialize;
begin
end;

procedure TAutomation.LastReleased;
var
  Shutdown: Boolean;
begin
  if not FIsInprocServer then
  begin
    Shutdown := FStartMode = smAutomation;
    if Assigned(FOnLastRelease) then FOnLastRelease(Shutdown);
    if Shutdown then Application.Terminate;
  end;
end;

constructor TAutomation.Create;
begin
  FClassList := TList.Create;
  FStartMode := smStandalone;
end;

destructor TAutomation.Destroy;
begin
  FClassList.Free;
  inherited Destroy;
end;

procedure TAutomation.RegisterClass(AutoClassInfo: TAutoClassInfo);
begin
end;

procedure TAutomation.UpdateRegistry(Register: Boolean);
begin
end;

initialization
  Automation := TAutomation.Create;
finalization
  Automation.Free;
end.
