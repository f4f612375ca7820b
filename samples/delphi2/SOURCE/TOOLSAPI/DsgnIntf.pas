{*******************************************************}
{                                                       }
{       Quillmap 2 sample class library                 }
{       DsgnIntf unit: property and component editors   }
{                                                       }
{*******************************************************}

unit DsgnIntf;

interface

uses SysUtils, Classes, Graphics, Controls, Forms, Menus;

type
  { Run-time type kinds, as the streaming system reports them }
  TTypeKind = (tkUnknown, tkInteger, tkChar, tkEnumeration, tkFloat,
    tkString, tkSet, tkClass, tkMethod, tkWChar, tkLString, tkLWString,
    tkVariant);
  TTypeKinds = set of TTypeKind;

  { Selection lists passed between the designer and the editors }
  TComponentList = class(TObject)
  private
    FList: TList;
    function Get(Index: Integer): TComponent;
    function GetCount: Integer;
  public
    constructor Create;
    destructor Destroy; override;
    function Add(Item: TComponent): Integer;
    function Equals(List: TComponentList): Boolean;
    property Count: Integer read GetCount;
    property Items[Index: Integer]: TComponent read Get; default;
  end;

  { The designer as the editors see it }
  TFormDesigner = class(TDesigner)
  public
    function CreateMethod(const Name: string; TypeData: Pointer): TMethod; virtual; abstract;
    function GetMethodName(const Method: TMethod): string; virtual; abstract;
    procedure GetMethods(TypeData: Pointer; Proc: TGetStrProc); virtual; abstract;
    function GetPrivateDirectory: string; virtual; abstract;
    procedure GetSelections(List: TComponentList); virtual; abstract;
    function MethodExists(const Name: string): Boolean; virtual; abstract;
    procedure RenameMethod(const CurName, NewName: string); virtual; abstract;
    procedure SelectComponent(Instance: TComponent); virtual; abstract;
    procedure SetSelections(List: TComponentList); virtual; abstract;
    procedure ShowMethod(const Name: string); virtual; abstract;
    function UniqueName(const BaseName: string): string; virtual; abstract;
    procedure GetComponentNames(TypeData: Pointer; Proc: TGetStrProc); virtual; abstract;
    function GetComponent(const Name: string): TComponent; virtual; abstract;
    function GetComponentName(Component: TComponent): string; virtual; abstract;
    function MethodFromAncestor(const Method: TMethod): Boolean; virtual; abstract;
    function CreateComponent(ComponentClass: TComponentClass; Parent: TComponent;
      Left, Top, Width, Height: Integer): TComponent; virtual; abstract;
    function IsComponentLinkable(Component: TComponent): Boolean; virtual; abstract;
    procedure MakeComponentLinkable(Component: TComponent); virtual; abstract;
    function GetRoot: TComponent; virtual; abstract;
    procedure Revert(Instance: TPersistent; PropInfo: Pointer); virtual; abstract;
  end;

  TPropertyAttribute = (paValueList, paSubProperties, paDialog,
    paMultiSelect, paAutoUpdate, paSortList, paReadOnly, paRevertable);
  TPropertyAttributes = set of TPropertyAttribute;

  TPropertyEditor = class;
  TGetPropEditProc = procedure(Prop: TPropertyEditor) of object;

  PInstProp = ^TInstProp;
  TInstProp = record
    Instance: TPersistent;
    PropInfo: Pointer;
  end;

  PInstPropList = ^TInstPropList;
  TInstPropList = array[0..1023] of TInstProp;

  { TPropertyEditor: the base of everything the Object Inspector edits }
  TPropertyEditor = class(TObject)
  private
    FDesigner: TFormDesigner;
    FPropList: PInstPropList;
    FPropCount: Integer;
    constructor Create(ADesigner: TFormDesigner; APropCount: Integer);
    function GetPrivateDirectory: string;
    procedure SetPropEntry(Index: Integer; AInstance: TComponent;
      APropInfo: Pointer);
  protected
    function GetPropInfo: Pointer;
    function GetFloatValue: Extended;
    function GetFloatValueAt(Index: Integer): Extended;
    function GetMethodValue: TMethod;
    function GetMethodValueAt(Index: Integer): TMethod;
    function GetOrdValue: Longint;
    function GetOrdValueAt(Index: Integer): Longint;
    function GetStrValue: string;
    function GetStrValueAt(Index: Integer): string;
    function GetVarValue: Variant;
    function GetVarValueAt(Index: Integer): Variant;
    procedure Modified;
    procedure SetFloatValue(Value: Extended);
    procedure SetMethodValue(const Value: TMethod);
    procedure SetOrdValue(Value: Longint);
    procedure SetStrValue(const Value: string);
    procedure SetVarValue(const Value: Variant);
  public
    destructor Destroy; override;
    procedure Activate; virtual;
    function AllEqual: Boolean; virtual;
    procedure Edit; virtual;
    function GetAttributes: TPropertyAttributes; virtual;
    function GetComponent(Index: Integer): TPersistent;
    function GetEditLimit: Integer; virtual;
    function GetName: string; virtual;
    procedure GetProperties(Proc: TGetPropEditProc); virtual;
    function GetPropType: Pointer;
    function GetValue: string; virtual;
    procedure GetValues(Proc: TGetStrProc); virtual;
    procedure Initialize; virtual;
    procedure Revert;
    procedure SetValue(const Value: string); virtual;
    function ValueAvailable: Boolean;
    property Designer: TFormDesigner read FDesigner;
    property PrivateDirectory: string read GetPrivateDirectory;
    property PropCount: Integer read FPropCount;
    property Value: string read GetValue write SetValue;
  end;

  TPropertyEditorClass = class of TPropertyEditor;

  TOrdinalProperty = class(TPropertyEditor)
    function AllEqual: Boolean; override;
    function GetEditLimit: Integer; override;
  end;

  TIntegerProperty = class(TOrdinalProperty)
  public
    function GetValue: string; override;
    procedure SetValue(const Value: string); override;
  end;

  TCharProperty = class(TOrdinalProperty)
  public
    function GetValue: string; override;
    procedure SetValue(const Value: string); override;
  end;

  TEnumProperty = class(TOrdinalProperty)
  public
    function GetAttributes: TPropertyAttributes; override;
    function GetValue: string; override;
    procedure GetValues(Proc: TGetStrProc); override;
    procedure SetValue(const Value: string); override;
  end;

  TFloatProperty = class(TPropertyEditor)
  public
    function AllEqual: Boolean; override;
    function GetValue: string; override;
    procedure SetValue(const Value: string); override;
  end;

  TStringProperty = class(TPropertyEditor)
  public
    function AllEqual: Boolean; override;
    function GetEditLimit: Integer; override;
    function GetValue: string; override;
    procedure SetValue(const Value: string); override;
  end;

  TComponentNameProperty = class(TStringProperty)
  public
    function GetAttributes: TPropertyAttributes; override;
    function GetEditLimit: Integer; override;
  end;

  TFontNameProperty = class(TStringProperty)
  public
    function GetAttributes: TPropertyAttributes; override;
    procedure GetValues(Proc: TGetStrProc); override;
  end;

  TMPFilenameProperty = class(TStringProperty)
  public
    procedure Edit; override;
    function GetAttributes: TPropertyAttributes; override;
  end;

  TCaptionProperty = class(TStringProperty)
  public
    function GetAttributes: TPropertyAttributes; override;
  end;

  TSetElementProperty = class(TPropertyEditor)
  private
    FElement: Integer;
    constructor Create(ADesigner: TFormDesigner; APropList: PInstPropList;
      APropCount: Integer; AElement: Integer);
  public
    destructor Destroy; override;
    function AllEqual: Boolean; override;
    function GetAttributes: TPropertyAttributes; override;
    function GetName: string; override;
    function GetValue: string; override;
    procedure GetValues(Proc: TGetStrProc); override;
    procedure SetValue(const Value: string); override;
  end;

  TSetProperty = class(TOrdinalProperty)
  public
    function GetAttributes: TPropertyAttributes; override;
    procedure GetProperties(Proc: TGetPropEditProc); override;
    function GetValue: string; override;
  end;

  TClassProperty = class(TPropertyEditor)
  public
    function GetAttributes: TPropertyAttributes; override;
    procedure GetProperties(Proc: TGetPropEditProc); override;
    function GetValue: string; override;
  end;

  TMethodProperty = class(TPropertyEditor)
  public
    function AllEqual: Boolean; override;
    procedure Edit; override;
    function GetAttributes: TPropertyAttributes; override;
    function GetEditLimit: Integer; override;
    function GetValue: string; override;
    procedure GetValues(Proc: TGetStrProc); override;
    procedure SetValue(const AValue: string); override;
    function GetFormMethodName: string; virtual;
    function GetTrimmedEventName: string;
  end;

  TComponentProperty = class(TPropertyEditor)
  public
    function GetAttributes: TPropertyAttributes; override;
    function GetEditLimit: Integer; override;
    function GetValue: string; override;
    procedure GetValues(Proc: TGetStrProc); override;
    procedure SetValue(const Value: string); override;
  end;

  TColorProperty = class(TIntegerProperty)
  public
    procedure Edit; override;
    function GetAttributes: TPropertyAttributes; override;
    function GetValue: string; override;
    procedure GetValues(Proc: TGetStrProc); override;
    procedure SetValue(const Value: string); override;
  end;

  TCursorProperty = class(TIntegerProperty)
  public
    function GetAttributes: TPropertyAttributes; override;
    function GetValue: string; override;
    procedure GetValues(Proc: TGetStrProc); override;
    procedure SetValue(const Value: string); override;
  end;

  TFontProperty = class(TClassProperty)
  public
    procedure Edit; override;
    function GetAttributes: TPropertyAttributes; override;
  end;

  TModalResultProperty = class(TIntegerProperty)
  public
    function GetAttributes: TPropertyAttributes; override;
    function GetValue: string; override;
    procedure GetValues(Proc: TGetStrProc); override;
    procedure SetValue(const Value: string); override;
  end;

  TShortCutProperty = class(TOrdinalProperty)
  public
    function GetAttributes: TPropertyAttributes; override;
    function GetValue: string; override;
    procedure GetValues(Proc: TGetStrProc); override;
    procedure SetValue(const Value: string); override;
  end;

  TTabOrderProperty = class(TIntegerProperty)
  public
    function GetAttributes: TPropertyAttributes; override;
  end;

  TDateProperty = class(TPropertyEditor)
  public
    function GetAttributes: TPropertyAttributes; override;
    function GetValue: string; override;
    procedure SetValue(const Value: string); override;
  end;

  TTimeProperty = class(TPropertyEditor)
  public
    function GetAttributes: TPropertyAttributes; override;
    function GetValue: string; override;
    procedure SetValue(const Value: string); override;
  end;

  TDateTimeProperty = class(TPropertyEditor)
  public
    function GetAttributes: TPropertyAttributes; override;
    function GetValue: string; override;
    procedure SetValue(const Value: string); override;
  end;

  EPropertyError = class(Exception);

  { Component editors: the context menu and double click of a component }
  TComponentEditor = class(TObject)
  private
    FComponent: TComponent;
    FDesigner: TFormDesigner;
  public
    constructor Create(AComponent: TComponent; ADesigner: TFormDesigner); virtual;
    procedure Edit; virtual;
    procedure ExecuteVerb(Index: Integer); virtual;
    function GetVerb(Index: Integer): string; virtual;
    function GetVerbCount: Integer; virtual;
    procedure Copy; virtual;
    property Component: TComponent read FComponent;
    property Designer: TFormDesigner read FDesigner;
  end;

  TComponentEditorClass = class of TComponentEditor;

  TDefaultEditor = class(TComponentEditor)
  private
    FFirst: TPropertyEditor;
    FBest: TPropertyEditor;
    FContinue: Boolean;
    procedure CheckEdit(PropertyEditor: TPropertyEditor);
  protected
    procedure EditProperty(PropertyEditor: TPropertyEditor;
      var Continue, FreeEditor: Boolean); virtual;
  public
    procedure Edit; override;
  end;

  { Registration of editors by the packages }
  TFreeCustomModulesProc = procedure(Group: Integer);

