{*******************************************************}
{                                                       }
{       Quillmap 2 sample class library                 }
{       DB unit: datasets, fields and data links        }
{                                                       }
{*******************************************************}

unit DB;

interface

uses SysUtils, Classes, Graphics, Controls, Forms;

const
  dsMaxBufferCount = MAXINT div 8;
  dsMaxStringSize = 8192;

type
  EDatabaseError = class(Exception);

  TFieldType = (ftUnknown, ftString, ftSmallint, ftInteger, ftWord,
    ftBoolean, ftFloat, ftCurrency, ftBCD, ftDate, ftTime, ftDateTime,
    ftBytes, ftVarBytes, ftAutoInc, ftBlob, ftMemo, ftGraphic,
    ftFmtMemo, ftParadoxOle, ftDBaseOle, ftTypedBinary);
  TDataSetState = (dsInactive, dsBrowse, dsEdit, dsInsert, dsSetKey,
    dsCalcFields, dsUpdateNew, dsUpdateOld, dsFilter);
  TDataEvent = (deFieldChange, deRecordChange, deDataSetChange,
    deDataSetScroll, deLayoutChange, deUpdateRecord, deUpdateState,
    deCheckBrowseMode, dePropertyChange, deFieldListChange, deFocusControl);
  TFieldKind = (fkData, fkCalculated, fkLookup);
  TBookmark = Pointer;
  TBookmarkStr = string;
  PBookmarkFlag = ^TBookmarkFlag;
  TBookmarkFlag = (bfCurrent, bfBOF, bfEOF, bfInserted);
  TGetResult = (grOK, grBOF, grEOF, grError);
  TGetMode = (gmCurrent, gmNext, gmPrior);
  TDataAction = (daFail, daAbort, daRetry);
  TUpdateKind = (ukModify, ukInsert, ukDelete);
  TLocateOption = (loCaseInsensitive, loPartialKey);
  TLocateOptions = set of TLocateOption;
  TFilterOption = (foCaseInsensitive, foNoPartialCompare);
  TFilterOptions = set of TFilterOption;
  TIndexOptions = set of (ixPrimary, ixUnique, ixDescending,
    ixCaseInsensitive, ixExpression);
  PRecordBuffer = PChar;

  TDataSet = class;
  TDataSource = class;
  TField = class;
  TFieldDefs = class;
  TIndexDefs = class;

  TDataSetClass = class of TDataSet;
  TFieldRef = ^TField;
  TDataOperation = procedure of object;
  TResyncMode = set of (rmExact, rmCenter);
  TFieldClass = class of TField;

  TDataSetNotifyEvent = procedure(DataSet: TDataSet) of object;
  TDataSetErrorEvent = procedure(DataSet: TDataSet; E: EDatabaseError;
    var Action: TDataAction) of object;
  TFilterRecordEvent = procedure(DataSet: TDataSet;
    var Accept: Boolean) of object;
  TFieldNotifyEvent = procedure(Sender: TField) of object;
  TFieldGetTextEvent = procedure(Sender: TField; var Text: string;
    DisplayText: Boolean) of object;
  TFieldSetTextEvent = procedure(Sender: TField; const Text: string) of object;

  { TFieldDef }
  TFieldDef = class(TObject)
  private
    FOwner: TFieldDefs;
    FName: string;
    FDataType: TFieldType;
    FRequired: Boolean;
    FBDECalcField: Boolean;
    FSize: Word;
    FFieldNo: Integer;
    function GetFieldClass: TFieldClass;
  public
    constructor Create(Owner: TFieldDefs; const Name: string;
      DataType: TFieldType; Size: Word; Required: Boolean; FieldNo: Integer);
    destructor Destroy; override;
    function CreateField(Owner: TComponent): TField;
    property BDECalcField: Boolean read FBDECalcField;
    property DataType: TFieldType read FDataType;
    property FieldClass: TFieldClass read GetFieldClass;
    property FieldNo: Integer read FFieldNo;
    property Name: string read FName;
    property Required: Boolean read FRequired;
    property Size: Word read FSize;
  end;

  TFieldDefs = class(TObject)
  private
    FDataSet: TDataSet;
    FItems: TList;
    FUpdated: Boolean;
    function GetCount: Integer;
    function GetItem(Index: Integer): TFieldDef;
  public
    constructor Create(DataSet: TDataSet);
    destructor Destroy; override;
    procedure Add(const Name: string; DataType: TFieldType; Size: Word;
      Required: Boolean);
    procedure Assign(FieldDefs: TFieldDefs);
    procedure Clear;
    function Find(const Name: string): TFieldDef;
    function IndexOf(const Name: string): Integer;
    procedure Update;
    property Count: Integer read GetCount;
    property Items[Index: Integer]: TFieldDef read GetItem; default;
  end;

  { TIndexDef }
  TIndexDef = class(TObject)
  private
    FOwner: TIndexDefs;
    FSource: string;
    FName: string;
    FFields: string;
    FOptions: TIndexOptions;
    function GetExpression: string;
    function GetFields: string;
  public
    constructor Create(Owner: TIndexDefs; const Name, Fields: string;
      Options: TIndexOptions);
    destructor Destroy; override;
    property Expression: string read GetExpression;
    property Fields: string read GetFields;
    property Name: string read FName;
    property Options: TIndexOptions read FOptions;
    property Source: string read FSource write FSource;
  end;

  TIndexDefs = class(TObject)
  private
    FDataSet: TDataSet;
    FItems: TList;
    FUpdated: Boolean;
    function GetCount: Integer;
    function GetItem(Index: Integer): TIndexDef;
  public
    constructor Create(DataSet: TDataSet);
    destructor Destroy; override;
    procedure Add(const Name, Fields: string; Options: TIndexOptions);
    procedure Assign(IndexDefs: TIndexDefs);
    procedure Clear;
    function FindIndexForFields(const Fields: string): TIndexDef;
    function GetIndexForFields(const Fields: string;
      CaseInsensitive: Boolean): TIndexDef;
    function IndexOf(const Name: string): Integer;
    procedure Update;
    property Count: Integer read GetCount;
    property Items[Index: Integer]: TIndexDef read GetItem; default;
    property Updated: Boolean read FUpdated write FUpdated;
  end;

  { TField }
  TField = class(TComponent)
  private
    FDataSet: TDataSet;
    FFieldName: string;
    FDataType: TFieldType;
    FReadOnly: Boolean;
    FFieldKind: TFieldKind;
    FAlignment: TAlignment;
    FVisible: Boolean;
    FRequired: Boolean;
    FValidating: Boolean;
    FSize: Word;
    FDataSize: Word;
    FFieldNo: Integer;
    FOffset: Word;
    FDisplayWidth: Integer;
    FDisplayLabel: string;
    FEditMask: string;
    FValueBuffer: Pointer;
    FLookupDataSet: TDataSet;
    FKeyFields: string;
    FLookupKeyFields: string;
    FLookupResultField: string;
    FAttributeSet: string;
    FOnChange: TFieldNotifyEvent;
    FOnValidate: TFieldNotifyEvent;
    FOnGetText: TFieldGetTextEvent;
    FOnSetText: TFieldSetTextEvent;
    procedure Bind(Binding: Boolean);
    procedure CalcLookupValue;
    function GetBDECalcField: Boolean;
    function GetCalculated: Boolean;
    function GetDisplayLabel: string;
    function GetDisplayName: string;
    function GetDisplayText: string;
    function GetDisplayWidth: Integer;
    function GetEditText: string;
    function GetIndex: Integer;
    function GetIsIndexField: Boolean;
    function GetIsNull: Boolean;
    function GetLookup: Boolean;
    function GetNewValue: Variant;
    function GetOldValue: Variant;
    function IsDisplayLabelStored: Boolean;
    function IsDisplayWidthStored: Boolean;
    procedure ReadAttributeSet(Reader: TReader);
    procedure SetAlignment(Value: TAlignment);
    procedure SetCalculated(Value: Boolean);
    procedure SetDataSet(ADataSet: TDataSet);
    procedure SetDisplayLabel(Value: string);
    procedure SetDisplayWidth(Value: Integer);
    procedure SetEditMask(const Value: string);
    procedure SetEditText(const Value: string);
    procedure SetFieldName(const Value: string);
    procedure SetIndex(Value: Integer);
    procedure SetLookup(Value: Boolean);
    procedure SetLookupDataSet(Value: TDataSet);
    procedure SetLookupKeyFields(const Value: string);
    procedure SetLookupResultField(const Value: string);
    procedure SetKeyFields(const Value: string);
    procedure SetNewValue(const Value: Variant);
    procedure SetReadOnly(Value: Boolean);
    procedure SetVisible(Value: Boolean);
    procedure ValidateLookupInfo(All: Boolean);
    procedure WriteAttributeSet(Writer: TWriter);
  protected
    procedure AccessError(const TypeName: string);
    procedure CheckInactive;
    class procedure CheckTypeSize(Value: Integer); virtual;
    procedure Change; virtual;
    procedure DataChanged;
    procedure DefineProperties(Filer: TFiler); override;
    procedure FreeBuffers; virtual;
    function GetAsBoolean: Boolean; virtual;
    function GetAsCurrency: Currency; virtual;
    function GetAsDateTime: TDateTime; virtual;
    function GetAsFloat: Double; virtual;
    function GetAsInteger: Longint; virtual;
    function GetAsString: string; virtual;
    function GetAsVariant: Variant; virtual;
    function GetCanModify: Boolean; virtual;
    function GetDataSize: Word; virtual;
    function GetDefaultWidth: Integer; virtual;
    function GetHasConstraints: Boolean; virtual;
    function GetParentComponent: TComponent; override;
    procedure GetText(var Text: string; DisplayText: Boolean); virtual;
    function HasParent: Boolean; override;
    procedure Notification(AComponent: TComponent;
      Operation: TOperation); override;
    procedure PropertyChanged(LayoutAffected: Boolean);
    procedure ReadState(Reader: TReader); override;
    procedure SetAsBoolean(Value: Boolean); virtual;
    procedure SetAsCurrency(Value: Currency); virtual;
    procedure SetAsDateTime(Value: TDateTime); virtual;
    procedure SetAsFloat(Value: Double); virtual;
    procedure SetAsInteger(Value: Longint); virtual;
    procedure SetAsString(const Value: string); virtual;
    procedure SetAsVariant(const Value: Variant); virtual;
    procedure SetDataType(Value: TFieldType);
    procedure SetSize(Value: Word); virtual;
    procedure SetParentComponent(AParent: TComponent); override;
    procedure SetText(const Value: string); virtual;
    procedure SetVarValue(const Value: Variant); virtual;
  public
    constructor Create(AOwner: TComponent); override;
    destructor Destroy; override;
    procedure Assign(Source: TPersistent); override;
    procedure AssignValue(const Value: TVarRec);
    procedure Clear; virtual;
    procedure FocusControl;
    function GetData(Buffer: Pointer): Boolean;
    class function IsBlob: Boolean; virtual;
    function IsValidChar(InputChar: Char): Boolean; virtual;
    procedure SetData(Buffer: Pointer);
    procedure SetFieldType(Value: TFieldType); virtual;
    property AsBoolean: Boolean read GetAsBoolean write SetAsBoolean;
    property AsCurrency: Currency read GetAsCurrency write SetAsCurrency;
    property AsDateTime: TDateTime read GetAsDateTime write SetAsDateTime;
    property AsFloat: Double read GetAsFloat write SetAsFloat;
    property AsInteger: Longint read GetAsInteger write SetAsInteger;
    property AsString: string read GetAsString write SetAsString;
    property AsVariant: Variant read GetAsVariant write SetAsVariant;
    property AttributeSet: string read FAttributeSet write FAttributeSet;
    property BDECalcField: Boolean read GetBDECalcField;
    property CanModify: Boolean read GetCanModify;
    property DataSet: TDataSet read FDataSet write SetDataSet stored False;
    property DataSize: Word read GetDataSize;
    property DataType: TFieldType read FDataType;
    property DisplayName: string read GetDisplayName;
    property DisplayText: string read GetDisplayText;
    property EditMask: string read FEditMask write SetEditMask;
    property EditMaskPtr: string read FEditMask;
    property FieldNo: Integer read FFieldNo;
    property IsIndexField: Boolean read GetIsIndexField;
    property IsNull: Boolean read GetIsNull;
    property NewValue: Variant read GetNewValue write SetNewValue;
    property Offset: Word read FOffset;
    property OldValue: Variant read GetOldValue;
    property Size: Word read FSize write SetSize;
    property Text: string read GetEditText write SetEditText;
    property Value: Variant read GetAsVariant write SetAsVariant;
  published
    property Alignment: TAlignment read FAlignment write SetAlignment default taLeftJustify;
    property Calculated: Boolean read GetCalculated write SetCalculated default False;
    property DisplayLabel: string read GetDisplayLabel write SetDisplayLabel
      stored IsDisplayLabelStored;
    property DisplayWidth: Integer read GetDisplayWidth write SetDisplayWidth
      stored IsDisplayWidthStored;
    property FieldName: string read FFieldName write SetFieldName;
    property Index: Integer read GetIndex write SetIndex stored False;
    property Lookup: Boolean read GetLookup write SetLookup default False;
    property LookupDataSet: TDataSet read FLookupDataSet write SetLookupDataSet;
    property LookupKeyFields: string read FLookupKeyFields write SetLookupKeyFields;
    property LookupResultField: string read FLookupResultField write SetLookupResultField;
    property KeyFields: string read FKeyFields write SetKeyFields;
    property ReadOnly: Boolean read FReadOnly write SetReadOnly default False;
    property Required: Boolean read FRequired write FRequired default False;
    property Visible: Boolean read FVisible write SetVisible default True;
    property OnChange: TFieldNotifyEvent read FOnChange write FOnChange;
    property OnGetText: TFieldGetTextEvent read FOnGetText write FOnGetText;
    property OnSetText: TFieldSetTextEvent read FOnSetText write FOnSetText;
    property OnValidate: TFieldNotifyEvent read FOnValidate write FOnValidate;
  end;

  TStringField = class(TField)
  private
    FTransliterate: Boolean;
  protected
    class procedure CheckTypeSize(Value: Integer); override;
    function GetAsBoolean: Boolean; override;
    function GetAsDateTime: TDateTime; override;
    function GetAsFloat: Double; override;
    function GetAsInteger: Longint; override;
    function GetAsString: string; override;
    function GetAsVariant: Variant; override;
    function GetDefaultWidth: Integer; override;
    procedure GetText(var Text: string; DisplayText: Boolean); override;
    function GetValue(var Value: string): Boolean;
    procedure SetAsBoolean(Value: Boolean); override;
    procedure SetAsDateTime(Value: TDateTime); override;
    procedure SetAsFloat(Value: Double); override;
    procedure SetAsInteger(Value: Longint); override;
    procedure SetAsString(const Value: string); override;
    procedure SetVarValue(const Value: Variant); override;
  public
    constructor Create(AOwner: TComponent); override;
    property Value: string read GetAsString write SetAsString;
  published
    property EditMask;
    property Size default 20;
    property Transliterate: Boolean read FTransliterate write FTransliterate default True;
  end;

  TNumericField = class(TField)
  private
    FDisplayFormat: string;
    FEditFormat: string;
    procedure SetDisplayFormat(const Value: string);
    procedure SetEditFormat(const Value: string);
  public
    constructor Create(AOwner: TComponent); override;
  published
    property Alignment default taRightJustify;
    property DisplayFormat: string read FDisplayFormat write SetDisplayFormat;
    property EditFormat: string read FEditFormat write SetEditFormat;
  end;

  TIntegerField = class(TNumericField)
  private
    FMinRange, FMaxRange: Longint;
    FMinValue, FMaxValue: Longint;
    procedure CheckRange(Value, Min, Max: Longint);
    procedure SetMaxValue(Value: Longint);
    procedure SetMinValue(Value: Longint);
  protected
    function GetAsFloat: Double; override;
    function GetAsInteger: Longint; override;
    function GetAsString: string; override;
    function GetAsVariant: Variant; override;
    procedure GetText(var Text: string; DisplayText: Boolean); override;
    function GetValue(var Value: Longint): Boolean;
    procedure SetAsFloat(Value: Double); override;
    procedure SetAsInteger(Value: Longint); override;
    procedure SetAsString(const Value: string); override;
    procedure SetVarValue(const Value: Variant); override;
  public
    constructor Create(AOwner: TComponent); override;
    function IsValidChar(Ch: Char): Boolean; override;
    property Value: Longint read GetAsInteger write SetAsInteger;
  published
    property MaxValue: Longint read FMaxValue write SetMaxValue default 0;
    property MinValue: Longint read FMinValue write SetMinValue default 0;
  end;

  TSmallintField = class(TIntegerField)
  public
    constructor Create(AOwner: TComponent); override;
  end;

  TWordField = class(TIntegerField)
  public
    constructor Create(AOwner: TComponent); override;
  end;

  TAutoIncField = class(TIntegerField)
  public
    constructor Create(AOwner: TComponent); override;
  end;

  TFloatField = class(TNumericField)
  private
    FCurrency: Boolean;
    FCheckRange: Boolean;
    FPrecision: Integer;
    FMinValue: Double;
    FMaxValue: Double;
    procedure SetCurrency(Value: Boolean);
    procedure SetMaxValue(Value: Double);
    procedure SetMinValue(Value: Double);
    procedure SetPrecision(Value: Integer);
    procedure UpdateCheckRange;
  protected
    function GetAsFloat: Double; override;
    function GetAsInteger: Longint; override;
    function GetAsString: string; override;
    function GetAsVariant: Variant; override;
    procedure GetText(var Text: string; DisplayText: Boolean); override;
    procedure SetAsFloat(Value: Double); override;
    procedure SetAsInteger(Value: Longint); override;
    procedure SetAsString(const Value: string); override;
    procedure SetVarValue(const Value: Variant); override;
  public
    constructor Create(AOwner: TComponent); override;
    function IsValidChar(Ch: Char): Boolean; override;
    property Value: Double read GetAsFloat write SetAsFloat;
  published
    property Currency: Boolean read FCurrency write SetCurrency default False;
    property MaxValue: Double read FMaxValue write SetMaxValue;
    property MinValue: Double read FMinValue write SetMinValue;
    property Precision: Integer read FPrecision write SetPrecision default 15;
  end;

  TCurrencyField = class(TFloatField)
  public
    constructor Create(AOwner: TComponent); override;
  published
    property Currency default True;
  end;

  TBCDField = class(TNumericField)
  private
    FCurrency: Boolean;
    FCheckRange: Boolean;
    FMinValue: Currency;
    FMaxValue: Currency;
    procedure SetCurrency(Value: Boolean);
    procedure SetMaxValue(Value: Currency);
    procedure SetMinValue(Value: Currency);
    procedure UpdateCheckRange;
  protected
    class procedure CheckTypeSize(Value: Integer); override;
    function GetAsCurrency: Currency; override;
    function GetAsFloat: Double; override;
    function GetAsInteger: Longint; override;
    function GetAsString: string; override;
    function GetAsVariant: Variant; override;
    function GetDataSize: Word; override;
    function GetDefaultWidth: Integer; override;
    procedure GetText(var Text: string; DisplayText: Boolean); override;
    procedure SetAsCurrency(Value: Currency); override;
    procedure SetAsFloat(Value: Double); override;
    procedure SetAsInteger(Value: Longint); override;
    procedure SetAsString(const Value: string); override;
    procedure SetVarValue(const Value: Variant); override;
  public
    constructor Create(AOwner: TComponent); override;
    property Value: Currency read GetAsCurrency write SetAsCurrency;
  published
    property Currency: Boolean read FCurrency write SetCurrency default False;
    property MaxValue: Currency read FMaxValue write SetMaxValue;
    property MinValue: Currency read FMinValue write SetMinValue;
    property Size default 4;
  end;

  TBooleanField = class(TField)
  private
    FDisplayValues: string;
    FTextValues: array[Boolean] of string;
    procedure LoadTextValues;
    procedure SetDisplayValues(const Value: string);
  protected
    function GetAsBoolean: Boolean; override;
    function GetAsString: string; override;
    function GetAsVariant: Variant; override;
    function GetDefaultWidth: Integer; override;
    procedure SetAsBoolean(Value: Boolean); override;
    procedure SetAsString(const Value: string); override;
    procedure SetVarValue(const Value: Variant); override;
  public
    constructor Create(AOwner: TComponent); override;
    property Value: Boolean read GetAsBoolean write SetAsBoolean;
  published
    property DisplayValues: string read FDisplayValues write SetDisplayValues;
  end;

  TDateTimeField = class(TField)
  private
    FDisplayFormat: string;
    function GetValue(var Value: TDateTime): Boolean;
    procedure SetDisplayFormat(const Value: string);
  protected
    function GetAsDateTime: TDateTime; override;
    function GetAsFloat: Double; override;
    function GetAsString: string; override;
    function GetAsVariant: Variant; override;
    function GetDefaultWidth: Integer; override;
    procedure GetText(var Text: string; DisplayText: Boolean); override;
    procedure SetAsDateTime(Value: TDateTime); override;
    procedure SetAsFloat(Value: Double); override;
    procedure SetAsString(const Value: string); override;
    procedure SetVarValue(const Value: Variant); override;
  public
    constructor Create(AOwner: TComponent); override;
    property Value: TDateTime read GetAsDateTime write SetAsDateTime;
  published
    property DisplayFormat: string read FDisplayFormat write SetDisplayFormat;
    property EditMask;
  end;

  TDateField = class(TDateTimeField)
  public
    constructor Create(AOwner: TComponent); override;
  end;

  TTimeField = class(TDateTimeField)
  public
    constructor Create(AOwner: TComponent); override;
  end;

  TBinaryField = class(TField)
  protected
    class procedure CheckTypeSize(Value: Integer); override;
    function GetAsString: string; override;
    procedure GetText(var Text: string; DisplayText: Boolean); override;
    function GetAsVariant: Variant; override;
    procedure SetAsString(const Value: string); override;
    procedure SetText(const Value: string); override;
    procedure SetVarValue(const Value: Variant); override;
  public
    constructor Create(AOwner: TComponent); override;
  published
    property Size default 16;
  end;

  TBytesField = class(TBinaryField)
  public
    constructor Create(AOwner: TComponent); override;
  end;

  TVarBytesField = class(TBinaryField)
  protected
    function GetDataSize: Word; override;
  public
    constructor Create(AOwner: TComponent); override;
  end;

  TBlobType = ftBlob..ftTypedBinary;

  TBlobField = class(TField)
  private
    FModified: Boolean;
    FTransliterate: Boolean;
    function GetBlobType: TBlobType;
    procedure LoadFromBlob(Blob: TBlobField);
    procedure LoadFromBitmap(Bitmap: TBitmap);
    procedure LoadFromStrings(Strings: TStrings);
    procedure SaveToBitmap(Bitmap: TBitmap);
    procedure SaveToStrings(Strings: TStrings);
    procedure SetBlobType(Value: TBlobType);
  protected
    procedure AssignTo(Dest: TPersistent); override;
    procedure FreeBuffers; override;
    function GetAsString: string; override;
    function GetAsVariant: Variant; override;
    function GetBlobSize: Integer; virtual;
    function GetIsNull: Boolean;
    procedure GetText(var Text: string; DisplayText: Boolean); override;
    procedure SetAsString(const Value: string); override;
    procedure SetText(const Value: string); override;
    procedure SetVarValue(const Value: Variant); override;
  public
    constructor Create(AOwner: TComponent); override;
    procedure Assign(Source: TPersistent); override;
    procedure Clear; override;
    class function IsBlob: Boolean; override;
    procedure LoadFromFile(const FileName: string);
    procedure LoadFromStream(Stream: TStream);
    procedure SaveToFile(const FileName: string);
    procedure SaveToStream(Stream: TStream);
    procedure SetFieldType(Value: TFieldType); override;
    property BlobSize: Integer read GetBlobSize;
    property Modified: Boolean read FModified write FModified;
    property Value: string read GetAsString write SetAsString;
    property Transliterate: Boolean read FTransliterate write FTransliterate;
  published
    property BlobType: TBlobType read GetBlobType write SetBlobType;
    property Size default 0;
  end;

  TMemoField = class(TBlobField)
  public
    constructor Create(AOwner: TComponent); override;
  published
    property Transliterate default True;
  end;

  TGraphicField = class(TBlobField)
  public
    constructor Create(AOwner: TComponent); override;
  end;

  { TDataLink }
  TDataLink = class(TPersistent)
  private
    FDataSource: TDataSource;
    FNext: TDataLink;
    FBufferCount: Integer;
    FFirstRecord: Integer;
    FReadOnly: Boolean;
    FActive: Boolean;
    FEditing: Boolean;
    FUpdating: Boolean;
    FDataSourceFixed: Boolean;
    procedure DataEvent(Event: TDataEvent; Info: Longint);
    function GetActiveRecord: Integer;
    function GetDataSet: TDataSet;
    function GetRecordCount: Integer;
    procedure SetActive(Value: Boolean);
    procedure SetActiveRecord(Value: Integer);
    procedure SetBufferCount(Value: Integer);
    procedure SetDataSource(ADataSource: TDataSource);
    procedure SetEditing(Value: Boolean);
    procedure SetReadOnly(Value: Boolean);
    procedure UpdateRange;
    procedure UpdateState;
  protected
    procedure ActiveChanged; virtual;
    procedure CheckBrowseMode; virtual;
    procedure DataSetChanged; virtual;
    procedure DataSetScrolled(Distance: Integer); virtual;
    procedure FocusControl(Field: TFieldRef); virtual;
    procedure EditingChanged; virtual;
    procedure LayoutChanged; virtual;
    procedure RecordChanged(Field: TField); virtual;
    procedure UpdateData; virtual;
  public
    constructor Create;
    destructor Destroy; override;
    function Edit: Boolean;
    procedure UpdateRecord;
    property Active: Boolean read FActive;
    property ActiveRecord: Integer read GetActiveRecord write SetActiveRecord;
    property BufferCount: Integer read FBufferCount write SetBufferCount;
    property DataSet: TDataSet read GetDataSet;
    property DataSource: TDataSource read FDataSource write SetDataSource;
    property DataSourceFixed: Boolean read FDataSourceFixed write FDataSourceFixed;
    property Editing: Boolean read FEditing;
    property ReadOnly: Boolean read FReadOnly write SetReadOnly;
    property RecordCount: Integer read GetRecordCount;
  end;

  { TDataSource }
  TDataChangeEvent = procedure(Sender: TObject; Field: TField) of object;

  TDataSource = class(TComponent)
  private
    FDataSet: TDataSet;
    FDataLinks: TList;
    FEnabled: Boolean;
    FAutoEdit: Boolean;
    FState: TDataSetState;
    FOnStateChange: TNotifyEvent;
    FOnDataChange: TDataChangeEvent;
    FOnUpdateData: TNotifyEvent;
    procedure AddDataLink(DataLink: TDataLink);
    procedure DataEvent(Event: TDataEvent; Info: Longint);
    procedure NotifyDataLinks(Event: TDataEvent; Info: Longint);
    procedure RemoveDataLink(DataLink: TDataLink);
    procedure SetDataSet(ADataSet: TDataSet);
    procedure SetEnabled(Value: Boolean);
    procedure SetState(Value: TDataSetState);
    procedure UpdateState;
  public
    constructor Create(AOwner: TComponent); override;
    destructor Destroy; override;
    procedure Edit;
    function IsLinkedTo(DataSet: TDataSet): Boolean;
    property State: TDataSetState read FState;
  published
    property AutoEdit: Boolean read FAutoEdit write FAutoEdit default True;
    property DataSet: TDataSet read FDataSet write SetDataSet;
    property Enabled: Boolean read FEnabled write SetEnabled default True;
    property OnStateChange: TNotifyEvent read FOnStateChange write FOnStateChange;
    property OnDataChange: TDataChangeEvent read FOnDataChange write FOnDataChange;
    property OnUpdateData: TNotifyEvent read FOnUpdateData write FOnUpdateData;
  end;

  { TDataSetDesigner }
  TDataSetDesigner = class(TObject)
  private
    FDataSet: TDataSet;
    FSaveActive: Boolean;
    FReserved: Byte;
  public
    constructor Create(DataSet: TDataSet);
    destructor Destroy; override;
    procedure BeginDesign;
    procedure DataEvent(Event: TDataEvent; Info: Longint); virtual;
    procedure EndDesign;
    property DataSet: TDataSet read FDataSet;
  end;

  { TDataSet }
  TDataSet = class(TComponent)
  private
    (* the active record buffers; see ActiveBuffer *)
    FFields: TList;
    FDataSources: TList;
    FFieldDefs: TFieldDefs;
    FBuffers: Pointer;
    FBufferCount: Integer;
    FRecordCount: Integer;
    FActiveRecord: Integer;
    FCurrentRecord: Integer;
    FBOF: Boolean;
    FEOF: Boolean;
    FModified: Boolean;
    FStreamedActive: Boolean;
    FInternalCalcFields: Boolean;
    FState: TDataSetState;
    FDesigner: TDataSetDesigner;
    FDisableCount: Integer;
    FFound: Boolean;
    FFiltered: Boolean;
    FFilterText: string;
    FFilterOptions: TFilterOptions;
    FAutoCalcFields: Boolean;
    FBeforeOpen: TDataSetNotifyEvent;
    FAfterOpen: TDataSetNotifyEvent;
    FBeforeClose: TDataSetNotifyEvent;
    FAfterClose: TDataSetNotifyEvent;
    FBeforeInsert: TDataSetNotifyEvent;
    FAfterInsert: TDataSetNotifyEvent;
    FBeforeEdit: TDataSetNotifyEvent;
    FAfterEdit: TDataSetNotifyEvent;
    FBeforePost: TDataSetNotifyEvent;
    FAfterPost: TDataSetNotifyEvent;
    FBeforeCancel: TDataSetNotifyEvent;
    FAfterCancel: TDataSetNotifyEvent;
    FBeforeDelete: TDataSetNotifyEvent;
    FAfterDelete: TDataSetNotifyEvent;
    FOnNewRecord: TDataSetNotifyEvent;
    FOnCalcFields: TDataSetNotifyEvent;
    FOnEditError: TDataSetErrorEvent;
    FOnPostError: TDataSetErrorEvent;
    FOnDeleteError: TDataSetErrorEvent;
    FOnFilterRecord: TFilterRecordEvent;
    procedure AddDataSource(DataSource: TDataSource);
    procedure AddField(Field: TField);
    procedure BeginInsertAppend;
    procedure EndInsertAppend;
    procedure CheckCanModify;
    procedure CheckFieldName(const FieldName: string);
    procedure CheckFieldNames(const FieldNames: string);
    procedure CheckOperation(Operation: TDataOperation;
      ErrorEvent: TDataSetErrorEvent);
    procedure CheckRequiredFields;
    procedure DoInternalClose;
    procedure DoInternalOpen;
    function GetActive: Boolean;
    function GetField(Index: Integer): TField;
    function GetFieldCount: Integer;
    function GetFieldValue(const FieldName: string): Variant;
    procedure MoveBuffer(CurIndex, NewIndex: Integer);
    procedure RemoveDataSource(DataSource: TDataSource);
    procedure RemoveField(Field: TField);
    procedure SetActive(Value: Boolean);
    procedure SetBufferCount(Value: Integer);
    procedure SetField(Index: Integer; Value: TField);
    procedure SetFieldDefs(Value: TFieldDefs);
    procedure SetFieldValue(const FieldName: string; const Value: Variant);
    procedure UpdateBufferCount;
  protected
    procedure ActivateBuffers; virtual;
    procedure BindFields(Binding: Boolean);
    function BookmarkAvailable: Boolean;
    procedure CalculateFields(Buffer: PChar); virtual;
    procedure CheckActive; virtual;
    procedure CheckInactive; virtual;
    procedure ClearBuffers; virtual;
    procedure ClearCalcFields(Buffer: PChar); virtual;
    procedure CloseBlob(Field: TField); virtual;
    procedure CloseCursor; virtual;
    procedure CreateFields;
    procedure DataEvent(Event: TDataEvent; Info: Longint); virtual;
    procedure DestroyFields; virtual;
    procedure DoAfterCancel; virtual;
    procedure DoAfterClose; virtual;
    procedure DoAfterDelete; virtual;
    procedure DoAfterEdit; virtual;
    procedure DoAfterInsert; virtual;
    procedure DoAfterOpen; virtual;
    procedure DoAfterPost; virtual;
    procedure DoBeforeCancel; virtual;
    procedure DoBeforeClose; virtual;
    procedure DoBeforeDelete; virtual;
    procedure DoBeforeEdit; virtual;
    procedure DoBeforeInsert; virtual;
    procedure DoBeforeOpen; virtual;
    procedure DoBeforePost; virtual;
    procedure DoOnCalcFields; virtual;
    procedure DoOnNewRecord; virtual;
    function FieldByNumber(FieldNo: Integer): TField;
    function FindRecord(Restart, GoForward: Boolean): Boolean; virtual;
    procedure FreeFieldBuffers; virtual;
    function GetBookmarkStr: TBookmarkStr; virtual;
    procedure GetBookmarkData(Buffer: PChar; Data: Pointer); virtual;
    function GetBookmarkFlag(Buffer: PChar): TBookmarkFlag; virtual;
    function GetCanModify: Boolean; virtual;
    function GetDataSource: TDataSource; virtual;
    function GetFieldClass(FieldType: TFieldType): TFieldClass; virtual;
    function GetIsIndexField(Field: TField): Boolean; virtual;
    function GetNextRecords: Integer; virtual;
    function GetNextRecord: Boolean; virtual;
    function GetPriorRecords: Integer; virtual;
    function GetPriorRecord: Boolean; virtual;
    function GetRecord(Buffer: PChar; GetMode: TGetMode;
      DoCheck: Boolean): TGetResult; virtual; abstract;
    function GetRecordCount: Integer; virtual;
    function GetRecNo: Integer; virtual;
    function GetRecordSize: Word; virtual; abstract;
    procedure InitFieldDefs; virtual; abstract;
    procedure InitRecord(Buffer: PChar); virtual;
    procedure InternalAddRecord(Buffer: Pointer; Append: Boolean); virtual; abstract;
    procedure InternalCancel; virtual;
    procedure InternalClose; virtual; abstract;
    procedure InternalDelete; virtual; abstract;
    procedure InternalEdit; virtual;
    procedure InternalFirst; virtual; abstract;
    procedure InternalGotoBookmark(Bookmark: Pointer); virtual; abstract;
    procedure InternalHandleException; virtual; abstract;
    procedure InternalInitFieldDefs; virtual; abstract;
    procedure InternalInitRecord(Buffer: PChar); virtual; abstract;
    procedure InternalInsert; virtual;
    procedure InternalLast; virtual; abstract;
    procedure InternalOpen; virtual; abstract;
    procedure InternalPost; virtual; abstract;
    procedure InternalRefresh; virtual;
    procedure InternalSetToRecord(Buffer: PChar); virtual; abstract;
    function IsCursorOpen: Boolean; virtual; abstract;
    procedure Loaded; override;
    procedure OpenCursor(InfoQuery: Boolean); virtual;
    procedure RefreshInternalCalcFields(Buffer: PChar); virtual;
    procedure SetBookmarkFlag(Buffer: PChar; Value: TBookmarkFlag); virtual;
    procedure SetBookmarkData(Buffer: PChar; Data: Pointer); virtual;
    procedure SetBookmarkStr(const Value: TBookmarkStr); virtual;
    procedure SetCurrentRecord(Index: Integer); virtual;
    procedure SetFiltered(Value: Boolean); virtual;
    procedure SetFilterOptions(Value: TFilterOptions); virtual;
    procedure SetFilterText(const Value: string); virtual;
    procedure SetName(const Value: TComponentName); override;
    procedure SetOnFilterRecord(const Value: TFilterRecordEvent); virtual;
    procedure SetRecNo(Value: Integer); virtual;
    procedure SetState(Value: TDataSetState);
    function SetTempState(const Value: TDataSetState): TDataSetState;
    procedure RestoreState(const Value: TDataSetState);
    procedure UpdateIndexDefs; virtual;
    property ActiveRecord: Integer read FActiveRecord;
    property CurrentRecord: Integer read FCurrentRecord;
    property BufferCount: Integer read FBufferCount;
    property Designer: TDataSetDesigner read FDesigner;
    property InternalCalcFields: Boolean read FInternalCalcFields;
  public
    constructor Create(AOwner: TComponent); override;
    destructor Destroy; override;
    function ActiveBuffer: PChar;
    procedure Append;
    procedure AppendRecord(const Values: array of const);
    procedure Cancel; virtual;
    procedure CheckBrowseMode;
    procedure ClearFields;
    procedure Close;
    function ControlsDisabled: Boolean;
    procedure CursorPosChanged;
    procedure Delete;
    procedure DisableControls;
    procedure Edit;
    procedure EnableControls;
    function FieldByName(const FieldName: string): TField;
    function FindField(const FieldName: string): TField;
    function FindFirst: Boolean;
    function FindLast: Boolean;
    function FindNext: Boolean;
    function FindPrior: Boolean;
    procedure First;
    procedure FreeBookmark(Bookmark: TBookmark); virtual;
    function GetBookmark: TBookmark; virtual;
    function GetCurrentRecord(Buffer: PChar): Boolean; virtual;
    procedure GetFieldList(List: TList; const FieldNames: string);
    procedure GetFieldNames(List: TStrings);
    procedure GotoBookmark(Bookmark: TBookmark);
    procedure Insert;
    procedure InsertRecord(const Values: array of const);
    function IsLinkedTo(DataSource: TDataSource): Boolean;
    procedure Last;
    function Locate(const KeyFields: string; const KeyValues: Variant;
      Options: TLocateOptions): Boolean; virtual;
    function Lookup(const KeyFields: string; const KeyValues: Variant;
      const ResultFields: string): Variant; virtual;
    function MoveBy(Distance: Integer): Integer;
    procedure Next;
    procedure Open;
    procedure Post; virtual;
    procedure Prior;
    procedure Refresh;
    procedure Resync(Mode: TResyncMode); virtual;
    procedure SetFields(const Values: array of const);
    procedure UpdateCursorPos;
    procedure UpdateRecord;
    property BOF: Boolean read FBOF;
    property Bookmark: TBookmarkStr read GetBookmarkStr write SetBookmarkStr;
    property CanModify: Boolean read GetCanModify;
    property DataSource: TDataSource read GetDataSource;
    property DefaultFields: Boolean read FInternalCalcFields;
    property EOF: Boolean read FEOF;
    property FieldCount: Integer read GetFieldCount;
    property FieldDefs: TFieldDefs read FFieldDefs write SetFieldDefs;
    property Fields[Index: Integer]: TField read GetField write SetField;
    property FieldValues[const FieldName: string]: Variant read GetFieldValue
      write SetFieldValue; default;
    property Found: Boolean read FFound;
    property Modified: Boolean read FModified;
    property RecordCount: Integer read GetRecordCount;
    property RecNo: Integer read GetRecNo write SetRecNo;
    property RecordSize: Word read GetRecordSize;
    property State: TDataSetState read FState;
    property Filter: string read FFilterText write SetFilterText;
    property Filtered: Boolean read FFiltered write SetFiltered default False;
    property FilterOptions: TFilterOptions read FFilterOptions write SetFilterOptions default [];
    property Active: Boolean read GetActive write SetActive default False;
    property AutoCalcFields: Boolean read FAutoCalcFields write FAutoCalcFields default True;
    property BeforeOpen: TDataSetNotifyEvent read FBeforeOpen write FBeforeOpen;
    property AfterOpen: TDataSetNotifyEvent read FAfterOpen write FAfterOpen;
    property BeforeClose: TDataSetNotifyEvent read FBeforeClose write FBeforeClose;
    property AfterClose: TDataSetNotifyEvent read FAfterClose write FAfterClose;
    property BeforeInsert: TDataSetNotifyEvent read FBeforeInsert write FBeforeInsert;
    property AfterInsert: TDataSetNotifyEvent read FAfterInsert write FAfterInsert;
    property BeforeEdit: TDataSetNotifyEvent read FBeforeEdit write FBeforeEdit;
    property AfterEdit: TDataSetNotifyEvent read FAfterEdit write FAfterEdit;
    property BeforePost: TDataSetNotifyEvent read FBeforePost write FBeforePost;
    property AfterPost: TDataSetNotifyEvent read FAfterPost write FAfterPost;
    property BeforeCancel: TDataSetNotifyEvent read FBeforeCancel write FBeforeCancel;
    property AfterCancel: TDataSetNotifyEvent read FAfterCancel write FAfterCancel;
    property BeforeDelete: TDataSetNotifyEvent read FBeforeDelete write FBeforeDelete;
    property AfterDelete: TDataSetNotifyEvent read FAfterDelete write FAfterDelete;
    property OnNewRecord: TDataSetNotifyEvent read FOnNewRecord write FOnNewRecord;
    property OnCalcFields: TDataSetNotifyEvent read FOnCalcFields write FOnCalcFields;
    property OnEditError: TDataSetErrorEvent read FOnEditError write FOnEditError;
    property OnPostError: TDataSetErrorEvent read FOnPostError write FOnPostError;
    property OnDeleteError: TDataSetErrorEvent read FOnDeleteError write FOnDeleteError;
    property OnFilterRecord: TFilterRecordEvent read FOnFilterRecord write SetOnFilterRecord;
  end;

