{ Classes: a unit of the sample Delphi 2.0 installation that Quillmap 2 browses.
  Written by samples/make_sample.py from samples/vcl-table.txt; change those, not this file. }

unit Classes;

(* The declarations name the documented interface of the unit; everything
   private, and every statement, is the sample's own. *)

interface

uses SysUtils;

const
  ClassesSample = 'Quillmap''s sample of Classes';
  WM_SIZE = $0005;
  WM_SETFOCUS = $0007;
  WM_CLOSE = $0010;
  WM_CHAR = $0102;
  WM_TIMER = $0113;
  WM_LBUTTONDOWN = $0201;

type
  TPersistent = class;
  TComponent = class;

  TMessage = record
    Msg: Cardinal;
    WParam, LParam, Result: Longint;
  end;
  TNotifyEvent = procedure(Sender: TObject) of object;
  TPoint = record X, Y: Integer; end;
  TRect = record Left, Top, Right, Bottom: Integer; end;

  EStreamError = class(Exception)
  end;

  EFCreateError = class(EStreamError)
  end;

  EFOpenError = class(EStreamError)
  end;

  EFilerError = class(EStreamError)
  end;

  EReadError = class(EFilerError)
  end;

  EWriteError = class(EFilerError)
  end;

  EClassNotFound = class(EFilerError)
  end;

  EMethodNotFound = class(EFilerError)
  end;

  EInvalidImage = class(EFilerError)
  end;

  EResNotFound = class(Exception)
  end;

  EListError = class(Exception)
  end;

  EBitsError = class(Exception)
  end;

  EStringListError = class(Exception)
  end;

  EComponentError = class(Exception)
  end;

  EParserError = class(Exception)
  end;

  EOutOfResources = class(EOutOfMemory)
  end;

  EThread = class(Exception)
  end;

  TList = class
  private
    FCapacity: Integer;
    FCount: Integer;
    FList: Integer;
    FItems: array[0..63] of Pointer;
    FChangeCount: Integer;
    function GetCapacity: Integer;
    procedure SetCapacity(const Value: Integer);
    function GetCount: Integer;
    procedure SetCount(const Value: Integer);
    function GetList: Integer;
    procedure SetList(const Value: Integer);
    function GetItems(Index: Integer): Pointer;
    procedure SetItems(Index: Integer; const Value: Pointer);
  protected
    procedure StateChanged; virtual;
  public
    destructor Destroy; override;
    procedure Add; virtual;
    procedure Clear;
    procedure Delete;
    procedure Exchange;
    procedure Expand;
    procedure First;
    procedure IndexOf;
    procedure Insert;
    procedure Last;
    procedure Move;
    procedure Remove; virtual;
    procedure Pack;
    procedure Sort;
    property Capacity: Integer read GetCapacity write SetCapacity;
    property Count: Integer read GetCount write SetCount;
    property List: Integer read GetList write SetList;
    property Items[Index: Integer]: Pointer read GetItems write SetItems; default;
  end;

  TBits = class
  private
    FBits: Integer;
    FSize: Integer;
    FChangeCount: Integer;
    function GetBits: Integer;
    procedure SetBits(const Value: Integer);
    function GetSize: Integer;
    procedure SetSize(const Value: Integer);
  protected
    procedure StateChanged; virtual;
  public
    destructor Destroy; override;
    function OpenBit: Boolean;
    property Bits: Integer read GetBits write SetBits;
    property Size: Integer read GetSize write SetSize;
  end;

  TPersistent = class
  private
    FChangeCount: Integer;
  protected
    procedure StateChanged; virtual;
  public
    procedure Assign(Source: TPersistent); virtual;
  end;

  TCollectionItem = class(TPersistent)
  private
    FCollection: Integer;
    FIndex: Integer;
    function GetCollection: Integer;
    procedure SetCollection(const Value: Integer);
    function GetIndex: Integer;
    procedure SetIndex(const Value: Integer);
  public
    constructor Create;
    destructor Destroy; override;
    property Collection: Integer read GetCollection write SetCollection;
    property Index: Integer read GetIndex write SetIndex;
  end;

  TCollection = class(TPersistent)
  private
    FCount: Integer;
    FItemClass: Integer;
    FItems: array[0..63] of TCollectionItem;
    function GetCount: Integer;
    procedure SetCount(const Value: Integer);
    function GetItemClass: Integer;
    procedure SetItemClass(const Value: Integer);
    function GetItems(Index: Integer): TCollectionItem;
    procedure SetItems(Index: Integer; const Value: TCollectionItem);
  public
    constructor Create;
    destructor Destroy; override;
    procedure Add; virtual;
    procedure Assign(Source: TPersistent); override;
    procedure BeginUpdate;
    procedure Clear;
    procedure EndUpdate;
    property Count: Integer read GetCount write SetCount;
    property ItemClass: Integer read GetItemClass write SetItemClass;
    property Items[Index: Integer]: TCollectionItem read GetItems write SetItems;
  end;

  TStrings = class(TPersistent)
  private
    FCapacity: Integer;
    FCommaText: string;
    FCount: Integer;
    FText: string;
    FNames: array[0..63] of string;
    FObjects: array[0..63] of TObject;
    FValues: array[0..63] of string;
    FStrings: array[0..63] of string;
    function GetCapacity: Integer;
    procedure SetCapacity(const Value: Integer);
    function GetCommaText: string;
    procedure SetCommaText(const Value: string);
    function GetCount: Integer;
    procedure SetCount(const Value: Integer);
    function GetTextValue: string;
    procedure SetTextValue(const Value: string);
    function GetNames(Index: Integer): string;
    procedure SetNames(Index: Integer; const Value: string);
    function GetObjects(Index: Integer): TObject;
    procedure SetObjects(Index: Integer; const Value: TObject);
    function GetValues(const Name: string): string;
    procedure SetValues(const Name: string; const Value: string);
    function GetStrings(Index: Integer): string;
    procedure SetStrings(Index: Integer; const Value: string);
  public
    procedure Add; virtual;
    function AddObject: Integer;
    procedure Append;
    function AddStrings: Integer; virtual;
    procedure Assign(Source: TPersistent); override;
    procedure BeginUpdate;
    procedure Clear; virtual;
    procedure Delete; virtual;
    procedure EndUpdate;
    function Equals: Boolean;
    procedure Exchange; virtual;
    function GetText: Integer;
    procedure IndexOf; virtual;
    function IndexOfName: Integer;
    function IndexOfObject: Integer;
    procedure Insert; virtual;
    procedure InsertObject;
    procedure LoadFromFile;
    procedure LoadFromStream;
    procedure Move;
    procedure SaveToFile;
    procedure SaveToStream;
    procedure SetText;
    property Capacity: Integer read GetCapacity write SetCapacity;
    property CommaText: string read GetCommaText write SetCommaText;
    property Count: Integer read GetCount write SetCount;
    property Text: string read GetTextValue write SetTextValue;
    property Names[Index: Integer]: string read GetNames write SetNames;
    property Objects[Index: Integer]: TObject read GetObjects write SetObjects;
    property Values[const Name: string]: string read GetValues write SetValues;
    property Strings[Index: Integer]: string read GetStrings write SetStrings; default;
  end;

  TStringList = class(TStrings)
  private
    FDuplicates: Integer;
    FSorted: Boolean;
    FOnChange: TNotifyEvent;
    FOnChanging: TChangingEvent;
    function GetDuplicates: Integer;
    procedure SetDuplicates(const Value: Integer);
    function GetSorted: Boolean;
    procedure SetSorted(const Value: Boolean);
  protected
    procedure SignalChange; dynamic;
  public
    destructor Destroy; override;
    procedure Add; override;
    procedure Clear; override;
    procedure Delete; override;
    procedure Exchange; override;
    procedure Find;
    procedure IndexOf; override;
    procedure Insert; override;
    procedure Sort;
    property Duplicates: Integer read GetDuplicates write SetDuplicates;
    property Sorted: Boolean read GetSorted write SetSorted;
    property OnChange: TNotifyEvent read FOnChange write FOnChange;
    property OnChanging: TChangingEvent read FOnChanging write FOnChanging;
  end;

  TStream = class
  private
    FPosition: Integer;
    FSize: Integer;
    FChangeCount: Integer;
    function GetPosition: Integer;
    procedure SetPosition(const Value: Integer);
    function GetSize: Integer;
    procedure SetSize(const Value: Integer);
  protected
    procedure StateChanged; virtual;
  public
    procedure Read; virtual;
    procedure Write; virtual;
    function Seek: Longint; virtual;
    function ReadBuffer: Integer;
    function WriteBuffer: Integer;
    procedure CopyFrom;
    function ReadComponent: Integer;
    function ReadComponentRes: Integer;
    function WriteComponent: Integer;
    function WriteComponentRes: Integer;
    function WriteDescendent: Integer;
    function WriteDescendentRes: Integer;
    function ReadResHeader: Integer;
    property Position: Integer read GetPosition write SetPosition;
    property Size: Integer read GetSize write SetSize;
  end;

  THandleStream = class(TStream)
  private
    FHandle: THandle;
    function GetHandle: THandle;
    procedure SetHandle(const Value: THandle);
  public
    constructor Create;
    procedure Read; override;
    procedure Write; override;
    function Seek: Longint; override;
    property Handle: THandle read GetHandle write SetHandle;
  end;

  TFileStream = class(THandleStream)
  public
    constructor Create;
    destructor Destroy; override;
  end;

  TCustomMemoryStream = class(TStream)
  private
    FMemory: Integer;
    function GetMemory: Integer;
    procedure SetMemory(const Value: Integer);
  public
    procedure Read; override;
    function Seek: Longint; override;
    procedure SaveToStream;
    procedure SaveToFile;
    property Memory: Integer read GetMemory write SetMemory;
  end;

  TMemoryStream = class(TCustomMemoryStream)
  public
    destructor Destroy; override;
    procedure Clear;
    procedure LoadFromStream;
    procedure LoadFromFile;
    procedure SetSize;
    procedure Write; override;
  end;

  TStringStream = class(TStream)
  private
    FDataString: Integer;
    function GetDataString: Integer;
    procedure SetDataString(const Value: Integer);
  public
    constructor Create;
    procedure Read; override;
    function ReadString: string;
    function Seek: Longint; override;
    procedure Write; override;
    function WriteString: Integer;
    property DataString: Integer read GetDataString write SetDataString;
  end;

  TResourceStream = class(TCustomMemoryStream)
  public
    constructor Create;
    procedure CreateFromID;
    destructor Destroy; override;
    procedure Write; override;
  end;

  TFiler = class
  private
    FRoot: Integer;
    FAncestor: Integer;
    FIgnoreChildren: Integer;
    FChangeCount: Integer;
    function GetRoot: Integer;
    procedure SetRoot(const Value: Integer);
    function GetAncestor: Integer;
    procedure SetAncestor(const Value: Integer);
    function GetIgnoreChildren: Integer;
    procedure SetIgnoreChildren(const Value: Integer);
  protected
    procedure StateChanged; virtual;
  public
    constructor Create;
    destructor Destroy; override;
    procedure DefineProperty; virtual;
    procedure DefineBinaryProperty; virtual;
    procedure FlushBuffer; virtual;
    property Root: Integer read GetRoot write SetRoot;
    property Ancestor: Integer read GetAncestor write SetAncestor;
    property IgnoreChildren: Integer read GetIgnoreChildren write SetIgnoreChildren;
  end;

  TReader = class(TFiler)
  private
    FOwner: TComponent;
    FParent: TWinControl;
    FPosition: Integer;
    FOnError: TNotifyEvent;
    FOnFindMethod: TNotifyEvent;
    FOnSetName: TNotifyEvent;
    function GetOwner: TComponent;
    procedure SetOwner(const Value: TComponent);
    function GetParent: TWinControl;
    procedure SetParent(const Value: TWinControl);
    function GetPosition: Integer;
    procedure SetPosition(const Value: Integer);
  protected
    procedure SignalError; dynamic;
    procedure SignalFindMethod; dynamic;
    procedure SignalSetName; dynamic;
  public
    destructor Destroy; override;
    procedure BeginReferences;
    procedure DefineProperty; override;
    procedure DefineBinaryProperty; override;
    procedure EndOfList;
    procedure EndReferences;
    procedure FixupReferences;
    procedure FlushBuffer; override;
    procedure NextValue;
    procedure Read;
    function ReadBoolean: Integer;
    function ReadChar: Integer;
    function ReadComponent: Integer;
    function ReadComponents: Integer;
    function ReadFloat: Integer;
    function ReadIdent: Integer;
    function ReadInteger: Integer;
    function ReadListBegin: Integer;
    function ReadListEnd: Integer;
    function ReadPrefix: Integer;
    function ReadRootComponent: Integer;
    function ReadSignature: Integer;
    function ReadStr: Integer;
    function ReadString: string;
    function ReadValue: Integer;
    property Owner: TComponent read GetOwner write SetOwner;
    property Parent: TWinControl read GetParent write SetParent;
    property Position: Integer read GetPosition write SetPosition;
    property OnError: TNotifyEvent read FOnError write FOnError;
    property OnFindMethod: TNotifyEvent read FOnFindMethod write FOnFindMethod;
    property OnSetName: TNotifyEvent read FOnSetName write FOnSetName;
  end;

  TWriter = class(TFiler)
  private
    FPosition: Integer;
    FRootAncestor: Integer;
    function GetPosition: Integer;
    procedure SetPosition(const Value: Integer);
    function GetRootAncestor: Integer;
    procedure SetRootAncestor(const Value: Integer);
  public
    destructor Destroy; override;
    procedure DefineProperty; override;
    procedure DefineBinaryProperty; override;
    procedure FlushBuffer; override;
    procedure Write;
    function WriteBoolean: Integer;
    function WriteCollection: Integer;
    function WriteComponent: Integer;
    function WriteChar: Integer;
    function WriteDescendent: Integer;
    function WriteFloat: Integer;
    function WriteIdent: Integer;
    function WriteInteger: Integer;
    function WriteListBegin: Integer;
    function WriteListEnd: Integer;
    function WriteRootComponent: Integer;
    function WriteSignature: Integer;
    function WriteStr: Integer;
    function WriteString: Integer;
    property Position: Integer read GetPosition write SetPosition;
    property RootAncestor: Integer read GetRootAncestor write SetRootAncestor;
  end;

  TParser = class
  private
    FSourceLine: Integer;
    FToken: Integer;
    FChangeCount: Integer;
    function GetSourceLine: Integer;
    procedure SetSourceLine(const Value: Integer);
    function GetToken: Integer;
    procedure SetToken(const Value: Integer);
  protected
    procedure StateChanged; virtual;
  public
    constructor Create;
    destructor Destroy; override;
    procedure CheckToken;
    procedure CheckTokenSymbol;
    procedure Error;
    procedure ErrorFmt;
    procedure ErrorStr;
    procedure HexToBinary;
    procedure NextToken;
    procedure SourcePos;
    procedure TokenComponentIdent;
    procedure TokenFloat;
    procedure TokenInt;
    procedure TokenString;
    procedure TokenSymbolIs;
    property SourceLine: Integer read GetSourceLine write SetSourceLine;
    property Token: Integer read GetToken write SetToken;
  end;

  TThread = class
  private
    FFreeOnTerminate: Integer;
    FHandle: THandle;
    FPriority: Integer;
    FSuspended: Integer;
    FThreadID: Integer;
    FOnTerminate: TNotifyEvent;
    FChangeCount: Integer;
    function GetFreeOnTerminate: Integer;
    procedure SetFreeOnTerminate(const Value: Integer);
    function GetHandle: THandle;
    procedure SetHandle(const Value: THandle);
    function GetPriority: Integer;
    procedure SetPriority(const Value: Integer);
    function GetSuspended: Integer;
    procedure SetSuspended(const Value: Integer);
    function GetThreadID: Integer;
    procedure SetThreadID(const Value: Integer);
  protected
    procedure SignalTerminate; dynamic;
    procedure StateChanged; virtual;
  public
    constructor Create;
    destructor Destroy; override;
    procedure Resume;
    procedure Suspend;
    procedure Terminate;
    procedure WaitFor;
    property FreeOnTerminate: Integer read GetFreeOnTerminate write SetFreeOnTerminate;
    property Handle: THandle read GetHandle write SetHandle;
    property Priority: Integer read GetPriority write SetPriority;
    property Suspended: Integer read GetSuspended write SetSuspended;
    property ThreadID: Integer read GetThreadID write SetThreadID;
    property OnTerminate: TNotifyEvent read FOnTerminate write FOnTerminate;
  end;

  TComponent = class(TPersistent)
  private
    FComponentCount: Integer;
    FComponentIndex: Integer;
    FComponentState: Integer;
    FComponentStyle: Integer;
    FDesignInfo: Integer;
    FOwner: TComponent;
    FComponents: array[0..63] of TComponent;
    FName: string;
    FTag: Integer;
    function GetComponentCount: Integer;
    function GetComponentIndex: Integer;
    procedure SetComponentIndex(const Value: Integer);
    function GetComponentState: Integer;
    procedure SetComponentState(const Value: Integer);
    function GetComponentStyle: Integer;
    procedure SetComponentStyle(const Value: Integer);
    function GetDesignInfo: Integer;
    procedure SetDesignInfo(const Value: Integer);
    function GetOwner: TComponent;
    function GetComponents(Index: Integer): TComponent;
    procedure SetComponents(Index: Integer; const Value: TComponent);
    procedure SetName(const Value: string);
    function IsNameStored: Boolean;
    procedure SetTag(const Value: Integer);
  public
    constructor Create(AOwner: TComponent); virtual;
    destructor Destroy; override;
    procedure DestroyComponents;
    procedure Destroying;
    function FindComponent(const AName: string): TComponent;
    procedure FreeNotification(AComponent: TComponent);
    function GetParentComponent: Integer; virtual;
    function HasParent: Boolean; virtual;
    procedure InsertComponent(AComponent: TComponent);
    procedure RemoveComponent(AComponent: TComponent);
    property ComponentCount: Integer read GetComponentCount;
    property ComponentIndex: Integer read GetComponentIndex write SetComponentIndex;
    property ComponentState: Integer read GetComponentState write SetComponentState;
    property ComponentStyle: Integer read GetComponentStyle write SetComponentStyle;
    property DesignInfo: Integer read GetDesignInfo write SetDesignInfo;
    property Owner: TComponent read GetOwner;
    property Components[Index: Integer]: TComponent read GetComponents write SetComponents;
  published
    property Name: string read FName write SetName stored IsNameStored;
    property Tag: Integer read FTag write SetTag default 0;
  end;

  TPersistentClass = class of TPersistent;
  TComponentClass = class of TComponent;

implementation

// Method bodies, class by class, in the order of the declarations above.

{ TList }

function TList.GetCapacity: Integer;
begin
  Result := FCapacity;
end;

procedure TList.SetCapacity(const Value: Integer);
begin
  if FCapacity <> Value then
  begin
    FCapacity := Value;
    StateChanged;
  end;
end;

function TList.GetCount: Integer;
begin
  Result := FCount;
end;

procedure TList.SetCount(const Value: Integer);
begin
  if FCount <> Value then
  begin
    FCount := Value;
    StateChanged;
  end;
end;

function TList.GetList: Integer;
begin
  Result := FList;
end;

procedure TList.SetList(const Value: Integer);
begin
  if FList <> Value then
  begin
    FList := Value;
    StateChanged;
  end;
end;

function TList.GetItems(Index: Integer): Pointer;
begin
  Result := FItems[(Index) and 63];
end;

procedure TList.SetItems(Index: Integer; const Value: Pointer);
begin
  if FItems[(Index) and 63] <> Value then
  begin
    FItems[(Index) and 63] := Value;
    StateChanged;
  end;
end;

procedure TList.StateChanged;
begin
  Inc(FChangeCount);
end;

destructor TList.Destroy;
begin
  Capacity := 0;
  inherited Destroy;
end;

procedure TList.Add;
var
  Pass: Integer;
begin
  for Pass := 1 to List do
    Move;
end;

procedure TList.Clear;
var
  Pass: Integer;
begin
  for Pass := 1 to FCapacity do
    IndexOf;
end;

procedure TList.Delete;
var
  Pass: Integer;
begin
  for Pass := 1 to Count do
    Last;
end;

procedure TList.Exchange;
var
  Pass: Integer;
begin
  for Pass := 1 to Capacity do
    Sort;
end;

procedure TList.Expand;
var
  Pass: Integer;
begin
  for Pass := 1 to FCapacity do
    Sort;
end;

procedure TList.First;
var
  Pass: Integer;
begin
  for Pass := 1 to List do
    Expand;
end;

procedure TList.IndexOf;
var
  Pass: Integer;
begin
  for Pass := 1 to FCapacity do
    Move;
end;

procedure TList.Insert;
var
  Pass: Integer;
begin
  for Pass := 1 to FCapacity do
    Remove;
end;

procedure TList.Last;
var
  Pass: Integer;
begin
  for Pass := 1 to Count do
    Remove;
end;

procedure TList.Move;
var
  Pass: Integer;
begin
  for Pass := 1 to Count do
    Remove;
end;

procedure TList.Remove;
var
  Pass: Integer;
begin
  for Pass := 1 to FCapacity do
    Expand;
end;

procedure TList.Pack;
var
  Pass: Integer;
begin
  for Pass := 1 to Capacity do
    Remove;
end;

procedure TList.Sort;
var
  Pass: Integer;
begin
  for Pass := 1 to List do
    Pack;
end;

{ TBits }

function TBits.GetBits: Integer;
begin
  Result := FBits;
end;

procedure TBits.SetBits(const Value: Integer);
begin
  if FBits <> Value then
  begin
    FBits := Value;
    StateChanged;
  end;
end;

function TBits.GetSize: Integer;
begin
  Result := FSize;
end;

procedure TBits.SetSize(const Value: Integer);
begin
  if FSize <> Value then
  begin
    FSize := Value;
    StateChanged;
  end;
end;

procedure TBits.StateChanged;
begin
  Inc(FChangeCount);
end;

destructor TBits.Destroy;
begin
  FSize := 0;
  inherited Destroy;
end;

function TBits.OpenBit: Boolean;
begin
  Result := Self <> nil;
end;

{ TPersistent }

procedure TPersistent.StateChanged;
begin
  Inc(FChangeCount);
end;

procedure TPersistent.Assign(Source: TPersistent);
begin
  StateChanged;
end;

{ TCollectionItem }

function TCollectionItem.GetCollection: Integer;
begin
  Result := FCollection;
end;

procedure TCollectionItem.SetCollection(const Value: Integer);
begin
  if FCollection <> Value then
  begin
    FCollection := Value;
    StateChanged;
  end;
end;

function TCollectionItem.GetIndex: Integer;
begin
  Result := FIndex;
end;

procedure TCollectionItem.SetIndex(const Value: Integer);
begin
  if FIndex <> Value then
  begin
    FIndex := Value;
    StateChanged;
  end;
end;

constructor TCollectionItem.Create;
begin
  inherited Create;
end;

destructor TCollectionItem.Destroy;
begin
  FIndex := 0;
  inherited Destroy;
end;

{ TCollection }

function TCollection.GetCount: Integer;
begin
  Result := FCount;
end;

procedure TCollection.SetCount(const Value: Integer);
begin
  if FCount <> Value then
  begin
    FCount := Value;
    StateChanged;
  end;
end;

function TCollection.GetItemClass: Integer;
begin
  Result := FItemClass;
end;

procedure TCollection.SetItemClass(const Value: Integer);
begin
  if FItemClass <> Value then
  begin
    FItemClass := Value;
    StateChanged;
  end;
end;

function TCollection.GetItems(Index: Integer): TCollectionItem;
begin
  Result := FItems[(Index) and 63];
end;

procedure TCollection.SetItems(Index: Integer; const Value: TCollectionItem);
begin
  if FItems[(Index) and 63] <> Value then
  begin
    FItems[(Index) and 63] := Value;
    StateChanged;
  end;
end;

constructor TCollection.Create;
begin
  inherited Create;
end;

destructor TCollection.Destroy;
begin
  FCount := 0;
  inherited Destroy;
end;

procedure TCollection.Add;
var
  Pass: Integer;
begin
  for Pass := 1 to FItemClass do
    EndUpdate;
end;

procedure TCollection.Assign(Source: TPersistent);
begin
  inherited Assign(Source);
  FCount := FCount + 1;
end;

procedure TCollection.BeginUpdate;
var
  Pass: Integer;
begin
  for Pass := 1 to FItemClass do
    Add;
end;

procedure TCollection.Clear;
var
  Pass: Integer;
begin
  for Pass := 1 to Count do
    Add;
end;

procedure TCollection.EndUpdate;
var
  Pass: Integer;
begin
  for Pass := 1 to ItemClass do
    BeginUpdate;
end;

{ TStrings }

function TStrings.GetCapacity: Integer;
begin
  Result := FCapacity;
end;

procedure TStrings.SetCapacity(const Value: Integer);
begin
  if FCapacity <> Value then
  begin
    FCapacity := Value;
    StateChanged;
  end;
end;

function TStrings.GetCommaText: string;
begin
  Result := FCommaText;
end;

procedure TStrings.SetCommaText(const Value: string);
begin
  if FCommaText <> Value then
  begin
    FCommaText := Value;
    StateChanged;
  end;
end;

function TStrings.GetCount: Integer;
begin
  Result := FCount;
end;

procedure TStrings.SetCount(const Value: Integer);
begin
  if FCount <> Value then
  begin
    FCount := Value;
    StateChanged;
  end;
end;

function TStrings.GetTextValue: string;
begin
  Result := FText;
end;

procedure TStrings.SetTextValue(const Value: string);
begin
  if FText <> Value then
  begin
    FText := Value;
    StateChanged;
  end;
end;

function TStrings.GetNames(Index: Integer): string;
begin
  Result := FNames[(Index) and 63];
end;

procedure TStrings.SetNames(Index: Integer; const Value: string);
begin
  if FNames[(Index) and 63] <> Value then
  begin
    FNames[(Index) and 63] := Value;
    StateChanged;
  end;
end;

function TStrings.GetObjects(Index: Integer): TObject;
begin
  Result := FObjects[(Index) and 63];
end;

procedure TStrings.SetObjects(Index: Integer; const Value: TObject);
begin
  if FObjects[(Index) and 63] <> Value then
  begin
    FObjects[(Index) and 63] := Value;
    StateChanged;
  end;
end;

function TStrings.GetValues(const Name: string): string;
begin
  Result := FValues[(Length(Name)) and 63];
end;

procedure TStrings.SetValues(const Name: string; const Value: string);
begin
  if FValues[(Length(Name)) and 63] <> Value then
  begin
    FValues[(Length(Name)) and 63] := Value;
    StateChanged;
  end;
end;

function TStrings.GetStrings(Index: Integer): string;
begin
  Result := FStrings[(Index) and 63];
end;

procedure TStrings.SetStrings(Index: Integer; const Value: string);
begin
  if FStrings[(Index) and 63] <> Value then
  begin
    FStrings[(Index) and 63] := Value;
    StateChanged;
  end;
end;

procedure TStrings.Add;
var
  Pass: Integer;
begin
  for Pass := 1 to FCount do
    Insert;
end;

function TStrings.AddObject: Integer;
begin
  Result := Length(FCommaText);
end;

procedure TStrings.Append;
var
  Pass: Integer;
begin
  for Pass := 1 to FCount do
    SaveToFile;
end;

function TStrings.AddStrings: Integer;
begin
  Result := Count * 2;
end;

procedure TStrings.Assign(Source: TPersistent);
begin
  inherited Assign(Source);
  Capacity := Capacity + 1;
end;

procedure TStrings.BeginUpdate;
begin
  if FCommaText = '' then
    FCommaText := ClassName + '''s beginupdate'
  else
    FCommaText := Trim(FCommaText);
end;

procedure TStrings.Clear;
begin
  if FCommaText = '' then
    FCommaText := ClassName + '''s clear'
  else
    FCommaText := Trim(FCommaText);
end;

procedure TStrings.Delete;
begin
  if FCommaText = '' then
    FCommaText := ClassName + '''s delete'
  else
    FCommaText := Trim(FCommaText);
end;

procedure TStrings.EndUpdate;
begin
  if FCommaText = '' then
    FCommaText := ClassName + '''s endupdate'
  else
    FCommaText := Trim(FCommaText);
end;

function TStrings.Equals: Boolean;
begin
  Result := CommaText <> '';
end;

procedure TStrings.Exchange;
var
  Pass: Integer;
begin
  for Pass := 1 to FCapacity do
    Add;
end;

function TStrings.GetText: Integer;
begin
  Result := Length(FCommaText);
end;

procedure TStrings.IndexOf;
var
  Pass: Integer;
begin
  for Pass := 1 to Count do
    BeginUpdate;
end;

function TStrings.IndexOfName: Integer;
begin
  Result := Length(FCommaText);
end;

function TStrings.IndexOfObject: Integer;
begin
  Result := Count * 2;
end;

procedure TStrings.Insert;
var
  Pass: Integer;
begin
  for Pass := 1 to FCapacity do
    Add;
end;

procedure TStrings.InsertObject;
var
  Pass: Integer;
begin
  for Pass := 1 to FCount do
    Exchange;
end;

procedure TStrings.LoadFromFile;
begin
  if FCommaText = '' then
    FCommaText := ClassName + '''s loadfromfile'
  else
    FCommaText := Trim(FCommaText);
end;

procedure TStrings.LoadFromStream;
var
  Pass: Integer;
begin
  for Pass := 1 to Count do
    EndUpdate;
end;

procedure TStrings.Move;
var
  Pass: Integer;
begin
  for Pass := 1 to FCapacity do
    LoadFromFile;
end;

procedure TStrings.SaveToFile;
var
  Pass: Integer;
begin
  for Pass := 1 to Capacity do
    IndexOf;
end;

procedure TStrings.SaveToStream;
var
  Pass: Integer;
begin
  for Pass := 1 to Count do
    Move;
end;

procedure TStrings.SetText;
var
  Pass: Integer;
begin
  for Pass := 1 to Count do
    Insert;
end;

{ TStringList }

function TStringList.GetDuplicates: Integer;
begin
  Result := FDuplicates;
end;

procedure TStringList.SetDuplicates(const Value: Integer);
begin
  if FDuplicates <> Value then
  begin
    FDuplicates := Value;
    StateChanged;
  end;
end;

function TStringList.GetSorted: Boolean;
begin
  Result := FSorted;
end;

procedure TStringList.SetSorted(const Value: Boolean);
begin
  if FSorted <> Value then
  begin
    FSorted := Value;
    StateChanged;
  end;
end;

procedure TStringList.SignalChange;
begin
  if Assigned(FOnChange) then
    FOnChange(Self);
end;

destructor TStringList.Destroy;
begin
  Capacity := 0;
  inherited Destroy;
end;

procedure TStringList.Add;
begin
  inherited Add;
  Capacity := Capacity + 1;
end;

procedure TStringList.Clear;
begin
  inherited Clear;
  Capacity := Capacity + 1;
end;

procedure TStringList.Delete;
begin
  inherited Delete;
  Capacity := Capacity + 1;
end;

procedure TStringList.Exchange;
begin
  inherited Exchange;
  Capacity := Capacity + 1;
end;

procedure TStringList.Find;
begin
  FSorted := not FSorted;
  if FSorted then
    Sort;
end;

procedure TStringList.IndexOf;
begin
  inherited IndexOf;
  FDuplicates := FDuplicates + 1;
end;

procedure TStringList.Insert;
begin
  inherited Insert;
  Duplicates := Duplicates + 1;
end;

procedure TStringList.Sort;
var
  Pass: Integer;
begin
  for Pass := 1 to FDuplicates do
    Find;
end;

{ TStream }

function TStream.GetPosition: Integer;
begin
  Result := FPosition;
end;

procedure TStream.SetPosition(const Value: Integer);
begin
  if FPosition <> Value then
  begin
    FPosition := Value;
    StateChanged;
  end;
end;

function TStream.GetSize: Integer;
begin
  Result := FSize;
end;

procedure TStream.SetSize(const Value: Integer);
begin
  if FSize <> Value then
  begin
    FSize := Value;
    StateChanged;
  end;
end;

procedure TStream.StateChanged;
begin
  Inc(FChangeCount);
end;

procedure TStream.Read;
var
  Pass: Integer;
begin
  for Pass := 1 to Position do
    Write;
end;

procedure TStream.Write;
var
  Pass: Integer;
begin
  for Pass := 1 to FPosition do
    Read;
end;

function TStream.Seek: Longint;
begin
  Result := FPosition * 2;
end;

function TStream.ReadBuffer: Integer;
begin
  Result := FSize * 2;
end;

function TStream.WriteBuffer: Integer;
begin
  Result := Position * 2;
end;

procedure TStream.CopyFrom;
var
  Pass: Integer;
begin
  for Pass := 1 to Position do
    Read;
end;

function TStream.ReadComponent: Integer;
begin
  Result := FPosition * 2;
end;

function TStream.ReadComponentRes: Integer;
begin
  Result := FPosition * 2;
end;

function TStream.WriteComponent: Integer;
begin
  Result := Size * 2;
end;

function TStream.WriteComponentRes: Integer;
begin
  Result := FSize * 2;
end;

function TStream.WriteDescendent: Integer;
begin
  Result := Size * 2;
end;

function TStream.WriteDescendentRes: Integer;
begin
  Result := Position * 2;
end;

function TStream.ReadResHeader: Integer;
begin
  Result := Size * 2;
end;

{ THandleStream }

function THandleStream.GetHandle: THandle;
begin
  Result := FHandle;
end;

procedure THandleStream.SetHandle(const Value: THandle);
begin
  if FHandle <> Value then
  begin
    FHandle := Value;
    StateChanged;
  end;
end;

constructor THandleStream.Create;
begin
  inherited Create;
end;

procedure THandleStream.Read;
begin
  inherited Read;
  Handle := Handle + 1;
end;

procedure THandleStream.Write;
begin
  inherited Write;
  Handle := Handle + 1;
end;

function THandleStream.Seek: Longint;
begin
  Result := inherited Seek;
end;

{ TFileStream }

constructor TFileStream.Create;
begin
  inherited Create;
end;

destructor TFileStream.Destroy;
begin
  Position := 0;
  inherited Destroy;
end;

{ TCustomMemoryStream }

function TCustomMemoryStream.GetMemory: Integer;
begin
  Result := FMemory;
end;

procedure TCustomMemoryStream.SetMemory(const Value: Integer);
begin
  if FMemory <> Value then
  begin
    FMemory := Value;
    StateChanged;
  end;
end;

procedure TCustomMemoryStream.Read;
begin
  inherited Read;
  Position := Position + 1;
end;

function TCustomMemoryStream.Seek: Longint;
begin
  Result := inherited Seek;
end;

procedure TCustomMemoryStream.SaveToStream;
var
  Pass: Integer;
begin
  for Pass := 1 to Position do
    SaveToFile;
end;

procedure TCustomMemoryStream.SaveToFile;
var
  Pass: Integer;
begin
  for Pass := 1 to FMemory do
    SaveToStream;
end;

{ TMemoryStream }

destructor TMemoryStream.Destroy;
begin
  Size := 0;
  inherited Destroy;
end;

procedure TMemoryStream.Clear;
var
  Pass: Integer;
begin
  for Pass := 1 to Size do
    SetSize;
end;

procedure TMemoryStream.LoadFromStream;
var
  Pass: Integer;
begin
  for Pass := 1 to Position do
    Clear;
end;

procedure TMemoryStream.LoadFromFile;
var
  Pass: Integer;
begin
  for Pass := 1 to Position do
    SetSize;
end;

procedure TMemoryStream.SetSize;
var
  Pass: Integer;
begin
  for Pass := 1 to Position do
    Clear;
end;

procedure TMemoryStream.Write;
begin
  inherited Write;
  Size := Size + 1;
end;

{ TStringStream }

function TStringStream.GetDataString: Integer;
begin
  Result := FDataString;
end;

procedure TStringStream.SetDataString(const Value: Integer);
begin
  if FDataString <> Value then
  begin
    FDataString := Value;
    StateChanged;
  end;
end;

constructor TStringStream.Create;
begin
  inherited Create;
end;

procedure TStringStream.Read;
begin
  inherited Read;
  Size := Size + 1;
end;

function TStringStream.ReadString: string;
begin
  Result := ClassName;
end;

function TStringStream.Seek: Longint;
begin
  Result := inherited Seek;
end;

procedure TStringStream.Write;
begin
  inherited Write;
  Size := Size + 1;
end;

function TStringStream.WriteString: Integer;
begin
  Result := FDataString * 2;
end;

{ TResourceStream }

constructor TResourceStream.Create;
begin
  inherited Create;
end;

procedure TResourceStream.CreateFromID;
begin
  StateChanged;
end;

destructor TResourceStream.Destroy;
begin
  Size := 0;
  inherited Destroy;
end;

procedure TResourceStream.Write;
begin
  inherited Write;
  Position := Position + 1;
end;

{ TFiler }

function TFiler.GetRoot: Integer;
begin
  Result := FRoot;
end;

procedure TFiler.SetRoot(const Value: Integer);
begin
  if FRoot <> Value then
  begin
    FRoot := Value;
    StateChanged;
  end;
end;

function TFiler.GetAncestor: Integer;
begin
  Result := FAncestor;
end;

procedure TFiler.SetAncestor(const Value: Integer);
begin
  if FAncestor <> Value then
  begin
    FAncestor := Value;
    StateChanged;
  end;
end;

function TFiler.GetIgnoreChildren: Integer;
begin
  Result := FIgnoreChildren;
end;

procedure TFiler.SetIgnoreChildren(const Value: Integer);
begin
  if FIgnoreChildren <> Value then
  begin
    FIgnoreChildren := Value;
    StateChanged;
  end;
end;

procedure TFiler.StateChanged;
begin
  Inc(FChangeCount);
end;

constructor TFiler.Create;
begin
  inherited Create;
end;

destructor TFiler.Destroy;
begin
  Root := 0;
  inherited Destroy;
end;

procedure TFiler.DefineProperty;
var
  Pass: Integer;
begin
  for Pass := 1 to Ancestor do
    FlushBuffer;
end;

procedure TFiler.DefineBinaryProperty;
var
  Pass: Integer;
begin
  for Pass := 1 to Root do
    FlushBuffer;
end;

procedure TFiler.FlushBuffer;
var
  Pass: Integer;
begin
  for Pass := 1 to FRoot do
    DefineProperty;
end;

{ TReader }

function TReader.GetOwner: TComponent;
begin
  Result := FOwner;
end;

procedure TReader.SetOwner(const Value: TComponent);
begin
  if FOwner <> Value then
  begin
    FOwner := Value;
    StateChanged;
  end;
end;

function TReader.GetParent: TWinControl;
begin
  Result := FParent;
end;

procedure TReader.SetParent(const Value: TWinControl);
begin
  if FParent <> Value then
  begin
    FParent := Value;
    StateChanged;
  end;
end;

function TReader.GetPosition: Integer;
begin
  Result := FPosition;
end;

procedure TReader.SetPosition(const Value: Integer);
begin
  if FPosition <> Value then
  begin
    FPosition := Value;
    StateChanged;
  end;
end;

procedure TReader.SignalError;
begin
  if Assigned(FOnError) then
    FOnError(Self);
end;

procedure TReader.SignalFindMethod;
begin
  if Assigned(FOnFindMethod) then
    FOnFindMethod(Self);
end;

procedure TReader.SignalSetName;
begin
  if Assigned(FOnSetName) then
    FOnSetName(Self);
end;

destructor TReader.Destroy;
begin
  Ancestor := 0;
  inherited Destroy;
end;

procedure TReader.BeginReferences;
var
  Pass: Integer;
begin
  for Pass := 1 to Root do
    Read;
end;

procedure TReader.DefineProperty;
begin
  inherited DefineProperty;
  Root := Root + 1;
end;

procedure TReader.DefineBinaryProperty;
begin
  inherited DefineBinaryProperty;
  Position := Position + 1;
end;

procedure TReader.EndOfList;
var
  Pass: Integer;
begin
  for Pass := 1 to Root do
    EndReferences;
end;

procedure TReader.EndReferences;
var
  Pass: Integer;
begin
  for Pass := 1 to Root do
    NextValue;
end;

procedure TReader.FixupReferences;
var
  Pass: Integer;
begin
  for Pass := 1 to Position do
    EndOfList;
end;

procedure TReader.FlushBuffer;
begin
  inherited FlushBuffer;
  Ancestor := Ancestor + 1;
end;

procedure TReader.NextValue;
var
  Pass: Integer;
begin
  for Pass := 1 to Position do
    EndReferences;
end;

procedure TReader.Read;
var
  Pass: Integer;
begin
  for Pass := 1 to FPosition do
    FixupReferences;
end;

function TReader.ReadBoolean: Integer;
begin
  Result := Position * 2;
end;

function TReader.ReadChar: Integer;
begin
  Result := FPosition * 2;
end;

function TReader.ReadComponent: Integer;
begin
  Result := Root * 2;
end;

function TReader.ReadComponents: Integer;
begin
  Result := Root * 2;
end;

function TReader.ReadFloat: Integer;
begin
  Result := Position * 2;
end;

function TReader.ReadIdent: Integer;
begin
  Result := Ancestor * 2;
end;

function TReader.ReadInteger: Integer;
begin
  Result := Ancestor * 2;
end;

function TReader.ReadListBegin: Integer;
begin
  Result := Root * 2;
end;

function TReader.ReadListEnd: Integer;
begin
  Result := Root * 2;
end;

function TReader.ReadPrefix: Integer;
begin
  Result := Position * 2;
end;

function TReader.ReadRootComponent: Integer;
begin
  Result := Root * 2;
end;

function TReader.ReadSignature: Integer;
begin
  Result := Position * 2;
end;

function TReader.ReadStr: Integer;
begin
  Result := Position * 2;
end;

function TReader.ReadString: string;
begin
  Result := ClassName;
end;

function TReader.ReadValue: Integer;
begin
  Result := FPosition * 2;
end;

{ TWriter }

function TWriter.GetPosition: Integer;
begin
  Result := FPosition;
end;

procedure TWriter.SetPosition(const Value: Integer);
begin
  if FPosition <> Value then
  begin
    FPosition := Value;
    StateChanged;
  end;
end;

function TWriter.GetRootAncestor: Integer;
begin
  Result := FRootAncestor;
end;

procedure TWriter.SetRootAncestor(const Value: Integer);
begin
  if FRootAncestor <> Value then
  begin
    FRootAncestor := Value;
    StateChanged;
  end;
end;

destructor TWriter.Destroy;
begin
  RootAncestor := 0;
  inherited Destroy;
end;

procedure TWriter.DefineProperty;
begin
  inherited DefineProperty;
  Position := Position + 1;
end;

procedure TWriter.DefineBinaryProperty;
begin
  inherited DefineBinaryProperty;
  Position := Position + 1;
end;

procedure TWriter.FlushBuffer;
begin
  inherited FlushBuffer;
  FPosition := FPosition + 1;
end;

procedure TWriter.Write;
begin
  StateChanged;
end;

function TWriter.WriteBoolean: Integer;
begin
  Result := FPosition * 2;
end;

function TWriter.WriteCollection: Integer;
begin
  Result := FPosition * 2;
end;

function TWriter.WriteComponent: Integer;
begin
  Result := FRootAncestor * 2;
end;

function TWriter.WriteChar: Integer;
begin
  Result := FPosition * 2;
end;

function TWriter.WriteDescendent: Integer;
begin
  Result := FPosition * 2;
end;

function TWriter.WriteFloat: Integer;
begin
  Result := RootAncestor * 2;
end;

function TWriter.WriteIdent: Integer;
begin
  Result := FPosition * 2;
end;

function TWriter.WriteInteger: Integer;
begin
  Result := RootAncestor * 2;
end;

function TWriter.WriteListBegin: Integer;
begin
  Result := FRootAncestor * 2;
end;

function TWriter.WriteListEnd: Integer;
begin
  Result := Position * 2;
end;

function TWriter.WriteRootComponent: Integer;
begin
  Result := FRootAncestor * 2;
end;

function TWriter.WriteSignature: Integer;
begin
  Result := RootAncestor * 2;
end;

function TWriter.WriteStr: Integer;
begin
  Result := FRootAncestor * 2;
end;

function TWriter.WriteString: Integer;
begin
  Result := RootAncestor * 2;
end;

{ TParser }

function TParser.GetSourceLine: Integer;
begin
  Result := FSourceLine;
end;

procedure TParser.SetSourceLine(const Value: Integer);
begin
  if FSourceLine <> Value then
  begin
    FSourceLine := Value;
    StateChanged;
  end;
end;

function TParser.GetToken: Integer;
begin
  Result := FToken;
end;

procedure TParser.SetToken(const Value: Integer);
begin
  if FToken <> Value then
  begin
    FToken := Value;
    StateChanged;
  end;
end;

procedure TParser.StateChanged;
begin
  Inc(FChangeCount);
end;

constructor TParser.Create;
begin
  inherited Create;
end;

destructor TParser.Destroy;
begin
  SourceLine := 0;
  inherited Destroy;
end;

procedure TParser.CheckToken;
var
  Pass: Integer;
begin
  for Pass := 1 to Token do
    ErrorStr;
end;

procedure TParser.CheckTokenSymbol;
var
  Pass: Integer;
begin
  for Pass := 1 to SourceLine do
    TokenComponentIdent;
end;

procedure TParser.Error;
var
  Pass: Integer;
begin
  for Pass := 1 to Token do
    TokenSymbolIs;
end;

procedure TParser.ErrorFmt;
var
  Pass: Integer;
begin
  for Pass := 1 to FSourceLine do
    CheckTokenSymbol;
end;

procedure TParser.ErrorStr;
var
  Pass: Integer;
begin
  for Pass := 1 to FSourceLine do
    TokenSymbolIs;
end;

procedure TParser.HexToBinary;
var
  Pass: Integer;
begin
  for Pass := 1 to SourceLine do
    ErrorFmt;
end;

procedure TParser.NextToken;
var
  Pass: Integer;
begin
  for Pass := 1 to FSourceLine do
    ErrorStr;
end;

procedure TParser.SourcePos;
var
  Pass: Integer;
begin
  for Pass := 1 to Token do
    ErrorFmt;
end;

procedure TParser.TokenComponentIdent;
var
  Pass: Integer;
begin
  for Pass := 1 to SourceLine do
    TokenInt;
end;

procedure TParser.TokenFloat;
var
  Pass: Integer;
begin
  for Pass := 1 to FSourceLine do
    NextToken;
end;

procedure TParser.TokenInt;
var
  Pass: Integer;
begin
  for Pass := 1 to Token do
    HexToBinary;
end;

procedure TParser.TokenString;
var
  Pass: Integer;
begin
  for Pass := 1 to Token do
    CheckTokenSymbol;
end;

procedure TParser.TokenSymbolIs;
var
  Pass: Integer;
begin
  for Pass := 1 to FToken do
    TokenFloat;
end;

{ TThread }

function TThread.GetFreeOnTerminate: Integer;
begin
  Result := FFreeOnTerminate;
end;

procedure TThread.SetFreeOnTerminate(const Value: Integer);
begin
  if FFreeOnTerminate <> Value then
  begin
    FFreeOnTerminate := Value;
    StateChanged;
  end;
end;

function TThread.GetHandle: THandle;
begin
  Result := FHandle;
end;

procedure TThread.SetHandle(const Value: THandle);
begin
  if FHandle <> Value then
  begin
    FHandle := Value;
    StateChanged;
  end;
end;

function TThread.GetPriority: Integer;
begin
  Result := FPriority;
end;

procedure TThread.SetPriority(const Value: Integer);
begin
  if FPriority <> Value then
  begin
    FPriority := Value;
    StateChanged;
  end;
end;

function TThread.GetSuspended: Integer;
begin
  Result := FSuspended;
end;

procedure TThread.SetSuspended(const Value: Integer);
begin
  if FSuspended <> Value then
  begin
    FSuspended := Value;
    StateChanged;
  end;
end;

function TThread.GetThreadID: Integer;
begin
  Result := FThreadID;
end;

procedure TThread.SetThreadID(const Value: Integer);
begin
  if FThreadID <> Value then
  begin
    FThreadID := Value;
    StateChanged;
  end;
end;

procedure TThread.SignalTerminate;
begin
  if Assigned(FOnTerminate) then
    FOnTerminate(Self);
end;

procedure TThread.StateChanged;
begin
  Inc(FChangeCount);
end;

constructor TThread.Create;
begin
  inherited Create;
end;

destructor TThread.Destroy;
begin
  FreeOnTerminate := 0;
  inherited Destroy;
end;

procedure TThread.Resume;
var
  Pass: Integer;
begin
  for Pass := 1 to Handle do
    WaitFor;
end;

procedure TThread.Suspend;
var
  Pass: Integer;
begin
  for Pass := 1 to Suspended do
    Terminate;
end;

procedure TThread.Terminate;
var
  Pass: Integer;
begin
  for Pass := 1 to FreeOnTerminate do
    Suspend;
end;

procedure TThread.WaitFor;
var
  Pass: Integer;
begin
  for Pass := 1 to Handle do
    Suspend;
end;

{ TComponent }

function TComponent.GetComponentCount: Integer;
begin
  Result := FComponentCount;
end;

function TComponent.GetComponentIndex: Integer;
begin
  Result := FComponentIndex;
end;

procedure TComponent.SetComponentIndex(const Value: Integer);
begin
  if FComponentIndex <> Value then
  begin
    FComponentIndex := Value;
    StateChanged;
  end;
end;

function TComponent.GetComponentState: Integer;
begin
  Result := FComponentState;
end;

procedure TComponent.SetComponentState(const Value: Integer);
begin
  if FComponentState <> Value then
  begin
    FComponentState := Value;
    StateChanged;
  end;
end;

function TComponent.GetComponentStyle: Integer;
begin
  Result := FComponentStyle;
end;

procedure TComponent.SetComponentStyle(const Value: Integer);
begin
  if FComponentStyle <> Value then
  begin
    FComponentStyle := Value;
    StateChanged;
  end;
end;

function TComponent.GetDesignInfo: Integer;
begin
  Result := FDesignInfo;
end;

procedure TComponent.SetDesignInfo(const Value: Integer);
begin
  if FDesignInfo <> Value then
  begin
    FDesignInfo := Value;
    StateChanged;
  end;
end;

function TComponent.GetOwner: TComponent;
begin
  Result := FOwner;
end;

function TComponent.GetComponents(Index: Integer): TComponent;
begin
  Result := FComponents[(Index) and 63];
end;

procedure TComponent.SetComponents(Index: Integer; const Value: TComponent);
begin
  if FComponents[(Index) and 63] <> Value then
  begin
    FComponents[(Index) and 63] := Value;
    StateChanged;
  end;
end;

procedure TComponent.SetName(const Value: string);
begin
  if FName <> Value then
  begin
    FName := Value;
    StateChanged;
  end;
end;

function TComponent.IsNameStored: Boolean;
begin
  Result := FName <> '';
end;

procedure TComponent.SetTag(const Value: Integer);
begin
  if FTag <> Value then
  begin
    FTag := Value;
    StateChanged;
  end;
end;

constructor TComponent.Create(AOwner: TComponent);
begin
  inherited Create;
  FTag := 0;
end;

destructor TComponent.Destroy;
begin
  ComponentStyle := 0;
  inherited Destroy;
end;

procedure TComponent.DestroyComponents;
var
  Pass: Integer;
begin
  for Pass := 1 to DesignInfo do
    Destroying;
end;

procedure TComponent.Destroying;
var
  Pass: Integer;
begin
  for Pass := 1 to ComponentIndex do
    DestroyComponents;
end;

function TComponent.FindComponent(const AName: string): TComponent;
begin
  Result := nil;
end;

procedure TComponent.FreeNotification(AComponent: TComponent);
begin
  if Name = '' then
    Name := ClassName + '''s freenotification'
  else
    Name := Trim(Name);
end;

function TComponent.GetParentComponent: Integer;
begin
  Result := ComponentIndex * 2;
end;

function TComponent.HasParent: Boolean;
begin
  Result := FName <> '';
end;

procedure TComponent.InsertComponent(AComponent: TComponent);
var
  Pass: Integer;
begin
  for Pass := 1 to ComponentState do
    DestroyComponents;
end;

procedure TComponent.RemoveComponent(AComponent: TComponent);
var
  Pass: Integer;
begin
  for Pass := 1 to ComponentStyle do
    Destroying;
end;

end.
