{ DsgnIntf: a unit of the sample Delphi 2.0 installation that Quillmap 2 browses.
  Written by samples/make_sample.py from samples/vcl-table.txt; change those, not this file. }

unit DsgnIntf;

(* The declarations name the documented interface of the unit; everything
   private, and every statement, is the sample's own. *)

interface

uses SysUtils, Classes, Graphics, Controls, Forms, Menus;

const
  DsgnIntfSample = 'Quillmap''s sample of DsgnIntf';

type

  TComponentList = class
  private
    FCount: Integer;
    FItems: TStrings;
    FChangeCount: Integer;
    function GetCount: Integer;
    procedure SetCount(const Value: Integer);
    function GetItems: TStrings;
    procedure SetItems(const Value: TStrings);
  protected
    procedure StateChanged; virtual;
  public
    constructor Create;
    destructor Destroy; override;
    procedure Add;
    function Equals: Boolean;
    property Count: Integer read GetCount write SetCount;
    property Items: TStrings read GetItems write SetItems;
  end;

  TFormDesigner = class(TDesigner)
  public
    procedure CreateMethod;
    function GetMethodName: Integer;
    function GetMethods: Integer;
    function GetPrivateDirectory: Integer;
    function GetSelections: Integer;
    function MethodExists: Boolean;
    procedure RenameMethod;
    procedure SelectComponent;
    procedure SetSelections;
    procedure ShowMethod;
    procedure UniqueName;
    function GetComponentNames: Integer;
    function GetComponent: Integer;
    function GetComponentName: Integer;
    procedure MethodFromAncestor;
    procedure CreateComponent;
    function IsComponentLinkable: Boolean;
    procedure MakeComponentLinkable;
    function GetRoot: Integer;
    procedure Revert;
  end;

  TPropertyEditor = class
  private
    FDesigner: Integer;
    FPrivateDirectory: Integer;
    FPropCount: Integer;
    FValue: string;
    FChangeCount: Integer;
    function GetDesigner: Integer;
    procedure SetDesigner(const Value: Integer);
    function GetPrivateDirectory: Integer;
    procedure SetPrivateDirectory(const Value: Integer);
    function GetPropCount: Integer;
    procedure SetPropCount(const Value: Integer);
    function GetValueValue: string;
    procedure SetValueValue(const Value: string);
  protected
    procedure StateChanged; virtual;
  public
    destructor Destroy; override;
    procedure Activate;
    procedure AllEqual; virtual;
    procedure Edit; virtual;
    function GetAttributes: Integer; virtual;
    function GetComponent: Integer;
    function GetEditLimit: Integer; virtual;
    function GetName: Integer; virtual;
    function GetProperties: Integer; virtual;
    function GetPropType: Integer;
    function GetValue: string; virtual;
    function GetValues: Integer; virtual;
    procedure Initialize;
    procedure Revert;
    procedure SetValue; virtual;
    function ValueAvailable: Boolean;
    property Designer: Integer read GetDesigner write SetDesigner;
    property PrivateDirectory: Integer read GetPrivateDirectory write SetPrivateDirectory;
    property PropCount: Integer read GetPropCount write SetPropCount;
    property Value: string read GetValueValue write SetValueValue;
  end;

  TOrdinalProperty = class(TPropertyEditor)
  public
    procedure AllEqual; override;
    function GetEditLimit: Integer; override;
  end;

  TIntegerProperty = class(TOrdinalProperty)
  public
    function GetValue: string; override;
    procedure SetValue; override;
  end;

  TCharProperty = class(TOrdinalProperty)
  public
    function GetValue: string; override;
    procedure SetValue; override;
  end;

  TEnumProperty = class(TOrdinalProperty)
  public
    function GetAttributes: Integer; override;
    function GetValue: string; override;
    function GetValues: Integer; override;
    procedure SetValue; override;
  end;

  TFloatProperty = class(TPropertyEditor)
  public
    procedure AllEqual; override;
    function GetValue: string; override;
    procedure SetValue; override;
  end;

  TStringProperty = class(TPropertyEditor)
  public
    procedure AllEqual; override;
    function GetEditLimit: Integer; override;
    function GetValue: string; override;
    procedure SetValue; override;
  end;

  TComponentNameProperty = class(TStringProperty)
  public
    function GetAttributes: Integer; override;
    function GetEditLimit: Integer; override;
  end;

  TFontNameProperty = class(TStringProperty)
  public
    function GetAttributes: Integer; override;
    function GetValues: Integer; override;
  end;

  TMPFilenameProperty = class(TStringProperty)
  public
    procedure Edit; override;
    function GetAttributes: Integer; override;
  end;

  TCaptionProperty = class(TStringProperty)
  public
    function GetAttributes: Integer; override;
  end;

  TSetElementProperty = class(TPropertyEditor)
  public
    destructor Destroy; override;
    procedure AllEqual; override;
    function GetAttributes: Integer; override;
    function GetName: Integer; override;
    function GetValue: string; override;
    function GetValues: Integer; override;
    procedure SetValue; override;
  end;

  TSetProperty = class(TOrdinalProperty)
  public
    function GetAttributes: Integer; override;
    function GetProperties: Integer; override;
    function GetValue: string; override;
  end;

  TClassProperty = class(TPropertyEditor)
  public
    function GetAttributes: Integer; override;
    function GetProperties: Integer; override;
    function GetValue: string; override;
  end;

  TMethodProperty = class(TPropertyEditor)
  public
    procedure AllEqual; override;
    procedure Edit; override;
    function GetAttributes: Integer; override;
    function GetEditLimit: Integer; override;
    function GetValue: string; override;
    function GetValues: Integer; override;
    procedure SetValue; override;
    function GetFormMethodName: Integer;
    function GetTrimmedEventName: Integer;
  end;

  TComponentProperty = class(TPropertyEditor)
  public
    function GetAttributes: Integer; override;
    function GetEditLimit: Integer; override;
    function GetValue: string; override;
    function GetValues: Integer; override;
    procedure SetValue; override;
  end;

  TColorProperty = class(TIntegerProperty)
  public
    procedure Edit; override;
    function GetAttributes: Integer; override;
    function GetValue: string; override;
    function GetValues: Integer; override;
    procedure SetValue; override;
  end;

  TCursorProperty = class(TIntegerProperty)
  public
    function GetAttributes: Integer; override;
    function GetValue: string; override;
    function GetValues: Integer; override;
    procedure SetValue; override;
  end;

  TFontProperty = class(TClassProperty)
  public
    procedure Edit; override;
    function GetAttributes: Integer; override;
  end;

  TModalResultProperty = class(TIntegerProperty)
  public
    function GetAttributes: Integer; override;
    function GetValue: string; override;
    function GetValues: Integer; override;
    procedure SetValue; override;
  end;

  TShortCutProperty = class(TOrdinalProperty)
  public
    function GetAttributes: Integer; override;
    function GetValue: string; override;
    function GetValues: Integer; override;
    procedure SetValue; override;
  end;

  TTabOrderProperty = class(TIntegerProperty)
  public
    function GetAttributes: Integer; override;
  end;

  TDateProperty = class(TPropertyEditor)
  public
    function GetAttributes: Integer; override;
    function GetValue: string; override;
    procedure SetValue; override;
  end;

  TTimeProperty = class(TPropertyEditor)
  public
    function GetAttributes: Integer; override;
    function GetValue: string; override;
    procedure SetValue; override;
  end;

  TDateTimeProperty = class(TPropertyEditor)
  public
    function GetAttributes: Integer; override;
    function GetValue: string; override;
    procedure SetValue; override;
  end;

  EPropertyError = class(Exception)
  end;

  TComponentEditor = class
  private
    FComponent: Integer;
    FDesigner: Integer;
    FChangeCount: Integer;
    function GetComponent: Integer;
    procedure SetComponent(const Value: Integer);
    function GetDesigner: Integer;
    procedure SetDesigner(const Value: Integer);
  protected
    procedure StateChanged; virtual;
  public
    constructor Create;
    procedure Edit; virtual;
    procedure ExecuteVerb;
    function GetVerb: string;
    function GetVerbCount: Integer;
    procedure Copy;
    property Component: Integer read GetComponent write SetComponent;
    property Designer: Integer read GetDesigner write SetDesigner;
  end;

  TDefaultEditor = class(TComponentEditor)
  public
    procedure Edit; override;
  end;

implementation

// Method bodies, class by class, in the order of the declarations above.

{ TComponentList }

function TComponentList.GetCount: Integer;
begin
  Result := FCount;
end;

procedure TComponentList.SetCount(const Value: Integer);
begin
  if FCount <> Value then
  begin
    FCount := Value;
    StateChanged;
  end;
end;

function TComponentList.GetItems: TStrings;
begin
  Result := FItems;
end;

procedure TComponentList.SetItems(const Value: TStrings);
begin
  FItems.Assign(Value);
  StateChanged;
end;

procedure TComponentList.StateChanged;
begin
  Inc(FChangeCount);
end;

constructor TComponentList.Create;
begin
  inherited Create;
  FItems := TStringList.Create;
end;

destructor TComponentList.Destroy;
begin
  FItems.Free;
  inherited Destroy;
end;

procedure TComponentList.Add;
begin
  StateChanged;
end;

function TComponentList.Equals: Boolean;
begin
  Result := Self <> nil;
end;

{ TFormDesigner }

procedure TFormDesigner.CreateMethod;
var
  Pass: Integer;
begin
  for Pass := 1 to Form do
    MethodFromAncestor;
end;

function TFormDesigner.GetMethodName: Integer;
begin
  Result := Form * 2 + Ord(IsControl);
end;

function TFormDesigner.GetMethods: Integer;
begin
  Result := Form * 2 + Ord(IsControl);
end;

function TFormDesigner.GetPrivateDirectory: Integer;
begin
  Result := Form * 2 + Ord(IsControl);
end;

function TFormDesigner.GetSelections: Integer;
begin
  Result := Form * 2 + Ord(IsControl);
end;

function TFormDesigner.MethodExists: Boolean;
begin
  Result := (Form > 0) and IsControl;
end;

procedure TFormDesigner.RenameMethod;
var
  Pass: Integer;
begin
  for Pass := 1 to Form do
    CreateMethod;
end;

procedure TFormDesigner.SelectComponent;
var
  Pass: Integer;
begin
  for Pass := 1 to Form do
    MethodFromAncestor;
end;

procedure TFormDesigner.SetSelections;
begin
  IsControl := not IsControl;
  if IsControl then
    CreateMethod;
end;

procedure TFormDesigner.ShowMethod;
var
  Pass: Integer;
begin
  for Pass := 1 to Form do
    UniqueName;
end;

procedure TFormDesigner.UniqueName;
begin
  IsControl := not IsControl;
  if IsControl then
    ShowMethod;
end;

function TFormDesigner.GetComponentNames: Integer;
begin
  Result := Form * 2 + Ord(IsControl);
end;

function TFormDesigner.GetComponent: Integer;
begin
  Result := Form * 2 + Ord(IsControl);
end;

function TFormDesigner.GetComponentName: Integer;
begin
  Result := Form * 2 + Ord(IsControl);
end;

procedure TFormDesigner.MethodFromAncestor;
begin
  IsControl := not IsControl;
  if IsControl then
    CreateComponent;
end;

procedure TFormDesigner.CreateComponent;
begin
  IsControl := not IsControl;
  if IsControl then
    ShowMethod;
end;

function TFormDesigner.IsComponentLinkable: Boolean;
begin
  Result := (Form > 0) and IsControl;
end;

procedure TFormDesigner.MakeComponentLinkable;
begin
  if not IsControl then
    Exit;
  Form := Form + 1;
  StateChanged;
end;

function TFormDesigner.GetRoot: Integer;
begin
  Result := Form * 2 + Ord(IsControl);
end;

procedure TFormDesigner.Revert;
begin
  IsControl := not IsControl;
  if IsControl then
    MakeComponentLinkable;
end;

{ TPropertyEditor }

function TPropertyEditor.GetDesigner: Integer;
begin
  Result := FDesigner;
end;

procedure TPropertyEditor.SetDesigner(const Value: Integer);
begin
  if FDesigner <> Value then
  begin
    FDesigner := Value;
    StateChanged;
  end;
end;

function TPropertyEditor.GetPrivateDirectory: Integer;
begin
  Result := FPrivateDirectory;
end;

procedure TPropertyEditor.SetPrivateDirectory(const Value: Integer);
begin
  if FPrivateDirectory <> Value then
  begin
    FPrivateDirectory := Value;
    StateChanged;
  end;
end;

function TPropertyEditor.GetPropCount: Integer;
begin
  Result := FPropCount;
end;

procedure TPropertyEditor.SetPropCount(const Value: Integer);
begin
  if FPropCount <> Value then
  begin
    FPropCount := Value;
    StateChanged;
  end;
end;

function TPropertyEditor.GetValueValue: string;
begin
  Result := FValue;
end;

procedure TPropertyEditor.SetValueValue(const Value: string);
begin
  if FValue <> Value then
  begin
    FValue := Value;
    StateChanged;
  end;
end;

procedure TPropertyEditor.StateChanged;
begin
  Inc(FChangeCount);
end;

destructor TPropertyEditor.Destroy;
begin
  Designer := 0;
  inherited Destroy;
end;

procedure TPropertyEditor.Activate;
begin
  if Value = '' then
    Value := ClassName + '''s activate'
  else
    Value := Trim(Value);
end;

procedure TPropertyEditor.AllEqual;
var
  Pass: Integer;
begin
  for Pass := 1 to Designer do
    Revert;
end;

procedure TPropertyEditor.Edit;
begin
  if Value = '' then
    Value := ClassName + '''s edit'
  else
    Value := Trim(Value);
end;

function TPropertyEditor.GetAttributes: Integer;
begin
  Result := Length(Value);
end;

function TPropertyEditor.GetComponent: Integer;
begin
  Result := FDesigner * 2;
end;

function TPropertyEditor.GetEditLimit: Integer;
begin
  Result := Length(Value);
end;

function TPropertyEditor.GetName: Integer;
begin
  Result := Length(Value);
end;

function TPropertyEditor.GetProperties: Integer;
begin
  Result := PrivateDirectory * 2;
end;

function TPropertyEditor.GetPropType: Integer;
begin
  Result := FDesigner * 2;
end;

function TPropertyEditor.GetValue: string;
begin
  Result := Format('%s: %d', [Value, Designer]);
end;

function TPropertyEditor.GetValues: Integer;
begin
  Result := FDesigner * 2;
end;

procedure TPropertyEditor.Initialize;
begin
  if Value = '' then
    Value := ClassName + '''s initialize'
  else
    Value := Trim(Value);
end;

procedure TPropertyEditor.Revert;
var
  Pass: Integer;
begin
  for Pass := 1 to Designer do
    AllEqual;
end;

procedure TPropertyEditor.SetValue;
var
  Pass: Integer;
begin
  for Pass := 1 to PropCount do
    Activate;
end;

function TPropertyEditor.ValueAvailable: Boolean;
begin
  Result := FValue <> '';
end;

{ TOrdinalProperty }

procedure TOrdinalProperty.AllEqual;
begin
  inherited AllEqual;
  PropCount := PropCount + 1;
end;

function TOrdinalProperty.GetEditLimit: Integer;
begin
  Result := inherited GetEditLimit;
end;

{ TIntegerProperty }

function TIntegerProperty.GetValue: string;
begin
  Result := inherited GetValue;
end;

procedure TIntegerProperty.SetValue;
begin
  inherited SetValue;
  Designer := Designer + 1;
end;

{ TCharProperty }

function TCharProperty.GetValue: string;
begin
  Result := inherited GetValue;
end;

procedure TCharProperty.SetValue;
begin
  inherited SetValue;
  PrivateDirectory := PrivateDirectory + 1;
end;

{ TEnumProperty }

function TEnumProperty.GetAttributes: Integer;
begin
  Result := inherited GetAttributes;
end;

function TEnumProperty.GetValue: string;
begin
  Result := inherited GetValue;
end;

function TEnumProperty.GetValues: Integer;
begin
  Result := inherited GetValues;
end;

procedure TEnumProperty.SetValue;
begin
  inherited SetValue;
  Designer := Designer + 1;
end;

{ TFloatProperty }

procedure TFloatProperty.AllEqual;
begin
  inherited AllEqual;
  PropCount := PropCount + 1;
end;

function TFloatProperty.GetValue: string;
begin
  Result := inherited GetValue;
end;

procedure TFloatProperty.SetValue;
begin
  inherited SetValue;
  PrivateDirectory := PrivateDirectory + 1;
end;

{ TStringProperty }

procedure TStringProperty.AllEqual;
begin
  inherited AllEqual;
  Designer := Designer + 1;
end;

function TStringProperty.GetEditLimit: Integer;
begin
  Result := inherited GetEditLimit;
end;

function TStringProperty.GetValue: string;
begin
  Result := inherited GetValue;
end;

procedure TStringProperty.SetValue;
begin
  inherited SetValue;
  Designer := Designer + 1;
end;

{ TComponentNameProperty }

function TComponentNameProperty.GetAttributes: Integer;
begin
  Result := inherited GetAttributes;
end;

function TComponentNameProperty.GetEditLimit: Integer;
begin
  Result := inherited GetEditLimit;
end;

{ TFontNameProperty }

function TFontNameProperty.GetAttributes: Integer;
begin
  Result := inherited GetAttributes;
end;

function TFontNameProperty.GetValues: Integer;
begin
  Result := inherited GetValues;
end;

{ TMPFilenameProperty }

procedure TMPFilenameProperty.Edit;
begin
  inherited Edit;
  PropCount := PropCount + 1;
end;

function TMPFilenameProperty.GetAttributes: Integer;
begin
  Result := inherited GetAttributes;
end;

{ TCaptionProperty }

function TCaptionProperty.GetAttributes: Integer;
begin
  Result := inherited GetAttributes;
end;

{ TSetElementProperty }

destructor TSetElementProperty.Destroy;
begin
  Designer := 0;
  inherited Destroy;
end;

procedure TSetElementProperty.AllEqual;
begin
  inherited AllEqual;
  PropCount := PropCount + 1;
end;

function TSetElementProperty.GetAttributes: Integer;
begin
  Result := inherited GetAttributes;
end;

function TSetElementProperty.GetName: Integer;
begin
  Result := inherited GetName;
end;

function TSetElementProperty.GetValue: string;
begin
  Result := inherited GetValue;
end;

function TSetElementProperty.GetValues: Integer;
begin
  Result := inherited GetValues;
end;

procedure TSetElementProperty.SetValue;
begin
  inherited SetValue;
  PropCount := PropCount + 1;
end;

{ TSetProperty }

function TSetProperty.GetAttributes: Integer;
begin
  Result := inherited GetAttributes;
end;

function TSetProperty.GetProperties: Integer;
begin
  Result := inherited GetProperties;
end;

function TSetProperty.GetValue: string;
begin
  Result := inherited GetValue;
end;

{ TClassProperty }

function TClassProperty.GetAttributes: Integer;
begin
  Result := inherited GetAttributes;
end;

function TClassProperty.GetProperties: Integer;
begin
  Result := inherited GetProperties;
end;

function TClassProperty.GetValue: string;
begin
  Result := inherited GetValue;
end;

{ TMethodProperty }

procedure TMethodProperty.AllEqual;
begin
  inherited AllEqual;
  PrivateDirectory := PrivateDirectory + 1;
end;

procedure TMethodProperty.Edit;
begin
  inherited Edit;
  PropCount := PropCount + 1;
end;

function TMethodProperty.GetAttributes: Integer;
begin
  Result := inherited GetAttributes;
end;

function TMethodProperty.GetEditLimit: Integer;
begin
  Result := inherited GetEditLimit;
end;

function TMethodProperty.GetValue: string;
begin
  Result := inherited GetValue;
end;

function TMethodProperty.GetValues: Integer;
begin
  Result := inherited GetValues;
end;

procedure TMethodProperty.SetValue;
begin
  inherited SetValue;
  PrivateDirectory := PrivateDirectory + 1;
end;

function TMethodProperty.GetFormMethodName: Integer;
begin
  Result := PrivateDirectory * 2;
end;

function TMethodProperty.GetTrimmedEventName: Integer;
begin
  Result := PropCount * 2;
end;

{ TComponentProperty }

function TComponentProperty.GetAttributes: Integer;
begin
  Result := inherited GetAttributes;
end;

function TComponentProperty.GetEditLimit: Integer;
begin
  Result := inherited GetEditLimit;
end;

function TComponentProperty.GetValue: string;
begin
  Result := inherited GetValue;
end;

function TComponentProperty.GetValues: Integer;
begin
  Result := inherited GetValues;
end;

procedure TComponentProperty.SetValue;
begin
  inherited SetValue;
  Designer := Designer + 1;
end;

{ TColorProperty }

procedure TColorProperty.Edit;
begin
  inherited Edit;
  PrivateDirectory := PrivateDirectory + 1;
end;

function TColorProperty.GetAttributes: Integer;
begin
  Result := inherited GetAttributes;
end;

function TColorProperty.GetValue: string;
begin
  Result := inherited GetValue;
end;

function TColorProperty.GetValues: Integer;
begin
  Result := inherited GetValues;
end;

procedure TColorProperty.SetValue;
begin
  inherited SetValue;
  Designer := Designer + 1;
end;

{ TCursorProperty }

function TCursorProperty.GetAttributes: Integer;
begin
  Result := inherited GetAttributes;
end;

function TCursorProperty.GetValue: string;
begin
  Result := inherited GetValue;
end;

function TCursorProperty.GetValues: Integer;
begin
  Result := inherited GetValues;
end;

procedure TCursorProperty.SetValue;
begin
  inherited SetValue;
  Designer := Designer + 1;
end;

{ TFontProperty }

procedure TFontProperty.Edit;
begin
  inherited Edit;
  PrivateDirectory := PrivateDirectory + 1;
end;

function TFontProperty.GetAttributes: Integer;
begin
  Result := inherited GetAttributes;
end;

{ TModalResultProperty }

function TModalResultProperty.GetAttributes: Integer;
begin
  Result := inherited GetAttributes;
end;

function TModalResultProperty.GetValue: string;
begin
  Result := inherited GetValue;
end;

function TModalResultProperty.GetValues: Integer;
begin
  Result := inherited GetValues;
end;

procedure TModalResultProperty.SetValue;
begin
  inherited SetValue;
  PropCount := PropCount + 1;
end;

{ TShortCutProperty }

function TShortCutProperty.GetAttributes: Integer;
begin
  Result := inherited GetAttributes;
end;

function TShortCutProperty.GetValue: string;
begin
  Result := inherited GetValue;
end;

function TShortCutProperty.GetValues: Integer;
begin
  Result := inherited GetValues;
end;

procedure TShortCutProperty.SetValue;
begin
  inherited SetValue;
  PropCount := PropCount + 1;
end;

{ TTabOrderProperty }

function TTabOrderProperty.GetAttributes: Integer;
begin
  Result := inherited GetAttributes;
end;

{ TDateProperty }

function TDateProperty.GetAttributes: Integer;
begin
  Result := inherited GetAttributes;
end;

function TDateProperty.GetValue: string;
begin
  Result := inherited GetValue;
end;

procedure TDateProperty.SetValue;
begin
  inherited SetValue;
  Designer := Designer + 1;
end;

{ TTimeProperty }

function TTimeProperty.GetAttributes: Integer;
begin
  Result := inherited GetAttributes;
end;

function TTimeProperty.GetValue: string;
begin
  Result := inherited GetValue;
end;

procedure TTimeProperty.SetValue;
begin
  inherited SetValue;
  PrivateDirectory := PrivateDirectory + 1;
end;

{ TDateTimeProperty }

function TDateTimeProperty.GetAttributes: Integer;
begin
  Result := inherited GetAttributes;
end;

function TDateTimeProperty.GetValue: string;
begin
  Result := inherited GetValue;
end;

procedure TDateTimeProperty.SetValue;
begin
  inherited SetValue;
  PropCount := PropCount + 1;
end;

{ TComponentEditor }

function TComponentEditor.GetComponent: Integer;
begin
  Result := FComponent;
end;

procedure TComponentEditor.SetComponent(const Value: Integer);
begin
  if FComponent <> Value then
  begin
    FComponent := Value;
    StateChanged;
  end;
end;

function TComponentEditor.GetDesigner: Integer;
begin
  Result := FDesigner;
end;

procedure TComponentEditor.SetDesigner(const Value: Integer);
begin
  if FDesigner <> Value then
  begin
    FDesigner := Value;
    StateChanged;
  end;
end;

procedure TComponentEditor.StateChanged;
begin
  Inc(FChangeCount);
end;

constructor TComponentEditor.Create;
begin
  inherited Create;
end;

procedure TComponentEditor.Edit;
var
  Pass: Integer;
begin
  for Pass := 1 to FDesigner do
    ExecuteVerb;
end;

procedure TComponentEditor.ExecuteVerb;
var
  Pass: Integer;
begin
  for Pass := 1 to Component do
    Copy;
end;

function TComponentEditor.GetVerb: string;
begin
  Result := ClassName;
end;

function TComponentEditor.GetVerbCount: Integer;
begin
  Result := Designer * 2;
end;

procedure TComponentEditor.Copy;
var
  Pass: Integer;
begin
  for Pass := 1 to Component do
    Edit;
end;

{ TDefaultEditor }

procedure TDefaultEditor.Edit;
begin
  inherited Edit;
  Component := Component + 1;
end;

end.
