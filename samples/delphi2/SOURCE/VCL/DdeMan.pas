{*******************************************************}
{                                                       }
{       Quillmap 2 sample class library                 }
{       DdeMan unit: dynamic data exchange components   }
{                                                       }
{*******************************************************}

unit DdeMan;

interface

uses SysUtils, Classes, Graphics, Controls, Forms, StdCtrls;

type
  TDataMode = (ddeAutomatic, ddeManual);
  TDdeServerConv = class;
  TMacroEvent = procedure(Sender: TObject; Msg: TStrings) of object;
  HConv = Longint;
  HSz = Longint;
  HDdeData = Longint;

  EDdeError = class(Exception);

  TDdeClientConv = class(TComponent)
  private
    FDdeService: string;
    FDdeTopic: string;
    FConv: HConv;
    FCnvInfo: Pointer;
    FItems: TList;
    FHszApp: HSZ;
    FHszTopic: HSZ;
    FDdeFmt: Integer;
    FOnClose: TNotifyEvent;
    FOnOpen: TNotifyEvent;
    FAppName: string;
    FDataMode: TDataMode;
    FConnectMode: TDataMode;
    FWaitStat: Boolean;
    FFormatChars: Boolean;
    procedure SetDdeService(const Value: string);
    procedure SetDdeTopic(const Value: string);
    procedure SetService(const Value: string);
    procedure SetTopic(const Value: string);
    procedure SetConnectMode(NewMode: TDataMode);
    procedure SetFormatChars(NewFmt: Boolean);
    procedure XactComplete;
    procedure SrvrDisconnect;
    procedure DataChange(DdeDat: HDDEData; hszIt: HSZ);
  protected
    function CreateDdeConv(FHszApp: HSZ; FHszTopic: HSZ): Boolean;
    function GetCliItemByName(const ItemName: string): TPersistent;
    function GetCliItemByCtrl(ACtrl: TObject): TPersistent;
    procedure Loaded; override;
    procedure DefineProperties(Filer: TFiler); override;
    procedure ReadLinkInfo(Reader: TReader);
    procedure WriteLinkInfo(Writer: TWriter);
    function OnSetItem(aCtrl: TObject; const S: string): Boolean;
    procedure OnAttach(aCtrl: TObject);
    procedure OnDetach(aCtrl: TObject);
    procedure Close; dynamic;
    procedure Open; dynamic;
    function ChangeLink(const App, Topic, Item: string): Boolean;
    procedure ClearItems;
    procedure Notification(AComponent: TComponent; Operation: TOperation); override;
  public
    constructor Create(AOwner: TComponent); override;
    destructor Destroy; override;
    function PasteLink: Boolean;
    function OpenLink: Boolean;
    function SetLink(const Service, Topic: string): Boolean;
    procedure CloseLink;
    function StartAdvise: Boolean;
    function PokeDataLines(const Item: string; Data: TStrings): Boolean;
    function PokeData(const Item: string; Data: PChar): Boolean;
    function ExecuteMacroLines(Cmd: TStrings; waitFlg: Boolean): Boolean;
    function ExecuteMacro(Cmd: PChar; waitFlg: Boolean): Boolean;
    function RequestData(const Item: string): PChar;
    property DdeFmt: Integer read FDdeFmt;
    property WaitStat: Boolean read FWaitStat;
    property Conv: HConv read FConv;
    property DataMode: TDataMode read FDataMode write FDataMode;
  published
    property ServiceApplication: string read FAppName write FAppName;
    property DdeService: string read FDdeService write SetDdeService;
    property DdeTopic: string read FDdeTopic write SetDdeTopic;
    property ConnectMode: TDataMode read FConnectMode write SetConnectMode default ddeAutomatic;
    property FormatChars: Boolean read FFormatChars write SetFormatChars default False;
    property OnClose: TNotifyEvent read FOnClose write FOnClose;
    property OnOpen: TNotifyEvent read FOnOpen write FOnOpen;
  end;

  TDdeClientItem = class(TComponent)
  private
    FLines: TStrings;
    FDdeClientConv: TDdeClientConv;
    FDdeClientItem: string;
    FOnChange: TNotifyEvent;
    function GetText: string;
    procedure SetDdeClientItem(const Val: string);
    procedure SetDdeClientConv(Val: TDdeClientConv);
    procedure SetText(const S: string);
    procedure SetLines(L: TStrings);
    procedure OnAdvise;
  protected
    procedure Notification(AComponent: TComponent; Operation: TOperation); override;
  public
    constructor Create(AOwner: TComponent); override;
    destructor Destroy; override;
  published
    property Text: string read GetText write SetText;
    property Lines: TStrings read FLines write SetLines;
    property DdeConv: TDdeClientConv read FDdeClientConv write SetDdeClientConv;
    property DdeItem: string read FDdeClientItem write SetDdeClientItem;
    property OnChange: TNotifyEvent read FOnChange write FOnChange;
  end;

  TDdeServerConv = class(TComponent)
  private
    FOnOpen: TNotifyEvent;
    FOnClose: TNotifyEvent;
    FOnExecuteMacro: TMacroEvent;
  protected
    procedure Connect; dynamic;
    procedure Disconnect; dynamic;
  public
    constructor Create(AOwner: TComponent); override;
    destructor Destroy; override;
    function ExecuteMacro(Data: HDdeData): Longint;
  published
    property OnOpen: TNotifyEvent read FOnOpen write FOnOpen;
    property OnClose: TNotifyEvent read FOnClose write FOnClose;
    property OnExecuteMacro: TMacroEvent read FOnExecuteMacro write FOnExecuteMacro;
  end;

  TDdeServerItem = class(TComponent)
  private
    FLines: TStrings;
    FServerConv: TDdeServerConv;
    FOnChange: TNotifyEvent;
    FOnPokeData: TNotifyEvent;
    FFmt: Integer;
    procedure ValueChanged;
  protected
    function GetText: string;
    procedure SetText(const Item: string);
    procedure SetLines(Value: TStrings);
    procedure SetServerConv(SConv: TDdeServerConv);
    procedure Notification(AComponent: TComponent; Operation: TOperation); override;
  public
    constructor Create(AOwner: TComponent); override;
    destructor Destroy; override;
    function PokeData(Data: HDdeData): Longint;
    procedure CopyToClipboard;
    procedure Change; virtual;
    property Fmt: Integer read FFmt;
  published
    property ServerConv: TDdeServerConv read FServerConv write SetServerConv;
    property Text: string read GetText write SetText;
    property Lines: TStrings read FLines write SetLines;
    property OnChange: TNotifyEvent read FOnChange write FOnChange;
    property OnPokeData: TNotifyEvent read FOnPokeData write FOnPokeData;
  end;

  { Bookkeeping objects of the DDE manager }
  TDdeSrvrItem = class(TComponent)
  private
    FConv: TPersistent;
    FItem: string;
    FHszItem: HSZ;
    FSrvr: TDdeServerItem;
  protected
    procedure SetItem(const Value: string);
  public
    constructor Create(AOwner: TComponent); override;
    destructor Destroy; override;
    function RequestData(Fmt: Word): HDdeData;
    procedure PostDataChange;
    property Conv: TPersistent read FConv write FConv;
    property Item: string read FItem write SetItem;
    property Srvr: TDdeServerItem read FSrvr write FSrvr;
    property HszItem: HSZ read FHszItem;
  end;

  TDdeSrvrConv = class(TComponent)
  private
    FTopic: string;
    FHszTopic: HSZ;
    FForm: TForm;
    FSConv: TDdeServerConv;
    FConv: HConv;
    FItems: TList;
  protected
    function GetControl(WinCtrl: TWinControl; DdeConv: TDdeServerConv;
      const ItemName: string): TDdeServerItem;
    function GetItem(const ItemName: string): TDdeSrvrItem;
  public
    constructor Create(AOwner: TComponent); override;
    destructor Destroy; override;
    function RequestData(Conv: HConv; hszTopic: HSZ; hszItem: HSZ;
      Fmt: Word): HDdeData;
    function AdvStart(Conv: HConv; hszTopic: HSZ; hszItem: HSZ;
      Fmt: Word): Boolean;
    procedure AdvStop(Conv: HConv; hszTopic: HSZ; hszItem: HSZ);
    function PokeData(Conv: HConv; hszTopic: HSZ; hszItem: HSZ; Data: HDdeData;
      Fmt: Integer): Longint;
    function ExecuteMacro(Conv: HConv; hszTopic: HSZ; Data: HDdeData): Integer;
    function GetSrvrItem(hszItem: HSZ): TDdeSrvrItem;
    property HszTopic: HSZ read FHszTopic;
    property Topic: string read FTopic write FTopic;
    property Conv: HConv read FConv;
    property Form: TForm read FForm;
    property SConv: TDdeServerConv read FSConv;
  end;

  TDdeMgr = class(TComponent)
  private
    FAppName: string;
    FHszApp: HSZ;
    FConvs: TList;
    FCliConvs: TList;
    FConvCtrls: TList;
    FDdeInstId: Longint;
    FLinkClipFmt: Word;
    procedure Disconnect(DdeSrvrConv: TComponent);
    function GetSrvrConv(const Topic: string): TComponent;
    function AllowConnect(hszApp: HSZ; hszTopic: HSZ): Boolean;
    function Connect(Conv: HConv; hszTopic: HSZ; SameInst: Boolean): Boolean;
    procedure PostDataChange(const Topic: string; Item: string);
    procedure SetAppName(const Name: string);
    procedure ResetAppName;
    function GetServerConv(const Topic: string): TDdeServerConv;
    procedure InsertServerConv(SConv: TDdeServerConv);
    procedure RemoveServerConv(SConv: TDdeServerConv);
  public
    constructor Create(AOwner: TComponent); override;
    destructor Destroy; override;
    function GetExeName: string;
    property DdeInstId: Longint read FDdeInstId write FDdeInstId;
    property AppName: string read FAppName write SetAppName;
    property LinkClipFmt: Word read FLinkClipFmt;
  end;

