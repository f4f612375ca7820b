{*******************************************************}
{                                                       }
{       Quillmap 2 sample class library                 }
{       Menus unit: main and popup menus                }
{                                                       }
{*******************************************************}

unit Menus;

interface

uses SysUtils, Classes, Graphics;

type
  TShortCut = Low(Word)..High(Word);

  EMenuError = class(Exception);
  TMenu = class;

  TMenuBreak = (mbNone, mbBreak, mbBarBreak);
  TMenuChangeEvent = procedure(Sender: TObject; Source: TMenuItem;
    Rebuild: Boolean) of object;

  TMenuItem = class(TComponent)
  private
    FCaption: string;
    FHandle: HMENU;
    FChecked: Boolean;
    FEnabled: Boolean;
    FDefault: Boolean;
    FRadioItem: Boolean;
    FVisible: Boolean;
    FGroupIndex: Byte;
    FBreak: TMenuBreak;
    FCommand: Word;
    FHelpContext: THelpContext;
    FHint: string;
    FItems: TList;
    FShortCut: TShortCut;
    FParent: TMenuItem;
    FMerged: TMenuItem;
    FMenu: TMenu;
    FOnChange: TMenuChangeEvent;
    FOnClick: TNotifyEvent;
    procedure AppendTo(Menu: HMENU);
    procedure ClearHandles;
    procedure ReadShortCutText(Reader: TReader);
    procedure MergeWith(Menu: TMenuItem);
    procedure RebuildHandle;
    procedure PopulateMenu;
    procedure SubItemChanged(Sender: TObject; Source: TMenuItem; Rebuild: Boolean);
    procedure WriteShortCutText(Writer: TWriter);
    procedure VerifyGroupIndex(Position: Integer; Value: Byte);
  protected
    procedure DefineProperties(Filer: TFiler); override;
    function GetHandle: HMENU;
    function GetCount: Integer;
    procedure GetChildren(Proc: TGetChildProc); override;
    function GetItem(Index: Integer): TMenuItem;
    function GetMenuIndex: Integer;
    procedure MenuChanged(Rebuild: Boolean); virtual;
    procedure SetBreak(Value: TMenuBreak);
    procedure SetCaption(const Value: string);
    procedure SetChecked(Value: Boolean);
    procedure SetChildOrder(Child: TComponent; Order: Integer); override;
    procedure SetDefault(Value: Boolean);
    procedure SetEnabled(Value: Boolean);
    procedure SetGroupIndex(Value: Byte);
    procedure SetMenuIndex(Value: Integer);
    procedure SetParentComponent(Value: TComponent); override;
    procedure SetRadioItem(Value: Boolean);
    procedure SetShortCut(Value: TShortCut);
    procedure SetVisible(Value: Boolean);
  public
    constructor Create(AOwner: TComponent); override;
    destructor Destroy; override;
    procedure Insert(Index: Integer; Item: TMenuItem);
    procedure Delete(Index: Integer);
    procedure Click; virtual;
    function IndexOf(Item: TMenuItem): Integer;
    procedure Add(Item: TMenuItem);
    procedure Remove(Item: TMenuItem);
    function GetParentComponent: TComponent; override;
    function HasParent: Boolean; override;
    property Command: Word read FCommand;
    property Handle: HMENU read GetHandle;
    property Count: Integer read GetCount;
    property Items[Index: Integer]: TMenuItem read GetItem; default;
    property MenuIndex: Integer read GetMenuIndex write SetMenuIndex;
    property Parent: TMenuItem read FParent;
  published
    property Break: TMenuBreak read FBreak write SetBreak default mbNone;
    property Caption: string read FCaption write SetCaption;
    property Checked: Boolean read FChecked write SetChecked default False;
    property Default: Boolean read FDefault write SetDefault default False;
    property Enabled: Boolean read FEnabled write SetEnabled default True;
    property GroupIndex: Byte read FGroupIndex write SetGroupIndex default 0;
    property HelpContext: THelpContext read FHelpContext write FHelpContext default 0;
    property Hint: string read FHint write FHint;
    property RadioItem: Boolean read FRadioItem write SetRadioItem default False;
    property ShortCut: TShortCut read FShortCut write SetShortCut default 0;
    property Visible: Boolean read FVisible write SetVisible default True;
    property OnClick: TNotifyEvent read FOnClick write FOnClick;
  end;

  TFindItemKind = (fkCommand, fkHandle, fkShortCut);

  TMenu = class(TComponent)
  private
    FItems: TMenuItem;
    FWindowHandle: HWND;
    FMenuImage: string;
    function GetHandle: HMENU; virtual;
    procedure SetWindowHandle(Value: HWND);
    procedure MenuChanged(Sender: TObject; Source: TMenuItem; Rebuild: Boolean); virtual;
    function UpdateImage: Boolean;
  protected
    procedure GetChildren(Proc: TGetChildProc); override;
    procedure SetChildOrder(Child: TComponent; Order: Integer); override;
  public
    constructor Create(AOwner: TComponent); override;
    destructor Destroy; override;
    function DispatchCommand(ACommand: Word): Boolean;
    function DispatchPopup(AHandle: HMENU): Boolean;
    function FindItem(Value: Word; Kind: TFindItemKind): TMenuItem;
    function GetHelpContext(Value: Word; ByCommand: Boolean): THelpContext;
    function IsShortCut(var Message: TWMKey): Boolean;
    property Handle: HMENU read GetHandle;
    property WindowHandle: HWND read FWindowHandle write SetWindowHandle;
  published
    property Items: TMenuItem read FItems;
  end;

  TMainMenu = class(TMenu)
  private
    FOle2Menu: HMENU;
    FAutoMerge: Boolean;
    FReserved: Byte;
    procedure ItemChanged;
    function GetHandle: HMENU; override;
    procedure MenuChanged(Sender: TObject; Source: TMenuItem; Rebuild: Boolean); override;
    procedure SetAutoMerge(Value: Boolean);
  public
    procedure Merge(Menu: TMainMenu);
    procedure Unmerge(Menu: TMainMenu);
    procedure PopulateOle2Menu(SharedMenu: HMenu; Groups: array of Integer;
      var Widths: array of Longint);
    procedure GetOle2AcceleratorTable(var AccelTable: HAccel;
      var AccelCount: Integer; Groups: array of Integer);
    procedure SetOle2MenuHandle(Handle: HMENU);
  published
    property AutoMerge: Boolean read FAutoMerge write SetAutoMerge default False;
  end;

  TPopupAlignment = (paLeft, paRight, paCenter);

  TPopupMenu = class(TMenu)
  private
    FPopupPoint: TPoint;
    FAlignment: TPopupAlignment;
    FAutoPopup: Boolean;
    FPopupComponent: TComponent;
    FHelpContext: THelpContext;
    FOnPopup: TNotifyEvent;
    procedure DoPopup(Item: TObject);
    function GetHelpContext: THelpContext;
    procedure SetHelpContext(Value: THelpContext);
  public
    constructor Create(AOwner: TComponent); override;
    destructor Destroy; override;
    procedure Popup(X, Y: Integer); virtual;
    property PopupComponent: TComponent read FPopupComponent write FPopupComponent;
  published
    property Alignment: TPopupAlignment read FAlignment write FAlignment default paLeft;
    property AutoPopup: Boolean read FAutoPopup write FAutoPopup default True;
    property HelpContext: THelpContext read GetHelpContext write SetHelpContext default 0;
    property OnPopup: TNotifyEvent read FOnPopup write FOnPopup;
  end;

  { Keeps track of the popup menus on screen so WM_COMMAND reaches them }
  TPopupList = class(TList)
  private
    FWindow: HWND;
    procedure MainWndProc(var Message: TMessage);
  protected
    procedure WndProc(var Message: TMessage); virtual;
  public
    procedure Add(Popup: TPopupMenu);
    procedure Remove(Popup: TPopupMenu);
    property Window: HWND read FWindow;
  end;