const
  dsEditModes = [dsEdit, dsInsert, dsSetKey];
  DefaultFieldClasses: array[ftUnknown..ftTypedBinary] of TFieldClass = (
    nil, TStringField, TSmallintField, TIntegerField, TWordField,
    TBooleanField, TFloatField, TCurrencyField, TBCDField, TDateField,
    TTimeField, TDateTimeField, TBytesField, TVarBytesField, TAutoIncField,
    TBlobField, TMemoField, TGraphicField, TBlobField, TBlobField,
    TBlobField, TBlobField);

procedure DatabaseError(const Message: string);
procedure DatabaseErrorFmt(const Message: string; const Args: array of const);
procedure DBError(Ident: Word);
procedure DBErrorFmt(Ident: Word; const Args: array of const);
function ExtractFieldName(const Fields: string; var Pos: Integer): string;
procedure RegisterFields(const FieldClasses: array of TFieldClass);

implementation

procedure DatabaseError(const Message: string);
begin
  raise EDatabaseError.Create(Message);
end;

procedure DatabaseErrorFmt(const Message: string; const Args: array of const);
begin
  DatabaseError(Format(Message, Args));
end;

procedure DBError(Ident: Word);
begin
  DatabaseError(LoadStr(Ident));
end;

procedure DBErrorFmt(Ident: Word; const Args: array of const);
begin
  DatabaseError(FmtLoadStr(Ident, Args));
