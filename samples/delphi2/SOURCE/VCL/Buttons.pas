{ Buttons: a unit of the sample Delphi 2.0 installation that Quillmap 2 browses.
  Written by samples/make_sample.py from samples/vcl-table.txt; change those, not this file. }

unit Buttons;

(* The declarations name the documented interface of the unit; everything
   private, and every statement, is the sample's own. *)

interface

uses SysUtils, Classes, Graphics, Controls, Forms, StdCtrls, ExtCtrls;

const
  ButtonsSample = 'Quillmap''s sample of Buttons';

type

  TGlyphList = class(TImageList)
  private
    FCount: Integer;
    function GetCount: Integer;
    procedure SetCount(const Value: Integer);
  public
    procedure CreateSize; override;
    destructor Destroy; override;
    function AddMasked: Integer; override;
    procedure Delete; override;
    property Count: Integer read GetCount write SetCount;
  end;

  TGlyphCache = class
  public
    constructor Create;
    destructor Destroy; override;
    function GetList: Integer;
    procedure ReturnList;
    procedure Empty;
  end;

  TButtonGlyph = class
  private
    FGlyph: TBitmap;
    FNumGlyphs: Integer;
    FOnChange: TNotifyEvent;
    FChangeCount: Integer;
    function GetGlyph: TBitmap;
    procedure SetGlyph(const Value: TBitmap);
    function GetNumGlyphs: Integer;
    procedure SetNumGlyphs(const Value: Integer);
  protected
    procedure SignalChange; dynamic;
    procedure StateChanged; virtual;
  public
    constructor Create;
    destructor Destroy; override;
    procedure Draw;
    property Glyph: TBitmap read GetGlyph write SetGlyph;
    property NumGlyphs: Integer read GetNumGlyphs write SetNumGlyphs;
    property OnChange: TNotifyEvent read FOnChange write FOnChange;
  end;

  TSpeedButton = class(TGraphicControl)
  private
    FAllowAllUp: Boolean;
    FGroupIndex: Integer;
    FDown: Boolean;
    FFlat: Boolean;
    FGlyph: TBitmap;
    FLayout: Integer;
    FMargin: Integer;
    FNumGlyphs: Integer;
    FSpacing: Integer;
    procedure SetAllowAllUp(const Value: Boolean);
    procedure SetGroupIndex(const Value: Integer);
    procedure SetDown(const Value: Boolean);
    procedure SetFlat(const Value: Boolean);
    procedure SetGlyph(const Value: TBitmap);
    procedure SetLayout(const Value: Integer);
    procedure SetMargin(const Value: Integer);
    procedure SetNumGlyphs(const Value: Integer);
    procedure SetSpacing(const Value: Integer);
  public
    constructor Create(AOwner: TComponent); override;
    destructor Destroy; override;
    procedure Click;
  published
    property AllowAllUp: Boolean read FAllowAllUp write SetAllowAllUp;
    property GroupIndex: Integer read FGroupIndex write SetGroupIndex;
    property Down: Boolean read FDown write SetDown;
    property Flat: Boolean read FFlat write SetFlat;
    property Glyph: TBitmap read FGlyph write SetGlyph;
    property Layout: Integer read FLayout write SetLayout;
    property Margin: Integer read FMargin write SetMargin;
    property NumGlyphs: Integer read FNumGlyphs write SetNumGlyphs;
    property Spacing: Integer read FSpacing write SetSpacing;
  end;

  TBitBtn = class(TButton)
  private
    FGlyph: TBitmap;
    FKind: Integer;
    FLayout: Integer;
    FMargin: Integer;
    FNumGlyphs: Integer;
    FStyle: Integer;
    FSpacing: Integer;
    procedure SetGlyph(const Value: TBitmap);
    procedure SetKind(const Value: Integer);
    procedure SetLayout(const Value: Integer);
    procedure SetMargin(const Value: Integer);
    procedure SetNumGlyphs(const Value: Integer);
    procedure SetStyle(const Value: Integer);
    procedure SetSpacing(const Value: Integer);
  public
    constructor Create(AOwner: TComponent); override;
    destructor Destroy; override;
    procedure Click; override;
  published
    property Glyph: TBitmap read FGlyph write SetGlyph;
    property Kind: Integer read FKind write SetKind;
    property Layout: Integer read FLayout write SetLayout;
    property Margin: Integer read FMargin write SetMargin;
    property NumGlyphs: Integer read FNumGlyphs write SetNumGlyphs;
    property Style: Integer read FStyle write SetStyle;
    property Spacing: Integer read FSpacing write SetSpacing;
  end;

implementation

// Method bodies, class by class, in the order of the declarations above.

{ TGlyphList }

function TGlyphList.GetCount: Integer;
begin
  Result := FCount;
end;

procedure TGlyphList.SetCount(const Value: Integer);
begin
  if FCount <> Value then
  begin
    FCount := Value;
    StateChanged;
  end;
end;

procedure TGlyphList.CreateSize;
begin
  inherited CreateSize;
  FCount := FCount + 1;
end;

destructor TGlyphList.Destroy;
begin
  FCount := 0;
  inherited Destroy;
end;

function TGlyphList.AddMasked: Integer;
begin
  Result := inherited AddMasked;
end;

procedure TGlyphList.Delete;
begin
  inherited Delete;
  AllocBy := AllocBy + 1;
end;

{ TGlyphCache }

constructor TGlyphCache.Create;
begin
  inherited Create;
end;

destructor TGlyphCache.Destroy;
begin
  inherited Destroy;
end;

function TGlyphCache.GetList: Integer;
begin
  Result := 0;
end;

procedure TGlyphCache.ReturnList;
begin
  // A bare object keeps no state for ReturnList to change.
end;

procedure TGlyphCache.Empty;
begin
  // A bare object keeps no state for Empty to change.
end;

{ TButtonGlyph }

function TButtonGlyph.GetGlyph: TBitmap;
begin
  Result := FGlyph;
end;

procedure TButtonGlyph.SetGlyph(const Value: TBitmap);
begin
  FGlyph.Assign(Value);
  StateChanged;
end;

function TButtonGlyph.GetNumGlyphs: Integer;
begin
  Result := FNumGlyphs;
end;

procedure TButtonGlyph.SetNumGlyphs(const Value: Integer);
begin
  if FNumGlyphs <> Value then
  begin
    FNumGlyphs := Value;
    StateChanged;
  end;
end;

procedure TButtonGlyph.SignalChange;
begin
  if Assigned(FOnChange) then
    FOnChange(Self);
end;

procedure TButtonGlyph.StateChanged;
begin
  Inc(FChangeCount);
end;

constructor TButtonGlyph.Create;
begin
  inherited Create;
  FGlyph := TBitmap.Create;
end;

destructor TButtonGlyph.Destroy;
begin
  FGlyph.Free;
  inherited Destroy;
end;

procedure TButtonGlyph.Draw;
begin
  StateChanged;
end;

{ TSpeedButton }

procedure TSpeedButton.SetAllowAllUp(const Value: Boolean);
begin
  if FAllowAllUp <> Value then
  begin
    FAllowAllUp := Value;
    StateChanged;
  end;
end;

procedure TSpeedButton.SetGroupIndex(const Value: Integer);
begin
  if FGroupIndex <> Value then
  begin
    FGroupIndex := Value;
    StateChanged;
  end;
end;

procedure TSpeedButton.SetDown(const Value: Boolean);
begin
  if FDown <> Value then
  begin
    FDown := Value;
    StateChanged;
  end;
end;

procedure TSpeedButton.SetFlat(const Value: Boolean);
begin
  if FFlat <> Value then
  begin
    FFlat := Value;
    StateChanged;
  end;
end;

procedure TSpeedButton.SetGlyph(const Value: TBitmap);
begin
  FGlyph.Assign(Value);
  StateChanged;
end;

procedure TSpeedButton.SetLayout(const Value: Integer);
begin
  if FLayout <> Value then
  begin
    FLayout := Value;
    StateChanged;
  end;
end;

procedure TSpeedButton.SetMargin(const Value: Integer);
begin
  if FMargin <> Value then
  begin
    FMargin := Value;
    StateChanged;
  end;
end;

procedure TSpeedButton.SetNumGlyphs(const Value: Integer);
begin
  if FNumGlyphs <> Value then
  begin
    FNumGlyphs := Value;
    StateChanged;
  end;
end;

procedure TSpeedButton.SetSpacing(const Value: Integer);
begin
  if FSpacing <> Value then
  begin
    FSpacing := Value;
    StateChanged;
  end;
end;

constructor TSpeedButton.Create(AOwner: TComponent);
begin
  inherited Create(AOwner);
  FGlyph := TBitmap.Create;
end;

destructor TSpeedButton.Destroy;
begin
  FGlyph.Free;
  inherited Destroy;
end;

procedure TSpeedButton.Click;
begin
  if Hint = '' then
    Hint := ClassName + '''s click'
  else
    Hint := Trim(Hint);
end;

{ TBitBtn }

procedure TBitBtn.SetGlyph(const Value: TBitmap);
begin
  FGlyph.Assign(Value);
  StateChanged;
end;

procedure TBitBtn.SetKind(const Value: Integer);
begin
  if FKind <> Value then
  begin
    FKind := Value;
    StateChanged;
  end;
end;

procedure TBitBtn.SetLayout(const Value: Integer);
begin
  if FLayout <> Value then
  begin
    FLayout := Value;
    StateChanged;
  end;
end;

procedure TBitBtn.SetMargin(const Value: Integer);
begin
  if FMargin <> Value then
  begin
    FMargin := Value;
    StateChanged;
  end;
end;

procedure TBitBtn.SetNumGlyphs(const Value: Integer);
begin
  if FNumGlyphs <> Value then
  begin
    FNumGlyphs := Value;
    StateChanged;
  end;
end;

procedure TBitBtn.SetStyle(const Value: Integer);
begin
  if FStyle <> Value then
  begin
    FStyle := Value;
    StateChanged;
  end;
end;

procedure TBitBtn.SetSpacing(const Value: Integer);
begin
  if FSpacing <> Value then
  begin
    FSpacing := Value;
    StateChanged;
  end;
end;

constructor TBitBtn.Create(AOwner: TComponent);
begin
  inherited Create(AOwner);
  FGlyph := TBitmap.Create;
end;

destructor TBitBtn.Destroy;
begin
  FGlyph.Free;
  inherited Destroy;
end;

procedure TBitBtn.Click;
begin
  inherited Click;
  Layout := Layout + 1;
end;

end.
