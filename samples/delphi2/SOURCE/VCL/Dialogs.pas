{ Dialogs: a unit of the sample Delphi 2.0 installation that Quillmap 2 browses.
  Written by samples/make_sample.py from samples/vcl-table.txt; change those, not this file. }

unit Dialogs;

(* The declarations name the documented interface of the unit; everything
   private, and every statement, is the sample's own. *)

interface

uses SysUtils, Classes, Graphics, Controls, Forms, StdCtrls;

const
  DialogsSample = 'Quillmap''s sample of Dialogs';

type

  TCommonDialog = class(TComponent)
  private
    FHandle: THandle;
    FCtl3D: Boolean;
    FHelpContext: Integer;
    FOnClose: TCloseEvent;
    FOnShow: TNotifyEvent;
    function GetHandle: THandle;
    procedure SetHandle(const Value: THandle);
    procedure SetCtl3D(const Value: Boolean);
    procedure SetHelpContext(const Value: Integer);
  protected
    procedure SignalShow; dynamic;
  public
    constructor Create(AOwner: TComponent); override;
    destructor Destroy; override;
    function Execute: Boolean; virtual;
    procedure DefaultHandler(var Message); override;
    property Handle: THandle read GetHandle write SetHandle;
  published
    property Ctl3D: Boolean read FCtl3D write SetCtl3D;
    property HelpContext: Integer read FHelpContext write SetHelpContext;
    property OnClose: TCloseEvent read FOnClose write FOnClose;
    property OnShow: TNotifyEvent read FOnShow write FOnShow;
  end;

  TOpenDialog = class(TCommonDialog)
  private
    FFileEditStyle: Integer;
    FFiles: Integer;
    FHistoryList: TStrings;
    FDefaultExt: Integer;
    FFileName: string;
    FFilter: string;
    FFilterIndex: Integer;
    FInitialDir: string;
    FOptions: Integer;
    FTitle: string;
    FOnFolderChange: TNotifyEvent;
    FOnSelectionChange: TNotifyEvent;
    FOnTypeChange: TNotifyEvent;
    function GetFileEditStyle: Integer;
    procedure SetFileEditStyle(const Value: Integer);
    function GetFiles: Integer;
    procedure SetFiles(const Value: Integer);
    function GetHistoryList: TStrings;
    procedure SetHistoryList(const Value: TStrings);
    procedure SetDefaultExt(const Value: Integer);
    procedure SetFileName(const Value: string);
    procedure SetFilter(const Value: string);
    procedure SetFilterIndex(const Value: Integer);
    procedure SetInitialDir(const Value: string);
    procedure SetOptions(const Value: Integer);
    procedure SetTitle(const Value: string);
  protected
    procedure SignalFolderChange; dynamic;
    procedure SignalSelectionChange; dynamic;
    procedure SignalTypeChange; dynamic;
  public
    constructor Create(AOwner: TComponent); override;
    destructor Destroy; override;
    function Execute: Boolean; override;
    property FileEditStyle: Integer read GetFileEditStyle write SetFileEditStyle;
    property Files: Integer read GetFiles write SetFiles;
    property HistoryList: TStrings read GetHistoryList write SetHistoryList;
  published
    property DefaultExt: Integer read FDefaultExt write SetDefaultExt;
    property FileName: string read FFileName write SetFileName;
    property Filter: string read FFilter write SetFilter;
    property FilterIndex: Integer read FFilterIndex write SetFilterIndex;
    property InitialDir: string read FInitialDir write SetInitialDir;
    property Options: Integer read FOptions write SetOptions;
    property Title: string read FTitle write SetTitle;
    property OnFolderChange: TNotifyEvent read FOnFolderChange write FOnFolderChange;
    property OnSelectionChange: TNotifyEvent read FOnSelectionChange write FOnSelectionChange;
    property OnTypeChange: TNotifyEvent read FOnTypeChange write FOnTypeChange;
  end;

  TSaveDialog = class(TOpenDialog)
  public
    function Execute: Boolean; override;
  end;

  TColorDialog = class(TCommonDialog)
  private
    FColor: TColor;
    FCustomColors: Integer;
    FOptions: Integer;
    procedure SetColor(const Value: TColor);
    procedure SetCustomColors(const Value: Integer);
    procedure SetOptions(const Value: Integer);
  public
    constructor Create(AOwner: TComponent); override;
    destructor Destroy; override;
    function Execute: Boolean; override;
  published
    property Color: TColor read FColor write SetColor;
    property CustomColors: Integer read FCustomColors write SetCustomColors;
    property Options: Integer read FOptions write SetOptions;
  end;

  TFontDialog = class(TCommonDialog)
  private
    FFont: TFont;
    FDevice: Integer;
    FMinFontSize: Integer;
    FMaxFontSize: Integer;
    FOptions: Integer;
    FOnApply: TNotifyEvent;
    procedure SetFont(const Value: TFont);
    procedure SetDevice(const Value: Integer);
    procedure SetMinFontSize(const Value: Integer);
    procedure SetMaxFontSize(const Value: Integer);
    procedure SetOptions(const Value: Integer);
  protected
    procedure SignalApply; dynamic;
  public
    constructor Create(AOwner: TComponent); override;
    destructor Destroy; override;
    function Execute: Boolean; override;
  published
    property Font: TFont read FFont write SetFont;
    property Device: Integer read FDevice write SetDevice;
    property MinFontSize: Integer read FMinFontSize write SetMinFontSize;
    property MaxFontSize: Integer read FMaxFontSize write SetMaxFontSize;
    property Options: Integer read FOptions write SetOptions;
    property OnApply: TNotifyEvent read FOnApply write FOnApply;
  end;

  TPrinterSetupDialog = class(TCommonDialog)
  public
    function Execute: Boolean; override;
  end;

  TPrintDialog = class(TCommonDialog)
  private
    FCollate: Integer;
    FCopies: Integer;
    FFromPage: Integer;
    FMinPage: Integer;
    FMaxPage: Integer;
    FOptions: Integer;
    FPrintToFile: string;
    FPrintRange: Integer;
    FToPage: Integer;
    procedure SetCollate(const Value: Integer);
    procedure SetCopies(const Value: Integer);
    procedure SetFromPage(const Value: Integer);
    procedure SetMinPage(const Value: Integer);
    procedure SetMaxPage(const Value: Integer);
    procedure SetOptions(const Value: Integer);
    procedure SetPrintToFile(const Value: string);
    procedure SetPrintRange(const Value: Integer);
    procedure SetToPage(const Value: Integer);
  public
    function Execute: Boolean; override;
  published
    property Collate: Integer read FCollate write SetCollate;
    property Copies: Integer read FCopies write SetCopies;
    property FromPage: Integer read FFromPage write SetFromPage;
    property MinPage: Integer read FMinPage write SetMinPage;
    property MaxPage: Integer read FMaxPage write SetMaxPage;
    property Options: Integer read FOptions write SetOptions;
    property PrintToFile: string read FPrintToFile write SetPrintToFile;
    property PrintRange: Integer read FPrintRange write SetPrintRange;
    property ToPage: Integer read FToPage write SetToPage;
  end;

  TFindDialog = class(TCommonDialog)
  private
    FLeft: Integer;
    FPosition: Integer;
    FTop: Integer;
    FFindText: string;
    FOptions: Integer;
    FOnFind: TNotifyEvent;
    function GetLeft: Integer;
    procedure SetLeft(const Value: Integer);
    function GetPosition: Integer;
    procedure SetPosition(const Value: Integer);
    function GetTop: Integer;
    procedure SetTop(const Value: Integer);
    procedure SetFindText(const Value: string);
    procedure SetOptions(const Value: Integer);
  protected
    procedure SignalFind; dynamic;
  public
    constructor Create(AOwner: TComponent); override;
    destructor Destroy; override;
    procedure CloseDialog;
    function Execute: Boolean; override;
    property Left: Integer read GetLeft write SetLeft;
    property Position: Integer read GetPosition write SetPosition;
    property Top: Integer read GetTop write SetTop;
  published
    property FindText: string read FFindText write SetFindText;
    property Options: Integer read FOptions write SetOptions;
    property OnFind: TNotifyEvent read FOnFind write FOnFind;
  end;

  TReplaceDialog = class(TFindDialog)
  public
    constructor Create(AOwner: TComponent); override;
  end;

  TMessageForm = class(TForm)
  public
    constructor CreateNew(AOwner: TComponent); override;
  end;

implementation

// Method bodies, class by class, in the order of the declarations above.

{ TCommonDialog }

function TCommonDialog.GetHandle: THandle;
begin
  Result := FHandle;
end;

procedure TCommonDialog.SetHandle(const Value: THandle);
begin
  if FHandle <> Value then
  begin
    FHandle := Value;
    StateChanged;
  end;
end;

procedure TCommonDialog.SetCtl3D(const Value: Boolean);
begin
  if FCtl3D <> Value then
  begin
    FCtl3D := Value;
    StateChanged;
  end;
end;

procedure TCommonDialog.SetHelpContext(const Value: Integer);
begin
  if FHelpContext <> Value then
  begin
    FHelpContext := Value;
    StateChanged;
  end;
end;

procedure TCommonDialog.SignalShow;
begin
  if Assigned(FOnShow) then
    FOnShow(Self);
end;

constructor TCommonDialog.Create(AOwner: TComponent);
begin
  inherited Create(AOwner);
end;

destructor TCommonDialog.Destroy;
begin
  Handle := 0;
  inherited Destroy;
end;

function TCommonDialog.Execute: Boolean;
begin
  Result := (FHelpContext > 0) and FCtl3D;
end;

procedure TCommonDialog.DefaultHandler(var Message);
begin
  inherited DefaultHandler(Message);
  Handle := Handle + 1;
end;

{ TOpenDialog }

function TOpenDialog.GetFileEditStyle: Integer;
begin
  Result := FFileEditStyle;
end;

procedure TOpenDialog.SetFileEditStyle(const Value: Integer);
begin
  if FFileEditStyle <> Value then
  begin
    FFileEditStyle := Value;
    StateChanged;
  end;
end;

function TOpenDialog.GetFiles: Integer;
begin
  Result := FFiles;
end;

procedure TOpenDialog.SetFiles(const Value: Integer);
begin
  if FFiles <> Value then
  begin
    FFiles := Value;
    StateChanged;
  end;
end;

function TOpenDialog.GetHistoryList: TStrings;
begin
  Result := FHistoryList;
end;

procedure TOpenDialog.SetHistoryList(const Value: TStrings);
begin
  FHistoryList.Assign(Value);
  StateChanged;
end;

procedure TOpenDialog.SetDefaultExt(const Value: Integer);
begin
  if FDefaultExt <> Value then
  begin
    FDefaultExt := Value;
    StateChanged;
  end;
end;

procedure TOpenDialog.SetFileName(const Value: string);
begin
  if FFileName <> Value then
  begin
    FFileName := Value;
    StateChanged;
  end;
end;

procedure TOpenDialog.SetFilter(const Value: string);
begin
  if FFilter <> Value then
  begin
    FFilter := Value;
    StateChanged;
  end;
end;

procedure TOpenDialog.SetFilterIndex(const Value: Integer);
begin
  if FFilterIndex <> Value then
  begin
    FFilterIndex := Value;
    StateChanged;
  end;
end;

procedure TOpenDialog.SetInitialDir(const Value: string);
begin
  if FInitialDir <> Value then
  begin
    FInitialDir := Value;
    StateChanged;
  end;
end;

procedure TOpenDialog.SetOptions(const Value: Integer);
begin
  if FOptions <> Value then
  begin
    FOptions := Value;
    StateChanged;
  end;
end;

procedure TOpenDialog.SetTitle(const Value: string);
begin
  if FTitle <> Value then
  begin
    FTitle := Value;
    StateChanged;
  end;
end;

procedure TOpenDialog.SignalFolderChange;
begin
  if Assigned(FOnFolderChange) then
    FOnFolderChange(Self);
end;

procedure TOpenDialog.SignalSelectionChange;
begin
  if Assigned(FOnSelectionChange) then
    FOnSelectionChange(Self);
end;

procedure TOpenDialog.SignalTypeChange;
begin
  if Assigned(FOnTypeChange) then
    FOnTypeChange(Self);
end;

constructor TOpenDialog.Create(AOwner: TComponent);
begin
  inherited Create(AOwner);
  FHistoryList := TStringList.Create;
end;

destructor TOpenDialog.Destroy;
begin
  FHistoryList.Free;
  inherited Destroy;
end;

function TOpenDialog.Execute: Boolean;
begin
  Result := inherited Execute;
end;

{ TSaveDialog }

function TSaveDialog.Execute: Boolean;
begin
  Result := inherited Execute;
end;

{ TColorDialog }

procedure TColorDialog.SetColor(const Value: TColor);
begin
  if FColor <> Value then
  begin
    FColor := Value;
    StateChanged;
  end;
end;

procedure TColorDialog.SetCustomColors(const Value: Integer);
begin
  if FCustomColors <> Value then
  begin
    FCustomColors := Value;
    StateChanged;
  end;
end;

procedure TColorDialog.SetOptions(const Value: Integer);
begin
  if FOptions <> Value then
  begin
    FOptions := Value;
    StateChanged;
  end;
end;

constructor TColorDialog.Create(AOwner: TComponent);
begin
  inherited Create(AOwner);
end;

destructor TColorDialog.Destroy;
begin
  CustomColors := 0;
  inherited Destroy;
end;

function TColorDialog.Execute: Boolean;
begin
  Result := inherited Execute;
end;

{ TFontDialog }

procedure TFontDialog.SetFont(const Value: TFont);
begin
  FFont.Assign(Value);
  StateChanged;
end;

procedure TFontDialog.SetDevice(const Value: Integer);
begin
  if FDevice <> Value then
  begin
    FDevice := Value;
    StateChanged;
  end;
end;

procedure TFontDialog.SetMinFontSize(const Value: Integer);
begin
  if FMinFontSize <> Value then
  begin
    FMinFontSize := Value;
    StateChanged;
  end;
end;

procedure TFontDialog.SetMaxFontSize(const Value: Integer);
begin
  if FMaxFontSize <> Value then
  begin
    FMaxFontSize := Value;
    StateChanged;
  end;
end;

procedure TFontDialog.SetOptions(const Value: Integer);
begin
  if FOptions <> Value then
  begin
    FOptions := Value;
    StateChanged;
  end;
end;

procedure TFontDialog.SignalApply;
begin
  if Assigned(FOnApply) then
    FOnApply(Self);
end;

constructor TFontDialog.Create(AOwner: TComponent);
begin
  inherited Create(AOwner);
  FFont := TFont.Create;
end;

destructor TFontDialog.Destroy;
begin
  FFont.Free;
  inherited Destroy;
end;

function TFontDialog.Execute: Boolean;
begin
  Result := inherited Execute;
end;

{ TPrinterSetupDialog }

function TPrinterSetupDialog.Execute: Boolean;
begin
  Result := inherited Execute;
end;

{ TPrintDialog }

procedure TPrintDialog.SetCollate(const Value: Integer);
begin
  if FCollate <> Value then
  begin
    FCollate := Value;
    StateChanged;
  end;
end;

procedure TPrintDialog.SetCopies(const Value: Integer);
begin
  if FCopies <> Value then
  begin
    FCopies := Value;
    StateChanged;
  end;
end;

procedure TPrintDialog.SetFromPage(const Value: Integer);
begin
  if FFromPage <> Value then
  begin
    FFromPage := Value;
    StateChanged;
  end;
end;

procedure TPrintDialog.SetMinPage(const Value: Integer);
begin
  if FMinPage <> Value then
  begin
    FMinPage := Value;
    StateChanged;
  end;
end;

procedure TPrintDialog.SetMaxPage(const Value: Integer);
begin
  if FMaxPage <> Value then
  begin
    FMaxPage := Value;
    StateChanged;
  end;
end;

procedure TPrintDialog.SetOptions(const Value: Integer);
begin
  if FOptions <> Value then
  begin
    FOptions := Value;
    StateChanged;
  end;
end;

procedure TPrintDialog.SetPrintToFile(const Value: string);
begin
  if FPrintToFile <> Value then
  begin
    FPrintToFile := Value;
    StateChanged;
  end;
end;

procedure TPrintDialog.SetPrintRange(const Value: Integer);
begin
  if FPrintRange <> Value then
  begin
    FPrintRange := Value;
    StateChanged;
  end;
end;

procedure TPrintDialog.SetToPage(const Value: Integer);
begin
  if FToPage <> Value then
  begin
    FToPage := Value;
    StateChanged;
  end;
end;

function TPrintDialog.Execute: Boolean;
begin
  Result := inherited Execute;
end;

{ TFindDialog }

function TFindDialog.GetLeft: Integer;
begin
  Result := FLeft;
end;

procedure TFindDialog.SetLeft(const Value: Integer);
begin
  if FLeft <> Value then
  begin
    FLeft := Value;
    StateChanged;
  end;
end;

function TFindDialog.GetPosition: Integer;
begin
  Result := FPosition;
end;

procedure TFindDialog.SetPosition(const Value: Integer);
begin
  if FPosition <> Value then
  begin
    FPosition := Value;
    StateChanged;
  end;
end;

function TFindDialog.GetTop: Integer;
begin
  Result := FTop;
end;

procedure TFindDialog.SetTop(const Value: Integer);
begin
  if FTop <> Value then
  begin
    FTop := Value;
    StateChanged;
  end;
end;

procedure TFindDialog.SetFindText(const Value: string);
begin
  if FFindText <> Value then
  begin
    FFindText := Value;
    StateChanged;
  end;
end;

procedure TFindDialog.SetOptions(const Value: Integer);
begin
  if FOptions <> Value then
  begin
    FOptions := Value;
    StateChanged;
  end;
end;

procedure TFindDialog.SignalFind;
begin
  if Assigned(FOnFind) then
    FOnFind(Self);
end;

constructor TFindDialog.Create(AOwner: TComponent);
begin
  inherited Create(AOwner);
end;

destructor TFindDialog.Destroy;
begin
  Top := 0;
  inherited Destroy;
end;

procedure TFindDialog.CloseDialog;
begin
  if FFindText = '' then
    FFindText := ClassName + '''s closedialog'
  else
    FFindText := Trim(FFindText);
end;

function TFindDialog.Execute: Boolean;
begin
  Result := inherited Execute;
end;

{ TReplaceDialog }

constructor TReplaceDialog.Create(AOwner: TComponent);
begin
  inherited Create(AOwner);
end;

{ TMessageForm }

constructor TMessageForm.CreateNew(AOwner: TComponent);
begin
  inherited Create(AOwner);
end;

end.
