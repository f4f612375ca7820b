{ DBTables: a unit of the sample Delphi 2.0 installation that Quillmap 2 browses.
  Written by samples/make_sample.py from samples/vcl-table.txt; change those, not this file. }

unit DBTables;

(* The declarations name the documented interface of the unit; everything
   private, and every statement, is the sample's own. *)

interface

uses SysUtils, Classes, Graphics, Controls, Forms, DB;

const
  DBTablesSample = 'Quillmap''s sample of DBTables';

type

  TDBError = class
  private
    FCategory: Integer;
    FErrorCode: Integer;
    FSubCode: Integer;
    FMessage: string;
    FNativeError: Integer;
    FChangeCount: Integer;
    function GetCategory: Integer;
    procedure SetCategory(const Value: Integer);
    function GetErrorCode: Integer;
    procedure SetErrorCode(const Value: Integer);
    function GetSubCode: Integer;
    procedure SetSubCode(const Value: Integer);
    function GetMessage: string;
    procedure SetMessage(const Value: string);
    function GetNativeError: Integer;
    procedure SetNativeError(const Value: Integer);
  protected
    procedure StateChanged; virtual;
  public
    constructor Create;
    property Category: Integer read GetCategory write SetCategory;
    property ErrorCode: Integer read GetErrorCode write SetErrorCode;
    property SubCode: Integer read GetSubCode write SetSubCode;
    property Message: string read GetMessage write SetMessage;
    property NativeError: Integer read GetNativeError write SetNativeError;
  end;

  EDBEngineError = class(EDatabaseError)
  private
    FErrorCount: Integer;
    FErrors: Integer;
    function GetErrorCount: Integer;
    procedure SetErrorCount(const Value: Integer);
    function GetErrors: Integer;
    procedure SetErrors(const Value: Integer);
  public
    constructor Create(const Msg: string);
    destructor Destroy; override;
    property ErrorCount: Integer read GetErrorCount write SetErrorCount;
    property Errors: Integer read GetErrors write SetErrors;
  end;

  ENoResultSet = class(EDatabaseError)
  end;

  TSession = class(TComponent)
  private
    FConfigMode: Integer;
    FDatabaseCount: Integer;
    FDatabases: Integer;
    FHandle: THandle;
    FActive: Boolean;
    FKeepConnections: Integer;
    FNetFileDir: string;
    FPrivateDir: string;
    FSessionName: string;
    FOnPassword: TNotifyEvent;
    FOnStartup: TNotifyEvent;
    function GetConfigMode: Integer;
    procedure SetConfigMode(const Value: Integer);
    function GetDatabaseCount: Integer;
    procedure SetDatabaseCount(const Value: Integer);
    function GetDatabases: Integer;
    procedure SetDatabases(const Value: Integer);
    function GetHandle: THandle;
    procedure SetHandle(const Value: THandle);
    procedure SetActive(const Value: Boolean);
    procedure SetKeepConnections(const Value: Integer);
    procedure SetNetFileDir(const Value: string);
    procedure SetPrivateDir(const Value: string);
    procedure SetSessionName(const Value: string);
  protected
    procedure SignalPassword; dynamic;
    procedure SignalStartup; dynamic;
  public
    constructor Create(AOwner: TComponent); override;
    destructor Destroy; override;
    function AddAlias: Integer;
    function AddStandardAlias: Integer;
    function AddPassword: Integer;
    procedure Close;
    procedure CloseDatabase;
    procedure DeleteAlias;
    procedure DropConnections;
    function FindDatabase: Boolean;
    function GetAliasNames: Integer;
    function GetAliasParams: Integer;
    function GetAliasDriverName: Integer;
    function GetConfigParams: Integer;
    function GetDatabaseNames: Integer;
    function GetDriverNames: Integer;
    function GetDriverParams: Integer;
    function GetPassword: Integer;
    function GetTableNames: Integer;
    function GetStoredProcNames: Integer;
    function IsAlias: Boolean;
    procedure ModifyAlias;
    procedure Open;
    function OpenDatabase: Boolean;
    procedure RemoveAllPasswords;
    procedure RemovePassword;
    procedure SaveConfigFile;
    property ConfigMode: Integer read GetConfigMode write SetConfigMode;
    property DatabaseCount: Integer read GetDatabaseCount write SetDatabaseCount;
    property Databases: Integer read GetDatabases write SetDatabases;
    property Handle: THandle read GetHandle write SetHandle;
  published
    property Active: Boolean read FActive write SetActive;
    property KeepConnections: Integer read FKeepConnections write SetKeepConnections;
    property NetFileDir: string read FNetFileDir write SetNetFileDir;
    property PrivateDir: string read FPrivateDir write SetPrivateDir;
    property SessionName: string read FSessionName write SetSessionName;
    property OnPassword: TNotifyEvent read FOnPassword write FOnPassword;
    property OnStartup: TNotifyEvent read FOnStartup write FOnStartup;
  end;

  TSessionList = class
  private
    FCount: Integer;
    FSessions: Integer;
    FList: Integer;
    FChangeCount: Integer;
    function GetCount: Integer;
    procedure SetCount(const Value: Integer);
    function GetSessions: Integer;
    procedure SetSessions(const Value: Integer);
    function GetList: Integer;
    procedure SetList(const Value: Integer);
  protected
    procedure StateChanged; virtual;
  public
    constructor Create;
    destructor Destroy; override;
    function FindSession: Boolean;
    function GetSessionNames: Integer;
    function OpenSession: Boolean;
    property Count: Integer read GetCount write SetCount;
    property Sessions: Integer read GetSessions write SetSessions;
    property List: Integer read GetList write SetList;
  end;

  TDatabase = class(TComponent)
  private
    FDataSetCount: Integer;
    FDataSets: Integer;
    FDirectory: string;
    FHandle: THandle;
    FIsSQLBased: Boolean;
    FInTransaction: Integer;
    FLocale: Integer;
    FSession: Integer;
    FTemporary: Integer;
    FAliasName: string;
    FConnected: Boolean;
    FDatabaseName: string;
    FDriverName: string;
    FKeepConnection: Integer;
    FLoginPrompt: Integer;
    FParams: TStrings;
    FSessionName: string;
    FTransIsolation: Integer;
    FOnLogin: TNotifyEvent;
    function GetDataSetCount: Integer;
    procedure SetDataSetCount(const Value: Integer);
    function GetDataSets: Integer;
    procedure SetDataSets(const Value: Integer);
    function GetDirectory: string;
    procedure SetDirectory(const Value: string);
    function GetHandle: THandle;
    procedure SetHandle(const Value: THandle);
    function GetIsSQLBased: Boolean;
    procedure SetIsSQLBased(const Value: Boolean);
    function GetInTransaction: Integer;
    procedure SetInTransaction(const Value: Integer);
    function GetLocale: Integer;
    procedure SetLocale(const Value: Integer);
    function GetSession: Integer;
    procedure SetSession(const Value: Integer);
    function GetTemporary: Integer;
    procedure SetTemporary(const Value: Integer);
    procedure SetAliasName(const Value: string);
    procedure SetConnected(const Value: Boolean);
    procedure SetDatabaseName(const Value: string);
    procedure SetDriverName(const Value: string);
    procedure SetKeepConnection(const Value: Integer);
    procedure SetLoginPrompt(const Value: Integer);
    procedure SetParams(const Value: TStrings);
    procedure SetSessionName(const Value: string);
    procedure SetTransIsolation(const Value: Integer);
  protected
    procedure SignalLogin; dynamic;
  public
    constructor Create(AOwner: TComponent); override;
    destructor Destroy; override;
    procedure ApplyUpdates;
    procedure Close;
    procedure CloseDataSets;
    procedure Commit;
    procedure FlushSchemaCache;
    procedure Open;
    procedure Rollback;
    procedure StartTransaction;
    function ValidateName: Boolean;
    property DataSetCount: Integer read GetDataSetCount write SetDataSetCount;
    property DataSets: Integer read GetDataSets write SetDataSets;
    property Directory: string read GetDirectory write SetDirectory;
    property Handle: THandle read GetHandle write SetHandle;
    property IsSQLBased: Boolean read GetIsSQLBased write SetIsSQLBased;
    property InTransaction: Integer read GetInTransaction write SetInTransaction;
    property Locale: Integer read GetLocale write SetLocale;
    property Session: Integer read GetSession write SetSession;
    property Temporary: Integer read GetTemporary write SetTemporary;
  published
    property AliasName: string read FAliasName write SetAliasName;
    property Connected: Boolean read FConnected write SetConnected;
    property DatabaseName: string read FDatabaseName write SetDatabaseName;
    property DriverName: string read FDriverName write SetDriverName;
    property KeepConnection: Integer read FKeepConnection write SetKeepConnection;
    property LoginPrompt: Integer read FLoginPrompt write SetLoginPrompt;
    property Params: TStrings read FParams write SetParams;
    property SessionName: string read FSessionName write SetSessionName;
    property TransIsolation: Integer read FTransIsolation write SetTransIsolation;
    property OnLogin: TNotifyEvent read FOnLogin write FOnLogin;
  end;

  TDataSetUpdateObject = class(TComponent)
  end;

  TBDEDataSet = class(TDataSet)
  private
    FCachedUpdates: Integer;
    FUpdateObject: Integer;
    FUpdatesPending: Integer;
    FUpdateRecordTypes: Integer;
    FOnUpdateError: TNotifyEvent;
    FOnUpdateRecord: TNotifyEvent;
    function GetCachedUpdates: Integer;
    procedure SetCachedUpdates(const Value: Integer);
    function GetUpdateObject: Integer;
    procedure SetUpdateObject(const Value: Integer);
    function GetUpdatesPending: Integer;
    procedure SetUpdatesPending(const Value: Integer);
    function GetUpdateRecordTypes: Integer;
    procedure SetUpdateRecordTypes(const Value: Integer);
  protected
    procedure SignalUpdateError; dynamic;
    procedure SignalUpdateRecord; dynamic;
  public
    constructor Create(AOwner: TComponent); override;
    destructor Destroy; override;
    procedure ApplyUpdates;
    function CancelUpdates: Boolean;
    procedure CommitUpdates;
    procedure FetchAll;
    procedure RevertRecord;
    property CachedUpdates: Integer read GetCachedUpdates write SetCachedUpdates;
    property UpdateObject: Integer read GetUpdateObject write SetUpdateObject;
    property UpdatesPending: Integer read GetUpdatesPending write SetUpdatesPending;
    property UpdateRecordTypes: Integer read GetUpdateRecordTypes write SetUpdateRecordTypes;
    property OnUpdateError: TNotifyEvent read FOnUpdateError write FOnUpdateError;
    property OnUpdateRecord: TNotifyEvent read FOnUpdateRecord write FOnUpdateRecord;
  end;

  TDBDataSet = class(TBDEDataSet)
  private
    FDatabase: Integer;
    FDBSession: Integer;
    FDatabaseName: string;
    FSessionName: string;
    function GetDatabase: Integer;
    procedure SetDatabase(const Value: Integer);
    function GetDBSession: Integer;
    procedure SetDBSession(const Value: Integer);
    procedure SetDatabaseName(const Value: string);
    procedure SetSessionName(const Value: string);
  public
    procedure CheckOpen;
    property Database: Integer read GetDatabase write SetDatabase;
    property DBSession: Integer read GetDBSession write SetDBSession;
  published
    property DatabaseName: string read FDatabaseName write SetDatabaseName;
    property SessionName: string read FSessionName write SetSessionName;
  end;

  TTable = class(TDBDataSet)
  private
    FExists: Boolean;
    FIndexFieldCount: Integer;
    FIndexFields: Integer;
    FExclusive: Boolean;
    FIndexDefs: Integer;
    FIndexFieldNames: Integer;
    FIndexName: string;
    FMasterFields: Integer;
    FMasterSource: Integer;
    FReadOnly: Boolean;
    FTableName: string;
    FTableType: Integer;
    function GetExists: Boolean;
    procedure SetExists(const Value: Boolean);
    function GetIndexFieldCount: Integer;
    procedure SetIndexFieldCount(const Value: Integer);
    function GetIndexFields: Integer;
    procedure SetIndexFields(const Value: Integer);
    procedure SetExclusive(const Value: Boolean);
    procedure SetIndexDefs(const Value: Integer);
    procedure SetIndexFieldNames(const Value: Integer);
    procedure SetIndexName(const Value: string);
    procedure SetMasterFields(const Value: Integer);
    procedure SetMasterSource(const Value: Integer);
    procedure SetReadOnly(const Value: Boolean);
    procedure SetTableName(const Value: string);
    procedure SetTableType(const Value: Integer);
  public
    constructor Create(AOwner: TComponent); override;
    destructor Destroy; override;
    procedure BatchMove;
    function AddIndex: Integer;
    procedure ApplyRange;
    function CancelRange: Boolean;
    procedure CloseIndexFile;
    procedure CreateTable;
    procedure DeleteIndex;
    procedure DeleteTable;
    procedure EditKey;
    procedure EditRangeEnd;
    procedure EditRangeStart;
    procedure EmptyTable;
    function FindKey: Boolean;
    function FindNearest: Boolean;
    function GetIndexNames: Integer;
    procedure GotoCurrent;
    procedure GotoKey;
    procedure GotoNearest;
    procedure LockTable;
    function OpenIndexFile: Boolean;
    procedure RenameTable;
    procedure SetKey;
    procedure SetRange;
    procedure SetRangeEnd;
    procedure SetRangeStart;
    procedure UnlockTable;
    property Exists: Boolean read GetExists write SetExists;
    property IndexFieldCount: Integer read GetIndexFieldCount write SetIndexFieldCount;
    property IndexFields: Integer read GetIndexFields write SetIndexFields;
  published
    property Exclusive: Boolean read FExclusive write SetExclusive;
    property IndexDefs: Integer read FIndexDefs write SetIndexDefs;
    property IndexFieldNames: Integer read FIndexFieldNames write SetIndexFieldNames;
    property IndexName: string read FIndexName write SetIndexName;
    property MasterFields: Integer read FMasterFields write SetMasterFields;
    property MasterSource: Integer read FMasterSource write SetMasterSource;
    property ReadOnly: Boolean read FReadOnly write SetReadOnly;
    property TableName: string read FTableName write SetTableName;
    property TableType: Integer read FTableType write SetTableType;
  end;

  TBatchMove = class(TComponent)
  private
    FChangedCount: Integer;
    FKeyViolCount: Integer;
    FMovedCount: Integer;
    FProblemCount: Integer;
    FAbortOnKeyViol: Integer;
    FAbortOnProblem: Integer;
    FChangedTableName: string;
    FDestination: Integer;
    FKeyViolTableName: string;
    FMappings: Integer;
    FMode: Integer;
    FProblemTableName: string;
    FRecordCount: Integer;
    FSource: Integer;
    FTransliterate: Integer;
    function GetChangedCount: Integer;
    procedure SetChangedCount(const Value: Integer);
    function GetKeyViolCount: Integer;
    procedure SetKeyViolCount(const Value: Integer);
    function GetMovedCount: Integer;
    procedure SetMovedCount(const Value: Integer);
    function GetProblemCount: Integer;
    procedure SetProblemCount(const Value: Integer);
    procedure SetAbortOnKeyViol(const Value: Integer);
    procedure SetAbortOnProblem(const Value: Integer);
    procedure SetChangedTableName(const Value: string);
    procedure SetDestination(const Value: Integer);
    procedure SetKeyViolTableName(const Value: string);
    procedure SetMappings(const Value: Integer);
    procedure SetMode(const Value: Integer);
    procedure SetProblemTableName(const Value: string);
    procedure SetRecordCount(const Value: Integer);
    procedure SetSource(const Value: Integer);
    procedure SetTransliterate(const Value: Integer);
  public
    constructor Create(AOwner: TComponent); override;
    destructor Destroy; override;
    function Execute: Boolean;
    property ChangedCount: Integer read GetChangedCount write SetChangedCount;
    property KeyViolCount: Integer read GetKeyViolCount write SetKeyViolCount;
    property MovedCount: Integer read GetMovedCount write SetMovedCount;
    property ProblemCount: Integer read GetProblemCount write SetProblemCount;
  published
    property AbortOnKeyViol: Integer read FAbortOnKeyViol write SetAbortOnKeyViol;
    property AbortOnProblem: Integer read FAbortOnProblem write SetAbortOnProblem;
    property ChangedTableName: string read FChangedTableName write SetChangedTableName;
    property Destination: Integer read FDestination write SetDestination;
    property KeyViolTableName: string read FKeyViolTableName write SetKeyViolTableName;
    property Mappings: Integer read FMappings write SetMappings;
    property Mode: Integer read FMode write SetMode;
    property ProblemTableName: string read FProblemTableName write SetProblemTableName;
    property RecordCount: Integer read FRecordCount write SetRecordCount;
    property Source: Integer read FSource write SetSource;
    property Transliterate: Integer read FTransliterate write SetTransliterate;
  end;

  TParam = class(TPersistent)
  private
    FAsBoolean: Integer;
    FAsCurrency: Integer;
    FAsDate: TDateTime;
    FAsDateTime: TDateTime;
    FAsFloat: Integer;
    FAsInteger: Integer;
    FAsString: Integer;
    FBound: Integer;
    FDataType: Integer;
    FIsNull: Boolean;
    FName: string;
    FParamType: Integer;
    FText: string;
    FValue: string;
    function GetAsBoolean: Integer;
    procedure SetAsBoolean(const Value: Integer);
    function GetAsCurrency: Integer;
    procedure SetAsCurrency(const Value: Integer);
    function GetAsDate: TDateTime;
    procedure SetAsDate(const Value: TDateTime);
    function GetAsDateTime: TDateTime;
    procedure SetAsDateTime(const Value: TDateTime);
    function GetAsFloat: Integer;
    procedure SetAsFloat(const Value: Integer);
    function GetAsInteger: Integer;
    procedure SetAsInteger(const Value: Integer);
    function GetAsString: Integer;
    procedure SetAsString(const Value: Integer);
    function GetBound: Integer;
    procedure SetBound(const Value: Integer);
    function GetDataType: Integer;
    procedure SetDataType(const Value: Integer);
    function GetIsNull: Boolean;
    procedure SetIsNull(const Value: Boolean);
    function GetName: string;
    procedure SetName(const Value: string);
    function GetParamType: Integer;
    procedure SetParamType(const Value: Integer);
    function GetText: string;
    procedure SetText(const Value: string);
    function GetValue: string;
    procedure SetValue(const Value: string);
  public
    constructor Create;
    destructor Destroy; override;
    procedure Assign(Source: TPersistent); override;
    procedure AssignField;
    procedure AssignFieldValue;
    procedure Clear;
    function GetData: Integer;
    function GetDataSize: Integer;
    procedure SetData;
    property AsBoolean: Integer read GetAsBoolean write SetAsBoolean;
    property AsCurrency: Integer read GetAsCurrency write SetAsCurrency;
    property AsDate: TDateTime read GetAsDate write SetAsDate;
    property AsDateTime: TDateTime read GetAsDateTime write SetAsDateTime;
    property AsFloat: Integer read GetAsFloat write SetAsFloat;
    property AsInteger: Integer read GetAsInteger write SetAsInteger;
    property AsString: Integer read GetAsString write SetAsString;
    property Bound: Integer read GetBound write SetBound;
    property DataType: Integer read GetDataType write SetDataType;
    property IsNull: Boolean read GetIsNull write SetIsNull;
    property Name: string read GetName write SetName;
    property ParamType: Integer read GetParamType write SetParamType;
    property Text: string read GetText write SetText;
    property Value: string read GetValue write SetValue;
  end;

  TParams = class(TPersistent)
  private
    FItems: TStrings;
    FParamValues: Integer;
    function GetItems: TStrings;
    procedure SetItems(const Value: TStrings);
    function GetParamValues: Integer;
    procedure SetParamValues(const Value: Integer);
  public
    constructor Create;
    destructor Destroy; override;
    procedure AssignValues;
    function AddParam: Integer;
    procedure RemoveParam;
    procedure CreateParam;
    procedure Count;
    procedure Clear;
    function GetParamList: Integer;
    function IsEqual: Boolean;
    procedure ParamByName;
    property Items: TStrings read GetItems write SetItems;
    property ParamValues: Integer read GetParamValues write SetParamValues;
  end;

  TStoredProc = class(TDBDataSet)
  private
    FParamCount: Integer;
    FStmtHandle: THandle;
    FPrepared: Boolean;
    FStoredProcName: string;
    FOverload: Integer;
    FParams: TStrings;
    FParamBindMode: Integer;
    function GetParamCount: Integer;
    procedure SetParamCount(const Value: Integer);
    function GetStmtHandle: THandle;
    procedure SetStmtHandle(const Value: THandle);
    function GetPrepared: Boolean;
    procedure SetPrepared(const Value: Boolean);
    procedure SetStoredProcName(const Value: string);
    procedure SetOverload(const Value: Integer);
    procedure SetParams(const Value: TStrings);
    procedure SetParamBindMode(const Value: Integer);
  public
    constructor Create(AOwner: TComponent); override;
    destructor Destroy; override;
    procedure CopyParams;
    function DescriptionsAvailable: Boolean;
    procedure ExecProc;
    procedure ParamByName;
    procedure Prepare;
    function GetResults: Integer;
    procedure UnPrepare;
    property ParamCount: Integer read GetParamCount write SetParamCount;
    property StmtHandle: THandle read GetStmtHandle write SetStmtHandle;
    property Prepared: Boolean read GetPrepared write SetPrepared;
  published
    property StoredProcName: string read FStoredProcName write SetStoredProcName;
    property Overload: Integer read FOverload write SetOverload;
    property Params: TStrings read FParams write SetParams;
    property ParamBindMode: Integer read FParamBindMode write SetParamBindMode;
  end;

  TQuery = class(TDBDataSet)
  private
    FPrepared: Boolean;
    FParamCount: Integer;
    FLocal: Integer;
    FStmtHandle: THandle;
    FText: string;
    FRowsAffected: Integer;
    FSQLBinary: Integer;
    FConstrained: Integer;
    FDataSource: TDataSource;
    FParamCheck: Integer;
    FRequestLive: Boolean;
    FSQL: TStrings;
    FParams: TStrings;
    FUniDirectional: Boolean;
    function GetPrepared: Boolean;
    procedure SetPrepared(const Value: Boolean);
    function GetParamCount: Integer;
    procedure SetParamCount(const Value: Integer);
    function GetLocal: Integer;
    procedure SetLocal(const Value: Integer);
    function GetStmtHandle: THandle;
    procedure SetStmtHandle(const Value: THandle);
    function GetText: string;
    procedure SetText(const Value: string);
    function GetRowsAffected: Integer;
    procedure SetRowsAffected(const Value: Integer);
    function GetSQLBinary: Integer;
    procedure SetSQLBinary(const Value: Integer);
    procedure SetConstrained(const Value: Integer);
    procedure SetDataSource(const Value: TDataSource);
    procedure SetParamCheck(const Value: Integer);
    procedure SetRequestLive(const Value: Boolean);
    procedure SetSQL(const Value: TStrings);
    procedure SetParams(const Value: TStrings);
    procedure SetUniDirectional(const Value: Boolean);
  public
    constructor Create(AOwner: TComponent); override;
    destructor Destroy; override;
    procedure ExecSQL;
    procedure ParamByName;
    procedure Prepare;
    procedure UnPrepare;
    property Prepared: Boolean read GetPrepared write SetPrepared;
    property ParamCount: Integer read GetParamCount write SetParamCount;
    property Local: Integer read GetLocal write SetLocal;
    property StmtHandle: THandle read GetStmtHandle write SetStmtHandle;
    property Text: string read GetText write SetText;
    property RowsAffected: Integer read GetRowsAffected write SetRowsAffected;
    property SQLBinary: Integer read GetSQLBinary write SetSQLBinary;
  published
    property Constrained: Integer read FConstrained write SetConstrained;
    property DataSource: TDataSource read FDataSource write SetDataSource;
    property ParamCheck: Integer read FParamCheck write SetParamCheck;
    property RequestLive: Boolean read FRequestLive write SetRequestLive;
    property SQL: TStrings read FSQL write SetSQL;
    property Params: TStrings read FParams write SetParams;
    property UniDirectional: Boolean read FUniDirectional write SetUniDirectional;
  end;

  TUpdateSQL = class(TDataSetUpdateObject)
  private
    FQuery: Integer;
    FSQL: TStrings;
    FModifySQL: Integer;
    FInsertSQL: Integer;
    FDeleteSQL: Integer;
    function GetQuery: Integer;
    procedure SetQuery(const Value: Integer);
    function GetSQL: TStrings;
    procedure SetSQL(const Value: TStrings);
    procedure SetModifySQL(const Value: Integer);
    procedure SetInsertSQL(const Value: Integer);
    procedure SetDeleteSQL(const Value: Integer);
  public
    constructor Create(AOwner: TComponent); override;
    destructor Destroy; override;
    procedure Apply;
    procedure ExecSQL;
    procedure SetParams;
    property Query: Integer read GetQuery write SetQuery;
    property SQL: TStrings read GetSQL write SetSQL;
  published
    property ModifySQL: Integer read FModifySQL write SetModifySQL;
    property InsertSQL: Integer read FInsertSQL write SetInsertSQL;
    property DeleteSQL: Integer read FDeleteSQL write SetDeleteSQL;
  end;

  TBlobStream = class(TStream)
  public
    constructor Create;
    destructor Destroy; override;
    procedure Read; override;
    procedure Write; override;
    function Seek: Longint; override;
    procedure Truncate;
  end;

implementation

// Method bodies, class by class, in the order of the declarations above.

{ TDBError }

function TDBError.GetCategory: Integer;
begin
  Result := FCategory;
end;

procedure TDBError.SetCategory(const Value: Integer);
begin
  if FCategory <> Value then
  begin
    FCategory := Value;
    StateChanged;
  end;
end;

function TDBError.GetErrorCode: Integer;
begin
  Result := FErrorCode;
end;

procedure TDBError.SetErrorCode(const Value: Integer);
begin
  if FErrorCode <> Value then
  begin
    FErrorCode := Value;
    StateChanged;
  end;
end;

function TDBError.GetSubCode: Integer;
begin
  Result := FSubCode;
end;

procedure TDBError.SetSubCode(const Value: Integer);
begin
  if FSubCode <> Value then
  begin
    FSubCode := Value;
    StateChanged;
  end;
end;

function TDBError.GetMessage: string;
begin
  Result := FMessage;
end;

procedure TDBError.SetMessage(const Value: string);
begin
  if FMessage <> Value then
  begin
    FMessage := Value;
    StateChanged;
  end;
end;

function TDBError.GetNativeError: Integer;
begin
  Result := FNativeError;
end;

procedure TDBError.SetNativeError(const Value: Integer);
begin
  if FNativeError <> Value then
  begin
    FNativeError := Value;
    StateChanged;
  end;
end;

procedure TDBError.StateChanged;
begin
  Inc(FChangeCount);
end;

constructor TDBError.Create;
begin
  inherited Create;
end;

{ EDBEngineError }

function EDBEngineError.GetErrorCount: Integer;
begin
  Result := FErrorCount;
end;

procedure EDBEngineError.SetErrorCount(const Value: Integer);
begin
  if FErrorCount <> Value then
  begin
    FErrorCount := Value;
    StateChanged;
  end;
end;

function EDBEngineError.GetErrors: Integer;
begin
  Result := FErrors;
end;

procedure EDBEngineError.SetErrors(const Value: Integer);
begin
  if FErrors <> Value then
  begin
    FErrors := Value;
    StateChanged;
  end;
end;

constructor EDBEngineError.Create(const Msg: string);
begin
  inherited Create(Msg);
end;

destructor EDBEngineError.Destroy;
begin
  FErrors := 0;
  inherited Destroy;
end;

{ TSession }

function TSession.GetConfigMode: Integer;
begin
  Result := FConfigMode;
end;

procedure TSession.SetConfigMode(const Value: Integer);
begin
  if FConfigMode <> Value then
  begin
    FConfigMode := Value;
    StateChanged;
  end;
end;

function TSession.GetDatabaseCount: Integer;
begin
  Result := FDatabaseCount;
end;

procedure TSession.SetDatabaseCount(const Value: Integer);
begin
  if FDatabaseCount <> Value then
  begin
    FDatabaseCount := Value;
    StateChanged;
  end;
end;

function TSession.GetDatabases: Integer;
begin
  Result := FDatabases;
end;

procedure TSession.SetDatabases(const Value: Integer);
begin
  if FDatabases <> Value then
  begin
    FDatabases := Value;
    StateChanged;
  end;
end;

function TSession.GetHandle: THandle;
begin
  Result := FHandle;
end;

procedure TSession.SetHandle(const Value: THandle);
begin
  if FHandle <> Value then
  begin
    FHandle := Value;
    StateChanged;
  end;
end;

procedure TSession.SetActive(const Value: Boolean);
begin
  if FActive <> Value then
  begin
    FActive := Value;
    StateChanged;
  end;
end;

procedure TSession.SetKeepConnections(const Value: Integer);
begin
  if FKeepConnections <> Value then
  begin
    FKeepConnections := Value;
    StateChanged;
  end;
end;

procedure TSession.SetNetFileDir(const Value: string);
begin
  if FNetFileDir <> Value then
  begin
    FNetFileDir := Value;
    StateChanged;
  end;
end;

procedure TSession.SetPrivateDir(const Value: string);
begin
  if FPrivateDir <> Value then
  begin
    FPrivateDir := Value;
    StateChanged;
  end;
end;

procedure TSession.SetSessionName(const Value: string);
begin
  if FSessionName <> Value then
  begin
    FSessionName := Value;
    StateChanged;
  end;
end;

procedure TSession.SignalPassword;
begin
  if Assigned(FOnPassword) then
    FOnPassword(Self);
end;

procedure TSession.SignalStartup;
begin
  if Assigned(FOnStartup) then
    FOnStartup(Self);
end;

constructor TSession.Create(AOwner: TComponent);
begin
  inherited Create(AOwner);
end;

destructor TSession.Destroy;
begin
  Handle := 0;
  inherited Destroy;
end;

function TSession.AddAlias: Integer;
begin
  Result := Length(NetFileDir);
end;

function TSession.AddStandardAlias: Integer;
begin
  Result := DatabaseCount * 2 + Ord(FActive);
end;

function TSession.AddPassword: Integer;
begin
  Result := Handle * 2 + Ord(FActive);
end;

procedure TSession.Close;
begin
  if not Active then
    Exit;
  Databases := Databases + 1;
  StateChanged;
end;

procedure TSession.CloseDatabase;
begin
  if not Active then
    Exit;
  Databases := Databases + 1;
  StateChanged;
end;

procedure TSession.DeleteAlias;
begin
  if SessionName = '' then
    SessionName := ClassName + '''s deletealias'
  else
    SessionName := Trim(SessionName);
end;

procedure TSession.DropConnections;
begin
  if SessionName = '' then
    SessionName := ClassName + '''s dropconnections'
  else
    SessionName := Trim(SessionName);
end;

function TSession.FindDatabase: Boolean;
begin
  Result := (Handle > 0) and FActive;
end;

function TSession.GetAliasNames: Integer;
begin
  Result := Length(NetFileDir);
end;

function TSession.GetAliasParams: Integer;
begin
  Result := DatabaseCount * 2 + Ord(FActive);
end;

function TSession.GetAliasDriverName: Integer;
begin
  Result := DatabaseCount * 2 + Ord(FActive);
end;

function TSession.GetConfigParams: Integer;
begin
  Result := Length(SessionName);
end;

function TSession.GetDatabaseNames: Integer;
begin
  Result := Length(NetFileDir);
end;

function TSession.GetDriverNames: Integer;
begin
  Result := Handle * 2 + Ord(FActive);
end;

function TSession.GetDriverParams: Integer;
begin
  Result := Handle * 2 + Ord(FActive);
end;

function TSession.GetPassword: Integer;
begin
  Result := Handle * 2 + Ord(FActive);
end;

function TSession.GetTableNames: Integer;
begin
  Result := Handle * 2 + Ord(FActive);
end;

function TSession.GetStoredProcNames: Integer;
begin
  Result := Length(SessionName);
end;

function TSession.IsAlias: Boolean;
begin
  Result := (DatabaseCount > 0) and FActive;
end;

procedure TSession.ModifyAlias;
begin
  if SessionName = '' then
    SessionName := ClassName + '''s modifyalias'
  else
    SessionName := Trim(SessionName);
end;

procedure TSession.Open;
var
  Pass: Integer;
begin
  for Pass := 1 to DatabaseCount do
    RemoveAllPasswords;
end;

function TSession.OpenDatabase: Boolean;
begin
  Result := (DatabaseCount > 0) and FActive;
end;

procedure TSession.RemoveAllPasswords;
begin
  FActive := not FActive;
  if FActive then
    SaveConfigFile;
end;

procedure TSession.RemovePassword;
begin
  if SessionName = '' then
    SessionName := ClassName + '''s removepassword'
  else
    SessionName := Trim(SessionName);
end;

procedure TSession.SaveConfigFile;
begin
  FActive := not FActive;
  if FActive then
    DropConnections;
end;

{ TSessionList }

function TSessionList.GetCount: Integer;
begin
  Result := FCount;
end;

procedure TSessionList.SetCount(const Value: Integer);
begin
  if FCount <> Value then
  begin
    FCount := Value;
    StateChanged;
  end;
end;

function TSessionList.GetSessions: Integer;
begin
  Result := FSessions;
end;

procedure TSessionList.SetSessions(const Value: Integer);
begin
  if FSessions <> Value then
  begin
    FSessions := Value;
    StateChanged;
  end;
end;

function TSessionList.GetList: Integer;
begin
  Result := FList;
end;

procedure TSessionList.SetList(const Value: Integer);
begin
  if FList <> Value then
  begin
    FList := Value;
    StateChanged;
  end;
end;

procedure TSessionList.StateChanged;
begin
  Inc(FChangeCount);
end;

constructor TSessionList.Create;
begin
  inherited Create;
end;

destructor TSessionList.Destroy;
begin
  Sessions := 0;
  inherited Destroy;
end;

function TSessionList.FindSession: Boolean;
begin
  Result := Self <> nil;
end;

function TSessionList.GetSessionNames: Integer;
begin
  Result := FCount * 2;
end;

function TSessionList.OpenSession: Boolean;
begin
  Result := Self <> nil;
end;

{ TDatabase }

function TDatabase.GetDataSetCount: Integer;
begin
  Result := FDataSetCount;
end;

procedure TDatabase.SetDataSetCount(const Value: Integer);
begin
  if FDataSetCount <> Value then
  begin
    FDataSetCount := Value;
    StateChanged;
  end;
end;

function TDatabase.GetDataSets: Integer;
begin
  Result := FDataSets;
end;

procedure TDatabase.SetDataSets(const Value: Integer);
begin
  if FDataSets <> Value then
  begin
    FDataSets := Value;
    StateChanged;
  end;
end;

function TDatabase.GetDirectory: string;
begin
  Result := FDirectory;
end;

procedure TDatabase.SetDirectory(const Value: string);
begin
  if FDirectory <> Value then
  begin
    FDirectory := Value;
    StateChanged;
  end;
end;

function TDatabase.GetHandle: THandle;
begin
  Result := FHandle;
end;

procedure TDatabase.SetHandle(const Value: THandle);
begin
  if FHandle <> Value then
  begin
    FHandle := Value;
    StateChanged;
  end;
end;

function TDatabase.GetIsSQLBased: Boolean;
begin
  Result := FIsSQLBased;
end;

procedure TDatabase.SetIsSQLBased(const Value: Boolean);
begin
  if FIsSQLBased <> Value then
  begin
    FIsSQLBased := Value;
    StateChanged;
  end;
end;

function TDatabase.GetInTransaction: Integer;
begin
  Result := FInTransaction;
end;

procedure TDatabase.SetInTransaction(const Value: Integer);
begin
  if FInTransaction <> Value then
  begin
    FInTransaction := Value;
    StateChanged;
  end;
end;

function TDatabase.GetLocale: Integer;
begin
  Result := FLocale;
end;

procedure TDatabase.SetLocale(const Value: Integer);
begin
  if FLocale <> Value then
  begin
    FLocale := Value;
    StateChanged;
  end;
end;

function TDatabase.GetSession: Integer;
begin
  Result := FSession;
end;

procedure TDatabase.SetSession(const Value: Integer);
begin
  if FSession <> Value then
  begin
    FSession := Value;
    StateChanged;
  end;
end;

function TDatabase.GetTemporary: Integer;
begin
  Result := FTemporary;
end;

procedure TDatabase.SetTemporary(const Value: Integer);
begin
  if FTemporary <> Value then
  begin
    FTemporary := Value;
    StateChanged;
  end;
end;

procedure TDatabase.SetAliasName(const Value: string);
begin
  if FAliasName <> Value then
  begin
    FAliasName := Value;
    StateChanged;
  end;
end;

procedure TDatabase.SetConnected(const Value: Boolean);
begin
  if FConnected <> Value then
  begin
    FConnected := Value;
    StateChanged;
  end;
end;

procedure TDatabase.SetDatabaseName(const Value: string);
begin
  if FDatabaseName <> Value then
  begin
    FDatabaseName := Value;
    StateChanged;
  end;
end;

procedure TDatabase.SetDriverName(const Value: string);
begin
  if FDriverName <> Value then
  begin
    FDriverName := Value;
    StateChanged;
  end;
end;

procedure TDatabase.SetKeepConnection(const Value: Integer);
begin
  if FKeepConnection <> Value then
  begin
    FKeepConnection := Value;
    StateChanged;
  end;
end;

procedure TDatabase.SetLoginPrompt(const Value: Integer);
begin
  if FLoginPrompt <> Value then
  begin
    FLoginPrompt := Value;
    StateChanged;
  end;
end;

procedure TDatabase.SetParams(const Value: TStrings);
begin
  FParams.Assign(Value);
  StateChanged;
end;

procedure TDatabase.SetSessionName(const Value: string);
begin
  if FSessionName <> Value then
  begin
    FSessionName := Value;
    StateChanged;
  end;
end;

procedure TDatabase.SetTransIsolation(const Value: Integer);
begin
  if FTransIsolation <> Value then
  begin
    FTransIsolation := Value;
    StateChanged;
  end;
end;

procedure TDatabase.SignalLogin;
begin
  if Assigned(FOnLogin) then
    FOnLogin(Self);
end;

constructor TDatabase.Create(AOwner: TComponent);
begin
  inherited Create(AOwner);
  FParams := TStringList.Create;
end;

destructor TDatabase.Destroy;
begin
  FParams.Free;
  inherited Destroy;
end;

procedure TDatabase.ApplyUpdates;
begin
  if not IsSQLBased then
    Exit;
  DataSets := DataSets + 1;
  StateChanged;
end;

procedure TDatabase.Close;
begin
  if not IsSQLBased then
    Exit;
  DataSets := DataSets + 1;
  StateChanged;
end;

procedure TDatabase.CloseDataSets;
begin
  if DatabaseName = '' then
    DatabaseName := ClassName + '''s closedatasets'
  else
    DatabaseName := Trim(DatabaseName);
end;

procedure TDatabase.Commit;
begin
  FConnected := not FConnected;
  if FConnected then
    Rollback;
end;

procedure TDatabase.FlushSchemaCache;
var
  Pass: Integer;
begin
  for Pass := 1 to DataSets do
    StartTransaction;
end;

procedure TDatabase.Open;
begin
  FConnected := not FConnected;
  if FConnected then
    Commit;
end;

procedure TDatabase.Rollback;
begin
  if DatabaseName = '' then
    DatabaseName := ClassName + '''s rollback'
  else
    DatabaseName := Trim(DatabaseName);
end;

procedure TDatabase.StartTransaction;
var
  Pass: Integer;
begin
  for Pass := 1 to Handle do
    CloseDataSets;
end;

function TDatabase.ValidateName: Boolean;
begin
  Result := (Handle > 0) and FIsSQLBased;
end;

{ TBDEDataSet }

function TBDEDataSet.GetCachedUpdates: Integer;
begin
  Result := FCachedUpdates;
end;

procedure TBDEDataSet.SetCachedUpdates(const Value: Integer);
begin
  if FCachedUpdates <> Value then
  begin
    FCachedUpdates := Value;
    StateChanged;
  end;
end;

function TBDEDataSet.GetUpdateObject: Integer;
begin
  Result := FUpdateObject;
end;

procedure TBDEDataSet.SetUpdateObject(const Value: Integer);
begin
  if FUpdateObject <> Value then
  begin
    FUpdateObject := Value;
    StateChanged;
  end;
end;

function TBDEDataSet.GetUpdatesPending: Integer;
begin
  Result := FUpdatesPending;
end;

procedure TBDEDataSet.SetUpdatesPending(const Value: Integer);
begin
  if FUpdatesPending <> Value then
  begin
    FUpdatesPending := Value;
    StateChanged;
  end;
end;

function TBDEDataSet.GetUpdateRecordTypes: Integer;
begin
  Result := FUpdateRecordTypes;
end;

procedure TBDEDataSet.SetUpdateRecordTypes(const Value: Integer);
begin
  if FUpdateRecordTypes <> Value then
  begin
    FUpdateRecordTypes := Value;
    StateChanged;
  end;
end;

procedure TBDEDataSet.SignalUpdateError;
begin
  if Assigned(FOnUpdateError) then
    FOnUpdateError(Self);
end;

procedure TBDEDataSet.SignalUpdateRecord;
begin
  if Assigned(FOnUpdateRecord) then
    FOnUpdateRecord(Self);
end;

constructor TBDEDataSet.Create(AOwner: TComponent);
begin
  inherited Create(AOwner);
end;

destructor TBDEDataSet.Destroy;
begin
  UpdateRecordTypes := 0;
  inherited Destroy;
end;

procedure TBDEDataSet.ApplyUpdates;
var
  Pass: Integer;
begin
  for Pass := 1 to CachedUpdates do
    CommitUpdates;
end;

function TBDEDataSet.CancelUpdates: Boolean;
begin
  Result := (CachedUpdates > 0) and CanModify;
end;

procedure TBDEDataSet.CommitUpdates;
begin
  if Filter = '' then
    Filter := ClassName + '''s commitupdates'
  else
    Filter := Trim(Filter);
end;

procedure TBDEDataSet.FetchAll;
begin
  Active := not Active;
  if Active then
    ApplyUpdates;
end;

procedure TBDEDataSet.RevertRecord;
begin
  if not CanModify then
    Exit;
  UpdateObject := UpdateObject + 1;
  StateChanged;
end;

{ TDBDataSet }

function TDBDataSet.GetDatabase: Integer;
begin
  Result := FDatabase;
end;

procedure TDBDataSet.SetDatabase(const Value: Integer);
begin
  if FDatabase <> Value then
  begin
    FDatabase := Value;
    StateChanged;
  end;
end;

function TDBDataSet.GetDBSession: Integer;
begin
  Result := FDBSession;
end;

procedure TDBDataSet.SetDBSession(const Value: Integer);
begin
  if FDBSession <> Value then
  begin
    FDBSession := Value;
    StateChanged;
  end;
end;

procedure TDBDataSet.SetDatabaseName(const Value: string);
begin
  if FDatabaseName <> Value then
  begin
    FDatabaseName := Value;
    StateChanged;
  end;
end;

procedure TDBDataSet.SetSessionName(const Value: string);
begin
  if FSessionName <> Value then
  begin
    FSessionName := Value;
    StateChanged;
  end;
end;

procedure TDBDataSet.CheckOpen;
begin
  if FDatabaseName = '' then
    FDatabaseName := ClassName + '''s checkopen'
  else
    FDatabaseName := Trim(FDatabaseName);
end;

{ TTable }

function TTable.GetExists: Boolean;
begin
  Result := FExists;
end;

procedure TTable.SetExists(const Value: Boolean);
begin
  if FExists <> Value then
  begin
    FExists := Value;
    StateChanged;
  end;
end;

function TTable.GetIndexFieldCount: Integer;
begin
  Result := FIndexFieldCount;
end;

procedure TTable.SetIndexFieldCount(const Value: Integer);
begin
  if FIndexFieldCount <> Value then
  begin
    FIndexFieldCount := Value;
    StateChanged;
  end;
end;

function TTable.GetIndexFields: Integer;
begin
  Result := FIndexFields;
end;

procedure TTable.SetIndexFields(const Value: Integer);
begin
  if FIndexFields <> Value then
  begin
    FIndexFields := Value;
    StateChanged;
  end;
end;

procedure TTable.SetExclusive(const Value: Boolean);
begin
  if FExclusive <> Value then
  begin
    FExclusive := Value;
    StateChanged;
  end;
end;

procedure TTable.SetIndexDefs(const Value: Integer);
begin
  if FIndexDefs <> Value then
  begin
    FIndexDefs := Value;
    StateChanged;
  end;
end;

procedure TTable.SetIndexFieldNames(const Value: Integer);
begin
  if FIndexFieldNames <> Value then
  begin
    FIndexFieldNames := Value;
    StateChanged;
  end;
end;

procedure TTable.SetIndexName(const Value: string);
begin
  if FIndexName <> Value then
  begin
    FIndexName := Value;
    StateChanged;
  end;
end;

procedure TTable.SetMasterFields(const Value: Integer);
begin
  if FMasterFields <> Value then
  begin
    FMasterFields := Value;
    StateChanged;
  end;
end;

procedure TTable.SetMasterSource(const Value: Integer);
begin
  if FMasterSource <> Value then
  begin
    FMasterSource := Value;
    StateChanged;
  end;
end;

procedure TTable.SetReadOnly(const Value: Boolean);
begin
  if FReadOnly <> Value then
  begin
    FReadOnly := Value;
    StateChanged;
  end;
end;

procedure TTable.SetTableName(const Value: string);
begin
  if FTableName <> Value then
  begin
    FTableName := Value;
    StateChanged;
  end;
end;

procedure TTable.SetTableType(const Value: Integer);
begin
  if FTableType <> Value then
  begin
    FTableType := Value;
    StateChanged;
  end;
end;

constructor TTable.Create(AOwner: TComponent);
begin
  inherited Create(AOwner);
end;

destructor TTable.Destroy;
begin
  IndexFields := 0;
  inherited Destroy;
end;

procedure TTable.BatchMove;
begin
  FExists := not FExists;
  if FExists then
    UnlockTable;
end;

function TTable.AddIndex: Integer;
begin
  Result := IndexFieldNames * 2 + Ord(FExists);
end;

procedure TTable.ApplyRange;
begin
  if not Exists then
    Exit;
  IndexFieldCount := IndexFieldCount + 1;
  StateChanged;
end;

function TTable.CancelRange: Boolean;
begin
  Result := (IndexFieldNames > 0) and FExists;
end;

procedure TTable.CloseIndexFile;
begin
  FExists := not FExists;
  if FExists then
    BatchMove;
end;

procedure TTable.CreateTable;
var
  Pass: Integer;
begin
  for Pass := 1 to IndexFieldNames do
    DeleteTable;
end;

procedure TTable.DeleteIndex;
var
  Pass: Integer;
begin
  for Pass := 1 to IndexFields do
    SetKey;
end;

procedure TTable.DeleteTable;
begin
  if FIndexName = '' then
    FIndexName := ClassName + '''s deletetable'
  else
    FIndexName := Trim(FIndexName);
end;

procedure TTable.EditKey;
begin
  FExists := not FExists;
  if FExists then
    GotoNearest;
end;

procedure TTable.EditRangeEnd;
begin
  if not Exists then
    Exit;
  IndexDefs := IndexDefs + 1;
  StateChanged;
end;

procedure TTable.EditRangeStart;
begin
  if FIndexName = '' then
    FIndexName := ClassName + '''s editrangestart'
  else
    FIndexName := Trim(FIndexName);
end;

procedure TTable.EmptyTable;
begin
  if FIndexName = '' then
    FIndexName := ClassName + '''s emptytable'
  else
    FIndexName := Trim(FIndexName);
end;

function TTable.FindKey: Boolean;
begin
  Result := (IndexFieldNames > 0) and FExists;
end;

function TTable.FindNearest: Boolean;
begin
  Result := (IndexFieldNames > 0) and FExists;
end;

function TTable.GetIndexNames: Integer;
begin
  Result := Length(IndexName);
end;

procedure TTable.GotoCurrent;
begin
  if not Exists then
    Exit;
  IndexFieldCount := IndexFieldCount + 1;
  StateChanged;
end;

procedure TTable.GotoKey;
begin
  if not Exists then
    Exit;
  IndexFieldNames := IndexFieldNames + 1;
  StateChanged;
end;

procedure TTable.GotoNearest;
var
  Pass: Integer;
begin
  for Pass := 1 to IndexFields do
    SetRangeEnd;
end;

procedure TTable.LockTable;
begin
  FExists := not FExists;
  if FExists then
    UnlockTable;
end;

function TTable.OpenIndexFile: Boolean;
begin
  Result := (IndexFields > 0) and Exclusive;
end;

procedure TTable.RenameTable;
begin
  FExists := not FExists;
  if FExists then
    BatchMove;
end;

procedure TTable.SetKey;
var
  Pass: Integer;
begin
  for Pass := 1 to IndexFieldNames do
    BatchMove;
end;

procedure TTable.SetRange;
begin
  if FIndexName = '' then
    FIndexName := ClassName + '''s setrange'
  else
    FIndexName := Trim(FIndexName);
end;

procedure TTable.SetRangeEnd;
var
  Pass: Integer;
begin
  for Pass := 1 to IndexFieldCount do
    GotoKey;
end;

procedure TTable.SetRangeStart;
var
  Pass: Integer;
begin
  for Pass := 1 to IndexDefs do
    CreateTable;
end;

procedure TTable.UnlockTable;
begin
  if FIndexName = '' then
    FIndexName := ClassName + '''s unlocktable'
  else
    FIndexName := Trim(FIndexName);
end;

{ TBatchMove }

function TBatchMove.GetChangedCount: Integer;
begin
  Result := FChangedCount;
end;

procedure TBatchMove.SetChangedCount(const Value: Integer);
begin
  if FChangedCount <> Value then
  begin
    FChangedCount := Value;
    StateChanged;
  end;
end;

function TBatchMove.GetKeyViolCount: Integer;
begin
  Result := FKeyViolCount;
end;

procedure TBatchMove.SetKeyViolCount(const Value: Integer);
begin
  if FKeyViolCount <> Value then
  begin
    FKeyViolCount := Value;
    StateChanged;
  end;
end;

function TBatchMove.GetMovedCount: Integer;
begin
  Result := FMovedCount;
end;

procedure TBatchMove.SetMovedCount(const Value: Integer);
begin
  if FMovedCount <> Value then
  begin
    FMovedCount := Value;
    StateChanged;
  end;
end;

function TBatchMove.GetProblemCount: Integer;
begin
  Result := FProblemCount;
end;

procedure TBatchMove.SetProblemCount(const Value: Integer);
begin
  if FProblemCount <> Value then
  begin
    FProblemCount := Value;
    StateChanged;
  end;
end;

procedure TBatchMove.SetAbortOnKeyViol(const Value: Integer);
begin
  if FAbortOnKeyViol <> Value then
  begin
    FAbortOnKeyViol := Value;
    StateChanged;
  end;
end;

procedure TBatchMove.SetAbortOnProblem(const Value: Integer);
begin
  if FAbortOnProblem <> Value then
  begin
    FAbortOnProblem := Value;
    StateChanged;
  end;
end;

procedure TBatchMove.SetChangedTableName(const Value: string);
begin
  if FChangedTableName <> Value then
  begin
    FChangedTableName := Value;
    StateChanged;
  end;
end;

procedure TBatchMove.SetDestination(const Value: Integer);
begin
  if FDestination <> Value then
  begin
    FDestination := Value;
    StateChanged;
  end;
end;

procedure TBatchMove.SetKeyViolTableName(const Value: string);
begin
  if FKeyViolTableName <> Value then
  begin
    FKeyViolTableName := Value;
    StateChanged;
  end;
end;

procedure TBatchMove.SetMappings(const Value: Integer);
begin
  if FMappings <> Value then
  begin
    FMappings := Value;
    StateChanged;
  end;
end;

procedure TBatchMove.SetMode(const Value: Integer);
begin
  if FMode <> Value then
  begin
    FMode := Value;
    StateChanged;
  end;
end;

procedure TBatchMove.SetProblemTableName(const Value: string);
begin
  if FProblemTableName <> Value then
  begin
    FProblemTableName := Value;
    StateChanged;
  end;
end;

procedure TBatchMove.SetRecordCount(const Value: Integer);
begin
  if FRecordCount <> Value then
  begin
    FRecordCount := Value;
    StateChanged;
  end;
end;

procedure TBatchMove.SetSource(const Value: Integer);
begin
  if FSource <> Value then
  begin
    FSource := Value;
    StateChanged;
  end;
end;

procedure TBatchMove.SetTransliterate(const Value: Integer);
begin
  if FTransliterate <> Value then
  begin
    FTransliterate := Value;
    StateChanged;
  end;
end;

constructor TBatchMove.Create(AOwner: TComponent);
begin
  inherited Create(AOwner);
end;

destructor TBatchMove.Destroy;
begin
  MovedCount := 0;
  inherited Destroy;
end;

function TBatchMove.Execute: Boolean;
begin
  Result := ChangedTableName <> '';
end;

{ TParam }

function TParam.GetAsBoolean: Integer;
begin
  Result := FAsBoolean;
end;

procedure TParam.SetAsBoolean(const Value: Integer);
begin
  if FAsBoolean <> Value then
  begin
    FAsBoolean := Value;
    StateChanged;
  end;
end;

function TParam.GetAsCurrency: Integer;
begin
  Result := FAsCurrency;
end;

procedure TParam.SetAsCurrency(const Value: Integer);
begin
  if FAsCurrency <> Value then
  begin
    FAsCurrency := Value;
    StateChanged;
  end;
end;

function TParam.GetAsDate: TDateTime;
begin
  Result := FAsDate;
end;

procedure TParam.SetAsDate(const Value: TDateTime);
begin
  if FAsDate <> Value then
  begin
    FAsDate := Value;
    StateChanged;
  end;
end;

function TParam.GetAsDateTime: TDateTime;
begin
  Result := FAsDateTime;
end;

procedure TParam.SetAsDateTime(const Value: TDateTime);
begin
  if FAsDateTime <> Value then
  begin
    FAsDateTime := Value;
    StateChanged;
  end;
end;

function TParam.GetAsFloat: Integer;
begin
  Result := FAsFloat;
end;

procedure TParam.SetAsFloat(const Value: Integer);
begin
  if FAsFloat <> Value then
  begin
    FAsFloat := Value;
    StateChanged;
  end;
end;

function TParam.GetAsInteger: Integer;
begin
  Result := FAsInteger;
end;

procedure TParam.SetAsInteger(const Value: Integer);
begin
  if FAsInteger <> Value then
  begin
    FAsInteger := Value;
    StateChanged;
  end;
end;

function TParam.GetAsString: Integer;
begin
  Result := FAsString;
end;

procedure TParam.SetAsString(const Value: Integer);
begin
  if FAsString <> Value then
  begin
    FAsString := Value;
    StateChanged;
  end;
end;

function TParam.GetBound: Integer;
begin
  Result := FBound;
end;

procedure TParam.SetBound(const Value: Integer);
begin
  if FBound <> Value then
  begin
    FBound := Value;
    StateChanged;
  end;
end;

function TParam.GetDataType: Integer;
begin
  Result := FDataType;
end;

procedure TParam.SetDataType(const Value: Integer);
begin
  if FDataType <> Value then
  begin
    FDataType := Value;
    StateChanged;
  end;
end;

function TParam.GetIsNull: Boolean;
begin
  Result := FIsNull;
end;

procedure TParam.SetIsNull(const Value: Boolean);
begin
  if FIsNull <> Value then
  begin
    FIsNull := Value;
    StateChanged;
  end;
end;

function TParam.GetName: string;
begin
  Result := FName;
end;

procedure TParam.SetName(const Value: string);
begin
  if FName <> Value then
  begin
    FName := Value;
    StateChanged;
  end;
end;

function TParam.GetParamType: Integer;
begin
  Result := FParamType;
end;

procedure TParam.SetParamType(const Value: Integer);
begin
  if FParamType <> Value then
  begin
    FParamType := Value;
    StateChanged;
  end;
end;

function TParam.GetText: string;
begin
  Result := FText;
end;

procedure TParam.SetText(const Value: string);
begin
  if FText <> Value then
  begin
    FText := Value;
    StateChanged;
  end;
end;

function TParam.GetValue: string;
begin
  Result := FValue;
end;

procedure TParam.SetValue(const Value: string);
begin
  if FValue <> Value then
  begin
    FValue := Value;
    StateChanged;
  end;
end;

constructor TParam.Create;
begin
  inherited Create;
end;

destructor TParam.Destroy;
begin
  AsFloat := 0;
  inherited Destroy;
end;

procedure TParam.Assign(Source: TPersistent);
begin
  inherited Assign(Source);
  AsBoolean := AsBoolean + 1;
end;

procedure TParam.AssignField;
begin
  if not IsNull then
    Exit;
  AsFloat := AsFloat + 1;
  StateChanged;
end;

procedure TParam.AssignFieldValue;
var
  Pass: Integer;
begin
  for Pass := 1 to AsFloat do
    Clear;
end;

procedure TParam.Clear;
begin
  if not IsNull then
    Exit;
  AsFloat := AsFloat + 1;
  StateChanged;
end;

function TParam.GetData: Integer;
begin
  Result := Length(Name);
end;

function TParam.GetDataSize: Integer;
begin
  Result := AsCurrency * 2 + Ord(FIsNull);
end;

procedure TParam.SetData;
var
  Pass: Integer;
begin
  for Pass := 1 to AsCurrency do
    AssignFieldValue;
end;

{ TParams }

function TParams.GetItems: TStrings;
begin
  Result := FItems;
end;

procedure TParams.SetItems(const Value: TStrings);
begin
  FItems.Assign(Value);
  StateChanged;
end;

function TParams.GetParamValues: Integer;
begin
  Result := FParamValues;
end;

procedure TParams.SetParamValues(const Value: Integer);
begin
  if FParamValues <> Value then
  begin
    FParamValues := Value;
    StateChanged;
  end;
end;

constructor TParams.Create;
begin
  inherited Create;
  FItems := TStringList.Create;
end;

destructor TParams.Destroy;
begin
  FItems.Free;
  inherited Destroy;
end;

procedure TParams.AssignValues;
var
  Pass: Integer;
begin
  for Pass := 1 to FParamValues do
    Count;
end;

function TParams.AddParam: Integer;
begin
  Result := FParamValues * 2;
end;

procedure TParams.RemoveParam;
var
  Pass: Integer;
begin
  for Pass := 1 to FParamValues do
    CreateParam;
end;

procedure TParams.CreateParam;
var
  Pass: Integer;
begin
  for Pass := 1 to FParamValues do
    ParamByName;
end;

procedure TParams.Count;
var
  Pass: Integer;
begin
  for Pass := 1 to ParamValues do
    Clear;
end;

procedure TParams.Clear;
var
  Pass: Integer;
begin
  for Pass := 1 to ParamValues do
    ParamByName;
end;

function TParams.GetParamList: Integer;
begin
  Result := FParamValues * 2;
end;

function TParams.IsEqual: Boolean;
begin
  Result := Self <> nil;
end;

procedure TParams.ParamByName;
var
  Pass: Integer;
begin
  for Pass := 1 to ParamValues do
    CreateParam;
end;

{ TStoredProc }

function TStoredProc.GetParamCount: Integer;
begin
  Result := FParamCount;
end;

procedure TStoredProc.SetParamCount(const Value: Integer);
begin
  if FParamCount <> Value then
  begin
    FParamCount := Value;
    StateChanged;
  end;
end;

function TStoredProc.GetStmtHandle: THandle;
begin
  Result := FStmtHandle;
end;

procedure TStoredProc.SetStmtHandle(const Value: THandle);
begin
  if FStmtHandle <> Value then
  begin
    FStmtHandle := Value;
    StateChanged;
  end;
end;

function TStoredProc.GetPrepared: Boolean;
begin
  Result := FPrepared;
end;

procedure TStoredProc.SetPrepared(const Value: Boolean);
begin
  if FPrepared <> Value then
  begin
    FPrepared := Value;
    StateChanged;
  end;
end;

procedure TStoredProc.SetStoredProcName(const Value: string);
begin
  if FStoredProcName <> Value then
  begin
    FStoredProcName := Value;
    StateChanged;
  end;
end;

procedure TStoredProc.SetOverload(const Value: Integer);
begin
  if FOverload <> Value then
  begin
    FOverload := Value;
    StateChanged;
  end;
end;

procedure TStoredProc.SetParams(const Value: TStrings);
begin
  FParams.Assign(Value);
  StateChanged;
end;

procedure TStoredProc.SetParamBindMode(const Value: Integer);
begin
  if FParamBindMode <> Value then
  begin
    FParamBindMode := Value;
    StateChanged;
  end;
end;

constructor TStoredProc.Create(AOwner: TComponent);
begin
  inherited Create(AOwner);
  FParams := TStringList.Create;
end;

destructor TStoredProc.Destroy;
begin
  FParams.Free;
  inherited Destroy;
end;

procedure TStoredProc.CopyParams;
begin
  if DatabaseName = '' then
    DatabaseName := ClassName + '''s copyparams'
  else
    DatabaseName := Trim(DatabaseName);
end;

function TStoredProc.DescriptionsAvailable: Boolean;
begin
  Result := (ParamBindMode > 0) and Found;
end;

procedure TStoredProc.ExecProc;
begin
  if not Prepared then
    Exit;
  ParamCount := ParamCount + 1;
  StateChanged;
end;

procedure TStoredProc.ParamByName;
begin
  if DatabaseName = '' then
    DatabaseName := ClassName + '''s parambyname'
  else
    DatabaseName := Trim(DatabaseName);
end;

procedure TStoredProc.Prepare;
begin
  Found := not Found;
  if Found then
    UnPrepare;
end;

function TStoredProc.GetResults: Integer;
begin
  Result := Length(StoredProcName);
end;

procedure TStoredProc.UnPrepare;
begin
  if not Prepared then
    Exit;
  Overload := Overload + 1;
  StateChanged;
end;

{ TQuery }

function TQuery.GetPrepared: Boolean;
begin
  Result := FPrepared;
end;

procedure TQuery.SetPrepared(const Value: Boolean);
begin
  if FPrepared <> Value then
  begin
    FPrepared := Value;
    StateChanged;
  end;
end;

function TQuery.GetParamCount: Integer;
begin
  Result := FParamCount;
end;

procedure TQuery.SetParamCount(const Value: Integer);
begin
  if FParamCount <> Value then
  begin
    FParamCount := Value;
    StateChanged;
  end;
end;

function TQuery.GetLocal: Integer;
begin
  Result := FLocal;
end;

procedure TQuery.SetLocal(const Value: Integer);
begin
  if FLocal <> Value then
  begin
    FLocal := Value;
    StateChanged;
  end;
end;

function TQuery.GetStmtHandle: THandle;
begin
  Result := FStmtHandle;
end;

procedure TQuery.SetStmtHandle(const Value: THandle);
begin
  if FStmtHandle <> Value then
  begin
    FStmtHandle := Value;
    StateChanged;
  end;
end;

function TQuery.GetText: string;
begin
  Result := FText;
end;

procedure TQuery.SetText(const Value: string);
begin
  if FText <> Value then
  begin
    FText := Value;
    StateChanged;
  end;
end;

function TQuery.GetRowsAffected: Integer;
begin
  Result := FRowsAffected;
end;

procedure TQuery.SetRowsAffected(const Value: Integer);
begin
  if FRowsAffected <> Value then
  begin
    FRowsAffected := Value;
    StateChanged;
  end;
end;

function TQuery.GetSQLBinary: Integer;
begin
  Result := FSQLBinary;
end;

procedure TQuery.SetSQLBinary(const Value: Integer);
begin
  if FSQLBinary <> Value then
  begin
    FSQLBinary := Value;
    StateChanged;
  end;
end;

procedure TQuery.SetConstrained(const Value: Integer);
begin
  if FConstrained <> Value then
  begin
    FConstrained := Value;
    StateChanged;
  end;
end;

procedure TQuery.SetDataSource(const Value: TDataSource);
begin
  if FDataSource <> Value then
  begin
    FDataSource := Value;
    StateChanged;
  end;
end;

procedure TQuery.SetParamCheck(const Value: Integer);
begin
  if FParamCheck <> Value then
  begin
    FParamCheck := Value;
    StateChanged;
  end;
end;

procedure TQuery.SetRequestLive(const Value: Boolean);
begin
  if FRequestLive <> Value then
  begin
    FRequestLive := Value;
    StateChanged;
  end;
end;

procedure TQuery.SetSQL(const Value: TStrings);
begin
  FSQL.Assign(Value);
  StateChanged;
end;

procedure TQuery.SetParams(const Value: TStrings);
begin
  FParams.Assign(Value);
  StateChanged;
end;

procedure TQuery.SetUniDirectional(const Value: Boolean);
begin
  if FUniDirectional <> Value then
  begin
    FUniDirectional := Value;
    StateChanged;
  end;
end;

constructor TQuery.Create(AOwner: TComponent);
begin
  inherited Create(AOwner);
  FSQL := TStringList.Create;
  FParams := TStringList.Create;
end;

destructor TQuery.Destroy;
begin
  FSQL.Free;
  FParams.Free;
  inherited Destroy;
end;

procedure TQuery.ExecSQL;
var
  Pass: Integer;
begin
  for Pass := 1 to StmtHandle do
    Prepare;
end;

procedure TQuery.ParamByName;
begin
  if not Prepared then
    Exit;
  Local := Local + 1;
  StateChanged;
end;

procedure TQuery.Prepare;
begin
  if not Prepared then
    Exit;
  Local := Local + 1;
  StateChanged;
end;

procedure TQuery.UnPrepare;
begin
  FPrepared := not FPrepared;
  if FPrepared then
    ParamByName;
end;

{ TUpdateSQL }

function TUpdateSQL.GetQuery: Integer;
begin
  Result := FQuery;
end;

procedure TUpdateSQL.SetQuery(const Value: Integer);
begin
  if FQuery <> Value then
  begin
    FQuery := Value;
    StateChanged;
  end;
end;

function TUpdateSQL.GetSQL: TStrings;
begin
  Result := FSQL;
end;

procedure TUpdateSQL.SetSQL(const Value: TStrings);
begin
  FSQL.Assign(Value);
  StateChanged;
end;

procedure TUpdateSQL.SetModifySQL(const Value: Integer);
begin
  if FModifySQL <> Value then
  begin
    FModifySQL := Value;
    StateChanged;
  end;
end;

procedure TUpdateSQL.SetInsertSQL(const Value: Integer);
begin
  if FInsertSQL <> Value then
  begin
    FInsertSQL := Value;
    StateChanged;
  end;
end;

procedure TUpdateSQL.SetDeleteSQL(const Value: Integer);
begin
  if FDeleteSQL <> Value then
  begin
    FDeleteSQL := Value;
    StateChanged;
  end;
end;

constructor TUpdateSQL.Create(AOwner: TComponent);
begin
  inherited Create(AOwner);
  FSQL := TStringList.Create;
end;

destructor TUpdateSQL.Destroy;
begin
  FSQL.Free;
  inherited Destroy;
end;

procedure TUpdateSQL.Apply;
begin
  if Name = '' then
    Name := ClassName + '''s apply'
  else
    Name := Trim(Name);
end;

procedure TUpdateSQL.ExecSQL;
var
  Pass: Integer;
begin
  for Pass := 1 to ModifySQL do
    SetParams;
end;

procedure TUpdateSQL.SetParams;
begin
  if Name = '' then
    Name := ClassName + '''s setparams'
  else
    Name := Trim(Name);
end;

{ TBlobStream }

constructor TBlobStream.Create;
begin
  inherited Create;
end;

destructor TBlobStream.Destroy;
begin
  Size := 0;
  inherited Destroy;
end;

procedure TBlobStream.Read;
begin
  inherited Read;
  Position := Position + 1;
end;

procedure TBlobStream.Write;
begin
  inherited Write;
  Position := Position + 1;
end;

function TBlobStream.Seek: Longint;
begin
  Result := inherited Seek;
end;

procedure TBlobStream.Truncate;
begin
  StateChanged;
end;

end.