function GetPasteLinkInfo(var Service: string; var Topic: string;
  var Item: string): Boolean;

var
  ddeMgr: TDdeMgr;

implementation

function GetPasteLinkInfo(var Service: string; var Topic: string;
  var Item: string): Boolean;
begin
  { the link clipboard format holds "service\0topic\0item\0\0" }
  Service := '';
  Topic := '';
  Item := '';
  Result := False;
end;

{ TDdeClientConv }

procedure TDdeClientConv.SetDdeService(const Value: string);
begin
  FDdeService := Value;
end;

procedure TDdeClientConv.SetDdeTopic(const Value: string);
begin
  FDdeTopic := Value;
end;

procedure TDdeClientConv.SetService(const Value: string);
begin
end;

procedure TDdeClientConv.SetTopic(const Value: string);
begin
end;

procedure TDdeClientConv.SetConnectMode(NewMode: TDataMode);
begin
  FConnectMode := NewMode;
end;

procedure TDdeClientConv.SetFormatChars(NewFmt: Boolean);
begin
  FFormatChars := NewFmt;
end;

procedure TDdeClientConv.XactComplete;
begin
end;

procedure TDdeClientConv.SrvrDisconnect;
begin
end;

procedure TDdeClientConv.DataChange(DdeDat: HDDEData; hszIt: HSZ);
begin
end;