procedure RegisterPropertyEditor(PropertyType: Pointer; ComponentClass: TClass;
  const PropertyName: string; EditorClass: TPropertyEditorClass);
procedure RegisterComponentEditor(ComponentClass: TComponentClass;
  ComponentEditor: TComponentEditorClass);
function GetComponentEditor(Component: TComponent;
  Designer: TFormDesigner): TComponentEditor;
procedure GetComponentProperties(Components: TComponentList;
  Filter: TTypeKinds; Designer: TFormDesigner; Proc: TGetPropEditProc);

implementation

type
  PPropertyClassRec = ^TPropertyClassRec;
  TPropertyClassRec = record
    Group: Integer;
    PropertyType: Pointer;
    PropertyName: string;
    ComponentClass: TClass;
    EditorClass: TPropertyEditorClass;
  end;

  PComponentClassRec = ^TComponentClassRec;
  TComponentClassRec = record
    Group: Integer;
    ComponentClass: TComponentClass;
    EditorClass: TComponentEditorClass;
  end;

var
  PropertyClassList: TList;
  ComponentClassList: TList;

procedure RegisterPropertyEditor(PropertyType: Pointer; ComponentClass: TClass;
  const PropertyName: string; EditorClass: TPropertyEditorClass);
var
  P: PPropertyClassRec;