end;

function ExtractFieldName(const Fields: string; var Pos: Integer): string;
var
  I: Integer;
begin
  I := Pos;
  while (I <= Length(Fields)) and (Fields[I] <> ';') do Inc(I);
  Result := Trim(Copy(Fields, Pos, I - Pos));
  if (I <= Length(Fields)) and (Fields[I] = ';') then Inc(I);
  Pos := I;
end;

procedure RegisterFields(const FieldClasses: array of TFieldClass);
var
  I: Integer;
begin
  for I := Low(FieldClasses) to High(FieldClasses) do
    RegisterClass(FieldClasses[I]);
end;

{ TFieldDef }

function TFieldDef.GetFieldClass: TFieldClass;
begin
  Result := FOwner.FDataSet.GetFieldClass(FDataType);
end;

constructor TFieldDef.Create(Owner: TFieldDefs; const Name: string;
  DataType: TFieldType; Size: Word; Required: Boolean; FieldNo: Integer);
begin
  if Owner <> nil then
  begin
    Owner.FItems.Add(Self);
    Owner.FUpdated := False;
    FOwner := Owner;
  end;
  FName := Name;
  FDataType := DataType;
  FSize := Size;
  FRequired := Required;
  FFieldNo := FieldNo;
end;

destructor TFieldDef.Destroy;
begin
  if FOwner <> nil then
  begin
    FOwner.FItems.Remove(Self);
    FOwner.FUpdated := False;
  end;
