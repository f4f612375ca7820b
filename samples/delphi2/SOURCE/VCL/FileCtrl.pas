{********************************************************}
{                                                        }
{       Quillmap 2 sample class library                  }
{       FileCtrl unit: file, directory and drive lists   }
{                                                        }
{********************************************************}

unit FileCtrl;

interface

uses SysUtils, Classes, Graphics, Controls, Forms, Menus, StdCtrls, Buttons;

type
  TFileAttr = (ftReadOnly, ftHidden, ftSystem, ftVolumeID, ftDirectory,
    ftArchive, ftNormal);
  TFileType = set of TFileAttr;
  TDriveType = (dtUnknown, dtNoDrive, dtFloppy, dtFixed, dtNetwork, dtCDROM,
    dtRAM);

  TDirectoryListBox = class;
  TFilterComboBox = class;
  TDriveComboBox = class;

  TFileListBox = class(TCustomListBox)
  private
    function GetDrive: Char;
    function GetFileName: string;
    function IsMaskStored: Boolean;
    procedure SetDrive(Value: Char);
    procedure SetFileEdit(Value: TEdit);
    procedure SetDirectory(const NewDirectory: string);
    procedure SetFileType(NewFileType: TFileType);
    procedure SetMask(const NewMask: string);
    procedure SetFileName(const NewFile: string);
    procedure SetShowGlyphs(Value: Boolean);
    procedure ResetItemHeight;
    procedure CMFontChanged(var Message: TMessage); message CM_FONTCHANGED;
  protected
    FDirectory: string;
    FMask: string;
    FFileType: TFileType;
    FFileEdit: TEdit;
    FDirList: TDirectoryListBox;
    FFilterCombo: TFilterComboBox;
    ExeBMP, DirBMP, UnknownBMP: TBitmap;
    FOnChange: TNotifyEvent;
    FLastSel: Integer;
    FShowGlyphs: Boolean;
    procedure CreateWnd; override;
    procedure ReadBitmaps; virtual;
    procedure Click; override;
    procedure Change; virtual;
    procedure ReadFileNames; virtual;
    procedure DrawItem(Index: Integer; Rect: TRect;
      State: TOwnerDrawState); override;
    procedure Notification(AComponent: TComponent; Operation: TOperation); override;
    function GetFilePath: string; virtual;
  public
    constructor Create(AOwner: TComponent); override;
    destructor Destroy; override;
    procedure Update; override;
    property Drive: Char read GetDrive write SetDrive;
    property Directory: string read FDirectory write SetDirectory;
    property FileName: string read GetFilePath write SetFileName;
  published
    property Align;
    property Color;
    property Ctl3D;
    property DragCursor;
    property DragMode;
    property Enabled;
    property ExtendedSelect;
    property FileEdit: TEdit read FFileEdit write SetFileEdit;
    property FileType: TFileType read FFileType write SetFileType default [ftNormal];
    property Font;
    property IntegralHeight;
    property ItemHeight;
    property Mask: string read FMask write SetMask stored IsMaskStored;
    property MultiSelect;
    property ParentColor;
    property ParentCtl3D;
    property ParentFont;
    property ParentShowHint;
    property PopupMenu;
    property ShowGlyphs: Boolean read FShowGlyphs write SetShowGlyphs default False;
    property ShowHint;
    property TabOrder;
    property TabStop;
    property Visible;
    property OnChange: TNotifyEvent read FOnChange write FOnChange;
    property OnClick;
    property OnDblClick;
    property OnDragDrop;
    property OnDragOver;
    property OnEndDrag;
    property OnEnter;
    property OnExit;
    property OnKeyDown;
    property OnKeyPress;
    property OnKeyUp;
    property OnMouseDown;
    property OnMouseMove;
    property OnMouseUp;
    property OnStartDrag;
  end;

  TDirectoryListBox = class(TCustomListBox)
  private
    FFileList: TFileListBox;
    FDriveCombo: TDriveComboBox;
    FDirLabel: TLabel;
    FInSetDir: Boolean;
    FPreserveCase: Boolean;
    FCaseSensitive: Boolean;
    function GetDrive: Char;
    procedure SetFileListBox(Value: TFileListBox);
    procedure SetDirLabel(Value: TLabel);
    procedure SetDirLabelCaption;
    procedure SetDrive(Value: Char);
    procedure DriveChange(NewDrive: Char);
    procedure SetDir(const NewDirectory: string);
    procedure SetDirectory(const NewDirectory: string);
    procedure ResetItemHeight;
    procedure CMFontChanged(var Message: TMessage); message CM_FONTCHANGED;
  protected
    ClosedBMP, OpenedBMP, CurrentBMP: TBitmap;
    FDirectory: string;
    FOnChange: TNotifyEvent;
    procedure Change; virtual;
    procedure DblClick; override;
    procedure ReadBitmaps; virtual;
    procedure CreateWnd; override;
    procedure DrawItem(Index: Integer; Rect: TRect;
      State: TOwnerDrawState); override;
    function ReadDirectoryNames(const ParentDirectory: string;
      DirectoryList: TStringList): Integer;
    procedure BuildList; virtual;
    procedure KeyPress(var Key: Char); override;
    procedure Notification(AComponent: TComponent; Operation: TOperation); override;
  public
    constructor Create(AOwner: TComponent); override;
    destructor Destroy; override;
    function DisplayCase(const S: string): string;
    function FileCompareText(const A, B: string): Integer;
    function GetItemPath(Index: Integer): string;
    procedure OpenCurrent;
    procedure Update; override;
    property Drive: Char read GetDrive write SetDrive;
    property Directory: string read FDirectory write SetDirectory;
    property PreserveCase: Boolean read FPreserveCase;
    property CaseSensitive: Boolean read FCaseSensitive;
  published
    property Align;
    property Color;
    property Columns;
    property Ctl3D;
    property DirLabel: TLabel read FDirLabel write SetDirLabel;
    property FileList: TFileListBox read FFileList write SetFileListBox;
    property DragCursor;
    property DragMode;
    property Enabled;
    property Font;
    property IntegralHeight;
    property ItemHeight;
    property ParentColor;
    property ParentCtl3D;
    property ParentFont;
    property ParentShowHint;
    property PopupMenu;
    property ShowHint;
    property TabOrder;
    property TabStop;
    property Visible;
    property OnChange: TNotifyEvent read FOnChange write FOnChange;
    property OnClick;
    property OnDblClick;
    property OnDragDrop;
    property OnDragOver;
    property OnEndDrag;
    property OnEnter;
    property OnExit;
    property OnKeyDown;
    property OnKeyPress;
    property OnKeyUp;
    property OnMouseDown;
    property OnMouseMove;
    property OnMouseUp;
    property OnStartDrag;
  end;

  TTextCase = (tcLowerCase, tcUpperCase);

  TDriveComboBox = class(TCustomComboBox)
  private
    FDirList: TDirectoryListBox;
    FDrive: Char;
    FTextCase: TTextCase;
    procedure SetDirListBox(Value: TDirectoryListBox);
    procedure SetDrive(NewDrive: Char);
    procedure SetTextCase(NewTextCase: TTextCase);
    procedure ReadBitmaps;
    procedure CMFontChanged(var Message: TMessage); message CM_FONTCHANGED;
    procedure ResetItemHeight;
  protected
    FloppyBMP, FixedBMP, NetworkBMP, CDROMBMP, RAMBMP: TBitmap;
    procedure CreateWnd; override;
    procedure DrawItem(Index: Integer; Rect: TRect;
      State: TOwnerDrawState); override;
    procedure Click; override;
    procedure BuildList; virtual;
    procedure Notification(AComponent: TComponent; Operation: TOperation); override;
  public
    constructor Create(AOwner: TComponent); override;
    destructor Destroy; override;
    property Text;
    property Drive: Char read FDrive write SetDrive;
  published
    property Color;
    property Ctl3D;
    property DirList: TDirectoryListBox read FDirList write SetDirListBox;
    property DragMode;
    property DragCursor;
    property Enabled;
    property Font;
    property ImeMode;
    property ImeName;
    property ParentColor;
    property ParentCtl3D;
    property ParentFont;
    property ParentShowHint;
    property PopupMenu;
    property ShowHint;
    property TabOrder;
    property TabStop;
    property TextCase: TTextCase read FTextCase write SetTextCase default tcLowerCase;
    property Visible;
    property OnChange;
    property OnClick;
    property OnDblClick;
    property OnDragDrop;
    property OnDragOver;
    property OnDropDown;
    property OnEndDrag;
    property OnEnter;
    property OnExit;
    property OnKeyDown;
    property OnKeyPress;
    property OnKeyUp;
    property OnStartDrag;
  end;

  TFilterComboBox = class(TCustomComboBox)
  private
    FFilter: string;
    FFileList: TFileListBox;
    MaskList: TStringList;
    function IsFilterStored: Boolean;
    function GetMask: string;
    procedure SetFilter(const NewFilter: string);
    procedure SetFileListBox(Value: TFileListBox);
  protected
    procedure Change; override;
    procedure CreateWnd; override;
    procedure Click; override;
    procedure BuildList;
    procedure Notification(AComponent: TComponent; Operation: TOperation); override;
  public
    constructor Create(AOwner: TComponent); override;
    destructor Destroy; override;
    property Mask: string read GetMask;
    property Text;
  published
    property Color;
    property Ctl3D;
    property DragMode;
    property DragCursor;
    property Enabled;
    property FileList: TFileListBox read FFileList write SetFileListBox;
    property Filter: string read FFilter write SetFilter stored IsFilterStored;
    property Font;
    property ImeName;
    property ImeMode;
    property ParentColor;
    property ParentCtl3D;
    property ParentFont;
    property ParentShowHint;
    property PopupMenu;
    property ShowHint;
    property TabOrder;
    property TabStop;
    property Visible;
    property OnChange;
    property OnClick;
    property OnDblClick;
    property OnDragDrop;
    property OnDragOver;
    property OnDropDown;
    property OnEndDrag;
    property OnEnter;
    property OnExit;
    property OnKeyDown;
    property OnKeyPress;
    property OnKeyUp;
    property OnStartDrag;
  end;

  { The form behind SelectDirectory }
  TSelectDirDlg = class(TForm)
    DirList: TDirectoryListBox;
    DirEdit: TEdit;
    DriveList: TDriveComboBox;
    DirLabel: TLabel;
    OKButton: TButton;
    CancelButton: TButton;
    procedure DirListChange(Sender: TObject);
    procedure FormCreate(Sender: TObject);
    procedure DriveListChange(Sender: TObject);
    procedure NetClick(Sender: TObject);
    procedure OKClick(Sender: TObject);
  private
    FAllowCreate: Boolean;
    FPrompt: Boolean;
    procedure SetAllowCreate(Value: Boolean);
    procedure SetDirectory(const Value: string);
    function GetDirectory: string;
  public
    property Directory: string read GetDirectory write SetDirectory;
    property AllowCreate: Boolean read FAllowCreate write SetAllowCreate default False;
    property Prompt: Boolean read FPrompt write FPrompt default False;
  end;