var
  PopupList: TPopupList;

function ShortCut(Key: Word; Shift: TShiftState): TShortCut;
procedure ShortCutToKey(ShortCut: TShortCut; var Key: Word; var Shift: TShiftState);
function ShortCutToText(ShortCut: TShortCut): string;
function TextToShortCut(Text: string): TShortCut;
function NewMenu(Owner: TComponent; const AName: string; Items: array of TMenuItem): TMainMenu;
function NewPopupMenu(Owner: TComponent; const AName: string;
  Alignment: TPopupAlignment; AutoPopup: Boolean; Items: array of TMenuItem): TPopupMenu;
function NewSubMenu(const ACaption: string; hCtx: Word; const AName: string;
  Items: array of TMenuItem): TMenuItem;
function NewItem(const ACaption: string; AShortCut: TShortCut;
  AChecked, AEnabled: Boolean; AOnClick: TNotifyEvent; hCtx: Word;
  const AName: string): TMenuItem;
function NewLine: TMenuItem;

implementation

const
  scShift = $2000;
  scCtrl = $4000;
  scAlt = $8000;
  scNone = 0;

  MenuKeyCaps: array[0..9] of string = (
    'BkSp', 'Tab', 'Esc', 'Enter', 'Space', 'PgUp', 'PgDn', 'End', 'Home', 'Ins');

