{*******************************************************}
{                                                       }
{       Quillmap 2 sample class library                 }
{       Mask unit: edits with an input mask             }
{                                                       }
{*******************************************************}

unit Mask;

interface

uses SysUtils, Classes, Graphics, Controls, Forms, StdCtrls;

const
  DefaultBlank: Char = '_';
  MaskFieldSeparator: Char = ';';
  MaskNoSave: Char = '0';

  mDirReverse = '!';
  mDirUpperCase = '>';
  mDirLowerCase = '<';
  mDirLiteral = '\';
  mMskAlpha = 'L';
  mMskAlphaOpt = 'l';
  mMskAlphaNum = 'A';
  mMskAlphaNumOpt = 'a';
  mMskAscii = 'C';
  mMskAsciiOpt = 'c';
  mMskNumeric = '0';
  mMskNumericOpt = '9';
  mMskNumSymOpt = '#';

type
  EDBEditError = class(Exception);

  TMaskCharType = (mcNone, mcLiteral, mcIntlLiteral, mcDirective, mcMask,
    mcMaskOpt, mcFieldSeparator, mcField);
  TMaskDirectives = set of (mdReverseDir, mdUpperCase, mdLowerCase,
    mdLiteralChar);
  TEditMask = type string;
  TMaskedState = set of (msMasked, msReEnter, msDBSetText);

  TCustomMaskEdit = class(TCustomEdit)
  private
    FEditMask: TEditMask;
    FMaskBlank: Char;
    FMaxChars: Integer;
    FMaskSave: Boolean;
    FMaskState: TMaskedState;
    FCaretPos: Integer;
    FBtnDownX: Integer;
    FOldValue: string;
    FSettingCursor: Boolean;
    function DoInputChar(var NewChar: Char; MaskOffset: Integer): Boolean;
    function InputChar(var NewChar: Char; Offset: Integer): Boolean;
    function DeleteSelection(var Value: string; Offset: Integer;
      Len: Integer): Boolean;
    function InputString(var Value: string; const NewValue: string;
      Offset: Integer): Integer;
    function AddEditFormat(const Value: string; Active: Boolean): string;
    function RemoveEditFormat(const Value: string): string;
    function FindLiteralChar(MaskOffset: Integer; InChar: Char): Integer;
    function GetEditText: string;
    function GetMasked: Boolean;
    function GetText: string;
    function GetMaxLength: Integer;
    function CharKeys(var CharCode: Char): Boolean;
    procedure SetEditText(const Value: string);
    procedure SetEditMask(const Value: TEditMask);
    procedure SetMaxLength(Value: Integer);
    procedure SetText(const Value: string);
    procedure DeleteKeys(CharCode: Word);
    procedure HomeEndKeys(CharCode: Word; Shift: TShiftState);
    procedure CursorInc(CursorPos: Integer; Incr: Integer);
    procedure CursorDec(CursorPos: Integer);
    procedure ArrowKeys(CharCode: Word; Shift: TShiftState);
    procedure WMLButtonDown(var Message: TWMLButtonDown); message WM_LBUTTONDOWN;
    procedure WMLButtonUp(var Message: TWMLButtonUp); message WM_LBUTTONUP;
    procedure WMSetFocus(var Message: TWMSetFocus); message WM_SETFOCUS;
    procedure WMCut(var Message: TMessage); message WM_CUT;
    procedure WMPaste(var Message: TMessage); message WM_PASTE;
    procedure CMEnter(var Message: TCMEnter); message CM_ENTER;
    procedure CMExit(var Message: TCMExit); message CM_EXIT;
    procedure CMWantSpecialKey(var Message: TCMWantSpecialKey); message CM_WANTSPECIALKEY;
  protected
    procedure ReformatText(const NewMask: string);
    procedure GetSel(var SelStart: Integer; var SelStop: Integer);
    procedure SetSel(SelStart: Integer; SelStop: Integer);
    procedure SetCursor(Pos: Integer);
    procedure HandleOnKeyPress;
    function EditCanModify: Boolean; virtual;
    procedure Reset; virtual;
    function GetFirstEditChar: Integer;
    function GetLastEditChar: Integer;
    function GetNextEditChar(Offset: Integer): Integer;
    function GetPriorEditChar(Offset: Integer): Integer;
    function GetMaxChars: Integer;
    function Validate(const Value: string; var Pos: Integer): Boolean; virtual;
    procedure ValidateError; virtual;
    procedure CheckCursor;
    procedure KeyDown(var Key: Word; Shift: TShiftState); override;
    procedure KeyUp(var Key: Word; Shift: TShiftState); override;
    procedure KeyPress(var Key: Char); override;
    property EditMask: TEditMask read FEditMask write SetEditMask;
    property MaskState: TMaskedState read FMaskState write FMaskState;
    property MaxLength: Integer read GetMaxLength write SetMaxLength default 0;
  public
    constructor Create(AOwner: TComponent); override;
    procedure ValidateEdit; virtual;
    procedure Clear; override;
    function GetTextLen: Integer;
    property IsMasked: Boolean read GetMasked;
    property EditText: string read GetEditText write SetEditText;
    property Text: string read GetText write SetText;
  end;

  TMaskEdit = class(TCustomMaskEdit)
  published
    property AutoSelect;
    property AutoSize;
    property BorderStyle;
    property CharCase;
    property Color;
    property Ctl3D;
    property DragCursor;
    property DragMode;
    property Enabled;
    property EditMask;
    property Font;
    property ImeMode;
    property ImeName;
    property MaxLength;
    property ParentColor;
    property ParentCtl3D;
    property ParentFont;
    property ParentShowHint;
    property PasswordChar;
    property PopupMenu;
    property ReadOnly;
    property ShowHint;
    property TabOrder;
    property TabStop;
    property Text;
    property Visible;
    property OnChange;
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

