{ DBLookup: a unit of the sample Delphi 2.0 installation that Quillmap 2 browses.
  Written by samples/make_sample.py from samples/vcl-table.txt; change those, not this file. }

unit DBLookup;

(* The declarations name the documented interface of the unit; everything
   private, and every statement, is the sample's own. *)

interface

uses SysUtils, Classes, Graphics, Menus, Controls, Forms, StdCtrls, Grids, DB, DBTables, DBCtrls, DBGrids, Buttons;

const
  DBLookupSample = 'Quillmap''s sample of DBLookup';

type

  TLookupComboDataLink = class(TDataLink)
  public
    constructor Create;
  end;

  TDBLookupCombo = class(TCustomEdit)
  private
    FValue: string;
    FDisplayValue: string;
    FDataField: Integer;
    FDataSource: TDataSource;
    FLookupSource: Integer;
    FLookupDisplay: Integer;
    FLookupField: Integer;
    FOptions: Integer;
    FDropDownCount: Integer;
    FDropDownWidth: Integer;
    FReadOnly: Boolean;
    FOnDropDown: TNotifyEvent;
    function GetValue: string;
    procedure SetValue(const Value: string);
    function GetDisplayValue: string;
    procedure SetDisplayValue(const Value: string);
    procedure SetDataField(const Value: Integer);
    procedure SetDataSource(const Value: TDataSource);
    procedure SetLookupSource(const Value: Integer);
    procedure SetLookupDisplay(const Value: Integer);
    procedure SetLookupField(const Value: Integer);
    procedure SetOptions(const Value: Integer);
    procedure SetDropDownCount(const Value: Integer);
    procedure SetDropDownWidth(const Value: Integer);
    procedure SetReadOnly(const Value: Boolean);
  protected
    procedure SignalDropDown; dynamic;
  public
    constructor Create(AOwner: TComponent); override;
    destructor Destroy; override;
    procedure DropDown;
    procedure CloseUp;
    property Value: string read GetValue write SetValue;
    property DisplayValue: string read GetDisplayValue write SetDisplayValue;
  published
    property DataField: Integer read FDataField write SetDataField;
    property DataSource: TDataSource read FDataSource write SetDataSource;
    property LookupSource: Integer read FLookupSource write SetLookupSource;
    property LookupDisplay: Integer read FLookupDisplay write SetLookupDisplay;
    property LookupField: Integer read FLookupField write SetLookupField;
    property Options: Integer read FOptions write SetOptions;
    property DropDownCount: Integer read FDropDownCount write SetDropDownCount;
    property DropDownWidth: Integer read FDropDownWidth write SetDropDownWidth;
    property ReadOnly: Boolean read FReadOnly write SetReadOnly;
    property OnDropDown: TNotifyEvent read FOnDropDown write FOnDropDown;
  end;

  TDBLookupList = class(TCustomDBGrid)
  private
    FValue: string;
    FDisplayValue: string;
    FDataField: Integer;
    FDataSource: TDataSource;
    FLookupSource: Integer;
    FLookupDisplay: Integer;
    FLookupField: Integer;
    FOptions: Integer;
    FReadOnly: Boolean;
    FOnClick: TNotifyEvent;
    function GetValue: string;
    procedure SetValue(const Value: string);
    function GetDisplayValue: string;
    procedure SetDisplayValue(const Value: string);
    procedure SetDataField(const Value: Integer);
    procedure SetDataSource(const Value: TDataSource);
    procedure SetLookupSource(const Value: Integer);
    procedure SetLookupDisplay(const Value: Integer);
    procedure SetLookupField(const Value: Integer);
    procedure SetOptions(const Value: Integer);
    procedure SetReadOnly(const Value: Boolean);
  protected
    procedure SignalClick; dynamic;
  public
    constructor Create(AOwner: TComponent); override;
    destructor Destroy; override;
    property Value: string read GetValue write SetValue;
    property DisplayValue: string read GetDisplayValue write SetDisplayValue;
  published
    property DataField: Integer read FDataField write SetDataField;
    property DataSource: TDataSource read FDataSource write SetDataSource;
    property LookupSource: Integer read FLookupSource write SetLookupSource;
    property LookupDisplay: Integer read FLookupDisplay write SetLookupDisplay;
    property LookupField: Integer read FLookupField write SetLookupField;
    property Options: Integer read FOptions write SetOptions;
    property ReadOnly: Boolean read FReadOnly write SetReadOnly;
    property OnClick: TNotifyEvent read FOnClick write FOnClick;
  end;

  TPopupGrid = class(TDBLookupList)
  public
    constructor Create(AOwner: TComponent); override;
  end;

implementation

// Method bodies, class by class, in the order of the declarations above.

{ TLookupComboDataLink }

constructor TLookupComboDataLink.Create;
begin
  inherited Create;
end;

{ TDBLookupCombo }

function TDBLookupCombo.GetValue: string;
begin
  Result := FValue;
end;

procedure TDBLookupCombo.SetValue(const Value: string);
begin
  if FValue <> Value then
  begin
    FValue := Value;
    StateChanged;
  end;
end;

function TDBLookupCombo.GetDisplayValue: string;
begin
  Result := FDisplayValue;
end;

procedure TDBLookupCombo.SetDisplayValue(const Value: string);
begin
  if FDisplayValue <> Value then
  begin
    FDisplayValue := Value;
    StateChanged;
  end;
end;

procedure TDBLookupCombo.SetDataField(const Value: Integer);
begin
  if FDataField <> Value then
  begin
    FDataField := Value;
    StateChanged;
  end;
end;

procedure TDBLookupCombo.SetDataSource(const Value: TDataSource);
begin
  if FDataSource <> Value then
  begin
    FDataSource := Value;
    StateChanged;
  end;
end;

procedure TDBLookupCombo.SetLookupSource(const Value: Integer);
begin
  if FLookupSource <> Value then
  begin
    FLookupSource := Value;
    StateChanged;
  end;
end;

procedure TDBLookupCombo.SetLookupDisplay(const Value: Integer);
begin
  if FLookupDisplay <> Value then
  begin
    FLookupDisplay := Value;
    StateChanged;
  end;
end;

procedure TDBLookupCombo.SetLookupField(const Value: Integer);
begin
  if FLookupField <> Value then
  begin
    FLookupField := Value;
    StateChanged;
  end;
end;

procedure TDBLookupCombo.SetOptions(const Value: Integer);
begin
  if FOptions <> Value then
  begin
    FOptions := Value;
    StateChanged;
  end;
end;

procedure TDBLookupCombo.SetDropDownCount(const Value: Integer);
begin
  if FDropDownCount <> Value then
  begin
    FDropDownCount := Value;
    StateChanged;
  end;
end;

procedure TDBLookupCombo.SetDropDownWidth(const Value: Integer);
begin
  if FDropDownWidth <> Value then
  begin
    FDropDownWidth := Value;
    StateChanged;
  end;
end;

procedure TDBLookupCombo.SetReadOnly(const Value: Boolean);
begin
  if FReadOnly <> Value then
  begin
    FReadOnly := Value;
    StateChanged;
  end;
end;

procedure TDBLookupCombo.SignalDropDown;
begin
  if Assigned(FOnDropDown) then
    FOnDropDown(Self);
end;

constructor TDBLookupCombo.Create(AOwner: TComponent);
begin
  inherited Create(AOwner);
end;

destructor TDBLookupCombo.Destroy;
begin
  DataField := 0;
  inherited Destroy;
end;

procedure TDBLookupCombo.DropDown;
begin
  if FValue = '' then
    FValue := ClassName + '''s dropdown'
  else
    FValue := Trim(FValue);
end;

procedure TDBLookupCombo.CloseUp;
begin
  if not ReadOnly then
    Exit;
  LookupField := LookupField + 1;
  StateChanged;
end;

{ TDBLookupList }

function TDBLookupList.GetValue: string;
begin
  Result := FValue;
end;

procedure TDBLookupList.SetValue(const Value: string);
begin
  if FValue <> Value then
  begin
    FValue := Value;
    StateChanged;
  end;
end;

function TDBLookupList.GetDisplayValue: string;
begin
  Result := FDisplayValue;
end;

procedure TDBLookupList.SetDisplayValue(const Value: string);
begin
  if FDisplayValue <> Value then
  begin
    FDisplayValue := Value;
    StateChanged;
  end;
end;

procedure TDBLookupList.SetDataField(const Value: Integer);
begin
  if FDataField <> Value then
  begin
    FDataField := Value;
    StateChanged;
  end;
end;

procedure TDBLookupList.SetDataSource(const Value: TDataSource);
begin
  if FDataSource <> Value then
  begin
    FDataSource := Value;
    StateChanged;
  end;
end;

procedure TDBLookupList.SetLookupSource(const Value: Integer);
begin
  if FLookupSource <> Value then
  begin
    FLookupSource := Value;
    StateChanged;
  end;
end;

procedure TDBLookupList.SetLookupDisplay(const Value: Integer);
begin
  if FLookupDisplay <> Value then
  begin
    FLookupDisplay := Value;
    StateChanged;
  end;
end;

procedure TDBLookupList.SetLookupField(const Value: Integer);
begin
  if FLookupField <> Value then
  begin
    FLookupField := Value;
    StateChanged;
  end;
end;

procedure TDBLookupList.SetOptions(const Value: Integer);
begin
  if FOptions <> Value then
  begin
    FOptions := Value;
    StateChanged;
  end;
end;

procedure TDBLookupList.SetReadOnly(const Value: Boolean);
begin
  if FReadOnly <> Value then
  begin
    FReadOnly := Value;
    StateChanged;
  end;
end;

procedure TDBLookupList.SignalClick;
begin
  if Assigned(FOnClick) then
    FOnClick(Self);
end;

constructor TDBLookupList.Create(AOwner: TComponent);
begin
  inherited Create(AOwner);
end;

destructor TDBLookupList.Destroy;
begin
  DataField := 0;
  inherited Destroy;
end;

{ TPopupGrid }

constructor TPopupGrid.Create(AOwner: TComponent);
begin
  inherited Create(AOwner);
end;

end.