function MinimizeName(const Filename: string; Canvas: TCanvas;
  MaxLen: Integer): string;
function DirectoryExists(const Name: string): Boolean;
procedure ForceDirectories(Dir: string);

implementation

function SlashSep(const Path, S: string): string;
begin
  if (Path <> '') and (Path[Length(Path)] <> '\') then
    Result := Path + '\' + S
  else
    Result := Path + S;
end;

function MinimizeName(const Filename: string; Canvas: TCanvas;
  MaxLen: Integer): string;
var
  Drive, Dir, Name: string;
begin
  Result := FileName;
  Dir := ExtractFilePath(Result);
  Name := ExtractFileName(Result);
  if (Length(Dir) >= 2) and (Dir[2] = ':') then
  begin
    Drive := Copy(Dir, 1, 2);
    Delete(Dir, 1, 2);
  end
  else
    Drive := '';
  while ((Dir <> '') or (Drive <> '')) and (Canvas.TextWidth(Result) > MaxLen) do
  begin
    if Dir = '\...\' then
    begin
      Drive := '';
      Dir := '...\';
    end
    else if Dir = '' then
      Drive := ''
    else
      Dir := '\...' + Copy(Dir, Pos('\', Copy(Dir, 2, MaxInt)) + 1, MaxInt);
    Result := Drive + Dir + Name;
  end;
end;

function DirectoryExists(const Name: string): Boolean;
var
  Code: Integer;
begin
  Code := GetFileAttributes(PChar(Name));
  Result := (Code <> -1) and (faDirectory and Code <> 0);
end;

procedure ForceDirectories(Dir: string);
begin
  if Length(Dir) = 0 then
    raise Exception.Create('Cannot create directory');
  if (Dir[Length(Dir)] = '\') then Delete(Dir, Length(Dir), 1);
  if (Length(Dir) < 3) or DirectoryExists(Dir)
    or (ExtractFilePath(Dir) = Dir) then Exit;
  ForceDirectories(ExtractFilePath(Dir));
  CreateDir(Dir);
end;

{ TFileListBox }

function TFileListBox.GetDrive: Char;
begin
  Result := #0;
end;

function TFileListBox.GetFileName: string;
begin
  Result := '';
end;

function TFileListBox.IsMaskStored: Boolean;
begin
  Result := FMask <> '*.*';
end;

procedure TFileListBox.SetDrive(Value: Char);
begin
end;

procedure TFileListBox.SetFileEdit(Value: TEdit);
begin
  FFileEdit := Value;
  if Value <> nil then Value.FreeNotification(Self);
end;

procedure TFileListBox.SetDirectory(const NewDirectory: string);
begin
  if FDirectory <> NewDirectory then
  begin
    FDirectory := NewDirectory;
    Invalidate;
  end;
end;

procedure TFileListBox.SetFileType(NewFileType: TFileType);
begin
  if FFileType <> NewFileType then
  begin
    FFileType := NewFileType;
    Invalidate;
  end;
end;

procedure TFileListBox.SetMask(const NewMask: string);
begin
  if FMask <> NewMask then
  begin
    FMask := NewMask;
    Invalidate;
  end;
end;

procedure TFileListBox.SetFileName(const NewFile: string);
begin
end;

procedure TFileListBox.SetShowGlyphs(Value: Boolean);
begin
  if FShowGlyphs <> Value then
  begin
    FShowGlyphs := Value;
    Invalidate;
  end;
end;

procedure TFileListBox.ResetItemHeight;
begin
end;

procedure TFileListBox.CMFontChanged(var Message: TMessage);
begin
  inherited;
  Invalidate;
end;

procedure TFileListBox.CreateWnd;
begin
  inherited CreateWnd;
end;

procedure TFileListBox.ReadBitmaps;
begin
end;

procedure TFileListBox.Click;
begin
  inherited Click;
end;

procedure TFileListBox.Change;
begin
  if Assigned(FOnChange) then FOnChange(Self);
end;

procedure TFileListBox.ReadFileNames;
var
  SearchRec: TSearchRec;
  Status: Integer;
begin
  Items.BeginUpdate;
  try
    Items.Clear;
    Status := FindFirst(SlashSep(FDirectory, FMask), faAnyFile, SearchRec);
    while Status = 0 do
    begin
      if SearchRec.Attr and faDirectory = 0 then
        Items.Add(SearchRec.Name);
      Status := FindNext(SearchRec);
    end;
    FindClose(SearchRec);
  finally
    Items.EndUpdate;
  end;
end;

procedure TFileListBox.DrawItem(Index: Integer; Rect: TRect;
      State: TOwnerDrawState);
begin
  inherited DrawItem(Index, Rect, State);
end;

procedure TFileListBox.Notification(AComponent: TComponent; Operation: TOperation);
begin
  inherited Notification(AComponent, Operation);
  if Operation = opRemove then
  begin
    if AComponent = FFileEdit then FFileEdit := nil;
    if AComponent = FDirList then FDirList := nil;
    if AComponent = FFilterCombo then FFilterCombo := nil;
  end;
end;

function TFileListBox.GetFilePath: string;
begin
  Result := '';
  if GetFileName <> '' then
    Result := SlashSep(FDirectory, GetFileName);
end;

constructor TFileListBox.Create(AOwner: TComponent);
begin
  inherited Create(AOwner);
  Width := 145;
  Sorted := True;
  FLastSel := -1;
  FMask := '*.*';
  FFileType := [ftNormal];
  GetDir(0, FDirectory);
  MultiSelect := False;
  ReadBitmaps;
end;

destructor TFileListBox.Destroy;
begin
  UnknownBMP.Free;
  DirBMP.Free;
  ExeBMP.Free;
  inherited Destroy;
end;

procedure TFileListBox.Update;
begin
  inherited Update;
end;

{ TDirectoryListBox }

function TDirectoryListBox.GetDrive: Char;
begin
  Result := #0;
end;

procedure TDirectoryListBox.SetFileListBox(Value: TFileListBox);
begin
  FFileList := Value;
  if Value <> nil then Value.FreeNotification(Self);
end;

procedure TDirectoryListBox.SetDirLabel(Value: TLabel);
begin
  FDirLabel := Value;
  if Value <> nil then Value.FreeNotification(Self);
end;

procedure TDirectoryListBox.SetDirLabelCaption;
begin
end;

procedure TDirectoryListBox.SetDrive(Value: Char);
begin
end;

procedure TDirectoryListBox.DriveChange(NewDrive: Char);
begin
end;

procedure TDirectoryListBox.SetDir(const NewDirectory: string);
begin
end;

procedure TDirectoryListBox.SetDirectory(const NewDirectory: string);
begin
  if FDirectory <> NewDirectory then
  begin
    FDirectory := NewDirectory;
    Invalidate;
  end;
end;

procedure TDirectoryListBox.ResetItemHeight;
begin
end;

procedure TDirectoryListBox.CMFontChanged(var Message: TMessage);
begin
  inherited;
  Invalidate;
end;

procedure TDirectoryListBox.Change;
begin
  if Assigned(FOnChange) then FOnChange(Self);
end;

procedure TDirectoryListBox.DblClick;
begin
  inherited DblClick;
end;

procedure TDirectoryListBox.ReadBitmaps;
begin
end;

procedure TDirectoryListBox.CreateWnd;
begin
  inherited CreateWnd;
end;

procedure TDirectoryListBox.DrawItem(Index: Integer; Rect: TRect;
      State: TOwnerDrawState);
begin
  inherited DrawItem(Index, Rect, State);
end;

function TDirectoryListBox.ReadDirectoryNames(const ParentDirectory: string;
      DirectoryList: TStringList): Integer;
begin
  Result := 0;
end;

procedure TDirectoryListBox.BuildList;
begin
end;

procedure TDirectoryListBox.KeyPress(var Key: Char);
begin
  inherited KeyPress(Key);
end;

procedure TDirectoryListBox.Notification(AComponent: TComponent; Operation: TOperation);
begin
  inherited Notification(AComponent, Operation);
  if Operation = opRemove then
  begin
    if AComponent = FFileList then FFileList := nil;
    if AComponent = FDriveCombo then FDriveCombo := nil;
    if AComponent = FDirLabel then FDirLabel := nil;
  end;
end;

constructor TDirectoryListBox.Create(AOwner: TComponent);
begin
  inherited Create(AOwner);
  ClosedBMP := TBitmap.Create;
  OpenedBMP := TBitmap.Create;
  CurrentBMP := TBitmap.Create;
end;

destructor TDirectoryListBox.Destroy;
begin
  CurrentBMP.Free;
  OpenedBMP.Free;
  ClosedBMP.Free;
  inherited Destroy;
end;

function TDirectoryListBox.DisplayCase(const S: string): string;
begin
  if FPreserveCase or FCaseSensitive then
    Result := S
  else
    Result := AnsiLowerCase(S);
end;

function TDirectoryListBox.FileCompareText(const A, B: string): Integer;
begin
  if FCaseSensitive then
    Result := AnsiCompareStr(A, B)
  else
    Result := AnsiCompareText(A, B);
end;

function TDirectoryListBox.GetItemPath(Index: Integer): string;
begin
  Result := '';
end;

procedure TDirectoryListBox.OpenCurrent;
begin
end;

procedure TDirectoryListBox.Update;
begin
  inherited Update;
end;

{ TDriveComboBox }

procedure TDriveComboBox.SetDirListBox(Value: TDirectoryListBox);
begin
  FDirList := Value;
  if Value <> nil then Value.FreeNotification(Self);
end;

procedure TDriveComboBox.SetDrive(NewDrive: Char);
begin
  if FDrive <> NewDrive then
  begin
    FDrive := NewDrive;
    Invalidate;
  end;
end;

procedure TDriveComboBox.SetTextCase(NewTextCase: TTextCase);
begin
  if FTextCase <> NewTextCase then
  begin
    FTextCase := NewTextCase;
    Invalidate;
  end;
end;

procedure TDriveComboBox.ReadBitmaps;
begin
end;

procedure TDriveComboBox.CMFontChanged(var Message: TMessage);
begin
  inherited;
  Invalidate;
end;

procedure TDriveComboBox.ResetItemHeight;
begin
end;

procedure TDriveComboBox.CreateWnd;
begin
  inherited CreateWnd;
end;

procedure TDriveComboBox.DrawItem(Index: Integer; Rect: TRect;
      State: TOwnerDrawState);
begin
  inherited DrawItem(Index, Rect, State);
end;

procedure TDriveComboBox.Click;
begin
  inherited Click;
end;

procedure TDriveComboBox.BuildList;
begin
end;

procedure TDriveComboBox.Notification(AComponent: TComponent; Operation: TOperation);
begin
  inherited Notification(AComponent, Operation);
  if Operation = opRemove then
  begin
    if AComponent = FDirList then FDirList := nil;
  end;
end;

constructor TDriveComboBox.Create(AOwner: TComponent);
begin
  inherited Create(AOwner);
  FloppyBMP := TBitmap.Create;
  FixedBMP := TBitmap.Create;
  NetworkBMP := TBitmap.Create;
  CDROMBMP := TBitmap.Create;
  RAMBMP := TBitmap.Create;
  FTextCase := tcLowerCase;
end;

destructor TDriveComboBox.Destroy;
begin
  RAMBMP.Free;
  CDROMBMP.Free;
  NetworkBMP.Free;
  FixedBMP.Free;
  FloppyBMP.Free;
  inherited Destroy;
end;

{ TFilterComboBox }

function TFilterComboBox.IsFilterStored: Boolean;
begin
  Result := FFilter <> 'All files (*.*)|*.*';
end;

function TFilterComboBox.GetMask: string;
begin
  Result := '';
end;

procedure TFilterComboBox.SetFilter(const NewFilter: string);
begin
  if FFilter <> NewFilter then
  begin
    FFilter := NewFilter;
    Invalidate;
  end;
end;

procedure TFilterComboBox.SetFileListBox(Value: TFileListBox);
begin
  FFileList := Value;
  if Value <> nil then Value.FreeNotification(Self);
end;

procedure TFilterComboBox.Change;
begin
  inherited Change;
end;

procedure TFilterComboBox.CreateWnd;
begin
  inherited CreateWnd;
end;

procedure TFilterComboBox.Click;
begin
  inherited Click;
end;

procedure TFilterComboBox.BuildList;
begin
end;

procedure TFilterComboBox.Notification(AComponent: TComponent; Operation: TOperation);
begin
  inherited Notification(AComponent, Operation);
  if Operation = opRemove then
  begin
    if AComponent = FFileList then FFileList := nil;
  end;
end;

constructor TFilterComboBox.Create(AOwner: TComponent);
begin
  inherited Create(AOwner);
  MaskList := TStringList.Create;
end;

destructor TFilterComboBox.Destroy;
begin
  MaskList.Free;
  inherited Destroy;
end;

{ TSelectDirDlg }

procedure TSelectDirDlg.DirListChange(Sender: TObject);
begin
end;

procedure TSelectDirDlg.FormCreate(Sender: TObject);
begin
end;

procedure TSelectDirDlg.DriveListChange(Sender: TObject);
begin
end;

procedure TSelectDirDlg.NetClick(Sender: TObject);
begin
end;

procedure TSelectDirDlg.OKClick(Sender: TObject);
begin
end;

procedure TSelectDirDlg.SetAllowCreate(Value: Boolean);
begin
  if FAllowCreate <> Value then
  begin
    FAllowCreate := Value;
    Invalidate;
  end;
end;

procedure TSelectDirDlg.SetDirectory(const Value: string);
begin
end;

function TSelectDirDlg.GetDirectory: string;
begin
  Result := '';
end;

end.
