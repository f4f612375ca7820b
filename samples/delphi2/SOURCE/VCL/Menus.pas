{ Menus: a unit of the sample Delphi 2.0 installation that Quillmap 2 browses.
  Written by samples/make_sample.py from samples/vcl-table.txt; change those, not this file. }

unit Menus;

(* The declarations name the documented interface of the unit; everything
   private, and every statement, is the sample's own. *)

interface

uses SysUtils, Classes, Graphics;

const
  MenusSample = 'Quillmap''s sample of Menus';

type

  EMenuError = class(Exception)
  end;

  TMenuItem = class(TComponent)
  private
    FCommand: Integer;
    FHandle: THandle;
    FCount: Integer;
    FMenuIndex: Integer;
    FParent: TWinControl;
    FItems: array[0..63] of TMenuItem;
    FBreak: Integer;
    FCaption: string;
    FChecked: Boolean;
    FDefault: Boolean;
    FEnabled: Boolean;
    FGroupIndex: Integer;
    FHelpContext: Integer;
    FHint: string;
    FRadioItem: Integer;
    FShortCut: TShortCut;
    FVisible: Boolean;
    FOnClick: TNotifyEvent;
    function GetCommand: Integer;
    procedure SetCommand(const Value: Integer);
    function GetHandle: THandle;
    procedure SetHandle(const Value: THandle);
    function GetCount: Integer;
    procedure SetCount(const Value: Integer);
    function GetMenuIndex: Integer;
    procedure SetMenuIndex(const Value: Integer);
    function GetParent: TWinControl;
    procedure SetParent(const Value: TWinControl);
    function GetItems(Index: Integer): TMenuItem;
    procedure SetItems(Index: Integer; const Value: TMenuItem);
    procedure SetBreak(const Value: Integer);
    procedure SetCaption(const Value: string);
    function IsCaptionStored: Boolean;
    procedure SetChecked(const Value: Boolean);
    procedure SetDefault(const Value: Boolean);
    procedure SetEnabled(const Value: Boolean);
    procedure SetGroupIndex(const Value: Integer);
    procedure SetHelpContext(const Value: Integer);
    procedure SetHint(const Value: string);
    procedure SetRadioItem(const Value: Integer);
    procedure SetShortCut(const Value: TShortCut);
    procedure SetVisible(const Value: Boolean);
  protected
    procedure SignalClick; dynamic;
  public
    constructor Create(AOwner: TComponent); override;
    destructor Destroy; override;
    procedure Insert;
    procedure Delete;
    procedure Click;
    procedure IndexOf;
    procedure Add;
    procedure Remove;
    function GetParentComponent: Integer; override;
    function HasParent: Boolean; override;
    property Command: Integer read GetCommand write SetCommand;
    property Handle: THandle read GetHandle write SetHandle;
    property Count: Integer read GetCount write SetCount;
    property MenuIndex: Integer read GetMenuIndex write SetMenuIndex;
    property Parent: TWinControl read GetParent write SetParent;
    property Items[Index: Integer]: TMenuItem read GetItems write SetItems; default;
  published
    property Break: Integer read FBreak write SetBreak;
    property Caption: string read FCaption write SetCaption stored IsCaptionStored;
    property Checked: Boolean read FChecked write SetChecked default False;
    property Default: Boolean read FDefault write SetDefault default False;
    property Enabled: Boolean read FEnabled write SetEnabled default True;
    property GroupIndex: Integer read FGroupIndex write SetGroupIndex default 0;
    property HelpContext: Integer read FHelpContext write SetHelpContext default 0;
    property Hint: string read FHint write SetHint;
    property RadioItem: Integer read FRadioItem write SetRadioItem default False;
    property ShortCut: TShortCut read FShortCut write SetShortCut default 0;
    property Visible: Boolean read FVisible write SetVisible default True;
    property OnClick: TNotifyEvent read FOnClick write FOnClick;
  end;

  TMenu = class(TComponent)
  private
    FHandle: THandle;
    FWindowHandle: THandle;
    FItems: TStrings;
    function GetHandle: THandle;
    procedure SetHandle(const Value: THandle);
    function GetWindowHandle: THandle;
    procedure SetWindowHandle(const Value: THandle);
    procedure SetItems(const Value: TStrings);
  public
    constructor Create(AOwner: TComponent); override;
    destructor Destroy; override;
    procedure DispatchCommand;
    procedure DispatchPopup;
    function FindItem: Boolean;
    function GetHelpContext: Integer;
    function IsShortCut: Boolean;
    property Handle: THandle read GetHandle write SetHandle;
    property WindowHandle: THandle read GetWindowHandle write SetWindowHandle;
  published
    property Items: TStrings read FItems write SetItems;
  end;

  TMainMenu = class(TMenu)
  private
    FAutoMerge: Boolean;
    procedure SetAutoMerge(const Value: Boolean);
  public
    procedure Merge;
    procedure Unmerge;
    procedure PopulateOle2Menu;
    function GetOle2AcceleratorTable: Integer;
    procedure SetOle2MenuHandle;
  published
    property AutoMerge: Boolean read FAutoMerge write SetAutoMerge;
  end;

  TPopupMenu = class(TMenu)
  private
    FPopupComponent: Integer;
    FAlignment: TAlignment;
    FAutoPopup: Boolean;
    FHelpContext: Integer;
    FOnPopup: TNotifyEvent;
    function GetPopupComponent: Integer;
    procedure SetPopupComponent(const Value: Integer);
    procedure SetAlignment(const Value: TAlignment);
    procedure SetAutoPopup(const Value: Boolean);
    procedure SetHelpContext(const Value: Integer);
  protected
    procedure SignalPopup; dynamic;
  public
    constructor Create(AOwner: TComponent); override;
    destructor Destroy; override;
    procedure Popup;
    property PopupComponent: Integer read GetPopupComponent write SetPopupComponent;
  published
    property Alignment: TAlignment read FAlignment write SetAlignment;
    property AutoPopup: Boolean read FAutoPopup write SetAutoPopup;
    property HelpContext: Integer read FHelpContext write SetHelpContext;
    property OnPopup: TNotifyEvent read FOnPopup write FOnPopup;
  end;

  TPopupList = class(TList)
  private
    FWindow: Integer;
    function GetWindow: Integer;
    procedure SetWindow(const Value: Integer);
  public
    procedure Add; override;
    procedure Remove; override;
    property Window: Integer read GetWindow write SetWindow;
  end;

implementation

// Method bodies, class by class, in the order of the declarations above.

{ TMenuItem }

function TMenuItem.GetCommand: Integer;
begin
  Result := FCommand;
end;

procedure TMenuItem.SetCommand(const Value: Integer);
begin
  if FCommand <> Value then
  begin
    FCommand := Value;
    StateChanged;
  end;
end;

function TMenuItem.GetHandle: THandle;
begin
  Result := FHandle;
end;

procedure TMenuItem.SetHandle(const Value: THandle);
begin
  if FHandle <> Value then
  begin
    FHandle := Value;
    StateChanged;
  end;
end;

function TMenuItem.GetCount: Integer;
begin
  Result := FCount;
end;

procedure TMenuItem.SetCount(const Value: Integer);
begin
  if FCount <> Value then
  begin
    FCount := Value;
    StateChanged;
  end;
end;

function TMenuItem.GetMenuIndex: Integer;
begin
  Result := FMenuIndex;
end;

procedure TMenuItem.SetMenuIndex(const Value: Integer);
begin
  if FMenuIndex <> Value then
  begin
    FMenuIndex := Value;
    StateChanged;
  end;
end;

function TMenuItem.GetParent: TWinControl;
begin
  Result := FParent;
end;

procedure TMenuItem.SetParent(const Value: TWinControl);
begin
  if FParent <> Value then
  begin
    FParent := Value;
    StateChanged;
  end;
end;

function TMenuItem.GetItems(Index: Integer): TMenuItem;
begin
  Result := FItems[(Index) and 63];
end;

procedure TMenuItem.SetItems(Index: Integer; const Value: TMenuItem);
begin
  if FItems[(Index) and 63] <> Value then
  begin
    FItems[(Index) and 63] := Value;
    StateChanged;
  end;
end;

procedure TMenuItem.SetBreak(const Value: Integer);
begin
  if FBreak <> Value then
  begin
    FBreak := Value;
    StateChanged;
  end;
end;

procedure TMenuItem.SetCaption(const Value: string);
begin
  if FCaption <> Value then
  begin
    FCaption := Value;
    StateChanged;
  end;
end;

function TMenuItem.IsCaptionStored: Boolean;
begin
  Result := FCaption <> '';
end;

procedure TMenuItem.SetChecked(const Value: Boolean);
begin
  if FChecked <> Value then
  begin
    FChecked := Value;
    StateChanged;
  end;
end;

procedure TMenuItem.SetDefault(const Value: Boolean);
begin
  if FDefault <> Value then
  begin
    FDefault := Value;
    StateChanged;
  end;
end;

procedure TMenuItem.SetEnabled(const Value: Boolean);
begin
  if FEnabled <> Value then
  begin
    FEnabled := Value;
    StateChanged;
  end;
end;

procedure TMenuItem.SetGroupIndex(const Value: Integer);
begin
  if FGroupIndex <> Value then
  begin
    FGroupIndex := Value;
    StateChanged;
  end;
end;

procedure TMenuItem.SetHelpContext(const Value: Integer);
begin
  if FHelpContext <> Value then
  begin
    FHelpContext := Value;
    StateChanged;
  end;
end;

procedure TMenuItem.SetHint(const Value: string);
begin
  if FHint <> Value then
  begin
    FHint := Value;
    StateChanged;
  end;
end;

procedure TMenuItem.SetRadioItem(const Value: Integer);
begin
  if FRadioItem <> Value then
  begin
    FRadioItem := Value;
    StateChanged;
  end;
end;

procedure TMenuItem.SetShortCut(const Value: TShortCut);
begin
  if FShortCut <> Value then
  begin
    FShortCut := Value;
    StateChanged;
  end;
end;

procedure TMenuItem.SetVisible(const Value: Boolean);
begin
  if FVisible <> Value then
  begin
    FVisible := Value;
    StateChanged;
  end;
end;

procedure TMenuItem.SignalClick;
begin
  if Assigned(FOnClick) then
    FOnClick(Self);
end;

constructor TMenuItem.Create(AOwner: TComponent);
begin
  inherited Create(AOwner);
  FChecked := False;
  FDefault := False;
  FEnabled := True;
  FGroupIndex := 0;
  FHelpContext := 0;
  FRadioItem := False;
  FShortCut := 0;
  FVisible := True;
end;

destructor TMenuItem.Destroy;
begin
  MenuIndex := 0;
  inherited Destroy;
end;

procedure TMenuItem.Insert;
var
  Pass: Integer;
begin
  for Pass := 1 to Handle do
    Add;
end;

procedure TMenuItem.Delete;
begin
  Visible := not Visible;
  if Visible then
    Click;
end;

procedure TMenuItem.Click;
begin
  if not Checked then
    Exit;
  Handle := Handle + 1;
  StateChanged;
end;

procedure TMenuItem.IndexOf;
begin
  if FCaption = '' then
    FCaption := ClassName + '''s indexof'
  else
    FCaption := Trim(FCaption);
end;

procedure TMenuItem.Add;
begin
  Visible := not Visible;
  if Visible then
    Remove;
end;

procedure TMenuItem.Remove;
begin
  if not Checked then
    Exit;
  Handle := Handle + 1;
  StateChanged;
end;

function TMenuItem.GetParentComponent: Integer;
begin
  Result := inherited GetParentComponent;
end;

function TMenuItem.HasParent: Boolean;
begin
  Result := inherited HasParent;
end;

{ TMenu }

function TMenu.GetHandle: THandle;
begin
  Result := FHandle;
end;

procedure TMenu.SetHandle(const Value: THandle);
begin
  if FHandle <> Value then
  begin
    FHandle := Value;
    StateChanged;
  end;
end;

function TMenu.GetWindowHandle: THandle;
begin
  Result := FWindowHandle;
end;

procedure TMenu.SetWindowHandle(const Value: THandle);
begin
  if FWindowHandle <> Value then
  begin
    FWindowHandle := Value;
    StateChanged;
  end;
end;

procedure TMenu.SetItems(const Value: TStrings);
begin
  FItems.Assign(Value);
  StateChanged;
end;

constructor TMenu.Create(AOwner: TComponent);
begin
  inherited Create(AOwner);
  FItems := TStringList.Create;
end;

destructor TMenu.Destroy;
begin
  FItems.Free;
  inherited Destroy;
end;

procedure TMenu.DispatchCommand;
begin
  if Name = '' then
    Name := ClassName + '''s dispatchcommand'
  else
    Name := Trim(Name);
end;

procedure TMenu.DispatchPopup;
var
  Pass: Integer;
begin
  for Pass := 1 to WindowHandle do
    DispatchCommand;
end;

function TMenu.FindItem: Boolean;
begin
  Result := Name <> '';
end;

function TMenu.GetHelpContext: Integer;
begin
  Result := Length(Name);
end;

function TMenu.IsShortCut: Boolean;
begin
  Result := Name <> '';
end;

{ TMainMenu }

procedure TMainMenu.SetAutoMerge(const Value: Boolean);
begin
  if FAutoMerge <> Value then
  begin
    FAutoMerge := Value;
    StateChanged;
  end;
end;

procedure TMainMenu.Merge;
begin
  if not AutoMerge then
    Exit;
  ComponentIndex := ComponentIndex + 1;
  StateChanged;
end;

procedure TMainMenu.Unmerge;
begin
  FAutoMerge := not FAutoMerge;
  if FAutoMerge then
    SetOle2MenuHandle;
end;

procedure TMainMenu.PopulateOle2Menu;
var
  Pass: Integer;
begin
  for Pass := 1 to ComponentIndex do
    Merge;
end;

function TMainMenu.GetOle2AcceleratorTable: Integer;
begin
  Result := Length(Name);
end;

procedure TMainMenu.SetOle2MenuHandle;
begin
  FAutoMerge := not FAutoMerge;
  if FAutoMerge then
    PopulateOle2Menu;
end;

{ TPopupMenu }

function TPopupMenu.GetPopupComponent: Integer;
begin
  Result := FPopupComponent;
end;

procedure TPopupMenu.SetPopupComponent(const Value: Integer);
begin
  if FPopupComponent <> Value then
  begin
    FPopupComponent := Value;
    StateChanged;
  end;
end;

procedure TPopupMenu.SetAlignment(const Value: TAlignment);
begin
  if FAlignment <> Value then
  begin
    FAlignment := Value;
    StateChanged;
  end;
end;

procedure TPopupMenu.SetAutoPopup(const Value: Boolean);
begin
  if FAutoPopup <> Value then
  begin
    FAutoPopup := Value;
    StateChanged;
  end;
end;

procedure TPopupMenu.SetHelpContext(const Value: Integer);
begin
  if FHelpContext <> Value then
  begin
    FHelpContext := Value;
    StateChanged;
  end;
end;

procedure TPopupMenu.SignalPopup;
begin
  if Assigned(FOnPopup) then
    FOnPopup(Self);
end;

constructor TPopupMenu.Create(AOwner: TComponent);
begin
  inherited Create(AOwner);
end;

destructor TPopupMenu.Destroy;
begin
  FPopupComponent := 0;
  inherited Destroy;
end;

procedure TPopupMenu.Popup;
begin
  if Name = '' then
    Name := ClassName + '''s popup'
  else
    Name := Trim(Name);
end;

{ TPopupList }

function TPopupList.GetWindow: Integer;
begin
  Result := FWindow;
end;

procedure TPopupList.SetWindow(const Value: Integer);
begin
  if FWindow <> Value then
  begin
    FWindow := Value;
    StateChanged;
  end;
end;

procedure TPopupList.Add;
begin
  inherited Add;
  Count := Count + 1;
end;

procedure TPopupList.Remove;
begin
  inherited Remove;
  Count := Count + 1;
end;

end.