function ShortCut(Key: Word; Shift: TShiftState): TShortCut;
begin
  Result := 0;
  if WordRec(Key).Hi <> 0 then Exit;
  Result := Key;
  if ssShift in Shift then Inc(Result, scShift);
  if ssCtrl in Shift then Inc(Result, scCtrl);
  if ssAlt in Shift then Inc(Result, scAlt);
end;

procedure ShortCutToKey(ShortCut: TShortCut; var Key: Word; var Shift: TShiftState);
begin
  Key := ShortCut and not (scShift + scCtrl + scAlt);
  Shift := [];
  if ShortCut and scShift <> 0 then Include(Shift, ssShift);
  if ShortCut and scCtrl <> 0 then Include(Shift, ssCtrl);
  if ShortCut and scAlt <> 0 then Include(Shift, ssAlt);
end;

function KeyName(Key: Word): string;
begin
  case Key of
    8: Result := MenuKeyCaps[0];
    9: Result := MenuKeyCaps[1];
    27: Result := MenuKeyCaps[2];
    13: Result := MenuKeyCaps[3];
    32: Result := MenuKeyCaps[4];
    33: Result := MenuKeyCaps[5];
    34: Result := MenuKeyCaps[6];
    35: Result := MenuKeyCaps[7];
    36: Result := MenuKeyCaps[8];
    45: Result := 'Ins';
    46: Result := 'Del';
    Ord('0')..Ord('9'), Ord('A')..Ord('Z'): Result := Chr(Key);
    112..123: Result := 'F' + IntToStr(Key - 111);
  else
    Result := '';
  end;
end;

function ShortCutToText(ShortCut: TShortCut): string;
var
  Name: string;
begin
  Name := KeyName(ShortCut and $FF);
  if Name <> '' then
  begin
    Result := '';
    if ShortCut and scShift <> 0 then Result := Result + 'Shift+';
    if ShortCut and scCtrl <> 0 then Result := Result + 'Ctrl+';
    if ShortCut and scAlt <> 0 then Result := Result + 'Alt+';
    Result := Result + Name;
  end
  else
    Result := '';
end;

function TextToShortCut(Text: string): TShortCut;

  function CompareFront(var Text: string; const Front: string): Boolean;
  begin
    Result := False;
    if CompareText(Copy(Text, 1, Length(Front)), Front) = 0 then
    begin
      Result := True;
      Delete(Text, 1, Length(Front));
    end;
  end;

var
  Key: TShortCut;
  Shift: TShortCut;
begin
  Result := 0;
  Shift := 0;
  while True do
  begin
    if CompareFront(Text, 'Shift+') then Shift := Shift or scShift
    else if CompareFront(Text, '^') then Shift := Shift or scCtrl
    else if CompareFront(Text, 'Ctrl+') then Shift := Shift or scCtrl
    else if CompareFront(Text, 'Alt+') then Shift := Shift or scAlt
    else Break;
  end;
  if Text = '' then Exit;
  for Key := 8 to 255 do
    if AnsiCompareText(Text, KeyName(Key)) = 0 then
    begin
      Result := Key or Shift;
      Exit;
    end;