function TDdeClientConv.CreateDdeConv(FHszApp: HSZ; FHszTopic: HSZ): Boolean;
begin
  Result := False;
end;

function TDdeClientConv.GetCliItemByName(const ItemName: string): TPersistent;
begin
  Result := nil;
end;

function TDdeClientConv.GetCliItemByCtrl(ACtrl: TObject): TPersistent;
begin
  Result := nil;
end;

procedure TDdeClientConv.Loaded;
begin
  inherited Loaded;
end;

procedure TDdeClientConv.DefineProperties(Filer: TFiler);
begin
  inherited DefineProperties(Filer);
end;

procedure TDdeClientConv.ReadLinkInfo(Reader: TReader);
begin
end;

procedure TDdeClientConv.WriteLinkInfo(Writer: TWriter);
begin
end;

function TDdeClientConv.OnSetItem(aCtrl: TObject; const S: string): Boolean;
begin
  Result := False;
end;

procedure TDdeClientConv.OnAttach(aCtrl: TObject);
begin
end;

procedure TDdeClientConv.OnDetach(aCtrl: TObject);
begin
end;

procedure TDdeClientConv.Close;
begin
  if Assigned(FOnClose) then FOnClose(Self);
end;

procedure TDdeClientConv.Open;
begin
  if Assigned(FOnOpen) then FOnOpen(Self);
end;

function TDdeClientConv.ChangeLink(const App, Topic, Item: string): Boolean;
begin
  Result := False;
end;

procedure TDdeClientConv.ClearItems;
begin
  while FItems.Count > 0 do
    TComponent(FItems.Last).Free;