end;

function TFieldDef.CreateField(Owner: TComponent): TField;
var
  FieldClass: TFieldClass;
begin
  FieldClass := GetFieldClass;
  if FieldClass = nil then DatabaseErrorFmt('Unknown field type for %s', [Name]);
  Result := FieldClass.Create(Owner);
  try
    Result.Size := FSize;
    Result.FieldName := FName;
    Result.SetFieldType(FDataType);
    Result.Required := FRequired;
    Result.FFieldNo := FFieldNo;
    if FOwner <> nil then Result.DataSet := FOwner.FDataSet;
  except
    Result.Free;
    raise;
  end;
end;

{ TFieldDefs }

function TFieldDefs.GetCount: Integer;
begin
  Result := FItems.Count;
end;

function TFieldDefs.GetItem(Index: Integer): TFieldDef;
begin
  Result := TFieldDef(FItems[Index]);
end;

constructor TFieldDefs.Create(DataSet: TDataSet);
begin
  FDataSet := DataSet;
  FItems := TList.Create;
end;

destructor TFieldDefs.Destroy;
begin
  if FItems <> nil then Clear;
  FItems.Free;
end;

procedure TFieldDefs.Add(const Name: string; DataType: TFieldType;
  Size: Word; Required: Boolean);
begin
  if Name = '' then DatabaseError('Field name missing');
  if IndexOf(Name) >= 0 then DatabaseErrorFmt('Duplicate field name ''%s''', [Name]);
  TFieldDef.Create(Self, Name, DataType, Size, Required, FItems.Count + 1);
end;

procedure TFieldDefs.Assign(FieldDefs: TFieldDefs);
begin
end;

procedure TFieldDefs.Clear;
begin
  while FItems.Count > 0 do TFieldDef(FItems.Last).Free;
end;

function TFieldDefs.Find(const Name: string): TFieldDef;
var
  I: Integer;
begin
  I := IndexOf(Name);
  if I < 0 then DatabaseErrorFmt('Field ''%s'' not found', [Name]);
  Result := FItems[I];
end;

function TFieldDefs.IndexOf(const Name: string): Integer;
begin
  for Result := 0 to FItems.Count - 1 do
    if AnsiCompareText(TFieldDef(FItems[Result]).Name, Name) = 0 then Exit;
  Result := -1;
end;

procedure TFieldDefs.Update;
begin
  FDataSet.InitFieldDefs;
end;

{ TIndexDef }

function TIndexDef.GetExpression: string;
begin
  Result := '';
end;

function TIndexDef.GetFields: string;
begin
  Result := FFields;
end;

constructor TIndexDef.Create(Owner: TIndexDefs; const Name, Fields: string;
      Options: TIndexOptions);
begin
  inherited Create;
end;

destructor TIndexDef.Destroy;
begin
  inherited Destroy;
end;

{ TIndexDefs }

function TIndexDefs.GetCount: Integer;
begin
  Result := FItems.Count;
end;

function TIndexDefs.GetItem(Index: Integer): TIndexDef;
begin
  Result := TIndexDef(FItems[Index]);
end;

constructor TIndexDefs.Create(DataSet: TDataSet);
begin
  inherited Create;
end;

destructor TIndexDefs.Destroy;
begin
  inherited Destroy;
end;

procedure TIndexDefs.Add(const Name, Fields: string; Options: TIndexOptions);
begin
end;

procedure TIndexDefs.Assign(IndexDefs: TIndexDefs);
begin
end;