end;

procedure InitMenuItems(AMenu: TMenu; Items: array of TMenuItem);
var
  I: Integer;
begin
  for I := Low(Items) to High(Items) do
  begin
    AMenu.Items.Add(Items[I]);
    if AMenu.Owner <> nil then Items[I].Name := '';
  end;
end;

function NewMenu(Owner: TComponent; const AName: string; Items: array of TMenuItem): TMainMenu;
begin
  Result := TMainMenu.Create(Owner);
  Result.Name := AName;
  InitMenuItems(Result, Items);
end;

function NewPopupMenu(Owner: TComponent; const AName: string;
  Alignment: TPopupAlignment; AutoPopup: Boolean; Items: array of TMenuItem): TPopupMenu;
begin
  Result := TPopupMenu.Create(Owner);
  Result.Name := AName;
  Result.AutoPopup := AutoPopup;
  Result.Alignment := Alignment;
  InitMenuItems(Result, Items);
end;

function NewSubMenu(const ACaption: string; hCtx: Word; const AName: string;
  Items: array of TMenuItem): TMenuItem;
var
  I: Integer;
begin
  Result := TMenuItem.Create(nil);
  for I := Low(Items) to High(Items) do
    Result.Add(Items[I]);
  Result.Caption := ACaption;
  Result.HelpContext := hCtx;
  Result.Name := AName;
end;

function NewItem(const ACaption: string; AShortCut: TShortCut;
  AChecked, AEnabled: Boolean; AOnClick: TNotifyEvent; hCtx: Word;
  const AName: string): TMenuItem;
begin
  Result := TMenuItem.Create(nil);
  with Result do
  begin
    Caption := ACaption;
    ShortCut := AShortCut;
    OnClick := AOnClick;
    HelpContext := hCtx;
    Checked := AChecked;
    Enabled := AEnabled;
    Name := AName;
  end;
end;

function NewLine: TMenuItem;
begin
  Result := TMenuItem.Create(nil);
  Result.Caption := '-';
end;

{ TMenuItem }

procedure TMenuItem.AppendTo(Menu: HMENU);
const
  Breaks: array[TMenuBreak] of Longint = (0, $20, $40);
  Checks: array[Boolean] of Longint = (0, 8);
  Enables: array[Boolean] of Longint = (3, 0);
var
  Caption: string;
begin
  if FVisible then
  begin
    Caption := FCaption;
    if GetCount > 0 then
      AppendMenu(Menu, Breaks[FBreak] or Checks[FChecked] or Enables[FEnabled] or $10,
        GetHandle, PChar(Caption))
    else
    begin
      if (FShortCut <> scNone) and ((Parent = nil) or (Parent.Parent <> nil) or
        not (Parent.Owner is TMainMenu)) then
        Caption := Caption + #9 + ShortCutToText(FShortCut);
      AppendMenu(Menu, Breaks[FBreak] or Checks[FChecked] or Enables[FEnabled],
        Command, PChar(Caption));
    end;
  end;
end;

procedure TMenuItem.ClearHandles;

  procedure Clear(Item: TMenuItem);
  var
    I: Integer;
  begin
    with Item do
    begin
      FHandle := 0;
      for I := 0 to GetCount - 1 do Clear(FItems[I]);
    end;
  end;

begin
  Clear(Self);
end;

procedure TMenuItem.ReadShortCutText(Reader: TReader);
begin
  ShortCut := TextToShortCut(Reader.ReadString);
end;

procedure TMenuItem.MergeWith(Menu: TMenuItem);
begin
  if FMerged <> Menu then
  begin
    FMerged := Menu;
    RebuildHandle;
  end;
end;

procedure TMenuItem.RebuildHandle;
begin
  while GetMenuItemCount(Handle) > 0 do
    RemoveMenu(Handle, 0, MF_BYPOSITION);
  PopulateMenu;
  MenuChanged(False);
end;

procedure TMenuItem.PopulateMenu;
var
  I: Integer;
