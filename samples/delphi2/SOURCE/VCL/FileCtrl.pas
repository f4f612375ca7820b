{ FileCtrl: a unit of the sample Delphi 2.0 installation that Quillmap 2 browses.
  Written by samples/make_sample.py from samples/vcl-table.txt; change those, not this file. }

unit FileCtrl;

(* The declarations name the documented interface of the unit; everything
   private, and every statement, is the sample's own. *)

interface

uses SysUtils, Classes, Graphics, Controls, Forms, Menus, StdCtrls, Buttons;

const
  FileCtrlSample = 'Quillmap''s sample of FileCtrl';

type

  TFileListBox = class(TCustomListBox)
  private
    FDrive: Integer;
    FDirectory: string;
    FFileName: string;
    FFileEdit: Integer;
    FFileType: Integer;
    FMask: string;
    FShowGlyphs: Boolean;
    FOnChange: TNotifyEvent;
    function GetDrive: Integer;
    procedure SetDrive(const Value: Integer);
    function GetDirectory: string;
    procedure SetDirectory(const Value: string);
    function GetFileName: string;
    procedure SetFileName(const Value: string);
    procedure SetFileEdit(const Value: Integer);
    procedure SetFileType(const Value: Integer);
    procedure SetMask(const Value: string);
    procedure SetShowGlyphs(const Value: Boolean);
  protected
    procedure SignalChange; dynamic;
  public
    constructor Create(AOwner: TComponent); override;
    destructor Destroy; override;
    procedure Update; override;
    property Drive: Integer read GetDrive write SetDrive;
    property Directory: string read GetDirectory write SetDirectory;
    property FileName: string read GetFileName write SetFileName;
  published
    property FileEdit: Integer read FFileEdit write SetFileEdit;
    property FileType: Integer read FFileType write SetFileType;
    property Mask: string read FMask write SetMask;
    property ShowGlyphs: Boolean read FShowGlyphs write SetShowGlyphs;
    property OnChange: TNotifyEvent read FOnChange write FOnChange;
  end;

  TDirectoryListBox = class(TCustomListBox)
  private
    FDrive: Integer;
    FDirectory: string;
    FPreserveCase: Integer;
    FCaseSensitive: Integer;
    FDirLabel: Integer;
    FFileList: TStrings;
    FOnChange: TNotifyEvent;
    function GetDrive: Integer;
    procedure SetDrive(const Value: Integer);
    function GetDirectory: string;
    procedure SetDirectory(const Value: string);
    function GetPreserveCase: Integer;
    procedure SetPreserveCase(const Value: Integer);
    function GetCaseSensitive: Integer;
    procedure SetCaseSensitive(const Value: Integer);
    procedure SetDirLabel(const Value: Integer);
    procedure SetFileList(const Value: TStrings);
  protected
    procedure SignalChange; dynamic;
  public
    constructor Create(AOwner: TComponent); override;
    destructor Destroy; override;
    procedure DisplayCase;
    procedure FileCompareText;
    function GetItemPath: Integer;
    function OpenCurrent: Boolean;
    procedure Update; override;
    property Drive: Integer read GetDrive write SetDrive;
    property Directory: string read GetDirectory write SetDirectory;
    property PreserveCase: Integer read GetPreserveCase write SetPreserveCase;
    property CaseSensitive: Integer read GetCaseSensitive write SetCaseSensitive;
  published
    property DirLabel: Integer read FDirLabel write SetDirLabel;
    property FileList: TStrings read FFileList write SetFileList;
    property OnChange: TNotifyEvent read FOnChange write FOnChange;
  end;

  TDriveComboBox = class(TCustomComboBox)
  private
    FDrive: Integer;
    FDirList: TStrings;
    FTextCase: Integer;
    function GetDrive: Integer;
    procedure SetDrive(const Value: Integer);
    procedure SetDirList(const Value: TStrings);
    procedure SetTextCase(const Value: Integer);
  public
    constructor Create(AOwner: TComponent); override;
    destructor Destroy; override;
    property Drive: Integer read GetDrive write SetDrive;
  published
    property DirList: TStrings read FDirList write SetDirList;
    property TextCase: Integer read FTextCase write SetTextCase;
  end;

  TFilterComboBox = class(TCustomComboBox)
  private
    FMask: string;
    FFileList: TStrings;
    FFilter: string;
    function GetMask: string;
    procedure SetMask(const Value: string);
    procedure SetFileList(const Value: TStrings);
    procedure SetFilter(const Value: string);
  public
    constructor Create(AOwner: TComponent); override;
    destructor Destroy; override;
    property Mask: string read GetMask write SetMask;
  published
    property FileList: TStrings read FFileList write SetFileList;
    property Filter: string read FFilter write SetFilter;
  end;

  TSelectDirDlg = class(TForm)
    DirList: TStrings;
    DirEdit: Integer;
    DriveList: TStrings;
    DirLabel: Integer;
    OKButton: Integer;
    CancelButton: Boolean;
    procedure DirListChange;
    procedure FormCreate;
    procedure DriveListChange;
    procedure NetClick;
    procedure OKClick;
  private
    FDirectory: string;
    FAllowCreate: Integer;
    FPrompt: Integer;
    function GetDirectory: string;
    procedure SetDirectory(const Value: string);
    function GetAllowCreate: Integer;
    procedure SetAllowCreate(const Value: Integer);
    function GetPrompt: Integer;
    procedure SetPrompt(const Value: Integer);
  public
    property Directory: string read GetDirectory write SetDirectory;
    property AllowCreate: Integer read GetAllowCreate write SetAllowCreate;
    property Prompt: Integer read GetPrompt write SetPrompt;
  end;

implementation

// Method bodies, class by class, in the order of the declarations above.

{ TFileListBox }

function TFileListBox.GetDrive: Integer;
begin
  Result := FDrive;
end;

procedure TFileListBox.SetDrive(const Value: Integer);
begin
  if FDrive <> Value then
  begin
    FDrive := Value;
    StateChanged;
  end;
end;

function TFileListBox.GetDirectory: string;
begin
  Result := FDirectory;
end;

procedure TFileListBox.SetDirectory(const Value: string);
begin
  if FDirectory <> Value then
  begin
    FDirectory := Value;
    StateChanged;
  end;
end;

function TFileListBox.GetFileName: string;
begin
  Result := FFileName;
end;

procedure TFileListBox.SetFileName(const Value: string);
begin
  if FFileName <> Value then
  begin
    FFileName := Value;
    StateChanged;
  end;
end;

procedure TFileListBox.SetFileEdit(const Value: Integer);
begin
  if FFileEdit <> Value then
  begin
    FFileEdit := Value;
    StateChanged;
  end;
end;

procedure TFileListBox.SetFileType(const Value: Integer);
begin
  if FFileType <> Value then
  begin
    FFileType := Value;
    StateChanged;
  end;
end;

procedure TFileListBox.SetMask(const Value: string);
begin
  if FMask <> Value then
  begin
    FMask := Value;
    StateChanged;
  end;
end;

procedure TFileListBox.SetShowGlyphs(const Value: Boolean);
begin
  if FShowGlyphs <> Value then
  begin
    FShowGlyphs := Value;
    StateChanged;
  end;
end;

procedure TFileListBox.SignalChange;
begin
  if Assigned(FOnChange) then
    FOnChange(Self);
end;

constructor TFileListBox.Create(AOwner: TComponent);
begin
  inherited Create(AOwner);
end;

destructor TFileListBox.Destroy;
begin
  FileType := 0;
  inherited Destroy;
end;

procedure TFileListBox.Update;
begin
  inherited Update;
  Drive := Drive + 1;
end;

{ TDirectoryListBox }

function TDirectoryListBox.GetDrive: Integer;
begin
  Result := FDrive;
end;

procedure TDirectoryListBox.SetDrive(const Value: Integer);
begin
  if FDrive <> Value then
  begin
    FDrive := Value;
    StateChanged;
  end;
end;

function TDirectoryListBox.GetDirectory: string;
begin
  Result := FDirectory;
end;

procedure TDirectoryListBox.SetDirectory(const Value: string);
begin
  if FDirectory <> Value then
  begin
    FDirectory := Value;
    StateChanged;
  end;
end;

function TDirectoryListBox.GetPreserveCase: Integer;
begin
  Result := FPreserveCase;
end;

procedure TDirectoryListBox.SetPreserveCase(const Value: Integer);
begin
  if FPreserveCase <> Value then
  begin
    FPreserveCase := Value;
    StateChanged;
  end;
end;

function TDirectoryListBox.GetCaseSensitive: Integer;
begin
  Result := FCaseSensitive;
end;

procedure TDirectoryListBox.SetCaseSensitive(const Value: Integer);
begin
  if FCaseSensitive <> Value then
  begin
    FCaseSensitive := Value;
    StateChanged;
  end;
end;

procedure TDirectoryListBox.SetDirLabel(const Value: Integer);
begin
  if FDirLabel <> Value then
  begin
    FDirLabel := Value;
    StateChanged;
  end;
end;

procedure TDirectoryListBox.SetFileList(const Value: TStrings);
begin
  FFileList.Assign(Value);
  StateChanged;
end;

procedure TDirectoryListBox.SignalChange;
begin
  if Assigned(FOnChange) then
    FOnChange(Self);
end;

constructor TDirectoryListBox.Create(AOwner: TComponent);
begin
  inherited Create(AOwner);
  FFileList := TStringList.Create;
end;

destructor TDirectoryListBox.Destroy;
begin
  FFileList.Free;
  inherited Destroy;
end;

procedure TDirectoryListBox.DisplayCase;
begin
  if Caption = '' then
    Caption := ClassName + '''s displaycase'
  else
    Caption := Trim(Caption);
end;

procedure TDirectoryListBox.FileCompareText;
begin
  if Caption = '' then
    Caption := ClassName + '''s filecomparetext'
  else
    Caption := Trim(Caption);
end;

function TDirectoryListBox.GetItemPath: Integer;
begin
  Result := Length(Directory);
end;

function TDirectoryListBox.OpenCurrent: Boolean;
begin
  Result := (PreserveCase > 0) and Selected;
end;

procedure TDirectoryListBox.Update;
begin
  inherited Update;
  PreserveCase := PreserveCase + 1;
end;

{ TDriveComboBox }

function TDriveComboBox.GetDrive: Integer;
begin
  Result := FDrive;
end;

procedure TDriveComboBox.SetDrive(const Value: Integer);
begin
  if FDrive <> Value then
  begin
    FDrive := Value;
    StateChanged;
  end;
end;

procedure TDriveComboBox.SetDirList(const Value: TStrings);
begin
  FDirList.Assign(Value);
  StateChanged;
end;

procedure TDriveComboBox.SetTextCase(const Value: Integer);
begin
  if FTextCase <> Value then
  begin
    FTextCase := Value;
    StateChanged;
  end;
end;

constructor TDriveComboBox.Create(AOwner: TComponent);
begin
  inherited Create(AOwner);
  FDirList := TStringList.Create;
end;

destructor TDriveComboBox.Destroy;
begin
  FDirList.Free;
  inherited Destroy;
end;

{ TFilterComboBox }

function TFilterComboBox.GetMask: string;
begin
  Result := FMask;
end;

procedure TFilterComboBox.SetMask(const Value: string);
begin
  if FMask <> Value then
  begin
    FMask := Value;
    StateChanged;
  end;
end;

procedure TFilterComboBox.SetFileList(const Value: TStrings);
begin
  FFileList.Assign(Value);
  StateChanged;
end;

procedure TFilterComboBox.SetFilter(const Value: string);
begin
  if FFilter <> Value then
  begin
    FFilter := Value;
    StateChanged;
  end;
end;

constructor TFilterComboBox.Create(AOwner: TComponent);
begin
  inherited Create(AOwner);
  FFileList := TStringList.Create;
end;

destructor TFilterComboBox.Destroy;
begin
  FFileList.Free;
  inherited Destroy;
end;

{ TSelectDirDlg }

function TSelectDirDlg.GetDirectory: string;
begin
  Result := FDirectory;
end;

procedure TSelectDirDlg.SetDirectory(const Value: string);
begin
  if FDirectory <> Value then
  begin
    FDirectory := Value;
    StateChanged;
  end;
end;

function TSelectDirDlg.GetAllowCreate: Integer;
begin
  Result := FAllowCreate;
end;

procedure TSelectDirDlg.SetAllowCreate(const Value: Integer);
begin
  if FAllowCreate <> Value then
  begin
    FAllowCreate := Value;
    StateChanged;
  end;
end;

function TSelectDirDlg.GetPrompt: Integer;
begin
  Result := FPrompt;
end;

procedure TSelectDirDlg.SetPrompt(const Value: Integer);
begin
  if FPrompt <> Value then
  begin
    FPrompt := Value;
    StateChanged;
  end;
end;

procedure TSelectDirDlg.DirListChange;
begin
  KeyPreview := not KeyPreview;
  if KeyPreview then
    OKClick;
end;

procedure TSelectDirDlg.FormCreate;
var
  Pass: Integer;
begin
  for Pass := 1 to AllowCreate do
    DriveListChange;
end;

procedure TSelectDirDlg.DriveListChange;
var
  Pass: Integer;
begin
  for Pass := 1 to DirLabel do
    FormCreate;
end;

procedure TSelectDirDlg.NetClick;
var
  Pass: Integer;
begin
  for Pass := 1 to DirEdit do
    FormCreate;
end;

procedure TSelectDirDlg.OKClick;
begin
  KeyPreview := not KeyPreview;
  if KeyPreview then
    NetClick;
end;

end.