procedure TIndexDefs.Clear;
begin
  FItems.Clear;
end;

function TIndexDefs.FindIndexForFields(const Fields: string): TIndexDef;
begin
  Result := nil;
end;

function TIndexDefs.GetIndexForFields(const Fields: string;
      CaseInsensitive: Boolean): TIndexDef;
begin
  Result := nil;
end;

function TIndexDefs.IndexOf(const Name: string): Integer;
begin
  Result := 0;
end;

procedure TIndexDefs.Update;
begin
end;

{ TField }

procedure TField.Bind(Binding: Boolean);
begin
end;

procedure TField.CalcLookupValue;
begin
end;

function TField.GetBDECalcField: Boolean;
begin
  Result := False;
end;

function TField.GetCalculated: Boolean;
begin
  Result := False;
end;

function TField.GetDisplayLabel: string;
begin
  Result := FDisplayLabel;
end;

function TField.GetDisplayName: string;
begin
  if FDisplayLabel <> '' then
    Result := FDisplayLabel
  else
    Result := FFieldName;
end;

function TField.GetDisplayText: string;
begin
  Result := '';
end;

function TField.GetDisplayWidth: Integer;
begin
  Result := FDisplayWidth;
end;

function TField.GetEditText: string;
begin
  Result := '';
end;

function TField.GetIndex: Integer;
begin
  Result := 0;
end;

function TField.GetIsIndexField: Boolean;
begin
  Result := False;
end;

function TField.GetIsNull: Boolean;
begin
  Result := not GetData(nil);
end;

function TField.GetLookup: Boolean;
begin
  Result := False;
end;

function TField.GetNewValue: Variant;
begin
  Result := Unassigned;
end;

function TField.GetOldValue: Variant;
begin
  Result := Unassigned;
end;

function TField.IsDisplayLabelStored: Boolean;
begin
  Result := True;
end;

function TField.IsDisplayWidthStored: Boolean;
begin
  Result := True;
end;

procedure TField.ReadAttributeSet(Reader: TReader);
begin
end;

procedure TField.SetAlignment(Value: TAlignment);
begin
  FAlignment := Value;
end;

procedure TField.SetCalculated(Value: Boolean);
begin
end;

procedure TField.SetDataSet(ADataSet: TDataSet);
begin
  FDataSet := ADataSet;
  if ADataSet <> nil then ADataSet.FreeNotification(Self);
end;

procedure TField.SetDisplayLabel(Value: string);
begin
  FDisplayLabel := Value;
end;

procedure TField.SetDisplayWidth(Value: Integer);
begin
  FDisplayWidth := Value;
end;

procedure TField.SetEditMask(const Value: string);
begin
  FEditMask := Value;
end;

procedure TField.SetEditText(const Value: string);
begin
end;

procedure TField.SetFieldName(const Value: string);
begin
  FFieldName := Value;
end;

procedure TField.SetIndex(Value: Integer);
begin
end;

procedure TField.SetLookup(Value: Boolean);
begin
end;

procedure TField.SetLookupDataSet(Value: TDataSet);
begin
  FLookupDataSet := Value;
  if Value <> nil then Value.FreeNotification(Self);
end;

procedure TField.SetLookupKeyFields(const Value: string);
begin
  FLookupKeyFields := Value;
end;

procedure TField.SetLookupResultField(const Value: string);
begin
  FLookupResultField := Value;
end;

procedure TField.SetKeyFields(const Value: string);
begin
  FKeyFields := Value;
end;

procedure TField.SetNewValue(const Value: Variant);
begin
end;

procedure TField.SetReadOnly(Value: Boolean);
begin
  FReadOnly := Value;
end;

procedure TField.SetVisible(Value: Boolean);
begin
  FVisible := Value;
end;

procedure TField.ValidateLookupInfo(All: Boolean);
begin
end;

procedure TField.WriteAttributeSet(Writer: TWriter);
begin
end;

procedure TField.AccessError(const TypeName: string);
begin
  DatabaseErrorFmt('%s: cannot access field ''%s'' as type %s',
    [DataSet.Name, DisplayName, TypeName]);
end;

procedure TField.CheckInactive;
begin
end;

class procedure TField.CheckTypeSize(Value: Integer);
begin
  if Value <> 0 then DatabaseError('Invalid field size');
end;

procedure TField.Change;
begin
  if Assigned(FOnChange) then FOnChange(Self);
end;

procedure TField.DataChanged;
begin
end;

procedure TField.DefineProperties(Filer: TFiler);
begin
  inherited DefineProperties(Filer);
end;

procedure TField.FreeBuffers;
begin
end;

function TField.GetAsBoolean: Boolean;
begin
  AccessError('Boolean');
  Result := False;
end;

function TField.GetAsCurrency: Currency;
begin
  Result := 0;
end;

function TField.GetAsDateTime: TDateTime;
begin
  Result := 0;
end;

function TField.GetAsFloat: Double;
begin
  Result := 0;
end;

function TField.GetAsInteger: Longint;
begin
  Result := 0;
end;

function TField.GetAsString: string;
begin
  Result := ClassName;
end;

function TField.GetAsVariant: Variant;
begin
  Result := Unassigned;
end;

function TField.GetCanModify: Boolean;
begin
  Result := False;
end;

function TField.GetDataSize: Word;
begin
  Result := FDataSize;
end;

function TField.GetDefaultWidth: Integer;
begin
  Result := 0;
end;

function TField.GetHasConstraints: Boolean;
begin
  Result := False;
end;

function TField.GetParentComponent: TComponent;
begin
  Result := inherited GetParentComponent;
end;

procedure TField.GetText(var Text: string; DisplayText: Boolean);
begin
  Text := GetAsString;
end;

function TField.HasParent: Boolean;
begin
  Result := inherited HasParent;
end;

procedure TField.Notification(AComponent: TComponent;
      Operation: TOperation);
begin
  inherited Notification(AComponent, Operation);
  if Operation = opRemove then
  begin
    if AComponent = FDataSet then FDataSet := nil;
    if AComponent = FLookupDataSet then FLookupDataSet := nil;
  end;
end;

procedure TField.PropertyChanged(LayoutAffected: Boolean);
begin
end;

procedure TField.ReadState(Reader: TReader);
begin
  inherited ReadState(Reader);
end;

procedure TField.SetAsBoolean(Value: Boolean);
begin
end;

procedure TField.SetAsCurrency(Value: Currency);
begin
end;

procedure TField.SetAsDateTime(Value: TDateTime);
begin
end;

procedure TField.SetAsFloat(Value: Double);
begin
end;

procedure TField.SetAsInteger(Value: Longint);
begin
end;

procedure TField.SetAsString(const Value: string);
begin
end;

procedure TField.SetAsVariant(const Value: Variant);
begin
end;

procedure TField.SetDataType(Value: TFieldType);
begin
  FDataType := Value;
end;

procedure TField.SetSize(Value: Word);
begin
  FSize := Value;
end;

procedure TField.SetParentComponent(AParent: TComponent);
begin
  inherited SetParentComponent(AParent);
end;

procedure TField.SetText(const Value: string);
begin
  SetAsString(Value);
end;

procedure TField.SetVarValue(const Value: Variant);
begin
end;

constructor TField.Create(AOwner: TComponent);
begin
  inherited Create(AOwner);
  FVisible := True;
  FValidating := False;
end;

destructor TField.Destroy;
begin
  if FDataSet <> nil then
  begin
    FDataSet.Close;
    FDataSet.RemoveField(Self);
  end;
  inherited Destroy;
end;

procedure TField.Assign(Source: TPersistent);
begin
  if Source is TField then
  begin
    AsBoolean := TField(Source).AsBoolean;
    AsCurrency := TField(Source).AsCurrency;
    AsDateTime := TField(Source).AsDateTime;
    AsFloat := TField(Source).AsFloat;
    AsInteger := TField(Source).AsInteger;
    AsString := TField(Source).AsString;
    AsVariant := TField(Source).AsVariant;
    AttributeSet := TField(Source).AttributeSet;
    DataSet := TField(Source).DataSet;
    EditMask := TField(Source).EditMask;
    NewValue := TField(Source).NewValue;
    Size := TField(Source).Size;
    Text := TField(Source).Text;
    Value := TField(Source).Value;
    Alignment := TField(Source).Alignment;
    Calculated := TField(Source).Calculated;
    DisplayLabel := TField(Source).DisplayLabel;
    DisplayWidth := TField(Source).DisplayWidth;
    FieldName := TField(Source).FieldName;
    Index := TField(Source).Index;
    Lookup := TField(Source).Lookup;
    LookupDataSet := TField(Source).LookupDataSet;
    LookupKeyFields := TField(Source).LookupKeyFields;
    LookupResultField := TField(Source).LookupResultField;
    KeyFields := TField(Source).KeyFields;
    ReadOnly := TField(Source).ReadOnly;
    Required := TField(Source).Required;
    Visible := TField(Source).Visible;
    OnChange := TField(Source).OnChange;
    OnGetText := TField(Source).OnGetText;
    OnSetText := TField(Source).OnSetText;
    OnValidate := TField(Source).OnValidate;
  end
  else
    inherited Assign(Source);
end;

procedure TField.AssignValue(const Value: TVarRec);
begin
end;

procedure TField.Clear;
begin
end;

procedure TField.FocusControl;
begin
end;

function TField.GetData(Buffer: Pointer): Boolean;
begin
  Result := False;
end;

class function TField.IsBlob: Boolean;
begin
  Result := False;
end;

function TField.IsValidChar(InputChar: Char): Boolean;
begin
  Result := True;
end;

procedure TField.SetData(Buffer: Pointer);
begin
end;

procedure TField.SetFieldType(Value: TFieldType);
begin
end;

{ TStringField }

class procedure TStringField.CheckTypeSize(Value: Integer);
begin
  inherited CheckTypeSize(Value);
end;

function TStringField.GetAsBoolean: Boolean;
begin
  Result := inherited GetAsBoolean;
end;

function TStringField.GetAsDateTime: TDateTime;
begin
  Result := inherited GetAsDateTime;
end;

function TStringField.GetAsFloat: Double;
begin
  Result := inherited GetAsFloat;
end;

function TStringField.GetAsInteger: Longint;
begin
  Result := StrToInt(GetAsString);
end;

function TStringField.GetAsString: string;
begin
  if not GetValue(Result) then Result := '';
end;

function TStringField.GetAsVariant: Variant;
begin
  Result := inherited GetAsVariant;
end;

function TStringField.GetDefaultWidth: Integer;
begin
  Result := inherited GetDefaultWidth;
end;

procedure TStringField.GetText(var Text: string; DisplayText: Boolean);
begin
  inherited GetText(Text, DisplayText);
end;

function TStringField.GetValue(var Value: string): Boolean;
begin
  Result := False;
end;

procedure TStringField.SetAsBoolean(Value: Boolean);
begin
  inherited SetAsBoolean(Value);
end;

procedure TStringField.SetAsDateTime(Value: TDateTime);
begin
  inherited SetAsDateTime(Value);
end;

procedure TStringField.SetAsFloat(Value: Double);
begin
  inherited SetAsFloat(Value);
end;

procedure TStringField.SetAsInteger(Value: Longint);
begin
  SetAsString(IntToStr(Value));
end;

procedure TStringField.SetAsString(const Value: string);
begin
  inherited SetAsString(Value);
end;

procedure TStringField.SetVarValue(const Value: Variant);
begin
  inherited SetVarValue(Value);
end;

constructor TStringField.Create(AOwner: TComponent);
begin
  inherited Create(AOwner);
  SetDataType(ftString);
  Size := 20;
  Transliterate := True;
end;

{ TNumericField }

procedure TNumericField.SetDisplayFormat(const Value: string);
begin
  FDisplayFormat := Value;
end;

procedure TNumericField.SetEditFormat(const Value: string);
begin
  FEditFormat := Value;
end;

constructor TNumericField.Create(AOwner: TComponent);
begin
  inherited Create(AOwner);
  Alignment := taRightJustify;
end;

{ TIntegerField }