begin
  if PropertyClassList = nil then PropertyClassList := TList.Create;
  New(P);
  P^.Group := 0;
  P^.PropertyType := PropertyType;
  P^.ComponentClass := ComponentClass;
  P^.PropertyName := PropertyName;
  P^.EditorClass := EditorClass;
  PropertyClassList.Insert(0, P);
end;

procedure RegisterComponentEditor(ComponentClass: TComponentClass;
  ComponentEditor: TComponentEditorClass);
var
  P: PComponentClassRec;
begin
  if ComponentClassList = nil then ComponentClassList := TList.Create;
  New(P);
  P^.Group := 0;
  P^.ComponentClass := ComponentClass;
  P^.EditorClass := ComponentEditor;
  ComponentClassList.Insert(0, P);
end;

function GetComponentEditor(Component: TComponent;
  Designer: TFormDesigner): TComponentEditor;
var
  P: PComponentClassRec;
  I: Integer;
  EditorClass: TComponentEditorClass;
begin
  EditorClass := TDefaultEditor;
  if ComponentClassList <> nil then
    for I := 0 to ComponentClassList.Count - 1 do
    begin
      P := ComponentClassList[I];
      if Component is P^.ComponentClass then
      begin
        EditorClass := P^.EditorClass;
        Break;
      end;
    end;
  Result := EditorClass.Create(Component, Designer);
