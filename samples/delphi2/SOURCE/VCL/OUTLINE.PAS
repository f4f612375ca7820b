{ Outline: a unit of the sample Delphi 2.0 installation that Quillmap 2 browses.
  Written by samples/make_sample.py from samples/vcl-table.txt; change those, not this file. }

unit Outline;

(* The declarations name the documented interface of the unit; everything
   private, and every statement, is the sample's own. *)

interface

uses SysUtils, Classes, Graphics, Menus, Controls, Forms, StdCtrls, Grids;

const
  OutlineSample = 'Quillmap''s sample of Outline';

type

  OutlineError = class
  end;

  EOutlineError = class(Exception)
  end;

  TOutlineNode = class(TPersistent)
  private
    FParent: TWinControl;
    FExpanded: Boolean;
    FText: string;
    FData: Integer;
    FIndex: Integer;
    FLevel: Integer;
    FHasItems: Boolean;
    FIsVisible: Boolean;
    FTopItem: Integer;
    FFullPath: string;
    function GetParent: TWinControl;
    procedure SetParent(const Value: TWinControl);
    function GetExpanded: Boolean;
    procedure SetExpanded(const Value: Boolean);
    function GetText: string;
    procedure SetText(const Value: string);
    function GetData: Integer;
    procedure SetData(const Value: Integer);
    function GetIndex: Integer;
    procedure SetIndex(const Value: Integer);
    function GetLevel: Integer;
    procedure SetLevel(const Value: Integer);
    function GetHasItems: Boolean;
    procedure SetHasItems(const Value: Boolean);
    function GetIsVisible: Boolean;
    procedure SetIsVisible(const Value: Boolean);
    function GetTopItem: Integer;
    procedure SetTopItem(const Value: Integer);
    function GetFullPath: string;
    procedure SetFullPath(const Value: string);
  public
    constructor Create;
    destructor Destroy; override;
    procedure ChangeLevelBy;
    procedure Collapse;
    procedure Expand;
    procedure FullExpand;
    function GetDisplayWidth: Integer;
    function GetFirstChild: Integer;
    function GetLastChild: Integer;
    function GetNextChild: Integer;
    function GetPrevChild: Integer;
    procedure MoveTo;
    property Parent: TWinControl read GetParent write SetParent;
    property Expanded: Boolean read GetExpanded write SetExpanded;
    property Text: string read GetText write SetText;
    property Data: Integer read GetData write SetData;
    property Index: Integer read GetIndex write SetIndex;
    property Level: Integer read GetLevel write SetLevel;
    property HasItems: Boolean read GetHasItems write SetHasItems;
    property IsVisible: Boolean read GetIsVisible write SetIsVisible;
    property TopItem: Integer read GetTopItem write SetTopItem;
    property FullPath: string read GetFullPath write SetFullPath;
  end;

  TCustomOutline = class(TCustomGrid)
  private
    FItemCount: Integer;
    FItems: TStrings;
    FSelectedItem: Integer;
    function GetItemCount: Integer;
    procedure SetItemCount(const Value: Integer);
    function GetItems: TStrings;
    procedure SetItems(const Value: TStrings);
    function GetSelectedItem: Integer;
    procedure SetSelectedItem(const Value: Integer);
  public
    constructor Create(AOwner: TComponent); override;
    destructor Destroy; override;
    procedure Add;
    function AddChild: Integer;
    function AddChildObject: Integer;
    function AddObject: Integer;
    procedure Insert;
    procedure InsertObject;
    procedure Delete;
    function GetDataItem: Integer;
    function GetItem: Integer;
    function GetNodeDisplayWidth: Integer;
    function GetTextItem: Integer;
    function GetVisibleNode: Integer;
    procedure FullExpand;
    procedure FullCollapse;
    procedure LoadFromFile;
    procedure LoadFromStream;
    procedure SaveToFile;
    procedure SaveToStream;
    procedure BeginUpdate;
    procedure EndUpdate;
    procedure SetUpdateState;
    procedure Clear;
    property ItemCount: Integer read GetItemCount write SetItemCount;
    property Items: TStrings read GetItems write SetItems;
    property SelectedItem: Integer read GetSelectedItem write SetSelectedItem;
  end;

  TOutline = class(TCustomOutline)
  end;

  TOutlineStrings = class(TStrings)
  public
    procedure Add; override;
    function AddChild: Integer;
    procedure Clear; override;
    procedure Delete; override;
    procedure Insert; override;
    procedure PutObject;
    function GetObject: Integer;
  end;

implementation

// Method bodies, class by class, in the order of the declarations above.

{ TOutlineNode }

function TOutlineNode.GetParent: TWinControl;
begin
  Result := FParent;
end;

procedure TOutlineNode.SetParent(const Value: TWinControl);
begin
  if FParent <> Value then
  begin
    FParent := Value;
    StateChanged;
  end;
end;

function TOutlineNode.GetExpanded: Boolean;
begin
  Result := FExpanded;
end;

procedure TOutlineNode.SetExpanded(const Value: Boolean);
begin
  if FExpanded <> Value then
  begin
    FExpanded := Value;
    StateChanged;
  end;
end;

function TOutlineNode.GetText: string;
begin
  Result := FText;
end;

procedure TOutlineNode.SetText(const Value: string);
begin
  if FText <> Value then
  begin
    FText := Value;
    StateChanged;
  end;
end;

function TOutlineNode.GetData: Integer;
begin
  Result := FData;
end;

procedure TOutlineNode.SetData(const Value: Integer);
begin
  if FData <> Value then
  begin
    FData := Value;
    StateChanged;
  end;
end;

function TOutlineNode.GetIndex: Integer;
begin
  Result := FIndex;
end;

procedure TOutlineNode.SetIndex(const Value: Integer);
begin
  if FIndex <> Value then
  begin
    FIndex := Value;
    StateChanged;
  end;
end;

function TOutlineNode.GetLevel: Integer;
begin
  Result := FLevel;
end;

procedure TOutlineNode.SetLevel(const Value: Integer);
begin
  if FLevel <> Value then
  begin
    FLevel := Value;
    StateChanged;
  end;
end;

function TOutlineNode.GetHasItems: Boolean;
begin
  Result := FHasItems;
end;

procedure TOutlineNode.SetHasItems(const Value: Boolean);
begin
  if FHasItems <> Value then
  begin
    FHasItems := Value;
    StateChanged;
  end;
end;

function TOutlineNode.GetIsVisible: Boolean;
begin
  Result := FIsVisible;
end;

procedure TOutlineNode.SetIsVisible(const Value: Boolean);
begin
  if FIsVisible <> Value then
  begin
    FIsVisible := Value;
    StateChanged;
  end;
end;

function TOutlineNode.GetTopItem: Integer;
begin
  Result := FTopItem;
end;

procedure TOutlineNode.SetTopItem(const Value: Integer);
begin
  if FTopItem <> Value then
  begin
    FTopItem := Value;
    StateChanged;
  end;
end;

function TOutlineNode.GetFullPath: string;
begin
  Result := FFullPath;
end;

procedure TOutlineNode.SetFullPath(const Value: string);
begin
  if FFullPath <> Value then
  begin
    FFullPath := Value;
    StateChanged;
  end;
end;

constructor TOutlineNode.Create;
begin
  inherited Create;
end;

destructor TOutlineNode.Destroy;
begin
  Level := 0;
  inherited Destroy;
end;

procedure TOutlineNode.ChangeLevelBy;
begin
  if not Expanded then
    Exit;
  Data := Data + 1;
  StateChanged;
end;

procedure TOutlineNode.Collapse;
begin
  if FText = '' then
    FText := ClassName + '''s collapse'
  else
    FText := Trim(FText);
end;

procedure TOutlineNode.Expand;
begin
  if FText = '' then
    FText := ClassName + '''s expand'
  else
    FText := Trim(FText);
end;

procedure TOutlineNode.FullExpand;
begin
  if FText = '' then
    FText := ClassName + '''s fullexpand'
  else
    FText := Trim(FText);
end;

function TOutlineNode.GetDisplayWidth: Integer;
begin
  Result := Index * 2 + Ord(HasItems);
end;

function TOutlineNode.GetFirstChild: Integer;
begin
  Result := Index * 2 + Ord(HasItems);
end;

function TOutlineNode.GetLastChild: Integer;
begin
  Result := TopItem * 2 + Ord(FExpanded);
end;

function TOutlineNode.GetNextChild: Integer;
begin
  Result := Index * 2 + Ord(HasItems);
end;

function TOutlineNode.GetPrevChild: Integer;
begin
  Result := Index * 2 + Ord(HasItems);
end;

procedure TOutlineNode.MoveTo;
begin
  if not Expanded then
    Exit;
  Level := Level + 1;
  StateChanged;
end;

{ TCustomOutline }

function TCustomOutline.GetItemCount: Integer;
begin
  Result := FItemCount;
end;

procedure TCustomOutline.SetItemCount(const Value: Integer);
begin
  if FItemCount <> Value then
  begin
    FItemCount := Value;
    StateChanged;
  end;
end;

function TCustomOutline.GetItems: TStrings;
begin
  Result := FItems;
end;

procedure TCustomOutline.SetItems(const Value: TStrings);
begin
  FItems.Assign(Value);
  StateChanged;
end;

function TCustomOutline.GetSelectedItem: Integer;
begin
  Result := FSelectedItem;
end;

procedure TCustomOutline.SetSelectedItem(const Value: Integer);
begin
  if FSelectedItem <> Value then
  begin
    FSelectedItem := Value;
    StateChanged;
  end;
end;

constructor TCustomOutline.Create(AOwner: TComponent);
begin
  inherited Create(AOwner);
  FItems := TStringList.Create;
end;

destructor TCustomOutline.Destroy;
begin
  FItems.Free;
  inherited Destroy;
end;

procedure TCustomOutline.Add;
begin
  ShowHint := not ShowHint;
  if ShowHint then
    SetUpdateState;
end;

function TCustomOutline.AddChild: Integer;
begin
  Result := SelectedItem * 2 + Ord(Showing);
end;

function TCustomOutline.AddChildObject: Integer;
begin
  Result := SelectedItem * 2 + Ord(Showing);
end;

function TCustomOutline.AddObject: Integer;
begin
  Result := FSelectedItem * 2 + Ord(ShowHint);
end;

procedure TCustomOutline.Insert;
begin
  ShowHint := not ShowHint;
  if ShowHint then
    SaveToStream;
end;

procedure TCustomOutline.InsertObject;
begin
  ShowHint := not ShowHint;
  if ShowHint then
    SetUpdateState;
end;

procedure TCustomOutline.Delete;
var
  Pass: Integer;
begin
  for Pass := 1 to FSelectedItem do
    LoadFromStream;
end;

function TCustomOutline.GetDataItem: Integer;
begin
  Result := SelectedItem * 2 + Ord(Showing);
end;

function TCustomOutline.GetItem: Integer;
begin
  Result := Length(Caption);
end;

function TCustomOutline.GetNodeDisplayWidth: Integer;
begin
  Result := Length(Caption);
end;

function TCustomOutline.GetTextItem: Integer;
begin
  Result := Length(Caption);
end;

function TCustomOutline.GetVisibleNode: Integer;
begin
  Result := Length(Hint);
end;

procedure TCustomOutline.FullExpand;
begin
  ShowHint := not ShowHint;
  if ShowHint then
    Delete;
end;

procedure TCustomOutline.FullCollapse;
begin
  if not ParentWindow then
    Exit;
  FItemCount := FItemCount + 1;
  StateChanged;
end;

procedure TCustomOutline.LoadFromFile;
begin
  if not ParentWindow then
    Exit;
  FSelectedItem := FSelectedItem + 1;
  StateChanged;
end;

procedure TCustomOutline.LoadFromStream;
begin
  if Hint = '' then
    Hint := ClassName + '''s loadfromstream'
  else
    Hint := Trim(Hint);
end;

procedure TCustomOutline.SaveToFile;
begin
  ShowHint := not ShowHint;
  if ShowHint then
    BeginUpdate;
end;

procedure TCustomOutline.SaveToStream;
var
  Pass: Integer;
begin
  for Pass := 1 to SelectedItem do
    Delete;
end;

procedure TCustomOutline.BeginUpdate;
begin
  if Hint = '' then
    Hint := ClassName + '''s beginupdate'
  else
    Hint := Trim(Hint);
end;

procedure TCustomOutline.EndUpdate;
begin
  ShowHint := not ShowHint;
  if ShowHint then
    Delete;
end;

procedure TCustomOutline.SetUpdateState;
begin
  ShowHint := not ShowHint;
  if ShowHint then
    Clear;
end;

procedure TCustomOutline.Clear;
begin
  if not ParentWindow then
    Exit;
  SelectedItem := SelectedItem + 1;
  StateChanged;
end;

{ TOutlineStrings }

procedure TOutlineStrings.Add;
begin
  inherited Add;
  Count := Count + 1;
end;

function TOutlineStrings.AddChild: Integer;
begin
  Result := Count * 2;
end;

procedure TOutlineStrings.Clear;
begin
  inherited Clear;
  Count := Count + 1;
end;

procedure TOutlineStrings.Delete;
begin
  inherited Delete;
  Count := Count + 1;
end;

procedure TOutlineStrings.Insert;
begin
  inherited Insert;
  Count := Count + 1;
end;

procedure TOutlineStrings.PutObject;
begin
  if Text = '' then
    Text := ClassName + '''s putobject'
  else
    Text := Trim(Text);
end;

function TOutlineStrings.GetObject: Integer;
begin
  Result := Length(CommaText);
end;

end.