procedure TIntegerField.CheckRange(Value, Min, Max: Longint);
begin
  if (Value < Min) or (Value > Max) then
    DatabaseErrorFmt('%d is not a valid value for field ''%s''. The allowed range is %d to %d',
      [Value, DisplayName, Min, Max]);
end;

procedure TIntegerField.SetMaxValue(Value: Longint);
begin
  FMaxValue := Value;
end;

procedure TIntegerField.SetMinValue(Value: Longint);
begin
  FMinValue := Value;
end;

function TIntegerField.GetAsFloat: Double;
begin
  Result := inherited GetAsFloat;
end;

function TIntegerField.GetAsInteger: Longint;
begin
  Result := inherited GetAsInteger;
end;

function TIntegerField.GetAsString: string;
begin
  Result := inherited GetAsString;
end;

function TIntegerField.GetAsVariant: Variant;
begin
  Result := inherited GetAsVariant;
end;

procedure TIntegerField.GetText(var Text: string; DisplayText: Boolean);
begin
  inherited GetText(Text, DisplayText);
end;

function TIntegerField.GetValue(var Value: Longint): Boolean;
begin
  Result := False;
end;

procedure TIntegerField.SetAsFloat(Value: Double);
begin
  inherited SetAsFloat(Value);
end;

procedure TIntegerField.SetAsInteger(Value: Longint);
begin
  inherited SetAsInteger(Value);
end;

procedure TIntegerField.SetAsString(const Value: string);
begin
  inherited SetAsString(Value);
end;

procedure TIntegerField.SetVarValue(const Value: Variant);
begin
  inherited SetVarValue(Value);
end;

constructor TIntegerField.Create(AOwner: TComponent);
begin
  inherited Create(AOwner);
  SetDataType(ftInteger);
  FMinRange := Low(Longint);
  FMaxRange := High(Longint);
end;

function TIntegerField.IsValidChar(Ch: Char): Boolean;
begin
  Result := Ch in ['+', '-', '0'..'9'];
end;

{ TSmallintField }

constructor TSmallintField.Create(AOwner: TComponent);
begin
  inherited Create(AOwner);
  SetDataType(ftSmallint);
  FMinRange := -32768;
  FMaxRange := 32767;
end;

{ TWordField }

constructor TWordField.Create(AOwner: TComponent);
begin
  inherited Create(AOwner);
  SetDataType(ftWord);
  FMinRange := 0;
  FMaxRange := 65535;
end;

{ TAutoIncField }

constructor TAutoIncField.Create(AOwner: TComponent);
begin
  inherited Create(AOwner);
  SetDataType(ftAutoInc);
end;

{ TFloatField }

procedure TFloatField.SetCurrency(Value: Boolean);
begin
  FCurrency := Value;
end;

procedure TFloatField.SetMaxValue(Value: Double);
begin
  FMaxValue := Value;
end;

procedure TFloatField.SetMinValue(Value: Double);
begin
  FMinValue := Value;
end;

procedure TFloatField.SetPrecision(Value: Integer);
begin
  FPrecision := Value;
end;

procedure TFloatField.UpdateCheckRange;
begin
end;

function TFloatField.GetAsFloat: Double;
begin
  Result := inherited GetAsFloat;
end;

function TFloatField.GetAsInteger: Longint;
begin
  Result := inherited GetAsInteger;
end;

function TFloatField.GetAsString: string;
begin
  Result := inherited GetAsString;
end;

function TFloatField.GetAsVariant: Variant;
begin
  Result := inherited GetAsVariant;
end;

procedure TFloatField.GetText(var Text: string; DisplayText: Boolean);
begin
  inherited GetText(Text, DisplayText);
end;

procedure TFloatField.SetAsFloat(Value: Double);
begin
  inherited SetAsFloat(Value);
end;

procedure TFloatField.SetAsInteger(Value: Longint);
begin
  inherited SetAsInteger(Value);
end;

procedure TFloatField.SetAsString(const Value: string);
begin
  inherited SetAsString(Value);
end;

procedure TFloatField.SetVarValue(const Value: Variant);
begin
  inherited SetVarValue(Value);
end;

constructor TFloatField.Create(AOwner: TComponent);
begin
  inherited Create(AOwner);
  FCurrency := False;
  FPrecision := 15;
end;

function TFloatField.IsValidChar(Ch: Char): Boolean;
begin
  Result := Ch in [DecimalSeparator, '+', '-', '0'..'9', 'E', 'e'];
end;

{ TCurrencyField }

constructor TCurrencyField.Create(AOwner: TComponent);
begin
  inherited Create(AOwner);
  SetDataType(ftCurrency);
  Currency := True;
end;

{ TBCDField }

procedure TBCDField.SetCurrency(Value: Boolean);
begin
  FCurrency := Value;
end;

procedure TBCDField.SetMaxValue(Value: Currency);
begin
  FMaxValue := Value;
end;

procedure TBCDField.SetMinValue(Value: Currency);
begin
  FMinValue := Value;
end;

procedure TBCDField.UpdateCheckRange;
begin
end;

class procedure TBCDField.CheckTypeSize(Value: Integer);
begin
  inherited CheckTypeSize(Value);
end;

function TBCDField.GetAsCurrency: Currency;
begin
  Result := inherited GetAsCurrency;
end;

function TBCDField.GetAsFloat: Double;
begin
  Result := inherited GetAsFloat;
end;

function TBCDField.GetAsInteger: Longint;
begin
  Result := inherited GetAsInteger;
end;

function TBCDField.GetAsString: string;
begin
  Result := inherited GetAsString;
end;

function TBCDField.GetAsVariant: Variant;
begin
  Result := inherited GetAsVariant;
end;

function TBCDField.GetDataSize: Word;
begin
  Result := inherited GetDataSize;
end;

function TBCDField.GetDefaultWidth: Integer;
begin
  Result := inherited GetDefaultWidth;
end;

procedure TBCDField.GetText(var Text: string; DisplayText: Boolean);
begin
  inherited GetText(Text, DisplayText);
end;

procedure TBCDField.SetAsCurrency(Value: Currency);
begin
  inherited SetAsCurrency(Value);
end;

procedure TBCDField.SetAsFloat(Value: Double);
begin
  inherited SetAsFloat(Value);
end;

procedure TBCDField.SetAsInteger(Value: Longint);
begin
  inherited SetAsInteger(Value);
end;

procedure TBCDField.SetAsString(const Value: string);
begin
  inherited SetAsString(Value);
end;

procedure TBCDField.SetVarValue(const Value: Variant);
begin
  inherited SetVarValue(Value);
end;

constructor TBCDField.Create(AOwner: TComponent);
begin
  inherited Create(AOwner);
  FCurrency := False;
  Size := 4;
end;

{ TBooleanField }

procedure TBooleanField.LoadTextValues;
begin
end;

procedure TBooleanField.SetDisplayValues(const Value: string);
begin
  FDisplayValues := Value;
end;

function TBooleanField.GetAsBoolean: Boolean;
begin
  Result := inherited GetAsBoolean;
end;

function TBooleanField.GetAsString: string;
begin
  Result := inherited GetAsString;
end;

function TBooleanField.GetAsVariant: Variant;
begin
  Result := inherited GetAsVariant;
end;

function TBooleanField.GetDefaultWidth: Integer;
begin
  Result := inherited GetDefaultWidth;
end;

procedure TBooleanField.SetAsBoolean(Value: Boolean);
begin
  inherited SetAsBoolean(Value);
end;

procedure TBooleanField.SetAsString(const Value: string);
begin
  inherited SetAsString(Value);
end;

procedure TBooleanField.SetVarValue(const Value: Variant);
begin
  inherited SetVarValue(Value);
end;

constructor TBooleanField.Create(AOwner: TComponent);
begin
  inherited Create(AOwner);
end;

{ TDateTimeField }

function TDateTimeField.GetValue(var Value: TDateTime): Boolean;
begin
  Result := False;
end;

procedure TDateTimeField.SetDisplayFormat(const Value: string);
begin
  FDisplayFormat := Value;
end;

function TDateTimeField.GetAsDateTime: TDateTime;
begin
  Result := inherited GetAsDateTime;
end;

function TDateTimeField.GetAsFloat: Double;
begin
  Result := inherited GetAsFloat;
end;

function TDateTimeField.GetAsString: string;
begin
  Result := inherited GetAsString;
end;

function TDateTimeField.GetAsVariant: Variant;
begin
  Result := inherited GetAsVariant;
end;

function TDateTimeField.GetDefaultWidth: Integer;
begin
  Result := inherited GetDefaultWidth;
end;

procedure TDateTimeField.GetText(var Text: string; DisplayText: Boolean);
begin
  inherited GetText(Text, DisplayText);
end;

procedure TDateTimeField.SetAsDateTime(Value: TDateTime);
begin
  inherited SetAsDateTime(Value);
end;

procedure TDateTimeField.SetAsFloat(Value: Double);
begin
  inherited SetAsFloat(Value);
end;

procedure TDateTimeField.SetAsString(const Value: string);
begin
  inherited SetAsString(Value);
end;

procedure TDateTimeField.SetVarValue(const Value: Variant);
begin
  inherited SetVarValue(Value);
end;

constructor TDateTimeField.Create(AOwner: TComponent);
begin
  inherited Create(AOwner);
end;

{ TDateField }

constructor TDateField.Create(AOwner: TComponent);
begin
  inherited Create(AOwner);
  SetDataType(ftDate);
end;

{ TTimeField }

constructor TTimeField.Create(AOwner: TComponent);
begin
  inherited Create(AOwner);
  SetDataType(ftTime);
end;

{ TBinaryField }

class procedure TBinaryField.CheckTypeSize(Value: Integer);
begin
  inherited CheckTypeSize(Value);
end;

function TBinaryField.GetAsString: string;
begin
  Result := inherited GetAsString;
end;

procedure TBinaryField.GetText(var Text: string; DisplayText: Boolean);
begin
  inherited GetText(Text, DisplayText);
end;

function TBinaryField.GetAsVariant: Variant;
begin
  Result := inherited GetAsVariant;
end;

procedure TBinaryField.SetAsString(const Value: string);
begin
  inherited SetAsString(Value);
end;

procedure TBinaryField.SetText(const Value: string);
begin
  inherited SetText(Value);
end;

procedure TBinaryField.SetVarValue(const Value: Variant);
begin
  inherited SetVarValue(Value);
end;

constructor TBinaryField.Create(AOwner: TComponent);
begin
  inherited Create(AOwner);
  Size := 16;
end;

{ TBytesField }

constructor TBytesField.Create(AOwner: TComponent);
begin
  inherited Create(AOwner);
  SetDataType(ftBytes);
  Size := 16;
end;

{ TVarBytesField }

function TVarBytesField.GetDataSize: Word;
begin
  Result := inherited GetDataSize;
end;

constructor TVarBytesField.Create(AOwner: TComponent);
begin
  inherited Create(AOwner);
  SetDataType(ftVarBytes);
  Size := 16;
end;

{ TBlobField }

function TBlobField.GetBlobType: TBlobType;
begin
  Result := 0;
end;

procedure TBlobField.LoadFromBlob(Blob: TBlobField);
begin
end;

procedure TBlobField.LoadFromBitmap(Bitmap: TBitmap);
begin
end;

procedure TBlobField.LoadFromStrings(Strings: TStrings);
begin
end;

procedure TBlobField.SaveToBitmap(Bitmap: TBitmap);
begin
end;

procedure TBlobField.SaveToStrings(Strings: TStrings);
begin
end;

procedure TBlobField.SetBlobType(Value: TBlobType);
begin
end;

procedure TBlobField.AssignTo(Dest: TPersistent);
begin
  inherited AssignTo(Dest);
end;

procedure TBlobField.FreeBuffers;
begin
  inherited FreeBuffers;
end;

function TBlobField.GetAsString: string;
begin
  Result := inherited GetAsString;
end;

function TBlobField.GetAsVariant: Variant;
begin
  Result := inherited GetAsVariant;
end;

function TBlobField.GetBlobSize: Integer;
begin
  Result := 0;
end;