end;

procedure GetComponentProperties(Components: TComponentList;
  Filter: TTypeKinds; Designer: TFormDesigner; Proc: TGetPropEditProc);
begin
  { walks the published properties shared by every selected component }
  if (Components = nil) or (Components.Count = 0) then Exit;
end;

{ TComponentList }

function TComponentList.Get(Index: Integer): TComponent;
begin
  Result := FList[Index];
end;

function TComponentList.GetCount: Integer;
begin
  Result := FList.Count;
end;

constructor TComponentList.Create;
begin
  inherited Create;
  FList := TList.Create;
end;

destructor TComponentList.Destroy;
begin
  FList.Free;
  inherited Destroy;
end;

function TComponentList.Add(Item: TComponent): Integer;
begin
  Result := FList.Add(Item);
end;

function TComponentList.Equals(List: TComponentList): Boolean;
var
  I: Integer;
begin
  Result := False;
  if List.Count <> FList.Count then Exit;
  for I := 0 to List.Count - 1 do
    if List[I] <> FList[I] then Exit;
  Result := True;
end;

{ TPropertyEditor }

constructor TPropertyEditor.Create(ADesigner: TFormDesigner;
  APropCount: Integer);
begin
  FDesigner := ADesigner;
  GetMem(FPropList, APropCount * SizeOf(TInstProp));
  FPropCount := APropCount;
end;

function TPropertyEditor.GetPrivateDirectory: string;
begin
  Result := Designer.GetPrivateDirectory;
end;

procedure TPropertyEditor.SetPropEntry(Index: Integer;
  AInstance: TComponent; APropInfo: Pointer);
begin
  with FPropList^[Index] do
  begin
    Instance := AInstance;
    PropInfo := APropInfo;
  end;
end;

function TPropertyEditor.GetPropInfo: Pointer;
begin
  Result := nil;
end;

function TPropertyEditor.GetFloatValue: Extended;
begin
  Result := 0;
end;

function TPropertyEditor.GetFloatValueAt(Index: Integer): Extended;
begin
  Result := 0;
end;

function TPropertyEditor.GetMethodValue: TMethod;
begin
  FillChar(Result, SizeOf(Result), 0);
end;

function TPropertyEditor.GetMethodValueAt(Index: Integer): TMethod;
begin
  FillChar(Result, SizeOf(Result), 0);
end;

