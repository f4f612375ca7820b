{*******************************************************}
{                                                       }
{       Quillmap 2 sample class library                 }
{       TabNotBk unit: the tabbed notebook              }
{                                                       }
{*******************************************************}

unit TabNotBk;

interface

uses SysUtils, Classes, Graphics, Controls, Forms, StdCtrls, ExtCtrls, Tabs;

type
  TPageChangeEvent = procedure(Sender: TObject; NewTab: Integer;
    var AllowChange: Boolean) of object;

  TTabPage = class(TWinControl)
  protected
    procedure ReadState(Reader: TReader); override;
  public
    constructor Create(AOwner: TComponent); override;
  published
    property Caption;
    property Height;
    property TabOrder;
    property Visible;
    property Width;
    property Enabled;
  end;

  TTabbedNotebook = class(TCustomControl)
  private
    FPageList: TList;
    FAccess: TStrings;
    FPageIndex: Integer;
    FTabSet: TTabSet;
    FTopFont: TFont;
    FTabsPerRow: Integer;
    FRowCount: Integer;
    FTabRows: TList;
    FMouseTabRow: Integer;
    FTabBorder: Integer;
    FOnClick: TNotifyEvent;
    FOnChange: TPageChangeEvent;
    function GetActivePage: string;
    procedure SetPages(Value: TStrings);
    procedure SetActivePage(const Value: string);
    procedure SetTabFont(Value: TFont);
    procedure SetTabsPerRow(NewTabCount: Integer);
    procedure TabFontChanged(Sender: TObject);
    procedure WMGetDlgCode(var Message: TWMGetDlgCode); message WM_GETDLGCODE;
    procedure CMDialogKey(var Message: TCMDialogKey); message CM_DIALOGKEY;
    procedure WMSize(var Message: TWMSize); message WM_SIZE;
  protected
    procedure AlignControls(AControl: TControl; var Rect: TRect); override;
    procedure CreateParams(var Params: TCreateParams); override;
    function GetChildOwner: TComponent; override;
    procedure GetChildren(Proc: TGetChildProc); override;
    procedure MouseDown(Button: TMouseButton; Shift: TShiftState;
      X, Y: Integer); override;
    procedure Paint; override;
    procedure ReadState(Reader: TReader); override;
    procedure SetPageIndex(Value: Integer);
    procedure ShowControl(AControl: TControl); override;
    procedure CreateWnd; override;
    procedure Change; dynamic;
  public
    constructor Create(AOwner: TComponent); override;
    destructor Destroy; override;
    function GetIndexForPage(const PageName: string): Integer;
    property TopFont: TFont read FTopFont;
  published
    property ActivePage: string read GetActivePage write SetActivePage stored False;
    property Align;
    property Enabled;
    property PageIndex: Integer read FPageIndex write SetPageIndex default 0;
    property Pages: TStrings read FAccess write SetPages stored False;
    property Font;
    property TabsPerRow: Integer read FTabsPerRow write SetTabsPerRow default 3;
    property TabFont: TFont read FTopFont write SetTabFont;
    property TabOrder;
    property TabStop;
    property OnClick: TNotifyEvent read FOnClick write FOnClick;
    property OnChange: TPageChangeEvent read FOnChange write FOnChange;
  end;

implementation

{ TTabPage }

procedure TTabPage.ReadState(Reader: TReader);
begin
  inherited ReadState(Reader);
end;

constructor TTabPage.Create(AOwner: TComponent);
begin
  inherited Create(AOwner);
  Visible := False;
  ControlStyle := ControlStyle + [csAcceptsControls];
  Align := alClient;
end;

{ TTabbedNotebook }

function TTabbedNotebook.GetActivePage: string;
begin
  Result := '';
end;

procedure TTabbedNotebook.SetPages(Value: TStrings);
begin
  FAccess.Assign(Value);
end;

procedure TTabbedNotebook.SetActivePage(const Value: string);
begin
end;

procedure TTabbedNotebook.SetTabFont(Value: TFont);
begin
  FTopFont := Value;
end;

procedure TTabbedNotebook.SetTabsPerRow(NewTabCount: Integer);
begin
  if FTabsPerRow <> NewTabCount then
  begin
    FTabsPerRow := NewTabCount;
    Invalidate;
  end;
end;

procedure TTabbedNotebook.TabFontChanged(Sender: TObject);
begin
  Invalidate;
end;

procedure TTabbedNotebook.WMGetDlgCode(var Message: TWMGetDlgCode);
begin
  inherited;
end;

procedure TTabbedNotebook.CMDialogKey(var Message: TCMDialogKey);
begin
  inherited;
end;

procedure TTabbedNotebook.WMSize(var Message: TWMSize);
begin
  inherited;
end;

procedure TTabbedNotebook.AlignControls(AControl: TControl; var Rect: TRect);
begin
  inherited AlignControls(AControl, Rect);
end;

procedure TTabbedNotebook.CreateParams(var Params: TCreateParams);
begin
  inherited CreateParams(Params);
end;

function TTabbedNotebook.GetChildOwner: TComponent;
begin
  Result := inherited GetChildOwner;
end;

procedure TTabbedNotebook.GetChildren(Proc: TGetChildProc);
begin
  inherited GetChildren(Proc);
end;

procedure TTabbedNotebook.MouseDown(Button: TMouseButton; Shift: TShiftState;
      X, Y: Integer);
begin
  inherited MouseDown(Button, Shift, X, Y);
end;

procedure TTabbedNotebook.Paint;
begin
  with Canvas do
  begin
    Brush.Color := Color;
    Brush.Style := bsSolid;
    FillRect(ClientRect);
  end;
end;

procedure TTabbedNotebook.ReadState(Reader: TReader);
begin
  inherited ReadState(Reader);
end;

procedure TTabbedNotebook.SetPageIndex(Value: Integer);
begin
  if FPageIndex <> Value then
  begin
    FPageIndex := Value;
    Invalidate;
  end;
end;

procedure TTabbedNotebook.ShowControl(AControl: TControl);
begin
  inherited ShowControl(AControl);
end;

procedure TTabbedNotebook.CreateWnd;
begin
  inherited CreateWnd;
end;

procedure TTabbedNotebook.Change;
var
  AllowChange: Boolean;
begin
  AllowChange := True;
  if Assigned(FOnChange) then FOnChange(Self, FPageIndex, AllowChange);
end;

constructor TTabbedNotebook.Create(AOwner: TComponent);
begin
  inherited Create(AOwner);
  Width := 300;
  Height := 250;
  ControlStyle := [csDoubleClicks];
  FPageList := TList.Create;
  FTabRows := TList.Create;
  FTopFont := TFont.Create;
  FTopFont.OnChange := TabFontChanged;
  FTabsPerRow := 3;
  FTabBorder := 3;
  FMouseTabRow := -1;
end;

destructor TTabbedNotebook.Destroy;
begin
  FTopFont.Free;
  FTabRows.Free;
  FPageList.Free;
  inherited Destroy;
end;

function TTabbedNotebook.GetIndexForPage(const PageName: string): Integer;
begin
  for Result := 0 to FPageList.Count - 1 do
    if CompareText(TTabPage(FPageList[Result]).Caption, PageName) = 0 then Exit;
  Result := -1;
end;

end.