function TBlobField.GetIsNull: Boolean;
begin
  Result := False;
end;

procedure TBlobField.GetText(var Text: string; DisplayText: Boolean);
begin
  inherited GetText(Text, DisplayText);
end;

procedure TBlobField.SetAsString(const Value: string);
begin
  inherited SetAsString(Value);
end;

procedure TBlobField.SetText(const Value: string);
begin
  inherited SetText(Value);
end;

procedure TBlobField.SetVarValue(const Value: Variant);
begin
  inherited SetVarValue(Value);
end;

constructor TBlobField.Create(AOwner: TComponent);
begin
  inherited Create(AOwner);
  Size := 0;
end;

procedure TBlobField.Assign(Source: TPersistent);
begin
  if Source is TBlobField then
  begin
    Modified := TBlobField(Source).Modified;
    Value := TBlobField(Source).Value;
    Transliterate := TBlobField(Source).Transliterate;
    BlobType := TBlobField(Source).BlobType;
  end
  else
    inherited Assign(Source);
end;

procedure TBlobField.Clear;
begin
  inherited Clear;
end;

class function TBlobField.IsBlob: Boolean;
begin
  Result := True;
end;

procedure TBlobField.LoadFromFile(const FileName: string);
begin
end;

procedure TBlobField.LoadFromStream(Stream: TStream);
begin
end;

procedure TBlobField.SaveToFile(const FileName: string);
begin
end;

procedure TBlobField.SaveToStream(Stream: TStream);
begin
end;

procedure TBlobField.SetFieldType(Value: TFieldType);
begin
  inherited SetFieldType(Value);
end;

{ TMemoField }

constructor TMemoField.Create(AOwner: TComponent);
begin
  inherited Create(AOwner);
  SetDataType(ftMemo);
  Transliterate := True;
end;

{ TGraphicField }

constructor TGraphicField.Create(AOwner: TComponent);
begin
  inherited Create(AOwner);
  SetDataType(ftGraphic);
end;

{ TDataLink }

procedure TDataLink.DataEvent(Event: TDataEvent; Info: Longint);
begin
end;

function TDataLink.GetActiveRecord: Integer;
begin
  Result := 0;
end;

function TDataLink.GetDataSet: TDataSet;
begin
  if DataSource <> nil then Result := DataSource.DataSet else Result := nil;
end;

function TDataLink.GetRecordCount: Integer;
begin
  Result := 0;
end;

procedure TDataLink.SetActive(Value: Boolean);
begin
  FActive := Value;
end;

procedure TDataLink.SetActiveRecord(Value: Integer);
begin
end;

procedure TDataLink.SetBufferCount(Value: Integer);
begin
  FBufferCount := Value;
end;

procedure TDataLink.SetDataSource(ADataSource: TDataSource);
begin
  if FDataSource <> ADataSource then
  begin
    if FDataSourceFixed then DatabaseError('Operation not allowed in a DBCtrlGrid');
    if FDataSource <> nil then FDataSource.RemoveDataLink(Self);
    if ADataSource <> nil then ADataSource.AddDataLink(Self);
  end;
end;

procedure TDataLink.SetEditing(Value: Boolean);
begin
  FEditing := Value;
end;

procedure TDataLink.SetReadOnly(Value: Boolean);
begin
  FReadOnly := Value;
end;

procedure TDataLink.UpdateRange;
begin
end;

procedure TDataLink.UpdateState;
begin
end;

procedure TDataLink.ActiveChanged;
begin
end;

procedure TDataLink.CheckBrowseMode;
begin
end;

procedure TDataLink.DataSetChanged;
begin
end;

procedure TDataLink.DataSetScrolled(Distance: Integer);
begin
end;

procedure TDataLink.FocusControl(Field: TFieldRef);
begin
end;

procedure TDataLink.EditingChanged;
begin
end;

procedure TDataLink.LayoutChanged;
begin
end;

procedure TDataLink.RecordChanged(Field: TField);
begin
end;

procedure TDataLink.UpdateData;
begin
end;

constructor TDataLink.Create;
begin
  inherited Create;
  FBufferCount := 1;
end;

destructor TDataLink.Destroy;
begin
  FActive := False;
  FEditing := False;
  FDataSourceFixed := False;
  SetDataSource(nil);
  inherited Destroy;
end;

function TDataLink.Edit: Boolean;
begin
  if not FReadOnly and (FDataSource <> nil) then FDataSource.Edit;
  Result := FEditing;
end;

procedure TDataLink.UpdateRecord;
begin
  FUpdating := True;
  try
    UpdateData;
  finally
    FUpdating := False;
  end;
end;

{ TDataSource }

procedure TDataSource.AddDataLink(DataLink: TDataLink);
begin
  FDataLinks.Add(DataLink);
  DataLink.FDataSource := Self;
  if DataSet <> nil then DataSet.UpdateBufferCount;
  DataLink.UpdateState;
end;

procedure TDataSource.DataEvent(Event: TDataEvent; Info: Longint);
begin
end;

procedure TDataSource.NotifyDataLinks(Event: TDataEvent; Info: Longint);
begin
end;

procedure TDataSource.RemoveDataLink(DataLink: TDataLink);
begin
  DataLink.FDataSource := nil;
  FDataLinks.Remove(DataLink);
  DataLink.UpdateState;
  if DataSet <> nil then DataSet.UpdateBufferCount;
end;

procedure TDataSource.SetDataSet(ADataSet: TDataSet);
begin
  FDataSet := ADataSet;
  if ADataSet <> nil then ADataSet.FreeNotification(Self);
end;

procedure TDataSource.SetEnabled(Value: Boolean);
begin
  FEnabled := Value;
end;

procedure TDataSource.SetState(Value: TDataSetState);
begin
  FState := Value;
end;

procedure TDataSource.UpdateState;
begin
end;

constructor TDataSource.Create(AOwner: TComponent);
begin
  inherited Create(AOwner);
  FDataLinks := TList.Create;
  FEnabled := True;
  FAutoEdit := True;
end;

destructor TDataSource.Destroy;
begin
  FOnStateChange := nil;
  SetDataSet(nil);
  while FDataLinks.Count > 0 do RemoveDataLink(FDataLinks.Last);
  FDataLinks.Free;
  inherited Destroy;
end;

procedure TDataSource.Edit;
begin
  if AutoEdit and (State = dsBrowse) then DataSet.Edit;
end;

function TDataSource.IsLinkedTo(DataSet: TDataSet): Boolean;
var
  DataSource: TDataSource;
begin
  Result := True;
  while DataSet <> nil do
  begin
    DataSource := DataSet.GetDataSource;
    if DataSource = nil then Break;
    if DataSource = Self then Exit;
    DataSet := DataSource.DataSet;
  end;
  Result := False;
end;

{ TDataSetDesigner }

constructor TDataSetDesigner.Create(DataSet: TDataSet);
begin
  FDataSet := DataSet;
  FDataSet.FDesigner := Self;
end;

destructor TDataSetDesigner.Destroy;
begin
  FDataSet.FDesigner := nil;
end;

procedure TDataSetDesigner.BeginDesign;
begin
  FSaveActive := FDataSet.Active;
  if FSaveActive then
  begin
    FDataSet.InternalClose;
    FDataSet.SetState(dsInactive);
  end;
  FDataSet.DisableControls;
end;

procedure TDataSetDesigner.DataEvent(Event: TDataEvent; Info: Longint);
begin
end;

procedure TDataSetDesigner.EndDesign;
begin
  FDataSet.EnableControls;
  if FSaveActive then
  begin
    try
      FDataSet.InternalOpen;
      FDataSet.SetState(dsBrowse);
    except
      FDataSet.SetState(dsInactive);
      FDataSet.CloseCursor;
      raise;
    end;
  end;
end;

{ TDataSet }

procedure TDataSet.AddDataSource(DataSource: TDataSource);
begin
end;

procedure TDataSet.AddField(Field: TField);
begin
end;

procedure TDataSet.BeginInsertAppend;
begin
end;

procedure TDataSet.EndInsertAppend;
begin
end;

procedure TDataSet.CheckCanModify;
begin
end;

procedure TDataSet.CheckFieldName(const FieldName: string);
begin
end;

procedure TDataSet.CheckFieldNames(const FieldNames: string);
begin
end;

procedure TDataSet.CheckOperation(Operation: TDataOperation;
      ErrorEvent: TDataSetErrorEvent);
begin
end;

procedure TDataSet.CheckRequiredFields;
begin
end;

procedure TDataSet.DoInternalClose;
begin
end;

procedure TDataSet.DoInternalOpen;
begin
end;

function TDataSet.GetActive: Boolean;
begin
  Result := State <> dsInactive;
end;

function TDataSet.GetField(Index: Integer): TField;
begin
  Result := FFields[Index];
end;

function TDataSet.GetFieldCount: Integer;
begin
  Result := FFields.Count;
end;

function TDataSet.GetFieldValue(const FieldName: string): Variant;
begin
  Result := FieldByName(FieldName).Value;
end;

procedure TDataSet.MoveBuffer(CurIndex, NewIndex: Integer);
begin
end;

procedure TDataSet.RemoveDataSource(DataSource: TDataSource);
begin
end;

procedure TDataSet.RemoveField(Field: TField);
begin
end;

procedure TDataSet.SetActive(Value: Boolean);
begin
  if csReading in ComponentState then
    FStreamedActive := Value
  else
    if Active <> Value then
      if Value then
      begin
        DoBeforeOpen;
        try
          OpenCursor(False);
        finally
          if State <> dsBrowse then
            SetState(dsInactive);
        end;
      end
      else
      begin
        if not (csDestroying in ComponentState) then DoBeforeClose;
        SetState(dsInactive);
        CloseCursor;
        if not (csDestroying in ComponentState) then DoAfterClose;
      end;
end;

procedure TDataSet.SetBufferCount(Value: Integer);
begin
  FBufferCount := Value;
end;

procedure TDataSet.SetField(Index: Integer; Value: TField);
begin
end;

procedure TDataSet.SetFieldDefs(Value: TFieldDefs);
begin
  FFieldDefs := Value;
end;

procedure TDataSet.SetFieldValue(const FieldName: string; const Value: Variant);
begin
  FieldByName(FieldName).Value := Value;
end;

procedure TDataSet.UpdateBufferCount;
begin
end;

procedure TDataSet.ActivateBuffers;
begin
end;

procedure TDataSet.BindFields(Binding: Boolean);
begin
end;

function TDataSet.BookmarkAvailable: Boolean;
begin
  Result := False;
end;

procedure TDataSet.CalculateFields(Buffer: PChar);
begin
end;

procedure TDataSet.CheckActive;
begin
  if State = dsInactive then DatabaseError('Cannot perform this operation on a closed dataset');
end;

procedure TDataSet.CheckInactive;
begin
  if Active then DatabaseError('Cannot perform this operation on an open dataset');
end;

procedure TDataSet.ClearBuffers;
begin
end;

procedure TDataSet.ClearCalcFields(Buffer: PChar);
begin
end;

procedure TDataSet.CloseBlob(Field: TField);
begin
end;

procedure TDataSet.CloseCursor;
begin
end;

procedure TDataSet.CreateFields;
begin
end;

procedure TDataSet.DataEvent(Event: TDataEvent; Info: Longint);
begin
end;

procedure TDataSet.DestroyFields;
begin
end;

procedure TDataSet.DoAfterCancel;
begin
end;

procedure TDataSet.DoAfterClose;
begin
  if Assigned(FAfterClose) then FAfterClose(Self);
end;

procedure TDataSet.DoAfterDelete;
begin
end;

procedure TDataSet.DoAfterEdit;
begin
end;

procedure TDataSet.DoAfterInsert;
begin
end;

procedure TDataSet.DoAfterOpen;
begin
  if Assigned(FAfterOpen) then FAfterOpen(Self);
end;

procedure TDataSet.DoAfterPost;
begin
end;

procedure TDataSet.DoBeforeCancel;
begin
end;

procedure TDataSet.DoBeforeClose;
begin
  if Assigned(FBeforeClose) then FBeforeClose(Self);
end;

