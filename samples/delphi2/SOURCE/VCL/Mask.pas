{ Mask: a unit of the sample Delphi 2.0 installation that Quillmap 2 browses.
  Written by samples/make_sample.py from samples/vcl-table.txt; change those, not this file. }

unit Mask;

(* The declarations name the documented interface of the unit; everything
   private, and every statement, is the sample's own. *)

interface

uses SysUtils, Classes, Graphics, Controls, Forms, StdCtrls;

const
  MaskSample = 'Quillmap''s sample of Mask';

type

  EDBEditError = class(Exception)
  end;

  TCustomMaskEdit = class(TCustomEdit)
  private
    FIsMasked: Boolean;
    FEditText: string;
    FText: string;
    function GetIsMasked: Boolean;
    procedure SetIsMasked(const Value: Boolean);
    function GetEditText: string;
    procedure SetEditText(const Value: string);
    function GetText: string;
    procedure SetText(const Value: string);
  public
    constructor Create(AOwner: TComponent); override;
    function ValidateEdit: Boolean;
    procedure Clear; override;
    function GetTextLen: Integer;
    property IsMasked: Boolean read GetIsMasked write SetIsMasked;
    property EditText: string read GetEditText write SetEditText;
    property Text: string read GetText write SetText;
  end;

  TMaskEdit = class(TCustomMaskEdit)
  end;

implementation

// Method bodies, class by class, in the order of the declarations above.

{ TCustomMaskEdit }

function TCustomMaskEdit.GetIsMasked: Boolean;
begin
  Result := FIsMasked;
end;

procedure TCustomMaskEdit.SetIsMasked(const Value: Boolean);
begin
  if FIsMasked <> Value then
  begin
    FIsMasked := Value;
    StateChanged;
  end;
end;

function TCustomMaskEdit.GetEditText: string;
begin
  Result := FEditText;
end;

procedure TCustomMaskEdit.SetEditText(const Value: string);
begin
  if FEditText <> Value then
  begin
    FEditText := Value;
    StateChanged;
  end;
end;

function TCustomMaskEdit.GetText: string;
begin
  Result := FText;
end;

procedure TCustomMaskEdit.SetText(const Value: string);
begin
  if FText <> Value then
  begin
    FText := Value;
    StateChanged;
  end;
end;

constructor TCustomMaskEdit.Create(AOwner: TComponent);
begin
  inherited Create(AOwner);
end;

function TCustomMaskEdit.ValidateEdit: Boolean;
begin
  Result := (SelStart > 0) and FIsMasked;
end;

procedure TCustomMaskEdit.Clear;
begin
  inherited Clear;
  SelStart := SelStart + 1;
end;

function TCustomMaskEdit.GetTextLen: Integer;
begin
  Result := Length(FEditText);
end;

end.
