{ DB: a unit of the sample Delphi 2.0 installation that Quillmap 2 browses.
  Written by samples/make_sample.py from samples/vcl-table.txt; change those, not this file. }

unit DB;

(* The declarations name the documented interface of the unit; everything
   private, and every statement, is the sample's own. *)

interface

uses SysUtils, Classes, Graphics, Controls, Forms;

const
  DBSample = 'Quillmap''s sample of DB';

type

  EDatabaseError = class(Exception)
  end;

  TFieldDef = class
  private
    FBDECalcField: Integer;
    FDataType: Integer;
    FFieldClass: Integer;
    FFieldNo: Integer;
    FName: string;
    FRequired: Boolean;
    FSize: Integer;
    FChangeCount: Integer;
    function GetBDECalcField: Integer;
    procedure SetBDECalcField(const Value: Integer);
    function GetDataType: Integer;
    procedure SetDataType(const Value: Integer);
    function GetFieldClass: Integer;
    procedure SetFieldClass(const Value: Integer);
    function GetFieldNo: Integer;
    procedure SetFieldNo(const Value: Integer);
    function GetName: string;
    procedure SetName(const Value: string);
    function GetRequired: Boolean;
    procedure SetRequired(const Value: Boolean);
    function GetSize: Integer;
    procedure SetSize(const Value: Integer);
  protected
    procedure StateChanged; virtual;
  public
    constructor Create;
    destructor Destroy; override;
    procedure CreateField;
    property BDECalcField: Integer read GetBDECalcField write SetBDECalcField;
    property DataType: Integer read GetDataType write SetDataType;
    property FieldClass: Integer read GetFieldClass write SetFieldClass;
    property FieldNo: Integer read GetFieldNo write SetFieldNo;
    property Name: string read GetName write SetName;
    property Required: Boolean read GetRequired write SetRequired;
    property Size: Integer read GetSize write SetSize;
  end;

  TFieldDefs = class
  private
    FCount: Integer;
    FItems: TStrings;
    FChangeCount: Integer;
    function GetCount: Integer;
    procedure SetCount(const Value: Integer);
    function GetItems: TStrings;
    procedure SetItems(const Value: TStrings);
  protected
    procedure StateChanged; virtual;
  public
    constructor Create;
    destructor Destroy; override;
    procedure Add;
    procedure Assign;
    procedure Clear;
    procedure Find;
    procedure IndexOf;
    procedure Update;
    property Count: Integer read GetCount write SetCount;
    property Items: TStrings read GetItems write SetItems;
  end;

  TIndexDef = class
  private
    FExpression: Integer;
    FFields: Integer;
    FName: string;
    FOptions: Integer;
    FSource: Integer;
    FChangeCount: Integer;
    function GetExpression: Integer;
    procedure SetExpression(const Value: Integer);
    function GetFields: Integer;
    procedure SetFields(const Value: Integer);
    function GetName: string;
    procedure SetName(const Value: string);
    function GetOptions: Integer;
    procedure SetOptions(const Value: Integer);
    function GetSource: Integer;
    procedure SetSource(const Value: Integer);
  protected
    procedure StateChanged; virtual;
  public
    constructor Create;
    destructor Destroy; override;
    property Expression: Integer read GetExpression write SetExpression;
    property Fields: Integer read GetFields write SetFields;
    property Name: string read GetName write SetName;
    property Options: Integer read GetOptions write SetOptions;
    property Source: Integer read GetSource write SetSource;
  end;

  TIndexDefs = class
  private
    FCount: Integer;
    FItems: TStrings;
    FUpdated: Integer;
    FChangeCount: Integer;
    function GetCount: Integer;
    procedure SetCount(const Value: Integer);
    function GetItems: TStrings;
    procedure SetItems(const Value: TStrings);
    function GetUpdated: Integer;
    procedure SetUpdated(const Value: Integer);
  protected
    procedure StateChanged; virtual;
  public
    constructor Create;
    destructor Destroy; override;
    procedure Add;
    procedure Assign;
    procedure Clear;
    function FindIndexForFields: Boolean;
    function GetIndexForFields: Integer;
    procedure IndexOf;
    procedure Update;
    property Count: Integer read GetCount write SetCount;
    property Items: TStrings read GetItems write SetItems;
    property Updated: Integer read GetUpdated write SetUpdated;
  end;

  TField = class(TComponent)
  private
    FAsBoolean: Integer;
    FAsCurrency: Integer;
    FAsDateTime: TDateTime;
    FAsFloat: Integer;
    FAsInteger: Integer;
    FAsString: Integer;
    FAsVariant: Integer;
    FAttributeSet: Integer;
    FBDECalcField: Integer;
    FCanModify: Boolean;
    FDataSet: TDataSet;
    FDataSize: Integer;
    FDataType: Integer;
    FDisplayName: string;
    FDisplayText: string;
    FEditMask: string;
    FEditMaskPtr: Integer;
    FFieldNo: Integer;
    FIsIndexField: Boolean;
    FIsNull: Boolean;
    FNewValue: string;
    FOffset: Integer;
    FOldValue: string;
    FSize: Integer;
    FText: string;
    FValue: string;
    FAlignment: TAlignment;
    FCalculated: Boolean;
    FDisplayLabel: Integer;
    FDisplayWidth: Integer;
    FFieldName: string;
    FIndex: Integer;
    FLookup: Integer;
    FLookupDataSet: Integer;
    FLookupKeyFields: Integer;
    FLookupResultField: Integer;
    FKeyFields: Integer;
    FReadOnly: Boolean;
    FRequired: Boolean;
    FVisible: Boolean;
    FOnChange: TNotifyEvent;
    FOnGetText: TNotifyEvent;
    FOnSetText: TNotifyEvent;
    FOnValidate: TNotifyEvent;
    function GetAsBoolean: Integer;
    procedure SetAsBoolean(const Value: Integer);
    function GetAsCurrency: Integer;
    procedure SetAsCurrency(const Value: Integer);
    function GetAsDateTime: TDateTime;
    procedure SetAsDateTime(const Value: TDateTime);
    function GetAsFloat: Integer;
    procedure SetAsFloat(const Value: Integer);
    function GetAsInteger: Integer;
    procedure SetAsInteger(const Value: Integer);
    function GetAsString: Integer;
    procedure SetAsString(const Value: Integer);
    function GetAsVariant: Integer;
    procedure SetAsVariant(const Value: Integer);
    function GetAttributeSet: Integer;
    procedure SetAttributeSet(const Value: Integer);
    function GetBDECalcField: Integer;
    procedure SetBDECalcField(const Value: Integer);
    function GetCanModify: Boolean;
    procedure SetCanModify(const Value: Boolean);
    function GetDataSet: TDataSet;
    procedure SetDataSet(const Value: TDataSet);
    function GetDataSize: Integer;
    procedure SetDataSize(const Value: Integer);
    function GetDataType: Integer;
    procedure SetDataType(const Value: Integer);
    function GetDisplayName: string;
    procedure SetDisplayName(const Value: string);
    function GetDisplayText: string;
    procedure SetDisplayText(const Value: string);
    function GetEditMask: string;
    procedure SetEditMask(const Value: string);
    function GetEditMaskPtr: Integer;
    procedure SetEditMaskPtr(const Value: Integer);
    function GetFieldNo: Integer;
    procedure SetFieldNo(const Value: Integer);
    function GetIsIndexField: Boolean;
    procedure SetIsIndexField(const Value: Boolean);
    function GetIsNull: Boolean;
    procedure SetIsNull(const Value: Boolean);
    function GetNewValue: string;
    procedure SetNewValue(const Value: string);
    function GetOffset: Integer;
    procedure SetOffset(const Value: Integer);
    function GetOldValue: string;
    procedure SetOldValue(const Value: string);
    function GetSize: Integer;
    procedure SetSize(const Value: Integer);
    function GetText: string;
    procedure SetText(const Value: string);
    function GetValue: string;
    procedure SetValue(const Value: string);
    procedure SetAlignment(const Value: TAlignment);
    procedure SetCalculated(const Value: Boolean);
    procedure SetDisplayLabel(const Value: Integer);
    procedure SetDisplayWidth(const Value: Integer);
    procedure SetFieldName(const Value: string);
    procedure SetIndex(const Value: Integer);
    procedure SetLookup(const Value: Integer);
    procedure SetLookupDataSet(const Value: Integer);
    procedure SetLookupKeyFields(const Value: Integer);
    procedure SetLookupResultField(const Value: Integer);
    procedure SetKeyFields(const Value: Integer);
    procedure SetReadOnly(const Value: Boolean);
    procedure SetRequired(const Value: Boolean);
    procedure SetVisible(const Value: Boolean);
  protected
    procedure SignalChange; dynamic;
    procedure SignalGetText; dynamic;
    procedure SignalSetText; dynamic;
    procedure SignalValidate; dynamic;
  public
    constructor Create(AOwner: TComponent); override;
    destructor Destroy; override;
    procedure Assign(Source: TPersistent); override;
    procedure AssignValue;
    procedure Clear; virtual;
    procedure FocusControl;
    function GetData: Integer;
    function IsBlob: Boolean; virtual;
    function IsValidChar: Boolean; virtual;
    procedure SetData;
    procedure SetFieldType; virtual;
    property AsBoolean: Integer read GetAsBoolean write SetAsBoolean;
    property AsCurrency: Integer read GetAsCurrency write SetAsCurrency;
    property AsDateTime: TDateTime read GetAsDateTime write SetAsDateTime;
    property AsFloat: Integer read GetAsFloat write SetAsFloat;
    property AsInteger: Integer read GetAsInteger write SetAsInteger;
    property AsString: Integer read GetAsString write SetAsString;
    property AsVariant: Integer read GetAsVariant write SetAsVariant;
    property AttributeSet: Integer read GetAttributeSet write SetAttributeSet;
    property BDECalcField: Integer read GetBDECalcField write SetBDECalcField;
    property CanModify: Boolean read GetCanModify write SetCanModify;
    property DataSet: TDataSet read GetDataSet write SetDataSet;
    property DataSize: Integer read GetDataSize write SetDataSize;
    property DataType: Integer read GetDataType write SetDataType;
    property DisplayName: string read GetDisplayName write SetDisplayName;
    property DisplayText: string read GetDisplayText write SetDisplayText;
    property EditMask: string read GetEditMask write SetEditMask;
    property EditMaskPtr: Integer read GetEditMaskPtr write SetEditMaskPtr;
    property FieldNo: Integer read GetFieldNo write SetFieldNo;
    property IsIndexField: Boolean read GetIsIndexField write SetIsIndexField;
    property IsNull: Boolean read GetIsNull write SetIsNull;
    property NewValue: string read GetNewValue write SetNewValue;
    property Offset: Integer read GetOffset write SetOffset;
    property OldValue: string read GetOldValue write SetOldValue;
    property Size: Integer read GetSize write SetSize;
    property Text: string read GetText write SetText;
    property Value: string read GetValue write SetValue;
  published
    property Alignment: TAlignment read FAlignment write SetAlignment;
    property Calculated: Boolean read FCalculated write SetCalculated;
    property DisplayLabel: Integer read FDisplayLabel write SetDisplayLabel;
    property DisplayWidth: Integer read FDisplayWidth write SetDisplayWidth;
    property FieldName: string read FFieldName write SetFieldName;
    property Index: Integer read FIndex write SetIndex;
    property Lookup: Integer read FLookup write SetLookup;
    property LookupDataSet: Integer read FLookupDataSet write SetLookupDataSet;
    property LookupKeyFields: Integer read FLookupKeyFields write SetLookupKeyFields;
    property LookupResultField: Integer read FLookupResultField write SetLookupResultField;
    property KeyFields: Integer read FKeyFields write SetKeyFields;
    property ReadOnly: Boolean read FReadOnly write SetReadOnly;
    property Required: Boolean read FRequired write SetRequired;
    property Visible: Boolean read FVisible write SetVisible;
    property OnChange: TNotifyEvent read FOnChange write FOnChange;
    property OnGetText: TNotifyEvent read FOnGetText write FOnGetText;
    property OnSetText: TNotifyEvent read FOnSetText write FOnSetText;
    property OnValidate: TNotifyEvent read FOnValidate write FOnValidate;
  end;

  TStringField = class(TField)
  private
    FValue: string;
    FTransliterate: Integer;
    function GetValue: string;
    procedure SetValue(const Value: string);
    procedure SetTransliterate(const Value: Integer);
  public
    constructor Create(AOwner: TComponent); override;
    property Value: string read GetValue write SetValue;
  published
    property Transliterate: Integer read FTransliterate write SetTransliterate;
  end;

  TNumericField = class(TField)
  private
    FDisplayFormat: Integer;
    FEditFormat: Integer;
    procedure SetDisplayFormat(const Value: Integer);
    procedure SetEditFormat(const Value: Integer);
  public
    constructor Create(AOwner: TComponent); override;
  published
    property DisplayFormat: Integer read FDisplayFormat write SetDisplayFormat;
    property EditFormat: Integer read FEditFormat write SetEditFormat;
  end;

  TIntegerField = class(TNumericField)
  private
    FValue: string;
    FMaxValue: string;
    FMinValue: string;
    function GetValue: string;
    procedure SetValue(const Value: string);
    procedure SetMaxValue(const Value: string);
    procedure SetMinValue(const Value: string);
  public
    constructor Create(AOwner: TComponent); override;
    function IsValidChar: Boolean; override;
    property Value: string read GetValue write SetValue;
  published
    property MaxValue: string read FMaxValue write SetMaxValue;
    property MinValue: string read FMinValue write SetMinValue;
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
    FValue: string;
    FCurrency: Integer;
    FMaxValue: string;
    FMinValue: string;
    FPrecision: Integer;
    function GetValue: string;
    procedure SetValue(const Value: string);
    procedure SetCurrency(const Value: Integer);
    procedure SetMaxValue(const Value: string);
    procedure SetMinValue(const Value: string);
    procedure SetPrecision(const Value: Integer);
  public
    constructor Create(AOwner: TComponent); override;
    function IsValidChar: Boolean; override;
    property Value: string read GetValue write SetValue;
  published
    property Currency: Integer read FCurrency write SetCurrency;
    property MaxValue: string read FMaxValue write SetMaxValue;
    property MinValue: string read FMinValue write SetMinValue;
    property Precision: Integer read FPrecision write SetPrecision;
  end;

  TCurrencyField = class(TFloatField)
  public
    constructor Create(AOwner: TComponent); override;
  end;

  TBCDField = class(TNumericField)
  private
    FValue: string;
    FCurrency: Integer;
    FMaxValue: string;
    FMinValue: string;
    function GetValue: string;
    procedure SetValue(const Value: string);
    procedure SetCurrency(const Value: Integer);
    procedure SetMaxValue(const Value: string);
    procedure SetMinValue(const Value: string);
  public
    constructor Create(AOwner: TComponent); override;
    property Value: string read GetValue write SetValue;
  published
    property Currency: Integer read FCurrency write SetCurrency;
    property MaxValue: string read FMaxValue write SetMaxValue;
    property MinValue: string read FMinValue write SetMinValue;
  end;

  TBooleanField = class(TField)
  private
    FValue: string;
    FDisplayValues: Integer;
    function GetValue: string;
    procedure SetValue(const Value: string);
    procedure SetDisplayValues(const Value: Integer);
  public
    constructor Create(AOwner: TComponent); override;
    property Value: string read GetValue write SetValue;
  published
    property DisplayValues: Integer read FDisplayValues write SetDisplayValues;
  end;

  TDateTimeField = class(TField)
  private
    FValue: string;
    FDisplayFormat: Integer;
    function GetValue: string;
    procedure SetValue(const Value: string);
    procedure SetDisplayFormat(const Value: Integer);
  public
    constructor Create(AOwner: TComponent); override;
    property Value: string read GetValue write SetValue;
  published
    property DisplayFormat: Integer read FDisplayFormat write SetDisplayFormat;
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
  public
    constructor Create(AOwner: TComponent); override;
  end;

  TBytesField = class(TBinaryField)
  public
    constructor Create(AOwner: TComponent); override;
  end;

  TVarBytesField = class(TBinaryField)
  public
    constructor Create(AOwner: TComponent); override;
  end;

  TBlobField = class(TField)
  private
    FBlobSize: Integer;
    FModified: Boolean;
    FValue: string;
    FTransliterate: Integer;
    FBlobType: Integer;
    function GetBlobSize: Integer;
    procedure SetBlobSize(const Value: Integer);
    function GetModified: Boolean;
    procedure SetModified(const Value: Boolean);
    function GetValue: string;
    procedure SetValue(const Value: string);
    function GetTransliterate: Integer;
    procedure SetTransliterate(const Value: Integer);
    procedure SetBlobType(const Value: Integer);
  public
    constructor Create(AOwner: TComponent); override;
    procedure Assign(Source: TPersistent); override;
    procedure Clear; override;
    function IsBlob: Boolean; override;
    procedure LoadFromFile;
    procedure LoadFromStream;
    procedure SaveToFile;
    procedure SaveToStream;
    procedure SetFieldType; override;
    property BlobSize: Integer read GetBlobSize write SetBlobSize;
    property Modified: Boolean read GetModified write SetModified;
    property Value: string read GetValue write SetValue;
    property Transliterate: Integer read GetTransliterate write SetTransliterate;
  published
    property BlobType: Integer read FBlobType write SetBlobType;
  end;

  TMemoField = class(TBlobField)
  public
    constructor Create(AOwner: TComponent); override;
  end;

  TGraphicField = class(TBlobField)
  public
    constructor Create(AOwner: TComponent); override;
  end;

  TDataLink = class(TPersistent)
  private
    FActive: Boolean;
    FActiveRecord: Integer;
    FBufferCount: Integer;
    FDataSet: TDataSet;
    FDataSource: TDataSource;
    FDataSourceFixed: Integer;
    FEditing: Boolean;
    FReadOnly: Boolean;
    FRecordCount: Integer;
    function GetActive: Boolean;
    procedure SetActive(const Value: Boolean);
    function GetActiveRecord: Integer;
    procedure SetActiveRecord(const Value: Integer);
    function GetBufferCount: Integer;
    procedure SetBufferCount(const Value: Integer);
    function GetDataSet: TDataSet;
    procedure SetDataSet(const Value: TDataSet);
    function GetDataSource: TDataSource;
    procedure SetDataSource(const Value: TDataSource);
    function GetDataSourceFixed: Integer;
    procedure SetDataSourceFixed(const Value: Integer);
    function GetEditing: Boolean;
    procedure SetEditing(const Value: Boolean);
    function GetReadOnly: Boolean;
    procedure SetReadOnly(const Value: Boolean);
    function GetRecordCount: Integer;
    procedure SetRecordCount(const Value: Integer);
  public
    constructor Create;
    destructor Destroy; override;
    procedure Edit; virtual;
    procedure UpdateRecord;
    property Active: Boolean read GetActive write SetActive;
    property ActiveRecord: Integer read GetActiveRecord write SetActiveRecord;
    property BufferCount: Integer read GetBufferCount write SetBufferCount;
    property DataSet: TDataSet read GetDataSet write SetDataSet;
    property DataSource: TDataSource read GetDataSource write SetDataSource;
    property DataSourceFixed: Integer read GetDataSourceFixed write SetDataSourceFixed;
    property Editing: Boolean read GetEditing write SetEditing;
    property ReadOnly: Boolean read GetReadOnly write SetReadOnly;
    property RecordCount: Integer read GetRecordCount write SetRecordCount;
  end;

  TDataSource = class(TComponent)
  private
    FState: Integer;
    FAutoEdit: Boolean;
    FDataSet: TDataSet;
    FEnabled: Boolean;
    FOnStateChange: TNotifyEvent;
    FOnDataChange: TNotifyEvent;
    FOnUpdateData: TNotifyEvent;
    function GetState: Integer;
    procedure SetState(const Value: Integer);
    procedure SetAutoEdit(const Value: Boolean);
    procedure SetDataSet(const Value: TDataSet);
    procedure SetEnabled(const Value: Boolean);
  protected
    procedure SignalStateChange; dynamic;
    procedure SignalDataChange; dynamic;
    procedure SignalUpdateData; dynamic;
  public
    constructor Create(AOwner: TComponent); override;
    destructor Destroy; override;
    procedure Edit;
    function IsLinkedTo: Boolean;
    property State: Integer read GetState write SetState;
  published
    property AutoEdit: Boolean read FAutoEdit write SetAutoEdit;
    property DataSet: TDataSet read FDataSet write SetDataSet;
    property Enabled: Boolean read FEnabled write SetEnabled;
    property OnStateChange: TNotifyEvent read FOnStateChange write FOnStateChange;
    property OnDataChange: TNotifyEvent read FOnDataChange write FOnDataChange;
    property OnUpdateData: TNotifyEvent read FOnUpdateData write FOnUpdateData;
  end;

  TDataSetDesigner = class
  private
    FDataSet: TDataSet;
    FChangeCount: Integer;
    function GetDataSet: TDataSet;
    procedure SetDataSet(const Value: TDataSet);
  protected
    procedure StateChanged; virtual;
  public
    constructor Create;
    destructor Destroy; override;
    procedure BeginDesign;
    procedure DataEvent;
    procedure EndDesign;
    property DataSet: TDataSet read GetDataSet write SetDataSet;
  end;

  TDataSet = class(TComponent)
  private
    FBOF: Integer;
    FBookmark: Integer;
    FCanModify: Boolean;
    FDataSource: TDataSource;
    FDefaultFields: Integer;
    FEOF: Integer;
    FFieldCount: Integer;
    FFieldDefs: Integer;
    FFields: Integer;
    FFieldValues: Integer;
    FFound: Boolean;
    FModified: Boolean;
    FRecordCount: Integer;
    FRecNo: Integer;
    FRecordSize: Integer;
    FState: Integer;
    FFilter: string;
    FFiltered: Integer;
    FFilterOptions: Integer;
    FActive: Boolean;
    FAutoCalcFields: Boolean;
    FBeforeOpen: Integer;
    FAfterOpen: Integer;
    FBeforeClose: Integer;
    FAfterClose: Integer;
    FBeforeInsert: Integer;
    FAfterInsert: Integer;
    FBeforeEdit: Integer;
    FAfterEdit: Integer;
    FBeforePost: Integer;
    FAfterPost: Integer;
    FBeforeCancel: Integer;
    FAfterCancel: Integer;
    FBeforeDelete: Integer;
    FAfterDelete: Integer;
    FOnNewRecord: TNotifyEvent;
    FOnCalcFields: TNotifyEvent;
    FOnEditError: TNotifyEvent;
    FOnPostError: TNotifyEvent;
    FOnDeleteError: TNotifyEvent;
    FOnFilterRecord: TNotifyEvent;
    function GetBOF: Integer;
    procedure SetBOF(const Value: Integer);
    function GetBookmarkValue: Integer;
    procedure SetBookmark(const Value: Integer);
    function GetCanModify: Boolean;
    procedure SetCanModify(const Value: Boolean);
    function GetDataSource: TDataSource;
    procedure SetDataSource(const Value: TDataSource);
    function GetDefaultFields: Integer;
    procedure SetDefaultFields(const Value: Integer);
    function GetEOF: Integer;
    procedure SetEOF(const Value: Integer);
    function GetFieldCount: Integer;
    procedure SetFieldCount(const Value: Integer);
    function GetFieldDefs: Integer;
    procedure SetFieldDefs(const Value: Integer);
    function GetFields: Integer;
    procedure SetFieldsValue(const Value: Integer);
    function GetFieldValues: Integer;
    procedure SetFieldValues(const Value: Integer);
    function GetFound: Boolean;
    procedure SetFound(const Value: Boolean);
    function GetModified: Boolean;
    procedure SetModified(const Value: Boolean);
    function GetRecordCount: Integer;
    procedure SetRecordCount(const Value: Integer);
    function GetRecNo: Integer;
    procedure SetRecNo(const Value: Integer);
    function GetRecordSize: Integer;
    procedure SetRecordSize(const Value: Integer);
    function GetState: Integer;
    procedure SetState(const Value: Integer);
    function GetFilter: string;
    procedure SetFilter(const Value: string);
    function GetFiltered: Integer;
    procedure SetFiltered(const Value: Integer);
    function GetFilterOptions: Integer;
    procedure SetFilterOptions(const Value: Integer);
    function GetActive: Boolean;
    procedure SetActive(const Value: Boolean);
    function GetAutoCalcFields: Boolean;
    procedure SetAutoCalcFields(const Value: Boolean);
    function GetBeforeOpen: Integer;
    procedure SetBeforeOpen(const Value: Integer);
    function GetAfterOpen: Integer;
    procedure SetAfterOpen(const Value: Integer);
    function GetBeforeClose: Integer;
    procedure SetBeforeClose(const Value: Integer);
    function GetAfterClose: Integer;
    procedure SetAfterClose(const Value: Integer);
    function GetBeforeInsert: Integer;
    procedure SetBeforeInsert(const Value: Integer);
    function GetAfterInsert: Integer;
    procedure SetAfterInsert(const Value: Integer);
    function GetBeforeEdit: Integer;
    procedure SetBeforeEdit(const Value: Integer);
    function GetAfterEdit: Integer;
    procedure SetAfterEdit(const Value: Integer);
    function GetBeforePost: Integer;
    procedure SetBeforePost(const Value: Integer);
    function GetAfterPost: Integer;
    procedure SetAfterPost(const Value: Integer);
    function GetBeforeCancel: Integer;
    procedure SetBeforeCancel(const Value: Integer);
    function GetAfterCancel: Integer;
    procedure SetAfterCancel(const Value: Integer);
    function GetBeforeDelete: Integer;
    procedure SetBeforeDelete(const Value: Integer);
    function GetAfterDelete: Integer;
    procedure SetAfterDelete(const Value: Integer);
  protected
    procedure SignalNewRecord; dynamic;
    procedure SignalCalcFields; dynamic;
    procedure SignalEditError; dynamic;
    procedure SignalPostError; dynamic;
    procedure SignalDeleteError; dynamic;
    procedure SignalFilterRecord; dynamic;
  public
    constructor Create(AOwner: TComponent); override;
    destructor Destroy; override;
    procedure ActiveBuffer;
    procedure Append;
    procedure AppendRecord;
    function Cancel: Boolean;
    procedure CheckBrowseMode;
    procedure ClearFields;
    procedure Close;
    procedure ControlsDisabled;
    procedure CursorPosChanged;
    procedure Delete;
    procedure DisableControls;
    procedure Edit;
    procedure EnableControls;
    procedure FieldByName;
    function FindField: Boolean;
    function FindFirst: Boolean;
    function FindLast: Boolean;
    function FindNext: Boolean;
    function FindPrior: Boolean;
    procedure First;
    procedure FreeBookmark;
    function GetBookmark: Integer;
    function GetCurrentRecord: Integer;
    function GetFieldList: Integer;
    function GetFieldNames: Integer;
    procedure GotoBookmark;
    procedure Insert;
    procedure InsertRecord;
    function IsLinkedTo: Boolean;
    procedure Last;
    function Locate: Boolean;
    procedure Lookup;
    procedure MoveBy;
    procedure Next;
    procedure Open;
    procedure Post;
    procedure Prior;
    procedure Refresh;
    procedure Resync;
    procedure SetFields;
    procedure UpdateCursorPos;
    procedure UpdateRecord;
    property BOF: Integer read GetBOF write SetBOF;
    property Bookmark: Integer read GetBookmarkValue write SetBookmark;
    property CanModify: Boolean read GetCanModify write SetCanModify;
    property DataSource: TDataSource read GetDataSource write SetDataSource;
    property DefaultFields: Integer read GetDefaultFields write SetDefaultFields;
    property EOF: Integer read GetEOF write SetEOF;
    property FieldCount: Integer read GetFieldCount write SetFieldCount;
    property FieldDefs: Integer read GetFieldDefs write SetFieldDefs;
    property Fields: Integer read GetFields write SetFieldsValue;
    property FieldValues: Integer read GetFieldValues write SetFieldValues;
    property Found: Boolean read GetFound write SetFound;
    property Modified: Boolean read GetModified write SetModified;
    property RecordCount: Integer read GetRecordCount write SetRecordCount;
    property RecNo: Integer read GetRecNo write SetRecNo;
    property RecordSize: Integer read GetRecordSize write SetRecordSize;
    property State: Integer read GetState write SetState;
    property Filter: string read GetFilter write SetFilter;
    property Filtered: Integer read GetFiltered write SetFiltered;
    property FilterOptions: Integer read GetFilterOptions write SetFilterOptions;
    property Active: Boolean read GetActive write SetActive;
    property AutoCalcFields: Boolean read GetAutoCalcFields write SetAutoCalcFields;
    property BeforeOpen: Integer read GetBeforeOpen write SetBeforeOpen;
    property AfterOpen: Integer read GetAfterOpen write SetAfterOpen;
    property BeforeClose: Integer read GetBeforeClose write SetBeforeClose;
    property AfterClose: Integer read GetAfterClose write SetAfterClose;
    property BeforeInsert: Integer read GetBeforeInsert write SetBeforeInsert;
    property AfterInsert: Integer read GetAfterInsert write SetAfterInsert;
    property BeforeEdit: Integer read GetBeforeEdit write SetBeforeEdit;
    property AfterEdit: Integer read GetAfterEdit write SetAfterEdit;
    property BeforePost: Integer read GetBeforePost write SetBeforePost;
    property AfterPost: Integer read GetAfterPost write SetAfterPost;
    property BeforeCancel: Integer read GetBeforeCancel write SetBeforeCancel;
    property AfterCancel: Integer read GetAfterCancel write SetAfterCancel;
    property BeforeDelete: Integer read GetBeforeDelete write SetBeforeDelete;
    property AfterDelete: Integer read GetAfterDelete write SetAfterDelete;
    property OnNewRecord: TNotifyEvent read FOnNewRecord write FOnNewRecord;
    property OnCalcFields: TNotifyEvent read FOnCalcFields write FOnCalcFields;
    property OnEditError: TNotifyEvent read FOnEditError write FOnEditError;
    property OnPostError: TNotifyEvent read FOnPostError write FOnPostError;
    property OnDeleteError: TNotifyEvent read FOnDeleteError write FOnDeleteError;
    property OnFilterRecord: TNotifyEvent read FOnFilterRecord write FOnFilterRecord;
  end;

implementation

// Method bodies, class by class, in the order of the declarations above.

{ TFieldDef }

function TFieldDef.GetBDECalcField: Integer;
begin
  Result := FBDECalcField;
end;

procedure TFieldDef.SetBDECalcField(const Value: Integer);
begin
  if FBDECalcField <> Value then
  begin
    FBDECalcField := Value;
    StateChanged;
  end;
end;

function TFieldDef.GetDataType: Integer;
begin
  Result := FDataType;
end;

procedure TFieldDef.SetDataType(const Value: Integer);
begin
  if FDataType <> Value then
  begin
    FDataType := Value;
    StateChanged;
  end;
end;

function TFieldDef.GetFieldClass: Integer;
begin
  Result := FFieldClass;
end;

procedure TFieldDef.SetFieldClass(const Value: Integer);
begin
  if FFieldClass <> Value then
  begin
    FFieldClass := Value;
    StateChanged;
  end;
end;

function TFieldDef.GetFieldNo: Integer;
begin
  Result := FFieldNo;
end;

procedure TFieldDef.SetFieldNo(const Value: Integer);
begin
  if FFieldNo <> Value then
  begin
    FFieldNo := Value;
    StateChanged;
  end;
end;

function TFieldDef.GetName: string;
begin
  Result := FName;
end;

procedure TFieldDef.SetName(const Value: string);
begin
  if FName <> Value then
  begin
    FName := Value;
    StateChanged;
  end;
end;

function TFieldDef.GetRequired: Boolean;
begin
  Result := FRequired;
end;

procedure TFieldDef.SetRequired(const Value: Boolean);
begin
  if FRequired <> Value then
  begin
    FRequired := Value;
    StateChanged;
  end;
end;

function TFieldDef.GetSize: Integer;
begin
  Result := FSize;
end;

procedure TFieldDef.SetSize(const Value: Integer);
begin
  if FSize <> Value then
  begin
    FSize := Value;
    StateChanged;
  end;
end;

procedure TFieldDef.StateChanged;
begin
  Inc(FChangeCount);
end;

constructor TFieldDef.Create;
begin
  inherited Create;
end;

destructor TFieldDef.Destroy;
begin
  FieldClass := 0;
  inherited Destroy;
end;

procedure TFieldDef.CreateField;
begin
  if FName = '' then
    FName := ClassName + '''s createfield'
  else
    FName := Trim(FName);
end;

{ TFieldDefs }

function TFieldDefs.GetCount: Integer;
begin
  Result := FCount;
end;

procedure TFieldDefs.SetCount(const Value: Integer);
begin
  if FCount <> Value then
  begin
    FCount := Value;
    StateChanged;
  end;
end;

function TFieldDefs.GetItems: TStrings;
begin
  Result := FItems;
end;

procedure TFieldDefs.SetItems(const Value: TStrings);
begin
  FItems.Assign(Value);
  StateChanged;
end;

procedure TFieldDefs.StateChanged;
begin
  Inc(FChangeCount);
end;

constructor TFieldDefs.Create;
begin
  inherited Create;
  FItems := TStringList.Create;
end;

destructor TFieldDefs.Destroy;
begin
  FItems.Free;
  inherited Destroy;
end;

procedure TFieldDefs.Add;
var
  Pass: Integer;
begin
  for Pass := 1 to Count do
    Assign;
end;

procedure TFieldDefs.Assign;
var
  Pass: Integer;
begin
  for Pass := 1 to Count do
    Find;
end;

procedure TFieldDefs.Clear;
var
  Pass: Integer;
begin
  for Pass := 1 to FCount do
    Add;
end;

procedure TFieldDefs.Find;
var
  Pass: Integer;
begin
  for Pass := 1 to Count do
    Update;
end;

procedure TFieldDefs.IndexOf;
var
  Pass: Integer;
begin
  for Pass := 1 to FChangeCount do
    Clear;
end;

procedure TFieldDefs.Update;
var
  Pass: Integer;
begin
  for Pass := 1 to FCount do
    IndexOf;
end;

{ TIndexDef }

function TIndexDef.GetExpression: Integer;
begin
  Result := FExpression;
end;

procedure TIndexDef.SetExpression(const Value: Integer);
begin
  if FExpression <> Value then
  begin
    FExpression := Value;
    StateChanged;
  end;
end;

function TIndexDef.GetFields: Integer;
begin
  Result := FFields;
end;

procedure TIndexDef.SetFields(const Value: Integer);
begin
  if FFields <> Value then
  begin
    FFields := Value;
    StateChanged;
  end;
end;

function TIndexDef.GetName: string;
begin
  Result := FName;
end;

procedure TIndexDef.SetName(const Value: string);
begin
  if FName <> Value then
  begin
    FName := Value;
    StateChanged;
  end;
end;

function TIndexDef.GetOptions: Integer;
begin
  Result := FOptions;
end;

procedure TIndexDef.SetOptions(const Value: Integer);
begin
  if FOptions <> Value then
  begin
    FOptions := Value;
    StateChanged;
  end;
end;

function TIndexDef.GetSource: Integer;
begin
  Result := FSource;
end;

procedure TIndexDef.SetSource(const Value: Integer);
begin
  if FSource <> Value then
  begin
    FSource := Value;
    StateChanged;
  end;
end;

procedure TIndexDef.StateChanged;
begin
  Inc(FChangeCount);
end;

constructor TIndexDef.Create;
begin
  inherited Create;
end;

destructor TIndexDef.Destroy;
begin
  Source := 0;
  inherited Destroy;
end;

{ TIndexDefs }

function TIndexDefs.GetCount: Integer;
begin
  Result := FCount;
end;

procedure TIndexDefs.SetCount(const Value: Integer);
begin
  if FCount <> Value then
  begin
    FCount := Value;
    StateChanged;
  end;
end;

function TIndexDefs.GetItems: TStrings;
begin
  Result := FItems;
end;

procedure TIndexDefs.SetItems(const Value: TStrings);
begin
  FItems.Assign(Value);
  StateChanged;
end;

function TIndexDefs.GetUpdated: Integer;
begin
  Result := FUpdated;
end;

procedure TIndexDefs.SetUpdated(const Value: Integer);
begin
  if FUpdated <> Value then
  begin
    FUpdated := Value;
    StateChanged;
  end;
end;

procedure TIndexDefs.StateChanged;
begin
  Inc(FChangeCount);
end;

constructor TIndexDefs.Create;
begin
  inherited Create;
  FItems := TStringList.Create;
end;

destructor TIndexDefs.Destroy;
begin
  FItems.Free;
  inherited Destroy;
end;

procedure TIndexDefs.Add;
var
  Pass: Integer;
begin
  for Pass := 1 to Count do
    IndexOf;
end;

procedure TIndexDefs.Assign;
var
  Pass: Integer;
begin
  for Pass := 1 to FUpdated do
    Clear;
end;

procedure TIndexDefs.Clear;
var
  Pass: Integer;
begin
  for Pass := 1 to FUpdated do
    Assign;
end;

function TIndexDefs.FindIndexForFields: Boolean;
begin
  Result := Self <> nil;
end;

function TIndexDefs.GetIndexForFields: Integer;
begin
  Result := Count * 2;
end;

procedure TIndexDefs.IndexOf;
var
  Pass: Integer;
begin
  for Pass := 1 to FUpdated do
    Clear;
end;

procedure TIndexDefs.Update;
var
  Pass: Integer;
begin
  for Pass := 1 to FUpdated do
    Add;
end;

{ TField }

function TField.GetAsBoolean: Integer;
begin
  Result := FAsBoolean;
end;

procedure TField.SetAsBoolean(const Value: Integer);
begin
  if FAsBoolean <> Value then
  begin
    FAsBoolean := Value;
    StateChanged;
  end;
end;

function TField.GetAsCurrency: Integer;
begin
  Result := FAsCurrency;
end;

procedure TField.SetAsCurrency(const Value: Integer);
begin
  if FAsCurrency <> Value then
  begin
    FAsCurrency := Value;
    StateChanged;
  end;
end;

function TField.GetAsDateTime: TDateTime;
begin
  Result := FAsDateTime;
end;

procedure TField.SetAsDateTime(const Value: TDateTime);
begin
  if FAsDateTime <> Value then
  begin
    FAsDateTime := Value;
    StateChanged;
  end;
end;

function TField.GetAsFloat: Integer;
begin
  Result := FAsFloat;
end;

procedure TField.SetAsFloat(const Value: Integer);
begin
  if FAsFloat <> Value then
  begin
    FAsFloat := Value;
    StateChanged;
  end;
end;

function TField.GetAsInteger: Integer;
begin
  Result := FAsInteger;
end;

procedure TField.SetAsInteger(const Value: Integer);
begin
  if FAsInteger <> Value then
  begin
    FAsInteger := Value;
    StateChanged;
  end;
end;

function TField.GetAsString: Integer;
begin
  Result := FAsString;
end;

procedure TField.SetAsString(const Value: Integer);
begin
  if FAsString <> Value then
  begin
    FAsString := Value;
    StateChanged;
  end;
end;

function TField.GetAsVariant: Integer;
begin
  Result := FAsVariant;
end;

procedure TField.SetAsVariant(const Value: Integer);
begin
  if FAsVariant <> Value then
  begin
    FAsVariant := Value;
    StateChanged;
  end;
end;

function TField.GetAttributeSet: Integer;
begin
  Result := FAttributeSet;
end;

procedure TField.SetAttributeSet(const Value: Integer);
begin
  if FAttributeSet <> Value then
  begin
    FAttributeSet := Value;
    StateChanged;
  end;
end;

function TField.GetBDECalcField: Integer;
begin
  Result := FBDECalcField;
end;

procedure TField.SetBDECalcField(const Value: Integer);
begin
  if FBDECalcField <> Value then
  begin
    FBDECalcField := Value;
    StateChanged;
  end;
end;

function TField.GetCanModify: Boolean;
begin
  Result := FCanModify;
end;

procedure TField.SetCanModify(const Value: Boolean);
begin
  if FCanModify <> Value then
  begin
    FCanModify := Value;
    StateChanged;
  end;
end;

function TField.GetDataSet: TDataSet;
begin
  Result := FDataSet;
end;

procedure TField.SetDataSet(const Value: TDataSet);
begin
  if FDataSet <> Value then
  begin
    FDataSet := Value;
    StateChanged;
  end;
end;

function TField.GetDataSize: Integer;
begin
  Result := FDataSize;
end;

procedure TField.SetDataSize(const Value: Integer);
begin
  if FDataSize <> Value then
  begin
    FDataSize := Value;
    StateChanged;
  end;
end;

function TField.GetDataType: Integer;
begin
  Result := FDataType;
end;

procedure TField.SetDataType(const Value: Integer);
begin
  if FDataType <> Value then
  begin
    FDataType := Value;
    StateChanged;
  end;
end;

function TField.GetDisplayName: string;
begin
  Result := FDisplayName;
end;

procedure TField.SetDisplayName(const Value: string);
begin
  if FDisplayName <> Value then
  begin
    FDisplayName := Value;
    StateChanged;
  end;
end;

function TField.GetDisplayText: string;
begin
  Result := FDisplayText;
end;

procedure TField.SetDisplayText(const Value: string);
begin
  if FDisplayText <> Value then
  begin
    FDisplayText := Value;
    StateChanged;
  end;
end;

function TField.GetEditMask: string;
begin
  Result := FEditMask;
end;

procedure TField.SetEditMask(const Value: string);
begin
  if FEditMask <> Value then
  begin
    FEditMask := Value;
    StateChanged;
  end;
end;

function TField.GetEditMaskPtr: Integer;
begin
  Result := FEditMaskPtr;
end;

procedure TField.SetEditMaskPtr(const Value: Integer);
begin
  if FEditMaskPtr <> Value then
  begin
    FEditMaskPtr := Value;
    StateChanged;
  end;
end;

function TField.GetFieldNo: Integer;
begin
  Result := FFieldNo;
end;

procedure TField.SetFieldNo(const Value: Integer);
begin
  if FFieldNo <> Value then
  begin
    FFieldNo := Value;
    StateChanged;
  end;
end;

function TField.GetIsIndexField: Boolean;
begin
  Result := FIsIndexField;
end;

procedure TField.SetIsIndexField(const Value: Boolean);
begin
  if FIsIndexField <> Value then
  begin
    FIsIndexField := Value;
    StateChanged;
  end;
end;

function TField.GetIsNull: Boolean;
begin
  Result := FIsNull;
end;

procedure TField.SetIsNull(const Value: Boolean);
begin
  if FIsNull <> Value then
  begin
    FIsNull := Value;
    StateChanged;
  end;
end;

function TField.GetNewValue: string;
begin
  Result := FNewValue;
end;

procedure TField.SetNewValue(const Value: string);
begin
  if FNewValue <> Value then
  begin
    FNewValue := Value;
    StateChanged;
  end;
end;

function TField.GetOffset: Integer;
begin
  Result := FOffset;
end;

procedure TField.SetOffset(const Value: Integer);
begin
  if FOffset <> Value then
  begin
    FOffset := Value;
    StateChanged;
  end;
end;

function TField.GetOldValue: string;
begin
  Result := FOldValue;
end;

procedure TField.SetOldValue(const Value: string);
begin
  if FOldValue <> Value then
  begin
    FOldValue := Value;
    StateChanged;
  end;
end;

function TField.GetSize: Integer;
begin
  Result := FSize;
end;

procedure TField.SetSize(const Value: Integer);
begin
  if FSize <> Value then
  begin
    FSize := Value;
    StateChanged;
  end;
end;

function TField.GetText: string;
begin
  Result := FText;
end;

procedure TField.SetText(const Value: string);
begin
  if FText <> Value then
  begin
    FText := Value;
    StateChanged;
  end;
end;

function TField.GetValue: string;
begin
  Result := FValue;
end;

procedure TField.SetValue(const Value: string);
begin
  if FValue <> Value then
  begin
    FValue := Value;
    StateChanged;
  end;
end;

procedure TField.SetAlignment(const Value: TAlignment);
begin
  if FAlignment <> Value then
  begin
    FAlignment := Value;
    StateChanged;
  end;
end;

procedure TField.SetCalculated(const Value: Boolean);
begin
  if FCalculated <> Value then
  begin
    FCalculated := Value;
    StateChanged;
  end;
end;

procedure TField.SetDisplayLabel(const Value: Integer);
begin
  if FDisplayLabel <> Value then
  begin
    FDisplayLabel := Value;
    StateChanged;
  end;
end;

procedure TField.SetDisplayWidth(const Value: Integer);
begin
  if FDisplayWidth <> Value then
  begin
    FDisplayWidth := Value;
    StateChanged;
  end;
end;

procedure TField.SetFieldName(const Value: string);
begin
  if FFieldName <> Value then
  begin
    FFieldName := Value;
    StateChanged;
  end;
end;

procedure TField.SetIndex(const Value: Integer);
begin
  if FIndex <> Value then
  begin
    FIndex := Value;
    StateChanged;
  end;
end;

procedure TField.SetLookup(const Value: Integer);
begin
  if FLookup <> Value then
  begin
    FLookup := Value;
    StateChanged;
  end;
end;

procedure TField.SetLookupDataSet(const Value: Integer);
begin
  if FLookupDataSet <> Value then
  begin
    FLookupDataSet := Value;
    StateChanged;
  end;
end;

procedure TField.SetLookupKeyFields(const Value: Integer);
begin
  if FLookupKeyFields <> Value then
  begin
    FLookupKeyFields := Value;
    StateChanged;
  end;
end;

procedure TField.SetLookupResultField(const Value: Integer);
begin
  if FLookupResultField <> Value then
  begin
    FLookupResultField := Value;
    StateChanged;
  end;
end;

procedure TField.SetKeyFields(const Value: Integer);
begin
  if FKeyFields <> Value then
  begin
    FKeyFields := Value;
    StateChanged;
  end;
end;

procedure TField.SetReadOnly(const Value: Boolean);
begin
  if FReadOnly <> Value then
  begin
    FReadOnly := Value;
    StateChanged;
  end;
end;

procedure TField.SetRequired(const Value: Boolean);
begin
  if FRequired <> Value then
  begin
    FRequired := Value;
    StateChanged;
  end;
end;

procedure TField.SetVisible(const Value: Boolean);
begin
  if FVisible <> Value then
  begin
    FVisible := Value;
    StateChanged;
  end;
end;

procedure TField.SignalChange;
begin
  if Assigned(FOnChange) then
    FOnChange(Self);
end;

procedure TField.SignalGetText;
begin
  if Assigned(FOnGetText) then
    FOnGetText(Self);
end;

procedure TField.SignalSetText;
begin
  if Assigned(FOnSetText) then
    FOnSetText(Self);
end;

procedure TField.SignalValidate;
begin
  if Assigned(FOnValidate) then
    FOnValidate(Self);
end;

constructor TField.Create(AOwner: TComponent);
begin
  inherited Create(AOwner);
end;

destructor TField.Destroy;
begin
  AsInteger := 0;
  inherited Destroy;
end;

procedure TField.Assign(Source: TPersistent);
begin
  inherited Assign(Source);
  AsBoolean := AsBoolean + 1;
end;

procedure TField.AssignValue;
begin
  if not CanModify then
    Exit;
  AsBoolean := AsBoolean + 1;
  StateChanged;
end;

procedure TField.Clear;
begin
  if EditMask = '' then
    EditMask := ClassName + '''s clear'
  else
    EditMask := Trim(EditMask);
end;

procedure TField.FocusControl;
var
  Pass: Integer;
begin
  for Pass := 1 to AsFloat do
    Clear;
end;

function TField.GetData: Integer;
begin
  Result := Length(EditMask);
end;

function TField.IsBlob: Boolean;
begin
  Result := (AsCurrency > 0) and IsIndexField;
end;

function TField.IsValidChar: Boolean;
begin
  Result := (AsInteger > 0) and Calculated;
end;

procedure TField.SetData;
begin
  Calculated := not Calculated;
  if Calculated then
    SetFieldType;
end;

procedure TField.SetFieldType;
begin
  if not CanModify then
    Exit;
  AsCurrency := AsCurrency + 1;
  StateChanged;
end;

{ TStringField }

function TStringField.GetValue: string;
begin
  Result := FValue;
end;

procedure TStringField.SetValue(const Value: string);
begin
  if FValue <> Value then
  begin
    FValue := Value;
    StateChanged;
  end;
end;

procedure TStringField.SetTransliterate(const Value: Integer);
begin
  if FTransliterate <> Value then
  begin
    FTransliterate := Value;
    StateChanged;
  end;
end;

constructor TStringField.Create(AOwner: TComponent);
begin
  inherited Create(AOwner);
end;

{ TNumericField }

procedure TNumericField.SetDisplayFormat(const Value: Integer);
begin
  if FDisplayFormat <> Value then
  begin
    FDisplayFormat := Value;
    StateChanged;
  end;
end;

procedure TNumericField.SetEditFormat(const Value: Integer);
begin
  if FEditFormat <> Value then
  begin
    FEditFormat := Value;
    StateChanged;
  end;
end;

constructor TNumericField.Create(AOwner: TComponent);
begin
  inherited Create(AOwner);
end;

{ TIntegerField }

function TIntegerField.GetValue: string;
begin
  Result := FValue;
end;

procedure TIntegerField.SetValue(const Value: string);
begin
  if FValue <> Value then
  begin
    FValue := Value;
    StateChanged;
  end;
end;

procedure TIntegerField.SetMaxValue(const Value: string);
begin
  if FMaxValue <> Value then
  begin
    FMaxValue := Value;
    StateChanged;
  end;
end;

procedure TIntegerField.SetMinValue(const Value: string);
begin
  if FMinValue <> Value then
  begin
    FMinValue := Value;
    StateChanged;
  end;
end;

constructor TIntegerField.Create(AOwner: TComponent);
begin
  inherited Create(AOwner);
end;

function TIntegerField.IsValidChar: Boolean;
begin
  Result := inherited IsValidChar;
end;

{ TSmallintField }

constructor TSmallintField.Create(AOwner: TComponent);
begin
  inherited Create(AOwner);
end;

{ TWordField }

constructor TWordField.Create(AOwner: TComponent);
begin
  inherited Create(AOwner);
end;

{ TAutoIncField }

constructor TAutoIncField.Create(AOwner: TComponent);
begin
  inherited Create(AOwner);
end;

{ TFloatField }

function TFloatField.GetValue: string;
begin
  Result := FValue;
end;

procedure TFloatField.SetValue(const Value: string);
begin
  if FValue <> Value then
  begin
    FValue := Value;
    StateChanged;
  end;
end;

procedure TFloatField.SetCurrency(const Value: Integer);
begin
  if FCurrency <> Value then
  begin
    FCurrency := Value;
    StateChanged;
  end;
end;

procedure TFloatField.SetMaxValue(const Value: string);
begin
  if FMaxValue <> Value then
  begin
    FMaxValue := Value;
    StateChanged;
  end;
end;

procedure TFloatField.SetMinValue(const Value: string);
begin
  if FMinValue <> Value then
  begin
    FMinValue := Value;
    StateChanged;
  end;
end;

procedure TFloatField.SetPrecision(const Value: Integer);
begin
  if FPrecision <> Value then
  begin
    FPrecision := Value;
    StateChanged;
  end;
end;

constructor TFloatField.Create(AOwner: TComponent);
begin
  inherited Create(AOwner);
end;

function TFloatField.IsValidChar: Boolean;
begin
  Result := inherited IsValidChar;
end;

{ TCurrencyField }

constructor TCurrencyField.Create(AOwner: TComponent);
begin
  inherited Create(AOwner);
end;

{ TBCDField }

function TBCDField.GetValue: string;
begin
  Result := FValue;
end;

procedure TBCDField.SetValue(const Value: string);
begin
  if FValue <> Value then
  begin
    FValue := Value;
    StateChanged;
  end;
end;

procedure TBCDField.SetCurrency(const Value: Integer);
begin
  if FCurrency <> Value then
  begin
    FCurrency := Value;
    StateChanged;
  end;
end;

procedure TBCDField.SetMaxValue(const Value: string);
begin
  if FMaxValue <> Value then
  begin
    FMaxValue := Value;
    StateChanged;
  end;
end;

procedure TBCDField.SetMinValue(const Value: string);
begin
  if FMinValue <> Value then
  begin
    FMinValue := Value;
    StateChanged;
  end;
end;

constructor TBCDField.Create(AOwner: TComponent);
begin
  inherited Create(AOwner);
end;

{ TBooleanField }

function TBooleanField.GetValue: string;
begin
  Result := FValue;
end;

procedure TBooleanField.SetValue(const Value: string);
begin
  if FValue <> Value then
  begin
    FValue := Value;
    StateChanged;
  end;
end;

procedure TBooleanField.SetDisplayValues(const Value: Integer);
begin
  if FDisplayValues <> Value then
  begin
    FDisplayValues := Value;
    StateChanged;
  end;
end;

constructor TBooleanField.Create(AOwner: TComponent);
begin
  inherited Create(AOwner);
end;

{ TDateTimeField }

function TDateTimeField.GetValue: string;
begin
  Result := FValue;
end;

procedure TDateTimeField.SetValue(const Value: string);
begin
  if FValue <> Value then
  begin
    FValue := Value;
    StateChanged;
  end;
end;

procedure TDateTimeField.SetDisplayFormat(const Value: Integer);
begin
  if FDisplayFormat <> Value then
  begin
    FDisplayFormat := Value;
    StateChanged;
  end;
end;

constructor TDateTimeField.Create(AOwner: TComponent);
begin
  inherited Create(AOwner);
end;

{ TDateField }

constructor TDateField.Create(AOwner: TComponent);
begin
  inherited Create(AOwner);
end;

{ TTimeField }

constructor TTimeField.Create(AOwner: TComponent);
begin
  inherited Create(AOwner);
end;

{ TBinaryField }

constructor TBinaryField.Create(AOwner: TComponent);
begin
  inherited Create(AOwner);
end;

{ TBytesField }

constructor TBytesField.Create(AOwner: TComponent);
begin
  inherited Create(AOwner);
end;

{ TVarBytesField }

constructor TVarBytesField.Create(AOwner: TComponent);
begin
  inherited Create(AOwner);
end;

{ TBlobField }

function TBlobField.GetBlobSize: Integer;
begin
  Result := FBlobSize;
end;

procedure TBlobField.SetBlobSize(const Value: Integer);
begin
  if FBlobSize <> Value then
  begin
    FBlobSize := Value;
    StateChanged;
  end;
end;

function TBlobField.GetModified: Boolean;
begin
  Result := FModified;
end;

procedure TBlobField.SetModified(const Value: Boolean);
begin
  if FModified <> Value then
  begin
    FModified := Value;
    StateChanged;
  end;
end;

function TBlobField.GetValue: string;
begin
  Result := FValue;
end;

procedure TBlobField.SetValue(const Value: string);
begin
  if FValue <> Value then
  begin
    FValue := Value;
    StateChanged;
  end;
end;

function TBlobField.GetTransliterate: Integer;
begin
  Result := FTransliterate;
end;

procedure TBlobField.SetTransliterate(const Value: Integer);
begin
  if FTransliterate <> Value then
  begin
    FTransliterate := Value;
    StateChanged;
  end;
end;

procedure TBlobField.SetBlobType(const Value: Integer);
begin
  if FBlobType <> Value then
  begin
    FBlobType := Value;
    StateChanged;
  end;
end;

constructor TBlobField.Create(AOwner: TComponent);
begin
  inherited Create(AOwner);
end;

procedure TBlobField.Assign(Source: TPersistent);
begin
  inherited Assign(Source);
  BlobType := BlobType + 1;
end;

procedure TBlobField.Clear;
begin
  inherited Clear;
  BlobSize := BlobSize + 1;
end;

function TBlobField.IsBlob: Boolean;
begin
  Result := inherited IsBlob;
end;

procedure TBlobField.LoadFromFile;
begin
  if DisplayName = '' then
    DisplayName := ClassName + '''s loadfromfile'
  else
    DisplayName := Trim(DisplayName);
end;

procedure TBlobField.LoadFromStream;
begin
  if not Modified then
    Exit;
  BlobSize := BlobSize + 1;
  StateChanged;
end;

procedure TBlobField.SaveToFile;
begin
  if DisplayName = '' then
    DisplayName := ClassName + '''s savetofile'
  else
    DisplayName := Trim(DisplayName);
end;

procedure TBlobField.SaveToStream;
begin
  IsIndexField := not IsIndexField;
  if IsIndexField then
    SaveToFile;
end;

procedure TBlobField.SetFieldType;
begin
  inherited SetFieldType;
  BlobType := BlobType + 1;
end;

{ TMemoField }

constructor TMemoField.Create(AOwner: TComponent);
begin
  inherited Create(AOwner);
end;

{ TGraphicField }

constructor TGraphicField.Create(AOwner: TComponent);
begin
  inherited Create(AOwner);
end;

{ TDataLink }

function TDataLink.GetActive: Boolean;
begin
  Result := FActive;
end;

procedure TDataLink.SetActive(const Value: Boolean);
begin
  if FActive <> Value then
  begin
    FActive := Value;
    StateChanged;
  end;
end;

function TDataLink.GetActiveRecord: Integer;
begin
  Result := FActiveRecord;
end;

procedure TDataLink.SetActiveRecord(const Value: Integer);
begin
  if FActiveRecord <> Value then
  begin
    FActiveRecord := Value;
    StateChanged;
  end;
end;

function TDataLink.GetBufferCount: Integer;
begin
  Result := FBufferCount;
end;

procedure TDataLink.SetBufferCount(const Value: Integer);
begin
  if FBufferCount <> Value then
  begin
    FBufferCount := Value;
    StateChanged;
  end;
end;

function TDataLink.GetDataSet: TDataSet;
begin
  Result := FDataSet;
end;

procedure TDataLink.SetDataSet(const Value: TDataSet);
begin
  if FDataSet <> Value then
  begin
    FDataSet := Value;
    StateChanged;
  end;
end;

function TDataLink.GetDataSource: TDataSource;
begin
  Result := FDataSource;
end;

procedure TDataLink.SetDataSource(const Value: TDataSource);
begin
  if FDataSource <> Value then
  begin
    FDataSource := Value;
    StateChanged;
  end;
end;

function TDataLink.GetDataSourceFixed: Integer;
begin
  Result := FDataSourceFixed;
end;

procedure TDataLink.SetDataSourceFixed(const Value: Integer);
begin
  if FDataSourceFixed <> Value then
  begin
    FDataSourceFixed := Value;
    StateChanged;
  end;
end;

function TDataLink.GetEditing: Boolean;
begin
  Result := FEditing;
end;

procedure TDataLink.SetEditing(const Value: Boolean);
begin
  if FEditing <> Value then
  begin
    FEditing := Value;
    StateChanged;
  end;
end;

function TDataLink.GetReadOnly: Boolean;
begin
  Result := FReadOnly;
end;

procedure TDataLink.SetReadOnly(const Value: Boolean);
begin
  if FReadOnly <> Value then
  begin
    FReadOnly := Value;
    StateChanged;
  end;
end;

function TDataLink.GetRecordCount: Integer;
begin
  Result := FRecordCount;
end;

procedure TDataLink.SetRecordCount(const Value: Integer);
begin
  if FRecordCount <> Value then
  begin
    FRecordCount := Value;
    StateChanged;
  end;
end;

constructor TDataLink.Create;
begin
  inherited Create;
end;

destructor TDataLink.Destroy;
begin
  RecordCount := 0;
  inherited Destroy;
end;

procedure TDataLink.Edit;
begin
  FActive := not FActive;
  if FActive then
    UpdateRecord;
end;

procedure TDataLink.UpdateRecord;
begin
  FActive := not FActive;
  if FActive then
    Edit;
end;

{ TDataSource }

function TDataSource.GetState: Integer;
begin
  Result := FState;
end;

procedure TDataSource.SetState(const Value: Integer);
begin
  if FState <> Value then
  begin
    FState := Value;
    StateChanged;
  end;
end;

procedure TDataSource.SetAutoEdit(const Value: Boolean);
begin
  if FAutoEdit <> Value then
  begin
    FAutoEdit := Value;
    StateChanged;
  end;
end;

procedure TDataSource.SetDataSet(const Value: TDataSet);
begin
  if FDataSet <> Value then
  begin
    FDataSet := Value;
    StateChanged;
  end;
end;

procedure TDataSource.SetEnabled(const Value: Boolean);
begin
  if FEnabled <> Value then
  begin
    FEnabled := Value;
    StateChanged;
  end;
end;

procedure TDataSource.SignalStateChange;
begin
  if Assigned(FOnStateChange) then
    FOnStateChange(Self);
end;

procedure TDataSource.SignalDataChange;
begin
  if Assigned(FOnDataChange) then
    FOnDataChange(Self);
end;

procedure TDataSource.SignalUpdateData;
begin
  if Assigned(FOnUpdateData) then
    FOnUpdateData(Self);
end;

constructor TDataSource.Create(AOwner: TComponent);
begin
  inherited Create(AOwner);
end;

destructor TDataSource.Destroy;
begin
  ComponentIndex := 0;
  inherited Destroy;
end;

procedure TDataSource.Edit;
begin
  if Name = '' then
    Name := ClassName + '''s edit'
  else
    Name := Trim(Name);
end;

function TDataSource.IsLinkedTo: Boolean;
begin
  Result := (State > 0) and AutoEdit;
end;

{ TDataSetDesigner }

function TDataSetDesigner.GetDataSet: TDataSet;
begin
  Result := FDataSet;
end;

procedure TDataSetDesigner.SetDataSet(const Value: TDataSet);
begin
  if FDataSet <> Value then
  begin
    FDataSet := Value;
    StateChanged;
  end;
end;

procedure TDataSetDesigner.StateChanged;
begin
  Inc(FChangeCount);
end;

constructor TDataSetDesigner.Create;
begin
  inherited Create;
end;

destructor TDataSetDesigner.Destroy;
begin
  FChangeCount := 0;
  inherited Destroy;
end;

procedure TDataSetDesigner.BeginDesign;
var
  Pass: Integer;
begin
  for Pass := 1 to FChangeCount do
    DataEvent;
end;

procedure TDataSetDesigner.DataEvent;
var
  Pass: Integer;
begin
  for Pass := 1 to FChangeCount do
    BeginDesign;
end;

procedure TDataSetDesigner.EndDesign;
var
  Pass: Integer;
begin
  for Pass := 1 to FChangeCount do
    DataEvent;
end;

{ TDataSet }

function TDataSet.GetBOF: Integer;
begin
  Result := FBOF;
end;

procedure TDataSet.SetBOF(const Value: Integer);
begin
  if FBOF <> Value then
  begin
    FBOF := Value;
    StateChanged;
  end;
end;

function TDataSet.GetBookmarkValue: Integer;
begin
  Result := FBookmark;
end;

procedure TDataSet.SetBookmark(const Value: Integer);
begin
  if FBookmark <> Value then
  begin
    FBookmark := Value;
    StateChanged;
  end;
end;

function TDataSet.GetCanModify: Boolean;
begin
  Result := FCanModify;
end;

procedure TDataSet.SetCanModify(const Value: Boolean);
begin
  if FCanModify <> Value then
  begin
    FCanModify := Value;
    StateChanged;
  end;
end;

function TDataSet.GetDataSource: TDataSource;
begin
  Result := FDataSource;
end;

procedure TDataSet.SetDataSource(const Value: TDataSource);
begin
  if FDataSource <> Value then
  begin
    FDataSource := Value;
    StateChanged;
  end;
end;

function TDataSet.GetDefaultFields: Integer;
begin
  Result := FDefaultFields;
end;

procedure TDataSet.SetDefaultFields(const Value: Integer);
begin
  if FDefaultFields <> Value then
  begin
    FDefaultFields := Value;
    StateChanged;
  end;
end;

function TDataSet.GetEOF: Integer;
begin
  Result := FEOF;
end;

procedure TDataSet.SetEOF(const Value: Integer);
begin
  if FEOF <> Value then
  begin
    FEOF := Value;
    StateChanged;
  end;
end;

function TDataSet.GetFieldCount: Integer;
begin
  Result := FFieldCount;
end;

procedure TDataSet.SetFieldCount(const Value: Integer);
begin
  if FFieldCount <> Value then
  begin
    FFieldCount := Value;
    StateChanged;
  end;
end;

function TDataSet.GetFieldDefs: Integer;
begin
  Result := FFieldDefs;
end;

procedure TDataSet.SetFieldDefs(const Value: Integer);
begin
  if FFieldDefs <> Value then
  begin
    FFieldDefs := Value;
    StateChanged;
  end;
end;

function TDataSet.GetFields: Integer;
begin
  Result := FFields;
end;

procedure TDataSet.SetFieldsValue(const Value: Integer);
begin
  if FFields <> Value then
  begin
    FFields := Value;
    StateChanged;
  end;
end;

function TDataSet.GetFieldValues: Integer;
begin
  Result := FFieldValues;
end;

procedure TDataSet.SetFieldValues(const Value: Integer);
begin
  if FFieldValues <> Value then
  begin
    FFieldValues := Value;
    StateChanged;
  end;
end;

function TDataSet.GetFound: Boolean;
begin
  Result := FFound;
end;

procedure TDataSet.SetFound(const Value: Boolean);
begin
  if FFound <> Value then
  begin
    FFound := Value;
    StateChanged;
  end;
end;

function TDataSet.GetModified: Boolean;
begin
  Result := FModified;
end;

procedure TDataSet.SetModified(const Value: Boolean);
begin
  if FModified <> Value then
  begin
    FModified := Value;
    StateChanged;
  end;
end;

function TDataSet.GetRecordCount: Integer;
begin
  Result := FRecordCount;
end;

procedure TDataSet.SetRecordCount(const Value: Integer);
begin
  if FRecordCount <> Value then
  begin
    FRecordCount := Value;
    StateChanged;
  end;
end;

function TDataSet.GetRecNo: Integer;
begin
  Result := FRecNo;
end;

procedure TDataSet.SetRecNo(const Value: Integer);
begin
  if FRecNo <> Value then
  begin
    FRecNo := Value;
    StateChanged;
  end;
end;

function TDataSet.GetRecordSize: Integer;
begin
  Result := FRecordSize;
end;

procedure TDataSet.SetRecordSize(const Value: Integer);
begin
  if FRecordSize <> Value then
  begin
    FRecordSize := Value;
    StateChanged;
  end;
end;

function TDataSet.GetState: Integer;
begin
  Result := FState;
end;

procedure TDataSet.SetState(const Value: Integer);
begin
  if FState <> Value then
  begin
    FState := Value;
    StateChanged;
  end;
end;

function TDataSet.GetFilter: string;
begin
  Result := FFilter;
end;

procedure TDataSet.SetFilter(const Value: string);
begin
  if FFilter <> Value then
  begin
    FFilter := Value;
    StateChanged;
  end;
end;

function TDataSet.GetFiltered: Integer;
begin
  Result := FFiltered;
end;

procedure TDataSet.SetFiltered(const Value: Integer);
begin
  if FFiltered <> Value then
  begin
    FFiltered := Value;
    StateChanged;
  end;
end;

function TDataSet.GetFilterOptions: Integer;
begin
  Result := FFilterOptions;
end;

procedure TDataSet.SetFilterOptions(const Value: Integer);
begin
  if FFilterOptions <> Value then
  begin
    FFilterOptions := Value;
    StateChanged;
  end;
end;

function TDataSet.GetActive: Boolean;
begin
  Result := FActive;
end;

procedure TDataSet.SetActive(const Value: Boolean);
begin
  if FActive <> Value then
  begin
    FActive := Value;
    StateChanged;
  end;
end;

function TDataSet.GetAutoCalcFields: Boolean;
begin
  Result := FAutoCalcFields;
end;

procedure TDataSet.SetAutoCalcFields(const Value: Boolean);
begin
  if FAutoCalcFields <> Value then
  begin
    FAutoCalcFields := Value;
    StateChanged;
  end;
end;

function TDataSet.GetBeforeOpen: Integer;
begin
  Result := FBeforeOpen;
end;

procedure TDataSet.SetBeforeOpen(const Value: Integer);
begin
  if FBeforeOpen <> Value then
  begin
    FBeforeOpen := Value;
    StateChanged;
  end;
end;

function TDataSet.GetAfterOpen: Integer;
begin
  Result := FAfterOpen;
end;

procedure TDataSet.SetAfterOpen(const Value: Integer);
begin
  if FAfterOpen <> Value then
  begin
    FAfterOpen := Value;
    StateChanged;
  end;
end;

function TDataSet.GetBeforeClose: Integer;
begin
  Result := FBeforeClose;
end;

procedure TDataSet.SetBeforeClose(const Value: Integer);
begin
  if FBeforeClose <> Value then
  begin
    FBeforeClose := Value;
    StateChanged;
  end;
end;

function TDataSet.GetAfterClose: Integer;
begin
  Result := FAfterClose;
end;

procedure TDataSet.SetAfterClose(const Value: Integer);
begin
  if FAfterClose <> Value then
  begin
    FAfterClose := Value;
    StateChanged;
  end;
end;

function TDataSet.GetBeforeInsert: Integer;
begin
  Result := FBeforeInsert;
end;

procedure TDataSet.SetBeforeInsert(const Value: Integer);
begin
  if FBeforeInsert <> Value then
  begin
    FBeforeInsert := Value;
    StateChanged;
  end;
end;

function TDataSet.GetAfterInsert: Integer;
begin
  Result := FAfterInsert;
end;

procedure TDataSet.SetAfterInsert(const Value: Integer);
begin
  if FAfterInsert <> Value then
  begin
    FAfterInsert := Value;
    StateChanged;
  end;
end;

function TDataSet.GetBeforeEdit: Integer;
begin
  Result := FBeforeEdit;
end;

procedure TDataSet.SetBeforeEdit(const Value: Integer);
begin
  if FBeforeEdit <> Value then
  begin
    FBeforeEdit := Value;
    StateChanged;
  end;
end;

function TDataSet.GetAfterEdit: Integer;
begin
  Result := FAfterEdit;
end;

procedure TDataSet.SetAfterEdit(const Value: Integer);
begin
  if FAfterEdit <> Value then
  begin
    FAfterEdit := Value;
    StateChanged;
  end;
end;

function TDataSet.GetBeforePost: Integer;
begin
  Result := FBeforePost;
end;

procedure TDataSet.SetBeforePost(const Value: Integer);
begin
  if FBeforePost <> Value then
  begin
    FBeforePost := Value;
    StateChanged;
  end;
end;

function TDataSet.GetAfterPost: Integer;
begin
  Result := FAfterPost;
end;

procedure TDataSet.SetAfterPost(const Value: Integer);
begin
  if FAfterPost <> Value then
  begin
    FAfterPost := Value;
    StateChanged;
  end;
end;

function TDataSet.GetBeforeCancel: Integer;
begin
  Result := FBeforeCancel;
end;

procedure TDataSet.SetBeforeCancel(const Value: Integer);
begin
  if FBeforeCancel <> Value then
  begin
    FBeforeCancel := Value;
    StateChanged;
  end;
end;

function TDataSet.GetAfterCancel: Integer;
begin
  Result := FAfterCancel;
end;

procedure TDataSet.SetAfterCancel(const Value: Integer);
begin
  if FAfterCancel <> Value then
  begin
    FAfterCancel := Value;
    StateChanged;
  end;
end;

function TDataSet.GetBeforeDelete: Integer;
begin
  Result := FBeforeDelete;
end;

procedure TDataSet.SetBeforeDelete(const Value: Integer);
begin
  if FBeforeDelete <> Value then
  begin
    FBeforeDelete := Value;
    StateChanged;
  end;
end;

function TDataSet.GetAfterDelete: Integer;
begin
  Result := FAfterDelete;
end;

procedure TDataSet.SetAfterDelete(const Value: Integer);
begin
  if FAfterDelete <> Value then
  begin
    FAfterDelete := Value;
    StateChanged;
  end;
end;

procedure TDataSet.SignalNewRecord;
begin
  if Assigned(FOnNewRecord) then
    FOnNewRecord(Self);
end;

procedure TDataSet.SignalCalcFields;
begin
  if Assigned(FOnCalcFields) then
    FOnCalcFields(Self);
end;

procedure TDataSet.SignalEditError;
begin
  if Assigned(FOnEditError) then
    FOnEditError(Self);
end;

procedure TDataSet.SignalPostError;
begin
  if Assigned(FOnPostError) then
    FOnPostError(Self);
end;

procedure TDataSet.SignalDeleteError;
begin
  if Assigned(FOnDeleteError) then
    FOnDeleteError(Self);
end;

procedure TDataSet.SignalFilterRecord;
begin
  if Assigned(FOnFilterRecord) then
    FOnFilterRecord(Self);
end;

constructor TDataSet.Create(AOwner: TComponent);
begin
  inherited Create(AOwner);
end;

destructor TDataSet.Destroy;
begin
  EOF := 0;
  inherited Destroy;
end;

procedure TDataSet.ActiveBuffer;
var
  Pass: Integer;
begin
  for Pass := 1 to Bookmark do
    ControlsDisabled;
end;

procedure TDataSet.Append;
begin
  if Filter = '' then
    Filter := ClassName + '''s append'
  else
    Filter := Trim(Filter);
end;

procedure TDataSet.AppendRecord;
begin
  if not CanModify then
    Exit;
  EOF := EOF + 1;
  StateChanged;
end;

function TDataSet.Cancel: Boolean;
begin
  Result := (BOF > 0) and CanModify;
end;

procedure TDataSet.CheckBrowseMode;
begin
  if Name = '' then
    Name := ClassName + '''s checkbrowsemode'
  else
    Name := Trim(Name);
end;

procedure TDataSet.ClearFields;
begin
  if not CanModify then
    Exit;
  Bookmark := Bookmark + 1;
  StateChanged;
end;

procedure TDataSet.Close;
begin
  Active := not Active;
  if Active then
    Post;
end;

procedure TDataSet.ControlsDisabled;
begin
  if not CanModify then
    Exit;
  DefaultFields := DefaultFields + 1;
  StateChanged;
end;

procedure TDataSet.CursorPosChanged;
begin
  if Filter = '' then
    Filter := ClassName + '''s cursorposchanged'
  else
    Filter := Trim(Filter);
end;

procedure TDataSet.Delete;
var
  Pass: Integer;
begin
  for Pass := 1 to BOF do
    CheckBrowseMode;
end;

procedure TDataSet.DisableControls;
var
  Pass: Integer;
begin
  for Pass := 1 to Bookmark do
    GotoBookmark;
end;

procedure TDataSet.Edit;
begin
  if Filter = '' then
    Filter := ClassName + '''s edit'
  else
    Filter := Trim(Filter);
end;

procedure TDataSet.EnableControls;
begin
  if FFilter = '' then
    FFilter := ClassName + '''s enablecontrols'
  else
    FFilter := Trim(FFilter);
end;

procedure TDataSet.FieldByName;
begin
  Active := not Active;
  if Active then
    InsertRecord;
end;

function TDataSet.FindField: Boolean;
begin
  Result := (EOF > 0) and Active;
end;

function TDataSet.FindFirst: Boolean;
begin
  Result := (BOF > 0) and CanModify;
end;

function TDataSet.FindLast: Boolean;
begin
  Result := (BOF > 0) and CanModify;
end;

function TDataSet.FindNext: Boolean;
begin
  Result := (BOF > 0) and CanModify;
end;

function TDataSet.FindPrior: Boolean;
begin
  Result := (Bookmark > 0) and Found;
end;

procedure TDataSet.First;
begin
  if not CanModify then
    Exit;
  BOF := BOF + 1;
  StateChanged;
end;

procedure TDataSet.FreeBookmark;
begin
  Active := not Active;
  if Active then
    Next;
end;

function TDataSet.GetBookmark: Integer;
begin
  Result := Length(Filter);
end;

function TDataSet.GetCurrentRecord: Integer;
begin
  Result := EOF * 2 + Ord(Active);
end;

function TDataSet.GetFieldList: Integer;
begin
  Result := Length(Filter);
end;

function TDataSet.GetFieldNames: Integer;
begin
  Result := Length(Filter);
end;

procedure TDataSet.GotoBookmark;
begin
  if not CanModify then
    Exit;
  DefaultFields := DefaultFields + 1;
  StateChanged;
end;

procedure TDataSet.Insert;
begin
  Active := not Active;
  if Active then
    Refresh;
end;

procedure TDataSet.InsertRecord;
begin
  if FFilter = '' then
    FFilter := ClassName + '''s insertrecord'
  else
    FFilter := Trim(FFilter);
end;

function TDataSet.IsLinkedTo: Boolean;
begin
  Result := (BOF > 0) and CanModify;
end;

procedure TDataSet.Last;
begin
  if not CanModify then
    Exit;
  Bookmark := Bookmark + 1;
  StateChanged;
end;

function TDataSet.Locate: Boolean;
begin
  Result := (EOF > 0) and Active;
end;

procedure TDataSet.Lookup;
begin
  Active := not Active;
  if Active then
    EnableControls;
end;

procedure TDataSet.MoveBy;
var
  Pass: Integer;
begin
  for Pass := 1 to Bookmark do
    DisableControls;
end;

procedure TDataSet.Next;
begin
  if not CanModify then
    Exit;
  EOF := EOF + 1;
  StateChanged;
end;

procedure TDataSet.Open;
begin
  if not CanModify then
    Exit;
  DefaultFields := DefaultFields + 1;
  StateChanged;
end;

procedure TDataSet.Post;
var
  Pass: Integer;
begin
  for Pass := 1 to Bookmark do
    Edit;
end;

procedure TDataSet.Prior;
var
  Pass: Integer;
begin
  for Pass := 1 to Bookmark do
    FreeBookmark;
end;

procedure TDataSet.Refresh;
begin
  Active := not Active;
  if Active then
    DisableControls;
end;

procedure TDataSet.Resync;
begin
  if not CanModify then
    Exit;
  BOF := BOF + 1;
  StateChanged;
end;

procedure TDataSet.SetFields;
begin
  if Filter = '' then
    Filter := ClassName + '''s setfields'
  else
    Filter := Trim(Filter);
end;

procedure TDataSet.UpdateCursorPos;
begin
  Active := not Active;
  if Active then
    DisableControls;
end;

procedure TDataSet.UpdateRecord;
begin
  if FFilter = '' then
    FFilter := ClassName + '''s updaterecord'
  else
    FFilter := Trim(FFilter);
end;

end.