begin
  for I := 0 to GetCount - 1 do
    TMenuItem(FItems[I]).AppendTo(FHandle);
  if FMerged <> nil then
    for I := 0 to FMerged.GetCount - 1 do
      TMenuItem(FMerged.FItems[I]).AppendTo(FHandle);
end;

procedure TMenuItem.SubItemChanged(Sender: TObject; Source: TMenuItem; Rebuild: Boolean);
begin
  if Rebuild and (FHandle <> 0) then RebuildHandle;
  if Parent <> nil then
    Parent.SubItemChanged(Self, Source, False)
  else if Owner is TMainMenu then
    TMainMenu(Owner).ItemChanged;
end;

procedure TMenuItem.WriteShortCutText(Writer: TWriter);
begin
  Writer.WriteString(ShortCutToText(ShortCut));
end;

procedure TMenuItem.VerifyGroupIndex(Position: Integer; Value: Byte);
var
  I: Integer;
begin
  for I := 0 to GetCount - 1 do
    if I < Position then
    begin
      if Items[I].GroupIndex > Value then
        raise EMenuError.Create('GroupIndex cannot be less than a previous menu item''s GroupIndex');
    end
    else
      if Items[I].GroupIndex < Value then Items[I].GroupIndex := Value;
end;

procedure TMenuItem.DefineProperties(Filer: TFiler);
begin
  inherited DefineProperties(Filer);
  Filer.DefineProperty('ShortCutText', ReadShortCutText, WriteShortCutText, False);
end;

function TMenuItem.GetHandle: HMENU;
begin
  if FHandle = 0 then
  begin
    if Owner is TPopupMenu then
      FHandle := CreatePopupMenu
    else
      FHandle := CreateMenu;
    if FHandle = 0 then raise EMenuError.Create('Out of system resources');
    PopulateMenu;
  end;
  Result := FHandle;
end;

function TMenuItem.GetCount: Integer;
begin
  if FItems = nil then
    Result := 0
  else
    Result := FItems.Count;
end;

procedure TMenuItem.GetChildren(Proc: TGetChildProc);
var
  I: Integer;
begin
  for I := 0 to Count - 1 do Proc(Items[I]);
end;

function TMenuItem.GetItem(Index: Integer): TMenuItem;
begin
  if FItems = nil then
    raise EMenuError.Create('Menu index out of range');
  Result := FItems[Index];
end;

function TMenuItem.GetMenuIndex: Integer;
begin
  Result := -1;
  if FParent <> nil then Result := FParent.IndexOf(Self);
end;

procedure TMenuItem.MenuChanged(Rebuild: Boolean);
var
  Source: TMenuItem;
begin
  if (Parent = nil) and (Owner is TMenu) then
    Source := nil
  else
    Source := Self;
  if Assigned(FOnChange) then FOnChange(Self, Source, Rebuild);
end;

procedure TMenuItem.SetBreak(Value: TMenuBreak);
begin
  FBreak := Value;
end;

procedure TMenuItem.SetCaption(const Value: string);
begin
  if FCaption <> Value then
  begin
    FCaption := Value;
    MenuChanged(True);
  end;
end;

procedure TMenuItem.SetChecked(Value: Boolean);
var
  I: Integer;
  Item: TMenuItem;
begin
  if FChecked <> Value then
  begin
    FChecked := Value;
    if Value and FRadioItem and (FParent <> nil) then
      for I := 0 to FParent.Count - 1 do
      begin
        Item := FParent[I];
        if (Item <> Self) and Item.FRadioItem and (Item.GroupIndex = GroupIndex) then
          Item.SetChecked(False);
      end;
    MenuChanged(False);
  end;
end;

procedure TMenuItem.SetChildOrder(Child: TComponent; Order: Integer);
begin
  (Child as TMenuItem).MenuIndex := Order;
end;

procedure TMenuItem.SetDefault(Value: Boolean);
begin
  FDefault := Value;
end;

procedure TMenuItem.SetEnabled(Value: Boolean);
begin
  FEnabled := Value;
end;

