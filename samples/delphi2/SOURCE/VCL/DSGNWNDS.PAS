{*******************************************************}
{                                                       }
{       Quillmap 2 sample class library                 }
{       DsgnWnds unit: base form for designer windows   }
{                                                       }
{*******************************************************}

unit DsgnWnds;

interface

uses SysUtils, Classes, Graphics, Controls, Forms;

type
  TDesignWindow = class(TForm)
  private
    FSelection: TList;
    FActive: Boolean;
    procedure WMActivate(var Msg: TWMActivate); message WM_ACTIVATE;
  protected
    procedure Activated; dynamic;
    function UniqueName(Component: TComponent): string; virtual;
  public
    constructor Create(AOwner: TComponent); override;
    destructor Destroy; override;
    procedure ComponentDeleted(Component: TComponent); virtual;
    procedure FormClosed(Form: TCustomForm); virtual;
    procedure FormModified; virtual;
    procedure SelectionChanged(ASelection: TList); virtual;
    procedure SetSelection(List: TList);
    property Active: Boolean read FActive;
  end;

  { Keeps the open designer windows informed of changes }
  TDesignWindowList = class(TList)
  public
    procedure NotifyDeleted(Component: TComponent);
    procedure NotifyModified;
    procedure NotifySelection(ASelection: TList);
  end;

var
  DesignWindows: TDesignWindowList;

implementation

{ TDesignWindow }

procedure TDesignWindow.WMActivate(var Msg: TWMActivate);
begin
  inherited;
  FActive := Msg.Active <> 0;
  if FActive then Activated;
end;

procedure TDesignWindow.Activated;
begin
  if Assigned(OnActivate) then OnActivate(Self);
end;

function TDesignWindow.UniqueName(Component: TComponent): string;
var
  I: Integer;
  Base: string;
begin
  Base := Copy(Component.ClassName, 2, MaxInt);
  I := 1;
  repeat
    Result := Base + IntToStr(I);
    Inc(I);
  until (Owner = nil) or (Owner.FindComponent(Result) = nil);
end;

constructor TDesignWindow.Create(AOwner: TComponent);
begin
  inherited Create(AOwner);
  FSelection := TList.Create;
  DesignWindows.Add(Self);
end;

destructor TDesignWindow.Destroy;
begin
  DesignWindows.Remove(Self);
  FSelection.Free;
  inherited Destroy;
end;

procedure TDesignWindow.ComponentDeleted(Component: TComponent);
begin
end;

procedure TDesignWindow.FormClosed(Form: TCustomForm);
begin
end;

procedure TDesignWindow.FormModified;
begin
end;

procedure TDesignWindow.SelectionChanged(ASelection: TList);
begin
end;

procedure TDesignWindow.SetSelection(List: TList);
var
  I: Integer;
begin
  FSelection.Clear;
  for I := 0 to List.Count - 1 do FSelection.Add(List[I]);
  SelectionChanged(FSelection);
end;

{ TDesignWindowList }

procedure TDesignWindowList.NotifyDeleted(Component: TComponent);
var
  I: Integer;
begin
  for I := Count - 1 downto 0 do
    TDesignWindow(Items[I]).ComponentDeleted(Component);
end;

procedure TDesignWindowList.NotifyModified;
var
  I: Integer;
begin
  for I := 0 to Count - 1 do
    TDesignWindow(Items[I]).FormModified;
end;

procedure TDesignWindowList.NotifySelection(ASelection: TList);
var
  I: Integer;
begin
  for I := 0 to Count - 1 do
    TDesignWindow(Items[I]).SelectionChanged(ASelection);
end;

initialization
  DesignWindows := TDesignWindowList.Create;
finalization
  DesignWindows.Free;
end.
