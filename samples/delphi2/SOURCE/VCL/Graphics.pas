{ Graphics: a unit of the sample Delphi 2.0 installation that Quillmap 2 browses.
  Written by samples/make_sample.py from samples/vcl-table.txt; change those, not this file. }

unit Graphics;

(* The declarations name the documented interface of the unit; everything
   private, and every statement, is the sample's own. *)

interface

uses SysUtils, Classes;

const
  GraphicsSample = 'Quillmap''s sample of Graphics';
  clBlack = $000000;
  clWhite = $FFFFFF;
  clBtnFace = -2147483633;

type
  TColor = -2147483647-1..2147483647;
  TFontStyle = (fsBold, fsItalic, fsUnderline, fsStrikeOut);

  EInvalidGraphic = class(Exception)
  end;

  EInvalidGraphicOperation = class(Exception)
  end;

  TResourceManager = class
  private
    FCount: Integer;
    FChangeCount: Integer;
    function GetCount: Integer;
    procedure SetCount(const Value: Integer);
  protected
    procedure StateChanged; virtual;
  public
    constructor Create;
    destructor Destroy; override;
    procedure AllocResource;
    procedure FreeResource;
    procedure ChangeResource;
    procedure AssignResource;
    property Count: Integer read GetCount write SetCount;
  end;

  TFontManager = class(TResourceManager)
  end;

  TPenManager = class(TResourceManager)
  end;

  TBrushManager = class(TResourceManager)
  end;

  TGraphicsObject = class(TPersistent)
  private
    FOnChange: TNotifyEvent;
  protected
    procedure SignalChange; dynamic;
  public
    property OnChange: TNotifyEvent read FOnChange write FOnChange;
  end;

  TFont = class(TGraphicsObject)
  private
    FHandle: THandle;
    FPixelsPerInch: Integer;
    FColor: TColor;
    FHeight: Integer;
    FName: string;
    FPitch: Integer;
    FSize: Integer;
    FStyle: Integer;
    function GetHandle: THandle;
    procedure SetHandle(const Value: THandle);
    function GetPixelsPerInch: Integer;
    procedure SetPixelsPerInch(const Value: Integer);
    procedure SetColor(const Value: TColor);
    procedure SetHeight(const Value: Integer);
    procedure SetName(const Value: string);
    procedure SetPitch(const Value: Integer);
    procedure SetSize(const Value: Integer);
    procedure SetStyle(const Value: Integer);
  public
    constructor Create;
    destructor Destroy; override;
    procedure Assign(Source: TPersistent); override;
    property Handle: THandle read GetHandle write SetHandle;
    property PixelsPerInch: Integer read GetPixelsPerInch write SetPixelsPerInch;
  published
    property Color: TColor read FColor write SetColor;
    property Height: Integer read FHeight write SetHeight;
    property Name: string read FName write SetName;
    property Pitch: Integer read FPitch write SetPitch;
    property Size: Integer read FSize write SetSize;
    property Style: Integer read FStyle write SetStyle;
  end;

  TPen = class(TGraphicsObject)
  private
    FHandle: THandle;
    FColor: TColor;
    FMode: Integer;
    FStyle: Integer;
    FWidth: Integer;
    function GetHandle: THandle;
    procedure SetHandle(const Value: THandle);
    procedure SetColor(const Value: TColor);
    procedure SetMode(const Value: Integer);
    procedure SetStyle(const Value: Integer);
    procedure SetWidth(const Value: Integer);
  public
    constructor Create;
    destructor Destroy; override;
    procedure Assign(Source: TPersistent); override;
    property Handle: THandle read GetHandle write SetHandle;
  published
    property Color: TColor read FColor write SetColor;
    property Mode: Integer read FMode write SetMode;
    property Style: Integer read FStyle write SetStyle;
    property Width: Integer read FWidth write SetWidth;
  end;

  TBrush = class(TGraphicsObject)
  private
    FBitmap: TBitmap;
    FHandle: THandle;
    FColor: TColor;
    FStyle: Integer;
    function GetBitmap: TBitmap;
    procedure SetBitmap(const Value: TBitmap);
    function GetHandle: THandle;
    procedure SetHandle(const Value: THandle);
    procedure SetColor(const Value: TColor);
    procedure SetStyle(const Value: Integer);
  public
    constructor Create;
    destructor Destroy; override;
    procedure Assign(Source: TPersistent); override;
    property Bitmap: TBitmap read GetBitmap write SetBitmap;
    property Handle: THandle read GetHandle write SetHandle;
  published
    property Color: TColor read FColor write SetColor;
    property Style: Integer read FStyle write SetStyle;
  end;

  TCanvas = class(TPersistent)
  private
    FClipRect: Integer;
    FHandle: THandle;
    FPenPos: Integer;
    FPixels: Integer;
    FOnChange: TNotifyEvent;
    FOnChanging: TChangingEvent;
    FBrush: TBrush;
    FCopyMode: Integer;
    FFont: TFont;
    FPen: TPen;
    function GetClipRect: Integer;
    procedure SetClipRect(const Value: Integer);
    function GetHandle: THandle;
    procedure SetHandle(const Value: THandle);
    function GetPenPos: Integer;
    procedure SetPenPos(const Value: Integer);
    function GetPixels: Integer;
    procedure SetPixels(const Value: Integer);
    procedure SetBrush(const Value: TBrush);
    procedure SetCopyMode(const Value: Integer);
    procedure SetFont(const Value: TFont);
    procedure SetPen(const Value: TPen);
  protected
    procedure SignalChange; dynamic;
  public
    constructor Create;
    destructor Destroy; override;
    procedure Arc;
    procedure BrushCopy;
    procedure Chord;
    procedure CopyRect;
    procedure Draw;
    procedure DrawFocusRect;
    procedure Ellipse;
    procedure FillRect;
    procedure FloodFill;
    procedure FrameRect;
    procedure LineTo;
    procedure MoveTo;
    procedure Pie;
    procedure Polygon;
    procedure Polyline;
    procedure Rectangle;
    procedure Refresh;
    procedure RoundRect;
    procedure StretchDraw;
    function TextExtent: string;
    function TextHeight: string;
    function TextOut: string;
    function TextRect: string;
    function TextWidth: string;
    property ClipRect: Integer read GetClipRect write SetClipRect;
    property Handle: THandle read GetHandle write SetHandle;
    property PenPos: Integer read GetPenPos write SetPenPos;
    property Pixels: Integer read GetPixels write SetPixels;
    property OnChange: TNotifyEvent read FOnChange write FOnChange;
    property OnChanging: TChangingEvent read FOnChanging write FOnChanging;
  published
    property Brush: TBrush read FBrush write SetBrush;
    property CopyMode: Integer read FCopyMode write SetCopyMode;
    property Font: TFont read FFont write SetFont;
    property Pen: TPen read FPen write SetPen;
  end;

  TGraphic = class(TPersistent)
  private
    FEmpty: Boolean;
    FHeight: Integer;
    FModified: Boolean;
    FWidth: Integer;
    FOnChange: TNotifyEvent;
    function GetEmpty: Boolean;
    procedure SetEmpty(const Value: Boolean);
    function GetHeight: Integer;
    procedure SetHeight(const Value: Integer);
    function GetModified: Boolean;
    procedure SetModified(const Value: Boolean);
    function GetWidth: Integer;
    procedure SetWidth(const Value: Integer);
  protected
    procedure SignalChange; dynamic;
  public
    constructor Create;
    procedure LoadFromFile;
    procedure SaveToFile; virtual;
    procedure LoadFromStream; virtual;
    procedure SaveToStream; virtual;
    procedure LoadFromClipboardFormat; virtual;
    procedure SaveToClipboardFormat; virtual;
    property Empty: Boolean read GetEmpty write SetEmpty;
    property Height: Integer read GetHeight write SetHeight;
    property Modified: Boolean read GetModified write SetModified;
    property Width: Integer read GetWidth write SetWidth;
    property OnChange: TNotifyEvent read FOnChange write FOnChange;
  end;

  TPicture = class(TPersistent)
  private
    FBitmap: TBitmap;
    FGraphic: Integer;
    FHeight: Integer;
    FIcon: TIcon;
    FMetafile: Integer;
    FWidth: Integer;
    FOnChange: TNotifyEvent;
    function GetBitmap: TBitmap;
    procedure SetBitmap(const Value: TBitmap);
    function GetGraphic: Integer;
    procedure SetGraphic(const Value: Integer);
    function GetHeight: Integer;
    procedure SetHeight(const Value: Integer);
    function GetIcon: TIcon;
    procedure SetIcon(const Value: TIcon);
    function GetMetafile: Integer;
    procedure SetMetafile(const Value: Integer);
    function GetWidth: Integer;
    procedure SetWidth(const Value: Integer);
  protected
    procedure SignalChange; dynamic;
  public
    constructor Create;
    destructor Destroy; override;
    procedure LoadFromFile;
    procedure SaveToFile;
    procedure LoadFromClipboardFormat;
    procedure SaveToClipboardFormat;
    procedure SupportsClipboardFormat;
    procedure Assign(Source: TPersistent); override;
    procedure RegisterFileFormat;
    procedure RegisterClipboardFormat;
    procedure UnregisterGraphicClass;
    property Bitmap: TBitmap read GetBitmap write SetBitmap;
    property Graphic: Integer read GetGraphic write SetGraphic;
    property Height: Integer read GetHeight write SetHeight;
    property Icon: TIcon read GetIcon write SetIcon;
    property Metafile: Integer read GetMetafile write SetMetafile;
    property Width: Integer read GetWidth write SetWidth;
    property OnChange: TNotifyEvent read FOnChange write FOnChange;
  end;

  TMetafileCanvas = class(TCanvas)
  public
    constructor Create;
    destructor Destroy; override;
  end;

  TSharedImage = class
  end;

  TMetafileImage = class(TSharedImage)
  public
    destructor Destroy; override;
  end;

  TMetafile = class(TGraphic)
  private
    FCreatedBy: Integer;
    FDescription: Integer;
    FEnhanced: Integer;
    FHandle: THandle;
    FMMWidth: Integer;
    FMMHeight: Integer;
    FInch: Integer;
    function GetCreatedBy: Integer;
    procedure SetCreatedBy(const Value: Integer);
    function GetDescription: Integer;
    procedure SetDescription(const Value: Integer);
    function GetEnhanced: Integer;
    procedure SetEnhanced(const Value: Integer);
    function GetHandle: THandle;
    procedure SetHandle(const Value: THandle);
    function GetMMWidth: Integer;
    procedure SetMMWidth(const Value: Integer);
    function GetMMHeight: Integer;
    procedure SetMMHeight(const Value: Integer);
    function GetInch: Integer;
    procedure SetInch(const Value: Integer);
  public
    constructor Create;
    destructor Destroy; override;
    procedure Clear;
    procedure LoadFromStream; override;
    procedure SaveToFile; override;
    procedure SaveToStream; override;
    procedure LoadFromClipboardFormat; override;
    procedure SaveToClipboardFormat; override;
    procedure Assign(Source: TPersistent); override;
    procedure ReleaseHandle;
    property CreatedBy: Integer read GetCreatedBy write SetCreatedBy;
    property Description: Integer read GetDescription write SetDescription;
    property Enhanced: Integer read GetEnhanced write SetEnhanced;
    property Handle: THandle read GetHandle write SetHandle;
    property MMWidth: Integer read GetMMWidth write SetMMWidth;
    property MMHeight: Integer read GetMMHeight write SetMMHeight;
    property Inch: Integer read GetInch write SetInch;
  end;

  TBitmapImage = class(TSharedImage)
  public
    destructor Destroy; override;
  end;

  TBitmap = class(TGraphic)
  private
    FCanvas: Boolean;
    FHandle: THandle;
    FIgnorePalette: Integer;
    FMaskHandle: THandle;
    FMonochrome: Integer;
    FPalette: Integer;
    FTransparentColor: TColor;
    function GetCanvas: Boolean;
    procedure SetCanvas(const Value: Boolean);
    function GetHandle: THandle;
    procedure SetHandle(const Value: THandle);
    function GetIgnorePalette: Integer;
    procedure SetIgnorePalette(const Value: Integer);
    function GetMaskHandle: THandle;
    procedure SetMaskHandle(const Value: THandle);
    function GetMonochrome: Integer;
    procedure SetMonochrome(const Value: Integer);
    function GetPalette: Integer;
    procedure SetPalette(const Value: Integer);
    function GetTransparentColor: TColor;
    procedure SetTransparentColor(const Value: TColor);
  public
    constructor Create;
    destructor Destroy; override;
    procedure Assign(Source: TPersistent); override;
    procedure Dormant;
    procedure FreeImage;
    procedure LoadFromClipboardFormat; override;
    procedure LoadFromStream; override;
    procedure LoadFromResourceName;
    procedure LoadFromResourceID;
    procedure Mask;
    procedure ReleaseHandle;
    procedure ReleaseMaskHandle;
    procedure ReleasePalette;
    procedure SaveToClipboardFormat; override;
    procedure SaveToStream; override;
    property Canvas: Boolean read GetCanvas write SetCanvas;
    property Handle: THandle read GetHandle write SetHandle;
    property IgnorePalette: Integer read GetIgnorePalette write SetIgnorePalette;
    property MaskHandle: THandle read GetMaskHandle write SetMaskHandle;
    property Monochrome: Integer read GetMonochrome write SetMonochrome;
    property Palette: Integer read GetPalette write SetPalette;
    property TransparentColor: TColor read GetTransparentColor write SetTransparentColor;
  end;

  TIconImage = class(TSharedImage)
  public
    destructor Destroy; override;
  end;

  TIcon = class(TGraphic)
  private
    FHandle: THandle;
    function GetHandle: THandle;
    procedure SetHandle(const Value: THandle);
  public
    destructor Destroy; override;
    procedure Assign(Source: TPersistent); override;
    procedure LoadFromStream; override;
    procedure ReleaseHandle;
    procedure SaveToStream; override;
    procedure LoadFromClipboardFormat; override;
    procedure SaveToClipboardFormat; override;
    property Handle: THandle read GetHandle write SetHandle;
  end;

  TGraphicClass = class of TGraphic;

implementation

// Method bodies, class by class, in the order of the declarations above.

{ TResourceManager }

function TResourceManager.GetCount: Integer;
begin
  Result := FCount;
end;

procedure TResourceManager.SetCount(const Value: Integer);
begin
  if FCount <> Value then
  begin
    FCount := Value;
    StateChanged;
  end;
end;

procedure TResourceManager.StateChanged;
begin
  Inc(FChangeCount);
end;

constructor TResourceManager.Create;
begin
  inherited Create;
end;

destructor TResourceManager.Destroy;
begin
  FChangeCount := 0;
  inherited Destroy;
end;

procedure TResourceManager.AllocResource;
var
  Pass: Integer;
begin
  for Pass := 1 to FCount do
    FreeResource;
end;

procedure TResourceManager.FreeResource;
var
  Pass: Integer;
begin
  for Pass := 1 to FChangeCount do
    ChangeResource;
end;

procedure TResourceManager.ChangeResource;
var
  Pass: Integer;
begin
  for Pass := 1 to FChangeCount do
    FreeResource;
end;

procedure TResourceManager.AssignResource;
var
  Pass: Integer;
begin
  for Pass := 1 to Count do
    FreeResource;
end;

{ TGraphicsObject }

procedure TGraphicsObject.SignalChange;
begin
  if Assigned(FOnChange) then
    FOnChange(Self);
end;

{ TFont }

function TFont.GetHandle: THandle;
begin
  Result := FHandle;
end;

procedure TFont.SetHandle(const Value: THandle);
begin
  if FHandle <> Value then
  begin
    FHandle := Value;
    StateChanged;
  end;
end;

function TFont.GetPixelsPerInch: Integer;
begin
  Result := FPixelsPerInch;
end;

procedure TFont.SetPixelsPerInch(const Value: Integer);
begin
  if FPixelsPerInch <> Value then
  begin
    FPixelsPerInch := Value;
    StateChanged;
  end;
end;

procedure TFont.SetColor(const Value: TColor);
begin
  if FColor <> Value then
  begin
    FColor := Value;
    StateChanged;
  end;
end;

procedure TFont.SetHeight(const Value: Integer);
begin
  if FHeight <> Value then
  begin
    FHeight := Value;
    StateChanged;
  end;
end;

procedure TFont.SetName(const Value: string);
begin
  if FName <> Value then
  begin
    FName := Value;
    StateChanged;
  end;
end;

procedure TFont.SetPitch(const Value: Integer);
begin
  if FPitch <> Value then
  begin
    FPitch := Value;
    StateChanged;
  end;
end;

procedure TFont.SetSize(const Value: Integer);
begin
  if FSize <> Value then
  begin
    FSize := Value;
    StateChanged;
  end;
end;

procedure TFont.SetStyle(const Value: Integer);
begin
  if FStyle <> Value then
  begin
    FStyle := Value;
    StateChanged;
  end;
end;

constructor TFont.Create;
begin
  inherited Create;
end;

destructor TFont.Destroy;
begin
  Color := 0;
  inherited Destroy;
end;

procedure TFont.Assign(Source: TPersistent);
begin
  inherited Assign(Source);
  Handle := Handle + 1;
end;

{ TPen }

function TPen.GetHandle: THandle;
begin
  Result := FHandle;
end;

procedure TPen.SetHandle(const Value: THandle);
begin
  if FHandle <> Value then
  begin
    FHandle := Value;
    StateChanged;
  end;
end;

procedure TPen.SetColor(const Value: TColor);
begin
  if FColor <> Value then
  begin
    FColor := Value;
    StateChanged;
  end;
end;

procedure TPen.SetMode(const Value: Integer);
begin
  if FMode <> Value then
  begin
    FMode := Value;
    StateChanged;
  end;
end;

procedure TPen.SetStyle(const Value: Integer);
begin
  if FStyle <> Value then
  begin
    FStyle := Value;
    StateChanged;
  end;
end;

procedure TPen.SetWidth(const Value: Integer);
begin
  if FWidth <> Value then
  begin
    FWidth := Value;
    StateChanged;
  end;
end;

constructor TPen.Create;
begin
  inherited Create;
end;

destructor TPen.Destroy;
begin
  Handle := 0;
  inherited Destroy;
end;

procedure TPen.Assign(Source: TPersistent);
begin
  inherited Assign(Source);
  Color := Color + 1;
end;

{ TBrush }

function TBrush.GetBitmap: TBitmap;
begin
  Result := FBitmap;
end;

procedure TBrush.SetBitmap(const Value: TBitmap);
begin
  FBitmap.Assign(Value);
  StateChanged;
end;

function TBrush.GetHandle: THandle;
begin
  Result := FHandle;
end;

procedure TBrush.SetHandle(const Value: THandle);
begin
  if FHandle <> Value then
  begin
    FHandle := Value;
    StateChanged;
  end;
end;

procedure TBrush.SetColor(const Value: TColor);
begin
  if FColor <> Value then
  begin
    FColor := Value;
    StateChanged;
  end;
end;

procedure TBrush.SetStyle(const Value: Integer);
begin
  if FStyle <> Value then
  begin
    FStyle := Value;
    StateChanged;
  end;
end;

constructor TBrush.Create;
begin
  inherited Create;
  FBitmap := TBitmap.Create;
end;

destructor TBrush.Destroy;
begin
  FBitmap.Free;
  inherited Destroy;
end;

procedure TBrush.Assign(Source: TPersistent);
begin
  inherited Assign(Source);
  FHandle := FHandle + 1;
end;

{ TCanvas }

function TCanvas.GetClipRect: Integer;
begin
  Result := FClipRect;
end;

procedure TCanvas.SetClipRect(const Value: Integer);
begin
  if FClipRect <> Value then
  begin
    FClipRect := Value;
    StateChanged;
  end;
end;

function TCanvas.GetHandle: THandle;
begin
  Result := FHandle;
end;

procedure TCanvas.SetHandle(const Value: THandle);
begin
  if FHandle <> Value then
  begin
    FHandle := Value;
    StateChanged;
  end;
end;

function TCanvas.GetPenPos: Integer;
begin
  Result := FPenPos;
end;

procedure TCanvas.SetPenPos(const Value: Integer);
begin
  if FPenPos <> Value then
  begin
    FPenPos := Value;
    StateChanged;
  end;
end;

function TCanvas.GetPixels: Integer;
begin
  Result := FPixels;
end;

procedure TCanvas.SetPixels(const Value: Integer);
begin
  if FPixels <> Value then
  begin
    FPixels := Value;
    StateChanged;
  end;
end;

procedure TCanvas.SetBrush(const Value: TBrush);
begin
  FBrush.Assign(Value);
  StateChanged;
end;

procedure TCanvas.SetCopyMode(const Value: Integer);
begin
  if FCopyMode <> Value then
  begin
    FCopyMode := Value;
    StateChanged;
  end;
end;

procedure TCanvas.SetFont(const Value: TFont);
begin
  FFont.Assign(Value);
  StateChanged;
end;

procedure TCanvas.SetPen(const Value: TPen);
begin
  FPen.Assign(Value);
  StateChanged;
end;

procedure TCanvas.SignalChange;
begin
  if Assigned(FOnChange) then
    FOnChange(Self);
end;

constructor TCanvas.Create;
begin
  inherited Create;
  FBrush := TBrush.Create;
  FFont := TFont.Create;
  FPen := TPen.Create;
end;

destructor TCanvas.Destroy;
begin
  FBrush.Free;
  FFont.Free;
  FPen.Free;
  inherited Destroy;
end;

procedure TCanvas.Arc;
var
  Pass: Integer;
begin
  for Pass := 1 to PenPos do
    Rectangle;
end;

procedure TCanvas.BrushCopy;
var
  Pass: Integer;
begin
  for Pass := 1 to ClipRect do
    Chord;
end;

procedure TCanvas.Chord;
var
  Pass: Integer;
begin
  for Pass := 1 to Pixels do
    StretchDraw;
end;

procedure TCanvas.CopyRect;
var
  Pass: Integer;
begin
  for Pass := 1 to PenPos do
    LineTo;
end;

procedure TCanvas.Draw;
var
  Pass: Integer;
begin
  for Pass := 1 to PenPos do
    Polyline;
end;

procedure TCanvas.DrawFocusRect;
var
  Pass: Integer;
begin
  for Pass := 1 to Handle do
    LineTo;
end;

procedure TCanvas.Ellipse;
var
  Pass: Integer;
begin
  for Pass := 1 to Handle do
    Pie;
end;

procedure TCanvas.FillRect;
var
  Pass: Integer;
begin
  for Pass := 1 to ClipRect do
    StretchDraw;
end;

procedure TCanvas.FloodFill;
var
  Pass: Integer;
begin
  for Pass := 1 to Pixels do
    CopyRect;
end;

procedure TCanvas.FrameRect;
var
  Pass: Integer;
begin
  for Pass := 1 to ClipRect do
    FillRect;
end;

procedure TCanvas.LineTo;
var
  Pass: Integer;
begin
  for Pass := 1 to Pixels do
    Ellipse;
end;

procedure TCanvas.MoveTo;
var
  Pass: Integer;
begin
  for Pass := 1 to Handle do
    Refresh;
end;

procedure TCanvas.Pie;
var
  Pass: Integer;
begin
  for Pass := 1 to Pixels do
    Ellipse;
end;

procedure TCanvas.Polygon;
var
  Pass: Integer;
begin
  for Pass := 1 to ClipRect do
    DrawFocusRect;
end;

procedure TCanvas.Polyline;
var
  Pass: Integer;
begin
  for Pass := 1 to ClipRect do
    Pie;
end;

procedure TCanvas.Rectangle;
var
  Pass: Integer;
begin
  for Pass := 1 to Handle do
    Polyline;
end;

procedure TCanvas.Refresh;
var
  Pass: Integer;
begin
  for Pass := 1 to Handle do
    Polyline;
end;

procedure TCanvas.RoundRect;
var
  Pass: Integer;
begin
  for Pass := 1 to Handle do
    BrushCopy;
end;

procedure TCanvas.StretchDraw;
var
  Pass: Integer;
begin
  for Pass := 1 to PenPos do
    DrawFocusRect;
end;

function TCanvas.TextExtent: string;
begin
  Result := ClassName;
end;

function TCanvas.TextHeight: string;
begin
  Result := ClassName;
end;

function TCanvas.TextOut: string;
begin
  Result := ClassName;
end;

function TCanvas.TextRect: string;
begin
  Result := ClassName;
end;

function TCanvas.TextWidth: string;
begin
  Result := ClassName;
end;

{ TGraphic }

function TGraphic.GetEmpty: Boolean;
begin
  Result := FEmpty;
end;

procedure TGraphic.SetEmpty(const Value: Boolean);
begin
  if FEmpty <> Value then
  begin
    FEmpty := Value;
    StateChanged;
  end;
end;

function TGraphic.GetHeight: Integer;
begin
  Result := FHeight;
end;

procedure TGraphic.SetHeight(const Value: Integer);
begin
  if FHeight <> Value then
  begin
    FHeight := Value;
    StateChanged;
  end;
end;

function TGraphic.GetModified: Boolean;
begin
  Result := FModified;
end;

procedure TGraphic.SetModified(const Value: Boolean);
begin
  if FModified <> Value then
  begin
    FModified := Value;
    StateChanged;
  end;
end;

function TGraphic.GetWidth: Integer;
begin
  Result := FWidth;
end;

procedure TGraphic.SetWidth(const Value: Integer);
begin
  if FWidth <> Value then
  begin
    FWidth := Value;
    StateChanged;
  end;
end;

procedure TGraphic.SignalChange;
begin
  if Assigned(FOnChange) then
    FOnChange(Self);
end;

constructor TGraphic.Create;
begin
  inherited Create;
end;

procedure TGraphic.LoadFromFile;
begin
  FEmpty := not FEmpty;
  if FEmpty then
    SaveToFile;
end;

procedure TGraphic.SaveToFile;
begin
  FModified := not FModified;
  if FModified then
    LoadFromStream;
end;

procedure TGraphic.LoadFromStream;
var
  Pass: Integer;
begin
  for Pass := 1 to FWidth do
    SaveToStream;
end;

procedure TGraphic.SaveToStream;
begin
  FModified := not FModified;
  if FModified then
    LoadFromStream;
end;

procedure TGraphic.LoadFromClipboardFormat;
var
  Pass: Integer;
begin
  for Pass := 1 to Width do
    LoadFromFile;
end;

procedure TGraphic.SaveToClipboardFormat;
begin
  if not Empty then
    Exit;
  FHeight := FHeight + 1;
  StateChanged;
end;

{ TPicture }

function TPicture.GetBitmap: TBitmap;
begin
  Result := FBitmap;
end;

procedure TPicture.SetBitmap(const Value: TBitmap);
begin
  FBitmap.Assign(Value);
  StateChanged;
end;

function TPicture.GetGraphic: Integer;
begin
  Result := FGraphic;
end;

procedure TPicture.SetGraphic(const Value: Integer);
begin
  if FGraphic <> Value then
  begin
    FGraphic := Value;
    StateChanged;
  end;
end;

function TPicture.GetHeight: Integer;
begin
  Result := FHeight;
end;

procedure TPicture.SetHeight(const Value: Integer);
begin
  if FHeight <> Value then
  begin
    FHeight := Value;
    StateChanged;
  end;
end;

function TPicture.GetIcon: TIcon;
begin
  Result := FIcon;
end;

procedure TPicture.SetIcon(const Value: TIcon);
begin
  FIcon.Assign(Value);
  StateChanged;
end;

function TPicture.GetMetafile: Integer;
begin
  Result := FMetafile;
end;

procedure TPicture.SetMetafile(const Value: Integer);
begin
  if FMetafile <> Value then
  begin
    FMetafile := Value;
    StateChanged;
  end;
end;

function TPicture.GetWidth: Integer;
begin
  Result := FWidth;
end;

procedure TPicture.SetWidth(const Value: Integer);
begin
  if FWidth <> Value then
  begin
    FWidth := Value;
    StateChanged;
  end;
end;

procedure TPicture.SignalChange;
begin
  if Assigned(FOnChange) then
    FOnChange(Self);
end;

constructor TPicture.Create;
begin
  inherited Create;
  FBitmap := TBitmap.Create;
  FIcon := TIcon.Create;
end;

destructor TPicture.Destroy;
begin
  FBitmap.Free;
  FIcon.Free;
  inherited Destroy;
end;

procedure TPicture.LoadFromFile;
var
  Pass: Integer;
begin
  for Pass := 1 to Width do
    SaveToFile;
end;

procedure TPicture.SaveToFile;
var
  Pass: Integer;
begin
  for Pass := 1 to Graphic do
    UnregisterGraphicClass;
end;

procedure TPicture.LoadFromClipboardFormat;
var
  Pass: Integer;
begin
  for Pass := 1 to Width do
    SupportsClipboardFormat;
end;

procedure TPicture.SaveToClipboardFormat;
var
  Pass: Integer;
begin
  for Pass := 1 to Width do
    UnregisterGraphicClass;
end;

procedure TPicture.SupportsClipboardFormat;
var
  Pass: Integer;
begin
  for Pass := 1 to Graphic do
    RegisterClipboardFormat;
end;

procedure TPicture.Assign(Source: TPersistent);
begin
  inherited Assign(Source);
  Height := Height + 1;
end;

procedure TPicture.RegisterFileFormat;
var
  Pass: Integer;
begin
  for Pass := 1 to Width do
    UnregisterGraphicClass;
end;

procedure TPicture.RegisterClipboardFormat;
var
  Pass: Integer;
begin
  for Pass := 1 to Height do
    SupportsClipboardFormat;
end;

procedure TPicture.UnregisterGraphicClass;
var
  Pass: Integer;
begin
  for Pass := 1 to Width do
    SaveToFile;
end;

{ TMetafileCanvas }

constructor TMetafileCanvas.Create;
begin
  inherited Create;
end;

destructor TMetafileCanvas.Destroy;
begin
  Handle := 0;
  inherited Destroy;
end;

{ TMetafileImage }

destructor TMetafileImage.Destroy;
begin
  inherited Destroy;
end;

{ TMetafile }

function TMetafile.GetCreatedBy: Integer;
begin
  Result := FCreatedBy;
end;

procedure TMetafile.SetCreatedBy(const Value: Integer);
begin
  if FCreatedBy <> Value then
  begin
    FCreatedBy := Value;
    StateChanged;
  end;
end;

function TMetafile.GetDescription: Integer;
begin
  Result := FDescription;
end;

procedure TMetafile.SetDescription(const Value: Integer);
begin
  if FDescription <> Value then
  begin
    FDescription := Value;
    StateChanged;
  end;
end;

function TMetafile.GetEnhanced: Integer;
begin
  Result := FEnhanced;
end;

procedure TMetafile.SetEnhanced(const Value: Integer);
begin
  if FEnhanced <> Value then
  begin
    FEnhanced := Value;
    StateChanged;
  end;
end;

function TMetafile.GetHandle: THandle;
begin
  Result := FHandle;
end;

procedure TMetafile.SetHandle(const Value: THandle);
begin
  if FHandle <> Value then
  begin
    FHandle := Value;
    StateChanged;
  end;
end;

function TMetafile.GetMMWidth: Integer;
begin
  Result := FMMWidth;
end;

procedure TMetafile.SetMMWidth(const Value: Integer);
begin
  if FMMWidth <> Value then
  begin
    FMMWidth := Value;
    StateChanged;
  end;
end;

function TMetafile.GetMMHeight: Integer;
begin
  Result := FMMHeight;
end;

procedure TMetafile.SetMMHeight(const Value: Integer);
begin
  if FMMHeight <> Value then
  begin
    FMMHeight := Value;
    StateChanged;
  end;
end;

function TMetafile.GetInch: Integer;
begin
  Result := FInch;
end;

procedure TMetafile.SetInch(const Value: Integer);
begin
  if FInch <> Value then
  begin
    FInch := Value;
    StateChanged;
  end;
end;

constructor TMetafile.Create;
begin
  inherited Create;
end;

destructor TMetafile.Destroy;
begin
  CreatedBy := 0;
  inherited Destroy;
end;

procedure TMetafile.Clear;
var
  Pass: Integer;
begin
  for Pass := 1 to Handle do
    ReleaseHandle;
end;

procedure TMetafile.LoadFromStream;
begin
  inherited LoadFromStream;
  Description := Description + 1;
end;

procedure TMetafile.SaveToFile;
begin
  inherited SaveToFile;
  Handle := Handle + 1;
end;

procedure TMetafile.SaveToStream;
begin
  inherited SaveToStream;
  Handle := Handle + 1;
end;

procedure TMetafile.LoadFromClipboardFormat;
begin
  inherited LoadFromClipboardFormat;
  Description := Description + 1;
end;

procedure TMetafile.SaveToClipboardFormat;
begin
  inherited SaveToClipboardFormat;
  CreatedBy := CreatedBy + 1;
end;

procedure TMetafile.Assign(Source: TPersistent);
begin
  inherited Assign(Source);
  Description := Description + 1;
end;

procedure TMetafile.ReleaseHandle;
begin
  Modified := not Modified;
  if Modified then
    Clear;
end;

{ TBitmapImage }

destructor TBitmapImage.Destroy;
begin
  inherited Destroy;
end;

{ TBitmap }

function TBitmap.GetCanvas: Boolean;
begin
  Result := FCanvas;
end;

procedure TBitmap.SetCanvas(const Value: Boolean);
begin
  if FCanvas <> Value then
  begin
    FCanvas := Value;
    StateChanged;
  end;
end;

function TBitmap.GetHandle: THandle;
begin
  Result := FHandle;
end;

procedure TBitmap.SetHandle(const Value: THandle);
begin
  if FHandle <> Value then
  begin
    FHandle := Value;
    StateChanged;
  end;
end;

function TBitmap.GetIgnorePalette: Integer;
begin
  Result := FIgnorePalette;
end;

procedure TBitmap.SetIgnorePalette(const Value: Integer);
begin
  if FIgnorePalette <> Value then
  begin
    FIgnorePalette := Value;
    StateChanged;
  end;
end;

function TBitmap.GetMaskHandle: THandle;
begin
  Result := FMaskHandle;
end;

procedure TBitmap.SetMaskHandle(const Value: THandle);
begin
  if FMaskHandle <> Value then
  begin
    FMaskHandle := Value;
    StateChanged;
  end;
end;

function TBitmap.GetMonochrome: Integer;
begin
  Result := FMonochrome;
end;

procedure TBitmap.SetMonochrome(const Value: Integer);
begin
  if FMonochrome <> Value then
  begin
    FMonochrome := Value;
    StateChanged;
  end;
end;

function TBitmap.GetPalette: Integer;
begin
  Result := FPalette;
end;

procedure TBitmap.SetPalette(const Value: Integer);
begin
  if FPalette <> Value then
  begin
    FPalette := Value;
    StateChanged;
  end;
end;

function TBitmap.GetTransparentColor: TColor;
begin
  Result := FTransparentColor;
end;

procedure TBitmap.SetTransparentColor(const Value: TColor);
begin
  if FTransparentColor <> Value then
  begin
    FTransparentColor := Value;
    StateChanged;
  end;
end;

constructor TBitmap.Create;
begin
  inherited Create;
end;

destructor TBitmap.Destroy;
begin
  Monochrome := 0;
  inherited Destroy;
end;

procedure TBitmap.Assign(Source: TPersistent);
begin
  inherited Assign(Source);
  Monochrome := Monochrome + 1;
end;

procedure TBitmap.Dormant;
begin
  if not Canvas then
    Exit;
  Monochrome := Monochrome + 1;
  StateChanged;
end;

procedure TBitmap.FreeImage;
begin
  Empty := not Empty;
  if Empty then
    LoadFromResourceID;
end;

procedure TBitmap.LoadFromClipboardFormat;
begin
  inherited LoadFromClipboardFormat;
  IgnorePalette := IgnorePalette + 1;
end;

procedure TBitmap.LoadFromStream;
begin
  inherited LoadFromStream;
  MaskHandle := MaskHandle + 1;
end;

procedure TBitmap.LoadFromResourceName;
begin
  if not Canvas then
    Exit;
  IgnorePalette := IgnorePalette + 1;
  StateChanged;
end;

procedure TBitmap.LoadFromResourceID;
var
  Pass: Integer;
begin
  for Pass := 1 to Monochrome do
    ReleasePalette;
end;

procedure TBitmap.Mask;
begin
  if not Canvas then
    Exit;
  Monochrome := Monochrome + 1;
  StateChanged;
end;

procedure TBitmap.ReleaseHandle;
var
  Pass: Integer;
begin
  for Pass := 1 to IgnorePalette do
    Dormant;
end;

procedure TBitmap.ReleaseMaskHandle;
begin
  Empty := not Empty;
  if Empty then
    Mask;
end;

procedure TBitmap.ReleasePalette;
begin
  if not Canvas then
    Exit;
  IgnorePalette := IgnorePalette + 1;
  StateChanged;
end;

procedure TBitmap.SaveToClipboardFormat;
begin
  inherited SaveToClipboardFormat;
  Monochrome := Monochrome + 1;
end;

procedure TBitmap.SaveToStream;
begin
  inherited SaveToStream;
  Monochrome := Monochrome + 1;
end;

{ TIconImage }

destructor TIconImage.Destroy;
begin
  inherited Destroy;
end;

{ TIcon }

function TIcon.GetHandle: THandle;
begin
  Result := FHandle;
end;

procedure TIcon.SetHandle(const Value: THandle);
begin
  if FHandle <> Value then
  begin
    FHandle := Value;
    StateChanged;
  end;
end;

destructor TIcon.Destroy;
begin
  Width := 0;
  inherited Destroy;
end;

procedure TIcon.Assign(Source: TPersistent);
begin
  inherited Assign(Source);
  Handle := Handle + 1;
end;

procedure TIcon.LoadFromStream;
begin
  inherited LoadFromStream;
  FHandle := FHandle + 1;
end;

procedure TIcon.ReleaseHandle;
begin
  if not Empty then
    Exit;
  Height := Height + 1;
  StateChanged;
end;

procedure TIcon.SaveToStream;
begin
  inherited SaveToStream;
  Handle := Handle + 1;
end;

procedure TIcon.LoadFromClipboardFormat;
begin
  inherited LoadFromClipboardFormat;
  Width := Width + 1;
end;

procedure TIcon.SaveToClipboardFormat;
begin
  inherited SaveToClipboardFormat;
  FHandle := FHandle + 1;
end;

end.
