{****************************************************************}
{                                                                }
{       Quillmap 2 sample class library                          }
{       DBTables unit: sessions, databases, tables and queries   }
{                                                                }
{****************************************************************}

unit DBTables;

interface

uses SysUtils, Classes, Graphics, Controls, Forms, DB;

type
  HDBISes = Longint;
  HDBIDb = Longint;
  HDBICur = Longint;
  HDBIStmt = Longint;
  DBIResult = Word;

  TDatabase = class;
  TDBDataSet = class;

  { Exceptions carrying the engine's error stack }
  TDBError = class(TObject)
  private
    FErrorCode: DBIResult;
    FNativeError: Longint;
    FMessage: string;
    function GetCategory: Byte;
    function GetSubCode: Byte;
  public
    constructor Create(Owner: TObject; ErrorCode: DBIResult;
      NativeError: Longint; Message: PChar);
    property Category: Byte read GetCategory;
    property ErrorCode: DBIResult read FErrorCode;
    property SubCode: Byte read GetSubCode;
    property Message: string read FMessage;
    property NativeError: Longint read FNativeError;
  end;

  EDBEngineError = class(EDatabaseError)
  private
    FErrors: TList;
    function GetError(Index: Integer): TDBError;
    function GetErrorCount: Integer;
  public
    constructor Create(ErrorCode: DBIResult);
    destructor Destroy; override;
    property ErrorCount: Integer read GetErrorCount;
    property Errors[Index: Integer]: TDBError read GetError;
  end;

  ENoResultSet = class(EDatabaseError);

  { TSession }
  TConfigMode = (cmPersistent, cmSession, cmAll);
  TPasswordEvent = procedure(Sender: TObject; var Continue: Boolean) of object;
  TDatabaseEvent = (dbOpen, dbClose, dbAdd, dbRemove, dbAddAlias,
    dbDeleteAlias);
  TDatabaseNotifyEvent = procedure(DBEvent: TDatabaseEvent;
    const Param) of object;

  TSession = class(TComponent)
  private
    FHandle: HDBISes;
    FDatabases: TList;
    FKeepConnections: Boolean;
    FDefault: Boolean;
    FSessionName: string;
    FNetFileDir: string;
    FPrivateDir: string;
    FStreamedActive: Boolean;
    FConfigMode: TConfigMode;
    FOnPassword: TPasswordEvent;
    FOnStartup: TNotifyEvent;
    FOnDBNotify: TDatabaseNotifyEvent;
    procedure AddDatabase(Value: TDatabase);
    procedure CheckInactive;
    function DoFindDatabase(const DatabaseName: string; AOwner: TComponent): TDatabase;
    function DoOpenDatabase(const DatabaseName: string; AOwner: TComponent): TDatabase;
    function GetActive: Boolean;
    function GetDatabase(Index: Integer): TDatabase;
    function GetDatabaseCount: Integer;
    function GetHandle: HDBISes;
    function GetNetFileDir: string;
    function GetPrivateDir: string;
    procedure RemoveDatabase(Value: TDatabase);
    procedure SetActive(Value: Boolean);
    procedure SetNetFileDir(const Value: string);
    procedure SetPrivateDir(const Value: string);
    procedure SetSessionName(const Value: string);
  protected
    procedure Loaded; override;
    property OnDBNotify: TDatabaseNotifyEvent read FOnDBNotify write FOnDBNotify;
  public
    constructor Create(AOwner: TComponent); override;
    destructor Destroy; override;
    procedure AddAlias(const Name, Driver: string; List: TStrings);
    procedure AddStandardAlias(const Name, Path, DefaultDriver: string);
    procedure AddPassword(const Password: string);
    procedure Close;
    procedure CloseDatabase(Database: TDatabase);
    procedure DeleteAlias(const Name: string);
    procedure DropConnections;
    function FindDatabase(const DatabaseName: string): TDatabase;
    procedure GetAliasNames(List: TStrings);
    procedure GetAliasParams(const AliasName: string; List: TStrings);
    function GetAliasDriverName(const AliasName: string): string;
    procedure GetConfigParams(const Path, Section: string; List: TStrings);
    procedure GetDatabaseNames(List: TStrings);
    procedure GetDriverNames(List: TStrings);
    procedure GetDriverParams(const DriverName: string; List: TStrings);
    function GetPassword: Boolean;
    procedure GetTableNames(const DatabaseName, Pattern: string;
      Extensions, SystemTables: Boolean; List: TStrings);
    procedure GetStoredProcNames(const DatabaseName: string; List: TStrings);
    function IsAlias(const Name: string): Boolean;
    procedure ModifyAlias(Name: string; List: TStrings);
    procedure Open;
    function OpenDatabase(const DatabaseName: string): TDatabase;
    procedure RemoveAllPasswords;
    procedure RemovePassword(const Password: string);
    procedure SaveConfigFile;
    property ConfigMode: TConfigMode read FConfigMode write FConfigMode;
    property DatabaseCount: Integer read GetDatabaseCount;
    property Databases[Index: Integer]: TDatabase read GetDatabase;
    property Handle: HDBISes read GetHandle;
  published
    property Active: Boolean read GetActive write SetActive default False;
    property KeepConnections: Boolean read FKeepConnections write FKeepConnections default True;
    property NetFileDir: string read GetNetFileDir write SetNetFileDir;
    property PrivateDir: string read GetPrivateDir write SetPrivateDir;
    property SessionName: string read FSessionName write SetSessionName;
    property OnPassword: TPasswordEvent read FOnPassword write FOnPassword;
    property OnStartup: TNotifyEvent read FOnStartup write FOnStartup;
  end;

  TSessionList = class(TObject)
  private
    FSessions: TList;
    procedure AddSession(ASession: TSession);
    procedure CloseAll;
    function GetCount: Integer;
    function GetSession(Index: Integer): TSession;
    function GetSessionByName(const SessionName: string): TSession;
  public
    constructor Create;
    destructor Destroy; override;
    function FindSession(const SessionName: string): TSession;
    procedure GetSessionNames(List: TStrings);
    function OpenSession(const SessionName: string): TSession;
    property Count: Integer read GetCount;
    property Sessions[Index: Integer]: TSession read GetSession; default;
    property List[const SessionName: string]: TSession read GetSessionByName;
  end;

  { TDatabase }
  TTransIsolation = (tiDirtyRead, tiReadCommitted, tiRepeatableRead);
  TLoginEvent = procedure(Database: TDatabase;
    LoginParams: TStrings) of object;

  TDatabase = class(TComponent)
  private
    FDataSets: TList;
    FTransIsolation: TTransIsolation;
    FLoginPrompt: Boolean;
    FKeepConnection: Boolean;
    FTemporary: Boolean;
    FSQLBased: Boolean;
    FAcquiredHandle: Boolean;
    FStreamedConnected: Boolean;
    FRefCount: Integer;
    FHandle: HDBIDb;
    FLocale: Pointer;
    FSession: TSession;
    FParams: TStrings;
    FDatabaseName: string;
    FDatabaseType: string;
    FSessionName: string;
    FAliasName: string;
    FDriverName: string;
    FOnLogin: TLoginEvent;
    procedure CheckActive;
    procedure CheckInactive;
    procedure CheckDatabaseName;
    procedure CheckSessionName(Required: Boolean);
    procedure EndTransaction(TransEnd: Integer);
    function GetAliasName: string;
    function GetConnected: Boolean;
    function GetDataSet(Index: Integer): TDBDataSet;
    function GetDataSetCount: Integer;
    function GetDirectory: string;
    function GetDriverName: string;
    function GetInTransaction: Boolean;
    procedure Login(LoginParams: TStrings);
    procedure ParamsChanging(Sender: TObject);
    procedure SetAliasName(const Value: string);
    procedure SetConnected(Value: Boolean);
    procedure SetDatabaseName(const Value: string);
    procedure SetDirectory(const Value: string);
    procedure SetDriverName(const Value: string);
    procedure SetHandle(Value: HDBIDb);
    procedure SetKeepConnection(Value: Boolean);
    procedure SetParams(Value: TStrings);
    procedure SetSessionName(const Value: string);
  protected
    procedure Loaded; override;
  public
    constructor Create(AOwner: TComponent); override;
    destructor Destroy; override;
    procedure ApplyUpdates(const DataSets: array of TDBDataSet);
    procedure Close;
    procedure CloseDataSets;
    procedure Commit;
    procedure FlushSchemaCache(const TableName: string);
    procedure Open;
    procedure Rollback;
    procedure StartTransaction;
    procedure ValidateName(const Name: string);
    property DataSetCount: Integer read GetDataSetCount;
    property DataSets[Index: Integer]: TDBDataSet read GetDataSet;
    property Directory: string read GetDirectory write SetDirectory;
    property Handle: HDBIDb read FHandle write SetHandle;
    property IsSQLBased: Boolean read FSQLBased;
    property InTransaction: Boolean read GetInTransaction;
    property Locale: Pointer read FLocale;
    property Session: TSession read FSession;
    property Temporary: Boolean read FTemporary write FTemporary;
  published
    property AliasName: string read GetAliasName write SetAliasName;
    property Connected: Boolean read GetConnected write SetConnected default False;
    property DatabaseName: string read FDatabaseName write SetDatabaseName;
    property DriverName: string read GetDriverName write SetDriverName;
    property KeepConnection: Boolean read FKeepConnection write SetKeepConnection default True;
    property LoginPrompt: Boolean read FLoginPrompt write FLoginPrompt default True;
    property Params: TStrings read FParams write SetParams;
    property SessionName: string read FSessionName write SetSessionName;
    property TransIsolation: TTransIsolation read FTransIsolation write FTransIsolation default tiReadCommitted;
    property OnLogin: TLoginEvent read FOnLogin write FOnLogin;
  end;

  { TBDEDataSet: a dataset backed by an engine cursor }
  TUpdateAction = (uaFail, uaAbort, uaSkip, uaRetry, uaApplied);
  TUpdateRecordTypes = set of (rtModified, rtInserted, rtDeleted, rtUnmodified);
  TUpdateErrorEvent = procedure(DataSet: TDataSet; E: EDatabaseError;
    UpdateKind: TUpdateKind; var UpdateAction: TUpdateAction) of object;
  TUpdateRecordEvent = procedure(DataSet: TDataSet; UpdateKind: TUpdateKind;
    var UpdateAction: TUpdateAction) of object;

  TDataSetUpdateObject = class(TComponent)
  protected
    function GetDataSet: TDataSet; virtual; abstract;
    procedure SetDataSet(ADataSet: TDataSet); virtual; abstract;
    procedure Apply(UpdateKind: TUpdateKind); virtual; abstract;
    property DataSet: TDataSet read GetDataSet write SetDataSet;
  end;

  TBDEDataSet = class(TDataSet)
  private
    FHandle: HDBICur;
    FRecordSize: Word;
    FBookmarkSize: Word;
    FRecBufSize: Word;
    FRecInfoOfs: Word;
    FBookmarkOfs: Word;
    FCachedUpdates: Boolean;
    FUpdateObject: TDataSetUpdateObject;
    FOnUpdateError: TUpdateErrorEvent;
    FOnUpdateRecord: TUpdateRecordEvent;
    FUpdateRecordTypes: TUpdateRecordTypes;
    FExprFilter: Longint;
    FFuncFilter: Longint;
    procedure SetCachedUpdates(Value: Boolean);
    procedure SetUpdateObject(Value: TDataSetUpdateObject);
    procedure SetUpdateRecordSet(RecordTypes: TUpdateRecordTypes);
    function GetUpdatesPending: Boolean;
  protected
    function CreateHandle: HDBICur; virtual;
    procedure DestroyHandle; virtual;
    function GetRecord(Buffer: PChar; GetMode: TGetMode;
      DoCheck: Boolean): TGetResult; override;
    function GetRecordSize: Word; override;
    procedure InitFieldDefs; override;
    procedure InternalAddRecord(Buffer: Pointer; Append: Boolean); override;
    procedure InternalClose; override;
    procedure InternalDelete; override;
    procedure InternalFirst; override;
    procedure InternalGotoBookmark(Bookmark: Pointer); override;
    procedure InternalHandleException; override;
    procedure InternalInitFieldDefs; override;
    procedure InternalInitRecord(Buffer: PChar); override;
    procedure InternalLast; override;
    procedure InternalOpen; override;
    procedure InternalPost; override;
    procedure InternalSetToRecord(Buffer: PChar); override;
    function IsCursorOpen: Boolean; override;
    property Handle: HDBICur read FHandle;
  public
    constructor Create(AOwner: TComponent); override;
    destructor Destroy; override;
    procedure ApplyUpdates;
    procedure CancelUpdates;
    procedure CommitUpdates;
    procedure FetchAll;
    procedure RevertRecord;
    property CachedUpdates: Boolean read FCachedUpdates write SetCachedUpdates default False;
    property UpdateObject: TDataSetUpdateObject read FUpdateObject write SetUpdateObject;
    property UpdatesPending: Boolean read GetUpdatesPending;
    property UpdateRecordTypes: TUpdateRecordTypes read FUpdateRecordTypes write SetUpdateRecordSet;
    property OnUpdateError: TUpdateErrorEvent read FOnUpdateError write FOnUpdateError;
    property OnUpdateRecord: TUpdateRecordEvent read FOnUpdateRecord write FOnUpdateRecord;
  end;

  TDBDataSet = class(TBDEDataSet)
  private
    FDatabase: TDatabase;
    FDatabaseName: string;
    FSessionName: string;
    procedure CheckDBSessionName;
    function GetDBSession: TSession;
    procedure SetDatabaseName(const Value: string);
    procedure SetSessionName(const Value: string);
  protected
    procedure CloseCursor; override;
    procedure OpenCursor(InfoQuery: Boolean); override;
  public
    function CheckOpen(Status: DBIResult): Boolean;
    property Database: TDatabase read FDatabase;
    property DBSession: TSession read GetDBSession;
  published
    property DatabaseName: string read FDatabaseName write SetDatabaseName;
    property SessionName: string read FSessionName write SetSessionName;
  end;

  { TTable }
  TBatchMode = (batAppend, batUpdate, batAppendUpdate, batDelete, batCopy);
  TTableType = (ttDefault, ttParadox, ttDBase, ttASCII);
  TLockType = (ltReadLock, ltWriteLock);

  TTable = class(TDBDataSet)
  private
    FIndexDefs: TIndexDefs;
    FMasterLink: TDataLink;
    FExclusive: Boolean;
    FReadOnly: Boolean;
    FTableType: TTableType;
    FFieldsIndex: Boolean;
    FTableName: string;
    FIndexName: string;
    FIndexFieldNames: string;
    FMasterFields: string;
    FIndexFieldCount: Integer;
    procedure CheckMasterRange;
    function GetIndexField(Index: Integer): TField;
    procedure SetIndexField(Index: Integer; Value: TField);
    function GetExists: Boolean;
    function GetIndexFieldNames: string;
    function GetIndexName: string;
    function GetMasterFields: string;
    function GetMasterSource: TDataSource;
    procedure MasterChanged(Sender: TObject);
    procedure SetExclusive(Value: Boolean);
    procedure SetIndexDefs(Value: TIndexDefs);
    procedure SetIndexFieldNames(const Value: string);
    procedure SetIndexName(const Value: string);
    procedure SetMasterFields(const Value: string);
    procedure SetMasterSource(Value: TDataSource);
    procedure SetReadOnly(Value: Boolean);
    procedure SetTableName(const Value: string);
    procedure SetTableType(Value: TTableType);
  protected
    function CreateHandle: HDBICur; override;
    function GetDataSource: TDataSource; override;
    procedure UpdateIndexDefs; override;
  public
    constructor Create(AOwner: TComponent); override;
    destructor Destroy; override;
    function BatchMove(ASource: TBDEDataSet; AMode: TBatchMode): Longint;
    procedure AddIndex(const Name, Fields: string; Options: TIndexOptions);
    procedure ApplyRange;
    procedure CancelRange;
    procedure CloseIndexFile(const IndexFileName: string);
    procedure CreateTable;
    procedure DeleteIndex(const Name: string);
    procedure DeleteTable;
    procedure EditKey;
    procedure EditRangeEnd;
    procedure EditRangeStart;
    procedure EmptyTable;
    function FindKey(const KeyValues: array of const): Boolean;
    procedure FindNearest(const KeyValues: array of const);
    procedure GetIndexNames(List: TStrings);
    procedure GotoCurrent(Table: TTable);
    function GotoKey: Boolean;
    procedure GotoNearest;
    procedure LockTable(LockType: TLockType);
    procedure OpenIndexFile(const IndexName: string);
    procedure RenameTable(const NewTableName: string);
    procedure SetKey;
    procedure SetRange(const StartValues, EndValues: array of const);
    procedure SetRangeEnd;
    procedure SetRangeStart;
    procedure UnlockTable(LockType: TLockType);
    property Exists: Boolean read GetExists;
    property IndexFieldCount: Integer read FIndexFieldCount;
    property IndexFields[Index: Integer]: TField read GetIndexField write SetIndexField;
  published
    property Exclusive: Boolean read FExclusive write SetExclusive default False;
    property IndexDefs: TIndexDefs read FIndexDefs write SetIndexDefs;
    property IndexFieldNames: string read GetIndexFieldNames write SetIndexFieldNames;
    property IndexName: string read GetIndexName write SetIndexName;
    property MasterFields: string read GetMasterFields write SetMasterFields;
    property MasterSource: TDataSource read GetMasterSource write SetMasterSource;
    property ReadOnly: Boolean read FReadOnly write SetReadOnly default False;
    property TableName: string read FTableName write SetTableName;
    property TableType: TTableType read FTableType write SetTableType default ttDefault;
    property Active;
    property AutoCalcFields;
    property Filter;
    property Filtered;
    property FilterOptions;
    property CachedUpdates;
    property UpdateObject;
    property BeforeOpen;
    property AfterOpen;
    property BeforeClose;
    property AfterClose;
    property BeforeInsert;
    property AfterInsert;
    property BeforeEdit;
    property AfterEdit;
    property BeforePost;
    property AfterPost;
    property BeforeCancel;
    property AfterCancel;
    property BeforeDelete;
    property AfterDelete;
    property OnCalcFields;
    property OnDeleteError;
    property OnEditError;
    property OnFilterRecord;
    property OnNewRecord;
    property OnPostError;
    property OnUpdateError;
    property OnUpdateRecord;
  end;

  { TBatchMove }
  TBatchMove = class(TComponent)
  private
    FDestination: TTable;
    FSource: TBDEDataSet;
    FMode: TBatchMode;
    FAbortOnKeyViol: Boolean;
    FAbortOnProblem: Boolean;
    FTransliterate: Boolean;
    FRecordCount: Longint;
    FMovedCount: Longint;
    FKeyViolCount: Longint;
    FProblemCount: Longint;
    FChangedCount: Longint;
    FMappings: TStrings;
    FKeyViolTableName: string;
    FProblemTableName: string;
    FChangedTableName: string;
    procedure SetMappings(Value: TStrings);
    procedure SetSource(Value: TBDEDataSet);
  protected
    procedure Notification(AComponent: TComponent;
      Operation: TOperation); override;
  public
    constructor Create(AOwner: TComponent); override;
    destructor Destroy; override;
    procedure Execute;
    property ChangedCount: Longint read FChangedCount;
    property KeyViolCount: Longint read FKeyViolCount;
    property MovedCount: Longint read FMovedCount;
    property ProblemCount: Longint read FProblemCount;
  published
    property AbortOnKeyViol: Boolean read FAbortOnKeyViol write FAbortOnKeyViol default True;
    property AbortOnProblem: Boolean read FAbortOnProblem write FAbortOnProblem default True;
    property ChangedTableName: string read FChangedTableName write FChangedTableName;
    property Destination: TTable read FDestination write FDestination;
    property KeyViolTableName: string read FKeyViolTableName write FKeyViolTableName;
    property Mappings: TStrings read FMappings write SetMappings;
    property Mode: TBatchMode read FMode write FMode default batAppend;
    property ProblemTableName: string read FProblemTableName write FProblemTableName;
    property RecordCount: Longint read FRecordCount write FRecordCount default 0;
    property Source: TBDEDataSet read FSource write SetSource;
    property Transliterate: Boolean read FTransliterate write FTransliterate default True;
  end;

  { TParam }
  TParamType = (ptUnknown, ptInput, ptOutput, ptInputOutput, ptResult);
  TParams = class;

  TParam = class(TPersistent)
  private
    FParamList: TParams;
    FData: Variant;
    FName: string;
    FDataType: TFieldType;
    FNull: Boolean;
    FBound: Boolean;
    FParamType: TParamType;
    function GetAsBoolean: Boolean;
    function GetAsDateTime: TDateTime;
    function GetAsFloat: Double;
    function GetAsInteger: Longint;
    function GetAsString: string;
    function GetAsVariant: Variant;
    function IsEqual(Value: TParam): Boolean;
    procedure SetAsBoolean(Value: Boolean);
    procedure SetAsCurrency(Value: Double);
    procedure SetAsDate(Value: TDateTime);
    procedure SetAsDateTime(Value: TDateTime);
    procedure SetAsFloat(Value: Double);
    procedure SetAsInteger(Value: Longint);
    procedure SetAsString(const Value: string);
    procedure SetAsVariant(Value: Variant);
    procedure SetDataType(Value: TFieldType);
    procedure SetText(const Value: string);
  public
    constructor Create(AParamList: TParams; AParamType: TParamType);
    destructor Destroy; override;
    procedure Assign(Source: TPersistent); override;
    procedure AssignField(Field: TField);
    procedure AssignFieldValue(Field: TField; const Value: Variant);
    procedure Clear;
    procedure GetData(Buffer: Pointer);
    function GetDataSize: Word;
    procedure SetData(Buffer: Pointer);
    property AsBoolean: Boolean read GetAsBoolean write SetAsBoolean;
    property AsCurrency: Double read GetAsFloat write SetAsCurrency;
    property AsDate: TDateTime read GetAsDateTime write SetAsDate;
    property AsDateTime: TDateTime read GetAsDateTime write SetAsDateTime;
    property AsFloat: Double read GetAsFloat write SetAsFloat;
    property AsInteger: Longint read GetAsInteger write SetAsInteger;
    property AsString: string read GetAsString write SetAsString;
    property Bound: Boolean read FBound write FBound;
    property DataType: TFieldType read FDataType write SetDataType;
    property IsNull: Boolean read FNull;
    property Name: string read FName write FName;
    property ParamType: TParamType read FParamType write FParamType;
    property Text: string read GetAsString write SetText;
    property Value: Variant read GetAsVariant write SetAsVariant;
  end;

  TParams = class(TPersistent)
  private
    FItems: TList;
    function GetParam(Index: Word): TParam;
    function GetParamValue(const ParamName: string): Variant;
    function GetVersion: Word;
    procedure ReadBinaryData(Stream: TStream);
    procedure SetParamValue(const ParamName: string; const Value: Variant);
    procedure WriteBinaryData(Stream: TStream);
  protected
    procedure AssignTo(Dest: TPersistent); override;
    procedure DefineProperties(Filer: TFiler); override;
  public
    constructor Create;
    destructor Destroy; override;
    procedure AssignValues(Value: TParams);
    procedure AddParam(Value: TParam);
    procedure RemoveParam(Value: TParam);
    function CreateParam(FldType: TFieldType; const ParamName: string;
      ParamType: TParamType): TParam;
    function Count: Integer;
    procedure Clear;
    procedure GetParamList(List: TList; const ParamNames: string);
    function IsEqual(Value: TParams): Boolean;
    function ParamByName(const Value: string): TParam;
    property Items[Index: Word]: TParam read GetParam; default;
    property ParamValues[const ParamName: string]: Variant read GetParamValue write SetParamValue;
  end;

  { TStoredProc }
  TParamBindMode = (pbByName, pbByNumber);

  TStoredProc = class(TDBDataSet)
  private
    FStmtHandle: HDBIStmt;
    FProcName: string;
    FParams: TParams;
    FParamDesc: PChar;
    FRecordBuffer: PChar;
    FOverload: Word;
    FPrepared: Boolean;
    FQueryMode: Boolean;
    FBindMode: TParamBindMode;
    procedure BindParams;
    function CheckServerParams: Boolean;
    function CreateCursor(GenHandle: Boolean): HDBICur;
    procedure CreateParamDesc;
    procedure FreeStatement;
    function GetCursor(GenHandle: Boolean): HDBICur;
    procedure PrepareProc;
    procedure SetParamsList(Value: TParams);
    procedure SetServerParams;
    procedure SetPrepared(Value: Boolean);
    procedure SetPrepare(Value: Boolean);
    procedure SetProcName(const Value: string);
    procedure SetOverload(Value: Word);
  protected
    function CreateHandle: HDBICur; override;
    procedure Disconnect; virtual;
  public
    constructor Create(AOwner: TComponent); override;
    destructor Destroy; override;
    procedure CopyParams(Value: TParams);
    function DescriptionsAvailable: Boolean;
    procedure ExecProc;
    function ParamByName(const Value: string): TParam;
    procedure Prepare;
    procedure GetResults;
    procedure UnPrepare;
    property ParamCount: Word read FOverload;
    property StmtHandle: HDBIStmt read FStmtHandle;
    property Prepared: Boolean read FPrepared write SetPrepare;
  published
    property StoredProcName: string read FProcName write SetProcName;
    property Overload: Word read FOverload write SetOverload default 0;
    property Params: TParams read FParams write SetParamsList;
    property ParamBindMode: TParamBindMode read FBindMode write FBindMode default pbByName;
    property UpdateObject;
  end;

  { TQuery }
  TQuery = class(TDBDataSet)
  private
    FStmtHandle: HDBIStmt;
    FSQL: TStrings;
    FPrepared: Boolean;
    FParams: TParams;
    FText: string;
    FDataLink: TDataLink;
    FLocal: Boolean;
    FRowsAffected: Integer;
    FUniDirectional: Boolean;
    FRequestLive: Boolean;
    FSQLBinary: PChar;
    FConstrained: Boolean;
    FParamCheck: Boolean;
    function CreateCursor(GenHandle: Boolean): HDBICur;
    function GetQueryCursor(GenHandle: Boolean): HDBICur;
    function GetRowsAffected: Integer;
    procedure PrepareSQL(Value: PChar);
    procedure QueryChanged(Sender: TObject);
    procedure ReadBinaryData(Stream: TStream);
    procedure RefreshParams;
    procedure SetDataSource(Value: TDataSource);
    procedure SetQuery(Value: TStrings);
    procedure SetParamsList(Value: TParams);
    procedure SetParams;
    procedure SetParamsFromCursor;
    procedure SetPrepared(Value: Boolean);
    procedure SetPrepare(Value: Boolean);
    procedure WriteBinaryData(Stream: TStream);
  protected
    function CreateHandle: HDBICur; override;
    procedure DefineProperties(Filer: TFiler); override;
    procedure Disconnect; virtual;
    procedure FreeStatement; virtual;
    function GetDataSource: TDataSource; override;
    property DataLink: TDataLink read FDataLink;
  public
    constructor Create(AOwner: TComponent); override;
    destructor Destroy; override;
    procedure ExecSQL;
    function ParamByName(const Value: string): TParam;
    procedure Prepare;
    procedure UnPrepare;
    property Prepared: Boolean read FPrepared write SetPrepare;
    property ParamCount: Word read FRowsAffected;
    property Local: Boolean read FLocal;
    property StmtHandle: HDBIStmt read FStmtHandle;
    property Text: string read FText;
    property RowsAffected: Integer read GetRowsAffected;
    property SQLBinary: PChar read FSQLBinary write FSQLBinary;
  published
    property Constrained: Boolean read FConstrained write FConstrained default False;
    property DataSource: TDataSource read GetDataSource write SetDataSource;
    property ParamCheck: Boolean read FParamCheck write FParamCheck default True;
    property RequestLive: Boolean read FRequestLive write FRequestLive default False;
    property SQL: TStrings read FSQL write SetQuery;
    property Params: TParams read FParams write SetParamsList;
    property UniDirectional: Boolean read FUniDirectional write FUniDirectional default False;
    property Active;
    property AutoCalcFields;
    property Filter;
    property Filtered;
    property FilterOptions;
    property CachedUpdates;
    property UpdateObject;
    property BeforeOpen;
    property AfterOpen;
    property BeforeClose;
    property AfterClose;
    property OnCalcFields;
    property OnFilterRecord;
    property OnUpdateError;
    property OnUpdateRecord;
  end;

  { TUpdateSQL }
  TUpdateSQL = class(TDataSetUpdateObject)
  private
    FDataSet: TDataSet;
    FQueries: array[TUpdateKind] of TQuery;
    FSQLText: array[TUpdateKind] of TStrings;
    function GetQuery(UpdateKind: TUpdateKind): TQuery;
    function GetSQL(UpdateKind: TUpdateKind): TStrings;
    function GetSQLIndex(Index: Integer): TStrings;
    procedure SetSQL(UpdateKind: TUpdateKind; Value: TStrings);
    procedure SetSQLIndex(Index: Integer; Value: TStrings);
  protected
    function GetDataSet: TDataSet; override;
    procedure SetDataSet(ADataSet: TDataSet); override;
    procedure SQLChanged(Sender: TObject);
  public
    constructor Create(AOwner: TComponent); override;
    destructor Destroy; override;
    procedure Apply(UpdateKind: TUpdateKind); override;
    procedure ExecSQL(UpdateKind: TUpdateKind);
    procedure SetParams(UpdateKind: TUpdateKind);
    property DataSet;
    property Query[UpdateKind: TUpdateKind]: TQuery read GetQuery;
    property SQL[UpdateKind: TUpdateKind]: TStrings read GetSQL write SetSQL;
  published
    property ModifySQL: TStrings index 0 read GetSQLIndex write SetSQLIndex;
    property InsertSQL: TStrings index 1 read GetSQLIndex write SetSQLIndex;
    property DeleteSQL: TStrings index 2 read GetSQLIndex write SetSQLIndex;
  end;

  { TBlobStream }
  TBlobStreamMode = (bmRead, bmWrite, bmReadWrite);

  TBlobStream = class(TStream)
  private
    FField: TBlobField;
    FDataSet: TBDEDataSet;
    FBuffer: PChar;
    FMode: TBlobStreamMode;
    FFieldNo: Integer;
    FOpened: Boolean;
    FModified: Boolean;
    FPosition: Longint;
    FBlobData: string;
    FCached: Boolean;
    FCacheSize: Longint;
    function GetBlobSize: Longint;
  public
    constructor Create(Field: TBlobField; Mode: TBlobStreamMode);
    destructor Destroy; override;
    function Read(var Buffer; Count: Longint): Longint; override;
    function Write(const Buffer; Count: Longint): Longint; override;
    function Seek(Offset: Longint; Origin: Word): Longint; override;
    procedure Truncate;
  end;

var
  Session: TSession;
  Sessions: TSessionList;

function AnsiToNative(Locale: Pointer; const AnsiStr: string;
  NativeStr: PChar; MaxLen: Integer): PChar;
procedure NativeToAnsi(Locale: Pointer; NativeStr: PChar;
  var AnsiStr: string);
procedure DbiError(ErrorCode: DBIResult);
procedure Check(Status: DBIResult);

implementation

const
  DBIERR_NONE = 0;

function AnsiToNative(Locale: Pointer; const AnsiStr: string;
  NativeStr: PChar; MaxLen: Integer): PChar;
begin
  Result := StrLCopy(NativeStr, PChar(AnsiStr), MaxLen);
end;

procedure NativeToAnsi(Locale: Pointer; NativeStr: PChar;
  var AnsiStr: string);
begin
  AnsiStr := StrPas(NativeStr);
end;

procedure DbiError(ErrorCode: DBIResult);
begin
  raise EDBEngineError.Create(ErrorCode);
end;

procedure Check(Status: DBIResult);
begin
  if Status <> DBIERR_NONE then DbiError(Status);
end;

{ TDBError }

function TDBError.GetCategory: Byte;
begin
  Result := Hi(FErrorCode);
end;

function TDBError.GetSubCode: Byte;
begin
  Result := Lo(FErrorCode);
end;

constructor TDBError.Create(Owner: TObject; ErrorCode: DBIResult;
  NativeError: Longint; Message: PChar);
begin
  FErrorCode := ErrorCode;
  FNativeError := NativeError;
  FMessage := StrPas(Message);
  if Owner is EDBEngineError then
    EDBEngineError(Owner).FErrors.Add(Self);
end;

{ EDBEngineError }

function EDBEngineError.GetError(Index: Integer): TDBError;
begin
  Result := FErrors[Index];
end;

function EDBEngineError.GetErrorCount: Integer;
begin
  Result := FErrors.Count;
end;

constructor EDBEngineError.Create(ErrorCode: DBIResult);
begin
  FErrors := TList.Create;
  TDBError.Create(Self, ErrorCode, 0, 'Database engine error');
  inherited Create(Format('Database engine error %d', [ErrorCode]));
end;

destructor EDBEngineError.Destroy;
var
  I: Integer;
begin
  if FErrors <> nil then
  begin
    for I := FErrors.Count - 1 downto 0 do TDBError(FErrors[I]).Free;
    FErrors.Free;
  end;
  inherited Destroy;
end;

{ TSession }

procedure TSession.AddDatabase(Value: TDatabase);
begin
end;

procedure TSession.CheckInactive;
begin
end;

function TSession.DoFindDatabase(const DatabaseName: string; AOwner: TComponent): TDatabase;
begin
  Result := nil;
end;

function TSession.DoOpenDatabase(const DatabaseName: string; AOwner: TComponent): TDatabase;
begin
  Result := nil;
end;

function TSession.GetActive: Boolean;
begin
  Result := False;
end;

function TSession.GetDatabase(Index: Integer): TDatabase;
begin
  Result := nil;
end;

function TSession.GetDatabaseCount: Integer;
begin
  Result := 0;
end;

function TSession.GetHandle: HDBISes;
begin
  Result := FHandle;
end;

function TSession.GetNetFileDir: string;
begin
  Result := FNetFileDir;
end;

function TSession.GetPrivateDir: string;
begin
  Result := FPrivateDir;
end;

procedure TSession.RemoveDatabase(Value: TDatabase);
begin
end;

procedure TSession.SetActive(Value: Boolean);
begin
end;

procedure TSession.SetNetFileDir(const Value: string);
begin
  FNetFileDir := Value;
end;

procedure TSession.SetPrivateDir(const Value: string);
begin
  FPrivateDir := Value;
end;

procedure TSession.SetSessionName(const Value: string);
begin
  FSessionName := Value;
end;

procedure TSession.Loaded;
begin
  inherited Loaded;
end;

constructor TSession.Create(AOwner: TComponent);
begin
  inherited Create(AOwner);
  FDatabases := TList.Create;
  FKeepConnections := True;
  Sessions.AddSession(Self);
end;

destructor TSession.Destroy;
begin
  SetActive(False);
  Sessions.FSessions.Remove(Self);
  FDatabases.Free;
  inherited Destroy;
end;

procedure TSession.AddAlias(const Name, Driver: string; List: TStrings);
begin
end;

procedure TSession.AddStandardAlias(const Name, Path, DefaultDriver: string);
begin
end;

procedure TSession.AddPassword(const Password: string);
begin
end;

procedure TSession.Close;
begin
  Active := False;
end;

procedure TSession.CloseDatabase(Database: TDatabase);
begin
end;

procedure TSession.DeleteAlias(const Name: string);
begin
end;

procedure TSession.DropConnections;
begin
end;

function TSession.FindDatabase(const DatabaseName: string): TDatabase;
var
  I: Integer;
begin
  for I := 0 to FDatabases.Count - 1 do
  begin
    Result := FDatabases[I];
    if ((Result.Owner = nil) or (Result.Owner = Self)) and
      (AnsiCompareText(Result.DatabaseName, DatabaseName) = 0) then Exit;
  end;
  Result := nil;
end;

procedure TSession.GetAliasNames(List: TStrings);
begin
end;

procedure TSession.GetAliasParams(const AliasName: string; List: TStrings);
begin
end;

function TSession.GetAliasDriverName(const AliasName: string): string;
begin
  Result := '';
end;

procedure TSession.GetConfigParams(const Path, Section: string; List: TStrings);
begin
end;

procedure TSession.GetDatabaseNames(List: TStrings);
begin
end;

procedure TSession.GetDriverNames(List: TStrings);
begin
end;

procedure TSession.GetDriverParams(const DriverName: string; List: TStrings);
begin
end;

function TSession.GetPassword: Boolean;
begin
  Result := False;
end;

procedure TSession.GetTableNames(const DatabaseName, Pattern: string;
      Extensions, SystemTables: Boolean; List: TStrings);
begin
end;

procedure TSession.GetStoredProcNames(const DatabaseName: string; List: TStrings);
begin
end;

function TSession.IsAlias(const Name: string): Boolean;
begin
  Result := False;
end;

procedure TSession.ModifyAlias(Name: string; List: TStrings);
begin
end;

procedure TSession.Open;
begin
  Active := True;
end;

function TSession.OpenDatabase(const DatabaseName: string): TDatabase;
begin
  Result := DoOpenDatabase(DatabaseName, nil);
end;

procedure TSession.RemoveAllPasswords;
begin
end;

procedure TSession.RemovePassword(const Password: string);
begin
end;

procedure TSession.SaveConfigFile;
begin
end;

{ TSessionList }

procedure TSessionList.AddSession(ASession: TSession);
begin
  if FSessions.Count = 0 then ASession.FDefault := True;
  FSessions.Add(ASession);
end;

procedure TSessionList.CloseAll;
begin
end;

function TSessionList.GetCount: Integer;
begin
  Result := 0;
end;

function TSessionList.GetSession(Index: Integer): TSession;
begin
  Result := nil;
end;

function TSessionList.GetSessionByName(const SessionName: string): TSession;
begin
  Result := nil;
end;

constructor TSessionList.Create;
begin
  inherited Create;
  FSessions := TList.Create;
end;

destructor TSessionList.Destroy;
begin
  CloseAll;
  FSessions.Free;
  inherited Destroy;
end;

function TSessionList.FindSession(const SessionName: string): TSession;
var
  I: Integer;
begin
  if SessionName = '' then
    Result := Session
  else
  begin
    for I := 0 to FSessions.Count - 1 do
    begin
      Result := FSessions[I];
      if AnsiCompareText(Result.SessionName, SessionName) = 0 then Exit;
    end;
    Result := nil;
  end;
end;

procedure TSessionList.GetSessionNames(List: TStrings);
begin
end;

function TSessionList.OpenSession(const SessionName: string): TSession;
begin
  Result := nil;
end;

{ TDatabase }

procedure TDatabase.CheckActive;
begin
end;

procedure TDatabase.CheckInactive;
begin
end;

procedure TDatabase.CheckDatabaseName;
begin
end;

procedure TDatabase.CheckSessionName(Required: Boolean);
begin
end;

procedure TDatabase.EndTransaction(TransEnd: Integer);
begin
end;

function TDatabase.GetAliasName: string;
begin
  Result := FAliasName;
end;

function TDatabase.GetConnected: Boolean;
begin
  Result := False;
end;

function TDatabase.GetDataSet(Index: Integer): TDBDataSet;
begin
  Result := nil;
end;

function TDatabase.GetDataSetCount: Integer;
begin
  Result := 0;
end;

function TDatabase.GetDirectory: string;
begin
  Result := '';
end;

function TDatabase.GetDriverName: string;
begin
  Result := FDriverName;
end;

function TDatabase.GetInTransaction: Boolean;
begin
  Result := False;
end;

procedure TDatabase.Login(LoginParams: TStrings);
begin
end;

procedure TDatabase.ParamsChanging(Sender: TObject);
begin
end;

procedure TDatabase.SetAliasName(const Value: string);
begin
  FAliasName := Value;
end;

procedure TDatabase.SetConnected(Value: Boolean);
begin
end;

procedure TDatabase.SetDatabaseName(const Value: string);
begin
  FDatabaseName := Value;
end;

procedure TDatabase.SetDirectory(const Value: string);
begin
end;

procedure TDatabase.SetDriverName(const Value: string);
begin
  FDriverName := Value;
end;

procedure TDatabase.SetHandle(Value: HDBIDb);
begin
  FHandle := Value;
end;

procedure TDatabase.SetKeepConnection(Value: Boolean);
begin
  FKeepConnection := Value;
end;

procedure TDatabase.SetParams(Value: TStrings);
begin
  FParams.Assign(Value);
end;

procedure TDatabase.SetSessionName(const Value: string);
begin
  FSessionName := Value;
end;

procedure TDatabase.Loaded;
begin
  inherited Loaded;
end;

constructor TDatabase.Create(AOwner: TComponent);
begin
  inherited Create(AOwner);
  FDataSets := TList.Create;
  FParams := TStringList.Create;
  TStringList(FParams).OnChanging := ParamsChanging;
  FLoginPrompt := True;
  FKeepConnection := True;
  FLocale := nil;
  FTransIsolation := tiReadCommitted;
end;

destructor TDatabase.Destroy;
begin
  Destroying;
  if FSession <> nil then
  begin
    Close;
    FSession.RemoveDatabase(Self);
  end;
  FParams.Free;
  FDataSets.Free;
  inherited Destroy;
end;

procedure TDatabase.ApplyUpdates(const DataSets: array of TDBDataSet);
begin
end;

procedure TDatabase.Close;
begin
  Connected := False;
end;

procedure TDatabase.CloseDataSets;
begin
  while DataSetCount <> 0 do DataSets[DataSetCount - 1].Close;
end;

procedure TDatabase.Commit;
begin
end;

procedure TDatabase.FlushSchemaCache(const TableName: string);
begin
end;

procedure TDatabase.Open;
begin
  Connected := True;
end;

procedure TDatabase.Rollback;
begin
end;

procedure TDatabase.StartTransaction;
begin
end;

procedure TDatabase.ValidateName(const Name: string);
begin
end;

{ TBDEDataSet }

procedure TBDEDataSet.SetCachedUpdates(Value: Boolean);
begin
  FCachedUpdates := Value;
end;

procedure TBDEDataSet.SetUpdateObject(Value: TDataSetUpdateObject);
begin
  FUpdateObject := Value;
  if Value <> nil then Value.FreeNotification(Self);
end;

procedure TBDEDataSet.SetUpdateRecordSet(RecordTypes: TUpdateRecordTypes);
begin
  FUpdateRecordTypes := RecordTypes;
end;

function TBDEDataSet.GetUpdatesPending: Boolean;
begin
  Result := False;
end;

function TBDEDataSet.CreateHandle: HDBICur;
begin
  Result := 0;
end;

procedure TBDEDataSet.DestroyHandle;
begin
end;

function TBDEDataSet.GetRecord(Buffer: PChar; GetMode: TGetMode;
      DoCheck: Boolean): TGetResult;
begin
  Result := grOK;
end;

function TBDEDataSet.GetRecordSize: Word;
begin
  Result := FRecordSize;
end;

procedure TBDEDataSet.InitFieldDefs;
begin
end;

procedure TBDEDataSet.InternalAddRecord(Buffer: Pointer; Append: Boolean);
begin
end;

procedure TBDEDataSet.InternalClose;
begin
end;

procedure TBDEDataSet.InternalDelete;
begin
end;

procedure TBDEDataSet.InternalFirst;
begin
end;

procedure TBDEDataSet.InternalGotoBookmark(Bookmark: Pointer);
begin
end;

procedure TBDEDataSet.InternalHandleException;
begin
end;

procedure TBDEDataSet.InternalInitFieldDefs;
begin
end;

procedure TBDEDataSet.InternalInitRecord(Buffer: PChar);
begin
end;

procedure TBDEDataSet.InternalLast;
begin
end;

procedure TBDEDataSet.InternalOpen;
begin
end;

procedure TBDEDataSet.InternalPost;
begin
end;

procedure TBDEDataSet.InternalSetToRecord(Buffer: PChar);
begin
end;

function TBDEDataSet.IsCursorOpen: Boolean;
begin
  Result := False;
end;

constructor TBDEDataSet.Create(AOwner: TComponent);
begin
  inherited Create(AOwner);
  FCachedUpdates := False;
end;

destructor TBDEDataSet.Destroy;
begin
  inherited Destroy;
end;

procedure TBDEDataSet.ApplyUpdates;
begin
end;

procedure TBDEDataSet.CancelUpdates;
begin
end;

procedure TBDEDataSet.CommitUpdates;
begin
end;

procedure TBDEDataSet.FetchAll;
begin
end;

procedure TBDEDataSet.RevertRecord;
begin
end;

{ TDBDataSet }

procedure TDBDataSet.CheckDBSessionName;
begin
end;

function TDBDataSet.GetDBSession: TSession;
begin
  Result := nil;
end;

procedure TDBDataSet.SetDatabaseName(const Value: string);
begin
  FDatabaseName := Value;
end;

procedure TDBDataSet.SetSessionName(const Value: string);
begin
  FSessionName := Value;
end;

procedure TDBDataSet.CloseCursor;
begin
  inherited CloseCursor;
end;

procedure TDBDataSet.OpenCursor(InfoQuery: Boolean);
begin
  inherited OpenCursor(InfoQuery);
end;

function TDBDataSet.CheckOpen(Status: DBIResult): Boolean;
begin
  Result := False;
end;

{ TTable }

procedure TTable.CheckMasterRange;
begin
end;

function TTable.GetIndexField(Index: Integer): TField;
begin
  Result := nil;
end;

procedure TTable.SetIndexField(Index: Integer; Value: TField);
begin
end;

function TTable.GetExists: Boolean;
begin
  Result := False;
end;

function TTable.GetIndexFieldNames: string;
begin
  Result := FIndexFieldNames;
end;

function TTable.GetIndexName: string;
begin
  Result := FIndexName;
end;

function TTable.GetMasterFields: string;
begin
  Result := FMasterFields;
end;

function TTable.GetMasterSource: TDataSource;
begin
  Result := nil;
end;

procedure TTable.MasterChanged(Sender: TObject);
begin
end;

procedure TTable.SetExclusive(Value: Boolean);
begin
  FExclusive := Value;
end;

procedure TTable.SetIndexDefs(Value: TIndexDefs);
begin
  FIndexDefs := Value;
end;

procedure TTable.SetIndexFieldNames(const Value: string);
begin
  FIndexFieldNames := Value;
end;

procedure TTable.SetIndexName(const Value: string);
begin
  FIndexName := Value;
end;

procedure TTable.SetMasterFields(const Value: string);
begin
  FMasterFields := Value;
end;

procedure TTable.SetMasterSource(Value: TDataSource);
begin
end;

procedure TTable.SetReadOnly(Value: Boolean);
begin
  FReadOnly := Value;
end;

procedure TTable.SetTableName(const Value: string);
begin
  FTableName := Value;
end;

procedure TTable.SetTableType(Value: TTableType);
begin
  FTableType := Value;
end;

function TTable.CreateHandle: HDBICur;
begin
  Result := inherited CreateHandle;
end;

function TTable.GetDataSource: TDataSource;
begin
  Result := inherited GetDataSource;
end;

procedure TTable.UpdateIndexDefs;
begin
  inherited UpdateIndexDefs;
end;

constructor TTable.Create(AOwner: TComponent);
begin
  inherited Create(AOwner);
  FExclusive := False;
  FReadOnly := False;
  FTableType := ttDefault;
end;

destructor TTable.Destroy;
begin
  inherited Destroy;
end;

function TTable.BatchMove(ASource: TBDEDataSet; AMode: TBatchMode): Longint;
begin
  Result := 0;
end;

procedure TTable.AddIndex(const Name, Fields: string; Options: TIndexOptions);
begin
end;

procedure TTable.ApplyRange;
begin
end;

procedure TTable.CancelRange;
begin
end;

procedure TTable.CloseIndexFile(const IndexFileName: string);
begin
end;

procedure TTable.CreateTable;
begin
end;

procedure TTable.DeleteIndex(const Name: string);
begin
end;

procedure TTable.DeleteTable;
begin
end;

procedure TTable.EditKey;
begin
end;

procedure TTable.EditRangeEnd;
begin
end;

procedure TTable.EditRangeStart;
begin
end;

procedure TTable.EmptyTable;
begin
end;

function TTable.FindKey(const KeyValues: array of const): Boolean;
begin
  Result := False;
end;

procedure TTable.FindNearest(const KeyValues: array of const);
begin
end;

procedure TTable.GetIndexNames(List: TStrings);
begin
end;

procedure TTable.GotoCurrent(Table: TTable);
begin
end;

function TTable.GotoKey: Boolean;
begin
  Result := False;
end;

procedure TTable.GotoNearest;
begin
end;

procedure TTable.LockTable(LockType: TLockType);
begin
end;

procedure TTable.OpenIndexFile(const IndexName: string);
begin
end;

procedure TTable.RenameTable(const NewTableName: string);
begin
end;

procedure TTable.SetKey;
begin
end;

procedure TTable.SetRange(const StartValues, EndValues: array of const);
begin
end;

procedure TTable.SetRangeEnd;
begin
end;

procedure TTable.SetRangeStart;
begin
end;

procedure TTable.UnlockTable(LockType: TLockType);
begin
end;

{ TBatchMove }

procedure TBatchMove.SetMappings(Value: TStrings);
begin
  FMappings.Assign(Value);
end;

procedure TBatchMove.SetSource(Value: TBDEDataSet);
begin
  FSource := Value;
  if Value <> nil then Value.FreeNotification(Self);
end;

procedure TBatchMove.Notification(AComponent: TComponent;
      Operation: TOperation);
begin
  inherited Notification(AComponent, Operation);
  if Operation = opRemove then
  begin
    if AComponent = FDestination then FDestination := nil;
    if AComponent = FSource then FSource := nil;
  end;
end;

constructor TBatchMove.Create(AOwner: TComponent);
begin
  inherited Create(AOwner);
  FMappings := TStringList.Create;
  FAbortOnKeyViol := True;
  FAbortOnProblem := True;
  FMode := batAppend;
  FRecordCount := 0;
  FTransliterate := True;
end;

destructor TBatchMove.Destroy;
begin
  FMappings.Free;
  inherited Destroy;
end;

procedure TBatchMove.Execute;
begin
end;

{ TParam }

function TParam.GetAsBoolean: Boolean;
begin
  Result := False;
end;

function TParam.GetAsDateTime: TDateTime;
begin
  Result := 0;
end;

function TParam.GetAsFloat: Double;
begin
  Result := 0;
end;

function TParam.GetAsInteger: Longint;
begin
  Result := 0;
end;

function TParam.GetAsString: string;
begin
  Result := '';
end;

function TParam.GetAsVariant: Variant;
begin
  Result := Unassigned;
end;

function TParam.IsEqual(Value: TParam): Boolean;
begin
  Result := False;
end;

procedure TParam.SetAsBoolean(Value: Boolean);
begin
end;

procedure TParam.SetAsCurrency(Value: Double);
begin
end;

procedure TParam.SetAsDate(Value: TDateTime);
begin
end;

procedure TParam.SetAsDateTime(Value: TDateTime);
begin
end;

procedure TParam.SetAsFloat(Value: Double);
begin
end;

procedure TParam.SetAsInteger(Value: Longint);
begin
end;

procedure TParam.SetAsString(const Value: string);
begin
end;

procedure TParam.SetAsVariant(Value: Variant);
begin
end;

procedure TParam.SetDataType(Value: TFieldType);
begin
  FDataType := Value;
end;

procedure TParam.SetText(const Value: string);
begin
end;

constructor TParam.Create(AParamList: TParams; AParamType: TParamType);
begin
  inherited Create;
  FParamList := TParams.Create;
end;

destructor TParam.Destroy;
begin
  FParamList.Free;
  inherited Destroy;
end;

procedure TParam.Assign(Source: TPersistent);
begin
  if Source is TParam then
  begin
    AsBoolean := TParam(Source).AsBoolean;
    AsCurrency := TParam(Source).AsCurrency;
    AsDate := TParam(Source).AsDate;
    AsDateTime := TParam(Source).AsDateTime;
    AsFloat := TParam(Source).AsFloat;
    AsInteger := TParam(Source).AsInteger;
    AsString := TParam(Source).AsString;
    Bound := TParam(Source).Bound;
    DataType := TParam(Source).DataType;
    Name := TParam(Source).Name;
    ParamType := TParam(Source).ParamType;
    Text := TParam(Source).Text;
    Value := TParam(Source).Value;
  end
  else
    inherited Assign(Source);
end;

procedure TParam.AssignField(Field: TField);
begin
end;

procedure TParam.AssignFieldValue(Field: TField; const Value: Variant);
begin
end;

procedure TParam.Clear;
begin
end;

procedure TParam.GetData(Buffer: Pointer);
begin
end;

function TParam.GetDataSize: Word;
begin
  Result := 0;
end;

procedure TParam.SetData(Buffer: Pointer);
begin
  FData := Buffer;
end;

{ TParams }

function TParams.GetParam(Index: Word): TParam;
begin
  Result := nil;
end;

function TParams.GetParamValue(const ParamName: string): Variant;
begin
  Result := Unassigned;
end;

function TParams.GetVersion: Word;
begin
  Result := 0;
end;

procedure TParams.ReadBinaryData(Stream: TStream);
begin
end;

procedure TParams.SetParamValue(const ParamName: string; const Value: Variant);
begin
end;

procedure TParams.WriteBinaryData(Stream: TStream);
begin
end;

procedure TParams.AssignTo(Dest: TPersistent);
begin
  inherited AssignTo(Dest);
end;

procedure TParams.DefineProperties(Filer: TFiler);
begin
  inherited DefineProperties(Filer);
end;

constructor TParams.Create;
begin
  FItems := TList.Create;
end;

destructor TParams.Destroy;
begin
  Clear;
  FItems.Free;
  inherited Destroy;
end;

procedure TParams.AssignValues(Value: TParams);
begin
end;

procedure TParams.AddParam(Value: TParam);
begin
end;

procedure TParams.RemoveParam(Value: TParam);
begin
end;

function TParams.CreateParam(FldType: TFieldType; const ParamName: string;
      ParamType: TParamType): TParam;
begin
  Result := nil;
end;

function TParams.Count: Integer;
begin
  Result := FItems.Count;
end;

procedure TParams.Clear;
begin
  FItems.Clear;
end;

procedure TParams.GetParamList(List: TList; const ParamNames: string);
begin
end;

function TParams.IsEqual(Value: TParams): Boolean;
begin
  Result := False;
end;

function TParams.ParamByName(const Value: string): TParam;
var
  I: Integer;
begin
  for I := 0 to FItems.Count - 1 do
  begin
    Result := FItems[I];
    if AnsiCompareText(Result.Name, Value) = 0 then Exit;
  end;
  DatabaseErrorFmt('Parameter ''%s'' not found', [Value]);
  Result := nil;
end;

{ TStoredProc }

procedure TStoredProc.BindParams;
begin
end;

function TStoredProc.CheckServerParams: Boolean;
begin
  Result := False;
end;

function TStoredProc.CreateCursor(GenHandle: Boolean): HDBICur;
begin
  Result := 0;
end;

procedure TStoredProc.CreateParamDesc;
begin
end;

procedure TStoredProc.FreeStatement;
begin
end;

function TStoredProc.GetCursor(GenHandle: Boolean): HDBICur;
begin
  Result := 0;
end;

procedure TStoredProc.PrepareProc;
begin
end;

procedure TStoredProc.SetParamsList(Value: TParams);
begin
  FParams.Assign(Value);
end;

procedure TStoredProc.SetServerParams;
begin
end;

procedure TStoredProc.SetPrepared(Value: Boolean);
begin
  FPrepared := Value;
end;

procedure TStoredProc.SetPrepare(Value: Boolean);
begin
  FPrepared := Value;
end;

procedure TStoredProc.SetProcName(const Value: string);
begin
  FProcName := Value;
end;

procedure TStoredProc.SetOverload(Value: Word);
begin
  FOverload := Value;
end;

function TStoredProc.CreateHandle: HDBICur;
begin
  Result := inherited CreateHandle;
end;

procedure TStoredProc.Disconnect;
begin
end;

constructor TStoredProc.Create(AOwner: TComponent);
begin
  inherited Create(AOwner);
  FParams := TParams.Create;
  FOverload := 0;
  FBindMode := pbByName;
end;

destructor TStoredProc.Destroy;
begin
  FParams.Free;
  inherited Destroy;
end;

procedure TStoredProc.CopyParams(Value: TParams);
begin
end;

function TStoredProc.DescriptionsAvailable: Boolean;
begin
  Result := False;
end;

procedure TStoredProc.ExecProc;
begin
end;

function TStoredProc.ParamByName(const Value: string): TParam;
begin
  Result := nil;
end;

procedure TStoredProc.Prepare;
begin
end;

procedure TStoredProc.GetResults;
begin
end;

procedure TStoredProc.UnPrepare;
begin
end;

{ TQuery }

function TQuery.CreateCursor(GenHandle: Boolean): HDBICur;
begin
  Result := 0;
end;

function TQuery.GetQueryCursor(GenHandle: Boolean): HDBICur;
begin
  Result := 0;
end;

function TQuery.GetRowsAffected: Integer;
begin
  Result := FRowsAffected;
end;

procedure TQuery.PrepareSQL(Value: PChar);
begin
end;

procedure TQuery.QueryChanged(Sender: TObject);
begin
end;

procedure TQuery.ReadBinaryData(Stream: TStream);
begin
end;

procedure TQuery.RefreshParams;
begin
end;

procedure TQuery.SetDataSource(Value: TDataSource);
begin
end;

procedure TQuery.SetQuery(Value: TStrings);
begin
  FSQL.Assign(Value);
end;

procedure TQuery.SetParamsList(Value: TParams);
begin
  FParams.Assign(Value);
end;

procedure TQuery.SetParams;
begin
end;

procedure TQuery.SetParamsFromCursor;
begin
end;

procedure TQuery.SetPrepared(Value: Boolean);
begin
  FPrepared := Value;
end;

procedure TQuery.SetPrepare(Value: Boolean);
begin
  FPrepared := Value;
end;

procedure TQuery.WriteBinaryData(Stream: TStream);
begin
end;

function TQuery.CreateHandle: HDBICur;
begin
  Result := inherited CreateHandle;
end;

procedure TQuery.DefineProperties(Filer: TFiler);
begin
  inherited DefineProperties(Filer);
end;

procedure TQuery.Disconnect;
begin
end;

procedure TQuery.FreeStatement;
begin
end;

function TQuery.GetDataSource: TDataSource;
begin
  Result := inherited GetDataSource;
end;

constructor TQuery.Create(AOwner: TComponent);
begin
  inherited Create(AOwner);
  FSQL := TStringList.Create;
  TStringList(SQL).OnChange := QueryChanged;
  FParams := TParams.Create;
  FDataLink := TDataLink.Create;
  FParamCheck := True;
  FRowsAffected := -1;
end;

destructor TQuery.Destroy;
begin
  Destroying;
  Disconnect;
  SQL.Free;
  FParams.Free;
  FDataLink.Free;
  StrDispose(SQLBinary);
  inherited Destroy;
end;

procedure TQuery.ExecSQL;
begin
  CheckInActive;
  SetDBFlag(dbfExecSQL, True);
  try
    Prepare;
    SetParams;
  finally
    SetDBFlag(dbfExecSQL, False);
  end;
end;

function TQuery.ParamByName(const Value: string): TParam;
begin
  Result := nil;
end;

procedure TQuery.Prepare;
begin
end;

procedure TQuery.UnPrepare;
begin
end;

{ TUpdateSQL }

function TUpdateSQL.GetQuery(UpdateKind: TUpdateKind): TQuery;
begin
  Result := nil;
end;

function TUpdateSQL.GetSQL(UpdateKind: TUpdateKind): TStrings;
begin
  Result := nil;
end;

function TUpdateSQL.GetSQLIndex(Index: Integer): TStrings;
begin
  Result := nil;
end;

procedure TUpdateSQL.SetSQL(UpdateKind: TUpdateKind; Value: TStrings);
begin
end;

procedure TUpdateSQL.SetSQLIndex(Index: Integer; Value: TStrings);
begin
end;

function TUpdateSQL.GetDataSet: TDataSet;
begin
  Result := FDataSet;
end;

procedure TUpdateSQL.SetDataSet(ADataSet: TDataSet);
begin
  FDataSet := ADataSet;
  if ADataSet <> nil then ADataSet.FreeNotification(Self);
end;

procedure TUpdateSQL.SQLChanged(Sender: TObject);
begin
end;

constructor TUpdateSQL.Create(AOwner: TComponent);
begin
  inherited Create(AOwner);
end;

destructor TUpdateSQL.Destroy;
begin
  inherited Destroy;
end;

procedure TUpdateSQL.Apply(UpdateKind: TUpdateKind);
begin
end;

procedure TUpdateSQL.ExecSQL(UpdateKind: TUpdateKind);
begin
end;

procedure TUpdateSQL.SetParams(UpdateKind: TUpdateKind);
begin
end;

{ TBlobStream }

function TBlobStream.GetBlobSize: Longint;
begin
  Result := 0;
end;

constructor TBlobStream.Create(Field: TBlobField; Mode: TBlobStreamMode);
begin
  inherited Create;
end;

destructor TBlobStream.Destroy;
begin
  inherited Destroy;
end;

function TBlobStream.Read(var Buffer; Count: Longint): Longint;
begin
  Result := 0;
end;

function TBlobStream.Write(const Buffer; Count: Longint): Longint;
begin
  Result := 0;
end;

function TBlobStream.Seek(Offset: Longint; Origin: Word): Longint;
begin
  Result := 0;
end;

procedure TBlobStream.Truncate;
begin
end;

initialization
  Sessions := TSessionList.Create;
  Session := TSession.Create(nil);
  Session.SessionName := 'Default';
finalization
  Sessions.Free;
  Sessions := nil;
end.