procedure TMenuItem.SetGroupIndex(Value: Byte);
begin
  if FGroupIndex <> Value then
  begin
    if Parent <> nil then Parent.VerifyGroupIndex(Parent.IndexOf(Self), Value);
    FGroupIndex := Value;
    if FChecked and FRadioItem then
      SetChecked(True);
  end;
end;

procedure TMenuItem.SetMenuIndex(Value: Integer);
var
  Parent: TMenuItem;
  Count: Integer;
begin
  if FParent <> nil then
  begin
    Count := FParent.Count;
    if Value < 0 then Value := 0;
    if Value >= Count then Value := Count - 1;
    if Value <> MenuIndex then
    begin
      Parent := FParent;
      Parent.Remove(Self);
      Parent.Insert(Value, Self);
    end;
  end;
end;

procedure TMenuItem.SetParentComponent(Value: TComponent);
begin
  if FParent <> nil then FParent.Remove(Self);
  if Value <> nil then
    if Value is TMenu then
      TMenu(Value).Items.Add(Self)
    else if Value is TMenuItem then
      TMenuItem(Value).Add(Self);
end;

procedure TMenuItem.SetRadioItem(Value: Boolean);
begin
  FRadioItem := Value;
end;

procedure TMenuItem.SetShortCut(Value: TShortCut);
begin
  FShortCut := Value;
end;

procedure TMenuItem.SetVisible(Value: Boolean);
begin
  FVisible := Value;
end;

constructor TMenuItem.Create(AOwner: TComponent);
begin
  inherited Create(AOwner);
  FVisible := True;
  FEnabled := True;
  FCommand := UniqueCommand;
end;

destructor TMenuItem.Destroy;
begin
  if FParent <> nil then
  begin
    FParent.Remove(Self);
    FParent := nil;
  end;
  while Count > 0 do Items[0].Free;
  if FHandle <> 0 then
  begin
    MergeWith(nil);
    DestroyMenu(FHandle);
    ClearHandles;
  end;
  FItems.Free;
  inherited Destroy;
end;

procedure TMenuItem.Insert(Index: Integer; Item: TMenuItem);
begin
  if Item.FParent <> nil then
    raise EMenuError.Create('Menu inserted twice');
  if FItems = nil then FItems := TList.Create;
  if (Index - 1 >= 0) and (Index - 1 < FItems.Count) then
    if Item.GroupIndex < TMenuItem(FItems[Index - 1]).GroupIndex then
      Item.GroupIndex := TMenuItem(FItems[Index - 1]).GroupIndex;
  VerifyGroupIndex(Index, Item.GroupIndex);
  FItems.Insert(Index, Item);
  Item.FParent := Self;
  Item.FOnChange := SubItemChanged;
  if FHandle <> 0 then RebuildHandle;
  MenuChanged(Count = 1);
end;

procedure TMenuItem.Delete(Index: Integer);
var
  Cur: TMenuItem;
begin
  if (Index < 0) or (FItems = nil) or (Index >= GetCount) then
    raise EMenuError.Create('Menu index out of range');
  Cur := FItems[Index];
  FItems.Delete(Index);
  Cur.FParent := nil;
  Cur.FOnChange := nil;
  if FHandle <> 0 then RebuildHandle;
  MenuChanged(Count = 0);
end;

procedure TMenuItem.Click;
begin
  if FEnabled and Assigned(FOnClick) then FOnClick(Self);
end;

function TMenuItem.IndexOf(Item: TMenuItem): Integer;
begin
  Result := -1;
  if FItems <> nil then Result := FItems.IndexOf(Item);
end;

procedure TMenuItem.Add(Item: TMenuItem);
begin
  Insert(GetCount, Item);
end;

procedure TMenuItem.Remove(Item: TMenuItem);
var
  I: Integer;
begin
  I := IndexOf(Item);
  if I = -1 then raise EMenuError.Create('Sub-menu is not in menu');
  Delete(I);
end;

function TMenuItem.GetParentComponent: TComponent;
begin
  if (FParent <> nil) and (FParent.FMenu <> nil) then
    Result := FParent.FMenu
  else
    Result := FParent;
end;

function TMenuItem.HasParent: Boolean;
begin
  Result := True;