procedure TDataSet.DoBeforeDelete;
begin
end;

procedure TDataSet.DoBeforeEdit;
begin
end;

procedure TDataSet.DoBeforeInsert;
begin
end;

procedure TDataSet.DoBeforeOpen;
begin
  if Assigned(FBeforeOpen) then FBeforeOpen(Self);
end;

procedure TDataSet.DoBeforePost;
begin
end;

procedure TDataSet.DoOnCalcFields;
begin
end;

procedure TDataSet.DoOnNewRecord;
begin
end;

function TDataSet.FieldByNumber(FieldNo: Integer): TField;
begin
  Result := nil;
end;

function TDataSet.FindRecord(Restart, GoForward: Boolean): Boolean;
begin
  Result := False;
end;

procedure TDataSet.FreeFieldBuffers;
begin
end;

function TDataSet.GetBookmarkStr: TBookmarkStr;
begin
  Result := '';
end;

procedure TDataSet.GetBookmarkData(Buffer: PChar; Data: Pointer);
begin
end;

function TDataSet.GetBookmarkFlag(Buffer: PChar): TBookmarkFlag;
begin
  Result := bfCurrent;
end;

function TDataSet.GetCanModify: Boolean;
begin
  Result := False;
end;

function TDataSet.GetDataSource: TDataSource;
begin
  Result := nil;
end;

function TDataSet.GetFieldClass(FieldType: TFieldType): TFieldClass;
begin
  Result := DefaultFieldClasses[FieldType];
end;

function TDataSet.GetIsIndexField(Field: TField): Boolean;
begin
  Result := False;
end;

function TDataSet.GetNextRecords: Integer;
begin
  Result := 0;
end;

function TDataSet.GetNextRecord: Boolean;
begin
  Result := False;
end;

function TDataSet.GetPriorRecords: Integer;
begin
  Result := 0;
end;

function TDataSet.GetPriorRecord: Boolean;
begin
  Result := False;
end;

function TDataSet.GetRecordCount: Integer;
begin
  Result := FRecordCount;
end;

function TDataSet.GetRecNo: Integer;
begin
  Result := 0;
end;

procedure TDataSet.InitRecord(Buffer: PChar);
begin
end;

procedure TDataSet.InternalCancel;
begin
end;

procedure TDataSet.InternalEdit;
begin
end;

procedure TDataSet.InternalInsert;
begin
end;

procedure TDataSet.InternalRefresh;
begin
end;

procedure TDataSet.Loaded;
begin
  inherited Loaded;
end;

procedure TDataSet.OpenCursor(InfoQuery: Boolean);
begin
end;

procedure TDataSet.RefreshInternalCalcFields(Buffer: PChar);
begin
end;

procedure TDataSet.SetBookmarkFlag(Buffer: PChar; Value: TBookmarkFlag);
begin
end;

procedure TDataSet.SetBookmarkData(Buffer: PChar; Data: Pointer);
begin
end;

procedure TDataSet.SetBookmarkStr(const Value: TBookmarkStr);
begin
end;

procedure TDataSet.SetCurrentRecord(Index: Integer);
begin
  FCurrentRecord := Index;
end;

procedure TDataSet.SetFiltered(Value: Boolean);
begin
  FFiltered := Value;
end;

procedure TDataSet.SetFilterOptions(Value: TFilterOptions);
begin
  FFilterOptions := Value;
end;

procedure TDataSet.SetFilterText(const Value: string);
begin
  FFilterText := Value;
end;

procedure TDataSet.SetName(const Value: TComponentName);
begin
  inherited SetName(Value);
end;

procedure TDataSet.SetOnFilterRecord(const Value: TFilterRecordEvent);
begin
  FOnFilterRecord := Value;
end;

procedure TDataSet.SetRecNo(Value: Integer);
begin
end;

procedure TDataSet.SetState(Value: TDataSetState);
begin
  FState := Value;
end;

function TDataSet.SetTempState(const Value: TDataSetState): TDataSetState;
begin
  Result := dsInactive;
end;

procedure TDataSet.RestoreState(const Value: TDataSetState);
begin
end;

procedure TDataSet.UpdateIndexDefs;
begin
end;

constructor TDataSet.Create(AOwner: TComponent);
begin
  inherited Create(AOwner);
  FFieldDefs := TFieldDefs.Create(Self);
  FFields := TList.Create;
  FDataSources := TList.Create;
  FAutoCalcFields := True;
  ClearBuffers;
end;

destructor TDataSet.Destroy;
begin
  Destroying;
  Close;
  SetBufferCount(0);
  DestroyFields;
  FDataSources.Free;
  FFields.Free;
  FFieldDefs.Free;
  inherited Destroy;
end;

function TDataSet.ActiveBuffer: PChar;
begin
  Result := nil;
end;

procedure TDataSet.Append;
begin
  BeginInsertAppend;
  ClearBuffers;
  InternalLast;
  InitRecord(ActiveBuffer);
  EndInsertAppend;
end;

procedure TDataSet.AppendRecord(const Values: array of const);
begin
end;

procedure TDataSet.Cancel;
begin
  case State of
    dsEdit, dsInsert:
      begin
        DataEvent(deCheckBrowseMode, 0);
        DoBeforeCancel;
        UpdateCursorPos;
        InternalCancel;
        FreeFieldBuffers;
        SetState(dsBrowse);
        Resync([]);
        DoAfterCancel;
      end;
  end;
end;

procedure TDataSet.CheckBrowseMode;
begin
end;

procedure TDataSet.ClearFields;
begin
end;

procedure TDataSet.Close;
begin
  Active := False;
end;

function TDataSet.ControlsDisabled: Boolean;
begin
  Result := FDisableCount <> 0;
end;

procedure TDataSet.CursorPosChanged;
begin
end;

procedure TDataSet.Delete;
begin
  CheckActive;
  if State in [dsInsert, dsSetKey] then Cancel else
  begin
    if FRecordCount = 0 then DatabaseError('Cannot perform this operation on an empty dataset');
    DataEvent(deCheckBrowseMode, 0);
    DoBeforeDelete;
    UpdateCursorPos;
    CheckOperation(InternalDelete, FOnDeleteError);
    FreeFieldBuffers;
    SetState(dsBrowse);
    Resync([]);
    DoAfterDelete;
  end;
end;

procedure TDataSet.DisableControls;
begin
  Inc(FDisableCount);
end;

procedure TDataSet.Edit;
begin
  if not (State in [dsEdit, dsInsert]) then
    if FRecordCount = 0 then Insert else
    begin
      CheckBrowseMode;
      CheckCanModify;
      DoBeforeEdit;
      CheckOperation(InternalEdit, FOnEditError);
      SetState(dsEdit);
      DataEvent(deRecordChange, 0);
      DoAfterEdit;
    end;
end;

procedure TDataSet.EnableControls;
begin
  if FDisableCount <> 0 then
  begin
    Dec(FDisableCount);
    if FDisableCount = 0 then DataEvent(deDataSetChange, 0);
  end;
end;

function TDataSet.FieldByName(const FieldName: string): TField;
begin
  Result := FindField(FieldName);
  if Result = nil then DatabaseErrorFmt('Field ''%s'' not found', [FieldName]);
end;

function TDataSet.FindField(const FieldName: string): TField;
var
  I: Integer;
begin
  for I := 0 to FFields.Count - 1 do
  begin
    Result := FFields[I];
    if AnsiCompareText(Result.FFieldName, FieldName) = 0 then Exit;
  end;
  Result := nil;
end;

function TDataSet.FindFirst: Boolean;
begin
  Result := False;
end;

function TDataSet.FindLast: Boolean;
begin
  Result := False;
end;

function TDataSet.FindNext: Boolean;
begin
  Result := False;
end;

function TDataSet.FindPrior: Boolean;
begin
  Result := False;
end;

procedure TDataSet.First;
begin
  CheckBrowseMode;
  ClearBuffers;
  try
    InternalFirst;
    GetNextRecord;
    GetNextRecords;
  finally
    FBOF := True;
    DataEvent(deDataSetChange, 0);
  end;
end;

procedure TDataSet.FreeBookmark(Bookmark: TBookmark);
begin
end;

function TDataSet.GetBookmark: TBookmark;
begin
  Result := nil;
end;

function TDataSet.GetCurrentRecord(Buffer: PChar): Boolean;
begin
  Result := False;
end;

procedure TDataSet.GetFieldList(List: TList; const FieldNames: string);
begin
end;

procedure TDataSet.GetFieldNames(List: TStrings);
var
  I: Integer;
begin
  List.BeginUpdate;
  try
    List.Clear;
    if FFields.Count > 0 then
      for I := 0 to FFields.Count - 1 do
        List.Add(TField(FFields[I]).FFieldName)
    else
    begin
      FieldDefs.Update;
      for I := 0 to FieldDefs.Count - 1 do
        List.Add(FieldDefs[I].Name);
    end;
  finally
    List.EndUpdate;
  end;
end;

procedure TDataSet.GotoBookmark(Bookmark: TBookmark);
begin
end;

procedure TDataSet.Insert;
begin
  BeginInsertAppend;
  MoveBuffer(FRecordCount, FActiveRecord);
  InternalInsert;
  InitRecord(ActiveBuffer);
  EndInsertAppend;
end;

procedure TDataSet.InsertRecord(const Values: array of const);
begin
end;

function TDataSet.IsLinkedTo(DataSource: TDataSource): Boolean;
begin
  Result := False;
end;

procedure TDataSet.Last;
begin
  CheckBrowseMode;
  ClearBuffers;
  try
    InternalLast;
    GetPriorRecord;
    GetPriorRecords;
  finally
    FEOF := True;
    DataEvent(deDataSetChange, 0);
  end;
end;

function TDataSet.Locate(const KeyFields: string; const KeyValues: Variant;
      Options: TLocateOptions): Boolean;
begin
  Result := False;
end;

function TDataSet.Lookup(const KeyFields: string; const KeyValues: Variant;
      const ResultFields: string): Variant;
begin
  Result := Unassigned;
end;

function TDataSet.MoveBy(Distance: Integer): Integer;
var
  I, ScrollCount: Integer;
begin
  CheckBrowseMode;
  Result := 0;
  if ((Distance > 0) and not FEOF) or ((Distance < 0) and not FBOF) then
  begin
    FBOF := False;
    FEOF := False;
    ScrollCount := 0;
    try
      while Distance > 0 do
      begin
        if FActiveRecord < FRecordCount - 1 then Inc(FActiveRecord) else
        begin
          if GetNextRecord then Inc(ScrollCount) else Break;
        end;
        Dec(Distance);
        Inc(Result);
      end;
      while Distance < 0 do
      begin
        if FActiveRecord > 0 then Dec(FActiveRecord) else
        begin
          if GetPriorRecord then Dec(ScrollCount) else Break;
        end;
        Inc(Distance);
        Dec(Result);
      end;
    finally
      for I := 1 to Abs(ScrollCount) do DataEvent(deDataSetScroll, ScrollCount);
    end;
  end;
end;

procedure TDataSet.Next;
begin
{$IFOPT R+}
  if FEOF then Exit;   // range checking on: don't walk past the end
{$ENDIF}
  MoveBy(1);
end;

procedure TDataSet.Open;
begin
  Active := True;
end;

procedure TDataSet.Post;
begin
  UpdateRecord;
  case State of
    dsEdit, dsInsert:
      begin
        DataEvent(deCheckBrowseMode, 0);
        DoBeforePost;
        CheckOperation(InternalPost, FOnPostError);
        FreeFieldBuffers;
        SetState(dsBrowse);
        Resync([]);
        DoAfterPost;
      end;
  end;
end;

procedure TDataSet.Prior;
begin
  MoveBy(-1);
end;

procedure TDataSet.Refresh;
begin
end;

procedure TDataSet.Resync(Mode: TResyncMode);
begin
end;

procedure TDataSet.SetFields(const Values: array of const);
begin
  FFields := Values;
end;

procedure TDataSet.UpdateCursorPos;
begin
end;

procedure TDataSet.UpdateRecord;
begin
end;

end.
