{ DdeMan: a unit of the sample Delphi 2.0 installation that Quillmap 2 browses.
  Written by samples/make_sample.py from samples/vcl-table.txt; change those, not this file. }

unit DdeMan;

(* The declarations name the documented interface of the unit; everything
   private, and every statement, is the sample's own. *)

interface

uses SysUtils, Classes, Graphics, Controls, Forms, StdCtrls;

const
  DdeManSample = 'Quillmap''s sample of DdeMan';

type

  EDdeError = class(Exception)
  end;

  TDdeClientConv = class(TComponent)
  private
    FDdeFmt: Integer;
    FWaitStat: Integer;
    FConv: Integer;
    FDataMode: Integer;
    FServiceApplication: Integer;
    FDdeService: Integer;
    FDdeTopic: Integer;
    FConnectMode: Integer;
    FFormatChars: Integer;
    FOnClose: TCloseEvent;
    FOnOpen: TNotifyEvent;
    function GetDdeFmt: Integer;
    procedure SetDdeFmt(const Value: Integer);
    function GetWaitStat: Integer;
    procedure SetWaitStat(const Value: Integer);
    function GetConv: Integer;
    procedure SetConv(const Value: Integer);
    function GetDataMode: Integer;
    procedure SetDataMode(const Value: Integer);
    procedure SetServiceApplication(const Value: Integer);
    procedure SetDdeService(const Value: Integer);
    procedure SetDdeTopic(const Value: Integer);
    procedure SetConnectMode(const Value: Integer);
    procedure SetFormatChars(const Value: Integer);
  protected
    procedure SignalOpen; dynamic;
  public
    constructor Create(AOwner: TComponent); override;
    destructor Destroy; override;
    procedure PasteLink;
    function OpenLink: Boolean;
    procedure SetLink;
    procedure CloseLink;
    procedure StartAdvise;
    procedure PokeDataLines;
    procedure PokeData;
    procedure ExecuteMacroLines;
    procedure ExecuteMacro;
    procedure RequestData;
    property DdeFmt: Integer read GetDdeFmt write SetDdeFmt;
    property WaitStat: Integer read GetWaitStat write SetWaitStat;
    property Conv: Integer read GetConv write SetConv;
    property DataMode: Integer read GetDataMode write SetDataMode;
  published
    property ServiceApplication: Integer read FServiceApplication write SetServiceApplication;
    property DdeService: Integer read FDdeService write SetDdeService;
    property DdeTopic: Integer read FDdeTopic write SetDdeTopic;
    property ConnectMode: Integer read FConnectMode write SetConnectMode;
    property FormatChars: Integer read FFormatChars write SetFormatChars;
    property OnClose: TCloseEvent read FOnClose write FOnClose;
    property OnOpen: TNotifyEvent read FOnOpen write FOnOpen;
  end;

  TDdeClientItem = class(TComponent)
  private
    FText: string;
    FLines: TStrings;
    FDdeConv: Integer;
    FDdeItem: Integer;
    FOnChange: TNotifyEvent;
    procedure SetText(const Value: string);
    procedure SetLines(const Value: TStrings);
    procedure SetDdeConv(const Value: Integer);
    procedure SetDdeItem(const Value: Integer);
  protected
    procedure SignalChange; dynamic;
  public
    constructor Create(AOwner: TComponent); override;
    destructor Destroy; override;
  published
    property Text: string read FText write SetText;
    property Lines: TStrings read FLines write SetLines;
    property DdeConv: Integer read FDdeConv write SetDdeConv;
    property DdeItem: Integer read FDdeItem write SetDdeItem;
    property OnChange: TNotifyEvent read FOnChange write FOnChange;
  end;

  TDdeServerConv = class(TComponent)
  private
    FOnOpen: TNotifyEvent;
    FOnClose: TCloseEvent;
    FOnExecuteMacro: TNotifyEvent;
  protected
    procedure SignalOpen; dynamic;
    procedure SignalExecuteMacro; dynamic;
  public
    constructor Create(AOwner: TComponent); override;
    destructor Destroy; override;
    procedure ExecuteMacro;
  published
    property OnOpen: TNotifyEvent read FOnOpen write FOnOpen;
    property OnClose: TCloseEvent read FOnClose write FOnClose;
    property OnExecuteMacro: TNotifyEvent read FOnExecuteMacro write FOnExecuteMacro;
  end;

  TDdeServerItem = class(TComponent)
  private
    FFmt: Integer;
    FServerConv: Integer;
    FText: string;
    FLines: TStrings;
    FOnChange: TNotifyEvent;
    FOnPokeData: TNotifyEvent;
    function GetFmt: Integer;
    procedure SetFmt(const Value: Integer);
    procedure SetServerConv(const Value: Integer);
    procedure SetText(const Value: string);
    procedure SetLines(const Value: TStrings);
  protected
    procedure SignalChange; dynamic;
    procedure SignalPokeData; dynamic;
  public
    constructor Create(AOwner: TComponent); override;
    destructor Destroy; override;
    procedure PokeData;
    procedure CopyToClipboard;
    procedure Change;
    property Fmt: Integer read GetFmt write SetFmt;
  published
    property ServerConv: Integer read FServerConv write SetServerConv;
    property Text: string read FText write SetText;
    property Lines: TStrings read FLines write SetLines;
    property OnChange: TNotifyEvent read FOnChange write FOnChange;
    property OnPokeData: TNotifyEvent read FOnPokeData write FOnPokeData;
  end;

  TDdeSrvrItem = class(TComponent)
  private
    FConv: Integer;
    FItem: Integer;
    FSrvr: Integer;
    FHszItem: Integer;
    function GetConv: Integer;
    procedure SetConv(const Value: Integer);
    function GetItem: Integer;
    procedure SetItem(const Value: Integer);
    function GetSrvr: Integer;
    procedure SetSrvr(const Value: Integer);
    function GetHszItem: Integer;
    procedure SetHszItem(const Value: Integer);
  public
    constructor Create(AOwner: TComponent); override;
    destructor Destroy; override;
    procedure RequestData;
    procedure PostDataChange;
    property Conv: Integer read GetConv write SetConv;
    property Item: Integer read GetItem write SetItem;
    property Srvr: Integer read GetSrvr write SetSrvr;
    property HszItem: Integer read GetHszItem write SetHszItem;
  end;

  TDdeSrvrConv = class(TComponent)
  private
    FHszTopic: Integer;
    FTopic: Integer;
    FConv: Integer;
    FForm: Integer;
    FSConv: Integer;
    function GetHszTopic: Integer;
    procedure SetHszTopic(const Value: Integer);
    function GetTopic: Integer;
    procedure SetTopic(const Value: Integer);
    function GetConv: Integer;
    procedure SetConv(const Value: Integer);
    function GetForm: Integer;
    procedure SetForm(const Value: Integer);
    function GetSConv: Integer;
    procedure SetSConv(const Value: Integer);
  public
    constructor Create(AOwner: TComponent); override;
    destructor Destroy; override;
    procedure RequestData;
    procedure AdvStart;
    procedure AdvStop;
    procedure PokeData;
    procedure ExecuteMacro;
    function GetSrvrItem: Integer;
    property HszTopic: Integer read GetHszTopic write SetHszTopic;
    property Topic: Integer read GetTopic write SetTopic;
    property Conv: Integer read GetConv write SetConv;
    property Form: Integer read GetForm write SetForm;
    property SConv: Integer read GetSConv write SetSConv;
  end;

  TDdeMgr = class(TComponent)
  private
    FDdeInstId: Integer;
    FAppName: string;
    FLinkClipFmt: Integer;
    function GetDdeInstId: Integer;
    procedure SetDdeInstId(const Value: Integer);
    function GetAppName: string;
    procedure SetAppName(const Value: string);
    function GetLinkClipFmt: Integer;
    procedure SetLinkClipFmt(const Value: Integer);
  public
    constructor Create(AOwner: TComponent); override;
    destructor Destroy; override;
    function GetExeName: Integer;
    property DdeInstId: Integer read GetDdeInstId write SetDdeInstId;
    property AppName: string read GetAppName write SetAppName;
    property LinkClipFmt: Integer read GetLinkClipFmt write SetLinkClipFmt;
  end;

implementation

// Method bodies, class by class, in the order of the declarations above.

{ TDdeClientConv }

function TDdeClientConv.GetDdeFmt: Integer;
begin
  Result := FDdeFmt;
end;

procedure TDdeClientConv.SetDdeFmt(const Value: Integer);
begin
  if FDdeFmt <> Value then
  begin
    FDdeFmt := Value;
    StateChanged;
  end;
end;

function TDdeClientConv.GetWaitStat: Integer;
begin
  Result := FWaitStat;
end;

procedure TDdeClientConv.SetWaitStat(const Value: Integer);
begin
  if FWaitStat <> Value then
  begin
    FWaitStat := Value;
    StateChanged;
  end;
end;

function TDdeClientConv.GetConv: Integer;
begin
  Result := FConv;
end;

procedure TDdeClientConv.SetConv(const Value: Integer);
begin
  if FConv <> Value then
  begin
    FConv := Value;
    StateChanged;
  end;
end;

function TDdeClientConv.GetDataMode: Integer;
begin
  Result := FDataMode;
end;

procedure TDdeClientConv.SetDataMode(const Value: Integer);
begin
  if FDataMode <> Value then
  begin
    FDataMode := Value;
    StateChanged;
  end;
end;

procedure TDdeClientConv.SetServiceApplication(const Value: Integer);
begin
  if FServiceApplication <> Value then
  begin
    FServiceApplication := Value;
    StateChanged;
  end;
end;

procedure TDdeClientConv.SetDdeService(const Value: Integer);
begin
  if FDdeService <> Value then
  begin
    FDdeService := Value;
    StateChanged;
  end;
end;

procedure TDdeClientConv.SetDdeTopic(const Value: Integer);
begin
  if FDdeTopic <> Value then
  begin
    FDdeTopic := Value;
    StateChanged;
  end;
end;

procedure TDdeClientConv.SetConnectMode(const Value: Integer);
begin
  if FConnectMode <> Value then
  begin
    FConnectMode := Value;
    StateChanged;
  end;
end;

procedure TDdeClientConv.SetFormatChars(const Value: Integer);
begin
  if FFormatChars <> Value then
  begin
    FFormatChars := Value;
    StateChanged;
  end;
end;

procedure TDdeClientConv.SignalOpen;
begin
  if Assigned(FOnOpen) then
    FOnOpen(Self);
end;

constructor TDdeClientConv.Create(AOwner: TComponent);
begin
  inherited Create(AOwner);
end;

destructor TDdeClientConv.Destroy;
begin
  DataMode := 0;
  inherited Destroy;
end;

procedure TDdeClientConv.PasteLink;
var
  Pass: Integer;
begin
  for Pass := 1 to Conv do
    RequestData;
end;

function TDdeClientConv.OpenLink: Boolean;
begin
  Result := Name <> '';
end;

procedure TDdeClientConv.SetLink;
var
  Pass: Integer;
begin
  for Pass := 1 to DdeFmt do
    PasteLink;
end;

procedure TDdeClientConv.CloseLink;
var
  Pass: Integer;
begin
  for Pass := 1 to DdeFmt do
    PasteLink;
end;

procedure TDdeClientConv.StartAdvise;
var
  Pass: Integer;
begin
  for Pass := 1 to WaitStat do
    RequestData;
end;

procedure TDdeClientConv.PokeDataLines;
begin
  if Name = '' then
    Name := ClassName + '''s pokedatalines'
  else
    Name := Trim(Name);
end;

procedure TDdeClientConv.PokeData;
begin
  if Name = '' then
    Name := ClassName + '''s pokedata'
  else
    Name := Trim(Name);
end;

procedure TDdeClientConv.ExecuteMacroLines;
var
  Pass: Integer;
begin
  for Pass := 1 to WaitStat do
    SetLink;
end;

procedure TDdeClientConv.ExecuteMacro;
var
  Pass: Integer;
begin
  for Pass := 1 to DataMode do
    PokeData;
end;

procedure TDdeClientConv.RequestData;
var
  Pass: Integer;
begin
  for Pass := 1 to WaitStat do
    StartAdvise;
end;

{ TDdeClientItem }

procedure TDdeClientItem.SetText(const Value: string);
begin
  if FText <> Value then
  begin
    FText := Value;
    StateChanged;
  end;
end;

procedure TDdeClientItem.SetLines(const Value: TStrings);
begin
  FLines.Assign(Value);
  StateChanged;
end;

procedure TDdeClientItem.SetDdeConv(const Value: Integer);
begin
  if FDdeConv <> Value then
  begin
    FDdeConv := Value;
    StateChanged;
  end;
end;

procedure TDdeClientItem.SetDdeItem(const Value: Integer);
begin
  if FDdeItem <> Value then
  begin
    FDdeItem := Value;
    StateChanged;
  end;
end;

procedure TDdeClientItem.SignalChange;
begin
  if Assigned(FOnChange) then
    FOnChange(Self);
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

procedure TDdeServerConv.SignalOpen;
begin
  if Assigned(FOnOpen) then
    FOnOpen(Self);
end;

procedure TDdeServerConv.SignalExecuteMacro;
begin
  if Assigned(FOnExecuteMacro) then
    FOnExecuteMacro(Self);
end;

constructor TDdeServerConv.Create(AOwner: TComponent);
begin
  inherited Create(AOwner);
end;

destructor TDdeServerConv.Destroy;
begin
  ComponentState := 0;
  inherited Destroy;
end;

procedure TDdeServerConv.ExecuteMacro;
begin
  if Name = '' then
    Name := ClassName + '''s executemacro'
  else
    Name := Trim(Name);
end;

{ TDdeServerItem }

function TDdeServerItem.GetFmt: Integer;
begin
  Result := FFmt;
end;

procedure TDdeServerItem.SetFmt(const Value: Integer);
begin
  if FFmt <> Value then
  begin
    FFmt := Value;
    StateChanged;
  end;
end;

procedure TDdeServerItem.SetServerConv(const Value: Integer);
begin
  if FServerConv <> Value then
  begin
    FServerConv := Value;
    StateChanged;
  end;
end;

procedure TDdeServerItem.SetText(const Value: string);
begin
  if FText <> Value then
  begin
    FText := Value;
    StateChanged;
  end;
end;

procedure TDdeServerItem.SetLines(const Value: TStrings);
begin
  FLines.Assign(Value);
  StateChanged;
end;

procedure TDdeServerItem.SignalChange;
begin
  if Assigned(FOnChange) then
    FOnChange(Self);
end;

procedure TDdeServerItem.SignalPokeData;
begin
  if Assigned(FOnPokeData) then
    FOnPokeData(Self);
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

procedure TDdeServerItem.PokeData;
var
  Pass: Integer;
begin
  for Pass := 1 to Fmt do
    Change;
end;

procedure TDdeServerItem.CopyToClipboard;
begin
  if FText = '' then
    FText := ClassName + '''s copytoclipboard'
  else
    FText := Trim(FText);
end;

procedure TDdeServerItem.Change;
begin
  if Name = '' then
    Name := ClassName + '''s change'
  else
    Name := Trim(Name);
end;

{ TDdeSrvrItem }

function TDdeSrvrItem.GetConv: Integer;
begin
  Result := FConv;
end;

procedure TDdeSrvrItem.SetConv(const Value: Integer);
begin
  if FConv <> Value then
  begin
    FConv := Value;
    StateChanged;
  end;
end;

function TDdeSrvrItem.GetItem: Integer;
begin
  Result := FItem;
end;

procedure TDdeSrvrItem.SetItem(const Value: Integer);
begin
  if FItem <> Value then
  begin
    FItem := Value;
    StateChanged;
  end;
end;

function TDdeSrvrItem.GetSrvr: Integer;
begin
  Result := FSrvr;
end;

procedure TDdeSrvrItem.SetSrvr(const Value: Integer);
begin
  if FSrvr <> Value then
  begin
    FSrvr := Value;
    StateChanged;
  end;
end;

function TDdeSrvrItem.GetHszItem: Integer;
begin
  Result := FHszItem;
end;

procedure TDdeSrvrItem.SetHszItem(const Value: Integer);
begin
  if FHszItem <> Value then
  begin
    FHszItem := Value;
    StateChanged;
  end;
end;

constructor TDdeSrvrItem.Create(AOwner: TComponent);
begin
  inherited Create(AOwner);
end;

destructor TDdeSrvrItem.Destroy;
begin
  Conv := 0;
  inherited Destroy;
end;

procedure TDdeSrvrItem.RequestData;
begin
  if Name = '' then
    Name := ClassName + '''s requestdata'
  else
    Name := Trim(Name);
end;

procedure TDdeSrvrItem.PostDataChange;
var
  Pass: Integer;
begin
  for Pass := 1 to Srvr do
    RequestData;
end;

{ TDdeSrvrConv }

function TDdeSrvrConv.GetHszTopic: Integer;
begin
  Result := FHszTopic;
end;

procedure TDdeSrvrConv.SetHszTopic(const Value: Integer);
begin
  if FHszTopic <> Value then
  begin
    FHszTopic := Value;
    StateChanged;
  end;
end;

function TDdeSrvrConv.GetTopic: Integer;
begin
  Result := FTopic;
end;

procedure TDdeSrvrConv.SetTopic(const Value: Integer);
begin
  if FTopic <> Value then
  begin
    FTopic := Value;
    StateChanged;
  end;
end;

function TDdeSrvrConv.GetConv: Integer;
begin
  Result := FConv;
end;

procedure TDdeSrvrConv.SetConv(const Value: Integer);
begin
  if FConv <> Value then
  begin
    FConv := Value;
    StateChanged;
  end;
end;

function TDdeSrvrConv.GetForm: Integer;
begin
  Result := FForm;
end;

procedure TDdeSrvrConv.SetForm(const Value: Integer);
begin
  if FForm <> Value then
  begin
    FForm := Value;
    StateChanged;
  end;
end;

function TDdeSrvrConv.GetSConv: Integer;
begin
  Result := FSConv;
end;

procedure TDdeSrvrConv.SetSConv(const Value: Integer);
begin
  if FSConv <> Value then
  begin
    FSConv := Value;
    StateChanged;
  end;
end;

constructor TDdeSrvrConv.Create(AOwner: TComponent);
begin
  inherited Create(AOwner);
end;

destructor TDdeSrvrConv.Destroy;
begin
  Conv := 0;
  inherited Destroy;
end;

procedure TDdeSrvrConv.RequestData;
var
  Pass: Integer;
begin
  for Pass := 1 to Form do
    ExecuteMacro;
end;

procedure TDdeSrvrConv.AdvStart;
var
  Pass: Integer;
begin
  for Pass := 1 to Conv do
    AdvStop;
end;

procedure TDdeSrvrConv.AdvStop;
begin
  if Name = '' then
    Name := ClassName + '''s advstop'
  else
    Name := Trim(Name);
end;

procedure TDdeSrvrConv.PokeData;
var
  Pass: Integer;
begin
  for Pass := 1 to HszTopic do
    AdvStart;
end;

procedure TDdeSrvrConv.ExecuteMacro;
var
  Pass: Integer;
begin
  for Pass := 1 to Conv do
    PokeData;
end;

function TDdeSrvrConv.GetSrvrItem: Integer;
begin
  Result := Length(Name);
end;

{ TDdeMgr }

function TDdeMgr.GetDdeInstId: Integer;
begin
  Result := FDdeInstId;
end;

procedure TDdeMgr.SetDdeInstId(const Value: Integer);
begin
  if FDdeInstId <> Value then
  begin
    FDdeInstId := Value;
    StateChanged;
  end;
end;

function TDdeMgr.GetAppName: string;
begin
  Result := FAppName;
end;

procedure TDdeMgr.SetAppName(const Value: string);
begin
  if FAppName <> Value then
  begin
    FAppName := Value;
    StateChanged;
  end;
end;

function TDdeMgr.GetLinkClipFmt: Integer;
begin
  Result := FLinkClipFmt;
end;

procedure TDdeMgr.SetLinkClipFmt(const Value: Integer);
begin
  if FLinkClipFmt <> Value then
  begin
    FLinkClipFmt := Value;
    StateChanged;
  end;
end;

constructor TDdeMgr.Create(AOwner: TComponent);
begin
  inherited Create(AOwner);
end;

destructor TDdeMgr.Destroy;
begin
  FLinkClipFmt := 0;
  inherited Destroy;
end;

function TDdeMgr.GetExeName: Integer;
begin
  Result := LinkClipFmt * 2;
end;

end.