end;

{ TMenu }

function TMenu.GetHandle: HMENU;
begin
  Result := FItems.GetHandle;
end;

procedure TMenu.SetWindowHandle(Value: HWND);
begin
  FWindowHandle := Value;
  UpdateImage;
end;

procedure TMenu.MenuChanged(Sender: TObject; Source: TMenuItem; Rebuild: Boolean);
begin
end;

function TMenu.UpdateImage: Boolean;
var
  Image: string;

  procedure BuildImage(Menu: HMENU);
  var
    I, Count: Integer;
  begin
    Count := GetMenuItemCount(Menu);
    for I := 0 to Count - 1 do
      Image := Image + IntToStr(GetMenuState(Menu, I, MF_BYPOSITION)) + ';';
  end;

begin
  Result := False;
  Image := '';
  BuildImage(Handle);
  if FMenuImage <> Image then
  begin
    Result := True;
    FMenuImage := Image;
  end;
end;

procedure TMenu.GetChildren(Proc: TGetChildProc);
begin
  FItems.GetChildren(Proc);
end;

procedure TMenu.SetChildOrder(Child: TComponent; Order: Integer);
begin
  FItems.SetChildOrder(Child, Order);
end;

constructor TMenu.Create(AOwner: TComponent);
begin
  inherited Create(AOwner);
  FItems := TMenuItem.Create(Self);
  FItems.FOnChange := MenuChanged;
  FItems.FMenu := Self;
end;

destructor TMenu.Destroy;
begin
  FItems.Free;
  inherited Destroy;
end;

function TMenu.DispatchCommand(ACommand: Word): Boolean;
var
  Item: TMenuItem;
begin
  Result := False;
  Item := FindItem(ACommand, fkCommand);
  if Item <> nil then
  begin
    Item.Click;
    Result := True;
  end;
end;

function TMenu.DispatchPopup(AHandle: HMENU): Boolean;
var
  Item: TMenuItem;
begin
  Result := False;
  Item := FindItem(AHandle, fkHandle);
  if Item <> nil then
  begin
    Item.Click;
    Result := True;
  end;
end;

function TMenu.FindItem(Value: Word; Kind: TFindItemKind): TMenuItem;
var
  FoundItem: TMenuItem;

  function Find(Item: TMenuItem): Boolean;
  var
    I: Integer;
  begin
    Result := False;
    if ((Kind = fkCommand) and (Value = Item.Command)) or
      ((Kind = fkHandle) and (Value = Item.FHandle)) or
      ((Kind = fkShortCut) and (Value = Item.ShortCut)) then
    begin
      FoundItem := Item;
      Result := True;
      Exit;
    end
    else
      for I := 0 to Item.GetCount - 1 do
        if Find(Item[I]) then
        begin
          Result := True;
          Exit;
        end;
  end;

begin
  FoundItem := nil;
  Find(FItems);
  Result := FoundItem;
end;

function TMenu.GetHelpContext(Value: Word; ByCommand: Boolean): THelpContext;
const
  Kinds: array[Boolean] of TFindItemKind = (fkHandle, fkCommand);
var
  Item: TMenuItem;
begin
  Result := 0;
  Item := FindItem(Value, Kinds[ByCommand]);
  while (Item <> nil) and (Item.FHelpContext = 0) do
    Item := Item.FParent;
  if Item <> nil then Result := Item.FHelpContext;
end;

function TMenu.IsShortCut(var Message: TWMKey): Boolean;
var
  ShortCut: TShortCut;
  ShiftState: TShiftState;
  Item: TMenuItem;
begin
  Result := False;
  ShiftState := KeyDataToShiftState(Message.KeyData);
  ShortCut := Menus.ShortCut(Message.CharCode, ShiftState);
  Item := FindItem(ShortCut, fkShortCut);
  if (Item <> nil) and Item.Enabled then
  begin
    Item.Click;
    Result := True;
  end;
end;

{ TMainMenu }

procedure TMainMenu.ItemChanged;
begin
  MenuChanged(nil, nil, False);
end;