function TPropertyEditor.GetOrdValue: Longint;
begin
  Result := 0;
end;

function TPropertyEditor.GetOrdValueAt(Index: Integer): Longint;
begin
  Result := 0;
end;

function TPropertyEditor.GetStrValue: string;
begin
  Result := '';
end;

function TPropertyEditor.GetStrValueAt(Index: Integer): string;
begin
  Result := '';
end;

function TPropertyEditor.GetVarValue: Variant;
begin
  Result := Unassigned;
end;

function TPropertyEditor.GetVarValueAt(Index: Integer): Variant;
begin
  Result := Unassigned;
end;

procedure TPropertyEditor.Modified;
begin
  Designer.Modified;
end;

procedure TPropertyEditor.SetFloatValue(Value: Extended);
begin
end;

procedure TPropertyEditor.SetMethodValue(const Value: TMethod);
begin
end;

procedure TPropertyEditor.SetOrdValue(Value: Longint);
begin
end;

procedure TPropertyEditor.SetStrValue(const Value: string);
begin
end;

procedure TPropertyEditor.SetVarValue(const Value: Variant);
begin
end;

destructor TPropertyEditor.Destroy;
begin
  if FPropList <> nil then
    FreeMem(FPropList, FPropCount * SizeOf(TInstProp));
end;

procedure TPropertyEditor.Activate;
begin
end;

function TPropertyEditor.AllEqual: Boolean;
begin
  Result := FPropCount = 1;
end;

procedure TPropertyEditor.Edit;
type
  TGetStrFunc = function(const Value: string): Integer of object;
var
  I: Integer;
  Values: TStringList;
  AddValue: TGetStrFunc;
begin
  Values := TStringList.Create;
  Values.Sorted := paSortList in GetAttributes;
  try
    AddValue := Values.Add;
    GetValues(TGetStrProc(AddValue));
    if Values.Count > 0 then
    begin
      I := Values.IndexOf(Value) + 1;
      if I = Values.Count then I := 0;
      Value := Values[I];
    end;
  finally
    Values.Free;
  end;
end;

function TPropertyEditor.GetAttributes: TPropertyAttributes;
begin
  Result := [paMultiSelect, paRevertable];
end;

function TPropertyEditor.GetComponent(Index: Integer): TPersistent;
begin
  Result := FPropList^[Index].Instance;
end;

function TPropertyEditor.GetEditLimit: Integer;
begin
  Result := 255;
end;

function TPropertyEditor.GetName: string;
begin
  Result := PShortString(Longint(FPropList^[0].PropInfo) + 26)^;
end;

procedure TPropertyEditor.GetProperties(Proc: TGetPropEditProc);
begin
end;

function TPropertyEditor.GetPropType: Pointer;
begin
  Result := nil;
end;

function TPropertyEditor.GetValue: string;
begin
  Result := '(unknown)';
end;

procedure TPropertyEditor.GetValues(Proc: TGetStrProc);
begin
end;

procedure TPropertyEditor.Initialize;
begin
end;

procedure TPropertyEditor.Revert;
begin
end;

procedure TPropertyEditor.SetValue(const Value: string);
begin
end;

function TPropertyEditor.ValueAvailable: Boolean;
begin
  Result := True;
end;

{ TOrdinalProperty }

function TOrdinalProperty.AllEqual: Boolean;
begin
  Result := inherited AllEqual;
end;

function TOrdinalProperty.GetEditLimit: Integer;
begin
  Result := 63;
end;

{ TIntegerProperty }

function TIntegerProperty.GetValue: string;
begin
  Result := IntToStr(GetOrdValue);
end;

procedure TIntegerProperty.SetValue(const Value: string);
var
  L: Longint;
begin
  L := StrToInt(Value);
  SetOrdValue(L);
end;

{ TCharProperty }

function TCharProperty.GetValue: string;
var
  Ch: Char;