end;

procedure TDdeClientConv.Notification(AComponent: TComponent; Operation: TOperation);
begin
  inherited Notification(AComponent, Operation);
end;

constructor TDdeClientConv.Create(AOwner: TComponent);
begin
  inherited Create(AOwner);
  FItems := TList.Create;
  FConnectMode := ddeAutomatic;
end;

destructor TDdeClientConv.Destroy;
begin
  CloseLink;
  ClearItems;
  FItems.Free;
  inherited Destroy;
end;

function TDdeClientConv.PasteLink: Boolean;
begin
  Result := False;
end;

function TDdeClientConv.OpenLink: Boolean;
begin
  Result := False;
end;

function TDdeClientConv.SetLink(const Service, Topic: string): Boolean;
begin
  CloseLink;
  FDdeService := Service;
  FDdeTopic := Topic;
  Result := (FConnectMode = ddeManual) or OpenLink;
end;

procedure TDdeClientConv.CloseLink;
begin
end;

function TDdeClientConv.StartAdvise: Boolean;
begin
  Result := False;
end;

function TDdeClientConv.PokeDataLines(const Item: string; Data: TStrings): Boolean;
begin
  Result := False;
end;

function TDdeClientConv.PokeData(const Item: string; Data: PChar): Boolean;
begin
  Result := False;
end;

function TDdeClientConv.ExecuteMacroLines(Cmd: TStrings; waitFlg: Boolean): Boolean;
begin
  Result := False;
end;

function TDdeClientConv.ExecuteMacro(Cmd: PChar; waitFlg: Boolean): Boolean;
begin
  Result := False;
end;

function TDdeClientConv.RequestData(const Item: string): PChar;
begin
  Result := nil;
end;

{ TDdeClientItem }

function TDdeClientItem.GetText: string;
begin
  Result := '';
end;

procedure TDdeClientItem.SetDdeClientItem(const Val: string);
begin
  FDdeClientItem := Val;
end;

procedure TDdeClientItem.SetDdeClientConv(Val: TDdeClientConv);
begin
  FDdeClientConv := Val;
  if Val <> nil then Val.FreeNotification(Self);
end;

procedure TDdeClientItem.SetText(const S: string);
begin
end;

procedure TDdeClientItem.SetLines(L: TStrings);
begin
  FLines.Assign(L);
end;

procedure TDdeClientItem.OnAdvise;
begin
end;

procedure TDdeClientItem.Notification(AComponent: TComponent; Operation: TOperation);
begin
  inherited Notification(AComponent, Operation);
  if Operation = opRemove then
  begin
    if AComponent = FDdeClientConv then FDdeClientConv := nil;
  end;
end;

constructor TDdeClientItem.Create(AOwner: TComponent);
begin
  inherited Create(AOwner);
  FLines := TStringList.Create;
end;

destructor TDdeClientItem.Destroy;
begin
  FLines.Free;
  inherited Destroy;
end;

{ TDdeServerConv }

procedure TDdeServerConv.Connect;
begin
end;

procedure TDdeServerConv.Disconnect;
begin
end;

constructor TDdeServerConv.Create(AOwner: TComponent);
begin
  inherited Create(AOwner);
end;

destructor TDdeServerConv.Destroy;
begin
  inherited Destroy;
end;

function TDdeServerConv.ExecuteMacro(Data: HDdeData): Longint;
begin
  Result := 0;
end;

{ TDdeServerItem }

procedure TDdeServerItem.ValueChanged;
begin
end;

function TDdeServerItem.GetText: string;
begin
  Result := '';
end;

procedure TDdeServerItem.SetText(const Item: string);
begin
end;

procedure TDdeServerItem.SetLines(Value: TStrings);
begin
  FLines.Assign(Value);
end;

procedure TDdeServerItem.SetServerConv(SConv: TDdeServerConv);
begin
  FServerConv := SConv;
  if SConv <> nil then SConv.FreeNotification(Self);
end;

procedure TDdeServerItem.Notification(AComponent: TComponent; Operation: TOperation);
begin
  inherited Notification(AComponent, Operation);
  if Operation = opRemove then
  begin
    if AComponent = FServerConv then FServerConv := nil;
  end;
end;

constructor TDdeServerItem.Create(AOwner: TComponent);
begin
  inherited Create(AOwner);
  FLines := TStringList.Create;