function TMainMenu.GetHandle: HMENU;
begin
  if FOle2Menu <> 0 then
    Result := FOle2Menu
  else
    Result := inherited GetHandle;
end;

procedure TMainMenu.MenuChanged(Sender: TObject; Source: TMenuItem; Rebuild: Boolean);
begin
  if (WindowHandle <> 0) and UpdateImage then DrawMenuBar(WindowHandle);
  inherited MenuChanged(Sender, Source, Rebuild);
end;

procedure TMainMenu.SetAutoMerge(Value: Boolean);
begin
  FAutoMerge := Value;
end;

procedure TMainMenu.Merge(Menu: TMainMenu);
begin
  if Menu <> nil then
    FItems.MergeWith(Menu.FItems)
  else
    FItems.MergeWith(nil);
end;

procedure TMainMenu.Unmerge(Menu: TMainMenu);
begin
  if (Menu <> nil) and (FItems.FMerged = Menu.FItems) then
    FItems.MergeWith(nil);
end;

procedure TMainMenu.PopulateOle2Menu(SharedMenu: HMenu; Groups: array of Integer;
      var Widths: array of Longint);
begin
end;

procedure TMainMenu.GetOle2AcceleratorTable(var AccelTable: HAccel;
      var AccelCount: Integer; Groups: array of Integer);
begin
end;

procedure TMainMenu.SetOle2MenuHandle(Handle: HMENU);
begin
  FOle2Menu := Handle;
  ItemChanged;
end;

{ TPopupMenu }

procedure TPopupMenu.DoPopup(Item: TObject);
begin
  if Assigned(FOnPopup) then FOnPopup(Item);
end;

function TPopupMenu.GetHelpContext: THelpContext;
begin
  Result := FItems.HelpContext;
end;

procedure TPopupMenu.SetHelpContext(Value: THelpContext);
begin
  FItems.HelpContext := Value;
end;

constructor TPopupMenu.Create(AOwner: TComponent);
begin
  inherited Create(AOwner);
  FItems.OnClick := DoPopup;
  FAutoPopup := True;
  PopupList.Add(Self);
end;

destructor TPopupMenu.Destroy;
begin
  PopupList.Remove(Self);
  inherited Destroy;
end;

procedure TPopupMenu.Popup(X, Y: Integer);
const
  Flags: array[TPopupAlignment] of Word = (0, 8, 4);
begin
  FPopupPoint := Point(X, Y);
  DoPopup(Self);
  FItems.RebuildHandle;
  TrackPopupMenu(FItems.Handle, Flags[FAlignment] or 2, X, Y, 0,
    PopupList.Window, nil);
end;

{ TPopupList }

procedure TPopupList.MainWndProc(var Message: TMessage);
begin
  try
    WndProc(Message);
  except
    HandleException(Self);
  end;
end;

procedure TPopupList.WndProc(var Message: TMessage);
var
  I: Integer;
  MenuItem: TMenuItem;
begin
  case Message.Msg of
    WM_COMMAND:
      for I := 0 to Count - 1 do
        if TPopupMenu(Items[I]).DispatchCommand(Message.WParam and $FFFF) then Exit;
    WM_INITMENUPOPUP:
      for I := 0 to Count - 1 do
        if TPopupMenu(Items[I]).DispatchPopup(Message.WParam) then Exit;
    WM_MENUSELECT:
      for I := 0 to Count - 1 do
      begin
        MenuItem := TPopupMenu(Items[I]).FindItem(Message.WParam and $FFFF, fkCommand);
        if MenuItem <> nil then
        begin
          Application.Hint := MenuItem.Hint;
          Exit;
        end;
      end;
  end;
  with Message do Result := DefWindowProc(FWindow, Msg, WParam, LParam);
end;

procedure TPopupList.Add(Popup: TPopupMenu);
begin
  if Count = 0 then FWindow := AllocateHWnd(MainWndProc);
  inherited Add(Popup);
end;

procedure TPopupList.Remove(Popup: TPopupMenu);
begin
  inherited Remove(Popup);
  if Count = 0 then DeallocateHWnd(FWindow);
end;

initialization
  PopupList := TPopupList.Create;
finalization
  PopupList.Free;
end.