function FormatMaskText(const EditMask: string; const Value: string): string;
function MaskGetMaskSave(const EditMask: string): Boolean;
function MaskGetMaskBlank(const EditMask: string): Char;
function MaskGetFldSeparator(const EditMask: string): Integer;

implementation

function MaskGetFldSeparator(const EditMask: string): Integer;
var
  I: Integer;
begin
  Result := -1;
  for I := Length(EditMask) downto 1 do
    if EditMask[I] = MaskFieldSeparator then
    begin
      Result := I;
      Exit;
    end;
end;

function MaskGetMaskSave(const EditMask: string): Boolean;
var
  I: Integer;
begin
  Result := True;
  I := MaskGetFldSeparator(EditMask);
  if (I > 0) and (I < Length(EditMask)) then
    Result := EditMask[I + 1] <> MaskNoSave;
end;

function MaskGetMaskBlank(const EditMask: string): Char;
var
  I: Integer;
begin
  Result := DefaultBlank;
  I := Length(EditMask);
  if (I > 2) and (EditMask[I - 1] = MaskFieldSeparator) then
    Result := EditMask[I];
end;

function FormatMaskText(const EditMask: string; const Value: string): string;
var
  Edit: TCustomMaskEdit;
begin
  Edit := TCustomMaskEdit.Create(nil);
  try
    Edit.EditMask := EditMask;
    Edit.EditText := Value;
    Result := Edit.EditText;
  finally
    Edit.Free;
  end;
end;

{ TCustomMaskEdit }

function TCustomMaskEdit.DoInputChar(var NewChar: Char; MaskOffset: Integer): Boolean;
begin
  Result := False;
end;

function TCustomMaskEdit.InputChar(var NewChar: Char; Offset: Integer): Boolean;
begin
  Result := False;
end;

function TCustomMaskEdit.DeleteSelection(var Value: string; Offset: Integer;
      Len: Integer): Boolean;
begin
  Result := False;
end;

function TCustomMaskEdit.InputString(var Value: string; const NewValue: string;
      Offset: Integer): Integer;
begin
  Result := 0;
end;

function TCustomMaskEdit.AddEditFormat(const Value: string; Active: Boolean): string;
begin
  Result := '';
end;

function TCustomMaskEdit.RemoveEditFormat(const Value: string): string;
begin
  Result := '';
end;

function TCustomMaskEdit.FindLiteralChar(MaskOffset: Integer; InChar: Char): Integer;
begin
  Result := 0;
end;

function TCustomMaskEdit.GetEditText: string;
begin
  Result := '';
end;

function TCustomMaskEdit.GetMasked: Boolean;
begin
  Result := EditMask <> '';
end;

function TCustomMaskEdit.GetText: string;
begin
  Result := '';
end;

function TCustomMaskEdit.GetMaxLength: Integer;
begin
  Result := 0;
end;

function TCustomMaskEdit.CharKeys(var CharCode: Char): Boolean;
begin
  Result := False;
end;