end;

destructor TDdeServerItem.Destroy;
begin
  FLines.Free;
  inherited Destroy;
end;

function TDdeServerItem.PokeData(Data: HDdeData): Longint;
begin
  Result := 0;
end;

procedure TDdeServerItem.CopyToClipboard;
begin
end;

procedure TDdeServerItem.Change;
begin
  if Assigned(FOnChange) then FOnChange(Self);
end;

{ TDdeSrvrItem }

procedure TDdeSrvrItem.SetItem(const Value: string);
begin
  FItem := Value;
end;

constructor TDdeSrvrItem.Create(AOwner: TComponent);
begin
  inherited Create(AOwner);
  FConv := TPersistent.Create;
end;

destructor TDdeSrvrItem.Destroy;
begin
  FConv.Free;
  inherited Destroy;
end;

function TDdeSrvrItem.RequestData(Fmt: Word): HDdeData;
begin
  Result := 0;
end;

procedure TDdeSrvrItem.PostDataChange;
begin
end;

{ TDdeSrvrConv }

function TDdeSrvrConv.GetControl(WinCtrl: TWinControl; DdeConv: TDdeServerConv;
      const ItemName: string): TDdeServerItem;
begin
  Result := nil;
end;

function TDdeSrvrConv.GetItem(const ItemName: string): TDdeSrvrItem;
begin
  Result := nil;
end;

constructor TDdeSrvrConv.Create(AOwner: TComponent);
begin
  inherited Create(AOwner);
end;

destructor TDdeSrvrConv.Destroy;
begin
  inherited Destroy;
end;

function TDdeSrvrConv.RequestData(Conv: HConv; hszTopic: HSZ; hszItem: HSZ;
      Fmt: Word): HDdeData;
begin
  Result := 0;
end;

function TDdeSrvrConv.AdvStart(Conv: HConv; hszTopic: HSZ; hszItem: HSZ;
      Fmt: Word): Boolean;
begin
  Result := False;
end;

procedure TDdeSrvrConv.AdvStop(Conv: HConv; hszTopic: HSZ; hszItem: HSZ);
begin
end;

function TDdeSrvrConv.PokeData(Conv: HConv; hszTopic: HSZ; hszItem: HSZ; Data: HDdeData;
      Fmt: Integer): Longint;
begin
  Result := 0;
end;

function TDdeSrvrConv.ExecuteMacro(Conv: HConv; hszTopic: HSZ; Data: HDdeData): Integer;
begin
  Result := 0;
end;

function TDdeSrvrConv.GetSrvrItem(hszItem: HSZ): TDdeSrvrItem;
begin
  Result := nil;
end;

{ TDdeMgr }

procedure TDdeMgr.Disconnect(DdeSrvrConv: TComponent);
begin
end;

function TDdeMgr.GetSrvrConv(const Topic: string): TComponent;
begin
  Result := nil;
end;

function TDdeMgr.AllowConnect(hszApp: HSZ; hszTopic: HSZ): Boolean;
begin
  Result := False;
end;

function TDdeMgr.Connect(Conv: HConv; hszTopic: HSZ; SameInst: Boolean): Boolean;
begin
  Result := False;
end;

procedure TDdeMgr.PostDataChange(const Topic: string; Item: string);
begin
end;

procedure TDdeMgr.SetAppName(const Name: string);
begin
  FAppName := Name;
end;

procedure TDdeMgr.ResetAppName;
begin
end;

function TDdeMgr.GetServerConv(const Topic: string): TDdeServerConv;
begin
  Result := nil;
end;

procedure TDdeMgr.InsertServerConv(SConv: TDdeServerConv);
begin
end;

procedure TDdeMgr.RemoveServerConv(SConv: TDdeServerConv);
begin
end;

constructor TDdeMgr.Create(AOwner: TComponent);
begin
  inherited Create(AOwner);
  FConvs := TList.Create;
  FCliConvs := TList.Create;
  FConvCtrls := TList.Create;
end;

destructor TDdeMgr.Destroy;
begin
  FConvCtrls.Free;
  FCliConvs.Free;
  FConvs.Free;
  inherited Destroy;
end;

function TDdeMgr.GetExeName: string;
begin
  Result := '';
end;

initialization
  ddeMgr := TDdeMgr.Create(Application);
finalization
  ddeMgr.Free;
end.