begin
  Ch := Chr(GetOrdValue);
  if Ch in [#33..#127] then
    Result := Ch
  else
    FmtStr(Result, '#%d', [Ord(Ch)]);
end;

procedure TCharProperty.SetValue(const Value: string);
var
  L: Longint;
begin
  if Length(Value) = 0 then L := 0 else
    if Length(Value) = 1 then L := Ord(Value[1]) else
      if Value[1] = '#' then L := StrToInt(Copy(Value, 2, Maxint)) else
        raise EPropertyError.Create('Invalid property value');
  SetOrdValue(L);
end;

{ TEnumProperty }

function TEnumProperty.GetAttributes: TPropertyAttributes;
begin
  Result := [paMultiSelect, paValueList, paSortList, paRevertable];
end;

function TEnumProperty.GetValue: string;
begin
  Result := inherited GetValue;
end;

procedure TEnumProperty.GetValues(Proc: TGetStrProc);
begin
  inherited GetValues(Proc);
end;

procedure TEnumProperty.SetValue(const Value: string);
begin
  inherited SetValue(Value);
end;

{ TFloatProperty }

function TFloatProperty.AllEqual: Boolean;
begin
  Result := inherited AllEqual;
end;

function TFloatProperty.GetValue: string;
begin
  Result := inherited GetValue;
end;

procedure TFloatProperty.SetValue(const Value: string);
begin
  inherited SetValue(Value);
end;

{ TStringProperty }

function TStringProperty.AllEqual: Boolean;
begin
  Result := inherited AllEqual;
end;

function TStringProperty.GetEditLimit: Integer;
begin
  Result := inherited GetEditLimit;
end;

function TStringProperty.GetValue: string;
begin
  Result := GetStrValue;
end;

procedure TStringProperty.SetValue(const Value: string);
begin
  SetStrValue(Value);
end;

{ TComponentNameProperty }

function TComponentNameProperty.GetAttributes: TPropertyAttributes;
begin
  Result := [];
end;

function TComponentNameProperty.GetEditLimit: Integer;
begin
  Result := 63;
end;

{ TFontNameProperty }

function TFontNameProperty.GetAttributes: TPropertyAttributes;
begin
  Result := [paMultiSelect, paValueList, paSortList, paRevertable];
end;

procedure TFontNameProperty.GetValues(Proc: TGetStrProc);
var
  I: Integer;
begin
  for I := 0 to Screen.Fonts.Count - 1 do Proc(Screen.Fonts[I]);
end;

{ TMPFilenameProperty }

procedure TMPFilenameProperty.Edit;
begin
  inherited Edit;
end;

function TMPFilenameProperty.GetAttributes: TPropertyAttributes;
begin
  Result := inherited GetAttributes;
end;

{ TCaptionProperty }

function TCaptionProperty.GetAttributes: TPropertyAttributes;
begin
  Result := [paMultiSelect, paAutoUpdate, paRevertable];
end;

{ TSetElementProperty }

constructor TSetElementProperty.Create(ADesigner: TFormDesigner; APropList: PInstPropList;
      APropCount: Integer; AElement: Integer);
begin
  inherited Create(ADesigner, APropCount);
end;

destructor TSetElementProperty.Destroy;
begin
  inherited Destroy;
end;

function TSetElementProperty.AllEqual: Boolean;
begin
  Result := inherited AllEqual;
end;

function TSetElementProperty.GetAttributes: TPropertyAttributes;
begin
  Result := inherited GetAttributes;
end;

function TSetElementProperty.GetName: string;
begin
  Result := inherited GetName;
end;

function TSetElementProperty.GetValue: string;
begin
  Result := inherited GetValue;
end;

procedure TSetElementProperty.GetValues(Proc: TGetStrProc);
begin
  inherited GetValues(Proc);
end;

procedure TSetElementProperty.SetValue(const Value: string);
begin
  inherited SetValue(Value);
end;

{ TSetProperty }

function TSetProperty.GetAttributes: TPropertyAttributes;
begin
  Result := inherited GetAttributes;
end;

procedure TSetProperty.GetProperties(Proc: TGetPropEditProc);
begin
  inherited GetProperties(Proc);
end;

function TSetProperty.GetValue: string;
begin
  Result := inherited GetValue;
end;

{ TClassProperty }

function TClassProperty.GetAttributes: TPropertyAttributes;
begin
  Result := [paMultiSelect, paSubProperties, paReadOnly];
end;

procedure TClassProperty.GetProperties(Proc: TGetPropEditProc);
begin
  inherited GetProperties(Proc);
end;

function TClassProperty.GetValue: string;
begin
  FmtStr(Result, '(%s)', [GetPropType^.Name]);
end;

{ TMethodProperty }

function TMethodProperty.AllEqual: Boolean;
begin
  Result := inherited AllEqual;
end;

procedure TMethodProperty.Edit;
begin
  inherited Edit;
end;

function TMethodProperty.GetAttributes: TPropertyAttributes;
begin
  Result := [paMultiSelect, paValueList, paSortList, paRevertable];
end;

function TMethodProperty.GetEditLimit: Integer;
begin
  Result := inherited GetEditLimit;
end;

function TMethodProperty.GetValue: string;
begin
  Result := inherited GetValue;
end;

procedure TMethodProperty.GetValues(Proc: TGetStrProc);
begin
  inherited GetValues(Proc);
end;

procedure TMethodProperty.SetValue(const AValue: string);
begin
  inherited SetValue(AValue);
end;

function TMethodProperty.GetFormMethodName: string;
begin
  if GetComponent(0) = Designer.GetRoot then
    Result := 'Form'
  else
    Result := Designer.GetComponentName(TComponent(GetComponent(0)));
  Result := Result + GetTrimmedEventName;
end;

function TMethodProperty.GetTrimmedEventName: string;
begin
  Result := GetName;
  if (Length(Result) >= 2) and (Result[1] in ['O', 'o']) and
    (Result[2] in ['N', 'n']) then
    System.Delete(Result, 1, 2);
end;

{ TComponentProperty }

function TComponentProperty.GetAttributes: TPropertyAttributes;
begin
  Result := [paMultiSelect, paValueList, paSortList, paRevertable];
end;

function TComponentProperty.GetEditLimit: Integer;
begin
  Result := inherited GetEditLimit;
end;

function TComponentProperty.GetValue: string;
begin
  Result := inherited GetValue;
end;

procedure TComponentProperty.GetValues(Proc: TGetStrProc);
begin
  inherited GetValues(Proc);
end;

procedure TComponentProperty.SetValue(const Value: string);
begin
  inherited SetValue(Value);
end;

{ TColorProperty }

procedure TColorProperty.Edit;
begin
  inherited Edit;
end;

function TColorProperty.GetAttributes: TPropertyAttributes;
begin
  Result := inherited GetAttributes;
end;

function TColorProperty.GetValue: string;
begin
  Result := ColorToString(TColor(GetOrdValue));
end;

procedure TColorProperty.GetValues(Proc: TGetStrProc);
begin
  GetColorValues(Proc);
end;

procedure TColorProperty.SetValue(const Value: string);
var
  NewValue: Longint;
begin
  if IdentToColor(Value, NewValue) then
    SetOrdValue(NewValue)
  else
    inherited SetValue(Value);
end;

{ TCursorProperty }

function TCursorProperty.GetAttributes: TPropertyAttributes;
begin
  Result := inherited GetAttributes;
end;

function TCursorProperty.GetValue: string;
begin
  Result := CursorToString(TCursor(GetOrdValue));
end;

procedure TCursorProperty.GetValues(Proc: TGetStrProc);
begin
  GetCursorValues(Proc);
end;

procedure TCursorProperty.SetValue(const Value: string);
var
  NewValue: Longint;
begin
  if IdentToCursor(Value, NewValue) then
    SetOrdValue(NewValue)
  else
    inherited SetValue(Value);
end;

{ TFontProperty }

procedure TFontProperty.Edit;
begin
  inherited Edit;
end;

function TFontProperty.GetAttributes: TPropertyAttributes;
begin
  Result := inherited GetAttributes;
end;

{ TModalResultProperty }

function TModalResultProperty.GetAttributes: TPropertyAttributes;
begin
  Result := inherited GetAttributes;
end;

function TModalResultProperty.GetValue: string;
begin
  Result := inherited GetValue;
end;

procedure TModalResultProperty.GetValues(Proc: TGetStrProc);
begin
  inherited GetValues(Proc);
end;

procedure TModalResultProperty.SetValue(const Value: string);
begin
  inherited SetValue(Value);
end;

{ TShortCutProperty }

function TShortCutProperty.GetAttributes: TPropertyAttributes;
begin
  Result := inherited GetAttributes;
end;

function TShortCutProperty.GetValue: string;
var
  CurValue: TShortCut;
begin
  CurValue := GetOrdValue;
  if CurValue = 0 then
    Result := '(None)'
  else
    Result := ShortCutToText(CurValue);
end;

procedure TShortCutProperty.GetValues(Proc: TGetStrProc);
begin
  inherited GetValues(Proc);
end;

procedure TShortCutProperty.SetValue(const Value: string);
var
  NewValue: TShortCut;
begin
  NewValue := 0;
  if (Value <> '') and (AnsiCompareText(Value, '(None)') <> 0) then
  begin
    NewValue := TextToShortCut(Value);
    if NewValue = 0 then
      raise EPropertyError.Create('Invalid property value');
  end;
  SetOrdValue(NewValue);
end;

{ TTabOrderProperty }

function TTabOrderProperty.GetAttributes: TPropertyAttributes;
begin
  Result := inherited GetAttributes;
end;

{ TDateProperty }

function TDateProperty.GetAttributes: TPropertyAttributes;
begin
  Result := inherited GetAttributes;
end;

function TDateProperty.GetValue: string;
var
  DT: TDateTime;
begin
  DT := GetFloatValue;
  if DT = 0.0 then Result := '' else Result := DateToStr(DT);
end;

procedure TDateProperty.SetValue(const Value: string);
begin
  inherited SetValue(Value);
end;

{ TTimeProperty }

function TTimeProperty.GetAttributes: TPropertyAttributes;
begin
  Result := inherited GetAttributes;
end;

function TTimeProperty.GetValue: string;
var
  DT: TDateTime;
begin
  DT := GetFloatValue;
  if DT = 0.0 then Result := '' else Result := TimeToStr(DT);
end;

procedure TTimeProperty.SetValue(const Value: string);
begin
  inherited SetValue(Value);
end;

{ TDateTimeProperty }

function TDateTimeProperty.GetAttributes: TPropertyAttributes;
begin
  Result := inherited GetAttributes;
end;

function TDateTimeProperty.GetValue: string;
var
  DT: TDateTime;
begin
  DT := GetFloatValue;
  if DT = 0.0 then Result := '' else Result := DateTimeToStr(DT);
end;

procedure TDateTimeProperty.SetValue(const Value: string);
begin
  inherited SetValue(Value);
end;

{ TComponentEditor }

constructor TComponentEditor.Create(AComponent: TComponent; ADesigner: TFormDesigner);
begin
  inherited Create;
  FComponent := AComponent;
  FDesigner := ADesigner;
end;

procedure TComponentEditor.Edit;
begin
  if GetVerbCount > 0 then ExecuteVerb(0);
end;

procedure TComponentEditor.ExecuteVerb(Index: Integer);
begin
end;

function TComponentEditor.GetVerb(Index: Integer): string;
begin
  Result := '';
end;

function TComponentEditor.GetVerbCount: Integer;
begin
  Result := 0;
end;

procedure TComponentEditor.Copy;
begin
end;

{ TDefaultEditor }

procedure TDefaultEditor.CheckEdit(PropertyEditor: TPropertyEditor);
var
  FreeEditor: Boolean;
begin
  FreeEditor := True;
  try
    if FContinue then EditProperty(PropertyEditor, FContinue, FreeEditor);
  finally
    if FreeEditor then PropertyEditor.Free;
  end;
end;

procedure TDefaultEditor.EditProperty(PropertyEditor: TPropertyEditor;
  var Continue, FreeEditor: Boolean);
var
  PropName: string;
begin
  PropName := PropertyEditor.GetName;
  if (CompareText(PropName, 'ONCREATE') = 0) or
    (CompareText(PropName, 'ONCHANGE') = 0) or
    (CompareText(PropName, 'ONCLICK') = 0) then
  begin
    FBest := PropertyEditor;
    FreeEditor := False;
    Continue := False;
  end
  else if (FFirst = nil) and (PropertyEditor is TMethodProperty) then
  begin
    FFirst := PropertyEditor;
    FreeEditor := False;
  end;
end;

procedure TDefaultEditor.Edit;
var
  Components: TComponentList;
begin
  Components := TComponentList.Create;
  try
    FContinue := True;
    Components.Add(Component);
    FFirst := nil;
    FBest := nil;
    try
      GetComponentProperties(Components, [tkMethod], Designer, CheckEdit);
      if FContinue then
        if Assigned(FBest) then
          FBest.Edit
        else if Assigned(FFirst) then
          FFirst.Edit;
    finally
      FFirst.Free;
      FBest.Free;
    end;
  finally
    Components.Free;
  end;
end;

initialization
  PropertyClassList := nil;
  ComponentClassList := nil;
finalization
  PropertyClassList.Free;
  ComponentClassList.Free;
end.