procedure TCustomMaskEdit.SetEditText(const Value: string);
begin
end;

procedure TCustomMaskEdit.SetEditMask(const Value: TEditMask);
begin
  if FEditMask <> Value then
  begin
    FEditMask := Value;
    Invalidate;
  end;
end;

procedure TCustomMaskEdit.SetMaxLength(Value: Integer);
begin
end;

procedure TCustomMaskEdit.SetText(const Value: string);
begin
end;

procedure TCustomMaskEdit.DeleteKeys(CharCode: Word);
begin
end;

procedure TCustomMaskEdit.HomeEndKeys(CharCode: Word; Shift: TShiftState);
begin
end;

procedure TCustomMaskEdit.CursorInc(CursorPos: Integer; Incr: Integer);
begin
end;

procedure TCustomMaskEdit.CursorDec(CursorPos: Integer);
begin
end;

procedure TCustomMaskEdit.ArrowKeys(CharCode: Word; Shift: TShiftState);
begin
end;

procedure TCustomMaskEdit.WMLButtonDown(var Message: TWMLButtonDown);
begin
  inherited;
end;

procedure TCustomMaskEdit.WMLButtonUp(var Message: TWMLButtonUp);
begin
  inherited;
end;

procedure TCustomMaskEdit.WMSetFocus(var Message: TWMSetFocus);
begin
  inherited;
end;

procedure TCustomMaskEdit.WMCut(var Message: TMessage);
begin
  inherited;
end;

procedure TCustomMaskEdit.WMPaste(var Message: TMessage);
begin
  inherited;
end;

procedure TCustomMaskEdit.CMEnter(var Message: TCMEnter);
begin
  inherited;
end;

procedure TCustomMaskEdit.CMExit(var Message: TCMExit);
begin
  inherited;
end;

procedure TCustomMaskEdit.CMWantSpecialKey(var Message: TCMWantSpecialKey);
begin
  inherited;
end;

procedure TCustomMaskEdit.ReformatText(const NewMask: string);
begin
end;

procedure TCustomMaskEdit.GetSel(var SelStart: Integer; var SelStop: Integer);
begin
end;

procedure TCustomMaskEdit.SetSel(SelStart: Integer; SelStop: Integer);
begin
end;

procedure TCustomMaskEdit.SetCursor(Pos: Integer);
begin
end;

procedure TCustomMaskEdit.HandleOnKeyPress;
begin
end;

function TCustomMaskEdit.EditCanModify: Boolean;
begin
  Result := False;
end;

procedure TCustomMaskEdit.Reset;
begin
  if Modified then
  begin
    EditText := FOldValue;
    Modified := False;
  end;
end;

function TCustomMaskEdit.GetFirstEditChar: Integer;
begin
  Result := 0;
end;

function TCustomMaskEdit.GetLastEditChar: Integer;
begin
  Result := 0;
end;

function TCustomMaskEdit.GetNextEditChar(Offset: Integer): Integer;
begin
  Result := 0;
end;

function TCustomMaskEdit.GetPriorEditChar(Offset: Integer): Integer;
begin
  Result := 0;
end;

function TCustomMaskEdit.GetMaxChars: Integer;
begin
  Result := FMaxChars;
end;

function TCustomMaskEdit.Validate(const Value: string; var Pos: Integer): Boolean;
begin
  Result := False;
end;

procedure TCustomMaskEdit.ValidateError;
begin
  MessageBeep(0);
  raise EDBEditError.Create('Invalid input value. Use escape key to abandon changes');
end;

procedure TCustomMaskEdit.CheckCursor;
begin
end;

procedure TCustomMaskEdit.KeyDown(var Key: Word; Shift: TShiftState);
begin
  inherited KeyDown(Key, Shift);
end;

procedure TCustomMaskEdit.KeyUp(var Key: Word; Shift: TShiftState);
begin
  inherited KeyUp(Key, Shift);
end;

procedure TCustomMaskEdit.KeyPress(var Key: Char);
begin
  inherited KeyPress(Key);
end;

constructor TCustomMaskEdit.Create(AOwner: TComponent);
begin
  inherited Create(AOwner);
  FMaskState := [];
  FMaskBlank := DefaultBlank;
end;

procedure TCustomMaskEdit.ValidateEdit;
begin
end;

procedure TCustomMaskEdit.Clear;
begin
  inherited Clear;
end;

function TCustomMaskEdit.GetTextLen: Integer;
begin
  Result := 0;
end;

end.
